#include "Settings.h"

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

double readDouble(const SettingsStore& s, const QString& section, const QString& key, double def)
{
    const QString t = s.read(section, key, Module1::numberToText(def));
    double v = 0;
    if (!Module1::textToDouble(t, v) || !std::isfinite(v))
        return def;
    return v;
}

int16_t readInt16(const SettingsStore& s, const QString& section, const QString& key, int16_t def)
{
    const double v = readDouble(s, section, key, def);
    if (v > std::numeric_limits<int16_t>::max() || v < std::numeric_limits<int16_t>::min())
        return def;
    return units::CInt(v);
}

int32_t readInt32(const SettingsStore& s, const QString& section, const QString& key, int32_t def)
{
    const double v = readDouble(s, section, key, def);
    if (v > std::numeric_limits<int32_t>::max() || v < std::numeric_limits<int32_t>::min())
        return def;
    return units::CLng(v);
}

double readDouble(const SettingsStore& s, const QString& section, const QString& key, double def, double lo, double hi,
                  Bound lower)
{
    const double v = readDouble(s, section, key, def);
    const bool aboveLo = lower == Bound::Inclusive ? v >= lo : v > lo;
    return aboveLo && v <= hi ? v : def;
}

int16_t readInt16(const SettingsStore& s, const QString& section, const QString& key, int16_t def, int lo, int hi)
{
    const int16_t v = readInt16(s, section, key, def);
    return v >= lo && v <= hi ? v : def;
}

bool readBool(const SettingsStore& s, const QString& section, const QString& key, bool def)
{
    bool b = def;
    if (!Module1::textToBool(s.read(section, key, Module1::boolToText(def)), b))
        return def;
    return b;
}

QString defaultGraphicsEditor()
{
    for (const char* p : {"kolourpaint", "pinta", "mtpaint", "gimp"})
        if (!QStandardPaths::findExecutable(p).isEmpty())
            return p;
    return "kolourpaint";
}

void readAll(const SettingsStore& s, const AppPaths& paths, ProgramValues& v)
{
    // Twips; whether they are on the screen is checked when the window is placed.
    v.mainLeft = readDouble(s, "Main", "Left", 1000, -MaxWindowTwips, MaxWindowTwips);
    v.mainTop = readDouble(s, "Main", "Top", 1000, -MaxWindowTwips, MaxWindowTwips);
    v.mainWidth = readDouble(s, "Main", "Width", 6900, 0, MaxWindowTwips, Bound::Exclusive);
    v.mainHeight = readDouble(s, "Main", "Height", 8900, 0, MaxWindowTwips, Bound::Exclusive);
    v.mainSizeStored = !s.read("Main", "Width", "").isEmpty() && !s.read("Main", "Height", "").isEmpty();
    v.mainMaximized = readInt16(s, "Main", "Window State", 0) == 2;

    v.labelType = readInt16(s, "Settings", "Label Type", 0);
    if (const labelsizes::Preset* preset = labelsizes::forType(v.labelType)) {
        v.labelHeight = preset->height;
        v.labelWidth = preset->width;
    } else if (v.labelType == labelsizes::CustomType) {
        // Greater than 0 as the options dialog asks, and no larger than a label
        // file can hold.
        v.labelHeight = readDouble(s, "Settings", "Label Height", 2.5, 0, MaxLabelInches, Bound::Exclusive);
        v.labelWidth = readDouble(s, "Settings", "Label Width", 3, 0, MaxLabelInches, Bound::Exclusive);
    } else {
        // Never written by the program; a label of no size would be useless.
        v.labelType = labelsizes::Beer.type;
        v.labelHeight = labelsizes::Beer.height;
        v.labelWidth = labelsizes::Beer.width;
    }
    // The options dialog's ranges: margins above -0.5 inch, spacings not negative.
    v.topMargin = readDouble(s, "Settings", "Label TopMargin", 0, -0.5, MaxSheetInches, Bound::Exclusive);
    v.leftMargin = readDouble(s, "Settings", "Label LeftMargin", 0, -0.5, MaxSheetInches, Bound::Exclusive);
    v.rowSpace = readDouble(s, "Settings", "Label RowSpace", 0, 0, MaxSheetInches);
    v.columnSpace = readDouble(s, "Settings", "Label ColumnSpace", 0, 0, MaxSheetInches);
    v.cutmarks = readInt16(s, "Settings", "Cutmarks", 2, 0, 3);
    v.borderVisible = readBool(s, "Settings", "Border", true);
    v.borderColor = ColorValue(readInt32(s, "Settings", "Border Color", 0));
    v.borderWidth = readInt16(s, "Settings", "Border Width", 12, 1, 39);
    v.borderStyle = s.read("Settings", "Border Style", "Rounded");
    // 3 to 500 twips as in the options dialog; a tiny step would draw millions of dots.
    v.gridHeight = readInt16(s, "Settings", "Grid Height", 120, 3, 500);
    v.gridWidth = readInt16(s, "Settings", "Grid Width", 120, 3, 500);
    v.showGrid = readBool(s, "Settings", "Show Grid", true);
    v.snapToGrid = readBool(s, "Settings", "Snap To Grid", true);
    v.showGuides = readBool(s, "Settings", "Show Guides", false);
    v.guideSetting = readInt16(s, "Settings", "Guide Setting", 0, 0, 2);
    v.aspectRatio = readBool(s, "Settings", "Aspect Ratio", false);

    v.labelFolder = s.read("Settings", "Label Folder", paths.workBase + "/Labels");
    v.graphicsFolder = s.read("Settings", "Graphics Folder", paths.workBase + "/Graphics");
    v.templateFolder = s.read("Settings", "Template Folder", paths.workBase + "/Template");
    v.templateFile = s.read("Settings", "Template File", "");
    v.graphicsEditor = s.read("Settings", "Graphics Editor", defaultGraphicsEditor());
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
        platform.message("Missing " + QFileInfo(folder).fileName() + " Folder. Created", MsgIcon::Information);
}

QString createdFoldersText(const QStringList& created)
{
    if (created.isEmpty())
        return QString();
    QStringList names;
    for (const QString& f : created)
        names << QFileInfo(f).fileName();
    const QString list = names.size() == 1 ? names.first()
                                           : names.mid(0, names.size() - 1).join(", ") + " and " + names.last();
    return QString(names.size() == 1 ? "Created the %1 folder in %2" : "Created the %1 folders in %2")
        .arg(list, QDir::toNativeSeparators(QFileInfo(created.first()).absolutePath()));
}

void reportWriteFailure(const SettingsStore& store, Platform& platform)
{
    const QString why = store.writeError();
    if (!why.isEmpty())
        platform.message("The settings could not be saved to \"" + store.location() + "\": " + why +
                             "\nThey will be as before when Corkcrafter starts again.",
                         MsgIcon::Exclamation);
}

void checkHelpFile(const AppPaths& paths, Platform& platform)
{
    if (!Module1::fileExists(paths.helpFile()))
        platform.message("WARNING: Missing Help File", MsgIcon::Information, "HTML HelpCorkcrafter");
}

} // namespace settings
