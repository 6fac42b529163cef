#include "Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QIcon>
#include <QLibraryInfo>
#include <QPointer>
#include <QTimer>
#include <QTranslator>

#include "AppContext.h"
#include "ProgramTitle.h"
#include "Icons.h"
#include "dialogs/frmSplash.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"

bool installTranslations(const QLocale& locale)
{
    // Built into the program (:/i18n); Qt's own come with Qt's translations package.
    static QTranslator* own = nullptr;
    static QTranslator* qt = nullptr;
    for (QTranslator** t : {&own, &qt}) {
        if (*t) {
            QCoreApplication::removeTranslator(*t);
            delete *t;
            *t = nullptr;
        }
    }
    auto load = [&](QTranslator*& slot, const QString& name, const QString& dir) {
        auto* t = new QTranslator;
        if (t->load(locale, name, "_", dir) && !t->isEmpty()) {
            QCoreApplication::installTranslator(t);
            slot = t;
            return true;
        }
        delete t;
        return false;
    };
    load(qt, "qtbase", QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return load(own, "corkcrafter", ":/i18n");
}

void configureApplication()
{
    QApplication::setApplicationName(ProgramTitle);
    installTranslations();
    if (QIcon::themeName().isEmpty() || !QIcon::hasThemeIcon("document-new")) {
        QIcon::setThemeSearchPaths(QIcon::themeSearchPaths() << "/usr/share/icons");
        QIcon::setThemeName("breeze");
    }
}

frmMain* Main(AppContext& ctx, const QString& commandLine, const StartupOptions& options)
{
    ctx.values.decimalSeparator = Module1::decimalSeparatorFromLocale();
    // Every window and message of the program carries its icon.
    QApplication::setWindowIcon(programIcon(ctx.paths.dataDir));

    QPointer<frmSplash> splash;
    if (options.showSplash) {
        splash = new frmSplash(ctx.paths.dataDir, options.splashMilliseconds);
        splash->Timer1()->start();
        splash->show();
        splash->repaint();
    }
    QApplication::processEvents();

    auto* main = new frmMain(ctx);
    main->setAttribute(Qt::WA_DeleteOnClose);
    main->Form_Load();
    QApplication::processEvents();

    main->fillFonts(QFontDatabase::families());

    if (splash) {
        QEventLoop wait;
        QObject::connect(splash, &QObject::destroyed, &wait, &QEventLoop::quit);
        if (splash)
            wait.exec();
    }

    main->show();
    QApplication::processEvents();
    main->LoadNewDoc();
    main->cboFonts()->setCurrentText("Arial");
    main->handOffCommandLine(commandLine);
    if (auto* tip = main->findChild<QTimer*>("timTipOfTheDay"))
        tip->start();
    return main;
}
