#pragma once
// Lengths as the user reads and types them: in inches or in millimetres, the
// unit of the "Units" setting. The label keeps twips whatever the unit; these
// routines only show and read them.
#include <QChar>
#include <QLocale>
#include <QString>

namespace lengths {

enum class Unit { Inches, Millimetres };

// The setting's values ("inches", "millimetres"); anything else reads as the default.
QString unitKey(Unit u);
Unit unitFromKey(const QString& key, Unit def);
// Inches where the locale measures in US customary units (and for the C
// locale, which names no country); millimetres everywhere else, the United
// Kingdom included, where label stock is sold in millimetres.
Unit defaultUnit(const QLocale& locale);
// "in" or "mm", as a box's suffix shows it.
QString unitSymbol(Unit u);

// The number of a length in the unit: inches "0.0##" (at least one and at
// most three decimals, as the options dialog shows them), millimetres with at
// most two decimals ("10", "12.7", "5.97"); halves away from zero.
QString format(double twips, Unit u, QChar decimalSeparator = '.');
// The same for a length held in inches (the label's size and the sheet layout).
QString formatInches(double inches, Unit u, QChar decimalSeparator = '.');

// A typed length in whole twips (nearest, ties to even): a number in the unit
// with "." or the given decimal separator, blanks around it, and the unit's
// symbol after it if the user likes ("10 mm"). Anything else, or more than a
// label file can hold (32767 twips either way), is refused with a message.
struct Parsed {
    bool ok = false;
    int twips = 0;
    QString error; // why it was refused
};
Parsed parse(const QString& text, Unit u, QChar decimalSeparator = '.');

} // namespace lengths
