#pragma once
// Where a top-level window comes back: its stored place, unless that place
// is off every screen, in which case it is pulled onto the primary screen.
#include <QList>
#include <QRect>
#include <QString>

class QScreen;

namespace placement {

// Twips a pixel covers on the screen (96 dots an inch when there is none, or
// it tells no resolution).
double twipsPerPixel(const QScreen* screen);

// The stored window in pixels: its outer corner (frame included) and the
// size of its client area, the pair QWidget::move() and resize() take.
QRect fromTwips(double left, double top, double width, double height, double twipsPerPixel);

// True when the window's top edge, where its title bar and menu bar sit, can
// be reached on one of the screens (available areas, panels excluded).
bool reachable(const QRect& window, const QList<QRect>& screens);

// The window unchanged when reachable; otherwise no larger than the primary
// screen's available area and moved into it by the shortest way.
QRect ontoScreens(const QRect& window, const QList<QRect>& screens, const QRect& primary);

// Whether a program may put its top-level windows where it likes on this Qt
// platform. Wayland leaves that to the compositor and reports every window at
// 0,0: there the size alone is restored and no place is written back.
bool placesWindows(const QString& platformName);

// Tiling count windows over an area: horizontal stacks them one above another,
// each the full width; vertical puts them side by side, each the full height.
// The last window takes what the division leaves over, so the area is filled.
QList<QRect> tiles(const QRect& area, int count, bool horizontal);

} // namespace placement
