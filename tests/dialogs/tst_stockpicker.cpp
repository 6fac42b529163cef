// Choosing the label sheet in the options dialog from a small catalogue of its own.
#include <QtTest>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTreeView>

#include "dialogs/StockPicker.h"
#include "support/MainWindowFixture.h"
#include "support/OptionsFixture.h"
#include "support/StockXml.h"

namespace {

const QByteArray Fixture = stockxml::templates(
    stockxml::sheet(R"(brand="Cork Test" part="W2" size="A4" _description="Wine bottle labels, glossy")",
                    R"(rectangle width="99.1mm" height="67.7mm" round="0mm")",
                    {R"(nx="2" ny="4" x0="4.65mm" y0="13.1mm" dx="101.6mm" dy="67.7mm")"}) +
    stockxml::sheet(R"(brand="Cork Test" part="W3" size="Other" width="11in" height="8.5in")"
                    R"( _description="Wide wine labels")",
                    R"(rectangle width="5in" height="3.5in")",
                    {R"(nx="2" ny="2" x0="0.25in" y0="0.5in" dx="5.5in" dy="4in")"}) +
    stockxml::sheet(R"(brand="Cork Test" part="N1" size="US-Letter" _description="Neck labels")",
                    R"(rectangle width="2in" height="1in")",
                    {R"(nx="2" ny="3" x0="0.5in" y0="0.5in" dx="2.5in" dy="1.5in")"}) +
    stockxml::sheet(R"(brand="Cork Test" part="R1" size="US-Letter" _description="Bottle neck rounds")",
                    R"(round radius="72pt")", {R"(nx="3" ny="4" x0="0.5in" y0="0.5in" dx="2.5in" dy="2.5in")"}) +
    stockxml::sheet(R"(brand="Cork Test" part="CD1" size="US-Letter" _description="Disc labels")",
                    R"(cd radius="2.3125in" hole="0.8125in")", {R"(nx="1" ny="2" x0="2in" y0="0.5in" dy="5.5in")"}));

} // namespace

class tst_StockPicker : public QObject, OptionsFixture {
    Q_OBJECT

    void open()
    {
        OptionsFixture::open();
        QVERIFY(dlg->stockPicker()->loaded());
    }
    QLineEdit* search() { return edit("txtStockSearch"); }
    QString caption() { return child<QLabel>("lblStock")->text(); }
    QString captionOf(const QString& product) { return catalogue::caption(*dlg->stockPicker()->stock().find(product)); }
    QStringList sheetBoxes()
    {
        return texts({"txtCustomWidth", "txtCustomHeight", "txtTopMargin", "txtLeftMargin", "txtRowSpace",
                      "txtColumnSpace"});
    }
    QStringList listed()
    {
        QStringList names;
        for (const catalogue::Product* p : dlg->stockPicker()->listed())
            names << p->name();
        return names;
    }
    QStringList refusedCd() { return {dlg->stockPicker()->stock().find("Cork Test CD1")->refusal()}; }
    QTreeView* list() { return child<QTreeView>("lstStock"); }
    QString highlighted()
    {
        const catalogue::Product* p = dlg->stockPicker()->highlighted();
        return p ? p->name() : QString();
    }
    // The middle of the product's row, scrolled into view.
    QPoint rowAt(const QString& name)
    {
        const int row = int(listed().indexOf(name));
        const QModelIndex i = list()->model()->index(row, 0);
        list()->scrollTo(i);
        return list()->visualRect(i).center();
    }
    // Moves the list's highlight with the arrow keys onto the product.
    void arrowTo(const QString& name)
    {
        list()->setFocus(Qt::TabFocusReason);
        QTest::keyClick(list(), Qt::Key_Home);
        for (int i = 0; i < 10 && highlighted() != name; ++i)
            QTest::keyClick(list(), Qt::Key_Down);
        QCOMPARE(highlighted(), name);
    }
    // Types over the search box and chooses the best match with Enter.
    void pick(const QString& text)
    {
        typeInto(search(), text);
        QTest::keyClick(search(), Qt::Key_Return);
    }

private slots:
    void init()
    {
        setUp();
        // The program's data folder: a folder holding the fixture.
        QVERIFY(writeFile(env->path("stock/corktest-templates.xml"), Fixture));
        env->ctx.paths.dataDir = env->tmp.path();
    }
    void cleanup() { tearDown(); }

