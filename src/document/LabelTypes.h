#pragma once
// Value types of one label design. Everything on the label is in twips from
// its top-left corner; sizes of the label and the sheet are in inches.
#include <QImage>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <memory>

#include "app/Module1.h"

// The codes a label file and the settings store, by name. The values are the
// stored ones and must never change.
namespace labelcode {
enum LabelType : int16_t { Beer = 0, Wine = 1, Custom = 2 };
enum CutMarks : int16_t { NoCutMarks = 0, OutsideOnly = 1, InsideOutside = 2, FineLines = 3 };
enum FrameShape : int16_t { Square = 0, Oval = 2, Rounded = 4 };
enum TextAlign : int16_t { AlignLeft = 0, AlignRight = 1, AlignCentre = 2 };
// Where Align puts the active item on a guide: the vertical guide takes its
// right edge, centre or left edge; the horizontal one its top, centre or bottom.
enum AlignMode : int { FarEdge = 1, Centre = 2, NearEdge = 3 };
} // namespace labelcode

struct LabelSpec {
    int16_t LabelType = labelcode::Beer;
    double LabelHeight = labelsizes::Beer.height;
    double LabelWidth = labelsizes::Beer.width;
    double TopMargin = 0;
    double LeftMargin = 0;
    double RowSpace = 0;
    double ColumnSpace = 0;
    int16_t Cutmarks = labelcode::InsideOutside;
    bool operator==(const LabelSpec&) const = default;
};

struct BorderSpec {
    bool visible = true;
    ColorValue color = 0;
    int16_t width = 12; // pen width in screen pixels
    int16_t shapeCode = labelcode::Rounded;
    // Carried through the file, never used for drawing.
    ColorValue fillColor = 0xFFFFFF;
    int16_t fillStyle = 1; // transparent
    bool operator==(const BorderSpec&) const = default;
};

struct FontSpec {
    QString name = "Arial";
    double size = 18;
    bool bold = false, italic = false, underline = false;
    bool operator==(const FontSpec&) const = default;
};

// The formatting a new or restyled text item takes from the formatting boxes.
struct TextFormat {
    QString fontName;
    QString fontSize; // as typed in the size box
    bool bold = false, italic = false, underline = false;
    int16_t alignment = labelcode::AlignCentre;
    bool operator==(const TextFormat&) const = default;
};

struct TextItem {
    QString text;
    double left = 0, top = 0, width = 0, height = 0;
    FontSpec font;
    ColorValue foreColor = 0;
    ColorValue backColor = 0xFFFFFF;
    int16_t backStyle = 0; // 0 transparent, 1 opaque
    int16_t alignment = labelcode::AlignCentre;
    int16_t rotation = 0;
    bool visible = true;
    int index = 0; // among the texts, never reused: what the commands and the history name it by
    bool operator==(const TextItem&) const = default;
};

struct GraphicItem {
    QImage picture;
    // A metafile's drawing (SVG), rendered at the size it is drawn at; null
    // for a raster picture. `picture` is then its rendering at natural size (bounded).
    std::shared_ptr<const QByteArray> vector;
    QSizeF natural;    // natural size, twips (the companion holder's size)
    QString tag;       // "0"/"1" aspect flag + file path
    QString refTag;    // companion's tag: "0" + path given at creation, never changed
    double left = 0, top = 0, width = 0, height = 0;
    bool visible = true;
    int index = 0; // among the pictures, never reused

    QString path() const { return tag.mid(1); }
    QString refPath() const { return refTag.mid(1); }
    bool operator==(const GraphicItem&) const = default;
};

// A QR code: its data (fields are filled in when it prints), drawn as dark
// squares in its colour inside a square box that holds the quiet zone too.
struct QrItem {
    QString data;
    double left = 0, top = 0, size = 0; // the box is always square
    ColorValue color = 0;
    char level = 'M'; // error correction: 'L', 'M', 'Q' or 'H'
    bool visible = true;
    int index = 0; // among the QR codes, never reused
    bool operator==(const QrItem&) const = default;
};
