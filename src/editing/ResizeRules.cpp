#include "ResizeRules.h"

namespace resize {

namespace {
std::optional<QRectF> accepted(double l, double t, double w, double h)
{
    if (w < 0 || h < 0)
        return std::nullopt;
    return QRectF(l, t, w, h);
}
} // namespace

std::optional<QRectF> overSurface(const QRectF& b, const Drag& d)
{
    const double L = b.left(), T = b.top(), W = b.width(), H = b.height();
    const double Px = d.pointer.x(), Py = d.pointer.y(), r = d.ratio;
    double l = L, t = T, w = W, h = H;
    // Where the rules keep the height from the width, they take the width
    // before this step: the height catches up one step later.
    enum { HeightFromWidth, WidthFromHeight } aspect = HeightFromWidth;
    switch (d.handle) {
    case 0: l = Px; t = Py; w = W + L - Px; h = H + T - Py; break;
    case 1: t = Py; h = H + T - Py; aspect = WidthFromHeight; break;
    case 2: t = Py; w = Px - L; h = H + T - Py; break;
    case 3: l = Px; w = W + L - Px; break;
    case 4: w = Px - L; break;
    case 5: l = Px; w = W + L - Px; h = Py - T; break;
    case 6: h = Py - T; aspect = WidthFromHeight; break;
    case 7: w = Px - L; h = Py - T; aspect = WidthFromHeight; break;
    default: return std::nullopt;
    }
    if (d.keepAspect) {
        if (aspect == HeightFromWidth)
            h = W * r;
        else
            w = h / r;
    }
    return accepted(l, t, w, h);
}

std::optional<QRectF> typedBox(const QRectF& before, const QRectF& typed, bool keepAspect, double ratio)
{
    double w = typed.width(), h = typed.height();
    if (keepAspect && ratio > 0) {
        if (w != before.width())
            h = w * ratio;
        else if (h != before.height())
            w = h / ratio;
    }
    if (w <= 0 || h <= 0)
        return std::nullopt;
    return QRectF(typed.left(), typed.top(), w, h);
}

std::optional<QRectF> overItem(const QRectF& b, const Drag& d)
{
    const double L = b.left(), T = b.top(), H = b.height();
    const double W0 = d.start.width(), H0 = d.start.height();
    const double gx = d.grab.x(), gy = d.grab.y();
    const double Px = d.pointer.x(), Py = d.pointer.y(), r = d.ratio;
    double l = L, t = T, w = W0, h = H0;
    switch (d.handle) {
    case 0:
        l = Px, t = Py, w = W0 + gx - Px, h = H0 + gy - Py;
        if (d.keepAspect)
            h = H0 + (gx - Px) * r;
        break;
    case 1:
        t = Py, h = H0 + gy - Py;
        if (d.keepAspect)
            w = h / r;
        break;
    case 2:
        t = Py, w = W0 + Px - gx, h = H0 + gy - Py;
        if (d.keepAspect)
            h = w * r;
        break;
    case 3:
        l = Px, w = W0 + gx - Px;
        if (d.keepAspect)
            h = H0 + (gx - Px) * r;
        break;
    case 4:
        w = W0 + Px - gx, h = H; // the height is not touched
        if (d.keepAspect)
            h = w * r;
        break;
    case 5:
        l = Px, w = W0 + gx - Px, h = H0 + Py - gy;
        if (d.keepAspect)
            h = H0 + (gx - Px) * r;
        break;
    case 6:
        h = H0 + Py - gy;
        if (d.keepAspect)
            w = h / r;
        break;
    case 7:
        w = W0 + Px - gx, h = H0 + Py - gy;
        if (d.keepAspect)
            w = h / r;
        break;
    default: return std::nullopt;
    }
    return accepted(l, t, w, h);
}

} // namespace resize
