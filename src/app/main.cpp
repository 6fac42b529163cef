// corkcrafter: a label designer for home brewers and wine makers.
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "AppContext.h"
#include "CommandLine.h"
#include "ProgramTitle.h"
#include "SingleInstance.h"
#include "Startup.h"
#include "dialogs/frmHelp.h"
#include "document/TextMeasure.h"
#include "mainwindow/frmMain.h"
#include "platform/ConsolePlatform.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"
#include "printing/BatchPrint.h"
#include "printing/StockCatalogue.h"

namespace {

// The catalogue for the command line; what could not be read of it is told on stderr.
const catalogue::Catalogue& commandLineCatalogue()
{
    const catalogue::Catalogue& c = catalogue::Catalogue::standard(AppPaths::standard().dataDir);
    for (const QString& w : c.warnings)
        std::fprintf(stderr, "corkcrafter: warning: %s\n", qPrintable(ConsolePlatform::printable(w)));
    return c;
}

// Where the windows can go: an explicit platform (QT_QPA_PLATFORM or Qt's
// -platform option) is taken as given; otherwise an X or a Wayland display
// must be named, or Qt aborts inside QApplication with a core dump.
bool displayAvailable(int argc, char** argv)
{
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        return true;
    for (int i = 1; i < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    return !qEnvironmentVariableIsEmpty("DISPLAY") || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
           !qEnvironmentVariableIsEmpty("WAYLAND_SOCKET");
}

// The arguments meant for the program: Qt's own "-platform NAME" is Qt's.
QStringList programArguments(int argc, char** argv)
{
    QStringList args;
    for (int i = 1; i < argc; ++i) {
        if ((qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0) && i + 1 < argc) {
            ++i;
            continue;
        }
        args << QString::fromLocal8Bit(argv[i]);
    }
    return args;
}

} // namespace

int main(int argc, char** argv)
{
    const CommandLine cl = CommandLine::parse(programArguments(argc, argv));

    switch (cl.mode) {
    case CommandLine::Help:
        std::fputs(qPrintable(CommandLine::usage()), stdout);
        return 0;
    case CommandLine::Version:
        std::printf("corkcrafter %s\n", CORKCRAFTER_VERSION);
        return 0;
    case CommandLine::Error:
        std::fputs(qPrintable(CommandLine::errorText(ConsolePlatform::printable(cl.error))), stderr);
        return 2;
    case CommandLine::ListStock: {
        QCoreApplication app(argc, argv);
        std::fputs(qPrintable(batch::stockList(commandLineCatalogue(), cl.stockText)), stdout);
        return 0;
    }
    case CommandLine::PrintPdf: {
        // Printing to a file needs no display.
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        QApplication::setApplicationName(ProgramTitle);
        IniSettingsStore store;
        QString reason;
        stock::Placement placement;
        placement.start = cl.start;
        placement.right = cl.offsetRight;
        placement.down = cl.offsetDown;
        batch::FieldOptions fields;
        fields.dataFile = cl.dataFile;
        fields.numberFrom = cl.numberFrom;
        fields.date = QDate::fromString(cl.date, "yyyy-MM-dd");
        const catalogue::Product* product = nullptr;
        if (!cl.stock.isEmpty()) {
            product = batch::stockNamed(commandLineCatalogue(), cl.stock, &reason);
            if (!product) {
                std::fprintf(stderr, "corkcrafter: %s\n", qPrintable(ConsolePlatform::printable(reason)));
                return 2;
            }
        }
        std::vector<batch::Design> designs;
        for (const CommandLine::Design& d : cl.designs)
            designs.push_back({d.file, d.count});
        const int rc = designs.empty()
                           ? batch::printPdf(cl.labelFile, cl.pdfOut, cl.copies, store, AppPaths::standard(), &reason,
                                             cl.allowMissingPictures, placement, batch::paperNamed(cl.paper), product,
                                             fields)
                           : batch::printDesignsPdf(designs, cl.pdfOut, cl.copies, store, AppPaths::standard(),
                                                    &reason, cl.allowMissingPictures, placement,
                                                    batch::paperNamed(cl.paper), product, fields);
        if (rc != 0 && !reason.isEmpty())
            std::fprintf(stderr, "corkcrafter: %s\n", qPrintable(ConsolePlatform::printable(reason)));
        return rc;
    }
    case CommandLine::Gui:
        break;
    }

    if (!displayAvailable(argc, argv)) {
        std::fputs("corkcrafter: no display found: start it in a desktop session (X11 or Wayland), "
                   "or use --print-pdf for batch printing\n",
                   stderr);
        return 1;
    }

    QApplication app(argc, argv);
    configureApplication();

    // A copy already running takes this command line and this start ends.
    SingleInstance instance(cl.newInstance ? QString() : SingleInstance::standardSocketPath());
    const auto outcome = instance.start(SingleInstance::forHandOff(cl.handOff, QDir::currentPath()));
    if (outcome == SingleInstance::Outcome::HandedOver)
        return 0;
    if (!instance.warning().isEmpty())
        std::fprintf(stderr, "corkcrafter: %s\n", qPrintable(ConsolePlatform::printable(instance.warning())));

    ProgramValues values;
    QtPlatform platform;
    platform.helpViewer = &frmHelp::display;
    IniSettingsStore store;
    QtTextMeasurer measurer;
    AppContext ctx{values, platform, store, measurer, AppPaths::standard()};
    frmMain* main = Main(ctx, cl.handOff);
    platform.setParentWidget(main);
    main->takeHandOffs(instance);
    return app.exec();
}
