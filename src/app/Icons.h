#pragma once
#include <QIcon>
#include <QString>

// The picture of a toolbar button, by the button's key.
QIcon toolbarIcon(const QString& key);
// The program's own icon.
QIcon programIcon();
