#include "Guides.h"
#include "app/Units.h"

#include <QLocale>
#include <algorithm>

namespace guides {

Grab grabAt(const QPointF& p, double x1, double y1, double reach)
{
    if (x1 - reach < p.x() && p.x() < x1 + reach)
        return Grab::Vertical;
    if (y1 - reach < p.y() && p.y() < y1 + reach)
        return Grab::Horizontal;
    return Grab::None;
}

double reachOnScreen(double twipsPerPixel) { return std::max(40.0, 2.5 * twipsPerPixel); }

QPointF readoutPosition(const QPointF& p, const QSizeF& s, double zoom)
{
    const double z = zoom > 0 ? 1 / zoom : 1;
    return QPointF(p.x() > s.width() - 600 * z ? p.x() - 500 * z : p.x() + 120 * z,
                   p.y() > s.height() - 600 * z ? p.y() - 300 * z : p.y() + 120 * z);
}

std::optional<QString> readoutText(int16_t reference, Grab guide, const QPointF& p, const QSizeF& label,
                                   lengths::Unit unit)
{
    const bool vertical = guide == Grab::Vertical;
    double twips = 0;
    switch (reference) {
    case FromCenter: twips = vertical ? p.x() - label.width() / 2 : p.y() - label.height() / 2; break;
    case FromUpperLeft: twips = vertical ? p.x() : p.y(); break;
    case FromLowerLeft: twips = vertical ? p.x() : label.height() - p.y(); break;
    default: return std::nullopt;
    }
    if (guide == Grab::None)
        return std::nullopt;
    // A tenth of a millimetre is finer than the pointer on a screen.
    QString text = unit == lengths::Unit::Millimetres ? QLocale().toString(units::twipsToMillimetres(twips), 'f', 1)
                                                      : QLocale().toString(units::twipsToInches(twips), 'f', 2);
    // "-0.00" reads oddly for a guide a hair left of the centre.
    if (text.startsWith(QLocale().negativeSign()) && QLocale().toDouble(text) == 0)
        text.remove(0, QLocale().negativeSign().size());
    return text;
}

} // namespace guides
