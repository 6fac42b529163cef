#include "LabelView.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QPainterPath>
#include <algorithm>

#include "LabelDocument.h"
#include "TextMeasure.h"
#include "ViewGeometry.h"
#include "app/Colors.h"
#include "app/Module1.h"

QFont toQFont(const FontSpec& f); // TextMeasure.cpp

LabelView::LabelView(LabelDocument& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setObjectName("picLabelView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
}

double LabelView::twipsPerPixel() const
{
    const int dpi = logicalDpiX();
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

QSize LabelView::pixelSizeFor(int twipsW, int twipsH) const
{
    const double k = twipsPerPixel();
    return QSize(int(std::lround(twipsW / k)), int(std::lround(twipsH / k)));
}

bool LabelView::hitTest(const QPointF& p, int* textIndex, int* graphicIndex) const
{
    *textIndex = 0;
    *graphicIndex = 0;
    const auto& z = m_doc.zOrder();
    for (auto it = z.rbegin(); it != z.rend(); ++it) {
        if (it->kind == ItemRef::Text) {
            const auto f = m_doc.texts().find(it->index);
            if (f != m_doc.texts().end() && f->second.visible &&
                QRectF(f->second.left, f->second.top, f->second.width, f->second.height).contains(p)) {
                *textIndex = it->index;
                return true;
            }
        } else if (it->kind == ItemRef::Graphic) {
            const auto f = m_doc.graphics().find(it->index);
            if (f != m_doc.graphics().end() && f->second.visible &&
                QRectF(f->second.left, f->second.top, f->second.width, f->second.height).contains(p)) {
                *graphicIndex = it->index;
                return true;
            }
        }
    }
    return false;
}

void LabelView::paintEvent(QPaintEvent* event)
{
    QPainter p(this);
    const double k = twipsPerPixel();
    p.fillRect(rect(), colors::forScreen(m_doc.backColor(), palette()));

    // Grid: black single dots, ends included.
    m_lastDots = 0;
    if (m_grid) {
        QPen dot(Qt::black);
        dot.setCosmetic(true);
        dot.setWidth(1);
        p.setPen(dot);
        // Only the dots of the part being repainted.
        const QRect area = event->rect();
        auto twips = [k](double px) { return int(std::clamp(px * k, -1e9, 1e9)); };
        const auto xs = viewgeom::gridPositions(m_doc.surfaceWidth(), m_doc.app().gridWidth,
                                                twips(area.left() - 1), twips(area.right() + 2));
        const auto ys = viewgeom::gridPositions(m_doc.surfaceHeight(), m_doc.app().gridHeight,
                                                twips(area.top() - 1), twips(area.bottom() + 2));
        QVector<QPointF> pts;
        pts.reserve(int(xs.size() * ys.size()));
        for (int x : xs)
            for (int y : ys)
                pts << QPointF(std::floor(x / k) + 0.5, std::floor(y / k) + 0.5);
        p.drawPoints(pts.constData(), int(pts.size()));
        m_lastDots = int(pts.size());
    }

    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1 / k, 1 / k); // draw in twips from here on

    for (const ItemRef& r : m_doc.zOrder()) {
        if (r.kind == ItemRef::Graphic) {
            const auto it = m_doc.graphics().find(r.index);
            if (it == m_doc.graphics().end() || !it->second.visible)
                continue;
            const GraphicItem& g = it->second;
            p.drawImage(QRectF(g.left, g.top, g.width, g.height), g.picture);
        } else if (r.kind == ItemRef::Text) {
            const auto it = m_doc.texts().find(r.index);
            if (it == m_doc.texts().end() || !it->second.visible)
                continue;
            const TextItem& t = it->second;
            const QRectF box(t.left, t.top, t.width, t.height);
            if (t.backStyle == 1)
                p.fillRect(box, colors::forScreen(t.backColor, palette()));
            p.save();
            // Fonts are sized in points; undo the twips scale so hinting matches measuring.
            p.scale(k, k);
            QFont f = toQFont(t.font);
            p.setFont(f);
            p.setPen(colors::forScreen(t.foreColor, palette()));
            const QFontMetricsF fm(f, this);
            // Placed in the box as on paper: from its top, aligned within its width.
            double y = t.top / k;
            const double left = t.left / k, inner = t.width / k;
            for (const QString& line : textlayout::splitLines(t.text)) {
                const double w = fm.horizontalAdvance(line);
                double x = left;
                if (t.alignment == 1)
                    x = left + inner - w;
                else if (t.alignment == 2)
                    x = left + (inner - w) / 2;
                p.drawText(QPointF(x, y + fm.ascent()), line);
                y += fm.height();
            }
            p.restore();
        } else if (r.kind == ItemRef::Border) {
            const BorderSpec& b = m_doc.border();
            if (!b.visible)
                continue;
            QPen pen(colors::forScreen(b.color, palette()));
            pen.setWidthF(b.width * k); // pen width is in screen pixels
            p.setPen(pen);
            p.setBrush(Qt::NoBrush);
            const QRectF f = m_doc.borderRect();
            switch (b.shapeCode) {
            case 0: p.drawRect(f); break;
            case 2: p.drawEllipse(f); break;
            default: {
                const double rad = std::min({500.0, f.width() / 2, f.height() / 2});
                p.drawRoundedRect(f, rad, rad);
                break;
            }
            }
        }
    }

    // Outline of the label, then the guides on top of everything.
    QPen outline(Qt::black);
    outline.setCosmetic(true);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, m_doc.surfaceWidth() - k, m_doc.surfaceHeight() - k));

    // The selection is marked by a dotted box.
    QRectF sel;
    if (m_doc.activeTextItemSelected()) {
        const TextItem& t = m_doc.texts().at(m_doc.activeTextIndex());
        sel = QRectF(t.left, t.top, t.width, t.height);
    } else if (m_doc.activeItemSelected()) {
        const GraphicItem& g = m_doc.graphics().at(m_doc.activeGraphicIndex());
        sel = QRectF(g.left, g.top, g.width, g.height);
    }
    if (!sel.isNull()) {
        QPen dots(QColor(0, 90, 200));
        dots.setCosmetic(true);
        dots.setStyle(Qt::DotLine);
        p.setPen(dots);
        p.drawRect(sel);
    }

    if (m_doc.guidesVisible()) {
        QPen guide(QColor(0, 120, 215));
        guide.setCosmetic(true);
        guide.setStyle(Qt::DashLine);
        p.setPen(guide);
        p.drawLine(QPointF(m_doc.vGuideX(), 0), QPointF(m_doc.vGuideX(), m_doc.surfaceHeight()));
        p.drawLine(QPointF(0, m_doc.hGuideY()), QPointF(m_doc.surfaceWidth(), m_doc.hGuideY()));
    }
}

void LabelView::mousePressEvent(QMouseEvent* e)
{
    emit clicked(toTwips(e->position()));
}

void LabelView::mouseDoubleClickEvent(QMouseEvent* e)
{
    emit doubleClicked(toTwips(e->position()));
}

void LabelView::keyPressEvent(QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Left: m_doc.nudge(-15, 0); break;
    case Qt::Key_Up: m_doc.nudge(0, -15); break;
    case Qt::Key_Right: m_doc.nudge(15, 0); break;
    case Qt::Key_Down: m_doc.nudge(0, 15); break;
    default: QWidget::keyPressEvent(e); return;
    }
}
