#pragma once
// Pictures as the painter wants them: held in the format QPainter draws
// fastest, and scaled copies made once per picture and size for one output
// (the label view, a print job), so a repaint never rescales a 24-megapixel
// photograph and a PDF embeds each picture once (its engine knows an image by
// its cache key, so every label of a job must draw the very same copy).
#include <QByteArray>
#include <QImage>
#include <QSize>
#include <memory>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/PictureFormat.h"

struct GraphicItem;

namespace pictures {

// On paper a picture is drawn from at most this many pixels per inch of its
// printed size (never more than it has): finer than a printer shows pictures,
// and a photograph's PDF stays the size of the photograph or smaller.
constexpr double PrintedDpi = 600;

// The item's raster picture reduced to at most `dpi` pixels an inch of its box
// (a metafile's drawing is left as it is): what a document that is only
// printed needs to keep.
void reduceForPrint(GraphicItem& g, double dpi);

// No picture is drawn from more pixels than this (a metafile rendered for a
// device): 16 million, 64 MB.
constexpr double MaxRenderedPixels = 16.0 * 1024 * 1024;

class ScaledCache {
public:
    // budgetBytes: the copies kept, least recently used dropped first; 0 keeps
    // them all (one print job). An intermediate copy of at most `stepSide`
    // pixels a side is made of a much larger picture and scaled from, so a
    // picture resized live is not scaled from its full size at every step
    // (0: always from the picture itself, for paper).
    explicit ScaledCache(qint64 budgetBytes = 0, int stepSide = 0) : m_budget(budgetBytes), m_stepSide(stepSide) {}

    // The item's picture `size` pixels large: a raster picture smoothly scaled
    // down (never up: a size it has or exceeds gives the picture itself), a
    // metafile rendered at that size, at most MaxRenderedPixels. `enlarge`:
    // a raster picture is smoothly scaled up to a larger size as well.
    QImage picture(const GraphicItem& g, QSize size, bool enlarge = false);
    // Drops the copies of pictures that are not among `keys` (sourceKey).
    void keepOnly(const std::unordered_set<qint64>& keys);
    int count() const { return int(m_entries.size()); }
    void clear()
    {
        m_entries.clear();
        m_bytes = 0;
    }

    static qint64 sourceKey(const GraphicItem& g);

private:
    struct Key {
        qint64 source;
        int w, h;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        size_t operator()(const Key& k) const { return std::hash<qint64>()(k.source) ^ (size_t(k.w) << 20) ^ size_t(k.h); }
    };
    struct Entry {
        QImage image;
        quint64 used;
        // A metafile's drawing is known by its address: held weakly, so that
        // no other drawing can take that address while the copy is kept.
        std::weak_ptr<const QByteArray> vector;
        bool drawing = false;
    };
    const QImage* find(qint64 key, QSize size);
    QImage keep(qint64 key, QSize size, QImage image, std::weak_ptr<const QByteArray> vector = {});

    std::unordered_map<Key, Entry, KeyHash> m_entries;
    qint64 m_bytes = 0;
    qint64 m_budget;
    int m_stepSide;
    quint64 m_clock = 0;
};

} // namespace pictures
