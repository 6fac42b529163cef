#pragma once
// Where the labels of one sheet go and which cut marks are drawn, in inches.
#include <cstdint>

namespace sheet {

constexpr double MarkLength = 0.1;

struct Params {
    double W = 0, H = 0;               // label width and height
    double leftMargin = 0, topMargin = 0;
    double C = 0, R = 0;               // column and row space
    double offsetX = 0, offsetY = 0;   // printer offsets
    double SW = 0, SH = 0;             // usable width and height of the surface
    int16_t cutmarks = 2;              // 0 none, 1 outside only, 2 inside/outside, 3 fine lines
};

class Sink {
public:
    virtual ~Sink() = default;
    // A label fits with its top-left corner at (X, Y).
    virtual void label(double X, double Y) = 0;
    // A cut-mark segment.
    virtual void segment(double x1, double y1, double x2, double y2) = 0;
    // The walk has finished a column.
    virtual void columnDone() {}
};

void walk(const Params& p, Sink& sink);

} // namespace sheet
