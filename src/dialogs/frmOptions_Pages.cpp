// Loading the options dialog, its numeric boxes, the border, grid and
// locations pages, and Apply.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <optional>

#include "app/AppContext.h"
#include "app/Settings.h"
#include "app/Units.h"
#include "document/LabelDocument.h"
#include "frmOptions.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "printing/StockCatalogue.h"

using options::Box;

void frmOptions::showOptions(AppContext& ctx, LabelDocument* doc, QPrinter& printer, QWidget* parent, int tab,
                             bool stockSearch)
{
    // Whatever Apply and OK change on the label is one step.
    std::optional<LabelDocument::Step> step;
    if (doc)
        step.emplace(*doc, QT_TRANSLATE_NOOP("Undo", "Label Properties"));
    frmOptions dlg(ctx, doc, printer, parent);
    dlg.selectTab(tab);
    dlg.Form_Load();
    if (stockSearch)
        dlg.focusStockSearch();
    dlg.exec();
}

void frmOptions::Form_Load()
{
    ProgramValues& v = m_ctx.values;
    m_loading = true;
    v.settingsChanged = false;

    m_unit = v.unit;
    m_cboUnits->setCurrentIndex(m_unit == lengths::Unit::Millimetres ? 1 : 0);
    auto put = [this](Box b, double inches, bool formatted) {
        const bool asTyped = !formatted && m_unit == lengths::Unit::Inches;
        if (asTyped)
            box(b)->setText(Module1::numberToText(inches));
        else
            showLength(b, inches);
    };
    const bool fromDoc = m_doc != nullptr;
    m_labelType = fromDoc ? m_doc->getLabelType() : v.labelType;
    if (m_labelType == labelsizes::CustomType) {
        put(Box::CustomHeight, fromDoc ? m_doc->getLabelHeight() : v.labelHeight, fromDoc);
        put(Box::CustomWidth, fromDoc ? m_doc->getLabelWidth() : v.labelWidth, fromDoc);
    }
    put(Box::TopMargin, fromDoc ? m_doc->getTopMargin() : v.topMargin, fromDoc);
    put(Box::LeftMargin, fromDoc ? m_doc->getLeftMargin() : v.leftMargin, fromDoc);
    put(Box::RowSpace, fromDoc ? m_doc->getRowSpace() : v.rowSpace, fromDoc);
    put(Box::ColumnSpace, fromDoc ? m_doc->getColumnSpace() : v.columnSpace, fromDoc);
    m_cutmarks = fromDoc ? m_doc->getCutmarks() : v.cutmarks;
    m_stockProduct = catalogue::rememberedProduct(m_ctx.store);
    m_stockOval = false;

    if (m_labelType >= 0 && m_labelType <= 2) {
        m_optLabelType[m_labelType]->setChecked(true);
        optLabelType_Click(m_labelType);
    }
    if (m_cutmarks >= 0 && m_cutmarks <= 3)
        m_optCutmarks[m_cutmarks]->setChecked(true);
    LabelSpec layout;
    layout.LabelType = m_labelType;
    layout.LabelWidth = fromDoc ? m_doc->getLabelWidth() : v.labelWidth;
    layout.LabelHeight = fromDoc ? m_doc->getLabelHeight() : v.labelHeight;
    layout.TopMargin = fromDoc ? m_doc->getTopMargin() : v.topMargin;
    layout.LeftMargin = fromDoc ? m_doc->getLeftMargin() : v.leftMargin;
    takeRememberedPaper(layout, fromDoc ? m_doc->getColumnSpace() : v.columnSpace,
                        fromDoc ? m_doc->getRowSpace() : v.rowSpace);
    m_optOrientation[printerOrientation()]->setChecked(true);
    showPageFromBoxes();

    m_chkBorder->setChecked(v.borderVisible);
    chkBorder_Click();
    m_picBorderColor->setColor(v.borderColor);
    m_cboBorderStyle->setCurrentText(v.borderStyle);
    m_cboBorderWidth->setCurrentText(QString::number(v.borderWidth));

    box(Box::GridWidth)->setText(QString::number(v.gridWidth));
    box(Box::GridHeight)->setText(QString::number(v.gridHeight));
    drawGridPreview();
    m_optGuide[v.guideSetting >= 0 && v.guideSetting <= 2 ? v.guideSetting : 0]->setChecked(true);

    const QString locations[] = {v.labelFolder, v.graphicsFolder, v.templateFolder, v.templateFile, v.graphicsEditor};
    for (int i = 0; i < 5; ++i)
        m_txtDir[i]->setText(locations[i]);
    m_locationsChanged = false;
    m_loading = false;
}

