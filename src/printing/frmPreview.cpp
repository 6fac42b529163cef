#include "frmPreview.h"
#include "frmPreview_Page.h"

#include "PdfOutput.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>
#include <climits>
#include <cmath>

#include "PainterSurface.h"
#include "PdfExport.h"
#include "PdfOutput.h"
#include "PreviewGeometry.h"
#include "app/AppContext.h"
#include "app/WindowPlacement.h"
#include "document/LabelDocument.h"
#include "app/Icons.h"
#include "app/ShowHelp.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "app/Units.h"
#include "StockPrint.h"
#include "LabelData.h"

namespace {

const char* const ZoomEntries[] = {QT_TRANSLATE_NOOP("frmPreview", "Page Width"), QT_TRANSLATE_NOOP("frmPreview", "Whole Page"), "150%", "100%", "75%", "50%"};

// Settings are numbers as text; a value that does not read keeps the default.
double readNumber(const SettingsStore& s, const QString& key, double def)
{
    double v = def;
    if (!Module1::textToDouble(s.read("Preview", key, Module1::numberToText(def)), v))
        v = def;
    return v;
}

} // namespace

frmPreview::frmPreview(AppContext& ctx, QPrinter& printer, DocumentFn activeDocument, printjob::StatusFn status,
                       QWidget* parent)
    : QMainWindow(parent, Qt::Window), m_ctx(ctx), m_printer(printer), m_activeDocument(std::move(activeDocument)),
      m_status(std::move(status))
{
    setObjectName("frmPreview");
    setWindowTitle(tr("Print Preview"));
    setWindowIcon(programIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    buildMenus();
    buildToolbar();

    auto* central = new QWidget(this);
    central->setObjectName("central");
    setCentralWidget(central);
    m_viewPort = new QWidget(central);
    m_viewPort->setObjectName("picViewPort");
    m_viewPort->setAutoFillBackground(true);
    QPalette pal = m_viewPort->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Mid));
    m_viewPort->setPalette(pal);
    auto* page = new PageImage(m_viewPort);
    page->setObjectName("picPageImage");
    page->setProperty("Tag", "1");
    m_pages << page;
    m_hScroll = new QScrollBar(Qt::Horizontal, m_viewPort);
    m_hScroll->setObjectName("HScrollBar");
    m_vScroll = new QScrollBar(Qt::Vertical, m_viewPort);
    m_vScroll->setObjectName("VScrollBar");
    connect(m_hScroll, &QScrollBar::valueChanged, this, &frmPreview::HScrollBar_Change);
    connect(m_vScroll, &QScrollBar::valueChanged, this, &frmPreview::VScrollBar_Change);

    const double k = twipsPerPixel();
    setMinimumSize(int(std::ceil(preview::MinWidth / k)), int(std::ceil(preview::MinHeight / k)));
    Form_Load();
}

frmPreview::~frmPreview()
{
    // Taking down a visible window moves the focus out of the zoom box, and
    // the box would report a choice to a window already half gone.
    for (QObject* sender : std::initializer_list<QObject*>{m_cboViewSize, m_cboViewSize->lineEdit(), m_hScroll, m_vScroll})
        disconnect(sender, nullptr, this, nullptr);
}

double frmPreview::twipsPerPixel() const
{
    return units::twipsPerPixel(logicalDpiX());
}

QWidget* frmPreview::picPageImage(int index) const { return m_pages.value(index - 1); }

const QImage& frmPreview::pageImage(int index) const
{
    static const QImage none;
    const PageImage* p = m_pages.value(index - 1);
    return p ? p->image : none;
}

