// The Window menu (arrangement and the list of open labels), the zoom of the
// View menu and the Help menu.
#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>

#include "app/AppContext.h"
#include "app/ShowHelp.h"
#include "app/WindowPlacement.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmTip.h"
#include "document/ViewGeometry.h"
#include "document/frmDocument.h"
#include "frmMain.h"
#include "platform/Platform.h"

void frmMain::mnuWindowCascade_Click()
{
    m_mdi->cascadeSubWindows();
    for (frmDocument* d : documents())
        if (auto* sub = qobject_cast<QMdiSubWindow*>(d->parentWidget()); sub && !sub->isMinimized() && !sub->isMaximized())
            d->resizeLabel();
}

void frmMain::mnuWindowTileHorizontal_Click() { tileWindows(true); }
void frmMain::mnuWindowTileVertical_Click() { tileWindows(false); }

void frmMain::tileWindows(bool horizontal)
{
    // Horizontal: one above another, each the full width; vertical: side by side.
    const QList<QMdiSubWindow*> subs = m_mdi->subWindowList();
    const QList<QRect> places = placement::tiles(m_mdi->viewport()->rect(), int(subs.size()), horizontal);
    for (int i = 0; i < subs.size(); ++i) {
        subs[i]->showNormal();
        subs[i]->setGeometry(places[i]);
    }
    for (frmDocument* d : documents())
        d->setScrollBars();
}

void frmMain::mnuWindowArrangeIcons_Click()
{
    int x = 0;
    for (QMdiSubWindow* s : m_mdi->subWindowList())
        if (s->isMinimized()) {
            s->move(x, m_mdi->viewport()->height() - s->height());
            x += s->width();
        }
}

void frmMain::mnuWindow_Click()
{
    for (QAction* a : m_windowMenu->actions())
        if (a->property("windowEntry").toBool()) {
            m_windowMenu->removeAction(a);
            a->deleteLater();
        }
    int n = 1;
    for (QMdiSubWindow* s : m_mdi->subWindowList()) {
        // The title as the title bar shows it, changed marker included.
        const QString title = s->windowTitle().replace("[*]", s->isWindowModified() ? "*" : "");
        QAction* a = m_windowMenu->addAction(QString("&%1 %2").arg(n++).arg(title));
        a->setProperty("windowEntry", true);
        a->setCheckable(true);
        a->setChecked(s == m_mdi->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, s] { m_mdi->setActiveSubWindow(s); });
    }
}

void frmMain::mnuHelpContents_Click()
{
    ShowHelp::showHelpTopic(m_ctx.platform, m_ctx.paths.helpFile(), ShowHelp::MainWindowContext);
}
void frmMain::mnuHelpIndex_Click() { ShowHelp::showHelpIndex(m_ctx.platform, m_ctx.paths.helpFile()); }
void frmMain::mnuHelpSearch_Click() { ShowHelp::showHelpSearch(m_ctx.platform, m_ctx.paths.helpFile()); }
void frmMain::mnuHelpTip_Click() { frmTip::showTip(m_ctx, this); }

void frmMain::mnuHelpOtherSoftware_Click()
{
    ShowHelp::showHelpTopic(m_ctx.platform, m_ctx.paths.helpFile(), ShowHelp::OtherSoftwareContext);
}

void frmMain::mnuHelpAbout_Click() { frmAbout::showAbout(m_ctx, this); }

void frmMain::mnuViewZoom_Click(int step)
{
    frmDocument* d = activeDocument();
    if (!d)
        return;
    if (step > 0)
        d->zoomIn();
    else if (step < 0)
        d->zoomOut();
    else
        d->setZoom(1);
}

void frmMain::mnuViewFitLabel_Click()
{
    if (frmDocument* d = activeDocument())
        d->zoomToFit();
}

void frmMain::zoomShown(frmDocument& doc)
{
    if (&doc == activeDocument())
        showZoom();
}

void frmMain::showZoom()
{
    const frmDocument* d = activeDocument();
    for (const char* name : {"mnuViewZoomIn", "mnuViewZoomOut", "mnuViewActualSize", "mnuViewFitLabel"})
        action(name)->setEnabled(d);
    m_zoomPanel->setText(d ? tr("%1 %").arg(viewgeom::zoomPercent(d->zoom())) : QString());
}
