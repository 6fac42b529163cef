// The label page's "Stock": a sheet chosen by maker and product code fills the
// size, margins, gaps and paper; the dialog tells whether the boxes still
// describe that product, and Apply remembers it.
#include <QComboBox>
#include <QLineEdit>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QRadioButton>
#include <algorithm>

#include "app/AppContext.h"
#include "app/LabelSizes.h"
#include "app/Settings.h"
#include "document/LabelDocument.h"
#include "document/LabelTypes.h"
#include "frmOptions.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "printing/StockPrint.h"
#include "StockPicker.h"

using catalogue::Product;
using options::Box;

namespace {

// The gap between neighbours; a single column or row has none (the template
// may give any step for it).
double gap(double step, double size, int count) { return count > 1 ? std::max(0.0, step - size) : 0.0; }

struct Sheet {
    double width, height, top, left, rowSpace, columnSpace;
};

Sheet sheetOf(const Product& p)
{
    return {p.width, p.height, p.top, p.left, gap(p.stepY, p.height, p.down), gap(p.stepX, p.width, p.across)};
}

} // namespace

const QString frmOptions::CustomSheetCaption = QT_TRANSLATE_NOOP("frmOptions", "Custom sheet");

StockPicker* frmOptions::buildStockPicker(QWidget* page)
{
    m_stock = new StockPicker(m_ctx.paths.dataDir, page);
    m_stock->chosen = [this](const Product& p) {
        // The sheet the page already describes is chosen already: a double
        // click, or Enter after a click, neither asks nor fills again.
        if (&p == stockMatch())
            showStockCaption();
        else
            chooseStock(p);
    };
    m_stock->catalogueLoaded = [this] { showPageFromBoxes(); };
    return m_stock;
}

void frmOptions::focusStockSearch()
{
    selectTab(TabKeys.indexOf("Label Specs"));
    m_stock->searchBox()->setFocus(Qt::OtherFocusReason);
}

void frmOptions::chooseStock(const Product& p)
{
    Platform& platform = m_ctx.platform;
    if (const QString why = p.refusal(); !why.isEmpty()) {
        platform.message(why, MsgIcon::Exclamation);
        showStockCaption(); // the highlight goes back to the sheet in use
        return;
    }
    if (p.wantsOvalFrame()) {
        const QString question =
            (p.shape == catalogue::Shape::Round
                 ? tr("%1 has round labels. They print as rectangles of the same size: give the label an oval border "
                      "frame?")
                 : tr("%1 has elliptical labels. They print as rectangles of the same size: give the label an oval "
                      "border frame?"))
                .arg(p.name());
        m_stockOval = platform.messageBox(question, MsgButtons::YesNo, MsgIcon::Question, ProgramTitle) ==
                      MsgAnswer::Yes;
    } else {
        m_stockOval = false;
    }

    // The paper first: the boxes are checked against it.
    usePaperOf(p, true);

    if (m_labelType != labelsizes::CustomType) {
        m_optLabelType[labelsizes::CustomType]->setChecked(true);
        optLabelType_Click(labelsizes::CustomType);
    }
    const Sheet s = sheetOf(p);
    const std::pair<Box, double> values[] = {{Box::CustomWidth, s.width},   {Box::CustomHeight, s.height},
                                             {Box::TopMargin, s.top},       {Box::LeftMargin, s.left},
                                             {Box::RowSpace, s.rowSpace},   {Box::ColumnSpace, s.columnSpace}};
    m_stockProduct = p.name();
    for (const auto& [b, inches] : values)
        showLength(b, inches);
    m_edited[TabKeys.indexOf("Label Specs")] = true;
    showPageFromBoxes();
}

void frmOptions::usePaperOf(const Product& p, bool tellMissing)
{
    const double shortSide = std::min(p.paperWidth, p.paperHeight), longSide = std::max(p.paperWidth, p.paperHeight);
    const QPageSize paperSize(QSizeF(shortSide, longSide), QPageSize::Inch, p.paperName, QPageSize::FuzzyMatch);
    if (!m_printer.setPageSize(paperSize) && tellMissing)
        m_ctx.platform.message(
            tr("The printer has no %1 paper. Choose the paper in Printer Setup before printing.").arg(p.paperName),
            MsgIcon::Exclamation);
    setPrinterOrientation(p.landscape() ? 2 : 1);
}

