#pragma once
// Where the labels of one sheet go and which cut marks are drawn, in inches.
#include <algorithm>
#include <cstdint>

namespace sheet {

struct Params;

constexpr double MarkLength = 0.1;

// A label fits when its far edge is on the paper: stock whose labels run to the
// paper's edge holds them all, whatever rounding the sums of inches bring.
constexpr double FitSlack = 1e-9;
inline bool fitsWithin(double start, double size, double limit) { return start + size <= limit + FitSlack; }

struct Params {
    double W = 0, H = 0;               // label width and height
    double leftMargin = 0, topMargin = 0;
    double C = 0, R = 0;               // column and row space
    double SW = 0, SH = 0;             // width and height of the paper
    int16_t cutmarks = 2;              // 0 none, 1 outside only, 2 inside/outside, 3 fine lines

    // Positions held as whole numbers (the options dialog's miniature counts in
    // twips): the start, the steps and every adjusted position are rounded to
    // the nearest whole number, halves to even.
    bool wholePositions = false;
    // Label positions left empty at the start of the sheet, counted as the walk
    // visits them (down each column, then the next column). Their backgrounds,
    // items and the cut marks that mark only their corners and edges are left out.
    long long skipLabels = 0;
};

// More labels than any real sheet holds: such a layout comes from a mistyped
// or damaged size, margin or spacing, and walking it would take for ever.
constexpr double MaxLabels = 10000;
constexpr double MaxPositions = 4 * MaxLabels;

// What a walk will visit: positions wholly left of or above the surface are
// skipped without stepping through them.
struct Plan {
    bool ok = false;                // false: the steps do not advance, nothing is drawn
    double startX = 0, startY = 0;  // first visited column and row
    long long skippedColumns = 0, skippedRows = 0;
    double columns = 0, rows = 0;   // positions visited across and down
    double labels = 0;              // labels drawn on the sheet
    bool tooBig() const { return ok && (labels > MaxLabels || columns * std::max(1.0, rows) > MaxPositions); }
};
Plan plan(const Params& p);

class Sink {
public:
    virtual ~Sink() = default;
    // A label fits with its top-left corner at (X, Y).
    virtual void label(double X, double Y) = 0;
    // A label would fit at (X, Y) but the position is left empty (Params::skipLabels).
    virtual void labelSkipped(double, double) {}
    // A cut-mark segment.
    virtual void segment(double x1, double y1, double x2, double y2) = 0;
    // The three cut-mark shapes; by default made of segments MarkLength beyond
    // the point (a cross) or beyond the label's edge (the lines).
    virtual void cross(const Params& p, double px, double py);
    virtual void topLine(const Params& p, double px, double py);
    virtual void sideLine(const Params& p, double px, double py);
    // The walk has finished a column.
    virtual void columnDone() {}
    // Columns (rows of every column) off the surface that were passed over.
    virtual void columnsSkipped(long long) {}
    virtual void rowsSkipped(long long) {}
};

// Returns false, drawing nothing, for a sheet of more than MaxLabels labels.
bool walk(const Params& p, Sink& sink);

// The labels the walk draws on a full sheet (skipLabels is not counted off);
// -1 for a sheet of more than MaxLabels labels.
long long countLabels(const Params& p);

} // namespace sheet
