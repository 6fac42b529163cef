#pragma once
// What the mouse does on a label: pressing items, handles and guides,
// dragging (moving a picture live, resizing it from a handle, moving a text
// on the drop), snapping the drop to the grid, and dragging the guides. Plain
// state and rules on a document; the view translates its events into these
// calls and repaints the regions they return.
#include <QPointF>
#include <QRectF>
#include <QString>
#include <array>
#include <optional>

#include "Guides.h"
#include "Handles.h"
#include "document/LabelContent.h"

class LabelDocument;

// What lies under a point of the label surface, topmost first.
struct Hit {
    enum Kind { Surface, Item, Handle } kind = Surface;
    ItemId item;   // the item hit
    int index = 0; // the handle hit
    // The point relative to the hit item's top-left (the surface: the point itself).
    QPointF local;
};

class LabelEditor {
public:
    explicit LabelEditor(LabelDocument& doc) : m_doc(doc) {}

    // The view the label is edited on: the twips one of its pixels covers
    // and its zoom. Handles and the guides' reach keep a size on screen
    // (0: sizes in twips only, as on a view at true size).
    void setScreen(double twipsPerPixel, double zoom)
    {
        m_twipsPerPixel = twipsPerPixel;
        m_zoom = zoom;
    }
    // The side of a handle, twips.
    double handleSize() const { return handles::sizeOnScreen(m_twipsPerPixel); }

    Hit hitTest(const QPointF& p) const;
    // The handles around the active picture; nothing while no picture is active.
    std::optional<std::array<QRectF, handles::Count>> resizers() const;

    // --- presses -----------------------------------------------------------
    enum class Press { Nothing, PopupMenu, Drag, Guide };
    // A press at p with `button`; `alone` is false when other buttons are held.
    Press press(const QPointF& p, int button, bool alone);

    // --- a drag (after Press::Drag) -------------------------------------------
    bool dragging() const { return m_dragging; }
    bool resizing() const { return m_resizing; }
    // The pointer over the view (`onSurface` false outside it). Returns the
    // region to repaint, empty when the step was skipped or changed nothing.
    QRectF dragOver(const QPointF& p, bool onSurface, bool keepAspect);
    // The button released: the drop. Snapping uses the grid when `snap`.
    QRectF drop(const QPointF& p, bool onSurface, bool snap, int gridWidth, int gridHeight);
    // Where a dragged text item would land, for its outline; empty otherwise.
    QRectF dragOutline() const { return m_outline; }
    // Ends a drag where it is, without a drop (the history is about to move).
    // Returns the region to repaint.
    QRectF endDrag();

    // --- guides --------------------------------------------------------------
    guides::Grab guideHeld() const { return m_guide; }
    // Moves the held guide with the pointer (whatever the buttons).
    QRectF moveGuide(const QPointF& p);
    void releaseGuide() { m_guide = guides::Grab::None; }
    // The read-out of the held guide: position on the surface and text (the
    // text keeps its last value for an unknown guide setting).
    QPointF readoutPos() const { return m_readoutPos; }
    QString readoutText() const { return m_readoutText; }

    // A click on the empty surface: clears the selection unless the press
    // grabbed a guide. Returns true when it cleared.
    bool surfaceClick();

    // --- keys ------------------------------------------------------------------
    // Tab (forward) and Shift+Tab: the next or previous item in stacking order
    // becomes the selection. False when no item is shown, so the key can move
    // the focus on. While the mouse drags an item or a guide the key is taken
    // and changes nothing: the drop acts on the item the drag carries.
    bool selectNext(bool forward);
    // Escape: nothing selected. False when nothing was (the key goes on to
    // the window); a drag under way goes on with its item, as for Tab.
    bool selectNone();

private:
    QRectF activeBox() const;
    QRectF markedBox() const; // the active box with its handles and frame line
    void placeReadout(const QPointF& p);
    QRectF dropHere(const QPointF& p, bool onSurface, bool snap, int gridWidth, int gridHeight);
    // A press that starts a drag opens one step of the history; the drop closes it.
    void openStep(const QString& name);
    void closeStep();

    LabelDocument& m_doc;
    double m_twipsPerPixel = 0;
    double m_zoom = 1;
    // Scratch values of a press and the drag that follows it.
    QPointF m_grab;
    QPointF m_pressedAt; // where the pointer pressed the item being dragged
    QSizeF m_start;
    double m_ratio = 1;
    bool m_resizing = false;
    int m_handle = 0;
    bool m_skip = false;
    bool m_suppressClick = false;
    bool m_dragging = false;
    Hit m_dragged; // what the drag carries (a text or picture item, or a handle)
    bool m_stepOpen = false;
    QRectF m_outline;
    guides::Grab m_guide = guides::Grab::None;
    QPointF m_readoutPos;
    QString m_readoutText;
};
