#include "WindowPlacement.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

#include "Units.h"

namespace placement {

namespace {
// Enough of the top edge to grab the window with the mouse.
constexpr int GrabWidth = 48;
constexpr int GrabHeight = 24;

int toPixels(double twips, double k)
{
    if (!std::isfinite(twips) || k <= 0)
        return 0;
    // Beyond any screen: kept far off but within int so the rules below still apply.
    return int(std::lround(std::clamp(twips / k, -1e6, 1e6)));
}
} // namespace

double twipsPerPixel(const QScreen* screen)
{
    const double dpi = screen ? screen->logicalDotsPerInch() : 0;
    return units::twipsPerPixel(dpi > 0 ? dpi : 96);
}

QRect fromTwips(double left, double top, double width, double height, double twipsPerPixel)
{
    const int w = std::max(1, toPixels(width, twipsPerPixel));
    const int h = std::max(1, toPixels(height, twipsPerPixel));
    return QRect(toPixels(left, twipsPerPixel), toPixels(top, twipsPerPixel), w, h);
}

bool reachable(const QRect& window, const QList<QRect>& screens)
{
    const QRect topEdge(window.left(), window.top(), window.width(), std::min(GrabHeight, window.height()));
    for (const QRect& s : screens) {
        const QRect on = topEdge.intersected(s);
        // The whole height of the strip must be on the screen (a window whose
        // top is above the screen has its title bar out of reach).
        if (!on.isEmpty() && on.height() == topEdge.height() && on.width() >= std::min(GrabWidth, topEdge.width()))
            return true;
    }
    return false;
}

QRect ontoScreens(const QRect& window, const QList<QRect>& screens, const QRect& primary)
{
    if (reachable(window, screens) || primary.isEmpty())
        return window;
    QRect r(window.topLeft(), QSize(std::min(window.width(), primary.width()), std::min(window.height(), primary.height())));
    r.moveLeft(std::clamp(r.left(), primary.left(), primary.right() - r.width() + 1));
    r.moveTop(std::clamp(r.top(), primary.top(), primary.bottom() - r.height() + 1));
    return r;
}

bool placesWindows(const QString& platformName)
{
    return !platformName.startsWith("wayland");
}

QList<QRect> tiles(const QRect& area, int count, bool horizontal)
{
    QList<QRect> out;
    if (count <= 0)
        return out;
    const int span = horizontal ? area.height() : area.width();
    const int each = span / count;
    for (int i = 0; i < count; ++i) {
        const int start = i * each;
        const int size = i == count - 1 ? span - start : each;
        out << (horizontal ? QRect(area.left(), area.top() + start, area.width(), size)
                           : QRect(area.left() + start, area.top(), size, area.height()));
    }
    return out;
}

} // namespace placement
