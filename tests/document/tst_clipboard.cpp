// Item commands and the clipboard on the model, with a scripted clipboard.
#include <QtTest>

#include "document/LabelDocument.h"
#include "support/DocumentFixture.h"

class tst_Clipboard : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // A picture copied and pasted, the item commands, a text cut and pasted.
    void picturesItemCommandsAndTexts()
    {
        TestEnv env;
        offerPicture(env, "C:\\pics\\hop.bmp", QSizeF(1440, 720), Qt::green, 96, 48);
        LabelDocument a(env.values, env.platform, env.fixed);
        QVERIFY(a.createNewGraphic("C:\\pics\\hop.bmp"));
        QVERIFY(a.copySelectedToClipboard(false));
        QCOMPARE(env.platform.clipboardTextValue, QString("CKMGraphic-  1440   720C:\\pics\\hop.bmp"));
        QCOMPARE(env.platform.clipboard.size(), QSize(96, 48)); // the picture itself, not the display
        QVERIFY(a.activeItemSelected()); // a copy keeps the item

        LabelDocument b(env.values, env.platform, env.fixed);
        b.setFlags(false, true);
        QVERIFY(b.pasteFromClipboard());
        QCOMPARE(bounds(*b.activeGraphic()), QRectF((4320 - 1440) / 2 + 200, (5400 - 720) / 2 + 200, 1440, 720));
        QCOMPARE(b.activeGraphic()->path(), QString("C:\\pics\\hop.bmp"));
        QVERIFY(b.isChanged());

        // A copy of a pasted picture has no path; nor has its paste.
        QVERIFY(b.copySelectedToClipboard(false));
        env.platform.setClipboard("CKMGraphic-  1440   720", env.platform.clipboard);
        QVERIFY(b.pasteFromClipboard());
        QCOMPARE(b.activeGraphic()->path(), QString());
        QCOMPARE(b.graphics().size(), size_t(2));

        // Size fields that are no numbers: the picture keeps its own size, in its place.
        env.platform.setClipboard("CKMGraphic-  abcd 99999", solid(Qt::red, 30, 20));
        QVERIFY(b.pasteFromClipboard());
        QCOMPARE(bounds(*b.activeGraphic()), QRectF((4320 - 450) / 2, (5400 - 300) / 2, 450, 300));

        // The descriptor whose picture is gone pastes nothing, and says nothing.
        env.platform.setClipboard("CKMGraphic-  1440   720/x.png");
        const size_t pictures = b.graphics().size();
        QVERIFY(b.pasteFromClipboard());
        QCOMPARE(b.graphics().size(), pictures);
        QVERIFY(env.platform.shown.isEmpty());

        // A bitmap from another program: a picture without a path.
        env.platform.clipboardTextValue = QString();
        env.platform.clipboard = solid(Qt::blue, 60, 30);
        QVERIFY(b.pasteFromClipboard());
        QCOMPARE(b.activeGraphic()->width, 900.0);
        QCOMPARE(b.activeGraphic()->path(), QString());

        // Nothing usable at all.
        env.platform.clipboard = QImage();
        QVERIFY(!b.pasteFromClipboard());

        // The item commands.
        LabelDocument d(env.values, env.platform, env.fixed);
        for (const char* p : {"/a.png", "/b.png", "/c.png"}) {
            offerPicture(env, p, QSizeF(1000, 500));
            QVERIFY(d.createNewGraphic(p));
        }
        d.setFlags(false, false);
        // Right edge on a guide at 3000.
        d.setGuidePositions(3000, 2000);
        d.horizontalAlign(1);
        QCOMPARE(d.activeGraphic()->left, 2000.0);
        d.verticalAlign(3);
        QCOMPARE(d.activeGraphic()->top, 1500.0);
        d.horizontalAlign(4); // no such mode
        QCOMPARE(d.activeGraphic()->left, 2000.0);
        d.nudge(0, -15);
        QCOMPARE(d.activeGraphic()->top, 1485.0);
        d.moveSelected(10, 20);
        QCOMPARE(QPointF(d.activeGraphic()->left, d.activeGraphic()->top), QPointF(10, 20));
        d.resizeSelected(700, 300);
        QCOMPARE(bounds(*d.activeGraphic()), QRectF(210, 220, 700, 300));

        // Delete answered No: nothing changes and the picture stays selected.
        env.platform.answers = {MsgAnswer::No};
        d.deleteSelectedObject();
        QCOMPARE(env.platform.shown.last().text, QString("Are you sure you want to delete the selected graphic?"));
        QCOMPARE(d.activeGraphicIndex(), 3);
        env.platform.answers = {MsgAnswer::Yes};
        d.selectGraphic(2);
        d.deleteSelectedObject();
        QVERIFY(!d.graphicAt(2) && !d.activeItemSelected());

        // Text items are not moved or resized by the picture commands.
        env.values.bold = true;
        QVERIFY(d.createNewText("Pale Ale", 0));
        const TextItem before = *d.activeText();
        d.moveSelected(0, 0);
        d.resizeSelected(10, 10);
        QVERIFY(*d.activeText() == before);

        // Cut asks nothing and leaves nothing selected: tst_mainwindow::clipboardCommands.
        d.setFlags(false, false);
        QVERIFY(d.copySelectedToClipboard(true));
        QCOMPARE(env.platform.clipboardTextValue, QString("Pale Ale"));
        QVERIFY(d.texts().empty() && d.isChanged());
        // Pasted in today's formatting, not the cut item's.
        env.values.bold = false;
        env.values.fontSize = "12";
        QVERIFY(d.pasteFromClipboard());
        QCOMPARE(d.activeText()->text, QString("Pale Ale"));
        QVERIFY(!d.activeText()->font.bold && d.activeText()->font.size == 12.0);
        // Text that only contains the tag later on is text.
        env.platform.setClipboard("Ale CKMGraphic-  1440   720", solid(Qt::red, 10, 10));
        QVERIFY(d.pasteFromClipboard());
        QCOMPARE(d.activeText()->text, QString("Ale CKMGraphic-  1440   720"));
        QCOMPARE(d.graphics().size(), size_t(2));
    }
};

QTEST_GUILESS_MAIN(tst_Clipboard)
#include "tst_clipboard.moc"
