// The tip of the day, the about box, the splash window and the help window.
#include <QtTest>
#include <QCheckBox>
#include <QHelpContentWidget>
#include <QHelpEngine>
#include <QHelpSearchEngine>
#include <QHelpSearchQueryWidget>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QTextBrowser>

#include "app/ShowHelp.h"
#include "dialogs/frmAbout.h"
#include "dialogs/frmHelp.h"
#include "dialogs/frmSplash.h"
#include "dialogs/frmTip.h"
#include "mainwindow/frmMain.h"
#include "support/Files.h"
#include "support/TestEnv.h"
#include "support/UserInput.h"

namespace {

QString shownTip(frmTip* t) { return t->lblTipText()->text(); }

// CORK_SCREENSHOT_DIR=folder saves pictures of the windows for the docs.
void screenshot(QWidget* w, const QString& name)
{
    const QString dir = qEnvironmentVariable("CORK_SCREENSHOT_DIR");
    if (!dir.isEmpty())
        QVERIFY(w->grab().save(dir + "/" + name));
}

void click(QPushButton* b) { QTest::mouseClick(b, Qt::LeftButton); }

} // namespace

class tst_Dialogs : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<QTemporaryDir> tmp;
    QTemporaryDir& data() { return *tmp; }

    void tipsFile(const QByteArray& bytes)
    {
        env->ctx.paths.dataDir = data().path();
        QVERIFY(writeFile(data().filePath("TipOfDay.fil"), bytes));
    }

