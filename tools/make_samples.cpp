// Makes the sample labels shipped in data/samples, and the benchmark label,
// through the program's own document model and file writer.
//   corkcrafter-samples data/samples         two sample labels with their pictures
//   corkcrafter-samples --bench DIR          a 2.6 x 2.6 inch label, 3 pictures and 6 texts
#include <QDir>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "document/LabelDocument.h"
#include "document/TextMeasure.h"
#include "platform/ConsolePlatform.h"

namespace {

QImage hopCone()
{
    QImage img(180, 240, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x4a, 0x6b, 0x1f), 3));
    p.drawLine(90, 5, 90, 40);
    for (int row = 0; row < 6; ++row) {
        const int n = row < 3 ? row + 2 : 7 - row;
        const double w = 26.0 + 6 * (row < 3 ? row : 5 - row);
        for (int i = 0; i < n; ++i) {
            const double x = 90 - (n - 1) * w / 2 + i * w;
            const double y = 55 + row * 30;
            QPainterPath leaf;
            leaf.moveTo(x, y - 22);
            leaf.quadTo(x + w * 0.7, y, x, y + 22);
            leaf.quadTo(x - w * 0.7, y, x, y - 22);
            p.setBrush(QColor(0x8c + 6 * row, 0xb8, 0x3e));
            p.drawPath(leaf);
        }
    }
    return img;
}

QImage grapes()
{
    QImage img(200, 220, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0x5b, 0x3a, 0x1a), 4));
    p.drawLine(100, 8, 100, 40);
    p.setBrush(QColor(0x3f, 0x7a, 0x2e));
    p.setPen(Qt::NoPen);
    p.drawEllipse(QRectF(104, 10, 60, 30));
    const int rows[] = {5, 4, 4, 3, 2, 1};
    for (int r = 0; r < 6; ++r)
        for (int i = 0; i < rows[r]; ++i) {
            const double x = 100 - (rows[r] - 1) * 16 + i * 32;
            const double y = 60 + r * 27;
            QRadialGradient g(QPointF(x - 5, y - 5), 18);
            g.setColorAt(0, QColor(0x9b, 0x4d, 0x96));
            g.setColorAt(1, QColor(0x4b, 0x16, 0x4a));
            p.setBrush(g);
            p.drawEllipse(QPointF(x, y), 15, 15);
        }
    return img;
}

QImage stripes(QColor a, QColor b)
{
    QImage img(120, 40, QImage::Format_RGB32);
    QPainter p(&img);
    for (int i = 0; i < 12; ++i)
        p.fillRect(i * 10, 0, 10, 40, i % 2 ? a : b);
    return img;
}

struct Text {
    const char* text;
    const char* font;
    const char* size;
    bool bold, italic;
    ColorValue color;
    double top; // twips
};

void addTexts(LabelDocument& d, ProgramValues& app, std::initializer_list<Text> texts)
{
    for (const Text& t : texts) {
        app.fontName = t.font;
        app.fontSize = t.size;
        app.bold = t.bold;
        app.italic = t.italic;
        app.textColor = t.color;
        d.createNewText(QString::fromUtf8(t.text), 0);
        TextItem* item = d.activeText();
        item->top = t.top;
    }
}

