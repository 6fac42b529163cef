// The options dialog's rules without a window: the numbers, the limits of every
// box, the keys a numeric box lets through and the grid dots.
#include <QtTest>

#include "app/OptionsRules.h"

using namespace options;

namespace {
// A box left with `typed` in it on Letter paper: the text it then shows and what is told.
struct Leave {
    Box box;
    const char *typed, *text, *message = "";
};
const Paper Letter{8.5, 11};
QString expected(const Leave& r) { return QString("%1 -> %2 | %3").arg(r.typed, r.text, r.message); }
QString left(const Leave& r, lengths::Unit unit = lengths::Unit::Inches)
{
    const LeaveResult got = leaveBox(r.box, r.typed, Letter, '.', unit);
    return QString("%1 -> %2 | %3").arg(r.typed, got.text, got.message);
}
} // namespace

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
    void leavingABox()
    {
        const char* widthLow = "Width Must be Greater than 0.0";
        const Leave rows[] = {
            {Box::CustomWidth, "8.5", "8.5"},
            {Box::CustomWidth, "8.5004", "8.5"}, // what the box keeps is checked
            {Box::CustomWidth, "8.51", "7.75", "Width Cannot Exceed the Paper Width"},
            {Box::CustomWidth, "0", "2.0", widthLow},
            {Box::CustomWidth, "-1", "2.0", widthLow},
            {Box::CustomWidth, "0.0004", "2.0", widthLow}, // kept as "0.0": no label of no size
            {Box::CustomWidth, "0.0005", "0.001"},
            {Box::CustomHeight, "11", "11.0"},
            {Box::CustomHeight, "11.01", "10.25", "Height Cannot Exceed the Paper Height"},
            {Box::CustomHeight, "0.0001", "2.0", "Height Must be Greater than 0.0"},
            {Box::TopMargin, "-0.5", "0.0", "Top Margin Must be Greater than -0.5"},
            {Box::TopMargin, "-0.4999", "0.0", "Top Margin Must be Greater than -0.5"},
            {Box::TopMargin, "-0.49", "-0.49"},
            {Box::TopMargin, "5.5", "5.5"}, // half of Letter's height
            {Box::TopMargin, "5.51", "0.0", "Top Margin Cannot Exceed 1/2 the Paper Height"},
            {Box::LeftMargin, "-0.5", "0.0", "Left Margin Must be Greater than -0.5"},
            {Box::LeftMargin, "4.25", "4.25"},
            {Box::LeftMargin, "4.26", "0.0", "Left Margin Cannot Exceed 1/2 the Paper Width"},
            {Box::RowSpace, "0", "0.0"},
            {Box::RowSpace, "-0.01", "0.0", "Row Spacing May Not Be Less than 0.0"},
            {Box::RowSpace, "5.5", "5.5"}, {Box::ColumnSpace, "4.25", "4.25"},
            {Box::RowSpace, "5.51", "0.0", "Row Spacing Cannot Exceed 1/2 the Paper Height"},
            {Box::ColumnSpace, "-0.01", "0.0", "Column Spacing May Not Be Less than 0.0"},
            {Box::ColumnSpace, "4.26", "0.0", "Column Spacing Cannot Exceed 1/2 the Paper Width"},
            {Box::GridWidth, "3", "3"}, {Box::GridWidth, "500", "500"},
            {Box::GridWidth, "501", "120", "Maximum Grid Width is 500, Reset to Default"},
            {Box::GridWidth, "2", "120", "Grid Width Must be Greater than 2, Reset to Default"},
            {Box::GridHeight, "0500", "0500"}, // grid boxes are not reformatted
            {Box::GridHeight, "501", "120", "Maximum Grid Height is 500, Reset to Default"},
            {Box::GridHeight, "0", "120", "Grid Height Must be Greater than 2, Reset to Default"},
        };
        for (const Leave& r : rows) {
            QCOMPARE(left(r), expected(r));
            // The same with the other separator, where the box holds inches.
            if (holdsInches(r.box))
                QCOMPARE(leaveBox(r.box, QString(r.typed).replace('.', ','), Letter, ',').text,
                         QString(r.text).replace('.', ','));
        }
        // A paper too small for either limit: the upper one is told first.
        QCOMPARE(check(Box::CustomWidth, -1, Paper{-2, -2}).message, QString("Width Cannot Exceed the Paper Width"));
    }

    // In millimetres the boxes show hundredths of a millimetre, and a limit
    // given in inches is told in millimetres; the others keep their words.
    void leavingABoxInMillimetres()
    {
        const Leave rows[] = {
            {Box::CustomWidth, "76.2", "76.2"},
            {Box::CustomWidth, "10.004", "10"},
            {Box::CustomWidth, "0.004", "50.8", "Width Must be Greater than 0 mm"},
            {Box::CustomWidth, "216", "196.85", "Width Cannot Exceed the Paper Width"},
            {Box::TopMargin, "-12.7", "0", "Top Margin Must be Greater than -12.7 mm"},
            {Box::TopMargin, "-12.69", "-12.69"},
            {Box::RowSpace, "-0.01", "0", "Row Spacing May Not Be Less than 0 mm"},
            {Box::GridWidth, "501", "120", "Maximum Grid Width is 500, Reset to Default"},
        };
        for (const Leave& r : rows)
            QCOMPARE(left(r, lengths::Unit::Millimetres), expected(r));
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
