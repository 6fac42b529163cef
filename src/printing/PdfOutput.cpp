#include "PdfOutput.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>

#include "PainterSurface.h"
#include "document/LabelDocument.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

namespace pdfout {

QString writeFailedMessage(const QString& path, const QString& reason)
{
    return "The PDF could not be written to \"" + path + "\": " + reason;
}

Result printPdf(LabelDocument& doc, const QPageLayout& layout, int resolution, int copies, const QString& path,
                QString* reason, const printjob::StatusFn& status, const stock::Placement& placement)
{
    // Straight to a temporary file beside the target: thousands of sheets
    // would not fit in memory.
    safefile::Stream file(path);
    if (!file.start(reason))
        return Result::WriteFailed;
    {
        QPdfWriter writer(&file);
        writer.setResolution(resolution);
        writer.setPageLayout(layout);
        writer.setCreator("Corkcrafter");
        PainterSurface surface(writer);
        if (!printjob::printLabels(doc, surface, 1.0, copies, status, placement))
            return Result::PrintFailed;
        surface.endDoc();
        if (!surface.succeeded()) {
            *reason = "the PDF could not be made";
            return Result::WriteFailed;
        }
    }
    return file.finish("%%EOF", reason) ? Result::Written : Result::WriteFailed;
}

bool printOn(QPrinter& printer, LabelDocument& doc, int copies, const printjob::StatusFn& status,
             const stock::Placement& placement)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        PainterSurface surface(printer);
        return printjob::printLabels(doc, surface, 1.0, copies, status, placement);
    }
    const QString path = printer.outputFileName();
    QString why;
    switch (printPdf(doc, printer.pageLayout(), printer.resolution(), copies, path, &why, status, placement)) {
    case Result::Written: return true;
    case Result::PrintFailed: return false;
    case Result::WriteFailed: break;
    }
    doc.platform().message(writeFailedMessage(path, why), MsgIcon::Exclamation);
    return false;
}

} // namespace pdfout
