#include "frmAbout.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/Icons.h"
#include "app/ProgramTitle.h"
#include "app/SystemInfo.h"
#include "app/VersionInfo.h"
#include "platform/Platform.h"

QString frmAbout::descriptionText()
{
    return tr("Corkcrafter - Label Designer helps you design creative bottle labels for your home-made beers and "
              "wines.  It is capable of creating labels of any size up to the maximum size supported by your printer.");
}

frmAbout::frmAbout(AppContext& ctx, QWidget* owner) : QDialog(owner), m_ctx(ctx)
{
    setObjectName("frmAbout");
    setWindowTitle(tr("About %1").arg(ProgramTitle));

    auto* imgLogo = new QLabel(this);
    imgLogo->setObjectName("imgLogo");
    imgLogo->setPixmap(programPixmap(96, ctx.paths.dataDir));
    imgLogo->setAlignment(Qt::AlignTop);

    auto* lblTitle = new QLabel(ProgramTitle, this);
    lblTitle->setObjectName("lblTitle");
    QFont f = lblTitle->font();
    f.setPointSizeF(f.pointSizeF() * 1.6);
    f.setBold(true);
    lblTitle->setFont(f);
    // The trademark mark sits right after the title, as the title is wide.
    auto* lblTradeMark = new QLabel("\u2122", this);
    lblTradeMark->setObjectName("lblTradeMark");
    lblTradeMark->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* titleRow = new QHBoxLayout;
    titleRow->setSpacing(0);
    titleRow->addWidget(lblTitle);
    titleRow->addWidget(lblTradeMark);
    titleRow->addStretch(1);

    auto* lblVersion = new QLabel(tr("Version %1").arg(versioninfo::full()), this);
    lblVersion->setObjectName("lblVersion");
    auto* lblDescription = new QLabel(descriptionText(), this);
    lblDescription->setObjectName("lblDescription");
    lblDescription->setWordWrap(true);
    auto* lblDisclaimer = new QLabel(versioninfo::LegalTrademarks, this);
    lblDisclaimer->setObjectName("lblDisclaimer");
    lblDisclaimer->setWordWrap(true);
    auto* lblCopyright = new QLabel(versioninfo::Copyright, this);
    lblCopyright->setObjectName("lblCopyright");

    auto* cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    auto* cmdSysInfo = new QPushButton(tr("&System Info..."), this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    cmdSysInfo->setAutoDefault(false);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);

    auto* text = new QVBoxLayout;
    text->addLayout(titleRow);
    text->addWidget(lblVersion);
    text->addSpacing(8);
    text->addWidget(lblDescription);
    text->addStretch(1);
    auto* top = new QHBoxLayout;
    top->addWidget(imgLogo);
    top->addLayout(text, 1);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto* bottom = new QHBoxLayout;
    auto* legal = new QVBoxLayout;
    legal->addWidget(lblCopyright);
    legal->addWidget(lblDisclaimer);
    bottom->addLayout(legal, 1);
    bottom->addLayout(buttons);
    auto* all = new QVBoxLayout(this);
    all->addLayout(top, 1);
    all->addLayout(bottom);
    setMinimumWidth(480);
}

void frmAbout::StartSysInfo()
{
    const QString program = systeminfo::findProgram(searchFolders);
    if (program.isEmpty() || !m_ctx.platform.startProcess(program, {}, false))
        m_ctx.platform.message(tr("System Information Is Unavailable At This Time"));
}

void frmAbout::showAbout(AppContext& ctx, QWidget* owner)
{
    frmAbout dlg(ctx, owner);
    dlg.exec();
}
