#pragma once
#include <QIcon>
#include <QString>

// The picture of a toolbar button, by the button's key.
QIcon toolbarIcon(const QString& key);
// The program's own icon: the one in dataDir (where the program's data was
// installed), else the one of the source tree it was built from.
QIcon programIcon(const QString& dataDir = QString());
