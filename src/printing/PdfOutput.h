#pragma once
// Printing onto a printer, or into a PDF file that is written whole or not at all.
#include <QString>

#include "PrintJob.h"

class Platform;
class QPageLayout;
class QPrinter;

namespace pdfout {

enum class Result {
    Written,      // every sheet printed (and the PDF file written)
    PrintFailed,  // the print job failed; the user has been told
    WriteFailed,  // printed, but the PDF file could not be written: see reason
};

// The sheets go to a temporary file beside the target; the file appears,
// complete, only after every byte of it is known to be on disk. A full disk or an unwritable folder
// leaves no file (and any earlier file of that name as it was).
Result printPdf(const printjob::Request& request, Platform& platform, const QPageLayout& layout, int resolution,
                const QString& path, QString* reason, const printjob::StatusFn& status = {});

QString writeFailedMessage(const QString& path, const QString& reason);

// The print command's job on a printer chosen in the print dialog, which may
// be "print to file" (a PDF): a PDF that cannot be written is reported.
bool printOn(QPrinter& printer, const printjob::Request& request, Platform& platform,
             const printjob::StatusFn& status = {});

} // namespace pdfout
