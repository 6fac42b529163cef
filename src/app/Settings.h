#pragma once
// Reading the settings store into the program-wide values at start-up.
#include <QRect>
#include <QStringList>

#include "Module1.h"
#include "Units.h"

class SettingsStore;
class Platform;

namespace settings {

// Every key of the table, each with its default; unconvertible text falls
// back to the key's default.
void readAll(const SettingsStore& store, const AppPaths& paths, ProgramValues& v);

// Re-points missing working folders to the defaults (in memory only). With
// create, also makes those defaults that are missing; returns the folders it
// made. Without create nothing is made on disk.
QStringList checkFolders(ProgramValues& v, const AppPaths& paths, bool create);
// The same, creating, and telling the user of each folder made by a message.
void checkFolders(ProgramValues& v, const AppPaths& paths, Platform& platform);
// One line for the status bar naming the folders made ("" for none).
QString createdFoldersText(const QStringList& created);

// Tells the user when the settings store could not keep what was written.
void reportWriteFailure(const SettingsStore& store, Platform& platform);

// Warns once when the help file is missing.
void checkHelpFile(const AppPaths& paths, Platform& platform);

QString defaultGraphicsEditor();

// The largest label a label file can hold (16-bit twips), in inches.
constexpr double MaxLabelInches = 32767.0 / units::TwipsPerInch;
// Margins and spacings beyond any sheet of paper.
constexpr double MaxSheetInches = 1000;
// Window positions and sizes beyond any screen, in twips.
constexpr double MaxWindowTwips = 1e7;


// Typed reads with the store's text conversions.
double readDouble(const SettingsStore& s, const QString& section, const QString& key, double def);
int16_t readInt16(const SettingsStore& s, const QString& section, const QString& key, int16_t def);
int32_t readInt32(const SettingsStore& s, const QString& section, const QString& key, int32_t def);
bool readBool(const SettingsStore& s, const QString& section, const QString& key, bool def);
// Within a range; a value outside it gives the default.
enum class Bound { Inclusive, Exclusive };
double readDouble(const SettingsStore& s, const QString& section, const QString& key, double def, double lo, double hi,
                  Bound lower = Bound::Inclusive);
int16_t readInt16(const SettingsStore& s, const QString& section, const QString& key, int16_t def, int lo, int hi);

} // namespace settings
