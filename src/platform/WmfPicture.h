#pragma once
#include <QSize>
#include <QString>

#include "Platform.h"

// Windows metafiles, rendered at their natural size through libwmf.
bool looksLikeWmf(const QString& path);

// No metafile is drawn into more pixels than this (256 MB at 4 bytes a pixel).
constexpr double MaxMetafilePixels = 256.0 * 1024 * 1024 / 4;
// The picture a metafile of this natural size (twips) is rendered into.
QSize metafileRenderSize(double twipsW, double twipsH);
PictureData loadWmfPicture(const QString& path);
