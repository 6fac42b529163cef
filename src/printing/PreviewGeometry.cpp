#include "PreviewGeometry.h"

#include <QCoreApplication>
#include <algorithm>

#include <cmath>

#include "app/Units.h"

namespace preview {

using units::CInt;

double Val(const QString& s)
{
    int i = 0;
    const int n = int(s.size());
    while (i < n && (s[i] == ' ' || s[i] == '\t'))
        ++i;
    QString num;
    if (i < n && (s[i] == '-' || s[i] == '+'))
        num += s[i++];
    bool point = false;
    for (; i < n; ++i) {
        const QChar c = s[i];
        if (c.isDigit() && c.unicode() < 128)
            num += c;
        else if (c == '.' && !point) {
            point = true;
            num += c;
        } else
            break;
    }
    bool ok = false;
    const double v = num.toDouble(&ok);
    return ok ? v : 0;
}

QString percentText(double fraction)
{
    // Halves round up, as the number formats of the zoom box always did.
    const double p = std::floor(fraction * 100 + 0.5);
    return QString::number(p, 'f', 0) + "%";
}

static QString Str(int n) { return n < 0 ? QString::number(n) : " " + QString::number(n); }

QString pageIndicator(int current, int count)
{
    return QCoreApplication::translate("frmPreview", "Page%1 of%2").arg(Str(current), Str(count));
}

static ScrollBar fit(double page, double view, double max)
{
    ScrollBar b;
    if (!(view < page))
        return b;
    b.visible = true;
    b.max = CInt(max);
    b.min = -Margin;
    // The page is wider than the viewport, so there is at least one step.
    const int16_t n = std::max<int16_t>(1, CInt(page / (view * 0.9)));
    b.largeChange = CInt((b.max + double(Margin)) / n);
    b.smallChange = CInt((b.max + double(Margin)) / (n * 10.0));
    b.value = b.min;
    return b;
}

ScrollBars scrollValues(double pw, double ph, double vw, double vh, int16_t pageCount)
{
    ScrollBars s;
    s.h = fit(pw, vw, pw - vw + Margin);
    s.v = fit(ph, vh, pageCount * (ph + Margin) - vh);
    return s;
}

// A fitted zoom of a viewport too small to hold the margins is still a page.
static double atLeastOne(double fraction) { return std::max(0.01, fraction); }

static int16_t wholeVal(const QString& text) { return CInt(std::floor(Val(text))); }

Zoom zoom(int listIndex, const QString& text, int16_t remembered, int16_t viewMode, double viewportW,
          double viewportH, double paperW, double paperH)
{
    Zoom z;
    z.remembered = remembered;
    z.viewMode = viewMode;
    // The fitted entries read as 0 and always fit again, even before any
    // zoom has been remembered.
    const bool fitted = listIndex == PageWidth || listIndex == WholePage;
    if (!fitted && wholeVal(text) == remembered) {
        z.outcome = Zoom::Unchanged;
        z.text = percentText(remembered / 100.0);
        return z;
    }
    const double pageW = paperW / units::TwipsPerInch, pageH = paperH / units::TwipsPerInch;
    switch (listIndex) {
    case 0:
        z.text = percentText(atLeastOne((viewportW - 2 * Margin) / units::TwipsPerInch / pageW));
        z.pageLeft = z.pageTop = Margin;
        z.viewMode = PageWidth;
        break;
    case 1: {
        z.text = percentText(atLeastOne((viewportH - 2 * Margin) / units::TwipsPerInch / pageH));
        const double p = Val(z.text);
        z.pageLeft = CInt((viewportW - paperW * p / 100) / 2);
        z.pageTop = Margin;
        z.viewMode = WholePage;
        break;
    }
    default: {
        const int16_t typed = wholeVal(text);
        if (typed < MinZoom || typed > MaxZoom) {
            z.outcome = Zoom::Refused;
            z.text = percentText(remembered / 100.0);
            return z;
        }
        z.text = percentText(typed / 100.0);
        z.pageLeft = z.pageTop = Margin;
        z.viewMode = Percentage;
        break;
    }
    }
    z.outcome = Zoom::Applied;
    z.remembered = wholeVal(z.text);
    const double p = z.remembered;
    z.pageHeight = CInt(p / 100 * paperH);
    z.pageWidth = p / 100 * paperW;
    return z;
}

PageSetup pageSetup(double picW, double picH, double paperW, double paperH)
{
    PageSetup s;
    const double a = picH / units::TwipsPerInch / paperH, b = picW / units::TwipsPerInch / paperW;
    if (a < b) {
        s.factor = a;
        s.width = paperW * a * units::TwipsPerInch;
        s.height = picH;
    } else {
        s.factor = b;
        s.width = picW;
        s.height = paperH * b * units::TwipsPerInch;
    }
    // The picture is the whole paper, its origin the paper's corner, as on the printer.
    s.topLeft = QPointF(0, 0);
    s.bottomRight = QPointF(paperW, paperH);
    return s;
}

QSizeF firstSize(double paperW, double paperH, double availW, double availH, double chromeW, double chromeH)
{
    const double extraW = 2 * Margin + chromeW, extraH = 2 * Margin + chromeH;
    double scale = 1;
    if (paperW > 0 && paperH > 0)
        scale = std::clamp(std::min((0.8 * availW - extraW) / paperW, (0.8 * availH - extraH) / paperH), 0.0, 1.0);
    return QSizeF(std::max<double>(MinWidth, paperW * scale + extraW), std::max<double>(MinHeight, paperH * scale + extraH));
}

} // namespace preview
