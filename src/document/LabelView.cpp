#include "LabelView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "LabelDocument.h"
#include "TextMeasure.h"
#include "ViewGeometry.h"
#include "app/Colors.h"
#include "app/Module1.h"
#include "editing/Handles.h"
#include "editing/LabelEditor.h"

QFont toQFont(const FontSpec& f); // TextMeasure.cpp

namespace {
int buttonCode(Qt::MouseButton b)
{
    return b == Qt::LeftButton ? 1 : b == Qt::RightButton ? 2 : b == Qt::MiddleButton ? 4 : 0;
}
// Room for what a text's glyphs or a frame's pen draw outside their box.
constexpr double Overdraw = 120;
} // namespace

LabelView::LabelView(LabelDocument& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setObjectName("picLabelView");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::ClickFocus);
    setMouseTracking(true);
    m_lblGuide = new QLabel(this);
    m_lblGuide->setObjectName("lblGuide");
    m_lblGuide->setAutoFillBackground(true);
    m_lblGuide->setFrameShape(QFrame::Box);
    m_lblGuide->setMargin(1);
    m_lblGuide->hide();
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

void LabelView::updateTwips(const QRectF& r)
{
    if (r.isEmpty())
        return;
    const double k = twipsPerPixel();
    update(QRectF(r.topLeft() / k, r.size() / k).toAlignedRect().adjusted(-2, -2, 2, 2));
}

qint64 LabelView::takePaintedArea()
{
    const qint64 a = m_paintedArea;
    m_paintedArea = 0;
    return a;
}

void LabelView::paintEvent(QPaintEvent* e)
{
    QPainter p(this);
    const double k = twipsPerPixel();
    for (const QRect& r : e->region())
        m_paintedArea += qint64(r.width()) * r.height();
    p.fillRect(e->rect(), colors::forScreen(m_doc.backColor(), palette()));

    // Grid: black single dots, ends included; only those in the repainted part.
    m_lastDots = 0;
    if (m_grid) {
        QPen dot(Qt::black);
        dot.setCosmetic(true);
        dot.setWidth(1);
        p.setPen(dot);
        // Only the dots of the part being repainted.
        const QRect area = e->rect();
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
    const QRectF area(QPointF(e->rect().topLeft()) * k, QSizeF(e->rect().size()) * k);
    paintItems(p, area.adjusted(-Overdraw, -Overdraw, Overdraw, Overdraw));
    paintMarks(p);
}

void LabelView::paintItems(QPainter& p, const QRectF& area)
{
    const double k = twipsPerPixel();
    for (const ItemRef& r : m_doc.zOrder()) {
        if (r.kind == ItemRef::Graphic) {
            const auto it = m_doc.graphics().find(r.index);
            if (it == m_doc.graphics().end() || !it->second.visible)
                continue;
            const GraphicItem& g = it->second;
            const QRectF box(g.left, g.top, g.width, g.height);
            if (box.intersects(area))
                p.drawImage(box, g.picture);
        } else if (r.kind == ItemRef::Text) {
            const auto it = m_doc.texts().find(r.index);
            if (it == m_doc.texts().end() || !it->second.visible)
                continue;
            const TextItem& t = it->second;
            const QRectF box(t.left, t.top, t.width, t.height);
            if (!box.intersects(area))
                continue;
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


    // Outline of the label.
    QPen outline(Qt::black);
    outline.setCosmetic(true);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, m_doc.surfaceWidth() - k, m_doc.surfaceHeight() - k));
}

void LabelView::paintMarks(QPainter& p)
{
    // The active item: a single dark line around its box.
    QRectF sel;
    if (m_doc.activeTextItemSelected()) {
        const TextItem& t = m_doc.texts().at(m_doc.activeTextIndex());
        sel = QRectF(t.left, t.top, t.width, t.height);
    } else if (m_doc.activeItemSelected()) {
        const GraphicItem& g = m_doc.graphics().at(m_doc.activeGraphicIndex());
        sel = QRectF(g.left, g.top, g.width, g.height);
    }
    if (!sel.isNull()) {
        QPen line(Qt::black);
        line.setCosmetic(true);
        p.setPen(line);
        p.setBrush(Qt::NoBrush);
        p.drawRect(sel);
    }

    // Guides on top of the items.
    if (m_doc.guidesVisible()) {
        QPen guide(QColor(0, 120, 215));
        guide.setCosmetic(true);
        guide.setStyle(Qt::DashLine);
        p.setPen(guide);
        p.drawLine(QPointF(m_doc.vGuideX(), 0), QPointF(m_doc.vGuideX(), m_doc.surfaceHeight()));
        p.drawLine(QPointF(0, m_doc.hGuideY()), QPointF(m_doc.surfaceWidth(), m_doc.hGuideY()));
    }

    if (!m_editor)
        return;
    // Handles: filled squares without a border.
    if (const auto handles = m_editor->resizers()) {
        p.setPen(Qt::NoPen);
        p.setBrush(handles::Color);
        for (const QRectF& h : *handles)
            p.drawRect(h);
    }
    // The outline of a text item being dragged.
    if (const QRectF o = m_editor->dragOutline(); !o.isNull()) {
        QPen dots(Qt::black);
        dots.setCosmetic(true);
        dots.setStyle(Qt::DotLine);
        p.setPen(dots);
        p.setBrush(Qt::NoBrush);
        p.drawRect(o);
    }
}

void LabelView::mousePressEvent(QMouseEvent* e)
{
    const int b = buttonCode(e->button());
    if (!b)
        return;
    emit mousePressed(toTwips(e->position()), b, e->buttons() == e->button());
}

void LabelView::mouseMoveEvent(QMouseEvent* e)
{
    emit mouseMoved(toTwips(e->position()), rect().contains(e->position().toPoint()));
}

void LabelView::mouseReleaseEvent(QMouseEvent* e)
{
    const int b = buttonCode(e->button());
    if (!b)
        return;
    emit mouseReleased(toTwips(e->position()), b, rect().contains(e->position().toPoint()));
}

void LabelView::mouseDoubleClickEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton)
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
