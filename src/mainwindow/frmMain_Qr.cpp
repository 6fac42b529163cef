// Graphic > Insert QR Code... and editing a QR code with a double click.
#include "app/AppContext.h"
#include "dialogs/frmQrInput.h"
#include "document/frmDocument.h"
#include "frmMain.h"

void frmMain::mnuGraphicInsertQr_Click()
{
    const auto answer = frmQrInput::ask(m_ctx, this);
    if (!answer)
        return;
    if (!activeDocument())
        LoadNewDoc();
    if (frmDocument* d = activeDocument())
        d->createNewQr(answer->data, answer->level, answer->color);
}

void frmMain::editQrCode(frmDocument* doc)
{
    const QrItem* q = doc->activeQr();
    if (!q)
        return;
    if (const auto answer = frmQrInput::ask(m_ctx, this, q->data, q->level, q->color))
        doc->setActiveQr(answer->data, answer->level, answer->color);
    doc->refreshStatus();
}
