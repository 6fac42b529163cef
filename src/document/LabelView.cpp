#include "LabelView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

#include "LabelDocument.h"
#include "LabelPainter.h"
#include "ViewGeometry.h"
#include "app/Colors.h"
#include "app/Module1.h"
#include "editing/Handles.h"
#include "editing/LabelEditor.h"
#include "app/Units.h"

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

double LabelView::trueTwipsPerPixel() const { return units::twipsPerPixel(logicalDpiX()); }

double LabelView::twipsPerPixel() const { return trueTwipsPerPixel() / m_zoom; }

void LabelView::setZoom(double zoom)
{
    m_zoom = viewgeom::clampZoom(zoom);
    m_layers.drop();
    update();
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

const LabelContent& LabelView::shownContent() const
{
    return m_content ? m_content() : m_doc.content();
}

void LabelView::paintEvent(QPaintEvent* e)
{
    const LabelContent& shown = shownContent();
    QPainter p(this);
    const double k = twipsPerPixel();
    for (const QRect& r : e->region())
        m_paintedArea += qint64(r.width()) * r.height();
    // A drag only moves or sizes items, so their scaled copies are pruned between drags, not at every step.
    const bool dragging = m_editor && m_editor->dragging();
    if (m_pictures.count() > 0 && !dragging) {
        std::unordered_set<qint64> used;
        for (const ItemPtr& item : shown.items)
            if (const auto* g = std::get_if<GraphicItem>(item.get()))
                used.insert(pictures::ScaledCache::sourceKey(*g));
        m_pictures.keepOnly(used);
    }
    m_lastDots = 0;
    if (!paintDrag(p, e->region(), shown)) {
        // Where the label ends inside the last pixel, the rest of it is the background too.
        if (!QRectF(0, 0, m_doc.surfaceWidth() / k, m_doc.surfaceHeight() / k).contains(QRectF(e->rect())))
            p.fillRect(e->rect(), colors::forScreen(m_doc.backColor(), palette()));
        paintPortion(p, shown, DragLayers::Portion::All, 0, e->rect());
    }
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1 / k, 1 / k); // draw in twips from here on
    paintMarks(p, shown);
}

bool LabelView::paintDrag(QPainter& p, const QRegion& region, const LabelContent& shown)
{
    if (!m_editor || !m_editor->dragging()) {
        m_layers.drop();
        return false;
    }
    // Cut at the active item, the one a drag moves or resizes; an item that
    // moves on the drop stays where it is, under its outline, with the rest.
    const LabelItem* active = shown.item(m_doc.activeId());
    const int split = active && movesLive(*active) ? shown.find(m_doc.activeId()) : int(shown.items.size());
    const QPalette pal = palette();
    const DragLayers::Setting setting{m_zoom, devicePixelRatioF(), m_grid, m_doc.app().gridWidth, m_doc.app().gridHeight,
                                      pal.cacheKey()};
    if (!m_layers.ready(shown, split, setting, region.boundingRect())) {
        // Made for what shows of the view; a repaint beyond it (a grab) is drawn afresh.
        const QRect visible = visibleRegion().boundingRect();
        if (!visible.contains(region.boundingRect()))
            return false;
        const auto draw = [&](QPainter& q, DragLayers::Portion which, const QRect& px) {
            if (which == DragLayers::Portion::Below)
                q.fillRect(px, colors::forScreen(m_doc.backColor(), pal));
            paintPortion(q, shown, which, split, px);
        };
        if (!m_layers.build(shown, split, setting, visible, draw))
            return false;
    }
    if (split == int(shown.items.size())) {
        m_layers.drawWithout(p, region);
        return true;
    }
    // Only where the dragged item may have drawn is the stacking put together.
    const double k = twipsPerPixel();
    const QRectF box = drawnBounds(*shown.items[size_t(split)]).normalized();
    const QRect near = QRectF(box.topLeft() / k, box.size() / k).toAlignedRect().adjusted(-2, -2, 2, 2);
    const QRegion over = region & near;
    m_layers.drawWithout(p, region - near);
    if (over.isEmpty())
        return true;
    p.save();
    p.setClipRegion(over, Qt::IntersectClip);
    m_layers.drawBelow(p, over);
    paintPortion(p, shown, DragLayers::Portion::Item, split, over.boundingRect());
    m_layers.drawAbove(p, over);
    paintPortion(p, shown, DragLayers::Portion::Texts, split, over.boundingRect());
    p.restore();
    return true;
}

void LabelView::paintPortion(QPainter& p, const LabelContent& shown, DragLayers::Portion portion, int split, const QRect& px)
{
    const double k = twipsPerPixel();
    labelpaint::Options o;
    o.portion = portion;
    o.split = split;
    o.pictures = &m_pictures;
    const QPalette pal = palette();
    o.palette = &pal;
    // Lines break where they did when their boxes were measured: at the
    // screen's own resolution, whatever the zoom.
    o.textDpi = units::TwipsPerInch / trueTwipsPerPixel();
    // Zoomed, pictures are copied from copies at their size on screen; at true
    // size the view draws them as paper does, pixel for pixel the same.
    o.pixelCopies = viewgeom::zoomPercent(m_zoom) != 100;
    const QRectF area(QPointF(px.topLeft()) * k, QSizeF(px.size()) * k);
    o.area = area.adjusted(-Overdraw, -Overdraw, Overdraw, Overdraw);
    // Grid: black single dots, ends included, under the items; only those in the repainted part.
    if (m_grid)
        o.underlay = [&](QPainter& q) {
            // The dots on the label's far edges belong to the surface, not the label.
            q.setClipping(false);
            q.scale(k, k);
            q.setRenderHint(QPainter::Antialiasing, false);
            QPen dot(Qt::black);
            dot.setCosmetic(true);
            dot.setWidth(1);
            q.setPen(dot);
            auto twips = [k](double v) { return int(std::clamp(v * k, -1e9, 1e9)); };
            const auto xs = viewgeom::gridPositions(m_doc.surfaceWidth(), m_doc.app().gridWidth,
                                                    twips(px.left() - 1), twips(px.right() + 2));
            const auto ys = viewgeom::gridPositions(m_doc.surfaceHeight(), m_doc.app().gridHeight,
                                                    twips(px.top() - 1), twips(px.bottom() + 2));
            QVector<QPointF> pts;
            pts.reserve(int(xs.size() * ys.size()));
            for (int x : xs)
                for (int y : ys)
                    pts << QPointF(std::floor(x / k) + 0.5, std::floor(y / k) + 0.5);
            q.drawPoints(pts.constData(), int(pts.size()));
            m_lastDots = int(pts.size());
        };
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(1 / k, 1 / k); // draw in twips from here on
    labelpaint::paint(p, shown, o);
    p.restore();
}

void LabelView::paintMarks(QPainter& p, const LabelContent& shown)
{
    // Outline of the label.
    const double k = twipsPerPixel();
    QPen outline(Qt::black);
    outline.setCosmetic(true);
    p.setPen(outline);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(0, 0, m_doc.surfaceWidth() - k, m_doc.surfaceHeight() - k));

    // The active item: a single dark line around its box as painted (a
    // filled text's box is fitted to its values).
    if (const LabelItem* active = shown.item(m_doc.activeId())) {
        const QRectF sel = drawnBounds(*active);
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

void LabelView::wheelEvent(QWheelEvent* e)
{
    e->accept();
    emit wheelTurned(e->position(), e->angleDelta(), e->modifiers());
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
