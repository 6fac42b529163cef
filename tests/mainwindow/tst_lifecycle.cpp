// The recent files, and opening, saving and closing through the main window.
#include <QtTest>

#include "mainwindow/RecentFiles.h"
#include "support/MainWindowFixture.h"

class tst_Lifecycle : public QObject, WindowTests {
    Q_OBJECT

    void open(const QString& path)
    {
        env().platform.openAnswers.push_back(ScriptedPlatform::chosen(path));
        main().action("mnuFileOpen")->trigger();
    }
    QStringList recentPaths() const
    {
        QStringList l;
        for (int i = 0; i < main().recentFiles().count(); ++i)
            l << main().recentFiles().path(i);
        return l;
    }

private slots:
    void init() { f = std::make_unique<MainWithLabel>(false); }
    void cleanup() { f.reset(); }

    // The recent list's captions and rules, then as opening files fills it.
    void recentFiles()
    {
        const QString e(QChar(0x2026)), a26 = QString(26, 'a') + ".ckm", a27 = "a" + a26, b44 = QString(40, 'b') + ".ckm";
        QCOMPARE(recentFileCaption("C:\\Labels\\" + a26), "C:\\Labels\\" + a26); // 40 characters
        // Too long with its folder: only the file name stays; deep folders keep the last folder too.
        QCOMPARE(recentFileCaption("C:\\Labels\\" + a27), "C:\\" + e + "\\" + a27);
        QCOMPARE(recentFileCaption("C:\\Brewing\\Old\\Stock\\Labels\\Summer Ale.ckm"),
                 "C:\\" + e + "\\Labels\\Summer Ale.ckm");
        QCOMPARE(recentFileCaption("C:\\Labels\\" + b44), "C:\\" + e + "\\" + b44.left(31) + e);
        QCOMPARE(recentFileCaption("C:\\" + b44), "\\" + b44.left(37) + e);
        QCOMPARE(recentFileCaption(QString(45, 'x')), QString(38, 'x') + e);

        RecentFileList l;
        for (const char* p : {"/a.ckm", "/b.ckm", "/c.ckm", "/d.ckm", "/e.ckm"})
            l.addRecentFile(p);
        QCOMPARE(l.count(), 4);
        l.addRecentFile("/C.CKM"); // matched by caption, ignoring case
        QCOMPARE(l.count(), 4);
        QCOMPARE(l.path(0), QString("/c.ckm"));
        QCOMPARE(l.findRecentFile("/d.ckm"), 2);
        for (const char* p : {"/b.ckm", "/c.ckm", "/d.ckm", "/e.ckm"})
            l.removeRecentFile(p);
        QCOMPARE(l.highestIndex(), -1);
        QVERIFY(!l.item0Visible() && !l.separatorVisible());

        // Opened files fill the window's recent list.
        // A file gone before it is opened: said, and the first window stays untouched.
        open(env().path("nothere.ckm"));
        QCOMPARE(env().platform.shown.last().text, "File \"" + env().path("nothere.ckm") + "\" Not Found");
        QCOMPARE(main().activeDocument()->saveFileName, env().path("nothere.ckm"));
        QCOMPARE(main().activeDocument()->caption(), QString("Label 1"));

        QStringList files;
        for (const char* n : {"1.ckm", "2.ckm", "3.ckm"})
            files << savedLabel(env(), n);
        for (const QString& f : files)
            open(f);
        QCOMPARE(main().documents().size(), 3);
        QCOMPARE(env().store.read("Open", "File Path", ""), env().values.labelFolder);
        QCOMPARE(recentPaths(), QStringList({files[2], files[1], files[0]}));

        // Choosing a recent item opens it without a dialog.
        const int asked = int(env().platform.fileRequests.size());
        main().mruItem(2)->trigger();
        QCOMPARE(int(env().platform.fileRequests.size()), asked);
        QCOMPARE(main().activeDocument()->saveTitle, QString("1.ckm"));
        QCOMPARE(recentPaths().first(), files[0]);

        // A file gone from disk leaves the list with a message.
        QFile::remove(files[1]);
        main().mruItem(2)->trigger();
        QCOMPARE(env().platform.shown.last().text, "File \"" + files[1] + "\" Not Found");
        QCOMPARE(main().recentFiles().count(), 2);

        // A relative name is kept whole; a label already open is brought forward,
        // as saving one of two windows would overwrite the other's changes.
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(env().values.labelFolder);
        main().openLabel("3.ckm");
        QDir::setCurrent(cwd);
        QCOMPARE(main().documents().size(), 3);
        QCOMPARE(main().activeDocument()->saveFileName, files[2]);
        QCOMPARE(recentPaths().first(), files[2]);
        QCOMPARE(env().store.read("Open", "File Path", ""), env().values.labelFolder);
        main().openLabel(env().values.labelFolder + "/./1.ckm");
        QCOMPARE(main().documents().size(), 3);
        QCOMPARE(main().activeDocument()->saveFileName, files[0]);

        // Closing writes the list; a fresh window reads it back in order.
        main().writeCloseSettings();
        QCOMPARE(env().store.read("MRUFiles", "0", ""), files[0]);
        QCOMPARE(env().store.read("MRUFiles", "2", "?"), QString(""));
        frmMain other(env().ctx);
        other.Form_Load();
        QCOMPARE(other.recentFiles().path(1), files[2]);
        QCOMPARE(other.recentFiles().count(), 2);

        // The last one gone: the item and its separator hide.
        for (const QString& f : files)
            QFile::remove(f);
        for (int i = 0; i < 2; ++i)
            main().mruItem(0)->trigger();
        QVERIFY(!main().mruItem(0)->isVisible());
        QVERIFY(!main().mnuFileBar4()->isVisible());
    }

