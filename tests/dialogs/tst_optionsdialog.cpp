// The options dialog driven with real keys and clicks, and from the main window.
#include <QtTest>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "support/MainWindowFixture.h"
#include "support/OptionsFixture.h"
#include "support/UserInput.h"

using input::tabAway;
using options::Box;

class tst_OptionsDialog : public QObject, OptionsFixture {
    Q_OBJECT

    const QStringList labelBoxes{"txtCustomHeight", "txtCustomWidth", "txtTopMargin",
                                 "txtLeftMargin",   "txtRowSpace",    "txtColumnSpace"};
    // Every key in the store with its value.
    QStringList stored()
    {
        QStringList all;
        for (const QString& key : env->store.keys())
            all << key + "=" + env->store.read(key.section('/', 0, 0), key.section('/', 1), "");
        return all;
    }
    void nextPage(const QString& expected)
    {
        QWidget* w = QApplication::focusWidget();
        QTest::keyClick(w ? w : dlg.get(), Qt::Key_Tab, Qt::ControlModifier);
        QCOMPARE(dlg->selectedTabKey(), expected);
    }

private slots:
    void init() { setUp(); }
    void cleanup() { tearDown(); }

    void loadsFromTheDocumentOrTheDefaultsAndLabelTypes()
    {
        doc->setLabelDimensions(2, 2.5, 3.125);
        doc->setTopMargin(0.5);
        doc->setLeftMargin(0.333);
        doc->setRowSpace(0);
        doc->setColumnSpace(0.125);
        doc->setCutmarks(3);
        env->values.templateFile = "Stout.ckm";
        open();
        QCOMPARE(texts(labelBoxes), QStringList({"2.5", "3.125", "0.5", "0.333", "0.0", "0.125"}));
        QVERIFY(checked("optLabelType2") && checked("optCutmarks3") && checked("optOrientation1"));
        QVERIFY(edit("txtCustomWidth")->isEnabled());
        QVERIFY(env->platform.shown.isEmpty()); // filling the dialog asks nothing about the template
        QCOMPARE(edit("txtDir3")->text(), QString("Stout.ckm"));
        QVERIFY(!dlg->locationsChanged());

        // A fixed label type chosen: its size, and the template let go only when the answer is Yes.
        click("optLabelType1");
        QCOMPARE(edit("txtCustomHeight")->text() + " x " + edit("txtCustomWidth")->text(), QString("4.0 x 5.0"));
        QCOMPARE(env->platform.texts(), QStringList({"Deactivate Template file: 'Stout.ckm'?"}));
        QCOMPARE(env->platform.shown[0].buttons, MsgButtons::YesNo);
        QCOMPARE(env->values.templateFile, QString("Stout.ckm")); // answered No
        click("optLabelType2");
        QCOMPARE(env->platform.texts().size(), 2);
        env->platform.answers.push_back(MsgAnswer::Yes);
        click("optLabelType0");
        QCOMPARE(edit("txtCustomHeight")->text(), QString("3.75"));
        QCOMPARE(env->values.templateFile, QString());
        QCOMPARE(env->store.read("Settings", "Template File", "x"), QString());
        click("optLabelType1"); // no template any more: no question
        QCOMPARE(env->platform.texts().size(), 3);

        // Without a document: the defaults, a beer label fills the size boxes.
        env->values.labelType = 0;
        env->values.topMargin = 0.25;
        env->values.borderVisible = false;
        env->values.borderStyle = "Oval";
        env->values.borderWidth = 5;
        env->values.gridWidth = 60;
        env->values.guideSetting = 2;
        env->values.settingsChanged = true;
        open(false);
        QVERIFY(!env->values.settingsChanged);
        QCOMPARE(texts({"txtCustomHeight", "txtCustomWidth", "txtTopMargin", "txtLeftMargin", "txtGridWidth"}),
                 QStringList({"3.75", "3.0", "0.25", "0", "60"}));
        QVERIFY(!edit("txtCustomWidth")->isEnabled());
        QVERIFY(!checked("chkBorder") && checked("optGuide2"));
        QCOMPARE(child<QComboBox>("cboBorderStyle")->currentText(), QString("Oval"));
        QCOMPARE(child<QComboBox>("cboBorderWidth")->currentText(), QString("5"));
    }

