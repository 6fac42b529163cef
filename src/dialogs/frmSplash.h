#pragma once
// The splash window shown while the program starts; it closes by itself
// after a moment, or at once on a key or a click.
#include <QWidget>

class QLabel;
class QTimer;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(const QString& dataDir, int milliseconds = 1500);
    QTimer* Timer1() const { return m_timer; }
    QLabel* label(const char* name) const;

protected:
    void keyPressEvent(QKeyEvent*) override { close(); }
    // Labels, logo and frame pass their clicks on to the window.
    void mousePressEvent(QMouseEvent*) override { close(); }
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void paintEvent(QPaintEvent*) override;

private:
    QTimer* m_timer;
    QWidget* m_frame;
};