void frmPreview::buildMenus()
{
    struct Item {
        const char* name;
        const char* caption;
        void (frmPreview::*handler)();
    };
    auto add = [this](QMenu* menu, const Item& it) {
        if (!it.caption) {
            QAction* sep = menu->addSeparator();
            sep->setObjectName(it.name);
            m_actions.insert(it.name, sep);
            return;
        }
        QAction* a = menu->addAction(tr(it.caption));
        a->setObjectName(it.name);
        connect(a, &QAction::triggered, this, [this, h = it.handler] { (this->*h)(); });
        m_actions.insert(it.name, a);
    };
    QMenu* file = menuBar()->addMenu(tr("&File"));
    file->setObjectName("mnuFile");
    for (const Item& it : {Item{"mnuFilePrint", QT_TR_NOOP("&Print"), &frmPreview::mnuFilePrint_Click}, Item{"mnuFileBar0", nullptr, nullptr},
                           Item{"mnuFileSave", QT_TR_NOOP("&Save to File"), &frmPreview::mnuFileSave_Click}, Item{"mnuFileBar1", nullptr, nullptr},
                           Item{"mnuFileClose", QT_TR_NOOP("&Close"), &frmPreview::mnuFileClose_Click}})
        add(file, it);
    QMenu* view = menuBar()->addMenu(tr("&View"));
    view->setObjectName("mnuView");
    for (const Item& it : {Item{"mnuViewPrevious", QT_TR_NOOP("&Previous Page"), &frmPreview::mnuViewPrevious_Click},
                           Item{"mnuViewNext", QT_TR_NOOP("&Next Page"), &frmPreview::mnuViewNext_Click}})
        add(view, it);
    QMenu* help = menuBar()->addMenu(tr("&Help"));
    help->setObjectName("mnuHelp");
    for (const Item& it : {Item{"mnuHelpContents", QT_TR_NOOP("&Contents"), &frmPreview::mnuHelpContents_Click},
                           Item{"mnuHelpIndex", QT_TR_NOOP("Help &Index..."), &frmPreview::mnuHelpIndex_Click}})
        add(help, it);
}

void frmPreview::buildToolbar()
{
    //: The preview's toolbar as the toolbar menu names it; in English it keeps its control name.
    QToolBar* tb = addToolBar(tr("tbToolbar"));
    tb->setObjectName("tbToolbar");
    tb->setMovable(false);
    tb->setToolButtonStyle(Qt::ToolButtonIconOnly);
    // A button that repeats a menu command is that menu item's action; its
    // key and tooltip are the button's.
    const struct {
        const char* key;
        const char* tooltip;
        const char* item;
    } buttons[] = {{"Print", QT_TR_NOOP("Print Report"), "mnuFilePrint"},
                   {"Save", QT_TR_NOOP("Save Report to Disk"), "mnuFileSave"},
                   {"Previous", QT_TR_NOOP("Show Previous Page"), "mnuViewPrevious"},
                   {"Next", QT_TR_NOOP("Show Next Page"), "mnuViewNext"},
                   {"Close", QT_TR_NOOP("Close Preview Window"), "mnuFileClose"}};
    for (const auto& b : buttons) {
        QAction* a = m_actions.value(b.item);
        a->setIcon(toolbarIcon(b.key));
        a->setToolTip(tr(b.tooltip));
        a->setProperty("key", b.key);
        tb->addAction(a);
        if (QWidget* w = tb->widgetForAction(a))
            w->setObjectName(QString("tb") + b.key);
        m_buttons.insert(b.key, a);
    }
    tb->addSeparator();
    m_cboViewSize = new QComboBox(tb);
    m_cboViewSize->setObjectName("cboViewSize");
    m_cboViewSize->setEditable(true);
    m_cboViewSize->setInsertPolicy(QComboBox::NoInsert);
    // Typed values are taken as typed: completing "5" to "50%" would zoom
    // where the user did not ask.
    m_cboViewSize->setCompleter(nullptr);
    for (const char* e : ZoomEntries)
        m_cboViewSize->addItem(tr(e));
    m_cboViewSize->setMinimumContentsLength(10);
    tb->addWidget(m_cboViewSize);
    connect(m_cboViewSize, qOverload<int>(&QComboBox::activated), this, &frmPreview::cboViewSize_Click);
    connect(m_cboViewSize->lineEdit(), &QLineEdit::returnPressed, this, [this] {
        cboViewSize_Click(m_cboViewSize->findText(m_cboViewSize->currentText(), Qt::MatchFixedString));
    });
    tb->addSeparator();
    m_txtPageNum = new QLineEdit(tb);
    m_txtPageNum->setObjectName("txtPageNum");
    m_txtPageNum->setReadOnly(true);
    m_txtPageNum->setFocusPolicy(Qt::NoFocus);
    // As wide as the longest count with the box's frame and margins, so no count is cut short.
    m_txtPageNum->setFixedWidth(m_txtPageNum->fontMetrics().horizontalAdvance(preview::pageIndicator(9999, 9999)) + 24);
    tb->addWidget(m_txtPageNum);
    m_lblRunSize = new QLabel(tb);
    m_lblRunSize->setObjectName("lblRunSize");
    m_lblRunSize->setContentsMargins(8, 0, 8, 0);
    tb->addWidget(m_lblRunSize);
}

