// Makes the photo benchmark's label: a 6000 x 4000 JPEG with the detail and
// grain of a real photograph (a few megabytes), and a 4 x 3 inch label that
// shows it 3.6 x 2.4 inches large. Run by bench/photo; never a test.
//   corkcrafter-bench-make-photo DIR
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "document/LabelDocument.h"
#include "document/TextMeasure.h"
#include "platform/ConsolePlatform.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString dir = QDir(app.arguments().value(1, ".")).absolutePath();
    QDir().mkpath(dir);

    // Rolling hills in evening light, with sensor grain: smooth shapes alone
    // would make a JPEG far smaller than a camera's.
    QImage photo(6000, 4000, QImage::Format_RGB32);
    quint32 seed = 12345;
    for (int y = 0; y < photo.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(photo.scanLine(y));
        for (int x = 0; x < photo.width(); ++x) {
            seed = seed * 1664525u + 1013904223u;
            const int grain = int((seed >> 24) % 29) - 14;
            const double hill = 2200 + 300 * std::sin(x / 700.0) + 120 * std::sin(x / 97.0 + y / 310.0);
            const double rows = std::sin(x / 9.0 + y / 23.0) * 40;
            int r, g, b;
            if (y < hill) { // sky
                r = 250 - y / 20, g = 170 + y / 40, b = 120 + y / 25;
            } else { // vines
                r = 60 + int(rows) / 2, g = 110 + int(rows), b = 40 + int(rows) / 3;
            }
            auto c = [grain](int v) { return std::clamp(v + grain, 0, 255); };
            line[x] = qRgb(c(r), c(g), c(b));
        }
    }
    QImageWriter writer(dir + "/vineyard.jpg", "jpeg");
    writer.setQuality(92);
    if (!writer.write(photo)) {
        std::fprintf(stderr, "cannot write %s/vineyard.jpg\n", qPrintable(dir));
        return 1;
    }
    photo = QImage();

    ProgramValues values;
    values.graphicsFolder = dir;
    values.labelType = 2;
    values.labelWidth = 4;
    values.labelHeight = 3;
    values.borderStyle = "Square";
    values.borderWidth = 2;
    ConsolePlatform platform;
    QtTextMeasurer measurer;
    LabelDocument d(values, platform, measurer);
    if (!d.createNewGraphic(dir + "/vineyard.jpg"))
        return 1;
    GraphicItem* g = d.activeGraphic();
    g->left = 288, g->top = 288, g->width = 5184, g->height = 3456;
    QString why;
    if (!d.SaveLabelToFile(dir + "/photo.ckm", &why)) {
        std::fprintf(stderr, "cannot write %s/photo.ckm: %s\n", qPrintable(dir), qPrintable(why));
        return 1;
    }
    std::printf("wrote %s/photo.ckm\n", qPrintable(dir));
    return 0;
}
