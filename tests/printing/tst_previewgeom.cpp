// The preview's arithmetic without a window: zoom choices, scroll bars,
// the page picture's inch coordinates, the page indicator.
#include <QtTest>

#include "printing/PreviewGeometry.h"

using namespace preview;

namespace {
constexpr double LetterW = 12240, LetterH = 15840; // twips
}

class tst_PreviewGeom : public QObject {
    Q_OBJECT
private slots:
    void textsAndNumbers()
    {
        QCOMPARE(Val("75%"), 75.0);
        QCOMPARE(Val(" 12.5abc"), 12.5);
        QCOMPARE(Val("Page Width"), 0.0);
        QCOMPARE(Val("-3"), -3.0);
        QCOMPARE(Val(""), 0.0);
        QCOMPARE(percentText(0.125), QString("13%"));
        QCOMPARE(percentText(0.694), QString("69%"));
        QCOMPARE(percentText(1.5), QString("150%"));
        QCOMPARE(pageIndicator(2, 3), QString("Page 2 of 3"));
        QCOMPARE(pageIndicator(1, 1), QString("Page 1 of 1"));
    }

    void typedZoomIsRangeChecked()
    {
        for (const char* bad : {"5", "200", "9", "151", "abc"}) {
            const Zoom z = zoom(-1, bad, 63, PageWidth, 9000, 9000, LetterW, LetterH);
            QCOMPARE(z.outcome, Zoom::Refused);
            QCOMPARE(z.text, QString("63%"));
            QCOMPARE(z.remembered, int16_t(63));
            QCOMPARE(z.viewMode, int16_t(PageWidth));
        }
        Zoom z = zoom(-1, "10", 63, PageWidth, 9000, 9000, LetterW, LetterH);
        QCOMPARE(z.outcome, Zoom::Applied);
        QCOMPARE(z.text, QString("10%"));
        QCOMPARE(z.remembered, int16_t(10));
        QCOMPARE(z.viewMode, int16_t(Percentage));
        QCOMPARE(z.pageLeft, int16_t(250));
        QCOMPARE(z.pageTop, int16_t(250));
        QCOMPARE(z.pageWidth, 1224.0);
        QCOMPARE(z.pageHeight, int16_t(1584));

        z = zoom(-1, "150", 10, Percentage, 9000, 9000, LetterW, LetterH);
        QCOMPARE(z.outcome, Zoom::Applied);
        QCOMPARE(z.text, QString("150%"));
        QCOMPARE(z.pageWidth, 18360.0);
        QCOMPARE(z.pageHeight, int16_t(23760));

        // A fraction typed is cut to the whole percentage.
        z = zoom(-1, "75.9 %", 10, Percentage, 9000, 9000, LetterW, LetterH);
        QCOMPARE(z.text, QString("75%"));
        QCOMPARE(z.remembered, int16_t(75));
        // A list entry goes through the same check.
        z = zoom(5, "50%", 75, Percentage, 9000, 9000, LetterW, LetterH);
        QCOMPARE(z.text, QString("50%"));
        QCOMPARE(z.pageHeight, int16_t(7920));

        // The zoom in force chosen again only tidies the text.
        z = zoom(-1, "75", 75, Percentage, 9000, 9000, LetterW, LetterH);
        QCOMPARE(z.outcome, Zoom::Unchanged);
        QCOMPARE(z.text, QString("75%"));
    }