    void searchAndChooseFillTheSheet()
    {
        open();
        QVERIFY(listed().contains("Cork Test N1")); // everything before a word is typed
        typeInto(search(), "wine");
        QCOMPARE(listed().filter("Cork Test"), QStringList({"Cork Test W2", "Cork Test W3"}));
        // Every word counts, in any order and case.
        QTest::keyClicks(search(), " GLOSSY test");
        QCOMPARE(listed(), QStringList({"Cork Test W2"}));
        // Looking is not choosing; Down goes on to the list.
        QTest::keyClick(search(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), list());
        QVERIFY(!dlg->pageEdited(0));
        QCOMPARE(caption(), frmOptions::CustomSheetCaption);

        // A product fills the page to the thousandth; one that cannot be printed on changes nothing.
        pick("cork test w2");
        QCOMPARE(sheetBoxes(), QStringList({"3.902", "2.665", "0.516", "0.183", "0.0", "0.098"}));
        QVERIFY(checked("optLabelType2") && edit("txtCustomWidth")->isEnabled() && checked("optOrientation1"));
        QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(caption(), QString("Cork Test W2 — 99.1 x 67.7 mm, 2 x 4 on A4"));
        QVERIFY(dlg->pageEdited(0));

        // From the list: Down, then Enter on the row.
        typeInto(search(), "cork w3");
        QTest::keyClick(search(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(sheetBoxes(), QStringList({"5.0", "3.5", "0.5", "0.25", "0.5", "0.5"}));
        QVERIFY(checked("optOrientation2"));
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(dlg->isVisible()); // Enter chose; it did not close the dialog

        // CD labels: the reason, and nothing changes.
        pick("cork cd1");
        QVERIFY(!refusedCd()[0].isEmpty());
        QCOMPARE(env->platform.texts(), refusedCd());
        QCOMPARE(sheetBoxes(), QStringList({"5.0", "3.5", "0.5", "0.25", "0.5", "0.5"}));
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(dlg->stockProduct(), QString("Cork Test W3"));
        // Enter with no match chooses nothing and leaves the dialog open.
        pick("no such sheet");
        QVERIFY(dlg->isVisible() && dlg->stockPicker()->listed().empty());
        QCOMPARE(caption(), captionOf("Cork Test W3"));

        // The miniature shows the product's labels, not the 3 x 7 Letter holds, until edited.
        auto miniatureLabels = [this] { return dlg->page()->drawing().labels.size(); };
        pick("cork n1");
        QCOMPARE(miniatureLabels(), size_t(2 * 3));
        click("cmdOK");
        open();
        QCOMPARE(caption(), captionOf("Cork Test N1"));
        QCOMPARE(miniatureLabels(), size_t(2 * 3));
        typeInto(edit("txtTopMargin"), "0.51");
        QCOMPARE(miniatureLabels(), size_t(3 * 7));
    }

    // A click chooses, arrow keys only look and OK applies the highlight; a refused sheet
    // gives the highlight back. OK gives the label the product's exact lengths; it is shown
    // until a box differs. Round stock asks for the oval frame.
    void clickChoosesOkAppliesRememberedUntilEdited()
    {
        doc->setBorderStyle("Square");
        env->values.borderStyle = "Rounded";
        env->platform.answers.push_back(MsgAnswer::No);
        open();
        typeInto(search(), "cork test");
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowAt("Cork Test N1"));
        QCOMPARE(sheetBoxes(), QStringList({"2.0", "1.0", "0.5", "0.5", "0.5", "0.5"}));
        QCOMPARE(dlg->stockProduct(), QString("Cork Test N1"));
        QCOMPARE(highlighted(), QString("Cork Test N1"));
        QVERIFY(dlg->pageEdited(0));

        // A person's double click: press, release, press (the double click) and release.
        const QPoint r1 = rowAt("Cork Test R1");
        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, r1);
        QTest::mousePress(list()->viewport(), Qt::LeftButton, {}, r1);
        QTest::mouseDClick(list()->viewport(), Qt::LeftButton, {}, r1);
        QTest::mouseRelease(list()->viewport(), Qt::LeftButton, {}, r1);
        QCOMPARE(env->platform.shown.size(), 1); // the oval frame asked about once
        QCOMPARE(dlg->stockProduct(), QString("Cork Test R1"));
        QCOMPARE(sheetBoxes(), QStringList({"2.0", "2.0", "0.5", "0.5", "0.5", "0.5"}));

        QTest::mouseClick(list()->viewport(), Qt::LeftButton, {}, rowAt("Cork Test CD1"));
        QCOMPARE(env->platform.texts().mid(1), refusedCd());
        QCOMPARE(highlighted(), QString("Cork Test R1"));
        QCOMPARE(sheetBoxes(), QStringList({"2.0", "2.0", "0.5", "0.5", "0.5", "0.5"}));

        arrowTo("Cork Test CD1");
        QCOMPARE(env->platform.shown.size(), 2);
        click("cmdOK");
        QVERIFY(dlg->isVisible()); // on the reason, the sheet in use highlighted again
        QCOMPARE(env->platform.texts().mid(2), refusedCd());
        QCOMPARE(highlighted(), QString("Cork Test R1"));

        arrowTo("Cork Test W2");
        QCOMPARE(dlg->stockProduct(), QString("Cork Test R1"));
        QCOMPARE(caption(), captionOf("Cork Test R1"));
        click("cmdOK");
        QVERIFY(!dlg->isVisible());
        QCOMPARE(env->platform.shown.size(), 3);
        QCOMPARE(catalogue::rememberedProduct(env->store), QString("Cork Test W2"));
        QCOMPARE(doc->getLabelWidth(), 99.1 / 25.4);
        QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
        // The oval frame refused for R1: the frame and the settings as they were.
        QCOMPARE(doc->valBorderStyle, QString("Square"));
        QCOMPARE(env->store.read("Settings", "Border Style", "-"), QString("-"));

        // Chosen by name: the exact lengths, not the thousandths the boxes show.
        open();
        pick("cork test w2");
        QTest::keyClick(search(), Qt::Key_Return); // nothing new chosen, and OK not pressed by it
        click("cmdOK");
        QCOMPARE(doc->getColumnSpace(), 2.5 / 25.4);
        QCOMPARE(env->values.topMargin, 13.1 / 25.4);

        open();
        QCOMPARE(caption(), QString("Cork Test W2 — 99.1 x 67.7 mm, 2 x 4 on A4"));
        QCOMPARE(highlighted(), QString("Cork Test W2"));
        typeInto(edit("txtTopMargin"), "0.51");
        QCOMPARE(caption(), frmOptions::CustomSheetCaption);
        typeInto(edit("txtTopMargin"), "0.516");
        QCOMPARE(caption(), QString("Cork Test W2 — 99.1 x 67.7 mm, 2 x 4 on A4")); // the product's own value again
        typeInto(edit("txtTopMargin"), "0.517");
        input::tabAway();
        QCOMPARE(caption(), frmOptions::CustomSheetCaption);
        QCOMPARE(highlighted(), QString()); // Apply must not choose the product again
        click("cmdApply");
        QCOMPARE(catalogue::rememberedProduct(env->store), QString());
        QCOMPARE(doc->getTopMargin(), 0.517);
        QCOMPARE(doc->getLabelWidth(), 3.902); // as the box shows it now

        // Answered Yes this time.
        env->platform.answers.push_back(MsgAnswer::Yes);
        pick("cork r1");
        QCOMPARE(env->platform.shown.size(), 4);
        QCOMPARE(env->platform.shown.last().buttons, MsgButtons::YesNo);
        const QString asked = env->platform.shown.last().text;
        QVERIFY(asked.contains("Cork Test R1") && asked.contains("oval"));
        click("cmdOK");
        QCOMPARE(doc->valBorderStyle, QString("Oval"));
        QCOMPARE(env->values.borderStyle, QString("Oval"));
        QCOMPARE(env->store.read("Settings", "Border Style", "-"), QString("Oval"));
    }