private slots:
    void initTestCase() { QStandardPaths::setTestModeEnabled(true); }
    void init()
    {
        env = std::make_unique<TestEnv>();
        tmp = std::make_unique<QTemporaryDir>();
    }
    void cleanup()
    {
        delete frmHelp::instance();
        env.reset();
    }

    // Turned off at the first start, the tip still comes from the Help menu (order: tst_tips).
    void tipOfTheDayAndAboutBox()
    {
        if (!qEnvironmentVariableIsEmpty("CORK_SCREENSHOT_DIR")) {
            env->store.write("Main", "Current Tip", "4"); // the shipped tips, the fifth one
            frmTip shipped(env->ctx);
            shipped.show();
            QVERIFY(QTest::qWaitForWindowExposed(&shipped));
            screenshot(&shipped, "tip-of-the-day.png");
        }
        tipsFile("One\r\nTwo~on two lines\r\nThree\r\n");
        frmMain main(env->ctx);
        main.Form_Load();
        main.show();
        auto* timer = main.findChild<QTimer*>("timTipOfTheDay");
        QVERIFY(!timer->isActive());

        QStringList seen;
        input::whenModal<frmTip>([&](frmTip* t) {
            QVERIFY(t->chkLoadTipsAtStartup()->isChecked());
            seen << shownTip(t);
            click(t->cmdNextTip());
            seen << shownTip(t);
            click(t->cmdNextTip());
            seen << shownTip(t);
            t->chkLoadTipsAtStartup()->click();
            click(t->cmdOK());
        });
        timer->start();
        QTRY_COMPARE(seen.size(), 3);
        QCOMPARE(seen, QStringList({"One", "Two\non two lines", "Three"}));
        QVERIFY(!timer->isActive());
        QCOMPARE(env->store.read("Main", "Show Tips at Startup", ""), QString("0"));
        QCOMPARE(env->store.read("Main", "Current Tip", ""), QString("3"));

        // Next start: none; the Help menu wraps to the first, Esc closes it as OK does.
        timer->start();
        QTest::qWait(300);
        QCOMPARE(seen.size(), 3);
        QVERIFY(!QApplication::activeModalWidget());
        input::whenModal<frmTip>([&](frmTip* t) {
            seen << shownTip(t);
            QVERIFY(!t->chkLoadTipsAtStartup()->isChecked());
            QTest::keyClick(t, Qt::Key_Escape);
        });
        main.action("mnuHelpTip")->trigger();
        QCOMPARE(seen.last(), QString("One"));
        QCOMPARE(env->store.read("Main", "Current Tip", ""), QString("1"));

        // The about box from the same window.
        QTemporaryDir bin;
        bool aboutShown = false;
        input::whenModal<frmAbout>([&](frmAbout* a) {
            aboutShown = true;
            auto* ok = a->findChild<QPushButton*>("cmdOK");
            auto* sys = a->findChild<QPushButton*>("cmdSysInfo");

            // No system-information program anywhere: the message.
            a->searchFolders = {bin.path()};
            click(sys);
            QCOMPARE(env->platform.texts(), QStringList{"System Information Is Unavailable At This Time"});
            QVERIFY(env->platform.started.isEmpty());
            // One is installed: it is started, with no shell and no arguments.
            QVERIFY(writeFile(bin.filePath("hardinfo"), "#!/bin/sh\nexit 0\n"));
            QFile(bin.filePath("hardinfo")).setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            click(sys);
            QCOMPARE(env->platform.started.size(), 1);
            QCOMPARE(env->platform.started[0].program, bin.filePath("hardinfo"));
            QVERIFY(env->platform.started[0].args.isEmpty());
            QCOMPARE(env->platform.shown.size(), 1);
            click(ok);
        });
        main.action("mnuHelpAbout")->trigger();
        QVERIFY(aboutShown);
        QVERIFY(!QApplication::activeModalWidget());
    }

    void missingTipsFile()
    {
        env->ctx.paths.dataDir = data().path(); // holds no tips file
        env->store.write("Main", "Show Tips at Startup", "1");
        {
            frmTip t(env->ctx);
            QCOMPARE(shownTip(&t), QString("The file that holds the Tips, \"TipOfDay.fil\" was not found.\n\n"
                                           "As a result, the \"Tip of the Day\" function will now be disabled at startup. "));
            QVERIFY(!t.chkLoadTipsAtStartup()->isChecked());
            t.show();
            click(t.cmdNextTip()); // nothing to show: the text stays
            QVERIFY(shownTip(&t).startsWith("The file that holds"));
            t.reject();
        }
        QCOMPARE(env->store.read("Main", "Show Tips at Startup", ""), QString("0"));
        QVERIFY(env->platform.shown.isEmpty()); // no error box
    }

    // Closed by a click on a label, a key, or its timer.
    void splash()
    {
        for (const char* closedBy : {"click", "key", "timer"}) {
            auto* s = new frmSplash(QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR), closedBy[0] == 't' ? 50 : 1500);
            QPointer<frmSplash> alive = s;
            QVERIFY(!s->Timer1()->isActive());
            s->Timer1()->start();
            s->show();
            QVERIFY(QTest::qWaitForWindowExposed(s));
            if (closedBy[0] == 'c') {
                screenshot(s, "splash.png");
                QTest::mouseClick(s->label("lblVersion"), Qt::LeftButton);
            } else if (closedBy[0] == 'k') {
                QTest::keyClick(s, Qt::Key_Space);
            }
            QTRY_VERIFY2(!alive, closedBy);
        }
    }

    void helpWindowAndItsCache()
    {
        env->platform.helpViewer = &frmHelp::display;
        frmMain main(env->ctx);
        main.Form_Load();
        main.show();
        QVERIFY(env->platform.shown.isEmpty()); // the help file is there

        main.action("mnuHelpContents")->trigger();
        frmHelp* h = frmHelp::instance();
        QVERIFY2(h, qPrintable(env->platform.texts().join('|')));
        QVERIFY(h->isVisible());
        QCOMPARE(h->browser()->documentTitle(), QString("The Main Window"));

        main.action("mnuHelpOtherSoftware")->trigger();
        QCOMPARE(frmHelp::instance(), h); // one help window
        QCOMPARE(h->browser()->documentTitle(), QString("Other Kelvane Software"));
        // The preview window's Contents.
        ShowHelp::showHelpTopic(env->platform, env->ctx.paths.helpFile(), ShowHelp::PreviewContext);
        QCOMPARE(h->browser()->documentTitle(), QString("The Print Preview"));
        main.action("mnuHelpIndex")->trigger();
        QCOMPARE(h->tabs()->currentIndex(), 1);

        // Search finds a word of the manual.
        main.action("mnuHelpSearch")->trigger();
        QCOMPARE(h->tabs()->currentIndex(), 2);
        QHelpSearchEngine* search = h->engine()->searchEngine();
        auto found = [search](const QString& word) {
            QSignalSpy done(search, &QHelpSearchEngine::searchingFinished);
            search->queryWidget()->setSearchInput(word);
            QMetaObject::invokeMethod(search->queryWidget(), "search");
            QStringList titles;
            if (done.wait(10000))
                for (const QHelpSearchResult& r : search->searchResults(0, search->searchResultCount()))
                    titles << r.title();
            return titles;
        };
        // Asked again while the index of the words is still being made.
        QTRY_COMPARE_WITH_TIMEOUT(found("kolourpaint"), QStringList{"Where Files Are Kept"}, 30000);
        h->tabs()->setCurrentIndex(0);
        h->showPage("cutmarks.html");
        QTRY_VERIFY(h->engine()->contentWidget()->currentIndex().isValid()); // the contents follow, for the picture
        screenshot(h, "help-window.png");

        // The cached collection is only a copy: damaged, it is made again, silently.
        const QString helpFile = env->ctx.paths.helpFile();
        const QString collection = frmHelp::collectionFile();
        auto open = [&] {
            delete frmHelp::instance();
            env->platform.shown.clear();
            return frmHelp::display(env->platform, helpFile, HelpCommand::DisplayTopic, 0) && frmHelp::instance();
        };
        QVERIFY2(open(), qPrintable(env->platform.texts().join('|')));
        for (const QByteArray& damage : {QByteArray(5000, 'x'), QByteArray("SQLite format 3")}) {
            delete frmHelp::instance();
            QVERIFY(writeFile(collection, damage));
            QVERIFY2(open(), qPrintable(env->platform.texts().join('|')));
            QVERIFY(env->platform.shown.isEmpty());
            QCOMPARE(frmHelp::instance()->browser()->documentTitle(), QString("Corkcrafter Help"));
        }
        // A cache that cannot hold a collection at all: help still opens.
        delete frmHelp::instance();
        QFile::remove(collection);
        QVERIFY(QDir().mkpath(collection + "/in the way"));
        QVERIFY2(open(), qPrintable(env->platform.texts().join('|')));
        QCOMPARE(frmHelp::instance()->browser()->documentTitle(), QString("Corkcrafter Help"));
        delete frmHelp::instance();
        QVERIFY(QDir(collection).removeRecursively());

        // A help file that is no help file is told as such.
        const QString bad = data().filePath("Corkcrafter2.qch");
        QVERIFY(writeFile(bad, "not a help file"));
        QVERIFY(!frmHelp::display(env->platform, bad, HelpCommand::DisplayTopic, 0));
        QCOMPARE(env->platform.texts(), QStringList{"The help file \"" + bad + "\" could not be opened: it is not a help file"});
    }

    void missingHelpFile()
    {
        env->platform.helpViewer = &frmHelp::display;
        env->ctx.paths.helpDir = data().path(); // no help file there
        frmMain main(env->ctx);
        main.Form_Load();
        QCOMPARE(env->platform.texts(), QStringList{"WARNING: Missing Help File"});
        main.action("mnuHelpContents")->trigger();
        QVERIFY(!frmHelp::instance()); // no empty window
        QCOMPARE(env->platform.shown.size(), 2); // told once
        QCOMPARE(env->platform.shown[1].text,
                 "The help file \"" + data().filePath("Corkcrafter2.qch") +
                     "\" is missing, so help cannot be shown.\nInstalling Corkcrafter again puts it back.");
    }
};

QTEST_MAIN(tst_Dialogs)
#include "tst_dialogs.moc"
