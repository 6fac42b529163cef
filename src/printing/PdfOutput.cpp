#include "PdfOutput.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPdfWriter>
#include <QPrinter>

#include "PainterSurface.h"
#include "platform/Platform.h"
#include "platform/SafeFile.h"

namespace pdfout {

QString writeFailedMessage(const QString& path, const QString& reason)
{
    return QCoreApplication::translate("pdf", "The PDF could not be written to \"%1\": %2").arg(path, reason);
}

Result printPdf(const printjob::Request& request, Platform& platform, const QPageLayout& layout, int resolution,
                const QString& path, QString* reason, const printjob::StatusFn& status)
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
        if (!printjob::printLabels(request, surface, platform, status))
            return Result::PrintFailed;
        surface.endDoc();
        if (!surface.succeeded()) {
            *reason = QCoreApplication::translate("pdf", "the PDF could not be made");
            return Result::WriteFailed;
        }
    }
    return file.finish("%%EOF", reason) ? Result::Written : Result::WriteFailed;
}

bool printOn(QPrinter& printer, const printjob::Request& request, Platform& platform, const printjob::StatusFn& status)
{
    if (printer.outputFormat() != QPrinter::PdfFormat || printer.outputFileName().isEmpty()) {
        PainterSurface surface(printer);
        return printjob::printLabels(request, surface, platform, status);
    }
    const QString path = printer.outputFileName();
    QString why;
    switch (printPdf(request, platform, printer.pageLayout(), printer.resolution(), path, &why, status)) {
    case Result::Written: return true;
    case Result::PrintFailed: return false;
    case Result::WriteFailed: break;
    }
    platform.message(writeFailedMessage(path, why), MsgIcon::Exclamation);
    return false;
}

} // namespace pdfout
