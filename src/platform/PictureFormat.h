#pragma once
// How a loaded picture is held: in the format QPainter draws fastest, and
// whether it came from a JPEG file (a photograph). Implemented in Pictures.cpp.
#include <QImage>

namespace pictures {

// The picture in the format QPainter draws fastest: RGB32 when every pixel is
// opaque, premultiplied ARGB32 otherwise. Opaque colours stay exact. A picture
// already in one of these formats is returned as it is (no copy).
QImage fastest(const QImage& image);

// Marks a picture decoded from a JPEG file: a photograph, which a PDF may
// carry as a JPEG again; every other picture (flat-coloured art whose colours
// must stay exact) is embedded losslessly.
void markPhotograph(QImage& image);
bool isPhotograph(const QImage& image);

} // namespace pictures
