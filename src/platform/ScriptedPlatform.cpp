#include "ScriptedPlatform.h"

#include <QFileInfo>
#include <QProcess>

bool ScriptedPlatform::startProcess(const QString& program, const QStringList& args, bool wait)
{
    started.push_back({program, args});
    if (!realProcesses)
        return true;
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(5000))
        return false;
    if (wait)
        p.waitForFinished(-1);
    return true;
}

FileDialogResult ScriptedPlatform::chosen(const QString& path)
{
    QFileInfo fi(path);
    return FileDialogResult{path, fi.fileName(), fi.absolutePath()};
}
