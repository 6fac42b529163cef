// File > Print Several Labels with real clicks and keys: print, preview and Save to File give the batch's sheets.
#include <QtTest>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>

#include "dialogs/frmPrintSeveral.h"
#include "printing/frmPreview.h"
#include "PdfTools.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

using namespace pdftools;

namespace {

// The dialog's count of `row`, typed.
void typeCount(frmPrintSeveral* d, int row, int n)
{
    QSpinBox* spin = d->countAt(row);
    QVERIFY(spin);
    spin->setFocus();
    spin->selectAll();
    QTest::keyClicks(spin, QString::number(n));
}

void click(QDialog* d, const char* name)
{
    auto* b = d->findChild<QPushButton*>(name);
    QVERIFY(b);
    QTest::mouseClick(b, Qt::LeftButton);
}

} // namespace

class tst_PrintSeveral : public QObject, WindowTests {
    Q_OBJECT

    QString stout, porter, pale, wine;

    // Stout, Porter and a new label are open; Pale is added from disk.
    // Counts: Stout 2, Porter 1, Pale 3; then `finish` is clicked.
    void chooseAndClick(const char* finish)
    {
        env().platform.openAnswers = {ScriptedPlatform::chosen(pale)};
        input::whenModal<frmPrintSeveral>([finish](frmPrintSeveral* d) {
            click(d, "cmdAddFile");
            QCOMPARE(d->lstLabels()->rowCount(), 4);
            QCOMPARE(d->lstLabels()->item(3, 0)->text(), QString("Pale.ckm"));
            typeCount(d, 0, 2);
            typeCount(d, 1, 1);
            typeCount(d, 3, 3);
            click(d, finish);
        });
        main().action("mnuFilePrintSeveral")->trigger();
    }

private slots:
    // A label of another size, or no count at all: told, and the dialog stays. Then Print... prints the
    // list's labels in order, the one without a count left out: the batch's sheets; Preview shows them
    // together and its Save to File writes the same.
    void printsAndPreviewsAsTheBatch()
    {
        f = std::make_unique<MainWithLabel>(true, QSize(1100, 800));
        usePdfPrinter(main(), env().path("printer.pdf"));
        stout = savedLabel(env(), "Stout.ckm", "Stout");
        porter = savedLabel(env(), "Porter.ckm", "Porter");
        pale = savedLabel(env(), "Pale.ckm", "Pale");
        LabelDocument w(env().values, env().platform, env().fixed);
        w.setLabelDimensions(labelcode::Custom, 3, 3);
        w.resizeLabel();
        wine = env().values.labelFolder + "/Wine.ckm";
        QVERIFY(w.SaveLabelToFile(wine));
        main().openLabel(stout);
        main().openLabel(porter);
        main().LoadNewDoc(); // a label left without a count
        QCOMPARE(main().documents().size(), qsizetype(3));

        env().platform.openAnswers = {ScriptedPlatform::chosen(wine)};
        bool stayed = false;
        input::whenModal<frmPrintSeveral>([&](frmPrintSeveral* d) {
            click(d, "OKButton");
            click(d, "cmdAddFile");
            typeCount(d, 1, 2);
            click(d, "OKButton");
            stayed = d->isVisible();
            click(d, "CancelButton");
        });
        main().action("mnuFilePrintSeveral")->trigger();
        QVERIFY2(stayed, qPrintable(env().platform.texts().join("|")));
        QCOMPARE(env().platform.texts(),
                 QStringList({"Please give at least one label a number of labels to print.",
                              "\"Wine.ckm\" is 3.000 x 3.000 in, not the " +
                                  QString("%1 x %2 in").arg(main().activeDocument()->getLabelWidth(), 0, 'f', 3)
                                      .arg(main().activeDocument()->getLabelHeight(), 0, 'f', 3) +
                                  " of \"Porter.ckm\": labels printed together must be the same size."}));
        QVERIFY(!QFileInfo::exists(env().path("printer.pdf")));

        env().platform.shown.clear();
        env().platform.printAnswers = {1};
        chooseAndClick("OKButton");
        QVERIFY2(env().platform.shown.isEmpty(), qPrintable(env().platform.texts().join('|')));
        QCOMPARE(env().platform.labelsPages.size(), qsizetype(1));
        // The batch's PDF of the same labels and counts.
        const QString printed = env().path("printer.pdf"), batched = env().path("batch.pdf");
        const Run r = batch({"--print-pdf", batched, "--paper", "Letter", stout + "=2", porter + "=1", pale + "=3"},
                            env().path("home"));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(pages(printed), 2); // 6 labels, 4 to a sheet
        const QString onPaper = text(printed);
        QCOMPARE(onPaper, text(batched));
        QCOMPARE(QList<qsizetype>({onPaper.count("Stout"), onPaper.count("Pale")}), QList<qsizetype>({2, 3}));

        chooseAndClick("cmdPreview");
        frmPreview* p = main().findChild<frmPreview*>("frmPreview");
        QVERIFY(p);
        QCOMPARE(p->designs().size(), size_t(3));
        QCOMPARE(p->lblRunSize()->text(), QString("6 labels on 2 sheets"));
        QCOMPARE(p->pageCount(), 2);
        const QString saved = env().path("Labels.pdf");
        env().platform.saveAnswers = {ScriptedPlatform::chosen(saved)};
        p->action("mnuFileSave")->trigger();
        QCOMPARE(env().platform.fileRequests.last().fileName, QString("Labels.pdf"));
        QVERIFY2(env().platform.shown.isEmpty(), qPrintable(env().platform.texts().join('|')));
        QCOMPARE(text(saved), onPaper);
        // File > Print Preview shows the active label again.
        main().action("mnuFilePrintPreview")->trigger();
        QVERIFY(p->designs().empty());
        QCOMPARE(p->lblRunSize()->text(), QString("4 labels on 1 sheet"));
    }
};

QTEST_MAIN(tst_PrintSeveral)
#include "tst_printseveral.moc"