bool frmOptions::eventFilter(QObject* o, QEvent* e)
{
    int index = -1;
    for (int i = 0; i < 8; ++i)
        if (o == m_boxes[i])
            index = i;
    if (index >= 0 && e->type() == QEvent::KeyPress) {
        auto* k = static_cast<QKeyEvent*>(e);
        // Typed characters only: moving, deleting, leaving the box and the
        // editing shortcuts (copy, paste, undo) behave as in any text box.
        const bool shortcut = k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const int key = k->key();
        const bool passes = shortcut || k->text().isEmpty() || key == Qt::Key_Tab || key == Qt::Key_Backtab ||
                            key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape ||
                            key == Qt::Key_Delete;
        if (!passes && options::numericKey(k->text(), Box(index), m_sep) == 0) {
            m_ctx.platform.beep();
            return true;
        }
    }
    if (index >= 0 && e->type() == QEvent::FocusOut) {
        // Leaving for another control of the dialog; not a window losing the
        // focus to a message box or another program.
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
            leaveBox(Box(index));
    }
    if (m_cboBorderWidth && (o == m_cboBorderWidth || o == m_cboBorderWidth->lineEdit()) &&
        e->type() == QEvent::FocusOut) {
        const Qt::FocusReason why = static_cast<QFocusEvent*>(e)->reason();
        if (why != Qt::ActiveWindowFocusReason && why != Qt::PopupFocusReason)
            cboBorderWidth_Validate();
    }
    return QDialog::eventFilter(o, e);
}

double frmOptions::boxValue(Box b) const
{
    if (options::holdsInches(b) && m_unit == lengths::Unit::Millimetres)
        return box(b)->text() == m_lengthShown[int(b)] ? m_lengthInches[int(b)]
                                                       : options::boxInches(box(b)->text(), m_unit, m_sep);
    return options::leadingNumber(box(b)->text(), m_sep);
}

QString frmOptions::lengthText(double inches) const
{
    return m_unit == lengths::Unit::Inches ? options::formatInches(inches, m_sep)
                                           : lengths::formatInches(inches, m_unit, m_sep);
}

void frmOptions::showLength(Box b, double inches)
{
    m_lengthShown[int(b)] = lengthText(inches);
    m_lengthInches[int(b)] = inches;
    box(b)->setText(m_lengthShown[int(b)]);
}

void frmOptions::cboUnits_Click()
{
    const auto chosen = lengths::unitFromKey(m_cboUnits->currentData().toString(), m_unit);
    if (chosen == m_unit)
        return;
    double inches[8] = {};
    for (int i = 0; i < 8; ++i)
        inches[i] = boxValue(Box(i));
    m_unit = chosen;
    const bool wasLoading = m_loading;
    m_loading = true; // the values stay what they were: the miniature need not follow
    for (int i = 0; i < 8; ++i)
        if (options::holdsInches(Box(i)) && !box(Box(i))->text().isEmpty())
            showLength(Box(i), inches[i]);
    m_loading = wasLoading;
    showPageFromBoxes();
}

void frmOptions::leaveBox(Box b)
{
    const options::LeaveResult r = options::leaveBox(b, box(b)->text(), paper(), m_sep, m_unit);
    if (!r.message.isEmpty())
        m_ctx.platform.message(r.message);
    if (box(b)->text() != r.text)
        box(b)->setText(r.text);
    if (options::holdsInches(b))
        showPageFromBoxes();
    else
        drawGridPreview();
}

// --- border page

void frmOptions::chkBorder_Click()
{
    const bool on = m_chkBorder->isChecked();
    for (QWidget* w : std::initializer_list<QWidget*>{m_cboBorderStyle, m_cboBorderWidth, m_picBorderColor, m_lblStyle,
                                                      m_lblWidth, m_lblColor})
        w->setEnabled(on);
}

