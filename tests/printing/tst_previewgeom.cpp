// The preview's arithmetic without a window: zoom choices, scroll bars,
// the page picture's inch coordinates, the page indicator.
#include <QtTest>

#include "printing/PreviewGeometry.h"

using namespace preview;

namespace {
constexpr double LetterW = 12240, LetterH = 15840; // twips

QString text(const Zoom& z)
{
    return QString("%1 %2 remembered %3 mode %4 at %5,%6 size %7 x %8")
        .arg(int(z.outcome)).arg(z.text).arg(z.remembered).arg(z.viewMode).arg(z.pageLeft).arg(z.pageTop)
        .arg(z.pageWidth).arg(z.pageHeight);
}

QString text(const ScrollBar& b)
{
    return b.visible ? QString("%1..%2 by %3/%4 at %5").arg(b.min).arg(b.max).arg(b.largeChange).arg(b.smallChange).arg(b.value)
                     : QString("none");
}
} // namespace

class tst_PreviewGeom : public QObject {
    Q_OBJECT
private slots:
    void textsAndNumbers()
    {
        QCOMPARE(QList<double>({Val("75%"), Val(" 12.5abc"), Val("Page Width"), Val("-3")}),
                 QList<double>({75, 12.5, 0, -3}));
        QCOMPARE(QStringList({percentText(0.125), percentText(1.5), pageIndicator(2, 3)}),
                 QStringList({"13%", "150%", "Page 2 of 3"}));
    }

    // Typed and listed percentages are range checked (a refused one changes nothing), fitted views not.
    // The result: outcome (0 unchanged, 1 refused, 2 applied), text, remembered, mode, the page's place.
    void zoomChoices()
    {
        const QSizeF square(9000, 9000), wide(9000, 7000);
        const struct {
            int index; // -1 typed
            const char* typed;
            int remembered, mode;
            QSizeF viewport;
            const char* result;
        } rows[] = {
            {-1, "10", 63, 0, square, "2 10% remembered 10 mode 2 at 250,250 size 1224 x 1584"},
            {-1, "150", 10, 2, square, "2 150% remembered 150 mode 2 at 250,250 size 18360 x 23760"},
            // A fraction typed is cut to the whole percentage.
            {-1, "75.9 %", 10, 2, square, "2 75% remembered 75 mode 2 at 250,250 size 9180 x 11880"},
            {5, "50%", 75, 2, square, "2 50% remembered 50 mode 2 at 250,250 size 6120 x 7920"},
            // The zoom in force chosen again only tidies the text.
            {-1, "75", 75, 2, square, "0 75% remembered 75 mode 2 at 250,250 size 0 x 0"},
            // Page width: (9000 - 500) / 1440 / 8.5 inch = 0.694; CInt(0.69 * 15840) = CInt(10929.6).
            {0, "Page Width", 100, 2, wide, "2 69% remembered 69 mode 0 at 250,250 size 8445.6 x 10930"},
            // Below 10% and above 150% when the viewport says so.
            {0, "Page Width", 100, 2, {1500, 7000}, "2 8% remembered 8 mode 0 at 250,250 size 979.2 x 1267"},
            {0, "Page Width", 100, 2, {20000, 7000}, "2 159% remembered 159 mode 0 at 250,250 size 19461.6 x 25186"},
            // The first fit, with no zoom remembered yet, and a fit again at the same percentage both apply.
            {0, "Page Width", 0, 0, wide, "2 69% remembered 69 mode 0 at 250,250 size 8445.6 x 10930"},
            {0, "Page Width", 69, 0, wide, "2 69% remembered 69 mode 0 at 250,250 size 8445.6 x 10930"},
            // Whole page: (9000 - 500) / 1440 / 11 = 0.537 -> 54%; centred across
            // the viewport: (12000 - 12240 * 0.54) / 2 = 2695.2.
            {1, "Whole Page", 100, 2, {12000, 9000}, "2 54% remembered 54 mode 1 at 2695,250 size 6609.6 x 8554"},
            {1, "Whole Page", 100, 2, {3000, 1000}, "2 3% remembered 3 mode 1 at 1316,250 size 367.2 x 475"},
        };
        auto chosen = [](int index, const QString& typed, int remembered, int mode, QSizeF viewport) {
            return text(zoom(index, typed, int16_t(remembered), int16_t(mode), viewport.width(), viewport.height(),
                             LetterW, LetterH));
        };
        for (const char* bad : {"5", "200", "9", "151", "abc"})
            QCOMPARE(chosen(-1, bad, 63, 0, square), QString("1 63% remembered 63 mode 0 at 250,250 size 0 x 0"));
        for (const auto& r : rows)
            QCOMPARE(chosen(r.index, r.typed, r.remembered, r.mode, r.viewport), QString(r.result));
    }

