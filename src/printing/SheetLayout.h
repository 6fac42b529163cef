#pragma once
// Where the labels of one sheet go and which cut marks are drawn: the sheet's
// plan, worked out once and drawn by every output (printer, preview, PDF, the
// options dialog's miniature). Units are the caller's (inches on paper, twips
// in the miniature), from the paper's corner.
#include <QLineF>
#include <QRectF>
#include <cstdint>
#include <vector>

namespace sheet {

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
    // How far a cut mark reaches before its point (or the label's edge) and beyond it.
    double markBefore = MarkLength, markBeyond = MarkLength;

    // Positions held as whole numbers (the options dialog's miniature counts in
    // twips): the start, the steps and every adjusted position are rounded to
    // the nearest whole number, halves to even.
    bool wholePositions = false;
    // Label positions left empty at the start of the sheet, counted as the walk
    // visits them (down each column, then the next column). Their backgrounds,
    // items and the cut marks that mark only their corners and edges are left out.
    long long skipLabels = 0;
    // A sheet bought with its labels cut: exactly this many labels across and
    // down, from the margins at the steps, whether or not the paper would hold
    // another column or row. 0 (either): as many as fit on the paper.
    int across = 0, down = 0;
    bool exact() const { return across > 0 && down > 0; }
};

// More labels than any real sheet holds: such a layout comes from a mistyped
// or damaged size, margin or spacing, and walking it would take for ever.
constexpr double MaxLabels = 10000;
constexpr double MaxPositions = 4 * MaxLabels;

// One sheet: every label position, in the order the sheet is walked (down each
// column, then the next column), and the cut marks.
struct Plan {
    bool tooBig = false;            // refused (more than MaxLabels): nothing is drawn
    double columns = 0, rows = 0;   // positions across and down that were considered
    std::vector<QRectF> labels;     // the labels printed
    std::vector<QRectF> empty;      // positions a partly used sheet leaves empty
    std::vector<QLineF> marks;      // cut-mark segments, in drawing order
    // marks[0, marksBefore[i]) are drawn before labels[i], so a label covers
    // the tips of the marks before it as it always has on paper.
    std::vector<size_t> marksBefore;

    // Draws labels and marks in their order: label(QRectF), mark(QLineF).
    template <class Label, class Mark> void draw(Label&& label, Mark&& mark) const
    {
        size_t m = 0;
        for (size_t i = 0; i < labels.size(); ++i) {
            for (; m < marksBefore[i]; ++m)
                mark(marks[m]);
            label(labels[i]);
        }
        for (; m < marks.size(); ++m)
            mark(marks[m]);
    }
};

Plan plan(const Params& p);

// The labels a full sheet holds (skipLabels is not counted off); -1 for a
// sheet of more than MaxLabels labels.
long long countLabels(const Params& p);

} // namespace sheet
