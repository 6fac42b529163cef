// The hidden command-line box of the main window, and later starts of the
// real program handing their command line to the copy that runs.
#include <QtTest>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QMdiArea>
#include <QSettings>

#include <QLocalServer>
#include <QLocalSocket>
#include <csignal>
#include <sys/stat.h>

#include "app/SingleInstance.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "support/LaterStart.h"
#include "support/TestEnv.h"

namespace {

// A private home and runtime folder, so no copy the user runs can answer.
QProcessEnvironment privateEnvironment(const QString& root)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", root + "/home");
    env.insert("XDG_CONFIG_HOME", root + "/home/.config");
    env.insert("XDG_CACHE_HOME", root + "/home/.cache");
    env.insert("XDG_DATA_HOME", root + "/home/.local/share");
    env.insert("XDG_RUNTIME_DIR", root + "/run");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("LC_ALL", "C");
    env.remove("DISPLAY");
    env.remove("WAYLAND_DISPLAY");
    return env;
}

void preparePrivateHome(const QString& root)
{
    QDir().mkpath(root + "/run");
    QFile::setPermissions(root + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const char* sub : {"Labels", "Graphics", "Template"})
        QDir().mkpath(root + "/home/Documents/Corkcrafter/" + sub);
    QSettings ini(root + "/home/.config/Corkcrafter/Corkcrafter 2.ini", QSettings::IniFormat);
    ini.setValue("Main/Show Tips at Startup", "0");
}

QString iniValue(const QString& root, const QString& key)
{
    QSettings ini(root + "/home/.config/Corkcrafter/Corkcrafter 2.ini", QSettings::IniFormat);
    return ini.value(key).toString();
}

// Runs a hook when the next question is asked, as while a message box waits.
class AskingPlatform : public ScriptedPlatform {
public:
    std::function<void()> onQuestion;
    MsgAnswer messageBox(const QString& text, MsgButtons buttons, MsgIcon icon, const QString& title) override
    {
        if (buttons != MsgButtons::OK && onQuestion)
            std::exchange(onQuestion, {})();
        return ScriptedPlatform::messageBox(text, buttons, icon, title);
    }
};

} // namespace

