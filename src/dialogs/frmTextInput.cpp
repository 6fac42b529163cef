#include "frmTextInput.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>

#include "app/AppContext.h"
#include "app/Settings.h"
#include "app/WindowPlacement.h"
#include "app/Units.h"
#include "document/CkmFormat.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

frmTextInput::frmTextInput(AppContext& ctx, QWidget* parent) : QDialog(parent), m_ctx(ctx)
{
    setObjectName("frmTextInput");
    setWindowTitle(tr("Text Input"));
    setModal(true);

    m_text = new QPlainTextEdit(this);
    m_text->setObjectName("txtInput");
    m_text->setTabChangesFocus(true);
    m_notKept = new QLabel(this);
    m_notKept->setObjectName("lblNotKept");
    m_notKept->setWordWrap(true);
    m_notKept->setTextFormat(Qt::PlainText);
    QPalette warn = m_notKept->palette();
    warn.setColor(QPalette::WindowText, QColor(0xB0, 0x00, 0x00));
    m_notKept->setPalette(warn);
    m_notKept->hide();
    auto* label1 = new QLabel(tr("Text Rotation Angle:"), this);
    label1->setObjectName("Label1");
    m_rotation = new QComboBox(this);
    m_rotation->setObjectName("cboRotation");
    m_rotation->setEditable(true);
    m_rotation->addItems({"0", "90", "180", "270"});
    auto* label2 = new QLabel(tr("Degrees"), this);
    label2->setObjectName("Label2");
    m_autofit = new QCheckBox(tr("Autofit Text"), this);
    m_autofit->setObjectName("chkAutoFit");
    auto* ok = new QPushButton(tr("OK"), this);
    ok->setObjectName("OKButton");
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName("CancelButton");

    auto* grid = new QGridLayout(this);
    grid->addWidget(m_text, 0, 0, 1, 4);
    grid->addWidget(m_notKept, 1, 0, 1, 4);
    grid->addWidget(label1, 2, 0);
    grid->addWidget(m_rotation, 2, 1);
    grid->addWidget(label2, 2, 2);
    grid->addWidget(m_autofit, 3, 0, 1, 3);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    grid->addLayout(buttons, 4, 0, 1, 4);
    resize(380, 220);

    connect(m_text, &QPlainTextEdit::textChanged, this, &frmTextInput::markCharactersNotKept);
    connect(ok, &QPushButton::clicked, this, [this] { OKButton_Click(); });
    connect(cancel, &QPushButton::clicked, this, [this] { CancelButton_Click(); });

    // Opening: remembered position, or centred on the screen.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect sg = screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
    const double k = placement::twipsPerPixel(screen);
    const double cx = (sg.width() - width()) / 2.0 * k, cy = (sg.height() - height()) / 2.0 * k;
    // A remembered place off the screen (or absurd) gives the centre again.
    const double left = settings::readDouble(ctx.store, settings::keys::TextLeft.within(cx, sg.left() * k, (sg.right() - 40) * k));
    const double top = settings::readDouble(ctx.store, settings::keys::TextTop.within(cy, sg.top() * k, (sg.bottom() - 40) * k));
    move(int(left / k), int(top / k));
    m_cancelled = true;
    m_text->setPlainText(QString(ctx.values.dialogText).replace("\r\n", "\n"));
    m_text->moveCursor(QTextCursor::End);
    m_rotation->setCurrentText(QString::number(ctx.values.dialogRotation));
    m_autofit->setChecked(false);
}

void frmTextInput::markCharactersNotKept()
{
    const QString text = m_text->toPlainText();
    const QStringList lost = CKM_Header::charactersNotKept(text);
    m_notKept->setVisible(!lost.isEmpty());
    m_notKept->setText(lost.isEmpty() ? QString()
                                      : tr("A label file cannot keep these characters; saving would turn each into "
                                           "\"?\": %1").arg(lost.join(' ')));
    QList<QTextEdit::ExtraSelection> marks;
    if (!lost.isEmpty()) {
        QTextCharFormat wavy;
        wavy.setUnderlineStyle(QTextCharFormat::WaveUnderline);
        wavy.setUnderlineColor(Qt::red);
        wavy.setBackground(QColor(0xFF, 0xE0, 0xE0));
        for (qsizetype i = 0; i < text.size();) {
            const qsizetype n = text.at(i).isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            if (lost.contains(text.mid(i, n))) {
                QTextEdit::ExtraSelection mark;
                mark.cursor = QTextCursor(m_text->document());
                mark.cursor.setPosition(int(i));
                mark.cursor.setPosition(int(i + n), QTextCursor::KeepAnchor);
                mark.format = wavy;
                marks << mark;
            }
            i += n;
        }
    }
    m_text->setExtraSelections(marks);
}

void frmTextInput::OKButton_Click()
{
    bool ok = false;
    const QString r = m_rotation->currentText().trimmed();
    const double rot = QLocale().toDouble(r, &ok);
    if (!ok || rot < -32768 || rot > 32767) {
        m_ctx.platform.message(tr("The rotation angle must be a number of degrees, for example 0, 90, 180 or 270."),
                               MsgIcon::Exclamation);
        m_rotation->setFocus();
        return;
    }
    const QString text = m_text->toPlainText().replace("\n", "\r\n");
    // Refused here, where it can still be shortened: a label file would keep only part of it.
    if (const qsizetype n = CKM_Header::storedLength(text); n > CKM_Header::MaxTextLength) {
        m_ctx.platform.message(CKM_Header::textTooLongMessage(n), MsgIcon::Exclamation);
        m_text->setFocus();
        return;
    }
    m_ctx.values.dialogText = text;
    m_ctx.values.dialogRotation = units::CInt(rot);
    m_ctx.values.dialogAutofit = m_autofit->isChecked();
    m_cancelled = false;
    close();
}

void frmTextInput::closeEvent(QCloseEvent* e)
{
    if (!m_closed) {
        m_closed = true;
        if (m_cancelled)
            m_ctx.values.dialogText.clear();
        const QScreen* screen = QGuiApplication::primaryScreen();
        const double k = placement::twipsPerPixel(screen);
        settings::writeWhole(m_ctx.store, settings::keys::TextLeft, std::lround(x() * k));
        settings::writeWhole(m_ctx.store, settings::keys::TextTop, std::lround(y() * k));
        done(m_cancelled ? QDialog::Rejected : QDialog::Accepted);
    }
    e->accept();
}

void frmTextInput::ask(AppContext& ctx, QWidget* parent)
{
    frmTextInput dlg(ctx, parent);
    dlg.exec();
    if (!dlg.m_closed) {
        // Closed without passing through closeEvent (e.g. the parent went away).
        if (dlg.m_cancelled)
            ctx.values.dialogText.clear();
    }
}
