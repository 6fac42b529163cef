#include "PrintJob.h"

#include <algorithm>
#include <vector>

#include "DrawingSurface.h"
#include "SheetLayout.h"
#include "ShiftedSurface.h"
#include "document/LabelDocument.h"
#include "platform/Platform.h"

namespace printjob {

namespace {

class JobSink : public sheet::Sink {
public:
    JobSink(LabelDocument& d, DrawingSurface& s) : m_doc(d), m_s(s) {}
    void label(double X, double Y) override
    {
        m_s.drawLabel(m_doc, X, Y);
        m_s.setDrawWidth(1);
        m_s.setForeColor(SysColorAppWorkspace);
    }
    void segment(double x1, double y1, double x2, double y2) override
    {
        m_s.line(x1, y1, x2, y2, SysColorAppWorkspace);
    }

private:
    LabelDocument& m_doc;
    DrawingSurface& m_s;
};

} // namespace

sheet::Params sheetParams(LabelDocument& doc, double usableWidth, double usableHeight)
{
    const ProgramValues& app = doc.app();
    sheet::Params p;
    p.W = doc.getLabelWidth();
    p.H = doc.getLabelHeight();
    p.leftMargin = doc.getLeftMargin();
    p.topMargin = doc.getTopMargin();
    // Spacing follows the current label settings, not the document's copies.
    p.C = app.columnSpace;
    p.R = app.rowSpace;
    p.SW = usableWidth;
    p.SH = usableHeight;
    p.cutmarks = doc.getCutmarks();
    return p;
}

long long labelsOnSheet(LabelDocument& doc, double usableWidth, double usableHeight)
{
    return sheet::countLabels(sheetParams(doc, usableWidth, usableHeight));
}

QString sheetTooBigMessage(const sheet::Plan& plan)
{
    static_assert(sheet::MaxLabels == 10000, "the message names the limit");
    return QString("The sheet cannot be printed: its layout would put more than 10,000 labels on one page "
                   "(%1 across, %2 down). Please check the label size, the margins and the row and column spacing.")
        .arg(QString::number(plan.columns, 'f', 0), QString::number(plan.rows, 'f', 0));
}

namespace {

// "column 1", "columns 1 and 3", "rows 1, 2 and 3"
QString numbered(const QString& what, const std::vector<int>& n)
{
    QString list;
    for (size_t i = 0; i < n.size(); ++i) {
        if (i > 0)
            list += i + 1 == n.size() ? " and " : ", ";
        list += QString::number(n[i]);
    }
    return what + (n.size() > 1 ? "s " : " ") + list;
}

} // namespace

QString unreachableMessage(const sheet::Params& params, const QRectF& printable)
{
    struct Positions : sheet::Sink {
        std::vector<double> xs, ys;
        void label(double X, double Y) override { add(xs, X), add(ys, Y); }
        void labelSkipped(double X, double Y) override { label(X, Y); }
        void segment(double, double, double, double) override {}
        static void add(std::vector<double>& v, double a)
        {
            if (std::find(v.begin(), v.end(), a) == v.end())
                v.push_back(a);
        }
    } pos;
    sheet::Params full = params;
    full.cutmarks = 0;
    full.skipLabels = 0;
    if (!sheet::walk(full, pos))
        return {};
    std::sort(pos.xs.begin(), pos.xs.end());
    std::sort(pos.ys.begin(), pos.ys.end());
    // A thousandth of an inch is well inside any printer's accuracy.
    constexpr double slack = 0.001;
    auto outside = [](const std::vector<double>& starts, double size, double lo, double hi) {
        std::vector<int> n;
        for (size_t i = 0; i < starts.size(); ++i)
            if (starts[i] < lo - slack || starts[i] + size > hi + slack)
                n.push_back(int(i) + 1);
        return n;
    };
    const std::vector<int> cols = outside(pos.xs, params.W, printable.left(), printable.right());
    const std::vector<int> rows = outside(pos.ys, params.H, printable.top(), printable.bottom());
    if (cols.empty() && rows.empty())
        return {};
    QString where;
    if (!cols.empty())
        where = numbered("column", cols);
    if (!rows.empty())
        where += (where.isEmpty() ? "" : " and ") + numbered("row", rows);
    return "The printer cannot reach the whole of " + where +
           " of the sheet: what lies in its unprintable border will be missing on the paper.";
}

bool printLabels(LabelDocument& doc, DrawingSurface& target, double ratio, int numCopies, const StatusFn& status,
                 const stock::Placement& placement)
{
    ShiftedSurface shifted(target, placement.right, placement.down);
    DrawingSurface& surface = placement.shifted() ? static_cast<DrawingSurface&>(shifted) : target;
    ProgramValues& app = doc.app();
    Platform& platform = doc.platform();
    app.ratio = ratio;
    auto say = [&](const QString& s) {
        if (status)
            status(s);
    };
    say("Printing");
    platform.processEvents();
    if (!surface.ready()) {
        platform.message(NotAvailableMessage);
        say("");
        return false;
    }
    try {
        sheet::Params p = sheetParams(doc, surface.scaleWidth(), surface.scaleHeight());
        const sheet::Plan plan = sheet::plan(p);
        if (plan.tooBig()) {
            if (surface.isPrinter())
                surface.abortDoc();
            platform.message(sheetTooBigMessage(plan), MsgIcon::Exclamation);
            say("");
            return false;
        }
        // A label larger than the paper would give blank sheets.
        if (surface.isPrinter() && sheet::countLabels(p) == 0) {
            surface.abortDoc();
            platform.message(NoLabelFitsMessage, MsgIcon::Exclamation);
            say("");
            return false;
        }
        if (placement.start != 1) {
            const QString beyond = stock::startBeyondSheet(placement.start, sheet::countLabels(p));
            if (!beyond.isEmpty()) {
                if (surface.isPrinter())
                    surface.abortDoc();
                platform.message("Nothing was printed: " + beyond + ".", MsgIcon::Exclamation);
                say("");
                return false;
            }
        }
        if (surface.isPrinter()) {
            const QString unreachable = unreachableMessage(p, surface.printableArea());
            if (!unreachable.isEmpty())
                platform.message(unreachable, MsgIcon::Information);
        }
        for (int copy = 1; copy <= numCopies; ++copy) {
            JobSink sink(doc, surface);
            // Only the first sheet is partly used.
            p.skipLabels = copy == 1 ? placement.start - 1 : 0;
            sheet::walk(p, sink);
            if (copy < numCopies)
                surface.newPage();
        }
        say("Writing to Print Queue");
        if (surface.isPrinter())
            surface.endDoc();
        say("");
        return true;
    } catch (const PrintError& e) {
        if (e.number == PrinterNotAvailable) {
            // Every later step would fail the same way; one message is enough.
            platform.message(NotAvailableMessage);
        } else {
            platform.message("Error" + QString::number(e.number) + ": Terminating Print");
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
