#include "WmfPicture.h"

#include <QCoreApplication>
#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/Units.h"

#ifdef CORKCRAFTER_HAVE_WMF
extern "C" {
#include <libwmf/api.h>
#include <libwmf/svg.h>
}
#endif

QSize metafileRenderSize(double twipsW, double twipsH)
{
    // One pixel for 15 twips (96 dpi), the size it has on the label view.
    const double k = units::twipsPerPixel(96);
    double w = std::max(1.0, std::floor(twipsW / k)), h = std::max(1.0, std::floor(twipsH / k));
    // A frame of tens of thousands of pixels takes gigabytes: scale it down,
    // keeping its shape, as Qt does for raster pictures past its allocation limit.
    const double pixels = w * h;
    if (pixels > MaxMetafilePixels) {
        const double k = std::sqrt(MaxMetafilePixels / pixels);
        w = std::max(1.0, std::floor(w * k));
        h = std::max(1.0, std::floor(h * k));
    }
    return QSize(int(w), int(h));
}

bool looksLikeWmf(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(4);
    // Placeable metafile key, or a plain metafile header (type 1/2, size 9 words).
    if (head.size() < 4)
        return false;
    const auto b = reinterpret_cast<const unsigned char*>(head.constData());
    if (b[0] == 0xD7 && b[1] == 0xCD && b[2] == 0xC6 && b[3] == 0x9A)
        return true;
    return (b[0] == 1 || b[0] == 2) && b[1] == 0 && b[2] == 9 && b[3] == 0;
}

PictureData loadWmfPicture(const QString& path)
{
    PictureData d;
#ifndef CORKCRAFTER_HAVE_WMF
    d.error = QCoreApplication::translate("pictures", "Windows metafiles are not supported by this build");
    return d;
#else
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        d.error = f.errorString();
        return d;
    }
    QByteArray data = f.readAll();
    f.close();
    if (data.size() < 18 || !looksLikeWmf(path)) {
        d.error = QCoreApplication::translate("pictures", "Not a Windows metafile (enhanced metafiles are not supported)");
        return d;
    }
    // A placeable header names its frame and units a inch: an empty frame or
    // no units is no size at all.
    const auto* b = reinterpret_cast<const uchar*>(data.constData());
    if (b[0] == 0xD7 && data.size() >= 22) {
        const auto s16 = [b](int at) { return int16_t(b[at] | (b[at + 1] << 8)); };
        const int left = s16(6), top = s16(8), right = s16(10), bottom = s16(12), inch = uint16_t(s16(14));
        if (right == left || bottom == top || inch == 0) {
            d.error = QCoreApplication::translate("pictures", "The metafile's header is damaged");
            return d;
        }
    }

    wmfAPI* api = nullptr;
    wmfAPI_Options options;
    std::memset(&options, 0, sizeof(options));
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR | WMF_OPT_NO_DEBUG;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api)
            wmf_api_destroy(api);
        d.error = QCoreApplication::translate("pictures", "The metafile library could not start");
        return d;
    }
    auto fail = [&](const QString& why) {
        wmf_api_destroy(api);
        d.error = why;
        return d;
    };
    if (wmf_mem_open(api, reinterpret_cast<unsigned char*>(data.data()), long(data.size())) != wmf_E_None)
        return fail(QCoreApplication::translate("pictures", "The metafile could not be opened"));
    wmfD_Rect bbox;
    if (wmf_scan(api, 0, &bbox) != wmf_E_None)
        return fail(QCoreApplication::translate("pictures", "The metafile is damaged"));
    unsigned int twW = 0, twH = 0;
    // At a dot a twip the display size is the natural size in twips.
    if (wmf_display_size(api, &twW, &twH, units::TwipsPerInch, units::TwipsPerInch) != wmf_E_None || twW == 0 || twH == 0)
        return fail(QCoreApplication::translate("pictures", "The metafile has no size"));

    wmf_svg_t* ddata = WMF_SVG_GetData(api);
    ddata->out = wmf_stream_create(api, nullptr);
    ddata->Description = const_cast<char*>("Corkcrafter picture");
    ddata->bbox = bbox;
    const QSize px = metafileRenderSize(twW, twH);
    const unsigned int pxW = unsigned(px.width()), pxH = unsigned(px.height());
    ddata->width = pxW;
    ddata->height = pxH;
    const wmf_error_t played = wmf_play(api, 0, &bbox);
    char* svg = nullptr;
    unsigned long svgLen = 0;
    wmf_stream_destroy(api, ddata->out, &svg, &svgLen);
    const QByteArray svgData = (svg && svgLen) ? QByteArray(svg, qsizetype(svgLen)) : QByteArray();
    wmf_mem_close(api);
    wmf_api_destroy(api);
    if (played != wmf_E_None || svgData.isEmpty()) {
        d.error = QCoreApplication::translate("pictures", "The metafile could not be drawn");
        return d;
    }

    QSvgRenderer renderer(svgData);
    if (!renderer.isValid()) {
        d.error = QCoreApplication::translate("pictures", "The metafile could not be drawn");
        return d;
    }
    // The drawing is what the label paints, at the size it is drawn at.
    d.vector = std::make_shared<const QByteArray>(svgData);
    // Beside it, a picture at screen resolution (15 twips a pixel, bounded),
    // transparent outside the drawing.
    QImage img(int(pxW), int(pxH), QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    renderer.render(&p);
    p.end();
    d.image = img;
    d.naturalTwips = QSizeF(twW, twH);
    return d;
#endif
}