    void saveAndSaveAs()
    {
        frmDocument* d = main().activeDocument();
        d->createNewText("Stout", 0);
        const QString target = env().values.labelFolder + "/Stout.ckm";
        env().platform.saveAnswers.push_back(ScriptedPlatform::chosen(target));
        main().action("mnuFileSave0")->trigger();
        QCOMPARE(env().platform.fileRequests.last().fileName, QString("Label 1"));
        QVERIFY(env().platform.fileRequests.last().overwritePrompt);
        QVERIFY(QFileInfo::exists(target));
        QCOMPARE(d->caption(), QString("Stout.ckm"));
        QVERIFY(!d->isChanged());
        QCOMPARE(recentPaths(), QStringList{target});

        // Named now (upper-case extension too): Save writes straight back.
        const int asked = int(env().platform.fileRequests.size());
        d->saveTitle = "STOUT.CKM";
        d->setChanged();
        main().action("mnuFileSave0")->trigger();
        QCOMPARE(int(env().platform.fileRequests.size()), asked);
        QVERIFY(!d->isChanged());
        // Save As always asks; cancelling saves nothing.
        env().platform.saveAnswers.push_back(std::nullopt);
        d->setChanged();
        main().action("mnuFileSave1")->trigger();
        QCOMPARE(int(env().platform.fileRequests.size()), asked + 1);
        QVERIFY(d->isChanged());

        // Saving into a folder that is not there says so and keeps the changes.
        env().platform.saveAnswers.push_back(ScriptedPlatform::chosen(env().path("no/dir/x.ckm")));
        main().action("mnuFileSave1")->trigger();
        QVERIFY(env().platform.shown.last().text.startsWith("The label could not be saved to \"" + env().path("no/dir/x.ckm")));
        QVERIFY(d->isChanged());
    }

    void charactersAFileCannotKeepAreAskedAbout()
    {
        frmDocument* d = main().activeDocument();
        d->createNewText(QString::fromUtf8("Le\u017e\u00e1k"), 0); // the code page has these
        d->createNewText(QString::fromUtf8("Dvan\u00e1ctka \u0148 \u0141\u00f3d\u017a"), 0);
        const QString target = env().values.labelFolder + "/Lager.ckm";

        // Cancel: no chooser, nothing written, still changed.
        env().platform.answers = {MsgAnswer::Cancel};
        main().action("mnuFileSave0")->trigger();
        const ScriptedPlatform::Shown q = env().platform.shown.last();
        QCOMPARE(q.text, QString::fromUtf8("A label file cannot keep these characters of the label's texts; they would be "
                                           "saved as \"?\":\n\u0148 \u0141 \u017a\n\nSave \"Label 1\" anyway?"));
        QCOMPARE(q.buttons, MsgButtons::SaveAnywayCancel);
        QVERIFY(env().platform.fileRequests.isEmpty());
        QVERIFY(d->isChanged());
        QVERIFY(!QFileInfo::exists(target));

        // Save As asks too; Save anyway goes on and writes them as '?'.
        env().platform.answers = {MsgAnswer::OK};
        env().platform.saveAnswers = {ScriptedPlatform::chosen(target)};
        main().action("mnuFileSave1")->trigger();
        QCOMPARE(env().platform.shown.size(), 2);
        QVERIFY(!d->isChanged());
        QVERIFY(fileBytes(target).contains("Dvan\xe1" "ctka ? ?\xf3" "d?"));

        // Closing: Yes to saving, then Cancel at the characters keeps the label open and changed.
        d->setChanged();
        env().platform.answers = {MsgAnswer::Yes, MsgAnswer::Cancel};
        main().action("mnuFileClose")->trigger();
        QCOMPARE(main().documents().size(), 1);
        QVERIFY(d->isChanged());
        QCOMPARE(env().platform.shown.last().buttons, MsgButtons::SaveAnywayCancel);
    }

