#include "PdfExport.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "PdfOutput.h"

namespace pdfexport {

bool writeSheets(const printjob::Request& request, Platform& platform, const QString& path, const QPageSize& paper,
                 QPageLayout::Orientation orientation, QString* why)
{
    if (QFileInfo(path).isDir()) {
        *why = QCoreApplication::translate("pdf", "it is a folder");
        return false;
    }
    // A margin-less page: the printable area is the whole paper.
    const QPageLayout layout(paper, orientation, QMarginsF(0, 0, 0, 0));
    const pdfout::Result r = pdfout::printPdf(request, platform, layout, 1200, path, why);
    if (r == pdfout::Result::PrintFailed && why->isEmpty())
        *why = QCoreApplication::translate("pdf", "drawing the sheet failed");
    return r == pdfout::Result::Written;
}

} // namespace pdfexport
