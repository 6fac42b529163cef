// The first page's sheet miniature and the controls that change it: label
// type, orientation, printer set-up; and the printer test page.
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QRadioButton>

#include "app/AppContext.h"
#include "app/Settings.h"
#include "app/Units.h"
#include "frmOptions.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "printing/PainterSurface.h"
#include "printing/Stock.h"
#include "printing/StockCatalogue.h"
#include "printing/PrintJob.h"
#include "printing/TestPage.h"

using options::Box;

double frmOptions::paperWidthTwips() const { return m_printer.pageLayout().fullRect(QPageLayout::Point).width() * 20; }

double frmOptions::paperHeightTwips() const
{
    return m_printer.pageLayout().fullRect(QPageLayout::Point).height() * 20;
}

options::Paper frmOptions::paper() const
{
    return {units::twipsToInches(paperWidthTwips()), units::twipsToInches(paperHeightTwips())};
}

int frmOptions::printerOrientation() const
{
    return m_printer.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
}

void frmOptions::setPrinterOrientation(int orientation)
{
    m_printer.setPageOrientation(orientation == 2 ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void frmOptions::showPage(double widthInches, double heightInches)
{
    m_optOrientation[printerOrientation()]->setChecked(true);
    const double pw = paperWidthTwips(), ph = paperHeightTwips();
    m_page->setPageTwips(miniature::pageSize(pw, ph));
    m_lblPaperSize->setText(m_unit == lengths::Unit::Inches
                                ? miniature::paperSizeCaption(pw, ph)
                                : tr("%1 x %2 mm").arg(lengths::format(pw, m_unit, m_sep), lengths::format(ph, m_unit, m_sep)));
    showStockCaption();
    double w = 0, h = 0;
    if (!miniature::labelTwips(widthInches, heightInches, w, h))
        return;
    drawMiniature(w, h);
}

void frmOptions::showPageFromBoxes() { showPage(boxValue(Box::CustomWidth), boxValue(Box::CustomHeight)); }

void frmOptions::drawMiniature(double widthTwips, double heightTwips)
{
    miniature::Input in;
    in.labelWidth = widthTwips;
    in.labelHeight = heightTwips;
    in.topMargin = boxValue(Box::TopMargin);
    in.leftMargin = boxValue(Box::LeftMargin);
    in.rowSpace = boxValue(Box::RowSpace);
    in.columnSpace = boxValue(Box::ColumnSpace);
    in.cutmarks = m_cutmarks;
    in.paperWidth = paperWidthTwips();
    in.paperHeight = paperHeightTwips();
    // A product's sheet prints exactly its labels, and so it is shown.
    if (const catalogue::Product* p = stockMatch()) {
        in.across = p->across;
        in.down = p->down;
    }
    m_page->setDrawing(miniature::draw(in));
}

void frmOptions::optLabelType_Click(int index)
{
    m_labelType = int16_t(index);
    const options::TypeChoice c = options::labelTypeChoice(m_labelType, m_sep);
    if (const labelsizes::Preset* p = c.fillsSize ? labelsizes::forType(m_labelType) : nullptr) {
        if (m_unit == lengths::Unit::Inches) {
            box(Box::CustomHeight)->setText(c.height);
            box(Box::CustomWidth)->setText(c.width);
        } else {
            showLength(Box::CustomHeight, p->height);
            showLength(Box::CustomWidth, p->width);
        }
    }
    box(Box::CustomHeight)->setEnabled(c.sizeEditable);
    box(Box::CustomWidth)->setEnabled(c.sizeEditable);
    showPageFromBoxes();

    ProgramValues& v = m_ctx.values;
    if (m_loading || v.templateFile.isEmpty())
        return;
    if (m_ctx.platform.messageBox(options::deactivateTemplateQuestion(v.templateFile), MsgButtons::YesNo,
                                  MsgIcon::None, ProgramTitle) == MsgAnswer::Yes) {
        v.templateFile.clear();
        m_txtDir[3]->clear();
        settings::writeText(m_ctx.store, settings::keys::TemplateFile, "");
    }
}

void frmOptions::optOrientation_Click(int index)
{
    setPrinterOrientation(index);
    showPageFromBoxes();
}

void frmOptions::optCutmarks_Click(int index)
{
    m_cutmarks = int16_t(index);
    showPageFromBoxes();
}

void frmOptions::SetupButton_Click()
{
    m_printer.setCopyCount(1);
    if (m_ctx.platform.printDialog(m_printer))
        showPageFromBoxes();
}

void frmOptions::cmdPrintTest_Click()
{
    PainterSurface surface(m_printer);
    if (!surface.ready()) {
        m_ctx.platform.message(printjob::NotAvailableMessage);
        return;
    }
    testpage::print(surface, testpage::samplePicture(m_ctx.paths.dataDir),
                    QSizeF(testpage::SampleInches, testpage::SampleInches), m_sep,
                    stock::adjustmentFor(m_ctx.store, m_printer.printerName()));
}
