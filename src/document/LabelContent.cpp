#include "LabelContent.h"

#include <unordered_set>

#include "LabelPainter.h"
#include "app/Units.h"

QRectF LabelContent::surface() const
{
    return QRectF(0, 0, units::inchesToTwips(label.LabelWidth), units::inchesToTwips(label.LabelHeight));
}

int turnOf(const TextItem& t) { return ((t.rotation % 360) + 360) % 360; }

QTransform turnAboutCentre(const TextItem& t)
{
    const QPointF c = bounds(t).center();
    QTransform m;
    m.translate(c.x(), c.y());
    // Twips grow downwards, so a turn the eye sees counter-clockwise is a negative angle.
    m.rotate(-turnOf(t));
    m.translate(-c.x(), -c.y());
    return m;
}

QRectF drawnBounds(const TextItem& t)
{
    const QRectF box = bounds(t);
    switch (turnOf(t)) {
    case 0:
    case 180: return box;
    case 90:
    case 270: {
        // Exact quarter turns, free of the sine's rounding.
        const QPointF c = box.center();
        return QRectF(c.x() - box.height() / 2, c.y() - box.width() / 2, box.height(), box.width());
    }
    default: return turnAboutCentre(t).mapRect(box);
    }
}

QRectF LabelContent::frameRect() const { return surface().adjusted(360, 360, -360, -360); }

int LabelContent::find(ItemId id) const
{
    if (!id)
        return -1;
    for (size_t i = 0; i < items.size(); ++i)
        if (idOf(*items[i]) == id)
            return int(i);
    return -1;
}

const LabelItem* LabelContent::item(ItemId id) const
{
    const int pos = find(id);
    return pos < 0 ? nullptr : items[size_t(pos)].get();
}

LabelItem* LabelContent::edit(ItemId id)
{
    const int pos = find(id);
    if (pos < 0)
        return nullptr;
    ItemPtr& p = items[size_t(pos)];
    // Shared with a copy of the content (the history): this one gets its own.
    if (p.use_count() > 1)
        p = std::make_shared<const LabelItem>(*p);
    // Made non-const by make_shared and now held here alone.
    return const_cast<LabelItem*>(p.get());
}

void LabelContent::add(LabelItem item)
{
    const int layer = layerOf(item);
    auto at = std::find_if(items.begin(), items.end(), [layer](const ItemPtr& p) { return layerOf(*p) > layer; });
    items.insert(at, std::make_shared<const LabelItem>(std::move(item)));
}

void LabelContent::remove(ItemId id)
{
    if (const int pos = find(id); pos >= 0)
        items.erase(items.begin() + pos);
}

void LabelContent::restack(ItemId id, bool front)
{
    const int pos = find(id);
    if (pos < 0)
        return;
    ItemPtr moved = items[size_t(pos)];
    items.erase(items.begin() + pos);
    const int layer = layerOf(*moved);
    auto at = front ? std::find_if(items.begin(), items.end(), [layer](const ItemPtr& p) { return layerOf(*p) > layer; })
                    : std::find_if(items.begin(), items.end(), [layer](const ItemPtr& p) { return layerOf(*p) >= layer; });
    items.insert(at, std::move(moved));
}

int LabelContent::rankOf(int graphicIndex) const
{
    int rank = 0;
    for (const ItemPtr& p : items)
        if (const auto* g = std::get_if<GraphicItem>(p.get())) {
            if (g->index == graphicIndex)
                return rank;
            ++rank;
        }
    return -1;
}

const GraphicItem* LabelContent::graphicAtRank(int rank) const
{
    for (const ItemPtr& p : items)
        if (const auto* g = std::get_if<GraphicItem>(p.get()); g && rank-- == 0)
            return g;
    return nullptr;
}

int LabelContent::framePosition() const
{
    int pos = 0;
    while (pos < int(items.size()) && layerOf(*items[size_t(pos)]) == 0)
        ++pos;
    return pos;
}

bool LabelContent::operator==(const LabelContent& o) const
{
    if (!(label == o.label && frame == o.frame && frameStyle == o.frameStyle && backColor == o.backColor &&
          keepAspect == o.keepAspect && textCounter == o.textCounter && graphicCounter == o.graphicCounter &&
          lastGraphic == o.lastGraphic && qrCounter == o.qrCounter && items.size() == o.items.size()))
        return false;
    for (size_t i = 0; i < items.size(); ++i)
        if (items[i] != o.items[i] && !(*items[i] == *o.items[i]))
            return false;
    return true;
}

QRectF frameArea(const LabelContent& c)
{
    if (!c.frame.visible)
        return {};
    const double half = std::max<double>(0, c.frame.width) * labelpaint::TwipsPerFramePixel / 2;
    return c.frameRect().normalized().adjusted(-half, -half, half, half);
}

std::vector<QRectF> changedAreas(const LabelContent& before, const LabelContent& after)
{
    if (before.surface() != after.surface() || before.backColor != after.backColor)
        return {before.surface() | after.surface()};
    std::vector<QRectF> areas;
    if (!(before.frame == after.frame))
        if (const QRectF f = frameArea(before) | frameArea(after); !f.isNull())
            areas.push_back(f);
    const auto box = [](const ItemPtr& p) { return drawnBounds(*p).normalized(); };
    const auto& a = before.items;
    const auto& b = after.items;
    // Most changes keep every item in its place: compare place by place.
    if (a.size() == b.size()) {
        bool samePlaces = true;
        std::vector<QRectF> boxes;
        for (size_t i = 0; i < a.size() && samePlaces; ++i) {
            if (a[i] == b[i])
                continue;
            // An item changed in its place: the same kind and index on both sides.
            samePlaces = idOf(*a[i]) == idOf(*b[i]);
            boxes.push_back(box(a[i]));
            boxes.push_back(box(b[i]));
        }
        if (samePlaces) {
            areas.insert(areas.end(), boxes.begin(), boxes.end());
            return areas;
        }
    }
    // Items added, removed or restacked.
    const std::unordered_set<const LabelItem*> inA = [&] {
        std::unordered_set<const LabelItem*> s;
        for (const ItemPtr& p : a)
            s.insert(p.get());
        return s;
    }();
    std::unordered_set<const LabelItem*> inB;
    for (const ItemPtr& p : b)
        inB.insert(p.get());
    std::vector<const ItemPtr*> commonA, commonB;
    for (const ItemPtr& p : a)
        (inB.count(p.get()) ? commonA.push_back(&p) : areas.push_back(box(p)));
    for (const ItemPtr& p : b)
        (inA.count(p.get()) ? commonB.push_back(&p) : areas.push_back(box(p)));
    // Items both hold in another order: where the order differs they cover each other otherwise.
    for (size_t i = 0; i < commonA.size() && i < commonB.size(); ++i)
        if (commonA[i]->get() != commonB[i]->get()) {
            areas.push_back(box(*commonA[i]));
            areas.push_back(box(*commonB[i]));
        }
    return areas;
}
