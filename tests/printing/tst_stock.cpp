// Printing on a partly used sheet and moving the print for a printer: the
// positions left empty, their cut marks, the adjustment and its settings.
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

struct Seg {
    double x1, y1, x2, y2;
};

class Collect : public sheet::Sink {
public:
    std::vector<QPointF> labels, skipped;
    std::vector<Seg> segs;
    void label(double X, double Y) override { labels.push_back({X, Y}); }
    void labelSkipped(double X, double Y) override { skipped.push_back({X, Y}); }
    void segment(double a, double b, double c, double d) override { segs.push_back({a, b, c, d}); }
};

// Three columns of four 2 x 2.5 inch labels on an 8 x 11.5 inch printable area.
sheet::Params twelve(int16_t mode, double gap)
{
    sheet::Params p;
    p.W = 2;
    p.H = 2.5;
    p.C = gap;
    p.R = gap;
    p.leftMargin = 0.3;
    p.topMargin = 0.2;
    p.SW = 7.2;
    p.SH = 11.5;
    p.cutmarks = mode;
    return p;
}

constexpr double eps = 1e-9;

// The segment has a point on the closed rectangle of a label at corner c.
bool touches(const Seg& s, QPointF c, double W, double H)
{
    const double lx = std::min(s.x1, s.x2), hx = std::max(s.x1, s.x2);
    const double ly = std::min(s.y1, s.y2), hy = std::max(s.y1, s.y2);
    return hx >= c.x() - eps && lx <= c.x() + W + eps && hy >= c.y() - eps && ly <= c.y() + H + eps;
}

bool same(const Seg& a, const Seg& b)
{
    return std::abs(a.x1 - b.x1) < eps && std::abs(a.y1 - b.y1) < eps && std::abs(a.x2 - b.x2) < eps &&
           std::abs(a.y2 - b.y2) < eps;
}

// Some kept segment runs along the line from a to b, all the way.
bool covered(const std::vector<Seg>& segs, QPointF a, QPointF b)
{
    for (const Seg& s : segs) {
        if (a.y() == b.y() && std::abs(s.y1 - a.y()) < eps && std::abs(s.y2 - a.y()) < eps &&
            std::min(s.x1, s.x2) <= a.x() + eps && std::max(s.x1, s.x2) >= b.x() - eps)
            return true;
        if (a.x() == b.x() && std::abs(s.x1 - a.x()) < eps && std::abs(s.x2 - a.x()) < eps &&
            std::min(s.y1, s.y2) <= a.y() + eps && std::max(s.y1, s.y2) >= b.y() - eps)
            return true;
    }
    return false;
}

bool crossAt(const std::vector<Seg>& segs, QPointF p)
{
    return covered(segs, p - QPointF(0.1, 0), p + QPointF(0.1, 0)) && covered(segs, p - QPointF(0, 0.1), p + QPointF(0, 0.1));
}

} // namespace

class tst_Stock : public QObject {
    Q_OBJECT
private slots:
    // Rows and columns that reach into the printer's unprintable border are
    // named; stock that keeps clear of it is printed without a word. A4 with
    // 10 pt of border all round; 2 x 3 labels of 3.9 x 3.67 in.
    void unreachableRowsAndColumns_data()
    {
        QTest::addColumn<double>("left");
        QTest::addColumn<double>("top");
        QTest::addColumn<double>("columnGap");
        QTest::addColumn<double>("rowGap");
        QTest::addColumn<QString>("where");
        QTest::newRow("stock") << 0.235 << 0.34 << 0.0 << 0.0 << "";
        QTest::newRow("corner") << 0.1 << 0.1 << 0.0 << 0.0 << "column 1 and row 1";
        QTest::newRow("right") << 0.3 << 0.34 << 0.1 << 0.0 << "column 2";
        QTest::newRow("both ends") << 0.235 << 0.1 << 0.0 << 0.25 << "rows 1 and 3";
    }
    void unreachableRowsAndColumns()
    {
        QFETCH(double, left);
        QFETCH(double, top);
        QFETCH(double, columnGap);
        QFETCH(double, rowGap);
        QFETCH(QString, where);
        sheet::Params p;
        p.W = 3.9;
        p.H = 3.67;
        p.leftMargin = left;
        p.topMargin = top;
        p.C = columnGap;
        p.R = rowGap;
        p.SW = 210 / 25.4;
        p.SH = 297 / 25.4;
        QCOMPARE(sheet::countLabels(p), 6LL);
        const double border = 10.0 / 72;
        const QRectF printable(border, border, p.SW - 2 * border, p.SH - 2 * border);
        const QString told = printjob::unreachableMessage(p, printable);
        QCOMPARE(told, where.isEmpty() ? QString() :
                       "The printer cannot reach the whole of " + where +
                           " of the sheet: what lies in its unprintable border will be missing on the paper.");
    }

