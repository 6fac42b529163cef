// The options dialog's controls and their layout.
#include "frmOptions.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QAbstractButton>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QShortcut>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/Units.h"
#include "StockPicker.h"

namespace {

QColor fromColorValue(uint32_t c)
{
    if (c & 0x80000000u)
        return Qt::black;
    return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

} // namespace

// --- the pictures

SheetPicture::SheetPicture(QWidget* parent) : QWidget(parent) { setObjectName("Page"); }

void SheetPicture::setPageTwips(QSizeF size)
{
    m_page = size;
    const double k = units::twipsPerPixel(logicalDpiX());
    setFixedSize(std::max(1, int(size.width() / k)), std::max(1, int(size.height() / k)));
    update();
}

void SheetPicture::setDrawing(miniature::Drawing d)
{
    m_drawing = std::move(d);
    ++m_redraws;
    update();
}

void SheetPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    const double k = 1 / units::twipsPerPixel(logicalDpiX());
    p.scale(k, k);
    QPen pen(Qt::black);
    pen.setCosmetic(true);
    p.setPen(pen);
    for (const QRectF& r : m_drawing.labels)
        p.drawRect(r);
    pen.setColor(palette().color(QPalette::Mid));
    p.setPen(pen);
    for (const QLineF& l : m_drawing.marks)
        p.drawLine(l);
    p.resetTransform();
    p.setPen(palette().color(QPalette::Dark));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

GridPicture::GridPicture(QWidget* parent) : QWidget(parent)
{
    setObjectName("picPage");
    setFixedSize(120, 100);
}

QSize GridPicture::twips() const
{
    const double k = units::twipsPerPixel(logicalDpiX());
    return QSize(int(width() * k), int(height() * k));
}

void GridPicture::setSteps(int w, int h)
{
    const QSize t = twips();
    m_dots = options::gridDots(t.width(), t.height(), w, h);
    update();
}

void GridPicture::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Base));
    p.setPen(palette().color(QPalette::Text));
    const double k = units::twipsPerPixel(logicalDpiX());
    QList<QPoint> px;
    px.reserve(m_dots.size());
    for (const QPoint& d : m_dots)
        px << QPoint(int(d.x() / k), int(d.y() / k));
    p.drawPoints(px.constData(), int(px.size()));
}

ColorSwatch::ColorSwatch(QWidget* parent) : QLabel(parent)
{
    setObjectName("picBorderColor");
    setFixedSize(48, 22);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAutoFillBackground(true);
    setCursor(Qt::PointingHandCursor);
}

void ColorSwatch::setColor(uint32_t c)
{
    m_color = c;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, fromColorValue(c));
    setPalette(pal);
}

void ColorSwatch::mousePressEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && clicked && isEnabled())
        clicked();
}

// --- the dialog

const QStringList frmOptions::TabKeys = {"Label Specs", "Border", "Grid", "Locations"};

frmOptions::frmOptions(AppContext& ctx, LabelDocument* doc, QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_ctx(ctx), m_doc(doc), m_printer(printer), m_sep(ctx.values.decimalSeparator),
      m_unit(ctx.values.unit)
{
    setObjectName("frmOptions");
    setWindowTitle(tr("Options"));
    setModal(true);

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName("TabStrip1");
    // Captions are shown as written: "&" is part of "Grids & Guides", not a key.
    const QStringList captions = {tr("Default Label Specs"), tr("Border Defaults"), tr("Grids && Guides"), tr("File Locations")};
    for (int i = 0; i < 4; ++i) {
        auto* page = new QWidget;
        page->setObjectName("Frame" + QString::number(i));
        m_tabs->addTab(page, captions[i]);
    }
    buildLabelPage(m_tabs->widget(0));
    buildBorderPage(m_tabs->widget(1));
    buildGridPage(m_tabs->widget(2));
    buildLocationsPage(m_tabs->widget(3));

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("cmdOK");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("cmdCancel");
    auto* apply = new QPushButton(tr("&Apply"), this);
    apply->setObjectName("cmdApply");
    connect(ok, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { cmdCancel_Click(); });
    connect(apply, &QPushButton::clicked, this, [this] { cmdApply_Click(); });

    auto* foot = new QHBoxLayout;
    foot->addStretch();
    foot->addWidget(ok);
    foot->addWidget(cancel);
    foot->addWidget(apply);
    auto* main = new QVBoxLayout(this);
    main->addWidget(m_tabs);
    main->addLayout(foot);

    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int i) { tabChanged(i); });
    auto* next = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_Tab), this);
    connect(next, &QShortcut::activated, this, [this] { nextTab(1); });
    auto* prev = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), this);
    connect(prev, &QShortcut::activated, this, [this] { nextTab(-1); });
    auto* prev2 = new QShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), this);
    connect(prev2, &QShortcut::activated, this, [this] { nextTab(-1); });
    tabChanged(0);
    watchEdits();
}