    // The remembered product's paper comes back while the label is still laid out for it.
    void rememberedProductsPaperOnOpening_data()
    {
        QTest::addColumn<QString>("product");
        QTest::addColumn<bool>("withDocument");
        QTest::addColumn<int>("paper");
        QTest::addColumn<bool>("landscape");
        QTest::newRow("A4 sheet, label") << "Cork Test W2" << true << int(QPageSize::A4) << false;
        QTest::newRow("landscape Letter, new labels") << "Cork Test W3" << false << int(QPageSize::Letter) << true;
    }
    void rememberedProductsPaperOnOpening()
    {
        QFETCH(QString, product);
        QFETCH(bool, withDocument);
        QFETCH(int, paper);
        QFETCH(bool, landscape);
        auto restart = [this, withDocument] {
            printer->setPageSize(QPageSize(QPageSize::Letter));
            printer->setPageOrientation(QPageLayout::Portrait);
            OptionsFixture::open(withDocument);
        };
        OptionsFixture::open(withDocument);
        pick(product);
        click("cmdOK");

        restart();
        QCOMPARE(int(printer->pageLayout().pageSize().id()), paper);
        QCOMPARE(printer->pageLayout().orientation(), landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const QSizeF full = printer->pageLayout().fullRect(QPageLayout::Point).size() * 20;
        QCOMPARE(dlg->lblPaperSize()->text(), miniature::paperSizeCaption(full.width(), full.height()));
        QVERIFY(checked(landscape ? "optOrientation2" : "optOrientation1"));
        const catalogue::Product* p = dlg->stockPicker()->stock().find(product);
        QCOMPARE(caption(), captionOf(product));
        const auto& labels = dlg->page()->drawing().labels;
        QCOMPARE(labels.size(), size_t(p->across * p->down));
        const QRectF sheet(QPointF(), dlg->page()->pageTwips());
        for (const QRectF& r : labels)
            QVERIFY2(sheet.contains(r), qPrintable(QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height())));

        // The label laid out otherwise since (another document, say).
        click("cmdCancel");
        if (withDocument)
            doc->setTopMargin(1);
        else
            env->values.topMargin = 1;
        restart();
        QCOMPARE(catalogue::rememberedProduct(env->store), product);
        QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::Letter);
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Portrait);
        QCOMPARE(caption(), frmOptions::CustomSheetCaption);
    }

    // A wine sheet chosen and printed from its second label (the places on the PDF:
    // tst_stocksheets; starts and adjustments: tst_stock).
    void wineSheetPrintsOnTheProduct()
    {
        MainWithLabel f;
        // The toolbar's Select opens the label page ready to search.
        input::whenModal<frmOptions>([](frmOptions* o) {
            QLineEdit* search = o->findChild<QLineEdit*>("txtStockSearch");
            QTRY_COMPARE(QApplication::focusWidget(), search);
            QTest::keyClicks(search, "wine wl-a4");
            QTest::keyClick(search, Qt::Key_Return);
            QCOMPARE(o->stockProduct(), QString("Corkcrafter WL-A4"));
            QTest::mouseClick(o->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        f.m.findChild<QAction*>("tbSelect")->trigger();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        const catalogue::Product* p = catalogue::Catalogue::standard(f.env.ctx.paths.dataDir).find("Corkcrafter WL-A4");
        QVERIFY(p && p->across == 1 && p->down == 2);
        QCOMPARE(catalogue::rememberedProduct(f.env.store), p->name());

        if (f.m.printer().outputFormat() != QPrinter::PdfFormat)
            QSKIP("a printer is installed here: the print would go to it");
        ScriptedPlatform& platform = f.env.platform;
        const QString pdf = f.env.path("sheet.pdf");
        platform.printAnswers = {1};
        platform.printerAnswers = {[pdf](QPrinter& pr) { pr.setOutputFileName(pdf); }};
        platform.labelsAnswers = {[](QPrinter&, LabelsPage& l) { l.start = 2; }};
        f.action("mnuFilePrint")->trigger();
        QCOMPARE(platform.labelsPages.last().lastStart, 2); // the product's labels
        QVERIFY(QFileInfo(pdf).size() > 0);
    }
};

QTEST_MAIN(tst_StockPicker)
#include "tst_stockpicker.moc"
