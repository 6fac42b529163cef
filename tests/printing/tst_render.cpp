// The label as it comes out on paper: rendered through the surface the
// printer, the preview and PDF files draw on, checked pixel by pixel.
#include <QtTest>
#include <QPageLayout>
#include <QPageSize>

#include "document/LabelDocument.h"
#include "document/LabelPainter.h"
#include "document/TextMeasure.h"
#include "printing/PainterSurface.h"
#include "printing/PdfOutput.h"
#include "printing/PrintJob.h"
#include "PdfTools.h"
#include "support/DocumentFixture.h"

namespace {

// The label alone on paper at `dpi`, white paper around it.
struct Paper {
    QImage img;
    double dpi;
    Paper(const LabelDocument& d, double dpi, double paperWidthInches = 0) : dpi(dpi)
    {
        const double w = paperWidthInches > 0 ? paperWidthInches : d.surfaceWidth() / 1440.0;
        const double h = d.surfaceHeight() / 1440.0;
        img = QImage(int(std::lround(w * dpi)), int(std::lround(h * dpi)), QImage::Format_RGB32);
        img.fill(Qt::white);
        PainterSurface s(img, w, h);
        s.drawLabel(d.content(), 0, 0);
        s.endDoc();
    }
    QPoint px(double x, double y) const { return QPoint(int(x * dpi / 1440), int(y * dpi / 1440)); }
    QColor at(double x, double y) const { return img.pixelColor(px(x, y)); }
    bool ink(double x, double y) const { return qGray(img.pixel(px(x, y))) < 128; }
    bool inkPx(int x, int y) const { return qGray(img.pixel(x, y)) < 128; }
    // The pixels holding ink within `area`, as one rectangle; empty when there is none.
    QRect inkIn(const QRect& area) const
    {
        QRect ink;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                if (inkPx(x, y))
                    ink |= QRect(x, y, 1, 1);
        return ink;
    }
    // Pixels from a to b, b left out.
    QRect area(QPoint a, QPoint b) const { return QRect(a, b - QPoint(1, 1)); }
    QRectF twips(const QRect& r) const
    {
        return QRectF(QPointF(r.topLeft()) * 1440 / dpi, QSizeF(r.size()) * 1440 / dpi);
    }
};

QString text(const QRectF& r) { return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// A 2 x 1.5 inch label on white, its frame from (360, 360) to (2520, 1800).
void smallLabel(LabelDocument& d)
{
    d.setLabelDimensions(2, 1.5, 2.0);
    d.resizeLabel();
    d.setBackColor(0xFFFFFF);
}

} // namespace

class tst_Render : public QObject {
    Q_OBJECT
private slots:
    void frameShapes_data()
    {
        QTest::addColumn<QString>("style");
        QTest::addColumn<bool>("visible");
        QTest::addColumn<bool>("squareCorner");
        QTest::addColumn<bool>("roundedCorner");
        QTest::addColumn<bool>("ovalPoint");
        QTest::newRow("Square") << "Square" << true << true << false << false;
        QTest::newRow("Rounded") << "Rounded" << true << false << true << false;
        QTest::newRow("Oval") << "Oval" << true << false << false << true;
        // Stored, and so reopened, as a square.
        QTest::newRow("unknown name") << "square" << true << true << false << false;
        QTest::newRow("hidden") << "Square" << false << false << false << false;
    }
    void frameShapes()
    {
        QFETCH(QString, style);
        QFETCH(bool, visible);
        TestEnv env;
        env.values.borderWidth = 2;
        LabelDocument d(env.values, env.platform, env.fixed);
        smallLabel(d);
        d.setBorderStyle(style);
        d.border().visible = visible;
        const Paper p(d, 288);
        QTEST(p.ink(360, 360), "squareCorner");
        // 45 degrees round the top-left corner arc (centre 860, 860, radius 500).
        QTEST(p.ink(860 - 353.6, 860 - 353.6), "roundedCorner");
        // 135 degrees round the ellipse in the frame (centre 1440, 1080, half-axes 1080, 720).
        QTEST(p.ink(1440 - 763.7, 1080 - 509.1), "ovalPoint");
        QCOMPARE(p.ink(1440, 360), visible); // the top edge's middle is common to all three
        QVERIFY(!p.ink(1440, 1080));
    }

