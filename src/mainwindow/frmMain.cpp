#include "frmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPrinter>
#include <QProcess>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>

#include "ComboRules.h"
#include "Icons.h"
#include "app/AppContext.h"
#include "app/Colors.h"
#include "app/Settings.h"
#include "dialogs/frmTextInput.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "printing/PdfOutput.h"
#include "printing/PrintJob.h"

namespace {

const char* LabelFilter = "Corkcrafter Files (*.ckm)|*.ckm|All Files (*.*)|*.*";
const char* PictureFilter = "Picture Files (*.bmp;*.jpg;*.gif;*.wmf)|*.bmp;*.jpg;*.gif;*.wmf|"
                            "More Pictures (*.png;*.jpeg;*.emf)|*.png;*.jpeg;*.emf|All Files (*.*)|*.*";

double screenTwipsPerPixel()
{
    const QScreen* s = QGuiApplication::primaryScreen();
    const double dpi = s ? s->logicalDotsPerInch() : 96;
    return dpi > 0 ? 1440.0 / dpi : 15.0;
}

} // namespace

frmMain::frmMain(AppContext& ctx) : m_ctx(ctx)
{
    setObjectName("frmMain");
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
    });

    buildMenus();
    buildToolbars();
    buildStatusBar();

    m_txtCmdLine = new QLineEdit(this);
    m_txtCmdLine->setObjectName("txtCmdLine");
    m_txtCmdLine->hide();

    m_timTipOfTheDay = new QTimer(this);
    m_timTipOfTheDay->setObjectName("timTipOfTheDay");
    m_timTipOfTheDay->setInterval(100);
    m_timTipOfTheDay->setSingleShot(true);
    // The tip of the day is shown from here once its window exists.
    connect(m_timTipOfTheDay, &QTimer::timeout, this, [this] { m_timTipOfTheDay->stop(); });
}

frmMain::~frmMain()
{
    // The documents outlive this object for a moment while Qt tears the
    // children down; they must not call back into a half-destroyed window.
    disconnect(m_mdi, nullptr, this, nullptr);
    for (frmDocument* d : documents())
        d->detachMain();
    delete m_printer;
}

QAction* frmMain::addItem(QMenu* menu, const QString& name, const QString& caption, const QKeySequence& key)
{
    auto* a = menu->addAction(caption);
    a->setObjectName(name);
    if (!key.isEmpty())
        a->setShortcut(key);
    m_actions[name] = a;
    return a;
}

QAction* frmMain::action(const QString& name) const { return m_actions.value(name); }

QAction* frmMain::button(const QString& key) const
{
    for (QAction* a : m_buttons)
        if (a->data().toString() == key)
            return a;
    return nullptr;
}

QAction* frmMain::mruItem(int i) const { return m_mruItems.value(i); }

