// The options dialog's rules without a window: reading and formatting the
// numbers, the limits of every box with their messages and reset values, the
// keys a numeric box lets through, the label type choices and the grid dots.
#include <QtTest>

#include "app/OptionsRules.h"

using namespace options;

class tst_Options : public QObject {
    Q_OBJECT
private slots:
    void readsTheLeadingNumberWithTheProgramsSeparator()
    {
        QCOMPARE(leadingNumber("3.75", '.'), 3.75);
        QCOMPARE(leadingNumber("3,75", ','), 3.75);
        QCOMPARE(leadingNumber("3,75", '.'), 3.0);
        QCOMPARE(leadingNumber("3.75", ','), 3.0);
        QCOMPARE(leadingNumber("  -0.49", '.'), -0.49);
        QCOMPARE(leadingNumber("7px", '.'), 7.0);
        QCOMPARE(leadingNumber(".5", '.'), 0.5);
        QCOMPARE(leadingNumber("", '.'), 0.0);
        QCOMPARE(leadingNumber("abc", '.'), 0.0);
        QCOMPARE(leadingNumber("-", '.'), 0.0);
        QCOMPARE(leadingNumber(QString(400, '9'), '.'), 0.0); // too long for a double
    }

    void formatsInchesWithOneOrTwoDecimals()
    {
        QCOMPARE(formatInches(3, '.'), QString("3.0"));
        QCOMPARE(formatInches(3.75, '.'), QString("3.75"));
        QCOMPARE(formatInches(3.75, ','), QString("3,75"));
        QCOMPARE(formatInches(2.5, '.'), QString("2.5"));
        QCOMPARE(formatInches(10.25, '.'), QString("10.25"));
        QCOMPARE(formatInches(0.125, '.'), QString("0.125"));
        QCOMPARE(formatInches(0.235, '.'), QString("0.235"));
        QCOMPARE(formatInches(2.6755, '.'), QString("2.676"));
        QCOMPARE(formatInches(1.0004, '.'), QString("1.0"));
        QCOMPARE(formatInches(0.2, '.'), QString("0.2"));
        QCOMPARE(formatInches(-0.49, '.'), QString("-0.49"));
        QCOMPARE(formatInches(0, '.'), QString("0.0"));
        QCOMPARE(formatInches(123456, '.'), QString("123456.0"));
    }

    void limitsOfEveryBox()
    {
        const Paper letter{8.5, 11};
        struct Case {
            Box box;
            double value;
            const char* message;
            double reset;
        };
        const Case cases[] = {
            {Box::CustomWidth, 8.5, "", 0},
            {Box::CustomWidth, 8.51, "Width Cannot Exceed the Paper Width", 7.75},
            {Box::CustomWidth, 0, "Width Must be Greater than 0.0", 2},
            {Box::CustomWidth, -1, "Width Must be Greater than 0.0", 2},
            {Box::CustomHeight, 11, "", 0},
            {Box::CustomHeight, 11.01, "Height Cannot Exceed the Paper Height", 10.25},
            {Box::CustomHeight, 0, "Height Must be Greater than 0.0", 2},
            {Box::TopMargin, -0.5, "Top Margin Must be Greater than -0.5", 0},
            {Box::TopMargin, -0.49, "", 0},
            {Box::TopMargin, 5.5, "", 0},
            {Box::TopMargin, 5.51, "Top Margin Cannot Exceed 1/2 the Paper Height", 0},
            {Box::LeftMargin, -0.5, "Left Margin Must be Greater than -0.5", 0},
            {Box::LeftMargin, 4.25, "", 0},
            {Box::LeftMargin, 4.26, "Left Margin Cannot Exceed 1/2 the Paper Width", 0},
            {Box::RowSpace, 0, "", 0},
            {Box::RowSpace, -0.01, "Row Spacing May Not Be Less than 0.0", 0},
            {Box::RowSpace, 5.5, "", 0},
            {Box::RowSpace, 5.51, "Row Spacing Cannot Exceed 1/2 the Paper Height", 0},
            {Box::ColumnSpace, -0.01, "Column Spacing May Not Be Less than 0.0", 0},
            {Box::ColumnSpace, 4.25, "", 0},
            {Box::ColumnSpace, 4.26, "Column Spacing Cannot Exceed 1/2 the Paper Width", 0},
            {Box::GridWidth, 500, "", 0},
            {Box::GridWidth, 501, "Maximum Grid Width is 500, Reset to Default", 120},
            {Box::GridWidth, 2, "Grid Width Must be Greater than 2, Reset to Default", 120},
            {Box::GridWidth, 3, "", 0},
            {Box::GridHeight, 501, "Maximum Grid Height is 500, Reset to Default", 120},
            {Box::GridHeight, 0, "Grid Height Must be Greater than 2, Reset to Default", 120},
        };
        for (const Case& c : cases) {
            const Verdict v = check(c.box, c.value, letter);
            const QString what = QString("box %1 value %2").arg(int(c.box)).arg(c.value);
            QVERIFY2(v.ok == (QString(c.message).isEmpty()), qPrintable(what));
            QCOMPARE(v.message, QString(c.message));
            if (!v.ok)
                QCOMPARE(v.resetTo, c.reset);
        }
        // A paper too small for either limit: the upper one is told first.
        QCOMPARE(check(Box::CustomWidth, -1, Paper{-2, -2}).message, QString("Width Cannot Exceed the Paper Width"));
        QCOMPARE(check(Box::GridWidth, 600, letter).message, QString("Maximum Grid Width is 500, Reset to Default"));
    }

