// Building the main window's menus, toolbars and status bar from tables, and
// running a toolbar button's command by its key.
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <span>

#include "app/Icons.h"
#include "app/AppContext.h"
#include "frmMain.h"

namespace {

using Command = void (*)(frmMain&);

enum Flag : unsigned {
    Checkable = 1,
    Checked = 2,
    Hidden = 4,
    Disabled = 8,
};

// One menu item; an entry without a caption is a separator. Several shortcuts
// are separated by "|".
struct MenuEntry {
    const char* name;
    const char* caption = nullptr;
    const char* shortcut = nullptr;
    Command command = nullptr;
    unsigned flags = 0;
};

struct MenuDef {
    const char* name;
    const char* caption;
    std::initializer_list<MenuEntry> entries;
};

const MenuDef Menus[] = {
    {"mnuFile", "&File", {
        {"mnuFileNew", "&New", "Ctrl+N", [](frmMain& m) { m.LoadNewDoc(); }},
        {"mnuFileOpen", "&Open...", "Ctrl+O", [](frmMain& m) { m.mnuFileOpen_Click(); }},
        {"mnuFileClose", "&Close", nullptr, [](frmMain& m) { m.mnuFileClose_Click(); }},
        {"mnuFileBar0"},
        {"mnuFileSave0", "&Save", "Ctrl+S", [](frmMain& m) { m.mnuFileSave_Click(0); }},
        {"mnuFileSave1", "Save &As...", nullptr, [](frmMain& m) { m.mnuFileSave_Click(1); }},
        {"mnuFileSaveAll", "Save A&ll", nullptr, [](frmMain& m) { m.mnuFileSaveAll_Click(); }},
        {"mnuFileBar1"},
        {"mnuFileLabelSize0", "Default &Beer Label", nullptr, [](frmMain& m) { m.mnuFileLabelSize_Click(0); }, Checkable},
        {"mnuFileLabelSize1", "Default &Wine Label", nullptr, [](frmMain& m) { m.mnuFileLabelSize_Click(1); }, Checkable},
        {"mnuFileLabelSize2", "&Label Properties/Options...", nullptr, [](frmMain& m) { m.mnuFileLabelSize_Click(2); }},
        {"mnuFileBar2"},
        {"mnuFileData", "&Data...", nullptr, [](frmMain& m) { m.mnuFileData_Click(); }},
        {"mnuFilePageSetup", "Page Set&up...", nullptr, [](frmMain& m) { m.mnuFilePageSetup_Click(); }},
        {"mnuFilePrintPreview", "Print Pre&view", nullptr, [](frmMain& m) { m.mnuFilePrintPreview_Click(); }},
        {"mnuFilePrint", "&Print...", "Ctrl+P", [](frmMain& m) { m.mnuFilePrint_Click(); }},
        {"mnuFilePrintSeveral", "Print S&everal Labels...", nullptr, [](frmMain& m) { m.mnuFilePrintSeveral_Click(); }},
        {"mnuFileBar4"},
        {"mnuFileMRU0", "", nullptr, [](frmMain& m) { m.mnuFileMRU_Click(0); }, Hidden},
        {"mnuFileMRU1", "", nullptr, [](frmMain& m) { m.mnuFileMRU_Click(1); }, Hidden},
        {"mnuFileMRU2", "", nullptr, [](frmMain& m) { m.mnuFileMRU_Click(2); }, Hidden},
        {"mnuFileMRU3", "", nullptr, [](frmMain& m) { m.mnuFileMRU_Click(3); }, Hidden},
        {"mnuFileBar5", nullptr, nullptr, nullptr, Hidden},
        {"mnuFileExit", "E&xit", nullptr, [](frmMain& m) { m.mnuFileExit_Click(); }},
    }},
    {"mnuEdit", "&Edit", {
        {"mnuEditUndo", "&Undo", "Ctrl+Z", [](frmMain& m) { m.mnuEditUndo_Click(); }, Disabled},
        {"mnuEditRedo", "&Redo", "Ctrl+Y|Ctrl+Shift+Z", [](frmMain& m) { m.mnuEditRedo_Click(); }, Disabled},
        {"mnuEditBar0"},
        {"mnuEditDelete", "Delete", "Del", [](frmMain& m) { m.mnuEditDelete_Click(); }, Disabled},
        {"mnuEditBar1"},
        {"mnuEditCut", "Cu&t", "Ctrl+X", [](frmMain& m) { m.mnuEditCut_Click(); }},
        {"mnuEditCopy", "&Copy", "Ctrl+C", [](frmMain& m) { m.mnuEditCopy_Click(); }},
        {"mnuEditPaste", "&Paste", "Ctrl+V", [](frmMain& m) { m.mnuEditPaste_Click(); }},
    }},
    {"mnuView", "&View", {
        {"mnuViewToolbar", "&Toolbar", nullptr, [](frmMain& m) { m.mnuViewToolbar_Click(); }, Checkable | Checked},
        {"mnuViewStatusBar", "Status &Bar", nullptr, [](frmMain& m) { m.mnuViewStatusBar_Click(); }, Checkable | Checked},
        {"mnuViewPosition", QT_TRANSLATE_NOOP("frmMain", "&Position and Size"), nullptr, [](frmMain& m) { m.mnuViewPosition_Click(); }, Checkable},
        {"mnuViewBar0"},
        {"mnuViewDefineGrid", "&Define Grid", nullptr, [](frmMain& m) { m.mnuViewDefineGrid_Click(); }},
        {"mnuViewShowGrid", "&Show Grid", nullptr, [](frmMain& m) { m.mnuViewShowGrid_Click(); }, Checkable},
        {"mnuViewSnapToGrid", "Snap To &Grid", nullptr, [](frmMain& m) { m.mnuViewSnapToGrid_Click(); }, Checkable},
        {"mnuViewShowGuides", "Sho&w Guides", nullptr, [](frmMain& m) { m.mnuViewShowGuides_Click(); }, Checkable},
        {"mnuViewFieldValues", "Show Field &Values", nullptr, [](frmMain& m) { m.mnuViewFieldValues_Click(); }, Checkable | Checked},
        {"mnuViewBarZoom"},
        {"mnuViewZoomIn", QT_TRANSLATE_NOOP("frmMain", "Zoom &In"), "Ctrl++|Ctrl+=", [](frmMain& m) { m.mnuViewZoom_Click(1); }, Disabled},
        {"mnuViewZoomOut", QT_TRANSLATE_NOOP("frmMain", "Zoom &Out"), "Ctrl+-", [](frmMain& m) { m.mnuViewZoom_Click(-1); }, Disabled},
        {"mnuViewActualSize", QT_TRANSLATE_NOOP("frmMain", "&Actual Size"), "Ctrl+0", [](frmMain& m) { m.mnuViewZoom_Click(0); }, Disabled},
        {"mnuViewFitLabel", QT_TRANSLATE_NOOP("frmMain", "Fit &Label"), nullptr, [](frmMain& m) { m.mnuViewFitLabel_Click(); }, Disabled},
        {"mnuViewBar1"},
        {"mnuViewBringForward", "Bring &Forward", nullptr, [](frmMain& m) { m.mnuViewBringForward_Click(); }, Disabled},
        {"mnuViewSendBack", "Send &Back", nullptr, [](frmMain& m) { m.mnuViewSendBack_Click(); }, Disabled},
    }},
    {"mnuText", "&Text", {
        {"mnuTextNew", "&New Text", nullptr, [](frmMain& m) { m.mnuTextNew_Click(); }},
        {"mnuTextEdit", "&Edit Text", nullptr, [](frmMain& m) { m.mnuTextEdit_Click(); }, Disabled},
        {"mnuTextBar0"},
        {"mnuTextColor", "Text &Color", nullptr, [](frmMain& m) { m.mnuTextColor_Click(); }},
    }},
    {"mnuGraphic", "&Graphic", {
        {"mnuGraphicNew", "&New Graphic", nullptr, [](frmMain& m) { m.mnuGraphicNew_Click(); }},
        {"mnuGraphicInsertQr", "Insert &QR Code...", nullptr, [](frmMain& m) { m.mnuGraphicInsertQr_Click(); }},
        {"mnuGraphicBar0"},
        {"mnuGraphicAspectRatio", "Maintain &Aspect Ratio", nullptr, [](frmMain& m) { m.mnuGraphicAspectRatio_Click(); }, Checkable},
        {"mnuGraphicBar1"},
        {"mnuGraphicEdit", "Edit Graphic", nullptr, [](frmMain& m) { m.mnuGraphicEdit_Click(); }, Disabled},
        // Rotating and mirroring pictures is not offered.
        {"mnuGraphicBar2", nullptr, nullptr, nullptr, Hidden},
        {"mnuGraphicRotateLeft", "Rotate &Left", nullptr, [](frmMain& m) { m.mnuGraphicRotate_Click(90); }, Hidden | Disabled},
        {"mnuGraphicRotateRight", "Rotate &Right", nullptr, [](frmMain& m) { m.mnuGraphicRotate_Click(270); }, Hidden | Disabled},
        {"mnuGraphicMirror", "&Mirror", nullptr, [](frmMain& m) { m.mnuGraphicMirror_Click(); }, Hidden | Disabled},
    }},
    {"mnuLabel", "&Label", {
        {"mnuLabelBorderVisible", "Border &Visible", nullptr, [](frmMain& m) { m.mnuLabelBorderVisible_Click(); }, Checkable},
        {"mnuLabelBorderColor", "Border &Color", nullptr, [](frmMain& m) { m.mnuLabelBorderColor_Click(); }},
        {"mnuLabelBar0"},
        {"mnuLabelBackColor", "Label Background Color", nullptr, [](frmMain& m) { m.mnuLabelBackColor_Click(); }},
    }},
    {"mnuWindow", "&Window", {
        {"mnuWindowNewWindow", "&New Window", nullptr, [](frmMain& m) { m.LoadNewDoc(); }},
        {"mnuWindowBar0"},
        {"mnuWindowCascade", "&Cascade", nullptr, [](frmMain& m) { m.mnuWindowCascade_Click(); }},
        {"mnuWindowTileHorizontal", "Tile &Horizontal", nullptr, [](frmMain& m) { m.mnuWindowTileHorizontal_Click(); }},
        {"mnuWindowTileVertical", "Tile &Vertical", nullptr, [](frmMain& m) { m.mnuWindowTileVertical_Click(); }},
        {"mnuWindowArrangeIcons", "&Arrange Icons", nullptr, [](frmMain& m) { m.mnuWindowArrangeIcons_Click(); }},
        {"mnuWindowBar1"},
    }},
    {"mnuHelp", "&Help", {
        {"mnuHelpContents", "&Contents...", "F1", [](frmMain& m) { m.mnuHelpContents_Click(); }},
        {"mnuHelpIndex", "Help &Index...", nullptr, [](frmMain& m) { m.mnuHelpIndex_Click(); }},
        {"mnuHelpSearch", "&Search for Help On...", nullptr, [](frmMain& m) { m.mnuHelpSearch_Click(); }},
        {"mnuHelpBar0"},
        {"mnuHelpTip", "&Tip of the Day", nullptr, [](frmMain& m) { m.mnuHelpTip_Click(); }},
        {"mnuHelpBar1"},
        {"mnuHelpOtherSoftware", "&Other Kelvane Software", nullptr, [](frmMain& m) { m.mnuHelpOtherSoftware_Click(); }},
        {"mnuHelpAbout", "&About ", nullptr, [](frmMain& m) { m.mnuHelpAbout_Click(); }},
    }},
};

// One toolbar place: a button, a separator (no key), or a box placed by its
// object name. A button that repeats a menu command shares that item's action;
// the others run their own command.
struct ButtonEntry {
    const char* key;
    const char* tooltip = nullptr; // the key when not given
    const char* menuItem = nullptr;
    Command command = nullptr;
    unsigned flags = 0;
    const char* box = nullptr;
};

const ButtonEntry MainButtons[] = {
    {"New", nullptr, "mnuFileNew"},
    {"Open", nullptr, "mnuFileOpen"},
    {"Save", nullptr, "mnuFileSave0"},
    {nullptr},
    {"Print", nullptr, "mnuFilePrint"},
    {"Preview", "Print Preview", "mnuFilePrintPreview"},
    {nullptr},
    {"Cut", nullptr, "mnuEditCut"},
    {"Copy", nullptr, "mnuEditCopy"},
    {"Paste", nullptr, "mnuEditPaste"},
    {nullptr},
    {"Delete", nullptr, "mnuEditDelete"},
    {nullptr},
    // The label properties, ready to look up the label sheet by its product code.
    {"Select", "Select Label Size", nullptr, [](frmMain& m) { m.mnuFileLabelSize_Click(2, true); }},
    {nullptr},
    {"Horizontal Center", "Horizontal Alignment", nullptr, [](frmMain& m) { m.horizontalAlign_Click(2); }},
    {"Vertical Center", "Vertical Alignment", nullptr, [](frmMain& m) { m.verticalAlign_Click(2); }},
    {nullptr},
    {"Add Image", nullptr, "mnuGraphicNew"},
    {"Add QR Code", "Insert QR Code", "mnuGraphicInsertQr"},
    {"Aspect Ratio", "Maintain Aspect Ratio", "mnuGraphicAspectRatio"},
    {"Bring Forward", nullptr, "mnuViewBringForward"},
    {"Send Back", nullptr, "mnuViewSendBack"},
    {"Rotate Left", nullptr, "mnuGraphicRotateLeft"},
    {"Rotate Right", nullptr, "mnuGraphicRotateRight"},
    {"Mirror", nullptr, "mnuGraphicMirror"},
};

const ButtonEntry TextButtons[] = {
    {"", nullptr, nullptr, nullptr, 0, "cboFonts"},
    {nullptr},
    {"", nullptr, nullptr, nullptr, 0, "cboFontSize"},
    {nullptr},
    {"Add Text", nullptr, "mnuTextNew"},
    {"Text Color", nullptr, "mnuTextColor"},
    {nullptr},
    {"Bold", nullptr, nullptr, [](frmMain& m) { m.textStyle_Click(); }, Checkable},
    {"Italic", nullptr, nullptr, [](frmMain& m) { m.textStyle_Click(); }, Checkable},
    {"Underline", nullptr, nullptr, [](frmMain& m) { m.textStyle_Click(); }, Checkable},
    {"Shadow", nullptr, nullptr, nullptr, Checkable},
    {nullptr},
    {"Align Left", nullptr, nullptr, [](frmMain& m) { m.textAlignment_Click(0); }, Checkable},
    {"Center", nullptr, nullptr, [](frmMain& m) { m.textAlignment_Click(2); }, Checkable},
    {"Align Right", nullptr, nullptr, [](frmMain& m) { m.textAlignment_Click(1); }, Checkable},
    {nullptr},
    // The hidden picture commands' text half, a quarter turn each way.
    {"Rotate Text Left", nullptr, nullptr, [](frmMain& m) { m.mnuGraphicRotate_Click(90); }, Disabled},
    {"Rotate Text Right", nullptr, nullptr, [](frmMain& m) { m.mnuGraphicRotate_Click(270); }, Disabled},
};

const ButtonEntry BorderButtons[] = {
    {"Show Border", nullptr, "mnuLabelBorderVisible"},
    {"Border Color", nullptr, "mnuLabelBorderColor"},
    {"", nullptr, nullptr, nullptr, 0, "cboBorderWidth"},
    {nullptr},
    {"", nullptr, nullptr, nullptr, 0, "cboBorderStyle"},
    {nullptr},
    {"Help", nullptr, "mnuHelpContents"},
};

// The keys a drop-down alignment button can take, with their commands.
const ButtonEntry AlignKeys[] = {
    {"Right Align", nullptr, nullptr, [](frmMain& m) { m.horizontalAlign_Click(1); }},
    {"Horizontal Center", nullptr, nullptr, [](frmMain& m) { m.horizontalAlign_Click(2); }},
    {"Left Align", nullptr, nullptr, [](frmMain& m) { m.horizontalAlign_Click(3); }},
    {"Top Align", nullptr, nullptr, [](frmMain& m) { m.verticalAlign_Click(1); }},
    {"Vertical Center", nullptr, nullptr, [](frmMain& m) { m.verticalAlign_Click(2); }},
    {"Bottom Align", nullptr, nullptr, [](frmMain& m) { m.verticalAlign_Click(3); }},
};

const QStringList HAlignMenu{"Left Align", "Horizontal Center", "Right Align"};
const QStringList VAlignMenu{"Top Align", "Vertical Center", "Bottom Align"};

// The command a key runs when its button has no menu item of its own.
Command commandForKey(const QString& key)
{
    using Table = std::span<const ButtonEntry>;
    for (Table table : {Table(TextButtons), Table(AlignKeys), Table(MainButtons)})
        for (const ButtonEntry& e : table)
            if (e.key && key == QLatin1String(e.key))
                return e.command;
    return nullptr;
}

QComboBox* makeBox(QWidget* parent, const char* name, const char* tip, bool editable, int chars, const QStringList& items)
{
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setEditable(editable);
    if (editable)
        box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    if (chars)
        box->setMinimumContentsLength(chars);
    box->setToolTip(tip);
    return box;
}

} // namespace

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
    for (const MenuDef& def : Menus) {
        QMenu* menu = menuBar()->addMenu(def.caption);
        menu->setObjectName(def.name);
        menu->menuAction()->setObjectName(def.name);
        for (const MenuEntry& e : def.entries) {
            QAction* a = e.caption ? menu->addAction(tr(e.caption)) : menu->addSeparator();
            a->setObjectName(e.name);
            if (e.shortcut) {
                QList<QKeySequence> keys;
                for (const QString& k : QString(e.shortcut).split('|'))
                    keys << QKeySequence(k);
                a->setShortcuts(keys);
            }
            a->setCheckable(e.flags & Checkable);
            a->setChecked(e.flags & Checked);
            a->setVisible(!(e.flags & Hidden));
            a->setEnabled(!(e.flags & Disabled));
            if (e.command)
                connect(a, &QAction::triggered, this, [this, c = e.command] { c(*this); });
            m_actions[e.name] = a;
        }
        if (QLatin1String(def.name) == QLatin1String("mnuFile"))
            m_fileMenu = menu;
        else if (QLatin1String(def.name) == QLatin1String("mnuEdit"))
            m_editMenu = menu;
        else if (QLatin1String(def.name) == QLatin1String("mnuWindow"))
            m_windowMenu = menu;
    }
    // These two set a preference as well as the label: the label's history
    // can undo only the label's size, so the command says what stays.
    action("mnuFileLabelSize0")->setStatusTip("Makes this label and every new label a beer label, 3.75 in high "
                                              "and 3 in wide; Undo resizes only this label");
    action("mnuFileLabelSize1")->setStatusTip("Makes this label and every new label a wine label, 4 in high "
                                              "and 5 in wide; Undo resizes only this label");
    for (int i = 0; i < 4; ++i)
        m_mruItems << action(QString("mnuFileMRU%1").arg(i));
    m_mnuFileBar4 = action("mnuFileBar4");
    connect(m_windowMenu, &QMenu::aboutToShow, this, [this] { mnuWindow_Click(); });
}

