#pragma once
// Sheets of a label written to a PDF file: the batch mode and the preview's
// Save to File share this, so both give the same file.
#include <QPageLayout>
#include <QString>

class LabelDocument;

namespace pdfexport {

// Writes numCopies sheets on the given paper, the first from label start on (no margins, the printable area
// is the whole page). The file appears at path only once it is complete; on
// failure nothing at path has changed and *why says what went wrong.
bool writeSheets(LabelDocument& doc, const QString& path, const QPageSize& paper,
                 QPageLayout::Orientation orientation, int numCopies, QString* why, int start = 1);

} // namespace pdfexport