    void leavingABoxRewritesItsText()
    {
        const Paper letter{8.5, 11};
        auto leave = [&](Box b, const QString& t, QChar sep = '.') { return leaveBox(b, t, letter, sep); };
        QCOMPARE(leave(Box::CustomHeight, "11").text, QString("11.0"));
        QCOMPARE(leave(Box::CustomHeight, "11").message, QString());
        QCOMPARE(leave(Box::CustomHeight, "11.01").text, QString("10.25"));
        QCOMPARE(leave(Box::CustomHeight, "11.01").message, QString("Height Cannot Exceed the Paper Height"));
        QCOMPARE(leave(Box::CustomHeight, "11,01", ',').text, QString("10,25"));
        QCOMPARE(leave(Box::CustomWidth, "").text, QString("2.0"));
        QCOMPARE(leave(Box::CustomWidth, "").message, QString("Width Must be Greater than 0.0"));
        // The limits hold for the thousandths the box keeps (and Apply reads).
        for (const char* tiny : {"0.0001", "0.0004", "0,00049"}) {
            QCOMPARE(leave(Box::CustomWidth, tiny, tiny[1]).message, QString("Width Must be Greater than 0.0"));
            QCOMPARE(leave(Box::CustomHeight, tiny, tiny[1]).text, QString("2") + tiny[1] + "0");
        }
        QCOMPARE(leave(Box::CustomWidth, "0.0005").text, QString("0.001"));
        QCOMPARE(leave(Box::CustomWidth, "0.0005").message, QString());
        QCOMPARE(leave(Box::TopMargin, "-0.4999").message, QString("Top Margin Must be Greater than -0.5"));
        QCOMPARE(leave(Box::CustomWidth, "8.5004").text, QString("8.5"));
        QCOMPARE(leave(Box::TopMargin, "0.235").text, QString("0.235"));
        QCOMPARE(leave(Box::TopMargin, "-0.5").text, QString("0.0"));
        QCOMPARE(leave(Box::TopMargin, "-0.49").text, QString("-0.49"));
        QCOMPARE(leave(Box::TopMargin, "-0.49").message, QString());
        QCOMPARE(leave(Box::RowSpace, "abc").text, QString("0.0"));
        QCOMPARE(leave(Box::RowSpace, "abc").message, QString());
        QCOMPARE(leave(Box::ColumnSpace, "0.125").text, QString("0.125"));
        QCOMPARE(leave(Box::ColumnSpace, "0.1254").text, QString("0.125"));
        QCOMPARE(leave(Box::GridWidth, "").text, QString("120"));
        QCOMPARE(leave(Box::GridWidth, "").message, QString("Grid Width Must be Greater than 2, Reset to Default"));
        QCOMPARE(leave(Box::GridHeight, "0").text, QString("120"));
        QCOMPARE(leave(Box::GridHeight, "0500").text, QString("0500")); // grid boxes are not reformatted
        QCOMPARE(leave(Box::GridHeight, "0500").message, QString());
        QCOMPARE(leave(Box::GridHeight, "501").text, QString("120"));
    }

    void numericKeys()
    {
        // Digits and backspace everywhere.
        for (Box b : {Box::CustomWidth, Box::GridWidth}) {
            QCOMPARE(numericKey("7", b, '.'), int16_t('7'));
            QCOMPARE(numericKey("\b", b, '.'), int16_t(8));
        }
        // The separator in the inch boxes only, and only the program's own.
        QCOMPARE(numericKey(".", Box::TopMargin, '.'), int16_t('.'));
        QCOMPARE(numericKey(",", Box::TopMargin, '.'), int16_t(0));
        QCOMPARE(numericKey(",", Box::ColumnSpace, ','), int16_t(','));
        QCOMPARE(numericKey(".", Box::ColumnSpace, ','), int16_t(0));
        QCOMPARE(numericKey(".", Box::GridHeight, '.'), int16_t(0));
        QCOMPARE(numericKey(",", Box::GridHeight, ','), int16_t(0));
        // Everything else, including the minus sign and letters.
        for (const QString& t : {"a", "-", " ", "e", "\u00e9", "\u4e00", "12"})
            QCOMPARE(numericKey(t, Box::CustomHeight, '.'), int16_t(0));
    }

    void labelTypesAndTheTemplateQuestion()
    {
        const TypeChoice beer = labelTypeChoice(0, '.');
        QVERIFY(beer.fillsSize);
        QCOMPARE(beer.height, QString("3.75"));
        QCOMPARE(beer.width, QString("3.0"));
        QVERIFY(!beer.sizeEditable);
        const TypeChoice wine = labelTypeChoice(1, ',');
        QCOMPARE(wine.height, QString("4,0"));
        QCOMPARE(wine.width, QString("5,0"));
        QVERIFY(!wine.sizeEditable);
        const TypeChoice custom = labelTypeChoice(2, '.');
        QVERIFY(!custom.fillsSize);
        QVERIFY(custom.sizeEditable);
        QCOMPARE(deactivateTemplateQuestion("Stout.ckm"), QString("Deactivate Template file: 'Stout.ckm'?"));
    }

    void gridDotsAtEveryStep()
    {
        const QList<QPoint> dots = gridDots(300, 240, 120, 120);
        QCOMPARE(dots, QList<QPoint>({{0, 0}, {0, 120}, {0, 240}, {120, 0}, {120, 120}, {120, 240}, {240, 0},
                                      {240, 120}, {240, 240}}));
        QCOMPARE(gridDots(1800, 1500, 500, 3).size(), 4 * 501);
        QVERIFY(gridDots(300, 300, 0, 120).isEmpty());
        QVERIFY(gridDots(300, 300, 120, -5).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Options)
#include "tst_options.moc"
