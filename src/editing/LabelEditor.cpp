#include "LabelEditor.h"

#include "KeySelection.h"
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

// An item is hit where it is drawn: a text turned by other than a quarter
// turn only inside its turned box, not in the corners of the box around it.
bool covers(const LabelItem& item, const QPointF& p)
{
    if (const auto* t = std::get_if<TextItem>(&item); t && turnOf(*t) % 90 != 0)
        return covers(bounds(*t), turnAboutCentre(*t).inverted().map(p));
    return covers(drawnBounds(item), p);
}
} // namespace

Hit LabelEditor::hitTest(const QPointF& p) const
{
    if (const auto r = resizers())
        for (int i = handles::Count - 1; i >= 0; --i)
            if (covers((*r)[i], p))
                return {Hit::Handle, {}, i, p - (*r)[i].topLeft()};
    const auto& items = m_doc.content().items;
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        // The grab is kept from the item's own box, which is what a drag moves.
        if (shown(**it) && covers(**it, p))
            return {Hit::Item, idOf(**it), 0, p - bounds(**it).topLeft()};
    }
    return {Hit::Surface, {}, 0, p};
}

std::optional<std::array<QRectF, handles::Count>> LabelEditor::resizers() const
{
    const LabelItem* item = m_doc.activeItem();
    if (!item || !resizable(*item))
        return std::nullopt;
    return handles::placeHandles(bounds(*item), handleSize());
}

QRectF LabelEditor::activeBox() const
{
    const LabelItem* item = m_doc.activeItem();
    return item ? bounds(*item) : QRectF();
}

QRectF LabelEditor::markedBox() const
{
    const LabelItem* item = m_doc.activeItem();
    const QRectF b = item ? drawnBounds(*item) : QRectF();
    // Handles larger than their size in twips stick out further.
    const double m = Margin * handleSize() / handles::Size;
    return b.isNull() ? b : b.normalized().adjusted(-m, -m, m, m);
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
        openStep(QT_TRANSLATE_NOOP("Undo", "Resize"));
        return Press::Drag;
    }
    if (button == RightButton && alone)
        return Press::PopupMenu; // the selection stays as it is
    if (h.kind == Hit::Item) {
        m_resizing = false;
        m_doc.select(h.item);
        m_grab = h.local;
        m_pressedAt = p;
        m_dragging = true;
        m_dragged = h;
        m_outline = {};
        m_doc.refreshStatus();
        openStep(QT_TRANSLATE_NOOP("Undo", "Move"));
        return Press::Drag;
    }
    m_guide = guides::Grab::None;
    if (button == LeftButton && m_doc.guidesVisible()) {
        m_guide = guides::grabAt(p, m_doc.vGuideX(), m_doc.hGuideY(), guides::reachOnScreen(m_twipsPerPixel));
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
    const LabelItem* dragged = m_dragged.kind == Hit::Item ? m_doc.content().item(m_dragged.item) : nullptr;
    if (dragged && !movesLive(*dragged)) {
        // It moves on the drop; until then only its outline follows.
        dirty = m_outline;
        const QRectF drawn = drawnBounds(*dragged);
        m_outline = QRectF(p - m_grab + (drawn.topLeft() - bounds(*dragged).topLeft()), drawn.size());
        dirty |= m_outline;
    }
    if (!onSurface)
        return dirty;
    const Hit over = hitTest(p);
    const LabelItem* active = m_doc.activeItem();
    if (over.kind == Hit::Handle || !active || !movesLive(*active))
        return dirty;
    m_skip = !m_skip;
    if (!m_skip)
        return dirty; // only every second step does the work

    dirty |= markedBox();
    if (m_resizing) {
        resize::Drag d;
        d.handle = m_handle;
        d.pointer = p;
        d.keepAspect = keepAspect || alwaysSquare(*active);
        d.ratio = alwaysSquare(*active) ? 1.0 : m_ratio;
        d.start = m_start;
        d.grab = m_grab;
        const QRectF box = bounds(*active);
        // A box with a negative side is refused as a whole; the picture keeps its box.
        const auto next = over.kind == Hit::Surface ? resize::overSurface(box, d) : resize::overItem(box, d);
        if (next)
            setBox(*m_doc.editActive(), *next);
    } else {
        moveTo(*m_doc.editActive(), p - m_grab);
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
    // The item was edited in place: whatever else shows it (the position panel) hears of it now.
    m_doc.repaint();
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
        if (LabelItem* item = m_dragged.kind == Hit::Item ? m_doc.editItem(m_dragged.item) : nullptr) {
            QPointF at = p - m_grab;
            // An item pressed and released in place was only selected: it stays
            // exactly where it was. An item that follows the pointer live never
            // leaves it, so a drop on such an item snaps both axes; elsewhere
            // only the axes that moved.
            const bool stayed = p == m_pressedAt;
            if (snap && !stayed) {
                const LabelItem* under = on.kind == Hit::Item ? m_doc.content().item(on.item) : nullptr;
                const bool onLive = under && movesLive(*under);
                if (onLive || dx != 0)
                    at.setX(snap::toGrid(at.x(), gridWidth));
                if (onLive || dy != 0)
                    at.setY(snap::toGrid(at.y(), gridHeight));
            }
            moveTo(*item, at);
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
    m_readoutPos = guides::readoutPosition(p, surface, m_zoom);
    if (const auto text = guides::readoutText(m_doc.app().guideSetting, m_guide, p, surface, m_doc.app().unit))
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

bool LabelEditor::selectNext(bool forward)
{
    const ItemId next = keyselect::next(m_doc.content(), m_doc.activeId(), forward);
    if (!next)
        return false;
    if (!m_dragging && m_guide == guides::Grab::None)
        m_doc.select(next);
    return true;
}

bool LabelEditor::selectNone()
{
    if (m_dragging || m_guide != guides::Grab::None)
        return true;
    if (!m_doc.activeId())
        return false;
    m_doc.SelectNothing();
    return true;
}