void frmPreview::tbToolbar_ButtonClick(const QString& key)
{
    if (key == "Print")
        mnuFilePrint_Click();
    else if (key == "Next")
        mnuViewNext_Click();
    else if (key == "Previous")
        mnuViewPrevious_Click();
    else if (key == "Save")
        mnuFileSave_Click();
    else if (key == "Close")
        mnuFileClose_Click();
}

QSizeF frmPreview::paperTwips() const
{
    const QRectF full = m_printer.pageLayout().fullRect(QPageLayout::Inch);
    return full.size() * units::TwipsPerInch;
}

void frmPreview::Form_Load()
{
    const QSizeF paper = paperTwips();
    const double k = twipsPerPixel();
    m_pageLeft = m_pageTop = preview::Margin;
    m_pages.first()->setGeometry(int(std::lround(m_pageLeft / k)), int(std::lround(m_pageTop / k)),
                                 int(std::lround(paper.width() / k)), int(std::lround(paper.height() / k)));
    const SettingsStore& s = m_ctx.store;
    const int state = int(readNumber(s, "WindowState", 0));
    if (state != 1) {
        const QScreen* primary = QGuiApplication::primaryScreen();
        // Never placed before: the whole page at a size that fits the screen.
        QSizeF first(preview::MinWidth, preview::MinHeight);
        if (primary && s.read("Preview", "MainWidth", QString()).isEmpty()) {
            const QSize avail = primary->availableGeometry().size();
            int chromeH = menuBar()->sizeHint().height() + m_hScroll->sizeHint().height();
            for (const QToolBar* bar : findChildren<QToolBar*>())
                chromeH += bar->sizeHint().height();
            first = preview::firstSize(paper.width(), paper.height(), avail.width() * k, avail.height() * k,
                                       m_vScroll->sizeHint().width() * k, std::max(chromeH, 0) * k);
            // Wide enough for the toolbar, its page counter included, where the screen allows.
            int barsW = 0;
            for (const QToolBar* bar : findChildren<QToolBar*>())
                barsW = std::max(barsW, bar->sizeHint().width());
            first.setWidth(std::max(first.width(), std::min(barsW, avail.width()) * k));
        }
        const QRect stored = placement::fromTwips(readNumber(s, "MainLeft", 1000), readNumber(s, "MainTop", 1000),
                                                  readNumber(s, "MainWidth", first.width()),
                                                  readNumber(s, "MainHeight", first.height()), k);
        if (state != 2) {
            QList<QRect> screens;
            for (const QScreen* sc : QGuiApplication::screens())
                screens << sc->availableGeometry();
            const QRect place = placement::ontoScreens(stored, screens, primary ? primary->availableGeometry() : QRect());
            move(place.topLeft());
            resize(place.size().expandedTo(minimumSize()));
        }
    }
    setWindowState(state == 2 ? Qt::WindowMaximized : state == 1 ? Qt::WindowMinimized : Qt::WindowNoState);
    m_loaded = true;
    layout()->activate(); // the central area gets its size before the first fit
    layoutViewPort();
    m_cboViewSize->setCurrentIndex(0);
    m_cboViewSize->setEditText(tr(ZoomEntries[0]));
    cboViewSize_Click(0);
    m_txtPageNum->setText(tr("Pg 1 of 1"));
    m_pageCount = m_currentPage = 1;
    m_actions.value("mnuFilePrint")->setEnabled(true);
    enableNavigation(false, false);
}

void frmPreview::closeEvent(QCloseEvent* e)
{
    Form_Unload();
    e->accept();
}

