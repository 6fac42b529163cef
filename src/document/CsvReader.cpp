#include "CsvReader.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

namespace csv {

long long Table::labels() const
{
    if (copies.empty())
        return (long long)rows.size();
    long long n = 0;
    for (int c : copies)
        n += c;
    return n;
}

QString decode(const QByteArray& bytes)
{
    QByteArrayView b(bytes);
    if (b.startsWith("\xEF\xBB\xBF"))
        b = b.sliced(3);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(b);
    if (!utf8.hasError())
        return text;
    // What Windows spreadsheets write: Latin-1 with printable characters in 0x80-0x9F.
    static const char16_t high[32] = {0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
                                      0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
                                      0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
                                      0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    text.resize(bytes.size());
    QChar* out = text.data();
    for (const char ch : bytes) {
        const uchar u = uchar(ch);
        *out++ = u >= 0x80 && u < 0xA0 ? QChar(high[u - 0x80]) : QChar(u);
    }
    return text;
}

namespace {

// The separator the first row uses most; a tie goes to tab, then semicolon.
QChar separatorOf(const QString& text)
{
    int comma = 0, semicolon = 0, tab = 0;
    bool quoted = false;
    for (const QChar c : text) {
        if (c == '"')
            quoted = !quoted;
        else if (quoted)
            continue;
        else if (c == '\n' || c == '\r')
            break;
        else if (c == ',')
            ++comma;
        else if (c == ';')
            ++semicolon;
        else if (c == '\t')
            ++tab;
    }
    if (tab > 0 && tab >= semicolon && tab >= comma)
        return '\t';
    if (semicolon > 0 && semicolon >= comma)
        return ';';
    return ',';
}

struct Record {
    QStringList values;
    int line = 0;
};

class Reader {
public:
    Reader(const QString& text, QChar sep) : m_s(text), m_sep(sep) {}

    // False at the end of the text; *error set when the text is not CSV.
    bool next(Record& r, QString* error)
    {
        r.values.clear();
        while (m_i < m_s.size()) {
            r.line = m_line;
            QString value;
            bool quoted = false;
            if (m_s.at(m_i) == '"') {
                quoted = true;
                const int opened = m_line;
                ++m_i;
                for (;;) {
                    if (m_i >= m_s.size()) {
                        *error = QString("line %1: the quote that starts a value there is never closed").arg(opened);
                        return false;
                    }
                    const QChar c = m_s.at(m_i);
                    if (c == '"') {
                        if (m_i + 1 < m_s.size() && m_s.at(m_i + 1) == '"') {
                            value += '"';
                            m_i += 2;
                            continue;
                        }
                        ++m_i;
                        break;
                    }
                    if (c == '\r' || c == '\n') {
                        skipBreak();
                        value += QStringLiteral("\r\n"); // a line break of the label's text
                        continue;
                    }
                    value += c;
                    ++m_i;
                }
            } else {
                const qsizetype start = m_i;
                while (m_i < m_s.size() && m_s.at(m_i) != m_sep && m_s.at(m_i) != '\r' && m_s.at(m_i) != '\n')
                    ++m_i;
                value = m_s.mid(start, m_i - start);
            }
            r.values << value;
            if (m_i >= m_s.size())
                return true;
            const QChar c = m_s.at(m_i);
            if (c == m_sep) {
                ++m_i;
                // A separator at the very end still closes an empty last value.
                if (m_i >= m_s.size())
                    r.values << QString();
                continue;
            }
            if (c == '\r' || c == '\n') {
                skipBreak();
                // A blank line is no record.
                if (r.values.size() == 1 && !quoted && value.isEmpty()) {
                    r.values.clear();
                    continue;
                }
                return true;
            }
            *error = QString("line %1: a quoted value must be followed by a separator or the end of the line")
                         .arg(m_line);
            return false;
        }
        return !r.values.isEmpty();
    }

private:
    void skipBreak()
    {
        if (m_s.at(m_i) == '\r' && m_i + 1 < m_s.size() && m_s.at(m_i + 1) == '\n')
            ++m_i;
        ++m_i;
        ++m_line;
    }

    const QString& m_s;
    const QChar m_sep;
    qsizetype m_i = 0;
    int m_line = 1;
};

// A whole number from 0 to MaxCopies, as typed (blanks around it allowed).
int copiesValue(const QString& typed)
{
    const QString t = typed.trimmed();
    if (t.isEmpty() || t.size() > 6)
        return -1;
    for (const QChar c : t)
        if (c < '0' || c > '9')
            return -1;
    const int n = t.toInt();
    return n <= MaxCopies ? n : -1;
}

} // namespace

bool parse(const QByteArray& bytes, Table& table, QString* error, const QString& copiesColumn)
{
    table = Table();
    error->clear();
    const QString text = decode(bytes);
    Reader reader(text, separatorOf(text));
    Record r;
    if (!reader.next(r, error)) {
        if (error->isEmpty())
            *error = QCoreApplication::translate("csv", "the file is empty");
        return false;
    }
    for (const QString& name : r.values)
        table.columns << name.trimmed();
    const QString wanted = copiesColumn.isEmpty() ? QStringLiteral("copies") : copiesColumn.trimmed();
    for (int i = 0; i < table.columns.size() && table.copiesColumn < 0; ++i)
        if (table.columns.at(i).compare(wanted, Qt::CaseInsensitive) == 0)
            table.copiesColumn = i;
    if (!copiesColumn.isEmpty() && table.copiesColumn < 0) {
        *error = QCoreApplication::translate("csv", "the first row has no column \"%1\" for the number of copies").arg(wanted);
        return false;
    }
    while (reader.next(r, error)) {
        if (r.values.size() != table.columns.size()) {
            const qsizetype n = r.values.size(), names = table.columns.size();
            const QString values = n == 1 ? QCoreApplication::translate("csv", "1 value") : QCoreApplication::translate("csv", "%1 values").arg(n);
            const QString named = names == 1 ? QCoreApplication::translate("csv", "1 column") : QCoreApplication::translate("csv", "%1 columns").arg(names);
            *error = QCoreApplication::translate("csv", "line %1: %2 where the first row names %3").arg(r.line).arg(values, named);
            return false;
        }
        if (table.copiesColumn >= 0) {
            const QString& typed = r.values.at(table.copiesColumn);
            const int n = copiesValue(typed);
            if (n < 0) {
                *error = QCoreApplication::translate("csv", "line %1: the number of copies \"%2\" is not a whole number from 0 to %3")
                             .arg(r.line)
                             .arg(typed, QString::number(MaxCopies));
                return false;
            }
            table.copies.push_back(n);
        }
        table.rows.push_back(std::move(r.values));
        r.values = QStringList();
    }
    if (!error->isEmpty())
        return false;
    if (table.rows.empty()) {
        *error = QCoreApplication::translate("csv", "the file names its columns but has no rows");
        return false;
    }
    return true;
}

bool read(const QString& path, Table& table, QString* error, const QString& copiesColumn)
{
    table = Table();
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = QCoreApplication::translate("csv", "Data file \"%1\" Not Found").arg(path);
        return false;
    }
    if (info.size() > MaxFileBytes) {
        *error = QCoreApplication::translate("csv", "%1: the file is %2 MiB, too large for a list of labels (at most %3 MiB)")
                     .arg(path, QString::number(double(info.size()) / (1024 * 1024), 'f', 1))
                     .arg(MaxFileBytes / (1024 * 1024));
        return false;
    }
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = path + ": " + f.errorString();
        return false;
    }
    const QByteArray bytes = f.read(MaxFileBytes + 1);
    if (bytes.size() > MaxFileBytes) {
        *error = QCoreApplication::translate("csv", "%1: the file grew past %2 MiB while read").arg(path).arg(MaxFileBytes / (1024 * 1024));
        return false;
    }
    QString why;
    if (!parse(bytes, table, &why, copiesColumn)) {
        *error = path + ": " + why;
        return false;
    }
    return true;
}

} // namespace csv
