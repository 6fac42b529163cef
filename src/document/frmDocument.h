#pragma once
// The document window: one label shown at its zoom in a child window of the
// main window. It is the label document (the model's operations are its own)
// and mirrors the model in its controls.
#include <QWidget>

#include "DocumentHost.h"
#include "LabelDocument.h"
#include "ViewGeometry.h"
#include "editing/LabelEditor.h"
#include "printing/FirstLabel.h"

class QLabel;
class QScrollBar;
class QStatusBar;
class LabelView;
struct AppContext;

class frmDocument : public QWidget, public LabelDocument, public DocumentObserver {
    Q_OBJECT
public:
    // The host may be null (a document on its own, as in some tools and tests).
    frmDocument(AppContext& ctx, DocumentHost* host, QWidget* parent = nullptr);

    LabelView* picLabelView() const { return m_view; }
    QScrollBar* VScroll() const { return m_vScroll; }
    QScrollBar* HScroll() const { return m_hScroll; }
    QWidget* Corner() const { return m_corner; }
    QStatusBar* stbStatus() const { return m_status; }
    QString statusPanel(const QString& key) const;

    // Window size for the label at its zoom: the label plus its margins and the status bar.
    QSize windowSizeFor() const;
    // Sizes the window for the label, at most as large as the room the main
    // window's area leaves it (the scroll bars show the rest).
    void fitWindowToLabel();

    // Zoom (1 = true size), this window's own. The window is sized for the
    // label at the new zoom; zooming about a point of this window (the
    // pointer) keeps the window as it is and scrolls so that the label point
    // under it stays there.
    double zoom() const;
    void setZoom(double zoom);
    void zoomAbout(double zoom, const QPointF& at);
    void zoomIn();
    void zoomOut();
    // The zoom at which the whole label fits into the room the window has.
    void zoomToFit();
    void setScrollBars();
    viewgeom::ScrollLayout lastScrollLayout() const { return m_lastScroll; }
    void setGridShown(bool shown);
    void setCaption(const QString& c);
    // The caption without the changed marker the title bar adds.
    QString caption() const { return m_caption; }

    // Closing: asks about unsaved changes. False when the user cancelled.
    bool queryClose();
    void detachHost() { m_host = nullptr; }
    DocumentHost* host() const { return m_host; }

    TextFormat currentTextFormat() const override;

    // What the view paints: while field values are shown and the label holds
    // fields, label 1 of its print (filled from its remembered data, else
    // numbered only); else the content as typed. Hit tests, dragging and
    // editing work on the typed items; the selection line goes around the
    // item as painted.
    const LabelContent& shownContent();
    // The label's data file was chosen or forgotten, or field values were
    // shown or hidden: the view is painted again.
    void fieldsShownChanged();

    // The mouse on the label: selection, dragging, guides.
    LabelEditor& editor() { return m_editor; }
    void picLabelView_MouseDown(const QPointF& twips, int button, bool alone);
    void picLabelView_MouseMove(const QPointF& twips, bool inside);
    void picLabelView_MouseUp(const QPointF& twips, int button, bool inside);
    void picLabelView_Click();
    void picLabelView_DblClick(const QPointF& twips);

    // DocumentObserver
    void areaChanged(const QRectF& twips) override;
    void selectionChanged() override;
    void labelResized() override;
    void activeTextShown(const TextItem& t) override;
    void statusPanels(const QString& file, const QString& x, const QString& y) override;
    void borderStyleShown(const QString& style) override;
    void captionChanged(const QString& c) override;
    void labelTypeShown(int16_t type) override;
    void changedShown(bool changed) override { setWindowModified(changed); }
    void contentShown() override;

signals:
    void windowActivated(frmDocument*);

protected:
    void settleEditing() override;
    // Tab, Shift+Tab and Escape on the label view select with the keyboard.
    bool eventFilter(QObject* watched, QEvent* e) override;
    void resizeEvent(QResizeEvent*) override;
    // Ctrl+wheel zooms about the pointer.
    void wheelEvent(QWheelEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    // Room around the label inside the window, twips: 120 on every side.
    static constexpr int Gap = 120;
    void placeSurface();
    void applyZoom(double zoom);
    // Ctrl+wheel at a point of this window.
    void wheelZoom(const QPointF& at, int angle);
    // Room for the whole window in the main window's area (null size: no limit).
    QSize roomForWindow() const;
    void showGuideReadout();
    void hoverCursor(const QPointF& twips);
    // The view's accessible name says what is selected, as shown; a screen
    // reader is told when it changes.
    void announceSelection(const LabelContent& shown);
    bool fieldValuesShown() const { return !m_host || m_host->fieldValuesShown(); }
    // What the view now shows, to compare the next change with.
    void keepPainted(const LabelContent& shown);

    AppContext& m_ctx;
    DocumentHost* m_host;
    QWidget* m_viewport; // clips the label to the room left by the bars
    LabelView* m_view;
    QScrollBar* m_vScroll;
    QScrollBar* m_hScroll;
    QWidget* m_corner;
    QStatusBar* m_status;
    QLabel* m_panelFile;
    QLabel* m_panelX;
    QLabel* m_panelY;
    viewgeom::ScrollLayout m_lastScroll;
    QString m_caption;
    bool m_closeAsked = false;
    LabelEditor m_editor{*this};
    int m_wheel = 0; // wheel turn not yet a zoom step (eighths of a degree)
    bool m_surfacePressed = false; // a left press on the empty surface, for the click
    merge::FirstLabel m_firstLabel;
    QString m_dataFor; // the label file whose data m_firstLabel holds
    bool m_dataRead = false;
    // The filled content last shown (empty while the typed one is) and its selection.
    LabelContent m_painted;
    bool m_paintedFilled = false;
    ItemId m_paintedActive;
};
