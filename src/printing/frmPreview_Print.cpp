// The preview's drawing and its commands that print: the request each makes
// (the active label, or several labels shown together), the page picture,
// Print and Save to File.
#include "frmPreview.h"
#include "frmPreview_Page.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPageLayout>
#include <QPrinter>
#include <QScrollBar>
#include <climits>
#include <cmath>

#include "LabelData.h"
#include "PainterSurface.h"
#include "PdfExport.h"
#include "PdfOutput.h"
#include "PreviewGeometry.h"
#include "StockPrint.h"
#include "app/AppContext.h"
#include "document/LabelDocument.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

void frmPreview::printReport(int16_t ReportNum, bool printToPrinter)
{
    if (ReportNum == 0 && m_reportNum == 0)
        return;
    if (ReportNum == 0) {
        // A new zoom or size: the same sheet, drawn anew.
        m_printing = false;
        renderPage();
        return;
    }
    m_reportNum = ReportNum;
    if (printToPrinter) {
        m_printing = true;
        LabelDocument* doc = shownDocument();
        printjob::Request r = showsLabels() ? request(doc, true) : printjob::Request{};
        if (showsLabels() && withData(doc, r, tr("Nothing was printed."), false)) {
            // One sheet, whatever copy count the print dialog was last given;
            // with data the sheets its rows make, as the print command prints.
            m_printer.setCopyCount(1);
            pdfout::printOn(m_printer, r, m_ctx.platform, m_status);
            // The partly used sheet is used up: the next sheet is a whole one.
            if (m_ctx.values.startLabel != 1) {
                m_ctx.values.startLabel = 1;
                renderPage();
            }
        }
        m_printing = false;
        return;
    }
    m_pageCount = m_currentPage = 1;
    Form_Resize();
    while (m_pages.size() > 1)
        delete m_pages.takeLast();
    m_pages.first()->show();
    m_hScroll->setValue(m_hScroll->minimum());
    m_vScroll->setValue(m_vScroll->minimum());
    m_printing = false;
    renderPage();
}

void frmPreview::showRunSize(const printjob::Extent& e)
{
    m_txtPageNum->setText(preview::pageIndicator(m_currentPage, m_pageCount));
    enableNavigation(m_currentPage > 1, m_currentPage < m_pageCount);
    const QString labels = (e.labels == 1 ? tr("%1 label") : tr("%1 labels")).arg(QLocale().toString(e.labels));
    const QString sheets = (e.sheets == 1 ? tr("%1 sheet") : tr("%1 sheets")).arg(QLocale().toString(e.sheets));
    m_lblRunSize->setText(showsLabels() ? tr("%1 on %2").arg(labels, sheets) : QString());
    // The toolbar of a small preview window hides its end: the title keeps the count in sight.
    setWindowTitle(m_lblRunSize->text().isEmpty() ? tr("Print Preview") : tr("Print Preview - %1").arg(m_lblRunSize->text()));
}

bool frmPreview::withData(const LabelDocument* doc, printjob::Request& r, const QString& outcome, bool drawing)
{
    QString why;
    if (!doc || labeldata::forPrint(m_ctx.store, doc->saveFileName, r.merge, &why)) {
        if (drawing)
            m_toldData.clear();
        return true;
    }
    // Every zoom and every page draws anew: a drawing tells a problem once,
    // a command every time.
    if (drawing) {
        if (why == m_toldData)
            return false;
        m_toldData = why;
    }
    Platform::OwnedBy own(m_ctx.platform, this);
    m_ctx.platform.message(why + "\n" + outcome, MsgIcon::Exclamation);
    return false;
}

// One sheet from the start last chosen in the print dialog, while the sheet
// still holds it; on the printer also the printer's adjustment (the page on
// screen shows where the labels belong on the paper, which the adjustment
// makes the printer hit).
printjob::Request frmPreview::request(const LabelDocument* doc, bool onPrinter)
{
    printjob::Request r = baseRequest(doc);
    if (onPrinter)
        r.placement = stock::adjustmentFor(m_ctx.store, m_printer.printerName());
    const int start = m_ctx.values.startLabel;
    const QSizeF paper = m_printer.pageLayout().fullRect(QPageLayout::Inch).size();
    if (stock::startBeyondSheet(start, printjob::labelsOnSheet(r, paper.width(), paper.height())).isEmpty())
        r.placement.start = start;
    if (!onPrinter)
        m_shownStart = r.placement.start;
    return r;
}

// Messages and choosers of the preview's own commands belong to the preview:
// they come up over it, and the keyboard comes back to it afterwards.
void frmPreview::mnuFilePrint_Click()
{
    Platform::OwnedBy own(m_ctx.platform, this);
    printReport(m_reportNum, true);
}

void frmPreview::mnuFileSave_Click()
{
    Platform::OwnedBy own(m_ctx.platform, this);
    if (!showsLabels())
        return;
    LabelDocument* doc = shownDocument();
    FileDialogRequest req;
    req.title = tr("Save to File");
    req.filter = tr("PDF Files (*.pdf)|*.pdf");
    req.filterIndex = 1;
    req.defaultExt = "pdf";
    req.overwritePrompt = true;
    req.initialDir = m_ctx.store.read("Open", "File Path", m_ctx.values.labelFolder);
    QString base = doc ? Module1::pathFileName(doc->saveTitle) : tr("Labels");
    if (base.right(4).toLower() == ".ckm")
        base.chop(4);
    req.fileName = base + ".pdf";
    const auto r = m_ctx.platform.saveFile(req);
    if (!r || r->path.isEmpty())
        return;
    const QPageLayout layout = m_printer.pageLayout();
    QString why;
    printjob::Request sheet = baseRequest(doc);
    sheet.placement.start = m_shownStart;
    if (!withData(doc, sheet, tr("Nothing was saved."), false))
        return;
    if (!pdfexport::writeSheets(sheet, m_ctx.platform, r->path, layout.pageSize(), layout.orientation(), &why))
        m_ctx.platform.message(tr("The sheet could not be saved to \"%1\": %2\nAny earlier version of the file is unchanged.")
                                   .arg(r->path, why),
                               MsgIcon::Exclamation);
}


LabelDocument* frmPreview::shownDocument() const { return m_designs.empty() ? m_activeDocument() : nullptr; }

printjob::Request frmPreview::baseRequest(const LabelDocument* doc) const
{
    printjob::Request r = doc ? printjob::request(*doc, m_ctx.values) : printjob::request(m_designs, m_ctx.values);
    if (const catalogue::Product* p = catalogue::rememberedFor(r, m_ctx.store, m_ctx.paths.dataDir))
        catalogue::applyTo(*p, r);
    return r;
}

void frmPreview::showDesigns(std::vector<printjob::Request::Design> designs)
{
    m_designs = std::move(designs);
    m_currentPage = 1;
}
