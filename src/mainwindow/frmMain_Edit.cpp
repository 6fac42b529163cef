// Edit commands: undo and redo, and on the active document's selection
// delete, the clipboard, stacking order and alignment on the guides.
#include <QAction>
#include <QCoreApplication>

#include "app/AppContext.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "frmMain.h"
#include "platform/Platform.h"

namespace {
// A step keeps the English name it was opened with; the menu shows it translated.
QString stepName(const QString& name) { return QCoreApplication::translate("Undo", name.toUtf8().constData()); }
} // namespace

void frmMain::mnuEditUndo_Click()
{
    if (frmDocument* d = activeDocument()) {
        d->undoStep();
        documentRestored(d);
    }
}

void frmMain::mnuEditRedo_Click()
{
    if (frmDocument* d = activeDocument()) {
        d->redoStep();
        documentRestored(d);
    }
}

void frmMain::documentRestored(frmDocument* doc)
{
    showBorderWidth(doc->border().width);
    showBorderVisible(doc->border().visible);
    showBorderStyle(doc->valBorderStyle);
    showLabelTypeMenu(doc->getLabelType());
    showAspectRatio(doc->valMaintainAspectRatioFlag);
    selectionChanged(doc);
    doc->picLabelView()->update();
}

void frmMain::refreshUndoMenu()
{
    QAction* undo = action("mnuEditUndo");
    QAction* redo = action("mnuEditRedo");
    const bool canUndo = m_histories.canUndo(), canRedo = m_histories.canRedo();
    undo->setEnabled(canUndo);
    undo->setText(canUndo ? tr("&Undo %1").arg(stepName(m_histories.undoText())) : tr("&Undo"));
    redo->setEnabled(canRedo);
    redo->setText(canRedo ? tr("&Redo %1").arg(stepName(m_histories.redoText())) : tr("&Redo"));
}

void frmMain::mnuEditDelete_Click()
{
    if (frmDocument* d = activeDocument())
        d->deleteSelectedObject();
}

void frmMain::copyToClipboard(bool cut)
{
    frmDocument* d = activeDocument();
    if (!d || !d->copySelectedToClipboard(cut))
        m_ctx.platform.message(tr("Nothing Selected"), MsgIcon::None, tr("Error"));
}

void frmMain::mnuEditCut_Click() { copyToClipboard(true); }
void frmMain::mnuEditCopy_Click() { copyToClipboard(false); }

void frmMain::mnuEditPaste_Click()
{
    frmDocument* d = activeDocument();
    const bool usable = m_ctx.platform.clipboardHasText() || m_ctx.platform.clipboardHasImage();
    if (d)
        d->pasteFromClipboard();
    if (!usable)
        m_ctx.platform.message(tr("Nothing on the Clipboard that can be Pasted"), MsgIcon::None, tr("Error"));
}

void frmMain::mnuGraphicRotate_Click(int16_t degrees)
{
    if (frmDocument* d = activeDocument())
        d->rotateObject(degrees);
}

void frmMain::mnuGraphicMirror_Click()
{
    if (frmDocument* d = activeDocument())
        d->mirrorObject();
}

void frmMain::mnuViewBringForward_Click()
{
    if (frmDocument* d = activeDocument())
        d->bringForwardActive();
}

void frmMain::mnuViewSendBack_Click()
{
    if (frmDocument* d = activeDocument())
        d->sendBackActive();
}

void frmMain::horizontalAlign_Click(int mode)
{
    if (frmDocument* d = activeDocument())
        d->horizontalAlign(mode);
}

void frmMain::verticalAlign_Click(int mode)
{
    if (frmDocument* d = activeDocument())
        d->verticalAlign(mode);
}
