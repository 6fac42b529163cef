// The print job on a recording surface: partly used sheets, and the printer's adjustment.
#include <QtTest>

#include "document/LabelDocument.h"
#include "platform/Platform.h"
#include "printing/PrintJob.h"
#include "printing/SheetLayout.h"
#include "printing/Stock.h"
#include "printing/TestPage.h"
#include "support/RecordingSurface.h"
#include "support/TestEnv.h"

namespace {

// The job for the document's label on a recording printer of the given paper.
RecordingSurface job(TestEnv& env, const LabelDocument& d, int copies, const stock::Placement& pl = {},
                     QSizeF paper = {8.5, 11}, const QRectF& printable = {}, QStringList* status = nullptr)
{
    RecordingSurface s;
    s.sw = paper.width();
    s.sh = paper.height();
    s.printer = true;
    s.printable = printable;
    printjob::printLabels(printjob::request(d, env.values, copies, pl), s, env.platform,
                          [status](const QString& t) { if (status) *status << t; });
    return s;
}

QList<QPointF> corners(const RecordingSurface& s)
{
    QList<QPointF> at;
    for (const auto& c : s.only("label"))
        at << QPointF(c.args[0], c.args[1]);
    return at;
}

// Start, and the adjustment right,down.
QString text(const stock::Placement& p) { return QString("%1 %2,%3").arg(p.start).arg(p.right).arg(p.down); }
QString adjustment(const SettingsStore& store, const QString& printer)
{
    return text(stock::adjustmentFor(store, printer));
}

} // namespace

class tst_Stock : public QObject {
    Q_OBJECT
private slots:
    // 2 x 3 stock labels on A4 with a 10 pt printer border, from the paper's corner: rows and columns
    // in the border are named once and still printed; a label larger than the paper prints no sheets.
    void printerBorderIsToldOnceAndLabelsStay()
    {
        const QSizeF a4(210 / 25.4, 297 / 25.4);
        const QRectF printable(10.0 / 72, 10.0 / 72, a4.width() - 20.0 / 72, a4.height() - 20.0 / 72);
        // Left and top margins, column and row gaps (as x, y, width, height); the rows and columns told.
        const std::pair<QRectF, QString> sheets[] = {{{0.235, 0.34, 0, 0}, ""},
                                                     {{0.1, 0.1, 0, 0}, "column 1 and row 1"},
                                                     {{0.3, 0.34, 0.1, 0}, "column 2"},
                                                     {{0.235, 0.1, 0, 0.25}, "rows 1 and 3"}};
        for (const auto& [marginsAndGaps, where] : sheets) {
            TestEnv env;
            LabelDocument d(env.values, env.platform, env.fixed);
            d.setLabelDimensions(2, 3.67, 3.9); // height, width
            d.setCutmarks(0);
            d.setLeftMargin(marginsAndGaps.x());
            d.setTopMargin(marginsAndGaps.y());
            env.values.columnSpace = marginsAndGaps.width();
            env.values.rowSpace = marginsAndGaps.height();
            const QList<QPointF> at = corners(job(env, d, 2, {}, a4, printable));
            QCOMPARE(at.size(), 12);
            if (where.isEmpty()) { // the stock's own sheet
                const QList<QPointF> sheet{{0.235, 0.34}, {0.235, 4.01}, {0.235, 7.68},
                                           {4.135, 0.34}, {4.135, 4.01}, {4.135, 7.68}};
                QCOMPARE(at, sheet + sheet);
            }
            QCOMPARE(env.platform.texts(),
                     where.isEmpty() ? QStringList()
                                     : QStringList{"The printer cannot reach the whole of " + where +
                                                   " of the sheet: what lies in its unprintable border will be missing "
                                                   "on the paper."});
            env.platform.shown.clear();
            d.setLabelDimensions(2, 12, 9);
            QVERIFY(corners(job(env, d, 1, {}, a4, printable)).isEmpty());
            QCOMPARE(env.platform.texts(), QStringList{printjob::NoLabelFitsMessage});
        }
    }

