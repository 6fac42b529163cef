#pragma once
// Running a program and waiting for it to end while the program's own windows
// keep painting: input meant for them in the meantime is thrown away, not kept
// for later, so nothing clicked or typed while waiting runs after the wait.
#include <QString>
#include <QStringList>

namespace processwait {

// Starts the program (no shell) and returns when it has ended; false when it
// could not be started. Timers and repaints go on; key presses, clicks, wheel
// turns, touches and drops reaching the application are dropped.
bool runAndWait(const QString& program, const QStringList& args);

// True while runAndWait is waiting.
bool waiting();

} // namespace processwait
