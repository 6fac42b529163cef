// Every rectangular sheet of the installed database printed on its product: each label where the
// database says to a tenth of a millimetre, as many as it says (read back as SVG paths).
#include <QtTest>

#include "app/Settings.h"
#include "document/CkmFormat.h"
#include "printing/BatchPrint.h"
#include "printing/PdfTools.h"
#include "printing/StockCatalogue.h"
#include "printing/SheetSvg.h"
#include "support/Files.h"
#include "support/TestEnv.h"

using catalogue::Product;
using namespace sheetsvg;

constexpr const char* Database = "/usr/share/libglabels-3.0/templates";

class tst_StockSheets : public QObject {
    Q_OBJECT
private slots:
    void everyRectangularProductPrintsWhereTheDatabaseSays()
    {
        if (!QDir(Database).exists())
            QSKIP("the sheet database is not installed (package glabels-data): no /usr/share/libglabels-3.0/templates");
        QVERIFY2(pdftools::installed(), pdftools::Missing);
        const catalogue::Catalogue c = catalogue::Catalogue::load({Database});
        TestEnv env;
        // Nothing but the labels on the paper.
        settings::writeWhole(env.store, settings::keys::Cutmarks, 0);

        int checked = 0;
        QStringList wrong;
        for (const Product& p : c.products) {
            if (p.shape != catalogue::Shape::Rectangle || !p.refusal().isEmpty() || !p.aliasOf.isEmpty())
                continue;
            const CKM_Header::HeaderRecord h{.labelWidth = int16_t(std::lround(p.width * 1440)),
                                             .labelHeight = int16_t(std::lround(p.height * 1440)),
                                             .borderVisible = 0,
                                             .backColor = Red};
            const QString label = env.path("label.ckm"), pdf = env.path("sheet.pdf"), svg = env.path("sheet.svg");
            QVERIFY(writeFile(label, CKM_Header::encode(h)));
            QString reason;
            const int rc = batch::printPdf(label, pdf, 1, env.store, env.ctx.paths, &reason, false, {}, {}, &p);
            if (rc != 0) {
                wrong << p.name() + ": exit " + QString::number(rc) + " " + reason;
                continue;
            }
            QFile::remove(svg);
            QProcess poppler;
            poppler.start("pdftocairo", {"-svg", "-f", "1", "-l", "1", pdf, svg});
            QVERIFY(poppler.waitForFinished(60000));
            QSizeF paper;
            const std::vector<QRectF> labels = redRectangles(svg, &paper);
            const QString why = compare(p, labels, paper);
            if (!why.isEmpty())
                wrong << p.name() + " (" + p.source + "): " + why;
            ++checked;
        }
        qInfo("%d products checked", checked);
        QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join('\n')));
        // The database this was written against has some 900 of them.
        QVERIFY2(checked > 800, qPrintable(QString::number(checked)));
    }
};

QTEST_MAIN(tst_StockSheets)
#include "tst_stocksheets.moc"
