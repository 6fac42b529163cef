#pragma once
// Platform for the headless batch mode: messages go to stderr, questions get
// their safe answer, choosers are cancelled.
#include "Platform.h"

class ConsolePlatform : public Platform {
public:
    QStringList messages; // every message shown, in order
    QString context;      // when set, printed before each message ("file: message")

    // The text with control and format characters shown as escapes, so that
    // names and texts out of a file cannot play tricks on the terminal.
    static QString printable(const QString& text);

    MsgAnswer messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override;
    void beep() override {}
    std::optional<FileDialogResult> openFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<FileDialogResult> saveFile(const FileDialogRequest&) override { return std::nullopt; }
    std::optional<QString> chooseFolder(const QString&, const QString&) override { return std::nullopt; }
    std::optional<uint32_t> chooseColor(const QString&, uint32_t) override { return std::nullopt; }
    std::optional<int> printDialog(QPrinter&, LabelsPage* = nullptr) override { return std::nullopt; }
    bool pageSetupDialog(QPrinter&) override { return false; }
    bool clipboardHasText() override { return false; }
    bool clipboardHasImage() override { return false; }
    QImage clipboardImage() override { return {}; }
    QString clipboardText() override { return {}; }
    void setClipboard(const QString&, const QImage& = {}) override {}
    PictureData loadPicture(const QString& path) override { return loadPictureFile(path); }
    bool saveBitmap(const QImage& image, const QString& path, QString* error = nullptr) override;
    bool startProcess(const QString& program, const QStringList& args, bool wait) override;
    bool htmlHelp(const QString&, HelpCommand, int) override { return false; }
    void processEvents() override {}
};
