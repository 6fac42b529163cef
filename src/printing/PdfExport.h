#pragma once
// Sheets of a label written to a PDF file: the batch mode and the preview's
// Save to File share this, so both give the same file.
#include <QPageLayout>
#include <QString>

#include "PrintJob.h"

class Platform;

namespace pdfexport {

// Writes the request's sheets on the given paper (no margins, the printable
// area is the whole page). The file appears at path only once it is complete;
// on failure nothing at path has changed and *why says what went wrong.
bool writeSheets(const printjob::Request& request, Platform& platform, const QString& path, const QPageSize& paper,
                 QPageLayout::Orientation orientation, QString* why);

} // namespace pdfexport
