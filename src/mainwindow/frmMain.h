#pragma once
// The main window: menus, toolbars, formatting boxes, status bar and the
// multiple-document area. Commands act on the active document by name.
#include <QMainWindow>
#include <QMap>
#include <QPointer>

#include "RecentFiles.h"
#include "document/LabelTypes.h"

class QAction;
class QActionGroup;
class QComboBox;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class QToolButton;
class QPrinter;
class frmDocument;
struct AppContext;

class frmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit frmMain(AppContext& ctx);
    ~frmMain() override;

    void Form_Load();
    void fillFonts(const QStringList& families);

    frmDocument* activeDocument() const;
    QList<frmDocument*> documents() const;
    QMdiArea* mdiArea() const { return m_mdi; }
    AppContext& context() { return m_ctx; }

    // Commands other windows call.
    void LoadNewDoc();
    void mnuFileOpen_Click();
    void mnuFileSave_Click(int index);
    void mnuFileSaveAll_Click();
    void mnuFileClose_Click();
    void mnuFileLabelSize_Click(int index);
    void mnuFileMRU_Click(int index);
    void mnuFilePrint_Click();
    void mnuFilePageSetup_Click();
    void mnuGraphicEdit_Click();
    void mnuGraphicNew_Click();
    void mnuGraphicAspectRatio_Click();
    void mnuLabelBorderVisible_Click();
    void mnuLabelBorderColor_Click();
    void mnuLabelBackColor_Click();
    void mnuTextNew_Click();
    void mnuTextColor_Click();
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewShowGrid_Click();
    void mnuViewSnapToGrid_Click();
    void mnuViewShowGuides_Click();
    void mnuViewDefineGrid_Click();
    void tbToolbar_ButtonClick(const QString& key);
    void tbToolbar_ButtonMenuClick(const QString& key);
    void saveDocument(frmDocument* doc, int index);
    void editText(frmDocument* doc);
    void drawGrid();
    QString cmdLineFileName;
    void handOffCommandLine(const QString& text);

    // State display.
    void showLabelTypeMenu(int16_t type);
    void showBorderVisible(bool visible);
    void showBorderWidth(int width);
    void showBorderStyle(const QString& style);
    void showAspectRatio(bool flag);
    void showTextFormat(const TextItem& t);
    void selectionChanged(frmDocument* doc);

    // Controls, found by tests and tools by their names too.
    QAction* action(const QString& name) const;
    QAction* button(const QString& key) const; // toolbar button by key
    QToolBar* tbToolbar(int i) const { return m_toolbars[i]; }
    QComboBox* cboFonts() const { return m_cboFonts; }
    QComboBox* cboFontSize() const { return m_cboFontSize; }
    QComboBox* cboBorderWidth() const { return m_cboBorderWidth; }
    QComboBox* cboBorderStyle() const { return m_cboBorderStyle; }
    QLabel* statusPanel() const { return m_statusPanel; }
    QLineEdit* txtCmdLine() const { return m_txtCmdLine; }
    QAction* mnuViewShowGrid() const { return action("mnuViewShowGrid"); }
    QAction* mruItem(int i) const;
    QAction* mnuFileBar4() const { return m_mnuFileBar4; }
    const RecentFileList& recentFiles() const { return m_recent; }
    int documentCounter() const { return m_documentCounter; }
    QPrinter& printer();
    QMenu* editMenu() const { return m_editMenu; }

    // cboBorderWidth events.
    void cboBorderWidth_Change(const QString& text);
    void cboBorderWidth_Click();
    void cboBorderWidth_LostFocus();
    void cboFontSize_Commit();
    void cboFonts_Click();
    void cboBorderStyle_Click();

    // Writes window state, view settings and recent files (the close steps).
    void writeCloseSettings();

protected:
    void closeEvent(QCloseEvent*) override;
    bool eventFilter(QObject* o, QEvent* e) override;
    void changeEvent(QEvent* e) override;

private:
    QAction* addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key = {});
    void buildMenus();
    void buildToolbars();
    void buildStatusBar();
    void refreshRecentMenu();
    void documentActivated(frmDocument* doc);
    void setStatusText(const QString& text);
    bool closeAllDocuments();
    QAction* addButton(QToolBar* tb, const QString& key, const QString& tooltip = {}, bool check = false);

    AppContext& m_ctx;
    QMdiArea* m_mdi;
    QToolBar* m_toolbars[3] = {};
    QComboBox* m_cboFonts;
    QComboBox* m_cboFontSize;
    QComboBox* m_cboBorderWidth;
    QComboBox* m_cboBorderStyle;
    QLabel* m_statusPanel;
    QLabel* m_datePanel;
    QLabel* m_timePanel;
    QLineEdit* m_txtCmdLine;
    QTimer* m_timTipOfTheDay;
    QTimer* m_clock;
    QMap<QString, QAction*> m_actions;
    QMap<QString, QAction*> m_buttons;
    QToolButton* m_hAlignButton = nullptr;
    QToolButton* m_vAlignButton = nullptr;
    QActionGroup* m_alignGroup = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QList<QAction*> m_mruItems;
    QAction* m_mnuFileBar4 = nullptr;
    QAction* m_mruAnchor = nullptr;
    RecentFileList m_recent;
    int m_documentCounter = 0;
    bool m_loading = false;
    bool m_toolbarClick = false;
    QPrinter* m_printer = nullptr;
    QPointer<frmDocument> m_previous;
    bool m_editorRunning = false;
};
