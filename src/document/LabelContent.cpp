#include "LabelContent.h"

#include "app/Units.h"

QRectF LabelContent::surface() const
{
    return QRectF(0, 0, units::inchesToTwips(label.LabelWidth), units::inchesToTwips(label.LabelHeight));
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
