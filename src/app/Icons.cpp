#include "app/Icons.h"

#include <QFileInfo>
#include <QMap>
#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

namespace {

// Freedesktop names of the pictures, from the Breeze theme that the install
// script brings; any theme with these names serves.
const QMap<QString, QString>& themeNames()
{
    static const QMap<QString, QString> m = {
        {"New", "document-new"},
        {"Open", "document-open"},
        {"Save", "document-save"},
        {"Print", "document-print"},
        {"Preview", "document-print-preview"},
        {"Cut", "edit-cut"},
        {"Copy", "edit-copy"},
        {"Paste", "edit-paste"},
        {"Delete", "edit-delete"},
        {"Select", "transform-scale"},
        {"Left Align", "align-horizontal-left"},
        {"Horizontal Center", "align-horizontal-center"},
        {"Right Align", "align-horizontal-right"},
        {"Top Align", "align-vertical-top"},
        {"Vertical Center", "align-vertical-center"},
        {"Bottom Align", "align-vertical-bottom"},
        {"Add Image", "insert-image"},
        {"Add QR Code", "view-barcode-qr"},
        {"Aspect Ratio", "zoom-fit-best"},
        {"Bring Forward", "object-order-raise"},
        {"Send Back", "object-order-lower"},
        {"Rotate Left", "object-rotate-left"},
        {"Rotate Right", "object-rotate-right"},
        {"Rotate Text Left", "object-rotate-left"},
        {"Rotate Text Right", "object-rotate-right"},
        {"Mirror", "object-flip-horizontal"},
        {"Add Text", "insert-text"},
        {"Text Color", "format-text-color"},
        {"Bold", "format-text-bold"},
        {"Italic", "format-text-italic"},
        {"Underline", "format-text-underline"},
        {"Shadow", "format-text-shadow"},
        {"Align Left", "format-justify-left"},
        {"Center", "format-justify-center"},
        {"Align Right", "format-justify-right"},
        {"Show Border", "draw-rectangle"},
        {"Border Color", "format-stroke-color"},
        {"Help", "help-contents"},
        {"Previous", "go-previous"},
        {"Next", "go-next"},
        {"Close", "window-close"},
    };
    return m;
}

// Drawn when no icon theme is installed: never a blank button.
QIcon lettered(const QString& key)
{
    QPixmap pm(22, 22);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0x3d, 0x6e, 0xa8));
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(1, 1, 20, 20), 4, 4);
    p.setPen(Qt::white);
    QFont f = p.font();
    f.setPixelSize(11);
    f.setBold(true);
    p.setFont(f);
    QString letters;
    for (const QString& w : key.split(' ', Qt::SkipEmptyParts))
        letters += w.at(0).toUpper();
    p.drawText(pm.rect(), Qt::AlignCenter, letters.left(2));
    return QIcon(pm);
}

} // namespace

QIcon toolbarIcon(const QString& key)
{
    const QString name = themeNames().value(key);
    if (!name.isEmpty() && QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    return lettered(key);
}

namespace {

// The icon's drawing: the one in dataDir, else the source tree's; empty when neither is there.
QString programIconFile(const QString& dataDir)
{
    for (const QString& dir : {dataDir, QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR)}) {
        const QString svg = dir + "/icons/corkcrafter.svg";
        if (!dir.isEmpty() && QFileInfo::exists(svg))
            return svg;
    }
    return QString();
}

} // namespace

QIcon programIcon(const QString& dataDir)
{
    const QString svg = programIconFile(dataDir);
    return svg.isEmpty() ? lettered("Cork Crafter") : QIcon(svg);
}

QImage programImage(int size, const QString& dataDir, const QColor& background)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(background);
    QSvgRenderer svg(programIconFile(dataDir));
    QPainter p(&image);
    if (svg.isValid())
        svg.render(&p, QRectF(0, 0, size, size));
    else
        lettered("Cork Crafter").paint(&p, image.rect());
    return image;
}

QPixmap programPixmap(int size, const QString& dataDir) { return QPixmap::fromImage(programImage(size, dataDir)); }
