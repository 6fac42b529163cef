#include "LabelPainter.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "LabelContent.h"
#include "PictureCache.h"
#include "QrCode.h"
#include "TextMeasure.h"
#include "app/Colors.h"
#include "app/Units.h"

namespace labelpaint {

namespace {

class Painter {
public:
    Painter(QPainter& p, const LabelContent& c, const Options& o) : m_p(p), m_c(c), m_o(o)
    {
        m_textDpi = o.textDpi > 0 ? o.textDpi : textlayout::measuringDpi();
    }

    void run()
    {
        const QRectF label = m_c.surface();
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing);
        m_p.setClipRect(label, Qt::IntersectClip);
        using Portion = Options::Portion;
        if (m_o.portion == Portion::All || m_o.portion == Portion::Below) {
            m_p.fillRect(m_o.area.isEmpty() ? label : label & m_o.area, color(m_c.backColor));
            if (m_o.underlay) {
                m_p.save();
                m_o.underlay(m_p);
                m_p.restore();
            }
        }
        // The slots of the stacking this part paints: the frame before the
        // item at framePos, item i in slot i.
        const int n = int(m_c.items.size()), s = std::clamp(m_o.split, 0, n);
        // From the first text over the cut whose glyphs come from the cache,
        // everything is drawn with the texts (they stack over all the rest).
        int live = n;
        if (m_o.portion == Portion::Above || m_o.portion == Portion::Texts)
            for (int i = s + 1; i < n && live == n; ++i)
                if (const auto* t = std::get_if<TextItem>(m_c.items[size_t(i)].get()); t && !outlined(*t))
                    live = i;
        const auto inPortion = [&](int i, bool isFrame) {
            switch (m_o.portion) {
            case Portion::Below: return isFrame ? i <= s : i < s;
            case Portion::Item: return !isFrame && i == s;
            case Portion::Above: return i > s && (isFrame ? i <= live : i < live);
            case Portion::Texts: return !isFrame && i > s && i >= live;
            default: return true;
            }
        };
        const int framePos = m_c.framePosition();
        for (int i = 0; i <= n; ++i) {
            if (i == framePos && inPortion(i, true))
                frame();
            if (i == n)
                break;
            const LabelItem& item = *m_c.items[size_t(i)];
            if (inPortion(i, false) && shown(item) && visible(drawnBounds(item)))
                std::visit([this](const auto& it) { paintItem(it); }, item);
        }
        m_p.restore();
    }

private:
    QColor color(ColorValue c) const { return m_o.palette ? colors::forScreen(c, *m_o.palette) : colors::forPrint(c); }
    bool visible(const QRectF& box) const { return m_o.area.isEmpty() || box.normalized().intersects(m_o.area); }

    void paintItem(const GraphicItem& g)
    {
        const QRectF box = bounds(g);
        const QRectF onDevice = m_p.combinedTransform().mapRect(box);
        if (m_o.pixelCopies && m_o.pictures && drawCopied(g, box))
            return;
        const QImage picture = pictureFor(g, box, onDevice);
        // A picture spread over more device pixels than it has is smoothed (on
        // paper it would show its pixels as blocks); one drawn at its size or
        // smaller is sampled.
        const bool enlarged = std::abs(onDevice.width()) > picture.width() + 0.5 ||
                              std::abs(onDevice.height()) > picture.height() + 0.5;
        m_p.save();
        m_p.setRenderHint(QPainter::SmoothPixmapTransform, enlarged);
        // A PDF carries a photograph as a JPEG, every other picture losslessly
        // (re-encoded flat-coloured art would change its colours).
        m_p.setRenderHint(QPainter::LosslessImageRendering, !pictures::isPhotograph(g.picture));
        m_p.drawImage(box, picture);
        m_p.restore();
    }

