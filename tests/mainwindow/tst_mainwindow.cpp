// The main window driven with real keys and clicks, printing with scripted dialogs.
#include <QtTest>
#include <QAccessible>
#include <QLabel>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolBar>
#include <QWidgetAction>

#include "app/WindowPlacement.h"
#include "dialogs/frmTextInput.h"
#include "printing/PrintJob.h"
#include "printing/frmPreview.h"
#include "support/DialogStandIn.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

using namespace input;

class tst_MainWindow : public QObject, WindowTests {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // No spooler of this machine's: the program finds no printer at all.
        qputenv("CUPS_SERVER", QDir::temp().filePath("corkcrafter-no-cups.sock").toLocal8Bit());
    }
    void init()
    {
        f = std::make_unique<MainWithLabel>(true, QSize(1100, 800));
        main().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }
    void cleanup() { f.reset(); }

    // What needs a selection starts disabled and the hidden commands stay hidden.
    void startingStateAndTiling()
    {
        for (const char* needsSelection : {"mnuEditUndo", "mnuEditRedo", "mnuEditDelete", "mnuViewBringForward",
                                           "mnuTextEdit", "mnuGraphicEdit"})
            QVERIFY2(action(needsSelection)->isVisible() && !action(needsSelection)->isEnabled(), needsSelection);
        QVERIFY(!action("mnuFileMRU0")->isVisible() && !action("mnuGraphicRotateLeft")->isVisible());
        // Every shown button has a picture; the toolbars and status bar hide.
        for (int i = 0; i < 3; ++i)
            for (QAction* a : main().tbToolbar(i)->actions())
                if (!a->isSeparator() && a->isVisible() && !qobject_cast<QWidgetAction*>(a))
                    QVERIFY2(!a->icon().isNull(), qPrintable(a->text()));
        action("mnuViewToolbar")->trigger();
        for (int i = 0; i < 3; ++i)
            QVERIFY(!main().tbToolbar(i)->isVisible());
        action("mnuViewToolbar")->trigger();
        QVERIFY(main().tbToolbar(2)->isVisible());
        action("mnuViewStatusBar")->trigger();
        QVERIFY(!main().statusBar()->isVisible());

        // Three labels tiled each way take the places the tiling rule gives.
        main().LoadNewDoc();
        main().LoadNewDoc();
        const QRect area = main().mdiArea()->viewport()->rect();
        auto sorted = [](QList<QRect> g) {
            std::sort(g.begin(), g.end(), [](QRect a, QRect b) { return std::pair(a.top(), a.left()) < std::pair(b.top(), b.left()); });
            return g;
        };
        for (bool horizontal : {true, false}) {
            action(horizontal ? "mnuWindowTileHorizontal" : "mnuWindowTileVertical")->trigger();
            QList<QRect> g;
            for (QMdiSubWindow* s : main().mdiArea()->subWindowList())
                g << s->geometry();
            QCOMPARE(sorted(g), sorted(placement::tiles(area, 3, horizontal)));
        }
    }

    // Menu and button follow each other; each label shows its own border.
    void borderAspectAndAlignControls()
    {
        QAction* menu = action("mnuLabelBorderVisible");
        QAction* btn = main().button("Show Border");
        btn->trigger();
        QVERIFY(!menu->isChecked() && !btn->isChecked() && !doc()->border().visible);
        QVERIFY(doc()->isChanged());
        menu->trigger();
        QVERIFY(menu->isChecked() && btn->isChecked() && doc()->border().visible);

        main().cboBorderStyle()->setCurrentText("Oval");
        main().cboBorderStyle_Click();
        QCOMPARE(doc()->valBorderStyle, QString("Oval"));

        main().button("Aspect Ratio")->trigger();
        QVERIFY(doc()->valMaintainAspectRatioFlag && action("mnuGraphicAspectRatio")->isChecked());
        QCOMPARE(env().store.read("Settings", "Aspect Ratio", ""), QString("True"));
        action("mnuGraphicAspectRatio")->trigger();
        QVERIFY(!main().button("Aspect Ratio")->isChecked());
        QCOMPARE(env().store.read("Settings", "Aspect Ratio", ""), QString("False"));

        frmDocument* first = doc();
        first->border().width = 3;
        main().LoadNewDoc();
        auto boxes = [&] { return main().cboBorderWidth()->currentText() + ' ' + main().cboBorderStyle()->currentText(); };
        QCOMPARE(doc()->caption(), QString("Label 2"));
        QCOMPARE(boxes(), QString("12 Rounded"));
        main().mdiArea()->setActiveSubWindow(subWindowOf(first));
        QCOMPARE(doc(), first);
        QCOMPARE(boxes(), QString("3 Oval"));

        // A drop-down's choice becomes the button's command.
        doc()->createNewText("Ale", 0);
        const double before = doc()->activeText()->left;
        main().tbToolbar_ButtonMenuClick("Right Align");
        QVERIFY(main().button("Right Align") && !main().button("Horizontal Center"));
        QCOMPARE(doc()->activeText()->left, before); // nothing aligned yet
        main().button("Right Align")->trigger();
        QCOMPARE(doc()->activeText()->left, doc()->vGuideX() - doc()->activeText()->width);
        main().tbToolbar_ButtonMenuClick("Bottom Align");
        main().button("Bottom Align")->trigger();
        QCOMPARE(doc()->activeText()->top, doc()->hGuideY() - doc()->activeText()->height);
    }

    // A window smaller than its label: the label is painted nowhere on the bars.
    void labelViewAndASmallWindow()
    {
        LabelView* view = doc()->picLabelView();
        QCOMPARE(view->size(), view->pixelSizeFor(4320, 5400));
        view->grab();
        QCOMPARE(view->gridDotCount(), 37 * 46);
        action("mnuViewShowGrid")->trigger();
        QCOMPARE(env().store.read("Settings", "Show Grid", ""), QString("False"));
        view->grab();
        QCOMPARE(view->gridDotCount(), 0);
        action("mnuViewShowGuides")->trigger();
        QVERIFY(doc()->guidesVisible());
        QCOMPARE(QPointF(doc()->vGuideX(), doc()->hGuideY()), QPointF(2160, 2700));

        frmDocument* d = doc();
        d->setBackColor(0x0000FF); // red
        subWindowOf(d)->resize(180, 160);
        QCoreApplication::processEvents();
        QScrollBar* vbar = d->VScroll();
        QScrollBar* hbar = d->HScroll();
        QVERIFY(vbar->isVisible() && hbar->isVisible() && d->Corner()->isVisible());
        const QRect status = d->findChild<QStatusBar*>("stbStatus")->geometry();
        auto redIn = [](const QImage& shot, const QRect& r) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    n += shot.pixel(x, y) == qRgb(255, 0, 0);
            return n;
        };
        QImage shot = d->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QVERIFY(redIn(shot, QRect(20, 20, 20, 20)) > 0);
        for (const QRect& r : {status, vbar->geometry(), hbar->geometry(), QRect(vbar->x(), hbar->y(), vbar->width(), hbar->height())})
            QCOMPARE(redIn(shot, r), 0);
        vbar->setValue(40);
        QCOMPARE(view->y(), view->pixelSizeFor(0, 120).height() - 40);
        // Scrolled to the far corner the label still stops at the bars.
        vbar->setValue(vbar->maximum());
        hbar->setValue(hbar->maximum());
        shot = d->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(redIn(shot, QRect(0, status.y(), shot.width(), shot.height() - status.y())), 0);
        d->resizeLabel();
        QVERIFY(!vbar->isVisible());
        QCOMPARE(vbar->value(), 0);
    }

    void labelSizeAndCommandsWithoutALabel()
    {
        action("mnuFileLabelSize1")->trigger();
        QCOMPARE(QSize(doc()->surfaceWidth(), doc()->surfaceHeight()), QSize(7200, 5760));
        QVERIFY(action("mnuFileLabelSize1")->isChecked() && !action("mnuFileLabelSize0")->isChecked());
        QCOMPARE(env().store.read("Settings", "Label Type", ""), QString("1"));
        QCOMPARE(env().store.read("Settings", "Label Width", ""), QString("5"));
        QCOMPARE(env().values.labelWidth, 5.0);

        // The default for new labels is a preference: Undo gives back only the size.
        action("mnuEditUndo")->trigger();
        QCOMPARE(doc()->surfaceWidth(), 4320);
        QVERIFY(!doc()->isChanged());
        QVERIFY(action("mnuFileLabelSize0")->isChecked()); // this label's type
        QCOMPARE(env().values.labelType, int16_t(1));
        action("mnuFileNew")->trigger();
        QCOMPARE(doc()->surfaceWidth(), 7200);

        main().mnuFileClose_Click();
        main().mnuFileClose_Click();
        QVERIFY(!doc());
        QVERIFY(env().platform.shown.isEmpty()); // neither label differs from what it was
        action("mnuFileLabelSize0")->trigger();
        QCOMPARE(env().platform.texts(), QStringList{"You must have a Label Loaded to set Properties"});
        QCOMPARE(env().values.labelHeight, 3.75);

        // The other commands without a label do nothing.
        for (const char* name : {"mnuFileSave0", "mnuFileSaveAll", "mnuFileClose", "mnuEditDelete", "mnuViewShowGuides",
                                 "mnuViewShowGrid", "mnuGraphicAspectRatio", "mnuFilePrint", "mnuTextEdit"})
            action(name)->trigger();
        for (const char* key : {"Bold", "Center", "Delete", "Horizontal Center", "Vertical Center", "Save", "Show Border", "Print"}) {
            QVERIFY2(main().button(key), key);
            main().button(key)->trigger();
        }
        QVERIFY(!doc());
        // Text colour creates a label first; a cancelled chooser changes nothing.
        env().platform.colorAnswers = {std::nullopt};
        action("mnuTextColor")->trigger();
        QVERIFY(doc());
        QCOMPARE(env().values.textColor, ColorValue(0));
    }

    // The "Labels" page's start is used once (an unwritable PDF: tst_batch).
    void printing()
    {
        QPrinter& printer = main().printer();
        QVERIFY2(printer.outputFormat() == QPrinter::PdfFormat && printer.outputFileName().isEmpty(),
                 qPrintable("a printer was found: " + printer.printerName()));
        env().platform.printAnswers = {1};
        action("mnuFilePrint")->trigger();
        QCOMPARE(env().platform.texts(), QStringList{printjob::NotAvailableMessage});
        env().platform.shown.clear();

        const QString pdf = env().path("chosen afterwards.pdf");
        env().platform.printAnswers = {2};
        env().platform.printerAnswers.push_back([pdf](QPrinter& p) { p.setOutputFileName(pdf); });
        env().platform.labelsAnswers.push_back([](QPrinter&, LabelsPage& page) { page.start = 2; });
        action("mnuFilePrint")->trigger();
        QVERIFY2(env().platform.shown.isEmpty(), qPrintable(env().platform.texts().join("; ")));
        QCOMPARE(fileBytes(pdf).count("/Type /Page\n"), 2);
        const LabelsPage page = env().platform.labelsPages.last();
        QCOMPARE(page.start, 1);
        const QSizeF paper = printer.pageLayout().fullRect(QPageLayout::Inch).size();
        QCOMPARE(page.lastStart, int(printjob::labelsOnSheet(*doc(), paper.width(), paper.height())));
        // The partly used sheet is used up: the next print starts on a whole one.
        QCOMPARE(env().values.startLabel, 1);

        // Cancelled: a start chosen but not printed stays for the next dialog.
        env().platform.printAnswers = {std::nullopt, std::nullopt};
        env().platform.labelsAnswers.push_back([](QPrinter&, LabelsPage& page) { page.start = 3; });
        action("mnuFilePrint")->trigger();
        QVERIFY(env().platform.shown.isEmpty());
        QCOMPARE(env().values.startLabel, 1);
        QCOMPARE(env().platform.labelsAnswers.size(), size_t(1));
    }

    void pressingAnItemFollowsTheToolbarAndTakesTheKeys()
    {
        main().button("Align Right")->trigger();
        main().button("Bold")->trigger();
        main().cboFontSize()->setCurrentText("10.7");
        QVERIFY(doc()->createNewText("Ale", 0));
        const TextItem ale = *doc()->activeText();
        QVERIFY(ale.font.bold);
        QCOMPARE(ale.alignment, int16_t(1));
        doc()->SelectNothing();
        QVERIFY(!action("mnuTextEdit")->isEnabled());
        main().button("Center")->trigger();
        main().button("Bold")->trigger();
        main().cboFontSize()->setCurrentText("24");

        // A press on the item brings the boxes and buttons in line with it.
        main().cboFonts()->setFocus();
        LabelView* view = doc()->picLabelView();
        click(view, QPointF(ale.left + ale.width / 2, ale.top + ale.height / 2));
        QCOMPARE(main().cboFontSize()->currentText(), QString("10.5"));
        QVERIFY(main().button("Bold")->isChecked() && main().button("Align Right")->isChecked());
        QVERIFY(action("mnuTextEdit")->isEnabled() && !action("mnuGraphicEdit")->isEnabled());
        QVERIFY(action("mnuEditDelete")->isEnabled() && main().button("Delete")->isEnabled());
        QVERIFY(view->hasFocus());

        // A size typed applies when the focus leaves the box; Bold then changes the weight only.
        typeInto(main().cboFontSize(), "13");
        QCOMPARE(doc()->activeText()->font.size, ale.font.size);
        tabAway();
        QCOMPARE(doc()->activeText()->font.size, 13.0);
        main().button("Bold")->trigger();
        QVERIFY(!doc()->activeText()->font.bold);
        QCOMPARE(doc()->activeText()->font.size, 13.0);
    }

    // The order is tst_editing's; here the keys, the toolbar and what a screen reader is told.
    void tabShiftTabAndEscapeSelect()
    {
        frmDocument* d = doc();
        QVERIFY(d->createNewText("Pale Ale", 0));
        d->setTextPosition(100, 100);
        QVERIFY(d->createNewText("Batch 7\r\nJune", 0));
        d->setTextPosition(100, 700);
        QVERIFY(d->createNewGraphic(pictureFile(env(), "hops.png")));
        QVERIFY(d->createNewQr("https://example.org/ale", 'M'));
        setBox(*d->editActive(), QRectF(3000, 100, 600, 600)); // the picture's middle left free
        d->SelectNothing();
        LabelView* view = d->picLabelView();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        // What a screen reader reads of the label (headless, no reader hears the change events).
        auto name = [&] { return QAccessible::queryAccessibleInterface(view)->text(QAccessible::Name); };
        QCOMPARE(name(), QString("No item selected"));

        // Back to front: the picture, the QR code, then the texts; round again.
        const QStringList order{"Picture: hops.png", "QR code: https://example.org/ale", "Text: Pale Ale",
                                "Text: Batch 7 June"};
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(view, Qt::Key_Tab);
            QCOMPARE(name(), order[i % 4]);
            QCOMPARE(action("mnuGraphicEdit")->isEnabled(), i % 4 == 0);
            QCOMPARE(action("mnuTextEdit")->isEnabled(), i % 4 >= 2);
            QVERIFY(action("mnuEditDelete")->isEnabled() && view->hasFocus());
        }
        QVERIFY(d->activeItemSelected());
        // Shift+Tab as X sends it and as a plain shifted Tab: back, round the other way.
        QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(name(), order[3]);
        QCOMPARE(main().cboFontSize()->currentText(), QString("18")); // the boxes follow the text
        QTest::keyClick(view, Qt::Key_Tab, Qt::ShiftModifier);
        QCOMPARE(name(), order[2]);
        // An edited text is told again.
        d->setTextText("Pale Ale 2026");
        QCOMPARE(name(), QString("Text: Pale Ale 2026"));

        // Escape: nothing selected; a second one changes nothing.
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!d->activeId() && !action("mnuEditDelete")->isEnabled());
        QCOMPARE(name(), QString("No item selected"));
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!d->activeId() && view->hasFocus());

        // While a picture is dragged Tab and Escape leave it selected; the drop moves it.
        const GraphicItem g = *d->graphicAt(1);
        const QPoint from = px(view, bounds(g).center());
        drag(view, from, QPoint(4, 0), 4, false);
        QTest::keyClick(view, Qt::Key_Tab);
        QTest::keyClick(view, Qt::Key_Escape);
        QCOMPARE(d->activeGraphicIndex(), 1);
        QTest::mouseRelease(view, Qt::LeftButton, {}, from + QPoint(16, 0));
        QVERIFY(d->graphicAt(1)->left > g.left);

        // From the formatting boxes Tab reaches the label like any control.
        d->SelectNothing();
        main().cboFontSize()->setFocus();
        QTRY_VERIFY(main().cboFontSize()->hasFocus());
        for (int i = 0; i < 12 && !view->hasFocus(); ++i)
            key(Qt::Key_Tab);
        QVERIFY(view->hasFocus() && !d->activeId());
    }

    void clipboardAndEditTextCommands()
    {
        action("mnuEditCopy")->trigger();
        action("mnuEditPaste")->trigger();
        QCOMPARE(env().platform.texts(), QStringList({"Nothing Selected", "Nothing on the Clipboard that can be Pasted"}));

        // Cut from the toolbar: no question, nothing left selected; paste it back.
        QVERIFY(doc()->createNewText("Stout", 0));
        env().platform.shown.clear();
        main().button("Cut")->trigger();
        QVERIFY(doc()->texts().empty() && !action("mnuEditDelete")->isEnabled());
        main().button("Paste")->trigger();
        QCOMPARE(doc()->activeText()->text, QString("Stout"));
        QVERIFY(env().platform.shown.isEmpty());
        // Delete from the menu asks first.
        env().platform.answers = {MsgAnswer::No};
        action("mnuEditDelete")->trigger();
        QCOMPARE(env().platform.texts(), QStringList{"Are you sure you want to delete the selected text?"});
        QVERIFY(doc()->activeTextItemSelected());

        // Edit Text: Cancel keeps the text as it was, whatever was typed.
        QVERIFY(doc()->createNewText("Pale Ale", 0));
        const int steps = doc()->history().index();
        for (const char* button : {"CancelButton", "OKButton"}) {
            whenModal<frmTextInput>([button](frmTextInput* dlg) {
                QTest::keyClick(dlg->txtInput(), Qt::Key_A, Qt::ControlModifier);
                QTest::keyClicks(dlg->txtInput(), "Stout");
                QTest::mouseClick(dlg->findChild<QPushButton*>(button), Qt::LeftButton);
            });
            action("mnuTextEdit")->trigger();
            const bool ok = button[0] == 'O';
            QCOMPARE(doc()->getTextText(), QString(ok ? "Stout" : "Pale Ale"));
            QCOMPARE(doc()->history().index(), steps + int(ok));
        }
        QCOMPARE(action("mnuEditUndo")->text(), QString("&Undo Edit Text"));
    }

    void inputWhileThePictureEditorRunsIsDropped()
    {
        const QString marker = waitingEditor(env());
        env().platform.realProcesses = true;
        QVERIFY(doc()->createNewGraphic(pictureFile(env(), "rose.png")));
        const QString status = main().statusPanel()->text();
        const qsizetype labels = main().documents().size(), messages = env().platform.shown.size();

        // Two clicks on New, Ctrl+N and Delete while the editor runs.
        QString shownWhileWaiting;
        QTimer::singleShot(0, [&] {
            shownWhileWaiting = main().statusPanel()->text();
            QWidget* newButton = main().tbToolbar(0)->widgetForAction(main().button("New"));
            QTest::mouseClick(newButton, Qt::LeftButton);
            QTest::mouseClick(newButton, Qt::LeftButton);
            QTest::keyClick(&main(), Qt::Key_N, Qt::ControlModifier);
            QTest::keyClick(doc()->picLabelView(), Qt::Key_Delete);
            QFile(marker).open(QIODevice::WriteOnly);
        });
        action("mnuGraphicEdit")->trigger();
        QTRY_VERIFY(QFile::exists(marker));
        QTest::qWait(20);
        QCOMPARE(shownWhileWaiting, QString::fromUtf8("Waiting for the picture editor to close\u2026"));
        QCOMPARE(main().documents().size(), labels);
        QCOMPARE(env().platform.shown.size(), messages);
        QVERIFY(doc()->activeItemSelected());
        QCOMPARE(main().statusPanel()->text(), status);
        // Afterwards the program takes input again.
        QTest::keyClick(&main(), Qt::Key_N, Qt::ControlModifier);
        QCOMPARE(main().documents().size(), labels + 1);
    }

    // After every dialog and message box a selected item keeps the keys.
    void keysGoToTheLabelAfterDialogs()
    {
        DialogStandIn standIn(env().platform, &main());
        main().fillFonts({"Beer Serif", "Cider Sans", "Mead Script", "Wine Mono"});
        main().cboFonts()->setCurrentText("Cider Sans");
        LabelView* view = doc()->picLabelView();
        const QString font = main().cboFonts()->currentText();
        auto labelHasTheKeys = [&] {
            QTRY_VERIFY(main().isActiveWindow());
            QTRY_VERIFY(view->hasFocus());
            QCOMPARE(main().cboFonts()->currentText(), font);
        };

        // The text dialog: Down nudges the new text (one step), the font stays.
        whenModal<frmTextInput>([](frmTextInput* dlg) {
            dlg->txtInput()->setPlainText("Stout");
            QTest::mouseClick(dlg->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        action("mnuTextNew")->trigger();
        QVERIFY(doc()->activeTextItemSelected());
        labelHasTheKeys();
        const double top = doc()->activeText()->top;
        const int steps = doc()->history().index();
        key(Qt::Key_Down);
        QCOMPARE(doc()->activeText()->top, top + 15);
        QCOMPARE(doc()->history().index(), steps + 1);
        QCOMPARE(doc()->activeText()->font.name, font);

        // Ctrl+Z brings the deleted text back instead of editing the font name.
        env().platform.answers = {MsgAnswer::No};
        key(Qt::Key_Delete);
        QCOMPARE(env().platform.shown.last().text, QString("Are you sure you want to delete the selected text?"));
        labelHasTheKeys();
        env().platform.answers = {MsgAnswer::Yes};
        key(Qt::Key_Delete);
        QVERIFY(doc()->texts().empty());
        QTRY_VERIFY(view->hasFocus()); // nothing selected: back where it was
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(int(doc()->texts().size()), 1);
        QCOMPARE(main().cboFonts()->currentText(), font);

        // Arrow keys in the closed font box leave the selected text alone.
        doc()->selectText(doc()->texts().begin()->first);
        const int before = doc()->history().index();
        QTest::mouseClick(main().cboFonts()->lineEdit(), Qt::LeftButton);
        QTRY_VERIFY(main().cboFonts()->hasFocus());
        for (Qt::Key k : {Qt::Key_Down, Qt::Key_Down, Qt::Key_PageDown})
            key(k);
        QCOMPARE(doc()->activeText()->font.name, font);
        QCOMPARE(main().cboFonts()->currentText(), font);
        QCOMPARE(doc()->history().index(), before);
    }

    // Each key typed applies a width it can take; the box is put right when left.
    void borderWidthTyped()
    {
        QComboBox* box = main().cboBorderWidth();
        // What is typed, whether the focus then leaves, and "shown/width" afterwards.
        const std::tuple<const char*, bool, const char*> rows[] = {
            {"abc", true, "7/7"}, {"0", true, "7/7"},   {"", true, "7/7"},     {"-0", true, "7/7"}, {"x5", true, "7/7"},
            {"9", true, "9/9"},   {"39", true, "39/39"}, {"40", false, "12/4"}, // the 4 typed on the way
            {"-3", false, "12/7"}};
        for (const auto& [typed, leave, after] : rows) {
            doc()->border().width = 7;
            typeInto(box, typed);
            if (leave)
                tabAway();
            QCOMPARE(QString("%1: %2/%3").arg(typed, box->currentText()).arg(doc()->border().width),
                     QString("%1: %2").arg(typed, after));
        }
        // Chosen from the list, 40 is taken.
        box->setCurrentIndex(box->findText("40"));
        main().cboBorderWidth_Click();
        QCOMPARE(doc()->border().width, int16_t(40));
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
