#pragma once
// The headless batch mode: print sheets of a label file to a PDF.
#include <QString>

class SettingsStore;
struct AppPaths;

#include <QDate>
#include <QPageSize>

#include "Stock.h"

namespace batch {

// The default printer's paper where there is one, else the locale's
// (LC_ALL, LC_PAPER, LANG), Letter when neither names one.
QPageSize defaultPaper();
// The paper of a locale name such as "en_GB.UTF-8"; Letter for "C", "POSIX" or none.
QPageSize localePaper(const QString& localeName);
// A paper named on the command line ("A4", "letter", "Legal", ...); an
// invalid size for a name no paper has.
QPageSize paperNamed(const QString& name);
// The names paperNamed knows, for the usage text and messages.
QString paperNames();

// What the label's fields are filled from: a CSV file (empty for none), the
// first running number and the date (invalid: today).
struct FieldOptions {
    QString dataFile;
    long long numberFrom = 1;
    QDate date;
};

// Loads the label as File > Open does (settings, template, messages on stderr)
// and prints the sheets. Returns the process exit code; on failure *reason
// holds one line telling why, or is empty when that was already said on stderr.
// A picture that cannot be loaded fails the job unless allowMissingPictures.
// A start past the last label of the sheet fails, and no PDF is written; so do
// a data file that is not a list of labels (exit 3, the reason names the file
// and line) and fields that cannot be filled (exit 3, the reason lists them).
int printPdf(const QString& labelFile, const QString& pdfOut, int copies, const SettingsStore& store,
             const AppPaths& paths, QString* reason, bool allowMissingPictures = false,
             const stock::Placement& placement = {}, const QPageSize& paper = {},
             const FieldOptions& fieldOptions = {});

} // namespace batch
