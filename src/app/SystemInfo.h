#pragma once
// The desktop's system-information program, for the about box.
#include <QString>
#include <QStringList>

namespace systeminfo {

// The programs looked for, in order: KDE's info centre, then HardInfo (both
// generations), then the hardware lister's window.
QStringList candidates();

// The full path of the first candidate found in the given folders (the
// folders of PATH when none are given), empty when there is none.
QString findProgram(const QStringList& folders = {});

} // namespace systeminfo
