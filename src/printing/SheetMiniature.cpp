#include "SheetMiniature.h"

#include <cmath>

#include "SheetLayout.h"

namespace miniature {

namespace {

// Cut marks keep their size on screen whatever the paper: 50 twips before the
// point and 60 beyond it in the miniature.
class MiniSink : public sheet::Sink {
public:
    explicit MiniSink(Drawing& d) : m_d(d) {}
    void label(double X, double Y) override
    {
        m_d.labels.emplace_back(X / Scale + 50, Y / Scale + 50, m_w / Scale - 100, m_h / Scale - 100);
    }
    void segment(double x1, double y1, double x2, double y2) override { m_d.marks.emplace_back(x1, y1, x2, y2); }
    void cross(const sheet::Params&, double px, double py) override
    {
        const double x = px / Scale, y = py / Scale;
        segment(x - 50, y, x + 60, y);
        segment(x, y - 50, x, y + 60);
    }
    void topLine(const sheet::Params& p, double px, double py) override
    {
        const double x = px / Scale, y = py / Scale;
        segment(x - 50, y, x - 50 + p.W / Scale + 110, y);
    }
    void sideLine(const sheet::Params& p, double px, double py) override
    {
        const double x = px / Scale, y = py / Scale;
        segment(x, y - 50, x, y - 50 + p.H / Scale + 110);
    }
    double m_w = 0, m_h = 0;

private:
    Drawing& m_d;
};

} // namespace

Drawing draw(const Input& in)
{
    Drawing d;
    sheet::Params p;
    p.W = in.labelWidth;
    p.H = in.labelHeight;
    p.C = in.columnSpace * 1440;
    p.R = in.rowSpace * 1440;
    // Margins are measured from the paper's edge, as on every printed sheet.
    p.leftMargin = in.leftMargin * 1440;
    p.topMargin = in.topMargin * 1440;
    p.SW = in.paperWidth;
    p.SH = in.paperHeight;
    p.cutmarks = in.cutmarks;
    p.wholePositions = true;

    const double stepX = std::nearbyint(p.W + p.C), stepY = std::nearbyint(p.H + p.R);
    if (!(stepX > 0) || !(stepY > 0))
        return d;
    const double columns = (p.SW - std::nearbyint(p.leftMargin)) / stepX + 2;
    const double rows = (p.SH - std::nearbyint(p.topMargin)) / stepY + 2;
    if (columns * rows > MostPositions)
        return d;

    MiniSink sink(d);
    sink.m_w = in.labelWidth;
    sink.m_h = in.labelHeight;
    sheet::walk(p, sink);
    return d;
}

QSizeF pageSize(double paperWidthTwips, double paperHeightTwips)
{
    return QSizeF(paperWidthTwips / Scale, paperHeightTwips / Scale);
}

QString paperSizeCaption(double paperWidthTwips, double paperHeightTwips)
{
    // Inches to three decimals at most, each with the blank a positive number
    // is shown with.
    auto inches = [](double twips) {
        const double v = std::round(twips / 1440 * 1000) / 1000;
        QString s = QString::number(v, 'f', 3);
        while (s.endsWith('0'))
            s.chop(1);
        if (s.endsWith('.'))
            s.chop(1);
        return v >= 0 ? " " + s : s;
    };
    return inches(paperWidthTwips) + " x" + inches(paperHeightTwips) + " in";
}

bool labelTwips(double widthInches, double heightInches, double& w, double& h)
{
    if (!(widthInches > 0) || !(heightInches > 0) || !std::isfinite(widthInches) || !std::isfinite(heightInches))
        return false;
    w = std::floor(widthInches * 1440);
    h = std::floor(heightInches * 1440);
    return true;
}

} // namespace miniature
