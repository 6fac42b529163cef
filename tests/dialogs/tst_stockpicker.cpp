// Choosing the label sheet by maker and product code in the options dialog,
// typed and chosen with real keys: a small catalogue of its own, beside the
// installed sheet database when there is one.
#include <QtTest>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeView>

#include "dialogs/StockPicker.h"
#include "printing/PdfTools.h"
#include "printing/SheetSvg.h"
#include "printing/frmPreview.h"
#include "dialogs/frmOptions.h"
#include "document/LabelDocument.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

namespace {

const char* const Fixture = R"(<?xml version="1.0"?>
<Glabels-templates>
  <Template brand="Cork Test" part="W1" size="US-Letter" _description="Wine bottle labels">
    <Label-rectangle id="0" width="3.5in" height="4in" round="0.1in">
      <Layout nx="2" ny="2" x0="0.5in" y0="1in" dx="4in" dy="5in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Cork Test" part="W2" size="A4" _description="Wine bottle labels, glossy">
    <Label-rectangle id="0" width="99.1mm" height="67.7mm" round="0mm">
      <Layout nx="2" ny="4" x0="4.65mm" y0="13.1mm" dx="101.6mm" dy="67.7mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Cork Test" part="W3" size="Other" width="11in" height="8.5in" _description="Wide wine labels">
    <Label-rectangle id="0" width="5in" height="3.5in" round="0in">
      <Layout nx="2" ny="2" x0="0.25in" y0="0.5in" dx="5.5in" dy="4in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Cork Test" part="B1" size="US-Letter" _description="Beer bottle labels">
    <Label-rectangle id="0" width="3.75in" height="3in" round="0in">
      <Layout nx="2" ny="3" x0="0.5in" y0="1in" dx="3.75in" dy="3in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Cork Test" part="N1" size="US-Letter" _description="Neck labels">
    <Label-rectangle id="0" width="2in" height="1in" round="0in">
      <Layout nx="2" ny="3" x0="0.5in" y0="0.5in" dx="2.5in" dy="1.5in"/>
    </Label-rectangle>
  </Template>
  <Template brand="Cork Test" part="R1" size="US-Letter" _description="Bottle neck rounds">
    <Label-round id="0" radius="72pt">
      <Layout nx="3" ny="4" x0="0.5in" y0="0.5in" dx="2.5in" dy="2.5in"/>
    </Label-round>
  </Template>
  <Template brand="Cork Test" part="M1" size="A4" _description="Bottle and neck labels">
    <Label-rectangle id="0" width="90mm" height="60mm" round="0mm">
      <Layout nx="2" ny="2" x0="10mm" y0="10mm" dx="95mm" dy="65mm"/>
      <Layout nx="2" ny="4" x0="10mm" y0="150mm" dx="95mm" dy="30mm"/>
    </Label-rectangle>
  </Template>
  <Template brand="Cork Test" part="CD1" size="US-Letter" _description="Disc labels">
    <Label-cd id="0" radius="2.3125in" hole="0.8125in">
      <Layout nx="1" ny="2" x0="2in" y0="0.5in" dx="0in" dy="5.5in"/>
    </Label-cd>
  </Template>
</Glabels-templates>
)";

} // namespace

