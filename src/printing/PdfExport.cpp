#include "PdfExport.h"

#include <QFileInfo>

#include "PdfOutput.h"
#include "document/LabelDocument.h"

namespace pdfexport {

bool writeSheets(LabelDocument& doc, const QString& path, const QPageSize& paper,
                 QPageLayout::Orientation orientation, int numCopies, QString* why, int start)
{
    if (QFileInfo(path).isDir()) {
        *why = "it is a folder";
        return false;
    }
    // A margin-less page: the printable area is the whole paper.
    const QPageLayout layout(paper, orientation, QMarginsF(0, 0, 0, 0));
    ProgramValues& app = doc.app();
    const double oldRatio = app.ratio;
    stock::Placement placement;
    placement.start = start;
    const pdfout::Result r = pdfout::printPdf(doc, layout, 1200, numCopies, path, why, {}, placement);
    app.ratio = oldRatio;
    if (r == pdfout::Result::PrintFailed && why->isEmpty())
        *why = "drawing the sheet failed";
    return r == pdfout::Result::Written;
}

} // namespace pdfexport
