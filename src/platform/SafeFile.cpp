#include "SafeFile.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImageWriter>
#include <QSaveFile>

#include <cerrno>
#include <cstring>
#include <sys/stat.h>

namespace safefile {

bool write(const QString& path, const QByteArray& bytes, QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return fail(f.errorString());
    // Small files stay in the write buffer until the flush; a flush that fails
    // there (disk full, file size limit) is not always seen by commit(), which
    // would then put a short or empty file in place of the old one.
    errno = 0;
    if (f.write(bytes) != bytes.size() || !f.flush() || f.error() != QFileDevice::NoError) {
        // Qt does not always keep the system's reason for a failed flush.
        const int err = errno;
        QString why = f.errorString();
        if ((why.isEmpty() || why == QLatin1String("Unknown error")) && err != 0)
            why = QString::fromLocal8Bit(std::strerror(err));
        f.cancelWriting();
        return fail(why);
    }
    if (f.size() != bytes.size()) {
        f.cancelWriting();
        return fail(QStringLiteral("the file was cut short"));
    }
    if (!f.commit())
        return fail(f.errorString());
    return true;
}

bool writeBitmap(const QImage& image, const QString& path, QString* error)
{
    QByteArray bytes;
    QBuffer buf(&bytes);
    buf.open(QIODevice::WriteOnly);
    QImageWriter w(&buf, "bmp");
    if (image.isNull() || !w.write(image)) {
        if (error)
            *error = image.isNull() ? QStringLiteral("the picture is empty") : w.errorString();
        return false;
    }
    return write(path, bytes, error);
}

namespace {

// Qt does not always keep the system's reason for a failed write or flush.
QString reasonOf(const QFileDevice& f, int err)
{
    QString why = f.errorString();
    if ((why.isEmpty() || why == QLatin1String("Unknown error")) && err != 0)
        why = QString::fromLocal8Bit(std::strerror(err));
    return why;
}

} // namespace

Stream::Stream(const QString& path) : m_file(std::make_unique<QSaveFile>(path)) {}

Stream::~Stream()
{
    if (m_file->isOpen())
        m_file->cancelWriting();
}

bool Stream::start(QString* error)
{
    // Unbuffered: what the writer hands over is on its way to disk at once.
    if (!m_file->open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        if (error)
            *error = m_file->errorString();
        return false;
    }
    return open(QIODevice::WriteOnly);
}

qint64 Stream::writeData(const char* data, qint64 len)
{
    if (!m_failure.isEmpty())
        return -1;
    errno = 0;
    if (m_file->write(data, len) != len) {
        m_failure = reasonOf(*m_file, errno);
        return -1;
    }
    m_tail.append(data, len);
    if (m_tail.size() > 256)
        m_tail = m_tail.right(256);
    return len;
}

bool Stream::finish(const QByteArray& endMarker, QString* error)
{
    auto fail = [&](const QString& why) {
        m_file->cancelWriting();
        if (error)
            *error = why;
        return false;
    };
    if (!m_failure.isEmpty())
        return fail(m_failure);
    errno = 0;
    if (!m_file->flush() || m_file->error() != QFileDevice::NoError)
        return fail(reasonOf(*m_file, errno));
    if (!m_tail.trimmed().endsWith(endMarker))
        return fail(QStringLiteral("the file came out incomplete"));
    if (!m_file->commit())
        return fail(m_file->errorString());
    close();
    return true;
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa, sb;
    const QByteArray pa = QFile::encodeName(a), pb = QFile::encodeName(b);
    if (::stat(pa.constData(), &sa) == 0 && ::stat(pb.constData(), &sb) == 0)
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    // One of them does not exist yet: compare where the names lead.
    const QString ca = QFileInfo(a).absoluteFilePath(), cb = QFileInfo(b).absoluteFilePath();
    const QString ra = QFileInfo(a).canonicalFilePath(), rb = QFileInfo(b).canonicalFilePath();
    return ca == cb || (!ra.isEmpty() && ra == rb);
}

} // namespace safefile
