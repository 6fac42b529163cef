#pragma once
// Printed label sheets read back from PDF: poppler's pdftocairo writes the page
// as SVG (paths exact to far below a tenth of a millimetre), and the labels are
// found again by their background, pure red.
#include <QFile>
#include <QRegularExpression>
#include <QTransform>
#include <QXmlStreamReader>
#include <algorithm>
#include <cmath>
#include <vector>

#include "printing/StockCatalogue.h"

namespace sheetsvg {

constexpr double Tolerance = 0.1 / 25.4; // inches
// The label background every test label has: pure red, found again by its colour.
constexpr int32_t Red = 0x0000FF; // BGR
inline const QString RedFill = QStringLiteral("fill:rgb(100%,0%,0%);");

inline QTransform matrixOf(const QString& attr)
{
    static const QRegularExpression m(R"(matrix\(([^)]*)\))");
    const auto hit = m.match(attr);
    if (!hit.hasMatch())
        return {};
    QList<double> v;
    for (const QString& n : hit.captured(1).split(QRegularExpression("[ ,]+"), Qt::SkipEmptyParts))
        v << n.toDouble();
    return v.size() == 6 ? QTransform(v[0], v[1], v[2], v[3], v[4], v[5]) : QTransform();
}

// The red rectangles of the first page of an SVG that pdftocairo wrote, in
// inches from the paper's top-left corner, with the paper's size.
inline std::vector<QRectF> redRectangles(const QString& svgPath, QSizeF* paper)
{
    std::vector<QRectF> out;
    QFile f(svgPath);
    if (!f.open(QIODevice::ReadOnly))
        return out;
    QXmlStreamReader xml(&f);
    std::vector<QTransform> groups{QTransform()};
    static const QRegularExpression number(R"([-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?)");
    bool inDefs = false;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) {
            if (xml.name() == QLatin1String("g"))
                groups.pop_back();
            else if (xml.name() == QLatin1String("defs"))
                inDefs = false;
            continue;
        }
        if (!xml.isStartElement())
            continue;
        const auto a = xml.attributes();
        const bool red = !inDefs && a.value("style").toString().remove(' ').contains(RedFill);
        const auto inInches = [](const QRectF& r) { return QRectF(r.topLeft() / 72, r.size() / 72); };
        if (xml.name() == QLatin1String("svg")) {
            *paper = QSizeF(a.value("width").toString().remove("pt").toDouble() / 72,
                            a.value("height").toString().remove("pt").toDouble() / 72);
        } else if (xml.name() == QLatin1String("defs")) {
            inDefs = true;
        } else if (xml.name() == QLatin1String("g")) {
            groups.push_back(matrixOf(a.value("transform").toString()) * groups.back());
        } else if (red && xml.name() == QLatin1String("path")) {
            const QTransform t = matrixOf(a.value("transform").toString()) * groups.back();
            QList<double> v;
            for (auto it = number.globalMatch(a.value("d").toString()); it.hasNext();)
                v << it.next().captured().toDouble();
            QPolygonF poly;
            for (int i = 0; i + 1 < v.size(); i += 2)
                poly << t.map(QPointF(v[i], v[i + 1]));
            out.push_back(inInches(poly.boundingRect()));
        } else if (red && xml.name() == QLatin1String("rect")) {
            // A label that covers the whole page comes back as the page's own rectangle.
            out.push_back(inInches(groups.back().mapRect(QRectF(a.value("x").toDouble(), a.value("y").toDouble(),
                                                                a.value("width").toDouble(),
                                                                a.value("height").toDouble()))));
        }
    }
    return out;
}

inline QString inches(const QRectF& r)
{
    QString s = "(%1, %2) to (%3, %4) in";
    for (const double v : {r.left(), r.top(), r.right(), r.bottom()})
        s = s.arg(v, 0, 'f', 4);
    return s;
}

// Why the printed sheet is not the product's; empty when every label is where
// it belongs. The first `skip` positions are left empty (a partly used sheet),
// and everything is moved by `move` (a printer's adjustment), inches.
inline QString compare(const catalogue::Product& p, std::vector<QRectF> got, const QSizeF& paper, int skip = 0,
                       QPointF move = {})
{
    // A PDF's page is whole points; the labels are placed from its top-left corner.
    const double point = 1.0 / 72;
    if (std::abs(paper.width() - p.paperWidth) > point || std::abs(paper.height() - p.paperHeight) > point)
        return QString("paper %1 x %2 in, not %3 x %4").arg(paper.width()).arg(paper.height()).arg(p.paperWidth).arg(
            p.paperHeight);
    if (got.size() != size_t(p.across) * p.down - size_t(skip))
        return QString("%1 labels, not %2 x %3 less %4").arg(got.size()).arg(p.across).arg(p.down).arg(skip);
    // Down each column, then the next column, as the catalogue counts them.
    std::sort(got.begin(), got.end(), [](const QRectF& a, const QRectF& b) {
        return std::abs(a.x() - b.x()) > Tolerance ? a.x() < b.x() : a.y() < b.y();
    });
    size_t k = 0;
    for (int i = 0; i < p.across; ++i)
        for (int j = 0; j < p.down; ++j) {
            if (i * p.down + j < skip)
                continue;
            // Both cut at the page, which may end a fraction of a point before the paper.
            const QRectF want =
                QRectF(QPointF(p.left + i * p.stepX, p.top + j * p.stepY) + move, QSizeF(p.width, p.height)) &
                QRectF(QPointF(0, 0), paper);
            const QRectF r = got[k++] & QRectF(QPointF(0, 0), paper);
            const QLineF off(r.topLeft() - want.topLeft(), r.bottomRight() - want.bottomRight());
            if (std::max({std::abs(off.x1()), std::abs(off.y1()), std::abs(off.x2()), std::abs(off.y2())}) > Tolerance)
                return QString("label %1 across, %2 down at %3, not %4").arg(i + 1).arg(j + 1).arg(inches(r), inches(want));
        }
    return {};
}

} // namespace sheetsvg
