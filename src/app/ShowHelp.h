#pragma once
// The help routines every window uses: the help viewer opened on a topic by
// its context number, on the index, or on the search page.
#include <QString>

class Platform;

namespace ShowHelp {

// Context numbers of the windows and topics that have a help page.
constexpr int MainWindowContext = 1000;   // the main window
constexpr int PreviewContext = 3000;      // the print preview window
constexpr int OtherSoftwareContext = 4000; // the program's family and where to get it

// The viewer shows the help file's default topic, then the topic with the
// context number (the default topic stays when the number has none).
void showHelpTopic(Platform& platform, const QString& helpFile, int contextNumber);
void showHelpIndex(Platform& platform, const QString& helpFile);
// The full-text search page, with an empty query.
void showHelpSearch(Platform& platform, const QString& helpFile);

// The page of the help file for a context number; empty when none has one.
QString pageForContext(int contextNumber);
// The page shown first.
QString defaultTopic();

} // namespace ShowHelp
