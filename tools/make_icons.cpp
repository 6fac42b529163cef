// Renders the program's SVG icon as PNG files of the sizes desktop icon
// themes look for: make_icons ICON.svg OUTDIR writes OUTDIR/<n>x<n>/corkcrafter.png.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: corkcrafter-icons ICON.svg OUTDIR\n");
        return 2;
    }
    QSvgRenderer svg(QString::fromLocal8Bit(argv[1]));
    if (!svg.isValid()) {
        std::fprintf(stderr, "not an SVG picture: %s\n", argv[1]);
        return 1;
    }
    for (int n : {16, 22, 24, 32, 48, 64, 128, 256}) {
        QImage img(n, n, QImage::Format_ARGB32_Premultiplied);
        img.fill(Qt::transparent);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        svg.render(&p, QRectF(0, 0, n, n));
        p.end();
        const QString dir = QString("%1/%2x%2").arg(QString::fromLocal8Bit(argv[2])).arg(n);
        QDir().mkpath(dir);
        if (!img.save(dir + "/corkcrafter.png")) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(dir));
            return 1;
        }
    }
    return 0;
}
