#include "frmDocument.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <cmath>
#include <QLabel>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QStatusBar>

#include "LabelView.h"
#include "app/AppContext.h"
#include "editing/KeySelection.h"
#include "platform/Platform.h"
#include "printing/DataMerge.h"
#include "printing/LabelData.h"

namespace {
// Room around a changed box for what is drawn outside it: a text's glyphs, the
// selection line and the handles (30 to 40 twips out).
constexpr double Spill = 120;
} // namespace

frmDocument::frmDocument(AppContext& ctx, DocumentHost* host, QWidget* parent)
    : QWidget(parent), LabelDocument(ctx.values, ctx.platform, ctx.measurer), m_ctx(ctx), m_host(host),
      m_firstLabel(ctx.measurer)
{
    setObjectName("frmDocument");
    setAttribute(Qt::WA_DeleteOnClose);
    addObserver(this);
    setBackgroundRole(QPalette::Mid);
    setAutoFillBackground(true);

    m_viewport = new QWidget(this);
    m_viewport->setObjectName("Viewport");
    m_view = new LabelView(*this, m_viewport);
    m_vScroll = new QScrollBar(Qt::Vertical, this);
    m_vScroll->setObjectName("VScroll");
    m_hScroll = new QScrollBar(Qt::Horizontal, this);
    m_hScroll->setObjectName("HScroll");
    m_corner = new QWidget(this);
    m_corner->setObjectName("Corner");
    m_corner->setAutoFillBackground(true);
    m_corner->setBackgroundRole(QPalette::Button);
    m_vScroll->hide();
    m_hScroll->hide();
    m_corner->hide();

    m_status = new QStatusBar(this);
    m_status->setObjectName("stbStatus");
    m_status->setSizeGripEnabled(false);
    m_panelFile = new QLabel(m_status);
    m_panelFile->setObjectName("Filename");
    m_panelX = new QLabel(m_status);
    m_panelX->setObjectName("X");
    m_panelY = new QLabel(m_status);
    m_panelY->setObjectName("Y");
    m_status->addWidget(m_panelFile, 1);
    m_status->addPermanentWidget(m_panelX);
    m_status->addPermanentWidget(m_panelY);

    connect(m_vScroll, &QScrollBar::valueChanged, this, [this] { placeSurface(); });
    connect(m_hScroll, &QScrollBar::valueChanged, this, [this] { placeSurface(); });
    m_view->setEditor(&m_editor);
    connect(m_view, &LabelView::mousePressed, this, &frmDocument::picLabelView_MouseDown);
    connect(m_view, &LabelView::mouseMoved, this, &frmDocument::picLabelView_MouseMove);
    connect(m_view, &LabelView::mouseReleased, this, &frmDocument::picLabelView_MouseUp);
    connect(m_view, &LabelView::doubleClicked, this, &frmDocument::picLabelView_DblClick);
    connect(m_view, &LabelView::wheelTurned, this, [this](QPointF at, QPoint angle, Qt::KeyboardModifiers mods) {
        wheelTurned(m_view->mapTo(this, at), angle, mods);
    });
    m_view->setContentSource([this]() -> const LabelContent& { return shownContent(); });
    // Reached with Tab like any control, so the keyboard alone can select items.
    m_view->setFocusPolicy(Qt::StrongFocus);
    m_view->installEventFilter(this);
    m_view->setAccessibleDescription(tr("Label. Tab and Shift+Tab select the next and previous item, Escape selects none."));
    m_view->setAccessibleName(keyselect::spoken(nullptr));
    m_editor.setScreen(m_view->twipsPerPixel(), m_view->zoom());

    resizeLabel();
}

QString frmDocument::statusPanel(const QString& key) const
{
    if (key == "Filename")
        return m_panelFile->text();
    if (key == "X")
        return m_panelX->text();
    if (key == "Y")
        return m_panelY->text();
    return QString();
}

QSize frmDocument::windowSizeFor() const
{
    // Whole pixels rounded up: a window rounded down is a fraction of a pixel
    // short of the label and its gaps in twips, and the scroll bars would come
    // up over a label that fits.
    const double k = m_view->twipsPerPixel();
    const int w = int(std::ceil((surfaceWidth() + 2 * Gap) / k));
    const int h = int(std::ceil((surfaceHeight() + 2 * Gap) / k));
    return QSize(w, h + m_status->sizeHint().height());
}

