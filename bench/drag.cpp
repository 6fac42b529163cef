// Drag benchmark: a label view offscreen with 1, 100 and 1,000 items at true
// size, and with 1,000 items zoomed (400 % unless other zooms are given as
// arguments, in percent); a picture is dragged across the label in 200
// pointer steps, then resized from a corner handle. For each processed step
// it measures the time from the mouse event to the finished repaint, and the
// surface area repainted; and the press that starts the move (where the view
// draws the images a drag is drawn from). With "afresh" as an argument the
// view draws everything at every step, as without those images.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>

#include "app/AppContext.h"
#include "document/LabelView.h"
#include "document/TextMeasure.h"
#include "document/frmDocument.h"
#include "platform/ScriptedPlatform.h"
#include "platform/SettingsStore.h"

namespace {

struct Figures {
    double medianMs = 0, p95Ms = 0, meanArea = 0;
};

Figures summarize(std::vector<double> ms, const std::vector<qint64>& area)
{
    Figures f;
    if (ms.empty())
        return f;
    std::sort(ms.begin(), ms.end());
    f.medianMs = ms[ms.size() / 2];
    f.p95Ms = ms[std::min(ms.size() - 1, size_t(ms.size() * 95 / 100))];
    double sum = 0;
    for (qint64 a : area)
        sum += double(a);
    f.meanArea = sum / double(area.size());
    return f;
}

// One pointer step: the event, then everything it asked to repaint.
double step(LabelView* view, QPoint at, qint64* area)
{
    view->takePaintedArea();
    QElapsedTimer t;
    t.start();
    QTest::mouseMove(view, at);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
    const double ms = double(t.nsecsElapsed()) / 1e6;
    *area = view->takePaintedArea();
    return ms;
}

void run(int items, int percent, AppContext& ctx, bool afresh)
{
    frmDocument doc(ctx, nullptr);
    doc.setLabelDimensions(1, 4, 5); // the wine label, 5 x 4 inches
    doc.resizeLabel();
    doc.setZoom(percent / 100.0);
    doc.show();
    QTest::qWaitForWindowExposed(&doc);
    LabelView* view = doc.picLabelView();
    if (afresh)
        view->setDragLayerBudget(0);
    const double k = view->twipsPerPixel();
    // Background items spread over the label: texts and pictures in turn.
    for (int i = 1; i < items; ++i) {
        if (i % 2) {
            doc.createNewText(QString("Batch %1").arg(i), 0);
            TextItem* t = doc.activeText();
            t->left = (i * 397) % 6500;
            t->top = (i * 211) % 5300;
            // Texts stack above every picture: none may cover the spot where
            // the dragged picture is grabbed.
            if (QRectF(t->left, t->top, t->width, t->height).intersects(QRectF(300, 300, 900, 600)))
                t->top += 1000;
        } else {
            doc.createNewGraphic("/bench/hops.png");
            GraphicItem* g = doc.activeGraphic();
            g->left = (i * 331) % 6500;
            g->top = (i * 173) % 5300;
        }
    }
    doc.createNewGraphic("/bench/hops.png");
    GraphicItem* g = doc.activeGraphic();
    g->left = 300;
    g->top = 300;
    g->width = 900;
    g->height = 600;
    doc.SelectNothing();
    QCoreApplication::processEvents();

    auto px = [k](double x, double y) { return QPoint(int(x / k), int(y / k)); };
    std::vector<double> moveMs, resizeMs;
    std::vector<qint64> moveArea, resizeArea;
    // Move: grab the middle, walk 200 steps to the far corner.
    QElapsedTimer pressed;
    pressed.start();
    QTest::mousePress(view, Qt::LeftButton, {}, px(750, 600));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
    const double pressMs = double(pressed.nsecsElapsed()) / 1e6;
    for (int s = 1; s <= 200; ++s) {
        qint64 area = 0;
        const double ms = step(view, px(750 + s * 25, 600 + s * 20), &area);
        if (s % 2) { // every second step does the work
            moveMs.push_back(ms);
            moveArea.push_back(area);
        }
    }
    QTest::mouseRelease(view, Qt::LeftButton, {}, px(750 + 200 * 25, 600 + 200 * 20));
    QCoreApplication::processEvents();
    // Resize from the bottom-right handle back towards the top-left.
    const auto h = doc.editor().resizers();
    const QPointF c = h->at(7).center();
    QTest::mousePress(view, Qt::LeftButton, {}, px(c.x(), c.y()));
    for (int s = 1; s <= 200; ++s) {
        qint64 area = 0;
        const double ms = step(view, px(c.x() - s * 15, c.y() - s * 10), &area);
        if (s % 2) {
            resizeMs.push_back(ms);
            resizeArea.push_back(area);
        }
    }
    QTest::mouseRelease(view, Qt::LeftButton, {}, px(c.x() - 3000, c.y() - 2000));

    const Figures m = summarize(moveMs, moveArea), r = summarize(resizeMs, resizeArea);
    const double whole = double(view->width()) * view->height();
    std::printf("%6d items %4d %%  move: median %6.2f ms, p95 %6.2f ms, %5.1f%% of the label repainted"
                "   resize: median %6.2f ms, p95 %6.2f ms, %5.1f%%   press: %6.2f ms\n",
                items, percent, m.medianMs, m.p95Ms, 100 * m.meanArea / whole, r.medianMs, r.p95Ms, 100 * r.meanArea / whole,
                pressMs);
    doc.setFlags(false, true);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ProgramValues values;
    ScriptedPlatform platform;
    MemorySettingsStore store;
    QtTextMeasurer measurer;
    AppContext ctx{values, platform, store, measurer, AppPaths{}};
    QImage hops(200, 150, QImage::Format_ARGB32);
    hops.fill(QColor(40, 120, 40));
    platform.pictures["/bench/hops.png"] = PictureData{hops, QSizeF(3000, 2250), {}};
    std::vector<int> zooms;
    bool afresh = false;
    for (int i = 1; i < argc; ++i) {
        if (QString(argv[i]) == "afresh")
            afresh = true;
        else
            zooms.push_back(QString(argv[i]).toInt());
    }
    for (int n : {1, 100, 1000})
        run(n, 100, ctx, afresh);
    if (zooms.empty())
        zooms.push_back(400);
    for (int z : zooms)
        run(1000, z, ctx, afresh);
    return 0;
}