    // The picture copied 1:1 from a copy at the whole device pixels its box
    // covers. False where that cannot be done (a turned painter, a mirrored
    // box, a copy beyond MaxCopiedPixels): the picture is drawn scaled.
    static constexpr double MaxCopiedPixels = 256.0 * 1024;
    bool drawCopied(const GraphicItem& g, const QRectF& box)
    {
        // The device's own pixels: the painter's transform with the screen's pixel ratio.
        const QTransform device = m_p.deviceTransform();
        if (g.picture.isNull() || box.width() <= 0 || box.height() <= 0 || device.type() > QTransform::TxScale ||
            device.m11() <= 0 || device.m22() <= 0)
            return false;
        const QRectF on = device.mapRect(box);
        const QPoint from(int(std::lround(on.left())), int(std::lround(on.top())));
        const QSize size(int(std::lround(on.right())) - from.x(), int(std::lround(on.bottom())) - from.y());
        // A larger copy costs more to make than drawing the picture scaled into the
        // few pixels a repaint needs, and many of them would crowd each other
        // out of the cache.
        if (size.isEmpty() || double(size.width()) * size.height() > MaxCopiedPixels)
            return false;
        const QImage copy = m_o.pictures->picture(g, size, true);
        if (copy.size() != size)
            return false;
        // One copied pixel to each device pixel: the painter only translates.
        m_p.save();
        m_p.setWorldTransform(QTransform::fromTranslate(from.x(), from.y()) * device.inverted() * m_p.worldTransform());
        m_p.drawImage(QPointF(0, 0), copy);
        m_p.restore();
        return true;
    }

    // The picture as drawn: its copy at the device pixels the box covers (at
    // most pictureDpi), made once per picture and size by the cache.
    QImage pictureFor(const GraphicItem& g, const QRectF& box, const QRectF& onDevice) const
    {
        if (!m_o.pictures || g.picture.isNull())
            return g.picture;
        // Device pixels: a high-density screen or page image has more than its logical ones.
        const double dpr = m_p.device() ? m_p.device()->devicePixelRatio() : 1.0;
        double w = std::abs(onDevice.width()) * dpr, h = std::abs(onDevice.height()) * dpr;
        if (m_o.pictureDpi > 0) {
            w = std::min(w, std::abs(box.width()) / units::TwipsPerInch * m_o.pictureDpi);
            h = std::min(h, std::abs(box.height()) / units::TwipsPerInch * m_o.pictureDpi);
        }
        const QSize size(std::max(1, int(std::ceil(w - 0.01))), std::max(1, int(std::ceil(h - 0.01))));
        if (!g.vector && size.width() >= g.picture.width() && size.height() >= g.picture.height())
            return g.picture;
        const QImage copy = m_o.pictures->picture(g, size);
        return copy.isNull() ? g.picture : copy;
    }

    // The code's dark modules as squares in the item's colour over the
    // label's background, the quiet zone inside the box: one path of
    // rectangles (a row's run of dark modules is one), so it stays sharp at
    // any size and adjacent modules show no seams.
    void paintItem(const QrItem& q)
    {
        const QRectF box = bounds(q);
        m_p.fillRect(box, color(m_c.backColor));
        const qrcode::Matrix m = qrcode::encode(q.data, q.level);
        if (!m.ok()) {
            unencodable(q, box);
            return;
        }
        const double module = box.width() / (m.width + 2 * qrcode::QuietZone);
        const QPointF origin = box.topLeft() + QPointF(module, module) * qrcode::QuietZone;
        QPainterPath path;
        path.setFillRule(Qt::WindingFill);
        for (int y = 0; y < m.width; ++y)
            for (int x = 0; x < m.width;) {
                if (!m.at(x, y)) {
                    ++x;
                    continue;
                }
                int end = x;
                while (end < m.width && m.at(end, y))
                    ++end;
                path.addRect(QRectF(origin.x() + x * module, origin.y() + y * module, (end - x) * module, module));
                x = end;
            }
        m_p.save();
        m_p.setRenderHint(QPainter::Antialiasing, false);
        m_p.fillPath(path, color(q.color));
        m_p.restore();
    }

    // A code that cannot be made is never drawn in part: its box is crossed
    // out and says why.
    void unencodable(const QrItem& q, const QRectF& box)
    {
        m_p.save();
        QPen pen(color(q.color));
        pen.setWidthF(std::max(box.width() / 60, 1.0));
        m_p.setPen(pen);
        m_p.setBrush(Qt::NoBrush);
        m_p.drawRect(box);
        m_p.drawLine(box.topLeft(), box.bottomRight());
        m_p.drawLine(box.topRight(), box.bottomLeft());
        const QRectF note = box.adjusted(0, box.height() * 0.38, 0, -box.height() * 0.38);
        m_p.fillRect(note, color(m_c.backColor));
        QFont f("DejaVu Sans");
        f.setPixelSize(std::max(1, int(note.height() / 2.6)));
        m_p.setFont(f);
        m_p.drawText(note, Qt::AlignCenter, "QR code:\ndata too long");
        m_p.restore();
    }

