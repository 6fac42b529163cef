#pragma once
// The printer test page: two rulers in inches measured from the paper's edges,
// the origin every printed sheet uses, so that the user can see where the
// printer really puts a given distance (ticks in the printer's unprintable
// border are missing), and the program's picture and name as a sample.
#include <QImage>
#include <QSizeF>

#include "Stock.h"

class DrawingSurface;

namespace testpage {

// Draws the page and ends the document. A failing step (no printer) is skipped
// and the next one runs; nothing is reported. The page is moved by the
// printer's adjustment, as everything printed on it.
void print(DrawingSurface& s, const QImage& picture, QSizeF pictureInches, QChar decimalSeparator,
           const stock::Placement& adjustment = {});

// The sample picture: the program's icon at one inch square.
QImage samplePicture(const QString& dataDir);
constexpr double SampleInches = 1.0;

} // namespace testpage
