// A stock sheet printed into a real CUPS queue (cups-pdf) whose printer cannot reach a border
// of the paper, and on the preview and Save to File. Run by cups_e2e.sh, which starts the spooler.
#include <QtTest>
#include <QPrinter>
#include <QComboBox>
#include <QPrinterInfo>

#include "document/LabelDocument.h"
#include "printing/PainterSurface.h"
#include "printing/PdfExport.h"
#include "printing/PdfOutput.h"
#include "printing/frmPreview.h"
#include "PdfTools.h"
#include "support/TestEnv.h"

class tst_Cups : public QObject {
    Q_OBJECT
private slots:
    // 2 x 3 labels of 3.9 x 3.67 in on A4, each within 0.01 in of the stock's place: on a printer
    // with a 10 pt border (three copies) before and after a preview, the preview, Save to File.
    // (The batch's PDF of every sheet of the database: tst_stocksheets.)
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

        // Across the middle of the first row and down the middle of the first column.
        auto check = [&](const QString& what, const QImage& page, double dpi) {
            const QList<double> xs = darkStarts(page, dpi, true, wantY[0] + 1.8),
                                ys = darkStarts(page, dpi, false, wantX[0] + 1.95);
            QVERIFY2(xs.size() == 2 && ys.size() == 3,
                     qPrintable(what + QString(": %1 columns, %2 rows").arg(xs.size()).arg(ys.size())));
            const QList<double> found = xs + ys, want = wantX + wantY;
            for (int i = 0; i < found.size(); ++i)
                QVERIFY2(std::abs(found[i] - want[i]) <= 0.01,
                         qPrintable(what + (i < 2 ? ": column at " : ": row at ") + QString::number(found[i])));
        };
        auto printed = [&](const QString& what, int copies) {
            const QStringList before = pdfsIn();
            QVERIFY(pdfout::printOn(printer, printjob::request(doc, env.values, copies), env.platform));
            const QString pdf = newPdf(before, QRegularExpression(QString("Pages:\\s+%1\\b").arg(copies)));
            QVERIFY2(!pdf.isEmpty(), qPrintable(what + ": cups-pdf wrote no PDF of the copies within 90 s"));
            check(what, pdftools::rasterise(pdf, 100), 100);
        };
        printed("printer, no preview yet", 3);
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
        printed("printer, after a preview", 1);
        if (QTest::currentTestFailed())
            return;

        QTemporaryDir dir;
        QString why;
        QVERIFY2(pdfexport::writeSheets(printjob::request(doc, env.values), env.platform, dir.filePath("saved.pdf"),
                                        printer.pageLayout().pageSize(), QPageLayout::Portrait, &why),
                 qPrintable(why));
        check("Save to File", pdftools::rasterise(dir.filePath("saved.pdf"), 100), 100);
    }

private:
    // Where the dark blocks start, in inches at dpi, along a line across the page `at` inches
    // down, or down the page `at` inches across.
    static QList<double> darkStarts(const QImage& img, double dpi, bool across, double at)
    {
        QList<double> out;
        const int n = across ? img.width() : img.height(), line = int(at * dpi);
        bool inside = false;
        for (int i = 0; i < n; ++i) {
            const QRgb p = across ? img.pixel(i, line) : img.pixel(line, i);
            const bool dark = qBlue(p) > 90 && qRed(p) < 60;
            if (dark && !inside)
                out << i / dpi;
            inside = dark;
        }
        return out;
    }
    QStringList pdfsIn() const
    {
        QStringList out;
        for (QDirIterator it(qEnvironmentVariable("CORK_CUPS_OUT"), {"*.pdf"}, QDir::Files, QDirIterator::Subdirectories);
             it.hasNext();)
            out << it.next();
        return out;
    }
    // The first complete PDF that was not there before (a size that stands still is not enough under load).
    QString newPdf(const QStringList& before, const QRegularExpression& complete) const
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
};

QTEST_MAIN(tst_Cups)
#include "tst_cups.moc"