    // A width-12 frame is 0.125 in thick on every device, the rounded one without seams.
    void frameThicknessAndJoins()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        smallLabel(d);
        QCOMPARE(d.border().width, int16_t(12));
        QCOMPARE(d.valBorderStyle, QString("Rounded"));
        // The eight joins and the way along each edge's centre line across the join.
        const double L = 360, T = 360, R = 2520, B = 1800, r = 500;
        const std::pair<QPointF, QPointF> joins[] = {{{L + r, T}, {1, 0}}, {{R - r, T}, {-1, 0}}, {{L + r, B}, {1, 0}},
                                                     {{R - r, B}, {-1, 0}}, {{L, T + r}, {0, 1}}, {{R, T + r}, {0, 1}},
                                                     {{L, B - r}, {0, -1}}, {{R, B - r}, {0, -1}}};
        for (const double dpi : {300.0, 1200.0}) {
            const Paper p(d, dpi);
            for (const double x : {1000.0, 1440.0, 1800.0}) {
                int thick = 0;
                for (int y = 0; y < p.px(0, 720).y(); ++y)
                    thick += p.inkPx(p.px(x, 0).x(), y);
                QVERIFY2(std::abs(thick - 0.125 * dpi) <= 1.0,
                         qPrintable(QString("%1 px at x %2, %3 dpi").arg(thick).arg(x).arg(dpi)));
            }
            for (const auto& [join, along] : joins)
                for (double s = -40; s <= 60; s += 1440 / dpi) {
                    const QPointF at = join + along * s;
                    QVERIFY2(p.ink(at.x(), at.y()), qPrintable(QString("seam at %1, %2").arg(at.x()).arg(at.y())));
                }
        }
    }

    // Back to front: pictures by rank, the frame, the texts; opaque backgrounds filled; hidden items left out.
    void stackingOnPaper()
    {
        TestEnv env;
        env.values.borderWidth = 4;
        env.platform.pictures["/red.png"] = {solid(Qt::red), QSizeF(1440, 720), {}};
        env.platform.pictures["/blue.png"] = {solid(Qt::blue), QSizeF(1440, 720), {}};
        env.platform.pictures["/yellow.png"] = {solid(Qt::yellow), QSizeF(2880, 2160), {}};
        LabelDocument d(env.values, env.platform, env.fixed);
        smallLabel(d);
        d.setBorderStyle("Square");
        QVERIFY(d.createNewText("I", 0)); // 100 x 200 twips at the centre, box 160 x 260
        TextItem& t = *d.activeText();
        t.left = 1000;
        QVERIFY(d.createNewGraphic("/red.png"));
        QVERIFY(d.createNewGraphic("/blue.png")); // both centred: (720, 720) to (2160, 1440)
        QCOMPARE(Paper(d, 96).at(1800, 1080), QColor(Qt::blue));
        d.sendBackActive();
        QCOMPARE(Paper(d, 96).at(1800, 1080), QColor(Qt::red));
        d.selectGraphic(2);
        d.bringForwardActive();
        QCOMPARE(Paper(d, 96).at(1800, 1080), QColor(Qt::blue));
        d.activeGraphic()->visible = false;
        QCOMPARE(Paper(d, 96).at(1800, 1080), QColor(Qt::red));

        // A text made before the pictures stays above them; its box shows the
        // picture until its background is opaque.
        const QPointF inBox(t.left + 20, t.top + 20);
        QCOMPARE(Paper(d, 96).at(inBox.x(), inBox.y()), QColor(Qt::red));
        t.backStyle = 1;
        t.backColor = 0x00FF00;
        QCOMPARE(Paper(d, 96).at(inBox.x(), inBox.y()), QColor(Qt::green));
        t.visible = false;
        QCOMPARE(Paper(d, 96).at(inBox.x(), inBox.y()), QColor(Qt::red));
        t.visible = true;

        // A picture over the whole label is still under the frame and the text.
        QVERIFY(d.createNewGraphic("/yellow.png"));
        setBox(*d.activeGraphic(), QRectF(0, 0, 2880, 2160));
        const Paper p(d, 96);
        QCOMPARE(p.at(1800, 1080), QColor(Qt::yellow));
        QCOMPARE(p.at(inBox.x(), inBox.y()), QColor(Qt::green));
        QCOMPARE(p.at(360, 1080), QColor(Qt::black));
        QCOMPARE(p.at(100, 100), QColor(Qt::yellow));
    }

    // Each line is placed by its own width.
    void textAlignment_data()
    {
        QTest::addColumn<int>("alignment");
        QTest::newRow("left") << 0;
        QTest::newRow("right") << 1;
        QTest::newRow("centre") << 2;
    }
    void textAlignment()
    {
        QFETCH(int, alignment);
        TestEnv env(true);
        LabelDocument d(env.values, env.platform, env.real);
        smallLabel(d);
        d.border().visible = false;
        QVERIFY(d.createNewText("Pale Ale\r\nIPA", 0));
        d.setTextAlignment(int16_t(alignment));
        const TextItem t = *d.activeText();
        const Paper p(d, 192);
        // The ink of the second, shorter line.
        const QRectF ink = p.twips(p.inkIn(p.area(p.px(t.left, t.top + (t.height - 60) / 2),
                                                  p.px(t.left + t.width, t.top + t.height))));
        QVERIFY(ink.width() > 0 && ink.width() < t.width / 2); // the short line, not the long one
        // How far the line is from its place: left, right, centre.
        const double off[] = {ink.left() - t.left, t.left + t.width - ink.right(),
                              ink.center().x() - t.left - t.width / 2};
        QVERIFY2(std::abs(off[alignment]) < 90, qPrintable(QString::number(off[alignment])));
    }

