#pragma once
// Everything a sheet of labels is drawn with: the printer, a PDF, a preview
// page image, or a recording in the tests. Units are inches from the top-left
// corner of the paper.
#include <QImage>
#include <QRectF>
#include <QString>

#include "app/Module1.h"

struct LabelContent;

// Raised by a surface when the device fails; handled by the print job only.
struct PrintError {
    int number;
    QString text;
};
constexpr int PrinterNotAvailable = 482;

class DrawingSurface {
public:
    virtual ~DrawingSurface() = default;

    virtual bool isPrinter() const { return false; }
    // False when the device could not be opened: nothing can be drawn on it.
    virtual bool ready() const { return true; }
    virtual double scaleWidth() const = 0;
    virtual double scaleHeight() const = 0;
    // The part of the paper the device can print on; the whole paper unless the
    // device has an unprintable border.
    virtual QRectF printableArea() const { return QRectF(0, 0, scaleWidth(), scaleHeight()); }

    // A segment from (x1, y1) to (x2, y2).
    virtual void line(double x1, double y1, double x2, double y2, ColorValue color) = 0;
    virtual void paintPicture(const QImage& picture, double x, double y, double w, double h) = 0;
    // The whole label (background and every item, clipped to the label) with
    // its top-left corner at (x, y), drawn as the label view draws it.
    virtual void drawLabel(const LabelContent& label, double x, double y) = 0;

    virtual void setFontName(const QString& name) = 0;
    virtual void setFontSize(double points) = 0;
    virtual void setForeColor(ColorValue color) = 0;
    // Pen width in device pixels.
    virtual void setDrawWidth(double pixels) = 0;

    virtual void setCurrentX(double x) = 0;
    virtual void setCurrentY(double y) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
    virtual double textWidth(const QString& text) = 0;
    virtual double textHeight(const QString& text) = 0;
    // Draws the text with its top at CurrentY, then moves down one line.
    virtual void print(const QString& text) = 0;

    virtual void newPage() = 0;
    virtual void endDoc() = 0;
    // Drops the document begun on a printer so that nothing comes out.
    virtual void abortDoc() {}
};