    // The box passes the program's separator to the key rule (tst_options).
    void numericKeyFilter()
    {
        env->values.decimalSeparator = ',';
        open();
        typeInto(edit("txtLeftMargin"), "0,5.a");
        QCOMPARE(edit("txtLeftMargin")->text(), QString("0,5"));
        QCOMPARE(env->platform.beeps, 2);
        tabAway();
        QCOMPARE(edit("txtLeftMargin")->text(), QString("0,5"));
        QVERIFY(env->platform.shown.isEmpty());
    }

    // Apply stays with its page; edited pages reach OK, untouched ones do not.
    void applyAndOkCommitTheEditedPages()
    {
        open();
        nextPage("Border");
        click("chkBorder");
        nextPage("Grid");
        QVERIFY(!dlg->tabStrip()->widget(1)->isEnabled());
        typeInto(edit("txtGridWidth"), "240");
        tabAway();
        click("optGuide1");
        click("cmdApply");
        QCOMPARE(stored(), QStringList({"Settings/Grid Height=120", "Settings/Grid Width=240"}));
        QCOMPARE(std::pair(env->values.gridWidth, env->values.guideSetting), std::pair(int16_t(240), int16_t(1)));
        QVERIFY(env->values.borderVisible && env->values.settingsChanged && !dlg->pageEdited(2));

        // "Set To Defaults" puts 120 back in both boxes.
        click("cmdDefaults");
        QCOMPARE(texts({"txtGridWidth", "txtGridHeight"}), QStringList({"120", "120"}));
        // Ctrl+Tab on the last page wraps to the first, Ctrl+Shift+Tab back.
        nextPage("Locations");
        nextPage("Label Specs");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(dlg->selectedTabKey(), QString("Locations"));
        click("cmdOK");
        QVERIFY(!env->values.borderVisible);
        QCOMPARE(env->store.read("Settings", "Border", ""), QString("False"));
        QCOMPARE(env->values.gridWidth, int16_t(120));
        QVERIFY(!env->store.contains("Settings", "Label TopMargin"));

        // A top margin typed, then another page shown: OK keeps the margin.
        open();
        typeInto(edit("txtTopMargin"), "0.75");
        nextPage("Border");
        click("cmdOK");
        QCOMPARE(doc->getTopMargin(), 0.75);
        QCOMPARE(env->values.topMargin, 0.75);
        QCOMPARE(env->store.read("Settings", "Label TopMargin", ""), QString("0.75"));
    }

    void okApplyAndCancelOfTheLabelPage()
    {
        // Limits are tst_options'; Tab and Enter on OK check the box before the label gets it.
        open();
        click("optLabelType2");
        typeInto(edit("txtCustomHeight"), "11.01");
        tabAway();
        QCOMPARE(edit("txtCustomHeight")->text(), QString("10.25"));
        QCOMPARE(env->platform.texts(), QStringList{"Height Cannot Exceed the Paper Height"});
        typeInto(edit("txtCustomWidth"), "99");
        QTest::keyClick(edit("txtCustomWidth"), Qt::Key_Return);
        QCOMPARE(env->platform.texts().last(), QString("Width Cannot Exceed the Paper Width"));
        QCOMPARE(doc->getLabelWidth(), 7.75);
        QCOMPARE(env->store.read("Settings", "Label Width", ""), QString("7.75"));

        env->store = MemorySettingsStore(); // what Apply writes, alone
        open();
        // A margin from a stock data sheet is kept as typed, to the thousandth.
        const QStringList typed{"1.25", "2.5", "0.5", "0.235", "0.1", "0.2"};
        for (int i = 0; i < labelBoxes.size(); ++i)
            typeInto(edit(labelBoxes[i]), typed[i]);
        tabAway();
        click("optCutmarks1");
        click("optOrientation2");
        click("cmdApply");
        QCOMPARE(stored(), QStringList({"Settings/Cutmarks=1", "Settings/Label ColumnSpace=0.2",
                                      "Settings/Label Height=1.25", "Settings/Label LeftMargin=0.235",
                                      "Settings/Label RowSpace=0.1", "Settings/Label TopMargin=0.5",
                                      "Settings/Label Type=2", "Settings/Label Width=2.5"}));
        QCOMPARE(QList<double>({doc->getLabelHeight(), doc->getLabelWidth(), doc->getTopMargin(), doc->getLeftMargin(),
                                doc->getRowSpace(), doc->getColumnSpace()}),
                 QList<double>({1.25, 2.5, 0.5, 0.235, 0.1, 0.2}));
        QCOMPARE(std::pair(doc->getLabelType(), doc->getCutmarks()), std::pair(int16_t(2), int16_t(1)));
        QCOMPARE(env->values.columnSpace, 0.2);

        // Cancel commits nothing.
        open();
        typeInto(edit("txtTopMargin"), "1");
        tabAway();
        click("cmdCancel");
        QCOMPARE(doc->getTopMargin(), 0.5);
    }

