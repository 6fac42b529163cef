#pragma once
// The rules of the options dialog that need no window: reading and writing
// the numbers of its boxes, the limits each box is checked against when the
// user leaves it, and which typed keys a numeric box lets through.
#include <QList>
#include <QPoint>
#include <QString>
#include <cstdint>

#include "Lengths.h"

namespace options {

// The eight numeric boxes; the first six hold lengths (shown in the user's
// unit, kept in inches), the grid boxes twips.
enum class Box { CustomWidth, CustomHeight, TopMargin, LeftMargin, RowSpace, ColumnSpace, GridWidth, GridHeight };

bool holdsInches(Box box);

// The number at the start of a text (blanks, a sign, digits, the decimal
// separator, digits), 0 when there is none. Only the program's own decimal
// separator counts, so "3,75" reads as 3.75 on a "," system and as 3 on a "."
// system.
double leadingNumber(const QString& text, QChar decimalSeparator);

// Inches as the dialog shows them: at least one and at most three decimals
// ("0.0##"), halves of a thousandth rounded away from zero. Stock data sheets
// give margins such as 0.235 in (5.97 mm): two decimals would change them.
QString formatInches(double inches, QChar decimalSeparator);
// The value an inch box keeps once it shows it "0.0##": whole thousandths.
double keptInches(double inches);

// Paper size in inches (the printer's paper in twips / 1440).
struct Paper {
    double width = 8.5;
    double height = 11;
};

struct Verdict {
    bool ok = true;
    QString message; // shown when not ok
    double resetTo = 0;
};

// The limits of one box. Upper limits are inclusive and checked first.
Verdict check(Box box, double value, const Paper& paper);
// A limit's message for a user working in millimetres: a limit given in
// inches is given in millimetres instead ("-0.5" becomes "-12.7 mm").
QString inMillimetres(const QString& message);

// The inches a length box's text stands for: "0.0##" inches are kept to the
// thousandth; millimetres as typed.
double boxInches(const QString& text, lengths::Unit unit, QChar decimalSeparator);

// What leaving a box does to its text: a value that reads as zero becomes
// "0", a value out of its limits is reset (message says why), and a length
// box is rewritten in its unit ("0.0##" inches, millimetres to the
// hundredth). The grid boxes keep their text when it passes.
struct LeaveResult {
    QString text;
    QString message; // empty when the value passed
};
LeaveResult leaveBox(Box box, const QString& text, const Paper& paper, QChar decimalSeparator,
                     lengths::Unit unit = lengths::Unit::Inches);

// Whether a typed character may enter a numeric box: its key code when it
// may, 0 when it is refused (the caller beeps). Decimals only in inch boxes,
// and only the program's separator.
int16_t numericKey(const QString& typed, Box box, QChar decimalSeparator);

// The label type buttons: what a click puts into the size boxes (nothing for
// the custom size) and whether the size boxes can be edited.
struct TypeChoice {
    bool fillsSize = false;
    QString height, width;
    bool sizeEditable = true;
};
TypeChoice labelTypeChoice(int16_t type, QChar decimalSeparator);

// The template question a label type click asks while a template is set.
QString deactivateTemplateQuestion(const QString& templateFile);

// The grid preview: a dot at every multiple of the steps from the corner up to
// the picture's width and height (twips). Nothing for a step of zero or less.
QList<QPoint> gridDots(int widthTwips, int heightTwips, int stepX, int stepY);

} // namespace options
