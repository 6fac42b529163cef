// One sample label printed through the platform's printer into a real CUPS
// queue (cups-pdf), three copies; the spooled PDF must have three pages with ink.
// Run by cups_e2e.sh, which starts the spooler and names the queue.
#include <QtTest>
#include <QPrinter>
#include <QPrinterInfo>

#include "document/LabelDocument.h"
#include "printing/PainterSurface.h"
#include "platform/SettingsStore.h"
#include "printing/PrintJob.h"
#include "printing/Stock.h"
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
        if (qEnvironmentVariable("CORK_CUPS_PRINTER").isEmpty())
            QSKIP("no CUPS queue was prepared (run through cups_e2e.sh)");
        QPointF offset;
        const Rulers r = printTestPage({}, &offset);
        if (QTest::currentTestFailed())
            return;
        const double inchAcross = r.across[4] - r.across[0], inchDown = r.down[4] - r.down[0];
        qInfo("one inch measured %.4f across, %.4f down; \"0.0\" at %.4f, %.4f (printable corner %.4f, %.4f)", inchAcross,
              inchDown, r.across[0], r.down[0], offset.x(), offset.y());
        QVERIFY2(std::abs(inchAcross - 1.0) <= 0.01, qPrintable(QString::number(inchAcross)));
        QVERIFY2(std::abs(inchDown - 1.0) <= 0.01, qPrintable(QString::number(inchDown)));
        QVERIFY2(std::abs(r.across[0] - offset.x()) <= 0.01, qPrintable(QString::number(r.across[0])));
        QVERIFY2(std::abs(r.down[0] - offset.y()) <= 0.01, qPrintable(QString::number(r.down[0])));
    }

    // The adjustment remembered for this printer, and for no other, moves the
    // test page: its "1.0" ticks and its axes land (0.25, -0.10) inch away.
    void adjustmentMovesTheTestPage()
    {
        const QString queue = qEnvironmentVariable("CORK_CUPS_PRINTER");
        if (queue.isEmpty())
            QSKIP("no CUPS queue was prepared (run through cups_e2e.sh)");
        MemorySettingsStore store;
        stock::rememberAdjustment(store, queue, 0.25, -0.10);
        const stock::Placement mine = stock::adjustmentFor(store, queue);
        QCOMPARE(mine.right, 0.25);
        QCOMPARE(mine.down, -0.10);
        QVERIFY(!stock::adjustmentFor(store, queue + "2").shifted());
        QVERIFY(!stock::adjustmentFor(store, "").shifted());

        const Rulers plain = printTestPage({});
        if (QTest::currentTestFailed())
            return;
        const Rulers moved = printTestPage(mine);
        if (QTest::currentTestFailed())
            return;
        // The "1.0" tick is the fifth quarter-inch tick from "0.0", the first of each ruler.
        const double dx = moved.across[4] - plain.across[4], dy = moved.down[4] - plain.down[4];
        qInfo("\"1.0\" ticks moved %.4f across, %.4f down; axes %.4f, %.4f", dx, dy, moved.axisCol - plain.axisCol,
              moved.axisRow - plain.axisRow);
        QVERIFY2(std::abs(dx - 0.25) <= 0.01, qPrintable(QString::number(dx)));
        QVERIFY2(std::abs(dy + 0.10) <= 0.01, qPrintable(QString::number(dy)));
        QVERIFY2(std::abs(moved.axisCol - plain.axisCol - 0.25) <= 0.01, qPrintable(QString::number(moved.axisCol)));
        QVERIFY2(std::abs(moved.axisRow - plain.axisRow + 0.10) <= 0.01, qPrintable(QString::number(moved.axisRow)));
    }

private:
    // Positions on the rasterised test page, in inches from the paper's corner.
    struct Rulers {
        double axisRow = 0, axisCol = 0;
        QList<double> across, down; // the quarter-inch ticks of each ruler
    };

    Rulers printTestPage(const stock::Placement& adjustment, QPointF* printableCorner = nullptr)
    {
        Rulers out;
        const QString queue = qEnvironmentVariable("CORK_CUPS_PRINTER");
        const QString outDir = qEnvironmentVariable("CORK_CUPS_OUT");
        QStringList before;
        for (QDirIterator it(outDir, {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories); it.hasNext();)
            before << it.next();

        QPrinter printer(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
        printer.setDocName("Corkcrafter test page");
        printer.setPageSize(QPageSize(QPageSize::Letter));
        if (printableCorner)
            *printableCorner = PainterSurface::printerOffsets(printer);
        {
            PainterSurface surface(printer);
            testpage::print(surface, testpage::samplePicture(CORKCRAFTER_SOURCE_DATA_DIR),
                            QSizeF(testpage::SampleInches, testpage::SampleInches), '.', adjustment);
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
                info.waitForFinished(30000);
                if (info.exitCode() == 0 &&
                    QString::fromLocal8Bit(info.readAllStandardOutput()).contains(QRegularExpression("Pages:\\s+1\\b")))
                    pdf = f;
            }
            if (pdf.isEmpty())
                QTest::qWait(500);
        }
        if (pdf.isEmpty()) {
            QTest::qFail("cups-pdf wrote no test page within 90 s", __FILE__, __LINE__);
            return out;
        }

        const int dpi = 300;
        QProcess ppm;
        const QString png = QFileInfo(pdf).absolutePath() + "/testpage";
        ppm.start("pdftoppm", {"-r", QString::number(dpi), "-gray", "-png", "-singlefile", pdf, png});
        ppm.waitForFinished(60000);
        const QImage page = QImage(png + ".png").convertToFormat(QImage::Format_Grayscale8);
        QFile::remove(png + ".png");
        if (page.isNull()) {
            QTest::qFail("the test page could not be rasterised", __FILE__, __LINE__);
            return out;
        }
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
                    centres << (start + i - 1) / 2.0 / dpi;
                    start = -1;
                }
            }
            return centres;
        };
        out.across = runs(page.width(), [&](int x) { return dark(x, axisRow - away); });
        out.down = runs(page.height(), [&](int y) { return dark(axisCol + away, y); });
        out.axisRow = double(axisRow) / dpi;
        out.axisCol = double(axisCol) / dpi;
        if (out.across.size() < 5 || out.down.size() < 5)
            QTest::qFail(qPrintable(QString("ticks found: %1 across, %2 down").arg(out.across.size()).arg(out.down.size())),
                         __FILE__, __LINE__);
        return out;
    }
};

QTEST_MAIN(tst_Cups)
#include "tst_cups.moc"
