// The "Position and Size" panel as a user works it, in millimetres: typed
// values with real keys and Enter place the item to the twip as one step of
// the history; a text's size is only shown; a picture kept in proportion
// follows its typed width; nothing selected leaves the panel empty and off.
#include <QtTest>
#include <QLabel>
#include <QLineEdit>

#include "document/LabelView.h"
#include "mainwindow/PositionPanel.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

using namespace input;

class tst_PositionPanel : public QObject {
    Q_OBJECT
private slots:
    void typedLengthsPlaceTheSelection()
    {
        MainWithLabel f;
        f.m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&f.m));
        f.env.values.unit = lengths::Unit::Millimetres;
        frmDocument* doc = f.doc();
        PositionPanel* panel = f.m.findChild<PositionPanel*>("dckPosition");
        QVERIFY(panel && !panel->isVisible());
        f.action("mnuViewPosition")->trigger();
        QVERIFY(panel->isVisible());
        QLineEdit* x = panel->box(PositionPanel::X);
        QLineEdit* width = panel->box(PositionPanel::Width);
        auto enter = [](QLineEdit* box, const QString& text) {
            typeInto(box, text);
            key(Qt::Key_Return);
        };

        // Nothing selected: empty and off.
        QVERIFY(!x->isEnabled());
        QCOMPARE(x->text(), QString());

        // A text: X typed in millimetres, Enter, one step; Undo puts it back.
        QVERIFY(doc->createNewText("Ale", 0));
        QVERIFY(doc->activeTextItemSelected() && x->isEnabled());
        const QRectF was = bounds(*doc->activeItem());
        QCOMPARE(x->text(), lengths::format(was.left(), lengths::Unit::Millimetres));
        QVERIFY(width->isReadOnly() && panel->box(PositionPanel::Height)->isReadOnly());
        QCOMPARE(width->focusPolicy(), Qt::NoFocus);
        const int steps = doc->history().index();
        enter(x, "10");
        QCOMPARE(bounds(*doc->activeItem()).topLeft(), QPointF(567, was.top()));
        QCOMPARE(doc->history().index(), steps + 1);
        QCOMPARE(f.action("mnuEditUndo")->text(), QString("&Undo Move"));
        QCOMPARE(x->text(), QString("10"));
        f.action("mnuEditUndo")->trigger();
        QCOMPARE(bounds(doc->texts().begin()->second), was);
        QCOMPARE(x->text(), QString()); // undo leaves nothing selected

        // Bad input: refused with its reason, the item untouched.
        doc->selectText(doc->texts().begin()->first);
        enter(x, "ten");
        QCOMPARE(panel->errorLabel()->text(), QString("Type a length in millimetres, such as 12.5"));
        QCOMPARE(bounds(*doc->activeItem()), was);
        enter(x, "-50");
        QCOMPARE(panel->errorLabel()->text(), QString("The item must stay at least partly on the label"));
        QCOMPARE(bounds(*doc->activeItem()), was);

        // A picture kept in proportion (30 x 20): the typed width sets the height.
        QVERIFY(doc->createNewGraphic(pictureFile(f.env, "hops.png", Qt::green, {30, 20})));
        if (!f.action("mnuGraphicAspectRatio")->isChecked())
            f.action("mnuGraphicAspectRatio")->trigger();
        QVERIFY(!width->isReadOnly());
        const QPointF corner = bounds(*doc->activeItem()).topLeft();
        enter(width, "50");
        QCOMPARE(bounds(*doc->activeItem()), QRectF(corner, QSizeF(2835, 1890)));
        QCOMPARE(f.action("mnuEditUndo")->text(), QString("&Undo Resize"));
        QCOMPARE(panel->box(PositionPanel::Height)->text(), QString("33.34"));

        // Dragged with the mouse, a picture or a text: the panel shows where it was dropped.
        LabelView* view = doc->picLabelView();
        for (const ItemId item : {doc->activeId(), ItemId{kindOf<TextItem>, doc->texts().begin()->first}}) {
            doc->select(item);
            const QRectF box = bounds(*doc->activeItem());
            drag(view, view->toPixels(box.center()).toPoint(), QPoint(20, 10), 4);
            QVERIFY(bounds(*doc->activeItem()).left() != box.left());
            QCOMPARE(x->text(), lengths::format(bounds(*doc->activeItem()).left(), lengths::Unit::Millimetres));
        }

        // The selection cleared: the panel empties and turns off again.
        doc->SelectNothing();
        QVERIFY(!width->isEnabled());
        QCOMPARE(width->text(), QString());
    }
};

QTEST_MAIN(tst_PositionPanel)
#include "tst_positionpanel.moc"
