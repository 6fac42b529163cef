#include "Settings.h"

#include <QDir>
#include <QStandardPaths>
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
    v.mainLeft = readDouble(s, "Main", "Left", 1000);
    v.mainTop = readDouble(s, "Main", "Top", 1000);
    v.mainWidth = readDouble(s, "Main", "Width", 6900);
    v.mainHeight = readDouble(s, "Main", "Height", 8900);

    v.labelType = readInt16(s, "Settings", "Label Type", 0);
    if (const labelsizes::Preset* preset = labelsizes::forType(v.labelType)) {
        v.labelHeight = preset->height;
        v.labelWidth = preset->width;
    } else if (v.labelType == labelsizes::CustomType) {
        v.labelHeight = readDouble(s, "Settings", "Label Height", 2.5);
        v.labelWidth = readDouble(s, "Settings", "Label Width", 3);
    } else {
        // Never written by the program; a label of no size would be useless.
        v.labelType = labelsizes::Beer.type;
        v.labelHeight = labelsizes::Beer.height;
        v.labelWidth = labelsizes::Beer.width;
    }
    v.topMargin = readDouble(s, "Settings", "Label TopMargin", 0);
    v.leftMargin = readDouble(s, "Settings", "Label LeftMargin", 0);
    v.rowSpace = readDouble(s, "Settings", "Label RowSpace", 0);
    v.columnSpace = readDouble(s, "Settings", "Label ColumnSpace", 0);
    v.cutmarks = readInt16(s, "Settings", "Cutmarks", 2);
    v.borderVisible = readBool(s, "Settings", "Border", true);
    v.borderColor = ColorValue(readInt32(s, "Settings", "Border Color", 0));
    v.borderWidth = readInt16(s, "Settings", "Border Width", 12);
    v.borderStyle = s.read("Settings", "Border Style", "Rounded");
    v.gridHeight = readInt16(s, "Settings", "Grid Height", 120);
    v.gridWidth = readInt16(s, "Settings", "Grid Width", 120);
    if (v.gridHeight <= 0)
        v.gridHeight = 120; // a zero step would never finish drawing the grid
    if (v.gridWidth <= 0)
        v.gridWidth = 120;
    v.showGrid = readBool(s, "Settings", "Show Grid", true);
    v.snapToGrid = readBool(s, "Settings", "Snap To Grid", true);
    v.showGuides = readBool(s, "Settings", "Show Guides", false);
    v.guideSetting = readInt16(s, "Settings", "Guide Setting", 0);
    v.aspectRatio = readBool(s, "Settings", "Aspect Ratio", false);

    v.labelFolder = s.read("Settings", "Label Folder", paths.workBase + "/Labels");
    v.graphicsFolder = s.read("Settings", "Graphics Folder", paths.workBase + "/Graphics");
    v.templateFolder = s.read("Settings", "Template Folder", paths.workBase + "/Template");
    v.templateFile = s.read("Settings", "Template File", "");
    v.graphicsEditor = s.read("Settings", "Graphics Editor", defaultGraphicsEditor());
}

void checkFolders(ProgramValues& v, const AppPaths& paths, Platform& platform)
{
    struct Folder {
        QString* value;
        const char* sub;
        const char* message;
    } folders[] = {
        {&v.labelFolder, "/Labels", "Missing Labels Folder. Created"},
        {&v.graphicsFolder, "/Graphics", "Missing Graphics Folder. Created"},
        {&v.templateFolder, "/Template", "Missing Template Folder. Created"},
    };
    for (const Folder& f : folders) {
        if (Module1::folderExists(*f.value))
            continue;
        *f.value = paths.workBase + f.sub;
        if (!Module1::folderExists(*f.value)) {
            QDir().mkpath(*f.value);
            platform.message(f.message, MsgIcon::Information);
        }
    }
}

void checkHelpFile(const AppPaths& paths, Platform& platform)
{
    if (!Module1::fileExists(paths.helpFile()))
        platform.message("WARNING: Missing Help File", MsgIcon::Information, "HTML HelpCorkcrafter");
}

} // namespace settings
