#include "SheetMiniature.h"

#include <cmath>

#include "SheetLayout.h"
#include "app/Units.h"

namespace miniature {

Drawing draw(const Input& in)
{
    Drawing d;
    sheet::Params p;
    p.W = in.labelWidth;
    p.H = in.labelHeight;
    p.C = in.columnSpace * units::TwipsPerInch;
    p.R = in.rowSpace * units::TwipsPerInch;
    // Margins are measured from the paper's edge, as on every printed sheet.
    p.leftMargin = in.leftMargin * units::TwipsPerInch;
    p.topMargin = in.topMargin * units::TwipsPerInch;
    p.SW = in.paperWidth;
    p.SH = in.paperHeight;
    p.cutmarks = in.cutmarks;
    p.wholePositions = true;
    p.across = in.across;
    p.down = in.down;
    // Cut marks keep their size on screen whatever the paper: 50 twips before
    // the point and 60 beyond it in the miniature.
    p.markBefore = 50 * Scale;
    p.markBeyond = 60 * Scale;

    const double stepX = std::nearbyint(p.W + p.C), stepY = std::nearbyint(p.H + p.R);
    if (!(stepX > 0) || !(stepY > 0))
        return d;
    const double columns = (p.SW - std::nearbyint(p.leftMargin)) / stepX + 2;
    const double rows = (p.SH - std::nearbyint(p.topMargin)) / stepY + 2;
    if (columns * rows > MostPositions)
        return d;

    const sheet::Plan plan = sheet::plan(p);
    // Outlines sit 50 twips inside each label.
    for (const QRectF& r : plan.labels)
        d.labels.emplace_back(r.x() / Scale + 50, r.y() / Scale + 50, r.width() / Scale - 100, r.height() / Scale - 100);
    for (const QLineF& m : plan.marks)
        d.marks.emplace_back(m.x1() / Scale, m.y1() / Scale, m.x2() / Scale, m.y2() / Scale);
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
        const double v = std::round(units::twipsToInches(twips) * 1000) / 1000;
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
    w = std::floor(widthInches * units::TwipsPerInch);
    h = std::floor(heightInches * units::TwipsPerInch);
    return true;
}

} // namespace miniature
