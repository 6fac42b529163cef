// One sample label printed through the platform's printer into a real CUPS
// queue (cups-pdf), three copies; the spooled PDF must have three pages with ink.
// Run by cups_e2e.sh, which starts the spooler and names the queue.
#include <QtTest>
#include <QPrinter>
#include <QPrinterInfo>

#include "document/LabelDocument.h"
#include "printing/PainterSurface.h"
#include "printing/PrintJob.h"
#include "printing/TestPage.h"
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

    // The test page through the queue: on the rasterised PDF the long tick of
    // "1.0" lies one inch from that of "0.0" on both rulers, and "0.0" sits at
    // the corner of the printable area.
    void testPageRulersMeasureInches()
    {
        const QString queue = qEnvironmentVariable("CORK_CUPS_PRINTER");
        const QString outDir = qEnvironmentVariable("CORK_CUPS_OUT");
        if (queue.isEmpty())
            QSKIP("no CUPS queue was prepared (run through cups_e2e.sh)");
        QStringList before;
        for (QDirIterator it(outDir, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            before << it.next();

        QPrinter printer(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
        printer.setDocName("Corkcrafter test page");
        printer.setPageSize(QPageSize(QPageSize::Letter));
        const QPointF offset = PainterSurface::printerOffsets(printer);
        {
            PainterSurface surface(printer);
            testpage::print(surface, testpage::samplePicture(CORKCRAFTER_SOURCE_DATA_DIR),
                            QSizeF(testpage::SampleInches, testpage::SampleInches), '.');
        }

        QString pdf;
        QElapsedTimer waited;
        waited.start();
        while (pdf.isEmpty() && waited.elapsed() < 90000) {
            for (QDirIterator it(outDir, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
                const QString f = it.next();
                if (before.contains(f))
                    continue;
                QProcess info;
                info.start("pdfinfo", {f});
                QVERIFY(info.waitForFinished(30000));
                if (info.exitCode() == 0 &&
                    QString::fromLocal8Bit(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\b")))
                    pdf = f;
            }
            if (pdf.isEmpty())
                QTest::qWait(500);
        }
        QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote no test page within 90 s");

        const int dpi = 300;
        QProcess ppm;
        const QString png = QFileInfo(pdf).absolutePath() + "/testpage";
        ppm.start("pdftoppm", {"-r", QString::number(dpi), "-gray", "-png", "-singlefile", pdf, png});
        QVERIFY(ppm.waitForFinished(60000));
        const QImage page = QImage(png + ".png").convertToFormat(QImage::Format_Grayscale8);
        QVERIFY(!page.isNull());
        auto dark = [&](int x, int y) { return page.pixelColor(x, y).value() < 160; };

        // The axes are the darkest row and column.
        int axisRow = 0, axisCol = 0, best = -1;
        for (int y = 0; y < page.height(); ++y) {
            int n = 0;
            for (int x = 0; x < page.width(); ++x)
                n += dark(x, y);
            if (n > best)
                best = n, axisRow = y;
        }
        best = -1;
        for (int x = 0; x < page.width(); ++x) {
            int n = 0;
            for (int y = 0; y < page.height(); ++y)
                n += dark(x, y);
            if (n > best)
                best = n, axisCol = x;
        }
        // Long ticks reach 0.05 in from the axis, short ones 0.03 in: 0.04 in
        // away only the quarter inches are crossed.
        const int away = int(0.04 * dpi);
        auto runs = [&](int count, auto isDark) {
            QList<double> centres;
            int start = -1;
            for (int i = 0; i <= count; ++i) {
                const bool d = i < count && isDark(i);
                if (d && start < 0)
                    start = i;
                if (!d && start >= 0) {
                    centres << (start + i - 1) / 2.0;
                    start = -1;
                }
            }
            return centres;
        };
        const QList<double> across = runs(page.width(), [&](int x) { return dark(x, axisRow - away); });
        const QList<double> down = runs(page.height(), [&](int y) { return dark(axisCol + away, y); });
        QVERIFY2(across.size() >= 5 && down.size() >= 5,
                 qPrintable(QString("ticks found: %1 across, %2 down").arg(across.size()).arg(down.size())));
        const double inchAcross = (across[4] - across[0]) / dpi, inchDown = (down[4] - down[0]) / dpi;
        qInfo("one inch measured %.4f across, %.4f down; \"0.0\" at %.4f, %.4f (printable corner %.4f, %.4f)", inchAcross,
              inchDown, across[0] / dpi, down[0] / dpi, offset.x(), offset.y());
        QVERIFY2(std::abs(inchAcross - 1.0) <= 0.01, qPrintable(QString::number(inchAcross)));
        QVERIFY2(std::abs(inchDown - 1.0) <= 0.01, qPrintable(QString::number(inchDown)));
        QVERIFY2(std::abs(across[0] / dpi - offset.x()) <= 0.01, qPrintable(QString::number(across[0] / dpi)));
        QVERIFY2(std::abs(down[0] / dpi - offset.y()) <= 0.01, qPrintable(QString::number(down[0] / dpi)));
    }
};

QTEST_MAIN(tst_Cups)
#include "tst_cups.moc"
