// The main window driven through its menu items, buttons and boxes.
#include <QtTest>
#include <QComboBox>
#include <QLabel>
#include <QStatusBar>
#include <QWidgetAction>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>

#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "printing/PrintJob.h"
#include "printing/frmPreview.h"
#include "printing/Stock.h"
#include "platform/LabelsPageWidget.h"
#include <QPrintDialog>
#include <QPushButton>
#include <QTabWidget>
#include "mainwindow/frmMain.h"
#include "support/TestEnv.h"

class tst_MainWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<frmMain> main;

    frmDocument* doc() { return main->activeDocument(); }

private slots:
    void initTestCase()
    {
        // No spooler of this machine's: the program finds no printer at all.
        qputenv("CUPS_SERVER", QDir::temp().filePath("corkcrafter-no-cups.sock").toLocal8Bit());
    }
    void init()
    {
        env = std::make_unique<TestEnv>(true);
        main = std::make_unique<frmMain>(env->ctx);
        main->Form_Load();
        main->resize(1100, 800);
        main->show();
        main->LoadNewDoc();
    }
    void cleanup()
    {
        for (QMdiSubWindow* s : main->mdiArea()->subWindowList())
            if (auto* d = qobject_cast<frmDocument*>(s->widget()))
                d->setFlags(false, true);
        main.reset();
        env.reset();
    }

    void menusAndCaption()
    {
        QCOMPARE(main->windowTitle(), QString("Corkcrafter - 2.15"));
        struct Item {
            const char* name;
            const char* caption;
            const char* key;
            bool visible, enabled, checked;
        } items[] = {
            {"mnuFileNew", "&New", "Ctrl+N", true, true, false},
            {"mnuFileOpen", "&Open...", "Ctrl+O", true, true, false},
            {"mnuFileSave1", "Save &As...", "", true, true, false},
            {"mnuFileSaveAll", "Save A&ll", "", true, true, false},
            {"mnuFileLabelSize0", "Default &Beer Label", "", true, true, true},
            {"mnuFileLabelSize1", "Default &Wine Label", "", true, true, false},
            {"mnuFileLabelSize2", "&Label Properties/Options...", "", true, true, false},
            {"mnuFilePageSetup", "Page Set&up...", "", true, true, false},
            {"mnuFilePrintPreview", "Print Pre&view", "", true, true, false},
            {"mnuFileMRU0", "", "", false, false, false},
            {"mnuFileExit", "E&xit", "", true, true, false},
            {"mnuEditUndo", "&Undo", "Ctrl+Z", true, false, false},
            {"mnuEditRedo", "&Redo", "Ctrl+Y", true, false, false},
            {"mnuEditDelete", "Delete", "Del", true, false, false},
            {"mnuEditCut", "Cu&t", "Ctrl+X", true, true, false},
            {"mnuViewToolbar", "&Toolbar", "", true, true, true},
            {"mnuViewStatusBar", "Status &Bar", "", true, true, true},
            {"mnuViewShowGrid", "&Show Grid", "", true, true, true},
            {"mnuViewSnapToGrid", "Snap To &Grid", "", true, true, true},
            {"mnuViewShowGuides", "Sho&w Guides", "", true, true, false},
            {"mnuViewBringForward", "Bring &Forward", "", true, false, false},
            {"mnuTextEdit", "&Edit Text", "", true, false, false},
            {"mnuGraphicAspectRatio", "Maintain &Aspect Ratio", "", true, true, false},
            {"mnuGraphicEdit", "Edit Graphic", "", true, false, false},
            {"mnuGraphicRotateLeft", "Rotate &Left", "", false, false, false},
            {"mnuLabelBorderVisible", "Border &Visible", "", true, true, true},
            {"mnuLabelBackColor", "Label Background Color", "", true, true, false},
            {"mnuWindowTileVertical", "Tile &Vertical", "", true, true, false},
            {"mnuHelpOtherSoftware", "&Other Kelvane Software", "", true, true, false},
            {"mnuHelpAbout", "&About ", "", true, true, false},
        };
        // Qt reports a hidden action as disabled too.
        for (const Item& it : items) {
            QAction* a = main->findChild<QAction*>(it.name);
            QVERIFY2(a, it.name);
            QCOMPARE(a->text(), QString(it.caption));
            QCOMPARE(a->shortcut(), QKeySequence(it.key));
            QVERIFY2(a->isVisible() == it.visible, it.name);
            QVERIFY2(a->isEnabled() == it.enabled, it.name);
            QVERIFY2(a->isChecked() == it.checked, it.name);
        }
        QVERIFY(main->findChild<QAction*>("mnuFileBar4")->isVisible());
        QVERIFY(!main->findChild<QAction*>("mnuFileBar5")->isVisible());
        QCOMPARE(main->statusPanel()->text(), QString("Status"));
        QCOMPARE(doc()->caption(), QString("Label 1"));
    }

    void comboListsAndToolbars()
    {
        QComboBox* sizes = main->cboFontSize();
        QCOMPARE(sizes->itemText(0), QString("6"));
        QCOMPARE(sizes->itemText(1), QString("8"));
        QCOMPARE(sizes->itemText(2), QString("9"));
        QCOMPARE(sizes->itemText(3), QString("10"));
        QCOMPARE(sizes->count(), 18);
        QCOMPARE(sizes->currentText(), QString("18"));
        QComboBox* widths = main->cboBorderWidth();
        QCOMPARE(widths->count(), 16);
        QCOMPARE(widths->findText("5 "), -1);
        QCOMPARE(widths->itemText(0), QString("1 "));
        QCOMPARE(widths->currentText(), QString("12"));
        QCOMPARE(main->cboBorderStyle()->currentText(), QString("Rounded"));

        // Every shown button has a picture.
        for (int i = 0; i < 3; ++i)
            for (QAction* a : main->tbToolbar(i)->actions())
                if (!a->isSeparator() && a->isVisible() && !qobject_cast<QWidgetAction*>(a))
                    QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
        QCOMPARE(main->button("Preview")->toolTip(), QString("Print Preview"));
        QCOMPARE(main->button("Aspect Ratio")->toolTip(), QString("Maintain Aspect Ratio"));
        QVERIFY(main->button("Center")->isChecked());

        main->action("mnuViewToolbar")->trigger();
        for (int i = 0; i < 3; ++i)
            QVERIFY(!main->tbToolbar(i)->isVisible());
        main->action("mnuViewToolbar")->trigger();
        for (int i = 0; i < 3; ++i)
            QVERIFY(main->tbToolbar(i)->isVisible());
        main->action("mnuViewStatusBar")->trigger();
        QVERIFY(!main->statusBar()->isVisible());
    }

    void dropDownRekeysTheButton()
    {
        doc()->createNewText("Ale", 0);
        const double before = doc()->activeText()->left;
        main->tbToolbar_ButtonMenuClick("Right Align");
        QVERIFY(main->button("Right Align"));
        QVERIFY(!main->button("Horizontal Center"));
        QCOMPARE(doc()->activeText()->left, before); // nothing aligned yet
        main->button("Right Align")->trigger();
        QCOMPARE(doc()->activeText()->left, doc()->vGuideX() - doc()->activeText()->width);
        main->tbToolbar_ButtonMenuClick("Bottom Align");
        main->button("Bottom Align")->trigger();
        QCOMPARE(doc()->activeText()->top, doc()->hGuideY() - doc()->activeText()->height);
    }

    void borderWidthBox()
    {
        QComboBox* box = main->cboBorderWidth();
        QLineEdit* edit = box->lineEdit();
        auto type = [&](const QString& t) {
            edit->selectAll();
            QTest::keyClicks(edit, t);
        };
        type("39");
        QCOMPARE(doc()->border().width, int16_t(39));
        type("40");
        QCOMPARE(box->currentText(), QString("12"));
        QCOMPARE(doc()->border().width, int16_t(4)); // the "4" typed on the way was applied
        main->cboBorderWidth_Change("-3");
        QCOMPARE(box->currentText(), QString("12"));
        doc()->border().width = 7;
        box->setCurrentText("0");
        main->cboBorderWidth_Change("0");
        QCOMPARE(box->currentText(), QString("0"));
        QCOMPARE(doc()->border().width, int16_t(7));
        main->cboBorderWidth_LostFocus();
        QCOMPARE(box->currentText(), QString("7"));
        box->setCurrentText("abc");
        main->cboBorderWidth_Change("abc");
        QCOMPARE(doc()->border().width, int16_t(7));
        main->cboBorderWidth_LostFocus();
        QCOMPARE(box->currentText(), QString("7"));
        // Choosing "40" from the list is accepted.
        box->setCurrentIndex(box->findText("40"));
        main->cboBorderWidth_Click();
        QCOMPARE(doc()->border().width, int16_t(40));
    }

    void borderButtonsAndStyle()
    {
        QAction* menu = main->action("mnuLabelBorderVisible");
        QAction* btn = main->button("Show Border");
        QVERIFY(menu->isChecked() && btn->isChecked());
        btn->trigger();
        QVERIFY(!menu->isChecked());
        QVERIFY(!btn->isChecked());
        QVERIFY(!doc()->border().visible);
        QVERIFY(doc()->isChanged());
        menu->trigger();
        QVERIFY(menu->isChecked() && btn->isChecked() && doc()->border().visible);

        main->cboBorderStyle()->setCurrentText("Oval");
        main->cboBorderStyle_Click();
        QCOMPARE(doc()->valBorderStyle, QString("Oval"));
        QCOMPARE(doc()->border().shapeCode, int16_t(2));

        // Aspect ratio: menu and button follow each other and the setting is written.
        main->button("Aspect Ratio")->trigger();
        QVERIFY(doc()->valMaintainAspectRatioFlag);
        QVERIFY(main->action("mnuGraphicAspectRatio")->isChecked());
        QCOMPARE(env->store.read("Settings", "Aspect Ratio", ""), QString("True"));
        main->action("mnuGraphicAspectRatio")->trigger();
        QVERIFY(!main->button("Aspect Ratio")->isChecked());
        QCOMPARE(env->store.read("Settings", "Aspect Ratio", ""), QString("False"));
    }

    void activationShowsTheDocumentsState()
    {
        frmDocument* first = doc();
        first->border().width = 3;
        first->valBorderStyle = "Square";
        main->LoadNewDoc();
        QCOMPARE(doc()->caption(), QString("Label 2"));
        QCOMPARE(main->cboBorderWidth()->currentText(), QString("12"));
        main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
        QCOMPARE(doc(), first);
        QCOMPARE(main->cboBorderWidth()->currentText(), QString("3"));
        QCOMPARE(main->cboBorderStyle()->currentText(), QString("Square"));
    }

    void labelViewAtTrueSize()
    {
        LabelView* view = doc()->picLabelView();
        QCOMPARE(view->objectName(), QString("picLabelView"));
        QCOMPARE(view->twipsPerPixel(), 1440.0 / view->logicalDpiX());
        QCOMPARE(view->size(), view->pixelSizeFor(4320, 5400));
        view->grab();
        QCOMPARE(view->gridDotCount(), 37 * 46);
        main->action("mnuViewShowGrid")->trigger();
        QCOMPARE(env->store.read("Settings", "Show Grid", ""), QString("False"));
        view->grab();
        QCOMPARE(view->gridDotCount(), 0);
        main->action("mnuViewShowGuides")->trigger();
        QVERIFY(doc()->guidesVisible());
        QCOMPARE(doc()->vGuideX(), 2160.0);
        QCOMPARE(doc()->hGuideY(), 2700.0);

        // A window smaller than the label gets both bars and the corner.
        auto* sub = qobject_cast<QMdiSubWindow*>(doc()->parentWidget());
        sub->resize(150, 150);
        QVERIFY(doc()->VScroll()->isVisible());
        QVERIFY(doc()->HScroll()->isVisible());
        QVERIFY(doc()->Corner()->isVisible());
        doc()->VScroll()->setValue(40);
        QCOMPARE(view->y(), view->pixelSizeFor(0, 120).height() - 40);
        doc()->resizeLabel();
        QVERIFY(!doc()->VScroll()->isVisible());
        QCOMPARE(doc()->VScroll()->value(), 0);
    }

    void labelSizeCommands()
    {
        main->action("mnuFileLabelSize1")->trigger();
        QCOMPARE(doc()->surfaceWidth(), 7200);
        QCOMPARE(doc()->surfaceHeight(), 5760);
        QVERIFY(main->action("mnuFileLabelSize1")->isChecked());
        QVERIFY(!main->action("mnuFileLabelSize0")->isChecked());
        QCOMPARE(env->store.read("Settings", "Label Type", ""), QString("1"));
        QCOMPARE(env->store.read("Settings", "Label Width", ""), QString("5"));
        QCOMPARE(env->values.labelWidth, 5.0);

        // The default for new labels is a preference, not part of this label:
        // the command says so, and Undo gives back only the label's size.
        QCOMPARE(main->action("mnuFileLabelSize1")->statusTip(),
                 QString("Makes this label and every new label a wine label, 4 in high and 5 in wide; "
                         "Undo resizes only this label"));
        QVERIFY(main->action("mnuFileLabelSize0")->statusTip().startsWith("Makes this label and every new label a beer label"));
        QVERIFY(doc()->isChanged());
        main->action("mnuEditUndo")->trigger();
        QCOMPARE(doc()->surfaceWidth(), 4320);
        QVERIFY(!doc()->isChanged());
        QVERIFY(main->action("mnuFileLabelSize0")->isChecked()); // this label's type
        QCOMPARE(env->values.labelType, int16_t(1));
        QCOMPARE(env->store.read("Settings", "Label Type", ""), QString("1"));
        main->action("mnuFileNew")->trigger();
        QCOMPARE(doc()->surfaceWidth(), 7200);

        env->platform.shown.clear();
        main->mnuFileClose_Click();
        main->mnuFileClose_Click();
        QVERIFY(!doc());
        QVERIFY(env->platform.shown.isEmpty()); // neither label differs from what it was
        main->action("mnuFileLabelSize0")->trigger();
        QCOMPARE(env->platform.texts(), QStringList{"You must have a Label Loaded to set Properties"});
        QVERIFY(main->action("mnuFileLabelSize0")->isChecked());
        QCOMPARE(env->values.labelHeight, 3.75);
    }

    void closeAsksAboutChanges()
    {
        doc()->setChanged();
        auto* sub = qobject_cast<QMdiSubWindow*>(doc()->parentWidget());
        env->platform.answers = {MsgAnswer::Cancel};
        QVERIFY(!sub->close());
        QCOMPARE(env->platform.shown.last().text, QString("'Label 1' has Changed, Save the Changes?"));
        QCOMPARE(env->platform.shown.last().buttons, MsgButtons::YesNoCancel);
        QCOMPARE(env->platform.shown.last().icon, MsgIcon::Question);
        QVERIFY(doc());

        // Yes with a cancelled save dialog keeps the window and its changes.
        env->platform.answers = {MsgAnswer::Yes};
        env->platform.saveAnswers = {std::nullopt};
        QVERIFY(!sub->close());
        QVERIFY(doc() && doc()->isChanged());

        env->platform.answers = {MsgAnswer::No};
        QVERIFY(sub->close());
        QCoreApplication::processEvents();
        QVERIFY(!doc());

        // An unchanged document closes without a question.
        main->LoadNewDoc();
        const int asked = int(env->platform.shown.size());
        main->mnuFileClose_Click();
        QCOMPARE(int(env->platform.shown.size()), asked);
    }

    void printCommand()
    {
        // Cancelled: nothing printed, nothing said.
        env->platform.printAnswers = {std::nullopt};
        main->action("mnuFilePrint")->trigger();
        QVERIFY(env->platform.shown.isEmpty());

        const QString pdf = env->path("printed.pdf");
        main->printer().setOutputFormat(QPrinter::PdfFormat);
        main->printer().setOutputFileName(pdf);
        env->platform.printAnswers = {2};
        main->action("mnuFilePrint")->trigger();
        QVERIFY(env->platform.shown.isEmpty());
        QCOMPARE(main->statusPanel()->text(), QString());
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().count("/Type /Page\n"), 2);

        // A PDF that cannot be written is reported, once, with its name and the reason.
        const QString nowhere = env->path("no/such/folder/x.pdf");
        main->printer().setOutputFileName(nowhere);
        env->platform.printAnswers = {1};
        main->button("Print")->trigger();
        QCOMPARE(env->platform.texts(),
                 QStringList{"The PDF could not be written to \"" + nowhere + "\": No such file or directory"});
        QVERIFY(!QFileInfo::exists(nowhere));

        // A sheet of more than 10,000 labels: a message, and nothing printed.
        env->platform.shown.clear();
        const QString none = env->path("none.pdf");
        main->printer().setOutputFileName(none);
        doc()->setLabelDimensions(2, 0.001, 0.001);
        env->platform.printAnswers = {1};
        main->action("mnuFilePrint")->trigger();
        QCOMPARE(env->platform.texts().size(), 1);
        QVERIFY2(env->platform.texts().first().startsWith(
                     "The sheet cannot be printed: its layout would put more than 10,000 labels on one page"),
                 qPrintable(env->platform.texts().first()));
        QVERIFY(!QFileInfo::exists(none));
    }

    // With no printer at all every print says so, the preview's too, and a
    // file chosen afterwards in a print dialog is printed to: one failed
    // attempt must not leave printing stuck for the session.
    void noPrinterSaysSoEveryTime()
    {
        QPrinter& printer = main->printer();
        QVERIFY2(printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty(),
                 qPrintable("a printer was found: " + printer.printerName()));
        env->platform.printAnswers = {1, 1};
        main->action("mnuFilePrint")->trigger();
        main->action("mnuFilePrint")->trigger();
        main->action("mnuFilePrintPreview")->trigger();
        auto* preview = main->findChild<frmPreview*>("frmPreview");
        QVERIFY(preview);
        preview->action("mnuFilePrint")->trigger();
        QCOMPARE(env->platform.texts(), QStringList(3, printjob::NotAvailableMessage));
        preview->close();

        const QString pdf = env->path("chosen afterwards.pdf");
        env->platform.printAnswers = {1};
        env->platform.printerAnswers.push_back([pdf](QPrinter& p) { p.setOutputFileName(pdf); });
        main->action("mnuFilePrint")->trigger();
        QCOMPARE(printer.outputFileName(), pdf);
        QCOMPARE(env->platform.texts().size(), 3);
        QVERIFY(QFileInfo::exists(pdf));
    }

    // The "Labels" page inside Qt's own print dialog shows its whole
    // explanation: the wrapped text gets the height it needs.
    void labelsPageShowsItsWholeText()
    {
        LabelsPage page;
        page.help = stock::adjustmentHelp();
        QPrintDialog dlg(&main->printer(), main.get());
        auto* widget = new LabelsPageWidget(page);
        dlg.setOptionTabs({widget});
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        for (QPushButton* b : dlg.findChildren<QPushButton*>())
            if (b->text().remove('&').startsWith("Options"))
                b->click();
        auto* tabs = dlg.findChild<QTabWidget*>();
        QVERIFY(tabs);
        tabs->setCurrentWidget(widget);
        QTest::qWait(50);
        auto* help = widget->findChild<QLabel*>("lblAdjustHelp");
        QVERIFY(help && help->isVisible());
        QVERIFY2(help->height() >= help->heightForWidth(help->width()),
                 qPrintable(QString("%1 px high, %2 needed").arg(help->height()).arg(help->heightForWidth(help->width()))));
        QVERIFY(widget->rect().contains(help->geometry()));
        dlg.reject();
    }

    // The print dialog's "Labels" page: opened with the start last chosen and
    // the sheet's number of labels; what is accepted there is printed.
    void printDialogLabelsPage()
    {
        const QString pdf = env->path("partly.pdf");
        main->printer().setOutputFormat(QPrinter::PdfFormat);
        main->printer().setOutputFileName(pdf);
        env->platform.printAnswers = {1};
        env->platform.labelsAnswers.push_back([](QPrinter&, LabelsPage& page) { page.start = 2; });
        main->action("mnuFilePrint")->trigger();
        QVERIFY2(env->platform.shown.isEmpty(), qPrintable(env->platform.texts().join("; ")));
        QCOMPARE(env->platform.labelsPages.size(), 1);
        const LabelsPage first = env->platform.labelsPages.first();
        QCOMPARE(first.start, 1);
        const QSizeF paper = main->printer().pageLayout().fullRect(QPageLayout::Inch).size();
        QCOMPARE(first.lastStart, int(printjob::labelsOnSheet(*doc(), paper.width(), paper.height())));
        QVERIFY(first.lastStart >= 2);
        QCOMPARE(first.right, 0.0);
        QVERIFY(first.help.contains("Printer Test"));
        QVERIFY(QFileInfo::exists(pdf));
        // The partly used sheet is used up: the next print starts on a whole one.
        QCOMPARE(env->values.startLabel, 1);

        // Cancelled: a start chosen but not printed stays for the next dialog.
        env->platform.printAnswers = {std::nullopt, std::nullopt};
        env->platform.labelsAnswers.push_back([](QPrinter&, LabelsPage& page) { page.start = 3; });
        main->action("mnuFilePrint")->trigger();
        QCOMPARE(env->platform.labelsPages.at(1).start, 1);
        QCOMPARE(env->values.startLabel, 1);
        QCOMPARE(env->platform.labelsAnswers.size(), size_t(1));
    }

    void pressingAnItemFollowsTheToolbarAndTakesTheKeys()
    {
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        main->button("Align Right")->trigger();
        main->button("Bold")->trigger();
        main->cboFontSize()->setCurrentText("10.7");
        QVERIFY(doc()->createNewText("Ale", 0));
        const TextItem ale = *doc()->activeText();
        QVERIFY(ale.font.bold);
        QCOMPARE(ale.alignment, int16_t(1));
        doc()->SelectNothing();
        QVERIFY(!main->action("mnuTextEdit")->isEnabled());
        main->button("Center")->trigger();
        main->button("Bold")->trigger();
        main->cboFontSize()->setCurrentText("24");

        // A press on the item brings the boxes and buttons in line with it.
        main->cboFonts()->setFocus();
        LabelView* view = doc()->picLabelView();
        const QPointF centre(ale.left + ale.width / 2, ale.top + ale.height / 2);
        QTest::mouseClick(view, Qt::LeftButton, {}, (centre / view->twipsPerPixel()).toPoint());
        QCOMPARE(main->cboFontSize()->currentText(), QString("10.5"));
        QVERIFY(main->button("Bold")->isChecked());
        QVERIFY(main->button("Align Right")->isChecked());
        QVERIFY(main->action("mnuTextEdit")->isEnabled());
        QVERIFY(main->action("mnuEditDelete")->isEnabled() && main->button("Delete")->isEnabled());
        QVERIFY(!main->action("mnuGraphicEdit")->isEnabled());

        // The label has the keyboard now: Down moves the item, not the font box.
        QVERIFY(view->hasFocus());
        const QString font = main->cboFonts()->currentText();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(doc()->activeText()->top, ale.top + 15);
        QCOMPARE(main->cboFonts()->currentText(), font);

        // A right press shows the Edit menu as a pop-up.
        QTest::mouseClick(view, Qt::RightButton, {}, QPoint(3, 3));
        QTRY_VERIFY(main->editMenu()->isVisible());
        main->editMenu()->close();
        QVERIFY(doc()->activeTextItemSelected());
    }

    void clipboardCommands()
    {
        env->platform.shown.clear();
        main->action("mnuEditCopy")->trigger();
        QCOMPARE(env->platform.shown.last().text, QString("Nothing Selected"));
        QCOMPARE(env->platform.shown.last().title, QString("Error"));
        main->action("mnuEditPaste")->trigger();
        QCOMPARE(env->platform.shown.last().text, QString("Nothing on the Clipboard that can be Pasted"));
        QCOMPARE(env->platform.shown.last().title, QString("Error"));

        // Cut from the toolbar: no question, nothing left selected; paste it back.
        QVERIFY(doc()->createNewText("Stout", 0));
        env->platform.shown.clear();
        main->button("Cut")->trigger();
        QVERIFY(env->platform.shown.isEmpty());
        QVERIFY(doc()->texts().empty());
        QVERIFY(!main->action("mnuEditDelete")->isEnabled());
        main->button("Paste")->trigger();
        QCOMPARE(doc()->activeText()->text, QString("Stout"));
        QVERIFY(env->platform.shown.isEmpty());
        // Delete from the menu asks first.
        env->platform.answers = {MsgAnswer::No};
        main->action("mnuEditDelete")->trigger();
        QCOMPARE(env->platform.shown.last().text, QString("Are you sure you want to delete the selected text?"));
        QVERIFY(doc()->activeTextItemSelected());
        // The hidden picture commands still only speak.
        QVERIFY(!main->action("mnuGraphicRotateLeft")->isVisible());
    }

    void inputWhileThePictureEditorRunsIsDropped()
    {
        // The editor ends when the marker appears (or gives up after a few seconds).
        const QString marker = env->path("closed"), editor = env->path("editor.sh");
        QFile script(editor);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nfor i in $(seq 100); do [ -e '%1' ] && exit 0; sleep 0.05; done\n")
                         .arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env->values.graphicsEditor = editor;
        env->platform.realProcesses = true;
        QImage rose(30, 20, QImage::Format_RGB32);
        rose.fill(Qt::red);
        QVERIFY(rose.save(env->path("rose.png")));
        QVERIFY(doc()->createNewGraphic(env->path("rose.png")));
        const QString status = main->statusPanel()->text();
        const qsizetype labels = main->documents().size(), messages = env->platform.shown.size();

        // Two clicks on New, Ctrl+N and Delete while the editor runs.
        QString shownWhileWaiting;
        QTimer::singleShot(0, [&] {
            shownWhileWaiting = main->statusPanel()->text();
            QWidget* newButton = main->tbToolbar(0)->widgetForAction(main->button("New"));
            QTest::mouseClick(newButton, Qt::LeftButton);
            QTest::mouseClick(newButton, Qt::LeftButton);
            QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
            QTest::keyClick(doc()->picLabelView(), Qt::Key_Delete);
            QFile(marker).open(QIODevice::WriteOnly);
        });
        main->action("mnuGraphicEdit")->trigger();
        QTRY_VERIFY(QFile::exists(marker));
        QTest::qWait(20);
        QCOMPARE(shownWhileWaiting, QString::fromUtf8("Waiting for the picture editor to close\u2026"));
        QCOMPARE(main->documents().size(), labels);
        QCOMPARE(env->platform.shown.size(), messages);
        QVERIFY(doc()->activeItemSelected());
        QCOMPARE(main->statusPanel()->text(), status);
        // Afterwards the program takes input again.
        QTest::keyClick(main.get(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(main->documents().size(), labels + 1);
    }

    void commandsWithoutADocumentDoNotCrash()
    {
        main->mnuFileClose_Click();
        QVERIFY(!doc());
        for (const char* name : {"mnuFileSave0", "mnuFileSaveAll", "mnuFileClose", "mnuEditDelete", "mnuViewShowGuides",
                                 "mnuViewShowGrid", "mnuGraphicAspectRatio", "mnuFilePrint", "mnuTextEdit"})
            main->action(name)->trigger();
        for (const char* key : {"Bold", "Center", "Delete", "Horizontal Center", "Vertical Center", "Save", "Show Border", "Print"}) {
            QVERIFY2(main->button(key), key);
            main->button(key)->trigger();
        }
        QVERIFY(!doc());
        // Text colour creates a document first; a cancelled chooser changes nothing.
        env->platform.colorAnswers = {std::nullopt};
        main->action("mnuTextColor")->trigger();
        QVERIFY(doc());
        QCOMPARE(env->platform.colorTitles.last(), QString("Text Color"));
        QCOMPARE(env->values.textColor, ColorValue(0));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