void frmOptions::watchEdits()
{
    // Typing, clicking and choosing on a page mark it for OK; loading the
    // dialog and the dialog's own corrections do not. Printing the test page
    // and setting up the printer change no value of the page.
    for (int i = 0; i < m_tabs->count(); ++i) {
        QWidget* page = m_tabs->widget(i);
        auto mark = [this, i] {
            if (!m_loading)
                m_edited[i] = true;
        };
        for (QLineEdit* e : page->findChildren<QLineEdit*>())
            if (e->objectName() != "txtStockSearch") // looking for a sheet changes nothing yet
                connect(e, &QLineEdit::textEdited, this, mark);
        for (QComboBox* c : page->findChildren<QComboBox*>())
            connect(c, &QComboBox::activated, this, mark);
        for (QAbstractButton* b : page->findChildren<QAbstractButton*>())
            if (b->objectName() != "cmdPrintTest" && b->objectName() != "SetupButton")
                connect(b, &QAbstractButton::clicked, this, mark);
    }
}

void frmOptions::buildLabelPage(QWidget* page)
{
    using options::Box;
    auto numeric = [this](Box b, const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(name);
        e->setMaximumWidth(70);
        e->installEventFilter(this);
        m_boxes[int(b)] = e;
        // The miniature follows the numbers as they are typed.
        connect(e, &QLineEdit::textChanged, this, [this] {
            if (!m_loading)
                showPageFromBoxes();
        });
        return e;
    };

    auto* typeFrame = new QGroupBox(tr("Label Type/Size"), page);
    const char* typeCaptions[] = {QT_TR_NOOP("Default &Beer Label"), QT_TR_NOOP("Default &Wine Label"), QT_TR_NOOP("&Custom Label Size")};
    auto* typeGrid = new QGridLayout(typeFrame);
    for (int i = 0; i < 3; ++i) {
        m_optLabelType[i] = new QRadioButton(tr(typeCaptions[i]), typeFrame);
        m_optLabelType[i]->setObjectName("optLabelType" + QString::number(i));
        connect(m_optLabelType[i], &QRadioButton::clicked, this, [this, i] { optLabelType_Click(i); });
        typeGrid->addWidget(m_optLabelType[i], i, 0, 1, 4);
    }
    typeGrid->addWidget(new QLabel(tr("Width:"), typeFrame), 3, 0);
    typeGrid->addWidget(numeric(Box::CustomWidth, "txtCustomWidth"), 3, 1);
    typeGrid->addWidget(new QLabel(tr("Height:"), typeFrame), 3, 2);
    typeGrid->addWidget(numeric(Box::CustomHeight, "txtCustomHeight"), 3, 3);

    auto* paperFrame = new QGroupBox(tr("Paper Specifications"), page);
    auto* paperGrid = new QGridLayout(paperFrame);
    auto* paperLabel = new QLabel(tr("Paper Size:"), paperFrame);
    m_lblPaperSize = new QLabel("8.5 x 11", paperFrame);
    m_lblPaperSize->setObjectName("lblPaperSize");
    paperGrid->addWidget(paperLabel, 0, 0);
    paperGrid->addWidget(m_lblPaperSize, 0, 1, 1, 3);
    const char* orientations[] = {nullptr, QT_TR_NOOP("Portrait"), QT_TR_NOOP("Landscape")};
    for (int i = 1; i <= 2; ++i) {
        m_optOrientation[i] = new QRadioButton(tr(orientations[i]), paperFrame);
        m_optOrientation[i]->setObjectName("optOrientation" + QString::number(i));
        connect(m_optOrientation[i], &QRadioButton::clicked, this, [this, i] { optOrientation_Click(i); });
        paperGrid->addWidget(m_optOrientation[i], 1, (i - 1) * 2, 1, 2);
    }
    paperGrid->addWidget(new QLabel(tr("Top Margin:"), paperFrame), 2, 0);
    paperGrid->addWidget(numeric(Box::TopMargin, "txtTopMargin"), 2, 1);
    paperGrid->addWidget(new QLabel(tr("Left Margin:"), paperFrame), 2, 2);
    paperGrid->addWidget(numeric(Box::LeftMargin, "txtLeftMargin"), 2, 3);
    paperGrid->addWidget(new QLabel(tr("Between Rows:"), paperFrame), 3, 0);
    paperGrid->addWidget(numeric(Box::RowSpace, "txtRowSpace"), 3, 1);
    paperGrid->addWidget(new QLabel(tr("Between Cols:"), paperFrame), 3, 2);
    paperGrid->addWidget(numeric(Box::ColumnSpace, "txtColumnSpace"), 3, 3);

    auto* cutFrame = new QGroupBox(tr("Cutmarks"), page);
    auto* cutGrid = new QGridLayout(cutFrame);
    const char* cuts[] = {QT_TR_NOOP("None"), QT_TR_NOOP("Outside Only"), QT_TR_NOOP("Inside/Outside"), QT_TR_NOOP("Fine Lines")};
    for (int i = 0; i < 4; ++i) {
        m_optCutmarks[i] = new QRadioButton(tr(cuts[i]), cutFrame);
        m_optCutmarks[i]->setObjectName("optCutmarks" + QString::number(i));
        connect(m_optCutmarks[i], &QRadioButton::clicked, this, [this, i] { optCutmarks_Click(i); });
        cutGrid->addWidget(m_optCutmarks[i], i / 2, i % 2);
    }

    auto* test = new QPushButton(tr("Printer Test"), page);
    test->setObjectName("cmdPrintTest");
    connect(test, &QPushButton::clicked, this, [this] { cmdPrintTest_Click(); });
    auto* setup = new QPushButton(tr("Printer &Setup"), page);
    setup->setObjectName("SetupButton");
    connect(setup, &QPushButton::clicked, this, [this] { SetupButton_Click(); });

    m_page = new SheetPicture(page);

    // Lengths are typed in inches or millimetres; the label keeps them in inches.
    m_cboUnits = new QComboBox(page);
    m_cboUnits->setObjectName("cboUnits");
    m_cboUnits->addItem(tr("Inches"), lengths::unitKey(lengths::Unit::Inches));
    m_cboUnits->addItem(tr("Millimetres"), lengths::unitKey(lengths::Unit::Millimetres));
    connect(m_cboUnits, &QComboBox::activated, this, [this] { cboUnits_Click(); });
    auto* unitsLabel = new QLabel(tr("&Units:"), page);
    unitsLabel->setBuddy(m_cboUnits);
    auto* unitsRow = new QHBoxLayout;
    unitsRow->addWidget(unitsLabel);
    unitsRow->addWidget(m_cboUnits);
    unitsRow->addStretch();

    auto* left = new QVBoxLayout;
    left->addLayout(unitsRow);
    left->addWidget(typeFrame);
    left->addWidget(paperFrame);
    left->addWidget(cutFrame);
    auto* right = new QVBoxLayout;
    right->addWidget(m_page, 0, Qt::AlignHCenter);
    right->addStretch();
    right->addWidget(test);
    right->addWidget(setup);
    auto* row = new QHBoxLayout;
    row->addLayout(left, 1);
    row->addLayout(right);
    auto* column = new QVBoxLayout(page);
    column->addLayout(row);
    column->addWidget(buildStockPicker(page), 1);
    m_page->setPageTwips(miniature::pageSize(12240, 15840));
}