    void frame()
    {
        const BorderSpec& b = m_c.frame;
        if (!b.visible)
            return;
        const QRectF f = m_c.frameRect().normalized();
        QPen pen(color(b.color));
        pen.setWidthF(std::max<double>(0, b.width) * TwipsPerFramePixel);
        pen.setJoinStyle(Qt::MiterJoin);
        m_p.setPen(pen);
        m_p.setBrush(Qt::NoBrush);
        // The shape the file keeps: an unknown style name is stored, and so
        // reopened, as a square.
        switch (b.shapeCode) {
        case labelcode::Oval: m_p.drawEllipse(f); break;
        case labelcode::Rounded: {
            // One closed path: edges and corner arcs meet without seams.
            const double r = std::min({RoundedRadius, f.width() / 2, f.height() / 2});
            QPainterPath path;
            path.addRoundedRect(f, r, r);
            m_p.drawPath(path);
            break;
        }
        default: m_p.drawRect(f); break;
        }
    }

    // The font a text is drawn in on this device: sized so that it has its
    // measured pixel size at the measuring resolution.
    QFont fontFor(const TextItem& t) const
    {
        QFont f = toQFont(t.font);
        const int deviceDpi = m_p.device() ? m_p.device()->logicalDpiY() : 0;
        if (deviceDpi > 0)
            f.setPointSizeF(f.pointSizeF() * m_textDpi / deviceDpi);
        return f;
    }

    // Qt fills glyphs larger than 64 device pixels as outlines, blended as
    // any shape is; smaller ones come from its glyph cache and blend onto an
    // opaque surface otherwise than onto a transparent image. True only where
    // the glyphs are well past that size.
    bool outlined(const TextItem& t) const
    {
        const int dpi = m_p.device() ? m_p.device()->logicalDpiY() : 0;
        if (dpi <= 0)
            return false;
        const double k = units::twipsPerPixel(m_textDpi);
        const double px = fontFor(t).pointSizeF() * dpi / 72 * k;
        const double limit = 64 * 1.25;
        return px * px * std::abs(m_p.deviceTransform().determinant()) > limit * limit;
    }

    void paintItem(const TextItem& t)
    {
        const QRectF box = bounds(t);
        m_p.save();
        // Laid out in its own box, then turned with its background about the
        // box's centre; the label's clip stays as it was set.
        if (turnOf(t) != 0)
            m_p.setTransform(turnAboutCentre(t), true);
        if (t.backStyle == 1)
            m_p.fillRect(box, color(t.backColor));
        // Lines are placed in pixels of the measuring resolution, the font
        // sized so that it has its measured pixel size there on any device.
        const double k = units::twipsPerPixel(m_textDpi);
        m_p.scale(k, k);
        m_p.setFont(fontFor(t));
        m_p.setPen(color(t.foreColor));
        const QFontMetricsF fm(m_p.font(), m_p.device());
        // From the box's top, each line aligned within the box's width.
        double y = t.top / k;
        const double left = t.left / k, inner = t.width / k;
        for (const QString& line : textlayout::splitLines(t.text)) {
            double x = left;
            if (t.alignment == labelcode::AlignRight)
                x = left + inner - fm.horizontalAdvance(line);
            else if (t.alignment == labelcode::AlignCentre)
                x = left + (inner - fm.horizontalAdvance(line)) / 2;
            m_p.drawText(QPointF(x, y + fm.ascent()), line);
            y += fm.height();
        }
        m_p.restore();
    }

    QPainter& m_p;
    const LabelContent& m_c;
    const Options& m_o;
    double m_textDpi = 96;
};

} // namespace

void paint(QPainter& p, const LabelContent& content, const Options& options) { Painter(p, content, options).run(); }

} // namespace labelpaint