    void fittedZoomIsNotRangeChecked()
    {
        // Page width: (9000 - 500) / 1440 / 8.5 inch = 0.694.
        Zoom z = zoom(0, "Page Width", 100, Percentage, 9000, 7000, LetterW, LetterH);
        QCOMPARE(z.outcome, Zoom::Applied);
        QCOMPARE(z.text, QString("69%"));
        QCOMPARE(z.viewMode, int16_t(PageWidth));
        QCOMPARE(z.pageLeft, int16_t(250));
        QCOMPARE(z.pageHeight, int16_t(10930)); // CInt(0.69 * 15840) = CInt(10929.6)
        // Below 10% and above 150% when the viewport says so.
        QCOMPARE(zoom(0, "Page Width", 100, Percentage, 1500, 7000, LetterW, LetterH).text, QString("8%"));
        QCOMPARE(zoom(0, "Page Width", 100, Percentage, 20000, 7000, LetterW, LetterH).text, QString("159%"));

        // Whole page: (9000 - 500) / 1440 / 11 = 0.537 -> 54%; centred across
        // the viewport: (12000 - 12240 * 0.54) / 2 = 2695.2.
        z = zoom(1, "Whole Page", 100, Percentage, 12000, 9000, LetterW, LetterH);
        QCOMPARE(z.text, QString("54%"));
        QCOMPARE(z.viewMode, int16_t(WholePage));
        QCOMPARE(z.pageLeft, int16_t(2695));
        QCOMPARE(z.pageTop, int16_t(250));
        QCOMPARE(z.remembered, int16_t(54));
        QCOMPARE(zoom(1, "Whole Page", 100, Percentage, 3000, 1000, LetterW, LetterH).text, QString("3%"));
        // The first fit, with no zoom remembered yet, and a fit again at the
        // same percentage both apply.
        QCOMPARE(zoom(0, "Page Width", 0, PageWidth, 9000, 7000, LetterW, LetterH).outcome, Zoom::Applied);
        QCOMPARE(zoom(0, "Page Width", 69, PageWidth, 9000, 7000, LetterW, LetterH).outcome, Zoom::Applied);
    }

    void scrollBarsFollowThePage()
    {
        // Letter at 100% in a 9000 x 7000 viewport.
        ScrollBars s = scrollValues(LetterW, LetterH, 9000, 7000, 1);
        QVERIFY(s.h.visible);
        QCOMPARE(s.h.min, int16_t(-250));
        QCOMPARE(s.h.max, int16_t(3490));          // 12240 - 9000 + 250
        QCOMPARE(s.h.largeChange, int16_t(1870));  // n = CInt(1.51) = 2
        QCOMPARE(s.h.smallChange, int16_t(187));
        QCOMPARE(s.h.value, int16_t(-250));
        QVERIFY(s.v.visible);
        QCOMPARE(s.v.max, int16_t(9090));          // 15840 + 250 - 7000
        QCOMPARE(s.v.largeChange, int16_t(3113));  // n = CInt(2.51) = 3
        QCOMPARE(s.v.smallChange, int16_t(311));
        QCOMPARE(s.v.value, int16_t(-250));

        // Pages stacked: the vertical range covers them all.
        QCOMPARE(scrollValues(LetterW, LetterH, 9000, 7000, 2).v.max, int16_t(25180));

        // A step count of exactly 2.5 rounds to the even 2.
        s = scrollValues(18000, 100, 8000, 7000, 1);
        QCOMPARE(s.h.max, int16_t(10250));
        QCOMPARE(s.h.largeChange, int16_t(5250));
        QCOMPARE(s.h.smallChange, int16_t(525));

        // A page that fits has no bar.
        s = scrollValues(5000, 6000, 9000, 7000, 1);
        QVERIFY(!s.h.visible);
        QVERIFY(!s.v.visible);
        s = scrollValues(9000, 7000, 9000, 7000, 1);
        QVERIFY(!s.h.visible);
        QVERIFY(!s.v.visible);
    }

    void pageSetupKeepsThePaperProportions()
    {
        // 100% of Letter: one screen inch per paper inch.
        PageSetup p = pageSetup(LetterW, LetterH, 8.5, 11);
        QCOMPARE(p.factor, 1.0);
        QCOMPARE(p.width, LetterW);
        QCOMPARE(p.height, LetterH);
        // Too short for the width: the height decides and the width follows.
        p = pageSetup(6120, 7000, 8.5, 11);
        QCOMPARE(p.factor, 7000.0 / 1440 / 11);
        QCOMPARE(p.height, 7000.0);
        QVERIFY(qAbs(p.width - 8.5 * 7000 / 11) < 1e-9);
        // Origin at the printable area's corner; the picture spans the paper.
        // The paper's corner is the origin whatever the printer's unprintable border.
        QCOMPARE(p.topLeft, QPointF(0, 0));
        QCOMPARE(p.bottomRight, QPointF(8.5, 11));
        // Too narrow: the width decides.
        p = pageSetup(6120, 9000, 8.5, 11);
        QCOMPARE(p.factor, 0.5);
        QCOMPARE(p.width, 6120.0);
        QCOMPARE(p.height, 7920.0);
    }
};

QTEST_GUILESS_MAIN(tst_PreviewGeom)
#include "tst_previewgeom.moc"