void frmMain::buildMenus()
{
    QMenuBar* mb = menuBar();
    auto menu = [&](const QString& name, const QString& caption) {
        QMenu* m = mb->addMenu(caption);
        m->setObjectName(name);
        m->menuAction()->setObjectName(name);
        return m;
    };
    auto sep = [&](QMenu* m, const QString& name, bool visible = true) {
        QAction* s = m->addSeparator();
        s->setObjectName(name);
        s->setVisible(visible);
        return s;
    };

    QMenu* f = menu("mnuFile", "&File");
    m_fileMenu = f;
    connect(addItem(f, "mnuFileNew", "&New", QKeySequence("Ctrl+N")), &QAction::triggered, this, [this] { LoadNewDoc(); });
    connect(addItem(f, "mnuFileOpen", "&Open...", QKeySequence("Ctrl+O")), &QAction::triggered, this, [this] { mnuFileOpen_Click(); });
    connect(addItem(f, "mnuFileClose", "&Close"), &QAction::triggered, this, [this] { mnuFileClose_Click(); });
    sep(f, "mnuFileBar0");
    QAction* save0 = addItem(f, "mnuFileSave0", "&Save");
    save0->setShortcut(QKeySequence::Save);
    connect(save0, &QAction::triggered, this, [this] { mnuFileSave_Click(0); });
    connect(addItem(f, "mnuFileSave1", "Save &As..."), &QAction::triggered, this, [this] { mnuFileSave_Click(1); });
    connect(addItem(f, "mnuFileSaveAll", "Save A&ll"), &QAction::triggered, this, [this] { mnuFileSaveAll_Click(); });
    sep(f, "mnuFileBar1");
    const char* sizes[] = {"Default &Beer Label", "Default &Wine Label", "&Label Properties/Options..."};
    for (int i = 0; i < 3; ++i) {
        QAction* a = addItem(f, QString("mnuFileLabelSize%1").arg(i), sizes[i]);
        if (i < 2)
            a->setCheckable(true);
        connect(a, &QAction::triggered, this, [this, i] { mnuFileLabelSize_Click(i); });
    }
    sep(f, "mnuFileBar2");
    connect(addItem(f, "mnuFilePageSetup", "Page Set&up..."), &QAction::triggered, this, [this] { mnuFilePageSetup_Click(); });
    connect(addItem(f, "mnuFilePrintPreview", "Print Pre&view"), &QAction::triggered, this,
            [this] { m_ctx.platform.message("Print Preview is not available yet.", MsgIcon::Information); });
    QAction* print = addItem(f, "mnuFilePrint", "&Print...");
    print->setShortcut(QKeySequence::Print);
    connect(print, &QAction::triggered, this, [this] { mnuFilePrint_Click(); });
    m_mnuFileBar4 = sep(f, "mnuFileBar4");
    for (int i = 0; i < 4; ++i) {
        QAction* a = addItem(f, QString("mnuFileMRU%1").arg(i), QString());
        a->setVisible(false);
        connect(a, &QAction::triggered, this, [this, i] { mnuFileMRU_Click(i); });
        m_mruItems << a;
    }
    sep(f, "mnuFileBar5", false);
    QAction* exit = addItem(f, "mnuFileExit", "E&xit");
    connect(exit, &QAction::triggered, this, [this] { close(); });

    QMenu* e = menu("mnuEdit", "&Edit");
    m_editMenu = e;
    addItem(e, "mnuEditUndo", "&Undo")->setVisible(false);
    sep(e, "mnuEditBar0", false);
    QAction* del = addItem(e, "mnuEditDelete", "Delete", QKeySequence(Qt::Key_Delete));
    del->setEnabled(false);
    connect(del, &QAction::triggered, this, [this] {
        if (auto* d = activeDocument())
            d->deleteSelectedObject();
    });
    sep(e, "mnuEditBar1");
    for (auto [name, caption, key] : {std::tuple{"mnuEditCut", "Cu&t", "Ctrl+X"},
                                      std::tuple{"mnuEditCopy", "&Copy", "Ctrl+C"},
                                      std::tuple{"mnuEditPaste", "&Paste", "Ctrl+V"}}) {
        connect(addItem(e, name, caption, QKeySequence(key)), &QAction::triggered, this,
                [this] { m_ctx.platform.message("The clipboard commands are not available yet.", MsgIcon::Information); });
    }

    QMenu* v = menu("mnuView", "&View");
    QAction* tb = addItem(v, "mnuViewToolbar", "&Toolbar");
    tb->setCheckable(true);
    tb->setChecked(true);
    connect(tb, &QAction::triggered, this, [this] { mnuViewToolbar_Click(); });
    QAction* sbar = addItem(v, "mnuViewStatusBar", "Status &Bar");
    sbar->setCheckable(true);
    sbar->setChecked(true);
    connect(sbar, &QAction::triggered, this, [this] { mnuViewStatusBar_Click(); });
    sep(v, "mnuViewBar0");
    connect(addItem(v, "mnuViewDefineGrid", "&Define Grid"), &QAction::triggered, this, [this] { mnuViewDefineGrid_Click(); });
    QAction* sg = addItem(v, "mnuViewShowGrid", "&Show Grid");
    sg->setCheckable(true);
    connect(sg, &QAction::triggered, this, [this] { mnuViewShowGrid_Click(); });
    QAction* snap = addItem(v, "mnuViewSnapToGrid", "Snap To &Grid");
    snap->setCheckable(true);
    connect(snap, &QAction::triggered, this, [this] { mnuViewSnapToGrid_Click(); });
    QAction* guides = addItem(v, "mnuViewShowGuides", "Sho&w Guides");
    guides->setCheckable(true);
    connect(guides, &QAction::triggered, this, [this] { mnuViewShowGuides_Click(); });
    sep(v, "mnuViewBar1");
    QAction* fwd = addItem(v, "mnuViewBringForward", "Bring &Forward");
    fwd->setEnabled(false);
    connect(fwd, &QAction::triggered, this, [this] {
        if (auto* d = activeDocument())
            d->bringForwardActive();
    });
    QAction* back = addItem(v, "mnuViewSendBack", "Send &Back");
    back->setEnabled(false);
    connect(back, &QAction::triggered, this, [this] {
        if (auto* d = activeDocument())
            d->sendBackActive();
    });

    QMenu* t = menu("mnuText", "&Text");
    connect(addItem(t, "mnuTextNew", "&New Text"), &QAction::triggered, this, [this] { mnuTextNew_Click(); });
    QAction* te = addItem(t, "mnuTextEdit", "&Edit Text");
    te->setEnabled(false);
    connect(te, &QAction::triggered, this, [this] {
        if (auto* d = activeDocument())
            editText(d);
    });
    sep(t, "mnuTextBar0");
    connect(addItem(t, "mnuTextColor", "Text &Color"), &QAction::triggered, this, [this] { mnuTextColor_Click(); });

    QMenu* g = menu("mnuGraphic", "&Graphic");
    connect(addItem(g, "mnuGraphicNew", "&New Graphic"), &QAction::triggered, this, [this] { mnuGraphicNew_Click(); });
    sep(g, "mnuGraphicBar0");
    QAction* ar = addItem(g, "mnuGraphicAspectRatio", "Maintain &Aspect Ratio");
    ar->setCheckable(true);
    connect(ar, &QAction::triggered, this, [this] { mnuGraphicAspectRatio_Click(); });
    sep(g, "mnuGraphicBar1");
    QAction* ge = addItem(g, "mnuGraphicEdit", "Edit Graphic");
    ge->setEnabled(false);
    connect(ge, &QAction::triggered, this, [this] { mnuGraphicEdit_Click(); });
    sep(g, "mnuGraphicBar2", false);
    for (auto [name, caption] : {std::pair{"mnuGraphicRotateLeft", "Rotate &Left"},
                                 std::pair{"mnuGraphicRotateRight", "Rotate &Right"},
                                 std::pair{"mnuGraphicMirror", "&Mirror"}}) {
        QAction* a = addItem(g, name, caption);
        a->setVisible(false);
        a->setEnabled(false);
    }

    QMenu* l = menu("mnuLabel", "&Label");
    QAction* bv = addItem(l, "mnuLabelBorderVisible", "Border &Visible");
    bv->setCheckable(true);
    // The command inverts the check itself, as the toolbar button does.
    connect(bv, &QAction::triggered, this, [this, bv] {
        bv->setChecked(!bv->isChecked());
        mnuLabelBorderVisible_Click();
    });
    connect(addItem(l, "mnuLabelBorderColor", "Border &Color"), &QAction::triggered, this, [this] { mnuLabelBorderColor_Click(); });
    sep(l, "mnuLabelBar0");
    connect(addItem(l, "mnuLabelBackColor", "Label Background Color"), &QAction::triggered, this, [this] { mnuLabelBackColor_Click(); });

    QMenu* w = menu("mnuWindow", "&Window");
    connect(addItem(w, "mnuWindowNewWindow", "&New Window"), &QAction::triggered, this, [this] { LoadNewDoc(); });
    sep(w, "mnuWindowBar0");
    connect(addItem(w, "mnuWindowCascade", "&Cascade"), &QAction::triggered, this, [this] {
        m_mdi->cascadeSubWindows();
        for (frmDocument* d : documents())
            if (auto* sub = qobject_cast<QMdiSubWindow*>(d->parentWidget()); sub && !sub->isMinimized() && !sub->isMaximized())
                d->resizeLabel();
    });
    connect(addItem(w, "mnuWindowTileHorizontal", "Tile &Horizontal"), &QAction::triggered, this, [this] {
        m_mdi->tileSubWindows();
        for (frmDocument* d : documents())
            d->setScrollBars();
    });
    connect(addItem(w, "mnuWindowTileVertical", "Tile &Vertical"), &QAction::triggered, this, [this] {
        // Side by side: each window the full height, an equal share of the width.
        const QList<QMdiSubWindow*> subs = m_mdi->subWindowList();
        if (subs.isEmpty())
            return;
        const QRect area = m_mdi->viewport()->rect();
        const int wEach = area.width() / int(subs.size());
        for (int i = 0; i < subs.size(); ++i) {
            subs[i]->showNormal();
            subs[i]->setGeometry(i * wEach, 0, wEach, area.height());
        }
        for (frmDocument* d : documents())
            d->setScrollBars();
    });
    connect(addItem(w, "mnuWindowArrangeIcons", "&Arrange Icons"), &QAction::triggered, this, [this] {
        int x = 0;
        for (QMdiSubWindow* s : m_mdi->subWindowList())
            if (s->isMinimized()) {
                s->move(x, m_mdi->viewport()->height() - s->height());
                x += s->width();
            }
    });
    sep(w, "mnuWindowBar1");
    // The list of open windows follows.
    connect(w, &QMenu::aboutToShow, this, [this, w] {
        for (QAction* a : w->actions())
            if (a->property("windowEntry").toBool())
                w->removeAction(a), a->deleteLater();
        int n = 1;
        for (QMdiSubWindow* s : m_mdi->subWindowList()) {
            QAction* a = w->addAction(QString("&%1 %2").arg(n++).arg(s->windowTitle()));
            a->setProperty("windowEntry", true);
            a->setCheckable(true);
            a->setChecked(s == m_mdi->currentSubWindow());
            connect(a, &QAction::triggered, this, [this, s] { m_mdi->setActiveSubWindow(s); });
        }
    });

    QMenu* h = menu("mnuHelp", "&Help");
    connect(addItem(h, "mnuHelpContents", "&Contents...", QKeySequence::HelpContents), &QAction::triggered, this,
            [this] { m_ctx.platform.showHelp(m_ctx.paths.helpFile(), QString()); });
    connect(addItem(h, "mnuHelpIndex", "Help &Index..."), &QAction::triggered, this,
            [this] { m_ctx.platform.showHelp(m_ctx.paths.helpFile(), "index"); });
    connect(addItem(h, "mnuHelpSearch", "&Search for Help On..."), &QAction::triggered, this,
            [this] { m_ctx.platform.showHelp(m_ctx.paths.helpFile(), "search"); });
    sep(h, "mnuHelpBar0");
    connect(addItem(h, "mnuHelpTip", "&Tip of the Day"), &QAction::triggered, this,
            [this] { m_ctx.platform.message("Tips of the day are not available yet.", MsgIcon::Information); });
    sep(h, "mnuHelpBar1");
    connect(addItem(h, "mnuHelpOtherSoftware", "&Other Kelvane Software"), &QAction::triggered, this,
            [this] { m_ctx.platform.message("Other software is not available yet.", MsgIcon::Information); });
    connect(addItem(h, "mnuHelpAbout", "&About "), &QAction::triggered, this, [this] {
        m_ctx.platform.message(QString("Corkcrafter %1.%2\nLabel designer for home brewers and wine makers.")
                                   .arg(CORKCRAFTER_VERSION_MAJOR)
                                   .arg(CORKCRAFTER_VERSION_MINOR, 2, 10, QChar('0')),
                               MsgIcon::Information, "About Corkcrafter");
    });
}

