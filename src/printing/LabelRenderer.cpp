#include "LabelRenderer.h"

#include "DrawingSurface.h"
#include "document/LabelDocument.h"
#include "document/TextMeasure.h"

namespace render {

void drawLabel(DrawingSurface& s, const LabelDocument& doc, double ox, double oy, double ratio)
{
    constexpr double tw = 1440.0;
    for (const auto& [index, g] : doc.graphics()) {
        if (!g.visible)
            continue;
        s.paintPicture(g.picture, ox + g.left / tw, oy + g.top / tw, g.width / tw, g.height / tw);
    }

    const BorderSpec& b = doc.border();
    if (b.visible) {
        const QRectF f = doc.borderRect();
        const double L = f.left() / tw, T = f.top() / tw, Wd = f.width() / tw, Ht = f.height() / tw;
        s.setDrawWidth(s.isPrinter() ? double(b.width * 4) : b.width * ratio);
        s.setForeColor(b.color);
        const QString& style = doc.valBorderStyle;
        if (style == "Square") {
            s.box(ox + L, oy + T, Wd, Ht, b.color);
        } else if (style == "Oval") {
            const double radius = (Wd > Ht ? Wd : Ht) / 2;
            s.ellipse(ox + doc.getLabelWidth() / 2, oy + doc.getLabelHeight() / 2, radius, Wd != 0 ? Ht / Wd : 1, b.color);
        } else if (style == "Rounded") {
            const double r = RoundedRadius;
            const double in = b.width / tw * ratio;
            const double span = r + in;
            s.line(ox + L + span, oy + T, ox + L + span + (Wd - 2 * span), oy + T, b.color);
            s.line(ox + L + span, oy + T + Ht, ox + L + span + (Wd - 2 * span), oy + T + Ht, b.color);
            s.line(ox + L, oy + T + span, ox + L, oy + T + span + (Ht - 2 * span), b.color);
            s.line(ox + L + Wd, oy + T + span, ox + L + Wd, oy + T + span + (Ht - 2 * span), b.color);
            s.arc(ox + L + r, oy + T + r, r, 1.5708, 3.1416, b.color);
            s.arc(ox + L + Wd - r, oy + T + r, r, 0, 1.5708, b.color);
            s.arc(ox + L + r, oy + T + Ht - r, r, 3.1416, 4.7124, b.color);
            s.arc(ox + L + Wd - r, oy + T + Ht - r, r, 4.7124, 0, b.color);
        }
    }

    for (const auto& [index, t] : doc.texts()) {
        if (!t.visible)
            continue;
        s.setFontName(t.font.name);
        s.setFontSize(t.font.size * ratio);
        s.setFontName(t.font.name);
        s.setFontBold(t.font.bold);
        s.setFontItalic(t.font.italic);
        s.setFontUnderline(t.font.underline);
        s.setForeColor(t.foreColor);
        s.setCurrentY(oy + t.top / tw);
        const double L = t.left / tw, Wd = t.width / tw;
        for (const QString& line : textlayout::splitLines(t.text)) {
            switch (t.alignment) {
            case 1: s.setCurrentX(ox + L + Wd - s.textWidth(line)); break;
            case 2: s.setCurrentX(ox + L + (Wd - s.textWidth(line)) / 2); break;
            default: s.setCurrentX(ox + L); break;
            }
            s.print(line);
        }
    }
}

} // namespace render
