#pragma once
// Program-wide values and general routines shared by every window.
#include <QString>
#include <QStringList>
#include <cstdint>

#include "LabelSizes.h"
#include "Lengths.h"

// Colours are 32-bit: RGB with red in the low byte, or a system colour
// reference with the top bit set.
using ColorValue = uint32_t;
constexpr ColorValue SysColorWindowBackground = 0x80000005u;
constexpr ColorValue SysColorAppWorkspace = 0x8000000Cu;

// Where the program finds its read-only resources and where the user's working
// folders live by default (the "program folder" of the working folders).
struct AppPaths {
    QString dataDir;   // tips, help, icons, samples
    QString workBase;  // parent of Labels, Graphics, Template
    QString helpDir;   // the compiled user manual; dataDir/help when empty
    QString helpFile() const { return (helpDir.isEmpty() ? dataDir + "/help" : helpDir) + "/Corkcrafter2.qch"; }
    static AppPaths standard(); // resolved from the executable and the user's folders
    // The data and help folders for a program in exeDir: <exeDir>/../share/corkcrafter
    // when installed there, else the source and build trees it was built from.
    static AppPaths forExecutableDir(const QString& exeDir);
};

struct ProgramValues {
    QChar decimalSeparator = '.';

    // main window placement, twips; the normal place also when it comes back maximised
    double mainLeft = 1000, mainTop = 1000, mainWidth = 6900, mainHeight = 8900;
    bool mainMaximized = false;
    bool mainSizeStored = false; // false on a first start: the window takes the room its toolbars need

    // defaults for new documents
    int16_t labelType = 0;
    double labelHeight = labelsizes::Beer.height, labelWidth = labelsizes::Beer.width;
    double topMargin = 0, leftMargin = 0, rowSpace = 0, columnSpace = 0;
    int16_t cutmarks = 2;
    bool borderVisible = true;
    ColorValue borderColor = 0;
    int16_t borderWidth = 12;
    QString borderStyle = "Rounded";
    bool aspectRatio = false;

    int16_t gridHeight = 120, gridWidth = 120;
    bool showGrid = true, snapToGrid = true, showGuides = false;
    int16_t guideSetting = 0;
    // What lengths are shown and typed in (the guide read-out, the options,
    // the print dialog, the position panel).
    lengths::Unit unit = lengths::Unit::Inches;

    QString labelFolder, graphicsFolder, templateFolder, templateFile, graphicsEditor;

    // current text formatting (mirrors the main window's boxes and buttons)
    QString fontName = "Arial";
    QString fontSize = "18";
    bool bold = false, italic = false, underline = false;
    int16_t textAlignment = 2;
    ColorValue textColor = 0;

    // exchanged with the text input dialog
    QString dialogText;
    int16_t dialogRotation = 0;
    bool dialogAutofit = false;

    bool templateLoading = false;
    bool settingsChanged = false;
    bool applicationClosing = false;

    // printing
    // The first label position used on the first sheet, as last chosen in the
    // print dialog; the preview shows it. Kept for the session only.
    int startLabel = 1;
};

namespace Module1 {

QChar decimalSeparatorFromLocale();
bool fileExists(const QString& path);
bool folderExists(const QString& path);
// Returns the key unchanged when it is accepted, 0 (after a beep) otherwise.
int16_t filterNumericKey(int16_t keyCode, bool decimalAllowed, QChar decimalSeparator, void (*beep)());

int16_t styleNameToShapeCode(const QString& style);
int shapeCodeToListPosition(int16_t code);
QString listPositionToStyleName(int position);

// Inserts a font name into a sorted list the way the font box fills itself:
// sorted insert, then the neighbours of the new entry are checked for an
// exact duplicate.
void addFontSorted(QStringList& list, const QString& name);
// A font name without the foundry suffix fontconfig adds to tell families of
// the same name apart ("C059 [urw]" -> "C059").
QString fontFamilyName(const QString& name);
// The font box's list: family names, sorted, each once.
QStringList buildFontList(const QStringList& printerFonts);

// Locale-aware conversions used for settings values.
QString numberToText(double v);
bool textToDouble(const QString& s, double& out);
bool textToBool(const QString& s, bool& out);
QString boolToText(bool b);

} // namespace Module1

namespace Module1 {
// Path routines: both '\' and '/' separate folders, so files written on
// another system still find their pictures.
QString pathFolder(const QString& path);   // up to and including the last separator
QString pathFileName(const QString& path); // after the last separator
// How a picture path is stored in a label file: ".\" for pictures beside the
// label, "..\<graphics folder name>\" for pictures in the graphics folder.
QString relativePicturePath(const QString& path, const QString& labelFolder, const QString& graphicsFolder);
// A stored path with '\' turned into this system's separator.
QString nativeSeparators(const QString& stored);
} // namespace Module1

class Platform;
namespace Module1 {
// Starts the picture editor on a file and returns when it has ended; the
// path is passed as one argument, never through a shell.
void runGraphicsEditor(Platform& platform, const QString& editorSetting, const QString& path);
} // namespace Module1
