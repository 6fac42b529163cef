#include "Colors.h"

#include <QPalette>

namespace colors {

ColorValue fromQColor(const QColor& c) { return rgb(c.red(), c.green(), c.blue()); }

static QColor plain(ColorValue c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

QColor forScreen(ColorValue c, const QPalette& pal)
{
    if (!isSystemColor(c))
        return plain(c);
    switch (c & 0xFF) {
    case 5: return pal.color(QPalette::Base);        // window background
    case 8: return pal.color(QPalette::Text);        // window text
    case 12: return pal.color(QPalette::Mid);        // application workspace
    case 15: return pal.color(QPalette::Button);     // button face
    case 13: return pal.color(QPalette::Highlight);
    case 14: return pal.color(QPalette::HighlightedText);
    case 18: return pal.color(QPalette::ButtonText);
    default: return pal.color(QPalette::Window);
    }
}

QColor forPrint(ColorValue c)
{
    if (!isSystemColor(c))
        return plain(c);
    switch (c & 0xFF) {
    case 5: return QColor(255, 255, 255);
    case 8: case 18: return QColor(0, 0, 0);
    case 12: return QColor(0xAB, 0xAB, 0xAB);
    default: return QColor(0xC0, 0xC0, 0xC0);
    }
}

} // namespace colors
