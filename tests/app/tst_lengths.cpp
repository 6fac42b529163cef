// Lengths in the user's unit: shown from twips, typed back to whole twips,
// bad input refused with its reason, and the unit a new user starts with.
#include <QtTest>

#include "app/Lengths.h"
#include "editing/ResizeRules.h"

using lengths::Unit;
Q_DECLARE_METATYPE(lengths::Unit)

class tst_Lengths : public QObject {
    Q_OBJECT
private slots:
    void formats_data()
    {
        QTest::addColumn<double>("twips");
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<QString>("text");
        QTest::newRow("inch") << 1440.0 << Unit::Inches << "1.0";
        QTest::newRow("0.235 in") << 338.4 << Unit::Inches << "0.235";
        QTest::newRow("thousandth rounds") << 1000.0 << Unit::Inches << "0.694";
        QTest::newRow("negative in") << -720.0 << Unit::Inches << "-0.5";
        QTest::newRow("567 twips") << 567.0 << Unit::Millimetres << "10";
        QTest::newRow("inch in mm") << 1440.0 << Unit::Millimetres << "25.4";
        QTest::newRow("hundredths") << 338.4 << Unit::Millimetres << "5.97";
        QTest::newRow("zero mm") << 0.0 << Unit::Millimetres << "0";
        QTest::newRow("negative mm") << -720.0 << Unit::Millimetres << "-12.7";
    }
    void formats()
    {
        QFETCH(double, twips);
        QFETCH(Unit, unit);
        QFETCH(QString, text);
        QCOMPARE(lengths::format(twips, unit), text);
    }

    void parses_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<Unit>("unit");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<int>("twips");
        const QChar dot('.'), comma(',');
        QTest::newRow("10 mm") << "10" << Unit::Millimetres << dot << true << 567;
        QTest::newRow("10 mm with symbol") << " 10 mm " << Unit::Millimetres << dot << true << 567;
        QTest::newRow("comma") << "12,7" << Unit::Millimetres << comma << true << 720;
        QTest::newRow("point on a comma system") << "12.7" << Unit::Millimetres << comma << true << 720;
        QTest::newRow("half inch") << "0.5" << Unit::Inches << dot << true << 720;
        QTest::newRow("negative") << "-.25" << Unit::Inches << dot << true << -360;
        QTest::newRow("empty") << "" << Unit::Millimetres << dot << false << 0;
        QTest::newRow("letters") << "ten" << Unit::Millimetres << dot << false << 0;
        QTest::newRow("exponent") << "1e3" << Unit::Millimetres << dot << false << 0;
        QTest::newRow("comma not the separator") << "12,7" << Unit::Millimetres << dot << false << 0;
        QTest::newRow("wrong symbol") << "10 in" << Unit::Millimetres << dot << false << 0;
        QTest::newRow("beyond a label") << "578" << Unit::Millimetres << dot << false << 0;
    }
    void parses()
    {
        QFETCH(QString, typed);
        QFETCH(Unit, unit);
        QFETCH(QChar, separator);
        QFETCH(bool, ok);
        QFETCH(int, twips);
        const lengths::Parsed p = lengths::parse(typed, unit, separator);
        QCOMPARE(p.ok, ok);
        QCOMPARE(p.twips, twips);
        QCOMPARE(p.error.isEmpty(), ok);
    }

    void refusalsSayWhy()
    {
        QCOMPARE(lengths::parse("abc", Unit::Millimetres).error, QString("Type a length in millimetres, such as 12.5"));
        QCOMPARE(lengths::parse("1e3", Unit::Inches).error, QString("Type a length in inches, such as 0.5"));
        QCOMPARE(lengths::parse("600", Unit::Millimetres).error,
                 QString("The length must be between -577.97 and 577.97 mm"));
    }

    void defaultUnitFollowsTheMeasurementSystem()
    {
        QCOMPARE(lengths::defaultUnit(QLocale::c()), Unit::Inches);
        QCOMPARE(lengths::defaultUnit(QLocale(QLocale::English, QLocale::UnitedStates)), Unit::Inches);
        QCOMPARE(lengths::defaultUnit(QLocale(QLocale::English, QLocale::UnitedKingdom)), Unit::Millimetres);
        QCOMPARE(lengths::defaultUnit(QLocale(QLocale::German, QLocale::Germany)), Unit::Millimetres);
        QCOMPARE(lengths::unitFromKey("millimetres", Unit::Inches), Unit::Millimetres);
        QCOMPARE(lengths::unitFromKey("furlongs", Unit::Millimetres), Unit::Millimetres);
    }

    // A typed width sets the height of a picture kept in proportion, else a
    // typed height sets the width; no box of no size.
    void typedBoxKeepsTheAspect()
    {
        const QRectF before(100, 100, 1000, 500);
        QCOMPARE(*resize::typedBox(before, QRectF(0, 0, 2000, 500), true, 0.5), QRectF(0, 0, 2000, 1000));
        QCOMPARE(*resize::typedBox(before, QRectF(100, 100, 1000, 250), true, 0.5), QRectF(100, 100, 500, 250));
        QCOMPARE(*resize::typedBox(before, QRectF(100, 100, 2000, 250), false, 0.5), QRectF(100, 100, 2000, 250));
        QVERIFY(!resize::typedBox(before, QRectF(100, 100, 0, 500), false, 0.5));
    }
};

QTEST_GUILESS_MAIN(tst_Lengths)
#include "tst_lengths.moc"
