#include "PrintJob.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "DrawingSurface.h"
#include "SheetLayout.h"
#include "ShiftedSurface.h"
#include "document/LabelDocument.h"
#include "platform/Platform.h"

namespace printjob {

Request request(const LabelDocument& doc, const ProgramValues& settings, int copies,
                const stock::Placement& placement)
{
    Request r;
    r.content = doc.content();
    r.copies = copies;
    r.placement = placement;
    r.columnSpace = settings.columnSpace;
    r.rowSpace = settings.rowSpace;
    return r;
}

Request request(const std::vector<Request::Design>& designs, const ProgramValues& settings, int copies)
{
    Request r;
    if (!designs.empty())
        r.content = designs.front().content;
    r.designs = designs;
    r.copies = copies;
    r.columnSpace = settings.columnSpace;
    r.rowSpace = settings.rowSpace;
    return r;
}

sheet::Params sheetParams(const Request& request, double usableWidth, double usableHeight)
{
    const LabelSpec& label = request.sheetContent().label;
    sheet::Params p;
    p.W = label.LabelWidth;
    p.H = label.LabelHeight;
    p.leftMargin = label.LeftMargin;
    p.topMargin = label.TopMargin;
    p.C = request.columnSpace;
    p.R = request.rowSpace;
    p.SW = usableWidth;
    p.SH = usableHeight;
    p.cutmarks = label.Cutmarks;
    p.across = request.across;
    p.down = request.down;
    return p;
}

long long labelsOnSheet(const Request& request, double usableWidth, double usableHeight)
{
    return sheet::countLabels(sheetParams(request, usableWidth, usableHeight));
}

long long labelsOnSheet(LabelDocument& doc, double usableWidth, double usableHeight)
{
    return labelsOnSheet(request(doc, doc.app()), usableWidth, usableHeight);
}

QString sheetTooBigMessage(const sheet::Plan& plan)
{
    static_assert(sheet::MaxLabels == 10000, "the message names the limit");
    return QCoreApplication::translate("printjob",
                                       "The sheet cannot be printed: its layout would put more than 10,000 labels on "
                                       "one page (%1 across, %2 down). Please check the label size, the margins and "
                                       "the row and column spacing.")
        .arg(QString::number(plan.columns, 'f', 0), QString::number(plan.rows, 'f', 0));
}

namespace {

// "column 1", "columns 1 and 3", "rows 1, 2 and 3"
QString numbered(const char* one, const char* many, const std::vector<int>& n)
{
    QString list;
    for (size_t i = 0; i < n.size(); ++i) {
        if (i > 0)
            list += i + 1 == n.size() ? QCoreApplication::translate("printjob", " and ") : QString(", ");
        list += QString::number(n[i]);
    }
    return QCoreApplication::translate("printjob", n.size() > 1 ? many : one).arg(list);
}

} // namespace

QString unreachableMessage(const sheet::Params& params, const QRectF& printable)
{
    sheet::Params full = params;
    full.cutmarks = 0;
    full.skipLabels = 0;
    const sheet::Plan plan = sheet::plan(full);
    std::vector<double> xs, ys;
    for (const QRectF& r : plan.labels) {
        xs.push_back(r.x());
        ys.push_back(r.y());
    }
    for (auto* v : {&xs, &ys}) {
        std::sort(v->begin(), v->end());
        v->erase(std::unique(v->begin(), v->end()), v->end());
    }
    // Half a hundredth of an inch: well inside any printer's accuracy, and
    // what Qt's table of paper sizes rounds to (A4 is 8.27 x 11.69 in there,
    // so a sheet whose labels run to the paper's edge would otherwise lose
    // its last row to the rounding).
    constexpr double slack = 0.005;
    auto outside = [](const std::vector<double>& starts, double size, double lo, double hi) {
        std::vector<int> n;
        for (size_t i = 0; i < starts.size(); ++i)
            if (starts[i] < lo - slack || starts[i] + size > hi + slack)
                n.push_back(int(i) + 1);
        return n;
    };
    const std::vector<int> cols = outside(xs, params.W, printable.left(), printable.right());
    const std::vector<int> rows = outside(ys, params.H, printable.top(), printable.bottom());
    if (cols.empty() && rows.empty())
        return {};
    QString where;
    if (!cols.empty())
        where = numbered(QT_TRANSLATE_NOOP("printjob", "column %1"), QT_TRANSLATE_NOOP("printjob", "columns %1"), cols);
    if (!rows.empty())
        where += (where.isEmpty() ? QString() : QCoreApplication::translate("printjob", " and ")) +
                 numbered(QT_TRANSLATE_NOOP("printjob", "row %1"), QT_TRANSLATE_NOOP("printjob", "rows %1"), rows);
    return QCoreApplication::translate("printjob", "The printer cannot reach the whole of %1 of the sheet: what lies in its "
                                                   "unprintable border will be missing on the paper.")
        .arg(where);
}

void drawSheet(const sheet::Plan& plan, const LabelContent& content, DrawingSurface& surface)
{
    surface.setDrawWidth(1);
    surface.setForeColor(SysColorAppWorkspace);
    plan.draw([&](const QRectF& r) { surface.drawLabel(content, r.x(), r.y()); },
              [&](const QLineF& m) { surface.line(m.x1(), m.y1(), m.x2(), m.y2(), SysColorAppWorkspace); });
}

void drawSheet(const sheet::Plan& plan, size_t count, const std::function<LabelContent(size_t)>& content,
               DrawingSurface& surface)
{
    surface.setDrawWidth(1);
    surface.setForeColor(SysColorAppWorkspace);
    auto mark = [&](const QLineF& m) { surface.line(m.x1(), m.y1(), m.x2(), m.y2(), SysColorAppWorkspace); };
    size_t m = 0;
    for (size_t i = 0; i < std::min(count, plan.labels.size()); ++i) {
        for (; m < plan.marksBefore[i]; ++m)
            mark(plan.marks[m]);
        surface.drawLabel(content(i), plan.labels[i].x(), plan.labels[i].y());
    }
    for (; m < plan.marks.size(); ++m)
        mark(plan.marks[m]);
}

namespace {

// The sheets `labels` labels take, given what the first and the later sheets hold.
Extent labelsExtent(long long labels, long long onFirst, long long onSheet)
{
    if (labels <= onFirst || onSheet <= 0)
        return {labels, 1};
    return {labels, 1 + (labels - onFirst + onSheet - 1) / onSheet};
}

// The labels and sheets of a run, given what its first and its later sheets hold.
Extent runExtent(const merge::Run& run, long long onFirst, long long onSheet, int copies)
{
    if (!run.hasData())
        return {onFirst + (copies - 1) * onSheet, copies};
    return labelsExtent(run.dataLabels(), onFirst, onSheet);
}

using LabelFn = std::function<LabelContent(long long index, long long sheet)>;

// The labels of a print whose labels differ, sheet after sheet, `total` of
// them, label i's content from `label`; numbered on across the sheets. With
// `only` just that sheet is drawn (a preview's page).
void drawRun(long long total, const LabelFn& label, const sheet::Plan& first, const sheet::Plan& full,
             long long only, DrawingSurface& surface)
{
    const long long onSheet = (long long)full.labels.size();
    long long done = 0;
    for (long long sheet = 1;; ++sheet) {
        const sheet::Plan& plan = sheet == 1 ? first : full;
        const long long here = std::min<long long>((long long)plan.labels.size(), total - done);
        if (only == 0 || only == sheet)
            drawSheet(plan, size_t(here), [&](size_t i) { return label(done + (long long)i, sheet); }, surface);
        done += here;
        // A sheet that holds no label (only on a preview) ends the run.
        if (done >= total || onSheet == 0 || (only != 0 && sheet >= only))
            break;
        if (only == 0)
            surface.newPage();
    }
}

// The sheet label `index` (from 0) prints on.
long long sheetOf(long long index, long long onFirst, long long onSheet)
{
    return index < onFirst || onSheet == 0 ? 1 : 2 + (index - onFirst) / onSheet;
}

// Why some label's QR code cannot be made, naming the first such label; empty
// when every code can. Paper never gets half a code (the view and the preview
// show such a code crossed out).
QString unencodableMessage(merge::Run& run, const sheet::Plan& first, const sheet::Plan& full, int copies)
{
    const long long onFirst = (long long)first.labels.size(), onSheet = (long long)full.labels.size();
    const long long total = !run.qrFields() ? std::min(1LL, onFirst)
                            : run.hasData() ? run.dataLabels()
                                            : onFirst + (copies - 1) * onSheet;
    run.setTotal(total);
    for (long long i = 0; i < total; ++i) {
        const QString problem = run.qrProblem(i, sheetOf(i, onFirst, onSheet));
        if (!problem.isEmpty())
            return run.qrFields() ? QCoreApplication::translate("printjob", "The QR code of label %1 cannot be made: %2. Nothing was printed.")
                                        .arg(i + 1)
                                        .arg(problem)
                                  : QCoreApplication::translate("printjob", "A QR code cannot be made: %1. Nothing was printed.").arg(problem);
    }
    return {};
}

// The labels of several designs: each design's own run (its fields), label i
// drawn from the design at its place in the list, the list over again for
// every copy. The runs share the numbering: ${n} is the print's count.
class Designs {
public:
    explicit Designs(const Request& request)
    {
        merge::Source source = request.merge;
        source.data = nullptr;
        long long sum = 0;
        for (const Request::Design& d : request.designs) {
            m_runs.push_back(std::make_unique<merge::Run>(d.content, source));
            m_ends.push_back(sum += std::max(0LL, d.count));
        }
        m_total = sum * std::max(0, request.copies);
        for (auto& run : m_runs)
            run->setTotal(m_total);
    }
    long long total() const { return m_total; }
    LabelContent label(long long index, long long sheet) const { return run(index).label(index, sheet); }
    QStringList problems() const
    {
        QStringList all;
        for (const auto& run : m_runs)
            all << run->problems();
        return all;
    }
    // As unencodableMessage: every label of a design whose codes differ, the
    // first of each other design.
    QString unencodableMessage(long long onFirst, long long onSheet) const
    {
        const long long once = m_ends.empty() ? 0 : m_ends.back();
        for (long long i = 0; i < m_total; ++i) {
            const size_t k = design(i);
            const bool firstOfDesign = i < once && i == (k == 0 ? 0 : m_ends[k - 1]);
            if (!m_runs[k]->qrFields() && !firstOfDesign)
                continue;
            const QString problem = m_runs[k]->qrProblem(i, sheetOf(i, onFirst, onSheet));
            if (!problem.isEmpty())
                return QCoreApplication::translate("printjob", "The QR code of label %1 cannot be made: %2. Nothing was printed.")
                    .arg(i + 1)
                    .arg(problem);
        }
        return {};
    }

private:
    size_t design(long long index) const
    {
        const long long at = index % m_ends.back();
        return size_t(std::upper_bound(m_ends.begin(), m_ends.end(), at) - m_ends.begin());
    }
    const merge::Run& run(long long index) const { return *m_runs[design(index)]; }