void frmOptions::buildBorderPage(QWidget* page)
{
    m_chkBorder = new QCheckBox(tr("Border Visible"), page);
    m_chkBorder->setObjectName("chkBorder");
    connect(m_chkBorder, &QCheckBox::clicked, this, [this] { chkBorder_Click(); });
    m_lblStyle = new QLabel(tr("Border Style"), page);
    m_lblStyle->setObjectName("lblStyle");
    m_cboBorderStyle = new QComboBox(page);
    m_cboBorderStyle->setObjectName("cboBorderStyle");
    m_cboBorderStyle->addItems({"Square", "Rounded", "Oval"});
    m_lblWidth = new QLabel(tr("Border Width"), page);
    m_lblWidth->setObjectName("lblWidth");
    m_cboBorderWidth = new QComboBox(page);
    m_cboBorderWidth->setObjectName("cboBorderWidth");
    m_cboBorderWidth->setEditable(true);
    m_cboBorderWidth->setInsertPolicy(QComboBox::NoInsert);
    for (int w : {1, 2, 3, 4, 5, 6, 8, 10, 12, 14, 16, 18, 20, 25, 30, 35, 40})
        m_cboBorderWidth->addItem(QString::number(w));
    m_cboBorderWidth->setCurrentText("12");
    m_cboBorderWidth->installEventFilter(this);
    m_cboBorderWidth->lineEdit()->installEventFilter(this);
    m_lblColor = new QLabel(tr("Border Color"), page);
    m_lblColor->setObjectName("lblColor");
    m_picBorderColor = new ColorSwatch(page);
    m_picBorderColor->clicked = [this] { picBorderColor_Click(); };

    auto* grid = new QGridLayout(page);
    grid->addWidget(m_chkBorder, 0, 0, 1, 2);
    grid->addWidget(m_lblStyle, 1, 0);
    grid->addWidget(m_cboBorderStyle, 1, 1);
    grid->addWidget(m_lblWidth, 2, 0);
    grid->addWidget(m_cboBorderWidth, 2, 1);
    grid->addWidget(m_lblColor, 3, 0);
    grid->addWidget(m_picBorderColor, 3, 1, Qt::AlignLeft);
    grid->setColumnStretch(2, 1);
    grid->setRowStretch(4, 1);
}

