#pragma once
// The splash window shown while the program starts; it closes by itself
// after a moment, or at once on a key or a click.
#include <QDialog>

class QTimer;

class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(const QString& dataDir, int milliseconds = 1500);
    QTimer* Timer1() const { return m_timer; }

protected:
    void keyPressEvent(QKeyEvent*) override { close(); }
    void mousePressEvent(QMouseEvent*) override { close(); }
    void paintEvent(QPaintEvent*) override;

private:
    QTimer* m_timer;
    QString m_dataDir;
};