    // Page w x h in a viewport w x h, the pages stacked: the bars as range, steps and value.
    void scrollBarsFollowThePage()
    {
        auto bars = [](QSizeF page, QSizeF viewport, int pages) {
            const ScrollBars s = scrollValues(page.width(), page.height(), viewport.width(), viewport.height(),
                                              int16_t(pages));
            return text(s.h) + " | " + text(s.v);
        };
        const QSizeF letter(LetterW, LetterH), viewport(9000, 7000);
        // Letter at 100%: n = CInt(1.51) = 2 steps across, CInt(2.51) = 3 down.
        QCOMPARE(bars(letter, viewport, 1), QString("-250..3490 by 1870/187 at -250 | -250..9090 by 3113/311 at -250"));
        // Pages stacked: the vertical range covers them all.
        QCOMPARE(bars(letter, viewport, 2),
                 QString("-250..3490 by 1870/187 at -250 | -250..25180 by 8477/848 at -250"));
        // A step count of exactly 2.5 rounds to the even 2.
        QCOMPARE(bars({18000, 100}, {8000, 7000}, 1), QString("-250..10250 by 5250/525 at -250 | none"));
        // A page that fits has no bar.
        QCOMPARE(bars({5000, 6000}, viewport, 1), QString("none | none"));
        QCOMPARE(bars(viewport, viewport, 1), QString("none | none"));
    }

    void pageSetupKeepsThePaperProportions()
    {
        // 100%: an inch for an inch; too short, the height decides; too narrow, the width.
        for (const auto& [w, h, factor] : {std::tuple{LetterW, LetterH, 1.0}, std::tuple{6120.0, 7000.0, 7000.0 / 1440 / 11},
                                           std::tuple{6120.0, 9000.0, 0.5}}) {
            const PageSetup p = pageSetup(w, h, 8.5, 11);
            QCOMPARE(p.factor, factor);
            QVERIFY(qAbs(p.width - factor * LetterW) < 1e-9 && qAbs(p.height - factor * LetterH) < 1e-9);
            // The paper's corner is the origin whatever the printer's unprintable border.
            QCOMPARE(p.topLeft, QPointF(0, 0));
            QCOMPARE(p.bottomRight, QPointF(8.5, 11));
        }
    }

    // The first window fits 80% of a 1920 x 1080 screen (500 margin, 300 scroll bar, 1200 menus);
    // at most full size on a huge screen, the smallest window on a tiny one.
    void firstSizeShowsTheWholePage()
    {
        const double h = 0.8 * 16200 - 500 - 1200, scale = h / LetterH;
        QCOMPARE(firstSize(LetterW, LetterH, 28800, 16200, 300, 1200), QSizeF(LetterW * scale + 800, 0.8 * 16200));
        QCOMPARE(firstSize(LetterW, LetterH, 100000, 100000, 300, 1200), QSizeF(LetterW + 800, LetterH + 1700));
        QCOMPARE(firstSize(LetterW, LetterH, 3000, 3000, 300, 1200), QSizeF(MinWidth, MinHeight));
    }
};

QTEST_GUILESS_MAIN(tst_PreviewGeom)
#include "tst_previewgeom.moc"
