// Zooming the label view: the window's part (its size, scroll bars and the
// pointer); the view converts pixels and twips at its zoom, the editor keeps
// its handles and guides a size on screen.
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStatusBar>
#include <QWheelEvent>
#include <cmath>

#include "LabelView.h"
#include "frmDocument.h"

namespace {
// A notch of a mouse wheel, eighths of a degree.
constexpr int Notch = 120;
// Pixels: room for the title bar's buttons and some of the title, and the status line.
constexpr int MinWindowWidth = 240;
} // namespace

double frmDocument::zoom() const { return m_view->zoom(); }

QSize frmDocument::roomForWindow() const
{
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    QMdiArea* area = sub ? sub->mdiArea() : nullptr;
    if (!area)
        return {};
    const QMargins frame = sub->contentsMargins();
    const QPoint at(std::max(0, sub->x()), std::max(0, sub->y()));
    const QSize room = area->viewport()->size() - QSize(at.x(), at.y()) -
                       QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
    return room.expandedTo(QSize(160, 120));
}

void frmDocument::fitWindowToLabel()
{
    // A small label zoomed out keeps a window wide enough for its title and status line.
    QSize want = windowSizeFor().expandedTo(QSize(MinWindowWidth, 0));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        if (sub->isMaximized() || sub->isMinimized())
            return;
        if (const QSize room = roomForWindow(); room.isValid()) {
            // A bar for one direction takes its room from the other: widen the
            // window for it rather than show both bars over a label that fits across.
            if (want.height() > room.height())
                want.rwidth() += m_vScroll->sizeHint().width();
            if (want.width() > room.width())
                want.rheight() += m_hScroll->sizeHint().height();
            want = want.boundedTo(room);
        }
        const QMargins frame = sub->contentsMargins();
        sub->resize(want.width() + frame.left() + frame.right(), want.height() + frame.top() + frame.bottom());
    } else {
        resize(want);
    }
}

void frmDocument::applyZoom(double zoom)
{
    m_view->setZoom(zoom);
    m_editor.setScreen(m_view->twipsPerPixel(), m_view->zoom());
    m_view->resize(m_view->pixelSizeFor(surfaceWidth(), surfaceHeight()));
    m_view->lblGuide()->hide();
    if (m_host)
        m_host->zoomShown(*this);
}

void frmDocument::setZoom(double zoom)
{
    applyZoom(zoom);
    fitWindowToLabel();
    setScrollBars();
    m_view->update();
}

void frmDocument::zoomAbout(double zoom, const QPointF& at)
{
    const QPointF twips = m_view->toTwips(at - QPointF(m_view->pos()));
    applyZoom(zoom);
    setScrollBars();
    // Where the view starts with the bars at 0, and the scroll that brings the point back under `at`.
    const double gap = std::lround(Gap / m_view->twipsPerPixel());
    const QPointF px = m_view->toPixels(twips);
    m_hScroll->setValue(viewgeom::scrollToKeep(gap, at.x(), px.x(), m_hScroll->isHidden() ? 0 : m_hScroll->maximum()));
    m_vScroll->setValue(viewgeom::scrollToKeep(gap, at.y(), px.y(), m_vScroll->isHidden() ? 0 : m_vScroll->maximum()));
    placeSurface();
    m_view->update();
}

void frmDocument::zoomIn() { setZoom(viewgeom::zoomIn(zoom())); }
void frmDocument::zoomOut() { setZoom(viewgeom::zoomOut(zoom())); }

void frmDocument::zoomToFit()
{
    QSize room = roomForWindow();
    if (!room.isValid())
        room = size();
    // The label and its gaps at true size, in pixels; the status bar keeps its height.
    const double k = m_view->trueTwipsPerPixel();
    const double needW = (surfaceWidth() + 2 * Gap) / k, needH = (surfaceHeight() + 2 * Gap) / k;
    const int statusH = m_status->sizeHint().height();
    setZoom(viewgeom::fitZoom(room.width(), room.height() - statusH, needW, needH));
}

void frmDocument::wheelEvent(QWheelEvent* e)
{
    e->setAccepted(wheelTurned(e->position(), e->angleDelta(), e->modifiers()));
}

bool frmDocument::wheelTurned(const QPointF& at, QPoint angle, Qt::KeyboardModifiers modifiers)
{
    if (modifiers & Qt::ControlModifier) {
        wheelZoom(at, angle.y());
        return true;
    }
    // Shift turns the wheel's scrolling across, as in other programs.
    QScrollBar* bar = (modifiers & Qt::ShiftModifier) ? m_hScroll : m_vScroll;
    const int notches = (angle.y() + angle.x()) / Notch;
    if (bar->isHidden() || notches == 0)
        return false;
    bar->setValue(bar->value() - notches * QApplication::wheelScrollLines() * fontMetrics().height());
    return true;
}

void frmDocument::wheelZoom(const QPointF& at, int angle)
{
    m_wheel += angle;
    double z = zoom();
    for (; m_wheel >= Notch; m_wheel -= Notch)
        z = viewgeom::zoomIn(z);
    for (; m_wheel <= -Notch; m_wheel += Notch)
        z = viewgeom::zoomOut(z);
    if (viewgeom::zoomPercent(z) != viewgeom::zoomPercent(zoom()))
        zoomAbout(z, at);
}
