// Zooming the label view in a main window, with real mouse events (96 DPI
// offscreen: one pixel is 15 twips at 100 %, 7.5 at 200 %).
#include <QLabel>
#include <QMdiArea>
#include <QScrollBar>
#include <QWheelEvent>
#include <QtTest>

#include "document/LabelView.h"
#include "support/DocumentFixture.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

class tst_Zoom : public QObject {
    Q_OBJECT
private slots:
    void commandsSharpEdgesDragSnapWheelHandlesAndWindows()
    {
        MainWithLabel f;
        const QColor green(0, 100, 0);
        offerPicture(f.env, "/hops.png", QSizeF(1500, 750), green, 100, 50);
        f.env.values.gridWidth = f.env.values.gridHeight = 120;
        frmDocument* d = f.doc();
        LabelView* v = d->picLabelView();
        auto* lblZoom = f.m.findChild<QLabel*>("lblZoom");
        QVERIFY(lblZoom);
        QCOMPARE(lblZoom->text(), QString("100 %"));
        d->createNewGraphic("/hops.png");
        auto place = [&](double left = 1500) {
            setBox(*d->graphicAt(1), QRectF(left, 1500, 1500, 750));
            d->SelectNothing();
        };
        auto left = [&] { return QPointF(d->graphicAt(1)->left, d->graphicAt(1)->top); };

        // Zoom In steps 125, 150, 200.
        for (const char* shown : {"125 %", "150 %", "200 %"}) {
            f.action("mnuViewZoomIn")->trigger();
            QCOMPARE(lblZoom->text(), QString(shown));
        }
        QCOMPARE(v->twipsPerPixel(), 7.5);
        // On a screen of two device pixels a pixel, a picture's edges fall between
        // device pixels: no pixel is a blend of the picture and the label.
        place(1507); // 200.93 logical pixels, 401.9 device pixels: the edge at 402
        QImage shot(v->size() * 2, QImage::Format_RGB32);
        shot.setDevicePixelRatio(2);
        v->render(&shot);
        QCOMPARE(shot.pixelColor(402, 500), green);
        QVERIFY(shot.pixelColor(401, 500) != green);
        QCOMPARE(shot.pixelColor(401, 500), shot.pixelColor(390, 500));
        // A drag of 30 pixels there is 225 twips.
        f.action("mnuViewSnapToGrid")->setChecked(false);
        place();
        input::drag(v, v->toPixels(QPointF(2250, 1875)).toPoint(), QPoint(5, 0), 6);
        QCOMPARE(left(), QPointF(1725, 1500));
        // Snapped, 30 pixels at 200 % land where 15 pixels do at 100 %: the same twips.
        f.action("mnuViewSnapToGrid")->setChecked(true);
        place();
        input::drag(v, v->toPixels(QPointF(2250, 1875)).toPoint(), QPoint(5, 0), 6);
        QCOMPARE(left(), QPointF(1680, 1440));
        f.action("mnuViewActualSize")->trigger();
        QCOMPARE(lblZoom->text(), QString("100 %"));
        place();
        input::drag(v, v->toPixels(QPointF(2250, 1875)).toPoint(), QPoint(5, 0), 3);
        QCOMPARE(left(), QPointF(1680, 1440));
        f.action("mnuViewSnapToGrid")->setChecked(false);

        // Ctrl+wheel: the label point under the pointer stays under it.
        const QPointF twips(d->surfaceWidth() / 2.0, d->surfaceHeight() / 2.0);
        const QPoint at = v->toPixels(twips).toPoint(), global = v->mapToGlobal(at);
        QWheelEvent wheel(at, global, {}, {0, 120}, Qt::NoButton, Qt::ControlModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &wheel);
        QCOMPARE(lblZoom->text(), QString("125 %"));
        QVERIFY((v->mapToGlobal(v->toPixels(twips).toPoint()) - global).manhattanLength() <= 1);

        // Zoom Out stops at 25 %; the handles there are still 6 pixels and grab.
        for (int i = 0; i < 9; ++i)
            f.action("mnuViewZoomOut")->trigger();
        QCOMPARE(lblZoom->text(), QString("25 %"));
        QVERIFY(d->width() >= 240); // the window keeps room for its title and status line
        d->selectGraphic(1);
        const auto handles = d->editor().resizers();
        QVERIFY(handles->at(7).width() / v->twipsPerPixel() >= 6);
        QTest::mousePress(v, Qt::LeftButton, {}, v->toPixels(handles->at(7).center()).toPoint());
        QVERIFY(d->editor().resizing());
        QTest::mouseRelease(v, Qt::LeftButton, {}, v->toPixels(handles->at(7).center()).toPoint());
        // Zoom In stops at 800 %.
        for (int i = 0; i < 13; ++i)
            f.action("mnuViewZoomIn")->trigger();
        QCOMPARE(lblZoom->text(), QString("800 %"));
        // Without Ctrl the wheel scrolls the label, a few lines a notch.
        QScrollBar* bar = d->VScroll();
        const int top = bar->value();
        QWheelEvent down(at, global, {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(v, &down);
        QCOMPARE(bar->value(), top + QApplication::wheelScrollLines() * d->fontMetrics().height());

        // Each window keeps its zoom; the commands act on the active one.
        f.m.LoadNewDoc();
        QCOMPARE(lblZoom->text(), QString("100 %"));
        f.action("mnuViewZoomOut")->trigger();
        QCOMPARE(lblZoom->text(), QString("75 %"));
        subWindowOf(d)->mdiArea()->setActiveSubWindow(subWindowOf(d));
        QCOMPARE(lblZoom->text(), QString("800 %"));
        QCOMPARE(f.m.documents().at(1)->zoom(), 0.75);
        // No label open: nothing to zoom.
        forgetChanges(f.m);
        for (frmDocument* doc : f.m.documents())
            subWindowOf(doc)->close();
        QTRY_VERIFY(f.m.documents().isEmpty());
        QVERIFY(!f.action("mnuViewZoomIn")->isEnabled());
        QCOMPARE(lblZoom->text(), QString());
    }
};

QTEST_MAIN(tst_Zoom)
#include "tst_zoom.moc"
