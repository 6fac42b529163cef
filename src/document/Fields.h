#pragma once
// Fields in a text item: parts of the text, written ${name}, that each label
// of a print fills in for itself. The label file keeps the text as typed, so
// any reader of the format shows a field as its literal text.
//
//   ${n}  ${n:03}     the label's running number in the print (03: at least 3
//                     digits, zero-padded); ${total} and ${sheet} likewise
//   ${total}          the number of labels the print makes
//   ${sheet}          the number of the sheet the label is on
//   ${date}           the print's date, yyyy-MM-dd
//   ${date:FORMAT}    the date in a Qt date format ("d MMMM yyyy")
//   ${Name}           the value of the data column Name (matched ignoring case)
//   $${               a literal ${
//
// A field that cannot be filled is never dropped: the text shows a marking in
// its place ("⟦unknown: Name⟧", "⟦malformed: ${n:x}⟧") and the field is named
// among the problems, which the print lists before it starts.
#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace fields {

// What one label knows of its print. `row` holds the label's data row, in the
// order of the columns the text was read against; null without data.
struct Values {
    long long number = 1;
    long long total = 1;
    long long sheet = 1;
    QDate date;
    const QStringList* row = nullptr;
};

// Whether the text may hold a field or an escape (anything written with "${").
// A text without one prints exactly as typed.
bool mayHaveFields(const QString& text);

// A text read once for a print, against the data's column names; filled for
// every label without reading it again.
class Text {
public:
    Text() = default;
    Text(const QString& typed, const QStringList& columns);

    // No field and no escape: every label shows the text as typed.
    bool plain() const { return m_plain; }
    // One entry a field that cannot be filled: `${name}: why`.
    const QStringList& problems() const { return m_problems; }
    QString fill(const Values& values) const;

private:
    struct Part {
        enum Kind { Literal, Number, Total, Sheet, Date, Column } kind = Literal;
        QString text;   // the literal (or marking), or the date format
        int width = 0;  // zero-padded width of a number
        int column = -1;
    };
    std::vector<Part> m_parts;
    QStringList m_problems;
    bool m_plain = true;
};

// The default date format of ${date}.
inline const QString DefaultDateFormat = QStringLiteral("yyyy-MM-dd");

// One line naming every field that cannot be filled, each once.
QString problemsMessage(const QStringList& problems);

} // namespace fields
