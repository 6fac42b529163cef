#include "Settings.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <algorithm>
#include <cmath>
#include <limits>

#include "Units.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace settings {

namespace {

// The stored number, or the default when there is none or it does not convert.
double storedNumber(const SettingsStore& s, const Key& key)
{
    const QString t = s.read(key.section, key.name, Module1::numberToText(key.def));
    double v = 0;
    if (!Module1::textToDouble(t, v) || !std::isfinite(v))
        return key.def;
    return v;
}

bool inRange(const Key& key, double v)
{
    const bool aboveLo = key.lower == Bound::Inclusive ? v >= key.lo : v > key.lo;
    return aboveLo && v <= key.hi;
}

// A whole number that fits the type, rounded as the label file rounds, within the key's range.
template <typename Int, Int (*round)(double)>
Int readWhole(const SettingsStore& s, const Key& key)
{
    const double v = storedNumber(s, key);
    const bool fits = v >= std::numeric_limits<Int>::min() && v <= std::numeric_limits<Int>::max();
    return fits && inRange(key, round(v)) ? round(v) : round(key.def);
}

} // namespace

double readDouble(const SettingsStore& s, const Key& key)
{
    const double v = storedNumber(s, key);
    return inRange(key, v) ? v : key.def;
}

int16_t readInt16(const SettingsStore& s, const Key& key) { return readWhole<int16_t, units::CInt>(s, key); }
int32_t readInt32(const SettingsStore& s, const Key& key) { return readWhole<int32_t, units::CLng>(s, key); }

bool readBool(const SettingsStore& s, const Key& key)
{
    const bool def = key.def != 0;
    bool b = def;
    if (!Module1::textToBool(s.read(key.section, key.name, Module1::boolToText(def)), b))
        return def;
    return b;
}

QString readText(const SettingsStore& s, const Key& key) { return s.read(key.section, key.name, key.text); }
QString readText(const SettingsStore& s, const Key& key, const QString& def) { return s.read(key.section, key.name, def); }
bool isStored(const SettingsStore& s, const Key& key) { return !s.read(key.section, key.name, "").isEmpty(); }

void writeText(SettingsStore& s, const Key& key, const QString& text) { s.write(key.section, key.name, text); }
void writeNumber(SettingsStore& s, const Key& key, double value) { writeText(s, key, Module1::numberToText(value)); }
void writeWhole(SettingsStore& s, const Key& key, qint64 value) { writeText(s, key, QString::number(value)); }
void writeBool(SettingsStore& s, const Key& key, bool value) { writeText(s, key, Module1::boolToText(value)); }

QString defaultGraphicsEditor()
{
    for (const char* p : {"kolourpaint", "pinta", "mtpaint", "gimp"})
        if (!QStandardPaths::findExecutable(p).isEmpty())
            return p;
    return "kolourpaint";
}

