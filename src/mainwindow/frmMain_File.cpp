// File commands: new, open, save, recent files, label size, printing, and the
// command line handed over at start-up.
#include <QDir>
#include <QFileInfo>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPageLayout>
#include <QPrinter>
#include <QTimer>

#include "app/Icons.h"
#include "app/AppContext.h"
#include "app/LabelDescription.h"
#include "app/LabelSizes.h"
#include "app/Settings.h"
#include "app/SingleInstance.h"
#include "dialogs/frmOptions.h"
#include "document/frmDocument.h"
#include "frmMain.h"
#include "PositionPanel.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "printing/PdfOutput.h"
#include "printing/PrintJob.h"
#include "printing/StockPrint.h"
#include "printing/frmPreview.h"
#include "dialogs/frmPrintSeveral.h"

namespace {
const char* LabelFilter = QT_TRANSLATE_NOOP("frmMain", "Corkcrafter Files (*.ckm)|*.ckm|All Files (*.*)|*.*");

// While the label is laid out for the product last chosen from the catalogue,
// it prints on that product: its paper, and exactly its labels.
void onRememberedProduct(const AppContext& ctx, QPrinter& printer, printjob::Request& request)
{
    if (const catalogue::Product* p = catalogue::rememberedFor(request, ctx.store, ctx.paths.dataDir)) {
        printer.setPageLayout(catalogue::paperLayout(*p));
        catalogue::applyTo(*p, request);
    }
}
} // namespace

void frmMain::LoadNewDoc()
{
    ++m_documentCounter;
    auto* doc = new frmDocument(m_ctx, this);
    const QString caption = tr("Label %1").arg(m_documentCounter);
    QMdiSubWindow* sub = m_mdi->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(programIcon());
    doc->setCaption(caption);
    m_histories.addStack(&doc->history());
    doc->resizeLabel();
    sub->show();
    m_mdi->setActiveSubWindow(sub);
    documentActivated(doc);
    doc->saveFileName = caption;
    doc->saveTitle = caption;
    if (!m_ctx.values.templateFile.isEmpty()) {
        m_ctx.values.templateLoading = true;
        doc->LoadFile(m_ctx.values.templateFolder + "/" + m_ctx.values.templateFile);
        m_ctx.values.templateLoading = false;
        documentActivated(doc);
    }
}

// Where Open and Save As start: where the last label was opened from.
QString frmMain::openFolder() const
{
    return settings::readText(m_ctx.store, settings::keys::OpenFolder, m_ctx.paths.workBase + "/Labels");
}

void frmMain::mnuFileOpen_Click()
{
    FileDialogRequest req;
    req.title = tr("Open Corkcrafter File");
    req.initialDir = openFolder();
    req.filter = tr(LabelFilter);
    req.mustExist = true;
    const auto r = m_ctx.platform.openFile(req);
    if (!r || r->path.isEmpty())
        return;
    loadLabel(r->path, r->fileTitle, r->folder);
}

void frmMain::openLabel(const QString& given)
{
    // A name relative to the folder the program was started in is made whole
    // first: the label's pictures are stored relative to it, and the recent
    // files and the Open folder must find it again from anywhere.
    const QString path = QDir::cleanPath(QDir::current().absoluteFilePath(given));
    const QString dir = Module1::pathFolder(path);
    const QString folder = dir == path ? openFolder()
                                       : QString(dir).chopped(dir.size() > 1 ? 1 : 0);
    loadLabel(path, Module1::pathFileName(path), folder);
}

void frmMain::loadLabel(const QString& path, const QString& title, const QString& folder)
{
    // The next Open starts where this label came from.
    settings::writeText(m_ctx.store, settings::keys::OpenFolder, folder);
    // A label already open is brought forward: two windows on one file would
    // each save over the other's changes without a word.
    const QString file = QFileInfo(path).canonicalFilePath();
    for (frmDocument* open : documents())
        if (!file.isEmpty() && QFileInfo(open->saveFileName).canonicalFilePath() == file) {
            m_recent.addRecentFile(path);
            refreshRecentMenu();
            m_mdi->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(open->parentWidget()));
            documentActivated(open);
            return;
        }
    frmDocument* doc = activeDocument();
    if (!doc || !doc->getIsBlankForm()) {
        LoadNewDoc();
        doc = activeDocument();
    }
    if (!doc)
        return;
    doc->saveFileName = path;
    doc->saveTitle = title;
    if (!Module1::fileExists(path)) {
        m_recent.removeRecentFile(path);
        refreshRecentMenu();
        m_ctx.platform.message(tr("File \"%1\" Not Found").arg(path), MsgIcon::Information, tr("File Open Error"));
        return;
    }
    m_recent.addRecentFile(path);
    refreshRecentMenu();
    doc->LoadFile(path);
    documentActivated(doc);
}

void frmMain::mnuFileSave_Click(int index)
{
    if (frmDocument* d = activeDocument())
        saveDocument(d, index);
}

