#include "frmTip.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/Icons.h"
#include "app/Settings.h"
#include "app/Tips.h"
#include "platform/SettingsStore.h"

namespace {
// Line breaks of a tip as the label shows them.
QString shown(QString tip) { return tip.replace("\r\n", "\n"); }
} // namespace

QString frmTip::missingFileText()
{
    return tr("The file that holds the Tips, \"TipOfDay.fil\" was not found.") + "\r\n\r\n" +
           tr("As a result, the \"Tip of the Day\" function will now be disabled at startup. ");
}

frmTip::frmTip(AppContext& ctx, QWidget* owner) : QDialog(owner), m_ctx(ctx)
{
    setObjectName("frmTip");
    setWindowTitle(tr("Tip of the Day"));
    setAttribute(Qt::WA_DeleteOnClose, false);

    auto* picture = new QLabel(this);
    picture->setObjectName("Picture1");
    picture->setPixmap(programPixmap(64, ctx.paths.dataDir));
    picture->setAlignment(Qt::AlignTop | Qt::AlignHCenter);

    auto* label1 = new QLabel(tr("Did you know..."), this);
    label1->setObjectName("Label1");
    QFont big = label1->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    label1->setFont(big);

    m_lblTipText = new QLabel(this);
    m_lblTipText->setObjectName("lblTipText");
    m_lblTipText->setTextFormat(Qt::PlainText);
    m_lblTipText->setWordWrap(true);
    m_lblTipText->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    m_lblTipText->setMinimumSize(360, 140);

    auto* panel = new QWidget(this);
    panel->setObjectName("tipPanel");
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    panel->setPalette(pal);
    auto* text = new QVBoxLayout;
    text->addWidget(label1);
    text->addWidget(m_lblTipText, 1);
    auto* inner = new QHBoxLayout(panel);
    inner->addWidget(picture);
    inner->addLayout(text, 1);

    m_chk = new QCheckBox(tr("&Show Tips at Startup"), this);
    m_chk->setObjectName("chkLoadTipsAtStartup");
    m_cmdNextTip = new QPushButton(tr("&Next Tip"), this);
    m_cmdNextTip->setObjectName("cmdNextTip");
    m_cmdNextTip->setAutoDefault(false);
    m_cmdOK = new QPushButton(tr("OK"), this);
    m_cmdOK->setObjectName("cmdOK");
    m_cmdOK->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_cmdOK);
    buttons->addWidget(m_cmdNextTip);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(panel, 1);
    top->addLayout(buttons);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addWidget(m_chk);

    connect(m_cmdNextTip, &QPushButton::clicked, this, &frmTip::showNextTip);
    connect(m_cmdOK, &QPushButton::clicked, this, &QDialog::accept); // Esc rejects: the same close

    // Load
    m_chk->setChecked(settings::readInt32(ctx.store, settings::keys::ShowTips) == 1);
    m_currentTip = settings::readInt32(ctx.store, settings::keys::CurrentTip);
    if (!LoadTips(ctx.paths.dataDir + "/TipOfDay.fil")) {
        m_lblTipText->setText(shown(missingFileText()));
        m_chk->setChecked(false);
    }
}

bool frmTip::LoadTips(const QString& path)
{
    QStringList read;
    if (!tips::readTipsFile(path, read))
        return false;
    m_tips = read;
    showNextTip();
    return true;
}

void frmTip::showNextTip()
{
    m_currentTip = tips::nextTip(m_currentTip, m_tips.size());
    DisplayCurrentTip();
}

void frmTip::DisplayCurrentTip()
{
    if (!m_tips.isEmpty() && m_currentTip >= 1 && m_currentTip <= m_tips.size())
        m_lblTipText->setText(shown(m_tips.at(m_currentTip - 1)));
}

void frmTip::done(int r)
{
    settings::writeWhole(m_ctx.store, settings::keys::ShowTips, m_chk->isChecked() ? 1 : 0);
    settings::writeWhole(m_ctx.store, settings::keys::CurrentTip, m_currentTip);
    QDialog::done(r);
}

void frmTip::showTip(AppContext& ctx, QWidget* owner)
{
    frmTip dlg(ctx, owner);
    dlg.exec();
}
