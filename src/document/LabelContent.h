#pragma once
// Everything a label holds, as one value: its size and sheet layout, the
// frame, the background, the aspect flag, the index counters and the items,
// back to front. Undo keeps such values; loading builds one; the painter
// draws one. Items are shared between copies and copied only when one of
// them changes, so keeping the content before and after a step costs a
// pointer per item.
//
// The stacking order is the one a label file keeps: all pictures (the first
// is rank 0), then the frame, then all texts.
#include <QRectF>
#include <QTransform>
#include <algorithm>
#include <memory>
#include <stdexcept>
#include <type_traits>
#include <variant>
#include <vector>

#include "LabelTypes.h"

// One item on the label. A new kind is one more alternative here (see
// docs/architecture.md); code that does not care about the kind visits it
// through the overloads below.
using LabelItem = std::variant<GraphicItem, TextItem, QrItem>;

namespace detail {
template <class T, class... Ts> constexpr int kindIn(const std::variant<Ts...>*)
{
    int i = 0;
    (void)((std::is_same_v<T, Ts> || (++i, false)) || ...);
    return i;
}
} // namespace detail

// The kind of an item as a number (its place in LabelItem).
template <class T> constexpr int kindOf = detail::kindIn<T>(static_cast<const LabelItem*>(nullptr));

// Names one item: its kind and its index among the items of that kind.
struct ItemId {
    int kind = -1;
    int index = 0;
    explicit operator bool() const { return kind >= 0 && index != 0; }
    bool operator==(const ItemId&) const = default;
};

// --- what every kind answers (items placed by a box of their own) ----------
// A kind without left/top/width/height fields brings overloads of its own.
template <class T> QRectF bounds(const T& i) { return QRectF(i.left, i.top, i.width, i.height); }
template <class T> void moveTo(T& i, const QPointF& p)
{
    i.left = p.x();
    i.top = p.y();
}
template <class T> void setBox(T& i, const QRectF& r)
{
    i.left = r.left();
    i.top = r.top();
    i.width = r.width();
    i.height = r.height();
}
template <class T> bool shown(const T& i) { return i.visible; }
// A QR code is placed by its corner and one side.
inline QRectF bounds(const QrItem& i) { return QRectF(i.left, i.top, i.size, i.size); }
inline void setBox(QrItem& i, const QRectF& r)
{
    i.left = r.left();
    i.top = r.top();
    i.size = std::max(r.width(), r.height());
}
// The box an item covers when drawn: its own box, except for a rotated text,
// which covers the bounding box of its box turned about the box's centre.
// The box itself (`bounds`) stays what moves, aligns, snaps and is saved;
// this one is what is hit, marked and repainted.
template <class T> QRectF drawnBounds(const T& i) { return bounds(i); }
QRectF drawnBounds(const TextItem& t);
// A text's rotation in whole degrees from 0 to 359, counter-clockwise as the
// label is seen; and the turn about its box's centre that draws it so.
int turnOf(const TextItem& t);
QTransform turnAboutCentre(const TextItem& t);
// Whether a resize always keeps the item square.
template <class T> bool alwaysSquare(const T&) { return false; }
inline bool alwaysSquare(const QrItem&) { return true; }
// Which side of the frame a kind stacks on: 0 under it, 1 over it. Items of a
// lower layer always lie behind those of a higher one.
inline int layerOf(const GraphicItem&) { return 0; }
inline int layerOf(const TextItem&) { return 1; }
// Stored as a picture record, so it stacks among the pictures.
inline int layerOf(const QrItem&) { return 0; }
// Whether a drag moves the item with the pointer (else only its outline
// follows until the drop), and whether handles resize it.
inline bool movesLive(const GraphicItem&) { return true; }
inline bool movesLive(const TextItem&) { return false; }
inline bool movesLive(const QrItem&) { return true; }
inline bool resizable(const GraphicItem&) { return true; }
inline bool resizable(const TextItem&) { return false; }
inline bool resizable(const QrItem&) { return true; }
// What the delete question calls it.
inline QString kindName(const GraphicItem&) { return "graphic"; }
inline QString kindName(const TextItem&) { return "text"; }
inline QString kindName(const QrItem&) { return "QR code"; }

inline QRectF bounds(const LabelItem& v) { return std::visit([](const auto& i) { return bounds(i); }, v); }
inline QRectF drawnBounds(const LabelItem& v) { return std::visit([](const auto& i) { return drawnBounds(i); }, v); }
inline void moveTo(LabelItem& v, const QPointF& p) { std::visit([&](auto& i) { moveTo(i, p); }, v); }
inline void setBox(LabelItem& v, const QRectF& r) { std::visit([&](auto& i) { setBox(i, r); }, v); }
inline bool shown(const LabelItem& v) { return std::visit([](const auto& i) { return shown(i); }, v); }
inline int layerOf(const LabelItem& v) { return std::visit([](const auto& i) { return layerOf(i); }, v); }
inline bool movesLive(const LabelItem& v) { return std::visit([](const auto& i) { return movesLive(i); }, v); }
inline bool resizable(const LabelItem& v) { return std::visit([](const auto& i) { return resizable(i); }, v); }
inline bool alwaysSquare(const LabelItem& v) { return std::visit([](const auto& i) { return alwaysSquare(i); }, v); }
inline ItemId idOf(const LabelItem& v)
{
    return {int(v.index()), std::visit([](const auto& i) { return i.index; }, v)};
}

