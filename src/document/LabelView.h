#pragma once
// The label surface (picLabelView): draws the label at true size from the model.
#include <QWidget>
#include <functional>

#include "PictureCache.h"

class LabelDocument;
struct LabelContent;
class LabelEditor;
class QLabel;

class LabelView : public QWidget {
    Q_OBJECT
public:
    LabelView(LabelDocument& doc, QWidget* parent);

    double twipsPerPixel() const;
    QPointF toTwips(const QPointF& px) const { return px * twipsPerPixel(); }
    QSize pixelSizeFor(int twipsW, int twipsH) const;

    void setGridShown(bool v) { m_grid = v; update(); }
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

signals:
    // Mouse events in twips on the surface. Buttons are 1 left, 2 right, 4
    // middle; `alone` is false when other buttons are held too. `inside` is
    // false when the pointer is off the surface.
    void mousePressed(QPointF twips, int button, bool alone);
    void mouseMoved(QPointF twips, bool inside);
    void mouseReleased(QPointF twips, int button, bool inside);
    void doubleClicked(QPointF twips);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    void paintMarks(QPainter& p, const LabelContent& shown);
    const LabelContent& shownContent() const;

    LabelDocument& m_doc;
    const LabelEditor* m_editor = nullptr;
    std::function<const LabelContent&()> m_content;
    QLabel* m_lblGuide;
    bool m_grid = false;
    int m_lastDots = 0;
    qint64 m_paintedArea = 0;
    // The pictures at the size they are shown at (a picture's copies are
    // dropped once no item shows it): a repaint never rescales a large picture.
    pictures::ScaledCache m_pictures{64 * 1024 * 1024, 2048};
};
