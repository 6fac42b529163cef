#pragma once
// Reading the settings store into the program-wide values at start-up, and
// reading and writing one key of the table (SettingsKeys.h).
#include <QRect>
#include <QStringList>

#include "Module1.h"
#include "SettingsKeys.h"

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

// Typed reads with the store's text conversions: a value that does not
// convert, or lies outside the key's range, gives the key's default.
double readDouble(const SettingsStore& s, const Key& key);
int16_t readInt16(const SettingsStore& s, const Key& key);
int32_t readInt32(const SettingsStore& s, const Key& key);
bool readBool(const SettingsStore& s, const Key& key);
// A text as stored; the key's own default, or one known only at run time.
QString readText(const SettingsStore& s, const Key& key);
QString readText(const SettingsStore& s, const Key& key, const QString& def);
// Whether the key holds anything at all.
bool isStored(const SettingsStore& s, const Key& key);

// Writes as the program always has: a text as it is, a number in the user's
// locale ("3,75"), a whole number plainly ("2"), a flag "True" or "False".
void writeText(SettingsStore& s, const Key& key, const QString& text);
void writeNumber(SettingsStore& s, const Key& key, double value);
void writeWhole(SettingsStore& s, const Key& key, qint64 value);
void writeBool(SettingsStore& s, const Key& key, bool value);

} // namespace settings