void frmMain::saveDocument(frmDocument* doc, int index)
{
    // A label file keeps one byte a character: the user decides before any
    // character turns into "?" (Cancel leaves the label changed and unsaved).
    const QStringList lost = doc->textCharactersNotKept();
    if (!lost.isEmpty() &&
        m_ctx.platform.messageBox(tr("A label file cannot keep these characters of the label's texts; they would be "
                                     "saved as \"?\":\n%1\n\nSave \"%2\" anyway?")
                                      .arg(lost.join(' '), doc->saveTitle),
                                  MsgButtons::SaveAnywayCancel, MsgIcon::Exclamation, ProgramTitle) != MsgAnswer::OK)
        return;
    QString path;
    const bool needDialog = index == 1 || doc->saveTitle.right(3).toLower() != "ckm";
    if (needDialog) {
        FileDialogRequest req;
        req.title = tr("Save Corkcrafter File");
        req.initialDir = openFolder();
        req.defaultExt = "ckm";
        req.overwritePrompt = true;
        req.filter = tr(LabelFilter);
        req.filterIndex = 1;
        req.fileName = doc->saveFileName;
        const auto r = m_ctx.platform.saveFile(req);
        if (!r || r->path.isEmpty())
            return;
        path = r->path;
        m_recent.addRecentFile(path);
        refreshRecentMenu();
    } else {
        path = doc->saveFileName;
    }
    QString why;
    if (!doc->SaveLabelToFile(path, &why))
        m_ctx.platform.message(tr("The label could not be saved to \"%1\": %2\nAny earlier version of the file is unchanged.")
                                   .arg(path, why),
                               MsgIcon::Exclamation);
}

void frmMain::mnuFileSaveAll_Click()
{
    QMdiSubWindow* remembered = m_mdi->currentSubWindow();
    const QList<frmDocument*> docs = documents();
    for (int i = int(docs.size()) - 1; i >= 0; --i) {
        if (auto* sub = qobject_cast<QMdiSubWindow*>(docs[i]->parentWidget()))
            m_mdi->setActiveSubWindow(sub);
        saveDocument(docs[i], 0);
    }
    if (remembered)
        m_mdi->setActiveSubWindow(remembered);
}

void frmMain::mnuFileClose_Click()
{
    if (QMdiSubWindow* sub = m_mdi->currentSubWindow())
        sub->close();
}

void frmMain::mnuFileLabelSize_Click(int index, bool stockSearch)
{
    ProgramValues& v = m_ctx.values;
    frmDocument* doc = activeDocument();
    if (const labelsizes::Preset* preset = labelsizes::forType(int16_t(index))) {
        action("mnuFileLabelSize0")->setChecked(index == 0);
        action("mnuFileLabelSize1")->setChecked(index == 1);
        v.labelType = preset->type;
        v.labelHeight = preset->height;
        v.labelWidth = preset->width;
        settings::writeWhole(m_ctx.store, settings::keys::LabelType, preset->type);
        settings::writeNumber(m_ctx.store, settings::keys::LabelHeight, preset->height);
        settings::writeNumber(m_ctx.store, settings::keys::LabelWidth, preset->width);
        if (doc) {
            LabelDocument::Step step(*doc, QT_TRANSLATE_NOOP("Undo", "Label Size"));
            doc->setLabelDimensions(preset->type, preset->height, preset->width);
        }
    } else if (doc) {
        frmOptions::showOptions(m_ctx, doc, printer(), this, 0, stockSearch);
        m_positionPanel->refresh(); // the unit may be another now
        if (!v.settingsChanged)
            return;
        showLabelTypeMenu(doc->getLabelType());
    }
    if (doc)
        doc->resizeLabel();
    else
        m_ctx.platform.message(tr("You must have a Label Loaded to set Properties"));
}

void frmMain::refreshRecentMenu()
{
    for (int i = 0; i < 4; ++i) {
        QAction* a = m_mruItems[i];
        const bool used = i <= m_recent.highestIndex();
        a->setText(used ? QString("&%1 %2").arg(i + 1).arg(QString(m_recent.caption(i)).replace('&', "&&")) : QString());
        a->setVisible(i == 0 ? m_recent.item0Visible() && used : used);
    }
    m_mnuFileBar4->setVisible(m_recent.separatorVisible());
}

void frmMain::mnuFileMRU_Click(int index)
{
    if (index > m_recent.highestIndex())
        return;
    const QString path = m_recent.path(index);
    if (Module1::fileExists(path)) {
        m_recent.moveRecentFileToTop(m_recent.caption(index), index);
        openLabel(m_recent.path(0));
    } else {
        m_ctx.platform.message(tr("File \"%1\" Not Found").arg(path), MsgIcon::Information, tr("File Open Error"));
        m_recent.removeRecentFile(path);
    }
    refreshRecentMenu();
}

void frmMain::handOffCommandLine(const QString& text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return;
    if (t.startsWith('\\')) {
        m_txtCmdLine->setText(t);
        return;
    }
    openLabel(t);
}