    // Millimetres chosen on the first page: the boxes are rewritten, a limit
    // is told in millimetres, and Apply keeps inches, a box left alone to
    // the value it had.
    void lengthsInMillimetres()
    {
        doc->setLabelDimensions(2, 2.5, 3.0);
        doc->setLeftMargin(0.235);
        open();
        QCOMPARE(texts({"txtCustomWidth", "txtLeftMargin"}), QStringList({"3.0", "0.235"}));
        auto* units = child<QComboBox>("cboUnits");
        units->setFocus();
        QTest::keyClick(units, Qt::Key_Down);
        QCOMPARE(dlg->unit(), lengths::Unit::Millimetres);
        QCOMPARE(texts({"txtCustomWidth", "txtCustomHeight", "txtLeftMargin"}), QStringList({"76.2", "63.5", "5.97"}));
        typeInto(edit("txtCustomWidth"), "0");
        tabAway();
        QCOMPARE(env->platform.texts(), QStringList{"Width Must be Greater than 0 mm"});
        QCOMPARE(edit("txtCustomWidth")->text(), QString("50.8"));
        typeInto(edit("txtRowSpace"), "10");
        tabAway();
        click("cmdApply");
        QCOMPARE(doc->getLeftMargin(), 0.235);
        QCOMPARE(doc->getRowSpace(), 10 / 25.4);
        QCOMPARE(env->values.unit, lengths::Unit::Millimetres);
        QCOMPARE(env->store.read("Settings", "Units", ""), QString("millimetres"));
        QCOMPARE(env->store.read("Settings", "Label LeftMargin", ""), QString("0.235"));
    }

    void miniatureFollowsTheBoxes()
    {
        open();
        // The test page prints on the chosen printer (what it holds: tst_miniature).
        click("cmdPrintTest");
        QVERIFY(QFileInfo(env->path("out.pdf")).size() > 1000);
        QVERIFY(env->platform.shown.isEmpty());
        SheetPicture* page = dlg->page();
        QCOMPARE(page->pageTwips(), QSizeF(2040, 2640));
        QCOMPARE(page->drawing().labels.size(), size_t(4)); // beer labels on Letter
        click("optLabelType2");
        typeInto(edit("txtCustomWidth"), "2");
        typeInto(edit("txtCustomHeight"), "1");
        // While typing; from the paper's corner, the last row ending on its edge.
        QCOMPARE(page->drawing().labels.size(), size_t(4 * 11));
        const int before = page->redraws();
        typeInto(edit("txtCustomHeight"), "");
        QCOMPARE(page->redraws(), before);
        QCOMPARE(page->drawing().labels.size(), size_t(4 * 11));
        QTest::keyClicks(edit("txtCustomHeight"), "0");
        QCOMPARE(page->redraws(), before);

        click("optCutmarks0");
        QCOMPARE(dlg->cutmarks(), int16_t(0));
        edit("txtCustomWidth")->setText("3");
        QVERIFY(page->drawing().marks.empty());
        click("optCutmarks3");
        QVERIFY(!page->drawing().marks.empty());

        click("optOrientation2");
        QCOMPARE(printer->pageLayout().orientation(), QPageLayout::Landscape);
        QCOMPARE(page->pageTwips(), QSizeF(2640, 2040));
        QVERIFY(page->width() > page->height());
        QCOMPARE(dlg->lblPaperSize()->text(), QString(" 11 x 8.5 in"));

        // Printer Setup: a cancelled dialog redraws nothing; OK redraws.
        const int r = page->redraws();
        click("SetupButton");
        QCOMPARE(env->platform.printDialogs, 1);
        QCOMPARE(page->redraws(), r);
        env->platform.printAnswers.push_back(1);
        click("SetupButton");
        QCOMPARE(page->redraws(), r + 1);
    }

