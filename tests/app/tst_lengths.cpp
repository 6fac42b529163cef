// Lengths in the user's unit: shown from twips, typed back to whole twips,
// bad input refused with its reason, and the unit a new user starts with.
#include <QtTest>

#include "app/Lengths.h"
#include "editing/ResizeRules.h"

using lengths::Unit;

class tst_Lengths : public QObject {
    Q_OBJECT
private slots:
    void formats()
    {
        const std::tuple<double, Unit, QString> rows[] = {
            {1440, Unit::Inches, "1.0"},       {338.4, Unit::Inches, "0.235"},      {1000, Unit::Inches, "0.694"},
            {-720, Unit::Inches, "-0.5"},      {567, Unit::Millimetres, "10"},      {1440, Unit::Millimetres, "25.4"},
            {338.4, Unit::Millimetres, "5.97"}, {0, Unit::Millimetres, "0"},        {-720, Unit::Millimetres, "-12.7"}};
        for (const auto& [twips, unit, text] : rows)
            QCOMPARE(lengths::format(twips, unit), text);
    }

    void parses()
    {
        const Unit mm = Unit::Millimetres, in = Unit::Inches;
        const std::tuple<QString, Unit, char, bool, int> rows[] = {
            {"10", mm, '.', true, 567},   {" 10 mm ", mm, '.', true, 567}, {"12,7", mm, ',', true, 720},
            {"12.7", mm, ',', true, 720}, {"0.5", in, '.', true, 720},     {"-.25", in, '.', true, -360},
            {"", mm, '.', false, 0},      {"ten", mm, '.', false, 0},      {"1e3", mm, '.', false, 0},
            {"12,7", mm, '.', false, 0},  {"10 in", mm, '.', false, 0},    {"578", mm, '.', false, 0}};
        for (const auto& [typed, unit, separator, ok, twips] : rows) {
            const lengths::Parsed p = lengths::parse(typed, unit, QChar(separator));
            QVERIFY2(p.ok == ok && p.twips == twips && p.error.isEmpty() == ok,
                     qPrintable(QString("\"%1\": %2 twips, error \"%3\"").arg(typed).arg(p.twips).arg(p.error)));
        }
        // What a refusal says.
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