void frmMain::handOffFromAnotherStart(const QString& text)
{
    // A dialog of ours is open: its answer comes first.
    if (QApplication::activeModalWidget() || QApplication::activePopupWidget()) {
        QTimer::singleShot(250, this, [this, text] { handOffFromAnotherStart(text); });
        return;
    }
    // A description makes a label of its own: it never writes onto one the
    // user has opened or started, only onto a label still blank and unchanged.
    const frmDocument* doc = activeDocument();
    if (text.trimmed().startsWith('\\') && (!doc || !doc->getIsBlankForm() || doc->isChanged()))
        LoadNewDoc();
    if (isMinimized())
        showNormal();
    raise();
    activateWindow();
    handOffCommandLine(text);
}

void frmMain::takeHandOffs(SingleInstance& instance)
{
    using R = SingleInstance::Readiness;
    instance.setReceiver([this](const QString& text) { handOffFromAnotherStart(text); },
                         [this] {
                             if (m_closing)
                                 return R::Refusing;
                             const bool dialog = QApplication::activeModalWidget() || QApplication::activePopupWidget();
                             return dialog ? R::Busy : R::Ready;
                         });
}

// Whatever is written into the box is processed once, and the box emptied.
void frmMain::txtCmdLine_Change()
{
    const QString t = m_txtCmdLine->text();
    frmDocument* doc = activeDocument();
    if (!doc) {
        if (!t.isEmpty())
            m_txtCmdLine->clear();
        return;
    }
    if (t.isEmpty())
        return;
    if (!t.startsWith('\\'))
        mnuFileOpen_Click(); // a name written here is not trusted: the user chooses
    else
        description::apply(*doc, t);
    m_txtCmdLine->clear();
}

QPrinter& frmMain::printer()
{
    if (!m_printer)
        m_printer = new QPrinter(QPrinter::HighResolution);
    return *m_printer;
}

void frmMain::mnuFilePrint_Click()
{
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    printjob::Request request = printjob::request(*doc, m_ctx.values);
    if (!dataForPrint(*doc, request.merge))
        return;
    printThroughDialog(request);
}

void frmMain::printThroughDialog(printjob::Request& request)
{
    onRememberedProduct(m_ctx, printer(), request);
    const QSizeF paper = printer().pageLayout().fullRect(QPageLayout::Inch).size();
    const LabelsPage opened = stock::labelsPage(m_ctx.store, printer().printerName(), m_ctx.values.startLabel,
                                                printjob::labelsOnSheet(request, paper.width(), paper.height()));
    LabelsPage page = opened;
    page.unit = m_ctx.values.unit;
    const auto copies = m_ctx.platform.printDialog(printer(), &page);
    if (!copies)
        return;
    request.copies = std::clamp(*copies, 1, 32767);
    request.placement = stock::accept(opened, page, printer().printerName(), m_ctx.store);
    pdfout::printOn(printer(), request, m_ctx.platform, [this](const QString& s) { setStatusText(s); });
    // The partly used sheet is used up now: the next print starts on a new one.
    m_ctx.values.startLabel = 1;
}

void frmMain::mnuFilePrintSeveral_Click()
{
    std::vector<frmPrintSeveral::Offered> open;
    for (frmDocument* d : documents())
        open.push_back({d->content(), d->saveTitle});
    const auto answer = frmPrintSeveral::ask(m_ctx, this, open);
    if (!answer)
        return;
    if (answer->preview) {
        showPreview(answer->designs);
        return;
    }
    printjob::Request request = printjob::request(answer->designs, m_ctx.values);
    printThroughDialog(request);
}

void frmMain::mnuFilePageSetup_Click() { m_ctx.platform.pageSetupDialog(printer()); }

void frmMain::mnuFilePrintPreview_Click()
{
    if (!activeDocument()) {
        m_ctx.platform.message(tr("Nothing available to preview"));
        return;
    }
    showPreview({});
}

void frmMain::showPreview(const std::vector<printjob::Request::Design>& designs)
{
    // The page shown is the product's paper; the preview lays out its labels.
    printjob::Request request = designs.empty() ? printjob::request(*activeDocument(), m_ctx.values)
                                                : printjob::request(designs, m_ctx.values);
    onRememberedProduct(m_ctx, printer(), request);
    // The preview exists at most once; it asks for the active label each time it draws.
    auto* preview = findChild<frmPreview*>("frmPreview", Qt::FindDirectChildrenOnly);
    if (!preview)
        preview = new frmPreview(
            m_ctx, printer(), [this]() -> LabelDocument* { return activeDocument(); },
            [this](const QString& s) { setStatusText(s); }, this);
    preview->showDesigns(designs);
    preview->printReport(1, false);
    preview->show();
    preview->raise();
    preview->activateWindow();
}

void frmMain::mnuFileExit_Click() { close(); }

void frmMain::setStatusText(const QString& text)
{
    m_statusPanel->setText(text);
    m_statusPanel->repaint();
}
