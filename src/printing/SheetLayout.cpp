#include "SheetLayout.h"

#include <algorithm>
#include <cmath>

namespace sheet {

namespace {

// Which label positions a mark belongs to: every mark stands at a corner of a
// label, and with positions left empty at the start of the sheet a mark at
// the corner of an empty position only is left out.
struct Owners {
    long long skip = 0;      // positions left empty, in walk order
    long long col = 0, row = 0;
    long long rowsFit = 0;   // labels in a column (the first column's, known once it is done)
    // The label position (col + dc, row + dr) is printed on.
    bool printed(long long dc, long long dr) const
    {
        if (skip <= 0)
            return true;
        const long long c = col + dc;
        long long r = row + dr;
        // Positions off the page before the first one count as empty.
        if (c < 0 || r < 0)
            return false;
        // A second closing position below a column still belongs to its last label.
        if (rowsFit > 0)
            r = std::min(r, rowsFit - 1);
        return c * rowsFit + r >= skip;
    }
};

class Marks {
public:
    Marks(const Params& p, Plan& out, const Owners& o) : m_p(p), m_out(out), m_o(o) {}
    // Each shape names the position, relative to the current one, whose corner it marks.
    void cross(int dc, int dr, double px, double py)
    {
        if (m_o.printed(dc, dr)) {
            segment(px - m_p.markBefore, py, px + m_p.markBeyond, py);
            segment(px, py - m_p.markBefore, px, py + m_p.markBeyond);
        }
    }
    void topLine(int dc, int dr, double px, double py)
    {
        if (m_o.printed(dc, dr))
            segment(px - m_p.markBefore, py, px + m_p.W + m_p.markBeyond, py);
    }
    void sideLine(int dc, int dr, double px, double py)
    {
        if (m_o.printed(dc, dr))
            segment(px, py - m_p.markBefore, px, py + m_p.H + m_p.markBeyond);
    }
    void both(int dc, int dr, double px, double py)
    {
        topLine(dc, dr, px, py);
        sideLine(dc, dr, px, py);
    }

    void atLabel(double X, double Y, bool firstCol, bool firstRow)
    {
        const double R = m_p.R, C = m_p.C;
        switch (m_p.cutmarks) {
        case 1:
            if (firstCol || firstRow)
                cross(0, 0, X, Y);
            if (R > 0 && firstCol && !firstRow)
                cross(0, -1, X, Y - R);
            if (C > 0 && firstRow && !firstCol)
                cross(-1, 0, X - C, Y);
            break;
        case 2:
            cross(0, 0, X, Y);
            if (R > 0 && !firstRow)
                cross(0, -1, X, Y - R);
            if (C > 0 && !firstCol)
                cross(-1, 0, X - C, Y);
            if (R > 0 && C > 0 && !firstCol && !firstRow)
                cross(-1, -1, X - C, Y - R);
            break;
        case 3:
            both(0, 0, X, Y);
            if (R > 0 && !firstRow)
                both(0, -1, X, Y - R);
            if (C > 0 && !firstCol)
                both(-1, 0, X - C, Y);
            if (R > 0 && C > 0 && !firstCol && !firstRow)
                both(-1, -1, X - C, Y - R);
            break;
        default:
            break;
        }
    }

    // Past the last row the point (X, Y) is the bottom-left corner of the
    // column's last label; past the last column, the top-right corner of the
    // label to the left; past both, the bottom-right corner of the last label.
    void closing(double X, double Y, bool firstCol, bool firstRow, bool fitsX, bool fitsY)
    {
        const double R = m_p.R, C = m_p.C;
        const int dc = fitsX ? 0 : -1, dr = fitsY ? 0 : -1;
        switch (m_p.cutmarks) {
        case 1:
        case 2:
            cross(dc, dr, X, Y);
            if (!firstRow && fitsY)
                cross(-1, -1, X, Y - R);
            if (C > 0 && !firstCol && fitsX)
                cross(-1, -1, X - C, Y);
            break;
        case 3:
            if (fitsX)
                topLine(dc, dr, X, Y);
            if (fitsY)
                sideLine(dc, dr, X, Y);
            if (R > 0 && !firstCol && !firstRow && fitsY)
                sideLine(-1, -1, X, Y - R);
            if (C > 0 && !firstCol && fitsX)
                topLine(-1, -1, X - C, Y);
            break;
        default:
            break;
        }
    }

private:
    void segment(double x1, double y1, double x2, double y2) { m_out.marks.emplace_back(x1, y1, x2, y2); }

