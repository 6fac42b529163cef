#pragma once
// What the label model tests share: plain pictures, pictures the scripted
// platform hands out for a path (and the file helpers).
#include <QImage>

#include "support/Files.h"
#include "support/TestEnv.h"

inline QImage solid(QColor c, int w = 8, int h = 8)
{
    QImage i(w, h, QImage::Format_RGB32);
    i.fill(c);
    return i;
}

// A picture file the platform loads at path, without any file on disk.
inline QImage offerPicture(TestEnv& env, const QString& path, QSizeF twips, QColor c = Qt::darkGreen, int w = 10, int h = 10)
{
    const QImage img = solid(c, w, h);
    env.platform.pictures[path] = PictureData{img, twips, {}};
    return img;
}