bool save(LabelDocument& d, const QString& path)
{
    QString why;
    if (!d.SaveLabelToFile(path, &why)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(why));
        return false;
    }
    std::printf("wrote %s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    const bool bench = args.value(0) == "--bench";
    const QString dir = QDir(bench ? args.value(1) : args.value(0, "data/samples")).absolutePath();
    QDir().mkpath(dir);

    ProgramValues values;
    values.graphicsFolder = dir;
    ConsolePlatform platform;
    QtTextMeasurer measurer;

    if (bench) {
        values.labelType = 2;
        values.labelHeight = values.labelWidth = 2.6;
        values.borderStyle = "Square";
        values.borderWidth = 2;
        LabelDocument d(values, platform, measurer);
        hopCone().save(dir + "/bench-hops.png");
        grapes().save(dir + "/bench-grapes.png");
        stripes(QColor(0xc8, 0x95, 0x5a), QColor(0xf5, 0xe6, 0xc8)).save(dir + "/bench-band.png");
        for (const char* p : {"/bench-hops.png", "/bench-grapes.png", "/bench-band.png"})
            d.createNewGraphic(dir + p);
        auto place = [&](int i, double l, double t, double w, double h) {
            GraphicItem* g = d.graphicAt(i);
            g->left = l, g->top = t, g->width = w, g->height = h;
        };
        place(1, 200, 700, 1000, 1333);
        place(2, 2500, 700, 1000, 1100);
        place(3, 600, 3100, 2544, 400);
        addTexts(d, values, {{"Benchmark Bitter", "Liberation Serif", "16", true, false, 0x1f2f7a, 400},
                             {"Batch 12", "Liberation Sans", "10", false, false, 0, 900},
                             {"4.8% ABV", "Liberation Sans", "10", false, false, 0, 1200},
                             {"Brewed at home", "Liberation Serif", "9", false, true, 0, 1500},
                             {"Best before 2027", "Liberation Sans", "8", false, false, 0x333333, 2300},
                             {"33 cl", "Liberation Sans", "12", true, false, 0, 2600}});
        return save(d, dir + "/bench.ckm") ? 0 : 1;
    }

    hopCone().save(dir + "/hops.png");
    grapes().save(dir + "/grapes.png");

    // A beer label, 3 x 3.75 inches, rounded border.
    {
        values.labelType = labelsizes::Beer.type;
        values.labelHeight = labelsizes::Beer.height;
        values.labelWidth = labelsizes::Beer.width;
        values.borderStyle = "Rounded";
        values.borderWidth = 6;
        values.borderColor = 0x1f5a8c;
        LabelDocument d(values, platform, measurer);
        d.setBackColor(0xdcf5fb); // pale straw
        d.createNewGraphic(dir + "/hops.png");
        d.activeGraphic()->width *= 0.75;
        d.activeGraphic()->height *= 0.75;
        d.activeGraphic()->left = (d.surfaceWidth() - d.activeGraphic()->width) / 2;
        d.activeGraphic()->top = 1800;
        addTexts(d, values, {{"Pale Ale", "Liberation Serif", "30", true, false, 0x1f5a8c, 650},
                             {"Brewed by the Miller family", "Liberation Sans", "11", false, true, 0x333333, 1320},
                             {"Batch 7  \xc2\xb7  5.2% ABV", "Liberation Sans", "12", true, false, 0, 4300},
                             {"Bottled December 2026", "Liberation Sans", "9", false, false, 0x333333, 4620}});
        // A recipe link beside the picture.
        d.createNewQr("https://brew.example/r/pale-ale", 'L');
        setBox(*d.editActive(), QRectF(3250, 1900, 650, 650));
        if (!save(d, dir + "/Pale Ale.ckm"))
            return 1;
    }
    // A wine label, 5 x 4 inches, oval border.
    {
        values.labelType = labelsizes::Wine.type;
        values.labelHeight = labelsizes::Wine.height;
        values.labelWidth = labelsizes::Wine.width;
        values.borderStyle = "Oval";
        values.borderWidth = 4;
        values.borderColor = 0x2b1f7a;
        LabelDocument d(values, platform, measurer);
        d.setBackColor(0xe8f4fb);
        d.createNewGraphic(dir + "/grapes.png");
        d.activeGraphic()->width *= 0.7;
        d.activeGraphic()->height *= 0.7;
        d.activeGraphic()->left = (d.surfaceWidth() - d.activeGraphic()->width) / 2;
        d.activeGraphic()->top = 1800;
        addTexts(d, values, {{"Ch\xc3\xa2teau du Jardin", "Liberation Serif", "22", true, true, 0x2b1f7a, 950},
                             {"Cabernet Sauvignon", "Liberation Serif", "14", false, false, 0x333333, 1450},
                             {"Vintage 2025", "Liberation Sans", "12", true, false, 0, 4700},
                             {"75 cl  \xc2\xb7  13% vol", "Liberation Sans", "10", false, false, 0x333333, 5020}});
        d.createNewQr("https://brew.example/r/cabernet", 'L');
        setBox(*d.editActive(), QRectF(4900, 2500, 700, 700));
        if (!save(d, dir + "/Chateau du Jardin.ckm"))
            return 1;
    }
    return 0;
}
