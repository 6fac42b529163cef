#include "SystemInfo.h"

#include <QStandardPaths>

namespace systeminfo {

QStringList candidates() { return {"kinfocenter", "hardinfo2", "hardinfo", "lshw-gtk"}; }

QString findProgram(const QStringList& folders)
{
    for (const QString& name : candidates()) {
        const QString path = QStandardPaths::findExecutable(name, folders);
        if (!path.isEmpty())
            return path;
    }
    return {};
}

} // namespace systeminfo
