// Reading the tips file and the order the tips come in.
#include <QtTest>

#include "app/Tips.h"
#include "app/ShowHelp.h"
#include "platform/ScriptedPlatform.h"

class tst_Tips : public QObject {
    Q_OBJECT

    QTemporaryDir dir;
    QString write(const QByteArray& bytes)
    {
        const QString p = dir.filePath("TipOfDay.fil");
        QFile f(p);
        f.open(QIODevice::WriteOnly);
        f.write(bytes);
        return p;
    }

private slots:
    void reading()
    {
        QStringList t;
        QVERIFY(!tips::readTipsFile("", t));
        QVERIFY(!tips::readTipsFile(dir.filePath("none.fil"), t));
        QVERIFY(!tips::readTipsFile(dir.path(), t)); // a folder is no tips file
        QVERIFY(t.isEmpty());

        QVERIFY(tips::readTipsFile(write("one\r\ntwo~lines~three\r\n\r\nlast"), t));
        QCOMPARE(t, (QStringList{"one", "two\r\nlines\r\nthree", "", "last"}));
        t.clear();
        QVERIFY(tips::readTipsFile(write("a\nb\rc\r\n"), t)); // edited elsewhere
        QCOMPARE(t, (QStringList{"a", "b", "c"}));
        t.clear();
        QVERIFY(tips::readTipsFile(write("~~\r\n"), t));
        QCOMPARE(t, QStringList{"\r\n\r\n"});
        t.clear();
        QVERIFY(tips::readTipsFile(write(""), t));
        QVERIFY(t.isEmpty());
        t.clear();
        QVERIFY(tips::readTipsFile(write("Caf\xc3\xa9\r\n"), t));
        QCOMPARE(t, QStringList{QString::fromUtf8("Caf\xc3\xa9")});

        // The shipped file: many useful tips, CR LF lines, none empty.
        t.clear();
        QVERIFY(tips::readTipsFile(QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR "/TipOfDay.fil"), t));
        QVERIFY(t.size() >= 20);
        for (const QString& tip : t)
            QVERIFY2(tip.trimmed().size() > 20, qPrintable(tip));
        QFile raw(QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR "/TipOfDay.fil"));
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QCOMPARE(bytes.count("\r\n"), t.size());
        QCOMPARE(bytes.count('\n'), t.size());
    }

    void order()
    {
        QCOMPARE(tips::nextTip(0, 3), 1);
        QCOMPARE(tips::nextTip(1, 3), 2);
        QCOMPARE(tips::nextTip(2, 3), 3);
        QCOMPARE(tips::nextTip(3, 3), 1);
        QCOMPARE(tips::nextTip(17, 3), 1);   // stored beyond the count
        QCOMPARE(tips::nextTip(-5, 3), 1);   // a broken store
        QCOMPARE(tips::nextTip(2147483647, 3), 1);
        QCOMPARE(tips::nextTip(0, 0), 1);
    }

    void helpRoutines()
    {
        ScriptedPlatform p;
        ShowHelp::showHelpTopic(p, "/h/Corkcrafter2.qch", ShowHelp::MainWindowContext);
        ShowHelp::showHelpIndex(p, "/h/Corkcrafter2.qch");
        ShowHelp::showHelpSearch(p, "/h/Corkcrafter2.qch");
        ShowHelp::showHelpTopic(p, "/h/Corkcrafter2.qch", 4000);
        QCOMPARE(p.helpCalls.size(), 6);
        const HelpCommand expected[] = {HelpCommand::DisplayTopic, HelpCommand::HelpContext, HelpCommand::DisplayIndex,
                                        HelpCommand::DisplaySearch, HelpCommand::DisplayTopic, HelpCommand::HelpContext};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(p.helpCalls[i].command, expected[i]);
            QCOMPARE(p.helpCalls[i].file, QString("/h/Corkcrafter2.qch"));
        }
        QCOMPARE(p.helpCalls[1].data, 1000);
        QCOMPARE(p.helpCalls[5].data, 4000);
        QCOMPARE(ShowHelp::pageForContext(1000), QString("mainwindow.html"));
        QCOMPARE(ShowHelp::pageForContext(3000), QString("preview.html"));
        QCOMPARE(ShowHelp::pageForContext(4000), QString("other-software.html"));
        QCOMPARE(ShowHelp::pageForContext(2000), QString());
    }
};

QTEST_GUILESS_MAIN(tst_Tips)
#include "tst_tips.moc"
