#include "SheetLayout.h"

#include <cmath>

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

void walk(const Params& p, Sink& sink)
{
    Marks marks(p, sink);
    auto at = [&p](double v) { return p.wholePositions ? std::nearbyint(v) : v; };
    const double x0 = at(p.offsetX + p.leftMargin), y0 = at(p.offsetY + p.topMargin);
    const double stepX = at(p.W + p.C), stepY = at(p.H + p.R);
    const double lastX = p.lastX.value_or(p.SW), lastY = p.lastY.value_or(p.SH);
    // A sheet whose steps do not advance would never end.
    if (!(stepX > 0) || !(stepY > 0) || !std::isfinite(x0) || !std::isfinite(y0))
        return;
    bool firstCol = true;
    for (double X = x0; X <= lastX; X = at(X + stepX)) {
        bool firstRow = true;
        for (double Y = y0; Y <= lastY; Y = at(Y + stepY)) {
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
        }
        sink.columnDone();
        firstCol = false;
    }
}

} // namespace sheet
