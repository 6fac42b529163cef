#include "TextMeasure.h"

#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "app/Units.h"

QFont toQFont(const FontSpec& f)
{
    QFont q(f.name);
    q.setPointSizeF(f.size > 0 ? f.size : 1);
    q.setBold(f.bold);
    q.setItalic(f.italic);
    q.setUnderline(f.underline);
    return q;
}

QSizeF QtTextMeasurer::measure(const QString& text, const FontSpec& font) const
{
    const QFontMetricsF fm(toQFont(font));
    const QStringList lines = textlayout::splitLines(text);
    double w = 0;
    for (const QString& l : lines)
        w = std::max(w, fm.horizontalAdvance(l));
    const double h = fm.height() * lines.size();
    const double k = units::twipsPerPixel(textlayout::measuringDpi());
    return QSizeF(w * k, h * k);
}

namespace textlayout {

double measuringDpi()
{
    double dpi = 96;
    if (auto* s = QGuiApplication::primaryScreen())
        dpi = s->logicalDotsPerInch();
    return dpi > 0 ? dpi : 96;
}

QStringList splitLines(const QString& caption)
{
    QStringList lines;
    int start = 0;
    for (;;) {
        const int cr = caption.indexOf(QChar('\r'), start);
        if (cr < 0) {
            lines << caption.mid(start);
            break;
        }
        lines << caption.mid(start, cr - start);
        // CR LF is one line break; a CR on its own ends the line all the same,
        // and the next line starts right after it.
        start = cr + (cr + 1 < caption.size() && caption.at(cr + 1) == QChar('\n') ? 2 : 1);
        if (start > caption.size()) {
            lines << QString();
            break;
        }
    }
    return lines;
}

QString autofitWrap(const QString& text, double labelWidthInches,
                    const std::function<double(const QString&)>& measureWidth)
{
    QString s = text;
    // Only blanks count as surrounding spaces, as the wrap replaces only blanks.
    while (s.startsWith(' '))
        s.remove(0, 1);
    while (s.endsWith(' '))
        s.chop(1);
    if (s.isEmpty())
        return text;
    s.replace(QChar(' '), QStringLiteral("\r\n"));
    double limit = units::CLng(labelWidthInches * units::TwipsPerInch * 0.75);
    const double widest = measureWidth(s);
    if (widest > limit)
        limit = units::CLng(widest);
    int pos = 0;
    for (;;) {
        const int p = s.indexOf(QStringLiteral("\r\n"), pos);
        if (p < 0)
            break;
        const QString t = s.left(p) + ' ' + s.mid(p + 2);
        if (measureWidth(t) < limit)
            s = t;
        pos = p + 1;
    }
    return s;
}

} // namespace textlayout
