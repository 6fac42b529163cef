#pragma once
// The label surface (picLabelView): draws the label from the model at its
// zoom. It is the one place where screen pixels and twips convert: everything
// behind it (the editor's rules, the document) works in twips at any zoom.
#include <QWidget>
#include <functional>

#include "DragLayers.h"
#include "PictureCache.h"

class LabelDocument;
struct LabelContent;
class LabelEditor;
class QLabel;

class LabelView : public QWidget {
    Q_OBJECT
public:
    LabelView(LabelDocument& doc, QWidget* parent);

    // Twips one pixel of the view covers at its zoom.
    double twipsPerPixel() const;
    // The same at true size (100 %).
    double trueTwipsPerPixel() const;
    QPointF toTwips(const QPointF& px) const { return px * twipsPerPixel(); }
    QPointF toPixels(const QPointF& twips) const { return twips / twipsPerPixel(); }
    double toPixels(double twips) const { return twips / twipsPerPixel(); }
    QSize pixelSizeFor(int twipsW, int twipsH) const;

    // 1 = true size. Resizing the view for it is its window's part.
    double zoom() const { return m_zoom; }
    void setZoom(double zoom);

    void setGridShown(bool v)
    {
        m_grid = v;
        m_layers.drop();
        update();
    }
    bool gridShown() const { return m_grid; }
    int gridDotCount() const { return m_lastDots; }

    // The editor whose selection marks, handles and drag outline are drawn.
    void setEditor(const LabelEditor* e) { m_editor = e; }
    // What is painted (the document's content when none is set): the items
    // of a label whose fields are shown filled.
    void setContentSource(std::function<const LabelContent&()> f) { m_content = std::move(f); }
    // Repaints the part of the surface a change touched (twips).
    void updateTwips(const QRectF& r);
    QLabel* lblGuide() const { return m_lblGuide; }
    // Surface pixels painted since the last call (what the drag benchmark reads).
    qint64 takePaintedArea();
    // The most memory the images of a drag may take (DragLayers); 0 draws
    // everything afresh at every step of a drag.
    void setDragLayerBudget(qint64 bytes) { m_layers.setBudget(bytes); }
    // A drag is being drawn from its images.
    bool dragLayersBuilt() const { return m_layers.built(); }

signals:
    // Mouse events in twips on the surface. Buttons are 1 left, 2 right, 4
    // middle; `alone` is false when other buttons are held too. `inside` is
    // false when the pointer is off the surface.
    void mousePressed(QPointF twips, int button, bool alone);
    void mouseMoved(QPointF twips, bool inside);
    void mouseReleased(QPointF twips, int button, bool inside);
    void doubleClicked(QPointF twips);
    // The wheel turned by `angle` (eighths of a degree) at `at`, pixels of the
    // view: with Ctrl it zooms, otherwise it scrolls.
    void wheelTurned(QPointF at, QPoint angle, Qt::KeyboardModifiers modifiers);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void wheelEvent(QWheelEvent*) override;

private:
    void paintMarks(QPainter& p, const LabelContent& shown);
    // Paints a part of `shown` (cut at `split`) for the view's pixels `px`.
    void paintPortion(QPainter& p, const LabelContent& shown, DragLayers::Portion portion, int split, const QRect& px);
    // Paints the label during a drag from its images; false where it cannot.
    bool paintDrag(QPainter& p, const QRegion& region, const LabelContent& shown);
    const LabelContent& shownContent() const;

    LabelDocument& m_doc;
    const LabelEditor* m_editor = nullptr;
    std::function<const LabelContent&()> m_content;
    QLabel* m_lblGuide;
    double m_zoom = 1;
    bool m_grid = false;
    int m_lastDots = 0;
    qint64 m_paintedArea = 0;
    // The pictures at the size they are shown at (a picture's copies are
    // dropped once no item shows it): a repaint never rescales a large picture.
    pictures::ScaledCache m_pictures{64 * 1024 * 1024, 2048};
    DragLayers m_layers;
};
