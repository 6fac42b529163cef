#pragma once
// Reading the settings store into the program-wide values at start-up.
#include "Module1.h"

class SettingsStore;
class Platform;

namespace settings {

// Every key of the table, each with its default; unconvertible text falls
// back to the key's default.
void readAll(const SettingsStore& store, const AppPaths& paths, ProgramValues& v);

// Re-points missing working folders to the defaults and creates those,
// telling the user each time one had to be created.
void checkFolders(ProgramValues& v, const AppPaths& paths, Platform& platform);

// Warns once when the help file is missing.
void checkHelpFile(const AppPaths& paths, Platform& platform);

QString defaultGraphicsEditor();

// Typed reads with the store's text conversions.
double readDouble(const SettingsStore& s, const QString& section, const QString& key, double def);
int16_t readInt16(const SettingsStore& s, const QString& section, const QString& key, int16_t def);
int32_t readInt32(const SettingsStore& s, const QString& section, const QString& key, int32_t def);
bool readBool(const SettingsStore& s, const QString& section, const QString& key, bool def);

} // namespace settings
