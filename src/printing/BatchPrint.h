#pragma once
// The headless batch mode: print sheets of a label file to a PDF.
#include <QString>

class SettingsStore;
struct AppPaths;

#include <QDate>
#include <QPageSize>
#include <vector>

#include "Stock.h"

namespace catalogue {
struct Catalogue;
struct Product;
} // namespace catalogue

namespace catalogue {
struct Catalogue;
struct Product;
} // namespace catalogue

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
// A start past the last label of the sheet fails, and no PDF is written.
// On a product of the catalogue the sheet is the product's: its paper (over
// `paper`), its margins and steps, exactly its labels; a label larger than the
// product's is warned about on stderr before printing. A data file that is
// not a list of labels (exit 3, the reason names the file and line) and fields
// that cannot be filled (exit 3, the reason lists them) fail too.
int printPdf(const QString& labelFile, const QString& pdfOut, int copies, const SettingsStore& store,
             const AppPaths& paths, QString* reason, bool allowMissingPictures = false,
             const stock::Placement& placement = {}, const QPageSize& paper = {},
             const catalogue::Product* product = nullptr, const FieldOptions& fieldOptions = {});

// One label file of a print of several, and how many of its labels print.
struct Design {
    QString file;
    long long count = 0;
};
// As printPdf, for several label files of one size, each its count of labels,
// one after another filling the sheets; copies repeat the whole list. Every
// file is read before anything prints: one that cannot be read, or whose size
// is not the first's (exit 3, both sizes named), writes no PDF. Only the
// numbering and the date of fieldOptions are used (no data file).
int printDesignsPdf(const std::vector<Design>& designs, const QString& pdfOut, int copies, const SettingsStore& store,
                    const AppPaths& paths, QString* reason, bool allowMissingPictures = false,
                    const stock::Placement& placement = {}, const QPageSize& paper = {},
                    const catalogue::Product* product = nullptr, const FieldOptions& fieldOptions = {});

// The product "--stock NAME" names (maker and code, case-insensitive); nullptr
// with *reason telling why for a name the catalogue does not have (with up to
// five close matches) or a product the program cannot print on.
const catalogue::Product* stockNamed(const catalogue::Catalogue& c, const QString& name, QString* reason);
// "--list-stock [TEXT]": the products matching the text, one caption a line.
QString stockList(const catalogue::Catalogue& c, const QString& text);

} // namespace batch
