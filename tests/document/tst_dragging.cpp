// Selecting, dragging, resizing and the guides, driven with real mouse events
// on a document window (96 DPI offscreen: one pixel is 15 twips).
#include <QLabel>
#include <QtTest>

#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "support/FakeHost.h"
#include "support/DocumentFixture.h"

namespace {

struct Fixture {
    TestEnv env;
    FakeHost host;
    std::unique_ptr<frmDocument> doc;
    LabelView* view = nullptr;

    Fixture()
    {
        offerPicture(env, "/hops.png", QSizeF(1500, 750), Qt::darkGreen, 100, 50);
        doc = std::make_unique<frmDocument>(env.ctx, &host);
        doc->resize(800, 800);
        doc->show();
        QVERIFY(QTest::qWaitForWindowExposed(doc.get()));
        view = doc->picLabelView();
        QCOMPARE(view->twipsPerPixel(), 15.0);
    }
    // A pixel of the view for a point in twips (both multiples of 15 here).
    QPoint px(double x, double y) const { return QPoint(int(x / 15), int(y / 15)); }
    void press(double x, double y, Qt::MouseButton b = Qt::LeftButton) { QTest::mousePress(view, b, {}, px(x, y)); }
    void move(double x, double y) { QTest::mouseMove(view, px(x, y)); }
    void release(double x, double y, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseRelease(view, b, {}, px(x, y)); }
    void click(double x, double y, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(view, b, {}, px(x, y)); }
    // The label's first text and picture, as they are now (a change copies an item the history shares).
    TextItem& t() { return *doc->textAt(1); }
    GraphicItem& g() { return *doc->graphicAt(1); }
    void text(double left, double top)
    {
        doc->createNewText("Ale", 0);
        t().left = left;
        t().top = top;
        doc->SelectNothing();
        doc->setFlags(false, false);
    }
    void picture(double left, double top)
    {
        doc->createNewGraphic("/hops.png");
        setBox(g(), QRectF(left, top, 1500, 750));
        doc->SelectNothing();
        doc->setFlags(false, false);
    }
};

} // namespace

class tst_Dragging : public QObject {
    Q_OBJECT
private slots:
    // A text moves on the drop and snaps only the axes that moved; a picture follows the pointer.
    void textMovesOnTheDropPictureFollowsThePointer()
    {
        Fixture f;
        f.text(1500, 1500);
        // Pressed and released in place: not moved, not snapped, not changed.
        f.press(1650, 1560);
        QVERIFY(f.doc->activeTextItemSelected());
        QCOMPARE(f.host.calls.last(), QString("enable 1 0"));
        f.release(1650, 1560);
        QCOMPARE(QPointF(f.t().left, f.t().top), QPointF(1500, 1500));
        QVERIFY(!f.doc->isChanged());

        // Grabbed 150, 60 into the item; dropped so that it would sit at 250, 130.
        f.press(1650, 1560);
        f.move(1200, 1200);
        QCOMPARE(QPointF(f.t().left, f.t().top), QPointF(1500, 1500)); // a text waits for the drop
        QCOMPARE(f.doc->editor().dragOutline(), QRectF(1050, 1140, f.t().width, f.t().height));
        f.move(400, 190);
        f.release(400, 190);
        QCOMPARE(QPointF(f.t().left, f.t().top), QPointF(240, 120));
        QVERIFY(f.doc->isChanged());
        QVERIFY(f.doc->editor().dragOutline().isNull());

        // Only the axis that moved is snapped (the drop lands on the item itself).
        f.t().left = 1510;
        f.t().top = 1505;
        f.press(1660, 1565);
        f.release(1690, 1565);
        QCOMPARE(QPointF(f.t().left, f.t().top), QPointF(1440, 1505));

        // Snap off: pointer minus grab offset, as it is.
        f.host.snap = false;
        f.t().left = 1510;
        f.press(1660, 1565);
        f.release(1705, 1595);
        QCOMPARE(QPointF(f.t().left, f.t().top), QPointF(1555, 1535));

        // A picture follows the pointer and snaps on the drop.
        f.host.snap = true;
        f.picture(250, 130);
        // Pressed and released without moving: only selected, not moved.
        f.press(400, 280);
        QVERIFY(f.doc->activeItemSelected());
        QCOMPARE(f.host.calls.last(), QString("enable 0 1"));
        f.release(400, 280);
        QCOMPARE(QPointF(f.g().left, f.g().top), QPointF(250, 130));
        QVERIFY(!f.doc->isChanged());

        // Live: only every second pointer step does the work.
        f.press(390, 270); // grab 140, 140
        f.move(1050, 900);
        QCOMPARE(QPointF(f.g().left, f.g().top), QPointF(910, 760));
        QVERIFY(f.doc->isChanged());
        f.move(1500, 1500);
        QCOMPARE(QPointF(f.g().left, f.g().top), QPointF(910, 760)); // skipped
        f.move(1515, 1515);
        QCOMPARE(QPointF(f.g().left, f.g().top), QPointF(1375, 1375));
        f.release(1530, 1530);
        QCOMPARE(bounds(f.g()), QRectF(1320, 1320, 1500, 750)); // 1390 → 1320 on the grid

        // Released off the surface: nothing handles the drop.
        f.press(1470, 1470);
        f.release(1470 + 900 * 15, 1470);
        QCOMPARE(QPointF(f.g().left, f.g().top), QPointF(1320, 1320));
    }

