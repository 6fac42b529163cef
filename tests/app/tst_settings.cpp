// Start-up settings: keys, folders, the decimal separator, a file that cannot be kept.
#include <QtTest>

#include <sys/stat.h>

#include "app/Module1.h"
#include "app/Settings.h"
#include "support/TestEnv.h"

namespace {
// The value read for a key, as text.
QString valueOf(const ProgramValues& v, const QString& key)
{
    auto n = [](double d) { return QString::number(d, 'g', 12); };
    auto b = [](bool x) { return QString(x ? "true" : "false"); };
    const QHash<QString, QString> read{
        {"Main/Left", n(v.mainLeft)}, {"Settings/Label Type", n(v.labelType)},
        {"Settings/Label Width", n(v.labelWidth)}, {"Settings/Cutmarks", n(v.cutmarks)},
        {"Settings/Border Color", n(v.borderColor)}, {"Settings/Border", b(v.borderVisible)},
        {"Settings/Label Folder", v.labelFolder}};
    return read.value(key, "no such key");
}
} // namespace

class tst_Settings : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    // A key of each kind (the others differ only in the table of keys).
    void eachKey_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("def");
        QTest::addColumn<QStringList>("kept"); // "stored>read" where the value reads otherwise
        QTest::addColumn<QStringList>("refused");
        auto row = [](const char* key, const QString& def, const QStringList& kept, const QStringList& refused) {
            QTest::newRow(key) << QString(key) << def << kept << refused;
        };
        // Numbers: inclusive and exclusive bounds, whole numbers that do not fit.
        row("Main/Left", "1000", {"-10000000", "10000000"}, {"", "1E+300", "-1E+30", "abc"});
        row("Settings/Label Width", "3", {"0.01", "22.75"}, {"0", "-5", "22.76", "1E+300"});
        row("Settings/Cutmarks", "2", {"0", "3"}, {"4", "-1", "99999999"});
        row("Settings/Border Color", "0", {"255", "16777215"}, {"blue"});
        row("Settings/Label Type", "0", {"1", "2"}, {"5", "-1", "abc"}); // a type the program never writes
        // Numbers read as booleans, and case does not matter.
        row("Settings/Border", "true", {"0>false", "FALSE>false", "-1>true"}, {"maybe"});
        row("Settings/Label Folder", "<base>/Labels", {"/srv/labels"}, {});
    }
    void eachKey()
    {
        QFETCH(QString, key);
        QFETCH(QString, def);
        QFETCH(QStringList, kept);
        QFETCH(QStringList, refused);
        TestEnv env;
        def.replace("<base>", env.ctx.paths.workBase);
        auto read = [&](const QString& stored) {
            MemorySettingsStore store;
            if (key != "Settings/Label Type")
                store.write("Settings", "Label Type", "2"); // sizes are read for custom labels only
            if (!stored.isNull())
                store.write(key.section('/', 0, 0), key.section('/', 1), stored);
            ProgramValues v;
            v.labelType = 7; // must be overwritten
            settings::readAll(store, env.ctx.paths, v);
            return valueOf(v, key);
        };
        QCOMPARE(read(QString()), def);
        for (const QString& k : kept)
            QCOMPARE(read(k.section('>', 0, 0)), k.section('>', -1));
        for (const QString& r : refused)
            QCOMPARE(read(r), def);
    }

    void labelTypesWindowStateAndCommaSeparator()
    {
        TestEnv env;
        ProgramValues v;
        // Stores each "Group/Key=value" and reads every setting again.
        auto reread = [&](const QStringList& entries) {
            for (const QString& e : entries)
                env.store.write(e.section('/', 0, 0), e.section('=', 0, 0).section('/', 1), e.section('=', 1));
            settings::readAll(env.store, env.ctx.paths, v);
        };
        reread({});
        QCOMPARE(QPair(v.labelHeight, v.labelWidth), QPair(3.75, 3.0)); // the beer label
        QVERIFY(!v.mainSizeStored && !v.mainMaximized); // a first start
        // Types 0 and 1 ignore stored sizes (a type never written reads as 0: eachKey).
        reread({"Settings/Label Type=1", "Settings/Label Height=9"});
        QCOMPARE(QPair(v.labelHeight, v.labelWidth), QPair(4.0, 5.0));

        reread({"Main/Width=9000", "Main/Height=7000", "Main/Window State=2"});
        QVERIFY(v.mainSizeStored && v.mainMaximized);
        reread({"Main/Window State=0"});
        QVERIFY(!v.mainMaximized);

        // A comma as the decimal separator.
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Module1::decimalSeparatorFromLocale(), QChar(','));
        QCOMPARE(Module1::numberToText(3.75), QString("3,75"));
        v = ProgramValues();
        // The width written before the locale changed.
        reread({"Settings/Label Type=2", "Settings/Label Height=3,5", "Settings/Label Width=2.25"});
        QCOMPARE(QPair(v.labelHeight, v.labelWidth), QPair(3.5, 2.25));
        QLocale::setDefault(QLocale::c());
        QCOMPARE(Module1::decimalSeparatorFromLocale(), QChar('.'));
    }

    void missingFoldersAreRecreatedAndDataFoldersFound()
    {
        TestEnv env;
        ProgramValues v;
        settings::readAll(env.store, env.ctx.paths, v);
        const QString labels = env.ctx.paths.workBase + "/Labels", templ = env.ctx.paths.workBase + "/Template";
        QDir(labels).removeRecursively();
        QDir(templ).removeRecursively();

        // Without creating (printing from the command line): re-pointed, nothing made.
        env.store.write("Settings", "Label Folder", env.path("gone"));
        settings::readAll(env.store, env.ctx.paths, v);
        QCOMPARE(settings::checkFolders(v, env.ctx.paths, false), QStringList());
        QCOMPARE(v.labelFolder, labels);
        QVERIFY(!QFileInfo::exists(labels) && !QFileInfo::exists(templ) && !QFileInfo::exists(env.path("gone")));

        // Creating: the folders made, in order, for one line saying so.
        const QStringList made = settings::checkFolders(v, env.ctx.paths, true);
        QCOMPARE(made, QStringList({labels, templ}));
        QVERIFY(QFileInfo(labels).isDir() && QFileInfo(templ).isDir());
        QCOMPARE(settings::createdFoldersText(made),
                 "Created the Labels and Template folders in " + QDir::toNativeSeparators(env.ctx.paths.workBase));
        QCOMPARE(settings::createdFoldersText({labels}), "Created the Labels folder in " + env.ctx.paths.workBase);
        QCOMPARE(settings::createdFoldersText({}), QString());
        QVERIFY(env.platform.shown.isEmpty());
        QCOMPARE(env.store.read("Settings", "Label Folder", ""), env.path("gone")); // the stored value is kept

        // The next start finds them and makes nothing.
        QCOMPARE(settings::checkFolders(v, env.ctx.paths, true), QStringList());

        // Told by a message for each folder made, where one line cannot be shown.
        QDir(labels).removeRecursively();
        settings::checkFolders(v, env.ctx.paths, env.platform);
        QCOMPARE(env.platform.texts(), QStringList({"Missing Labels Folder. Created"}));

        // The data folders, in the build tree and installed.
        const QString prefix = env.path("prefix");
        QDir().mkpath(prefix + "/bin");
        AppPaths built = AppPaths::forExecutableDir(prefix + "/bin");
        QCOMPARE(built.dataDir, QString(CORKCRAFTER_SOURCE_DATA_DIR));
        QCOMPARE(built.helpFile(), QString(CORKCRAFTER_BUILD_HELP_DIR "/Corkcrafter2.qch"));
        QDir().mkpath(prefix + "/share/corkcrafter/help");
        QVERIFY(QFile(prefix + "/share/corkcrafter/TipOfDay.fil").open(QIODevice::WriteOnly));
        AppPaths installed = AppPaths::forExecutableDir(prefix + "/bin");
        QCOMPARE(installed.dataDir, prefix + "/share/corkcrafter");
        QCOMPARE(installed.helpFile(), prefix + "/share/corkcrafter/help/Corkcrafter2.qch");
    }

    // A settings path that is no plain file neither blocks nor loses writes silently.
    void iniStore()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + "/settings.ini";
        {
            IniSettingsStore written(file);
            written.write("Settings", "Label Height", "3.75");
            written.write("MRUFiles", "0", "/home/me/Labels/Ale.ckm");
        }
        IniSettingsStore fine(file);
        QCOMPARE(fine.read("Settings", "Label Height", "x") + fine.read("MRUFiles", "0", "") +
                     fine.read("Settings", "Missing Key", "|dflt"),
                 QString("3.75/home/me/Labels/Ale.ckm|dflt"));
        ScriptedPlatform platform;
        settings::reportWriteFailure(fine, platform);
        QVERIFY(fine.writeError().isEmpty() && platform.texts().isEmpty());

        // A FIFO: reading it used to block start-up for ever.
        const QString fifo = dir.path() + "/fifo.ini";
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        {
            IniSettingsStore s(fifo);
            QCOMPARE(s.read("Settings", "Label Height", "dflt"), QString("dflt"));
            s.write("Settings", "Label Height", "3");
            QCOMPARE(s.read("Settings", "Label Height", "dflt"), QString("3")); // for this session
            QCOMPARE(s.writeError(), QString("it is not a regular file"));
        }
        // A folder: every setting was lost without a word.
        const QString folder = dir.path() + "/folder.ini";
        QVERIFY(QDir().mkpath(folder));
        IniSettingsStore s(folder);
        QVERIFY(s.writeError().isEmpty());
        s.write("Main", "Left", "100");
        QCOMPARE(s.writeError(), QString("it is a folder, not a file"));
        settings::reportWriteFailure(s, platform);
        QCOMPARE(platform.texts(), QStringList{"The settings could not be saved to \"" + folder +
                                               "\": it is a folder, not a file\nThey will be as before when "
                                               "Corkcrafter starts again."});
        // A folder that cannot hold the file.
        QVERIFY(QFile(dir.path() + "/notafolder").open(QIODevice::WriteOnly));
        IniSettingsStore t(dir.path() + "/notafolder/settings.ini");
        t.write("Main", "Left", "100");
        QVERIFY(!t.writeError().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
