// The label document model: defaults, style codes, item indices, flags.
#include <QtTest>

#include "app/Units.h"
#include "document/LabelDocument.h"
#include "support/TestEnv.h"

class tst_Model : public QObject {
    Q_OBJECT
private slots:
    void roundingIsHalfToEven()
    {
        QCOMPARE(units::CInt(2.5), int16_t(2));
        QCOMPARE(units::CInt(3.5), int16_t(4));
        QCOMPARE(units::CInt(-2.5), int16_t(-2));
        QCOMPARE(units::CInt(40000), int16_t(32767));
        QCOMPARE(units::CInt(-1e9), int16_t(-32768));
        QCOMPARE(units::inchesToTwips(3.75), 5400);
    }

    void newBeerLabelDefaults()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QCOMPARE(d.getLabelType(), int16_t(0));
        QCOMPARE(d.surfaceWidth(), 4320);
        QCOMPARE(d.surfaceHeight(), 5400);
        QCOMPARE(d.borderRect(), QRectF(360, 360, 3600, 4680));
        QCOMPARE(d.getCutmarks(), int16_t(2));
        QCOMPARE(d.backColor(), ColorValue(0x80000005));
        QCOMPARE(d.valBorderStyle, QString("Rounded"));
        QCOMPARE(d.border().shapeCode, int16_t(4));
        QCOMPARE(d.border().width, int16_t(12));
        QVERIFY(d.border().visible);
        QVERIFY(!d.valMaintainAspectRatioFlag);
        QVERIFY(d.getIsBlankForm());
        QVERIFY(!d.isChanged());

