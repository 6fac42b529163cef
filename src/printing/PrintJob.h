#pragma once
// Prints sheets of the document's label onto a surface, one sheet a copy.
#include <QRectF>
#include <QString>
#include <functional>

#include "Stock.h"

class DrawingSurface;
class LabelDocument;

namespace sheet {
struct Params;
struct Plan;
}

namespace printjob {

// Told instead of printing a sheet that would hold more labels than any real one.
QString sheetTooBigMessage(const sheet::Plan& plan);

// The sheet the job walks on a surface of this usable size, in inches.
sheet::Params sheetParams(LabelDocument& doc, double usableWidth, double usableHeight);
// The labels a full sheet holds there; -1 for a sheet too big to print.
long long labelsOnSheet(LabelDocument& doc, double usableWidth, double usableHeight);

// Told before printing when some labels reach into the part of the paper the
// device cannot print on (which rows and columns); empty when it reaches them all.
QString unreachableMessage(const sheet::Params& params, const QRectF& printable);

// Told on every print that finds no printer to print on.
inline const QString NotAvailableMessage = QStringLiteral("Print Error: Printer not available, please check");

// Told instead of printing blank sheets.
inline const QString NoLabelFitsMessage = QStringLiteral(
    "Nothing was printed: no label fits on the sheet. The label with its margins is larger than the paper.");

using StatusFn = std::function<void(const QString&)>;

// Returns false when the job ended on an error (the user has been told).
// The first sheet starts at placement.start; every sheet is moved by the
// placement's adjustment.
bool printLabels(LabelDocument& doc, DrawingSurface& surface, double ratio, int numCopies,
                 const StatusFn& status = {}, const stock::Placement& placement = {});

} // namespace printjob
