#pragma once
// Test double of the platform: every dialog answer is scripted in advance and
// every message shown is recorded, so a test can drive a command that asks
// the user something without a modal dialog ever appearing.
#include <QMap>
#include <deque>
#include <functional>

#include "Platform.h"
#include "SafeFile.h"

class ScriptedPlatform : public Platform {
public:
    struct Shown {
        QString text;
        QString title;
        MsgIcon icon;
        MsgButtons buttons;
        const QWidget* owner; // the window the message belongs to (OwnedBy), or null
    };
    QList<Shown> shown;
    std::deque<MsgAnswer> answers;                       // for Yes/No(/Cancel) boxes
    std::deque<std::optional<FileDialogResult>> openAnswers, saveAnswers;
    std::deque<std::optional<uint32_t>> colorAnswers;
    std::deque<std::optional<int>> printAnswers;
    QList<FileDialogRequest> fileRequests;
    QList<const QWidget*> fileOwners; // dialogOwner() of each file request
    std::deque<std::optional<QString>> folderAnswers;
    QList<QStringList> folderRequests; // title, initial folder
    int printDialogs = 0;
    // The "Labels" pages offered, as filled in; and what the user does on the
    // next accepted ones (change the values, pick another printer).
    QList<LabelsPage> labelsPages;
    std::deque<std::function<void(QPrinter&, LabelsPage&)>> labelsAnswers;
    // What the user picks in the next accepted print dialogs of any kind (a
    // printer, "Print to File" and its file).
    std::deque<std::function<void(QPrinter&)>> printerAnswers;
    QStringList colorTitles;
    QImage clipboard;
    QString clipboardTextValue;
    int beeps = 0;
    struct Started {
        QString program;
        QStringList args;
    };
    QList<Started> started;
    bool realProcesses = false; // run started programs for real (editor tests)
    QMap<QString, PictureData> pictures; // path -> picture; others load from disk
    // Run while each scripted dialog or message box is "open": a window test
    // puts a real modal window up here, so activation and keyboard focus move
    // away and back as they do around a real dialog.
    std::function<void()> whileDialogOpen;

    QStringList texts() const
    {
        QStringList l;
        for (const auto& s : shown)
            l << s.text;
        return l;
    }

    MsgAnswer messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override
    {
        shown.push_back({text, title, icon, buttons, dialogOwner()});
        dialogOpen();
        if (buttons == MsgButtons::OK)
            return MsgAnswer::OK;
        if (answers.empty())
            return MsgAnswer::Cancel;
        const MsgAnswer a = answers.front();
        answers.pop_front();
        return a;
    }
    void beep() override { ++beeps; }
    std::optional<FileDialogResult> openFile(const FileDialogRequest& req) override
    {
        fileRequests << req;
        fileOwners << dialogOwner();
        dialogOpen();
        return pop(openAnswers);
    }
    std::optional<FileDialogResult> saveFile(const FileDialogRequest& req) override
    {
        fileRequests << req;
        fileOwners << dialogOwner();
        dialogOpen();
        return pop(saveAnswers);
    }
    std::optional<QString> chooseFolder(const QString& title, const QString& initial) override
    {
        folderRequests << QStringList{title, initial};
        dialogOpen();
        return pop(folderAnswers);
    }
    std::optional<uint32_t> chooseColor(const QString& title, uint32_t) override
    {
        colorTitles << title;
        dialogOpen();
        return pop(colorAnswers);
    }
    std::optional<int> printDialog(QPrinter& printer, LabelsPage* labels = nullptr) override
    {
        ++printDialogs;
        dialogOpen();
        if (labels)
            labelsPages << *labels;
        const std::optional<int> copies = pop(printAnswers);
        if (copies && !printerAnswers.empty()) {
            printerAnswers.front()(printer);
            printerAnswers.pop_front();
        }
        if (labels && copies && !labelsAnswers.empty()) {
            labelsAnswers.front()(printer, *labels);
            labelsAnswers.pop_front();
        }
        return copies;
    }
    bool pageSetupDialog(QPrinter&) override { return false; }
    bool clipboardHasText() override { return !clipboardTextValue.isNull(); }
    bool clipboardHasImage() override { return !clipboard.isNull(); }
    QImage clipboardImage() override { return clipboard; }
    QString clipboardText() override { return clipboardTextValue; }
    void setClipboard(const QString& t, const QImage& i = {}) override
    {
        clipboardTextValue = t;
        clipboard = i;
    }
    PictureData loadPicture(const QString& path) override
    {
        if (pictures.contains(path))
            return pictures.value(path);
        return loadPictureFile(path);
    }
    bool saveBitmap(const QImage& image, const QString& path, QString* error = nullptr) override
    {
        return safefile::writeBitmap(image, path, error);
    }
    bool startProcess(const QString& program, const QStringList& args, bool wait) override;
    struct HelpCall {
        QString file;
        HelpCommand command;
        int data;
    };
    QList<HelpCall> helpCalls;
    // Set to show the help for real (help window tests); recorded only otherwise.
    HelpViewer helpViewer;
    bool htmlHelp(const QString& file, HelpCommand command, int data) override
    {
        helpCalls.push_back({file, command, data});
        return helpViewer ? helpViewer(*this, file, command, data) : true;
    }
    void processEvents() override {}

    static FileDialogResult chosen(const QString& path);

private:
    void dialogOpen()
    {
        if (whileDialogOpen)
            whileDialogOpen();
    }
    template <class T> static T pop(std::deque<T>& q)
    {
        if (q.empty())
            return T{};
        T v = q.front();
        q.pop_front();
        return v;
    }
};
