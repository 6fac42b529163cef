// The picture commands: a new picture, reloading its file, its aspect ratio.
#include <algorithm>
#include <cmath>

#include "LabelDocument.h"
#include "PictureCache.h"
#include "platform/Platform.h"

// ---------------------------------------------------------------- pictures

bool LabelDocument::createNewGraphic(const QString& fileName)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "New Picture"));
    QString path = fileName;
    PictureData pic;
    if (fileName.startsWith('?')) {
        if (fileName.startsWith("?1") || fileName.startsWith("?2")) {
            pic.image = m_platform.clipboardImage();
            pic.naturalTwips = rasterNaturalTwips(pic.image);
            if (pic.image.isNull())
                pic.error = tr("The clipboard holds no picture");
            path = fileName.mid(2);
        } else {
            m_platform.message(tr("Internal Paste error"), MsgIcon::None, tr("Error"));
            return false;
        }
    } else {
        pic = m_platform.loadPicture(fileName);
    }
    if (!pic.ok()) {
        m_platform.message(tr("Unable to load the picture \"%1\": %2")
                               .arg(fileName, pic.error.isEmpty() ? tr("unknown format") : pic.error),
                           MsgIcon::Exclamation);
        return false;
    }
    return addGraphic(pic, path) != nullptr;
}

GraphicItem* LabelDocument::addGraphic(const PictureData& pic, const QString& path)
{
    if (m_content.graphicCounter >= MaxItemIndex) {
        m_platform.message(tr("This label cannot hold more pictures. Save it and start a new label."),
                           MsgIcon::Exclamation);
        return nullptr;
    }
    const int n = ++m_content.graphicCounter;
    m_content.lastGraphic = int16_t(n);

    GraphicItem g;
    g.index = n;
    // Converted once here, drawn many times.
    g.picture = pictures::fastest(pic.image);
    g.vector = pic.vector;
    g.natural = pic.naturalTwips;
    g.refTag = "0" + path;
    g.tag = "0" + path;

    const double pw = g.natural.width(), ph = g.natural.height();
    const QRectF frame = borderRect();
    const double bw = frame.width(), bh = frame.height();
    double f = 1;
    if (ph > bh) {
        f = 0.9 * bh / ph;
        if (float(pw * f) > bw)
            f = 0.9 * bw / pw;
    } else if (pw > bw) {
        f = 0.9 * bw / pw;
    }
    g.width = pw * f;
    g.height = ph * f;
    g.left = (m_surfaceW - pw * f) / 2;
    g.top = (m_surfaceH - ph * f) / 2;
    g.visible = true;
    m_content.add(g);
    selectGraphic(n);
    setChanged();
    refreshStatus();
    return graphicAt(n);
}

QString LabelDocument::getActiveGraphicSpecs() const
{
    const GraphicItem* g = m_content.get<GraphicItem>(activeGraphicIndex());
    return g ? g->path() : QString();
}

void LabelDocument::refreshGraphic(const QString& fileName)
{
    if (fileName.isEmpty())
        return; // never touch pictures that have no file
    const auto uses = [&](const LabelContent& c) {
        return std::any_of(c.items.begin(), c.items.end(), [&](const ItemPtr& p) {
            const auto* g = std::get_if<GraphicItem>(p.get());
            return g && g->refPath() == fileName;
        });
    };
    if (uses(m_content)) {
        const PictureData pic = m_platform.loadPicture(fileName);
        if (pic.ok()) {
            const auto reload = [&](LabelContent& c) {
                c.editAll<GraphicItem>([&](GraphicItem& g) {
                    if (g.refPath() == fileName) {
                        g.picture = pictures::fastest(pic.image);
                        g.vector = pic.vector;
                        g.natural = pic.naturalTwips;
                    }
                });
            };
            reload(m_content);
            // The file is what the label shows: undoing a step never brings back the old picture.
            rewriteHistory(reload);
        }
    }
    if (auto* g = activeGraphic(); g && g->natural.width() > 0)
        m_activeAspect = g->natural.height() / g->natural.width();
    repaint();
}

void LabelDocument::adjustToAspectRatio()
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Maintain Aspect Ratio"));
    GraphicItem* g = activeGraphic();
    if (!g || m_activeAspect <= 0)
        return;
    g->width = g->height / m_activeAspect;
    refreshStatus();
    repaint();
}

void LabelDocument::setGraphicAspectFlag(bool flag)
{
    if (GraphicItem* g = activeGraphic())
        g->tag = QString(flag ? "1" : "0") + g->tag.mid(1);
}

int LabelDocument::findGraphicByRank(int rank) const
{
    const GraphicItem* g = m_content.graphicAtRank(rank);
    return g && !g->tag.isEmpty() ? g->index : 0;
}

void LabelDocument::refreshStatus()
{
    if (m_observers.empty())
        return;
    if (const GraphicItem* active = m_content.get<GraphicItem>(activeGraphicIndex())) {
        const GraphicItem& g = *active;
        const auto pct = [](double a, double b) { return b > 0 ? QString::number(qint64(std::trunc(a * 100 / b))) : QString("0"); };
        const QString x = "X%=" + pct(g.width, g.natural.width()), y = "Y%=" + pct(g.height, g.natural.height());
        notify([&](DocumentObserver& o) { o.statusPanels(g.path(), x, y); });
    } else {
        notify([](DocumentObserver& o) { o.statusPanels(QString(), QString(), QString()); });
    }
}

