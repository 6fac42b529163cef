// Scroll bars and grid of the label view, with the window allowances of the original.
#include <QtTest>

#include "document/ViewGeometry.h"

using namespace viewgeom;

class tst_ViewGeom : public QObject {
    Q_OBJECT
private slots:
    // Window sizes around the label's 4320 x 5400 twips plus the window's
    // allowances (360 across; 740 and the 300 status bar down; bars 255).
    void scrollBars_data()
    {
        QTest::addColumn<int>("fw");
        QTest::addColumn<int>("fh");
        QTest::addColumn<int>("vMax"); // -1: no bar
        QTest::addColumn<int>("hMax");
        QTest::newRow("fits") << 4320 + 360 << 5400 + 740 + 300 << -1 << -1;
        QTest::newRow("exact width") << 4320 + 360 << 20000 << -1 << -1;
        QTest::newRow("a twip too narrow") << 4320 + 360 - 1 << 20000 << -1 << 1 + 120;
        QTest::newRow("only horizontal") << 4320 + 360 - 100 << 5400 + 740 + 300 + 255 << -1 << 100 + 120;
        QTest::newRow("only vertical") << 4320 + 360 + 255 << 3000 << (300 + 5400 + 740) - 3000 + 240 << -1;
        QTest::newRow("both") << 2000 << 2000 << (300 + 5400 + 740 + 255) - 2000 + 240 << (4320 + 360 + 255) - 2000 + 120;
    }
    void scrollBars()
    {
        QFETCH(int, fw);
        QFETCH(int, fh);
        QFETCH(int, vMax);
        QFETCH(int, hMax);
        const ScrollInput in{.windowW = fw, .windowH = fh, .clientW = fw - 120, .surfaceW = 4320, .surfaceH = 5400,
                             .statusH = 300, .statusTop = fh - 700, .hScrollH = 255, .vScrollW = 255};
        const ScrollLayout l = setScrollBars(in);
        QCOMPARE(l.v.visible ? l.v.max : -1, vMax);
        QCOMPARE(l.h.visible ? l.h.max : -1, hMax);
        QCOMPARE(l.cornerVisible, l.v.visible && l.h.visible);
        if (l.v.visible) {
            QCOMPARE(l.v.left, in.clientW - 255 - 120);
            QCOMPARE(l.v.length, in.statusTop - (l.h.visible ? 255 : 0));
        }
        if (l.h.visible)
            QCOMPARE(l.h.length, l.v.visible ? l.v.left : in.clientW - 120);
        if (l.h.visible && !l.v.visible)
            QCOMPARE(l.h.top, in.statusTop - 255 + 20);
        if (QByteArray(QTest::currentDataTag()) == "only horizontal")
            QCOMPARE(QPoint(l.h.smallStep, l.h.largeStep), QPoint(22, 110));
        if (QByteArray(QTest::currentDataTag()) == "only vertical")
            QCOMPARE(QPoint(l.v.smallStep, l.v.largeStep), QPoint(368, 1840)); // 3680 / 10, / 2
        if (l.cornerVisible)
            QCOMPARE(QPoint(l.cornerLeft, l.cornerTop), QPoint(l.v.left, l.v.top + l.v.length));
    }

    void gridColumnsIncludeBothEndsAndZoomSteps()
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

        // A fitted zoom between steps goes to the neighbouring steps; 33 % is the third.
        QCOMPARE(zoomPercent(zoomIn(0.9)), 100);
        QCOMPARE(zoomPercent(zoomOut(0.9)), 75);
        QCOMPARE(zoomPercent(zoomIn(0.33)), 50);
        QCOMPARE(zoomPercent(zoomOut(0.5)), 33);
        QCOMPARE(zoomOut(0.25), 0.25);
        QCOMPARE(zoomIn(8), 8.0);
        QCOMPARE(fitZoom(500, 300, 400, 400), 0.75); // the tighter side, whole percent
        QCOMPARE(fitZoom(9000, 9000, 100, 100), 8.0);
        QCOMPARE(scrollToKeep(16, 100, 300, 500), 216);
        QCOMPARE(scrollToKeep(16, 100, 50, 500), 0);
    }
};

QTEST_GUILESS_MAIN(tst_ViewGeom)
#include "tst_viewgeom.moc"
