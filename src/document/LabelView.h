#pragma once
// The label surface (picLabelView): draws the label at true size from the model.
#include <QWidget>

class LabelDocument;

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

    // The item under a point of the surface (twips), topmost first.
    bool hitTest(const QPointF& twips, int* textIndex, int* graphicIndex) const;

signals:
    void clicked(QPointF twips);
    void doubleClicked(QPointF twips);

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;

private:
    LabelDocument& m_doc;
    bool m_grid = false;
    int m_lastDots = 0;
};
