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
    Step step(*this, "Delete");
    if (GraphicItem* g = activeGraphic()) {
        if (verifyFlag && m_platform.messageBox("Are you sure you want to delete the selected graphic?",
                                                MsgButtons::YesNo, MsgIcon::None, ProgramTitle) != MsgAnswer::Yes)
            return;
        const int old = g->rank;
        for (auto& [i, other] : m_graphics)
            if (other.rank > old)
                --other.rank;
        removeFromZ({ItemRef::Graphic, m_activeGraphic});
        m_graphics.erase(m_activeGraphic);
        m_activeGraphic = 0;
        repaint();
        refreshStatus();
    }
    if (activeText()) {
        if (verifyFlag && m_platform.messageBox("Are you sure you want to delete the selected text?",
                                                MsgButtons::YesNo, MsgIcon::None, ProgramTitle) != MsgAnswer::Yes)
            return;
        removeFromZ({ItemRef::Text, m_activeText});
        m_texts.erase(m_activeText);
        m_activeText = 0;
        repaint();
    }
}

void LabelDocument::bringForwardActive()
{
    Step step(*this, "Bring Forward");
    if (GraphicItem* g = activeGraphic()) {
        restack({ItemRef::Graphic, m_activeGraphic}, true);
        const int old = g->rank;
        for (auto& [i, other] : m_graphics)
            if (i != m_activeGraphic && other.rank > old)
                --other.rank;
        g->rank = int16_t(m_graphics.size() - 1);
    }
    if (activeText())
        restack({ItemRef::Text, m_activeText}, true);
    repaint();
}

void LabelDocument::sendBackActive()
{
    Step step(*this, "Send Back");
    if (GraphicItem* g = activeGraphic()) {
        restack({ItemRef::Graphic, m_activeGraphic}, false);
        const int old = g->rank;
        for (auto& [i, other] : m_graphics)
            if (i != m_activeGraphic && other.rank < old)
                ++other.rank;
        g->rank = 0;
    }
    if (activeText())
        restack({ItemRef::Text, m_activeText}, false);
    repaint();
}

void LabelDocument::showGuides(bool visible)
{
    if (visible) {
        // Shown guides always start from the centre of the label.
        m_vGuideX = m_surfaceW / 2.0;
        m_hGuideY = m_surfaceH / 2.0;
    }
    m_guidesVisible = visible;
    repaint();
}

void LabelDocument::setGuidePositions(double x, double y)
{
    m_vGuideX = x;
    m_hGuideY = y;
}

namespace {
// The active item's box, picture first: both kinds move the same way.
struct Box {
    double* left = nullptr;
    double* top = nullptr;
    double w = 0, h = 0;
    explicit operator bool() const { return left != nullptr; }
};
template <class Item> Box boxOf(Item* item)
{
    return item ? Box{&item->left, &item->top, item->width, item->height} : Box{};
}
} // namespace

void LabelDocument::horizontalAlign(int mode)
{
    Step step(*this, "Align");
    Box b = boxOf(activeGraphic());
    if (!b)
        b = boxOf(activeText());
    if (!b || mode < 1 || mode > 3)
        return;
    // 1: right edge, 2: centre, 3: left edge on the vertical guide.
    *b.left = m_vGuideX - (mode == 1 ? b.w : mode == 2 ? b.w / 2 : 0);
    repaint();
}

void LabelDocument::verticalAlign(int mode)
{
    Step step(*this, "Align");
    Box b = boxOf(activeGraphic());
    if (!b)
        b = boxOf(activeText());
    if (!b || mode < 1 || mode > 3)
        return;
    // 1: top edge, 2: centre, 3: bottom edge on the horizontal guide.
    *b.top = m_hGuideY - (mode == 1 ? 0 : mode == 2 ? b.h / 2 : b.h);
    repaint();
}

void LabelDocument::nudge(int dx, int dy)
{
    // The arrow keys pressed one after another on one item are one step.
    const QString key = m_activeGraphic ? QString("move picture %1").arg(m_activeGraphic)
                                        : QString("move text %1").arg(m_activeText);
    Step step(*this, "Move", key);
    Box b = boxOf(activeGraphic());
    if (!b)
        b = boxOf(activeText());
    if (!b)
        return;
    *b.left += dx;
    *b.top += dy;
    repaint();
}


void LabelDocument::moveSelected(int16_t left, int16_t top)
{
    Step step(*this, "Move");
    if (GraphicItem* g = activeGraphic()) {
        g->left = left;
        g->top = top;
        repaint();
    }
}

void LabelDocument::resizeSelected(int16_t width, int16_t height)
{
    Step step(*this, "Resize");
    if (GraphicItem* g = activeGraphic()) {
        g->left += 200;
        g->top += 200;
        g->width = width;
        g->height = height;
        repaint();
    }
}

void LabelDocument::rotateObject(int16_t)
{
    m_platform.message("Add rotateObject Code");
    repaint();
}

void LabelDocument::mirrorObject()
{
    m_platform.message("ToDo: Add Mirror Function");
    repaint();
}
