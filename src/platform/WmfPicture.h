#pragma once
#include <QString>

#include "Platform.h"

// Windows metafiles, rendered at their natural size through libwmf.
bool looksLikeWmf(const QString& path);
PictureData loadWmfPicture(const QString& path);