using ItemPtr = std::shared_ptr<const LabelItem>;

// The items of one kind by index (lowest first), as the commands and tests
// look them up; each entry refers to the item in the content it came from.
template <class T> class ItemsOf {
public:
    struct Entry {
        int first;
        const T& second;
    };
    using const_iterator = typename std::vector<Entry>::const_iterator;
    explicit ItemsOf(const std::vector<ItemPtr>& items)
    {
        std::vector<const T*> found;
        for (const ItemPtr& p : items)
            if (const T* t = std::get_if<T>(p.get()))
                found.push_back(t);
        std::sort(found.begin(), found.end(), [](const T* a, const T* b) { return a->index < b->index; });
        m_entries.reserve(found.size());
        for (const T* t : found)
            m_entries.push_back({t->index, *t});
    }
    size_t size() const { return m_entries.size(); }
    bool empty() const { return m_entries.empty(); }
    const_iterator begin() const { return m_entries.begin(); }
    const_iterator end() const { return m_entries.end(); }
    auto rbegin() const { return m_entries.rbegin(); }
    auto rend() const { return m_entries.rend(); }
    const_iterator find(int index) const
    {
        return std::find_if(begin(), end(), [index](const Entry& e) { return e.first == index; });
    }
    size_t count(int index) const { return find(index) == end() ? 0 : 1; }
    const T& at(int index) const
    {
        const auto it = find(index);
        if (it == end())
            throw std::out_of_range("no item with this index");
        return it->second;
    }

private:
    std::vector<Entry> m_entries;
};

struct LabelContent {
    LabelSpec label;
    BorderSpec frame;
    QString frameStyle = "Rounded"; // the style's name; frame.shapeCode follows it
    ColorValue backColor = SysColorWindowBackground;
    bool keepAspect = false; // stored with every picture
    // Indices are never reused, also after a delete: the history and the
    // commands name items by them.
    int16_t textCounter = 0, graphicCounter = 0, lastGraphic = 0, qrCounter = 0;
    // Back to front: pictures and QR codes, then (the frame, then) texts.
    std::vector<ItemPtr> items;

    // The label in twips, and the frame inset in it.
    QRectF surface() const;
    QRectF frameRect() const;

    // Position of an item in `items`, -1 when there is none.
    int find(ItemId id) const;
    const LabelItem* item(ItemId id) const;
    template <class T> const T* get(int index) const
    {
        const LabelItem* v = item({kindOf<T>, index});
        return v ? std::get_if<T>(v) : nullptr;
    }
    // For a change: the item, copied first when another content shares it.
    LabelItem* edit(ItemId id);
    template <class T> T* edit(int index)
    {
        LabelItem* v = edit({kindOf<T>, index});
        return v ? std::get_if<T>(v) : nullptr;
    }
    // Applies `change` to every item of kind T, copying only those it changes.
    template <class T, class F> void editAll(F change)
    {
        for (ItemPtr& p : items)
            if (const T* t = std::get_if<T>(p.get())) {
                T copy = *t;
                change(copy);
                if (!(copy == *t))
                    p = std::make_shared<const LabelItem>(std::move(copy));
            }
    }
    template <class T> ItemsOf<T> all() const { return ItemsOf<T>(items); }
    template <class T> int count() const
    {
        return int(std::count_if(items.begin(), items.end(), [](const ItemPtr& p) { return std::holds_alternative<T>(*p); }));
    }

    // A new item on top of its own layer.
    void add(LabelItem item);
    void remove(ItemId id);
    // To the front or the back of its own layer.
    void restack(ItemId id, bool front);
    // A picture's place among the pictures (0 at the back), -1 for none; and
    // the picture at a place.
    int rankOf(int graphicIndex) const;
    const GraphicItem* graphicAtRank(int rank) const;
    // Where the frame is painted: before the item at this position.
    int framePosition() const;

    // Equal content; shared items compare by their pointer first.
    bool operator==(const LabelContent& o) const;
};

// The parts of the label (twips) that look different in `after` than in
// `before`: the boxes of the items only one of them holds (items compare by
// pointer, so an item changed since is a new one) and of the items restacked,
// the frame's box when the frame changed, the whole label when its size or
// background changed. Empty when the two look the same.
std::vector<QRectF> changedAreas(const LabelContent& before, const LabelContent& after);
// The box a frame is painted in (its pen included); null when it is hidden.
QRectF frameArea(const LabelContent& c);
