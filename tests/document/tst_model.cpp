// The label document model: size, style codes, item indices, stacking, flags,
// listeners. Snapshots and their restore are checked in tst_history.
#include <QtTest>

#include "document/LabelDocument.h"
#include "editing/LabelEditor.h"
#include "support/DocumentFixture.h"

namespace {
QString at(const QRectF& r) { return QString("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height()); }

// Hears where things changed ("all" for everywhere) and what else happened.
struct Listener : DocumentObserver {
    QStringList heard;
    void areaChanged(const QRectF& r) override { heard << (r.isEmpty() ? QString("all") : at(r)); }
    void selectionChanged() override { heard << "selection"; }
    void restored() override { heard << "restored"; }
};
} // namespace

class tst_Model : public QObject {
    Q_OBJECT
private slots:
    // A new size reaches the surface and the frame only on resize; viewing changes nothing,
    // an edit marks the label changed and a save unmarks it (the defaults' bytes: tst_labelfile);
    // item indices are never reused.
    void sizeFlagsAndIndices()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QCOMPARE(d.borderRect(), QRectF(360, 360, 3600, 4680));
        d.setLabelDimensions(1, 4, 5);
        QCOMPARE(d.surfaceWidth(), 4320);
        d.resizeLabel();
        QCOMPARE(d.surfaceWidth(), 7200);
        QCOMPARE(d.borderRect(), QRectF(360, 360, 6480, 5040));
        d.showGuides(true);
        d.SelectNothing();
        QVERIFY(d.getIsBlankForm() && !d.isChanged());
        QVERIFY(d.createNewText("Ale", 0));
        QVERIFY(!d.getIsBlankForm() && d.isChanged());
        QVERIFY(d.SaveLabelToFile(env.path("ale.ckm")));
        QVERIFY(!d.getIsBlankForm() && !d.isChanged());
        // A stored code between the list's shapes reads as Rounded (each name's shape: tst_render).
        QCOMPARE(Module1::shapeCodeToListPosition(3), 1);

        // Indices are never reused, up to the last a file can hold.
        QVERIFY(d.createNewText("Two", 0));
        d.deleteSelectedObject(false);
        QVERIFY(d.createNewText("Three", 0));
        QCOMPARE(d.activeTextIndex(), 3);
        QVERIFY(d.textAt(1) && !d.textAt(2) && d.textAt(3));
        for (int i = 3; i < LabelDocument::MaxItemIndex; ++i) {
            QVERIFY(d.createNewText("x", 0));
            d.deleteSelectedObject(false);
        }
        QVERIFY(d.createNewText("kept", 0) == false);
        QCOMPARE(env.platform.texts().last(),
                 QString("This label cannot hold more text items. Save it and start a new label."));
        QCOMPARE(int(d.texts().size()), 2);
        QCOMPARE(d.textCounter(), LabelDocument::MaxItemIndex);
    }

    // One stacking, the one the file keeps: pictures in their ranks, the frame,
    // the texts; Bring Forward and Send Back move an item among its own kind.
    void stackingKeepsPicturesByRankThenFrameThenTexts()
    {
        TestEnv env;
        for (const char* p : {"/a.png", "/b.png", "/c.png"})
            offerPicture(env, p, QSizeF(150, 150));
        LabelDocument d(env.values, env.platform, env.fixed);
        // Back to front (so also each picture's rank), e.g. "g3 g1 B t2 t1".
        auto stack = [&] {
            QStringList z;
            const LabelContent& c = d.content();
            for (size_t k = 0; k < c.items.size(); ++k) {
                if (int(k) == c.framePosition())
                    z << "B";
                const ItemId id = idOf(*c.items[k]);
                z << (id.kind == kindOf<GraphicItem> ? "g" : "t") + QString::number(id.index);
            }
            if (c.framePosition() == int(c.items.size()))
                z << "B";
            return z.join(' ');
        };
        QVERIFY(d.createNewText("One", 0));
        QVERIFY(d.createNewGraphic("/a.png"));
        QVERIFY(d.createNewText("Two", 0));
        QVERIFY(d.createNewGraphic("/b.png"));
        QVERIFY(d.createNewGraphic("/c.png"));
        QCOMPARE(stack(), QString("g1 g2 g3 B t1 t2"));
        // The first step: the last picture is already on top of its kind.
        for (const auto& [kind, index, forward, after] :
             {std::tuple('g', 3, true, "g1 g2 g3 B t1 t2"), std::tuple('g', 1, true, "g2 g3 g1 B t1 t2"),
              std::tuple('g', 3, false, "g3 g2 g1 B t1 t2"), std::tuple('t', 2, false, "g3 g2 g1 B t2 t1"),
              std::tuple('t', 2, true, "g3 g2 g1 B t1 t2")}) {
            kind == 'g' ? d.selectGraphic(index) : d.selectText(index);
            forward ? d.bringForwardActive() : d.sendBackActive();
            QCOMPARE(stack(), QString(after));
        }
        d.selectGraphic(2);
        d.deleteSelectedObject(false);
        QCOMPARE(d.findGraphicByRank(0), 3);
        QCOMPARE(d.findGraphicByRank(1), 1);
        QVERIFY(d.createNewGraphic("/a.png"));
        QVERIFY(d.createNewText("Three", 0));
        QCOMPARE(stack(), QString("g3 g1 g4 B t1 t2 t3"));

        // Saved and reopened, the texts stack as they did.
        d.selectText(1);
        d.bringForwardActive();
        d.selectText(3);
        d.sendBackActive();
        QVERIFY(d.SaveLabelToFile(env.path("stack.ckm")));
        LabelDocument e(env.values, env.platform, env.fixed);
        e.LoadFile(env.path("stack.ckm"));
        QStringList texts;
        for (const ItemPtr& p : e.content().items)
            if (const auto* t = std::get_if<TextItem>(p.get()))
                texts << t->text;
        QCOMPARE(texts, QStringList({"Three", "Two", "One"}));
    }

    // Every listener hears exactly where things changed (twips); the frame's operations are steps.
    void listenersHearTheChangedArea()
    {
        Listener one, two;
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.addObserver(&one);
        d.addObserver(&two);
        const auto news = [&] { return std::exchange(one.heard, {}); }; // what the first heard since last asked
        QVERIFY(d.createNewText("Ale", 0));
        const QRectF box = bounds(*d.activeItem());
        // The new item, and the selection drawn around it.
        QCOMPARE(news(), QStringList({at(box), at(box), "selection"}));
        d.nudge(15, 0); // the same selection: no news of it
        const QRectF moved = box.translated(15, 0);
        QCOMPARE(news(), QStringList({at(box), at(moved)}));
        // A width-12 frame is 180 twips thick around its line 360 twips in; a width-30 one 450.
        const QRectF label = d.content().surface();
        d.setBorderWidth(3);
        d.setBorderWidth(30); // typed on: one step
        QCOMPARE(news(),
                 QStringList({at(label.adjusted(270, 270, -270, -270)), at(label.adjusted(135, 135, -135, -135))}));
        d.setBorderVisible(false);
        QCOMPARE(news(), QStringList({at(label.adjusted(135, 135, -135, -135))}));
        d.setBorderColor(0xFF); // a hidden frame looks the same in any colour
        one.heard.clear();
        d.setBackColor(0xFF00);
        QCOMPARE(news(), QStringList({at(label)}));
        QCOMPARE(d.history().count(), 6);

        d.removeObserver(&two);
        d.undoStep(); // the background: the selection goes, the whole label comes back
        QCOMPARE(news(), QStringList({at(moved), "selection", "restored", at(label)}));
        QCOMPARE(two.heard.count("restored"), 0);
        d.undoStep();
        QCOMPARE(d.border().color, ColorValue(0));
        d.undoStep();
        QVERIFY(d.border().visible);
        d.undoStep();
        QCOMPARE(d.border().width, int16_t(12));
        one.heard.clear();
        d.undoStep(); // the move: only the item's two boxes
        QCOMPARE(news(), QStringList({"restored", at(moved), at(box)}));
        d.redoStep();
        QCOMPARE(news(), QStringList({"restored", at(box), at(moved)}));
        // The guides are no content: showing them repaints everything.
        d.showGuides(true);
        QCOMPARE(news(), QStringList({"all"}));
    }

    // A turned text keeps its own box (exact twips) and is hit and repainted where it is drawn.
    void rotatedTextIsHitWhereItIsDrawn()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setLabelDimensions(3, 3, 3);
        d.resizeLabel();
        QVERIFY(d.createNewText("Pale Ale Reserve", 0));
        d.setTextPosition(1000, 2000);
        const QRectF box = bounds(*d.activeItem());
        QVERIFY(box.width() > box.height() + 200);
        const QRectF turned(box.center().x() - box.height() / 2, box.center().y() - box.width() / 2, box.height(),
                            box.width());
        Listener listener;
        d.addObserver(&listener);
        const int steps = d.history().count();
        d.rotateObject(270);
        d.rotateObject(180); // a quarter turn counter-clockwise, 90
        QCOMPARE(d.activeText()->rotation, int16_t(90));
        QCOMPARE(bounds(*d.activeItem()), box);
        QCOMPARE(drawnBounds(*d.activeItem()), turned);
        QVERIFY(listener.heard.contains(at(turned))); // repainted where it now is
        QCOMPARE(d.history().count(), steps + 2);
        env.values.dialogRotation = 0; // the last dialog's angle is no format: a restyle keeps the turn
        d.showActiveText();
        QCOMPARE(d.activeText()->rotation, int16_t(90));

        LabelEditor e(d);
        const QPointF inTurnOnly(box.center().x(), turned.top() + 10), inBoxOnly(box.left() + 10, box.center().y());
        QCOMPARE(e.hitTest(inTurnOnly).kind, Hit::Item);
        QCOMPARE(e.hitTest(inBoxOnly).kind, Hit::Surface);
        // Dragged from there: its outline is the turned box; the drop moves the box by the exact twips.
        QCOMPARE(e.press(inTurnOnly, 1, true), LabelEditor::Press::Drag);
        e.dragOver(inTurnOnly + QPointF(250, 15), true, false);
        QCOMPARE(e.dragOutline(), turned.translated(250, 15));
        e.drop(inTurnOnly + QPointF(250, 15), true, false, 0, 0);
        QCOMPARE(bounds(*d.activeItem()), box.translated(250, 15));
        d.nudge(-250, -15);
        QCOMPARE(bounds(*d.activeItem()), box);

        // Turned by other angles: only the turned box is hit, not the corners around it.
        d.setTextText("Pale Ale Reserve", 45);
        const QRectF around = drawnBounds(*d.activeItem());
        QVERIFY(around.contains(box.center()) && around.width() > box.height() && around.height() > box.height());
        QCOMPARE(e.hitTest(box.center()).kind, Hit::Item);
        QCOMPARE(e.hitTest(around.topLeft() + QPointF(20, 20)).kind, Hit::Surface);
        // Aligned by the edges the eye sees.
        d.setGuidePositions(500, 600);
        d.horizontalAlign(labelcode::NearEdge);
        d.verticalAlign(labelcode::FarEdge);
        QCOMPARE(drawnBounds(*d.activeItem()).topLeft(), QPointF(500, 600));
        d.removeObserver(&listener);
    }
};

QTEST_GUILESS_MAIN(tst_Model)
#include "tst_model.moc"
