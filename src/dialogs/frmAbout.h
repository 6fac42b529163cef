#pragma once
// The about box: title, version, description, legal texts, and the way to
// the desktop's system-information program.
#include <QDialog>

class QLabel;
class QPushButton;
struct AppContext;

class frmAbout : public QDialog {
    Q_OBJECT
public:
    explicit frmAbout(AppContext& ctx, QWidget* owner = nullptr);

    // Shows the box modally, owned by `owner`, and discards it afterwards.
    static void showAbout(AppContext& ctx, QWidget* owner);

    void StartSysInfo();
    // Where the system-information program is looked for; the folders of
    // PATH when empty.
    QStringList searchFolders;

    static QString descriptionText();

private:
    AppContext& m_ctx;
};