    void borderAndLocationsPages()
    {
        open(true, 1);
        click("chkBorder");
        QVERIFY(!child<QComboBox>("cboBorderWidth")->isEnabled());
        click("chkBorder");
        QVERIFY(child<QComboBox>("cboBorderWidth")->isEnabled());
        auto* swatch = static_cast<ColorSwatch*>(child<QLabel>("picBorderColor"));
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(swatch->color(), 0u); // cancelled
        env->platform.colorAnswers.push_back(0x0000FFu);
        QTest::mouseClick(swatch, Qt::LeftButton);
        QCOMPARE(swatch->color(), 0x0000FFu);

        QComboBox* width = child<QComboBox>("cboBorderWidth");
        typeInto(width->lineEdit(), "x");
        tabAway();
        QCOMPARE(width->currentText(), QString("12"));
        typeInto(width->lineEdit(), "7");
        tabAway();
        child<QComboBox>("cboBorderStyle")->setCurrentText("Square");
        click("cmdApply");
        QCOMPARE(stored(), QStringList({"Settings/Border=True", "Settings/Border Color=255",
                                        "Settings/Border Style=Square", "Settings/Border Width=7"}));
        const ProgramValues& v = env->values;
        QCOMPARE(QString("%1 %2 %3").arg(v.borderWidth).arg(v.borderStyle).arg(v.borderColor), QString("7 Square 255"));

        // The locations page.
        open(true, 3);
        env->platform.folderAnswers.push_back(std::nullopt);
        click("cmdChgDir0");
        QCOMPARE(env->platform.folderRequests.last()[1], env->values.labelFolder); // starts in the current one
        QCOMPARE(edit("txtDir0")->text(), env->values.labelFolder);
        QVERIFY(!dlg->locationsChanged());
        env->platform.folderAnswers.push_back(QString("/srv/labels"));
        click("cmdChgDir0");
        QCOMPARE(edit("txtDir0")->text(), QString("/srv/labels"));
        QVERIFY(dlg->locationsChanged());

        env->platform.openAnswers.push_back(ScriptedPlatform::chosen("/t/Templates/Stout.ckm"));
        click("cmdChgDir3");
        QCOMPARE(env->platform.fileRequests.last().initialDir, env->values.templateFolder);
        QCOMPARE(edit("txtDir3")->text(), QString("Stout.ckm")); // the name only

        env->platform.openAnswers.push_back(ScriptedPlatform::chosen("/usr/bin/pinta"));
        click("cmdChgDir4");
        QCOMPARE(edit("txtDir4")->text(), QString("/usr/bin/pinta"));

        click("cmdOK");
        QVERIFY(!dlg->isVisible());
        QCOMPARE(env->values.labelFolder, QString("/srv/labels"));
        QCOMPARE(env->values.templateFile, QString("Stout.ckm"));
        QCOMPARE(env->store.read("Settings", "Graphics Editor", ""), QString("/usr/bin/pinta"));
        QCOMPARE(env->store.keys().size(), 4 + 5); // the border's and the locations
    }

    // Define Grid opens the grid page (Label Properties the label page: tst_shell).
    void fromTheMainWindow()
    {
        MainWithLabel f;
        QString page;
        input::whenModal<frmOptions>([&page](frmOptions* o) {
            page = o->selectedTabKey();
            o->box(Box::GridWidth)->setText("60");
            o->cmdOK_Click();
        });
        f.action("mnuViewDefineGrid")->trigger();
        QCOMPARE(page, QString("Grid"));
        QCOMPARE(f.env.values.gridWidth, int16_t(60));
        QVERIFY(f.env.platform.shown.isEmpty());
    }
};

QTEST_MAIN(tst_OptionsDialog)
#include "tst_optionsdialog.moc"