    // A dragged picture between two others, under two texts, on the grid: the
    // steps drawn from the images of what stays put show what drawing
    // everything afresh shows; the drop lets the images go.
    void dragDrawnFromLayersAsDrawnAfresh_data()
    {
        QTest::addColumn<int>("percent");
        QTest::newRow("true size") << 100;
        QTest::newRow("zoomed") << 400;
    }
    void dragDrawnFromLayersAsDrawnAfresh()
    {
        QFETCH(int, percent);
        Fixture f;
        QImage hops(30, 20, QImage::Format_RGB32); // a gradient, so a shifted picture shows
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x)
                hops.setPixelColor(x, y, QColor(x * 8, 120, y * 12));
        f.env.platform.pictures["/hops.png"] = PictureData{hops, QSizeF(900, 600), {}};
        offerPicture(f.env, "/malt.png", QSizeF(1200, 900), QColor(140, 90, 30), 40, 30);
        offerPicture(f.env, "/yeast.png", QSizeF(600, 500), QColor(30, 60, 200), 20, 16);
        f.doc->setLabelDimensions(1, 1.0, 1.25);
        f.doc->resizeLabel();
        f.doc->setZoom(percent / 100.0);
        f.doc->setGridShown(true);
        for (const auto& [path, at] : {std::pair("/malt.png", QPointF(100, 100)),
                                       std::pair("/hops.png", QPointF(300, 300)),
                                       std::pair("/yeast.png", QPointF(900, 700))}) {
            QVERIFY(f.doc->createNewGraphic(path));
            setBox(*f.doc->activeGraphic(), QRectF(at, bounds(*f.doc->activeGraphic()).size()));
        }
        // Zoomed, the large text is filled as outlines and kept in an image;
        // the small one over it comes from the glyph cache at every step.
        f.host.format = {"Liberation Sans", "16", true, false, false, 0};
        QVERIFY(f.doc->createNewText("Ale", 0));
        f.doc->setTextPosition(200, 900);
        f.host.format = {};
        QVERIFY(f.doc->createNewText("IPA", 0));
        f.doc->setTextPosition(650, 950);
        f.doc->SelectNothing();
        QCoreApplication::processEvents();
        LabelView* v = f.view;
        const auto at = [v](double x, double y) { return v->toPixels(QPointF(x, y)).toPoint(); };
        QTest::mousePress(v, Qt::LeftButton, {}, at(400, 400));
        QTest::mouseMove(v, at(700, 550)); // under the blue picture and the text now
        QCoreApplication::processEvents();
        QVERIFY(v->dragLayersBuilt());
        const QImage layered = v->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(v->dragLayersBuilt());
        v->setDragLayerBudget(0);
        const QImage afresh = v->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(!v->dragLayersBuilt());
        QCOMPARE(layered.size(), afresh.size());
        // An edge blended into the transparent image first may round one step apart.
        int worst = 0;
        for (int y = 0; y < afresh.height(); ++y)
            for (int x = 0; x < afresh.width(); ++x) {
                const QRgb a = layered.pixel(x, y), b = afresh.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                                  std::abs(qBlue(a) - qBlue(b))});
            }
        QVERIFY2(worst <= 1, qPrintable(QString("a channel %1 apart").arg(worst)));
        v->setDragLayerBudget(DragLayers::DefaultBudget);
        v->repaint();
        QVERIFY(v->dragLayersBuilt());
        QTest::mouseRelease(v, Qt::LeftButton, {}, at(700, 550));
        QCoreApplication::processEvents();
        QVERIFY(!v->dragLayersBuilt());
    }

    // Every handle, with and without the aspect, dragged onto the picture's edge: 1500 x 750 at
    // (1440, 1440), ratio 0.5, its right and bottom edges outside it, its left and top inside.
    void resizeFromEachHandle_data()
    {
        QTest::addColumn<int>("handle");
        QTest::addColumn<QPointF>("press");
        QTest::addColumn<bool>("keepAspect");
        QTest::addColumn<QPointF>("pointer");
        QTest::addColumn<QRectF>("box");
        const struct {
            int handle;
            QPointF pointer, press;
            QRectF free, kept;
        } rows[] = {
            // Left edge, lower down: the top follows the pointer; kept: the height from the width.
            {0, {1440, 1890}, {1440, 1440}, {1440, 1890, 1500, 300}, {1440, 1890, 1500, 750}},
            {1, {1800, 1440}, {2175, 1440}, {1440, 1440, 1500, 750}, {1440, 1440, 1500, 750}},
            // Top edge, further left: the right edge follows the pointer.
            {2, {2640, 1440}, {2925, 1440}, {1440, 1440, 1200, 750}, {1440, 1440, 1200, 600}},
            {3, {1440, 1620}, {1440, 1800}, {1440, 1440, 1500, 750}, {1440, 1440, 1500, 750}},
            {4, {2940, 1620}, {2925, 1800}, {1440, 1440, 1500, 750}, {1440, 1440, 1500, 750}},
            // Left edge, higher up: the bottom follows the pointer; kept: the height from the width.
            {5, {1440, 1620}, {1440, 2175}, {1440, 1440, 1500, 180}, {1440, 1440, 1500, 750}},
            {6, {1800, 2190}, {2175, 2175}, {1440, 1440, 1500, 750}, {1440, 1440, 1500, 750}},
            // Bottom edge, further left: the right edge follows; kept: the width from the height.
            {7, {2640, 2190}, {2925, 2175}, {1440, 1440, 1200, 750}, {1440, 1440, 1500, 750}},
        };
        for (const auto& r : rows)
            for (const bool kept : {false, true})
                QTest::addRow("handle %d%s", r.handle, kept ? " keeping the aspect" : "")
                    << r.handle << r.press << kept << r.pointer << (kept ? r.kept : r.free);
    }
    void resizeFromEachHandle()
    {
        QFETCH(int, handle);
        QFETCH(QPointF, press);
        QFETCH(bool, keepAspect);
        QFETCH(QPointF, pointer);
        QFETCH(QRectF, box);
        Fixture f;
        f.picture(1440, 1440);
        f.doc->selectGraphic(1);
        QVERIFY((*f.doc->editor().resizers())[handle].contains(press));
        f.host.aspect = keepAspect;
        f.press(press.x(), press.y());
        QVERIFY(f.doc->editor().resizing());
        f.move(pointer.x(), pointer.y());
        f.release(pointer.x(), pointer.y());
        QCOMPARE(bounds(f.g()), box);
    }

    void clicksRightPressesDoubleClicksAndGuides()
    {
        Fixture f;
        f.text(1500, 3000);
        f.picture(1500, 1500);
        f.doc->showGuides(true);
        f.doc->setGuidePositions(600, 600);

        // A picture pressed: boxed with handles, commands follow.
        f.click(1800, 1800);
        QVERIFY(f.doc->activeItemSelected());
        // Right press on the other item: the pop-up, and the picture stays active.
        f.host.calls.clear();
        f.click(1600, 3050, Qt::RightButton);
        QCOMPARE(f.host.calls, QStringList{"popup"});
        QVERIFY(f.doc->activeItemSelected());
        QCOMPARE(f.host.popupAt, f.view->mapToGlobal(f.px(1600, 3050)));

        // A click after grabbing a guide keeps the selection; the next one clears it.
        f.click(600, 4500);
        QVERIFY(f.doc->activeItemSelected());
        f.click(3600, 4500);
        QVERIFY(!f.doc->activeItemSelected());
        QCOMPARE(f.host.calls.last(), QString("enable 0 0"));

        // A press on the surface that ends over an item is not a click.
        f.click(1800, 1800);
        f.press(3600, 4500);
        f.release(1600, 3050);
        QVERIFY(f.doc->activeItemSelected());

        // Hovering a handle shows its pointer.
        f.move(f.g().left, f.g().top);
        QCOMPARE(f.view->cursor().shape(), Qt::SizeFDiagCursor);
        f.move(f.g().left + f.g().width / 2, f.g().top - 15);
        QCOMPARE(f.view->cursor().shape(), Qt::SizeVerCursor);

        // Double clicks ask the host to edit.
        QTest::mouseDClick(f.view, Qt::LeftButton, {}, f.px(1600, 3050));
        QCOMPARE(f.host.calls.last(), QString("edit text Ale"));
        QTest::mouseDClick(f.view, Qt::LeftButton, {}, f.px(1800, 1800));
        QCOMPARE(f.host.calls.last(), QString("edit picture"));

        // A guide grabbed, followed and read out: the window's part (the grab distance and the
        // readout's numbers: tst_editing).
        f.doc->setLabelDimensions(2, 3, 3);
        f.doc->resizeLabel();
        QLabel* readout = f.view->lblGuide();
        f.doc->setGuidePositions(2139, 3000);
        f.press(2100, 600);
        QCOMPARE(f.doc->editor().guideHeld(), guides::Grab::Vertical);
        QVERIFY(readout->isVisible());
        QCOMPARE(readout->text(), QString("-0.04"));
        QCOMPARE(f.view->cursor().shape(), Qt::SizeHorCursor);
        f.move(2160, 600);
        QCOMPARE(QPointF(f.doc->vGuideX(), f.doc->hGuideY()), QPointF(2160, 3000)); // the other guide stays
        QCOMPARE(readout->text(), QString("0.00"));
        QCOMPARE(readout->pos(), QPoint((2160 + 120) / 15, (600 + 120) / 15));
        f.release(2160, 600);
        QVERIFY(!readout->isVisible());
        QCOMPARE(f.view->cursor().shape(), Qt::ArrowCursor);
        // Hidden guides cannot be grabbed.
        f.doc->showGuides(false);
        f.click(2160, 600);
        QCOMPARE(f.doc->editor().guideHeld(), guides::Grab::None);
    }
};

QTEST_MAIN(tst_Dragging)
#include "tst_dragging.moc"
