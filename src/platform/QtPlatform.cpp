#include "Platform.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>
#include <QClipboard>
#include <QMimeData>
#include <QColorDialog>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>

#include "LabelsPageWidget.h"
#include "ProcessWait.h"
#include "SafeFile.h"

namespace {

QColor toQColor(uint32_t c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }
uint32_t fromQColor(const QColor& c) { return uint32_t(c.red()) | (uint32_t(c.green()) << 8) | (uint32_t(c.blue()) << 16); }

} // namespace

QString QtPlatform::qtFilter(const QString& vbFilter, int index, QString* selected)
{
    const QStringList parts = vbFilter.split('|');
    QStringList out;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString desc = parts.at(i);
        const QString patterns = QString(parts.at(i + 1)).replace(';', ' ');
        if (!desc.contains('('))
            desc += " (" + patterns + ")";
        else
            desc = desc.left(desc.indexOf('(')).trimmed() + " (" + patterns + ")";
        out << desc;
    }
    if (selected && index >= 1 && index <= out.size())
        *selected = out.at(index - 1);
    return out.join(";;");
}

QWidget* QtPlatform::owner() const
{
    // A chooser opened from a modal dialog belongs to that dialog, so it comes
    // up in front of it.
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* w = dialogOwner())
        return w;
    return m_parent;
}

MsgAnswer QtPlatform::messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title)
{
    QMessageBox box(owner());
    box.setWindowTitle(title);
    box.setText(text);
    switch (icon) {
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::None: break;
    }
    switch (buttons) {
    case MsgButtons::OK: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    case MsgButtons::SaveAnywayCancel:
        box.addButton(tr("Save anyway"), QMessageBox::AcceptRole);
        box.setDefaultButton(box.addButton(QMessageBox::Cancel));
        box.setEscapeButton(QMessageBox::Cancel);
        break;
    }
    const int r = box.exec();
    if (buttons == MsgButtons::SaveAnywayCancel)
        return box.clickedButton() && box.buttonRole(box.clickedButton()) == QMessageBox::AcceptRole ? MsgAnswer::OK
                                                                                                      : MsgAnswer::Cancel;
    if (r == QMessageBox::Yes)
        return MsgAnswer::Yes;
    if (r == QMessageBox::No)
        return MsgAnswer::No;
    if (r == QMessageBox::Cancel)
        return MsgAnswer::Cancel;
    return buttons == MsgButtons::OK ? MsgAnswer::OK : MsgAnswer::Cancel;
}

void QtPlatform::beep() { QApplication::beep(); }

static std::optional<FileDialogResult> runFileDialog(QWidget* parent, const FileDialogRequest& req, bool save)
{
    QFileDialog dlg(parent, req.title, req.initialDir);
    QString selected;
    dlg.setNameFilter(QtPlatform::qtFilter(req.filter, req.filterIndex, &selected));
    if (!selected.isEmpty())
        dlg.selectNameFilter(selected);
    if (req.executablesOnly)
        dlg.setFilter(QDir::AllDirs | QDir::Files | QDir::Executable | QDir::NoDotAndDotDot);
    dlg.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dlg.setFileMode(save ? QFileDialog::AnyFile : (req.mustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    if (!req.defaultExt.isEmpty())
        dlg.setDefaultSuffix(req.defaultExt);
    if (!req.overwritePrompt)
        dlg.setOption(QFileDialog::DontConfirmOverwrite);
    if (!req.fileName.isEmpty())
        dlg.selectFile(req.fileName);
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty())
        return std::nullopt;
    FileDialogResult r;
    r.path = dlg.selectedFiles().first();
    QFileInfo fi(r.path);
    r.fileTitle = fi.fileName();
    r.folder = fi.absolutePath();
    return r;
}

std::optional<FileDialogResult> QtPlatform::openFile(const FileDialogRequest& req) { return runFileDialog(owner(), req, false); }
std::optional<FileDialogResult> QtPlatform::saveFile(const FileDialogRequest& req) { return runFileDialog(owner(), req, true); }

std::optional<QString> QtPlatform::chooseFolder(const QString& title, const QString& initial)
{
    const QString d = QFileDialog::getExistingDirectory(owner(), title, initial);
    if (d.isEmpty())
        return std::nullopt;
    return d;
}

std::optional<uint32_t> QtPlatform::chooseColor(const QString& title, uint32_t initial)
{
    QColor start = (initial & 0x80000000u) ? QColor(Qt::white) : toQColor(initial);
    const QColor c = QColorDialog::getColor(start, owner(), title);
    if (!c.isValid())
        return std::nullopt;
    return fromQColor(c);
}

std::optional<int> QtPlatform::printDialog(QPrinter& printer, LabelsPage* labels)
{
    QPrintDialog dlg(&printer, owner());
    dlg.setOption(QAbstractPrintDialog::PrintToFile, true);
    LabelsPageWidget* page = nullptr;
    QString shownFor = labels ? labels->shownFor : QString();
    if (labels) {
        page = new LabelsPageWidget(*labels);
        dlg.setOptionTabs({page});
        // The printer box of Qt's own dialog: its adjustment follows the printer picked.
        if (auto* printers = dlg.findChild<QComboBox*>("printers"))
            QObject::connect(printers, &QComboBox::currentTextChanged, page,
                             [page, labels, &shownFor](const QString& name) { page->showPrinter(*labels, name, &shownFor); });
    }
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    if (labels) {
        page->readInto(*labels);
        labels->shownFor = shownFor;
    }
    // We lay out every copy ourselves (page breaks between sheets), so the
    // driver must not multiply the pages again.
    const int copies = printer.copyCount();
    printer.setCopyCount(1);
    return copies;
}

bool QtPlatform::pageSetupDialog(QPrinter& printer)
{
    QPageSetupDialog dlg(&printer, owner());
    dlg.setWindowTitle(tr("Page Setup"));
    return dlg.exec() == QDialog::Accepted;
}

bool QtPlatform::clipboardHasText()
{
    const QMimeData* d = QApplication::clipboard()->mimeData();
    return d && d->hasText();
}

bool QtPlatform::clipboardHasImage()
{
    const QMimeData* d = QApplication::clipboard()->mimeData();
    return d && d->hasImage();
}

QImage QtPlatform::clipboardImage() { return QApplication::clipboard()->image(); }
QString QtPlatform::clipboardText() { return QApplication::clipboard()->text(); }

void QtPlatform::setClipboard(const QString& text, const QImage& image)
{
    auto* data = new QMimeData;
    data->setText(text);
    if (!image.isNull())
        data->setImageData(image);
    QApplication::clipboard()->setMimeData(data);
}

PictureData QtPlatform::loadPicture(const QString& path) { return loadPictureFile(path); }

bool QtPlatform::saveBitmap(const QImage& image, const QString& path, QString* error)
{
    return safefile::writeBitmap(image, path, error);
}

bool QtPlatform::startProcess(const QString& program, const QStringList& args, bool wait)
{
    if (!wait)
        return QProcess::startDetached(program, args);
    return processwait::runAndWait(program, args);
}

bool QtPlatform::htmlHelp(const QString& helpFile, HelpCommand command, int data)
{
    if (!helpViewer) {
        message(tr("The help is not available."), MsgIcon::Information);
        return false;
    }
    return helpViewer(*this, helpFile, command, data);
}

void QtPlatform::processEvents() { QApplication::processEvents(); }
