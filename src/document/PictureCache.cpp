#include "PictureCache.h"

#include <QPainter>
#include <QSvgRenderer>
#include <algorithm>
#include <cmath>

#include "LabelTypes.h"

namespace pictures {

void reduceForPrint(GraphicItem& g, double dpi)
{
    if (g.vector || g.picture.isNull() || dpi <= 0)
        return;
    // The size the painter asks for on paper, so it draws this picture itself.
    const auto side = [dpi](double twips) { return std::max(1, int(std::ceil(std::abs(twips) / 1440 * dpi - 0.01))); };
    const QSize size(side(g.width), side(g.height));
    if (size.width() < g.picture.width() || size.height() < g.picture.height())
        g.picture = ScaledCache().picture(g, size);
}

qint64 ScaledCache::sourceKey(const GraphicItem& g)
{
    return g.vector ? qint64(reinterpret_cast<quintptr>(g.vector.get())) : g.picture.cacheKey();
}

const QImage* ScaledCache::find(qint64 key, QSize size)
{
    const auto it = m_entries.find({key, size.width(), size.height()});
    if (it == m_entries.end())
        return nullptr;
    // A drawing gone since: its address may be another one's now.
    if (it->second.drawing && it->second.vector.expired()) {
        m_bytes -= it->second.image.sizeInBytes();
        m_entries.erase(it);
        return nullptr;
    }
    it->second.used = ++m_clock;
    return &it->second.image;
}

QImage ScaledCache::keep(qint64 key, QSize size, QImage image, std::weak_ptr<const QByteArray> vector)
{
    const Key k{key, size.width(), size.height()};
    if (const auto old = m_entries.find(k); old != m_entries.end())
        m_bytes -= old->second.image.sizeInBytes();
    const bool drawing = !vector.expired();
    m_entries[k] = {image, ++m_clock, std::move(vector), drawing};
    m_bytes += image.sizeInBytes();
    // Least recently used first, never the one just made.
    while (m_budget > 0 && m_bytes > m_budget && m_entries.size() > 1) {
        auto oldest = std::min_element(m_entries.begin(), m_entries.end(),
                                       [](const auto& a, const auto& b) { return a.second.used < b.second.used; });
        m_bytes -= oldest->second.image.sizeInBytes();
        m_entries.erase(oldest);
    }
    return image;
}

QImage ScaledCache::picture(const GraphicItem& g, QSize size, bool enlarge)
{
    if (size.isEmpty())
        return {};
    const qint64 key = sourceKey(g);
    if (g.vector) {
        // At most MaxRenderedPixels, whatever size the box asks for.
        const double pixels = double(size.width()) * size.height();
        if (pixels > MaxRenderedPixels) {
            const double k = std::sqrt(MaxRenderedPixels / pixels);
            size = QSize(std::max(1, int(size.width() * k)), std::max(1, int(size.height() * k)));
        }
        if (const QImage* hit = find(key, size))
            return *hit;
        QImage img(size, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QSvgRenderer renderer(*g.vector);
        QPainter p(&img);
        renderer.render(&p, QRectF(QPointF(0, 0), QSizeF(size)));
        p.end();
        return keep(key, size, img, g.vector);
    }
    const QImage& source = g.picture;
    if (!enlarge)
        size = size.boundedTo(source.size());
    if (size == source.size())
        return source;
    if (const QImage* hit = find(key, size))
        return *hit;
    QImage from = source;
    // A picture many times larger than wanted is scaled in two steps, the
    // first one kept: a picture resized live is then never scaled from its full size again.
    if (m_stepSide > 0 && std::max(source.width(), source.height()) > 2 * m_stepSide &&
        size.width() <= source.width() && size.height() <= source.height()) {
        const QSize step = source.size().scaled(m_stepSide, m_stepSide, Qt::KeepAspectRatio);
        if (size.width() <= step.width() && size.height() <= step.height()) {
            const QImage* kept = find(key, step);
            from = kept ? *kept : keep(key, step, fastest(source.scaled(step, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
            if (from.size() == size)
                return from;
        }
    }
    QImage scaled = fastest(from.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    if (isPhotograph(source))
        markPhotograph(scaled);
    return keep(key, size, scaled);
}

void ScaledCache::keepOnly(const std::unordered_set<qint64>& keys)
{
    std::erase_if(m_entries, [&](const auto& e) {
        const bool drop = !keys.count(e.first.source);
        if (drop)
            m_bytes -= e.second.image.sizeInBytes();
        return drop;
    });
}

} // namespace pictures
