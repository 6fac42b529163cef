#include "LabelDescription.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "Units.h"
#include "document/CkmFormat.h"
#include "document/LabelDocument.h"
#include "platform/Platform.h"

namespace description {

float leadingNumber(QStringView field)
{
    QString digits;
    bool point = false;
    for (const QChar c : field) {
        if (c == ' ' || c == '\t')
            continue;
        if (c.isDigit() && c.unicode() < 128) {
            digits += c;
        } else if (c == '.' && !point) {
            point = true;
            digits += c;
        } else {
            break;
        }
    }
    bool ok = false;
    const float v = QLocale::c().toFloat(digits, &ok);
    return ok && std::isfinite(v) ? v : 0.0f;
}

std::vector<Part> parse(const QString& text)
{
    std::vector<Part> parts;
    qsizetype start = 0;
    for (;;) {
        const qsizetype p = text.indexOf('\\', start);
        if (p < 0)
            break;
        Part part;
        part.letter = p + 1 < text.size() ? text.at(p + 1) : QChar();
        part.size = leadingNumber(QStringView(text).mid(std::min(p + 2, text.size()), 4));
        if (part.size < 8)
            part.size = 18;
        const qsizetype q1 = text.indexOf('"', p + 1);
        const qsizetype q2 = q1 < 0 ? -1 : text.indexOf('"', q1 + 1);
        if (q2 < 0)
            break; // an unclosed text ends the description
        part.text = text.mid(q1 + 1, q2 - q1 - 1);
        parts.push_back(part);
        start = q2 + 1;
    }
    return parts;
}

QString sizeText(float size)
{
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    // Single precision: seven significant digits, as the size was read.
    return ' ' + loc.toString(double(size), 'g', 7);
}

Positions positionsFor(double labelHeightInches)
{
    const double h = labelHeightInches * units::TwipsPerInch;
    return {units::CInt(h / 4), units::CInt(h / 2 - 400), units::CInt(h / 4 * 3)};
}

std::optional<QString> wrapOnce(const QString& text)
{
    const qsizetype n = text.size();
    const auto middle = qsizetype(std::nearbyint(n / 2.0)); // ties to even
    // Positions count from 1; the last character is never a break point.
    for (qsizetype i = std::max<qsizetype>(middle, 1); i < n; ++i)
        if (text.at(i - 1) == ' ')
            return text.left(i - 1) + "\r\n" + text.mid(i);
    return std::nullopt;
}

QString refusal(const std::vector<Part>& parts, int textsLeft)
{
    if (qsizetype(parts.size()) > textsLeft)
        return QCoreApplication::translate("description", "The label description was not used. It has %1 texts, and this label can take only %2 more.")
            .arg(parts.size())
            .arg(textsLeft);
    for (const Part& part : parts) {
        // The single wrap turns a blank into a line break: one character more.
        const qsizetype n = CKM_Header::storedLength(wrapOnce(part.text).value_or(part.text));
        if (n > CKM_Header::MaxTextLength)
            return QCoreApplication::translate("description", "The label description was not used.") + " " +
                   CKM_Header::textTooLongMessage(n);
    }
    return {};
}

int apply(LabelDocument& doc, const QString& text)
{
    // All of it or nothing: a description is never made only in part.
    const std::vector<Part> parts = parse(text);
    if (const QString why = refusal(parts, LabelDocument::MaxItemIndex - doc.textCounter()); !why.isEmpty()) {
        doc.platform().message(why, MsgIcon::Exclamation);
        return 0;
    }
    const Positions start = positionsFor(doc.getLabelHeight());
    int16_t top = start.top, centre = start.centre, bottom = start.bottom;
    const double labelWidth = doc.getLabelWidth() * units::TwipsPerInch;
    const double labelHeight = doc.getLabelHeight() * units::TwipsPerInch;
    double previous = 0;
    int created = 0;
    for (const Part& part : parts) {
        if (!doc.createNewText(part.text, 0))
            break;
        ++created;
        const QString size = sizeText(part.size);
        doc.setTextFontSize(size);
        if (doc.getTextWidth() > 0.75 * labelWidth)
            if (const auto wrapped = wrapOnce(doc.getTextText())) {
                doc.setTextText(*wrapped);
                doc.setTextFontSize(size);
            }
        int16_t* slot = part.letter == 'T' ? &top : part.letter == 'C' ? &centre : part.letter == 'B' ? &bottom : nullptr;
        const double y = slot ? *slot : previous;
        doc.setTextPosition((labelWidth - doc.getTextWidth()) / 2, y);
        previous = y;
        if (slot) {
            const double h = doc.getTextHeight();
            // No lower than where an item of the same height still ends on the
            // label; on a full label the next one stays where this one is.
            *slot = units::CInt(std::min(y + h + 100, std::max(y, labelHeight - h)));
        }
    }
    return created;
}

} // namespace description
