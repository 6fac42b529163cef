// Makes the pictures of the user manual that show the program's own output:
// a small sheet of labels printed with each of the four cut-mark modes.
//   corkcrafter-help-pictures help/pages/images
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "document/LabelDocument.h"
#include "document/TextMeasure.h"
#include "platform/ConsolePlatform.h"
#include "printing/PainterSurface.h"
#include "printing/PrintJob.h"

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: corkcrafter-help-pictures FOLDER\n");
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(dir);
    ProgramValues values;
    ConsolePlatform platform;
    QtTextMeasurer measurer;
    // A page 3.4 x 2.6 inches: three columns and two rows of 0.8 x 0.9 inch labels.
    const double pageW = 3.4, pageH = 2.6, dpi = 72;
    for (int mode = 0; mode <= 3; ++mode) {
        LabelDocument d(values, platform, measurer);
        d.setLabelDimensions(2, 0.9, 0.8);
        d.resizeLabel();
        d.setTopMargin(0.3);
        d.setLeftMargin(0.3);
        d.setRowSpace(0.25);
        d.setColumnSpace(0.25);
        values.rowSpace = 0.25; // the sheet takes the spacing of the current settings
        values.columnSpace = 0.25;
        d.setCutmarks(int16_t(mode));
        d.setBackColor(0xC8E6F5); // pale cream, red in the low byte
        d.border().visible = false;
        values.fontSize = "9";
        d.createNewText("Ale", 0);
        QImage page(int(pageW * dpi), int(pageH * dpi), QImage::Format_RGB32);
        page.fill(Qt::white);
        {
            PainterSurface surface(page, pageW, pageH);
            printjob::printLabels(printjob::request(d, values), surface, platform);
        }
        QPainter frame(&page);
        frame.setPen(QColor(0x60, 0x60, 0x60));
        frame.drawRect(page.rect().adjusted(0, 0, -1, -1));
        frame.end();
        const QString out = dir + QString("/cutmarks-%1.png").arg(mode);
        if (!page.save(out)) {
            std::fprintf(stderr, "could not write %s\n", qPrintable(out));
            return 1;
        }
    }
    return 0;
}
