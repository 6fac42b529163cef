#include "Tips.h"

#include <QFile>
#include <QFileInfo>

#include "Module1.h"

namespace tips {

bool readTipsFile(const QString& path, QStringList& tips)
{
    if (path.isEmpty() || !Module1::fileExists(path))
        return false;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray data = f.readAll();
    const QString text = QString::fromUtf8(data);
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n) {
        qsizetype end = i;
        while (end < n && text.at(end) != '\r' && text.at(end) != '\n')
            ++end;
        QString line = text.mid(i, end - i);
        line.replace('~', QStringLiteral("\r\n"));
        tips << line;
        if (end < n && text.at(end) == '\r' && end + 1 < n && text.at(end + 1) == '\n')
            ++end;
        i = end + 1;
    }
    return true;
}

int32_t nextTip(int32_t current, qsizetype count)
{
    const int64_t next = int64_t(current) + 1;
    return next > count || next < 1 ? 1 : int32_t(next);
}

} // namespace tips
