#include "Fields.h"

#include <QCoreApplication>
#include <QLocale>

namespace fields {

namespace {

const QString Open = QStringLiteral("${");
const QString Escape = QStringLiteral("$${");

// The column a name reaches: spelled as in the data, else ignoring case.
int columnOf(const QString& name, const QStringList& columns)
{
    const int exact = int(columns.indexOf(name));
    if (exact >= 0)
        return exact;
    for (int i = 0; i < columns.size(); ++i)
        if (columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

// "03" -> 3; -1 for anything that is not a zero and a width.
int paddedWidth(const QString& format)
{
    if (format.size() < 2 || format.size() > 3 || format.at(0) != QChar('0'))
        return -1;
    bool ok = false;
    const int w = format.mid(1).toInt(&ok);
    return ok && w >= 1 && format.mid(1).at(0).isDigit() ? w : -1;
}

QString number(long long n, int width)
{
    const QString digits = QString::number(n < 0 ? -n : n).rightJustified(width, QChar('0'));
    return n < 0 ? "-" + digits : digits;
}

} // namespace

bool mayHaveFields(const QString& text) { return text.contains(Open); }

Text::Text(const QString& typed, const QStringList& columns)
{
    QString literal;
    auto flush = [&] {
        if (!literal.isEmpty())
            m_parts.push_back({Part::Literal, literal});
        literal.clear();
    };
    auto bad = [&](const QString& marking, const QString& problem) {
        literal += marking;
        if (!m_problems.contains(problem))
            m_problems << problem;
    };
    qsizetype i = 0;
    while (i < typed.size()) {
        if (typed.mid(i, 3) == Escape) {
            m_plain = false;
            literal += Open;
            i += 3;
            continue;
        }
        if (typed.mid(i, 2) != Open) {
            literal += typed.at(i++);
            continue;
        }
        m_plain = false;
        const qsizetype close = typed.indexOf(QChar('}'), i + 2);
        const qsizetype next = typed.indexOf(Open, i + 2);
        if (close < 0 || (next >= 0 && next < close)) {
            // Unclosed: the marking takes the text up to the next field.
            const qsizetype end = next >= 0 ? next : typed.size();
            const QString field = typed.mid(i, end - i);
            bad("⟦malformed: " + field + "⟧", QCoreApplication::translate("fields", "%1: the field is not closed with }").arg(field));
            i = end;
            continue;
        }
        const QString field = typed.mid(i, close + 1 - i);
        const QString inner = typed.mid(i + 2, close - i - 2);
        i = close + 1;
        const qsizetype colon = inner.indexOf(QChar(':'));
        const QString name = (colon < 0 ? inner : inner.left(colon)).trimmed();
        const QString format = colon < 0 ? QString() : inner.mid(colon + 1);
        if (name.isEmpty()) {
            bad("⟦malformed: " + field + "⟧", QCoreApplication::translate("fields", "%1: the field has no name").arg(field));
            continue;
        }
        Part part;
        if (name == "n" || name == "total" || name == "sheet") {
            part.kind = name == "n" ? Part::Number : name == "total" ? Part::Total : Part::Sheet;
            if (colon >= 0) {
                part.width = paddedWidth(format.trimmed());
                if (part.width < 0) {
                    bad("⟦malformed: " + field + "⟧", QCoreApplication::translate("fields", "%1: a number takes a zero and a width, such as %2")
                                                        .arg(field, Open + name + ":03}"));
                    continue;
                }
            }
        } else if (name == "date") {
            part.kind = Part::Date;
            part.text = format.trimmed().isEmpty() ? DefaultDateFormat : format;
        } else {
            // A column's name may hold a colon of its own.
            part.kind = Part::Column;
            part.column = columnOf(inner.trimmed(), columns);
            if (part.column < 0) {
                part.column = columnOf(name, columns);
                if (part.column >= 0 && colon >= 0) {
                    bad("⟦malformed: " + field + "⟧", QCoreApplication::translate("fields", "%1: a data column takes no format").arg(field));
                    continue;
                }
            }
            if (part.column < 0) {
                const QString unknown = inner.trimmed();
                bad("⟦unknown: " + unknown + "⟧",
                    columns.isEmpty() ? QCoreApplication::translate("fields", "%1: there is no data to take it from").arg(field)
                                      : QCoreApplication::translate("fields", "%1: the data has no column of that name").arg(field));
                continue;
            }
        }
        flush();
        m_parts.push_back(part);
    }
    flush();
}

QString Text::fill(const Values& v) const
{
    QString out;
    for (const Part& p : m_parts) {
        switch (p.kind) {
        case Part::Literal: out += p.text; break;
        case Part::Number: out += number(v.number, p.width); break;
        case Part::Total: out += number(v.total, p.width); break;
        case Part::Sheet: out += number(v.sheet, p.width); break;
        case Part::Date: out += QLocale().toString(v.date.isValid() ? v.date : QDate::currentDate(), p.text); break;
        case Part::Column:
            if (v.row && p.column < v.row->size())
                out += v.row->at(p.column);
            break;
        }
    }
    return out;
}

QString problemsMessage(const QStringList& problems)
{
    QStringList once;
    for (const QString& p : problems)
        if (!once.contains(p))
            once << p;
    if (once.isEmpty())
        return {};
    return QCoreApplication::translate("fields", "These fields of the label's texts cannot be filled in: %1.").arg(once.join("; "));
}

} // namespace fields
