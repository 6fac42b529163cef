// Reading the tips file and the order the tips come in.
#include <QtTest>

#include "app/Tips.h"
#include "support/Files.h"

class tst_Tips : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString write(const QByteArray& bytes)
    {
        const QString p = dir.filePath("TipOfDay.fil");
        return writeFile(p, bytes) ? p : QString();
    }

private slots:
    void reading()
    {
        QStringList t;
        for (const QString& none : {QString(), dir.filePath("none.fil"), dir.path()}) // a folder is no tips file
            QVERIFY(!tips::readTipsFile(none, t));
        QVERIFY(t.isEmpty());
        const std::pair<QByteArray, QStringList> files[] = {
            {"one\r\ntwo~lines~three\r\n\r\nlast", {"one", "two\r\nlines\r\nthree", "", "last"}},
            {"a\nb\rc\r\n", {"a", "b", "c"}}, // edited elsewhere
            {"~~\r\n", {"\r\n\r\n"}},
            {"", {}},
            {"Caf\xc3\xa9\r\n", {QString::fromUtf8("Caf\xc3\xa9")}}};
        for (const auto& [bytes, expected] : files) {
            t.clear();
            QVERIFY(tips::readTipsFile(write(bytes), t));
            QCOMPARE(t, expected);
        }

        // The shipped file: many useful tips, CR LF lines, none empty.
        t.clear();
        QVERIFY(tips::readTipsFile(QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR "/TipOfDay.fil"), t));
        QVERIFY(t.size() >= 20);
        for (const QString& tip : t)
            QVERIFY2(tip.trimmed().size() > 20, qPrintable(tip));
        const QByteArray bytes = fileBytes(QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR "/TipOfDay.fil"));
        QCOMPARE(bytes.count("\r\n"), t.size());
        QCOMPARE(bytes.count('\n'), t.size());
    }

    void order()
    {
        // After the last, beyond the count (a stored number), or a broken store: the first.
        const std::pair<int, int> next[] = {{0, 1}, {1, 2}, {2, 3}, {3, 1}, {17, 1}, {-5, 1}, {2147483647, 1}};
        for (const auto& [current, expected] : next)
            QCOMPARE(tips::nextTip(current, 3), expected);
        QCOMPARE(tips::nextTip(0, 0), 1);
    }
};

QTEST_GUILESS_MAIN(tst_Tips)
#include "tst_tips.moc"
