#include "OptionsRules.h"

#include <QCoreApplication>
#include <cmath>

#include "LabelSizes.h"
#include "Module1.h"
#include "Units.h"

namespace options {

bool holdsInches(Box box) { return box != Box::GridWidth && box != Box::GridHeight; }

double leadingNumber(const QString& text, QChar decimalSeparator)
{
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    QString number;
    if (i < n && (text[i] == '-' || text[i] == '+'))
        number += text[i++];
    bool digits = false;
    while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
        number += text[i++];
        digits = true;
    }
    if (i < n && text[i] == decimalSeparator) {
        ++i;
        number += '.';
        while (i < n && text[i].isDigit() && text[i].unicode() < 128) {
            number += text[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    bool ok = false;
    const double v = number.toDouble(&ok);
    // A run of digits too long for a double reads as nothing rather than infinity.
    return ok && std::isfinite(v) ? v : 0;
}

namespace {
// Whole hundredths, halves away from zero; a hair is added before rounding so
// that 2.675 (stored as 2.67499...) gives 268.
double thousandthsOf(double inches)
{
    const double scaled = inches * 1000;
    return std::round(scaled + std::copysign(1e-7, scaled));
}
} // namespace

double keptInches(double inches) { return std::isfinite(inches) ? thousandthsOf(inches) / 1000 + 0.0 : 0; }

QString formatInches(double inches, QChar decimalSeparator)
{
    if (!std::isfinite(inches))
        return "0.0";
    const double thousandths = thousandthsOf(inches);
    const bool negative = thousandths < 0;
    const double a = std::fabs(thousandths);
    const double whole = std::floor(a / 1000);
    QString frac = QString::asprintf("%03d", int(a - whole * 1000));
    while (frac.size() > 1 && frac.endsWith('0'))
        frac.chop(1);
    const QString s = QString::number(whole, 'f', 0) + decimalSeparator + frac;
    return negative ? "-" + s : s;
}

Verdict check(Box box, double v, const Paper& paper)
{
    auto bad = [](const char* msg, double reset) { return Verdict{false, QCoreApplication::translate("options", msg), reset}; };
    const double halfW = paper.width / 2, halfH = paper.height / 2;
    switch (box) {
    case Box::CustomWidth:
        if (v > paper.width)
            return bad(QT_TRANSLATE_NOOP("options", "Width Cannot Exceed the Paper Width"), paper.width - 0.75);
        if (v <= 0)
            return bad(QT_TRANSLATE_NOOP("options", "Width Must be Greater than 0.0"), 2);
        break;
    case Box::CustomHeight:
        if (v > paper.height)
            return bad(QT_TRANSLATE_NOOP("options", "Height Cannot Exceed the Paper Height"), paper.height - 0.75);
        if (v <= 0)
            return bad(QT_TRANSLATE_NOOP("options", "Height Must be Greater than 0.0"), 2);
        break;
    case Box::TopMargin:
        if (v > halfH)
            return bad(QT_TRANSLATE_NOOP("options", "Top Margin Cannot Exceed 1/2 the Paper Height"), 0);
        if (v <= -0.5)
            return bad(QT_TRANSLATE_NOOP("options", "Top Margin Must be Greater than -0.5"), 0);
        break;
    case Box::LeftMargin:
        if (v > halfW)
            return bad(QT_TRANSLATE_NOOP("options", "Left Margin Cannot Exceed 1/2 the Paper Width"), 0);
        if (v <= -0.5)
            return bad(QT_TRANSLATE_NOOP("options", "Left Margin Must be Greater than -0.5"), 0);
        break;
    case Box::RowSpace:
        if (v > halfH)
            return bad(QT_TRANSLATE_NOOP("options", "Row Spacing Cannot Exceed 1/2 the Paper Height"), 0);
        if (v < 0)
            return bad(QT_TRANSLATE_NOOP("options", "Row Spacing May Not Be Less than 0.0"), 0);
        break;
    case Box::ColumnSpace:
        if (v > halfW)
            return bad(QT_TRANSLATE_NOOP("options", "Column Spacing Cannot Exceed 1/2 the Paper Width"), 0);
        if (v < 0)
            return bad(QT_TRANSLATE_NOOP("options", "Column Spacing May Not Be Less than 0.0"), 0);
        break;
    case Box::GridWidth:
        if (v > 500)
            return bad(QT_TRANSLATE_NOOP("options", "Maximum Grid Width is 500, Reset to Default"), 120);
        if (v <= 2)
            return bad(QT_TRANSLATE_NOOP("options", "Grid Width Must be Greater than 2, Reset to Default"), 120);
        break;
    case Box::GridHeight:
        if (v > 500)
            return bad(QT_TRANSLATE_NOOP("options", "Maximum Grid Height is 500, Reset to Default"), 120);
        if (v <= 2)
            return bad(QT_TRANSLATE_NOOP("options", "Grid Height Must be Greater than 2, Reset to Default"), 120);
        break;
    }
    return {};
}

QString inMillimetres(const QString& message)
{
    static const char* const limits[][2] = {
        {"Width Must be Greater than 0.0", QT_TRANSLATE_NOOP("options", "Width Must be Greater than 0 mm")},
        {"Height Must be Greater than 0.0", QT_TRANSLATE_NOOP("options", "Height Must be Greater than 0 mm")},
        {"Top Margin Must be Greater than -0.5", QT_TRANSLATE_NOOP("options", "Top Margin Must be Greater than -12.7 mm")},
        {"Left Margin Must be Greater than -0.5",
         QT_TRANSLATE_NOOP("options", "Left Margin Must be Greater than -12.7 mm")},
        {"Row Spacing May Not Be Less than 0.0", QT_TRANSLATE_NOOP("options", "Row Spacing May Not Be Less than 0 mm")},
        {"Column Spacing May Not Be Less than 0.0",
         QT_TRANSLATE_NOOP("options", "Column Spacing May Not Be Less than 0 mm")},
    };
    for (const auto& [inches, mm] : limits)
        if (message == inches || message == QCoreApplication::translate("options", inches))
            return QCoreApplication::translate("options", mm);
    return message;
}

double boxInches(const QString& text, lengths::Unit unit, QChar decimalSeparator)
{
    const double v = leadingNumber(text, decimalSeparator);
    return unit == lengths::Unit::Millimetres ? units::millimetresToInches(v) : keptInches(v);
}

LeaveResult leaveBox(Box box, const QString& text, const Paper& paper, QChar decimalSeparator, lengths::Unit unit)
{
    LeaveResult r{text, {}};
    const bool mm = holdsInches(box) && unit == lengths::Unit::Millimetres;
    if (mm) {
        // Millimetres are checked as they read to the hundredth, in inches.
        const double v = units::millimetresToInches(
            leadingNumber(lengths::formatInches(boxInches(text, unit, decimalSeparator), unit, decimalSeparator),
                          decimalSeparator));
        const Verdict verdict = check(box, v, paper);
        r.message = verdict.ok ? QString() : inMillimetres(verdict.message);
        r.text = lengths::formatInches(verdict.ok ? v : verdict.resetTo, unit, decimalSeparator);
        return r;
    }
    double v = leadingNumber(text, decimalSeparator);
    // An inch box keeps hundredths, and Apply reads what it shows: the limits
    // are checked on that, so 0.001 (kept as "0.0", a label of no size) is
    // refused like 0.
    if (holdsInches(box))
        v = keptInches(v);
    if (v == 0)
        r.text = "0";
    const Verdict verdict = check(box, v, paper);
    if (!verdict.ok) {
        r.message = verdict.message;
        v = verdict.resetTo;
        r.text = QString::number(v);
    }
    if (holdsInches(box))
        r.text = formatInches(v, decimalSeparator);
    return r;
}

int16_t numericKey(const QString& typed, Box box, QChar decimalSeparator)
{
    if (typed.size() != 1 || typed[0].unicode() > 0x7FFF)
        return 0;
    return Module1::filterNumericKey(int16_t(typed[0].unicode()), holdsInches(box), decimalSeparator, nullptr);
}

TypeChoice labelTypeChoice(int16_t type, QChar decimalSeparator)
{
    TypeChoice c;
    if (const labelsizes::Preset* p = labelsizes::forType(type)) {
        c.fillsSize = true;
        c.height = formatInches(p->height, decimalSeparator);
        c.width = formatInches(p->width, decimalSeparator);
        c.sizeEditable = false;
    }
    return c;
}

QString deactivateTemplateQuestion(const QString& templateFile)
{
    return QCoreApplication::translate("options", "Deactivate Template file: '%1'?").arg(templateFile);
}

QList<QPoint> gridDots(int widthTwips, int heightTwips, int stepX, int stepY)
{
    QList<QPoint> dots;
    if (stepX <= 0 || stepY <= 0)
        return dots;
    for (int x = 0; x <= widthTwips; x += stepX)
        for (int y = 0; y <= heightTwips; y += stepY)
            dots << QPoint(x, y);
    return dots;
}

} // namespace options
