// The main window's life: construction, loading, the active document and what
// the window shows of it, the document host, and closing.
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QAbstractItemView>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <limits>

#include "app/AppContext.h"
#include "app/Icons.h"
#include "app/Settings.h"
#include "app/WindowPlacement.h"
#include "dialogs/frmTip.h"
#include "PositionPanel.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

frmMain::frmMain(AppContext& ctx) : m_ctx(ctx)
{
    setObjectName("frmMain");
    setWindowIcon(programIcon(ctx.paths.dataDir));
    m_mdi = new QMdiArea(this);
    m_mdi->setObjectName("mdiArea");
    m_mdi->setBackground(palette().brush(QPalette::Mid));
    setCentralWidget(m_mdi);
    connect(m_mdi, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* sub) {
        // Leaving a document clears its selection.
        if (m_previous && (!sub || sub->widget() != m_previous))
            m_previous->SelectNothing();
        auto* doc = sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr;
        m_previous = doc;
        if (doc)
            documentActivated(doc);
        else
            m_positionPanel->follow(nullptr);
        followActiveHistory();
        showZoom();
    });
    // Undo and Redo follow the history of whichever document is active.
    connect(&m_histories, &QUndoGroup::canUndoChanged, this, &frmMain::refreshUndoMenu);
    connect(&m_histories, &QUndoGroup::canRedoChanged, this, &frmMain::refreshUndoMenu);
    connect(&m_histories, &QUndoGroup::undoTextChanged, this, &frmMain::refreshUndoMenu);
    connect(&m_histories, &QUndoGroup::redoTextChanged, this, &frmMain::refreshUndoMenu);

    buildMenus();
    buildToolbars();
    buildStatusBar();
    m_positionPanel = new PositionPanel(ctx, *this, this);
    addDockWidget(Qt::RightDockWidgetArea, m_positionPanel);
    m_positionPanel->hide();
    // Closed with its own button, the panel's menu item follows.
    connect(m_positionPanel->toggleViewAction(), &QAction::toggled, this,
            [this](bool shown) { action("mnuViewPosition")->setChecked(shown); });

    m_txtCmdLine = new QLineEdit(this);
    m_txtCmdLine->setObjectName("txtCmdLine");
    m_txtCmdLine->hide();
    // A line box keeps 32,767 characters unless told otherwise: a longer
    // description must arrive whole, to be made whole or refused whole.
    m_txtCmdLine->setMaxLength(std::numeric_limits<int>::max());
    connect(m_txtCmdLine, &QLineEdit::textChanged, this, &frmMain::txtCmdLine_Change);

    m_timTipOfTheDay = new QTimer(this);
    m_timTipOfTheDay->setObjectName("timTipOfTheDay");
    m_timTipOfTheDay->setInterval(100);
    m_timTipOfTheDay->setSingleShot(true);
    connect(m_timTipOfTheDay, &QTimer::timeout, this, [this] {
        m_timTipOfTheDay->stop();
        if (settings::readInt32(m_ctx.store, settings::keys::ShowTips) == 1)
            frmTip::showTip(m_ctx, this);
    });
}

frmMain::~frmMain()
{
    // The documents outlive this object for a moment while Qt tears the
    // children down; they must not call back into a half-destroyed window.
    disconnect(m_mdi, nullptr, this, nullptr);
    for (frmDocument* d : documents())
        d->detachHost();
    delete m_printer;
}

