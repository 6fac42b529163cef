#include "frmSplash.h"

#include <QGuiApplication>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QSvgRenderer>
#include <QTimer>

frmSplash::frmSplash(const QString& dataDir, int milliseconds) : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_dataDir(dataDir)
{
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    resize(460, 260);
    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    m_timer = new QTimer(this);
    m_timer->setObjectName("Timer1");
    m_timer->setSingleShot(true);
    m_timer->setInterval(milliseconds);
    connect(m_timer, &QTimer::timeout, this, &QWidget::close);
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x7a, 0x1f, 0x2b));
    g.setColorAt(1, QColor(0x3b, 0x0d, 0x14));
    p.fillRect(rect(), g);
    QSvgRenderer logo(m_dataDir + "/icons/corkcrafter.svg");
    if (logo.isValid())
        logo.render(&p, QRectF(28, 60, 128, 128));
    p.setPen(QColor(0xf5, 0xe6, 0xc8));
    QFont f = font();
    f.setPointSize(26);
    f.setBold(true);
    p.setFont(f);
    p.drawText(QRect(170, 70, 280, 50), Qt::AlignLeft | Qt::AlignVCenter, "Corkcrafter");
    f.setPointSize(11);
    f.setBold(false);
    p.setFont(f);
    p.drawText(QRect(170, 120, 280, 60), Qt::AlignLeft | Qt::TextWordWrap,
               QString("Version %1\nLabels for home brewers and wine makers").arg(CORKCRAFTER_VERSION));
    p.setPen(QColor(0xf5, 0xe6, 0xc8, 120));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
