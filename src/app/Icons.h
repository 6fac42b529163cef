#pragma once
// The pictures of the program: its toolbar buttons and its own icon.
#include <QColor>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

// The picture of a toolbar button, by the button's key.
QIcon toolbarIcon(const QString& key);
// The program's own icon: the one in dataDir (where the program's data was
// installed), else the one of the source tree it was built from.
QIcon programIcon(const QString& dataDir = QString());
// The program's icon drawn size x size pixels (the splash, about and tip
// windows), from the same file, on the background given.
QPixmap programPixmap(int size, const QString& dataDir = QString());
QImage programImage(int size, const QString& dataDir = QString(), const QColor& background = Qt::transparent);
