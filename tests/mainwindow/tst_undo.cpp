// Undo and Redo in the main window: the menu items follow the active
// document's history, the window's commands are steps that undo to the same
// file, and drags, arrow keys and the keyboard shortcuts work on a real label.
#include <QtTest>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include "dialogs/frmOptions.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "support/TestEnv.h"

namespace {
QByteArray fileBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
} // namespace

class tst_Undo : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<frmMain> main;

    frmDocument* doc() { return main->activeDocument(); }
    QAction* undo() { return main->action("mnuEditUndo"); }
    QAction* redo() { return main->action("mnuEditRedo"); }
    LabelView* view() { return doc()->picLabelView(); }
    QPoint px(double x, double y) { return QPoint(int(x / view()->twipsPerPixel()), int(y / view()->twipsPerPixel())); }
    QPoint centreOf(const GraphicItem& g) { return px(g.left + g.width / 2, g.top + g.height / 2); }

    // Saves, runs a command, checks that Undo names it, undoes it to the same
    // file and redoes it to the file it made.
    void roundTrip(const QString& name, const std::function<void()>& command)
    {
        const QString file = env->path("round.ckm");
        QVERIFY(doc()->SaveLabelToFile(file));
        const QByteArray before = fileBytes(file);
        const int steps = doc()->history().index();
        command();
        QCOMPARE(doc()->history().index(), steps + 1);
        QCOMPARE(undo()->text(), "&Undo " + name);
        QVERIFY(undo()->isEnabled());
        QVERIFY(!redo()->isEnabled());
        QVERIFY(doc()->SaveLabelToFile(file));
        const QByteArray done = fileBytes(file);
        QVERIFY2(done != before, qPrintable(name));

        undo()->trigger();
        QCOMPARE(redo()->text(), "&Redo " + name);
        QVERIFY(doc()->isChanged());
        QVERIFY(!doc()->activeItemSelected() && !doc()->activeTextItemSelected());
        QVERIFY(!main->action("mnuEditDelete")->isEnabled());
        QVERIFY(doc()->SaveLabelToFile(file));
        QVERIFY2(fileBytes(file) == before, qPrintable(name));

        redo()->trigger();
        QVERIFY(!redo()->isEnabled());
        QVERIFY(doc()->SaveLabelToFile(file));
        QVERIFY2(fileBytes(file) == done, qPrintable(name));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        env = std::make_unique<TestEnv>();
        QImage hops(100, 50, QImage::Format_RGB32);
        hops.fill(Qt::darkGreen);
        env->platform.pictures["/pics/hops.png"] = PictureData{hops, QSizeF(1500, 750), {}};
        main = std::make_unique<frmMain>(env->ctx);
        main->Form_Load();
        main->resize(1100, 900);
        main->show();
        main->LoadNewDoc();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        // Drops land where they are let go.
        if (main->action("mnuViewSnapToGrid")->isChecked())
            main->action("mnuViewSnapToGrid")->trigger();
    }
    void cleanup()
    {
        for (QMdiSubWindow* s : main->mdiArea()->subWindowList())
            if (auto* d = qobject_cast<frmDocument*>(s->widget()))
                d->setFlags(false, true);
        main.reset();
        env.reset();
    }

    void menuItemsFollowTheHistoryAndTheActiveDocument()
    {
        const QList<QAction*> edit = main->editMenu()->actions();
        QCOMPARE(edit.value(0), undo());
        QCOMPARE(edit.value(1), redo());
        QCOMPARE(edit.value(2)->objectName(), QString("mnuEditBar0"));
        QVERIFY(edit.value(2)->isSeparator() && edit.value(2)->isVisible());
        QVERIFY(undo()->isVisible() && redo()->isVisible());
        QCOMPARE(undo()->shortcuts(), QList<QKeySequence>{QKeySequence("Ctrl+Z")});
        QCOMPARE(redo()->shortcuts(), (QList<QKeySequence>{QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
        QCOMPARE(undo()->text(), QString("&Undo"));
        QVERIFY(!undo()->isEnabled() && !redo()->isEnabled());

        frmDocument* first = doc();
        env->platform.colorAnswers.push_back(0x00FFFF);
        main->action("mnuLabelBackColor")->trigger();
        QCOMPARE(undo()->text(), QString("&Undo Background Color"));
        QVERIFY(undo()->isEnabled() && !redo()->isEnabled());
        undo()->trigger();
        QCOMPARE(first->backColor(), ColorValue(0x80000005));
        QCOMPARE(undo()->text(), QString("&Undo"));
        QVERIFY(!undo()->isEnabled());
        QCOMPARE(redo()->text(), QString("&Redo Background Color"));
        QVERIFY(redo()->isEnabled());

        // A second label has a history of its own.
        main->action("mnuFileNew")->trigger();
        frmDocument* second = doc();
        QVERIFY(second != first);
        QVERIFY(!undo()->isEnabled() && !redo()->isEnabled());
        env->platform.colorAnswers.push_back(0x0000FF);
        main->action("mnuLabelBorderColor")->trigger();
        QCOMPARE(undo()->text(), QString("&Undo Border Color"));

        main->mdiArea()->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(first->parentWidget()));
        QCOMPARE(doc(), first);
        QVERIFY(!undo()->isEnabled());
        QCOMPARE(redo()->text(), QString("&Redo Background Color"));
        redo()->trigger();
        QCOMPARE(first->backColor(), ColorValue(0x00FFFF));
        QCOMPARE(second->border().color, ColorValue(0x0000FF)); // the other label is left alone
        QCOMPARE(undo()->text(), QString("&Undo Background Color"));

        // Closing the active label: the next one's history shows; none left: nothing.
        first->setFlags(false, false);
        main->action("mnuFileClose")->trigger();
        QTRY_COMPARE(doc(), second);
        QCOMPARE(undo()->text(), QString("&Undo Border Color"));
        second->setFlags(false, false);
        main->action("mnuFileClose")->trigger();
        QTRY_VERIFY(!doc());
        QVERIFY(!undo()->isEnabled() && !redo()->isEnabled());
        undo()->trigger(); // nothing to act on: nothing happens
    }

    void windowCommandsUndoToTheSameFile()
    {
        frmDocument* d = doc();
        env->platform.openAnswers.push_back(ScriptedPlatform::chosen("/pics/hops.png"));
        main->action("mnuGraphicNew")->trigger();
        QCOMPARE(undo()->text(), QString("&Undo New Picture"));
        d->createNewText("Pale Ale", 0);
        d->createNewText("Brewed 2024", 0);
        const QSize windowSize = d->size();

        roundTrip("Bold", [&] { d->selectText(1); main->button("Bold")->trigger(); });
        roundTrip("Italic", [&] { d->selectText(2); main->button("Italic")->trigger(); });
        roundTrip("Underline", [&] { d->selectText(2); main->button("Underline")->trigger(); });
        roundTrip("Alignment", [&] { d->selectText(1); main->button("Align Left")->trigger(); });
        roundTrip("Text Color", [&] {
            d->selectText(1);
            env->platform.colorAnswers.push_back(0x0000C0);
            main->action("mnuTextColor")->trigger();
        });
        roundTrip("Font", [&] {
            d->selectText(2);
            QLineEdit* box = main->cboFonts()->lineEdit();
            box->selectAll();
            QTest::keyClicks(box, "Courier");
            QTest::keyClick(box, Qt::Key_Return);
        });
        roundTrip("Font Size", [&] {
            d->selectText(2);
            QLineEdit* box = main->cboFontSize()->lineEdit();
            box->selectAll();
            QTest::keyClicks(box, "30");
            QTest::keyClick(box, Qt::Key_Return);
        });
        roundTrip("Move", [&] {
            d->selectText(1);
            view()->setFocus();
            QTest::keyClick(view(), Qt::Key_Up);
            QTest::keyClick(view(), Qt::Key_Up);
            QTest::keyClick(view(), Qt::Key_Left);
        });
        roundTrip("Align", [&] { d->selectText(1); main->button("Horizontal Center")->trigger(); });
        QImage pasted(20, 20, QImage::Format_RGB32);
        pasted.fill(Qt::red);
        env->platform.setClipboard(QString(), pasted);
        main->action("mnuEditPaste")->trigger();
        QCOMPARE(undo()->text(), QString("&Undo Paste"));
        roundTrip("Bring Forward", [&] { d->selectGraphic(1); main->action("mnuViewBringForward")->trigger(); });
        roundTrip("Send Back", [&] { d->selectGraphic(1); main->action("mnuViewSendBack")->trigger(); });
        roundTrip("Delete", [&] {
            d->selectText(2);
            env->platform.answers.push_back(MsgAnswer::Yes);
            main->action("mnuEditDelete")->trigger();
        });
        roundTrip("Cut", [&] { d->selectGraphic(2); main->action("mnuEditCut")->trigger(); });
        roundTrip("Paste", [&] { main->action("mnuEditPaste")->trigger(); });
        roundTrip("Border Visible", [&] { main->action("mnuLabelBorderVisible")->trigger(); });
        QVERIFY(!main->button("Show Border")->isChecked()); // redone: hidden
        undo()->trigger();
        QVERIFY(main->button("Show Border")->isChecked()); // the button follows
        redo()->trigger();
        roundTrip("Border Color", [&] {
            env->platform.colorAnswers.push_back(0x008000);
            main->action("mnuLabelBorderColor")->trigger();
        });
        roundTrip("Border Width", [&] {
            // Typed: each key applies at once, and the keys are one step.
            QLineEdit* box = main->cboBorderWidth()->lineEdit();
            box->setFocus();
            box->selectAll();
            QTest::keyClicks(box, "24");
            QCOMPARE(d->border().width, int16_t(24));
        });
        undo()->trigger();
        QCOMPARE(main->cboBorderWidth()->currentText(), QString("12"));
        redo()->trigger();
        QCOMPARE(main->cboBorderWidth()->currentText(), QString("24"));
        roundTrip("Border Style", [&] {
            main->cboBorderStyle()->setFocus();
            QTest::keyClick(main->cboBorderStyle(), Qt::Key_Up); // Rounded to Square
            QCOMPARE(d->valBorderStyle, QString("Square"));
        });
        undo()->trigger();
        QCOMPARE(main->cboBorderStyle()->currentText(), QString("Rounded"));
        redo()->trigger();
        roundTrip("Background Color", [&] {
            env->platform.colorAnswers.push_back(0xC0FFFF);
            main->action("mnuLabelBackColor")->trigger();
        });
        d->graphicAt(1)->height = 2000; // out of its proportions
        roundTrip("Maintain Aspect Ratio", [&] {
            d->selectGraphic(1);
            main->action("mnuGraphicAspectRatio")->trigger();
            QCOMPARE(d->graphicAt(1)->width, 4000.0);
        });
        undo()->trigger();
        QVERIFY(!main->action("mnuGraphicAspectRatio")->isChecked());
        redo()->trigger();
        QVERIFY(main->action("mnuGraphicAspectRatio")->isChecked());

        // The label's size: the window and the menu's check marks follow.
        roundTrip("Label Size", [&] { main->action("mnuFileLabelSize1")->trigger(); });
        QCOMPARE(d->surfaceWidth(), 7200);
        QVERIFY(main->action("mnuFileLabelSize1")->isChecked());
        undo()->trigger();
        QCOMPARE(d->surfaceWidth(), 4320);
        QCOMPARE(d->size(), windowSize);
        QVERIFY(main->action("mnuFileLabelSize0")->isChecked());
        QVERIFY(!main->action("mnuFileLabelSize1")->isChecked());
        redo()->trigger();
        QVERIFY(d->size() != windowSize);

        // Everything the options dialog applied is one step.
        roundTrip("Label Properties", [&] {
            QTimer::singleShot(0, this, [] {
                frmOptions* o = nullptr;
                QTRY_VERIFY((o = qobject_cast<frmOptions*>(QApplication::activeModalWidget())));
                o->box(options::Box::TopMargin)->setText("0.5");
                o->cmdApply_Click();
                o->box(options::Box::LeftMargin)->setText("0.25");
                o->cmdOK_Click();
            });
            main->action("mnuFileLabelSize2")->trigger();
            QCOMPARE(d->getLeftMargin(), 0.25);
        });
        QCOMPARE(d->getTopMargin(), 0.5);
        undo()->trigger();
        QCOMPARE(d->getTopMargin(), 0.0);
    }

    void dragsAreOneStepAndTheKeysUndoThem()
    {
        frmDocument* d = doc();
        QVERIFY(d->createNewGraphic("/pics/hops.png"));
        d->SelectNothing();
        const GraphicItem start = *d->graphicAt(1);
        const int steps = d->history().index();

        // A move: many live steps, one step at the drop.
        QPoint at = centreOf(start);
        QTest::mousePress(view(), Qt::LeftButton, {}, at);
        for (int i = 1; i <= 6; ++i)
            QTest::mouseMove(view(), at + QPoint(10 * i, 4 * i));
        QTest::mouseRelease(view(), Qt::LeftButton, {}, at + QPoint(60, 24));
        QCOMPARE(d->history().index(), steps + 1);
        QCOMPARE(undo()->text(), QString("&Undo Move"));
        const GraphicItem moved = *d->graphicAt(1);
        QVERIFY(moved.left > start.left);

        QVERIFY(view()->hasFocus());
        QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(d->graphicAt(1)->left, start.left);
        QCOMPARE(d->graphicAt(1)->top, start.top);
        QVERIFY(!d->activeItemSelected());
        QCOMPARE(redo()->text(), QString("&Redo Move"));
        QTest::keyClick(view(), Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(d->graphicAt(1)->left, moved.left);
        QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
        QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(d->graphicAt(1)->top, moved.top);

        // A resize from the corner handle.
        QTest::mouseClick(view(), Qt::LeftButton, {}, centreOf(moved));
        QVERIFY(d->activeItemSelected());
        const int before = d->history().index();
        const QRectF handle = (*d->editor().resizers())[handles::Count - 1];
        at = px(handle.center().x(), handle.center().y());
        QTest::mousePress(view(), Qt::LeftButton, {}, at);
        for (int i = 1; i <= 6; ++i)
            QTest::mouseMove(view(), at + QPoint(8 * i, 8 * i));
        QTest::mouseRelease(view(), Qt::LeftButton, {}, at + QPoint(48, 48));
        QCOMPARE(d->history().index(), before + 1);
        QCOMPARE(undo()->text(), QString("&Undo Resize"));
        QVERIFY(d->graphicAt(1)->width > moved.width);
        undo()->trigger();
        QCOMPARE(d->graphicAt(1)->width, moved.width);
        QCOMPARE(d->graphicAt(1)->height, moved.height);

        // Undo with the button still down: the drag so far is undone and the release drops nothing.
        at = centreOf(moved);
        QTest::mousePress(view(), Qt::LeftButton, {}, at);
        for (int i = 1; i <= 4; ++i)
            QTest::mouseMove(view(), at + QPoint(0, 10 * i));
        QVERIFY(d->graphicAt(1)->top > moved.top);
        QTest::keyClick(view(), Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(d->graphicAt(1)->top, moved.top);
        QTest::mouseMove(view(), at + QPoint(0, 60));
        QTest::mouseRelease(view(), Qt::LeftButton, {}, at + QPoint(0, 60));
        QCOMPARE(d->graphicAt(1)->top, moved.top);
        QCOMPARE(redo()->text(), QString("&Redo Move"));
    }

    // The changed flag (the title's [*] and the question on closing) says whether
    // the label differs from its file, whatever command changed it.
    void closeAsksExactlyWhenTheLabelDiffersFromItsFile()
    {
        frmDocument* d = doc();
        QVERIFY(d->createNewText("Pale Ale", 0) && d->createNewText("Stout", 0));
        QVERIFY(d->createNewGraphic("/pics/hops.png") && d->createNewGraphic("/pics/hops.png"));
        QVERIFY(d->SaveLabelToFile(env->path("asks.ckm")));
        QVERIFY(!d->isChanged() && !d->isWindowModified());
        const QString question = "'asks.ckm' has Changed, Save the Changes?";

        const std::pair<const char*, std::function<void()>> commands[] = {
            {"arrow key", [&] { QTest::mouseClick(view(), Qt::LeftButton, {}, centreOf(*d->graphicAt(2)));
                                QTest::keyClick(view(), Qt::Key_Left); }},
            {"delete", [&] { d->selectText(1);
                             env->platform.answers.push_back(MsgAnswer::Yes);
                             main->action("mnuEditDelete")->trigger(); }},
            {"align", [&] { d->selectGraphic(1);
                            main->tbToolbar_ButtonMenuClick("Left Align");
                            main->button("Left Align")->trigger(); }},
            {"bring forward", [&] { d->selectGraphic(1); main->action("mnuViewBringForward")->trigger(); }},
            {"send back", [&] { d->selectText(2); main->action("mnuViewSendBack")->trigger(); }},
        };
        for (const auto& [what, command] : commands) {
            const int steps = d->history().index();
            command();
            QVERIFY2(d->history().index() == steps + 1, what);
            QVERIFY2(d->isChanged() && d->isWindowModified(), what);
            env->platform.shown.clear();
            env->platform.answers = {MsgAnswer::Cancel};
            main->action("mnuFileClose")->trigger();
            QVERIFY2(env->platform.texts() == QStringList{question}, what);
            QCOMPARE(doc(), d); // Cancel keeps it open

            // Back to the saved label: unchanged; away from it again: changed.
            undo()->trigger();
            QVERIFY2(!d->isChanged() && !d->isWindowModified(), what);
            redo()->trigger();
            QVERIFY2(d->isChanged() && d->isWindowModified(), what);
            undo()->trigger();
        }

        // There and back again with the arrow keys is no change either.
        QTest::mouseClick(view(), Qt::LeftButton, {}, centreOf(*d->graphicAt(2)));
        QTest::keyClick(view(), Qt::Key_Up);
        QVERIFY(d->isChanged());
        QTest::keyClick(view(), Qt::Key_Down);
        QVERIFY(!d->isChanged());

        // Saved after an edit, undoing that edit changes the label again.
        QTest::keyClick(view(), Qt::Key_Right);
        main->action("mnuFileSave0")->trigger();
        QVERIFY(!d->isChanged() && !d->isWindowModified());
        undo()->trigger();
        QVERIFY(d->isChanged() && d->isWindowModified());
        redo()->trigger();
        QVERIFY(!d->isChanged());

        // Unchanged: Close asks nothing.
        env->platform.shown.clear();
        main->action("mnuFileClose")->trigger();
        QTRY_VERIFY(!doc());
        QVERIFY(env->platform.shown.isEmpty());
    }

    void arrowKeysMergeAndThePopUpMenuUndoes()
    {
        frmDocument* d = doc();
        QVERIFY(d->createNewText("Ale", 0));
        const TextItem start = *d->activeText();
        d->SelectNothing();
        const QPoint on = px(start.left + start.width / 2, start.top + start.height / 2);
        QTest::mouseClick(view(), Qt::LeftButton, {}, on); // a click moves nothing: no step
        QVERIFY(d->activeTextItemSelected());
        const int steps = d->history().index();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(view(), Qt::Key_Right);
        QTest::keyClick(view(), Qt::Key_Down);
        QCOMPARE(d->history().index(), steps + 1);
        QCOMPARE(d->activeText()->left, start.left + 45);

        // The Edit menu pops up on the label, with Undo in it.
        QTest::mouseClick(view(), Qt::RightButton, {}, QPoint(3, 3));
        QMenu* menu = main->editMenu();
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(undo()->isEnabled());
        QCOMPARE(undo()->text(), QString("&Undo Move"));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(undo()).center());
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(d->textAt(1)->left, start.left);
        QCOMPARE(d->textAt(1)->top, start.top);
        QCOMPARE(redo()->text(), QString("&Redo Move"));
    }
};

QTEST_MAIN(tst_Undo)
#include "tst_undo.moc"
