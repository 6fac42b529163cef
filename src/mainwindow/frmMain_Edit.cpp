// Edit commands on the active document's selection: delete, the clipboard,
// stacking order and alignment on the guides.
#include "app/AppContext.h"
#include "document/frmDocument.h"
#include "frmMain.h"
#include "platform/Platform.h"

void frmMain::mnuEditDelete_Click()
{
    if (frmDocument* d = activeDocument())
        d->deleteSelectedObject();
}

void frmMain::copyToClipboard(bool cut)
{
    frmDocument* d = activeDocument();
    if (!d || !d->copySelectedToClipboard(cut))
        m_ctx.platform.message("Nothing Selected", MsgIcon::None, "Error");
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
        m_ctx.platform.message("Nothing on the Clipboard that can be Pasted", MsgIcon::None, "Error");
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
