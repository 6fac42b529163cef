// The hidden command-line box, and later starts handing over to the running copy.
#include <QtTest>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QSettings>

#include "app/SingleInstance.h"
#include "support/LaterStart.h"
#include "support/MainWindowFixture.h"

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

// Its folders, and its settings with no tip to wait for; the settings file.
QString preparePrivateHome(const QString& root)
{
    QDir().mkpath(root + "/run");
    QFile::setPermissions(root + "/run", QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const char* sub : {"Labels", "Graphics", "Template"})
        QDir().mkpath(root + "/home/Documents/Corkcrafter/" + sub);
    const QString ini = root + "/home/.config/Corkcrafter/Corkcrafter 2.ini";
    QSettings(ini, QSettings::IniFormat).setValue("Main/Show Tips at Startup", "0");
    return ini;
}

// Starts the real program with the private home.
void startCopy(QProcess& p, const QString& root, const QStringList& args, const QString& dir = {})
{
    p.setProcessEnvironment(privateEnvironment(root));
    p.setWorkingDirectory(dir.isEmpty() ? root : dir);
    p.start(CORK_BINARY, args);
}

} // namespace

class tst_HandOff : public QObject, WindowTests {
    Q_OBJECT

private slots:
    void init()
    {
        f = std::make_unique<MainWithLabel>(false);
        main().cboFontSize()->setCurrentText("18");
    }
    void cleanup() { f.reset(); }

    // A description in the box makes its texts; a file name asks first; no label: emptied.
    void commandLineBox()
    {
        QLineEdit* box = main().txtCmdLine();
        QVERIFY(box->isHidden());
        box->setText("\\T 24\"Pale Ale\" \\B 12\"Home Brew\"");
        QCOMPARE(box->text(), QString());
        frmDocument* d = main().activeDocument();
        QCOMPARE(int(d->texts().size()), 2);
        QCOMPARE(d->texts().at(1).text, QString("Pale Ale"));
        // The last item made is the selected one and the menus follow it.
        QCOMPARE(d->activeTextIndex(), 2);
        QVERIFY(main().action("mnuTextEdit")->isEnabled());
        // Written again later: positions start again from the label height.
        box->setText("\\T 10\"again\"");
        QCOMPARE(d->texts().at(3).top, 1350.0);

        // Longer than a line box keeps unless told: every part is made.
        QString description;
        for (int i = 0; i < 40; ++i)
            description += "\\X 12\"" + QString(1000, QChar('a' + i % 26)) + "\"";
        main().handOffCommandLine(description);
        QCOMPARE(int(d->texts().size()), 43);
        QCOMPARE(d->texts().at(43).text, QString(1000, QChar('a' + 39 % 26)));
        QVERIFY(env().platform.shown.isEmpty() && env().platform.fileRequests.isEmpty()); // nothing asked

        box->setText(savedLabel(env(), "Stout.ckm"));
        QCOMPARE(env().platform.fileRequests.size(), 1);
        QCOMPARE(main().activeDocument()->saveFileName, QString("Label 1")); // cancelled: nothing opened
        QCOMPARE(box->text(), QString());

        forgetChanges(main());
        main().mdiArea()->closeAllSubWindows();
        QVERIFY(!main().activeDocument());
        box->setText("\\T 24\"Pale Ale\"");
        QCOMPARE(box->text(), QString());
        QVERIFY(main().documents().isEmpty());
        QCOMPARE(env().platform.fileRequests.size(), 1);
    }

