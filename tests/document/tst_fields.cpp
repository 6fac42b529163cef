// Fields in a label's texts and the CSV data they are filled from.
#include <QtTest>
#include <numeric>

#include "document/CsvReader.h"
#include "document/Fields.h"
#include "platform/SettingsStore.h"
#include "printing/LabelData.h"
#include "support/Files.h"

namespace {

// Rows as "a|b/c|d".
QString joined(const std::vector<QStringList>& rows)
{
    QStringList out;
    for (const QStringList& r : rows)
        out << r.join('|');
    return out.join('/');
}

} // namespace

class tst_Fields : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // One label's values: number 17 of 300 on sheet 3, 17 May 2024, the row
    // Merlot / 2021 / 9 a.m. of the columns Name, Vintage, Time:start.
    void fill_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<bool>("withData");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("problem"); // the only one, if any
        auto row = [](const char* name, const QString& typed, bool withData, const QString& shown,
                      const QString& problem = {}) { QTest::newRow(name) << typed << withData << shown << problem; };
        row("plain", "Pale Ale", true, "Pale Ale");
        row("numbers", "Bottle ${n} of ${total}", false, "Bottle 17 of 300");
        row("padded", "${n:03}|${n:01}|${sheet:02}|${total:05}", false, "017|17|03|00300");
        row("date", "${date}", false, "2024-05-17");
        row("date format", "${date:d MMMM yyyy}, ${date:dd.MM.yy}", false, "17 May 2024, 17.05.24");
        row("columns", "${Name} ${ Vintage }", true, "Merlot 2021");
        row("column ignoring case", "${NAME}", true, "Merlot");
        row("column with a colon", "${Time:start}", true, "9 a.m.");
        row("escape", "$${n} costs $5 $", false, "${n} costs $5 $");
        row("unknown column", "A ${Colour} wine", true, "A ⟦unknown: Colour⟧ wine",
            "${Colour}: the data has no column of that name");
        row("no data", "${Name}", false, "⟦unknown: Name⟧", "${Name}: there is no data to take it from");
        // Built-in names are written in lower case; another spelling is a column.
        row("N is no number", "${N}", false, "⟦unknown: N⟧", "${N}: there is no data to take it from");
        row("unclosed", "Lot ${n", false, "Lot ⟦malformed: ${n⟧", "${n: the field is not closed with }");
        row("unclosed before a field", "${a ${n}", false, "⟦malformed: ${a ⟧17",
            "${a : the field is not closed with }");
        row("no name", "${}", false, "⟦malformed: ${}⟧", "${}: the field has no name");
        row("width without zero", "${n:3}", false, "⟦malformed: ${n:3}⟧",
            "${n:3}: a number takes a zero and a width, such as ${n:03}");
        row("format on a column", "${Name:03}", true, "⟦malformed: ${Name:03}⟧",
            "${Name:03}: a data column takes no format");
        row("the same problem once", "${x}${x}", true, "⟦unknown: x⟧⟦unknown: x⟧",
            "${x}: the data has no column of that name");
    }
    void fill()
    {
        QFETCH(QString, typed);
        QFETCH(bool, withData);
        const QStringList columns = {"Name", "Vintage", "Time:start"}, row = {"Merlot", "2021", "9 a.m."};
        const fields::Text text(typed, withData ? columns : QStringList());
        const fields::Values v{.number = 17, .total = 300, .sheet = 3, .date = QDate(2024, 5, 17),
                               .row = withData ? &row : nullptr};
        QTEST(text.fill(v), "shown");
        QFETCH(QString, problem);
        QCOMPARE(text.problems(), problem.isEmpty() ? QStringList() : QStringList{problem});
        QCOMPARE(text.plain(), !typed.contains("${"));
        QCOMPARE(fields::mayHaveFields(typed), !text.plain());
    }

    void problemsInOneMessage()
    {
        QCOMPARE(fields::problemsMessage({}), QString());
        QCOMPARE(fields::problemsMessage({"${a}: x", "${b}: y", "${a}: x"}),
                 QString("These fields of the label's texts cannot be filled in: ${a}: x; ${b}: y."));
    }

    // Each CSV: its columns, rows (a|b/c|d) and copies, or the message naming the line.
    void csv_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("copiesColumn");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("copies");
        QTest::addColumn<QString>("error");
        auto read = [](const char* name, const QByteArray& bytes, const char* columns, const char* rows,
                       const char* copies = "", const char* copiesColumn = "") {
            QTest::newRow(name) << bytes << QString(copiesColumn) << QString(columns) << QString(rows)
                                << QString(copies) << QString();
        };
        auto refused = [](const char* name, const QByteArray& bytes, const QString& error,
                          const char* copiesColumn = "") {
            QTest::newRow(name) << bytes << QString(copiesColumn) << QString() << QString() << QString() << error;
        };
        read("comma, CR LF", "Name,Vintage\r\nMerlot,2021\r\nSyrah,2019\r\n", "Name|Vintage", "Merlot|2021/Syrah|2019");
        read("semicolon", "Name;Price\nA;1,50\n", "Name|Price", "A|1,50");
        read("tab", "Name\tNote\nA\tx, y; z", "Name|Note", "A|x, y; z");
        read("quotes", "Name,Note\n\"Smith, J\",\"He said \"\"hi\"\"\"\n", "Name|Note", "Smith, J|He said \"hi\"");
        read("line break in quotes", "a,b\n\"x\",\"two\nlines\"\n1,2\n", "a|b", "x|two\r\nlines/1|2");
        read("CR only, blank lines, empty last value", "a,b\r\r1,\r\r", "a|b", "1|");
        read("UTF-8 with its mark", "\xEF\xBB\xBFName\nM\xC3\xBCller \xE2\x82\xAC", "Name", "Müller €");
        read("Windows-1252", "Name\nM\xFCller \x80", "Name", "Müller €");
        read("copies", "Name,Copies\nA,2\nB,0\nC, 3 \n", "Name|Copies", "A|2/B|0/C| 3 ", "2,0,3");
        read("named copies column", "Name,Qty,copies\nA,4,1\n", "Name|Qty|copies", "A|4|1", "4", "qty");
        refused("no such copies column", "Name,copies\nA,1\n",
                "the first row has no column \"Qty\" for the number of copies", "Qty");
        for (const char* n : {"2.5", "-1", "10001", "", "two"})
            refused(qPrintable(QString("copies \"%1\"").arg(n)), QByteArray("Name,copies\nA,1\n\nB,") + n + "\n",
                    QString("line 4: the number of copies \"%1\" is not a whole number from 0 to 10000").arg(n));
        refused("short row", "a,b\n1,2\n\"x\ny\"\n", "line 3: 1 value where the first row names 2 columns");
        refused("long row", "a\n1,2,3\n", "line 2: 3 values where the first row names 1 column");
        refused("unterminated quote", "a,b\n1,2\n3,\"open\n4,5\n",
                "line 3: the quote that starts a value there is never closed");
        refused("text after a quote", "a,b\n\"x\"y,2\n",
                "line 2: a quoted value must be followed by a separator or the end of the line");
        refused("empty", QByteArray(), "the file is empty");
        refused("blank lines only", "\r\n\n", "the file is empty");
        refused("header only", "Name,copies\r\n", "the file names its columns but has no rows");
    }
    void csv()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, copiesColumn);
        QFETCH(QString, error);
        csv::Table t;
        QString why = "earlier";
        QCOMPARE(csv::parse(bytes, t, &why, copiesColumn), error.isEmpty());
        QCOMPARE(why, error);
        if (!error.isEmpty())
            return;
        QTEST(t.columns.join('|'), "columns");
        QTEST(joined(t.rows), "rows");
        QStringList copies;
        for (int c : t.copies)
            copies << QString::number(c);
        QTEST(copies.join(','), "copies");
        QCOMPARE(t.labels(), t.copies.empty() ? (long long)t.rows.size() : std::accumulate(t.copies.begin(), t.copies.end(), 0LL));
    }

    // Files: the message names the file; a file too big for a list of labels
    // is refused by its size, before a byte of it is read (it is sparse: nothing on disk).
    void csvFilesAndTheirPlaceInTheSettings()
    {
        csv::Table t;
        const QString missing = tmp.filePath("none.csv"), ragged = tmp.filePath("ragged.csv");
        const QString huge = tmp.filePath("huge.csv");
        auto refusal = [&t](const QString& file) {
            QString why;
            return csv::read(file, t, &why) ? QString("read") : why;
        };
        QCOMPARE(refusal(missing), "Data file \"" + missing + "\" Not Found");
        QVERIFY(writeFile(ragged, "a;b\n1;2\n3\n"));
        QCOMPARE(refusal(ragged), ragged + ": line 3: 1 value where the first row names 2 columns");
        QFile h(huge);
        QVERIFY(h.open(QIODevice::WriteOnly) && h.resize(csv::MaxFileBytes + 1));
        h.close();
        QCOMPARE(refusal(huge), huge + ": the file is 64.0 MiB, too large for a list of labels (at most 64 MiB)");
        QVERIFY(t.rows.empty() && t.columns.isEmpty());

        // A label's data file is kept in the settings under its path; never for a label without a file.
        const QString ini = tmp.filePath("settings.ini");
        const QString label = tmp.filePath("labels/Club Ale.ckm"), other = tmp.filePath("labels/Stout.ckm");
        {
            IniSettingsStore store(ini);
            labeldata::remember(store, label, tmp.filePath("club.csv"));
            labeldata::remember(store, other, tmp.filePath("stout.csv"));
            labeldata::remember(store, other, {});
            labeldata::remember(store, "", tmp.filePath("x.csv"));
        }
        IniSettingsStore store(ini);
        QCOMPARE(labeldata::remembered(store, label), tmp.filePath("club.csv"));
        QCOMPARE(labeldata::remembered(store, other), QString());
        QCOMPARE(labeldata::remembered(store, ""), QString());
        QVERIFY(!labeldata::keyOf(label).contains('/'));
    }
};

QTEST_GUILESS_MAIN(tst_Fields)
#include "tst_fields.moc"
