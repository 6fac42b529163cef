#pragma once
// Value types of one label design. Everything on the label is in twips from
// its top-left corner; sizes of the label and the sheet are in inches.
#include <QImage>
#include <QSizeF>
#include <QString>
#include <cstdint>

#include "app/Module1.h"

struct LabelSpec {
    int16_t LabelType = 0; // 0 beer, 1 wine, 2 custom
    double LabelHeight = labelsizes::Beer.height;
    double LabelWidth = labelsizes::Beer.width;
    double TopMargin = 0;
    double LeftMargin = 0;
    double RowSpace = 0;
    double ColumnSpace = 0;
    int16_t Cutmarks = 2; // 0 none, 1 outside only, 2 inside/outside, 3 fine lines
    bool operator==(const LabelSpec&) const = default;
};

struct BorderSpec {
    bool visible = true;
    ColorValue color = 0;
    int16_t width = 12; // pen width in screen pixels
    int16_t shapeCode = 4; // 0 rectangle, 4 rounded rectangle, 2 ellipse
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
    int16_t alignment = 2; // 0 left, 1 right, 2 centre
    bool operator==(const TextFormat&) const = default;
};

struct TextItem {
    QString text;
    double left = 0, top = 0, width = 0, height = 0;
    FontSpec font;
    ColorValue foreColor = 0;
    ColorValue backColor = 0xFFFFFF;
    int16_t backStyle = 0; // 0 transparent, 1 opaque
    int16_t alignment = 2; // 0 left, 1 right, 2 centre
    int16_t rotation = 0;
    bool visible = true;
    int index = 0; // among the texts, never reused: what the commands and the history name it by
    bool operator==(const TextItem&) const = default;
};

struct GraphicItem {
    QImage picture;
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
