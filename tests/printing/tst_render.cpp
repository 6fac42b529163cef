// Drawing one label and printing sheets of it, on a recording surface.
#include <QtTest>

#include "document/LabelDocument.h"
#include "document/TextMeasure.h"
#include "printing/LabelRenderer.h"
#include "printing/PrintJob.h"
#include "support/RecordingSurface.h"
#include "support/TestEnv.h"

using Call = RecordingSurface::Call;

namespace {
bool near(double a, double b) { return std::abs(a - b) < 1e-9; }
bool argsAre(const Call& c, std::vector<double> want)
{
    if (c.args.size() != want.size())
        return false;
    for (size_t i = 0; i < want.size(); ++i)
        if (!near(c.args[i], want[i]))
            return false;
    return true;
}
} // namespace

class tst_Render : public QObject {
    Q_OBJECT
private slots:
    void roundedBorderEightCalls()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.border().color = 0x0000FF;
        RecordingSurface s;
        render::drawLabel(s, d, 1.0, 2.0, 1.0);
        QCOMPARE(s.only("drawWidth")[0].args[0], 12.0);
        QCOMPARE(s.only("foreColor")[0].color, ColorValue(0x0000FF));
        const double r = 0.3472222222222222, b = 12 / 1440.0, L = 0.25, T = 0.25, Wd = 2.5, Ht = 3.25;
        const double ox = 1.0, oy = 2.0, k = r + b;
        const auto lines = s.only("line");
        const auto arcs = s.only("arc");
        QCOMPARE(int(lines.size()), 4);
        QCOMPARE(int(arcs.size()), 4);
        QVERIFY(argsAre(lines[0], {ox + L + k, oy + T, ox + L + k + Wd - 2 * k, oy + T}));
        QVERIFY(argsAre(lines[1], {ox + L + k, oy + T + Ht, ox + L + k + Wd - 2 * k, oy + T + Ht}));
        QVERIFY(argsAre(lines[2], {ox + L, oy + T + k, ox + L, oy + T + k + Ht - 2 * k}));
        QVERIFY(argsAre(lines[3], {ox + L + Wd, oy + T + k, ox + L + Wd, oy + T + k + Ht - 2 * k}));
        QVERIFY(argsAre(arcs[0], {ox + L + r, oy + T + r, r, 1.5708, 3.1416}));
        QVERIFY(argsAre(arcs[1], {ox + L + Wd - r, oy + T + r, r, 0, 1.5708}));
        QVERIFY(argsAre(arcs[2], {ox + L + r, oy + T + Ht - r, r, 3.1416, 4.7124}));
        QVERIFY(argsAre(arcs[3], {ox + L + Wd - r, oy + T + Ht - r, r, 4.7124, 0}));
        for (const Call& c : lines)
            QCOMPARE(c.color, ColorValue(0x0000FF));
        // On the printer the pen is four times wider.
        RecordingSurface p;
        p.printer = true;
        render::drawLabel(p, d, 0, 0, 1.0);
        QCOMPARE(p.only("drawWidth")[0].args[0], 48.0);
    }

    void squareOvalAndNone()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setBorderStyle("Oval");
        RecordingSurface s;
        render::drawLabel(s, d, 0.5, 0.5, 1.0);
        QCOMPARE(s.count("ellipse"), 1);
        // Centred on the label, radius the larger half-axis, aspect height / width.
        QVERIFY(argsAre(s.only("ellipse")[0], {0.5 + 1.5, 0.5 + 1.875, 3.25 / 2, 3.25 / 2.5}));
        d.setBorderStyle("Square");
        RecordingSurface q;
        render::drawLabel(q, d, 0, 0, 1.0);
        QVERIFY(argsAre(q.only("box")[0], {0.25, 0.25, 2.5, 3.25}));
        d.setBorderStyle("square");
        RecordingSurface n;
        render::drawLabel(n, d, 0, 0, 1.0);
        QCOMPARE(n.count("box") + n.count("line") + n.count("ellipse"), 0);
        d.setBorderStyle("Rounded");
        d.border().visible = false;
        RecordingSurface h;
        render::drawLabel(h, d, 0, 0, 1.0);
        QVERIFY(h.calls.empty());
    }

    void textsLineByLine()
    {
        TestEnv env;
        env.values.fontSize = "12";
        LabelDocument d(env.values, env.platform, env.fixed);
        d.border().visible = false;
        QVERIFY(d.createNewText("Pale\r\nAle\r\n", 0)); // trailing break: an empty last line
        d.setTextAlignment(1);
        d.setTextPosition(1440, 720);
        QVERIFY(d.createNewText("Hidden", 0));
        d.activeText()->visible = false;
        RecordingSurface s;
        render::drawLabel(s, d, 1.0, 1.0, 0.5);
        const auto prints = s.only("print");
        QCOMPARE(int(prints.size()), 3);
        QCOMPARE(prints[0].text, QString("Pale"));
        QCOMPARE(prints[2].text, QString(""));
        const double Wd = (400 + 60) / 1440.0; // widest line "Pale" at 100 twips a character
        QVERIFY(near(prints[0].args[0], 1.0 + 1.0 + Wd - 0.4)); // right edges line up
        QVERIFY(near(prints[1].args[0], 1.0 + 1.0 + Wd - 0.3));
        QVERIFY(near(prints[0].args[1], 1.0 + 0.5));
        QVERIFY(near(prints[1].args[1], 1.5 + 0.2));
        QCOMPARE(s.only("fontSize")[0].args[0], 6.0); // ratio 0.5 halves the size
        QCOMPARE(s.only("fontName").size(), size_t(2));
        // Centred lines.
        d.selectText(1);
        d.setTextAlignment(2);
        RecordingSurface c;
        render::drawLabel(c, d, 0, 0, 1.0);
        QVERIFY(near(c.only("print")[1].args[0], 1.0 + (Wd - 0.3) / 2));

        // A CR without LF ends the line and loses nothing of the next one.
        QCOMPARE(textlayout::splitLines("AB\rCD"), QStringList({"AB", "CD"}));
        QCOMPARE(textlayout::splitLines("AB\r\nCD"), QStringList({"AB", "CD"}));
        QCOMPARE(textlayout::splitLines("A\r\rB\r"), QStringList({"A", "", "B", ""}));
        QCOMPARE(textlayout::splitLines("A\r\n\r\nB\r\n"), QStringList({"A", "", "B", ""}));
        LabelDocument e(env.values, env.platform, env.fixed);
        QVERIFY(e.createNewText("AB\rCD", 0));
        RecordingSurface r;
        render::drawLabel(r, e, 0, 0, 1.0);
        QCOMPARE(r.only("print")[0].text, QString("AB"));
        QCOMPARE(r.only("print")[1].text, QString("CD"));
        QCOMPARE(e.activeText()->width, 200.0 + 60); // two characters wide, not "AB" over "D"
    }

    void pictureAndBorderAtHalfRatio()
    {
        TestEnv env;
        QImage img(4, 4, QImage::Format_RGB32);
        img.fill(Qt::red);
        env.platform.pictures["/p.bmp"] = {img, QSizeF(1440, 720), {}};
        env.values.borderWidth = 2;
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewGraphic("/p.bmp"));
        QVERIFY(d.createNewGraphic("/p.bmp"));
        d.graphicAt(1)->visible = false;
        RecordingSurface s;
        render::drawLabel(s, d, 0, 0, 0.5);
        QCOMPARE(s.count("picture"), 1);
        QVERIFY(argsAre(s.only("picture")[0], {(4320 - 1440) / 2 / 1440.0, (5400 - 720) / 2 / 1440.0, 1.0, 0.5}));
        QCOMPARE(s.only("drawWidth")[0].args[0], 1.0);
        QCOMPARE(s.calls.front().op, QString("picture")); // pictures first, then the border
    }

    void printJobSheetsAndStatus()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.border().visible = false;
        d.setBackColor(0x00CCFF);
        d.setCutmarks(0);
        RecordingSurface s;
        s.sw = 7;
        s.sh = 8;
        s.printer = true;
        QStringList status;
        QVERIFY(printjob::printLabels(d, s, 1.0, 3, [&](const QString& t) { status << t; }));
        QCOMPARE(status, QStringList({"Printing", "Writing to Print Queue", ""}));
        QCOMPARE(s.count("newPage"), 2);
        QCOMPARE(s.count("endDoc"), 1);
        // 2 columns x 2 rows of 3 x 3.75 inch labels per sheet, each filled even without items.
        const auto fills = s.only("fill");
        QCOMPARE(int(fills.size()), 3 * 4);
        QVERIFY(argsAre(fills[1], {0, 3.75, 3, 3.75}));
        QCOMPARE(fills[0].color, ColorValue(0x00CCFF));
        QCOMPARE(s.count("line"), 0);

        // One copy on a preview surface: no page break, no end of document.
        RecordingSurface v;
        v.sw = 7;
        v.sh = 8;
        QVERIFY(printjob::printLabels(d, v, 0.5, 1));
        QCOMPARE(v.count("newPage") + v.count("endDoc"), 0);
        QCOMPARE(env.values.ratio, 0.5);
        // Cut marks are drawn in the workspace grey with a one-pixel pen.
        d.setCutmarks(2);
        RecordingSurface m;
        QVERIFY(printjob::printLabels(d, m, 1.0, 1));
        QCOMPARE(m.only("line")[0].color, SysColorAppWorkspace);
        QCOMPARE(m.only("drawWidth").back().args[0], 1.0);
    }

    void printErrors()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        RecordingSurface s;
        s.printer = true;
        s.failOn = 0;
        QStringList status;
        QVERIFY(!printjob::printLabels(d, s, 1.0, 2, [&](const QString& t) { status << t; }));
        QCOMPARE(env.platform.texts(), QStringList{"Print Error: Printer not available, please check"});
        QCOMPARE(status.last(), QString(""));

        RecordingSurface t;
        t.printer = true;
        t.failOn = 3;
        t.failNumber = 5;
        QVERIFY(!printjob::printLabels(d, t, 1.0, 1));
        QCOMPARE(env.platform.texts().last(), QString("Error5: Terminating Print"));
        QCOMPARE(t.calls.back().op, QString("endDoc"));
    }

    void absurdSheetsAreRefusedWithAMessage()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setLabelDimensions(2, 1 / 1440.0, 1 / 1440.0); // a label of one twip
        RecordingSurface s;
        s.printer = true;
        QVERIFY(!printjob::printLabels(d, s, 1.0, 3));
        QCOMPARE(env.platform.texts(),
                 QStringList{"The sheet cannot be printed: its layout would put more than 10,000 labels on one page "
                             "(12241 across, 15841 down). Please check the label size, the margins and the row "
                             "and column spacing."});
        // Nothing reaches the printer: the job is dropped, not ended.
        QCOMPARE(s.count("fill") + s.count("line") + s.count("newPage") + s.count("endDoc"), 0);
        QCOMPARE(s.count("abortDoc"), 1);

        // A label far off the page: its content is drawn at the same place as
        // when the skipped columns were stepped through.
        TestEnv env2;
        LabelDocument e(env2.values, env2.platform, env2.fixed);
        e.setLabelDimensions(2, 1, 1);
        e.border().visible = false;
        e.setCutmarks(0);
        e.createNewText("A", 0);
        e.setLeftMargin(-3);
        RecordingSurface near;
        near.sw = near.sh = 4;
        QVERIFY(printjob::printLabels(e, near, 1.0, 1));
        e.setLeftMargin(-3e6);
        RecordingSurface far;
        far.sw = far.sh = 4;
        QVERIFY(printjob::printLabels(e, far, 1.0, 1));
        auto onPage = [](const RecordingSurface& r) {
            std::vector<std::vector<double>> v;
            for (const auto& c : r.only("print"))
                if (c.args[0] > -1)
                    v.push_back(c.args);
            return v;
        };
        QVERIFY(!onPage(near).empty());
        QCOMPARE(onPage(far), onPage(near));
    }
};

QTEST_GUILESS_MAIN(tst_Render)
#include "tst_render.moc"