void frmMain::Form_Load()
{
    ProgramValues& v = m_ctx.values;
    m_loading = true;
    settings::readAll(m_ctx.store, m_ctx.paths, v);
    // Left and Top are the frame's outer corner and Width and Height the client
    // area, as they are written at close: move() and resize() take that pair.
    QList<QRect> screens;
    QRect desktop;
    for (const QScreen* sc : QGuiApplication::screens()) {
        screens << sc->availableGeometry();
        desktop |= sc->availableGeometry();
    }
    const QScreen* primary = QGuiApplication::primaryScreen();
    QRect stored = placement::fromTwips(v.mainLeft, v.mainTop, v.mainWidth, v.mainHeight, placement::twipsPerPixel(primary));
    // No bigger than all the screens together.
    if (!desktop.isEmpty())
        stored.setSize(stored.size().boundedTo(desktop.size()));
    // The first start: wide enough for the toolbars, none of their buttons
    // hidden behind an extension arrow.
    if (!v.mainSizeStored) {
        stored.setWidth(std::max(stored.width(), widthForToolbars()));
        if (primary)
            stored.setWidth(std::min(stored.width(), primary->availableGeometry().width()));
    }
    const QRect place = placement::ontoScreens(stored, screens, primary ? primary->availableGeometry() : QRect());
    if (placement::placesWindows(QGuiApplication::platformName()))
        move(place.topLeft());
    resize(place.size());
    // Maximised as it was left, with the stored place to come back to.
    if (v.mainMaximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    showLabelTypeMenu(v.labelType);
    showBorderVisible(v.borderVisible);
    showBorderWidth(v.borderWidth);
    showBorderStyle(v.borderStyle);
    action("mnuViewShowGrid")->setChecked(v.showGrid);
    action("mnuViewSnapToGrid")->setChecked(v.snapToGrid);
    action("mnuViewShowGuides")->setChecked(v.showGuides);
    showAspectRatio(v.aspectRatio);
    const bool panelShown = settings::readBool(m_ctx.store, settings::keys::PositionPanel);
    action("mnuViewPosition")->setChecked(panelShown);
    m_positionPanel->setVisible(panelShown);
    // Made quietly (a first start makes all three): one line says so.
    const QString created = settings::createdFoldersText(settings::checkFolders(v, m_ctx.paths, true));
    if (!created.isEmpty())
        setStatusText(created);
    v.textAlignment = 2;
    button("Center")->setChecked(true);
    m_loading = false;
    m_cboFontSize->insertItem(0, "9");
    m_cboFontSize->insertItem(0, "8");
    m_cboFontSize->insertItem(0, "6");
    m_recent = RecentFileList();
    m_recent.loadRecentFiles(m_ctx.store);
    refreshRecentMenu();
    settings::checkHelpFile(m_ctx.paths, m_ctx.platform);
    setWindowTitle(QString("Corkcrafter - %1.%2").arg(CORKCRAFTER_VERSION_MAJOR).arg(CORKCRAFTER_VERSION_MINOR, 2, 10, QChar('0')));
}

int frmMain::widthForToolbars() const
{
    // The main toolbar has a row of its own; the text and border toolbars share the next.
    const int mainRow = m_toolbars[0]->sizeHint().width();
    const int secondRow = m_toolbars[1]->sizeHint().width() + m_toolbars[2]->sizeHint().width();
    const QMargins frame = contentsMargins();
    return std::max(mainRow, secondRow) + frame.left() + frame.right();
}

void frmMain::fillFonts(const QStringList& families)
{
    const QString keep = m_cboFonts->currentText();
    m_cboFonts->clear();
    m_cboFonts->addItems(Module1::buildFontList(families));
    m_cboFonts->setCurrentText(keep);
}

frmDocument* frmMain::activeDocument() const
{
    QMdiSubWindow* sub = m_mdi->currentSubWindow();
    if (!sub)
        sub = m_mdi->activeSubWindow();
    return sub ? qobject_cast<frmDocument*>(sub->widget()) : nullptr;
}

QList<frmDocument*> frmMain::documents() const
{
    QList<frmDocument*> list;
    for (QMdiSubWindow* s : m_mdi->subWindowList(QMdiArea::CreationOrder))
        if (auto* d = qobject_cast<frmDocument*>(s->widget()))
            list << d;
    return list;
}

void frmMain::followActiveHistory()
{
    frmDocument* doc = activeDocument();
    m_histories.setActiveStack(doc ? &doc->history() : nullptr);
}

void frmMain::documentActivated(frmDocument* doc)
{
    followActiveHistory();
    showBorderWidth(doc->border().width);
    showBorderVisible(doc->border().visible);
    showBorderStyle(doc->valBorderStyle);
    showLabelTypeMenu(doc->getLabelType());
    showAspectRatio(doc->valMaintainAspectRatioFlag);
    drawGrid();
    selectionChanged(doc);
    m_positionPanel->follow(doc);
    doc->update();
}

void frmMain::selectionChanged(frmDocument* doc)
{
    if (doc != activeDocument())
        return;
    const bool pic = doc->activeItemSelected(), text = doc->activeTextItemSelected();
    const bool any = bool(doc->activeId()); // a QR code too
    action("mnuEditDelete")->setEnabled(any);
    action("mnuViewBringForward")->setEnabled(any);
    action("mnuViewSendBack")->setEnabled(any);
    action("mnuTextEdit")->setEnabled(text);
    action("mnuGraphicEdit")->setEnabled(pic);
    // Only a text turns; on a picture the commands stay off. The menu's
    // entries are hidden (and so never run); the text toolbar's buttons show.
    action("mnuGraphicRotateLeft")->setEnabled(text);
    action("mnuGraphicRotateRight")->setEnabled(text);
    button("Rotate Text Left")->setEnabled(text);
    button("Rotate Text Right")->setEnabled(text);
    button("Delete")->setEnabled(any);
    button("Bring Forward")->setEnabled(any);
    button("Send Back")->setEnabled(any);
}

void frmMain::showTextFormat(const TextItem& t)
{
    m_cboFonts->setCurrentText(t.font.name);
    const double s = std::floor(t.font.size * 2) / 2;
    m_cboFontSize->setCurrentText(QLocale().toString(s, 'g', 6));
    button("Bold")->setChecked(t.font.bold);
    button("Italic")->setChecked(t.font.italic);
    button("Underline")->setChecked(t.font.underline);
    m_ctx.values.bold = t.font.bold;
    m_ctx.values.italic = t.font.italic;
    m_ctx.values.underline = t.font.underline;
    const char* keys[] = {"Align Left", "Align Right", "Center"};
    if (t.alignment >= 0 && t.alignment <= 2)
        button(keys[t.alignment])->setChecked(true);
}

void frmMain::showLabelTypeMenu(int16_t type)
{
    if (type < 0 || type > 2)
        return;
    action("mnuFileLabelSize0")->setChecked(type == 0);
    action("mnuFileLabelSize1")->setChecked(type == 1);
}

void frmMain::showBorderVisible(bool visible)
{
    action("mnuLabelBorderVisible")->setChecked(visible);
    button("Show Border")->setChecked(visible);
}

void frmMain::showBorderWidth(int width) { m_cboBorderWidth->setCurrentText(QString::number(width)); }
void frmMain::showBorderStyle(const QString& style) { m_cboBorderStyle->setCurrentText(style); }

void frmMain::showAspectRatio(bool flag)
{
    action("mnuGraphicAspectRatio")->setChecked(flag);
    button("Aspect Ratio")->setChecked(flag);
}

// ------------------------------------------------------------- document host

bool frmMain::gridShown() const { return action("mnuViewShowGrid")->isChecked(); }
bool frmMain::snapToGrid() const { return action("mnuViewSnapToGrid")->isChecked(); }
bool frmMain::guidesShown() const { return action("mnuViewShowGuides")->isChecked(); }
bool frmMain::maintainAspectRatio() const { return action("mnuGraphicAspectRatio")->isChecked(); }

TextFormat frmMain::currentTextFormat() const
{
    TextFormat f;
    f.fontName = m_cboFonts->currentText();
    f.fontSize = m_cboFontSize->currentText();
    f.bold = button("Bold")->isChecked();
    f.italic = button("Italic")->isChecked();
    f.underline = button("Underline")->isChecked();
    f.alignment = button("Align Left")->isChecked() ? 0 : button("Align Right")->isChecked() ? 1 : 2;
    return f;
}

void frmMain::enableItemCommands(frmDocument& doc) { selectionChanged(&doc); }

void frmMain::textFormatShown(frmDocument&, const TextItem& item) { showTextFormat(item); }

void frmMain::borderStyleShown(frmDocument&, const QString& style) { showBorderStyle(style); }

void frmMain::labelTypeShown(frmDocument&, int16_t type) { showLabelTypeMenu(type); }

void frmMain::popupEditMenu(frmDocument&, const QPoint& globalPos) { m_editMenu->popup(globalPos); }

// ------------------------------------------------------------- focus and closing

void frmMain::moveEvent(QMoveEvent* e)
{
    // The window manager's frame of the normal window, to store a maximised
    // window's normal place as the outer corner like any other.
    if (windowState() == Qt::WindowNoState && isVisible())
        m_frameOffset = geometry().topLeft() - frameGeometry().topLeft();
    QMainWindow::moveEvent(e);
}

void frmMain::changeEvent(QEvent* e)
{
    // The window is activated whenever a dialog or message box of ours closes
    // (and when the user comes back from another program). A selected item
    // keeps the keyboard, so Delete, the arrow keys, Ctrl+V and Ctrl+Z act on
    // the label instead of editing the font box. Without a selection the focus
    // goes back where it was; only a window that never had it starts in the
    // formatting boxes, the font box last.
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        frmDocument* d = activeDocument();
        if (d && (d->activeItemSelected() || d->activeTextItemSelected())) {
            d->picLabelView()->setFocus(Qt::ActiveWindowFocusReason);
        } else if (!focusWidget()) {
            m_cboBorderWidth->setFocus();
            m_cboFonts->setFocus();
        }
    }
    QMainWindow::changeEvent(e);
}

