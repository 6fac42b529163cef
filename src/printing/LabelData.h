#pragma once
// The data file chosen for a label, remembered in the settings next to the
// label (not in the label file, which stays readable by every reader of the
// format): section "Data", one key a label, named by its full path.
#include <QString>
#include <memory>

#include "document/CsvReader.h"

namespace merge {
struct Source;
}

class SettingsStore;

namespace labeldata {

inline const QString Section = QStringLiteral("Data");

// The key of a label: its absolute path, percent-encoded, so that no store
// reads its slashes as groups.
QString keyOf(const QString& labelPath);

// The data file remembered for the label; empty for none (or an unsaved label).
QString remembered(const SettingsStore& store, const QString& labelPath);
// Remembers it; an empty dataPath forgets it.
void remember(SettingsStore& store, const QString& labelPath, const QString& dataPath);

// The table for a print; null with *error (naming the file and line) when it cannot be read.
std::shared_ptr<const csv::Table> load(const QString& dataPath, QString* error);

// The print command's and the preview's one way to the label's data: the
// table remembered for the label goes into source.data (none remembered:
// nothing changes). False, with *error, when it cannot be read.
bool forPrint(const SettingsStore& store, const QString& labelPath, merge::Source& source, QString* error);

} // namespace labeldata
