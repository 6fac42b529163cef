// The options dialog's sheet miniature and the printer test page, drawn
// without a window: label outlines and cut marks in the miniature's twips,
// and every ruler tick and number of the test page on a recording surface.
#include <QtTest>

#include "printing/SheetMiniature.h"
#include "printing/TestPage.h"
#include "support/RecordingSurface.h"

using miniature::Input;

namespace {

// Letter paper, a beer label (3.0 x 3.75 in), no margins or gaps.
Input beerOnLetter(int16_t cutmarks)
{
    Input in;
    in.labelWidth = 4320;
    in.labelHeight = 5400;
    in.cutmarks = cutmarks;
    return in;
}

// Equal to a millionth of an inch.
bool near(const std::vector<double>& a, const std::vector<double>& b)
{
    if (a.size() != b.size())
        return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (std::abs(a[i] - b[i]) > 1e-6)
            return false;
    return true;
}

QList<QRectF> rects(const miniature::Drawing& d) { return QList<QRectF>(d.labels.begin(), d.labels.end()); }

} // namespace

class tst_Miniature : public QObject {
    Q_OBJECT
private slots:
    void labelsThatFitAtOneSixth()
    {
        const miniature::Drawing d = miniature::draw(beerOnLetter(0));
        // Two columns and two rows from the paper's corner, as printed; a third
        // column (8640 + 4320 twips) would not end on the paper. Outlines sit 50
        // twips inside.
        QCOMPARE(rects(d), QList<QRectF>({{50, 50, 620, 800}, {50, 950, 620, 800}, {770, 50, 620, 800},
                                          {770, 950, 620, 800}}));
        QVERIFY(d.marks.empty());

        // Margins and gaps: 0.5 in left, 0.25 in top, 0.25 in between columns,
        // 0.125 in between rows; a 2 x 1 in label.
        Input in;
        in.labelWidth = 2880;
        in.labelHeight = 1440;
        in.leftMargin = 0.5;
        in.topMargin = 0.25;
        in.columnSpace = 0.25;
        in.rowSpace = 0.125;
        in.cutmarks = 0;
        const miniature::Drawing g = miniature::draw(in);
        // Columns at 720, 3960, 7200 (+3240 each; 10440 + 2880 > 12240);
        // rows at 360 + 1620 k while Y + 1440 <= 15840: 9 rows.
        QCOMPARE(int(g.labels.size()), 3 * 9);
        QCOMPARE(g.labels.front(), QRectF(720 / 6.0 + 50, 360 / 6.0 + 50, 380, 140));
        QCOMPARE(g.labels.back(), QRectF(7200 / 6.0 + 50, (360 + 8 * 1620) / 6.0 + 50, 380, 140));

        // Positions are whole twips: a margin of 0.0003 in (0.432 twips) rounds away.
        in.leftMargin = 0.5003;
        QCOMPARE(miniature::draw(in).labels.front().x(), 720 / 6.0 + 50);
    }

    void cutMarksOfEveryMode()
    {
        // Counts for the 2 x 2 sheet, from the walk: label corners plus the
        // closing marks below the columns and right of the last one.
        QCOMPARE(int(miniature::draw(beerOnLetter(0)).marks.size()), 0);
        QCOMPARE(int(miniature::draw(beerOnLetter(1)).marks.size()), 9 * 2);
        QCOMPARE(int(miniature::draw(beerOnLetter(2)).marks.size()), 10 * 2);
        QCOMPARE(int(miniature::draw(beerOnLetter(3)).marks.size()), 12);

        // A cross keeps its size on screen: 50 before the point, 60 beyond.
        const miniature::Drawing inside = miniature::draw(beerOnLetter(2));
        QCOMPARE(inside.marks[0], QLineF(-50, 0, 60, 0));
        QCOMPARE(inside.marks[1], QLineF(0, -50, 0, 60));
        // Fine lines: along the label's edges, 50 before and 60 beyond.
        const miniature::Drawing fine = miniature::draw(beerOnLetter(3));
        QCOMPARE(fine.marks[0], QLineF(-50, 0, -50 + 720 + 110, 0));
        QCOMPARE(fine.marks[1], QLineF(0, -50, 0, -50 + 900 + 110));
    }

    void paperAndLabelSizes()
    {
        QCOMPARE(miniature::paperSizeCaption(12240, 15840), QString(" 8.5 x 11 in"));
        QCOMPARE(miniature::paperSizeCaption(15840, 12240), QString(" 11 x 8.5 in"));
        QCOMPARE(miniature::paperSizeCaption(595.276 * 20, 841.89 * 20), QString(" 8.268 x 11.693 in"));
        QCOMPARE(miniature::pageSize(12240, 15840), QSizeF(2040, 2640));
        QCOMPARE(miniature::pageSize(15840, 12240), QSizeF(2640, 2040));

        double w = -1, h = -1;
        QVERIFY(miniature::labelTwips(3.0, 3.75, w, h));
        QCOMPARE(w, 4320.0);
        QCOMPARE(h, 5400.0);
        QVERIFY(miniature::labelTwips(0.0009, 1, w, h)); // rounds down to whole twips
        QCOMPARE(w, 1.0);
        QVERIFY(!miniature::labelTwips(0, 1, w, h));
        QVERIFY(!miniature::labelTwips(1, -2, w, h));
        QVERIFY(!miniature::labelTwips(qQNaN(), 1, w, h));
    }

