#include "Platform.h"

#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include "WmfPicture.h"
#include "app/Units.h"

QSizeF rasterNaturalTwips(const QImage& image)
{
    const double k = units::twipsPerPixel(96);
    return QSizeF(image.width() * k, image.height() * k);
}

PictureData loadPictureFile(const QString& path)
{
    PictureData d;
    if (!QFileInfo(path).isFile()) {
        d.error = "File not found";
        return d;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "wmf" || suffix == "emf" || looksLikeWmf(path)) {
        return loadWmfPicture(path);
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    QImage img = reader.read();
    if (img.isNull()) {
        d.error = reader.errorString();
        return d;
    }
    d.image = img;
    d.naturalTwips = rasterNaturalTwips(img);
    return d;
}

QStringList picturePatterns()
{
    QStringList patterns = {"*.bmp", "*.jpg", "*.gif", "*.wmf"};
    for (const QByteArray& format : QImageReader::supportedImageFormats()) {
        const QString p = "*." + QString::fromLatin1(format).toLower();
        if (!patterns.contains(p))
            patterns << p;
    }
    return patterns;
}
