// The undo history on the model: every kind of step undone to the same file
// and redone, merging, the limit, loading, pictures that follow their files.
#include <QtTest>

#include "document/LabelDocument.h"
#include "support/DocumentFixture.h"

namespace {
// A picture file of the sample label (a label names only files that are there).
QString pic(TestEnv& env, const char* name) { return env.path("pics/") + name; }

// A label with two texts, a picture from a file and a pasted one (stretched
// out of its proportions), on a wine label with an oval border.
std::unique_ptr<LabelDocument> sampleLabel(TestEnv& env)
{
    QDir().mkpath(env.path("pics"));
    offerPicture(env, pic(env, "hops.png"), QSizeF(1500, 750), Qt::darkGreen, 100, 50).save(pic(env, "hops.png"));
    offerPicture(env, pic(env, "malt.png"), QSizeF(600, 600), Qt::darkYellow, 40, 40).save(pic(env, "malt.png"));
    auto d = std::make_unique<LabelDocument>(env.values, env.platform, env.fixed);
    {
        LabelDocument::Step step(*d, "Label Size");
        d->setLabelDimensions(1, 4.0, 5.0);
        d->resizeLabel();
    }
    d->setBorderStyle("Oval");
    d->createNewText("Pale Ale", 0);
    d->createNewText("Brewed\r\n2024", 0);
    d->createNewGraphic(pic(env, "hops.png"));
    env.platform.setClipboard(QString(), solid(Qt::red, 30, 20));
    d->pasteFromClipboard();
    {
        LabelDocument::Step step(*d, "Resize");
        d->activeGraphic()->height *= 2;
    }
    d->SelectNothing();
    return d;
}

struct Case {
    const char* name; // what Undo is called
    std::function<void(TestEnv&, LabelDocument&)> select;
    std::function<void(TestEnv&, LabelDocument&)> act;
};
} // namespace

