// Rules of the editing interactions, without a window.
#include <QtTest>

#include "document/ClipboardDescriptor.h"
#include "editing/Guides.h"
#include "editing/Handles.h"
#include "editing/KeySelection.h"
#include "editing/ResizeRules.h"
#include "editing/Snap.h"

class tst_Editing : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void handlesAroundAPictureAndSnap()
    {
        const auto h = handles::placeHandles(QRectF(1000, 1000, 100, 100));
        const QPointF corners[8] = {{970, 970},  {1010, 970},  {1050, 970},  {970, 1010},
                                    {1050, 1010}, {970, 1060}, {1010, 1060}, {1050, 1060}};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(h[i], QRectF(corners[i], QSizeF(80, 80)));

        // Snapping goes down to the grid.
        QCOMPARE(snap::toGrid(-50, 120), int16_t(-120));
        QCOMPARE(snap::toGrid(-120, 120), int16_t(-120));
        QCOMPARE(snap::toGrid(239.9, 120), int16_t(120));
        QCOMPARE(snap::toGrid(250.5, 0), int16_t(250)); // no grid: half to even
        QCOMPARE(snap::toGrid(3.5, 0), int16_t(4));
        QCOMPARE(snap::toGrid(1e9, 120), int16_t(32767));
        QCOMPARE(snap::toGrid(-1e9, 120), int16_t(-32768));
        QCOMPARE(snap::toGrid(std::nan(""), 120), int16_t(0));
    }

    // Both rule sets at a ratio of 0.5; over an item the box has moved on from a 400 x 200 start.
    void resizeRules_data()
    {
        QTest::addColumn<bool>("overItem");
        QTest::addColumn<int>("handle");
        QTest::addColumn<bool>("keepAspect");
        QTest::addColumn<QPointF>("grab");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QRectF>("expected"); // null: refused
        auto row = [](const char* name, bool item, int handle, bool keep, QPointF grab, QPointF pointer, QRectF expected) {
            QTest::newRow(name) << item << handle << keep << grab << pointer << expected;
        };
        row("surface 4: height unchanged", false, 4, false, {}, {1600, 5000}, {1000, 1000, 600, 200});
        row("surface 4 kept: previous width 400 x 0.5", false, 4, true, {}, {1600, 5000}, {1000, 1000, 600, 200});
        row("surface 0", false, 0, false, {}, {900, 950}, {900, 950, 500, 250});
        row("surface 0 kept", false, 0, true, {}, {900, 950}, {900, 950, 500, 200});
        row("surface 6 kept: width from height", false, 6, true, {}, {0, 1300}, {1000, 1000, 600, 300});
        row("surface 0 past the right edge", false, 0, false, {}, {1500, 1000}, {});
        row("surface, no such handle", false, 9, false, {}, {1500, 1000}, {});
        row("item 4: the current height stays", true, 4, false, {1390, 1100}, {1590, 9999}, {1000, 1000, 600, 210});
        row("item 4 kept: the new width x 0.5", true, 4, true, {1390, 1100}, {1590, 9999}, {1000, 1000, 600, 300});
        row("item 3: the start height", true, 3, false, {970, 1100}, {870, 0}, {870, 1000, 500, 200});
        row("item 3 kept", true, 3, true, {970, 1100}, {870, 0}, {870, 1000, 500, 250});
        row("item 7", true, 7, false, {1390, 1200}, {1490, 1300}, {1000, 1000, 500, 300});
        row("item 7 kept", true, 7, true, {1390, 1200}, {1490, 1300}, {1000, 1000, 600, 300});
        row("item 7 above the top edge", true, 7, true, {1390, 1200}, {1490, 800}, {});
    }
    void resizeRules()
    {
        QFETCH(bool, overItem);
        QFETCH(int, handle);
        QFETCH(bool, keepAspect);
        QFETCH(QPointF, grab);
        QFETCH(QPointF, pointer);
        QFETCH(QRectF, expected);
        const resize::Drag d{handle, pointer, keepAspect, 0.5, QSizeF(400, 200), grab};
        const auto box = overItem ? resize::overItem(QRectF(1000, 1000, 450, 210), d)
                                  : resize::overSurface(QRectF(1000, 1000, 400, 200), d);
        QCOMPARE(box.value_or(QRectF()), expected);
    }

    void guideReadOutAndClipboardDescriptor()
    {
        using guides::Grab;
        QCOMPARE(guides::grabAt({2160 - 39, 0}, 2160, 2700), Grab::Vertical);
        QCOMPARE(guides::grabAt({2160 - 40, 0}, 2160, 2700), Grab::None);
        QCOMPARE(guides::grabAt({2160 + 39, 2700}, 2160, 2700), Grab::Vertical); // vertical wins
        QCOMPARE(guides::grabAt({0, 2700 + 39}, 2160, 2700), Grab::Horizontal);

        const QSizeF surface(4320, 5400);
        QCOMPARE(guides::readoutPosition({3720, 4800}, surface), QPointF(3840, 4920)); // exactly SW − 600
        QCOMPARE(guides::readoutPosition({3721, 4801}, surface), QPointF(3221, 4501));

        const QSizeF label(4320, 4320); // 3 x 3 inches
        QCOMPARE(*guides::readoutText(2, Grab::Horizontal, {0, 0}, label), QString("3.00"));
        QCOMPARE(*guides::readoutText(0, Grab::Vertical, {1440, 0}, label), QString("-0.50"));
        QCOMPARE(*guides::readoutText(0, Grab::Horizontal, {0, 2880}, label), QString("0.50"));
        QCOMPARE(*guides::readoutText(1, Grab::Vertical, {720, 0}, label), QString("0.50"));
        QCOMPARE(*guides::readoutText(1, Grab::Horizontal, {0, 1800}, label), QString("1.25"));
        QCOMPARE(*guides::readoutText(2, Grab::Vertical, {2880, 0}, label), QString("2.00"));
        QVERIFY(!guides::readoutText(3, Grab::Vertical, {0, 0}, label));
        // In millimetres, to the tenth.
        QCOMPARE(*guides::readoutText(0, Grab::Vertical, {1440, 0}, label, lengths::Unit::Millimetres), QString("-12.7"));

        // The clipboard's descriptor with fields wider than their columns (the usual ones: tst_clipboard).
        QCOMPARE(clipdesc::encode(1234.5, 12345.75, ""), QString("CKMGraphic-1234.5345.75"));
        const auto d = clipdesc::decode("CKMGraphic-1234.5345.75");
        QCOMPARE(std::tuple(*d->width, *d->height, d->path), std::tuple(1234, 345, QString()));
        QVERIFY(!clipdesc::decode("ckmgraphic-  1440   720"));
        QVERIFY(!clipdesc::decode("A label: CKMGraphic-  1440   720"));

        // A decimal comma where the locale writes one.
        QLocale::setDefault(QLocale(QLocale::German));
        QCOMPARE(*guides::readoutText(1, Grab::Vertical, {720, 0}, label), QString("0,50"));
        QCOMPARE(clipdesc::encode(1234.5, 10, ""), QString("CKMGraphic-1234,5    10"));
        QCOMPARE(*clipdesc::decode("CKMGraphic-1234,5    10")->width, 1234);
        QLocale::setDefault(QLocale::c());
    }

    // Back to front and round again; from no item Tab starts at the back.
    void tabOrder_data()
    {
        QTest::addColumn<QString>("from");
        QTest::addColumn<bool>("forward");
        QTest::addColumn<QString>("to");
        // Stacked g1, q1, g2 (hidden), t1, t2; t1 added first, so lower.
        QTest::newRow("none, Tab") << "" << true << "g1";
        QTest::newRow("none, Shift+Tab") << "" << false << "t2";
        QTest::newRow("picture to QR code") << "g1" << true << "q1";
        QTest::newRow("past the hidden picture") << "q1" << true << "t1";
        QTest::newRow("back past the hidden picture") << "t1" << false << "q1";
        QTest::newRow("front wraps to the back") << "t2" << true << "g1";
        QTest::newRow("back wraps to the front") << "g1" << false << "t2";
        QTest::newRow("from the hidden one") << "g2" << true << "t1";
        QTest::newRow("from one gone") << "t9" << true << "g1";
    }
    void tabOrder()
    {
        QFETCH(QString, from);
        QFETCH(bool, forward);
        QFETCH(QString, to);
        auto id = [](const QString& n) {
            const int kind =
                n.startsWith('g') ? kindOf<GraphicItem> : n.startsWith('q') ? kindOf<QrItem> : kindOf<TextItem>;
            return n.isEmpty() ? ItemId{} : ItemId{kind, n.mid(1).toInt()};
        };
        LabelContent c;
        c.add(TextItem{.text = "Merlot", .index = 1});
        c.add(TextItem{.text = "2024", .index = 2});
        c.add(GraphicItem{.index = 1});
        c.add(QrItem{.index = 1});
        c.add(GraphicItem{.visible = false, .index = 2});
        QCOMPARE(keyselect::next(c, id(from), forward), id(to));

        // Nothing to go to: no items, or none shown.
        QCOMPARE(keyselect::next(LabelContent{}, id(from), forward), ItemId{});
        LabelContent hidden;
        hidden.add(GraphicItem{.visible = false, .index = 2});
        QCOMPARE(keyselect::next(hidden, id(from), forward), ItemId{});
    }
};

QTEST_GUILESS_MAIN(tst_Editing)
#include "tst_editing.moc"
