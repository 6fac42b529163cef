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
    {"mnuFile", QT_TRANSLATE_NOOP("frmMain", "&File"), {
        {"mnuFileNew", QT_TRANSLATE_NOOP("frmMain", "&New"), "Ctrl+N", [](frmMain& m) { m.LoadNewDoc(); }},
        {"mnuFileOpen", QT_TRANSLATE_NOOP("frmMain", "&Open..."), "Ctrl+O", [](frmMain& m) { m.mnuFileOpen_Click(); }},
        {"mnuFileClose", QT_TRANSLATE_NOOP("frmMain", "&Close"), nullptr, [](frmMain& m) { m.mnuFileClose_Click(); }},
        {"mnuFileBar0"},
        {"mnuFileSave0", QT_TRANSLATE_NOOP("frmMain", "&Save"), "Ctrl+S", [](frmMain& m) { m.mnuFileSave_Click(0); }},
        {"mnuFileSave1", QT_TRANSLATE_NOOP("frmMain", "Save &As..."), nullptr, [](frmMain& m) { m.mnuFileSave_Click(1); }},
        {"mnuFileSaveAll", QT_TRANSLATE_NOOP("frmMain", "Save A&ll"), nullptr, [](frmMain& m) { m.mnuFileSaveAll_Click(); }},
        {"mnuFileBar1"},
        {"mnuFileLabelSize0", QT_TRANSLATE_NOOP("frmMain", "Default &Beer Label"), nullptr, [](frmMain& m) { m.mnuFileLabelSize_Click(0); }, Checkable},
        {"mnuFileLabelSize1", QT_TRANSLATE_NOOP("frmMain", "Default &Wine Label"), nullptr, [](frmMain& m) { m.mnuFileLabelSize_Click(1); }, Checkable},
        {"mnuFileLabelSize2", QT_TRANSLATE_NOOP("frmMain", "&Label Properties/Options..."), nullptr, [](frmMain& m) { m.mnuFileLabelSize_Click(2); }},
        {"mnuFileBar2"},
        {"mnuFileData", QT_TRANSLATE_NOOP("frmMain", "&Data..."), nullptr, [](frmMain& m) { m.mnuFileData_Click(); }},
        {"mnuFilePageSetup", QT_TRANSLATE_NOOP("frmMain", "Page Set&up..."), nullptr, [](frmMain& m) { m.mnuFilePageSetup_Click(); }},
        {"mnuFilePrintPreview", QT_TRANSLATE_NOOP("frmMain", "Print Pre&view"), nullptr, [](frmMain& m) { m.mnuFilePrintPreview_Click(); }},
        {"mnuFilePrint", QT_TRANSLATE_NOOP("frmMain", "&Print..."), "Ctrl+P", [](frmMain& m) { m.mnuFilePrint_Click(); }},
        {"mnuFilePrintSeveral", QT_TRANSLATE_NOOP("frmMain", "Print S&everal Labels..."), nullptr, [](frmMain& m) { m.mnuFilePrintSeveral_Click(); }},
        {"mnuFileBar4"},
        {"mnuFileMRU0", "", nullptr, [](frmMain& m) { m.mnuFileMRU_Click(0); }, Hidden},
        {"mnuFileMRU1", "", nullptr, [](frmMain& m) { m.mnuFileMRU_Click(1); }, Hidden},
        {"mnuFileMRU2", "", nullptr, [](frmMain& m) { m.mnuFileMRU_Click(2); }, Hidden},
        {"mnuFileMRU3", "", nullptr, [](frmMain& m) { m.mnuFileMRU_Click(3); }, Hidden},
        {"mnuFileBar5", nullptr, nullptr, nullptr, Hidden},
        {"mnuFileExit", QT_TRANSLATE_NOOP("frmMain", "E&xit"), nullptr, [](frmMain& m) { m.mnuFileExit_Click(); }},
    }},
    {"mnuEdit", QT_TRANSLATE_NOOP("frmMain", "&Edit"), {
        {"mnuEditUndo", QT_TRANSLATE_NOOP("frmMain", "&Undo"), "Ctrl+Z", [](frmMain& m) { m.mnuEditUndo_Click(); }, Disabled},
        {"mnuEditRedo", QT_TRANSLATE_NOOP("frmMain", "&Redo"), "Ctrl+Y|Ctrl+Shift+Z", [](frmMain& m) { m.mnuEditRedo_Click(); }, Disabled},
        {"mnuEditBar0"},
        {"mnuEditDelete", QT_TRANSLATE_NOOP("frmMain", "Delete"), "Del", [](frmMain& m) { m.mnuEditDelete_Click(); }, Disabled},
        {"mnuEditBar1"},
        {"mnuEditCut", QT_TRANSLATE_NOOP("frmMain", "Cu&t"), "Ctrl+X", [](frmMain& m) { m.mnuEditCut_Click(); }},
        {"mnuEditCopy", QT_TRANSLATE_NOOP("frmMain", "&Copy"), "Ctrl+C", [](frmMain& m) { m.mnuEditCopy_Click(); }},
        {"mnuEditPaste", QT_TRANSLATE_NOOP("frmMain", "&Paste"), "Ctrl+V", [](frmMain& m) { m.mnuEditPaste_Click(); }},
    }},
    {"mnuView", QT_TRANSLATE_NOOP("frmMain", "&View"), {
        {"mnuViewToolbar", QT_TRANSLATE_NOOP("frmMain", "&Toolbar"), nullptr, [](frmMain& m) { m.mnuViewToolbar_Click(); }, Checkable | Checked},
        {"mnuViewStatusBar", QT_TRANSLATE_NOOP("frmMain", "Status &Bar"), nullptr, [](frmMain& m) { m.mnuViewStatusBar_Click(); }, Checkable | Checked},
        {"mnuViewPosition", QT_TRANSLATE_NOOP("frmMain", "&Position and Size"), nullptr, [](frmMain& m) { m.mnuViewPosition_Click(); }, Checkable},
        {"mnuViewBar0"},
        {"mnuViewDefineGrid", QT_TRANSLATE_NOOP("frmMain", "&Define Grid"), nullptr, [](frmMain& m) { m.mnuViewDefineGrid_Click(); }},
        {"mnuViewShowGrid", QT_TRANSLATE_NOOP("frmMain", "&Show Grid"), nullptr, [](frmMain& m) { m.mnuViewShowGrid_Click(); }, Checkable},
        {"mnuViewSnapToGrid", QT_TRANSLATE_NOOP("frmMain", "Snap To &Grid"), nullptr, [](frmMain& m) { m.mnuViewSnapToGrid_Click(); }, Checkable},
        {"mnuViewShowGuides", QT_TRANSLATE_NOOP("frmMain", "Sho&w Guides"), nullptr, [](frmMain& m) { m.mnuViewShowGuides_Click(); }, Checkable},
        {"mnuViewFieldValues", QT_TRANSLATE_NOOP("frmMain", "Show Field &Values"), nullptr, [](frmMain& m) { m.mnuViewFieldValues_Click(); }, Checkable | Checked},
        {"mnuViewBarZoom"},
        {"mnuViewZoomIn", QT_TRANSLATE_NOOP("frmMain", "Zoom &In"), "Ctrl++|Ctrl+=", [](frmMain& m) { m.mnuViewZoom_Click(1); }, Disabled},
        {"mnuViewZoomOut", QT_TRANSLATE_NOOP("frmMain", "Zoom &Out"), "Ctrl+-", [](frmMain& m) { m.mnuViewZoom_Click(-1); }, Disabled},
        {"mnuViewActualSize", QT_TRANSLATE_NOOP("frmMain", "&Actual Size"), "Ctrl+0", [](frmMain& m) { m.mnuViewZoom_Click(0); }, Disabled},
        {"mnuViewFitLabel", QT_TRANSLATE_NOOP("frmMain", "Fit &Label"), nullptr, [](frmMain& m) { m.mnuViewFitLabel_Click(); }, Disabled},
        {"mnuViewBar1"},
        {"mnuViewBringForward", QT_TRANSLATE_NOOP("frmMain", "Bring &Forward"), nullptr, [](frmMain& m) { m.mnuViewBringForward_Click(); }, Disabled},
        {"mnuViewSendBack", QT_TRANSLATE_NOOP("frmMain", "Send &Back"), nullptr, [](frmMain& m) { m.mnuViewSendBack_Click(); }, Disabled},
    }},
    {"mnuText", QT_TRANSLATE_NOOP("frmMain", "&Text"), {
        {"mnuTextNew", QT_TRANSLATE_NOOP("frmMain", "&New Text"), nullptr, [](frmMain& m) { m.mnuTextNew_Click(); }},
        {"mnuTextEdit", QT_TRANSLATE_NOOP("frmMain", "&Edit Text"), nullptr, [](frmMain& m) { m.mnuTextEdit_Click(); }, Disabled},
        {"mnuTextBar0"},
        {"mnuTextColor", QT_TRANSLATE_NOOP("frmMain", "Text &Color"), nullptr, [](frmMain& m) { m.mnuTextColor_Click(); }},
    }},
    {"mnuGraphic", QT_TRANSLATE_NOOP("frmMain", "&Graphic"), {
        {"mnuGraphicNew", QT_TRANSLATE_NOOP("frmMain", "&New Graphic"), nullptr, [](frmMain& m) { m.mnuGraphicNew_Click(); }},
        {"mnuGraphicInsertQr", QT_TRANSLATE_NOOP("frmMain", "Insert &QR Code..."), nullptr, [](frmMain& m) { m.mnuGraphicInsertQr_Click(); }},
        {"mnuGraphicBar0"},
        {"mnuGraphicAspectRatio", QT_TRANSLATE_NOOP("frmMain", "Maintain &Aspect Ratio"), nullptr, [](frmMain& m) { m.mnuGraphicAspectRatio_Click(); }, Checkable},
        {"mnuGraphicBar1"},
        {"mnuGraphicEdit", QT_TRANSLATE_NOOP("frmMain", "Edit Graphic"), nullptr, [](frmMain& m) { m.mnuGraphicEdit_Click(); }, Disabled},
        // Rotating and mirroring pictures is not offered.
        {"mnuGraphicBar2", nullptr, nullptr, nullptr, Hidden},
        {"mnuGraphicRotateLeft", QT_TRANSLATE_NOOP("frmMain", "Rotate &Left"), nullptr, [](frmMain& m) { m.mnuGraphicRotate_Click(90); }, Hidden | Disabled},
        {"mnuGraphicRotateRight", QT_TRANSLATE_NOOP("frmMain", "Rotate &Right"), nullptr, [](frmMain& m) { m.mnuGraphicRotate_Click(270); }, Hidden | Disabled},
        {"mnuGraphicMirror", QT_TRANSLATE_NOOP("frmMain", "&Mirror"), nullptr, [](frmMain& m) { m.mnuGraphicMirror_Click(); }, Hidden | Disabled},
    }},
    {"mnuLabel", QT_TRANSLATE_NOOP("frmMain", "&Label"), {
        {"mnuLabelBorderVisible", QT_TRANSLATE_NOOP("frmMain", "Border &Visible"), nullptr, [](frmMain& m) { m.mnuLabelBorderVisible_Click(); }, Checkable},
        {"mnuLabelBorderColor", QT_TRANSLATE_NOOP("frmMain", "Border &Color"), nullptr, [](frmMain& m) { m.mnuLabelBorderColor_Click(); }},
        {"mnuLabelBar0"},
        {"mnuLabelBackColor", QT_TRANSLATE_NOOP("frmMain", "Label Background Color"), nullptr, [](frmMain& m) { m.mnuLabelBackColor_Click(); }},
    }},
    {"mnuWindow", QT_TRANSLATE_NOOP("frmMain", "&Window"), {
        {"mnuWindowNewWindow", QT_TRANSLATE_NOOP("frmMain", "&New Window"), nullptr, [](frmMain& m) { m.LoadNewDoc(); }},
        {"mnuWindowBar0"},
        {"mnuWindowCascade", QT_TRANSLATE_NOOP("frmMain", "&Cascade"), nullptr, [](frmMain& m) { m.mnuWindowCascade_Click(); }},
        {"mnuWindowTileHorizontal", QT_TRANSLATE_NOOP("frmMain", "Tile &Horizontal"), nullptr, [](frmMain& m) { m.mnuWindowTileHorizontal_Click(); }},
        {"mnuWindowTileVertical", QT_TRANSLATE_NOOP("frmMain", "Tile &Vertical"), nullptr, [](frmMain& m) { m.mnuWindowTileVertical_Click(); }},
        {"mnuWindowArrangeIcons", QT_TRANSLATE_NOOP("frmMain", "&Arrange Icons"), nullptr, [](frmMain& m) { m.mnuWindowArrangeIcons_Click(); }},
        {"mnuWindowBar1"},
    }},
    {"mnuHelp", QT_TRANSLATE_NOOP("frmMain", "&Help"), {
        {"mnuHelpContents", QT_TRANSLATE_NOOP("frmMain", "&Contents..."), "F1", [](frmMain& m) { m.mnuHelpContents_Click(); }},
        {"mnuHelpIndex", QT_TRANSLATE_NOOP("frmMain", "Help &Index..."), nullptr, [](frmMain& m) { m.mnuHelpIndex_Click(); }},
        {"mnuHelpSearch", QT_TRANSLATE_NOOP("frmMain", "&Search for Help On..."), nullptr, [](frmMain& m) { m.mnuHelpSearch_Click(); }},
        {"mnuHelpBar0"},
        {"mnuHelpTip", QT_TRANSLATE_NOOP("frmMain", "&Tip of the Day"), nullptr, [](frmMain& m) { m.mnuHelpTip_Click(); }},
        {"mnuHelpBar1"},
        {"mnuHelpOtherSoftware", QT_TRANSLATE_NOOP("frmMain", "&Other Kelvane Software"), nullptr, [](frmMain& m) { m.mnuHelpOtherSoftware_Click(); }},
        {"mnuHelpAbout", QT_TRANSLATE_NOOP("frmMain", "&About "), nullptr, [](frmMain& m) { m.mnuHelpAbout_Click(); }},
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
    {QT_TRANSLATE_NOOP("frmMain", "New"), nullptr, "mnuFileNew"},
    {QT_TRANSLATE_NOOP("frmMain", "Open"), nullptr, "mnuFileOpen"},
    {QT_TRANSLATE_NOOP("frmMain", "Save"), nullptr, "mnuFileSave0"},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Print"), nullptr, "mnuFilePrint"},
    {QT_TRANSLATE_NOOP("frmMain", "Preview"), QT_TRANSLATE_NOOP("frmMain", "Print Preview"), "mnuFilePrintPreview"},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Cut"), nullptr, "mnuEditCut"},
    {QT_TRANSLATE_NOOP("frmMain", "Copy"), nullptr, "mnuEditCopy"},
    {QT_TRANSLATE_NOOP("frmMain", "Paste"), nullptr, "mnuEditPaste"},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Delete"), nullptr, "mnuEditDelete"},
    {nullptr},
    // The label properties, ready to look up the label sheet by its product code.
    {QT_TRANSLATE_NOOP("frmMain", "Select"), QT_TRANSLATE_NOOP("frmMain", "Select Label Size"), nullptr, [](frmMain& m) { m.mnuFileLabelSize_Click(2, true); }},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Horizontal Center"), QT_TRANSLATE_NOOP("frmMain", "Horizontal Alignment"), nullptr, [](frmMain& m) { m.horizontalAlign_Click(2); }},
    {QT_TRANSLATE_NOOP("frmMain", "Vertical Center"), QT_TRANSLATE_NOOP("frmMain", "Vertical Alignment"), nullptr, [](frmMain& m) { m.verticalAlign_Click(2); }},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Add Image"), nullptr, "mnuGraphicNew"},
    {QT_TRANSLATE_NOOP("frmMain", "Add QR Code"), QT_TRANSLATE_NOOP("frmMain", "Insert QR Code"), "mnuGraphicInsertQr"},
    {QT_TRANSLATE_NOOP("frmMain", "Aspect Ratio"), QT_TRANSLATE_NOOP("frmMain", "Maintain Aspect Ratio"), "mnuGraphicAspectRatio"},
    {QT_TRANSLATE_NOOP("frmMain", "Bring Forward"), nullptr, "mnuViewBringForward"},
    {QT_TRANSLATE_NOOP("frmMain", "Send Back"), nullptr, "mnuViewSendBack"},
    {QT_TRANSLATE_NOOP("frmMain", "Rotate Left"), nullptr, "mnuGraphicRotateLeft"},
    {QT_TRANSLATE_NOOP("frmMain", "Rotate Right"), nullptr, "mnuGraphicRotateRight"},
    {QT_TRANSLATE_NOOP("frmMain", "Mirror"), nullptr, "mnuGraphicMirror"},
};

const ButtonEntry TextButtons[] = {
    {"", nullptr, nullptr, nullptr, 0, "cboFonts"},
    {nullptr},
    {"", nullptr, nullptr, nullptr, 0, "cboFontSize"},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Add Text"), nullptr, "mnuTextNew"},
    {QT_TRANSLATE_NOOP("frmMain", "Text Color"), nullptr, "mnuTextColor"},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Bold"), nullptr, nullptr, [](frmMain& m) { m.textStyle_Click(); }, Checkable},
    {QT_TRANSLATE_NOOP("frmMain", "Italic"), nullptr, nullptr, [](frmMain& m) { m.textStyle_Click(); }, Checkable},
    {QT_TRANSLATE_NOOP("frmMain", "Underline"), nullptr, nullptr, [](frmMain& m) { m.textStyle_Click(); }, Checkable},
    {QT_TRANSLATE_NOOP("frmMain", "Shadow"), nullptr, nullptr, nullptr, Checkable},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Align Left"), nullptr, nullptr, [](frmMain& m) { m.textAlignment_Click(0); }, Checkable},
    {QT_TRANSLATE_NOOP("frmMain", "Center"), nullptr, nullptr, [](frmMain& m) { m.textAlignment_Click(2); }, Checkable},
    {QT_TRANSLATE_NOOP("frmMain", "Align Right"), nullptr, nullptr, [](frmMain& m) { m.textAlignment_Click(1); }, Checkable},
    {nullptr},
    // The hidden picture commands' text half, a quarter turn each way.
    {QT_TRANSLATE_NOOP("frmMain", "Rotate Text Left"), nullptr, nullptr, [](frmMain& m) { m.mnuGraphicRotate_Click(90); }, Disabled},
    {QT_TRANSLATE_NOOP("frmMain", "Rotate Text Right"), nullptr, nullptr, [](frmMain& m) { m.mnuGraphicRotate_Click(270); }, Disabled},
};

const ButtonEntry BorderButtons[] = {
    {QT_TRANSLATE_NOOP("frmMain", "Show Border"), nullptr, "mnuLabelBorderVisible"},
    {QT_TRANSLATE_NOOP("frmMain", "Border Color"), nullptr, "mnuLabelBorderColor"},
    {"", nullptr, nullptr, nullptr, 0, "cboBorderWidth"},
    {nullptr},
    {"", nullptr, nullptr, nullptr, 0, "cboBorderStyle"},
    {nullptr},
    {QT_TRANSLATE_NOOP("frmMain", "Help"), nullptr, "mnuHelpContents"},
};

// The keys a drop-down alignment button can take, with their commands.
const ButtonEntry AlignKeys[] = {
    {QT_TRANSLATE_NOOP("frmMain", "Right Align"), nullptr, nullptr, [](frmMain& m) { m.horizontalAlign_Click(1); }},
    {QT_TRANSLATE_NOOP("frmMain", "Horizontal Center"), nullptr, nullptr, [](frmMain& m) { m.horizontalAlign_Click(2); }},
    {QT_TRANSLATE_NOOP("frmMain", "Left Align"), nullptr, nullptr, [](frmMain& m) { m.horizontalAlign_Click(3); }},
    {QT_TRANSLATE_NOOP("frmMain", "Top Align"), nullptr, nullptr, [](frmMain& m) { m.verticalAlign_Click(1); }},
    {QT_TRANSLATE_NOOP("frmMain", "Vertical Center"), nullptr, nullptr, [](frmMain& m) { m.verticalAlign_Click(2); }},
    {QT_TRANSLATE_NOOP("frmMain", "Bottom Align"), nullptr, nullptr, [](frmMain& m) { m.verticalAlign_Click(3); }},
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

QComboBox* makeBox(QWidget* parent, const char* name, const QString& tip, bool editable, int chars, const QStringList& items)
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
        QMenu* menu = menuBar()->addMenu(tr(def.caption));
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
    action("mnuFileLabelSize0")->setStatusTip(tr("Makes this label and every new label a beer label, 3.75 in high "
                                                 "and 3 in wide; Undo resizes only this label"));
    action("mnuFileLabelSize1")->setStatusTip(tr("Makes this label and every new label a wine label, 4 in high "
                                                 "and 5 in wide; Undo resizes only this label"));
    for (int i = 0; i < 4; ++i)
        m_mruItems << action(QString("mnuFileMRU%1").arg(i));
    m_mnuFileBar4 = action("mnuFileBar4");
    connect(m_windowMenu, &QMenu::aboutToShow, this, [this] { mnuWindow_Click(); });
}

void frmMain::buildToolbars()
{
    m_cboFonts = makeBox(this, "cboFonts", frmMain::tr("Fonts"), true, 16, {});
    m_cboFontSize = makeBox(this, "cboFontSize", frmMain::tr("Font Size"), true, 3,
                            {"10", "11", "12", "14", "16", "18", "20", "24", "28", "32", "40", "48", "56", "64", "72"});
    m_cboFontSize->setCurrentText("18");
    m_cboBorderWidth = makeBox(this, "cboBorderWidth", frmMain::tr("Border Width"), true, 3,
                               {"1 ", "2 ", "3 ", "4 ", "6 ", "8 ", "10", "12", "14", "16", "18", "20", "25", "30", "35", "40"});
    m_cboBorderStyle = makeBox(this, "cboBorderStyle", frmMain::tr("Border Style"), false, 0, {"Square", "Rounded", "Oval"});
    const QMap<QString, QWidget*> boxes{{"cboFonts", m_cboFonts},
                                        {"cboFontSize", m_cboFontSize},
                                        {"cboBorderWidth", m_cboBorderWidth},
                                        {"cboBorderStyle", m_cboBorderStyle}};

    struct Bar {
        const char* title;
        const ButtonEntry* begin;
        const ButtonEntry* end;
    };
    const Bar bars[] = {{QT_TRANSLATE_NOOP("frmMain", "Main"), std::begin(MainButtons), std::end(MainButtons)},
                        {QT_TRANSLATE_NOOP("frmMain", "Text"), std::begin(TextButtons), std::end(TextButtons)},
                        {QT_TRANSLATE_NOOP("frmMain", "Border"), std::begin(BorderButtons), std::end(BorderButtons)}};
    m_alignGroup = new QActionGroup(this);
    m_alignGroup->setExclusive(true);
    for (int i = 0; i < 3; ++i) {
        QToolBar* tb = m_toolbars[i] = new QToolBar(tr(bars[i].title), this);
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
            QAction* a = e->menuItem ? action(e->menuItem) : new QAction(tr(e->key), this);
            if (!e->menuItem) {
                a->setObjectName("tb" + id);
                a->setCheckable(e->flags & Checkable);
                a->setEnabled(!(e->flags & Disabled));
                connect(a, &QAction::triggered, this, [this, a] { tbToolbar_ButtonClick(a->data().toString()); });
            }
            a->setIcon(toolbarIcon(key));
            a->setIconVisibleInMenu(false);
            a->setData(key);
            a->setToolTip(tr(e->tooltip ? e->tooltip : e->key));
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
            QAction* ia = menu->addAction(toolbarIcon(item), tr(item.toUtf8().constData()));
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
    m_statusPanel = new QLabel(tr("Status"), sb);
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
    a->setText(tr(key.toUtf8().constData()));
}
