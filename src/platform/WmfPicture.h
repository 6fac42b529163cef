#pragma once
#include <QSize>
#include <QString>

#include "Platform.h"

// Windows metafiles, read through libwmf as a drawing (SVG) that is rendered
// at the size it is drawn at: the screen's, the printer's (see PictureCache).
bool looksLikeWmf(const QString& path);

// The picture kept beside the drawing (its natural size at 96 dpi, for the
// clipboard and a bitmap copy) has at most this many pixels (16 MB): a tiny
// file's frame may claim tens of thousands of pixels a side.
constexpr double MaxMetafilePixels = 4.0 * 1024 * 1024;
// The picture a metafile of this natural size (twips) is rendered into.
QSize metafileRenderSize(double twipsW, double twipsH);
PictureData loadWmfPicture(const QString& path);
