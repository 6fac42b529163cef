// The options dialog's rules without a window: the numbers, the limits of every
// box, the keys a numeric box lets through and the grid dots.
#include <QtTest>

#include "app/OptionsRules.h"

using namespace options;
Q_DECLARE_METATYPE(options::Box)

class tst_Options : public QObject {
    Q_OBJECT
private slots:
    void readsAndFormatsInches()
    {
        const std::pair<QString, double> dot[] = {{"3.75", 3.75}, {"3,75", 3}, {"  -0.49", -0.49}, {"7px", 7},
                                                  {".5", 0.5},     {"", 0},     {"abc", 0},          {"-", 0},
                                                  {QString(400, '9'), 0}}; // too long for a double
        for (const auto& [text, value] : dot)
            QCOMPARE(leadingNumber(text, '.'), value);
        QCOMPARE(leadingNumber("3,75", ','), 3.75);
        QCOMPARE(leadingNumber("3.75", ','), 3.0);

        const std::pair<double, QString> shown[] = {{3, "3.0"},         {0.235, "0.235"}, {2.6755, "2.676"},
                                                    {1.0004, "1.0"},    {-0.49, "-0.49"}, {0, "0.0"},
                                                    {123456, "123456.0"}};
        for (const auto& [inches, text] : shown)
            QCOMPARE(formatInches(inches, '.'), text);
        QCOMPARE(formatInches(3.75, ','), QString("3,75"));
    }

    // Limits checked (upper first, inclusive) on the thousandths a box keeps.
    void leavingABox_data()
    {
        QTest::addColumn<Box>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("message");
        auto row = [](Box b, const char* typed, const char* text, const char* message = "") {
            const char* names[] = {"width", "height", "top", "left", "row space", "column space", "grid x", "grid y"};
            QTest::addRow("%s '%s'", names[int(b)], typed) << b << QString(typed) << QString(text) << QString(message);
        };
        const char* widthLow = "Width Must be Greater than 0.0";
        row(Box::CustomWidth, "8.5", "8.5");
        row(Box::CustomWidth, "8.5004", "8.5");
        row(Box::CustomWidth, "8.51", "7.75", "Width Cannot Exceed the Paper Width");
        row(Box::CustomWidth, "0", "2.0", widthLow);
        row(Box::CustomWidth, "-1", "2.0", widthLow);
        row(Box::CustomWidth, "0.0004", "2.0", widthLow); // kept as "0.0": no label of no size
        row(Box::CustomWidth, "0.0005", "0.001");
        row(Box::CustomHeight, "11", "11.0");
        row(Box::CustomHeight, "11.01", "10.25", "Height Cannot Exceed the Paper Height");
        row(Box::CustomHeight, "0.0001", "2.0", "Height Must be Greater than 0.0");
        row(Box::TopMargin, "-0.5", "0.0", "Top Margin Must be Greater than -0.5");
        row(Box::TopMargin, "-0.4999", "0.0", "Top Margin Must be Greater than -0.5");
        row(Box::TopMargin, "-0.49", "-0.49");
        row(Box::TopMargin, "5.5", "5.5");
        row(Box::TopMargin, "5.51", "0.0", "Top Margin Cannot Exceed 1/2 the Paper Height");
        row(Box::LeftMargin, "-0.5", "0.0", "Left Margin Must be Greater than -0.5");
        row(Box::LeftMargin, "4.25", "4.25");
        row(Box::LeftMargin, "4.26", "0.0", "Left Margin Cannot Exceed 1/2 the Paper Width");
        row(Box::RowSpace, "0", "0.0");
        row(Box::RowSpace, "-0.01", "0.0", "Row Spacing May Not Be Less than 0.0");
        row(Box::RowSpace, "5.5", "5.5");
        row(Box::RowSpace, "5.51", "0.0", "Row Spacing Cannot Exceed 1/2 the Paper Height");
        row(Box::ColumnSpace, "-0.01", "0.0", "Column Spacing May Not Be Less than 0.0");
        row(Box::ColumnSpace, "4.25", "4.25");
        row(Box::ColumnSpace, "4.26", "0.0", "Column Spacing Cannot Exceed 1/2 the Paper Width");
        row(Box::GridWidth, "3", "3");
        row(Box::GridWidth, "500", "500");
        row(Box::GridWidth, "501", "120", "Maximum Grid Width is 500, Reset to Default");
        row(Box::GridWidth, "2", "120", "Grid Width Must be Greater than 2, Reset to Default");
        row(Box::GridHeight, "0500", "0500"); // grid boxes are not reformatted
        row(Box::GridHeight, "501", "120", "Maximum Grid Height is 500, Reset to Default");
        row(Box::GridHeight, "0", "120", "Grid Height Must be Greater than 2, Reset to Default");
    }
    void leavingABox()
    {
        QFETCH(Box, box);
        QFETCH(QString, typed);
        QFETCH(QString, text);
        QFETCH(QString, message);
        const Paper letter{8.5, 11};
        const LeaveResult r = leaveBox(box, typed, letter, '.');
        QCOMPARE(r.text, text);
        QCOMPARE(r.message, message);
        // The same with the other separator, where the box holds inches.
        if (holdsInches(box) && !typed.contains(','))
            QCOMPARE(leaveBox(box, QString(typed).replace('.', ','), letter, ',').text, QString(text).replace('.', ','));
        // A paper too small for either limit: the upper one is told first.
        if (box == Box::CustomWidth && typed == "-1")
            QCOMPARE(check(Box::CustomWidth, -1, Paper{-2, -2}).message, QString("Width Cannot Exceed the Paper Width"));
    }

