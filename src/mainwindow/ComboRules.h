#pragma once
// The rules of the main window's border-width box, apart from the widget.
#include <QString>
#include <cstdint>

namespace comborules {

// The leading number of a text, as typed ("39", "12 ", "7px" -> 7; "abc" -> 0).
double leadingNumber(const QString& text);

struct WidthAction {
    enum Kind { Nothing, Apply, RestoreDefault } kind = Nothing;
    int16_t width = 0;
};

// Typing into the box: 0 waits, out of range puts the default back, else applies.
WidthAction borderWidthTyped(const QString& text);
// Leaving the box: a text that is not a positive number is replaced by the frame's width.
bool borderWidthNeedsRestore(const QString& text);

} // namespace comborules
