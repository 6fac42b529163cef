#pragma once
// Writing a whole file so that it is either complete or not there: the bytes go
// to a temporary file beside the target, which replaces it only once every byte
// is known to be on disk. A full disk, a size limit or a crash leaves the old
// file as it was.
#include <QByteArray>
#include <QImage>
#include <QIODevice>
#include <QString>
#include <memory>

class QSaveFile;

namespace safefile {

// False with the system's reason when the file could not be written whole.
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The picture as a bitmap (.bmp) file, written as above.
bool writeBitmap(const QImage& image, const QString& path, QString* error = nullptr);

// A file written in pieces (a PDF of many sheets) that is either complete or
// not there: the pieces go to a temporary file beside the target, and
// finish() puts it in place only when every byte is on disk and the file ends
// as it must. Anything else, or destruction without finish(), leaves the
// target as it was and the temporary file gone.
class Stream : public QIODevice {
public:
    explicit Stream(const QString& path);
    ~Stream() override;
    // False with the system's reason when the temporary file cannot be made.
    bool start(QString* error);
    // endMarker: what the last non-blank bytes must be ("%%EOF" for a PDF).
    bool finish(const QByteArray& endMarker, QString* error);
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 len) override;

private:
    std::unique_ptr<QSaveFile> m_file;
    QByteArray m_tail;
    QString m_failure;
};

// True when both names lead to the same file, through links or not.
bool sameFile(const QString& a, const QString& b);

} // namespace safefile
