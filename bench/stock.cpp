// Catalogue benchmark: reads the label-sheet catalogue (the program's own and
// the installed sheet database) and times it, then types "wine bottle" letter
// by letter into a search over the whole catalogue, as the picker does on each
// keystroke. Reports the median and worst of each over a number of runs.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "printing/StockCatalogue.h"

namespace {

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString dataDir = args.value(1, QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR));
    const int runs = std::max(1, args.value(2, "20").toInt());
    const QStringList folders = catalogue::standardFolders(dataDir);

    std::vector<double> loads;
    catalogue::Catalogue c;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        c = catalogue::Catalogue::load(folders);
        loads.push_back(t.nsecsElapsed() / 1e6);
    }
    std::printf("catalogue: %zu products, %lld warnings, from %s\n", c.products.size(), (long long)c.warnings.size(),
                qPrintable(folders.join(", ")));
    std::printf("load: median %.1f ms, worst %.1f ms (%d runs)\n", median(loads),
                *std::max_element(loads.begin(), loads.end()), runs);

    // The first search builds the lower-case index: timed on its own.
    QElapsedTimer first;
    first.start();
    c.search("");
    std::printf("first search (index built): %.2f ms\n", first.nsecsElapsed() / 1e6);

    const QString typed = "wine bottle";
    std::printf("%-14s %8s %12s %12s\n", "typed", "found", "median ms", "worst ms");
    double worstOfAll = 0;
    for (int n = 1; n <= typed.size(); ++n) {
        const QString text = typed.left(n);
        std::vector<double> ms;
        size_t found = 0;
        for (int i = 0; i < runs; ++i) {
            QElapsedTimer t;
            t.start();
            found = c.search(text).size();
            ms.push_back(t.nsecsElapsed() / 1e6);
        }
        const double worst = *std::max_element(ms.begin(), ms.end());
        worstOfAll = std::max(worstOfAll, worst);
        std::printf("%-14s %8zu %12.3f %12.3f\n", qPrintable("\"" + text + "\""), found, median(ms), worst);
    }
    std::printf("slowest keystroke: %.3f ms (a frame is 16 ms)\n", worstOfAll);
    return 0;
}
