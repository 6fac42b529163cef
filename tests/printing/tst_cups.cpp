// One sample label printed through the platform's printer into a real CUPS
// queue (cups-pdf), three copies; the spooled PDF must have three pages with ink.
// Run by cups_e2e.sh, which starts the spooler and names the queue.
#include <QtTest>
#include <QPrinter>
#include <QComboBox>
#include <QPrinterInfo>

#include "document/LabelDocument.h"
#include "printing/PainterSurface.h"
#include "printing/PdfExport.h"
#include "printing/PdfOutput.h"
#include "printing/frmPreview.h"
#include "printing/TestPage.h"
#include "PdfTools.h"
#include "support/TestEnv.h"

class tst_Cups : public QObject {
    Q_OBJECT
private slots:
    void printsThreeCopiesThroughTheQueue()
    {
        const QString queue = qEnvironmentVariable("CORK_CUPS_PRINTER");
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
            QVERIFY(printjob::printLabels(printjob::request(doc, env.values, 3), surface, env.platform,
                                          [&](const QString& s) { status << s; }));
        }
        QCOMPARE(status, QStringList({"Printing", "Writing to Print Queue", ""}));

        const QString pdf = newPdf({}, QRegularExpression("Pages:\\s+3\\b"));
        QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote no PDF of three pages within 90 s");
        const QImage page = pdftools::rasterise(pdf, 20, 2);
        QVERIFY(!page.isNull());
        const int ink = pdftools::inkPixels(page);
        QVERIFY2(ink > page.width() * page.height() / 4, qPrintable(QString("ink pixels: %1").arg(ink)));
    }

    // The test page through the queue: on the rasterised PDF the long tick of
    // "1.0" lies one inch from that of "0.0" on both rulers, and "0.0" sits at
    // the paper's corner, the origin the labels use too. An adjustment moves
    // it: its "1.0" ticks and its axes land (0.15, -0.10) inch away (neither a
    // whole number of quarter inches, so a tick that did not move cannot pass
    // for one that did).
    void testPageMeasuresInchesAndMoves()
    {
        if (qEnvironmentVariable("CORK_CUPS_PRINTER").isEmpty())
            QSKIP("no CUPS queue was prepared (run through cups_e2e.sh)");
        QPointF offset;
        const Rulers plain = printTestPage({}, &offset);
        if (QTest::currentTestFailed())
            return;
        // The "0.0" ticks lie on the paper's edge, where the printer may clip
        // them: measure from the "1.0" and "2.0" ticks.
        const double oneAcross = nearest(plain.across, 1.0), oneDown = nearest(plain.down, 1.0);
        const double inchAcross = nearest(plain.across, 2.0) - oneAcross, inchDown = nearest(plain.down, 2.0) - oneDown;
        qInfo("one inch measured %.4f across, %.4f down; \"1.0\" at %.4f, %.4f (printable corner %.4f, %.4f)",
              inchAcross, inchDown, oneAcross, oneDown, offset.x(), offset.y());
        const Rulers moved = printTestPage({1, 0.15, -0.10});
        if (QTest::currentTestFailed())
            return;
        const double dx = nearest(moved.across, 1.15) - oneAcross, dy = nearest(moved.down, 0.9) - oneDown;
        const double ax = moved.axisCol - plain.axisCol, ay = moved.axisRow - plain.axisRow;
        qInfo("\"1.0\" ticks moved %.4f across, %.4f down; axes %.4f, %.4f", dx, dy, ax, ay);
        for (const auto& [got, want] : {std::pair{inchAcross, 1.0}, {inchDown, 1.0}, {oneAcross, 1.0}, {oneDown, 1.0},
                                        {dx, 0.15}, {dy, -0.10}, {ax, 0.15}, {ay, -0.10}})
            QVERIFY2(std::abs(got - want) <= 0.01, qPrintable(QString("%1 for %2").arg(got).arg(want)));
    }

    // The same stock sheet (2 x 3 labels of 3.9 x 3.67 in on A4) on every
    // output: a printer with a 10 pt unprintable border, before and after a
    // preview was opened, the preview itself, Save to File and the batch PDF
    // of an en_GB locale put every label within 0.01 in of the stock's place.
    void sameSheetOnEveryOutput()
    {
        const QString queue = qEnvironmentVariable("CORK_CUPS_MARGIN_PRINTER");
        if (queue.isEmpty())
            QSKIP("no CUPS queue was prepared (run through cups_e2e.sh)");
        TestEnv env(true);
        LabelDocument doc(env.values, env.platform, env.real);
        doc.setLabelDimensions(2, 3.67, 3.9);
        doc.resizeLabel();
        doc.setLeftMargin(0.185);
        doc.setTopMargin(0.24);
        doc.setCutmarks(0);
        doc.border().visible = false;
        doc.setBackColor(0x800000); // dark blue, so each label is a solid block
        env.values.columnSpace = env.values.rowSpace = 0.1;
        QList<double> wantX{0.185, 4.185}, wantY{0.24, 4.01, 7.78};

        QPrinter printer(QPrinterInfo::printerInfo(queue), QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        const QPointF border = PainterSurface::printerOffsets(printer);
        QVERIFY2(std::abs(border.x() - 10.0 / 72) < 0.005 && std::abs(border.y() - 10.0 / 72) < 0.005,
                 qPrintable(QString("the queue's border is %1, %2 in").arg(border.x()).arg(border.y())));

        auto check = [&](const QString& what, const QImage& page, double dpi) {
            const Found f = blocks(page, dpi, wantX[0] + 1.95, wantY[0] + 1.8);
            QVERIFY2(f.xs.size() == 2 && f.ys.size() == 3,
                     qPrintable(what + QString(": %1 columns, %2 rows").arg(f.xs.size()).arg(f.ys.size())));
            for (int i = 0; i < 2; ++i)
                QVERIFY2(std::abs(f.xs[i] - wantX[i]) <= 0.01, qPrintable(what + ": column at " + QString::number(f.xs[i])));
            for (int i = 0; i < 3; ++i)
                QVERIFY2(std::abs(f.ys[i] - wantY[i]) <= 0.01, qPrintable(what + ": row at " + QString::number(f.ys[i])));
        };
        auto printed = [&](const QString& what) {
            const QStringList before = pdfsIn();
            QVERIFY(pdfout::printOn(printer, printjob::request(doc, env.values), env.platform));
            const QString pdf = newPdf(before);
            QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote no PDF within 90 s");
            check(what, pdftools::rasterise(pdf, 100), 100);
        };
        printed("printer, no preview yet");
        if (QTest::currentTestFailed())
            return;

        frmPreview preview(env.ctx, printer, [&doc]() -> LabelDocument* { return &doc; }, {});
        preview.printReport(1, false);
        // At 150% a screen pixel is less than a hundredth of an inch of paper.
        preview.cboViewSize()->setCurrentIndex(2);
        preview.cboViewSize_Click(2);
        const QImage shown = preview.pageImage(1);
        check("preview", shown, shown.width() / (210 / 25.4));
        if (QTest::currentTestFailed())
            return;
        printed("printer, after a preview");
        if (QTest::currentTestFailed())
            return;

        QTemporaryDir dir;
        QString why;
        QVERIFY2(pdfexport::writeSheets(printjob::request(doc, env.values), env.platform, dir.filePath("saved.pdf"),
                                        printer.pageLayout().pageSize(), QPageLayout::Portrait, &why),
                 qPrintable(why));
        check("Save to File", pdftools::rasterise(dir.filePath("saved.pdf"), 100), 100);

        // The batch mode reads the gaps from the settings of a home of its own.
        const QString home = dir.filePath("home");
        {
            QSettings ini(home + "/.config/Corkcrafter/Corkcrafter 2.ini", QSettings::IniFormat);
            ini.setValue("Settings/Label ColumnSpace", "0.1");
            ini.setValue("Settings/Label RowSpace", "0.1");
        }
        QVERIFY(doc.SaveLabelToFile(dir.filePath("stock.ckm")));
        const pdftools::Run r = pdftools::batch({"--print-pdf", dir.filePath("batch.pdf"), dir.filePath("stock.ckm")},
                                                home, "en_GB.UTF-8");
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const QImage fromBatch = pdftools::rasterise(dir.filePath("batch.pdf"), 100);
        QCOMPARE(fromBatch.width(), 827); // A4 at 100 dpi
        check("batch", fromBatch, 100);
    }

private:
    static double nearest(const QList<double>& ticks, double v)
    {
        double best = -1e9;
        for (double t : ticks)
            if (std::abs(t - v) < std::abs(best - v))
                best = t;
        return best;
    }
    // The dark runs along a line of n pixels: where each starts, or its
    // centre, in inches at dpi.
    template <class F> static QList<double> darkRuns(int n, double dpi, bool centres, F isDark)
    {
        QList<double> out;
        for (int i = 0, start = -1; i <= n; ++i) {
            const bool d = i < n && isDark(i);
            if (d && start < 0)
                start = i;
            if (!d && start >= 0) {
                out << (centres ? (start + i - 1) / 2.0 : start) / dpi;
                start = -1;
            }
        }
        return out;
    }
    struct Found {
        QList<double> xs, ys; // where the dark blocks start, inches from the paper's edge
    };
    // The blocks crossed by a line across the page at y and one down it at x.
    static Found blocks(const QImage& img, double dpi, double x, double y)
    {
        auto dark = [&](int px, int py) { return qBlue(img.pixel(px, py)) > 90 && qRed(img.pixel(px, py)) < 60; };
        const int row = int(y * dpi), col = int(x * dpi);
        return {darkRuns(img.width(), dpi, false, [&](int i) { return dark(i, row); }),
                darkRuns(img.height(), dpi, false, [&](int i) { return dark(col, i); })};
    }
    QStringList pdfsIn() const
    {
        QStringList out;
        for (QDirIterator it(qEnvironmentVariable("CORK_CUPS_OUT"), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            out << it.next();
        return out;
    }
    // The first complete PDF that was not there before: the spooler converts
    // and hands the job to cups-pdf, and a size that stands still is not
    // enough under load.
    QString newPdf(const QStringList& before, const QRegularExpression& complete = QRegularExpression("Pages:")) const
    {
        QElapsedTimer waited;
        waited.start();
        while (waited.elapsed() < 90000) {
            for (const QString& f : pdfsIn())
                if (!before.contains(f) && pdftools::info(f).contains(complete))
                    return f;
            QTest::qWait(500);
        }
        return {};
    }

    // Positions on the rasterised test page, in inches from the paper's corner.
    struct Rulers {
        double axisRow = 0, axisCol = 0;
        QList<double> across, down; // the quarter-inch ticks of each ruler
    };

    Rulers printTestPage(const stock::Placement& adjustment, QPointF* printableCorner = nullptr)
    {
        Rulers out;
        const QString queue = qEnvironmentVariable("CORK_CUPS_PRINTER");
        const QStringList before = pdfsIn();

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

        const QString pdf = newPdf(before, QRegularExpression("Pages:\\s+1\\b"));
        if (pdf.isEmpty()) {
            QTest::qFail("cups-pdf wrote no test page within 90 s", __FILE__, __LINE__);
            return out;
        }

        const int dpi = 300;
        const QImage page = pdftools::rasterise(pdf, dpi).convertToFormat(QImage::Format_Grayscale8);
        if (page.isNull()) {
            QTest::qFail("the test page could not be rasterised", __FILE__, __LINE__);
            return out;
        }
        auto dark = [&](int x, int y) { return page.pixelColor(x, y).value() < 160; };
        // The axes are the darkest row and column.
        auto darkest = [&](int count, int across, auto at) {
            int best = -1, where = 0;
            for (int i = 0; i < count; ++i) {
                int n = 0;
                for (int j = 0; j < across; ++j)
                    n += at(i, j);
                if (n > best)
                    best = n, where = i;
            }
            return where;
        };
        const int axisRow = darkest(page.height(), page.width(), [&](int y, int x) { return dark(x, y); });
        const int axisCol = darkest(page.width(), page.height(), [&](int x, int y) { return dark(x, y); });
        // Long ticks reach 0.05 in from the axis, short ones 0.03 in: 0.04 in
        // away only the quarter inches are crossed.
        const int away = int(0.04 * dpi);
        out.across = darkRuns(page.width(), dpi, true, [&](int x) { return dark(x, axisRow - away); });
        out.down = darkRuns(page.height(), dpi, true, [&](int y) { return dark(axisCol + away, y); });
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