void frmDocument::labelResized()
{
    m_view->resize(m_view->pixelSizeFor(surfaceWidth(), surfaceHeight()));
    fitWindowToLabel();
    if (m_host && m_host->gridShown()) {
        setGridShown(true);
        showGuides(m_host->guidesShown());
    }
    setScrollBars();
    update();
}

void frmDocument::setScrollBars()
{
    const double k = m_view->twipsPerPixel();
    auto tw = [k](int px) { return int(std::lround(px * k)); };
    viewgeom::ScrollInput in;
    in.windowW = tw(width());
    in.windowH = tw(height());
    in.clientW = tw(width());
    in.surfaceW = surfaceWidth();
    in.surfaceH = surfaceHeight();
    const int statusH = m_status->sizeHint().height();
    in.statusH = tw(statusH);
    in.statusTop = tw(height() - statusH);
    in.hScrollH = tw(m_hScroll->sizeHint().height());
    in.vScrollW = tw(m_vScroll->sizeHint().width());
    in.vScrollTop = 0;
    in.widthAllowance = 2 * Gap;
    in.heightAllowance = 2 * Gap;
    const viewgeom::ScrollLayout l = viewgeom::setScrollBars(in);
    m_lastScroll = l;

    auto px = [k](int t) { return int(std::lround(t / k)); };
    m_vScroll->setRange(0, px(l.v.max));
    m_vScroll->setSingleStep(std::max(1, px(l.v.smallStep)));
    m_vScroll->setPageStep(std::max(1, px(l.v.largeStep)));
    m_vScroll->setValue(0);
    m_hScroll->setRange(0, px(l.h.max));
    m_hScroll->setSingleStep(std::max(1, px(l.h.smallStep)));
    m_hScroll->setPageStep(std::max(1, px(l.h.largeStep)));
    m_hScroll->setValue(0);
    // Bars sit flush with the window's edges here; the frame's own borders
    // take the room the original allowances kept for them.
    const int vW = m_vScroll->sizeHint().width(), hH = m_hScroll->sizeHint().height();
    const int statusTop = height() - statusH;
    if (l.v.visible) {
        const int h = statusTop - (l.h.visible ? hH : 0);
        m_vScroll->setGeometry(width() - vW, 0, vW, std::max(0, h));
        m_vScroll->show();
    } else {
        m_vScroll->hide();
    }
    if (l.h.visible) {
        m_hScroll->setGeometry(0, statusTop - hH, l.v.visible ? width() - vW : width(), hH);
        m_hScroll->show();
    } else {
        m_hScroll->hide();
    }
    if (l.cornerVisible) {
        m_corner->setGeometry(width() - vW, statusTop - hH, vW, hH);
        m_corner->show();
        m_corner->raise();
    } else {
        m_corner->hide();
    }
    m_vScroll->raise();
    m_hScroll->raise();
    placeSurface();
}

void frmDocument::placeSurface()
{
    const double k = m_view->twipsPerPixel();
    const int gap = int(std::lround(Gap / k));
    const int statusH = m_status->sizeHint().height();
    const int right = width() - (m_vScroll->isHidden() ? 0 : m_vScroll->width());
    const int bottom = height() - statusH - (m_hScroll->isHidden() ? 0 : m_hScroll->height());
    m_viewport->setGeometry(0, 0, std::max(0, right), std::max(0, bottom));
    m_view->move(gap - m_hScroll->value(), gap - m_vScroll->value());
    m_status->setGeometry(0, height() - statusH, width(), statusH);
}

void frmDocument::setGridShown(bool shown) { m_view->setGridShown(shown); }

void frmDocument::setCaption(const QString& c)
{
    // "[*]" is where the title bar shows "*" while the label has unsaved changes.
    m_caption = c;
    setWindowTitle(c + "[*]");
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->setWindowTitle(c + "[*]");
}

void frmDocument::areaChanged(const QRectF& twips)
{
    // An empty area is the whole label; the view's repaints are otherwise
    // only the changed parts.
    // Handles larger on screen than in twips (a label zoomed out) stick out further.
    const double spill = Spill * m_editor.handleSize() / handles::Size;
    if (twips.isEmpty())
        m_view->update();
    else
        m_view->updateTwips(twips.adjusted(-spill, -spill, spill, spill));
}

const LabelContent& frmDocument::shownContent()
{
    if (!fieldValuesShown())
        return content();
    if (!m_dataRead || m_dataFor != saveFileName) {
        // Read once per data file and label name (Save As names another
        // label, which has data of its own or none). Data that cannot be read
        // leaves label 1 numbered only: the print says why when it is asked for.
        merge::Source source;
        QString why;
        labeldata::forPrint(m_ctx.store, saveFileName, source, &why);
        m_firstLabel.setData(source.data);
        m_dataFor = saveFileName;
        m_dataRead = true;
    }
    return m_firstLabel.of(content());
}