QAction* frmMain::addButton(QToolBar* tb, const QString& key, const QString& tooltip, bool check)
{
    QAction* a = tb->addAction(toolbarIcon(key), key);
    a->setData(key);
    QString name = key;
    name.remove(' ');
    a->setObjectName("tb" + name);
    a->setToolTip(tooltip.isEmpty() ? key : tooltip);
    a->setCheckable(check);
    connect(a, &QAction::triggered, this, [this, a] { tbToolbar_ButtonClick(a->data().toString()); });
    m_buttons[a->objectName()] = a;
    return a;
}

void frmMain::buildToolbars()
{
    const char* names[] = {"Main", "Text", "Border"};
    for (int i = 0; i < 3; ++i) {
        m_toolbars[i] = new QToolBar(names[i], this);
        m_toolbars[i]->setObjectName(QString("tbToolbar%1").arg(i));
        m_toolbars[i]->setIconSize(QSize(22, 22));
    }
    addToolBar(Qt::TopToolBarArea, m_toolbars[0]);
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, m_toolbars[1]);
    addToolBar(Qt::TopToolBarArea, m_toolbars[2]);

    QToolBar* t0 = m_toolbars[0];
    addButton(t0, "New");
    addButton(t0, "Open");
    addButton(t0, "Save");
    t0->addSeparator();
    addButton(t0, "Print");
    addButton(t0, "Preview", "Print Preview");
    t0->addSeparator();
    addButton(t0, "Cut");
    addButton(t0, "Copy");
    addButton(t0, "Paste");
    t0->addSeparator();
    addButton(t0, "Delete")->setEnabled(false);
    t0->addSeparator();
    addButton(t0, "Select", "Select Label Size");
    t0->addSeparator();

    auto dropDown = [&](const QString& key, const QString& tip, const QStringList& items, QToolButton** out) {
        QAction* a = addButton(t0, key, tip);
        auto* menu = new QMenu(this);
        for (const QString& item : items) {
            QAction* ia = menu->addAction(toolbarIcon(item), item);
            ia->setData(item);
            connect(ia, &QAction::triggered, this, [this, item] { tbToolbar_ButtonMenuClick(item); });
        }
        auto* btn = qobject_cast<QToolButton*>(t0->widgetForAction(a));
        btn->setMenu(menu);
        btn->setPopupMode(QToolButton::MenuButtonPopup);
        *out = btn;
    };
    dropDown("Horizontal Center", "Horizontal Alignment", {"Left Align", "Horizontal Center", "Right Align"}, &m_hAlignButton);
    dropDown("Vertical Center", "Vertical Alignment", {"Top Align", "Vertical Center", "Bottom Align"}, &m_vAlignButton);
    t0->addSeparator();
    addButton(t0, "Add Image");
    addButton(t0, "Aspect Ratio", "Maintain Aspect Ratio", true);
    addButton(t0, "Bring Forward")->setEnabled(false);
    addButton(t0, "Send Back")->setEnabled(false);
    // Rotating and mirroring pictures is not offered: these buttons stay hidden.
    for (const char* k : {"Rotate Left", "Rotate Right", "Mirror"})
        addButton(t0, k)->setVisible(false);

    QToolBar* t1 = m_toolbars[1];
    m_cboFonts = new QComboBox(this);
    m_cboFonts->setObjectName("cboFonts");
    m_cboFonts->setEditable(true);
    m_cboFonts->setInsertPolicy(QComboBox::NoInsert);
    m_cboFonts->setMinimumContentsLength(16);
    m_cboFonts->setToolTip("Fonts");
    t1->addWidget(m_cboFonts);
    t1->addSeparator();
    m_cboFontSize = new QComboBox(this);
    m_cboFontSize->setObjectName("cboFontSize");
    m_cboFontSize->setEditable(true);
    m_cboFontSize->setInsertPolicy(QComboBox::NoInsert);
    m_cboFontSize->addItems({"10", "11", "12", "14", "16", "18", "20", "24", "28", "32", "40", "48", "56", "64", "72"});
    m_cboFontSize->setCurrentText("18");
    m_cboFontSize->setMinimumContentsLength(3);
    m_cboFontSize->setToolTip("Font Size");
    t1->addWidget(m_cboFontSize);
    t1->addSeparator();
    addButton(t1, "Add Text");
    addButton(t1, "Text Color");
    t1->addSeparator();
    addButton(t1, "Bold", {}, true);
    addButton(t1, "Italic", {}, true);
    addButton(t1, "Underline", {}, true);
    addButton(t1, "Shadow", {}, true);
    t1->addSeparator();
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusive(true);
    for (const char* k : {"Align Left", "Center", "Align Right"})
        m_alignGroup->addAction(addButton(t1, k, {}, true));

    QToolBar* t2 = m_toolbars[2];
    addButton(t2, "Show Border", {}, true);
    addButton(t2, "Border Color");
    m_cboBorderWidth = new QComboBox(this);
    m_cboBorderWidth->setObjectName("cboBorderWidth");
    m_cboBorderWidth->setEditable(true);
    m_cboBorderWidth->setInsertPolicy(QComboBox::NoInsert);
    m_cboBorderWidth->addItems({"1 ", "2 ", "3 ", "4 ", "6 ", "8 ", "10", "12", "14", "16", "18", "20", "25", "30", "35", "40"});
    m_cboBorderWidth->setMinimumContentsLength(3);
    m_cboBorderWidth->setToolTip("Border Width");
    t2->addWidget(m_cboBorderWidth);
    t2->addSeparator();
    m_cboBorderStyle = new QComboBox(this);
    m_cboBorderStyle->setObjectName("cboBorderStyle");
    m_cboBorderStyle->addItems({"Square", "Rounded", "Oval"});
    m_cboBorderStyle->setToolTip("Border Style");
    t2->addWidget(m_cboBorderStyle);
    t2->addSeparator();
    addButton(t2, "Help");

    connect(m_cboBorderWidth->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& t) { cboBorderWidth_Change(t); });
    connect(m_cboBorderWidth, &QComboBox::activated, this, [this] { cboBorderWidth_Click(); });
    m_cboBorderWidth->lineEdit()->installEventFilter(this);
    connect(m_cboBorderStyle, &QComboBox::activated, this, [this] { cboBorderStyle_Click(); });
    connect(m_cboFonts, &QComboBox::activated, this, [this] { cboFonts_Click(); });
    connect(m_cboFonts->lineEdit(), &QLineEdit::returnPressed, this, [this] { cboFonts_Click(); });
    connect(m_cboFonts, &QComboBox::currentTextChanged, this, [this](const QString& t) { m_ctx.values.fontName = t; });
    connect(m_cboFontSize, &QComboBox::activated, this, [this] { cboFontSize_Commit(); });
    connect(m_cboFontSize->lineEdit(), &QLineEdit::returnPressed, this, [this] { cboFontSize_Commit(); });
    connect(m_cboFontSize, &QComboBox::currentTextChanged, this, [this](const QString& t) { m_ctx.values.fontSize = t; });
    m_cboFontSize->lineEdit()->installEventFilter(this);
}

