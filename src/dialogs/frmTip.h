#pragma once
// The tip of the day: the next tip from the tips file each time it opens,
// and the choice whether it comes up at start-up.
#include <QDialog>
#include <QStringList>

class QCheckBox;
class QLabel;
class QPushButton;
struct AppContext;

class frmTip : public QDialog {
    Q_OBJECT
public:
    explicit frmTip(AppContext& ctx, QWidget* owner = nullptr);

    // Shows the dialog modally, owned by `owner`, and discards it afterwards.
    static void showTip(AppContext& ctx, QWidget* owner);

    bool LoadTips(const QString& path);
    void DisplayCurrentTip();
    int currentTip() const { return m_currentTip; }
    const QStringList& tips() const { return m_tips; }

    QLabel* lblTipText() const { return m_lblTipText; }
    QCheckBox* chkLoadTipsAtStartup() const { return m_chk; }
    QPushButton* cmdNextTip() const { return m_cmdNextTip; }
    QPushButton* cmdOK() const { return m_cmdOK; }

    static QString missingFileText();

protected:
    void done(int r) override;

private:
    void showNextTip();

    AppContext& m_ctx;
    QStringList m_tips;
    int m_currentTip = 0;
    QLabel* m_lblTipText;
    QCheckBox* m_chk;
    QPushButton* m_cmdNextTip;
    QPushButton* m_cmdOK;
};
