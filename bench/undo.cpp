// Undo benchmark: a label window offscreen with 100 and 1,000 items. It
// records 100 steps (arrow-key moves of different items, so none merge), then
// undoes and redoes them all. For each step it reports the median and 95th
// percentile of recording (the move itself, with the label's content kept
// before and after), undo and redo: to the finished repaint of the label,
// and the history's own work without the repaint.
#include <QApplication>
#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "app/AppContext.h"
#include "document/LabelView.h"
#include "document/TextMeasure.h"
#include "document/frmDocument.h"
#include "platform/ScriptedPlatform.h"
#include "platform/SettingsStore.h"

namespace {

struct Figures {
    double medianMs = 0, p95Ms = 0;
};

Figures summarize(std::vector<double> ms)
{
    Figures f;
    if (ms.empty())
        return f;
    std::sort(ms.begin(), ms.end());
    f.medianMs = ms[ms.size() / 2];
    f.p95Ms = ms[std::min(ms.size() - 1, size_t(ms.size() * 95 / 100))];
    return f;
}

// One command (its time alone into `alone`), then everything it asked to repaint.
double timed(const std::function<void()>& command, std::vector<double>& alone)
{
    QElapsedTimer t;
    t.start();
    command();
    alone.push_back(double(t.nsecsElapsed()) / 1e6);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
    QCoreApplication::processEvents();
    return double(t.nsecsElapsed()) / 1e6;
}

void run(int items, AppContext& ctx)
{
    frmDocument doc(ctx, nullptr);
    doc.setLabelDimensions(1, 4, 5); // the wine label, 5 x 4 inches
    doc.resizeLabel();
    doc.show();
    if (!QTest::qWaitForWindowExposed(&doc))
        std::fprintf(stderr, "the label window was not shown\n");
    for (int i = 1; i <= items; ++i) {
        if (i % 2) {
            doc.createNewText(QString("Batch %1").arg(i), 0);
            TextItem* t = doc.activeText();
            t->left = (i * 397) % 6500;
            t->top = (i * 211) % 5300;
        } else {
            doc.createNewGraphic("/bench/hops.png");
            GraphicItem* g = doc.activeGraphic();
            g->left = (i * 331) % 6500;
            g->top = (i * 173) % 5300;
        }
    }
    doc.SelectNothing();
    QCoreApplication::processEvents();

    std::vector<double> recordMs, undoMs, redoMs, recordAlone, undoAlone, redoAlone;
    for (int s = 0; s < LabelDocument::HistoryLimit; ++s) {
        // Another item each time (texts and pictures in turn), so every press is a step of its own.
        if (items > 1 && s % 2)
            doc.selectGraphic(2 + 2 * ((s / 2) % (items / 2)));
        else
            doc.selectText(1 + 2 * ((s / 2) % ((items + 1) / 2)));
        recordMs.push_back(timed([&] { doc.nudge(15, 0); }, recordAlone));
        doc.SelectNothing();
        QCoreApplication::processEvents();
    }
    while (doc.history().canUndo())
        undoMs.push_back(timed([&] { doc.undoStep(); }, undoAlone));
    while (doc.history().canRedo())
        redoMs.push_back(timed([&] { doc.redoStep(); }, redoAlone));

    const Figures rec = summarize(recordMs), u = summarize(undoMs), r = summarize(redoMs);
    const Figures recA = summarize(recordAlone), uA = summarize(undoAlone), rA = summarize(redoAlone);
    std::printf("%6d items, %3d steps   with the repaint:  step %6.2f ms (p95 %6.2f)   undo %6.2f ms (p95 %6.2f)"
                "   redo %6.2f ms (p95 %6.2f)\n",
                items, int(undoMs.size()), rec.medianMs, rec.p95Ms, u.medianMs, u.p95Ms, r.medianMs, r.p95Ms);
    std::printf("%6s               the history alone: step %6.2f ms (p95 %6.2f)   undo %6.2f ms (p95 %6.2f)"
                "   redo %6.2f ms (p95 %6.2f)\n",
                "", recA.medianMs, recA.p95Ms, uA.medianMs, uA.p95Ms, rA.medianMs, rA.p95Ms);
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
    // 100 steps at each size: enough samples for a stable median and 95th percentile.
    for (int n : {100, 1000})
        run(n, ctx);
    return 0;
}
