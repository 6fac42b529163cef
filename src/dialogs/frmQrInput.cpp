#include "frmQrInput.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/AppContext.h"
#include "app/Colors.h"
#include "app/ProgramTitle.h"
#include "document/QrCode.h"
#include "platform/Platform.h"

frmQrInput::frmQrInput(AppContext& ctx, QWidget* parent, const QString& data, char level, ColorValue color)
    : QDialog(parent), m_ctx(ctx), m_color(color)
{
    setObjectName("frmQrInput");
    setWindowTitle(tr("QR Code"));
    m_data = new QLineEdit(data, this);
    m_data->setObjectName("txtQrData");
    m_data->setMinimumWidth(360);
    m_data->setPlaceholderText("https://example.org/recipes/${Batch}");
    m_level = new QComboBox(this);
    m_level->setObjectName("cboQrLevel");
    const char levels[] = {'L', 'M', 'Q', 'H'};
    const char* names[] = {QT_TR_NOOP("L (7% may be damaged)"), "M (15%)", "Q (25%)", "H (30%)"};
    for (int i = 0; i < 4; ++i) {
        m_level->addItem(i == 0 ? tr(names[i]) : QString(names[i]), QChar(levels[i]));
        if (levels[i] == level)
            m_level->setCurrentIndex(i);
    }
    auto* form = new QFormLayout;
    auto* dataLabel = new QLabel(tr("&Data:"), this);
    dataLabel->setBuddy(m_data);
    form->addRow(dataLabel, m_data);
    auto* levelLabel = new QLabel(tr("&Error correction:"), this);
    levelLabel->setBuddy(m_level);
    form->addRow(levelLabel, m_level);
    m_colorButton = new QPushButton(this);
    m_colorButton->setObjectName("cmdQrColor");
    m_colorButton->setToolTip(tr("The colour of the code's dark squares"));
    showColor();
    connect(m_colorButton, &QPushButton::clicked, this, &frmQrInput::cmdQrColor_Click);
    auto* colorLabel = new QLabel(tr("&Color:"), this);
    colorLabel->setBuddy(m_colorButton);
    form->addRow(colorLabel, m_colorButton);
    auto* hint = new QLabel(tr("Up to %1 characters. Fields such as ${n} or ${Column} give every printed "
                               "label its own code.")
                                .arg(qrcode::MaxStoredData),
                            this);
    hint->setWordWrap(true);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName("OKButton");
    buttons->button(QDialogButtonBox::Cancel)->setObjectName("CancelButton");
    connect(buttons, &QDialogButtonBox::accepted, this, &frmQrInput::OKButton_Click);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(hint);
    layout->addWidget(buttons);
}

void frmQrInput::OKButton_Click()
{
    // Blanks at the end would not survive the label file: they are dropped.
    QString data = m_data->text();
    while (!data.isEmpty() && data.back().isSpace())
        data.chop(1);
    if (const QString why = qrcode::dataRefusal(data); !why.isEmpty()) {
        m_ctx.platform.message(why, MsgIcon::Exclamation, ProgramTitle);
        m_data->setFocus();
        return;
    }
    m_answer = Answer{data, char(m_level->currentData().toChar().unicode()), m_color};
    accept();
}

void frmQrInput::cmdQrColor_Click()
{
    if (const auto c = m_ctx.platform.chooseColor(tr("QR Code Color"), m_color)) {
        m_color = *c;
        showColor();
    }
}

// The swatch shows the colour as the code is printed in it.
void frmQrInput::showColor()
{
    QPixmap swatch(40, 16);
    swatch.fill(colors::forPrint(m_color));
    QPainter p(&swatch);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawRect(swatch.rect().adjusted(0, 0, -1, -1));
    p.end();
    m_colorButton->setIcon(QIcon(swatch));
    m_colorButton->setIconSize(swatch.size());
}

std::optional<frmQrInput::Answer> frmQrInput::ask(AppContext& ctx, QWidget* parent, const QString& data, char level,
                                                  ColorValue color)
{
    frmQrInput dlg(ctx, parent, data, level, color);
    dlg.exec();
    return dlg.m_answer;
}