void frmDocument::keepPainted(const LabelContent& shown)
{
    m_paintedFilled = &shown != &content();
    m_painted = m_paintedFilled ? shown : LabelContent{};
    m_paintedActive = activeId();
}

void frmDocument::fieldsShownChanged()
{
    m_dataRead = false;
    keepPainted(shownContent());
    m_view->update();
}

void frmDocument::contentShown()
{
    const LabelContent& now = shownContent();
    announceSelection(now); // the selected text may have been edited
    const bool filled = &now != &content();
    if (!filled && !m_paintedFilled)
        return; // the typed content is shown: the document told every area
    if (!m_paintedFilled) {
        m_view->update(); // the first field typed
    } else {
        // A filled text's box is fitted to its values: the boxes it was and
        // is painted in, and the selection line around them.
        std::vector<QRectF> areas = changedAreas(m_painted, now);
        if (activeId() != m_paintedActive) {
            if (const LabelItem* was = m_painted.item(m_paintedActive))
                areas.push_back(drawnBounds(*was).normalized());
            if (const LabelItem* is = now.item(activeId()))
                areas.push_back(drawnBounds(*is).normalized());
        }
        for (const QRectF& r : areas)
            if (!r.isEmpty())
                areaChanged(r);
    }
    keepPainted(now);
}

void frmDocument::captionChanged(const QString& c)
{
    setCaption(c);
    // Saved under another name: that label's data, if it has any.
    if (m_dataRead && m_dataFor != saveFileName)
        fieldsShownChanged();
}

void frmDocument::selectionChanged()
{
    announceSelection(shownContent());
    if (m_host)
        m_host->enableItemCommands(*this);
}

void frmDocument::activeTextShown(const TextItem& t)
{
    if (m_host)
        m_host->textFormatShown(*this, t);
}

TextFormat frmDocument::currentTextFormat() const
{
    return m_host ? m_host->currentTextFormat() : LabelDocument::currentTextFormat();
}

void frmDocument::statusPanels(const QString& file, const QString& x, const QString& y)
{
    m_panelFile->setText(file);
    m_panelX->setText(x);
    m_panelY->setText(y);
}

void frmDocument::borderStyleShown(const QString& style)
{
    if (m_host)
        m_host->borderStyleShown(*this, style);
}

void frmDocument::labelTypeShown(int16_t type)
{
    if (m_host)
        m_host->labelTypeShown(*this, type);
}

void frmDocument::resizeEvent(QResizeEvent*)
{
    m_view->update();
    setScrollBars();
}

bool frmDocument::queryClose()
{
    if (!isChanged())
        return true;
    const MsgAnswer a = m_ctx.platform.messageBox(tr("'%1' has Changed, Save the Changes?").arg(caption()),
                                                  MsgButtons::YesNoCancel, MsgIcon::Question, ProgramTitle);
    if (a == MsgAnswer::Cancel)
        return false;
    if (a == MsgAnswer::Yes && m_host) {
        m_host->saveDocument(*this);
        // A save that was cancelled or failed must not throw the changes away.
        if (isChanged())
            return false;
    }
    return true;
}

void frmDocument::closeEvent(QCloseEvent* e)
{
    if (!queryClose()) {
        e->ignore();
        return;
    }
    e->accept();
}

bool frmDocument::eventFilter(QObject* watched, QEvent* e)
{
    if (watched != m_view || e->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, e);
    // Taken before the view's own handling, which would move the focus on with Tab.
    const auto* k = static_cast<QKeyEvent*>(e);
    if (k->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (k->key() == Qt::Key_Backtab || (k->key() == Qt::Key_Tab && (k->modifiers() & Qt::ShiftModifier)))
        return m_editor.selectNext(false);
    if (k->key() == Qt::Key_Tab)
        return m_editor.selectNext(true);
    if (k->key() == Qt::Key_Escape)
        return m_editor.selectNone();
    return false;
}

void frmDocument::announceSelection(const LabelContent& shown)
{
    const QString said = keyselect::spoken(shown.item(activeId()));
    if (m_view->accessibleName() == said)
        return;
    // Qt tells a screen reader (QAccessible::NameChanged), which reads the focused view's name again.
    m_view->setAccessibleName(said);
}
