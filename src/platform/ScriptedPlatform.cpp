#include "ScriptedPlatform.h"
#include "ProcessWait.h"

#include <QFileInfo>
#include <QProcess>

bool ScriptedPlatform::startProcess(const QString& program, const QStringList& args, bool wait)
{
    started.push_back({program, args});
    if (!realProcesses)
        return true;
    if (wait)
        return processwait::runAndWait(program, args); // as the real platform waits
    return QProcess::startDetached(program, args);
}

FileDialogResult ScriptedPlatform::chosen(const QString& path)
{
    QFileInfo fi(path);
    return FileDialogResult{path, fi.fileName(), fi.absolutePath()};
}
