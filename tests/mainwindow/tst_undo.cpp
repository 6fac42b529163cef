// Undo and Redo in the main window: the menus follow the active label's
// history; commands, drags and keys are steps (what a step restores: tst_history).
#include <QtTest>
#include <QMdiArea>
#include <QMenu>

#include "dialogs/frmOptions.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

using namespace input;

class tst_Undo : public QObject, WindowTests {
    Q_OBJECT

    QAction* undo() { return action("mnuEditUndo"); }
    QAction* redo() { return f->m.action("mnuEditRedo"); }
    LabelView* view() { return doc()->picLabelView(); }
    QPoint centreOf(const GraphicItem& g) { return px(view(), QPointF(g.left + g.width / 2, g.top + g.height / 2)); }

    // A command named by Undo, undone to the same file and redone to its own; what `shown`
    // tells of the window (when given) follows each undo and redo.
    void roundTrip(const QString& name, const std::function<void()>& command) { roundTrip(name, {}, command); }
    void roundTrip(const QString& name, const std::function<QString()>& shownBy, const std::function<void()>& command)
    {
        auto shown = [&] { return shownBy ? shownBy() : QString(); };
        const QString file = f->env.path("round.ckm");
        auto saved = [&] { return doc()->SaveLabelToFile(file) ? fileBytes(file) : QByteArray(); };
        const QByteArray before = saved();
        const QString shownBefore = shown();
        const int steps = doc()->history().index();
        command();
        QCOMPARE(doc()->history().index(), steps + 1);
        QCOMPARE(undo()->text(), "&Undo " + name);
        const QByteArray done = saved();
        const QString shownDone = shown();
        QVERIFY2(done != before, qPrintable(name));
        QVERIFY2(shownDone.isEmpty() || shownDone != shownBefore, qPrintable(name + ": " + shownDone));

        undo()->trigger();
        QCOMPARE(redo()->text(), "&Redo " + name);
        QVERIFY(!f->m.action("mnuEditDelete")->isEnabled()); // nothing selected
        QVERIFY2(saved() == before, qPrintable(name));
        QCOMPARE(shown(), shownBefore);

        redo()->trigger();
        QVERIFY(!redo()->isEnabled());
        QVERIFY2(saved() == done, qPrintable(name));
        QCOMPARE(shown(), shownDone);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void init()
    {
        auto* fx = new MainWithLabel(false, QSize(1100, 900));
        f.reset(fx);
        QImage hops(100, 50, QImage::Format_RGB32);
        hops.fill(Qt::darkGreen);
        fx->env.platform.pictures["/pics/hops.png"] = PictureData{hops, QSizeF(1500, 750), {}};
        QVERIFY(QTest::qWaitForWindowActive(&fx->m));
        // Drops land where they are let go.
        if (fx->m.action("mnuViewSnapToGrid")->isChecked())
            fx->m.action("mnuViewSnapToGrid")->trigger();
    }
    void cleanup() { f.reset(); }

    void menuItemsFollowTheHistoryAndTheActiveDocument()
    {
        frmDocument* first = doc();
        f->env.platform.colorAnswers.push_back(0x00FFFF);
        action("mnuLabelBackColor")->trigger();
        QCOMPARE(undo()->text(), QString("&Undo Background Color"));
        QVERIFY(undo()->isEnabled() && !redo()->isEnabled());
        undo()->trigger();
        QCOMPARE(first->backColor(), ColorValue(0x80000005));
        QCOMPARE(undo()->text(), QString("&Undo"));
        QVERIFY(!undo()->isEnabled() && redo()->isEnabled());
        QCOMPARE(redo()->text(), QString("&Redo Background Color"));

        // A second label has a history of its own.
        action("mnuFileNew")->trigger();
        frmDocument* second = doc();
        QVERIFY(second != first && !undo()->isEnabled() && !redo()->isEnabled());
        // A cancelled chooser is no step and no change.
        f->env.platform.colorAnswers = {std::nullopt, 0x0000FF};
        action("mnuLabelBorderColor")->trigger();
        QVERIFY(!undo()->isEnabled() && !second->isChanged());
        action("mnuLabelBorderColor")->trigger();
        QCOMPARE(undo()->text(), QString("&Undo Border Color"));

        f->m.mdiArea()->setActiveSubWindow(subWindowOf(first));
        QVERIFY(!undo()->isEnabled());
        QCOMPARE(redo()->text(), QString("&Redo Background Color"));
        redo()->trigger();
        QCOMPARE(first->backColor(), ColorValue(0x00FFFF));
        QCOMPARE(second->border().color, ColorValue(0x0000FF)); // the other label is left alone

        // Closing the active label: the next one's history shows; none left: nothing.
        first->setFlags(false, false);
        action("mnuFileClose")->trigger();
        QTRY_COMPARE(doc(), second);
        QCOMPARE(undo()->text(), QString("&Undo Border Color"));
        second->setFlags(false, false);
        action("mnuFileClose")->trigger();
        QTRY_VERIFY(!doc());
        QVERIFY(!undo()->isEnabled() && !redo()->isEnabled());
        undo()->trigger(); // nothing to act on: nothing happens
    }

    void windowCommandsUndoToTheSameFile()
    {
        frmDocument* d = doc();
        f->env.platform.openAnswers.push_back(ScriptedPlatform::chosen("/pics/hops.png"));
        action("mnuGraphicNew")->trigger();
        QCOMPARE(undo()->text(), QString("&Undo New Picture"));
        d->createNewText("Pale Ale", 0);
        d->createNewText("Brewed 2024", 0);
        // One command of each way in: a button, a chooser, a box typed into.
        roundTrip("Bold", [&] { d->selectText(1); f->m.button("Bold")->trigger(); });
        roundTrip("Text Color", [&] {
            d->selectText(1);
            f->env.platform.colorAnswers.push_back(0x0000C0);
            action("mnuTextColor")->trigger();
        });
        roundTrip("Font Size", [&] { d->selectText(2); typeInto(f->m.cboFontSize(), "30"); key(Qt::Key_Return); });
        // The buttons and boxes follow each undo and redo.
        roundTrip("Border Visible", [&] { return QString::number(f->m.button("Show Border")->isChecked()); },
                  [&] { action("mnuLabelBorderVisible")->trigger(); });
        roundTrip("Border Width", [&] { return f->m.cboBorderWidth()->currentText(); }, [&] {
            // Typed: each key applies at once, and the keys are one step.
            typeInto(f->m.cboBorderWidth(), "24");
            QCOMPARE(d->border().width, int16_t(24));
        });
        roundTrip("Border Style", [&] { return f->m.cboBorderStyle()->currentText(); }, [&] {
            f->m.cboBorderStyle()->setFocus();
            QTest::keyClick(f->m.cboBorderStyle(), Qt::Key_Up); // Rounded to Square
            QCOMPARE(d->valBorderStyle, QString("Square"));
        });
        d->graphicAt(1)->height = 2000; // out of its proportions
        roundTrip("Maintain Aspect Ratio", [&] {
            d->selectGraphic(1);
            action("mnuGraphicAspectRatio")->trigger();
            QCOMPARE(d->graphicAt(1)->width, 4000.0);
        });
        // The window's size follows too (the menu's check marks: tst_mainwindow).
        roundTrip("Label Size", [&] { return QString("%1x%2").arg(d->width()).arg(d->height()); },
                  [&] { action("mnuFileLabelSize1")->trigger(); });

        // Everything the options dialog applied is one step.
        roundTrip("Label Properties", [&] { return QString::number(d->getTopMargin()); }, [&] {
            whenModal<frmOptions>([](frmOptions* o) {
                o->box(options::Box::TopMargin)->setText("0.5");
                o->cmdApply_Click();
                o->box(options::Box::LeftMargin)->setText("0.25");
                o->cmdOK_Click();
            });
            action("mnuFileLabelSize2")->trigger();
            QCOMPARE(d->getLeftMargin(), 0.25);
        });
        QCOMPARE(d->getTopMargin(), 0.5);
    }

    void dragsAndArrowKeysAreOneStepAndTheKeysUndoThem()
    {
        frmDocument* d = doc();
        QVERIFY(d->createNewGraphic("/pics/hops.png"));
        d->SelectNothing();
        const GraphicItem start = *d->graphicAt(1);
        const int steps = d->history().index();

        // A move: many live steps, one step at the drop.
        drag(view(), centreOf(start), QPoint(10, 4));
        QCOMPARE(d->history().index(), steps + 1);
        QCOMPARE(undo()->text(), QString("&Undo Move"));
        const GraphicItem moved = *d->graphicAt(1);
        QVERIFY(moved.left > start.left);

        QVERIFY(view()->hasFocus());
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(QPointF(d->graphicAt(1)->left, d->graphicAt(1)->top), QPointF(start.left, start.top));
        QVERIFY(!d->activeItemSelected());
        QCOMPARE(redo()->text(), QString("&Redo Move"));
        key(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(d->graphicAt(1)->left, moved.left);
        key(Qt::Key_Z, Qt::ControlModifier);
        key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(d->graphicAt(1)->top, moved.top);

        // A resize from the corner handle.
        QTest::mouseClick(view(), Qt::LeftButton, {}, centreOf(moved));
        QVERIFY(d->activeItemSelected());
        const int before = d->history().index();
        drag(view(), px(view(), (*d->editor().resizers())[handles::Count - 1].center()), QPoint(8, 8));
        QCOMPARE(d->history().index(), before + 1);
        QCOMPARE(undo()->text(), QString("&Undo Resize"));
        QVERIFY(d->graphicAt(1)->width > moved.width);
        undo()->trigger();
        QCOMPARE(QSizeF(d->graphicAt(1)->width, d->graphicAt(1)->height), QSizeF(moved.width, moved.height));

        // Undo with the button still down: the drag so far is undone and the release drops nothing.
        const QPoint at = centreOf(moved);
        drag(view(), at, QPoint(0, 10), 4, false);
        QVERIFY(d->graphicAt(1)->top > moved.top);
        key(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(d->graphicAt(1)->top, moved.top);
        QTest::mouseMove(view(), at + QPoint(0, 60));
        QTest::mouseRelease(view(), Qt::LeftButton, {}, at + QPoint(0, 60));
        QCOMPARE(d->graphicAt(1)->top, moved.top);
        QCOMPARE(redo()->text(), QString("&Redo Move"));

        // A text (in front of the picture): arrow keys on it merge into one step.
        QVERIFY(d->createNewText("Ale", 0));
        const TextItem text = *d->activeText();
        d->SelectNothing();
        click(view(), QPointF(text.left + text.width / 2, text.top + text.height / 2)); // moves nothing: no step
        QVERIFY(d->activeTextItemSelected());
        const int keySteps = d->history().index();
        for (Qt::Key k : {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Down})
            QTest::keyClick(view(), k);
        QCOMPARE(d->history().index(), keySteps + 1);
        QCOMPARE(d->activeText()->left, text.left + 45);

        // The Edit menu pops up on the label, with Undo in it.
        QTest::mouseClick(view(), Qt::RightButton, {}, QPoint(3, 3));
        QMenu* menu = f->m.editMenu();
        QTRY_VERIFY(menu->isVisible());
        QVERIFY(d->activeTextItemSelected()); // the right press kept the selection
        QCOMPARE(undo()->text(), QString("&Undo Move"));
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(undo()).center());
        QTRY_VERIFY(!menu->isVisible());
        QCOMPARE(QPointF(d->textAt(1)->left, d->textAt(1)->top), QPointF(text.left, text.top));
        QCOMPARE(redo()->text(), QString("&Redo Move"));
    }
};

QTEST_MAIN(tst_Undo)
#include "tst_undo.moc"