        // A new size reaches the surface only when the label is resized.
        d.setLabelDimensions(1, 4, 5);
        QCOMPARE(d.surfaceWidth(), 4320);
        d.resizeLabel();
        QCOMPARE(d.surfaceWidth(), 7200);
        QCOMPARE(d.borderRect(), QRectF(360, 360, 6480, 5040));
        QVERIFY(!d.isChanged());
    }

    void styleMapping()
    {
        QCOMPARE(Module1::styleNameToShapeCode("Square"), int16_t(0));
        QCOMPARE(Module1::styleNameToShapeCode("Rounded"), int16_t(4));
        QCOMPARE(Module1::styleNameToShapeCode("Oval"), int16_t(2));
        QCOMPARE(Module1::styleNameToShapeCode("oval"), int16_t(0));
        QCOMPARE(Module1::shapeCodeToListPosition(Module1::styleNameToShapeCode("oval")), 0);
        QCOMPARE(Module1::shapeCodeToListPosition(2), 2);
        QCOMPARE(Module1::shapeCodeToListPosition(4), 1);
        QCOMPARE(Module1::shapeCodeToListPosition(3), 1);

        TestEnv env;
        env.values.borderStyle = "rounded";
        LabelDocument d(env.values, env.platform, env.fixed);
        QCOMPARE(d.border().shapeCode, int16_t(0));
    }

    void indicesAreNeverReused()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewText("One", 0));
        QVERIFY(d.createNewText("Two", 0));
        QCOMPARE(d.activeTextIndex(), 2);
        d.deleteSelectedObject(false);
        QVERIFY(!d.activeTextItemSelected());
        QCOMPARE(int(d.texts().size()), 1);
        QVERIFY(d.createNewText("Three", 0));
        QCOMPARE(d.activeTextIndex(), 3);
        QVERIFY(d.textAt(1) && !d.textAt(2) && d.textAt(3));

        // Deleting asks first; No keeps the item.
        env.platform.answers = {MsgAnswer::No};
        d.deleteSelectedObject();
        QCOMPARE(env.platform.texts().last(), QString("Are you sure you want to delete the selected text?"));
        QVERIFY(d.textAt(3));
    }

    // One stacking, the one the file keeps: pictures in their ranks, the frame,
    // the texts; Bring Forward and Send Back move an item among its own kind.
    void stackingKeepsPicturesByRankThenFrameThenTexts()
    {
        TestEnv env;
        QImage img(10, 10, QImage::Format_RGB32);
        img.fill(Qt::red);
        for (const char* p : {"/a.png", "/b.png", "/c.png"})
            env.platform.pictures[p] = PictureData{img, QSizeF(150, 150), {}};
        LabelDocument d(env.values, env.platform, env.fixed);
        auto ranks = [&] {
            QList<int> r;
            for (const auto& [i, g] : d.graphics())
                r << d.content().rankOf(i);
            return r;
        };
        // Back to front, e.g. "g3 g1 B t2 t1".
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
        QCOMPARE(ranks(), QList<int>({0, 1, 2}));
        QCOMPARE(stack(), QString("g1 g2 g3 B t1 t2"));
        d.selectGraphic(1);
        d.bringForwardActive();
        QCOMPARE(ranks(), QList<int>({2, 0, 1}));
        QCOMPARE(stack(), QString("g2 g3 g1 B t1 t2"));
        d.selectGraphic(3);
        d.sendBackActive();
        QCOMPARE(ranks(), QList<int>({2, 1, 0}));
        QCOMPARE(stack(), QString("g3 g2 g1 B t1 t2"));
        d.selectText(2);
        d.sendBackActive();
        QCOMPARE(stack(), QString("g3 g2 g1 B t2 t1"));
        d.selectText(2);
        d.bringForwardActive();
        QCOMPARE(stack(), QString("g3 g2 g1 B t1 t2"));
        d.selectGraphic(2);
        d.deleteSelectedObject(false);
        QCOMPARE(ranks(), QList<int>({1, 0}));
        QCOMPARE(d.findGraphicByRank(0), 3);
        QCOMPARE(d.findGraphicByRank(1), 1);
        QVERIFY(d.createNewGraphic("/a.png"));
        QCOMPARE(d.activeGraphicIndex(), 4);
        QCOMPARE(d.content().rankOf(4), 2);
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

    void flagTransitions()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.getIsBlankForm() && !d.isChanged());
        // Viewing commands change nothing.
        d.showGuides(true);
        d.SelectNothing();
        QVERIFY(d.getIsBlankForm() && !d.isChanged());
        d.setChanged();
        QVERIFY(!d.getIsBlankForm() && d.isChanged());

        LabelDocument d2(env.values, env.platform, env.fixed);
        QVERIFY(d2.createNewText("Ale", 0));
        QVERIFY(!d2.getIsBlankForm() && d2.isChanged());
        QVERIFY(d2.SaveLabelToFile(env.path("ale.ckm")));
        QVERIFY(!d2.getIsBlankForm() && !d2.isChanged());
        // Editing the text of an item changes the label; undoing it brings the saved one back.
        d2.selectText(1);
        d2.setTextText("Stout");
        QVERIFY(d2.isChanged());
        d2.undoStep();
        QVERIFY(!d2.isChanged());
    }

    void snapshotAndRestore()
    {
        TestEnv env;
        QImage img(10, 10, QImage::Format_RGB32);
        img.fill(Qt::red);
        env.platform.pictures["/a.png"] = PictureData{img, QSizeF(150, 150), {}};
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewGraphic("/a.png"));
        QVERIFY(d.createNewText("Ale", 0));
        d.setBackColor(0x00FF00);
        const LabelDocument::Snapshot before = d.snapshot();
        // The items are shared with the snapshot, not copied; a change copies only the item it changes.
        QCOMPARE(before.items.size(), size_t(2));
        QCOMPARE(before.items[0].get(), d.content().items[0].get());
        QCOMPARE(before.items[1].get(), d.content().items[1].get());

        d.selectText(1);
        d.deleteSelectedObject(false);
        d.selectGraphic(1);
        d.nudge(15, 0);
        QVERIFY(d.content().items[0].get() != before.items[0].get());
        QCOMPARE(before.get<GraphicItem>(1)->left + 15, d.graphics().at(1).left);
        QVERIFY(d.createNewText("Stout", 0));
        d.border().width = 3;
        d.setBorderStyle("Oval");
        d.setLabelDimensions(1, 4, 5);
        d.resizeLabel();
        d.setBackColor(0x0000FF);
        QVERIFY(!(d.snapshot() == before));

        d.restore(before);
        QVERIFY(d.snapshot() == before);
        QCOMPARE(d.texts().size(), size_t(1));
        QCOMPARE(d.texts().at(1).text, QString("Ale"));
        QCOMPARE(d.graphics().at(1).left, before.get<GraphicItem>(1)->left);
        QCOMPARE(d.surfaceWidth(), 4320); // the surface follows the restored size
        QCOMPARE(d.border().shapeCode, int16_t(4));
        QCOMPARE(d.backColor(), ColorValue(0x00FF00));
        QVERIFY(!d.activeTextItemSelected() && !d.activeItemSelected());
        // The index counters come back with the content.
        QVERIFY(d.createNewText("Porter", 0));
        QCOMPARE(d.activeTextIndex(), 2);
    }

    // Every listener hears what changed; the frame's operations are steps of their own.
    void listenersAndFrameSteps()
    {
        struct Listener : DocumentObserver {
            QStringList heard;
            void areaChanged(const QRectF& r) override { heard << (r.isEmpty() ? "all" : "part"); }
            void selectionChanged() override { heard << "selection"; }
            void restored() override { heard << "restored"; }
        } one, two;
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.addObserver(&one);
        d.addObserver(&two);
        QVERIFY(d.createNewText("Ale", 0));
        QCOMPARE(one.heard, QStringList({"all", "selection"}));
        d.nudge(15, 0); // the same selection: no news of it
        d.setBorderVisible(false);
        d.setBorderColor(0xFF);
        d.setBorderWidth(3);
        d.setBorderWidth(30); // typed on: one step
        QCOMPARE(d.history().count(), 5);
        QCOMPARE(d.history().undoText(), QString("Border Width"));
        d.removeObserver(&two);
        one.heard.clear();
        d.undoStep();
        QCOMPARE(one.heard, QStringList({"all", "selection", "restored", "all"}));
        QCOMPARE(two.heard.count("restored"), 0);
        QCOMPARE(d.border().width, int16_t(12));
        d.undoStep();
        QCOMPARE(d.border().color, ColorValue(0));
        d.undoStep();
        QVERIFY(d.border().visible);
    }

    void creationCounterLimit()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        // Fill up to the last representable index quickly through deletes.
        for (int i = 0; i < LabelDocument::MaxItemIndex; ++i) {
            QVERIFY(d.createNewText("x", 0));
            d.deleteSelectedObject(false);
        }
        QVERIFY(d.createNewText("kept", 0) == false);
        QCOMPARE(env.platform.texts().last(),
                 QString("This label cannot hold more text items. Save it and start a new label."));
        QCOMPARE(int(d.texts().size()), 0);
        QCOMPARE(d.textCounter(), LabelDocument::MaxItemIndex);
    }
};

QTEST_GUILESS_MAIN(tst_Model)
#include "tst_model.moc"
