#include "SheetLayout.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace sheet {

void Sink::cross(const Params&, double px, double py)
{
    segment(px - MarkLength, py, px + MarkLength, py);
    segment(px, py - MarkLength, px, py + MarkLength);
}

void Sink::topLine(const Params& p, double px, double py) { segment(px - MarkLength, py, px + p.W + MarkLength, py); }

void Sink::sideLine(const Params& p, double px, double py) { segment(px, py - MarkLength, px, py + p.H + MarkLength); }

namespace {

class Marks {
public:
    Marks(const Params& p, Sink& s) : m_p(p), m_s(s) {}
    void cross(double px, double py) { m_s.cross(m_p, px, py); }
    void topLine(double px, double py) { m_s.topLine(m_p, px, py); }
    void sideLine(double px, double py) { m_s.sideLine(m_p, px, py); }
    void both(double px, double py)
    {
        topLine(px, py);
        sideLine(px, py);
    }

    void atLabel(double X, double Y, bool firstCol, bool firstRow)
    {
        const double R = m_p.R, C = m_p.C;
        switch (m_p.cutmarks) {
        case 1:
            if (firstCol || firstRow)
                cross(X, Y);
            if (R > 0 && firstCol && !firstRow)
                cross(X, Y - R);
            if (C > 0 && firstRow && !firstCol)
                cross(X - C, Y);
            break;
        case 2:
            cross(X, Y);
            if (R > 0 && !firstRow)
                cross(X, Y - R);
            if (C > 0 && !firstCol)
                cross(X - C, Y);
            if (R > 0 && C > 0 && !firstCol && !firstRow)
                cross(X - C, Y - R);
            break;
        case 3:
            both(X, Y);
            if (R > 0 && !firstRow)
                both(X, Y - R);
            if (C > 0 && !firstCol)
                both(X - C, Y);
            if (R > 0 && C > 0 && !firstCol && !firstRow)
                both(X - C, Y - R);
            break;
        default:
            break;
        }
    }

    void closing(double X, double Y, bool firstCol, bool firstRow, bool fitsX, bool fitsY)
    {
        const double R = m_p.R, C = m_p.C;
        switch (m_p.cutmarks) {
        case 1:
        case 2:
            cross(X, Y);
            if (!firstRow && fitsY)
                cross(X, Y - R);
            if (C > 0 && !firstCol && fitsX)
                cross(X - C, Y);
            break;
        case 3:
            if (fitsX)
                topLine(X, Y);
            if (fitsY)
                sideLine(X, Y);
            if (R > 0 && !firstCol && !firstRow && fitsY)
                sideLine(X, Y - R);
            if (C > 0 && !firstCol && fitsX)
                topLine(X - C, Y);
            break;
        default:
            break;
        }
    }

private:
    const Params& m_p;
    Sink& m_s;
};

} // namespace

namespace {

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

// How many of start, start + step, ... are <= limit (or < limit when strict).
double countUpTo(double start, double step, double limit, bool strict)
{
    if (strict ? !(start < limit) : !(start <= limit))
        return 0;
    return std::floor((limit - start) / step) + 1;
}

} // namespace

Plan plan(const Params& p)
{
    Plan out;
    const double stepX = p.W + p.C, stepY = p.H + p.R;
    if (!(stepX > 0) || !(stepY > 0) || !std::isfinite(stepX) || !std::isfinite(stepY))
        return out;
    // Nothing a position draws reaches further right (down) than this from its corner:
    // its label's items, marks beyond the label, and the marks of the gap before it.
    const double reachX = std::max(p.W, p.reachX) + std::max(0.0, -p.C) + MarkLength;
    const double reachY = std::max(p.H, p.reachY) + std::max(0.0, -p.R) + MarkLength;
    const double x0 = p.offsetX + p.leftMargin, y0 = p.offsetY + p.topMargin;
    if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(reachX) || !std::isfinite(reachY))
        return out;
    out.startX = firstFrom(x0, stepX, -reachX, &out.skippedColumns);
    out.startY = firstFrom(y0, stepY, -reachY, &out.skippedRows);
    out.columns = countUpTo(out.startX, stepX, p.SW, false);
    out.rows = countUpTo(out.startY, stepY, p.SH, false);
    out.labels = countUpTo(out.startX, stepX, p.SW - p.W, true) * countUpTo(out.startY, stepY, p.SH - p.H, true);
    out.ok = true;
    return out;
}

bool walk(const Params& p, Sink& sink)
{
    const Plan pl = plan(p);
    // A sheet whose steps do not advance would never end.
    if (!pl.ok)
        return true;
    if (pl.tooBig())
        return false;
    Marks marks(p, sink);
    auto at = [&p](double v) { return p.wholePositions ? std::nearbyint(v) : v; };
    const double stepX = at(p.W + p.C), stepY = at(p.H + p.R);
    if (!(stepX > 0) || !(stepY > 0))
        return true;
    const double lastX = p.lastX.value_or(p.SW), lastY = p.lastY.value_or(p.SH);
    bool firstCol = pl.skippedColumns == 0;
    if (pl.skippedColumns > 0)
        sink.columnsSkipped(pl.skippedColumns);
    for (double X = at(pl.startX); X <= lastX; X = at(X + stepX)) {
        bool firstRow = pl.skippedRows == 0;
        if (pl.skippedRows > 0)
            sink.rowsSkipped(pl.skippedRows);
        for (double Y = at(pl.startY); Y <= lastY; Y = at(Y + stepY)) {
            const double rowY = Y;
            const bool fitsX = X + p.W < p.SW;
            if (!fitsX)
                X = at(X - p.C);
            const bool fitsY = Y + p.H < p.SH;
            if (!fitsY)
                Y = at(Y - p.R);
            if (fitsX && fitsY) {
                sink.label(X, Y);
                marks.atLabel(X, Y, firstCol, firstRow);
            } else {
                marks.closing(X, Y, firstCol, firstRow, fitsX, fitsY);
            }
            if (!fitsX)
                X = at(X + p.C);
            firstRow = false;
            // A label of no height past the last row would stand still.
            if (!(Y + stepY > rowY))
                break;
        }
        sink.columnDone();
        firstCol = false;
    }
    return true;
}

} // namespace sheet
