#include "PdfExport.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QTemporaryFile>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "PainterSurface.h"
#include "PrintJob.h"
#include "document/LabelDocument.h"

namespace pdfexport {

namespace {

// Permissions for the new file: those of the file it replaces, else what the
// user's umask allows for a new document.
QFileDevice::Permissions permissionsFor(const QString& path)
{
    const QFileInfo old(path);
    if (old.exists())
        return QFile::permissions(path);
    const mode_t mask = ::umask(0);
    ::umask(mask);
    QFileDevice::Permissions p;
    const mode_t mode = 0666 & ~mask;
    if (mode & S_IRUSR) p |= QFileDevice::ReadOwner | QFileDevice::ReadUser;
    if (mode & S_IWUSR) p |= QFileDevice::WriteOwner | QFileDevice::WriteUser;
    if (mode & S_IRGRP) p |= QFileDevice::ReadGroup;
    if (mode & S_IWGRP) p |= QFileDevice::WriteGroup;
    if (mode & S_IROTH) p |= QFileDevice::ReadOther;
    if (mode & S_IWOTH) p |= QFileDevice::WriteOther;
    return p;
}

// A PDF that was written to its end closes with its end-of-file marker.
bool complete(const QString& pdf)
{
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 8)
        return false;
    f.seek(std::max<qint64>(0, f.size() - 64));
    return f.readAll().contains("%%EOF");
}

} // namespace

bool writeSheets(LabelDocument& doc, const QString& path, const QPageSize& paper,
                 QPageLayout::Orientation orientation, int numCopies, QString* why)
{
    const QFileInfo target(path);
    if (target.isDir()) {
        *why = "it is a folder";
        return false;
    }
    // Written beside the target first, so a failure leaves any earlier file as it was.
    QTemporaryFile tmp(target.absolutePath() + "/." + target.fileName() + ".XXXXXX");
    if (!tmp.open()) {
        *why = tmp.errorString();
        return false;
    }
    tmp.close();

    ProgramValues& app = doc.app();
    const double oldX = app.printerOffsetX, oldY = app.printerOffsetY, oldRatio = app.ratio;
    bool ok = false;
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(tmp.fileName());
        printer.setPageLayout(QPageLayout(paper, orientation, QMarginsF(0, 0, 0, 0)));
        const QPointF off = PainterSurface::printerOffsets(printer);
        app.printerOffsetX = off.x();
        app.printerOffsetY = off.y();
        PainterSurface surface(printer);
        if (!surface.isActive())
            *why = "the PDF could not be started";
        else if (!printjob::printLabels(doc, surface, 1.0, numCopies))
            *why = "drawing the sheet failed";
        else
            ok = printer.printerState() != QPrinter::Error;
    }
    app.printerOffsetX = oldX;
    app.printerOffsetY = oldY;
    app.ratio = oldRatio;
    if (!ok) {
        if (why->isEmpty())
            *why = "the PDF could not be written";
        return false;
    }
    if (!complete(tmp.fileName())) {
        *why = "the PDF could not be written completely (is the disk full?)";
        return false;
    }
    tmp.setPermissions(permissionsFor(path));
    // rename() replaces the old file in one step.
    if (std::rename(QFile::encodeName(tmp.fileName()).constData(), QFile::encodeName(target.absoluteFilePath()).constData()) != 0) {
        *why = QString::fromLocal8Bit(std::strerror(errno));
        return false;
    }
    tmp.setAutoRemove(false);
    return true;
}

} // namespace pdfexport
