#pragma once
// What the offscreen platform leaves out around a dialog, for focus tests:
// every dialog ScriptedPlatform answers puts a real modal window up for a
// moment, and whenever a modal window goes away the main window is activated
// again afterwards, as a window manager does once a dialog has closed.
#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTimer>

#include "platform/ScriptedPlatform.h"

class DialogStandIn : public QObject {
public:
    DialogStandIn(ScriptedPlatform& platform, QWidget* mainWindow) : m_platform(platform), m_main(mainWindow)
    {
        m_platform.whileDialogOpen = [this] {
            QDialog dlg(m_main);
            dlg.setModal(true);
            QTimer::singleShot(0, &dlg, &QDialog::reject);
            dlg.exec();
        };
        qApp->installEventFilter(this);
    }
    ~DialogStandIn() override { m_platform.whileDialogOpen = nullptr; }

protected:
    bool eventFilter(QObject* o, QEvent* e) override
    {
        auto* w = qobject_cast<QWidget*>(o);
        if (e->type() == QEvent::Hide && w && w->isWindow() && w->isModal() && w != m_main)
            QTimer::singleShot(0, m_main, [m = m_main] {
                if (m)
                    m->activateWindow();
            });
        return false;
    }

private:
    ScriptedPlatform& m_platform;
    QPointer<QWidget> m_main;
};
