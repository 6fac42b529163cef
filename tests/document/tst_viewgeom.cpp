// Scroll bars and grid of the label view, with the window allowances of the original.
#include <QtTest>

#include "document/ViewGeometry.h"

using namespace viewgeom;

class tst_ViewGeom : public QObject {
    Q_OBJECT

    static ScrollInput base(int fw, int fh)
    {
        ScrollInput in;
        in.surfaceW = 4320;
        in.surfaceH = 5400;
        in.windowW = fw;
        in.clientW = fw - 120;
        in.windowH = fh;
        in.statusH = 300;
        in.statusTop = fh - 700;
        in.hScrollH = 255;
        in.vScrollW = 255;
        return in;
    }

private slots:
    void noBarsWhenTheLabelFits()
    {
        const ScrollLayout l = setScrollBars(base(4320 + 360, 5400 + 740 + 300));
        QVERIFY(!l.v.visible);
        QVERIFY(!l.h.visible);
        QVERIFY(!l.cornerVisible);
    }

    void onlyTheHorizontalBar()
    {
        // Short by d = 100 twips in width, tall enough for the label and the bar.
        const ScrollLayout l = setScrollBars(base(4320 + 360 - 100, 5400 + 740 + 300 + 255));
        QVERIFY(!l.v.visible);
        QVERIFY(l.h.visible);
        QCOMPARE(l.h.max, 100 + 120);
        QCOMPARE(l.h.smallStep, 22);
        QCOMPARE(l.h.largeStep, 110);
        QCOMPARE(l.h.length, (4320 + 360 - 100 - 120) - 120);
        QCOMPARE(l.h.top, (5400 + 740 + 300 + 255 - 700) - 255 + 20);
        QVERIFY(!l.cornerVisible);
    }

    void onlyTheVerticalBar()
    {
        const ScrollInput in = base(4320 + 360 + 255, 3000);
        const ScrollLayout l = setScrollBars(in);
        QVERIFY(l.v.visible);
        QVERIFY(!l.h.visible);
        QCOMPARE(l.v.max, (300 + 5400 + 740) - 3000 + 240);
        QCOMPARE(l.v.smallStep, 368); // 3680 / 10
        QCOMPARE(l.v.largeStep, 1840);
        QCOMPARE(l.v.left, in.clientW - 255 - 120);
        QCOMPARE(l.v.length, in.statusTop);
    }

    void bothBarsAndTheCorner()
    {
        const ScrollInput in = base(2000, 2000);
        const ScrollLayout l = setScrollBars(in);
        QVERIFY(l.v.visible && l.h.visible && l.cornerVisible);
        QCOMPARE(l.v.max, (300 + 5400 + 740 + 255) - 2000 + 240);
        QCOMPARE(l.h.max, (4320 + 360 + 255) - 2000 + 120);
        QCOMPARE(l.v.length, in.statusTop - 255);
        QCOMPARE(l.h.length, l.v.left);
        QCOMPARE(l.cornerLeft, l.v.left);
        QCOMPARE(l.cornerTop, l.v.top + l.v.length);
        QCOMPARE(l.v.value, 0);
        QCOMPARE(l.h.value, 0);
    }

    void exactWidthNeedsNoBar()
    {
        ScrollInput in = base(4320 + 360, 20000);
        QVERIFY(!setScrollBars(in).h.visible);
        in.windowW -= 1;
        QVERIFY(setScrollBars(in).h.visible);
        QCOMPARE(setScrollBars(in).h.max, 1 + 120);
    }

    void gridColumnsIncludeBothEnds()
    {
        const auto xs = gridPositions(4320, 120);
        QCOMPARE(int(xs.size()), 37);
        QCOMPARE(xs.front(), 0);
        QCOMPARE(xs.back(), 4320);
        QCOMPARE(int(gridPositions(4319, 120).size()), 36);
        QVERIFY(gridPositions(100, 0).empty());
        // Near the largest int the step used to wrap round and never end.
        const int big = std::numeric_limits<int>::max();
        QCOMPARE(gridPositions(big, 3, big - 7, big), std::vector<int>({big - 7, big - 4, big - 1}));
        QCOMPARE(gridPositions(big, 500, big - 100, big), std::vector<int>());
        // Only the part being drawn.
        QCOMPARE(gridPositions(4320, 120, 1000, 1250), std::vector<int>({1080, 1200}));
        QCOMPARE(gridPositions(4320, 120, -500, 130), std::vector<int>({0, 120}));
        QCOMPARE(gridPositions(4320, 120, 4300, 9000), std::vector<int>({4320}));
    }
};

QTEST_GUILESS_MAIN(tst_ViewGeom)
#include "tst_viewgeom.moc"
