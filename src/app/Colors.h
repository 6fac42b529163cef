#pragma once
// Turning stored colour values into real colours. System colour references
// (top bit set) follow the desktop palette on screen and fixed values on paper.
#include <QColor>

#include "Module1.h"

class QPalette;

namespace colors {

inline bool isSystemColor(ColorValue c) { return (c & 0x80000000u) != 0; }
inline ColorValue rgb(int r, int g, int b) { return ColorValue(r) | (ColorValue(g) << 8) | (ColorValue(b) << 16); }
ColorValue fromQColor(const QColor& c);

// On screen: system colours come from the palette.
QColor forScreen(ColorValue c, const QPalette& palette);
// On paper or PDF: system colours take fixed values (white window, grey workspace).
QColor forPrint(ColorValue c);

} // namespace colors
