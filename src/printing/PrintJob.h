#pragma once
// Prints sheets of a label onto a surface, one sheet a copy.
#include <QRectF>
#include <QString>
#include <functional>
#include <vector>

#include "DataMerge.h"
#include "SheetLayout.h"
#include "Stock.h"
#include "document/LabelContent.h"

class DrawingSurface;
class LabelDocument;
class Platform;
struct ProgramValues;

namespace printjob {

// One print, as the caller settles it: nothing program-wide is read or
// changed while it prints. The zoom of a preview is not part of it: the
// surface's scale carries it to the painter.
struct Request {
    // The label drawn at every position, with its size, margins and cut marks.
    // A copy: the items are shared with the document, not duplicated, and an
    // edit made while the job runs does not reach the paper half way.
    LabelContent content;
    int copies = 1;
    // The first position used on the first sheet and the printer adjustment.
    stock::Placement placement;
    // Inches between columns and rows.
    double columnSpace = 0, rowSpace = 0;
    // A product's sheet: exactly this many labels across and down (0: as many as fit).
    int across = 0, down = 0;
    // Where the fields of the label's texts are filled from. With data the
    // rows say how many labels print (copies is not used) and the sheets
    // follow; else `copies` sheets, each label numbered in turn.
    merge::Source merge;
    // Draws only this sheet (from 1), as a preview shows one at a time: the
    // labels before it are counted, not made. 0: every sheet.
    long long onlySheet = 0;

    // A print of several designs of one size, each its count of labels, one
    // after another filling the sheets (empty: `content` at every position).
    // The first design's sheet (margins, cut marks) is the print's; `content`
    // is not used. `copies` repeats the whole list, running on across the
    // sheets, and the fields number on across it all; data (`merge.data`) is
    // not used: only the numbering and the date are.
    struct Design {
        LabelContent content;
        long long count = 0;
        QString name; // for messages: the label's file or window title
    };
    std::vector<Design> designs;
    // The label whose size, margins and cut marks make the sheet.
    const LabelContent& sheetContent() const { return designs.empty() ? content : designs.front().content; }
};

// Why these designs cannot print together (the first one whose size is not the
// first's, both sizes named); empty when they can.
QString designsMismatch(const std::vector<Request::Design>& designs);
// Told for a list of designs that asks for no label.
inline const QString NoDesignLabelsMessage = QStringLiteral("Nothing was printed: no label was asked for.");

// What a print makes: its labels and the sheets they take.
struct Extent {
    long long labels = 0;
    long long sheets = 0;
};
// The print's labels and sheets on a surface of this usable size, in inches:
// with data as many as its rows make, else the copies' sheets.
Extent extent(const Request& request, double usableWidth, double usableHeight);

// A request for the document's label: spacing follows the current label
// settings, not the document's copies.
Request request(const LabelDocument& doc, const ProgramValues& settings, int copies = 1,
                const stock::Placement& placement = {});

// A request for several designs printed together, spaced as request() spaces one.
Request request(const std::vector<Request::Design>& designs, const ProgramValues& settings, int copies = 1);

// Told instead of printing a sheet that would hold more labels than any real one.
QString sheetTooBigMessage(const sheet::Plan& plan);

// The sheet the job walks on a surface of this usable size, in inches (a full
// sheet: the start position is the job's).
sheet::Params sheetParams(const Request& request, double usableWidth, double usableHeight);
// The labels a full sheet holds there; -1 for a sheet too big to print.
long long labelsOnSheet(const Request& request, double usableWidth, double usableHeight);
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

// Draws one sheet's plan: labels and cut marks in their order.
void drawSheet(const sheet::Plan& plan, const LabelContent& content, DrawingSurface& surface);

// Told when a print with data would make no label at all.
inline const QString NoDataLabelsMessage =
    QStringLiteral("Nothing was printed: every row of the data asks for 0 copies.");

// Draws the first `count` labels of a sheet's plan, label i's content from
// `content(i)`, and all its cut marks.
void drawSheet(const sheet::Plan& plan, size_t count, const std::function<LabelContent(size_t)>& content,
               DrawingSurface& surface);

// Returns false when the job ended on an error (the user has been told).
// The first sheet starts at the placement's start; every sheet is moved by the
// placement's adjustment.
bool printLabels(const Request& request, DrawingSurface& surface, Platform& platform, const StatusFn& status = {});

} // namespace printjob