    // The job on a printer with an unprintable border: labels where the stock
    // has them, measured from the paper's corner; a border reached is told once
    // for the whole print, and the labels in it are still printed.
    void printerBorderIsToldOnceAndLabelsStay()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setLabelDimensions(2, 3.67, 3.9); // height, width
        env.values.columnSpace = env.values.rowSpace = 0;
        d.setCutmarks(0);
        auto job = [&](double left, double top) {
            d.setTopMargin(top);
            d.setLeftMargin(left);
            RecordingSurface s;
            s.sw = 210 / 25.4;
            s.sh = 297 / 25.4;
            s.printer = true;
            s.printable = QRectF(10.0 / 72, 10.0 / 72, s.sw - 20.0 / 72, s.sh - 20.0 / 72);
            printjob::printLabels(d, s, 1.0, 2, {}, {});
            QList<QPointF> at;
            for (const auto& c : s.only("label"))
                at << QPointF(c.args[0], c.args[1]);
            return at;
        };
        QCOMPARE(job(0.235, 0.34), QList<QPointF>({{0.235, 0.34}, {0.235, 4.01}, {0.235, 7.68},
                                                  {4.135, 0.34}, {4.135, 4.01}, {4.135, 7.68}}) +
                                       QList<QPointF>({{0.235, 0.34}, {0.235, 4.01}, {0.235, 7.68},
                                                       {4.135, 0.34}, {4.135, 4.01}, {4.135, 7.68}}));
        QVERIFY2(env.platform.texts().isEmpty(), qPrintable(env.platform.texts().join("; ")));
        QCOMPARE(job(0.1, 0.1).size(), 12);
        QCOMPARE(env.platform.texts(),
                 QStringList{"The printer cannot reach the whole of column 1 and row 1 of the sheet: what lies in "
                             "its unprintable border will be missing on the paper."});
        // A label larger than the paper: no blank sheets, the reason instead.
        env.platform.shown.clear();
        d.setLabelDimensions(2, 12, 9);
        QVERIFY(job(0, 0).isEmpty());
        QCOMPARE(env.platform.texts(), QStringList{printjob::NoLabelFitsMessage});
    }

    // Every mode, with and without gaps, starting at every label of the sheet.
    void partlyUsedSheetLeavesOnlyTheEmptyPositionsOut()
    {
        for (int16_t mode : {1, 2, 3}) {
            for (double gap : {0.0, 0.25}) {
                sheet::Params p = twelve(mode, gap);
                QCOMPARE(sheet::countLabels(p), 12LL);
                Collect full;
                QVERIFY(sheet::walk(p, full));
                QCOMPARE(int(full.labels.size()), 12);
                // Walk order: down the first column, then the next.
                QCOMPARE(full.labels[1], QPointF(0.3, 0.2 + 2.5 + gap));
                QCOMPARE(full.labels[4], QPointF(0.3 + 2 + gap, 0.2));
                for (int start = 1; start <= 12; ++start) {
                    const QString where = QString("mode %1 gap %2 start %3").arg(mode).arg(gap).arg(start);
                    p.skipLabels = start - 1;
                    Collect part;
                    QVERIFY(sheet::walk(p, part));
                    QCOMPARE(int(part.labels.size()), 13 - start);
                    QVERIFY2(std::equal(part.labels.begin(), part.labels.end(), full.labels.begin() + start - 1),
                             qPrintable(where));
                    QCOMPARE(int(part.skipped.size()), start - 1);
                    // Kept marks are the full sheet's, in its order, each touching a printed label.
                    size_t at = 0;
                    for (const Seg& s : part.segs) {
                        while (at < full.segs.size() && !same(full.segs[at], s))
                            ++at;
                        QVERIFY2(at < full.segs.size(), qPrintable(where + ": a mark the full sheet lacks"));
                        ++at;
                        bool onPrinted = false;
                        for (const QPointF& c : part.labels)
                            onPrinted = onPrinted || touches(s, c, p.W, p.H);
                        QVERIFY2(onPrinted, qPrintable(where + QString(": a mark only for empty positions at %1,%2")
                                                                   .arg(s.x1)
                                                                   .arg(s.y1)));
                    }
                    if (start == 1)
                        QCOMPARE(part.segs.size(), full.segs.size());
                    // The printed labels keep their marks.
                    for (const QPointF& c : part.labels) {
                        const QPointF tr = c + QPointF(p.W, 0), bl = c + QPointF(0, p.H), br = c + QPointF(p.W, p.H);
                        if (mode == 2) {
                            for (QPointF corner : {c, tr, bl, br})
                                QVERIFY2(crossAt(part.segs, corner), qPrintable(where));
                        } else if (mode == 3) {
                            QVERIFY2(covered(part.segs, c, tr) && covered(part.segs, bl, br) &&
                                         covered(part.segs, c, bl) && covered(part.segs, tr, br),
                                     qPrintable(where));
                        }
                    }
                }
            }
        }
        // Outside only, start 5: the first column is empty, so are its outer marks;
        // the top of the printed columns keeps its crosses.
        sheet::Params p = twelve(1, 0.25);
        p.skipLabels = 4;
        Collect c;
        sheet::walk(p, c);
        QVERIFY(crossAt(c.segs, {2.55, 0.2}));
        QVERIFY(!crossAt(c.segs, {0.3, 0.2}));
        QVERIFY(!crossAt(c.segs, {2.3, 0.2}));
    }

    // The print job: start 5 on a 12-label sheet draws 8 labels on the first
    // sheet and 12 on the second; start 1 draws exactly what it always did.
    void printJobStartsOnTheFirstSheetOnly()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setLabelDimensions(2, 2.5, 2);
        d.setBackColor(0x00CCFF);
        QVERIFY(d.createNewText("Ale", 0));
        d.setCutmarks(2);
        env.values.columnSpace = env.values.rowSpace = 0.25;
        auto job = [&](const stock::Placement& pl, int copies) {
            RecordingSurface s;
            s.sw = 7.5;
            s.sh = 11.5;
            s.printer = true;
            printjob::printLabels(d, s, 1.0, copies, {}, pl);
            return s;
        };
        const RecordingSurface today = job({}, 2);
        QCOMPARE(printjob::labelsOnSheet(d, 7.5, 11.5), 12LL);
        stock::Placement five;
        five.start = 5;
        const RecordingSurface part = job(five, 2);
        auto fillsPerPage = [](const RecordingSurface& s) {
            QList<int> n{0};
            for (const auto& c : s.calls) {
                if (c.op == "newPage")
                    n << 0;
                if (c.op == "label")
                    ++n.last();
            }
            return n;
        };
        QCOMPARE(fillsPerPage(today), QList<int>({12, 12}));
        QCOMPARE(fillsPerPage(part), QList<int>({8, 12}));
        // Label 5 is the top of the second column, drawn where the full sheet has it.
        const auto labels = part.only("label"), fullLabels = today.only("label");
        for (int i = 0; i < 8; ++i)
            QCOMPARE(labels[i].args, fullLabels[i + 4].args);
        // Start 1 and no adjustment: every call as before, exactly.
        stock::Placement one;
        one.start = 1;
        const RecordingSurface same = job(one, 2);
        QCOMPARE(same.calls.size(), today.calls.size());
        for (size_t i = 0; i < same.calls.size(); ++i) {
            QCOMPARE(same.calls[i].op, today.calls[i].op);
            QCOMPARE(same.calls[i].args, today.calls[i].args);
        }
        // A start the sheet does not hold prints nothing and says why.
        stock::Placement beyond;
        beyond.start = 13;
        const RecordingSurface none = job(beyond, 1);
        QCOMPARE(none.count("label"), 0);
        QCOMPARE(none.count("abortDoc"), 1);
        QCOMPARE(env.platform.texts(),
                 QStringList{"Nothing was printed: cannot start at label 13: the sheet holds 12 labels."});
    }

    // The adjustment moves every drawing call, labels and test page alike, and
    // leaves the number of labels on the sheet as it was.
    void adjustmentMovesEverything()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewText("Stout", 0));
        d.setCutmarks(3);
        auto job = [&](double right, double down) {
            RecordingSurface s;
            stock::Placement pl;
            pl.right = right;
            pl.down = down;
            printjob::printLabels(d, s, 1.0, 1, {}, pl);
            return s;
        };
        const RecordingSurface plain = job(0, 0);
        const RecordingSurface moved = job(0.25, -0.1);
        QCOMPARE(moved.calls.size(), plain.calls.size());
        QVERIFY(plain.count("label") > 1);
        for (size_t i = 0; i < plain.calls.size(); ++i) {
            const auto &a = plain.calls[i], &b = moved.calls[i];
            QCOMPARE(b.op, a.op);
            std::vector<double> want = a.args;
            if (a.op == "line") {
                want = {a.args[0] + 0.25, a.args[1] - 0.1, a.args[2] + 0.25, a.args[3] - 0.1};
            } else if (a.op == "label" || a.op == "box" || a.op == "picture" || a.op == "print" || a.op == "arc" ||
                       a.op == "ellipse") {
                want[0] += 0.25;
                want[1] -= 0.1;
            } else if (a.op == "currentX") {
                want[0] += 0.25;
            } else if (a.op == "currentY") {
                want[0] -= 0.1;
            }
            QCOMPARE(b.args.size(), want.size());
            for (size_t k = 0; k < want.size(); ++k)
                QVERIFY2(std::abs(b.args[k] - want[k]) < 1e-9, qPrintable(QString("%1 #%2").arg(a.op).arg(i)));
        }

        RecordingSurface page, movedPage;
        testpage::print(page, QImage(), QSizeF(1, 1), '.');
        stock::Placement adj;
        adj.right = 0.25;
        adj.down = -0.1;
        testpage::print(movedPage, QImage(), QSizeF(1, 1), '.', adj);
        const auto lines = page.only("line"), movedLines = movedPage.only("line");
        QCOMPARE(movedLines.size(), lines.size());
        for (size_t i = 0; i < lines.size(); ++i)
            QVERIFY(std::abs(movedLines[i].args[0] - lines[i].args[0] - 0.25) < 1e-9 &&
                    std::abs(movedLines[i].args[1] - lines[i].args[1] + 0.1) < 1e-9);
        const auto texts = page.only("print"), movedTexts = movedPage.only("print");
        QCOMPARE(movedTexts.size(), texts.size());
        for (size_t i = 0; i < texts.size(); ++i) {
            QCOMPARE(movedTexts[i].text, texts[i].text);
            QVERIFY(std::abs(movedTexts[i].args[0] - texts[i].args[0] - 0.25) < 1e-9);
            QVERIFY(std::abs(movedTexts[i].args[1] - texts[i].args[1] + 0.1) < 1e-9);
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
        QVERIFY(o);
        QCOMPARE(o->right, 0.25);
        QCOMPARE(o->down, -0.1);
        QCOMPARE(stock::parseOffset("-0.5, 0.5", &why)->down, 0.5);
        for (const QString bad : {"0.25", "a,b", "0,25", "1,2,3", "0.1;0.2", ""}) {
            QVERIFY2(!stock::parseOffset(bad, &why) || bad == "0,25", qPrintable(bad));
            if (bad != "0,25")
                QVERIFY2(why.startsWith("--offset takes two numbers of inches"), qPrintable(why));
        }
        // "0,25" is two numbers, 0 and 25: out of range.
        QVERIFY(!stock::parseOffset("0,25", &why));
        QCOMPARE(why, QString("--offset moves at most 0.5 inch each way (-0.5 to 0.5), not \"0,25\""));
        QVERIFY(!stock::parseOffset("0.51,0", &why));
        QVERIFY(!stock::parseOffset("nan,0", &why));
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
        QCOMPARE(stock::adjustmentFor(store, "Office Laser").right, 0.25);
        QCOMPARE(stock::adjustmentFor(store, "Office Laser").down, -0.1);
        QCOMPARE(stock::adjustmentFor(store, "Kitchen Inkjet").right, 0.0);
        QCOMPARE(stock::adjustmentFor(store, "Kitchen Inkjet").down, 0.0);
        // A damaged or out-of-range value is no adjustment.
        store.write("Printers", "Kitchen Inkjet Offset X", "7");
        store.write("Printers", "Kitchen Inkjet Offset Y", "far");
        QVERIFY(!stock::adjustmentFor(store, "Kitchen Inkjet").shifted());

        // The page opens with the printer's values and the start, 1 when the sheet lost it.
        LabelsPage opened = stock::labelsPage(store, "Office Laser", 5, 12);
        QCOMPARE(opened.start, 5);
        QCOMPARE(opened.lastStart, 12);
        QCOMPARE(opened.right, 0.25);
        QCOMPARE(stock::labelsPage(store, "Office Laser", 13, 12).start, 1);
        QVERIFY(opened.help.contains("\"1.0\" ticks"));
        QCOMPARE(opened.adjustmentFor("Office Laser"), std::make_pair(0.25, -0.1));

        // Edited values are kept for the printer chosen.
        LabelsPage accepted = opened;
        accepted.start = 7;
        accepted.right = 0.1;
        stock::Placement pl = stock::accept(opened, accepted, "Office Laser", store);
        QCOMPARE(pl.start, 7);
        QCOMPARE(pl.right, 0.1);
        QCOMPARE(pl.down, -0.1);
        QCOMPARE(store.read("Printers", "Office Laser Offset X", ""), QString("0.1"));
        // Another printer picked, values left as shown for the first: the chosen printer's own apply,
        // and the first printer's values are not copied to it.
        opened = stock::labelsPage(store, "Office Laser", 1, 12);
        pl = stock::accept(opened, opened, "Kitchen Inkjet", store);
        QVERIFY(!pl.shifted());
        QVERIFY(!store.contains("Printers", "Kitchen Inkjet Offset Y") ||
                store.read("Printers", "Kitchen Inkjet Offset Y", "") == "far");
        // Edited after picking it: kept for the printer picked.
        accepted = opened;
        accepted.down = 0.05;
        pl = stock::accept(opened, accepted, "Kitchen Inkjet", store);
        QCOMPARE(pl.down, 0.05);
        QCOMPARE(stock::adjustmentFor(store, "Kitchen Inkjet").down, 0.05);
        QCOMPARE(stock::adjustmentFor(store, "Office Laser").down, -0.1);
    }
};

QTEST_GUILESS_MAIN(tst_Stock)
#include "tst_stock.moc"
