// One sample label printed through the platform's printer into a real CUPS
// queue (cups-pdf), three copies; the spooled PDF must have three pages with ink.
// Run by cups_e2e.sh, which starts the spooler and names the queue.
#include <QtTest>
#include <QPrinter>
#include <QPrinterInfo>

#include "document/LabelDocument.h"
#include "printing/PainterSurface.h"
#include "printing/PrintJob.h"
#include "support/TestEnv.h"

class tst_Cups : public QObject {
    Q_OBJECT
private slots:
    void printsThreeCopiesThroughTheQueue()
    {
        const QString queue = qEnvironmentVariable("CORK_CUPS_PRINTER");
        const QString outDir = qEnvironmentVariable("CORK_CUPS_OUT");
        if (queue.isEmpty())
            QSKIP("no CUPS queue was prepared (run through cups_e2e.sh)");
        QVERIFY2(QPrinterInfo::availablePrinterNames().contains(queue),
                 qPrintable("queue not visible to Qt: " + QPrinterInfo::availablePrinterNames().join(", ")));

        TestEnv env(true);
        LabelDocument doc(env.values, env.platform, env.real);
        doc.LoadFile(CORK_SAMPLES "/Pale Ale.ckm");
        QVERIFY2(env.platform.shown.isEmpty(), qPrintable(env.platform.texts().join("; ")));

        QPrinter printer(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
        printer.setDocName("Corkcrafter CUPS test");
        QStringList status;
        {
            PainterSurface surface(printer);
            QVERIFY(printjob::printLabels(doc, surface, 1.0, 3, [&](const QString& s) { status << s; }));
        }
        QCOMPARE(status, QStringList({"Printing", "Writing to Print Queue", ""}));

        // The spooler converts and hands the job to cups-pdf; wait until its
        // file is complete: a size that stands still is not enough under load.
        QString pdf, out;
        QElapsedTimer waited;
        waited.start();
        const QRegularExpression threePages("Pages:\\s+3\\b");
        while (waited.elapsed() < 90000) {
            QDirIterator it(outDir, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
            if (it.hasNext()) {
                pdf = it.next();
                QProcess info;
                info.start("pdfinfo", {pdf});
                QVERIFY(info.waitForFinished(30000));
                out = QString::fromLocal8Bit(info.readAllStandardOutput());
                if (info.exitCode() == 0 && out.contains(threePages))
                    break;
            }
            QTest::qWait(500);
        }
        QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote no PDF within 90 s");
        QVERIFY2(out.contains(threePages), qPrintable(out));

        QProcess ppm;
        const QString png = QFileInfo(pdf).absolutePath() + "/page";
        ppm.start("pdftoppm", {"-r", "20", "-png", "-f", "2", "-l", "2", "-singlefile", pdf, png});
        QVERIFY(ppm.waitForFinished(60000));
        const QImage page(png + ".png");
        QVERIFY(!page.isNull());
        int ink = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (std::min({qRed(page.pixel(x, y)), qGreen(page.pixel(x, y)), qBlue(page.pixel(x, y))}) < 240)
                    ++ink;
        QVERIFY2(ink > page.width() * page.height() / 4, qPrintable(QString("ink pixels: %1").arg(ink)));
    }
};

QTEST_MAIN(tst_Cups)
#include "tst_cups.moc"
