#include "QrCode.h"

#include <QCoreApplication>
#include <QHash>
#include <QMutex>
#include <QRegularExpression>
#include <qrencode.h>

#include "CkmFormat.h"

namespace qrcode {

namespace {

QRecLevel recLevel(char level)
{
    switch (level) {
    case 'L': return QR_ECLEVEL_L;
    case 'Q': return QR_ECLEVEL_Q;
    case 'H': return QR_ECLEVEL_H;
    default: return QR_ECLEVEL_M;
    }
}

Matrix make(const QByteArray& utf8, char level)
{
    Matrix m;
    if (utf8.isEmpty() || utf8.contains('\0'))
        return m;
    // Version 0: the smallest code that holds the data; the modes (digits,
    // upper-case letters, bytes) are chosen per segment, case kept.
    QRcode* code = QRcode_encodeString(utf8.constData(), 0, recLevel(level), QR_MODE_8, 1);
    if (!code)
        return m;
    m.width = code->width;
    m.dark.resize(size_t(code->width) * size_t(code->width));
    for (size_t i = 0; i < m.dark.size(); ++i)
        m.dark[i] = code->data[i] & 1;
    QRcode_free(code);
    return m;
}

} // namespace

Matrix encode(const QString& data, char level)
{
    // Painting runs on the window's thread and on print threads alike.
    static QMutex lock;
    static QHash<QString, Matrix> recent;
    const QString key = QChar(level) + data;
    {
        QMutexLocker hold(&lock);
        if (auto it = recent.constFind(key); it != recent.constEnd())
            return *it;
    }
    Matrix m = make(data.toUtf8(), level);
    QMutexLocker hold(&lock);
    if (recent.size() >= 256)
        recent.clear();
    recent.insert(key, m);
    return m;
}

QString encodeProblem(const QString& data, char level)
{
    if (data.isEmpty())
        return QCoreApplication::translate("qrcode", "a QR code needs some data");
    if (encode(data, level).ok())
        return {};
    return QCoreApplication::translate("qrcode", "%1 bytes of data are too many for a QR code at level %2").arg(data.toUtf8().size()).arg(QChar(level));
}

char levelOf(const QString& text)
{
    const QString t = text.trimmed().toUpper();
    return t.size() == 1 && QString("LMQH").contains(t[0]) ? char(t[0].unicode()) : 0;
}

QString storedName(const QrItem& q)
{
    // A colour value is 0x00BBGGRR; the name spells it as #RRGGBB.
    const uint rgb = (q.color & 0xFF) << 16 | (q.color & 0xFF00) | (q.color >> 16 & 0xFF);
    return QString("<qr:%1 #%2>").arg(QChar(q.level)).arg(QString::number(rgb, 16).toUpper().rightJustified(6, '0')) +
           q.data;
}

std::optional<QrItem> fromStoredName(const QString& name)
{
    static const QRegularExpression mark("^<qr:([LMQH]) #([0-9A-F]{6})>");
    const auto m = mark.match(name);
    if (!m.hasMatch() || name.size() == m.capturedLength())
        return std::nullopt;
    QrItem q;
    q.level = char(m.captured(1)[0].unicode());
    const uint rgb = m.captured(2).toUInt(nullptr, 16);
    q.color = ColorValue((rgb & 0xFF) << 16 | (rgb & 0xFF00) | (rgb >> 16 & 0xFF));
    q.data = name.mid(m.capturedLength());
    return q;
}

QString dataRefusal(const QString& data)
{
    if (data.trimmed().isEmpty())
        return QCoreApplication::translate("qrcode", "Type the data the QR code holds, such as a web address.");
    const QStringList lost = CKM_Header::charactersNotKept(data);
    if (!lost.isEmpty())
        return QCoreApplication::translate("qrcode", "A label file cannot keep these characters of the QR code's data: %1.").arg(lost.join(' '));
    if (data.back().isSpace())
        return QCoreApplication::translate("qrcode", "The QR code's data cannot end with a blank.");
    const qsizetype n = CKM_Header::toCodePage(data).size();
    if (n > MaxStoredData)
        return QCoreApplication::translate("qrcode", "The QR code's data is %1 characters long, and a label file keeps at most %2 "
                                                   "characters of it. Shorten it (a short web address can lead to a "
                                                   "longer page).")
            .arg(n)
            .arg(MaxStoredData);
    return {};
}

} // namespace qrcode
