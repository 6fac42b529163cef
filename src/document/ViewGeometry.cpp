#include "ViewGeometry.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "app/Units.h"

namespace viewgeom {

ScrollLayout setScrollBars(const ScrollInput& in)
{
    ScrollLayout out;
    const int fw = in.windowW, fh = in.windowH;
    const int hbar = fw < in.surfaceW + in.widthAllowance ? in.hScrollH : 0;
    const int needH = in.statusH + in.surfaceH + in.heightAllowance + hbar;
    int vbar = 0;
    if (fh >= needH) {
        out.v.visible = false;
    } else {
        out.v.visible = true;
        out.v.max = needH - fh + 240;
        out.v.smallStep = units::CInt(out.v.max / 10.0);
        out.v.largeStep = units::CInt(out.v.max / 2.0);
        out.v.left = in.clientW - in.vScrollW - 120;
        out.v.top = in.vScrollTop;
        out.v.length = in.statusTop - in.vScrollTop;
        vbar = in.vScrollW;
    }
    const int needW = in.surfaceW + in.widthAllowance + vbar;
    if (fw >= needW) {
        out.h.visible = false;
        out.cornerVisible = false;
    } else {
        out.h.visible = true;
        out.h.max = needW - fw + 120;
        out.h.smallStep = units::CInt(out.h.max / 10.0);
        out.h.largeStep = units::CInt(out.h.max / 2.0);
        out.h.top = in.statusTop - in.hScrollH + 20;
        if (out.v.visible) {
            out.v.length -= in.hScrollH;
            out.h.length = out.v.left;
            out.cornerLeft = out.v.left;
            out.cornerTop = out.v.top + out.v.length;
            out.cornerVisible = true;
        } else {
            out.h.length = in.clientW - 120;
            out.cornerVisible = false;
        }
    }
    return out;
}

std::vector<int> gridPositions(int length, int step, int from, int to)
{
    std::vector<int> p;
    if (step <= 0)
        return p;
    // 64-bit, so that a step past the largest int ends the loop instead of wrapping.
    const long long last = std::min<long long>(length, to);
    long long x = from <= 0 ? 0 : (static_cast<long long>(from) + step - 1) / step * step;
    for (; x <= last; x += step)
        p.push_back(int(x));
    return p;
}

namespace {
constexpr std::array<double, 13> Steps{0.25, 1 / 3.0, 0.5, 2 / 3.0, 0.75, 1, 1.25, 1.5, 2, 3, 4, 6, 8};
// Steps compare by the percentage shown, so 33 % counts as the 1/3 step.
bool same(double a, double b) { return zoomPercent(a) == zoomPercent(b); }
} // namespace

double clampZoom(double zoom)
{
    if (!std::isfinite(zoom))
        return 1;
    return std::clamp(zoom, MinZoom, MaxZoom);
}

double zoomIn(double zoom)
{
    for (double s : Steps)
        if (s > zoom && !same(s, zoom))
            return s;
    return MaxZoom;
}

double zoomOut(double zoom)
{
    for (auto it = Steps.rbegin(); it != Steps.rend(); ++it)
        if (*it < zoom && !same(*it, zoom))
            return *it;
    return MinZoom;
}

double fitZoom(double roomW, double roomH, double needW, double needH)
{
    if (needW <= 0 || needH <= 0)
        return 1;
    const double fit = std::min(roomW / needW, roomH / needH);
    return clampZoom(std::floor(fit * 100 + 1e-9) / 100);
}

int zoomPercent(double zoom) { return int(std::lround(zoom * 100)); }

int scrollToKeep(double gap, double pointer, double labelPx, int max)
{
    return std::clamp(int(std::lround(gap + labelPx - pointer)), 0, std::max(0, max));
}

} // namespace viewgeom
