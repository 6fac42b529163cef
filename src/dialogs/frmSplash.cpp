#include "frmSplash.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

#include "app/Icons.h"
#include "app/ProgramTitle.h"
#include "app/VersionInfo.h"

frmSplash::frmSplash(const QString& dataDir, int milliseconds)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
{
    setObjectName("frmSplash");
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(500, 280);
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, QColor(0xf5, 0xe6, 0xc8));
    setPalette(pal);

    // No style sheet here: one would give the labels the style's palette back,
    // black text on the dark red. The frame's line is painted with the window.
    auto* frame = new QFrame(this);
    frame->setObjectName("Frame1");
    frame->setFrameShape(QFrame::NoFrame);
    m_frame = frame;

    auto* imgLogo = new QLabel(frame);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setPixmap(programPixmap(128, dataDir));

    auto make = [&](const char* name, const QString& text, double scale = 1.0, bool bold = false) {
        auto* l = new QLabel(text, frame);
        l->setObjectName(name);
        QFont f = l->font();
        f.setPointSizeF(f.pointSizeF() * scale);
        f.setBold(bold);
        l->setFont(f);
        return l;
    };
    QLabel* company = make("lblCompanyProduct", versioninfo::CompanyName, 1.1);
    QLabel* product = make("lblProductName", ProgramTitle, 2.4, true);
    QLabel* tm = make("lblTradeMark", "TM", 0.8);
    tm->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QLabel* version = make("lblVersion", tr("Version %1").arg(versioninfo::majorMinor()), 1.1);
    QLabel* copyright = make("lblCopyright", versioninfo::Copyright, 0.9);
    QLabel* warning = make("lblWarning", versioninfo::LegalTrademarks, 0.8);
    warning->setWordWrap(true);
    make("lblCompany", "")->hide();

    // "TM" right after the product name, however wide the name is.
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(0);
    titleRow->addWidget(product);
    titleRow->addWidget(tm);
    titleRow->addStretch(1);
    auto* text = new QVBoxLayout;
    text->addWidget(company);
    text->addLayout(titleRow);
    text->addWidget(version);
    text->addStretch(1);
    text->addWidget(copyright);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo, 0, Qt::AlignTop);
    top->addLayout(text, 1);
    auto* inner = new QVBoxLayout(frame);
    inner->addLayout(top, 1);
    inner->addWidget(warning);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(8, 8, 8, 8);
    outer->addWidget(frame);

    // Takes the keyboard when shown, so that a key press closes it.
    setFocusPolicy(Qt::StrongFocus);

    if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->geometry().center() - rect().center());
    m_timer = new QTimer(this);
    m_timer->setObjectName("Timer1");
    m_timer->setSingleShot(true);
    m_timer->setInterval(milliseconds);
    connect(m_timer, &QTimer::timeout, this, &QWidget::close);
}

QLabel* frmSplash::label(const char* name) const { return findChild<QLabel*>(name); }

void frmSplash::closeEvent(QCloseEvent* e)
{
    m_timer->stop();
    e->accept();
}

void frmSplash::showEvent(QShowEvent* e)
{
    QWidget::showEvent(e);
    // A splash window is not given the focus by window managers; without
    // asking for it, a key press would go nowhere.
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void frmSplash::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    QLinearGradient g(0, 0, 0, height());
    g.setColorAt(0, QColor(0x7a, 0x1f, 0x2b));
    g.setColorAt(1, QColor(0x3b, 0x0d, 0x14));
    p.fillRect(rect(), g);
    p.setPen(QColor(0xf5, 0xe6, 0xc8, 120));
    p.drawRect(QRectF(m_frame->geometry()).adjusted(0.5, 0.5, -0.5, -0.5));
}