bool frmMain::eventFilter(QObject* o, QEvent* e)
{
    // Stepping through the closed font or size list would restyle the selected
    // text at every key (one undo step each): the list is browsed opened
    // (Alt+Down or F4) and a font is applied when it is chosen there.
    if ((o == m_cboFonts || o == m_cboFontSize) && e->type() == QEvent::KeyPress &&
        !static_cast<QComboBox*>(o)->view()->isVisible()) {
        const int key = static_cast<QKeyEvent*>(e)->key();
        const bool alt = static_cast<QKeyEvent*>(e)->modifiers() & Qt::AltModifier;
        if (!alt && (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp || key == Qt::Key_PageDown))
            return true;
    }
    // An editable combo box keeps the focus itself (its editor is only its
    // proxy), so leaving the box is seen on the box; opening its own list (or
    // any pop-up) is not leaving it.
    if (e->type() == QEvent::FocusOut && static_cast<QFocusEvent*>(e)->reason() != Qt::PopupFocusReason &&
        !QApplication::activePopupWidget()) {
        if (o == m_cboBorderWidth)
            cboBorderWidth_LostFocus();
        else if (o == m_cboFontSize)
            cboFontSize_Commit();
    }
    return QMainWindow::eventFilter(o, e);
}

bool frmMain::closeAllDocuments()
{
    const QList<QMdiSubWindow*> subs = m_mdi->subWindowList(QMdiArea::CreationOrder);
    for (int i = int(subs.size()) - 1; i >= 0; --i) {
        m_mdi->setActiveSubWindow(subs[i]);
        if (!subs[i]->close())
            return false;
    }
    return true;
}

