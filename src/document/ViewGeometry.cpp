#include "ViewGeometry.h"

#include <algorithm>

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

} // namespace viewgeom
