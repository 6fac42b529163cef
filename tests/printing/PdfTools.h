#pragma once
// Reading PDF files back in the printing tests, with poppler's tools.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace pdftools {

inline QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline QString info(const QString& pdf) { return run("pdfinfo", {pdf}); }

inline int pages(const QString& pdf)
{
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info(pdf));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QSizeF pagePoints(const QString& pdf)
{
    const QRegularExpressionMatch m = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// The first page at dpi.
inline QImage rasterise(const QString& pdf, int dpi)
{
    QTemporaryDir dir;
    run("pdftoppm", {"-r", QString::number(dpi), "-png", "-f", "1", "-l", "1", "-singlefile", pdf, dir.filePath("page")});
    return QImage(dir.filePath("page.png"));
}

// Ink: anything darker than the white of the paper.
inline bool ink(QRgb c, int below = 235) { return std::min({qRed(c), qGreen(c), qBlue(c)}) < below; }

inline int inkPixels(const QImage& page, int below = 240)
{
    int n = 0;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            n += ink(page.pixel(x, y), below);
    return n;
}

} // namespace pdftools
