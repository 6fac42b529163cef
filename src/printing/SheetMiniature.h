#pragma once
// The miniature of a printed sheet that the options dialog shows: the paper at
// one sixth of its size with the outline of every label that fits and its cut
// marks, laid out by the same sheet walk as printing, from the same origin (the
// paper's corner). Everything is in twips of the miniature picture.
#include <QLineF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

namespace miniature {

constexpr int Scale = 6;
// A sheet walk with more positions than this (a label of a few hundredths of
// an inch) is not drawn: the outlines would be a solid smudge and take seconds.
constexpr double MostPositions = 250000;

struct Input {
    double labelWidth = 0, labelHeight = 0; // whole twips
    double topMargin = 0, leftMargin = 0;   // inches
    double rowSpace = 0, columnSpace = 0;   // inches
    int16_t cutmarks = 2;
    double paperWidth = 12240, paperHeight = 15840; // twips
    // A product's sheet: exactly this many labels across and down (0: as many as fit).
    int across = 0, down = 0;
};

struct Drawing {
    std::vector<QRectF> labels; // outlines
    std::vector<QLineF> marks;  // cut marks
};

Drawing draw(const Input& in);

// The miniature's size for a paper size, twips.
QSizeF pageSize(double paperWidthTwips, double paperHeightTwips);

// The paper size as the dialog shows it: " 8.5 x 11 in" for Letter.
QString paperSizeCaption(double paperWidthTwips, double paperHeightTwips);

// The label size in whole twips the miniature is drawn for; nothing when the
// width or height is not a positive number (the miniature stays as it was).
bool labelTwips(double widthInches, double heightInches, double& w, double& h);

} // namespace miniature
