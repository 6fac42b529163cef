#include "LabelEditor.h"

#include "ResizeRules.h"
#include "Snap.h"
#include "document/LabelDocument.h"

namespace {
constexpr int LeftButton = 1, RightButton = 2;
// Room around a box for its frame line and the handles that stick out of it.
constexpr double Margin = 60;

// Boxes are half-open: a point on the right or bottom edge lies outside, so a
// pointer exactly on an item's far edge is not over that item.
bool covers(const QRectF& r, const QPointF& p)
{
    return p.x() >= r.left() && p.x() < r.right() && p.y() >= r.top() && p.y() < r.bottom();
}
} // namespace

Hit LabelEditor::hitTest(const QPointF& p) const
{
    if (const auto r = resizers())
        for (int i = handles::Count - 1; i >= 0; --i)
            if (covers((*r)[i], p))
                return {Hit::Handle, i, p - (*r)[i].topLeft()};
    const auto& z = m_doc.zOrder();
    for (auto it = z.rbegin(); it != z.rend(); ++it) {
        if (it->kind == ItemRef::Text) {
            const auto f = m_doc.texts().find(it->index);
            if (f == m_doc.texts().end() || !f->second.visible)
                continue;
            const TextItem& t = f->second;
            if (covers(QRectF(t.left, t.top, t.width, t.height), p))
                return {Hit::Text, it->index, p - QPointF(t.left, t.top)};
        } else if (it->kind == ItemRef::Graphic) {
            const auto f = m_doc.graphics().find(it->index);
            if (f == m_doc.graphics().end() || !f->second.visible)
                continue;
            const GraphicItem& g = f->second;
            if (covers(QRectF(g.left, g.top, g.width, g.height), p))
                return {Hit::Graphic, it->index, p - QPointF(g.left, g.top)};
        }
    }
    return {Hit::Surface, 0, p};
}

std::optional<std::array<QRectF, handles::Count>> LabelEditor::resizers() const
{
    const auto it = m_doc.graphics().find(m_doc.activeGraphicIndex());
    if (it == m_doc.graphics().end())
        return std::nullopt;
    const GraphicItem& g = it->second;
    return handles::placeHandles(QRectF(g.left, g.top, g.width, g.height));
}

QRectF LabelEditor::activeBox() const
{
    const auto g = m_doc.graphics().find(m_doc.activeGraphicIndex());
    if (g != m_doc.graphics().end())
        return QRectF(g->second.left, g->second.top, g->second.width, g->second.height);
    const auto t = m_doc.texts().find(m_doc.activeTextIndex());
    if (t != m_doc.texts().end())
        return QRectF(t->second.left, t->second.top, t->second.width, t->second.height);
    return {};
}

QRectF LabelEditor::markedBox() const
{
    const QRectF b = activeBox();
    return b.isNull() ? b : b.normalized().adjusted(-Margin, -Margin, Margin, Margin);
}

LabelEditor::Press LabelEditor::press(const QPointF& p, int button, bool alone)
{
    const Hit h = hitTest(p);
    if (h.kind == Hit::Handle) {
        // Any button on a handle starts a resize from the box's edge the handle stands for.
        const QRectF box = activeBox();
        m_grab = handles::anchor(box, h.index);
        m_start = box.size();
        m_ratio = m_doc.activeAspect();
        m_dragging = true;
        m_dragged = h;
        m_resizing = true;
        m_handle = h.index;
        m_skip = false;
        openStep("Resize");
        return Press::Drag;
    }
    if (button == RightButton && alone)
        return Press::PopupMenu; // the selection stays as it is
    if (h.kind == Hit::Text || h.kind == Hit::Graphic) {
        m_resizing = false;
        if (h.kind == Hit::Text)
            m_doc.selectText(h.index);
        else
            m_doc.selectGraphic(h.index);
        m_grab = h.local;
        m_pressedAt = p;
        m_dragging = true;
        m_dragged = h;
        m_outline = {};
        m_doc.refreshStatus();
        openStep("Move");
        return Press::Drag;
    }
    m_guide = guides::Grab::None;
    if (button == LeftButton && m_doc.guidesVisible()) {
        m_guide = guides::grabAt(p, m_doc.vGuideX(), m_doc.hGuideY());
        if (m_guide != guides::Grab::None) {
            m_suppressClick = true;
            placeReadout(p);
            return Press::Guide;
        }
    }
    return Press::Nothing;
}