    std::vector<std::unique_ptr<merge::Run>> m_runs;
    std::vector<long long> m_ends; // labels of the list up to and including each design
    long long m_total = 0;
};

// On paper: a run that makes no label is refused, and fields that cannot be
// filled print (marked) only when the user says so. The preview shows them.
bool runMayPrint(const QString& empty, const QStringList& fieldProblems, DrawingSurface& surface, Platform& platform)
{
    if (!surface.isPrinter())
        return true;
    bool ok = true;
    if (!empty.isEmpty()) {
        platform.message(empty, MsgIcon::Exclamation);
        ok = false;
    } else if (const QString problems = fields::problemsMessage(fieldProblems); !problems.isEmpty()) {
        ok = platform.messageBox(problems + "\n\n" + QCoreApplication::translate("printjob", "Print anyway, with these fields marked on the labels?"),
                                 MsgButtons::YesNo, MsgIcon::Exclamation, ProgramTitle) == MsgAnswer::Yes;
    }
    if (!ok)
        surface.abortDoc();
    return ok;
}

} // namespace

QString designsMismatch(const std::vector<Request::Design>& designs)
{
    if (designs.empty())
        return {};
    const Request::Design& first = designs.front();
    auto size = [](const LabelSpec& l) {
        return QCoreApplication::translate("printjob", "%1 x %2 in").arg(l.LabelWidth, 0, 'f', 3).arg(l.LabelHeight, 0, 'f', 3);
    };
    // Sizes are typed with three decimals: closer than that they are the same.
    constexpr double same = 0.0005;
    for (const Request::Design& d : designs)
        if (std::abs(d.content.label.LabelWidth - first.content.label.LabelWidth) > same ||
            std::abs(d.content.label.LabelHeight - first.content.label.LabelHeight) > same)
            return QCoreApplication::translate("printjob", "\"%1\" is %2, not the %3 of \"%4\": labels printed together must be the "
                                                 "same size.")
                       .arg(d.name, size(d.content.label), size(first.content.label), first.name) +
                   " " + QCoreApplication::translate("printjob", "Nothing was printed.");
    return {};
}

Extent extent(const Request& request, double usableWidth, double usableHeight)
{
    const long long onSheet = std::max(0LL, sheet::countLabels(sheetParams(request, usableWidth, usableHeight)));
    const long long onFirst = std::max(0LL, onSheet - std::max(0, request.placement.start - 1));
    if (!request.designs.empty())
        return labelsExtent(Designs(request).total(), onFirst, onSheet);
    return runExtent(merge::Run(request.content, request.merge), onFirst, onSheet, request.copies);
}

bool printLabels(const Request& request, DrawingSurface& target, Platform& platform, const StatusFn& status)
{
    const stock::Placement& placement = request.placement;
    ShiftedSurface shifted(target, placement.right, placement.down);
    DrawingSurface& surface = placement.shifted() ? static_cast<DrawingSurface&>(shifted) : target;
    auto say = [&](const QString& s) {
        if (status)
            status(s);
    };
    say(QCoreApplication::translate("printjob", "Printing"));
    platform.processEvents();
    if (!surface.ready()) {
        platform.message(NotAvailableMessage);
        say("");
        return false;
    }
    try {
        sheet::Params p = sheetParams(request, surface.scaleWidth(), surface.scaleHeight());
        // Every sheet is the same but a partly used first one: two plans at most.
        const sheet::Plan full = sheet::plan(p);
        if (full.tooBig) {
            if (surface.isPrinter())
                surface.abortDoc();
            platform.message(sheetTooBigMessage(full), MsgIcon::Exclamation);
            say("");
            return false;
        }
        const long long fits = (long long)full.labels.size();
        // A label larger than the paper would give blank sheets.
        if (surface.isPrinter() && fits == 0) {
            surface.abortDoc();
            platform.message(NoLabelFitsMessage, MsgIcon::Exclamation);
            say("");
            return false;
        }
        if (placement.start != 1) {
            const QString beyond = stock::startBeyondSheet(placement.start, fits);
            if (!beyond.isEmpty()) {
                if (surface.isPrinter())
                    surface.abortDoc();
                platform.message(QCoreApplication::translate("printjob", "Nothing was printed: %1.").arg(beyond), MsgIcon::Exclamation);
                say("");
                return false;
            }
        }
        if (surface.isPrinter()) {
            const QString unreachable = unreachableMessage(p, surface.printableArea());
            if (!unreachable.isEmpty())
                platform.message(unreachable, MsgIcon::Information);
        }
        p.skipLabels = placement.start - 1;
        const sheet::Plan first = placement.start != 1 ? sheet::plan(p) : full;
        if (!request.designs.empty()) {
            const QString mismatch = designsMismatch(request.designs);
            const Designs designs(request);
            QString refused = !mismatch.isEmpty() ? mismatch : designs.total() == 0 ? NoDesignLabelsMessage : QString();
            if (refused.isEmpty() && surface.isPrinter())
                refused = designs.unencodableMessage((long long)first.labels.size(), fits);
            if (!refused.isEmpty()) {
                if (surface.isPrinter())
                    surface.abortDoc();
                platform.message(refused, MsgIcon::Exclamation);
                say("");
                return false;
            }
            if (!runMayPrint({}, designs.problems(), surface, platform)) {
                say("");
                return false;
            }
            drawRun(designs.total(), [&](long long i, long long s) { return designs.label(i, s); }, first, full,
                    request.onlySheet, surface);
            say(QCoreApplication::translate("printjob", "Writing to Print Queue"));
            if (surface.isPrinter())
                surface.endDoc();
            say("");
            return true;
        }
        merge::Run run(request.content, request.merge);
        if (run.active() &&
            !runMayPrint(run.hasData() && run.dataLabels() == 0 ? NoDataLabelsMessage : QString(), run.problems(),
                         surface, platform)) {
            say("");
            return false;
        }
        if (surface.isPrinter()) {
            if (const QString bad = unencodableMessage(run, first, full, request.copies); !bad.isEmpty()) {
                surface.abortDoc();
                platform.message(bad, MsgIcon::Exclamation);
                say("");
                return false;
            }
        }
        if (run.active()) {
            const long long total =
                runExtent(run, (long long)first.labels.size(), fits, request.copies).labels;
            run.setTotal(total);
            drawRun(total, [&](long long i, long long s) { return run.label(i, s); }, first, full, request.onlySheet,
                    surface);
        }
        for (int copy = 1; !run.active() && copy <= request.copies; ++copy) {
            if (request.onlySheet != 0 && copy != request.onlySheet)
                continue;
            // Only the first sheet is partly used.
            drawSheet(copy == 1 ? first : full, request.content, surface);
            if (copy < request.copies && request.onlySheet == 0)
                surface.newPage();
        }
        say(QCoreApplication::translate("printjob", "Writing to Print Queue"));
        if (surface.isPrinter())
            surface.endDoc();
        say("");
        return true;
    } catch (const PrintError& e) {
        if (e.number == PrinterNotAvailable) {
            // Every later step would fail the same way; one message is enough.
            platform.message(NotAvailableMessage);
        } else {
            platform.message(QCoreApplication::translate("printjob", "Error%1: Terminating Print").arg(e.number));
            if (surface.isPrinter()) {
                try {
                    surface.endDoc();
                } catch (const PrintError&) {
                }
            }
        }
        say("");
        return false;
    }
}

} // namespace printjob
