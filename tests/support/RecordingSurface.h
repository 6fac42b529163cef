#pragma once
// A drawing surface that records every call, for exact assertions.
#include <QStringList>
#include <vector>

#include "printing/DrawingSurface.h"

class RecordingSurface : public DrawingSurface {
public:
    struct Call {
        QString op;
        std::vector<double> args;
        QString text;
        ColorValue color = 0;
    };
    std::vector<Call> calls;
    double sw = 8.5, sh = 11;
    bool printer = false;
    int failOn = -1;      // index of the call that throws
    int failNumber = 482;
    double charWidth = 0.1; // inches per character
    double lineHeight = 0.2;

    bool isPrinter() const override { return printer; }
    double scaleWidth() const override { return sw; }
    double scaleHeight() const override { return sh; }
    // The printer's reach; the whole paper when empty.
    QRectF printable;
    QRectF printableArea() const override { return printable.isEmpty() ? QRectF(0, 0, sw, sh) : printable; }
    void line(double x1, double y1, double x2, double y2, ColorValue c) override { rec("line", {x1, y1, x2, y2}, {}, c); }
    void paintPicture(const QImage&, double x, double y, double w, double h) override { rec("picture", {x, y, w, h}); }
    // A label is one call: where its corner goes (its content is the painter's).
    void drawLabel(const LabelContent&, double x, double y) override { rec("label", {x, y}); }
    void setFontName(const QString& n) override { rec("fontName", {}, n); }
    void setFontSize(double s) override { rec("fontSize", {s}); }
    void setForeColor(ColorValue c) override { rec("foreColor", {}, {}, c); }
    void setDrawWidth(double w) override { rec("drawWidth", {w}); }
    void setCurrentX(double x) override { m_x = x; rec("currentX", {x}); }
    void setCurrentY(double y) override { m_y = y; rec("currentY", {y}); }
    double currentX() const override { return m_x; }
    double currentY() const override { return m_y; }
    double textWidth(const QString& t) override { return t.size() * charWidth; }
    double textHeight(const QString&) override { return lineHeight; }
    void print(const QString& t) override
    {
        rec("print", {m_x, m_y}, t);
        m_y += lineHeight;
        m_x = 0;
    }
    void newPage() override { rec("newPage", {}); }
    void endDoc() override { rec("endDoc", {}); }
    void abortDoc() override { rec("abortDoc", {}); }

    std::vector<Call> only(const QString& op) const
    {
        std::vector<Call> r;
        for (const Call& c : calls)
            if (c.op == op)
                r.push_back(c);
        return r;
    }
    int count(const QString& op) const { return int(only(op).size()); }

private:
    void rec(const QString& op, std::vector<double> a, const QString& t = {}, ColorValue c = 0)
    {
        if (failOn >= 0 && int(calls.size()) == failOn) {
            failOn = -1; // once
            throw PrintError{failNumber, "scripted failure"};
        }
        calls.push_back({op, std::move(a), t, c});
    }
    double m_x = 0, m_y = 0;
};
