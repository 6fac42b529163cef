#pragma once
// The program's start: splash window, main window, fonts, first document,
// command-line hand-off.
#include <QLocale>
#include <QString>

class frmMain;
struct AppContext;

struct StartupOptions {
    int splashMilliseconds = 1500;
    bool showSplash = true;
};

// Names the application and picks the icon theme; no display name is set,
// so every window's caption reaches the window manager exactly as the program
// writes it.
void configureApplication();

// The program's own texts and Qt's (dialog buttons and the like) in the
// language of `locale`, replacing any language installed before. English is
// the texts as written, so it needs no file; false when no translation of
// the program for that language is built in.
bool installTranslations(const QLocale& locale = QLocale::system());

// Runs the start-up sequence and returns the shown main window.
frmMain* Main(AppContext& ctx, const QString& commandLine, const StartupOptions& options = {});
