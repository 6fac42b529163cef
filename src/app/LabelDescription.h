#pragma once
// A label description given on the command line: parts of the form
//   \T 24"Pale Ale"
// (a backslash, a position letter T, C or B, a four-character font size and a
// text in double quotes), each of which becomes a text item centred across
// the label.
#include <QString>
#include <QStringView>
#include <cstdint>
#include <optional>
#include <vector>

class LabelDocument;

namespace description {

struct Part {
    QChar letter;  // 'T', 'C', 'B' or anything else (keeps the last position)
    float size;    // points; below 8 or missing gives 18
    QString text;  // between the quotes
};

// The parts of a description, in order. A part whose text is not closed by a
// second double quote ends the description: the parts before it are kept.
std::vector<Part> parse(const QString& text);

// The leading number of a size field: digits with one optional ".", blanks
// skipped, reading stops at anything else; no number reads as 0.
float leadingNumber(QStringView field);

// A size as the font-size text a text item takes: a positive number written
// with a leading blank (" 24", " 12.5" in the user's locale).
QString sizeText(float size);

// The three vertical positions, twips, for a label height in inches.
struct Positions {
    int16_t top = 0, centre = 0, bottom = 0;
};
Positions positionsFor(double labelHeightInches);

// The one line break a text wider than three quarters of the label gets: at
// the first blank at or after the middle (half the length, ties to even).
// Nothing when there is no such blank.
std::optional<QString> wrapOnce(const QString& text);

// Why a description cannot be made whole, or nothing when it can: more parts
// than the label can take (`textsLeft`), or a text, as the wrap may leave it,
// longer than a label file keeps.
QString refusal(const std::vector<Part>& parts, int textsLeft);

// Turns a description into text items on the document: each new item gets the
// part's size, is wrapped once when too wide, centred across the label and
// placed at its letter's position. A second part with the same letter goes
// below the item placed before it (its height plus 100 twips), but no lower
// than where an item of the same height still ends on the label. A description
// that cannot be made whole is refused with a message and makes nothing.
// Returns the number of items created.
int apply(LabelDocument& doc, const QString& text);

} // namespace description
