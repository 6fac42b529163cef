#pragma once
// The one painter of a label's content: the label view, the preview, the
// printer and PDF files all draw the label with it, so paper shows what the
// screen shows. It paints a label's content in twips with the label's top-left
// corner at the painter's origin, clipped to the label, back to front:
// background, the items in their order with the frame between the pictures
// and the texts (the stacking a label file keeps). Each kind of item has its
// own overload of paintItem in LabelPainter.cpp.
#include <QRectF>
#include <functional>

struct LabelContent;
class QPainter;
class QPalette;
namespace pictures {
class ScaledCache;
}

namespace labelpaint {

// Frame widths count in pixels of a 96 dpi screen: a width-12 frame is 0.125 in
// thick on every device.
constexpr double TwipsPerFramePixel = 15;
// The largest corner radius of the "Rounded" frame, 500 twips.
constexpr double RoundedRadius = 500;

struct Options {
    // System colours follow this palette (the screen); null: their fixed
    // values on paper.
    const QPalette* palette = nullptr;
    // Texts are laid out line by line at this resolution, the one their boxes
    // were measured at, so a line fills its box on paper as it does on screen.
    // 0: the screen's, as the document's measurer takes it.
    double textDpi = 0;
    // Only items that reach into this part of the label (twips) are painted;
    // an empty area paints them all.
    QRectF area;
    // Drawn over the background and under the items, in the same coordinates
    // (the view's grid dots).
    std::function<void(QPainter&)> underlay;
    // Where the pictures' copies at the size they are drawn at come from (made
    // once per picture and size); null: pictures are drawn from their full
    // size (and metafiles from their rendering at natural size).
    pictures::ScaledCache* pictures = nullptr;
    // No picture is drawn from more pixels per inch of the label than this
    // (paper: more than a printer shows is only a larger file); 0: the device's.
    double pictureDpi = 0;
    // Pictures are copied pixel for pixel from a copy made at the device
    // pixels their box covers, enlarged too (the screen): a zoomed label is
    // not smoothed anew at every repaint. Only where the painter is not
    // turned; elsewhere, and on paper, they are drawn scaled.
    bool pixelCopies = false;
    // Which part of the stacking is painted, cut at the item at position
    // `split` of the items (the view's drag draws the parts under and over
    // the dragged item once and that item alone at every step). Below: the
    // background, the underlay and what stacks under that item; Item: that
    // item alone; Above: what stacks over it up to the first text drawn from
    // Qt's glyph cache; Texts: that text and the texts over it (they stack
    // over everything else; such glyphs blended into a transparent image
    // would not come out as they do on the opaque label, outlines would).
    // A split past the last item puts everything below.
    enum class Portion { All, Below, Item, Above, Texts } portion = Portion::All;
    int split = 0;
};

void paint(QPainter& p, const LabelContent& content, const Options& options = {});

} // namespace labelpaint
