#include "KeySelection.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace keyselect {

ItemId next(const LabelContent& c, ItemId from, bool forward)
{
    const int n = int(c.items.size());
    const int at = c.find(from);
    // Without a start, a step forward lands on the first item and back on the last.
    const int start = at >= 0 ? at : forward ? -1 : n;
    for (int k = 1; k <= n; ++k) {
        const int i = ((forward ? start + k : start - k) % n + n) % n;
        if (shown(*c.items[i]))
            return idOf(*c.items[i]);
    }
    return {};
}

namespace {
// Lines read as one: a screen reader says the breaks as pauses anyway.
QString oneLine(const QString& s) { return s.simplified(); }

QString say(const TextItem& t) { return QCoreApplication::translate("Selection", "Text: %1").arg(oneLine(t.text)); }
QString say(const GraphicItem& g)
{
    // A pasted picture has no file until the label is saved.
    const QString name = QFileInfo(g.path()).fileName();
    return name.isEmpty() ? QCoreApplication::translate("Selection", "Picture") : QCoreApplication::translate("Selection", "Picture: %1").arg(name);
}
QString say(const QrItem& q) { return QCoreApplication::translate("Selection", "QR code: %1").arg(oneLine(q.data)); }
} // namespace

QString spoken(const LabelItem* item)
{
    if (!item)
        return QCoreApplication::translate("Selection", "No item selected");
    return std::visit([](const auto& i) { return say(i); }, *item);
}

} // namespace keyselect
