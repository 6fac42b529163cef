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

        auto check = [&](const QString& what, const QImage& page, double dpi) {
            const Found f = blocks(page, dpi, wantX[0] + 1.95, wantY[0] + 1.8);
            QVERIFY2(f.xs.size() == 2 && f.ys.size() == 3,
                     qPrintable(what + QString(": %1 columns, %2 rows").arg(f.xs.size()).arg(f.ys.size())));
            for (int i = 0; i < 2; ++i)
                QVERIFY2(std::abs(f.xs[i] - wantX[i]) <= 0.01, qPrintable(what + ": column at " + QString::number(f.xs[i])));
            for (int i = 0; i < 3; ++i)
                QVERIFY2(std::abs(f.ys[i] - wantY[i]) <= 0.01, qPrintable(what + ": row at " + QString::number(f.ys[i])));
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
    // The dark runs along a line of n pixels: where each starts, in inches at dpi.
    template <class F> static QList<double> darkRuns(int n, double dpi, F isDark)
    {
        QList<double> out;
        for (int i = 0, start = -1; i <= n; ++i) {
            const bool d = i < n && isDark(i);
            if (d && start < 0)
                start = i;
            if (!d && start >= 0) {
                out << start / dpi;
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
        return {darkRuns(img.width(), dpi, [&](int i) { return dark(i, row); }),
                darkRuns(img.height(), dpi, [&](int i) { return dark(col, i); })};
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