void frmMain::buildStatusBar()
{
    QStatusBar* sb = statusBar();
    sb->setObjectName("sbStatusBar");
    m_statusPanel = new QLabel("Status", sb);
    m_statusPanel->setObjectName("Status");
    m_datePanel = new QLabel(sb);
    m_datePanel->setObjectName("Date");
    m_timePanel = new QLabel(sb);
    m_timePanel->setObjectName("Time");
    sb->addWidget(m_statusPanel, 1);
    sb->addPermanentWidget(m_datePanel);
    sb->addPermanentWidget(m_timePanel);
    m_clock = new QTimer(this);
    auto tick = [this] {
        const QDateTime now = QDateTime::currentDateTime();
        m_datePanel->setText(QLocale().toString(now.date(), QLocale::ShortFormat));
        m_timePanel->setText(QLocale().toString(now.time(), QLocale::ShortFormat));
    };
    tick();
    connect(m_clock, &QTimer::timeout, this, tick);
    m_clock->start(1000);
}

void frmMain::Form_Load()
{
    ProgramValues& v = m_ctx.values;
    m_loading = true;
    settings::readAll(m_ctx.store, m_ctx.paths, v);
    const double k = screenTwipsPerPixel();
    setGeometry(settings::mainWindowRect(v, screen()->availableGeometry(), k));
    showLabelTypeMenu(v.labelType);
    showBorderVisible(v.borderVisible);
    showBorderWidth(v.borderWidth);
    showBorderStyle(v.borderStyle);
    action("mnuViewShowGrid")->setChecked(v.showGrid);
    action("mnuViewSnapToGrid")->setChecked(v.snapToGrid);
    action("mnuViewShowGuides")->setChecked(v.showGuides);
    showAspectRatio(v.aspectRatio);
    settings::checkFolders(v, m_ctx.paths, m_ctx.platform);
    v.textAlignment = 2;
    button("Center")->setChecked(true);
    m_loading = false;
    m_cboFontSize->insertItem(0, "9");
    m_cboFontSize->insertItem(0, "8");
    m_cboFontSize->insertItem(0, "6");
    m_recent = RecentFileList();
    m_recent.loadRecentFiles(m_ctx.store);
    refreshRecentMenu();
    cmdLineFileName.clear();
    settings::checkHelpFile(m_ctx.paths, m_ctx.platform);
    setWindowTitle(QString("Corkcrafter - %1.%2").arg(CORKCRAFTER_VERSION_MAJOR).arg(CORKCRAFTER_VERSION_MINOR, 2, 10, QChar('0')));
}