void frmPreview::Form_Unload()
{
    SettingsStore& s = m_ctx.store;
    if (isMinimized())
        return;
    s.write("Preview", "WindowState", isMaximized() ? "2" : "0");
    if (!isMaximized() && !isFullScreen()) {
        const double k = twipsPerPixel();
        s.write("Preview", "MainLeft", Module1::numberToText(std::round(x() * k)));
        s.write("Preview", "MainTop", Module1::numberToText(std::round(y() * k)));
        s.write("Preview", "MainWidth", Module1::numberToText(std::round(width() * k)));
        s.write("Preview", "MainHeight", Module1::numberToText(std::round(height() * k)));
    }
}

void frmPreview::resizeEvent(QResizeEvent* e)
{
    QMainWindow::resizeEvent(e);
    Form_Resize();
}

// The viewport fills the area under the toolbar less a small margin; the
// scroll bars sit inside its right and bottom edges.
void frmPreview::layoutViewPort()
{
    const QWidget* central = centralWidget();
    const int margin = int(std::lround(120 / twipsPerPixel()));
    m_viewPort->setGeometry(margin, margin, std::max(1, central->width() - 2 * margin),
                            std::max(1, central->height() - 2 * margin));
    const int sw = m_vScroll->sizeHint().width(), sh = m_hScroll->sizeHint().height();
    m_vScroll->setGeometry(m_viewPort->width() - sw, 0, sw, m_viewPort->height());
    m_hScroll->setGeometry(0, m_viewPort->height() - sh, m_viewPort->width() - (m_vScroll->isVisible() ? sw : 0), sh);
    m_vScroll->raise();
    m_hScroll->raise();
}

void frmPreview::Form_Resize()
{
    if (!m_loaded || isMinimized())
        return;
    layoutViewPort();
    if (m_viewMode == preview::PageWidth || m_viewMode == preview::WholePage) {
        m_cboViewSize->setCurrentIndex(m_viewMode);
        m_cboViewSize->setEditText(tr(ZoomEntries[m_viewMode]));
        cboViewSize_Click(m_viewMode);
    }
}

void frmPreview::cboViewSize_Click(int listIndex)
{
    Platform::OwnedBy own(m_ctx.platform, this);
    const double k = twipsPerPixel();
    const QSizeF paper = paperTwips();
    const preview::Zoom z = preview::zoom(listIndex, m_cboViewSize->currentText(), m_rememberedZoom, m_viewMode,
                                          m_viewPort->width() * k, m_viewPort->height() * k, paper.width(), paper.height());
    if (z.outcome == preview::Zoom::Unchanged) {
        m_cboViewSize->setEditText(z.text);
        return;
    }
    if (z.outcome == preview::Zoom::Refused) {
        // The page stays as it was: only the box goes back to the zoom in force.
        m_ctx.platform.message(tr("Scaling Factor Must be Between 10% - 150%"));
        m_cboViewSize->setEditText(z.text);
        return;
    }
    m_cboViewSize->setEditText(z.text);
    m_rememberedZoom = z.remembered;
    m_viewMode = z.viewMode;
    m_pageLeft = z.pageLeft;
    m_pageTop = z.pageTop;
    m_pageHeight = z.pageHeight;
    placePage(z.pageWidth, z.pageHeight);
    int16_t one = 1;
    setScrollValues(one);
    const PageImage* page = m_pages.first();
    const preview::PageSetup ps = preview::pageSetup(page->width() * k, page->height() * k, units::twipsToInches(paper.width()),
                                                     units::twipsToInches(paper.height()));
    placePage(ps.width, ps.height);
    m_ratio = ps.factor;
    printReport(0, false);
}

void frmPreview::placePage(double widthTwips, double heightTwips)
{
    const double k = twipsPerPixel();
    PageImage* page = m_pages.first();
    page->setGeometry(int(std::lround(m_pageLeft / k)), int(std::lround(m_pageTop / k)),
                      std::max(1, int(std::lround(widthTwips / k))), std::max(1, int(std::lround(heightTwips / k))));
}

