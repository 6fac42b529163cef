#include "Lengths.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

#include "Units.h"

namespace lengths {

namespace {

// The value with `decimals` places, halves away from zero; a hair is added
// before rounding so that a value stored a little under a half (2.675 as
// 2.67499...) still rounds up as it reads. Trailing zeros are dropped down to
// `minDecimals`.
QString fixed(double v, int decimals, int minDecimals, QChar sep)
{
    if (!std::isfinite(v))
        v = 0;
    const double scale = std::pow(10.0, decimals);
    const double scaled = std::round(v * scale + std::copysign(1e-7, v));
    const bool negative = scaled < 0;
    const double a = std::fabs(scaled);
    const double whole = std::floor(a / scale);
    QString frac = QString::number(qint64(a - whole * scale)).rightJustified(decimals, '0');
    while (frac.size() > minDecimals && frac.endsWith('0'))
        frac.chop(1);
    QString s = QString::number(whole, 'f', 0);
    if (!frac.isEmpty())
        s += sep + frac;
    return negative ? "-" + s : s;
}

} // namespace

QString unitKey(Unit u) { return u == Unit::Millimetres ? "millimetres" : "inches"; }

Unit unitFromKey(const QString& key, Unit def)
{
    const QString k = key.trimmed().toLower();
    if (k == "inches")
        return Unit::Inches;
    if (k == "millimetres")
        return Unit::Millimetres;
    return def;
}

Unit defaultUnit(const QLocale& locale)
{
    if (locale.language() == QLocale::C || locale.measurementSystem() == QLocale::ImperialUSSystem)
        return Unit::Inches;
    return Unit::Millimetres;
}

QString unitSymbol(Unit u) { return u == Unit::Millimetres ? QCoreApplication::translate("Lengths", "mm") : QCoreApplication::translate("Lengths", "in"); }


QString formatInches(double inches, Unit u, QChar sep)
{
    if (u == Unit::Millimetres)
        return fixed(units::inchesToMillimetres(inches), 2, 0, sep);
    return fixed(inches, 3, 1, sep);
}

QString format(double twips, Unit u, QChar sep) { return formatInches(units::twipsToInches(twips), u, sep); }

Parsed parse(const QString& text, Unit u, QChar sep)
{
    QString t = text.trimmed();
    const QString symbol = unitSymbol(u);
    if (t.endsWith(symbol, Qt::CaseInsensitive))
        t = t.chopped(symbol.size()).trimmed();
    if (sep != '.')
        t.replace(sep, '.');
    Parsed r;
    bool ok = false;
    // Digits, one point and a sign only: no exponents, no group separators.
    static const QString allowed = "0123456789.+-";
    const bool plain = std::all_of(t.cbegin(), t.cend(), [](QChar c) { return allowed.contains(c); });
    const double v = plain && !t.isEmpty() ? QLocale::c().toDouble(t, &ok) : 0;
    if (!ok || !std::isfinite(v)) {
        r.error = u == Unit::Millimetres ? QCoreApplication::translate("Lengths", "Type a length in millimetres, such as 12.5")
                                         : QCoreApplication::translate("Lengths", "Type a length in inches, such as 0.5");
        return r;
    }
    const double twips = u == Unit::Millimetres ? units::millimetresToTwips(v) : v * units::TwipsPerInch;
    if (std::fabs(twips) > 32767.5) {
        r.error = QCoreApplication::translate("Lengths", "The length must be between -%1 and %1 %2")
                      .arg(format(32767, u, sep), u == Unit::Millimetres ? QCoreApplication::translate("Lengths", "mm") : QCoreApplication::translate("Lengths", "inches"));
        return r;
    }
    r.ok = true;
    r.twips = units::CLng(twips);
    return r;
}

} // namespace lengths
