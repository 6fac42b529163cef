#include "DragLayers.h"

#include <QPainter>
#include <QRegion>
#include <cmath>

bool DragLayers::ready(const LabelContent& content, int split, const Setting& setting, const QRect& needed) const
{
    if (!built() || split != m_split || !(setting == m_setting) || !m_rect.contains(needed))
        return false;
    if (!(content.label == m_label) || !(content.frame == m_frame) || content.backColor != m_backColor ||
        content.items.size() != m_items.size())
        return false;
    for (size_t i = 0; i < m_items.size(); ++i) {
        const ItemPtr& now = content.items[i];
        const ItemPtr& then = m_items[i];
        if (int(i) == split) {
            // The dragged item is drawn at every step; only its place in the stacking counts.
            if (idOf(*now) != idOf(*then))
                return false;
        } else if (now != then && !(*now == *then)) {
            // Contents made afresh for their filled fields hold equal copies.
            return false;
        }
    }
    return true;
}

bool DragLayers::build(const LabelContent& content, int split, const Setting& setting, const QRect& rect,
                       const PaintPortion& paintPortion)
{
    drop();
    const double ratio = setting.pixelRatio;
    const bool over = split < int(content.items.size());
    // A fractional ratio would cut view pixels in parts the images cannot
    // give back exactly.
    if (rect.isEmpty() || ratio <= 0 || ratio != std::floor(ratio))
        return false;
    const QSize size(int(rect.width() * ratio), int(rect.height() * ratio));
    if (qint64(size.width()) * size.height() * 4 * (over ? 3 : 1) > m_budget)
        return false;
    // Draws parts on `image` (a new transparent one when null).
    auto layer = [&](QImage image, const std::function<void(QPainter&)>& draw) {
        if (image.isNull()) {
            image = QImage(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
        }
        image.setDevicePixelRatio(ratio);
        QPainter q(&image);
        q.translate(-rect.topLeft());
        draw(q);
        q.end();
        // Drawn back pixel for pixel, from the image's own pixels.
        image.setDevicePixelRatio(1);
        return image;
    };
    m_below = layer({}, [&](QPainter& q) { paintPortion(q, Portion::Below, rect); });
    if (over) {
        m_above = layer({}, [&](QPainter& q) { paintPortion(q, Portion::Above, rect); });
        m_rest = layer(m_below.copy(), [&](QPainter& q) {
            q.drawImage(QRectF(rect), m_above);
            paintPortion(q, Portion::Texts, rect);
        });
    }
    m_rect = rect;
    m_split = split;
    m_setting = setting;
    m_items = content.items;
    m_label = content.label;
    m_frame = content.frame;
    m_backColor = content.backColor;
    return true;
}

void DragLayers::draw(QPainter& p, const QRegion& region, const QImage& image) const
{
    if (image.isNull())
        return;
    const double ratio = m_setting.pixelRatio;
    for (const QRect& r : region & m_rect) {
        const QRectF from(QPointF(r.topLeft() - m_rect.topLeft()) * ratio, QSizeF(r.size()) * ratio);
        p.drawImage(QRectF(r), image, from);
    }
}

void DragLayers::drop()
{
    m_below = m_above = m_rest = QImage();
    m_items.clear();
    m_split = -1;
    m_rect = {};
}
