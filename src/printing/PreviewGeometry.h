#pragma once
// The arithmetic of the print preview: zoom choices, the page picture's place
// and size in the viewport, its inch coordinates and the scroll bars. Sizes on
// screen are twips; paper is in inches (or twips where the printer says so).
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <cstdint>

namespace preview {

constexpr int16_t Margin = 250;       // twips around the page in the viewport
constexpr int16_t MinZoom = 10, MaxZoom = 150;
constexpr int16_t MinWidth = 4635, MinHeight = 5745; // smallest window, twips

enum ViewMode : int16_t { PageWidth = 0, WholePage = 1, Percentage = 2 };

// The number at the start of a text, 0 when there is none ("75%" -> 75).
double Val(const QString& s);
// A fraction as a whole percentage: 0.754 -> "75%".
QString percentText(double fraction);
// "Page 2 of 3".
QString pageIndicator(int current, int count);

struct ScrollBar {
    bool visible = false;
    int16_t min = 0, max = 0, largeChange = 1, smallChange = 1, value = 0;
};
struct ScrollBars {
    ScrollBar h, v;
};
// Fits the bars to a page picture of pw x ph twips shown in a viewport of
// vw x vh twips, pageCount pages stacked vertically.
ScrollBars scrollValues(double pw, double ph, double vw, double vh, int16_t pageCount);

// What a zoom choice does to the page picture.
struct Zoom {
    enum Outcome { Unchanged, Refused, Applied } outcome = Unchanged;
    QString text;          // what the zoom box shows afterwards
    int16_t remembered = 0; // whole percentage now in force
    int16_t viewMode = PageWidth;
    int16_t pageLeft = Margin, pageTop = Margin;
    double pageWidth = 0;   // twips
    int16_t pageHeight = 0; // twips
};
// listIndex: the entry chosen (0 "Page Width", 1 "Whole Page", others a
// percentage, -1 typed); text: the box's text; paper in twips; viewport in
// twips. On Refused the text is the remembered zoom again and nothing moves;
// a percentage equal to the remembered one is Unchanged.
Zoom zoom(int listIndex, const QString& text, int16_t remembered, int16_t viewMode, double viewportW,
          double viewportH, double paperW, double paperH);

// The window's first size in twips, before one is remembered: the whole page
// of paperW x paperH twips as large as fits (at most at full size) in 80% of
// the screen's available availW x availH twips, with the margins round it,
// `chromeW` beside it (the scroll bar) and `chromeH` above it (menus, toolbar,
// status); never below the smallest window.
QSizeF firstSize(double paperW, double paperH, double availW, double availH, double chromeW, double chromeH);

// The inch coordinates of a page picture of picW x picH twips showing paper
// of paperW x paperH inches whose printable area starts at (offX, offY).
struct PageSetup {
    double factor = 1;           // screen inches per paper inch
    double width = 0, height = 0; // the picture, twips, with the paper's proportions
    QPointF topLeft, bottomRight; // user coordinates of the picture's corners, inches
};
PageSetup pageSetup(double picW, double picH, double paperW, double paperH);

} // namespace preview
