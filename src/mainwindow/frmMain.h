#pragma once
// The main window: menus, toolbars, formatting boxes, status bar and the
// multiple-document area. Commands act on the active document by name.
//
// The class is split over several files by concern:
//   frmMain.cpp          life, activation, state display, closing, the document host
//   frmMain_Build.cpp    menus, toolbars, status bar and the command tables
//   frmMain_File.cpp     file lifecycle, recent files, printing, command-line hand-off
//   frmMain_Format.cpp   text, picture, label and border commands, the combo boxes, view toggles
//   frmMain_Edit.cpp     edit commands: delete, clipboard, stacking, alignment
//   frmMain_Window.cpp   window arrangement and list, help and about
//   frmMain_Data.cpp     the data file a label prints its rows from
#include <QMainWindow>
#include <QMap>
#include <QPointer>
#include <QUndoGroup>

#include "RecentFiles.h"
#include "document/DocumentHost.h"
#include "document/LabelTypes.h"
#include "printing/PrintJob.h"

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
class PositionPanel;
class SingleInstance;
class LabelDocument;
struct AppContext;
namespace merge {
struct Source;
}

class frmMain : public QMainWindow, public DocumentHost {
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

    // --- file (frmMain_File.cpp)
    void LoadNewDoc();
    // Asks for a label file and opens it (openLabel).
    void mnuFileOpen_Click();
    // Opens a label file without asking (command line, another start, recent
    // files): into the active label while it is blank, else into a new one. A
    // file that has gone is dropped from the recent files with a message.
    void openLabel(const QString& path);
    void mnuFileSave_Click(int index);
    void mnuFileSaveAll_Click();
    void mnuFileClose_Click();
    // stockSearch: the options open with the keyboard in the stock search (the toolbar's Select).
    void mnuFileLabelSize_Click(int index, bool stockSearch = false);
    void mnuFileMRU_Click(int index);
    void mnuFilePageSetup_Click();
    void mnuFilePrintPreview_Click();
    void mnuFilePrint_Click();
    // Several labels of one size on the same sheets, printed or previewed.
    void mnuFilePrintSeveral_Click();
    // The print dialog (copies, start, adjustment), then the print.
    void printThroughDialog(printjob::Request& request);
    // Opens the preview (or brings it up) on the active label, or on these labels together.
    void showPreview(const std::vector<printjob::Request::Design>& designs);
    void mnuFileData_Click();
    void mnuFileExit_Click();
    void saveDocument(frmDocument* doc, int index);
    void handOffCommandLine(const QString& text);
    // The command line of a later start of the program, as start-up would
    // take it; the window comes to the front.
    void handOffFromAnotherStart(const QString& text);
    // Later starts hand their command lines to this window; while it is
    // closing they are refused (the later start opens its own window).
    void takeHandOffs(SingleInstance& instance);
    void txtCmdLine_Change();

    // --- edit (frmMain_Edit.cpp)
    void mnuEditUndo_Click();
    void mnuEditRedo_Click();
    // Undo and Redo name the active document's next steps, or are disabled.
    void refreshUndoMenu();
    void mnuEditDelete_Click();
    void mnuEditCut_Click();
    void mnuEditCopy_Click();
    void mnuEditPaste_Click();
    void mnuViewBringForward_Click();
    void mnuViewSendBack_Click();
    void mnuGraphicRotate_Click(int16_t degrees);
    void mnuGraphicMirror_Click();
    void horizontalAlign_Click(int mode);
    void verticalAlign_Click(int mode);

    // --- formatting and view (frmMain_Format.cpp)
    void mnuGraphicEdit_Click();
    void mnuGraphicNew_Click();
    void mnuGraphicInsertQr_Click();
    void editQrCode(frmDocument* doc);
    void mnuGraphicAspectRatio_Click();
    void mnuLabelBorderVisible_Click();
    void mnuLabelBorderColor_Click();
    void mnuLabelBackColor_Click();
    void mnuTextNew_Click();
    void mnuTextEdit_Click();
    void mnuTextColor_Click();
    void textStyle_Click();
    void textAlignment_Click(int16_t alignment);
    void mnuViewToolbar_Click();
    void mnuViewStatusBar_Click();
    void mnuViewShowGrid_Click();
    void mnuViewSnapToGrid_Click();
    void mnuViewShowGuides_Click();
    void mnuViewDefineGrid_Click();
    void mnuViewFieldValues_Click();
    // Shows or hides the "Position and Size" panel.
    void mnuViewPosition_Click();
    PositionPanel* positionPanel() const { return m_positionPanel; }
    // Zoom of the active document's label view.
    void mnuViewZoom_Click(int step); // +1 in, -1 out, 0 actual size
    void mnuViewFitLabel_Click();
    void editText(frmDocument* doc);
    void editPicture(frmDocument* doc);
    void drawGrid();

    // --- windows and help (frmMain_Window.cpp)
    void mnuWindowCascade_Click();
    void mnuWindowTileHorizontal_Click();
    void mnuWindowTileVertical_Click();
    void mnuWindowArrangeIcons_Click();
    void mnuWindow_Click(); // the menu opens: list the open windows
    void mnuHelpContents_Click();
    void mnuHelpIndex_Click();
    void mnuHelpSearch_Click();
    void mnuHelpTip_Click();
    void mnuHelpOtherSoftware_Click();
    void mnuHelpAbout_Click();

