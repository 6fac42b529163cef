#pragma once
// The program's start: splash window, main window, fonts, first document,
// command-line hand-off.
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

// Runs the start-up sequence and returns the shown main window.
frmMain* Main(AppContext& ctx, const QString& commandLine, const StartupOptions& options = {});