class tst_History : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // One row for each way an item command changes the label (the window's commands: tst_undo).
    void everyKindOfStepUndoesToTheSameFileAndRedoes()
    {
        auto text = [](int i) { return [i](TestEnv&, LabelDocument& d) { d.selectText(i); }; };
        auto picture = [](int i) { return [i](TestEnv&, LabelDocument& d) { d.selectGraphic(i); }; };
        auto nothing = [](TestEnv&, LabelDocument&) {};
        auto paste = [](const QString& text, const QImage& image = {}) {
            return [=](TestEnv& e, LabelDocument& d) { e.platform.setClipboard(text, image); d.pasteFromClipboard(); };
        };
        const Case cases[] = {
            {"New Text", nothing, [](TestEnv&, LabelDocument& d) { d.createNewText("Stout", 0); }},
            {"New Picture", nothing, [](TestEnv& env, LabelDocument& d) { d.createNewGraphic(pic(env, "malt.png")); }},
            {"Paste", nothing, paste("CKMGraphic-  1440   720", solid(Qt::blue, 8, 8))},
            {"Paste", nothing, paste("Best before 2026")},
            {"Delete", picture(1), [](TestEnv& e, LabelDocument& d) {
                 e.platform.answers.push_back(MsgAnswer::Yes);
                 d.deleteSelectedObject();
             }},
            {"Cut", picture(2), [](TestEnv&, LabelDocument& d) { d.copySelectedToClipboard(true); }},
            {"Move", text(2), [](TestEnv&, LabelDocument& d) { d.nudge(0, -15); }},
            {"Align", picture(1), [](TestEnv&, LabelDocument& d) { d.horizontalAlign(1); }},
            {"Bring Forward", picture(1), [](TestEnv&, LabelDocument& d) { d.bringForwardActive(); }},
            {"Send Back", text(2), [](TestEnv&, LabelDocument& d) { d.sendBackActive(); }},
            {"Edit Text", text(1), [](TestEnv&, LabelDocument& d) { d.setTextText("India\r\nPale Ale"); }},
            {"Format", text(1), [](TestEnv& e, LabelDocument& d) {
                 e.values.bold = e.values.underline = true;
                 d.showActiveText();
             }},
            {"Background Color", nothing, [](TestEnv&, LabelDocument& d) { d.setBackColor(0x00C0FF); }},
            {"Resize", picture(1), [](TestEnv&, LabelDocument& d) { d.resizeSelected(300, 400); }},
        };
        for (const Case& c : cases) {
            const QString what = QString("%1 (%2)").arg(c.name).arg(&c - cases);
            TestEnv env;
            auto d = sampleLabel(env);
            const QString file = env.path("label.ckm");
            auto saved = [&] { return d->SaveLabelToFile(file) ? fileBytes(file) : QByteArray(); };
            const QByteArray original = saved();
            const int steps = d->history().count();
            c.select(env, *d);
            const LabelDocument::Snapshot before = d->snapshot();

            c.act(env, *d);
            QVERIFY2(d->history().count() == steps + 1, qPrintable(what));
            const QByteArray done = saved();
            QVERIFY2(done != original, qPrintable(what));
            const LabelDocument::Snapshot after = d->snapshot();

            d->undoStep();
            QVERIFY2(!d->activeItemSelected() && !d->activeTextItemSelected() && d->isChanged(), qPrintable(what));
            QVERIFY2(d->snapshot() == before && saved() == original, qPrintable(what)); // saving names pictures

            d->setFlags(false, false);
            d->redoStep();
            QVERIFY2(d->isChanged(), qPrintable(what));
            QVERIFY2(d->snapshot() == after && saved() == done, qPrintable(what));
            // Each pasted picture was written once, also when its step came back.
            QCOMPARE(QDir(env.values.graphicsFolder).entryList(QDir::Files).size(),
                     qsizetype(QString(c.name) == "Paste" && what.endsWith("(2)") ? 2 : 1));
        }
    }

    void undoRedoAndWhatIsNoStep()
    {
        TestEnv env;
        auto d = sampleLabel(env);
        const int steps = d->history().count();
        QCOMPARE(steps, 7); // size, style, two texts, a picture, a paste, its stretch

        // Changing nothing is no step.
        d->selectGraphic(2);
        d->copySelectedToClipboard(false);
        env.platform.answers.push_back(MsgAnswer::No);
        d->deleteSelectedObject();
        d->showGuides(true);
        d->setGuidePositions(100, 100);
        d->SelectNothing();
        d->nudge(15, 0);
        d->setTextColor(0xFF);
        d->setTextFontSize("abc");
        QCOMPARE(d->history().count(), steps);

        // Back to the empty label, and past it nothing happens.
        for (int i = 0; i < steps; ++i)
            d->undoStep();
        QVERIFY(d->texts().empty() && d->graphics().empty());
        QCOMPARE(QPair(d->surfaceWidth(), d->valBorderStyle), QPair(4320, QString("Rounded")));
        const LabelDocument::Snapshot empty = d->snapshot();
        QVERIFY(!d->history().canUndo());
        d->undoStep();
        QVERIFY(d->snapshot() == empty);

        // Redo brings each step back; a new step drops what could be redone.
        d->redoStep();
        d->redoStep();
        QCOMPARE(QPair(d->surfaceWidth(), d->valBorderStyle), QPair(7200, QString("Oval")));
        d->redoStep();
        QCOMPARE(d->texts().size(), size_t(1));
        d->createNewText("Porter", 0);
        QVERIFY(!d->history().canRedo());
        QCOMPARE(d->history().count(), 4);
        // Numbering goes on from the label as it is now.
        QCOMPARE(d->texts().rbegin()->first, 2);

        // A step while a step is open belongs to it; undo waits for it to end.
        d->beginStep("Move");
        d->selectText(2);
        d->nudge(15, 0);
        d->undoStep();
        QCOMPARE(d->history().count(), 4);
        d->endStep();
        QCOMPARE(d->history().count(), 5);

        // At most the last hundred steps are kept.
        for (int i = 0; i < 120; ++i)
            d->setBackColor(ColorValue(i + 1));
        QCOMPARE(d->history().count(), LabelDocument::HistoryLimit);
        while (d->history().canUndo())
            d->undoStep();
        QCOMPARE(d->backColor(), ColorValue(20));
    }

    void picturesFollowTheirFilesLoadingClearsTheHistoryArrowKeysMerge()
    {
        TestEnv env;
        auto d = sampleLabel(env);
        // Edited in the picture editor and reloaded: undoing a move keeps the new picture.
        d->selectGraphic(1);
        d->nudge(15, 0);
        const QImage edited = offerPicture(env, pic(env, "hops.png"), QSizeF(1500, 750), Qt::magenta, 100, 50);
        d->refreshGraphic(pic(env, "hops.png"));
        d->undoStep();
        QCOMPARE(d->graphicAt(1)->picture.cacheKey(), edited.cacheKey());
        d->redoStep();
        QCOMPARE(d->graphicAt(1)->picture.cacheKey(), edited.cacheKey());

        // A pasted picture deleted and brought back is the same picture, still without a file.
        const qint64 pasted = d->graphicAt(2)->picture.cacheKey();
        d->selectGraphic(2);
        d->copySelectedToClipboard(true);
        QVERIFY(!d->graphicAt(2));
        d->undoStep();
        QCOMPARE(d->graphicAt(2)->picture.cacheKey(), pasted);
        QCOMPARE(d->graphicAt(2)->tag, QString("0"));

        // Saved: the bitmap is written once, and the steps before the save know its file.
        const QString file = env.path("label.ckm");
        QVERIFY(d->SaveLabelToFile(file));
        const QString bmp = d->graphicAt(2)->path();
        QVERIFY(bmp.endsWith("label 0000.bmp"));
        d->undoStep(); // the move of the first picture
        d->undoStep(); // the stretch of the pasted picture
        d->redoStep();
        QCOMPARE(d->graphicAt(2)->path(), bmp);
        d->redoStep();
        QVERIFY(d->SaveLabelToFile(file));
        QCOMPARE(QDir(env.values.graphicsFolder).entryList(QDir::Files), QStringList{"label 0000.bmp"});

        // Loaded, a label has no history.
        LabelDocument other(env.values, env.platform, env.fixed);
        other.createNewText("Mild", 0);
        QVERIFY(other.history().canUndo());
        other.LoadFile(file);
        QCOMPARE(other.history().count(), 0);
        QCOMPARE(other.texts().size(), size_t(3));
        // Damaged files too: what was there before cannot come back.
        other.createNewText("Mild", 0);
        QVERIFY(writeFile(env.path("bad.ckm"), "nonsense"));
        other.LoadFile(env.path("bad.ckm"));
        QCOMPARE(other.history().count(), 0);
        // Loading is no step and leaves recording on.
        other.createNewText("Bitter", 0);
        QCOMPARE(other.history().count(), 1);

        // Arrow keys on one item merge into one step.
        const int steps = d->history().index(); // the cut above could still be redone
        d->selectText(1);
        const TextItem start = *d->activeText();
        const LabelDocument::Snapshot before = d->snapshot();
        for (int i = 0; i < 4; ++i)
            d->nudge(15, 0);
        d->nudge(0, 15);
        QCOMPARE(d->history().index(), steps + 1);
        // The step shares every item it left alone with the label before it; only the text is a copy.
        int shared = 0;
        for (size_t k = 0; k < before.items.size(); ++k)
            shared += before.items[k].get() == d->content().items[k].get();
        QCOMPARE(shared, int(before.items.size()) - 1);

        // Another item's nudges are a step of their own, and so are the first item's after them.
        d->selectGraphic(1);
        d->nudge(-15, 0);
        d->selectText(1);
        d->nudge(15, 0);
        QCOMPARE(d->history().index(), steps + 3);
        for (int i = 0; i < 3; ++i)
            d->undoStep();
        QCOMPARE(bounds(*d->textAt(1)), bounds(start));

        // There and back again leaves nothing to undo.
        d->redoStep();
        const int now = d->history().count();
        const int index = d->history().index();
        d->selectText(2);
        d->nudge(15, 0);
        d->nudge(-15, 0);
        QCOMPARE(d->history().index(), index);
        QVERIFY(d->history().count() <= now);
    }
};

QTEST_GUILESS_MAIN(tst_History)
#include "tst_history.moc"
