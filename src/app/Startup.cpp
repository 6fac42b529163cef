#include "Startup.h"

#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QFontDatabase>
#include <QIcon>
#include <QPointer>
#include <QTimer>

#include "AppContext.h"
#include "ProgramTitle.h"
#include "Icons.h"
#include "dialogs/frmSplash.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"

void configureApplication()
{
    QApplication::setApplicationName(ProgramTitle);
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
