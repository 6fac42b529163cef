#include "ProcessWait.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QProcess>

namespace processwait {

namespace {

int g_waiting = 0;

// Swallows the user's input to every window of the program.
class InputSwallower : public QObject {
protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        switch (e->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::NonClientAreaMouseButtonPress:
        case QEvent::NonClientAreaMouseButtonRelease:
        case QEvent::NonClientAreaMouseButtonDblClick:
        case QEvent::Wheel:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Shortcut:
        case QEvent::ContextMenu:
        case QEvent::InputMethod:
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TabletPress:
        case QEvent::TabletRelease:
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return true;
        default:
            return false;
        }
    }
};

} // namespace

bool runAndWait(const QString& program, const QStringList& args)
{
    QProcess proc;
    proc.setProcessChannelMode(QProcess::ForwardedChannels);
    proc.start(program, args);
    if (!proc.waitForStarted(-1))
        return false;
    if (proc.state() == QProcess::NotRunning)
        return true;
    // Waiting in an event loop of our own keeps the windows painted. Input is
    // taken out of the queue and dropped here; excluding it from the loop
    // instead would only put it off until the editor has closed.
    InputSwallower swallower;
    QCoreApplication* app = QCoreApplication::instance();
    if (app)
        app->installEventFilter(&swallower);
    ++g_waiting;
    QEventLoop loop;
    QObject::connect(&proc, &QProcess::finished, &loop, &QEventLoop::quit);
    if (proc.state() != QProcess::NotRunning)
        loop.exec();
    --g_waiting;
    if (app)
        app->removeEventFilter(&swallower);
    return true;
}

bool waiting() { return g_waiting > 0; }

} // namespace processwait
