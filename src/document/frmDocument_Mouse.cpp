// The mouse on the label surface: the view reports events in twips, the
// editor applies the rules, this window repaints and talks to its host.
#include <QLabel>

#include "LabelView.h"
#include "app/AppContext.h"
#include "frmDocument.h"

namespace {
constexpr int LeftButton = 1;
// Double-clicking an item edits it in the host's dialog for its kind; a kind
// without a dialog of its own is only selected.
template <class T> void editInHost(DocumentHost&, frmDocument&, const T&) {}
void editInHost(DocumentHost& host, frmDocument& doc, const TextItem&) { host.editText(doc); }
void editInHost(DocumentHost& host, frmDocument& doc, const GraphicItem&) { host.editActivePicture(doc); }
void editInHost(DocumentHost& host, frmDocument& doc, const QrItem&) { host.editQrCode(doc); }
} // namespace

void frmDocument::picLabelView_MouseDown(const QPointF& p, int button, bool alone)
{
    // The arrow keys that follow move the item, not the font box.
    m_view->setFocus(Qt::MouseFocusReason);
    const Hit hit = m_editor.hitTest(p);
    m_surfacePressed = hit.kind == Hit::Surface && button == LeftButton;
    switch (m_editor.press(p, button, alone)) {
    case LabelEditor::Press::PopupMenu:
        m_surfacePressed = false;
        if (m_host)
            m_host->popupEditMenu(*this, m_view->mapToGlobal(m_view->toPixels(p).toPoint()));
        break;
    case LabelEditor::Press::Guide:
        m_view->setCursor(m_editor.guideHeld() == guides::Grab::Vertical ? Qt::SizeHorCursor : Qt::SizeVerCursor);
        showGuideReadout();
        break;
    case LabelEditor::Press::Drag:
    case LabelEditor::Press::Nothing:
        if (hit.kind == Hit::Surface)
            m_view->unsetCursor();
        break;
    }
}

void frmDocument::picLabelView_MouseMove(const QPointF& p, bool inside)
{
    if (m_editor.dragging()) {
        const bool keepAspect = m_host ? m_host->maintainAspectRatio() : valMaintainAspectRatioFlag;
        m_view->updateTwips(m_editor.dragOver(p, inside, keepAspect));
    } else if (m_editor.guideHeld() != guides::Grab::None) {
        m_view->updateTwips(m_editor.moveGuide(p));
        showGuideReadout();
    } else {
        hoverCursor(p);
    }
}

void frmDocument::picLabelView_MouseUp(const QPointF& p, int, bool inside)
{
    if (m_editor.dragging()) {
        const bool snap = m_host ? m_host->snapToGrid() : m_ctx.values.snapToGrid;
        m_view->updateTwips(m_editor.drop(p, inside, snap, m_ctx.values.gridWidth, m_ctx.values.gridHeight));
    }
    if (m_editor.guideHeld() != guides::Grab::None) {
        m_editor.releaseGuide();
        m_view->lblGuide()->hide();
        m_view->update(); // the frame under the guide's old place
    }
    hoverCursor(p);
    if (m_surfacePressed && inside && m_editor.hitTest(p).kind == Hit::Surface)
        picLabelView_Click();
    m_surfacePressed = false;
}

void frmDocument::settleEditing()
{
    // Undo pressed with the mouse button still down: the drag so far is a step
    // of its own, and the release that follows drops nothing.
    m_view->updateTwips(m_editor.endDrag());
}

void frmDocument::picLabelView_Click()
{
    m_editor.surfaceClick();
}

void frmDocument::picLabelView_DblClick(const QPointF& p)
{
    const Hit hit = m_editor.hitTest(p);
    if (!m_host)
        return;
    if (hit.kind != Hit::Item)
        return;
    select(hit.item);
    if (const LabelItem* item = activeItem())
        std::visit([this](const auto& i) { editInHost(*m_host, *this, i); }, *item);
}

void frmDocument::showGuideReadout()
{
    QLabel* l = m_view->lblGuide();
    l->setText(m_editor.readoutText());
    l->adjustSize();
    l->move(m_view->toPixels(m_editor.readoutPos()).toPoint());
    l->show();
    l->raise();
}

void frmDocument::hoverCursor(const QPointF& p)
{
    const Hit hit = m_editor.hitTest(p);
    if (hit.kind == Hit::Handle)
        m_view->setCursor(handles::cursorFor(hit.index));
    else
        m_view->unsetCursor();
}
