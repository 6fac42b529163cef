#pragma once
// The one seam to the outside world: dialogs, clipboard, pictures, processes,
// help. Windows and document code call these instead of Qt directly so that
// tests can script the user's answers and nothing blocks on a modal dialog.
#include <QCoreApplication>
#include <QImage>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "app/Lengths.h"
#include "app/ProgramTitle.h"

class QPrinter;
class QWidget;

// SaveAnywayCancel: "Save anyway" answers OK, "Cancel" answers Cancel.
enum class MsgButtons { OK, YesNo, YesNoCancel, SaveAnywayCancel };
enum class MsgIcon { None, Information, Exclamation, Question, Critical };
enum class MsgAnswer { OK, Yes, No, Cancel };
// What the help viewer is asked to show: the default topic, the index, the
// search page (empty query), or the topic of a context number.
enum class HelpCommand { DisplayTopic, DisplayIndex, DisplaySearch, HelpContext };
class Platform;
// Shows the help file as asked (data is the context number of HelpContext);
// false when it could not (and has said why through the platform). The
// program hands the help window's entry to the platform, so the platform
// knows no window of its own.
using HelpViewer = std::function<bool(Platform&, const QString& helpFile, HelpCommand, int data)>;

// Filters use the "Description|*.a;*.b|All Files (*.*)|*.*" form.
struct FileDialogRequest {
    QString title;
    QString initialDir;
    QString fileName;
    QString filter;
    int filterIndex = 1;
    QString defaultExt;
    bool mustExist = false;
    bool overwritePrompt = false;
    bool executablesOnly = false; // offer only files that can be run
};

struct FileDialogResult {
    QString path;      // full path chosen
    QString fileTitle; // file name part
    QString folder;    // folder the chooser ended in
};

struct PictureData {
    PictureData() = default;
    PictureData(QImage image, QSizeF naturalTwips, QString error, std::shared_ptr<const QByteArray> vector = {})
        : image(std::move(image)), naturalTwips(naturalTwips), error(std::move(error)), vector(std::move(vector))
    {
    }
    QImage image;
    QSizeF naturalTwips; // natural size of the picture in twips
    QString error;       // empty when the picture loaded
    // A metafile's drawing (SVG), to be rendered at the size it is drawn at;
    // `image` is then a rendering of it at its natural size (bounded).
    std::shared_ptr<const QByteArray> vector;
    bool ok() const { return error.isEmpty() && !image.isNull(); }
};

// The print dialog's "Labels" page: where the first sheet starts, and the
// printer adjustment in inches. Filled in before the dialog, read back after.
struct LabelsPage {
    int start = 1;            // "Start at label:"
    int lastStart = 1;        // the labels on the sheet
    double right = 0, down = 0; // "Move right:", "Move down:", inches
    lengths::Unit unit = lengths::Unit::Inches; // what the page shows them in
    QString shownFor;         // the printer whose adjustment the page shows
    QString help;             // how to find the adjustment
    // The remembered adjustment of another printer chosen in the dialog (right, down).
    std::function<std::pair<double, double>(const QString&)> adjustmentFor;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Messages and choosers opened while one lives belong to `window`: they come
    // up over it, and closing them gives it back the keyboard. For the commands
    // of a window other than the main window (a modeless one such as the print
    // preview). Scopes nest.
    class OwnedBy {
    public:
        OwnedBy(Platform& platform, QWidget* window) : m_platform(platform), m_previous(platform.m_owner)
        {
            platform.m_owner = window;
        }
        ~OwnedBy() { m_platform.m_owner = m_previous; }
        OwnedBy(const OwnedBy&) = delete;
        OwnedBy& operator=(const OwnedBy&) = delete;

    private:
        Platform& m_platform;
        QWidget* m_previous;
    };
    // The window of the innermost OwnedBy, or null.
    QWidget* dialogOwner() const { return m_owner; }

