#pragma once
// What a drag does not move, drawn once. While an item is dragged every step
// repaints the boxes it left and entered, where many large items may lie; the
// view draws them from images of its visible part made on the first step
// instead: what stacks under the dragged item (with the background and the
// grid), on a transparent image what stacks over it but the texts, and the
// label without the dragged item. A step copies the last one where the dragged
// item is not; over the item it draws the first image, the item, the second
// image and the texts over the item (glyphs blend as on the label only when
// drawn on an opaque one). The view draws its marks on top.
// The images hold as long as the content is the same but for the dragged item
// and the view draws it the same way (zoom, pixel ratio, grid, colours).
#include <QImage>
#include <QRect>
#include <functional>
#include <vector>

#include "LabelContent.h"
#include "LabelPainter.h"

class QPainter;
class QRegion;

class DragLayers {
public:
    // How the view draws, besides the content.
    struct Setting {
        double zoom = 1;
        double pixelRatio = 1;
        bool grid = false;
        int gridWidth = 0, gridHeight = 0;
        qint64 palette = 0;
        bool operator==(const Setting&) const = default;
    };
    using Portion = labelpaint::Options::Portion;
    // Paints a part of the content, cut at the dragged item, for the view's
    // pixels `rect`, on a painter in the view's coordinates.
    using PaintPortion = std::function<void(QPainter&, Portion, const QRect& rect)>;

    // The images together take at most this much memory; a larger view is
    // drawn afresh at every step. 0: never any images.
    static constexpr qint64 DefaultBudget = 64LL * 1024 * 1024;
    void setBudget(qint64 bytes)
    {
        m_budget = bytes;
        drop();
    }

    // The images show `content` with the item at `split` cut out, as
    // `setting` draws it, over all of `needed` (view pixels).
    bool ready(const LabelContent& content, int split, const Setting& setting, const QRect& needed) const;
    // Draws the images for the view's pixels `rect`. False (and no images)
    // when they would take more than the budget.
    bool build(const LabelContent& content, int split, const Setting& setting, const QRect& rect, const PaintPortion& paintPortion);
    // The images' pixels inside `region`, on a painter in the view's pixels.
    void drawBelow(QPainter& p, const QRegion& region) const { draw(p, region, m_below); }
    void drawAbove(QPainter& p, const QRegion& region) const { draw(p, region, m_above); }
    void drawWithout(QPainter& p, const QRegion& region) const { draw(p, region, m_rest.isNull() ? m_below : m_rest); }
    void drop();
    bool built() const { return !m_below.isNull(); }

private:
    void draw(QPainter& p, const QRegion& region, const QImage& image) const;

    qint64 m_budget = DefaultBudget;
    QImage m_below, m_above, m_rest;
    QRect m_rect;
    int m_split = -1;
    Setting m_setting;
    // What the images show: the items are held, so a change to any of them
    // copies it first (LabelContent::edit) and shows here as another item.
    std::vector<ItemPtr> m_items;
    LabelSpec m_label;
    BorderSpec m_frame;
    ColorValue m_backColor = 0;
};