void frmMain::buildToolbars()
{
    m_cboFonts = makeBox(this, "cboFonts", "Fonts", true, 16, {});
    m_cboFontSize = makeBox(this, "cboFontSize", "Font Size", true, 3,
                            {"10", "11", "12", "14", "16", "18", "20", "24", "28", "32", "40", "48", "56", "64", "72"});
    m_cboFontSize->setCurrentText("18");
    m_cboBorderWidth = makeBox(this, "cboBorderWidth", "Border Width", true, 3,
                               {"1 ", "2 ", "3 ", "4 ", "6 ", "8 ", "10", "12", "14", "16", "18", "20", "25", "30", "35", "40"});
    m_cboBorderStyle = makeBox(this, "cboBorderStyle", "Border Style", false, 0, {"Square", "Rounded", "Oval"});
    const QMap<QString, QWidget*> boxes{{"cboFonts", m_cboFonts},
                                        {"cboFontSize", m_cboFontSize},
                                        {"cboBorderWidth", m_cboBorderWidth},
                                        {"cboBorderStyle", m_cboBorderStyle}};

    struct Bar {
        const char* title;
        const ButtonEntry* begin;
        const ButtonEntry* end;
    };
    const Bar bars[] = {{"Main", std::begin(MainButtons), std::end(MainButtons)},
                        {"Text", std::begin(TextButtons), std::end(TextButtons)},
                        {"Border", std::begin(BorderButtons), std::end(BorderButtons)}};
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        QToolBar* tb = m_toolbars[i] = new QToolBar(bars[i].title, this);
        tb->setObjectName(QString("tbToolbar%1").arg(i));
        tb->setIconSize(QSize(22, 22));
        for (const ButtonEntry* e = bars[i].begin; e != bars[i].end; ++e) {
            if (!e->key) {
                tb->addSeparator();
                continue;
            }
            if (e->box) {
                tb->addWidget(boxes.value(e->box));
                continue;
            }
            const QString key = e->key;
            QString id = key;
            id.remove(' ');
            QAction* a = e->menuItem ? action(e->menuItem) : new QAction(key, this);
            if (!e->menuItem) {
                a->setObjectName("tb" + id);
                a->setCheckable(e->flags & Checkable);
                a->setEnabled(!(e->flags & Disabled));
                connect(a, &QAction::triggered, this, [this, a] { tbToolbar_ButtonClick(a->data().toString()); });
            }
            a->setIcon(toolbarIcon(key));
            a->setIconVisibleInMenu(false);
            a->setData(key);
            a->setToolTip(e->tooltip ? e->tooltip : e->key);
            tb->addAction(a);
            if (QWidget* w = tb->widgetForAction(a))
                w->setObjectName("tb" + id);
            m_buttons[id] = a;
            if (key == "Align Left" || key == "Center" || key == "Align Right")
                m_alignGroup->addAction(a);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_toolbars[0]);
    addToolBarBreak();
    addToolBar(Qt::TopToolBarArea, m_toolbars[1]);
    addToolBar(Qt::TopToolBarArea, m_toolbars[2]);

    // The two alignment buttons carry a menu that re-keys them.
    auto dropDown = [this](const QString& key, const QStringList& items) {
        auto* menu = new QMenu(this);
        for (const QString& item : items) {
            QAction* ia = menu->addAction(toolbarIcon(item), item);
            connect(ia, &QAction::triggered, this, [this, item] { tbToolbar_ButtonMenuClick(item); });
        }
        auto* btn = qobject_cast<QToolButton*>(m_toolbars[0]->widgetForAction(button(key)));
        btn->setMenu(menu);
        btn->setPopupMode(QToolButton::MenuButtonPopup);
        return btn;
    };
    m_hAlignButton = dropDown("Horizontal Center", HAlignMenu);
    m_vAlignButton = dropDown("Vertical Center", VAlignMenu);
    connectComboBoxes();
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
    m_zoomPanel = new QLabel(sb);
    m_zoomPanel->setObjectName("lblZoom");
    sb->addWidget(m_statusPanel, 1);
    sb->addPermanentWidget(m_zoomPanel);
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

void frmMain::tbToolbar_ButtonClick(const QString& key)
{
    if (const Command c = commandForKey(key))
        c(*this);
}

void frmMain::tbToolbar_ButtonMenuClick(const QString& key)
{
    QToolButton* target = HAlignMenu.contains(key) ? m_hAlignButton : VAlignMenu.contains(key) ? m_vAlignButton : nullptr;
    if (!target)
        return;
    QAction* a = target->defaultAction();
    a->setData(key);
    a->setIcon(toolbarIcon(key));
    a->setText(key);
}