void frmMain::writeCloseSettings()
{
    using namespace settings;
    SettingsStore& s = m_ctx.store;
    const double k = placement::twipsPerPixel(QGuiApplication::primaryScreen());
    const bool placed = placement::placesWindows(QGuiApplication::platformName());
    auto writePlace = [&](QPoint frameCorner, QSize client) {
        if (placed) {
            writeNumber(s, keys::MainLeft, std::round(frameCorner.x() * k));
            writeNumber(s, keys::MainTop, std::round(frameCorner.y() * k));
        }
        writeNumber(s, keys::MainHeight, std::round(client.height() * k));
        writeNumber(s, keys::MainWidth, std::round(client.width() * k));
    };
    if (isMaximized()) {
        writeWhole(s, keys::WindowState, 2);
        // The place it goes back to when un-maximised next time.
        const QRect normal = normalGeometry();
        if (normal.isValid())
            writePlace(normal.topLeft() - m_frameOffset, normal.size());
    } else if (!isMinimized()) {
        writeWhole(s, keys::WindowState, 0);
        writePlace(pos(), size());
    }
    writeBool(s, keys::ShowGrid, action("mnuViewShowGrid")->isChecked());
    writeBool(s, keys::ShowGuides, action("mnuViewShowGuides")->isChecked());
    writeWhole(s, keys::GuideSetting, m_ctx.values.guideSetting);
    writeBool(s, keys::PositionPanel, action("mnuViewPosition")->isChecked());
    m_recent.saveRecentFiles(s);
    settings::reportWriteFailure(s, m_ctx.platform);
    m_ctx.values.applicationClosing = true;
}

void frmMain::closeEvent(QCloseEvent* e)
{
    m_closing = true;
    if (m_editorRunning || !closeAllDocuments()) {
        m_closing = false;
        e->ignore();
        return;
    }
    writeCloseSettings();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    e->accept();
}
