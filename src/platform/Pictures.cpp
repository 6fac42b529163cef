#include "Platform.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <utility>

#include "WmfPicture.h"
#include "PictureFormat.h"
#include "app/Units.h"

namespace pictures {

namespace {
const QString PhotoKey = QStringLiteral("Corkcrafter source");

bool allOpaque(const QImage& argb)
{
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x)
            if (qAlpha(line[x]) != 255)
                return false;
    }
    return true;
}
} // namespace

QImage fastest(const QImage& image)
{
    switch (image.format()) {
    case QImage::Format_Invalid:
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32_Premultiplied: return image;
    default: break;
    }
    if (!image.hasAlphaChannel())
        return image.convertToFormat(QImage::Format_RGB32);
    // A picture with an alpha channel that uses none (most PNG files) draws as RGB32.
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    return argb.convertToFormat(allOpaque(argb) ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
}

void markPhotograph(QImage& image) { image.setText(PhotoKey, QStringLiteral("jpeg")); }
bool isPhotograph(const QImage& image) { return image.text(PhotoKey) == QLatin1String("jpeg"); }

} // namespace pictures

QSizeF rasterNaturalTwips(const QImage& image)
{
    const double k = units::twipsPerPixel(96);
    return QSizeF(image.width() * k, image.height() * k);
}

PictureData loadPictureFile(const QString& path)
{
    PictureData d;
    if (!QFileInfo(path).isFile()) {
        d.error = QCoreApplication::translate("pictures", "File not found");
        return d;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == "wmf" || suffix == "emf" || looksLikeWmf(path)) {
        return loadWmfPicture(path);
    }
    QImageReader reader(path);
    reader.setDecideFormatFromContent(true);
    // Known before reading: the reader forgets it at the end of the file.
    const bool photograph = reader.format() == "jpeg";
    QImage img = reader.read();
    if (img.isNull()) {
        d.error = reader.errorString();
        return d;
    }
    // A photograph is marked so that a PDF may carry it as a JPEG again (while
    // the picture is held once: marking a shared one would copy its pixels).
    if (photograph)
        pictures::markPhotograph(img);
    d.naturalTwips = rasterNaturalTwips(img);
    // In the format that draws fastest, once.
    d.image = pictures::fastest(std::exchange(img, QImage()));
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
