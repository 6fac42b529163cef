// The QR code commands: a new code, and changing the active one's data.
#include <algorithm>

#include "LabelDocument.h"
#include "QrCode.h"
#include "platform/Platform.h"

namespace {
// A new code's side: an inch, or less where the frame is smaller.
constexpr double NewQrSide = 1440;
} // namespace

bool LabelDocument::createNewQr(const QString& data, char level, ColorValue color)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "New QR Code"));
    if (const QString why = qrcode::dataRefusal(data); !why.isEmpty()) {
        m_platform.message(why, MsgIcon::Exclamation);
        return false;
    }
    if (m_content.qrCounter >= MaxItemIndex) {
        m_platform.message(tr("This label cannot hold more QR codes. Save it and start a new label."),
                           MsgIcon::Exclamation);
        return false;
    }
    QrItem q;
    q.index = ++m_content.qrCounter;
    q.data = data;
    q.level = qrcode::levelOf(QString(QChar(level))) ? level : 'M';
    q.color = color;
    const QRectF frame = borderRect();
    q.size = std::min({NewQrSide, 0.9 * frame.width(), 0.9 * frame.height()});
    q.left = (m_surfaceW - q.size) / 2;
    q.top = (m_surfaceH - q.size) / 2;
    m_content.add(q);
    select({kindOf<QrItem>, q.index});
    setChanged();
    return true;
}

bool LabelDocument::setActiveQr(const QString& data, char level, std::optional<ColorValue> color)
{
    Step step(*this, QT_TRANSLATE_NOOP("Undo", "Edit QR Code"));
    if (const QString why = qrcode::dataRefusal(data); !why.isEmpty()) {
        m_platform.message(why, MsgIcon::Exclamation);
        return false;
    }
    LabelItem* item = m_content.edit(m_active);
    auto* q = item ? std::get_if<QrItem>(item) : nullptr;
    if (!q)
        return false;
    q->data = data;
    if (qrcode::levelOf(QString(QChar(level))))
        q->level = level;
    if (color)
        q->color = *color;
    setChanged();
    repaint();
    return true;
}
