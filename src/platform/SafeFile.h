#pragma once
// Writing a whole file so that it is either complete or not there: the bytes go
// to a temporary file beside the target, which replaces it only once every byte
// is known to be on disk. A full disk, a size limit or a crash leaves the old
// file as it was.
#include <QByteArray>
#include <QImage>
#include <QString>

namespace safefile {

// False with the system's reason when the file could not be written whole.
bool write(const QString& path, const QByteArray& bytes, QString* error = nullptr);

// The picture as a bitmap (.bmp) file, written as above.
bool writeBitmap(const QImage& image, const QString& path, QString* error = nullptr);

// True when both names lead to the same file, through links or not.
bool sameFile(const QString& a, const QString& b);

} // namespace safefile
