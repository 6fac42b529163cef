// Formatting commands: texts, pictures, the label's border and background,
// the formatting boxes, and the view toggles.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QStatusBar>
#include <QToolBar>

#include "ComboRules.h"
#include "app/AppContext.h"
#include "app/Settings.h"
#include "dialogs/frmOptions.h"
#include "dialogs/frmTextInput.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "frmMain.h"
#include "PositionPanel.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace {
// Every format a picture loads from, in the filter the chooser starts with.
QString pictureFilter()
{
    const QString patterns = picturePatterns().join(';');
    return frmMain::tr("Picture Files (%1)|%1|All Files (*.*)|*.*").arg(patterns);
}
} // namespace

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
        doc->setTextText(v.dialogText, v.dialogRotation);
    }
    doc->refreshStatus();
}

void frmMain::mnuTextEdit_Click()
{
    if (frmDocument* d = activeDocument())
        editText(d);
}

void frmMain::textStyle_Click()
{
    ProgramValues& v = m_ctx.values;
    // The step is named after the button that was pressed.
    const char* name = button("Bold")->isChecked() != v.bold       ? QT_TRANSLATE_NOOP("Undo", "Bold")
                       : button("Italic")->isChecked() != v.italic ? QT_TRANSLATE_NOOP("Undo", "Italic")
                                                                   : QT_TRANSLATE_NOOP("Undo", "Underline");
    v.bold = button("Bold")->isChecked();
    v.italic = button("Italic")->isChecked();
    v.underline = button("Underline")->isChecked();
    if (frmDocument* d = activeDocument()) {
        LabelDocument::Step step(*d, name);
        d->showActiveText();
    }
}

void frmMain::textAlignment_Click(int16_t alignment)
{
    m_ctx.values.textAlignment = alignment;
    if (frmDocument* d = activeDocument()) {
        LabelDocument::Step step(*d, QT_TRANSLATE_NOOP("Undo", "Alignment"));
        d->showActiveText();
    }
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
    const auto c = m_ctx.platform.chooseColor(tr("Text Color"), onItem ? d->getTextColor() : v.textColor);
    if (!c)
        return;
    if (onItem)
        d->setTextColor(*c);
    v.textColor = *c;
}

void frmMain::mnuGraphicNew_Click()
{
    FileDialogRequest req;
    req.title = tr("Select Graphic File");
    req.initialDir = settings::readText(m_ctx.store, settings::keys::PictureChooserFolder, m_ctx.values.graphicsFolder);
    req.filter = pictureFilter();
    req.filterIndex = 1;
    req.mustExist = true;
    const auto r = m_ctx.platform.openFile(req);
    if (!r || r->path.isEmpty())
        return;
    if (!activeDocument())
        LoadNewDoc();
    frmDocument* d = activeDocument();
    d->SelectNothing();
    settings::writeText(m_ctx.store, settings::keys::PictureChooserFolder, r->folder);
    d->createNewGraphic(r->path);
}

void frmMain::mnuGraphicEdit_Click()
{
    if (frmDocument* d = activeDocument())
        editPicture(d);
}

void frmMain::editPicture(frmDocument* d)
{
    const QString file = d->getActiveGraphicSpecs();
    // The windows keep repainting while the editor runs, but what is clicked or
    // typed meanwhile is dropped (the platform waits so), and the status bar
    // says why; closing is held off until it has ended so the document is
    // still there to reload.
    m_editorRunning = true;
    QPointer<frmDocument> guard(d);
    const QString status = m_statusPanel->text();
    setStatusText(tr("Waiting for the picture editor to close…"));
    Module1::runGraphicsEditor(m_ctx.platform, m_ctx.values.graphicsEditor, file);
    setStatusText(status);
    m_editorRunning = false;
    if (guard)
        guard->refreshGraphic(file);
}

void frmMain::mnuGraphicAspectRatio_Click()
{
    // The menu item and its toolbar button are one action, already toggled;
    // a document's own flag decides when there is one.
    frmDocument* d = activeDocument();
    QAction* a = action("mnuGraphicAspectRatio");
    const bool now = d ? !d->valMaintainAspectRatioFlag : a->isChecked();
    a->setChecked(now);
    settings::writeBool(m_ctx.store, settings::keys::AspectRatio, now);
    if (d) {
        // The flag is stored with the label's pictures: part of the step.
        LabelDocument::Step step(*d, QT_TRANSLATE_NOOP("Undo", "Maintain Aspect Ratio"));
        d->valMaintainAspectRatioFlag = now;
        d->adjustToAspectRatio();
    }
}