    // Sheets, page breaks and status; start 5 of 12 draws 8 labels, then 12.
    void printJobSheets()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setLabelDimensions(2, 2.5, 2);
        QVERIFY(d.createNewText("Ale", 0));
        d.setCutmarks(2);
        env.values.columnSpace = env.values.rowSpace = 0.25;
        QStringList status;
        const RecordingSurface whole = job(env, d, 2, {}, {7.5, 11.5}, {}, &status);
        QCOMPARE(status, QStringList({"Printing", "Writing to Print Queue", ""}));
        QCOMPARE(printjob::labelsOnSheet(d, 7.5, 11.5), 12LL);
        const RecordingSurface part = job(env, d, 2, {.start = 5}, {7.5, 11.5});
        auto perPage = [](const RecordingSurface& s) {
            QList<int> n{0};
            for (const auto& c : s.calls) {
                if (c.op == "newPage")
                    n << 0;
                n.last() += c.op == "label";
            }
            return n;
        };
        QCOMPARE(perPage(whole), QList<int>({12, 12}));
        QCOMPARE(perPage(part), QList<int>({8, 12}));
        QCOMPARE(whole.count("endDoc"), 1);
        // The positions skipped are the sheet's first (their order is in tst_sheet).
        QCOMPARE(corners(part).mid(0, 8), corners(whole).mid(4, 8));
        // A start the sheet does not hold prints nothing and says why.
        const RecordingSurface none = job(env, d, 1, {.start = 13}, {7.5, 11.5});
        QCOMPARE(QPair(none.count("label"), none.count("abortDoc")), QPair(0, 1));
        QCOMPARE(env.platform.texts(),
                 QStringList{"Nothing was printed: cannot start at label 13: the sheet holds 12 labels."});
        // One copy on a preview surface: no page break, no end of document.
        RecordingSurface v;
        QVERIFY(printjob::printLabels(printjob::request(d, env.values), v, env.platform));
        QCOMPARE(v.count("newPage") + v.count("endDoc"), 0);
    }

    void printErrorsAndAbsurdSheets()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        RecordingSurface s;
        s.printer = true;
        s.failOn = 0;
        QStringList status;
        QVERIFY(!printjob::printLabels(printjob::request(d, env.values, 2), s, env.platform,
                                       [&](const QString& t) { status << t; }));
        QCOMPARE(env.platform.texts(), QStringList{"Print Error: Printer not available, please check"});
        QCOMPARE(status.last(), QString(""));
        RecordingSurface t;
        t.printer = true;
        t.failOn = 3;
        t.failNumber = 5;
        QVERIFY(!printjob::printLabels(printjob::request(d, env.values), t, env.platform));
        QCOMPARE(env.platform.texts().last(), QString("Error5: Terminating Print"));
        QCOMPARE(t.calls.back().op, QString("endDoc"));

        // A label of one twip: refused, and nothing reaches the printer: the job is dropped, not ended.
        env.platform.shown.clear();
        d.setLabelDimensions(2, 1 / 1440.0, 1 / 1440.0);
        const RecordingSurface r = job(env, d, 3);
        QCOMPARE(env.platform.texts(),
                 QStringList{"The sheet cannot be printed: its layout would put more than 10,000 labels on one page "
                             "(12241 across, 15841 down). Please check the label size, the margins and the row "
                             "and column spacing."});
        QCOMPARE(r.count("label") + r.count("line") + r.count("newPage") + r.count("endDoc"), 0);
        QCOMPARE(r.count("abortDoc"), 1);
    }

    // The adjustment moves every drawing call, labels and test page alike.
    void adjustmentMovesEverything()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setCutmarks(3);
        const stock::Placement adj{.right = 0.25, .down = -0.1};
        RecordingSurface page, movedPage;
        testpage::print(page, QImage(), QSizeF(1, 1), '.');
        testpage::print(movedPage, QImage(), QSizeF(1, 1), '.', adj);
        for (const auto& [plain, moved] : {std::pair{job(env, d, 1), job(env, d, 1, adj)}, std::pair{page, movedPage}}) {
            QVERIFY(plain.count("label") > 1 || plain.count("print") > 1);
            QVERIFY(plain.count("line") > 1);
            for (const QString op : {"line", "label", "picture", "print"}) {
                const auto a = plain.only(op), b = moved.only(op);
                QCOMPARE(b.size(), a.size());
                for (size_t i = 0; i < a.size(); ++i) {
                    QCOMPARE(b[i].text, a[i].text);
                    std::vector<double> want = a[i].args;
                    for (size_t k = 0; k < (op == "line" ? 4u : 2u); ++k)
                        want[k] += k % 2 ? -0.1 : 0.25;
                    for (size_t k = 0; k < want.size(); ++k)
                        QVERIFY2(std::abs(b[i].args[k] - want[k]) < 1e-9, qPrintable(QString("%1 #%2").arg(op).arg(i)));
                }
            }
        }
    }

    void commandLineValues()
    {
        QString why;
        QCOMPARE(stock::parseStart("5", &why), std::optional<int>(5));
        for (const QString bad : {"0", "-2", "x", "", "2.5"}) {
            QVERIFY(!stock::parseStart(bad, &why));
            QCOMPARE(why, "--start takes the number of the first label to print, a whole number from 1, not \"" +
                              bad + "\"");
        }
        const auto o = stock::parseOffset("0.25,-0.1", &why);
        QVERIFY(o && o->right == 0.25 && o->down == -0.1);
        QCOMPARE(stock::parseOffset("-0.5, 0.5", &why)->down, 0.5);
        for (const QString bad : {"0.25", "a,b", "1,2,3", "0.1;0.2", ""}) {
            QVERIFY2(!stock::parseOffset(bad, &why), qPrintable(bad));
            QVERIFY2(why.startsWith("--offset takes two numbers of inches"), qPrintable(why));
        }
        // "0,25" is two numbers, 0 and 25: out of range.
        for (const QString far : {"0,25", "0.51,0", "nan,0"}) {
            QVERIFY(!stock::parseOffset(far, &why));
            QCOMPARE(why, "--offset moves at most 0.5 inch each way (-0.5 to 0.5), not \"" + far + "\"");
        }
        QCOMPARE(stock::startBeyondSheet(12, 12), QString());
        QCOMPARE(stock::startBeyondSheet(13, 12), QString("cannot start at label 13: the sheet holds 12 labels"));
        QCOMPARE(stock::startBeyondSheet(2, 1), QString("cannot start at label 2: the sheet holds 1 label"));
        QCOMPARE(stock::startBeyondSheet(1, 0), QString("cannot start at label 1: no label fits on the sheet"));
    }

    // Remembered per printer in "Printers", "<printer name> Offset X" / "Offset Y".
    void adjustmentIsRememberedPerPrinter()
    {
        MemorySettingsStore store;
        stock::rememberAdjustment(store, "Office Laser", 0.25, -0.1);
        QCOMPARE(store.keys(), QStringList({"Printers/Office Laser Offset X", "Printers/Office Laser Offset Y"}));
        QCOMPARE(adjustment(store, "Office Laser"), QString("1 0.25,-0.1"));
        QVERIFY(!stock::adjustmentFor(store, "Kitchen Inkjet").shifted());
        // A damaged or out-of-range value is no adjustment.
        store.write("Printers", "Kitchen Inkjet Offset X", "7");
        store.write("Printers", "Kitchen Inkjet Offset Y", "far");
        QVERIFY(!stock::adjustmentFor(store, "Kitchen Inkjet").shifted());

        // The page opens with the printer's values and the start, 1 when the sheet lost it.
        LabelsPage opened = stock::labelsPage(store, "Office Laser", 5, 12);
        QCOMPARE(QPair(opened.start, opened.right), QPair(5, 0.25));
        QCOMPARE(stock::labelsPage(store, "Office Laser", 13, 12).start, 1);
        QCOMPARE(opened.adjustmentFor("Office Laser"), std::make_pair(0.25, -0.1));

        // Edited values are kept for the printer chosen.
        LabelsPage accepted = opened;
        accepted.start = 7;
        accepted.right = 0.1;
        stock::Placement pl = stock::accept(opened, accepted, "Office Laser", store);
        QCOMPARE(text(pl), QString("7 0.1,-0.1"));
        QCOMPARE(store.read("Printers", "Office Laser Offset X", ""), QString("0.1"));
        // Another printer picked, values left as shown for the first: the chosen printer's own apply,
        // and the first printer's values are not copied to it.
        opened = stock::labelsPage(store, "Office Laser", 1, 12);
        pl = stock::accept(opened, opened, "Kitchen Inkjet", store);
        QVERIFY(!pl.shifted());
        QCOMPARE(store.read("Printers", "Kitchen Inkjet Offset Y", ""), QString("far"));
        // Edited after picking it: the values shown kept for the printer picked.
        accepted = opened;
        accepted.down = 0.05;
        QCOMPARE(text(stock::accept(opened, accepted, "Kitchen Inkjet", store)), QString("1 0.1,0.05"));
        QCOMPARE(adjustment(store, "Kitchen Inkjet") + " " + adjustment(store, "Office Laser"),
                 QString("1 0.1,0.05 1 0.1,-0.1"));
    }
};

QTEST_GUILESS_MAIN(tst_Stock)
#include "tst_stock.moc"
