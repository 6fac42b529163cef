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

void frmMain::mnuEditCut_Click()
{
    m_ctx.platform.message("The clipboard commands are not available yet.", MsgIcon::Information);
}

void frmMain::mnuEditCopy_Click()
{
    m_ctx.platform.message("The clipboard commands are not available yet.", MsgIcon::Information);
}

void frmMain::mnuEditPaste_Click()
{
    m_ctx.platform.message("The clipboard commands are not available yet.", MsgIcon::Information);
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
