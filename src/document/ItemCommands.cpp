// The commands on the active item: delete, stacking order, aligning on the
// guides, nudging; and the guides themselves.
#include <algorithm>
#include <cmath>

#include "LabelDocument.h"
#include "app/Units.h"
#include "platform/Platform.h"

using units::CInt;

// ---------------------------------------------------------------- commands

void LabelDocument::deleteSelectedObject(bool verifyFlag)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Delete"));
    const LabelItem* item = activeItem();
    if (!item)
        return;
    const QString what = std::visit([](const auto& i) { return kindName(i); }, *item);
    const QString question = what == QLatin1String("graphic") ? tr("Are you sure you want to delete the selected graphic?")
                             : what == QLatin1String("text")  ? tr("Are you sure you want to delete the selected text?")
                                                              : tr("Are you sure you want to delete the selected QR code?");
    if (verifyFlag && m_platform.messageBox(question,
                                            MsgButtons::YesNo, MsgIcon::None, ProgramTitle) != MsgAnswer::Yes)
        return;
    m_content.remove(m_active);
    m_active = {};
    repaint();
}

void LabelDocument::bringForwardActive() { restack(QT_TRANSLATE_NOOP("Undo", "Bring Forward"), true); }
void LabelDocument::sendBackActive() { restack(QT_TRANSLATE_NOOP("Undo", "Send Back"), false); }

void LabelDocument::showGuides(bool visible)
{
    if (visible) {
        // Shown guides always start from the centre of the label.
        m_vGuideX = m_surfaceW / 2.0;
        m_hGuideY = m_surfaceH / 2.0;
    }
    m_guidesVisible = visible;
    repaintAll();
}

void LabelDocument::setGuidePositions(double x, double y)
{
    m_vGuideX = x;
    m_hGuideY = y;
}

void LabelDocument::horizontalAlign(int mode)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Align"));
    LabelItem* item = m_content.edit(m_active);
    using namespace labelcode;
    if (!item || mode < FarEdge || mode > NearEdge)
        return;
    // The edge the eye sees meets the guide: a turned text's drawn box, its own box moved as far.
    const QRectF b = bounds(*item), s = drawnBounds(*item);
    const double w = mode == FarEdge ? s.width() : mode == Centre ? s.width() / 2 : 0;
    moveTo(*item, QPointF(m_vGuideX - w + (b.left() - s.left()), b.top()));
    repaint();
}

void LabelDocument::verticalAlign(int mode)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Align"));
    LabelItem* item = m_content.edit(m_active);
    using namespace labelcode;
    if (!item || mode < FarEdge || mode > NearEdge)
        return;
    const QRectF b = bounds(*item), s = drawnBounds(*item);
    const double h = mode == FarEdge ? 0 : mode == Centre ? s.height() / 2 : s.height();
    moveTo(*item, QPointF(b.left(), m_hGuideY - h + (b.top() - s.top())));
    repaint();
}

void LabelDocument::nudge(int dx, int dy)
{
    // The arrow keys pressed one after another on one item are one step.
    const QString key = QString("move %1 %2").arg(m_active.kind).arg(m_active.index);
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Move"), key);
    LabelItem* item = m_content.edit(m_active);
    if (!item)
        return;
    moveTo(*item, bounds(*item).topLeft() + QPointF(dx, dy));
    repaint();
}

void LabelDocument::moveSelected(int16_t left, int16_t top)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Move"));
    if (GraphicItem* g = activeGraphic()) {
        g->left = left;
        g->top = top;
        repaint();
    }
}

void LabelDocument::placeActive(const QRectF& box)
{
    const LabelItem* now = activeItem();
    if (!now)
        return;
    const bool resized = resizable(*now) && bounds(*now).size() != box.size();
    Step step(*this, resized ? QT_TRANSLATE_NOOP("Undo", "Resize") : QT_TRANSLATE_NOOP("Undo", "Move"));
    LabelItem* item = m_content.edit(m_active);
    if (resized)
        setBox(*item, box);
    else
        moveTo(*item, box.topLeft());
    repaint();
}

void LabelDocument::resizeSelected(int16_t width, int16_t height)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Resize"));
    if (GraphicItem* g = activeGraphic()) {
        g->left += 200;
        g->top += 200;
        g->width = width;
        g->height = height;
        repaint();
    } else if (auto* q = m_active.kind == kindOf<QrItem> ? m_content.edit<QrItem>(m_active.index) : nullptr) {
        q->left += 200;
        q->top += 200;
        q->size = width;
        repaint();
    }
}

void LabelDocument::rotateObject(int16_t degrees)
{
    if (activeTextItemSelected()) {
        Step step(*this, QT_TRANSLATE_NOOP("Undo", "Rotate"));
        if (TextItem* t = activeText()) {
            t->rotation = int16_t((turnOf(*t) + degrees % 360 + 360) % 360);
            repaint();
        }
        return;
    }
    m_platform.message("Add rotateObject Code");
    repaint();
}

void LabelDocument::mirrorObject()
{
    m_platform.message("ToDo: Add Mirror Function");
    repaint();
}