void frmOptions::buildGridPage(QWidget* page)
{
    using options::Box;
    auto* gridFrame = new QGroupBox(tr("Alignment Grid"), page);
    auto* g = new QGridLayout(gridFrame);
    auto numeric = [this, gridFrame](Box b, const char* name) {
        auto* e = new QLineEdit(gridFrame);
        e->setObjectName(name);
        e->setMaximumWidth(70);
        e->installEventFilter(this);
        m_boxes[int(b)] = e;
        return e;
    };
    g->addWidget(new QLabel(tr("Grid Width:"), gridFrame), 0, 0);
    g->addWidget(numeric(Box::GridWidth, "txtGridWidth"), 0, 1);
    g->addWidget(new QLabel(tr("Grid Height:"), gridFrame), 1, 0);
    g->addWidget(numeric(Box::GridHeight, "txtGridHeight"), 1, 1);
    auto* defaults = new QPushButton(tr("Set To &Defaults"), gridFrame);
    defaults->setObjectName("cmdDefaults");
    connect(defaults, &QPushButton::clicked, this, [this] { cmdDefaults_Click(); });
    g->addWidget(defaults, 2, 0, 1, 2);
    m_picPage = new GridPicture(gridFrame);
    g->addWidget(m_picPage, 0, 2, 3, 1);
    g->setColumnStretch(3, 1);

    auto* guideFrame = new QGroupBox(tr("Alignment Guides"), page);
    auto* v = new QVBoxLayout(guideFrame);
    const char* guides[] = {QT_TR_NOOP("Center Reference - Measure from Center"),
                            QT_TR_NOOP("Upper Left Reference - Measure from Upper Left"),
                            QT_TR_NOOP("Lower Left Reference - Measure from Lower Left")};
    for (int i = 0; i < 3; ++i) {
        m_optGuide[i] = new QRadioButton(tr(guides[i]), guideFrame);
        m_optGuide[i]->setObjectName("optGuide" + QString::number(i));
        v->addWidget(m_optGuide[i]);
    }
    auto* col = new QVBoxLayout(page);
    col->addWidget(gridFrame);
    col->addWidget(guideFrame);
    col->addStretch();
}

void frmOptions::buildLocationsPage(QWidget* page)
{
    const char* labels[] = {QT_TR_NOOP("Label Folder:"), QT_TR_NOOP("Graphics Folder:"), QT_TR_NOOP("Template Folder:"),
                            QT_TR_NOOP("Default Template:"), QT_TR_NOOP("Graphics Editor:")};
    auto* grid = new QGridLayout(page);
    for (int i = 0; i < 5; ++i) {
        grid->addWidget(new QLabel(tr(labels[i]), page), i, 0);
        m_txtDir[i] = new QLineEdit(page);
        m_txtDir[i]->setObjectName("txtDir" + QString::number(i));
        m_txtDir[i]->setMinimumWidth(280);
        connect(m_txtDir[i], &QLineEdit::textChanged, this, [this] { m_locationsChanged = true; });
        grid->addWidget(m_txtDir[i], i, 1);
        auto* change = new QPushButton(tr("Change"), page);
        change->setObjectName("cmdChgDir" + QString::number(i));
        connect(change, &QPushButton::clicked, this, [this, i] { cmdChgDir_Click(i); });
        grid->addWidget(change, i, 2);
    }
    grid->setRowStretch(5, 1);
}

QString frmOptions::selectedTabKey() const { return TabKeys.value(m_tabs->currentIndex()); }

void frmOptions::selectTab(int index) { m_tabs->setCurrentIndex(index); }

void frmOptions::nextTab(int direction)
{
    const int n = m_tabs->count();
    selectTab(((m_tabs->currentIndex() + direction) % n + n) % n);
}

void frmOptions::tabChanged(int index)
{
    // Only the selected page takes part: the others are hidden and disabled.
    for (int i = 0; i < m_tabs->count(); ++i)
        m_tabs->widget(i)->setEnabled(i == index);
}