void readAll(const SettingsStore& s, const AppPaths& paths, ProgramValues& v)
{
    v.mainLeft = readDouble(s, keys::MainLeft);
    v.mainTop = readDouble(s, keys::MainTop);
    v.mainWidth = readDouble(s, keys::MainWidth);
    v.mainHeight = readDouble(s, keys::MainHeight);
    v.mainSizeStored = isStored(s, keys::MainWidth) && isStored(s, keys::MainHeight);
    v.mainMaximized = readInt16(s, keys::WindowState) == 2;

    v.labelType = readInt16(s, keys::LabelType);
    if (const labelsizes::Preset* preset = labelsizes::forType(v.labelType)) {
        v.labelHeight = preset->height;
        v.labelWidth = preset->width;
    } else if (v.labelType == labelsizes::CustomType) {
        // Greater than 0 as the options dialog asks, and no larger than a label
        // file can hold.
        v.labelHeight = readDouble(s, keys::LabelHeight);
        v.labelWidth = readDouble(s, keys::LabelWidth);
    } else {
        // Never written by the program; a label of no size would be useless.
        v.labelType = labelsizes::Beer.type;
        v.labelHeight = labelsizes::Beer.height;
        v.labelWidth = labelsizes::Beer.width;
    }
    v.topMargin = readDouble(s, keys::TopMargin);
    v.leftMargin = readDouble(s, keys::LeftMargin);
    v.rowSpace = readDouble(s, keys::RowSpace);
    v.columnSpace = readDouble(s, keys::ColumnSpace);
    v.cutmarks = readInt16(s, keys::Cutmarks);
    v.borderVisible = readBool(s, keys::Border);
    v.borderColor = ColorValue(readInt32(s, keys::BorderColor));
    v.borderWidth = readInt16(s, keys::BorderWidth);
    v.borderStyle = readText(s, keys::BorderStyle);
    v.gridHeight = readInt16(s, keys::GridHeight);
    v.gridWidth = readInt16(s, keys::GridWidth);
    v.showGrid = readBool(s, keys::ShowGrid);
    v.snapToGrid = readBool(s, keys::SnapToGrid);
    v.showGuides = readBool(s, keys::ShowGuides);
    v.guideSetting = readInt16(s, keys::GuideSetting);
    v.unit = lengths::unitFromKey(readText(s, keys::Units), lengths::defaultUnit(QLocale()));
    v.aspectRatio = readBool(s, keys::AspectRatio);

    v.labelFolder = readText(s, keys::LabelFolder, paths.workBase + "/Labels");
    v.graphicsFolder = readText(s, keys::GraphicsFolder, paths.workBase + "/Graphics");
    v.templateFolder = readText(s, keys::TemplateFolder, paths.workBase + "/Template");
    v.templateFile = readText(s, keys::TemplateFile);
    v.graphicsEditor = readText(s, keys::GraphicsEditor, defaultGraphicsEditor());
}

QStringList checkFolders(ProgramValues& v, const AppPaths& paths, bool create)
{
    struct Folder {
        QString* value;
        const char* sub;
    } folders[] = {
        {&v.labelFolder, "/Labels"},
        {&v.graphicsFolder, "/Graphics"},
        {&v.templateFolder, "/Template"},
    };
    QStringList created;
    for (const Folder& f : folders) {
        if (Module1::folderExists(*f.value))
            continue;
        *f.value = paths.workBase + f.sub;
        if (create && !Module1::folderExists(*f.value) && QDir().mkpath(*f.value))
            created << *f.value;
    }
    return created;
}

void checkFolders(ProgramValues& v, const AppPaths& paths, Platform& platform)
{
    for (const QString& folder : checkFolders(v, paths, true))
        platform.message(QCoreApplication::translate("settings", "Missing %1 Folder. Created").arg(QFileInfo(folder).fileName()), MsgIcon::Information);
}

QString createdFoldersText(const QStringList& created)
{
    if (created.isEmpty())
        return QString();
    QStringList names;
    for (const QString& f : created)
        names << QFileInfo(f).fileName();
    const QString list = names.size() == 1 ? names.first()
                                           : names.mid(0, names.size() - 1).join(", ") + QCoreApplication::translate("settings", " and ") + names.last();
    return (names.size() == 1 ? QCoreApplication::translate("settings", "Created the %1 folder in %2") : QCoreApplication::translate("settings", "Created the %1 folders in %2"))
        .arg(list, QDir::toNativeSeparators(QFileInfo(created.first()).absolutePath()));
}

void reportWriteFailure(const SettingsStore& store, Platform& platform)
{
    const QString why = store.writeError();
    if (!why.isEmpty())
        platform.message(QCoreApplication::translate("settings", "The settings could not be saved to \"%1\": %2\nThey will be as before when Corkcrafter starts again.")
                             .arg(store.location(), why),
                         MsgIcon::Exclamation);
}

void checkHelpFile(const AppPaths& paths, Platform& platform)
{
    if (!Module1::fileExists(paths.helpFile()))
        platform.message(QCoreApplication::translate("settings", "WARNING: Missing Help File"), MsgIcon::Information, "HTML HelpCorkcrafter");
}

} // namespace settings
