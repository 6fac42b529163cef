#include "Stock.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/Module1.h"
#include "platform/Platform.h"
#include "platform/SettingsStore.h"

namespace stock {

bool moveInRange(double inches) { return std::isfinite(inches) && std::abs(inches) <= MaxMove + 1e-9; }

double roundMove(double inches) { return std::round(inches * 100) / 100; }

std::optional<int> parseStart(const QString& text, QString* error)
{
    bool ok = false;
    const int n = text.trimmed().toInt(&ok);
    if (!ok || n < 1) {
        *error = "--start takes the number of the first label to print, a whole number from 1, not \"" + text + "\"";
        return std::nullopt;
    }
    return n;
}

std::optional<Placement> parseOffset(const QString& text, QString* error)
{
    const QStringList parts = text.split(',');
    Placement p;
    bool okX = false, okY = false;
    if (parts.size() == 2) {
        // The command line is the same in every locale: a decimal point, a comma between the two.
        p.right = QLocale::c().toDouble(parts.at(0).trimmed(), &okX);
        p.down = QLocale::c().toDouble(parts.at(1).trimmed(), &okY);
    }
    if (!okX || !okY) {
        *error = "--offset takes two numbers of inches, right and down, as X,Y (for example 0.05,-0.1), not \"" +
                 text + "\"";
        return std::nullopt;
    }
    if (!moveInRange(p.right) || !moveInRange(p.down)) {
        *error = "--offset moves at most 0.5 inch each way (-0.5 to 0.5), not \"" + text + "\"";
        return std::nullopt;
    }
    p.right = roundMove(p.right);
    p.down = roundMove(p.down);
    return p;
}

QString startBeyondSheet(int start, long long labelsOnSheet)
{
    if (start >= 1 && start <= labelsOnSheet)
        return {};
    if (labelsOnSheet < 1)
        return QCoreApplication::translate("stock", "cannot start at label %1: no label fits on the sheet").arg(start);
    return (labelsOnSheet == 1 ? QCoreApplication::translate("stock", "cannot start at label %1: the sheet holds %2 label")
                               : QCoreApplication::translate("stock", "cannot start at label %1: the sheet holds %2 labels"))
        .arg(start)
        .arg(labelsOnSheet);
}

QString offsetKey(const QString& printerName, char axis) { return printerName + " Offset " + QChar(axis); }

Placement adjustmentFor(const SettingsStore& store, const QString& printerName)
{
    Placement p;
    if (printerName.isEmpty())
        return p;
    auto read = [&](char axis) {
        double v = 0;
        const QString text = store.read("Printers", offsetKey(printerName, axis), "0");
        if (!Module1::textToDouble(text, v) || !moveInRange(v))
            return 0.0;
        return roundMove(v);
    };
    p.right = read('X');
    p.down = read('Y');
    return p;
}

void rememberAdjustment(SettingsStore& store, const QString& printerName, double right, double down)
{
    if (printerName.isEmpty())
        return;
    store.write("Printers", offsetKey(printerName, 'X'), Module1::numberToText(roundMove(right)));
    store.write("Printers", offsetKey(printerName, 'Y'), Module1::numberToText(roundMove(down)));
}

QString adjustmentHelp()
{
    return QCoreApplication::translate("stock",
        "Labels are counted down each column from the top left, then down the next column.\n\n"
        "If your printer puts everything a little off, print the printer test page "
        "(Label Properties, Printer Test) and measure on the paper how far its \"1.0\" ticks lie "
        "from the paper's left and top edges. Enter 1.0 minus what you measured: "
        "a positive value moves the print right or down. The test page and the labels move "
        "together, and the values are kept for each printer.");
}

LabelsPage labelsPage(const SettingsStore& store, const QString& printerName, int start, long long labelsOnSheet)
{
    LabelsPage page;
    page.lastStart = int(std::clamp<long long>(labelsOnSheet, 1, 1LL << 30));
    page.start = start >= 1 && start <= page.lastStart ? start : 1;
    const Placement a = adjustmentFor(store, printerName);
    page.right = a.right;
    page.down = a.down;
    page.shownFor = printerName;
    page.help = adjustmentHelp();
    page.adjustmentFor = [&store](const QString& name) {
        const Placement p = adjustmentFor(store, name);
        return std::make_pair(p.right, p.down);
    };
    return page;
}

Placement accept(const LabelsPage& opened, const LabelsPage& accepted, const QString& printerName,
                 SettingsStore& store)
{
    Placement p;
    p.start = std::clamp(accepted.start, 1, std::max(1, accepted.lastStart));
    p.right = roundMove(std::clamp(accepted.right, -MaxMove, MaxMove));
    p.down = roundMove(std::clamp(accepted.down, -MaxMove, MaxMove));
    const bool edited = roundMove(accepted.right) != roundMove(opened.right) ||
                        roundMove(accepted.down) != roundMove(opened.down);
    if (accepted.shownFor != printerName && !edited) {
        const Placement own = adjustmentFor(store, printerName);
        p.right = own.right;
        p.down = own.down;
        return p;
    }
    const Placement stored = adjustmentFor(store, printerName);
    if (stored.right != p.right || stored.down != p.down)
        rememberAdjustment(store, printerName, p.right, p.down);
    return p;
}

} // namespace stock
