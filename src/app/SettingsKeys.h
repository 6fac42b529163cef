#pragma once
// Every value the program keeps in the settings store: its section and key,
// its default, and the range a stored value must be in to be used (outside
// it, or not a number, the default applies). Reading and writing both name
// the key from this table, so each is spelled once.
#include <limits>

#include "Units.h"

namespace settings {

enum class Bound { Inclusive, Exclusive };

// The largest label a label file can hold (16-bit twips), in inches.
constexpr double MaxLabelInches = 32767.0 / units::TwipsPerInch;
// Margins and spacings beyond any sheet of paper.
constexpr double MaxSheetInches = 1000;
// Window positions and sizes beyond any screen, in twips.
constexpr double MaxWindowTwips = 1e7;

struct Key {
    const char* section;
    const char* name;
    double def = 0; // numbers; a flag's is 1 (true) or 0
    double lo = std::numeric_limits<double>::lowest();
    double hi = std::numeric_limits<double>::max();
    Bound lower = Bound::Inclusive; // upper limits are inclusive
    const char* text = "";          // a text's default

    // The key with a default and range known only when it is read (a screen's size).
    constexpr Key within(double d, double l, double h) const
    {
        Key k = *this;
        k.def = d;
        k.lo = l;
        k.hi = h;
        return k;
    }
};

namespace keys {

// The main window: the frame's corner and the client area, twips (whether the
// place is on a screen is checked when the window is placed); state 2 is maximised.
inline constexpr Key MainLeft{"Main", "Left", 1000, -MaxWindowTwips, MaxWindowTwips};
inline constexpr Key MainTop{"Main", "Top", 1000, -MaxWindowTwips, MaxWindowTwips};
inline constexpr Key MainWidth{"Main", "Width", 6900, 0, MaxWindowTwips, Bound::Exclusive};
inline constexpr Key MainHeight{"Main", "Height", 8900, 0, MaxWindowTwips, Bound::Exclusive};
inline constexpr Key WindowState{"Main", "Window State", 0};
// The "Position and Size" panel: shown (1) or not.
inline constexpr Key PositionPanel{"Main", "Position Panel", 0};
inline constexpr Key ShowTips{"Main", "Show Tips at Startup", 1}; // 1 or 0
inline constexpr Key CurrentTip{"Main", "Current Tip", 0};
// Where the choosers start: New Picture's, and Open's and Save As's.
inline constexpr Key PictureChooserFolder{"Main", "Graphics Folder"};
inline constexpr Key OpenFolder{"Open", "File Path"};
// The text dialog's corner, twips; its default and range are the screen's.
inline constexpr Key TextLeft{"Text", "Left"};
inline constexpr Key TextTop{"Text", "Top"};

// Defaults for new labels. The size of a preset label type comes with the type.
inline constexpr Key LabelType{"Settings", "Label Type", 0};
inline constexpr Key LabelHeight{"Settings", "Label Height", 2.5, 0, MaxLabelInches, Bound::Exclusive};
inline constexpr Key LabelWidth{"Settings", "Label Width", 3, 0, MaxLabelInches, Bound::Exclusive};
// The options dialog's ranges: margins above -0.5 inch, spacings not negative.
inline constexpr Key TopMargin{"Settings", "Label TopMargin", 0, -0.5, MaxSheetInches, Bound::Exclusive};
inline constexpr Key LeftMargin{"Settings", "Label LeftMargin", 0, -0.5, MaxSheetInches, Bound::Exclusive};
inline constexpr Key RowSpace{"Settings", "Label RowSpace", 0, 0, MaxSheetInches};
inline constexpr Key ColumnSpace{"Settings", "Label ColumnSpace", 0, 0, MaxSheetInches};
inline constexpr Key Cutmarks{"Settings", "Cutmarks", 2, 0, 3};
inline constexpr Key Border{"Settings", "Border", 1};
inline constexpr Key BorderColor{"Settings", "Border Color", 0};
inline constexpr Key BorderWidth{"Settings", "Border Width", 12, 1, 39};
inline constexpr Key BorderStyle{.section = "Settings", .name = "Border Style", .text = "Rounded"};
// 3 to 500 twips as in the options dialog; a tiny step would draw millions of dots.
inline constexpr Key GridHeight{"Settings", "Grid Height", 120, 3, 500};
inline constexpr Key GridWidth{"Settings", "Grid Width", 120, 3, 500};
inline constexpr Key ShowGrid{"Settings", "Show Grid", 1};
inline constexpr Key SnapToGrid{"Settings", "Snap To Grid", 1};
inline constexpr Key ShowGuides{"Settings", "Show Guides", 0};
inline constexpr Key GuideSetting{"Settings", "Guide Setting", 0, 0, 2};
inline constexpr Key AspectRatio{"Settings", "Aspect Ratio", 0};
// The working folders (default: below the user's working base), the template
// and the picture editor (default: the first one installed).
inline constexpr Key LabelFolder{"Settings", "Label Folder"};
inline constexpr Key GraphicsFolder{"Settings", "Graphics Folder"};
inline constexpr Key TemplateFolder{"Settings", "Template Folder"};
inline constexpr Key TemplateFile{"Settings", "Template File"};
inline constexpr Key GraphicsEditor{"Settings", "Graphics Editor"};
// The unit lengths are shown and typed in: "inches" or "millimetres"; its
// default follows the system's measurement system (Lengths.h).
inline constexpr Key Units{"Settings", "Units"};
// The label sheet last chosen from the catalogue, by maker and code ("Avery L7165").
inline constexpr Key StockProduct{"Settings", "Stock Product"};

// The recent files: keys "0" to "3", the newest first.
inline constexpr const char* RecentFiles = "MRUFiles";

} // namespace keys
} // namespace settings
