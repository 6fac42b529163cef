#pragma once
// How a picture's box follows a dragged resize handle. Two rule sets: one when
// the pointer is over the empty label surface (computed from the current box),
// one when it is over an item (computed from the box the resize started with).
#include <QPointF>
#include <QRectF>
#include <optional>

namespace resize {

struct Drag {
    int handle = 0;      // 0..7, as placed by handles::placeHandles
    QPointF pointer;     // P, on the label surface
    bool keepAspect = false;
    double ratio = 1;    // natural height ÷ natural width
    // Only for the rules over an item:
    QSizeF start;        // W0, H0
    QPointF grab;        // the handle's centre when the resize began
};

// The new box, or nothing when it would have a negative width or height (the
// picture then keeps its box for this step).
std::optional<QRectF> overSurface(const QRectF& box, const Drag& d);
std::optional<QRectF> overItem(const QRectF& box, const Drag& d);

// A box typed into the position panel. With the aspect kept (ratio: natural
// height ÷ width), a typed width sets the height, else a typed height sets the
// width; the corner stays where it was typed. Nothing for a width or height
// of zero or less.
std::optional<QRectF> typedBox(const QRectF& before, const QRectF& typed, bool keepAspect, double ratio);

} // namespace resize
