// The command line: label descriptions turned into text items, the options,
// and handing a command line to a copy that is already running.
#include <QtTest>
#include <QLocalServer>
#include <atomic>
#include <thread>

#include "app/CommandLine.h"
#include "app/LabelDescription.h"
#include "app/SingleInstance.h"
#include "document/LabelDocument.h"
#include "support/TestEnv.h"

namespace {
const TextItem& lastText(const LabelDocument& d) { return d.texts().rbegin()->second; }
} // namespace

class tst_CommandLine : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void sizeFields()
    {
        using description::leadingNumber;
        QCOMPARE(leadingNumber(u" 24\""), 24.0f);
        QCOMPARE(leadingNumber(u"12.5"), 12.5f);
        QCOMPARE(leadingNumber(u"1 2\""), 12.0f);    // blanks are skipped
        QCOMPARE(leadingNumber(u"9.5."), 9.5f);      // a second point ends it
        QCOMPARE(leadingNumber(u"\"Pal"), 0.0f);     // the quote at once: no number
        QCOMPARE(leadingNumber(u"."), 0.0f);
        QCOMPARE(leadingNumber(u"-12\""), 0.0f);
        QCOMPARE(leadingNumber(u"1e3 "), 1.0f);
        QCOMPARE(leadingNumber(u""), 0.0f);
        QCOMPARE(description::sizeText(24), QString(" 24"));
        QCOMPARE(description::sizeText(12.5f), QString(" 12.5"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(description::sizeText(12.5f), QString(" 12,5"));
        QLocale::setDefault(QLocale::c());
    }

    void parts()
    {
        auto p = description::parse("\\T24\"Pale Ale\" and then \\C 9.5\"Second\" \\b\"x\"");
        QCOMPARE(int(p.size()), 3);
        QCOMPARE(p[0].letter, QChar('T'));
        QCOMPARE(p[0].size, 24.0f);
        QCOMPARE(p[0].text, QString("Pale Ale"));
        QCOMPARE(p[1].letter, QChar('C'));
        QCOMPARE(p[1].size, 9.5f);
        QCOMPARE(p[1].text, QString("Second"));
        QCOMPARE(p[2].letter, QChar('b'));
        QCOMPARE(p[2].size, 18.0f); // no size
        QCOMPARE(description::parse("\\T 7\"x\"")[0].size, 18.0f);
        QCOMPARE(description::parse("\\T 8\"x\"")[0].size, 8.0f);
        // An unclosed text ends the description; what came before stays.
        p = description::parse("\\T 12\"one\"\\C 12\"two");
        QCOMPARE(int(p.size()), 1);
        QCOMPARE(p[0].text, QString("one"));
        QVERIFY(description::parse("\\T 12 no quotes").empty());
        QVERIFY(description::parse("\\").empty());
        QVERIFY(description::parse("").empty());
        // A backslash inside a text is text; the next part starts after the quote.
        p = description::parse("\\T 10\"a\\b\"\\B 10\"c\"");
        QCOMPARE(int(p.size()), 2);
        QCOMPARE(p[0].text, QString("a\\b"));
        QCOMPARE(p[1].letter, QChar('B'));
    }

    void positionsAndWrap()
    {
        auto beer = description::positionsFor(3.75);
        QCOMPARE(beer.top, int16_t(1350));
        QCOMPARE(beer.centre, int16_t(2300));
        QCOMPARE(beer.bottom, int16_t(4050));
        auto odd = description::positionsFor(2.51); // 903.6, 1407.2, 2710.8
        QCOMPARE(odd.top, int16_t(904));
        QCOMPARE(odd.centre, int16_t(1407));
        QCOMPARE(odd.bottom, int16_t(2711));
        QCOMPARE(description::positionsFor(0.625).top, int16_t(225)); // 225 exactly
        QCOMPARE(description::positionsFor(2.5 / 1440 * 4).top, int16_t(2)); // 2.5 ties to 2

        // Length 37: the middle 18.5 rounds to 18, where the blank is.
        const QString t37 = QString(17, 'x') + ' ' + QString(10, 'y') + ' ' + QString(8, 'z');
        QCOMPARE(*description::wrapOnce(t37), QString(17, 'x') + "\r\n" + QString(10, 'y') + ' ' + QString(8, 'z'));
        // Length 39: the middle 19.5 rounds to 20.
        const QString t39 = QString(19, 'x') + ' ' + QString(19, 'y');
        QCOMPARE(*description::wrapOnce(t39), QString(19, 'x') + "\r\n" + QString(19, 'y'));
        // Blanks only before the middle: no break.
        QVERIFY(!description::wrapOnce("aaaaa " + QString(30, 'b')));
        QCOMPARE(*description::wrapOnce("a b"), QString("a\r\nb"));
        QVERIFY(!description::wrapOnce("W"));
        QVERIFY(!description::wrapOnce(""));
        QVERIFY(!description::wrapOnce("ab ")); // the last character is never a break
    }

    void descriptionOnBeerLabel()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QCOMPARE(description::apply(d, "\\T24\"Pale Ale\""), 1);
        const TextItem& a = lastText(d);
        QCOMPARE(a.text, QString("Pale Ale"));
        QCOMPARE(a.font.size, 24.0);
        QCOMPARE(a.top, 1350.0);
        QCOMPARE(a.width, 860.0); // 8 characters and the box's margin
        QCOMPARE(a.left, (4320.0 - 860) / 2);
        QCOMPARE(a.rotation, int16_t(0));
        QVERIFY(d.isChanged());

        LabelDocument c(env.values, env.platform, env.fixed);
        description::apply(c, "\\C\"Pale Ale\"");
        QCOMPARE(lastText(c).font.size, 18.0);
        QCOMPARE(lastText(c).top, 2300.0);

        LabelDocument x(env.values, env.platform, env.fixed);
        description::apply(x, "\\X 12\"first\" \\T 12\"top\" \\Y 12\"same\"");
        QCOMPARE(x.texts().at(1).top, 0.0);     // X first: top of the label
        QCOMPARE(x.texts().at(2).top, 1350.0);
        QCOMPARE(x.texts().at(3).top, 1350.0);  // the previous part's height

        LabelDocument lower(env.values, env.platform, env.fixed);
        description::apply(lower, "\\t 12\"a\" \\c 12\"b\" \\b 12\"c\"");
        QCOMPARE(int(lower.texts().size()), 3);
        for (const auto& [i, t] : lower.texts())
            QCOMPARE(t.top, 0.0);
    }

    void wrappingAndAdvance()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        const QString wide = QString(17, 'x') + ' ' + QString(10, 'y') + ' ' + QString(8, 'z'); // 3700 > 3240
        description::apply(d, "\\B 12\"" + wide + "\"");
        const TextItem& w = lastText(d);
        QCOMPARE(w.text, QString(17, 'x') + "\r\n" + QString(10, 'y') + ' ' + QString(8, 'z'));
        QCOMPARE(w.font.size, 12.0); // the size again after the new text took the current format
        QCOMPARE(w.width, 1960.0); // the longer line and the margin
        QCOMPARE(w.height, 460.0); // two lines and the margin
        QCOMPARE(w.left, (4320.0 - 1960) / 2);
        QCOMPARE(w.top, 4050.0);

        LabelDocument n(env.values, env.platform, env.fixed);
        const QString noBlank = "aaaaa " + QString(30, 'b');
        description::apply(n, "\\T 12\"" + noBlank + "\"");
        QCOMPARE(lastText(n).text, noBlank);
        QCOMPARE(lastText(n).left, (4320.0 - 3660) / 2);

        // Same letter again: below the item before it, by its height and 100.
        LabelDocument t(env.values, env.platform, env.fixed);
        description::apply(t, "\\T 12\"one\" \\T 12\"two\" \\C 12\"mid\" \\T 12\"three\"");
        QCOMPARE(t.texts().at(1).top, 1350.0);
        QCOMPARE(t.texts().at(1).height, 260.0);
        QCOMPARE(t.texts().at(2).top, 1350.0 + 260 + 100);
        QCOMPARE(t.texts().at(3).top, 2300.0);
        QCOMPARE(t.texts().at(4).top, 1350.0 + 2 * (260 + 100));

        // Never below the bottom: on a label 1 in high the next bottom item
        // ends on the edge, and one more stays there.
        LabelDocument s(env.values, env.platform, env.fixed);
        s.setLabelDimensions(2, 1.0, 3.0);
        s.resizeLabel();
        description::apply(s, "\\B 12\"a\" \\B 12\"b\" \\B 12\"c\"");
        QCOMPARE(s.texts().at(1).top, 1080.0);
        QCOMPARE(s.texts().at(2).top, 1440.0 - 260);
        QCOMPARE(s.texts().at(3).top, 1440.0 - 260);

        // An unclosed part ends the run and keeps what was made.
        LabelDocument u(env.values, env.platform, env.fixed);
        QCOMPARE(description::apply(u, "\\T 12\"kept\" \\C 12\"lost"), 1);
        QCOMPARE(lastText(u).text, QString("kept"));
        QVERIFY(env.platform.shown.isEmpty());
    }

    void refusedWholeWhenItCannotBeMadeWhole()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        // 32,767 characters are kept; the single wrap would make this one 32,768.
        const QString atLimit = QString(16383, 'x') + ' ' + QString(16383, 'y');
        const QString noBlank = QString(32767, 'x');
        QCOMPARE(description::refusal(description::parse("\\T 12\"" + noBlank + "\""), 10), QString());
        QCOMPARE(description::apply(d, "\\T 12\"kept\" \\C 12\"" + atLimit + "\""), 0);
        QCOMPARE(env.platform.texts(),
                 QStringList{"The label description was not used. A text on a label can be at most 32,767 characters "
                             "long (a line break counts as two), and this one has 32768."});
        QVERIFY(d.texts().empty());
        QCOMPARE(description::refusal(description::parse("\\T\"a\" \\C\"b\" \\B\"c\""), 2),
                 QString("The label description was not used. It has 3 texts, and this label can take only 2 more."));
    }

    void options()
    {
        CommandLine c = CommandLine::parse({"--new-instance", "/x/a.ckm"});
        QCOMPARE(c.mode, CommandLine::Gui);
        QVERIFY(c.newInstance);
        QCOMPARE(c.handOff, QString("/x/a.ckm"));
        c = CommandLine::parse({"\\T 24\"Pale", "Ale\""});
        QVERIFY(!c.newInstance);
        QCOMPARE(c.handOff, QString("\\T 24\"Pale Ale\""));
        QVERIFY(CommandLine::usage().contains("corkcrafter '\\T 24\"Pale Ale\" \\C 14\"Brewed in May\" \\B 10\"Home Brew\"'"));
        // The example in the help works as written.
        const QString example = "\\T 24\"Pale Ale\" \\C 14\"Brewed in May\" \\B 10\"Home Brew\"";
        const auto parts = description::parse(example);
        QCOMPARE(int(parts.size()), 3);
        QCOMPARE(parts[1].size, 14.0f);
        QCOMPARE(parts[2].text, QString("Home Brew"));

        QCOMPARE(SingleInstance::forHandOff("a b.ckm", "/home/u/labels"), QString("/home/u/labels/a b.ckm"));
        QCOMPARE(SingleInstance::forHandOff("../x.ckm", "/home/u/labels"), QString("/home/u/x.ckm"));
        QCOMPARE(SingleInstance::forHandOff("/abs/x.ckm", "/home/u"), QString("/abs/x.ckm"));
        QCOMPARE(SingleInstance::forHandOff("\\T 24\"x\"", "/home/u"), QString("\\T 24\"x\""));
        QCOMPARE(SingleInstance::forHandOff("", "/home/u"), QString());
    }

    void handOverToRunningCopy()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/corkcrafter.socket";
        SingleInstance first(path);
        QCOMPARE(first.start(""), SingleInstance::Outcome::Serving);
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadOther | QFile::WriteOther), QFile::Permissions());

        // A later start in another thread: it blocks until the running copy answers.
        auto later = [&](const QString& text) {
            std::atomic<bool> done{false};
            SingleInstance::Outcome outcome = SingleInstance::Outcome::Alone;
            std::thread t([&] {
                SingleInstance second(path);
                outcome = second.start(text);
                done = true;
            });
            QElapsedTimer waited;
            waited.start();
            while (!done && waited.elapsed() < 20000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
            t.join();
            return outcome;
        };
        QCOMPARE(later("/labels/a.ckm"), SingleInstance::Outcome::HandedOver);
        QCOMPARE(later("\\T 24\"Pale Ale\""), SingleInstance::Outcome::HandedOver);
        // Texts that came before anyone listened are kept, in order.
        QStringList got;
        first.setReceiver([&](const QString& t) { got << t; });
        QCOMPARE(got, (QStringList{"/labels/a.ckm", "\\T 24\"Pale Ale\""}));
        QCOMPARE(later("/labels/b.ckm"), SingleInstance::Outcome::HandedOver);
        QTRY_COMPARE(got.size(), 3);
        QCOMPARE(got.last(), QString("/labels/b.ckm"));
    }

    void staleSocketAndNoRuntimeFolder()
    {
        QTemporaryDir dir;
        const QString path = dir.path() + "/corkcrafter.socket";
        {
            QFile stale(path); // left behind by a copy that crashed
            QVERIFY(stale.open(QIODevice::WriteOnly));
        }
        SingleInstance s(path);
        QCOMPARE(s.start("x"), SingleInstance::Outcome::Serving);
        SingleInstance none{QString()};
        QCOMPARE(none.start("x"), SingleInstance::Outcome::Alone);
        SingleInstance unusable(dir.path() + "/no/such/folder/corkcrafter.socket");
        QCOMPARE(unusable.start("x"), SingleInstance::Outcome::Alone);
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
