// The options dialog's sheet miniature and the printer test page, drawn without a window.
#include <QtTest>

#include "printing/SheetMiniature.h"
#include "printing/TestPage.h"
#include "support/RecordingSurface.h"

using miniature::Input;

namespace {

// Letter paper, a beer label (3.0 x 3.75 in), no margins or gaps.
Input beerOnLetter(int16_t cutmarks) { return Input{.labelWidth = 4320, .labelHeight = 5400, .cutmarks = cutmarks}; }

// Coordinates to a ten-thousandth of an inch.
QString text(const std::vector<double>& v)
{
    QStringList t;
    for (double x : v)
        t << QString::number(x + 0.0, 'f', 4);
    return t.join(' ');
}

QList<QRectF> rects(const miniature::Drawing& d) { return QList<QRectF>(d.labels.begin(), d.labels.end()); }

} // namespace

class tst_Miniature : public QObject {
    Q_OBJECT
private slots:
    void labelsAndMarksAtOneSixth()
    {
        const miniature::Drawing d = miniature::draw(beerOnLetter(0));
        // 2 x 2 from the paper's corner (a third column would not end on the paper), 50 twips inside.
        QCOMPARE(rects(d), QList<QRectF>({{50, 50, 620, 800}, {50, 950, 620, 800}, {770, 50, 620, 800},
                                          {770, 950, 620, 800}}));
        QVERIFY(d.marks.empty());

        // Margins and gaps (the walk itself: tst_sheet).
        Input in{.labelWidth = 2880, .labelHeight = 1440, .topMargin = 0.25, .leftMargin = 0.5, .rowSpace = 0.125,
                 .columnSpace = 0.25, .cutmarks = 0};
        const miniature::Drawing g = miniature::draw(in);
        // Columns at 720, 3960, 7200, rows at 360 + 1620 k: 9 rows.
        QCOMPARE(g.labels.front(), QRectF(720 / 6.0 + 50, 360 / 6.0 + 50, 380, 140));
        QCOMPARE(g.labels.back(), QRectF(7200 / 6.0 + 50, (360 + 8 * 1620) / 6.0 + 50, 380, 140));

        // Positions are whole twips: a margin of 0.0003 in (0.432 twips) rounds away.
        in.leftMargin = 0.5003;
        QCOMPARE(miniature::draw(in).labels.front().x(), 720 / 6.0 + 50);

        // Which marks each mode makes is in tst_sheet; here their size on screen. A cross keeps
        // its size: 50 before the point, 60 beyond; fine lines run along the label's edges, as far.
        const miniature::Drawing cross = miniature::draw(beerOnLetter(2)), fine = miniature::draw(beerOnLetter(3));
        QCOMPARE(QList<QLineF>({cross.marks[0], cross.marks[1], fine.marks[0], fine.marks[1]}),
                 QList<QLineF>({{-50, 0, 60, 0}, {0, -50, 0, 60}, {-50, 0, -50 + 720 + 110, 0},
                                {0, -50, 0, -50 + 900 + 110}}));
    }

    void paperAndLabelSizes()
    {
        QCOMPARE(miniature::paperSizeCaption(12240, 15840), QString(" 8.5 x 11 in"));
        QCOMPARE(miniature::paperSizeCaption(595.276 * 20, 841.89 * 20), QString(" 8.268 x 11.693 in"));

        double w = -1, h = -1;
        QVERIFY(miniature::labelTwips(3.0, 3.75, w, h));
        QCOMPARE(QSizeF(w, h), QSizeF(4320, 5400));
        QVERIFY(miniature::labelTwips(0.0009, 1, w, h)); // rounds down to whole twips
        QCOMPARE(w, 1.0);
        for (const auto& [width, height] : {std::pair{0.0, 1.0}, std::pair{1.0, -2.0}, std::pair{qQNaN(), 1.0}})
            QVERIFY(!miniature::labelTwips(width, height, w, h));
    }

    void landscapeAndOversizedLabels()
    {
        // Beyond what 16 bits hold, on landscape Letter: nothing fits, the walk ends at once.
        Input in{.labelWidth = 23 * 1440, .labelHeight = 30 * 1440, .cutmarks = 0, .paperWidth = 15840,
                 .paperHeight = 12240};
        QVERIFY(miniature::draw(in).labels.empty());
        in.labelWidth = 1e12;
        in.leftMargin = 40;
        QVERIFY(miniature::draw(in).labels.empty());

        // A million positions are not drawn at all rather than a smudge that takes seconds.
        in = Input{.labelWidth = 14, .labelHeight = 14};
        const miniature::Drawing tiny = miniature::draw(in);
        QVERIFY(tiny.labels.empty() && tiny.marks.empty());
        // A zero step never advances: nothing.
        in.labelWidth = 0;
        QVERIFY(miniature::draw(in).labels.empty());
    }

    // The test page's rulers, their numbers and the sample below them.
    void testPageRulers()
    {
        RecordingSurface s;
        s.sw = 8.0;
        s.sh = 10.5;
        testpage::print(s, QImage(96, 96, QImage::Format_RGB32), QSizeF(1, 1), '.');
        QStringList lines, prints;
        for (const auto& c : s.only("line"))
            lines << text(c.args);
        for (const auto& c : s.only("print"))
            prints << c.text + " " + text(c.args);

        // The axes, then ticks every eighth of an inch to the paper's edge (one
        // exactly on it still drawn), long ones on the quarters: 65 across, 85 down.
        const double cx = 8.0 / 3, cy = 3.5;
        QCOMPARE(lines.size(), 2 + 65 + 85);
        for (const QString& line : {text({0, cy, 8, cy}), text({cx, 0, cx, 10.5}), text({0, cy - 0.05, 0, cy + 0.05}),
                                    text({0.125, cy - 0.03, 0.125, cy + 0.03}), text({8, cy - 0.05, 8, cy + 0.05}),
                                    text({cx - 0.05, 10.5, cx + 0.05, 10.5})})
            QVERIFY2(lines.contains(line), qPrintable(line));
        // Numbers every half inch beside the ticks; the sample's two lines centred below.
        QCOMPARE(prints.size(), 17 + 22 + 2);
        QCOMPARE(prints[1], "0.5 " + text({0.5 - 0.15, cy + 0.05}));
        QCOMPARE(prints[16], "8.0 " + text({8 - 0.15, cy + 0.05}));
        QCOMPARE(prints[38], "10.5 " + text({cx + 0.08, 10.5 - 0.1}));
        QCOMPARE(prints.mid(39), QStringList({"Corkcrafter 2\u2122 " + text({1.1 - 0.7, 2.5}),
                                              "Printer Test Page " + text({1.1 - 0.85, 2.7})}));
        QCOMPARE(int(s.only("picture").size()), 1);
        QCOMPARE(text(s.only("picture")[0].args), text({0.6, 1.0, 1.0, 1.0}));

        // A "," system numbers its rulers with a comma.
        RecordingSurface c;
        testpage::print(c, QImage(), QSizeF(1, 1), ',');
        QCOMPARE(c.only("print")[1].text, QString("0,5"));

        // A step that fails (the first tick) does not end the page.
        RecordingSurface f;
        f.failOn = 6;
        testpage::print(f, QImage(), QSizeF(1, 1), '.');
        QCOMPARE(f.calls.back().op, QString("endDoc"));
        QCOMPARE(f.count("picture"), 1);
        QCOMPARE(f.only("print").back().text, QString("Printer Test Page"));
    }
};

QTEST_GUILESS_MAIN(tst_Miniature)
#include "tst_miniature.moc"