void frmMain::fillFonts(const QStringList& families)
{
    const QString keep = m_cboFonts->currentText();
    m_cboFonts->clear();
    m_cboFonts->addItems(Module1::buildFontList(families));
    m_cboFonts->setCurrentText(keep);
}

// ------------------------------------------------------------- documents

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

void frmMain::LoadNewDoc()
{
    ++m_documentCounter;
    auto* doc = new frmDocument(m_ctx, this);
    const QString caption = "Label " + QString::number(m_documentCounter);
    QMdiSubWindow* sub = m_mdi->addSubWindow(doc);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowIcon(programIcon());
    doc->setCaption(caption);
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

void frmMain::documentActivated(frmDocument* doc)
{
    showBorderWidth(doc->border().width);
    showBorderVisible(doc->border().visible);
    showBorderStyle(doc->valBorderStyle);
    showLabelTypeMenu(doc->getLabelType());
    showAspectRatio(doc->valMaintainAspectRatioFlag);
    drawGrid();
    selectionChanged(doc);
    doc->update();
}

void frmMain::drawGrid()
{
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    doc->setGridShown(action("mnuViewShowGrid")->isChecked());
    doc->showGuides(action("mnuViewShowGuides")->isChecked());
}

void frmMain::selectionChanged(frmDocument* doc)
{
    if (doc != activeDocument())
        return;
    const bool pic = doc->activeItemSelected(), text = doc->activeTextItemSelected();
    const bool any = pic || text;
    action("mnuEditDelete")->setEnabled(any);
    action("mnuViewBringForward")->setEnabled(any);
    action("mnuViewSendBack")->setEnabled(any);
    action("mnuTextEdit")->setEnabled(text);
    action("mnuGraphicEdit")->setEnabled(pic);
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

// ------------------------------------------------------------- state display

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

// ------------------------------------------------------------- toolbar

void frmMain::tbToolbar_ButtonClick(const QString& key)
{
    m_toolbarClick = true;
    frmDocument* doc = activeDocument();
    if (key == "New")
        LoadNewDoc();
    else if (key == "Open")
        mnuFileOpen_Click();
    else if (key == "Save")
        mnuFileSave_Click(0);
    else if (key == "Print")
        action("mnuFilePrint")->trigger();
    else if (key == "Preview")
        action("mnuFilePrintPreview")->trigger();
    else if (key == "Cut")
        action("mnuEditCut")->trigger();
    else if (key == "Copy")
        action("mnuEditCopy")->trigger();
    else if (key == "Paste")
        action("mnuEditPaste")->trigger();
    else if (key == "Delete") {
        if (doc)
            doc->deleteSelectedObject();
    } else if (key == "Select")
        mnuFileLabelSize_Click(2);
    else if (key == "Right Align" || key == "Horizontal Center" || key == "Left Align") {
        if (doc)
            doc->horizontalAlign(key == "Right Align" ? 1 : key == "Horizontal Center" ? 2 : 3);
    } else if (key == "Top Align" || key == "Vertical Center" || key == "Bottom Align") {
        if (doc)
            doc->verticalAlign(key == "Top Align" ? 1 : key == "Vertical Center" ? 2 : 3);
    } else if (key == "Add Image")
        mnuGraphicNew_Click();
    else if (key == "Bring Forward")
        action("mnuViewBringForward")->trigger();
    else if (key == "Send Back")
        action("mnuViewSendBack")->trigger();
    else if (key == "Aspect Ratio")
        mnuGraphicAspectRatio_Click();
    else if (key == "Show Border")
        mnuLabelBorderVisible_Click();
    else if (key == "Border Color")
        mnuLabelBorderColor_Click();
    else if (key == "Add Text")
        mnuTextNew_Click();
    else if (key == "Text Color")
        mnuTextColor_Click();
    else if (key == "Bold" || key == "Italic" || key == "Underline") {
        m_ctx.values.bold = button("Bold")->isChecked();
        m_ctx.values.italic = button("Italic")->isChecked();
        m_ctx.values.underline = button("Underline")->isChecked();
        if (doc)
            doc->showActiveText();
    } else if (key == "Align Left" || key == "Center" || key == "Align Right") {
        m_ctx.values.textAlignment = key == "Align Left" ? 0 : key == "Center" ? 2 : 1;
        if (doc)
            doc->showActiveText();
    } else if (key == "Help")
        action("mnuHelpContents")->trigger();
    m_toolbarClick = false;
}

void frmMain::tbToolbar_ButtonMenuClick(const QString& key)
{
    QToolButton* target = nullptr;
    if (key == "Left Align" || key == "Horizontal Center" || key == "Right Align")
        target = m_hAlignButton;
    else if (key == "Top Align" || key == "Vertical Center" || key == "Bottom Align")
        target = m_vAlignButton;
    if (!target)
        return;
    QAction* a = target->defaultAction();
    a->setData(key);
    a->setIcon(toolbarIcon(key));
    a->setText(key);
}

// ------------------------------------------------------------- combo boxes

void frmMain::cboBorderWidth_Change(const QString& text)
{
    const comborules::WidthAction a = comborules::borderWidthTyped(text);
    if (a.kind == comborules::WidthAction::RestoreDefault) {
        m_cboBorderWidth->setCurrentText(QString::number(m_ctx.values.borderWidth));
    } else if (a.kind == comborules::WidthAction::Apply && !m_loading) {
        if (frmDocument* d = activeDocument()) {
            d->border().width = a.width;
            d->update();
            d->picLabelView()->update();
        }
    }
}

void frmMain::cboBorderWidth_Click()
{
    frmDocument* d = activeDocument();
    if (!d)
        return;
    const double v = comborules::leadingNumber(m_cboBorderWidth->currentText());
    if (v > 0 && v < 32768) {
        d->border().width = int16_t(v);
        d->picLabelView()->update();
    }
}

void frmMain::cboBorderWidth_LostFocus()
{
    if (!comborules::borderWidthNeedsRestore(m_cboBorderWidth->currentText()))
        return;
    if (frmDocument* d = activeDocument())
        m_cboBorderWidth->setCurrentText(QString::number(d->border().width));
}

void frmMain::cboFontSize_Commit()
{
    m_ctx.values.fontSize = m_cboFontSize->currentText();
    if (frmDocument* d = activeDocument())
        d->setTextFontSize(m_cboFontSize->currentText());
}

void frmMain::cboFonts_Click()
{
    m_ctx.values.fontName = m_cboFonts->currentText();
    if (frmDocument* d = activeDocument())
        d->setTextFontName(m_cboFonts->currentText());
}

void frmMain::cboBorderStyle_Click()
{
    if (frmDocument* d = activeDocument())
        d->setBorderStyle(m_cboBorderStyle->currentText());
}

void frmMain::changeEvent(QEvent* e)
{
    // Activated: the formatting boxes take the keyboard, the font box last.
    if (e->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_cboBorderWidth->setFocus();
        m_cboFonts->setFocus();
    }
    QMainWindow::changeEvent(e);
}

bool frmMain::eventFilter(QObject* o, QEvent* e)
{
    if (e->type() == QEvent::FocusOut) {
        if (o == m_cboBorderWidth->lineEdit())
            cboBorderWidth_LostFocus();
        else if (o == m_cboFontSize->lineEdit())
            cboFontSize_Commit();
    }
    return QMainWindow::eventFilter(o, e);
}

// ------------------------------------------------------------- view commands

void frmMain::mnuViewToolbar_Click()
{
    // The check was already inverted by the menu.
    const bool on = action("mnuViewToolbar")->isChecked();
    m_toolbars[2]->setVisible(on);
    m_toolbars[0]->setVisible(on);
    m_toolbars[1]->setVisible(on);
}

void frmMain::mnuViewStatusBar_Click() { statusBar()->setVisible(action("mnuViewStatusBar")->isChecked()); }

void frmMain::mnuViewShowGrid_Click()
{
    m_ctx.store.write("Settings", "Show Grid", Module1::boolToText(action("mnuViewShowGrid")->isChecked()));
    drawGrid();
}

void frmMain::mnuViewSnapToGrid_Click()
{
    m_ctx.values.snapToGrid = action("mnuViewSnapToGrid")->isChecked();
    m_ctx.store.write("Settings", "Snap To Grid", Module1::boolToText(m_ctx.values.snapToGrid));
}

void frmMain::mnuViewShowGuides_Click()
{
    if (frmDocument* d = activeDocument())
        d->showGuides(action("mnuViewShowGuides")->isChecked());
}

void frmMain::mnuViewDefineGrid_Click()
{
    m_ctx.platform.message("The grid is defined in the options dialog, which is not available yet.",
                           MsgIcon::Information);
    if (m_ctx.values.settingsChanged)
        drawGrid();
}

void frmMain::setStatusText(const QString& text)
{
    m_statusPanel->setText(text);
    m_statusPanel->repaint();
}

// ------------------------------------------------------------- file commands

void frmMain::mnuFileOpen_Click()
{
    SettingsStore& store = m_ctx.store;
    FileDialogRequest req;
    req.title = "Open Corkcrafter File";
    req.initialDir = store.read("Open", "File Path", m_ctx.paths.workBase + "/Labels");
    req.filter = LabelFilter;
    req.mustExist = true;

    QString path, title, folder;
    const bool fromCommandLine = !cmdLineFileName.isEmpty();
    if (fromCommandLine) {
        path = cmdLineFileName;
        const QString dir = Module1::pathFolder(path);
        folder = dir == path ? req.initialDir : QString(dir).chopped(dir.size() > 1 ? 1 : 0);
    } else {
        const auto r = m_ctx.platform.openFile(req);
        if (!r || r->path.isEmpty())
            return;
        path = r->path;
        title = r->fileTitle;
        folder = r->folder;
    }
    store.write("Open", "File Path", folder);

    frmDocument* doc = activeDocument();
    if (!doc || !doc->getIsBlankForm()) {
        LoadNewDoc();
        doc = activeDocument();
    }
    if (!doc)
        return;
    doc->saveFileName = path;
    if (fromCommandLine) {
        doc->saveTitle = Module1::pathFileName(path);
        cmdLineFileName.clear();
    } else {
        doc->saveTitle = title;
    }
    if (!Module1::fileExists(path)) {
        m_recent.removeRecentFile(path);
        refreshRecentMenu();
        m_ctx.platform.message("File \"" + path + "\" Not Found", MsgIcon::Information, "File Open Error");
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
    QString path;
    const bool needDialog = index == 1 || doc->saveTitle.right(3).toLower() != "ckm";
    if (needDialog) {
        FileDialogRequest req;
        req.title = "Save Corkcrafter File";
        req.initialDir = m_ctx.store.read("Open", "File Path", m_ctx.paths.workBase + "/Labels");
        req.defaultExt = "ckm";
        req.overwritePrompt = true;
        req.filter = LabelFilter;
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
        m_ctx.platform.message("The label could not be saved to \"" + path + "\": " + why +
                                   "\nAny earlier version of the file is unchanged.",
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

void frmMain::mnuFileLabelSize_Click(int index)
{
    ProgramValues& v = m_ctx.values;
    frmDocument* doc = activeDocument();
    if (index == 0) {
        action("mnuFileLabelSize0")->setChecked(true);
        action("mnuFileLabelSize1")->setChecked(false);
        v.labelType = 0;
        v.labelHeight = 3.75;
        v.labelWidth = 3.0;
        m_ctx.store.write("Settings", "Label Type", "0");
        m_ctx.store.write("Settings", "Label Height", Module1::numberToText(3.75));
        m_ctx.store.write("Settings", "Label Width", "3");
        if (doc)
            doc->setLabelDimensions(0, 3.75, 3);
    } else if (index == 1) {
        action("mnuFileLabelSize0")->setChecked(false);
        action("mnuFileLabelSize1")->setChecked(true);
        v.labelType = 1;
        v.labelHeight = 4.0;
        v.labelWidth = 5.0;
        m_ctx.store.write("Settings", "Label Type", "1");
        m_ctx.store.write("Settings", "Label Height", "4");
        m_ctx.store.write("Settings", "Label Width", "5");
        if (doc)
            doc->setLabelDimensions(1, 4, 5);
    } else if (doc) {
        showLabelTypeMenu(doc->getLabelType());
        m_ctx.platform.message("The label properties dialog is not available yet.", MsgIcon::Information);
        if (!v.settingsChanged)
            return;
    }
    if (doc)
        doc->resizeLabel();
    else
        m_ctx.platform.message("You must have a Label Loaded to set Properties");
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
        cmdLineFileName = m_recent.path(0);
        mnuFileOpen_Click();
    } else {
        m_ctx.platform.message("File \"" + path + "\" Not Found", MsgIcon::Information, "File Open Error");
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
        // A label description; it becomes text items once that reader exists.
        m_txtCmdLine->setText(t);
        return;
    }
    cmdLineFileName = t;
    mnuFileOpen_Click();
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
    const auto copies = m_ctx.platform.printDialog(printer());
    if (!copies)
        return;
    pdfout::printOn(printer(), *doc, std::clamp(*copies, 1, 32767), [this](const QString& s) { setStatusText(s); });
}

void frmMain::mnuFilePageSetup_Click() { m_ctx.platform.pageSetupDialog(printer()); }

// ------------------------------------------------------------- text and graphics

void frmMain::mnuTextNew_Click()
{
    if (!activeDocument())
        LoadNewDoc();
    ProgramValues& v = m_ctx.values;
    v.dialogText.clear();
    v.dialogRotation = 0;
    v.dialogAutofit = false;
    frmTextInput::ask(m_ctx, this);
    if (!v.dialogText.isEmpty())
        if (frmDocument* d = activeDocument())
            d->createNewText(v.dialogText, v.dialogRotation);
}

void frmMain::editText(frmDocument* doc)
{
    TextItem* t = doc->activeText();
    if (!t)
        return;
    ProgramValues& v = m_ctx.values;
    v.dialogText = t->text;
    v.dialogRotation = t->rotation;
    frmTextInput::ask(m_ctx, this);
    if (!v.dialogText.isEmpty()) {
        doc->setTextText(v.dialogText);
        if (TextItem* again = doc->activeText())
            again->rotation = v.dialogRotation;
    }
    doc->refreshStatus();
}

void frmMain::mnuTextColor_Click()
{
    if (!activeDocument())
        LoadNewDoc();
    frmDocument* d = activeDocument();
    if (!d)
        return;
    ProgramValues& v = m_ctx.values;
    const bool onItem = d->activeTextItemSelected();
    const auto c = m_ctx.platform.chooseColor("Text Color", onItem ? d->getTextColor() : v.textColor);
    if (!c)
        return;
    if (onItem)
        d->setTextColor(*c);
    v.textColor = *c;
}

void frmMain::mnuGraphicNew_Click()
{
    FileDialogRequest req;
    req.title = "Select Graphic File";
    req.initialDir = m_ctx.store.read("Main", "Graphics Folder", m_ctx.values.graphicsFolder);
    req.filter = PictureFilter;
    req.filterIndex = 1;
    req.mustExist = true;
    const auto r = m_ctx.platform.openFile(req);
    if (!r || r->path.isEmpty())
        return;
    if (!activeDocument())
        LoadNewDoc();
    frmDocument* d = activeDocument();
    d->SelectNothing();
    m_ctx.store.write("Main", "Graphics Folder", r->folder);
    d->createNewGraphic(r->path);
}

void frmMain::mnuGraphicEdit_Click()
{
    frmDocument* d = activeDocument();
    if (!d)
        return;
    const QString file = d->getActiveGraphicSpecs();
    // The windows keep repainting while the editor runs; closing is held off
    // until it has ended so the document is still there to reload.
    m_editorRunning = true;
    QPointer<frmDocument> guard(d);
    Module1::runGraphicsEditor(m_ctx.platform, m_ctx.values.graphicsEditor, file);
    m_editorRunning = false;
    if (guard)
        guard->refreshGraphic(file);
}

void frmMain::mnuGraphicAspectRatio_Click()
{
    frmDocument* d = activeDocument();
    const bool now = d ? !d->valMaintainAspectRatioFlag : !action("mnuGraphicAspectRatio")->isChecked();
    if (d)
        d->valMaintainAspectRatioFlag = now;
    action("mnuGraphicAspectRatio")->setChecked(now);
    m_ctx.store.write("Settings", "Aspect Ratio", Module1::boolToText(now));
    if (!m_toolbarClick)
        button("Aspect Ratio")->setChecked(now);
    if (d)
        d->adjustToAspectRatio();
}

// ------------------------------------------------------------- label commands

void frmMain::mnuLabelBorderVisible_Click()
{
    QAction* a = action("mnuLabelBorderVisible");
    a->setChecked(!a->isChecked());
    if (!m_toolbarClick)
        button("Show Border")->setChecked(a->isChecked());
    if (frmDocument* d = activeDocument()) {
        d->border().visible = a->isChecked();
        d->setChanged();
        d->picLabelView()->update();
    }
}

void frmMain::mnuLabelBorderColor_Click()
{
    if (!activeDocument())
        LoadNewDoc();
    frmDocument* d = activeDocument();
    const auto c = m_ctx.platform.chooseColor("Border Color", d->border().color);
    if (!c)
        return;
    d->border().color = *c;
    d->setChanged();
    d->picLabelView()->update();
}

void frmMain::mnuLabelBackColor_Click()
{
    if (!activeDocument())
        LoadNewDoc();
    frmDocument* d = activeDocument();
    const auto c = m_ctx.platform.chooseColor("Label Background Color", d->backColor());
    if (!c)
        return;
    d->setBackColor(*c);
    drawGrid();
    d->setChanged();
}

// ------------------------------------------------------------- closing

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
    SettingsStore& s = m_ctx.store;
    if (isMaximized()) {
        s.write("Main", "Window State", "2");
    } else if (!isMinimized()) {
        const double k = screenTwipsPerPixel();
        s.write("Main", "Window State", "0");
        s.write("Main", "Left", Module1::numberToText(std::round(x() * k)));
        s.write("Main", "Top", Module1::numberToText(std::round(y() * k)));
        s.write("Main", "Height", Module1::numberToText(std::round(height() * k)));
        s.write("Main", "Width", Module1::numberToText(std::round(width() * k)));
    }
    s.write("Settings", "Show Grid", Module1::boolToText(action("mnuViewShowGrid")->isChecked()));
    s.write("Settings", "Show Guides", Module1::boolToText(action("mnuViewShowGuides")->isChecked()));
    s.write("Settings", "Guide Setting", QString::number(m_ctx.values.guideSetting));
    m_recent.saveRecentFiles(s);
    settings::reportWriteFailure(s, m_ctx.platform);
    m_ctx.values.applicationClosing = true;
}

void frmMain::closeEvent(QCloseEvent* e)
{
    if (m_editorRunning || !closeAllDocuments()) {
        e->ignore();
        return;
    }
    writeCloseSettings();
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w != this && w->isVisible())
            w->close();
    e->accept();
}