QRectF LabelEditor::dragOver(const QPointF& p, bool onSurface, bool keepAspect)
{
    if (!m_dragging)
        return {};
    QRectF dirty;
    if (m_dragged.kind == Hit::Text) {
        // A text moves on the drop; until then only its outline follows.
        const auto t = m_doc.texts().find(m_dragged.index);
        if (t != m_doc.texts().end()) {
            dirty = m_outline;
            m_outline = QRectF(p - m_grab, QSizeF(t->second.width, t->second.height));
            dirty |= m_outline;
        }
    }
    if (!onSurface)
        return dirty;
    const Hit over = hitTest(p);
    GraphicItem* g = m_doc.activeGraphic();
    if (over.kind == Hit::Handle || !g)
        return dirty;
    m_skip = !m_skip;
    if (!m_skip)
        return dirty; // only every second step does the work

    dirty |= markedBox();
    if (m_resizing) {
        resize::Drag d;
        d.handle = m_handle;
        d.pointer = p;
        d.keepAspect = keepAspect;
        d.ratio = m_ratio;
        d.start = m_start;
        d.grab = m_grab;
        const QRectF box(g->left, g->top, g->width, g->height);
        // A box with a negative side is refused as a whole; the picture keeps its box.
        const auto next = over.kind == Hit::Surface ? resize::overSurface(box, d) : resize::overItem(box, d);
        if (next) {
            g->left = next->left();
            g->top = next->top();
            g->width = next->width();
            g->height = next->height();
        }
    } else {
        g->left = p.x() - m_grab.x();
        g->top = p.y() - m_grab.y();
    }
    m_doc.setChanged();
    m_doc.refreshStatus();
    return dirty | markedBox();
}

void LabelEditor::openStep(const QString& name)
{
    closeStep(); // a release that never came
    m_doc.beginStep(name);
    m_stepOpen = true;
}

void LabelEditor::closeStep()
{
    if (m_stepOpen)
        m_doc.endStep();
    m_stepOpen = false;
}

QRectF LabelEditor::endDrag()
{
    QRectF dirty = m_outline;
    m_outline = {};
    if (m_dragging)
        dirty |= markedBox();
    m_dragging = false;
    m_resizing = false;
    closeStep();
    return dirty;
}

QRectF LabelEditor::drop(const QPointF& p, bool onSurface, bool snap, int gridWidth, int gridHeight)
{
    // Whatever the drop does, the live steps of the drag and the drop are one step.
    const QRectF dirty = dropHere(p, onSurface, snap, gridWidth, gridHeight);
    closeStep();
    return dirty;
}

QRectF LabelEditor::dropHere(const QPointF& p, bool onSurface, bool snap, int gridWidth, int gridHeight)
{
    QRectF dirty = m_outline;
    m_outline = {};
    m_dragging = false;
    if (!onSurface)
        return dirty;
    const Hit on = hitTest(p);
    if (on.kind == Hit::Handle)
        return dirty; // nothing handles a drop there: the resize stays pending
    dirty |= markedBox();
    const double dx = on.local.x() - m_grab.x(), dy = on.local.y() - m_grab.y();
    if (!m_resizing) {
        double* left = nullptr;
        double* top = nullptr;
        if (m_dragged.kind == Hit::Text) {
            if (TextItem* t = m_doc.textAt(m_dragged.index))
                left = &t->left, top = &t->top;
        } else if (m_dragged.kind == Hit::Graphic) {
            if (GraphicItem* g = m_doc.graphicAt(m_dragged.index))
                left = &g->left, top = &g->top;
        }
        if (left) {
            *left = p.x() - m_grab.x();
            *top = p.y() - m_grab.y();
            // An item pressed and released in place was only selected: it stays
            // exactly where it was. A picture follows the pointer live, so the
            // pointer never leaves it and a drop on a picture snaps both axes;
            // elsewhere only the axes that moved.
            const bool stayed = p == m_pressedAt;
            if (snap && !stayed) {
                const bool onPicture = on.kind == Hit::Graphic;
                if (onPicture || dx != 0)
                    *left = snap::toGrid(*left, gridWidth);
                if (onPicture || dy != 0)
                    *top = snap::toGrid(*top, gridHeight);
            }
        }
    }
    m_resizing = false;
    if (dx != 0 || dy != 0)
        m_doc.setChanged();
    m_doc.refreshStatus();
    return dirty | markedBox();
}

void LabelEditor::placeReadout(const QPointF& p)
{
    const QSizeF surface(m_doc.surfaceWidth(), m_doc.surfaceHeight());
    m_readoutPos = guides::readoutPosition(p, surface);
    if (const auto text = guides::readoutText(m_doc.app().guideSetting, m_guide, p, surface))
        m_readoutText = *text;
}

QRectF LabelEditor::moveGuide(const QPointF& p)
{
    const double w = m_doc.surfaceWidth(), h = m_doc.surfaceHeight();
    QRectF dirty;
    if (m_guide == guides::Grab::Vertical) {
        dirty = QRectF(m_doc.vGuideX() - Margin, 0, 2 * Margin, h);
        m_doc.setGuidePositions(p.x(), m_doc.hGuideY());
        dirty |= QRectF(p.x() - Margin, 0, 2 * Margin, h);
    } else if (m_guide == guides::Grab::Horizontal) {
        dirty = QRectF(0, m_doc.hGuideY() - Margin, w, 2 * Margin);
        m_doc.setGuidePositions(m_doc.vGuideX(), p.y());
        dirty |= QRectF(0, p.y() - Margin, w, 2 * Margin);
    } else {
        return {};
    }
    placeReadout(p);
    return dirty;
}

bool LabelEditor::surfaceClick()
{
    const bool clear = !m_suppressClick;
    m_suppressClick = false;
    if (clear) {
        m_doc.SelectNothing();
        m_doc.refreshStatus();
    }
    return clear;
}
