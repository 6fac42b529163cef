#pragma once
// The headless batch mode: print sheets of a label file to a PDF.
#include <QString>

class SettingsStore;
struct AppPaths;

#include <QPageSize>

#include "Stock.h"

namespace batch {

// The paper of the user's locale, Letter when it names none.
QPageSize defaultPaper();

// Loads the label as File > Open does (settings, template, messages on stderr)
// and prints the sheets. Returns the process exit code; on failure *reason
// holds one line telling why, or is empty when that was already said on stderr.
// A picture that cannot be loaded fails the job unless allowMissingPictures.
// A start past the last label of the sheet fails, and no PDF is written.
int printPdf(const QString& labelFile, const QString& pdfOut, int copies, const SettingsStore& store,
             const AppPaths& paths, QString* reason, bool allowMissingPictures = false,
             const stock::Placement& placement = {});

} // namespace batch
