#pragma once
// The data a print takes its fields from: a CSV file as spreadsheets write it.
// Comma, semicolon or tab, whichever the first row uses most; quotes as RFC
// 4180 has them (separators, doubled quotes and line breaks inside quotes);
// UTF-8 with or without its mark, else Windows-1252. The first row names the
// columns; every later row is one record. A line break inside a value becomes
// a line break of the label's text.
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace csv {

// The largest file read as a list of labels.
constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;
// The most labels one row may ask for.
constexpr long long MaxCopies = 10000;

struct Table {
    QStringList columns;
    std::vector<QStringList> rows;
    // Labels each row makes: from the copies column, else one each (empty).
    std::vector<int> copies;
    int copiesColumn = -1;

    long long labels() const;
    int rowCopies(size_t row) const { return copies.empty() ? 1 : copies[row]; }
};

// `copiesColumn`: the column giving each row's number of labels; empty for the
// one named "copies" (in any case) if there is one. On failure returns false
// with *error telling what and on which line (without the file's name).
bool parse(const QByteArray& bytes, Table& table, QString* error, const QString& copiesColumn = {});

// The same for a file; the message names the file. A file larger than
// MaxFileBytes is refused before it is read.
bool read(const QString& path, Table& table, QString* error, const QString& copiesColumn = {});

// The bytes as text: UTF-8 (a leading byte-order mark dropped) when they are
// valid UTF-8, else Windows-1252.
QString decode(const QByteArray& bytes);

} // namespace csv
