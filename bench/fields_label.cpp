// Makes the fields benchmark's input: the sample beer label with three texts
// that change from label to label, and a CSV of ROWS rows.
//   corkcrafter-bench-fields DIR ROWS...   writes DIR/fields.ckm and DIR/rows-ROWS.csv
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstdio>

#include "document/LabelDocument.h"
#include "document/TextMeasure.h"
#include "platform/ConsolePlatform.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: corkcrafter-bench-fields DIR ROWS...\n");
        return 2;
    }
    const QDir dir(args.at(0));
    // The sample with its pictures beside it, so that their relative paths hold.
    for (const char* f : {"Pale Ale.ckm", "hops.png", "grapes.png"}) {
        QFile::remove(dir.filePath(f));
        QFile::copy(QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR "/samples/") + f, dir.filePath(f));
    }
    ProgramValues values;
    ConsolePlatform platform;
    QtTextMeasurer measurer;
    LabelDocument d(values, platform, measurer);
    d.LoadFile(dir.filePath("Pale Ale.ckm"));
    values.fontName = "Liberation Sans";
    values.fontSize = "9";
    const std::pair<const char*, double> texts[] = {
        {"Bottle ${n:05} of ${total}", 3000}, {"${Name} (batch ${Batch})", 3300}, {"Bottled ${date:d MMMM yyyy}", 3600}};
    for (const auto& [text, top] : texts) {
        d.createNewText(text, 0);
        d.activeText()->top = top;
    }
    QString why;
    if (!d.SaveLabelToFile(dir.filePath("fields.ckm"), &why)) {
        std::fprintf(stderr, "cannot write the label: %s\n", qPrintable(why));
        return 1;
    }
    for (const QString& n : args.mid(1)) {
        QFile csv(dir.filePath("rows-" + n + ".csv"));
        if (!csv.open(QIODevice::WriteOnly))
            return 1;
        csv.write("Name,Batch,copies\n");
        for (int i = 1; i <= n.toInt(); ++i)
            csv.write(QString("Member %1,%2,1\n").arg(i).arg(i % 97).toUtf8());
    }
    return 0;
}