    virtual MsgAnswer messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) = 0;
    MsgAnswer message(const QString& text, MsgIcon icon = MsgIcon::None, const QString& title = ProgramTitle)
    {
        return messageBox(text, MsgButtons::OK, icon, title);
    }
    virtual void beep() = 0;

    virtual std::optional<FileDialogResult> openFile(const FileDialogRequest& req) = 0;
    virtual std::optional<FileDialogResult> saveFile(const FileDialogRequest& req) = 0;
    virtual std::optional<QString> chooseFolder(const QString& title, const QString& initial) = 0;
    virtual std::optional<uint32_t> chooseColor(const QString& title, uint32_t initial) = 0;

    // Print dialog: returns the copy count, or nothing when cancelled. With
    // labels, the dialog has the "Labels" page, filled from and read back into it.
    virtual std::optional<int> printDialog(QPrinter& printer, LabelsPage* labels = nullptr) = 0;
    virtual bool pageSetupDialog(QPrinter& printer) = 0;

    // The system clipboard. A picture is offered in the usual image formats
    // (on X11 image/png and friends, which stand for both bitmap formats).
    virtual bool clipboardHasText() = 0;
    virtual bool clipboardHasImage() = 0;
    virtual QImage clipboardImage() = 0;
    virtual QString clipboardText() = 0;
    // Clears the clipboard and puts the text and, when not null, the picture
    // on it together.
    virtual void setClipboard(const QString& text, const QImage& image = {}) = 0;

    virtual PictureData loadPicture(const QString& path) = 0;
    // Writes the picture as a bitmap file, whole or not at all; false with the
    // reason in *error.
    virtual bool saveBitmap(const QImage& image, const QString& path, QString* error = nullptr) = 0;

    // Starts a program with the given arguments (no shell). With wait, returns
    // when it has ended. False when it could not be started.
    virtual bool startProcess(const QString& program, const QStringList& args, bool wait) = 0;

    // The help viewer on the help file; data is the context number of
    // HelpContext. False when it could not show the help (and said why).
    virtual bool htmlHelp(const QString& helpFile, HelpCommand command, int data) = 0;

    // Lets pending window events run (no-op where there are no windows).
    virtual void processEvents() = 0;

private:
    QWidget* m_owner = nullptr;
};

// Qt implementation: real dialogs parented to the modal dialog in front, else
// to the window of the command (OwnedBy), else to the main window.
class QtPlatform : public Platform {
    Q_DECLARE_TR_FUNCTIONS(QtPlatform)

public:
    // Shows the help; without one, asking for help says it is not available.
    HelpViewer helpViewer;
    void setParentWidget(QWidget* w) { m_parent = w; }
    MsgAnswer messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    void beep() override;
    std::optional<FileDialogResult> openFile(const FileDialogRequest& req) override;
    std::optional<FileDialogResult> saveFile(const FileDialogRequest& req) override;
    std::optional<QString> chooseFolder(const QString& title, const QString& initial) override;
    std::optional<uint32_t> chooseColor(const QString& title, uint32_t initial) override;
    std::optional<int> printDialog(QPrinter& printer, LabelsPage* labels = nullptr) override;
    bool pageSetupDialog(QPrinter& printer) override;
    bool clipboardHasText() override;
    bool clipboardHasImage() override;
    QImage clipboardImage() override;
    QString clipboardText() override;
    void setClipboard(const QString& text, const QImage& image = {}) override;
    PictureData loadPicture(const QString& path) override;
    bool saveBitmap(const QImage& image, const QString& path, QString* error = nullptr) override;
    bool startProcess(const QString& program, const QStringList& args, bool wait) override;
    bool htmlHelp(const QString& helpFile, HelpCommand command, int data) override;
    void processEvents() override;

    // Turns "A|*.a|B|*.*" into Qt's "A (*.a);;B (*.*)" form.
    static QString qtFilter(const QString& vbFilter, int index, QString* selected);

private:
    QWidget* owner() const;
    QWidget* m_parent = nullptr;
};

// Loads a picture file: raster formats through Qt, Windows metafiles through libwmf.
PictureData loadPictureFile(const QString& path);
// The file name patterns of every picture format loadPictureFile reads:
// "*.bmp", "*.jpg", "*.gif", "*.wmf" first, then the others Qt's image
// plugins read here ("*.png", "*.jpeg", ...).
QStringList picturePatterns();
// The natural size in twips of a raster picture: one pixel is 15 twips (96 DPI).
QSizeF rasterNaturalTwips(const QImage& image);