void frmOptions::picBorderColor_Click()
{
    if (const auto c = m_ctx.platform.chooseColor(tr("Border Color"), m_picBorderColor->color())) {
        m_picBorderColor->setColor(*c);
        m_edited[TabKeys.indexOf("Border")] = true;
    }
}

void frmOptions::cboBorderWidth_Validate()
{
    if (options::leadingNumber(m_cboBorderWidth->currentText(), m_sep) <= 0)
        m_cboBorderWidth->setCurrentText("12");
}

// --- grid page

void frmOptions::drawGridPreview()
{
    m_picPage->setSteps(int(boxValue(Box::GridWidth)), int(boxValue(Box::GridHeight)));
}

void frmOptions::cmdDefaults_Click()
{
    box(Box::GridWidth)->setText("120");
    box(Box::GridHeight)->setText("120");
    drawGridPreview();
}

// --- locations page

void frmOptions::cmdChgDir_Click(int index)
{
    static const char* folderTitles[] = {QT_TR_NOOP("Select Startup Label Folder"),
                                         QT_TR_NOOP("Select Startup Graphics Folder"),
                                         QT_TR_NOOP("Select Startup Template Folder")};
    if (index >= 0 && index <= 2) {
        const auto folder = m_ctx.platform.chooseFolder(tr(folderTitles[index]), m_txtDir[index]->text());
        if (folder && !folder->isEmpty())
            m_txtDir[index]->setText(*folder);
        return;
    }
    FileDialogRequest req;
    req.mustExist = true;
    req.filterIndex = 1;
    if (index == 3) {
        req.title = tr("Select Startup Corkcrafter Template");
        req.filter = tr("Corkcrafter Files (*.ckm)|*.ckm");
        req.defaultExt = ".ckm";
        req.initialDir = m_txtDir[2]->text();
    } else {
        // Programs on this system have no extension of their own; the chooser
        // offers executable files and starts where programs are installed.
        req.title = tr("Select the Graphics Editor Program");
        req.filter = tr("Programs|*");
        req.initialDir = "/usr/bin";
        req.executablesOnly = true;
    }
    const auto chosen = m_ctx.platform.openFile(req);
    if (!chosen || chosen->path.isEmpty())
        return;
    m_txtDir[index]->setText(index == 3 ? Module1::pathFileName(chosen->path) : chosen->path);
}

// --- apply

void frmOptions::cmdApply_Click()
{
    if (selectedTabKey() == "Label Specs" && !takeHighlightedStock())
        return;
    // Enter (the default button) and the Alt keys press a button without the
    // box losing the focus: its value is checked here so that nothing out of
    // range is committed.
    for (int i = 0; i < 8; ++i)
        if (m_boxes[i]->hasFocus() && m_boxes[i]->isEnabled())
            leaveBox(Box(i));
    if (m_cboBorderWidth->hasFocus() || m_cboBorderWidth->lineEdit()->hasFocus())
        cboBorderWidth_Validate();

    applyPage(selectedTabKey());
    m_edited[m_tabs->currentIndex()] = false;
    m_ctx.values.settingsChanged = true;
}

void frmOptions::cmdOK_Click()
{
    // A highlighted sheet that cannot be printed on keeps the dialog open on its reason.
    if (!takeHighlightedStock())
        return;
    cmdApply_Click();
    // What was typed on the other pages is kept too, in tab order.
    for (int i = 0; i < m_tabs->count(); ++i)
        if (m_edited[i]) {
            applyPage(TabKeys.value(i));
            m_edited[i] = false;
        }
    accept();
}

void frmOptions::applyPage(const QString& key)
{
    if (key == "Label Specs")
        applyLabelSpecs();
    else if (key == "Border")
        applyBorder();
    else if (key == "Grid")
        applyGrid();
    else if (key == "Locations")
        applyLocations();
}

