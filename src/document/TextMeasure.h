#pragma once
// Measuring text in twips: the widest line and the height of all lines.
#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <functional>

#include "LabelTypes.h"

class TextMeasurer {
public:
    virtual ~TextMeasurer() = default;
    virtual QSizeF measure(const QString& text, const FontSpec& font) const = 0;
};

// Screen metrics of the font, converted to twips at the screen's resolution,
// so an item's box fits the text exactly as the label view draws it.
class QtTextMeasurer : public TextMeasurer {
public:
    QSizeF measure(const QString& text, const FontSpec& font) const override;
};

// The item's font as Qt knows it, sized in points.
QFont toQFont(const FontSpec& f);

namespace textlayout {

// The resolution texts are measured at: the screen's (96 without one).
double measuringDpi();

// A caption's lines: a line ends at a carriage return and the next one starts
// after the CR LF, or right after a CR without LF; the last line runs to the end.
QStringList splitLines(const QString& caption);

// The autofit wrap: one word per line, then neighbouring lines are joined while
// the joined text stays narrower than three quarters of the label width.
QString autofitWrap(const QString& text, double labelWidthInches,
                    const std::function<double(const QString&)>& measureWidth);

} // namespace textlayout
