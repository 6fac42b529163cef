#pragma once
// The drawing surface over a QPainter: the printer, a PDF file or a page image.
#include <QFont>
#include <QPainter>
#include <memory>

#include "DrawingSurface.h"
#include "document/PictureCache.h"

class QPagedPaintDevice;
class QPrinter;

class PainterSurface : public DrawingSurface {
public:
    static constexpr double PrintedPictureDpi = pictures::PrintedDpi;

    // Draws on a printer or PDF writer. The origin is the paper's corner, not
    // the printable area's: label stock is measured from the paper's edges, and
    // every output (printer, preview, PDF, test page) must put a label in the
    // same place on the sheet. What falls in the unprintable border is clipped
    // by the printer.
    explicit PainterSurface(QPagedPaintDevice& printer);
    // Draws on an image of a page of the given size in inches (preview).
    PainterSurface(QImage& image, double widthInches, double heightInches);
    ~PainterSurface() override;

    bool isPrinter() const override { return m_printer != nullptr; }
    // False when the device could not be opened (every drawing call then fails).
    bool isActive() const { return m_painter.isActive(); }
    bool ready() const override { return isActive(); }
    double scaleWidth() const override { return m_scaleW; }
    double scaleHeight() const override { return m_scaleH; }
    QRectF printableArea() const override { return m_printable; }
    void line(double x1, double y1, double x2, double y2, ColorValue color) override;
    void paintPicture(const QImage& picture, double x, double y, double w, double h) override;
    void drawLabel(const LabelContent& label, double x, double y) override;
    void setFontName(const QString& name) override;
    void setFontSize(double points) override;
    void setForeColor(ColorValue color) override;
    void setDrawWidth(double pixels) override;
    void setCurrentX(double x) override { m_curX = x; }
    void setCurrentY(double y) override { m_curY = y; }
    double currentX() const override { return m_curX; }
    double currentY() const override { return m_curY; }
    double textWidth(const QString& text) override;
    double textHeight(const QString& text) override;
    void print(const QString& text) override;
    void newPage() override;
    void endDoc() override;
    void abortDoc() override;
    // False when the device could not be drawn on, or ended with an error.
    bool succeeded() const { return m_ok; }

    // Printable-area offsets of a printer in inches (page layout against the full page).
    static QPointF printerOffsets(const QPagedPaintDevice& printer);

private:
    void ensureActive() const;
    QPen pen(ColorValue c) const;
    QPointF dev(double x, double y) const { return QPointF(x * m_dpiX, y * m_dpiY); }

    QPagedPaintDevice* m_printer = nullptr;
    QPainter m_painter;
    double m_dpiX = 96, m_dpiY = 96;
    double m_scaleW = 0, m_scaleH = 0;
    QRectF m_printable;
    double m_curX = 0, m_curY = 0;
    double m_drawWidth = 1;
    ColorValue m_fore = 0;
    QFont m_font;
    // The pictures' copies at the size they are printed at, for the whole job.
    pictures::ScaledCache m_pictures;
    bool m_ended = false;
    bool m_ok = true;
};
