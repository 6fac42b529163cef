// The Window menu (arrangement and the list of open labels) and the Help menu.
#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>

#include "app/AppContext.h"
#include "app/WindowPlacement.h"
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
        QAction* a = m_windowMenu->addAction(QString("&%1 %2").arg(n++).arg(s->windowTitle()));
        a->setProperty("windowEntry", true);
        a->setCheckable(true);
        a->setChecked(s == m_mdi->currentSubWindow());
        connect(a, &QAction::triggered, this, [this, s] { m_mdi->setActiveSubWindow(s); });
    }
}

void frmMain::mnuHelpContents_Click() { m_ctx.platform.showHelp(m_ctx.paths.helpFile(), QString()); }
void frmMain::mnuHelpIndex_Click() { m_ctx.platform.showHelp(m_ctx.paths.helpFile(), "index"); }
void frmMain::mnuHelpSearch_Click() { m_ctx.platform.showHelp(m_ctx.paths.helpFile(), "search"); }

void frmMain::mnuHelpTip_Click()
{
    m_ctx.platform.message("Tips of the day are not available yet.", MsgIcon::Information);
}

void frmMain::mnuHelpOtherSoftware_Click()
{
    m_ctx.platform.message("Other software is not available yet.", MsgIcon::Information);
}

void frmMain::mnuHelpAbout_Click()
{
    m_ctx.platform.message(QString("Corkcrafter %1.%2\nLabel designer for home brewers and wine makers.")
                               .arg(CORKCRAFTER_VERSION_MAJOR)
                               .arg(CORKCRAFTER_VERSION_MINOR, 2, 10, QChar('0')),
                           MsgIcon::Information, "About Corkcrafter");
}
