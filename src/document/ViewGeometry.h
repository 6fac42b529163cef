#pragma once
// Scroll-bar, grid and zoom arithmetic of the label view, in twips.
#include <limits>
#include <vector>

namespace viewgeom {

struct ScrollInput {
    int windowW = 0, windowH = 0;   // outer size of the document window
    int clientW = 0;                // inner width ("window width")
    int surfaceW = 0, surfaceH = 0; // the label
    int statusH = 0, statusTop = 0; // status bar height and top
    int hScrollH = 0, vScrollW = 0; // bar thicknesses
    int vScrollTop = 0;
    int widthAllowance = 360;       // outer width beyond the label
    int heightAllowance = 740;      // outer height beyond label and status bar
};

struct ScrollBar {
    bool visible = false;
    int max = 0, smallStep = 0, largeStep = 0, value = 0;
    int left = 0, top = 0, length = 0; // length: height for the vertical bar, width for the horizontal
};

struct ScrollLayout {
    ScrollBar v, h;
    bool cornerVisible = false;
    int cornerLeft = 0, cornerTop = 0;
};

ScrollLayout setScrollBars(const ScrollInput& in);

// Grid dot positions along one axis: 0, step, 2*step ... up to and including
// length, only those from `from` to `to` (the part on the screen).
std::vector<int> gridPositions(int length, int step, int from = 0, int to = std::numeric_limits<int>::max());

// Zoom: the label's size on screen against its true size (1 = 100 %).
inline constexpr double MinZoom = 0.25, MaxZoom = 8.0;
double clampZoom(double zoom);
// The next step of the zoom ladder (25 % ... 800 %) above or below `zoom`;
// a zoom between steps (a fitted one) goes to the neighbouring step.
double zoomIn(double zoom);
double zoomOut(double zoom);
// The zoom, in whole percent, at which `need` (pixels at 100 %) fits into
// `room` (pixels), within the zoom range.
double fitZoom(double roomW, double roomH, double needW, double needH);
// The percentage shown for a zoom ("200" for 2).
int zoomPercent(double zoom);
// The scroll value along one axis that keeps a label point under the pointer
// after zooming: the label starts at `gap` pixels in the window, the pointer
// is at `pointer` pixels in it, and `labelPx` is the point's distance from
// the label's edge in pixels at the new zoom. Clamped to 0 ... max.
int scrollToKeep(double gap, double pointer, double labelPx, int max);

} // namespace viewgeom