    // --- toolbar: a button's key runs its command (frmMain_Build.cpp)
    void tbToolbar_ButtonClick(const QString& key);
    void tbToolbar_ButtonMenuClick(const QString& key);

    // State display.
    void showLabelTypeMenu(int16_t type);
    void showBorderVisible(bool visible);
    void showBorderWidth(int width);
    void showBorderStyle(const QString& style);
    void showAspectRatio(bool flag);
    void showTextFormat(const TextItem& t);
    void selectionChanged(frmDocument* doc);

    // DocumentHost
    bool gridShown() const override;
    bool snapToGrid() const override;
    bool guidesShown() const override;
    bool maintainAspectRatio() const override;
    bool fieldValuesShown() const override;
    TextFormat currentTextFormat() const override;
    void enableItemCommands(frmDocument& doc) override;
    void textFormatShown(frmDocument& doc, const TextItem& item) override;
    void borderStyleShown(frmDocument& doc, const QString& style) override;
    void labelTypeShown(frmDocument& doc, int16_t type) override;
    void zoomShown(frmDocument& doc) override;
    void popupEditMenu(frmDocument& doc, const QPoint& globalPos) override;
    void saveDocument(frmDocument& doc) override { saveDocument(&doc, 0); }
    void editText(frmDocument& doc) override { editText(&doc); }
    void editActivePicture(frmDocument& doc) override { editPicture(&doc); }
    void editQrCode(frmDocument& doc) override { editQrCode(&doc); }

    // Controls, found by tests and tools by their names too. A toolbar button
    // that repeats a menu command is that menu item's action.
    QAction* action(const QString& name) const;
    QAction* button(const QString& key) const; // toolbar button by key
    QToolBar* tbToolbar(int i) const { return m_toolbars[i]; }
    QComboBox* cboFonts() const { return m_cboFonts; }
    QComboBox* cboFontSize() const { return m_cboFontSize; }
    QComboBox* cboBorderWidth() const { return m_cboBorderWidth; }
    QComboBox* cboBorderStyle() const { return m_cboBorderStyle; }
    QLabel* statusPanel() const { return m_statusPanel; }
    QLabel* zoomPanel() const { return m_zoomPanel; }
    QLineEdit* txtCmdLine() const { return m_txtCmdLine; }
    QAction* mnuViewShowGrid() const { return action("mnuViewShowGrid"); }
    QAction* mruItem(int i) const;
    QAction* mnuFileBar4() const { return m_mnuFileBar4; }
    const RecentFileList& recentFiles() const { return m_recent; }
    int documentCounter() const { return m_documentCounter; }
    QPrinter& printer();
    QMenu* editMenu() const { return m_editMenu; }

    // Combo box events.
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
    void moveEvent(QMoveEvent* e) override;

private:
    // The label's remembered data into the print's source; false (the user
    // told) when it cannot be read.
    bool dataForPrint(const LabelDocument& doc, merge::Source& source);
    void dataChanged(frmDocument& doc);
    // The client width that shows every toolbar button without an extension arrow.
    int widthForToolbars() const;
    void buildMenus();
    void buildToolbars();
    void buildStatusBar();
    void connectComboBoxes();
    void refreshRecentMenu();
    QString openFolder() const;
    void loadLabel(const QString& path, const QString& title, const QString& folder);
    void tileWindows(bool horizontal);
    void copyToClipboard(bool cut);
    void documentActivated(frmDocument* doc);
    // The zoom commands and the zoom panel follow the active document (off and empty with none).
    void showZoom();
    void followActiveHistory();
    // The label was put back from its history: the controls show what it is now.
    void documentRestored(frmDocument* doc);
    void setStatusText(const QString& text);
    bool closeAllDocuments();
    frmDocument* activeOrNewDocument();

    AppContext& m_ctx;
    QMdiArea* m_mdi;
    QToolBar* m_toolbars[3] = {};
    QComboBox* m_cboFonts = nullptr;
    QComboBox* m_cboFontSize = nullptr;
    QComboBox* m_cboBorderWidth = nullptr;
    QComboBox* m_cboBorderStyle = nullptr;
    QLabel* m_statusPanel = nullptr;
    PositionPanel* m_positionPanel = nullptr;
    QLabel* m_datePanel = nullptr;
    QLabel* m_timePanel = nullptr;
    QLabel* m_zoomPanel = nullptr;
    QLineEdit* m_txtCmdLine = nullptr;
    QTimer* m_timTipOfTheDay = nullptr;
    QTimer* m_clock = nullptr;
    QMap<QString, QAction*> m_actions; // menu items by name
    QMap<QString, QAction*> m_buttons; // toolbar buttons by key
    QToolButton* m_hAlignButton = nullptr;
    QToolButton* m_vAlignButton = nullptr;
    QActionGroup* m_alignGroup = nullptr;
    QMenu* m_fileMenu = nullptr;
    QMenu* m_editMenu = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QAction*> m_mruItems;
    QAction* m_mnuFileBar4 = nullptr;
    RecentFileList m_recent;
    int m_documentCounter = 0;
    bool m_loading = false;
    QPrinter* m_printer = nullptr;
    QPointer<frmDocument> m_previous;
    bool m_editorRunning = false;
    QPoint m_frameOffset; // client corner minus frame corner in the normal state
    bool m_closing = false;
    // Every document's history; the active document's is the group's active
    // stack, which Undo and Redo name. A member, not a child: it goes before
    // the documents, so no history tells a half-destroyed window anything.
    QUndoGroup m_histories;
};
