#include "StockPrint.h"

#include <QCoreApplication>
#include <QPageSize>
#include <cmath>

#include "PrintJob.h"
#include "document/LabelTypes.h"

namespace catalogue {

namespace {

bool near(double a, double b) { return std::abs(a - b) <= LayoutSlack + 1e-9; }

QString inches(double v) { return QString::number(v, 'f', 3); }

} // namespace

bool layoutMatches(const Product& p, const LabelSpec& label, double columnSpace, double rowSpace)
{
    return near(label.LabelWidth, p.width) && near(label.LabelHeight, p.height) && near(label.LeftMargin, p.left) &&
           near(label.TopMargin, p.top) && near(columnSpace, p.columnSpace()) && near(rowSpace, p.rowSpace());
}

const Product* rememberedFor(const printjob::Request& request, const SettingsStore& store, const QString& dataDir)
{
    const QString name = rememberedProduct(store);
    if (name.isEmpty())
        return nullptr;
    const Product* p = Catalogue::standard(dataDir).find(name);
    if (!p || !p->refusal().isEmpty() ||
        !layoutMatches(*p, request.content.label, request.columnSpace, request.rowSpace))
        return nullptr;
    return p;
}

void applyTo(const Product& p, printjob::Request& request)
{
    LabelSpec& label = request.content.label;
    label.LeftMargin = p.left;
    label.TopMargin = p.top;
    // The steps are the product's whatever the label's size: spacing is what
    // is left of a step after the label.
    request.columnSpace = p.stepX - label.LabelWidth;
    request.rowSpace = p.stepY - label.LabelHeight;
    request.across = p.across;
    request.down = p.down;
}

QPageLayout paperLayout(const Product& p)
{
    const QSizeF portrait(std::min(p.paperWidth, p.paperHeight), std::max(p.paperWidth, p.paperHeight));
    const QPageSize size(portrait, QPageSize::Inch, QString(), QPageSize::FuzzyMatch);
    return QPageLayout(size,
                       p.landscape() ? QPageLayout::Landscape : QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
}

QString labelLargerMessage(const Product& p, double labelWidth, double labelHeight)
{
    if (labelWidth <= p.width + LayoutSlack && labelHeight <= p.height + LayoutSlack)
        return {};
    return QCoreApplication::translate("stock", "the label (%1 x %2 in) is larger than the labels of %3 (%4 x %5 in): it is "
                                                "cut off at its own edges and runs over onto the labels next to it")
        .arg(inches(labelWidth), inches(labelHeight), p.name(), inches(p.width), inches(p.height));
}

} // namespace catalogue
