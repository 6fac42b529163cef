#pragma once
// The document window: one label shown at true size in a child window of the
// main window. It is the label document (the model's operations are its own)
// and mirrors the model in its controls.
#include <QWidget>

#include "LabelDocument.h"
#include "ViewGeometry.h"

class QLabel;
class QScrollBar;
class QStatusBar;
class LabelView;
class frmMain;
struct AppContext;

class frmDocument : public QWidget, public LabelDocument, public DocumentObserver {
    Q_OBJECT
public:
    frmDocument(AppContext& ctx, frmMain* main, QWidget* parent = nullptr);

    LabelView* picLabelView() const { return m_view; }
    QScrollBar* VScroll() const { return m_vScroll; }
    QScrollBar* HScroll() const { return m_hScroll; }
    QWidget* Corner() const { return m_corner; }
    QStatusBar* stbStatus() const { return m_status; }
    QString statusPanel(const QString& key) const;

    // Window size for the label: the label plus its margins and the status bar.
    QSize windowSizeFor() const;
    void setScrollBars();
    viewgeom::ScrollLayout lastScrollLayout() const { return m_lastScroll; }
    void setGridShown(bool shown);
    void setCaption(const QString& c);
    QString caption() const { return windowTitle(); }

    // Closing: asks about unsaved changes. False when the user cancelled.
    bool queryClose();
    void detachMain() { m_main = nullptr; }

    // DocumentObserver
    void documentRepaint() override;
    void labelResized() override;
    void activeTextShown(const TextItem& t) override;
    void statusPanels(const QString& file, const QString& x, const QString& y) override;
    void borderStyleShown(const QString& style) override;
    void captionChanged(const QString& c) override { setCaption(c); }
    void labelTypeShown(int16_t type) override;

signals:
    void windowActivated(frmDocument*);

protected:
    void resizeEvent(QResizeEvent*) override;
    void closeEvent(QCloseEvent*) override;

private:
    void picLabelView_Click(const QPointF& twips);
    void picLabelView_DblClick(const QPointF& twips);
    void placeSurface();

    AppContext& m_ctx;
    frmMain* m_main;
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
    bool m_closeAsked = false;
};
