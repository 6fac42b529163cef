#include "ClipboardDescriptor.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>

#include "app/Module1.h"

namespace clipdesc {

namespace {

// Shortest decimal text of the single-precision value, with the locale's
// separator, in six characters: padded on the left, or its last six.
QString field(double v)
{
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, float(v), std::chars_format::fixed);
    QString s = QString::fromLatin1(buf, int(r.ptr - buf));
    s.replace('.', QLocale().decimalPoint());
    return s.size() > 6 ? s.right(6) : s.rightJustified(6, ' ');
}

std::optional<int> number(const QString& text)
{
    double v = 0;
    if (!Module1::textToDouble(text, v) || !std::isfinite(v))
        return std::nullopt;
    const double whole = std::floor(v);
    if (whole < std::numeric_limits<int16_t>::min() || whole > std::numeric_limits<int16_t>::max())
        return std::nullopt;
    return int(whole);
}

} // namespace

QString encode(double w, double h, const QString& path) { return Tag + field(w) + field(h) + path; }

std::optional<Decoded> decode(const QString& text)
{
    if (!text.startsWith(QLatin1String(Tag)))
        return std::nullopt;
    Decoded d;
    d.width = number(text.mid(11, 6));
    d.height = number(text.mid(17, 6));
    d.path = text.mid(23);
    return d;
}

} // namespace clipdesc
