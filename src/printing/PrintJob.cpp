#include "PrintJob.h"

#include <QPointF>
#include <algorithm>

#include "DrawingSurface.h"
#include "SheetLayout.h"
#include "ShiftedSurface.h"
#include "document/LabelDocument.h"
#include "platform/Platform.h"

namespace printjob {

namespace {

class JobSink : public sheet::Sink {
public:
    JobSink(LabelDocument& d, DrawingSurface& s, double ratio, double H, double R)
        : m_doc(d), m_s(s), m_ratio(ratio), m_H(H), m_R(R)
    {
        curLabelX = d.getLeftMargin();
        curLabelY = d.getTopMargin();
    }
    void label(double, double) override
    {
        const ProgramValues& app = m_doc.app();
        m_s.drawLabel(m_doc, app.printerOffsetX + curLabelX, app.printerOffsetY + curLabelY);
        curLabelY += m_H + m_R;
        m_s.setDrawWidth(1);
        m_s.setForeColor(SysColorAppWorkspace);
    }
    void labelSkipped(double, double) override { curLabelY += m_H + m_R; }
    void segment(double x1, double y1, double x2, double y2) override
    {
        m_s.line(x1, y1, x2, y2, SysColorAppWorkspace);
    }
    void columnDone() override
    {
        curLabelX += m_doc.getLabelWidth() + m_doc.app().columnSpace;
        curLabelY = m_doc.getTopMargin();
    }
    void columnsSkipped(long long n) override { curLabelX += double(n) * (m_doc.getLabelWidth() + m_doc.app().columnSpace); }
    void rowsSkipped(long long n) override { curLabelY += double(n) * (m_H + m_R); }
    double curLabelX, curLabelY;

private:
    LabelDocument& m_doc;
    DrawingSurface& m_s;
    double m_ratio, m_H, m_R;
};

// How far the label's drawing reaches right and down from its corner, in inches.
QPointF labelReach(const LabelDocument& doc)
{
    double r = doc.getLabelWidth(), b = doc.getLabelHeight();
    auto grow = [&](double left, double top, double w, double h) {
        r = std::max(r, (left + std::max(0.0, w)) / 1440.0);
        b = std::max(b, (top + std::max(0.0, h)) / 1440.0);
    };
    for (const auto& [i, g] : doc.graphics())
        grow(g.left, g.top, g.width, g.height);
    // Printer fonts may run a little wider than the screen's box.
    for (const auto& [i, t] : doc.texts())
        grow(t.left, t.top, t.width * 2, t.height * 2);
    return QPointF(r, b);
}

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
    p.offsetX = app.printerOffsetX;
    p.offsetY = app.printerOffsetY;
    p.SW = usableWidth;
    p.SH = usableHeight;
    p.cutmarks = doc.getCutmarks();
    const QPointF reach = labelReach(doc);
    p.reachX = reach.x();
    p.reachY = reach.y();
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
        for (int copy = 1; copy <= numCopies; ++copy) {
            JobSink sink(doc, surface, ratio, p.H, p.R);
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
            platform.message("Print Error: Printer not available, please check");
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
