#include "ComboRules.h"

#include <QLocale>

#include "app/Units.h"

namespace comborules {

double leadingNumber(const QString& text)
{
    // Blanks are skipped, then the longest prefix that reads as a number counts.
    QString digits;
    for (const QChar c : text) {
        if (c == ' ' || c == '\t')
            continue;
        const bool sign = (c == '-' || c == '+') && digits.isEmpty();
        if (c.isDigit() || c == '.' || sign)
            digits += c;
        else
            break;
    }
    bool ok = false;
    double v = QLocale::c().toDouble(digits, &ok);
    while (!ok && !digits.isEmpty()) {
        digits.chop(1);
        v = QLocale::c().toDouble(digits, &ok);
    }
    return ok ? v : 0;
}

WidthAction borderWidthTyped(const QString& text)
{
    const double v = leadingNumber(text);
    WidthAction a;
    if (v >= 32767.5 || v < -32768.5) {
        a.kind = WidthAction::RestoreDefault;
        return a;
    }
    const int16_t w = units::CInt(v);
    if (w == 0)
        a.kind = WidthAction::Nothing;
    else if (w < 0 || w >= 40)
        a.kind = WidthAction::RestoreDefault;
    else {
        a.kind = WidthAction::Apply;
        a.width = w;
    }
    return a;
}

bool borderWidthNeedsRestore(const QString& text) { return leadingNumber(text) <= 0; }

} // namespace comborules
