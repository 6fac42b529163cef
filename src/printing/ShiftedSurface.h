#pragma once
// A drawing surface that moves everything drawn on another one by a fixed
// distance: the printer adjustment. The usable area stays the printer's, so
// the same labels fit on a sheet whatever the adjustment.
#include "DrawingSurface.h"

class ShiftedSurface : public DrawingSurface {
public:
    ShiftedSurface(DrawingSurface& target, double right, double down) : m_t(target), m_dx(right), m_dy(down) {}

    bool isPrinter() const override { return m_t.isPrinter(); }
    bool ready() const override { return m_t.ready(); }
    double scaleWidth() const override { return m_t.scaleWidth(); }
    double scaleHeight() const override { return m_t.scaleHeight(); }
    // What the printer reaches, in the caller's coordinates.
    QRectF printableArea() const override { return m_t.printableArea().translated(-m_dx, -m_dy); }
    void line(double x1, double y1, double x2, double y2, ColorValue c) override
    {
        m_t.line(x1 + m_dx, y1 + m_dy, x2 + m_dx, y2 + m_dy, c);
    }
    void paintPicture(const QImage& p, double x, double y, double w, double h) override
    {
        m_t.paintPicture(p, x + m_dx, y + m_dy, w, h);
    }
    void drawLabel(const LabelContent& label, double x, double y) override { m_t.drawLabel(label, x + m_dx, y + m_dy); }
    void setFontName(const QString& n) override { m_t.setFontName(n); }
    void setFontSize(double pt) override { m_t.setFontSize(pt); }
    void setForeColor(ColorValue c) override { m_t.setForeColor(c); }
    void setDrawWidth(double px) override { m_t.setDrawWidth(px); }
    // The text position is kept in the caller's coordinates.
    void setCurrentX(double x) override { m_t.setCurrentX(x + m_dx); }
    void setCurrentY(double y) override { m_t.setCurrentY(y + m_dy); }
    double currentX() const override { return m_t.currentX() - m_dx; }
    double currentY() const override { return m_t.currentY() - m_dy; }
    double textWidth(const QString& s) override { return m_t.textWidth(s); }
    double textHeight(const QString& s) override { return m_t.textHeight(s); }
    void print(const QString& s) override
    {
        // Printing goes back to the start of the line: that is, moved, x = 0.
        m_t.print(s);
        m_t.setCurrentX(m_t.currentX() + m_dx);
    }
    void newPage() override { m_t.newPage(); }
    void endDoc() override { m_t.endDoc(); }
    void abortDoc() override { m_t.abortDoc(); }

private:
    DrawingSurface& m_t;
    double m_dx, m_dy;
};