    // Turned a quarter counter-clockwise with its background: upright in the turned box, the short line at its foot.
    void rotatedText()
    {
        TestEnv env(true);
        LabelDocument d(env.values, env.platform, env.real);
        smallLabel(d);
        d.border().visible = false;
        QVERIFY(d.createNewText("WWWW\r\nW", 90));
        d.setTextAlignment(0);
        const TextItem laid = *d.activeText(); // the turned box in the label's middle
        d.setTextPosition(1440 - laid.width / 2, 1080 - laid.height / 2);
        d.activeText()->backStyle = 1;
        d.activeText()->backColor = 0x00FFFF; // yellow
        const TextItem t = *d.activeText();
        const QRectF turned = drawnBounds(t);
        QVERIFY(t.width > t.height + 300 && d.content().surface().contains(turned));
        QCOMPARE(turned, QRectF(t.left + (t.width - t.height) / 2, t.top - (t.width - t.height) / 2, t.height, t.width));
        const Paper p(d, 192);
        const QRectF inkTwips = p.twips(p.inkIn(p.img.rect()));
        QVERIFY2(turned.adjusted(-16, -16, 16, 16).contains(inkTwips), qPrintable("ink " + text(inkTwips)));
        QVERIFY(inkTwips.height() > turned.height() / 2 && inkTwips.height() > 2 * inkTwips.width());
        // The right third holds only the short line, low down.
        const QRect third = p.area(p.px(turned.left() + turned.width() * 2 / 3, turned.top()),
                                   p.px(turned.right(), turned.bottom()));
        const QRect low = p.inkIn(third);
        QVERIFY(!low.isNull() && low.top() > (third.top() + third.bottom() + 1) / 2);
        // The background turned too: yellow above the box's middle, white at its ends.
        QCOMPARE(p.at(turned.center().x(), turned.top() + 20), QColor(Qt::yellow));
        QCOMPARE(p.at(t.left + 20, t.top + t.height / 2), QColor(Qt::white));

        // Saved, reopened and printed to PDF beside a flat word: the words read back stand where the boxes say.
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext is missing (poppler-utils, installed by scripts/deps)");
        QVERIFY(d.createNewText("Vintage", 0));
        d.setTextFontSize("10");
        d.setTextPosition(60, 1080 - d.activeText()->height / 2);
        const QRectF flat = bounds(*d.activeText());
        QVERIFY(!flat.intersects(turned));
        QVERIFY(d.SaveLabelToFile(env.path("turned.ckm")));
        LabelDocument e(env.values, env.platform, env.real);
        e.LoadFile(env.path("turned.ckm"));
        QCOMPARE(e.textAt(t.index)->rotation, int16_t(90));
        const QString pdf = env.path("turned.pdf");
        const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
        QString why;
        QCOMPARE(pdfout::printPdf(printjob::request(e, env.values), env.platform, letter, 1200, pdf, &why),
                 pdfout::Result::Written);
        // The words of the first label, at the page's corner (points to twips).
        QMap<QString, QRectF> word;
        QString says = QString("boxes %1 and %2;").arg(text(turned), text(flat));
        for (const pdftools::Word& w : pdftools::words(pdf, 1)) {
            const QRectF b(w.box.topLeft() * 20, w.box.bottomRight() * 20);
            if (d.content().surface().contains(b.center())) {
                word[w.text] = b;
                says += " " + w.text + " at " + text(b);
            }
        }
        QCOMPARE(word.keys(), QStringList({"Vintage", "W", "WWWW"}));
        const QRectF upright = word["WWWW"] | word["W"], vintage = word["Vintage"];
        QVERIFY2(word["WWWW"].height() > 2 * word["WWWW"].width(), qPrintable(says));
        QVERIFY2(turned.adjusted(-60, -60, 60, 60).contains(upright), qPrintable(says));
        QVERIFY2(QLineF(upright.center(), turned.center()).length() < 120, qPrintable(says));
        QVERIFY2(word["W"].left() > word["WWWW"].right() && word["W"].bottom() > upright.center().y(),
                 qPrintable(says));
        QVERIFY2(vintage.width() > 2 * vintage.height() && QLineF(vintage.center(), flat.center()).length() < 120,
                 qPrintable(says));
    }

    // What hangs over the label's edge is cut off there, also on a sheet.
    void eachLabelClippedToItself()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setLabelDimensions(2, 1.0, 1.0);
        d.resizeLabel();
        d.border().visible = false;
        QVERIFY(d.createNewText("WWWWWWWWWW", 0));
        d.setTextPosition(1000, 400); // a box 1060 twips wide, 620 of them beyond the edge
        const Paper p(d, 96, 2.0);
        QVERIFY(!p.inkIn(QRect(0, 0, 96, p.img.height())).isNull());
        QCOMPARE(p.inkIn(QRect(96, 0, p.img.width() - 96, p.img.height())), QRect());
        // Texts are measured and placed as the measurer sees them.
        QCOMPARE(textlayout::splitLines("AB\rCD"), QStringList({"AB", "CD"}));
        QCOMPARE(textlayout::splitLines("A\r\n\r\nB\r\n"), QStringList({"A", "", "B", ""}));
    }
};

QTEST_MAIN(tst_Render)
#include "tst_render.moc"