    // In millimetres the boxes show hundredths of a millimetre, and a limit
    // given in inches is told in millimetres; the others keep their words.
    void leavingABoxInMillimetres()
    {
        const Paper letter{8.5, 11};
        const struct {
            Box box;
            const char* typed;
            const char* text;
            const char* message;
        } rows[] = {
            {Box::CustomWidth, "76.2", "76.2", ""},
            {Box::CustomWidth, "10.004", "10", ""},
            {Box::CustomWidth, "0.004", "50.8", "Width Must be Greater than 0 mm"},
            {Box::CustomWidth, "216", "196.85", "Width Cannot Exceed the Paper Width"},
            {Box::TopMargin, "-12.7", "0", "Top Margin Must be Greater than -12.7 mm"},
            {Box::TopMargin, "-12.69", "-12.69", ""},
            {Box::RowSpace, "-0.01", "0", "Row Spacing May Not Be Less than 0 mm"},
            {Box::GridWidth, "501", "120", "Maximum Grid Width is 500, Reset to Default"},
        };
        for (const auto& r : rows) {
            const LeaveResult got = leaveBox(r.box, r.typed, letter, '.', lengths::Unit::Millimetres);
            QCOMPARE(got.text, QString(r.text));
            QCOMPARE(got.message, QString(r.message));
        }
        QCOMPARE(boxInches("25.4", lengths::Unit::Millimetres, '.'), 1.0);
    }

    void numericKeys()
    {
        for (Box b : {Box::CustomWidth, Box::GridWidth}) { // digits and backspace everywhere
            QCOMPARE(numericKey("7", b, '.'), int16_t('7'));
            QCOMPARE(numericKey("\b", b, '.'), int16_t(8));
        }
        // The separator in the inch boxes only, and only the program's own.
        QCOMPARE(numericKey(".", Box::TopMargin, '.'), int16_t('.'));
        QCOMPARE(numericKey(",", Box::ColumnSpace, ','), int16_t(','));
        QCOMPARE(numericKey(",", Box::TopMargin, '.'), int16_t(0));
        QCOMPARE(numericKey(".", Box::ColumnSpace, ','), int16_t(0));
        QCOMPARE(numericKey(".", Box::GridHeight, '.'), int16_t(0));
        QCOMPARE(numericKey(",", Box::GridHeight, ','), int16_t(0));
        // Everything else, including the minus sign and letters.
        for (const char* t : {"a", "-", " ", "e", "\u00e9", "\u4e00", "12"})
            QCOMPARE(numericKey(t, Box::CustomHeight, '.'), int16_t(0));
    }

    void gridDotsAtEveryStep()
    {
        QCOMPARE(gridDots(300, 240, 120, 120), QList<QPoint>({{0, 0}, {0, 120}, {0, 240}, {120, 0}, {120, 120},
                                                              {120, 240}, {240, 0}, {240, 120}, {240, 240}}));
        QCOMPARE(gridDots(1800, 1500, 500, 3).size(), 4 * 501);
        QVERIFY(gridDots(300, 300, 0, 120).isEmpty() && gridDots(300, 300, 120, -5).isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Options)
#include "tst_options.moc"