void frmOptions::takeRememberedPaper(const LabelSpec& label, double columnSpace, double rowSpace)
{
    // The printer comes up on its own default paper after a start; the page
    // shows the paper the label prints on, as printing and the preview do
    // while the label is still laid out for the remembered product.
    if (m_stockProduct.isEmpty() || label.LabelType != labelsizes::CustomType)
        return;
    const Product* p = catalogue::Catalogue::standard(m_ctx.paths.dataDir).find(m_stockProduct);
    if (p && p->refusal().isEmpty() && catalogue::layoutMatches(*p, label, columnSpace, rowSpace))
        usePaperOf(*p, false);
}

bool frmOptions::takeHighlightedStock()
{
    // The row highlighted when the page is applied is the sheet applied:
    // moving through the list with the keys only looks, so that no question
    // or refusal comes up at every row passed over.
    const Product* p = m_stock ? m_stock->highlighted() : nullptr;
    if (!p || p == stockMatch())
        return true;
    chooseStock(*p);
    return p->refusal().isEmpty();
}

const Product* frmOptions::stockMatch() const
{
    if (m_stockProduct.isEmpty() || !m_stock->loaded() || m_labelType != labelsizes::CustomType)
        return nullptr;
    const Product* p = m_stock->stock().find(m_stockProduct);
    if (!p || !p->refusal().isEmpty() || printerOrientation() != (p->landscape() ? 2 : 1))
        return nullptr;
    // The boxes show thousandths of an inch (hundredths of a millimetre): they
    // still describe the product when each shows its value as the product's.
    const Sheet s = sheetOf(*p);
    const std::pair<Box, double> values[] = {{Box::CustomWidth, s.width},   {Box::CustomHeight, s.height},
                                             {Box::TopMargin, s.top},       {Box::LeftMargin, s.left},
                                             {Box::RowSpace, s.rowSpace},   {Box::ColumnSpace, s.columnSpace}};
    for (const auto& [b, inches] : values)
        if (lengthText(boxValue(b)) != lengthText(inches))
            return nullptr;
    return p;
}

QString frmOptions::stockProduct() const
{
    const Product* p = stockMatch();
    return p ? p->name() : QString();
}

void frmOptions::showStockCaption()
{
    if (!m_stock || !m_stock->loaded())
        return;
    const Product* p = stockMatch();
    m_stock->setCaption(p ? catalogue::caption(*p) : tr(CustomSheetCaption.toUtf8().constData()));
    m_stock->highlight(p);
}

void frmOptions::applyStock()
{
    if (m_stockOval) {
        // The frame goes with the label chosen for round stock, and with the
        // labels made from now on.
        ProgramValues& v = m_ctx.values;
        v.borderStyle = "Oval";
        settings::writeText(m_ctx.store, settings::keys::BorderStyle, v.borderStyle);
        m_cboBorderStyle->setCurrentText(v.borderStyle);
        if (m_doc)
            m_doc->setBorderStyle(v.borderStyle);
        m_stockOval = false;
    }
    if (!m_stock->loaded())
        return;
    const Product* p = stockMatch();
    const QString name = p ? p->name() : QString();
    if (catalogue::rememberedProduct(m_ctx.store) != name)
        catalogue::rememberProduct(m_ctx.store, name);
    if (!p)
        return;
    // The boxes round to thousandths, which add up over a sheet of many rows:
    // the label and every default get the product's own lengths.
    const Sheet s = sheetOf(*p);
    ProgramValues& v = m_ctx.values;
    v.labelWidth = s.width;
    v.labelHeight = s.height;
    v.topMargin = s.top;
    v.leftMargin = s.left;
    v.rowSpace = s.rowSpace;
    v.columnSpace = s.columnSpace;
    namespace keys = settings::keys;
    const std::pair<const settings::Key&, double> stored[] = {
        {keys::LabelHeight, s.height}, {keys::LabelWidth, s.width},   {keys::TopMargin, s.top},
        {keys::LeftMargin, s.left},    {keys::RowSpace, s.rowSpace}, {keys::ColumnSpace, s.columnSpace}};
    for (const auto& [key, value] : stored)
        settings::writeNumber(m_ctx.store, key, value);
    if (m_doc) {
        m_doc->setLabelDimensions(v.labelType, v.labelHeight, v.labelWidth);
        m_doc->setTopMargin(v.topMargin);
        m_doc->setLeftMargin(v.leftMargin);
        m_doc->setRowSpace(v.rowSpace);
        m_doc->setColumnSpace(v.columnSpace);
    }
}
