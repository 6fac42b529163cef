#pragma once
// The eight resize handles around the active picture.
#include <QColor>
#include <QRectF>
#include <array>

namespace handles {

inline constexpr int Count = 8;
inline constexpr double Size = 80; // twips, square
// On screen a handle is never smaller than this many pixels a side, so one
// can still be grabbed on a label zoomed out.
inline constexpr double MinPixels = 6;
// The side of a handle (twips) on a view where one pixel covers `twipsPerPixel`.
double sizeOnScreen(double twipsPerPixel);
inline const QColor Color{0, 0, 192};

// Handle boxes on the label surface (twips) for a picture's box, by index:
// 0 top-left, 1 top, 2 top-right, 3 left, 4 right, 5 bottom-left, 6 bottom,
// 7 bottom-right. The rows and columns sit unevenly on the edges (30 outside
// at the top and left, 40 and 50 inside at the bottom and right) so that the
// handles stay inside a label drawn flush with the picture's far edges. A
// larger handle (`size`) keeps the same proportions.
std::array<QRectF, Count> placeHandles(const QRectF& box, double size = Size);

// The mouse pointer over a handle.
Qt::CursorShape cursorFor(int index);

// The point of the picture's box a handle stands for: its corner, or the
// middle of its edge. A resize measures the pointer's way from here (not from
// the handle's centre, which sits off the edge), so the edge under the
// pointer ends where the pointer is and the opposite edge stays put.
QPointF anchor(const QRectF& box, int index);

} // namespace handles
