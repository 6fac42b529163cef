#pragma once
// Writing and reading the small files tests make.
#include <QDir>
#include <QFile>
#include <QFileInfo>

// Writes `data` to `path`, making its folder first; false when not all of it was written.
inline bool writeFile(const QString& path, const QByteArray& data)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

inline QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