class tst_StockPicker : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<LabelDocument> doc;
    std::unique_ptr<frmOptions> dlg;

    // Points the program's data folder at a folder holding the fixture.
    static void writeFixture(TestEnv& e)
    {
        QDir().mkpath(e.path("stock"));
        QFile f(e.path("stock/corktest-templates.xml"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(Fixture);
        e.ctx.paths.dataDir = e.tmp.path();
    }
    void open()
    {
        dlg = std::make_unique<frmOptions>(env->ctx, doc.get(), *printer, nullptr);
        dlg->Form_Load();
        dlg->show();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
        QVERIFY(dlg->stockPicker()->loaded());
    }
    QLineEdit* edit(const char* name) { return dlg->findChild<QLineEdit*>(name); }
    QLineEdit* search() { return edit("txtStockSearch"); }
    QString caption() { return dlg->findChild<QLabel*>("lblStock")->text(); }
    QStringList sheetBoxes()
    {
        QStringList t;
        for (const char* b : {"txtCustomWidth", "txtCustomHeight", "txtTopMargin", "txtLeftMargin", "txtRowSpace",
                              "txtColumnSpace"})
            t << edit(b)->text();
        return t;
    }
    QStringList listed()
    {
        QStringList names;
        for (const catalogue::Product* p : dlg->stockPicker()->listed())
            names << p->name();
        return names;
    }
    // Types over the search box and chooses the best match with Enter.
    void pick(const QString& text)
    {
        QTest::mouseClick(search(), Qt::LeftButton);
        QTest::keyClick(search(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(search(), text);
        QTest::keyClick(search(), Qt::Key_Return);
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        writeFixture(*env);
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(env->path("out.pdf"));
        printer->setPageSize(QPageSize(QPageSize::Letter));
        printer->setPageOrientation(QPageLayout::Portrait);
        doc = std::make_unique<LabelDocument>(env->values, env->platform, env->fixed);
    }
    void cleanup()
    {
        dlg.reset();
        doc.reset();
        printer.reset();
        env.reset();
    }

    void searchAsYouType()
    {
        open();
        QVERIFY(listed().contains("Cork Test B1")); // everything before a word is typed
        // The program's one catalogue, as printing reads it.
        QCOMPARE(&dlg->stockPicker()->stock(), &catalogue::Catalogue::standard(env->ctx.paths.dataDir));
        QTest::mouseClick(search(), Qt::LeftButton);
        QTest::keyClicks(search(), "wine");
        const QStringList wine = listed();
        QCOMPARE(wine.filter("Cork Test"), QStringList({"Cork Test W1", "Cork Test W2", "Cork Test W3"}));
        for (const catalogue::Product* p : dlg->stockPicker()->listed())
            QVERIFY2((p->name() + ' ' + p->description).contains("wine", Qt::CaseInsensitive), qPrintable(p->name()));
        if (QFile::exists("/usr/share/libglabels-3.0/templates/online-templates.xml"))
            QVERIFY(wine.contains("Online Labels OL475"));
        // Every word counts, in any order and case.
        QTest::keyClicks(search(), " GLOSSY test");
        QCOMPARE(listed(), QStringList({"Cork Test W2"}));
        // Looking is not choosing; Down goes on to the list.
        QTest::keyClick(search(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), dlg->findChild<QTreeView*>("lstStock"));
        QVERIFY(!dlg->pageEdited(0));
        QCOMPARE(caption(), frmOptions::CustomSheetCaption);
    }

    // Each product fills the page to the thousandth of an inch, with its paper
    // and orientation; one that cannot be printed on changes nothing.
    void choosingFillsTheSheet()
    {
        open();
        pick("cork test w2");
        QCOMPARE(sheetBoxes(), QStringList({"3.902", "2.665", "0.516", "0.183", "0.0", "0.098"}));
        QVERIFY(dlg->findChild<QRadioButton*>("optLabelType2")->isChecked() && edit("txtCustomWidth")->isEnabled());
        QVERIFY(dlg->findChild<QRadioButton*>("optOrientation1")->isChecked());
        QCOMPARE(printer->pageLayout().pageSize().id(), QPageSize::A4);
        QCOMPARE(caption(), QString("Cork Test W2 — 99.1 x 67.7 mm, 2 x 4 on A4"));
        QVERIFY(dlg->pageEdited(0));

        // From the list: Down, then Enter on the row.
        QTest::mouseClick(search(), Qt::LeftButton);
        QTest::keyClick(search(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(search(), "cork w3");
        QTest::keyClick(search(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(sheetBoxes(), QStringList({"5.0", "3.5", "0.5", "0.25", "0.5", "0.5"}));
        QVERIFY(dlg->findChild<QRadioButton*>("optOrientation2")->isChecked());
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        QVERIFY(dlg->isVisible()); // Enter chose; it did not close the dialog

        // CD labels and several layouts on a sheet: the reason, and nothing changes.
        for (const QString code : {"CD1", "M1"}) {
            env->platform.shown.clear();
            pick("cork " + code);
            const catalogue::Product* p = dlg->stockPicker()->stock().find("Cork Test " + code);
            QVERIFY(p && !p->refusal().isEmpty());
            QCOMPARE(env->platform.texts(), QStringList({p->refusal()}));
            QCOMPARE(sheetBoxes(), QStringList({"5.0", "3.5", "0.5", "0.25", "0.5", "0.5"}));
            QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
            QCOMPARE(dlg->stockProduct(), QString("Cork Test W3"));
        }
        // Enter with no match chooses nothing and leaves the dialog open.
        pick("no such sheet");
        QVERIFY(dlg->isVisible() && dlg->stockPicker()->listed().empty());
        QCOMPARE(caption(), catalogue::caption(*dlg->stockPicker()->stock().find("Cork Test W3")));

        // The miniature shows the product's labels, though Letter holds 3 x 7 of
        // them, from the dialog's opening on; as many as fit once it is a custom sheet.
        auto miniatureLabels = [this] { return dlg->page()->drawing().labels.size(); };
        pick("cork n1");
        QCOMPARE(miniatureLabels(), size_t(2 * 3));
        dlg->findChild<QPushButton*>("cmdOK")->click();
        open();
        QCOMPARE(caption(), catalogue::caption(*dlg->stockPicker()->stock().find("Cork Test N1")));
        QCOMPARE(miniatureLabels(), size_t(2 * 3));
        QTest::mouseClick(edit("txtTopMargin"), Qt::LeftButton);
        QTest::keyClick(edit("txtTopMargin"), Qt::Key_End);
        QTest::keyClicks(edit("txtTopMargin"), "1");
        QCOMPARE(miniatureLabels(), size_t(3 * 7));
    }

    void roundStockAsksForTheOvalFrame_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void roundStockAsksForTheOvalFrame()
    {
        QFETCH(bool, yes);
        doc->setBorderStyle("Square");
        env->values.borderStyle = "Rounded";
        env->platform.answers.push_back(yes ? MsgAnswer::Yes : MsgAnswer::No);
        open();
        pick("cork r1");
        QCOMPARE(env->platform.shown.size(), 1);
        QCOMPARE(env->platform.shown[0].buttons, MsgButtons::YesNo);
        QVERIFY(env->platform.shown[0].text.contains("Cork Test R1") &&
                env->platform.shown[0].text.contains("oval"));
        QCOMPARE(sheetBoxes(), QStringList({"2.0", "2.0", "0.5", "0.5", "0.5", "0.5"}));
        dlg->findChild<QPushButton*>("cmdOK")->click();
        QCOMPARE(doc->valBorderStyle, QString(yes ? "Oval" : "Square"));
        QCOMPARE(env->values.borderStyle, QString(yes ? "Oval" : "Rounded"));
        QCOMPARE(env->store.read("Settings", "Border Style", "-"), QString(yes ? "Oval" : "-"));
        QCOMPARE(doc->getLabelWidth(), 2.0);
    }

    // OK remembers the product and gives the label its exact lengths; the
    // dialog shows it again until a box says otherwise.
    void rememberedUntilEdited()
    {
        open();
        pick("cork test w2");
        QTest::keyClick(search(), Qt::Key_Return); // nothing new chosen, and OK not pressed by it
        QTest::mouseClick(dlg->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        QCOMPARE(catalogue::rememberedProduct(env->store), QString("Cork Test W2"));
        QCOMPARE(doc->getLabelWidth(), 99.1 / 25.4);
        QCOMPARE(doc->getColumnSpace(), 2.5 / 25.4);
        QCOMPARE(env->values.topMargin, 13.1 / 25.4);

        open();
        QCOMPARE(caption(), QString("Cork Test W2 — 99.1 x 67.7 mm, 2 x 4 on A4"));
        QTest::mouseClick(edit("txtTopMargin"), Qt::LeftButton);
        QTest::keyClick(edit("txtTopMargin"), Qt::Key_End);
        QTest::keyClick(edit("txtTopMargin"), Qt::Key_Backspace);
        QCOMPARE(caption(), frmOptions::CustomSheetCaption);
        QTest::keyClicks(edit("txtTopMargin"), "6");
        QCOMPARE(caption(), QString("Cork Test W2 — 99.1 x 67.7 mm, 2 x 4 on A4")); // the product's own value again
        QTest::keyClick(edit("txtTopMargin"), Qt::Key_Backspace);
        QTest::keyClicks(edit("txtTopMargin"), "7");
        input::tabAway();
        QCOMPARE(caption(), frmOptions::CustomSheetCaption);
        dlg->findChild<QPushButton*>("cmdApply")->click();
        QCOMPARE(catalogue::rememberedProduct(env->store), QString());
        QCOMPARE(doc->getTopMargin(), 0.517);
        QCOMPARE(doc->getLabelWidth(), 3.902); // as the box shows it now
    }

    // The toolbar's Select opens the label page ready to search; the menu
    // item opens it as before.
    void toolbarSelectSearches()
    {
        MainWithLabel f;
        writeFixture(f.env);
        QStringList focus;
        auto record = [&focus] {
            input::whenModal<frmOptions>([&focus](frmOptions* o) {
                QTRY_VERIFY(QApplication::focusWidget());
                focus << o->selectedTabKey() + ":" + QApplication::focusWidget()->objectName();
                o->cmdCancel_Click();
            });
        };
        record();
        f.m.findChild<QAction*>("tbSelect")->trigger();
        record();
        f.action("mnuFileLabelSize2")->trigger();
        QCOMPARE(focus.size(), 2);
        QCOMPARE(focus[0], QString("Label Specs:txtStockSearch"));
        QVERIFY(focus[1].startsWith("Label Specs:") && focus[1] != focus[0]);
    }

    // The whole way: "wine" typed in the options dialog, one of the program's
    // own wine sheets chosen, OK; the preview and the printed PDF hold the
    // product's labels at its positions on its paper, on a partly used sheet
    // and with the printer's adjustment too.
    void wineSheetPrintsOnTheProduct()
    {
        MainWithLabel f;
        QPrinter& printer = f.m.printer();
        if (printer.outputFormat() != QPrinter::PdfFormat)
            QSKIP("a printer is installed here: the print would go to it");
        f.env.values.cutmarks = 0;
        f.doc()->setBorderVisible(false);
        f.doc()->setBackColor(sheetsvg::Red);
        input::whenModal<frmOptions>([](frmOptions* o) {
            QLineEdit* search = o->findChild<QLineEdit*>("txtStockSearch");
            QTRY_COMPARE(QApplication::focusWidget(), search);
            QTest::keyClicks(search, "wine");
            QTreeView* list = o->findChild<QTreeView*>("lstStock");
            int row = 0;
            for (const catalogue::Product* p : o->stockPicker()->listed()) {
                if (p->name() == "Corkcrafter WL-A4")
                    break;
                ++row;
            }
            QVERIFY(row < int(o->stockPicker()->listed().size()));
            const QModelIndex i = list->model()->index(row, 0);
            list->scrollTo(i);
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(i).center());
            QTest::keyClick(list, Qt::Key_Return);
            QCOMPARE(o->stockProduct(), QString("Corkcrafter WL-A4"));
            QTest::mouseClick(o->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        f.m.findChild<QAction*>("tbSelect")->trigger();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        const catalogue::Product* p = catalogue::Catalogue::standard(f.env.ctx.paths.dataDir).find("Corkcrafter WL-A4");
        QVERIFY(p && p->across == 1 && p->down == 2);
        QCOMPARE(catalogue::rememberedProduct(f.env.store), p->name());

        // The preview: the product's paper with a label at each position.
        f.action("mnuFilePrintPreview")->trigger();
        auto* preview = f.m.findChild<frmPreview*>("frmPreview");
        QVERIFY(preview);
        const QImage page = preview->pageImage(1);
        const double dpi = page.width() / p->paperWidth;
        QVERIFY(std::abs(page.height() / dpi - p->paperHeight) < 0.02);
        qsizetype red = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                red += page.pixel(x, y) == qRgb(255, 0, 0);
        const double labelPixels = p->width * p->height * dpi * dpi;
        QVERIFY2(std::abs(red / labelPixels - 2) < 0.05, qPrintable(QString::number(red / labelPixels)));
        for (int j = 0; j < p->down; ++j)
            QCOMPARE(page.pixel(int((p->left + p->width / 2) * dpi), int((p->top + j * p->stepY + p->height / 2) * dpi)),
                     qRgb(255, 0, 0));
        preview->close();

        // Printed: a whole sheet, then one from its second label with the printer's adjustment.
        ScriptedPlatform& platform = f.env.platform;
        struct Run {
            int start;
            QPointF move;
        };
        for (const Run run : {Run{1, {}}, Run{2, {0.1, -0.05}}}) {
            const QString pdf = f.env.path(QString("sheet%1.pdf").arg(run.start)), svg = pdf + ".svg";
            platform.printAnswers = {1};
            platform.printerAnswers = {[pdf](QPrinter& pr) { pr.setOutputFileName(pdf); }};
            platform.labelsAnswers = {[run](QPrinter&, LabelsPage& l) {
                l.start = run.start;
                l.right = run.move.x();
                l.down = run.move.y();
            }};
            f.action("mnuFilePrint")->trigger();
            QCOMPARE(platform.labelsPages.last().lastStart, 2); // the product's labels
            QCOMPARE(pdftools::pages(pdf), 1);
            pdftools::run("pdftocairo", {"-svg", "-f", "1", "-l", "1", pdf, svg});
            QSizeF paper;
            const std::vector<QRectF> labels = sheetsvg::redRectangles(svg, &paper);
            const QString why = sheetsvg::compare(*p, labels, paper, run.start - 1, run.move);
            QVERIFY2(why.isEmpty(), qPrintable(why));
        }
    }
};

QTEST_MAIN(tst_StockPicker)
#include "tst_stockpicker.moc"
