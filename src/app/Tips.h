#pragma once
// The tips of the day: one tip a line of the tips file, "~" a line break
// inside a tip, shown in turn across runs.
#include <QString>
#include <QStringList>
#include <cstdint>

class SettingsStore;

namespace tips {

// Reads the tips file; false when the path is empty or names no file. Lines
// end with CR LF (a lone LF or CR ends one too); every "~" becomes CR LF.
// Empty lines are tips as well.
bool readTipsFile(const QString& path, QStringList& tips);

// The tip number after `current` (1-based), back to 1 after the last one.
int32_t nextTip(int32_t current, qsizetype count);

} // namespace tips
