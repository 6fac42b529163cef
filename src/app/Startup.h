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

// Runs the start-up sequence and returns the shown main window.
frmMain* Main(AppContext& ctx, const QString& commandLine, const StartupOptions& options = {});
