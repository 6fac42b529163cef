#pragma once
// The two alignment guides: grabbing one with the mouse, and the small
// read-out that shows a dragged guide's position in the user's unit.
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <optional>

#include "app/Lengths.h"

namespace guides {

enum class Grab { None, Vertical, Horizontal };

// A press within `reach` twips (exclusive) of a guide grabs it; the vertical
// guide wins where both are in reach.
Grab grabAt(const QPointF& press, double verticalX, double horizontalY, double reach = 40);
// The reach on a view where one pixel covers `twipsPerPixel`: 40 twips, or
// as many twips as keep it 2.5 pixels wide on a label zoomed out.
double reachOnScreen(double twipsPerPixel);

// Top-left of the read-out for a pointer on a surface of the given size: right
// of and below the pointer, or left of / above it near the far edges. The
// distances are those of a label at true size; `zoom` keeps them as far on
// screen on a zoomed label.
QPointF readoutPosition(const QPointF& pointer, const QSizeF& surface, double zoom = 1);

// Guide reference of the "Guide Setting" key.
enum Reference : int16_t { FromCenter = 0, FromUpperLeft = 1, FromLowerLeft = 2 };

// The read-out text ("0.00" inches, "0.0" millimetres) for the guide at a
// pointer position on a label of the given size (twips); nothing for an
// unknown reference, which keeps the read-out's previous text.
std::optional<QString> readoutText(int16_t reference, Grab guide, const QPointF& pointer, const QSizeF& label,
                                   lengths::Unit unit = lengths::Unit::Inches);

} // namespace guides