    const Params& m_p;
    Plan& m_out;
    const Owners& m_o;
};

// The first position start + k * step (k >= 0) at or past `lowest`, found
// without stepping through the positions before it.
double firstFrom(double start, double step, double lowest, long long* skipped)
{
    *skipped = 0;
    if (start >= lowest)
        return start;
    // The positions are start + k * step; fmod is exact, so r + j * step lands
    // on the same places near the page however far off it the sheet starts.
    const double r = std::fmod(start, step);
    const double first = r + std::ceil((lowest - r) / step) * step;
    const double k = std::round((first - start) / step);
    *skipped = k < 9e18 ? (long long)k : (long long)9e18;
    return first;
}

// How many of start, start + step, ... are <= limit.
double countUpTo(double start, double step, double limit)
{
    if (!(start <= limit))
        return 0;
    return std::floor((limit - start) / step) + 1;
}

// What a walk will visit: positions wholly left of or above the paper are
// skipped without stepping through them.
struct Extent {
    bool ok = false;                // false: the steps do not advance, nothing is drawn
    double startX = 0, startY = 0;  // first visited column and row
    long long skippedColumns = 0, skippedRows = 0;
    double columns = 0, rows = 0;   // positions visited across and down
    double labels = 0;              // labels drawn on the sheet
    bool tooBig() const { return ok && (labels > MaxLabels || columns * std::max(1.0, rows) > MaxPositions); }
};

Extent extent(const Params& p)
{
    Extent out;
    const double stepX = p.W + p.C, stepY = p.H + p.R;
    if (!(stepX > 0) || !(stepY > 0) || !std::isfinite(stepX) || !std::isfinite(stepY))
        return out;
    // Nothing a position draws reaches further right (down) than this from its corner:
    // its label (clipped to itself), marks beyond it, and the marks of the gap before it.
    const double reachX = p.W + std::max(0.0, -p.C) + MarkLength;
    const double reachY = p.H + std::max(0.0, -p.R) + MarkLength;
    const double x0 = p.leftMargin, y0 = p.topMargin;
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(reachX) || !std::isfinite(reachY))
        return out;
    if (p.exact()) {
        out.startX = x0;
        out.startY = y0;
        out.columns = p.across;
        out.rows = p.down;
        out.labels = double(p.across) * p.down;
        out.ok = true;
        return out;
    }
    out.startX = firstFrom(x0, stepX, -reachX, &out.skippedColumns);
    out.startY = firstFrom(y0, stepY, -reachY, &out.skippedRows);
    out.columns = countUpTo(out.startX, stepX, p.SW);
    out.rows = countUpTo(out.startY, stepY, p.SH);
    out.labels = countUpTo(out.startX, stepX, p.SW - p.W + FitSlack) * countUpTo(out.startY, stepY, p.SH - p.H + FitSlack);
    out.ok = true;
    return out;
}

} // namespace

Plan plan(const Params& p)
{
    Plan out;
    const Extent pl = extent(p);
    // A sheet whose steps do not advance would never end.
    if (!pl.ok)
        return out;
    out.columns = pl.columns;
    out.rows = pl.rows;
    out.tooBig = pl.tooBig();
    if (out.tooBig)
        return out;
    Owners owners;
    owners.skip = p.skipLabels;
    Marks marks(p, out, owners);
    auto at = [&p](double v) { return p.wholePositions ? std::nearbyint(v) : v; };
    const double stepX = at(p.W + p.C), stepY = at(p.H + p.R);
    if (!(stepX > 0) || !(stepY > 0))
        return out;
    bool firstCol = pl.skippedColumns == 0;
    long long fitRows = 0;
    // An exact sheet visits one position past its last column and row, for the closing marks.
    const bool exact = p.exact();
    auto moreColumns = [&](double X) { return exact ? owners.col <= p.across : X <= p.SW; };
    auto moreRows = [&](double Y) { return exact ? owners.row <= p.down : Y <= p.SH; };
    for (double X = at(pl.startX); moreColumns(X); X = at(X + stepX), ++owners.col) {
        owners.row = 0;
        bool firstRow = pl.skippedRows == 0;
        for (double Y = at(pl.startY); moreRows(Y); Y = at(Y + stepY)) {
            const double rowY = Y;
            const bool fitsX = exact ? owners.col < p.across : fitsWithin(X, p.W, p.SW);
            if (!fitsX)
                X = at(X - p.C);
            const bool fitsY = exact ? owners.row < p.down : fitsWithin(Y, p.H, p.SH);
            if (!fitsY)
                Y = at(Y - p.R);
            if (owners.col == 0 && fitsY)
                owners.rowsFit = ++fitRows;
            if (fitsX && fitsY) {
                if (owners.printed(0, 0)) {
                    out.labels.emplace_back(X, Y, p.W, p.H);
                    out.marksBefore.push_back(out.marks.size());
                } else {
                    out.empty.emplace_back(X, Y, p.W, p.H);
                }
                marks.atLabel(X, Y, firstCol, firstRow);
            } else {
                marks.closing(X, Y, firstCol, firstRow, fitsX, fitsY);
            }
            if (!fitsX)
                X = at(X + p.C);
            firstRow = false;
            ++owners.row;
            // A label of no height past the last row would stand still.
            if (!(Y + stepY > rowY))
                break;
        }
        firstCol = false;
    }
    return out;
}

long long countLabels(const Params& p)
{
    Params full = p;
    full.skipLabels = 0;
    full.cutmarks = 0;
    const Plan whole = plan(full);
    return whole.tooBig ? -1 : (long long)whole.labels.size();
}

} // namespace sheet
