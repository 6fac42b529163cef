#include "PainterSurface.h"

#include <QFontMetricsF>
#include <QPrinter>
#include <cmath>

#include "app/Colors.h"
#include "app/Units.h"
#include "document/LabelContent.h"
#include "document/LabelPainter.h"
#include "document/PictureCache.h"
#include "document/TextMeasure.h"

PainterSurface::PainterSurface(QPagedPaintDevice& printer) : m_printer(&printer)
{
    m_font = QFont("Arial", 10);
    // With no printer at all Qt makes a PDF printer without a file; a failed
    // start leaves it "active" for good, so that not even choosing a printer or
    // a file in a print dialog afterwards can bring it back. Never start it.
    const auto* asPrinter = dynamic_cast<QPrinter*>(&printer);
    if (asPrinter && asPrinter->outputFormat() == QPrinter::PdfFormat && asPrinter->outputFileName().isEmpty()) {
        m_ok = false;
        return;
    }
    if (!m_painter.begin(&printer)) {
        m_ok = false;
        return; // reported on the first drawing call
    }
    m_dpiX = printer.logicalDpiX();
    m_dpiY = printer.logicalDpiY();
    // The device's own origin is the printable area's corner: move it back to
    // the paper's corner.
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Inch);
    const QRectF paint = layout.paintRect(QPageLayout::Inch).translated(-full.topLeft());
    m_painter.translate(-paint.left() * m_dpiX, -paint.top() * m_dpiY);
    m_scaleW = full.width();
    m_scaleH = full.height();
    // A PDF keeps what lies outside its margins; a printer does not.
    const bool pdf = !asPrinter || asPrinter->outputFormat() == QPrinter::PdfFormat;
    m_printable = pdf ? QRectF(0, 0, m_scaleW, m_scaleH) : paint;
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Pictures go to PDF and printer as they are: JPEG would shift the colours
    // of small logos and flat areas.
    m_painter.setRenderHint(QPainter::LosslessImageRendering);
}

PainterSurface::PainterSurface(QImage& image, double widthInches, double heightInches)
{
    m_font = QFont("Arial", 10);
    m_painter.begin(&image);
    // Painter units on an image of a high-density screen are its logical pixels.
    const QSizeF logical = image.deviceIndependentSize();
    m_dpiX = logical.width() / widthInches;
    m_dpiY = logical.height() / heightInches;
    m_scaleW = widthInches;
    m_scaleH = heightInches;
    m_printable = QRectF(0, 0, widthInches, heightInches);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    // Pictures go to PDF and printer as they are: JPEG would shift the colours
    // of small logos and flat areas.
    m_painter.setRenderHint(QPainter::LosslessImageRendering);
}

PainterSurface::~PainterSurface()
{
    if (m_painter.isActive())
        m_painter.end();
}

QPointF PainterSurface::printerOffsets(const QPagedPaintDevice& printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF full = layout.fullRect(QPageLayout::Inch);
    const QRectF paint = layout.paintRect(QPageLayout::Inch);
    return paint.topLeft() - full.topLeft();
}

void PainterSurface::ensureActive() const
{
    if (!m_painter.isActive())
        throw PrintError{PrinterNotAvailable, "printer not available"};
}

QPen PainterSurface::pen(ColorValue c) const
{
    QPen p(colors::forPrint(c));
    p.setWidthF(std::max(1.0, m_drawWidth));
    p.setCapStyle(Qt::FlatCap);
    return p;
}

void PainterSurface::line(double x1, double y1, double x2, double y2, ColorValue color)
{
    ensureActive();
    m_painter.setPen(pen(color));
    m_painter.drawLine(dev(x1, y1), dev(x2, y2));
}

void PainterSurface::paintPicture(const QImage& picture, double x, double y, double w, double h)
{
    ensureActive();
    m_painter.drawImage(QRectF(dev(x, y), dev(x + w, y + h)), picture);
}

void PainterSurface::drawLabel(const LabelContent& label, double x, double y)
{
    ensureActive();
    m_painter.save();
    m_painter.translate(dev(x, y));
    m_painter.scale(1 / units::twipsPerPixel(m_dpiX), 1 / units::twipsPerPixel(m_dpiY));
    labelpaint::Options o;
    // Every label of the job draws the same copy of a picture: made once, and
    // embedded once in a PDF (its engine knows an image by its cache key).
    o.pictures = &m_pictures;
    o.pictureDpi = m_printer ? PrintedPictureDpi : 0;
    labelpaint::paint(m_painter, label, o);
    m_painter.restore();
}

void PainterSurface::setFontName(const QString& name) { m_font.setFamily(name); }
void PainterSurface::setFontSize(double points) { m_font.setPointSizeF(points > 0 ? points : 1); }
void PainterSurface::setForeColor(ColorValue color) { m_fore = color; }
void PainterSurface::setDrawWidth(double pixels) { m_drawWidth = pixels; }

double PainterSurface::textWidth(const QString& text)
{
    ensureActive();
    m_painter.setFont(m_font);
    return m_painter.fontMetrics().horizontalAdvance(text) / m_dpiX;
}

double PainterSurface::textHeight(const QString& text)
{
    ensureActive();
    m_painter.setFont(m_font);
    return m_painter.fontMetrics().height() * textlayout::splitLines(text).size() / m_dpiY;
}

void PainterSurface::print(const QString& text)
{
    ensureActive();
    m_painter.setFont(m_font);
    m_painter.setPen(colors::forPrint(m_fore));
    const QFontMetricsF fm = QFontMetricsF(m_painter.fontMetrics());
    m_painter.drawText(dev(m_curX, m_curY) + QPointF(0, fm.ascent()), text);
    m_curY += fm.height() / m_dpiY;
    m_curX = 0;
}

void PainterSurface::newPage()
{
    ensureActive();
    if (m_printer && !m_printer->newPage())
        throw PrintError{PrinterNotAvailable, "the printer refused a new page"};
}

void PainterSurface::endDoc()
{
    if (m_ended)
        return;
    m_ended = true;
    if (m_painter.isActive() && !m_painter.end())
        m_ok = false;
}

void PainterSurface::abortDoc()
{
    if (m_ended)
        return;
    m_ended = true;
    m_ok = false;
    if (auto* p = dynamic_cast<QPrinter*>(m_printer))
        p->abort();
    if (m_painter.isActive())
        m_painter.end();
}