    // Settings are written only when a close goes ahead (no place while minimised).
    void saveAllAndClosing()
    {
        main().activeDocument()->createNewText("One", 0);
        main().LoadNewDoc();
        main().activeDocument()->createNewText("Two", 0);
        env().platform.saveAnswers = {ScriptedPlatform::chosen(env().path("two.ckm")), ScriptedPlatform::chosen(env().path("one.ckm"))};
        main().action("mnuFileSaveAll")->trigger();
        QVERIFY(QFileInfo::exists(env().path("one.ckm")) && QFileInfo::exists(env().path("two.ckm")));
        QCOMPARE(main().activeDocument()->caption(), QString("two.ckm"));

        main().activeDocument()->setChanged();
        env().platform.answers = {MsgAnswer::Cancel};
        QVERIFY(!main().close());
        QCOMPARE(main().documents().size(), 2);
        QVERIFY(!env().store.contains("Settings", "Show Guides"));

        main().setWindowState(Qt::WindowMinimized);
        main().writeCloseSettings();
        QVERIFY(!env().store.contains("Main", "Window State") && !env().store.contains("Main", "Left"));
        QCOMPARE(env().store.read("Settings", "Show Grid", ""), QString("True"));

        env().platform.shown.clear();
        env().platform.answers = {MsgAnswer::No};
        main().showNormal();
        QVERIFY(main().close());
        QVERIFY(env().platform.texts() == QStringList{"'two.ckm' has Changed, Save the Changes?"});
        QCOMPARE(env().store.read("Main", "Window State", ""), QString("0"));
        QVERIFY(env().store.contains("Main", "Left"));
        QCOMPARE(env().store.read("Settings", "Show Guides", ""), QString("False"));
        QVERIFY(env().values.applicationClosing);

        env().store.failWrites = "the disk is full";
        main().writeCloseSettings();
        QCOMPARE(env().platform.texts().last(), QString("The settings could not be saved to \"(memory)\": the disk is full"
                                                       "\nThey will be as before when Corkcrafter starts again."));
    }

    // New documents start from the template's header and stay blank.
    void newLabelsFromTheTemplate()
    {
        LabelDocument t(env().values, env().platform, env().fixed);
        t.setLabelDimensions(1, 4, 5);
        t.resizeLabel();
        t.createNewText("ignored", 0);
        t.SaveLabelToFile(env().values.templateFolder + "/wine.ckm");
        env().values.templateFile = "wine.ckm";
        main().action("mnuFileNew")->trigger();
        frmDocument* d = main().activeDocument();
        QCOMPARE(d->caption(), QString("Label 2"));
        QCOMPARE(d->surfaceWidth(), 7200);
        QVERIFY(d->texts().empty());
        QVERIFY(d->getIsBlankForm());
        QVERIFY(main().action("mnuFileLabelSize1")->isChecked());
        // ...so opening a file reuses it.
        open(savedLabel(env(), "Reuse.ckm"));
        QCOMPARE(main().activeDocument(), d);
    }

    // With the guides hidden the align commands centre on the label's own centre.
    void alignCentresOnTheLabelsOwnSize()
    {
        LabelDocument small(env().values, env().platform, env().fixed);
        small.setLabelDimensions(2, 2.5, 3.5);
        small.resizeLabel();
        small.createNewText("Ale", 0);
        QVERIFY(small.SaveLabelToFile(env().path("small.ckm")));
        QVERIFY(!main().action("mnuViewShowGuides")->isChecked());

        open(env().path("small.ckm")); // into the untouched 3.75 x 3 in window
        frmDocument* d = main().activeDocument();
        QCOMPARE(QSize(d->surfaceWidth(), d->surfaceHeight()), QSize(5040, 3600));
        const auto centre = [&] {
            d->selectText(1);
            main().button("Horizontal Center")->trigger();
            main().button("Vertical Center")->trigger();
            const TextItem& t = *d->activeText();
            return QPointF(t.left + t.width / 2, t.top + t.height / 2);
        };
        QCOMPARE(centre(), QPointF(2520, 1800));

        // Resized from the menu, and back by Undo: the guides follow each size.
        main().action("mnuFileLabelSize1")->trigger();
        QCOMPARE(centre(), QPointF(3600, 2880));
        main().action("mnuEditUndo")->trigger(); // the vertical centre
        main().action("mnuEditUndo")->trigger(); // the horizontal one
        main().action("mnuEditUndo")->trigger(); // the size
        QCOMPARE(d->surfaceWidth(), 5040);
        QCOMPARE(centre(), QPointF(2520, 1800));

        // A guide dragged (shown, then hidden) stays where it was put while the size stays.
        main().action("mnuViewShowGuides")->trigger();
        d->setGuidePositions(1000, 900);
        main().action("mnuViewShowGuides")->trigger();
        QCOMPARE(centre(), QPointF(1000, 900));
    }
};

QTEST_MAIN(tst_Lifecycle)
#include "tst_lifecycle.moc"