void frmPreview::setScrollValues(int16_t& PageCount)
{
    const double k = twipsPerPixel();
    const QWidget* page = m_pages.first();
    const preview::ScrollBars s = preview::scrollValues(page->width() * k, page->height() * k, m_viewPort->width() * k,
                                                        m_viewPort->height() * k, PageCount);
    auto apply = [](QScrollBar* bar, const preview::ScrollBar& b) {
        bar->setVisible(b.visible);
        if (!b.visible)
            return;
        const QSignalBlocker quiet(bar);
        bar->setRange(b.min, b.max);
        bar->setPageStep(b.largeChange);
        bar->setSingleStep(b.smallChange);
        bar->setValue(b.value);
    };
    apply(m_hScroll, s.h);
    apply(m_vScroll, s.v);
    layoutViewPort();
}

void frmPreview::HScrollBar_Change(int value)
{
    QWidget* page = m_pages.first();
    page->move(int(std::lround(-value / twipsPerPixel())), page->y());
}

void frmPreview::VScrollBar_Change(int value)
{
    QWidget* page = m_pages.first();
    page->move(page->x(), int(std::lround(-value / twipsPerPixel())));
}

void frmPreview::enableNavigation(bool previous, bool next)
{
    m_actions.value("mnuViewPrevious")->setEnabled(previous);
    m_actions.value("mnuViewNext")->setEnabled(next);
}

// The page picture: an image of the printer's whole sheet of paper at the
// zoom's scale (sharp on high-density screens), origin at the paper's corner
// as on the printer, drawn by the same job the printer runs.
void frmPreview::renderPage()
{
    PageImage* page = m_pages.first();
    const qreal dpr = page->devicePixelRatioF();
    QImage img(QSize(int(std::lround(page->width() * dpr)), int(std::lround(page->height() * dpr))),
               QImage::Format_ARGB32_Premultiplied);
    img.setDevicePixelRatio(dpr);
    // Points on this picture are screen points, as on the label view.
    const int dpm = int(std::lround(page->logicalDpiY() / 0.0254));
    img.setDotsPerMeterX(dpm);
    img.setDotsPerMeterY(dpm);
    img.fill(Qt::white);
    printjob::Extent made{0, 1};
    if (showsLabels()) {
        LabelDocument* doc = shownDocument();
        const QSizeF paper = m_printer.pageLayout().fullRect(QPageLayout::Inch).size();
        PainterSurface surface(img, paper.width(), paper.height());
        printjob::Request r = request(doc, false);
        withData(doc, r, tr("The preview shows the label without its data."), true);
        // The sheet on screen, of as many as the print makes.
        made = printjob::extent(r, surface.scaleWidth(), surface.scaleHeight());
        m_pageCount = int(std::clamp<long long>(made.sheets, 1, INT_MAX));
        m_currentPage = std::clamp(m_currentPage, 1, m_pageCount);
        r.onlySheet = m_currentPage;
        m_shown = r;
        printjob::printLabels(r, surface, m_ctx.platform, m_status);
    } else {
        m_pageCount = m_currentPage = 1;
        m_shown = {};
    }
    showRunSize(made);
    page->image = img;
    page->update();
}

void frmPreview::mnuFileClose_Click() { close(); }

void frmPreview::mnuViewNext_Click() { showPage(m_currentPage + 1); }

void frmPreview::mnuViewPrevious_Click() { showPage(m_currentPage - 1); }

void frmPreview::showPage(int n)
{
    if (n < 1 || n > m_pageCount || n == m_currentPage)
        return;
    m_currentPage = n;
    m_hScroll->setValue(m_hScroll->minimum());
    m_vScroll->setValue(m_vScroll->minimum());
    renderPage();
}

void frmPreview::mnuHelpContents_Click()
{
    Platform::OwnedBy own(m_ctx.platform, this);
    ShowHelp::showHelpTopic(m_ctx.platform, m_ctx.paths.helpFile(), ShowHelp::PreviewContext);
}
void frmPreview::mnuHelpIndex_Click()
{
    Platform::OwnedBy own(m_ctx.platform, this);
    ShowHelp::showHelpIndex(m_ctx.platform, m_ctx.paths.helpFile());
}