    // At start-up a file opens into the blank first label without asking; later
    // starts go to the running window.
    void startUpAndLaterStarts()
    {
        const QString porter = savedLabel(env(), "Porter.ckm");
        main().handOffCommandLine("   ");
        main().handOffCommandLine("  " + porter + "  ");
        QVERIFY(env().platform.fileRequests.isEmpty());
        QCOMPARE(main().activeDocument()->saveFileName, porter);
        QCOMPARE(int(main().documents().size()), 1);
        main().handOffCommandLine("  \\C\"Mild\"");
        QCOMPARE(main().activeDocument()->texts().rbegin()->second.text, QString("Mild"));

        const QString label = savedLabel(env(), "Bitter.ckm");
        forgetChanges(main());
        main().mdiArea()->closeAllSubWindows();
        // A description needs a label: one is made, as at start-up.
        main().handOffFromAnotherStart("\\T 20\"Bock\"");
        QCOMPARE(int(main().documents().size()), 1);
        QCOMPARE(main().activeDocument()->texts().at(1).text, QString("Bock"));
        main().handOffFromAnotherStart(label);
        QCOMPARE(int(main().documents().size()), 2);
        QCOMPARE(main().activeDocument()->saveFileName, label);
        main().handOffFromAnotherStart(""); // only brings the window up
        QCOMPARE(int(main().documents().size()), 2);

        // A description never writes onto a label the user has open.
        frmDocument* bitter = main().activeDocument();
        main().handOffFromAnotherStart("\\C 12\"Mild\"");
        QCOMPARE(int(main().documents().size()), 3);
        QVERIFY(!bitter->isChanged() && bitter->texts().size() == 1);
        QCOMPARE(main().activeDocument()->texts().at(1).text, QString("Mild"));
        // A label still blank and unchanged is used.
        main().LoadNewDoc();
        frmDocument* blank = main().activeDocument();
        main().handOffFromAnotherStart("\\B 10\"Porter\"");
        QCOMPARE(int(main().documents().size()), 4);
        QCOMPARE(blank->texts().at(1).text, QString("Porter"));
        QVERIFY(env().platform.fileRequests.isEmpty());
    }

    // Refused while closing, so the later start's label is not lost with this window.
    void laterStartWhileClosing()
    {
        QTemporaryDir run;
        SingleInstance instance(run.path() + "/corkcrafter.socket");
        QCOMPARE(instance.start(""), SingleInstance::Outcome::Serving);
        main().takeHandOffs(instance);
        const QString label = savedLabel(env(), "Closing.ckm");
        main().txtCmdLine()->setText("\\T 24\"Stout\"");
        QVERIFY(main().activeDocument()->isChanged());

        // A later start while the question about the changes is up.
        std::optional<LaterStart> during;
        env().platform.whileDialogOpen = [&] { during = laterStart(instance.socketPath(), label); };
        env().platform.answers = {MsgAnswer::Cancel};
        QVERIFY(!main().close());
        env().platform.whileDialogOpen = nullptr;
        QCOMPARE(env().platform.texts(), QStringList{"'Label 1' has Changed, Save the Changes?"});
        QVERIFY(during);
        QCOMPARE(during->outcome, SingleInstance::Outcome::Alone);
        QCOMPARE(during->warning, QString());
        QCOMPARE(int(main().documents().size()), 1);
        QCOMPARE(main().activeDocument()->saveFileName, QString("Label 1"));

        // The close was cancelled: later starts are taken again.
        QCOMPARE(laterStart(instance.socketPath(), label)->outcome, SingleInstance::Outcome::HandedOver);
        QCOMPARE(main().activeDocument()->saveFileName, label);
    }

    // Two real copies: the file named from the later start's folder opens in the first.
    void twoRealCopies()
    {
        QTemporaryDir root;
        const QString ini = preparePrivateHome(root.path());
        const QString labels = root.path() + "/home/Documents/Corkcrafter/Labels";
        QVERIFY(!savedLabel(env(), "Handed.ckm", "Handed", labels).isEmpty());
        QProcess first;
        startCopy(first, root.path(), {});
        QVERIFY(first.waitForStarted());
        const auto stopFirst = qScopeGuard([&] {
            first.kill();
            first.waitForFinished();
        });
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(root.path() + "/run/corkcrafter.socket"), 20000);

        QProcess second;
        startCopy(second, root.path(), {"Handed.ckm"}, labels);
        QVERIFY(QTest::qWaitFor([&] { return second.state() == QProcess::NotRunning; }, 20000));
        QVERIFY(second.exitStatus() == QProcess::NormalExit && second.exitCode() == 0);
        QTRY_COMPARE_WITH_TIMEOUT(QSettings(ini, QSettings::IniFormat).value("Open/File Path").toString(), labels, 20000);
        QCOMPARE(first.state(), QProcess::Running);
    }
};

QTEST_MAIN(tst_HandOff)
#include "tst_handoff.moc"