void frmOptions::applyLabelSpecs()
{
    ProgramValues& v = m_ctx.values;
    SettingsStore& s = m_ctx.store;
    namespace keys = settings::keys;
    const std::pair<const settings::Key&, Box> boxes[] = {
        {keys::LabelHeight, Box::CustomHeight}, {keys::LabelWidth, Box::CustomWidth},
        {keys::TopMargin, Box::TopMargin},      {keys::LeftMargin, Box::LeftMargin},
        {keys::RowSpace, Box::RowSpace},        {keys::ColumnSpace, Box::ColumnSpace},
    };
    settings::writeWhole(s, keys::LabelType, m_labelType);
    // The settings keep inches: millimetres are written as the inches they are.
    for (const auto& [key, b] : boxes)
        if (m_unit == lengths::Unit::Inches)
            settings::writeText(s, key, box(b)->text());
        else if (!box(b)->text().isEmpty())
            settings::writeNumber(s, key, boxValue(b));
    // Written once chosen: until then the unit follows the system's.
    if (m_unit != v.unit)
        settings::writeText(s, keys::Units, lengths::unitKey(m_unit));
    v.unit = m_unit;
    settings::writeWhole(s, keys::Cutmarks, m_cutmarks);

    v.labelType = m_labelType;
    v.labelHeight = boxValue(Box::CustomHeight);
    v.labelWidth = boxValue(Box::CustomWidth);
    v.topMargin = boxValue(Box::TopMargin);
    v.leftMargin = boxValue(Box::LeftMargin);
    v.rowSpace = boxValue(Box::RowSpace);
    v.columnSpace = boxValue(Box::ColumnSpace);
    v.cutmarks = m_cutmarks;
    if (m_doc) {
        m_doc->setLabelDimensions(v.labelType, v.labelHeight, v.labelWidth);
        m_doc->setTopMargin(v.topMargin);
        m_doc->setLeftMargin(v.leftMargin);
        m_doc->setRowSpace(v.rowSpace);
        m_doc->setColumnSpace(v.columnSpace);
        m_doc->setCutmarks(v.cutmarks);
    }
    setPrinterOrientation(m_optOrientation[1]->isChecked() ? 1 : 2);
    applyStock();
}

void frmOptions::applyBorder()
{
    ProgramValues& v = m_ctx.values;
    SettingsStore& s = m_ctx.store;
    namespace keys = settings::keys;
    settings::writeBool(s, keys::Border, m_chkBorder->isChecked());
    settings::writeWhole(s, keys::BorderColor, m_picBorderColor->color());
    settings::writeText(s, keys::BorderStyle, m_cboBorderStyle->currentText());
    settings::writeText(s, keys::BorderWidth, m_cboBorderWidth->currentText());
    v.borderVisible = m_chkBorder->isChecked();
    v.borderColor = m_picBorderColor->color();
    v.borderStyle = m_cboBorderStyle->currentText();
    v.borderWidth = units::CInt(options::leadingNumber(m_cboBorderWidth->currentText(), m_sep));
}

void frmOptions::applyGrid()
{
    ProgramValues& v = m_ctx.values;
    SettingsStore& s = m_ctx.store;
    settings::writeText(s, settings::keys::GridHeight, box(Box::GridHeight)->text());
    settings::writeText(s, settings::keys::GridWidth, box(Box::GridWidth)->text());
    v.gridHeight = units::CInt(boxValue(Box::GridHeight));
    v.gridWidth = units::CInt(boxValue(Box::GridWidth));
    v.guideSetting = m_optGuide[1]->isChecked() ? 1 : m_optGuide[2]->isChecked() ? 2 : 0;
}

void frmOptions::applyLocations()
{
    ProgramValues& v = m_ctx.values;
    QString* targets[] = {&v.labelFolder, &v.graphicsFolder, &v.templateFolder, &v.templateFile, &v.graphicsEditor};
    namespace keys = settings::keys;
    const settings::Key* stored[] = {&keys::LabelFolder, &keys::GraphicsFolder, &keys::TemplateFolder,
                                     &keys::TemplateFile, &keys::GraphicsEditor};
    for (int i = 0; i < 5; ++i) {
        *targets[i] = m_txtDir[i]->text();
        settings::writeText(m_ctx.store, *stored[i], m_txtDir[i]->text());
    }
}
