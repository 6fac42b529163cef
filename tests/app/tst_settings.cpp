// Start-up settings: defaults, conversions, folders, fonts, decimal separator.
#include <QtTest>

#include <sys/stat.h>

#include "app/Module1.h"
#include "app/Settings.h"
#include "support/TestEnv.h"

class tst_Settings : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void emptyStoreGivesEveryDefault()
    {
        TestEnv env;
        ProgramValues v;
        v.labelType = 7; // must be overwritten
        settings::readAll(env.store, env.ctx.paths, v);
        QCOMPARE(v.mainLeft, 1000.0);
        QCOMPARE(v.mainTop, 1000.0);
        QCOMPARE(v.mainWidth, 6900.0);
        QCOMPARE(v.mainHeight, 8900.0);
        QVERIFY(!v.mainSizeStored); // a first start
        QVERIFY(!v.mainMaximized);
        QCOMPARE(v.labelType, int16_t(0));
        QCOMPARE(v.labelHeight, 3.75);
        QCOMPARE(v.labelWidth, 3.0);
        QCOMPARE(v.cutmarks, int16_t(2));
        QCOMPARE(v.borderVisible, true);
        QCOMPARE(v.borderStyle, QString("Rounded"));
        QCOMPARE(v.borderWidth, int16_t(12));
        QCOMPARE(v.borderColor, ColorValue(0));
        QCOMPARE(v.gridWidth, int16_t(120));
        QCOMPARE(v.gridHeight, int16_t(120));
        QVERIFY(v.showGrid);
        QVERIFY(v.snapToGrid);
        QVERIFY(!v.showGuides);
        QVERIFY(!v.aspectRatio);
        QCOMPARE(v.labelFolder, env.ctx.paths.workBase + "/Labels");
        QCOMPARE(v.graphicsFolder, env.ctx.paths.workBase + "/Graphics");
        QCOMPARE(v.templateFolder, env.ctx.paths.workBase + "/Template");
        QCOMPARE(v.templateFile, QString());
        QVERIFY(!v.graphicsEditor.isEmpty());

        env.store.write("Main", "Width", "9000");
        env.store.write("Main", "Height", "7000");
        env.store.write("Main", "Window State", "2");
        settings::readAll(env.store, env.ctx.paths, v);
        QVERIFY(v.mainSizeStored);
        QVERIFY(v.mainMaximized);
        env.store.write("Main", "Window State", "0");
        settings::readAll(env.store, env.ctx.paths, v);
        QVERIFY(!v.mainMaximized);
    }

    void labelTypesAndStoredSizes()
    {
        TestEnv env;
        ProgramValues v;
        env.store.write("Settings", "Label Type", "2");
        settings::readAll(env.store, env.ctx.paths, v);
        QCOMPARE(v.labelHeight, 2.5);
        QCOMPARE(v.labelWidth, 3.0);

        // Types 0 and 1 ignore stored sizes.
        env.store.write("Settings", "Label Type", "1");
        env.store.write("Settings", "Label Height", "9");
        settings::readAll(env.store, env.ctx.paths, v);
        QCOMPARE(v.labelHeight, 4.0);
        QCOMPARE(v.labelWidth, 5.0);

        // A type the program never writes becomes the beer label.
        env.store.write("Settings", "Label Type", "5");
        settings::readAll(env.store, env.ctx.paths, v);
        QCOMPARE(v.labelType, int16_t(0));
        QCOMPARE(v.labelHeight, 3.75);
    }

    void unconvertibleValuesFallBackToDefaults()
    {
        TestEnv env;
        env.store.write("Settings", "Border Width", "abc");
        env.store.write("Settings", "Show Grid", "maybe");
        env.store.write("Settings", "Grid Width", "0");
        env.store.write("Settings", "Cutmarks", "99999999");
        env.store.write("Settings", "Border", "0");
        env.store.write("Settings", "Snap To Grid", "false");
        env.store.write("Main", "Left", "");
        ProgramValues v;
        settings::readAll(env.store, env.ctx.paths, v);
        QCOMPARE(v.borderWidth, int16_t(12));
        QCOMPARE(v.showGrid, true);
        QCOMPARE(v.gridWidth, int16_t(120)); // a zero step is refused
        QCOMPARE(v.cutmarks, int16_t(2));
        QCOMPARE(v.borderVisible, false);    // numeric text reads as a boolean
        QCOMPARE(v.snapToGrid, false);       // case does not matter
        QCOMPARE(v.mainLeft, 1000.0);
    }

    void commaDecimalSeparator()
    {
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(Module1::decimalSeparatorFromLocale(), QChar(','));
        QCOMPARE(Module1::numberToText(3.75), QString("3,75"));
        TestEnv env;
        env.store.write("Settings", "Label Type", "2");
        env.store.write("Settings", "Label Height", "3,5");
        env.store.write("Settings", "Label Width", "2.25"); // written before the locale changed
        ProgramValues v;
        settings::readAll(env.store, env.ctx.paths, v);
        QCOMPARE(v.labelHeight, 3.5);
        QCOMPARE(v.labelWidth, 2.25);

        int beeps = 0;
        static int* counter = nullptr;
        counter = &beeps;
        auto beep = [] { ++*counter; };
        QCOMPARE(Module1::filterNumericKey(',', true, ',', beep), int16_t(','));
        QCOMPARE(Module1::filterNumericKey('.', true, ',', beep), int16_t(0));
        QCOMPARE(Module1::filterNumericKey(',', false, ',', beep), int16_t(0));
        QCOMPARE(Module1::filterNumericKey('7', false, ',', beep), int16_t('7'));
        QCOMPARE(Module1::filterNumericKey(8, false, ',', beep), int16_t(8));
        QCOMPARE(Module1::filterNumericKey('x', true, '.', beep), int16_t(0));
        QCOMPARE(beeps, 3);

        QLocale::setDefault(QLocale::c());
        QCOMPARE(Module1::decimalSeparatorFromLocale(), QChar('.'));
    }

    void missingFoldersAreRecreated()
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
        QVERIFY(!QFileInfo::exists(labels));
        QVERIFY(!QFileInfo::exists(templ));
        QVERIFY(!QFileInfo::exists(env.path("gone")));

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
        QCOMPARE(env.platform.shown[0].icon, MsgIcon::Information);
        QCOMPARE(env.platform.shown[0].title, QString("Corkcrafter 2"));
    }

    void dataFoldersInstalledAndInTheBuildTree()
    {
        TestEnv env;
        const QString prefix = env.path("prefix");
        QDir().mkpath(prefix + "/bin");
        AppPaths built = AppPaths::forExecutableDir(prefix + "/bin");
        QCOMPARE(built.dataDir, QString(CORKCRAFTER_SOURCE_DATA_DIR));
        QCOMPARE(built.helpFile(), QString(CORKCRAFTER_BUILD_HELP_DIR "/Corkcrafter2.qch"));
        QDir().mkpath(prefix + "/share/corkcrafter/help");
        QFile tips(prefix + "/share/corkcrafter/TipOfDay.fil");
        QVERIFY(tips.open(QIODevice::WriteOnly));
        tips.close();
        AppPaths installed = AppPaths::forExecutableDir(prefix + "/bin");
        QCOMPARE(installed.dataDir, prefix + "/share/corkcrafter");
        QCOMPARE(installed.helpFile(), prefix + "/share/corkcrafter/help/Corkcrafter2.qch");
    }

    void helpFileWarning()
    {
        TestEnv env;
        settings::checkHelpFile(env.ctx.paths, env.platform);
        QVERIFY(env.platform.shown.isEmpty());
        env.ctx.paths.helpDir = env.path("nowhere");
        settings::checkHelpFile(env.ctx.paths, env.platform);
        QCOMPARE(env.platform.texts(), QStringList{"WARNING: Missing Help File"});
        QCOMPARE(env.platform.shown[0].title, QString("HTML HelpCorkcrafter"));
    }

    void fontListWithoutDuplicates()
    {
        const QStringList list = Module1::buildFontList({"Times", "Arial", "Courier", "Arial", "times", "Times", "Zapf"});
        QCOMPARE(list, QStringList({"Arial", "Courier", "Times", "times", "Zapf"}));
        QCOMPARE(Module1::buildFontList({}), QStringList());
    }

    void iniStoreKeepsKeysWithSpaces()
    {
        QTemporaryDir dir;
        const QString file = dir.path() + "/settings.ini";
        {
            IniSettingsStore s(file);
            s.write("Settings", "Label Height", "3.75");
            s.write("MRUFiles", "0", "/home/me/Labels/Ale.ckm");
        }
        IniSettingsStore s(file);
        QCOMPARE(s.read("Settings", "Label Height", "x"), QString("3.75"));
        QCOMPARE(s.read("MRUFiles", "0", ""), QString("/home/me/Labels/Ale.ckm"));
        QCOMPARE(s.read("Settings", "Missing Key", "dflt"), QString("dflt"));
        QVERIFY(s.writeError().isEmpty());
    }

    void absurdValuesFallBackToDefaults()
    {
        TestEnv env;
        auto readWith = [&](const QMap<QString, QString>& values) {
            MemorySettingsStore store;
            for (auto it = values.begin(); it != values.end(); ++it)
                store.write(it.key().section('/', 0, 0), it.key().section('/', 1), it.value());
            ProgramValues v;
            settings::readAll(store, env.ctx.paths, v);
            return v;
        };
        ProgramValues v = readWith({{"Settings/Label Type", "2"}, {"Settings/Label Width", "1E+300"},
                                    {"Settings/Label Height", "1000000"}, {"Settings/Grid Width", "2"},
                                    {"Settings/Grid Height", "501"}, {"Settings/Label TopMargin", "-0.5"},
                                    {"Settings/Label LeftMargin", "-1E+30"}, {"Settings/Label RowSpace", "-0.01"},
                                    {"Settings/Label ColumnSpace", "-2.9"}, {"Settings/Cutmarks", "4"},
                                    {"Settings/Border Width", "40"}, {"Main/Left", "1E+300"}, {"Main/Width", "-5"},
                                    {"Settings/Guide Setting", "3"}});
        QCOMPARE(v.guideSetting, int16_t(0));
        QCOMPARE(v.labelWidth, 3.0);
        QCOMPARE(v.labelHeight, 2.5);
        QCOMPARE(v.gridWidth, int16_t(120));
        QCOMPARE(v.gridHeight, int16_t(120));
        QCOMPARE(v.topMargin, 0.0);
        QCOMPARE(v.leftMargin, 0.0);
        QCOMPARE(v.rowSpace, 0.0);
        QCOMPARE(v.columnSpace, 0.0);
        QCOMPARE(v.cutmarks, int16_t(2));
        QCOMPARE(v.borderWidth, int16_t(12));
        QCOMPARE(v.mainLeft, 1000.0);
        QCOMPARE(v.mainWidth, 6900.0);
        // A custom size of 0 x -5 is no size at all.
        v = readWith({{"Settings/Label Type", "2"}, {"Settings/Label Width", "0"}, {"Settings/Label Height", "-5"}});
        QCOMPARE(v.labelWidth, 3.0);
        QCOMPARE(v.labelHeight, 2.5);
        // The edges of each range are kept.
        v = readWith({{"Settings/Label Type", "2"}, {"Settings/Label Width", "22.75"}, {"Settings/Label Height", "0.01"},
                      {"Settings/Grid Width", "3"}, {"Settings/Grid Height", "500"}, {"Settings/Label TopMargin", "-0.49"},
                      {"Settings/Label RowSpace", "0"}, {"Settings/Cutmarks", "3"}, {"Settings/Border Width", "39"}});
        QCOMPARE(v.labelWidth, 22.75);
        QCOMPARE(v.labelHeight, 0.01);
        QCOMPARE(v.gridWidth, int16_t(3));
        QCOMPARE(v.gridHeight, int16_t(500));
        QCOMPARE(v.topMargin, -0.49);
        QCOMPARE(v.cutmarks, int16_t(3));
        QCOMPARE(v.borderWidth, int16_t(39));
    }

    void settingsFileThatIsNotAFile()
    {
        QTemporaryDir dir;
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
        ScriptedPlatform platform;
        settings::reportWriteFailure(s, platform);
        QCOMPARE(platform.texts(), QStringList{"The settings could not be saved to \"" + folder +
                                               "\": it is a folder, not a file\nThey will be as before when "
                                               "Corkcrafter starts again."});
        // A folder that cannot hold the file.
        QFile blocker(dir.path() + "/notafolder");
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        IniSettingsStore t(dir.path() + "/notafolder/settings.ini");
        t.write("Main", "Left", "100");
        QVERIFY(!t.writeError().isEmpty());
        ScriptedPlatform quiet;
        IniSettingsStore fine(dir.path() + "/fine.ini");
        fine.write("Main", "Left", "100");
        settings::reportWriteFailure(fine, quiet);
        QVERIFY(quiet.texts().isEmpty());
    }
};

QTEST_GUILESS_MAIN(tst_Settings)
#include "tst_settings.moc"