void frmMain::mnuLabelBorderVisible_Click()
{
    // Menu item and toolbar button are one checkable action, already toggled.
    const bool visible = action("mnuLabelBorderVisible")->isChecked();
    if (frmDocument* d = activeDocument())
        d->setBorderVisible(visible);
}

void frmMain::mnuLabelBorderColor_Click()
{
    if (!activeDocument())
        LoadNewDoc();
    frmDocument* d = activeDocument();
    const auto c = m_ctx.platform.chooseColor(tr("Border Color"), d->border().color);
    if (!c)
        return;
    d->setBorderColor(*c);
}

void frmMain::mnuLabelBackColor_Click()
{
    if (!activeDocument())
        LoadNewDoc();
    frmDocument* d = activeDocument();
    const auto c = m_ctx.platform.chooseColor(tr("Label Background Color"), d->backColor());
    if (!c)
        return;
    d->setBackColor(*c); // a step of the label's history, which marks it changed
    drawGrid();
}

void frmMain::connectComboBoxes()
{
    connect(m_cboBorderWidth->lineEdit(), &QLineEdit::textEdited, this, [this](const QString& t) { cboBorderWidth_Change(t); });
    connect(m_cboBorderWidth, &QComboBox::activated, this, [this] { cboBorderWidth_Click(); });
    m_cboBorderWidth->installEventFilter(this);
    connect(m_cboBorderStyle, &QComboBox::activated, this, [this] { cboBorderStyle_Click(); });
    connect(m_cboFonts, &QComboBox::activated, this, [this] { cboFonts_Click(); });
    m_cboFonts->installEventFilter(this);
    connect(m_cboFonts->lineEdit(), &QLineEdit::returnPressed, this, [this] { cboFonts_Click(); });
    connect(m_cboFonts, &QComboBox::currentTextChanged, this, [this](const QString& t) { m_ctx.values.fontName = t; });
    connect(m_cboFontSize, &QComboBox::activated, this, [this] { cboFontSize_Commit(); });
    connect(m_cboFontSize->lineEdit(), &QLineEdit::returnPressed, this, [this] { cboFontSize_Commit(); });
    connect(m_cboFontSize, &QComboBox::currentTextChanged, this, [this](const QString& t) { m_ctx.values.fontSize = t; });
    m_cboFontSize->installEventFilter(this);
}

void frmMain::cboBorderWidth_Change(const QString& text)
{
    const comborules::WidthAction a = comborules::borderWidthTyped(text);
    if (a.kind == comborules::WidthAction::RestoreDefault) {
        m_cboBorderWidth->setCurrentText(QString::number(m_ctx.values.borderWidth));
    } else if (a.kind == comborules::WidthAction::Apply && !m_loading) {
        if (frmDocument* d = activeDocument())
            d->setBorderWidth(a.width);
    }
}

void frmMain::cboBorderWidth_Click()
{
    frmDocument* d = activeDocument();
    if (!d)
        return;
    const double v = comborules::leadingNumber(m_cboBorderWidth->currentText());
    if (v > 0 && v < 32768)
        d->setBorderWidth(int16_t(v));
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

void frmMain::drawGrid()
{
    frmDocument* doc = activeDocument();
    if (!doc)
        return;
    doc->setGridShown(action("mnuViewShowGrid")->isChecked());
    doc->showGuides(action("mnuViewShowGuides")->isChecked());
}

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
    settings::writeBool(m_ctx.store, settings::keys::ShowGrid, action("mnuViewShowGrid")->isChecked());
    drawGrid();
}

void frmMain::mnuViewSnapToGrid_Click()
{
    m_ctx.values.snapToGrid = action("mnuViewSnapToGrid")->isChecked();
    settings::writeBool(m_ctx.store, settings::keys::SnapToGrid, m_ctx.values.snapToGrid);
}

void frmMain::mnuViewShowGuides_Click()
{
    if (frmDocument* d = activeDocument())
        d->showGuides(action("mnuViewShowGuides")->isChecked());
}

void frmMain::mnuViewDefineGrid_Click()
{
    frmOptions::showOptions(m_ctx, activeDocument(), printer(), this, frmOptions::TabKeys.indexOf("Grid"));
    if (m_ctx.values.settingsChanged)
        drawGrid();
    m_positionPanel->refresh(); // the unit may be another now
}

void frmMain::mnuViewPosition_Click() { m_positionPanel->setVisible(action("mnuViewPosition")->isChecked()); }
