#pragma once
// Printing on the stock the user has: starting on a partly used sheet, and a
// per-printer adjustment that moves everything printed on a printer.
#include <QString>
#include <optional>

class SettingsStore;
struct LabelsPage;

namespace stock {

// Where the sheets go: the first label position used on the first sheet (1:
// the whole sheet) and how far everything is moved, in inches (right, down).
struct Placement {
    int start = 1;
    double right = 0, down = 0;
    bool shifted() const { return right != 0 || down != 0; }
};

// The adjustment may move a printer's output at most this far either way.
constexpr double MaxMove = 0.5;
bool moveInRange(double inches);
// Rounded to the two decimals the user can enter.
double roundMove(double inches);

// "--start N": a whole number from 1; whether the sheet holds that many labels
// is known only once the label is loaded (startBeyondSheet).
std::optional<int> parseStart(const QString& text, QString* error);
// "--offset X,Y": two numbers in inches with a decimal point, each within MaxMove.
std::optional<Placement> parseOffset(const QString& text, QString* error);
// Told when the first label position lies past the last one of the sheet; an
// empty text when it does not.
QString startBeyondSheet(int start, long long labelsOnSheet);

// The adjustment remembered for a printer (section "Printers"); nothing, or a
// value that is not a number in range, reads as no adjustment.
Placement adjustmentFor(const SettingsStore& store, const QString& printerName);
void rememberAdjustment(SettingsStore& store, const QString& printerName, double right, double down);
QString offsetKey(const QString& printerName, char axis);

// The text of the print dialog's "Labels" page that tells how to find the values.
QString adjustmentHelp();

// The "Labels" page as the print dialog opens on a printer: the start as last
// chosen (1 when the sheet no longer holds it), the printer's adjustment.
LabelsPage labelsPage(const SettingsStore& store, const QString& printerName, int start, long long labelsOnSheet);
// What the accepted page comes to on the printer finally chosen; the
// adjustment is remembered for that printer. Values the page showed for
// another printer and the user left alone give way to the chosen printer's own.
Placement accept(const LabelsPage& opened, const LabelsPage& accepted, const QString& printerName,
                 SettingsStore& store);

} // namespace stock