    void landscapeAndOversizedLabels()
    {
        // Landscape Letter holds three beer labels across and one row.
        Input in = beerOnLetter(0);
        in.paperWidth = 15840;
        in.paperHeight = 12240;
        QCOMPARE(int(miniature::draw(in).labels.size()), 3 * 2);

        // Beyond what 16 bits hold: a 23 in label, a margin of 40 in; nothing
        // fits, the walk ends at once.
        in.labelWidth = 23 * 1440;
        in.labelHeight = 30 * 1440;
        QVERIFY(miniature::draw(in).labels.empty());
        in.labelWidth = 1e12;
        in.leftMargin = 40;
        QVERIFY(miniature::draw(in).labels.empty());

        // A label of a hundredth of an inch would make a million positions:
        // not drawn at all rather than a smudge that takes seconds.
        in = beerOnLetter(2);
        in.labelWidth = 14;
        in.labelHeight = 14;
        const miniature::Drawing tiny = miniature::draw(in);
        QVERIFY(tiny.labels.empty() && tiny.marks.empty());
        // A zero step never advances: nothing.
        in.labelWidth = 0;
        QVERIFY(miniature::draw(in).labels.empty());
    }

    void testPageRulers()
    {
        RecordingSurface s;
        s.sw = 8.0;
        s.sh = 10.5;
        const QImage picture(96, 96, QImage::Format_RGB32);
        testpage::print(s, picture, QSizeF(1, 1), '.');

        QCOMPARE(s.only("fontName").front().text, QString("Arial"));
        QCOMPARE(s.only("fontSize").front().args[0], 8.0);
        QCOMPARE(s.only("drawWidth").front().args[0], 1.0);

        const double cx = 8.0 / 3, cy = 3.5;
        const auto lines = s.only("line");
        QVERIFY(near(lines[0].args, std::vector<double>({0, cy, 8.0, cy})));
        QVERIFY(near(lines[1].args, std::vector<double>({cx, 0, cx, 10.5})));
        // Horizontal ruler: 0 to 8 in by eighths, the last exactly on the edge.
        std::vector<RecordingSurface::Call> h, v;
        for (size_t i = 2; i < lines.size(); ++i)
            (lines[i].args[0] == lines[i].args[2] ? h : v).push_back(lines[i]);
        QCOMPARE(int(h.size()), 65);
        QVERIFY(near(h.front().args, std::vector<double>({0, cy - 0.05, 0, cy + 0.05})));
        QVERIFY(near(h[1].args, std::vector<double>({0.125, cy - 0.03, 0.125, cy + 0.03})));
        QVERIFY(near(h[2].args, std::vector<double>({0.25, cy - 0.05, 0.25, cy + 0.05})));
        QVERIFY(near(h.back().args, std::vector<double>({8.0, cy - 0.05, 8.0, cy + 0.05})));
        // Vertical ruler: 0 to 10.5 in, long ticks on the quarters again.
        QCOMPARE(int(v.size()), 85);
        QVERIFY(near(v.front().args, std::vector<double>({cx - 0.05, 0, cx + 0.05, 0})));
        QVERIFY(near(v[1].args, std::vector<double>({cx - 0.03, 0.125, cx + 0.03, 0.125})));
        QVERIFY(near(v.back().args, std::vector<double>({cx - 0.05, 10.5, cx + 0.05, 10.5})));

        // Numbers every half inch, centred under the horizontal ticks and to
        // the right of the vertical ones, half a line above the tick.
        const auto prints = s.only("print");
        QCOMPARE(int(prints.size()), 17 + 22 + 2);
        QCOMPARE(prints[0].text, QString("0.0"));
        QVERIFY(near(prints[0].args, std::vector<double>({-0.15, cy + 0.05})));
        QCOMPARE(prints[1].text, QString("0.5"));
        QVERIFY(near(prints[1].args, std::vector<double>({0.5 - 0.15, cy + 0.05})));
        QCOMPARE(prints[16].text, QString("8.0"));
        QCOMPARE(prints[17].text, QString("0.0"));
        QVERIFY(near(prints[17].args, std::vector<double>({cx + 0.08, -0.1})));
        QCOMPARE(prints[18].text, QString("0.5"));
        QCOMPARE(prints[38].text, QString("10.5"));

        // The sample and its two lines centred below it.
        const auto pictures = s.only("picture");
        QCOMPARE(int(pictures.size()), 1);
        QVERIFY(near(pictures[0].args, std::vector<double>({0.6, 1.0, 1.0, 1.0})));
        QCOMPARE(prints[39].text, QString("Corkcrafter 2\u2122"));
        QVERIFY(near(prints[39].args, std::vector<double>({1.1 - 0.7, 2.5})));
        QCOMPARE(prints[40].text, QString("Printer Test Page"));
        QVERIFY(near(prints[40].args, std::vector<double>({1.1 - 0.85, 2.7})));
        QCOMPARE(s.only("fontSize").back().args[0], 12.0);
        QCOMPARE(s.calls.back().op, QString("endDoc"));

        // A "," system numbers its rulers with a comma.
        RecordingSurface c;
        testpage::print(c, picture, QSizeF(1, 1), ',');
        QCOMPARE(c.only("print")[1].text, QString("0,5"));
    }

    void testPageGoesOnAfterAFailingStep()
    {
        RecordingSurface s;
        s.failOn = 6; // the first tick
        testpage::print(s, QImage(), QSizeF(1, 1), '.');
        QCOMPARE(s.calls.back().op, QString("endDoc"));
        QCOMPARE(s.count("picture"), 1);
        QCOMPARE(s.only("print").back().text, QString("Printer Test Page"));
    }
};

QTEST_GUILESS_MAIN(tst_Miniature)
#include "tst_miniature.moc"