class tst_HandOff : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<frmMain> main;

    QString makeLabel(const QString& name)
    {
        LabelDocument d(env->values, env->platform, env->fixed);
        d.createNewText("Ale", 0);
        const QString p = env->values.labelFolder + "/" + name;
        d.SaveLabelToFile(p);
        return p;
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>();
        main = std::make_unique<frmMain>(env->ctx);
        main->Form_Load();
        main->show();
        main->LoadNewDoc();
        main->cboFontSize()->setCurrentText("18");
    }
    void cleanup()
    {
        for (frmDocument* d : main->documents())
            d->setFlags(false, true);
        main.reset();
        env.reset();
    }

    void descriptionWrittenIntoTheBox()
    {
        QLineEdit* box = main->txtCmdLine();
        QCOMPARE(box->objectName(), QString("txtCmdLine"));
        QVERIFY(box->isHidden());
        box->setText("\\T 24\"Pale Ale\" \\B 12\"Home Brew\"");
        QCOMPARE(box->text(), QString());
        frmDocument* d = main->activeDocument();
        QCOMPARE(int(d->texts().size()), 2);
        QCOMPARE(d->texts().at(1).text, QString("Pale Ale"));
        QCOMPARE(d->texts().at(1).font.size, 24.0);
        QCOMPARE(d->texts().at(1).top, 1350.0);
        QCOMPARE(d->texts().at(1).left, (4320.0 - d->texts().at(1).width) / 2);
        QCOMPARE(d->texts().at(2).top, 4050.0);
        // The last item made is the selected one and the menus follow it.
        QCOMPARE(d->activeTextIndex(), 2);
        QVERIFY(main->action("mnuTextEdit")->isEnabled());
        QVERIFY(env->platform.fileRequests.isEmpty());

        // Written again later: positions start again from the label height.
        box->setText("\\T 10\"again\"");
        QCOMPARE(d->texts().at(3).top, 1350.0);
        QCOMPARE(box->text(), QString());
    }

    void longDescriptionArrivesWhole()
    {
        // Longer than a line box keeps unless told: every part is made.
        QString description;
        for (int i = 0; i < 40; ++i)
            description += "\\X 12\"" + QString(1000, QChar('a' + i % 26)) + "\"";
        main->handOffCommandLine(description);
        frmDocument* d = main->activeDocument();
        QCOMPARE(int(d->texts().size()), 40);
        QCOMPARE(d->texts().at(40).text, QString(1000, QChar('a' + 39 % 26)));
        QVERIFY(env->platform.shown.isEmpty());
        QCOMPARE(main->txtCmdLine()->text(), QString());
    }

    void fileNameWrittenIntoTheBoxAsksFirst()
    {
        const QString label = makeLabel("Stout.ckm");
        main->txtCmdLine()->setText(label);
        QCOMPARE(env->platform.fileRequests.size(), 1);
        QCOMPARE(env->platform.fileRequests[0].title, QString("Open Corkcrafter File"));
        QCOMPARE(main->activeDocument()->saveFileName, QString("Label 1")); // cancelled: nothing opened
        QCOMPARE(main->txtCmdLine()->text(), QString());

        // No document open: the box is emptied and nothing else happens.
        main->mdiArea()->closeAllSubWindows();
        QVERIFY(!main->activeDocument());
        main->txtCmdLine()->setText("\\T 24\"Pale Ale\"");
        QCOMPARE(main->txtCmdLine()->text(), QString());
        QVERIFY(main->documents().isEmpty());
        QCOMPARE(env->platform.fileRequests.size(), 1);
    }

    void startUpHandOff()
    {
        const QString label = makeLabel("Porter.ckm");
        main->handOffCommandLine("   ");
        QVERIFY(env->platform.fileRequests.isEmpty());
        main->handOffCommandLine("  " + label + "  ");
        QVERIFY(env->platform.fileRequests.isEmpty()); // opened without asking
        QCOMPARE(main->activeDocument()->saveFileName, label);
        QCOMPARE(main->activeDocument()->saveTitle, QString("Porter.ckm"));
        QCOMPARE(int(main->documents().size()), 1); // the blank first label was used
        main->handOffCommandLine("  \\C\"Mild\"");
        QCOMPARE(main->activeDocument()->texts().rbegin()->second.text, QString("Mild"));
        QCOMPARE(main->activeDocument()->texts().rbegin()->second.top, 2300.0);
        QVERIFY(env->platform.fileRequests.isEmpty());
    }

    void laterStartsInTheRunningWindow()
    {
        const QString label = makeLabel("Bitter.ckm");
        main->mdiArea()->closeAllSubWindows();
        // A description needs a label: one is made, as at start-up.
        main->handOffFromAnotherStart("\\T 20\"Bock\"");
        QCOMPARE(int(main->documents().size()), 1);
        QCOMPARE(main->activeDocument()->texts().at(1).text, QString("Bock"));
        main->handOffFromAnotherStart(label);
        QCOMPARE(int(main->documents().size()), 2);
        QCOMPARE(main->activeDocument()->saveFileName, label);
        main->handOffFromAnotherStart(""); // only brings the window up
        QCOMPARE(int(main->documents().size()), 2);

        // A description never writes onto the label the user has open (a
        // saved file here): it gets a new label of its own.
        frmDocument* bitter = main->activeDocument();
        main->handOffFromAnotherStart("\\C 12\"Mild\"");
        QCOMPARE(int(main->documents().size()), 3);
        QVERIFY(!bitter->isChanged());
        QCOMPARE(int(bitter->texts().size()), 1);
        QCOMPARE(main->activeDocument()->texts().at(1).text, QString("Mild"));
        // A label still blank and unchanged is used.
        main->LoadNewDoc();
        frmDocument* blank = main->activeDocument();
        main->handOffFromAnotherStart("\\B 10\"Porter\"");
        QCOMPARE(int(main->documents().size()), 4);
        QCOMPARE(blank->texts().at(1).text, QString("Porter"));
        QVERIFY(env->platform.fileRequests.isEmpty());
    }

    void laterStartWaitsForAnOpenDialog()
    {
        const QString label = makeLabel("Lager.ckm");
        QDialog dlg(main.get());
        dlg.setModal(true);
        QTimer::singleShot(0, [&] {
            main->handOffFromAnotherStart(label);
            QCOMPARE(main->activeDocument()->saveFileName, QString("Label 1")); // not yet
            QTimer::singleShot(100, &dlg, &QDialog::accept);
        });
        dlg.exec();
        QTRY_COMPARE(main->activeDocument()->saveFileName, label);
    }

    void realSecondStartHandsOver()
    {
        QTemporaryDir root;
        preparePrivateHome(root.path());
        SingleInstance running(root.path() + "/run/corkcrafter.socket");
        QCOMPARE(running.start(""), SingleInstance::Outcome::Serving);
        QStringList got;
        running.setReceiver([&](const QString& t) { got << t; });

        QProcess second;
        second.setProcessEnvironment(privateEnvironment(root.path()));
        second.setWorkingDirectory(root.path());
        second.start(CORK_BINARY, {"Some Label.ckm"});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(got, QStringList{root.path() + "/Some Label.ckm"});

        second.start(CORK_BINARY, {"\\T 24\"Pale", "Ale\""});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
        QCOMPARE(second.exitCode(), 0);
        QCOMPARE(got.last(), QString("\\T 24\"Pale Ale\""));

        // --new-instance runs a copy of its own and sends nothing.
        QProcess own;
        own.setProcessEnvironment(privateEnvironment(root.path()));
        own.start(CORK_BINARY, {"--new-instance", "x.ckm"});
        QVERIFY(own.waitForStarted());
        QTest::qWait(1500);
        QCOMPARE(own.state(), QProcess::Running);
        QCOMPARE(got.size(), 2);
        own.kill();
        own.waitForFinished();
    }

    void twoRealCopies()
    {
        QTemporaryDir root;
        preparePrivateHome(root.path());
        const QString labels = root.path() + "/home/Documents/Corkcrafter/Labels";
        const QString label = labels + "/Handed.ckm";
        {
            LabelDocument d(env->values, env->platform, env->fixed);
            d.createNewText("Handed", 0);
            QVERIFY(d.SaveLabelToFile(label));
        }
        QProcess first;
        first.setProcessEnvironment(privateEnvironment(root.path()));
        first.start(CORK_BINARY, QStringList{});
        QVERIFY(first.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(root.path() + "/run/corkcrafter.socket"), 20000);

        QProcess second;
        second.setProcessEnvironment(privateEnvironment(root.path()));
        second.setWorkingDirectory(labels);
        second.start(CORK_BINARY, {"Handed.ckm"});
        QTRY_VERIFY_WITH_TIMEOUT(second.state() == QProcess::NotRunning, 20000);
        QCOMPARE(second.exitCode(), 0);
        // The running copy opened it: the Open command keeps its folder.
        QTRY_COMPARE_WITH_TIMEOUT(iniValue(root.path(), "Open/File Path"), labels, 20000);
        QCOMPARE(first.state(), QProcess::Running);
        first.kill();
        first.waitForFinished();
    }

    // While the window is closing a later start is refused and opens its own
    // window; while a dialog is open it waits; otherwise the label opens here.
    void laterStartWhileClosing()
    {
        AskingPlatform asking;
        AppContext ctx{env->values, asking, env->store, env->fixed, env->ctx.paths};
        frmMain w(ctx);
        w.Form_Load();
        w.show();
        w.LoadNewDoc();
        QTemporaryDir run;
        SingleInstance instance(run.path() + "/corkcrafter.socket");
        QCOMPARE(instance.start(""), SingleInstance::Outcome::Serving);
        w.takeHandOffs(instance);
        const QString label = makeLabel("Closing.ckm"), other = makeLabel("Other.ckm");
        w.txtCmdLine()->setText("\\T 24\"Stout\"");
        QVERIFY(w.activeDocument()->isChanged());

        std::optional<LaterStart> during;
        asking.onQuestion = [&] { during = laterStart(instance.socketPath(), label); };
        asking.answers = {MsgAnswer::Cancel};
        QVERIFY(!w.close());
        QCOMPARE(asking.texts(), QStringList{"'Label 1' has Changed, Save the Changes?"});
        QVERIFY(during);
        QCOMPARE(during->outcome, SingleInstance::Outcome::Alone);
        QCOMPARE(during->warning, QString());
        QCOMPARE(int(w.documents().size()), 1);
        QCOMPARE(w.activeDocument()->saveFileName, QString("Label 1"));

        // The close was cancelled: later starts are taken again.
        QCOMPARE(laterStart(instance.socketPath(), label)->outcome, SingleInstance::Outcome::HandedOver);
        QCOMPARE(w.activeDocument()->saveFileName, label);
        QDialog dlg(&w);
        dlg.setModal(true);
        std::optional<LaterStart> waited;
        QTimer::singleShot(0, &dlg, [&] {
            waited = laterStart(instance.socketPath(), other, true, [&] {
                QCOMPARE(w.activeDocument()->saveFileName, label); // not while the dialog is open
                dlg.accept();
            });
        });
        dlg.exec();
        QVERIFY(waited);
        QCOMPARE(waited->outcome, SingleInstance::Outcome::HandedOver);
        QCOMPARE(w.activeDocument()->saveFileName, other);
        for (frmDocument* d : w.documents())
            d->setFlags(false, true);
    }

    // A running copy that is stopped: the later start opens the label itself
    // after a few seconds, and the first copy does not open it when it resumes.
    void stoppedCopy()
    {
        QTemporaryDir root;
        preparePrivateHome(root.path());
        const QString folder = root.path() + "/cellar";
        QVERIFY(QDir().mkpath(folder));
        const QString label = folder + "/Kept.ckm";
        {
            LabelDocument d(env->values, env->platform, env->fixed);
            d.createNewText("Kept", 0);
            QVERIFY(d.SaveLabelToFile(label));
        }
        QProcess first;
        first.setProcessEnvironment(privateEnvironment(root.path()));
        first.start(CORK_BINARY, QStringList{});
        QVERIFY(first.waitForStarted());
        const auto stopFirst = qScopeGuard([&] {
            ::kill(pid_t(first.processId()), SIGCONT);
            first.kill();
            first.waitForFinished();
        });
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(root.path() + "/run/corkcrafter.socket"), 20000);
        QCOMPARE(::kill(pid_t(first.processId()), SIGSTOP), 0);

        QProcess second;
        second.setProcessEnvironment(privateEnvironment(root.path()));
        second.start(CORK_BINARY, {label});
        QByteArray said;
        QTRY_VERIFY_WITH_TIMEOUT((said += second.readAllStandardError())
                                     .contains("corkcrafter: the running copy did not answer in time; this copy "
                                               "runs on its own\n"),
                                 20000);
        QTRY_COMPARE_WITH_TIMEOUT(iniValue(root.path(), "Open/File Path"), folder, 20000); // opened it itself
        QCOMPARE(second.state(), QProcess::Running);
        second.kill();
        second.waitForFinished();

        QSettings(root.path() + "/home/.config/Corkcrafter/Corkcrafter 2.ini", QSettings::IniFormat)
            .setValue("Open/File Path", "none");
        QCOMPARE(::kill(pid_t(first.processId()), SIGCONT), 0);
        QTest::qWait(1000);
        QProcess third;
        third.setProcessEnvironment(privateEnvironment(root.path()));
        third.start(CORK_BINARY, {"\\T 24\"Stout\""});
        QTRY_VERIFY_WITH_TIMEOUT(third.state() == QProcess::NotRunning, 20000);
        QCOMPARE(third.exitCode(), 0);
        QCOMPARE(iniValue(root.path(), "Open/File Path"), QString("none"));
        QCOMPARE(first.state(), QProcess::Running);
    }

    // A runtime folder anyone may write in: someone else listening there
    // first gets nothing, and the program serves from a folder of its own.
    void sharedRuntimeFolder()
    {
        QTemporaryDir root;
        preparePrivateHome(root.path());
        const QString shared = root.path() + "/shared", tmp = root.path() + "/tmp";
        QVERIFY(QDir().mkpath(shared) && QDir().mkpath(tmp));
        QVERIFY(::chmod(QFile::encodeName(shared).constData(), 01777) == 0);
        QLocalServer other;
        QVERIFY(other.listen(shared + "/corkcrafter.socket"));
        QByteArray heard;
        connect(&other, &QLocalServer::newConnection, &other, [&] {
            QLocalSocket* s = other.nextPendingConnection();
            connect(s, &QLocalSocket::readyRead, s, [&heard, s] {
                heard += s->readAll();
                s->putChar('K');
            });
        });

        QProcess program;
        QProcessEnvironment e = privateEnvironment(root.path());
        e.insert("XDG_RUNTIME_DIR", shared);
        e.insert("TMPDIR", tmp);
        program.setProcessEnvironment(e);
        program.start(CORK_BINARY, {"Secret.ckm"});
        const QString own = tmp + "/corkcrafter-" + QString::number(::geteuid()) + "/corkcrafter.socket";
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(own) || program.state() == QProcess::NotRunning, 20000);
        QCOMPARE(program.state(), QProcess::Running);
        QCOMPARE(heard, QByteArray());
        program.kill();
        program.waitForFinished();
    }
};

QTEST_MAIN(tst_HandOff)
#include "tst_handoff.moc"
