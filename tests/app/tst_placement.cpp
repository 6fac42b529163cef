// Window places, tiles and font family names, apart from any window.
#include <QtTest>

#include "app/Module1.h"
#include "app/WindowPlacement.h"

class tst_Placement : public QObject {
    Q_OBJECT
private slots:
    void storedPlaceInPixels()
    {
        QCOMPARE(placement::fromTwips(1000, 1000, 6900, 8900, 15), QRect(67, 67, 460, 593));
        QCOMPARE(placement::fromTwips(-4500, 300, 9000, 7500, 15), QRect(-300, 20, 600, 500));
        // Nonsense sizes still give a window.
        QCOMPARE(placement::fromTwips(0, 0, 0, -5, 15).size(), QSize(1, 1));
        QCOMPARE(placement::fromTwips(1e300, -1e300, 1e300, 6900, 15).topLeft(), QPoint(1000000, -1000000));
        QCOMPARE(placement::fromTwips(qQNaN(), 0, 6900, 8900, 15).left(), 0);
    }

    void offScreenPulledOntoPrimary()
    {
        const QRect left(0, 0, 1280, 1024), right(1280, 0, 1920, 1080);
        const QList<QRect> screens{left, right};
        // On a screen, on the second one, or partly off to the right with the title bar still reachable: left alone.
        for (const QRect& fine : {QRect(100, 50, 600, 500), QRect(1500, 100, 600, 500), QRect(3100, 10, 600, 500)})
            QCOMPARE(placement::ontoScreens(fine, screens, left), fine);
        // Title bar above the top of every screen: pulled down.
        QCOMPARE(placement::ontoScreens(QRect(100, -20, 600, 500), screens, left), QRect(100, 0, 600, 500));
        // Far off: pulled in by the shortest way.
        QCOMPARE(placement::ontoScreens(QRect(-2000, -600, 600, 500), screens, left), QRect(0, 0, 600, 500));
        QCOMPARE(placement::ontoScreens(QRect(9000, 9000, 600, 500), screens, left), QRect(680, 524, 600, 500));
        // Only a sliver of the top edge on screen is not enough to grab it.
        QCOMPARE(placement::ontoScreens(QRect(-590, 100, 600, 500), screens, left), QRect(0, 100, 600, 500));
        // Larger than the primary screen: shrunk to it.
        QCOMPARE(placement::ontoScreens(QRect(-5000, 0, 4000, 3000), screens, left), left);
        // Only where the platform lets a program place its windows at all.
        for (const char* p : {"xcb", "offscreen", "windows"})
            QVERIFY2(placement::placesWindows(p), p);
        for (const char* p : {"wayland", "wayland-egl"})
            QVERIFY2(!placement::placesWindows(p), p);
    }

    void tiles()
    {
        const QRect area(0, 0, 800, 601);
        QCOMPARE(placement::tiles(area, 2, true), QList<QRect>({QRect(0, 0, 800, 300), QRect(0, 300, 800, 301)}));
        QCOMPARE(placement::tiles(area, 3, false),
                 QList<QRect>({QRect(0, 0, 266, 601), QRect(266, 0, 266, 601), QRect(532, 0, 268, 601)}));
        QCOMPARE(placement::tiles(area, 1, true), QList<QRect>({area}));
        QVERIFY(placement::tiles(area, 0, true).isEmpty());
    }

    void fontFamilies()
    {
        QStringList names;
        for (const char* font : {"C059 [urw]", "Arial", "Odd]", "[x]"})
            names << Module1::fontFamilyName(font);
        QCOMPARE(names, QStringList({"C059", "Arial", "Odd]", "[x]"}));
        QCOMPARE(Module1::buildFontList({"b [x]", "a", "b [y]", "B", "a [z]"}), QStringList({"a", "B", "b"}));
    }
};

QTEST_GUILESS_MAIN(tst_Placement)
#include "tst_placement.moc"
