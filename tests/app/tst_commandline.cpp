// The command line: label descriptions, the options, and the hand-off to a running copy.
#include <QtTest>
#include <QLocalServer>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include "app/CommandLine.h"
#include "app/LabelDescription.h"
#include "platform/ConsolePlatform.h"
#include "app/SingleInstance.h"
#include "document/LabelDocument.h"
#include "support/LaterStart.h"
#include "support/TestEnv.h"

namespace {
constexpr uid_t Nobody = 65534; // another user, for the tests that run as root

// The parts of a description, each as letter, size and text.
QString partsOf(const QString& description)
{
    QStringList out;
    for (const description::Part& p : description::parse(description))
        out << QString("%1%2 %3").arg(p.letter).arg(p.size).arg(p.text);
    return out.join('|');
}

// What a later start did: handed its command line over or ran alone, with its warning if any;
// "blocked" when it did not end.
const QString HandedOver = "handed over";
QString handOff(const QString& path, const QString& commandLine, bool runEvents = true,
                const std::function<void()>& meanwhile = {})
{
    const auto later = laterStart(path, commandLine, runEvents, meanwhile);
    const QString outcome = !later ? "blocked" : QStringList{HandedOver, "serving", "alone"}[int(later->outcome)];
    return !later || later->warning.isEmpty() ? outcome : outcome + ": " + later->warning;
}

// A running copy serving on a socket in a folder of its own, keeping what it is handed.
struct Running {
    QTemporaryDir dir;
    const QString path = dir.path() + "/corkcrafter.socket";
    SingleInstance copy{path};
    QStringList got;
    explicit Running(bool receiving = true)
    {
        QCOMPARE(copy.start(""), SingleInstance::Outcome::Serving);
        if (receiving)
            receive();
    }
    void receive(std::function<SingleInstance::Readiness()> ready = {})
    {
        copy.setReceiver([this](const QString& t) { got << t; }, std::move(ready));
    }
};
} // namespace

class tst_CommandLine : public QObject {
    Q_OBJECT

    TestEnv env;
    std::unique_ptr<LabelDocument> doc;
    // A label (3.75 in high unless told) after the description: its texts' tops.
    QList<double> tops(const QString& description, double labelHeight = 3.75)
    {
        doc = std::make_unique<LabelDocument>(env.values, env.platform, env.fixed);
        if (labelHeight != 3.75) {
            doc->setLabelDimensions(2, labelHeight, 3.0);
            doc->resizeLabel();
        }
        description::apply(*doc, description);
        QList<double> out;
        for (const auto& [i, t] : doc->texts())
            out << t.top;
        return out;
    }
    // The last text made: its text, size, and box (left, width x height).
    QString lastText() const
    {
        const TextItem& t = doc->texts().rbegin()->second;
        return QString("%1 %2pt at %3 %4x%5").arg(t.text).arg(t.font.size).arg(t.left).arg(t.width).arg(t.height);
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    void sizeFields()
    {
        // Blanks are skipped, a second point ends it, the quote at once is no number.
        const std::pair<const char16_t*, float> numbers[] = {{u" 24\"", 24}, {u"12.5", 12.5}, {u"1 2\"", 12},
                                                             {u"9.5.", 9.5}, {u"\"Pal", 0},    {u".", 0},
                                                             {u"-12\"", 0},  {u"1e3 ", 1},     {u"", 0}};
        for (const auto& [text, value] : numbers)
            QCOMPARE(description::leadingNumber(text), value);
        QCOMPARE(description::sizeText(24) + description::sizeText(12.5f), QString(" 24 12.5"));
        QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
        QCOMPARE(description::sizeText(12.5f), QString(" 12,5"));
        QLocale::setDefault(QLocale::c());
    }

    void parts()
    {
        QCOMPARE(partsOf("\\T24\"Pale Ale\" and then \\C 9.5\"Second\" \\b\"x\""), "T24 Pale Ale|C9.5 Second|b18 x");
        QCOMPARE(partsOf("\\T 7\"x\" \\T 8\"x\""), "T18 x|T8 x"); // below 8: the usual size
        QCOMPARE(partsOf("\\T 12\"one\"\\C 12\"two"), "T12 one"); // an unclosed text ends the description
        for (const char* nothing : {"\\T 12 no quotes", "\\", ""})
            QCOMPARE(partsOf(nothing), QString());
        // A backslash inside a text is text; the next part starts after the quote.
        QCOMPARE(partsOf("\\T 10\"a\\b\"\\B 10\"c\""), "T10 a\\b|B10 c");
    }

    void positionsAndWrap()
    {
        auto at = [](double height) {
            const auto p = description::positionsFor(height);
            return QList<int>{p.top, p.centre, p.bottom};
        };
        QCOMPARE(at(2.51), QList<int>({904, 1407, 2711})); // 903.6, 1407.2, 2710.8
        QCOMPARE(at(2.5 / 1440 * 4)[0], 2);                // 2.5 ties to 2

        // Length 39: the middle 19.5 rounds to 20 (18.5 to 18: descriptionOnTheLabel).
        const QString t39 = QString(19, 'x') + ' ' + QString(19, 'y');
        QCOMPARE(*description::wrapOnce(t39), QString(19, 'x') + "\r\n" + QString(19, 'y'));
        // Blanks only before the middle, none, or only last: no break.
        for (const QString& whole : {"aaaaa " + QString(30, 'b'), QString("W"), QString(), QString("ab ")})
            QVERIFY(!description::wrapOnce(whole));
    }

    void descriptionOnTheLabel()
    {
        QCOMPARE(tops("\\T24\"Pale Ale\""), QList<double>{1350});
        // 8 characters and the box's margin, centred.
        QCOMPARE(lastText(), QString("Pale Ale 24pt at %1 860x260").arg((4320 - 860) / 2));
        QVERIFY(doc->isChanged());
        // X first is the top; Y is at the previous part's height; lower case is at the top.
        QCOMPARE(tops("\\X 12\"first\" \\T 12\"top\" \\Y 12\"same\""), QList<double>({0, 1350, 1350}));
        QCOMPARE(tops("\\t 12\"a\" \\c 12\"b\" \\b 12\"c\""), QList<double>({0, 0, 0}));
        // Same letter again: below the item before it, by its height (260) and 100.
        QCOMPARE(tops("\\T 12\"one\" \\T 12\"two\" \\C 12\"mid\" \\T 12\"three\""),
                 QList<double>({1350, 1350 + 360, 2300, 1350 + 2 * 360}));
        QCOMPARE(lastText(), QString("three 12pt at %1 560x260").arg((4320 - 560) / 2));
        // Never below the bottom: on a label 1 in high the third item stays on the edge.
        QCOMPARE(tops("\\B 12\"a\" \\B 12\"b\" \\B 12\"c\"", 1.0), QList<double>({1080, 1180, 1180}));

        // 3700 twips > 3240: wrapped once, at the blank nearest the middle (18.5 rounds to 18).
        const QString wide = QString(17, 'x') + ' ' + QString(10, 'y') + ' ' + QString(8, 'z');
        QCOMPARE(tops("\\B 12\"" + wide + "\""), QList<double>{4050});
        // The size again after the new text took the current format; the longer line, two lines.
        QCOMPARE(lastText(), QString(17, 'x') + "\r\n" + QString(10, 'y') + ' ' + QString(8, 'z') +
                                 QString(" 12pt at %1 1960x460").arg((4320 - 1960) / 2));

        // An unclosed part ends the run and keeps what was made.
        doc = std::make_unique<LabelDocument>(env.values, env.platform, env.fixed);
        QCOMPARE(description::apply(*doc, "\\T 12\"kept\" \\C 12\"lost"), 1);
        QCOMPARE(lastText().section(' ', 0, 0), QString("kept"));
        QVERIFY(env.platform.shown.isEmpty());
    }

    void refusedWholeWhenItCannotBeMadeWhole()
    {
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

    // Batch mode answers every question itself and never saves or overwrites unasked.
    void batchAnswersNeverSave()
    {
        ConsolePlatform console;
        QCOMPARE(console.messageBox("q", MsgButtons::OK, MsgIcon::None, {}), MsgAnswer::OK);
        QCOMPARE(console.messageBox("q", MsgButtons::YesNo, MsgIcon::None, {}), MsgAnswer::No);
        QCOMPARE(console.messageBox("q", MsgButtons::YesNoCancel, MsgIcon::None, {}), MsgAnswer::Cancel);
        QCOMPARE(console.messageBox("q", MsgButtons::SaveAnywayCancel, MsgIcon::None, {}), MsgAnswer::Cancel);
    }

    void options()
    {
        CommandLine c = CommandLine::parse({"--new-instance", "/x/a.ckm"});
        QCOMPARE(std::tuple(c.mode, c.newInstance, c.handOff), std::tuple(CommandLine::Gui, true, QString("/x/a.ckm")));
        c = CommandLine::parse({"\\T 24\"Pale", "Ale\""});
        QCOMPARE(std::pair(c.newInstance, c.handOff), std::pair(false, QString("\\T 24\"Pale Ale\"")));
        // The example in the help works as written.
        const QString example = "\\T 24\"Pale Ale\" \\C 14\"Brewed in May\" \\B 10\"Home Brew\"";
        QVERIFY(CommandLine::usage().contains("corkcrafter '" + example + "'"));
        QCOMPARE(partsOf(example), "T24 Pale Ale|C14 Brewed in May|B10 Home Brew");

        // Batch options that are wrong: the job is never started.
        const QList<QPair<QStringList, QString>> bad = {
            {{"--start"}, "--start needs a value"},
            {{"--copies", "10000"}, "--copies takes a whole number from 1 to 9999, not \"10000\""},
            {{"--paper", "Foolscap"},
             "--paper takes one of A3, A4, A5, A6, B5, Letter, Legal, Executive, Tabloid, not \"Foolscap\""},
            {{"--stock"}, "--stock needs a value"},
            {{"--stock", "Avery L7165", "--paper", "A4"},
             "--stock and --paper do not go together: a label sheet has its own paper"},
            {{"--data"}, "--data needs a value"},
            {{"--number-from", "-1"}, "--number-from takes a whole number from 0 to 999999999, not \"-1\""},
            {{"--date", "2024-02-30"}, "--date takes a date written YYYY-MM-DD, not \"2024-02-30\""},
            {{"--data", "d.csv", "--copies", "2"},
             "--copies cannot be used with --data: the data's rows (and their copies column) say how many labels print"},
        };
        for (const auto& [args, why] : bad) {
            c = CommandLine::parse(QStringList{"--print-pdf", "x.pdf", "a.ckm"} + args);
            QCOMPARE(c.mode, CommandLine::Error);
            QCOMPARE(c.error, why);
        }
        // A print of a thousand sheets and more is one run.
        c = CommandLine::parse({"--print-pdf", "x.pdf", "--copies", "9999", "a.ckm"});
        QCOMPARE(std::pair(c.mode, c.copies), std::pair(CommandLine::PrintPdf, 9999));

        c = CommandLine::parse({"--print-pdf", "x.pdf", "--stock", " Avery   L7165 ", "a.ckm"});
        QCOMPARE(std::pair(c.mode, c.stock), std::pair(CommandLine::PrintPdf, QString("Avery L7165")));
        c = CommandLine::parse({"--list-stock", "wine", " bottle"});
        QCOMPARE(std::pair(c.mode, c.stockText), std::pair(CommandLine::ListStock, QString("wine bottle")));
        QCOMPARE(CommandLine::parse({"--list-stock"}).mode, CommandLine::ListStock);
        c = CommandLine::parse({"--list-stock", "--copies"});
        QCOMPARE(std::pair(c.mode, c.error),
                 std::pair(CommandLine::Error, QString("--list-stock takes only the words to look for, not --copies")));
        c = CommandLine::parse({"--print-pdf", "x.pdf", "--data", "d.csv", "--number-from", "0", "--date",
                                "2024-05-17", "a.ckm"});
        QCOMPARE(c.mode, CommandLine::PrintPdf);
        QCOMPARE(QStringList({c.dataFile, QString::number(c.numberFrom), c.date}),
                 QStringList({"d.csv", "0", "2024-05-17"}));

        QCOMPARE(SingleInstance::forHandOff("a b.ckm", "/home/u/labels"), QString("/home/u/labels/a b.ckm"));
        QCOMPARE(SingleInstance::forHandOff("../x.ckm", "/home/u/labels"), QString("/home/u/x.ckm"));
        QCOMPARE(SingleInstance::forHandOff("/abs/x.ckm", "/home/u"), QString("/abs/x.ckm"));
        QCOMPARE(SingleInstance::forHandOff("\\T 24\"x\"", "/home/u"), QString("\\T 24\"x\""));
        QCOMPARE(SingleInstance::forHandOff("", "/home/u"), QString());
    }

    void handOverToRunningCopyAlsoWhenCrowded()
    {
        Running first(false);
        const QString& path = first.path;
        const QStringList& got = first.got;
        QVERIFY(QFileInfo::exists(path));
        QCOMPARE(QFileInfo(path).permissions() & (QFile::ReadOther | QFile::WriteOther), QFile::Permissions());

        // Until the window is there to take it, a later start waits.
        QCOMPARE(handOff(path, "/labels/a.ckm", true, [&] { first.receive(); }), HandedOver);
        QCOMPARE(handOff(path, "\\T 24\"Pale Ale\""), HandedOver);
        QCOMPARE(got, (QStringList{"/labels/a.ckm", "\\T 24\"Pale Ale\""}));

        // The longest command line that is handed over, and one too long.
        const QString longest(SingleInstance::MaxChars, QChar(0x00e9));
        QCOMPARE(handOff(path, longest), HandedOver);
        QCOMPARE(got.last(), longest);
        QCOMPARE(handOff(path, longest + "x"),
                 QString("alone: the command line is too long to hand to the running copy; this copy runs on its own"));
        QCOMPARE(got.size(), 3);

        // More idle connections than files the process may open: hand-offs still work.
        rlimit was{};
        QCOMPARE(::getrlimit(RLIMIT_NOFILE, &was), 0);
        if (was.rlim_max < 1536)
            QSKIP("needs 1536 open files for the connections and both of their ends");
        const rlimit low{1536, was.rlim_max};
        QCOMPARE(::setrlimit(RLIMIT_NOFILE, &low), 0);
        std::vector<int> idle;
        for (int i = 0; i < 1100; ++i)
            if (const int fd = rawConnection(path); fd >= 0)
                idle.push_back(fd);
        const QString crowded = handOff(path, "/labels/crowd.ckm");
        ::setrlimit(RLIMIT_NOFILE, &was);
        QCOMPARE(crowded, HandedOver);
        QCOMPARE(got.mid(3), QStringList{"/labels/crowd.ckm"});
        QVERIFY(idle.size() > 1000);
        // The last ones, still there, are closed after a while.
        QTRY_VERIFY_WITH_TIMEOUT(closedByPeer(idle.back()), 15000);
        for (int fd : idle)
            ::close(fd);

        // A message that says it is 200 MB long is refused before it is read.
        const int big = rawConnection(path);
        QVERIFY(big >= 0);
        QByteArray head(4, 0);
        qToBigEndian<quint32>(200u << 20, head.data());
        QCOMPARE(::send(big, head.constData(), 4, MSG_NOSIGNAL), ssize_t(4));
        const QByteArray chunk(64 << 10, 'x');
        QTRY_VERIFY_WITH_TIMEOUT(::send(big, chunk.constData(), chunk.size(), MSG_NOSIGNAL | MSG_DONTWAIT) < 0 &&
                                     (errno == EPIPE || errno == ECONNRESET),
                                 15000);
        ::close(big);
        QCOMPARE(handOff(path, "/labels/after.ckm"), HandedOver);
        QCOMPARE(got.last(), QString("/labels/after.ckm"));
    }

    // Busy or stopped past the answer time: the later start runs alone, the text is dropped.
    void runningCopyThatDoesNotAnswer_data()
    {
        QTest::addColumn<bool>("stopped");
        QTest::newRow("stopped") << true;
        QTest::newRow("dialog open") << false;
    }
    void runningCopyThatDoesNotAnswer()
    {
        QFETCH(bool, stopped);
        Running first(false);
        const QString& path = first.path;
        const QStringList& got = first.got;
        bool busy = !stopped;
        first.receive([&] { return busy ? SingleInstance::Readiness::Busy : SingleInstance::Readiness::Ready; });
        QCOMPARE(handOff(path, "/labels/late.ckm", !stopped),
                 QString("alone: the running copy did not answer in time; this copy runs on its own"));
        busy = false;
        QTest::qWait(500); // resumed, or the dialog closed
        QCOMPARE(got, QStringList());
        QCOMPARE(handOff(path, "/labels/next.ckm"), HandedOver);
        QCOMPARE(got, QStringList{"/labels/next.ckm"});

        // A copy that is closing refuses at once, and says nothing else.
        first.receive([] { return SingleInstance::Readiness::Refusing; });
        QCOMPARE(handOff(path, "/labels/closing.ckm"), QString("alone"));
        QCOMPARE(got.size(), 1);
    }

    // Lock and socket paths not this user's: neither followed nor waited on (a socket
    // of another user: runningCopyOfAnotherUser).
    void lockAndSocketThatAreNotOurs_data()
    {
        QTest::addColumn<QString>("what");
        QTest::addColumn<QString>("warning");
        const QString lock = "%1.lock is not a plain file of this user; this copy runs on its own";
        const QString socket = "%1 is not a socket of this user; this copy runs on its own";
        QTest::newRow("lock is a FIFO") << "lock fifo" << lock;
        QTest::newRow("lock links to /dev/zero") << "lock link" << lock;
        QTest::newRow("lock of another user") << "lock owner" << lock;
        QTest::newRow("lock held for ever")
            << "lock held" << "another start has held %1.lock too long; this copy runs on its own";
        QTest::newRow("socket is a FIFO") << "socket fifo" << socket;
        QTest::newRow("socket links to a running copy") << "socket link" << socket;
    }
    void lockAndSocketThatAreNotOurs()
    {
        QFETCH(QString, what);
        QFETCH(QString, warning);
        if (what == "lock owner" && ::geteuid() != 0)
            QSKIP("needs root to give a file to another user");
        QTemporaryDir dir;
        const QString path = dir.path() + "/corkcrafter.socket";
        const QString target = what.startsWith("lock") ? path + ".lock" : path;
        const QByteArray t = QFile::encodeName(target);
        Running running;
        int held = -1;
        if (what.endsWith("fifo"))
            QCOMPARE(::mkfifo(t.constData(), 0600), 0);
        else if (what == "lock link")
            QCOMPARE(::symlink("/dev/zero", t.constData()), 0);
        else if (what == "socket link")
            QCOMPARE(::symlink(QFile::encodeName(running.copy.socketPath()).constData(), t.constData()), 0);
        else if (what == "lock held")
            QVERIFY((held = ::open(t.constData(), O_RDWR | O_CREAT, 0600)) >= 0 && ::flock(held, LOCK_EX) == 0);
        else if (what == "lock owner")
            QVERIFY(QFile(target).open(QIODevice::WriteOnly) && ::chown(t.constData(), Nobody, Nobody) == 0);
        const QString later = handOff(path, "/labels/a.ckm");
        if (held >= 0)
            ::close(held);
        QCOMPARE(later, "alone: " + warning.arg(path));
        QCOMPARE(running.got, QStringList());
    }

    void staleSocketAndRuntimeFolders()
    {
        QTemporaryDir root;
        const QString path = root.path() + "/corkcrafter.socket";
        QVERIFY(QFile(path).open(QIODevice::WriteOnly)); // left behind by a copy that crashed
        SingleInstance s(path);
        QCOMPARE(s.start("x"), SingleInstance::Outcome::Serving);
        SingleInstance none{QString()};
        QCOMPARE(none.start("x"), SingleInstance::Outcome::Alone);
        SingleInstance unusable(root.path() + "/no/such/folder/corkcrafter.socket");
        QCOMPARE(unusable.start("x"), SingleInstance::Outcome::Alone);
        QCOMPARE(unusable.warning(), QString());

        const QString tmp = root.path() + "/tmp", xdg = root.path() + "/xdg";
        QVERIFY(QDir().mkpath(tmp) && QDir().mkpath(xdg));
        const QByteArray oldTmp = qgetenv("TMPDIR"), oldXdg = qgetenv("XDG_RUNTIME_DIR");
        const auto restore = qScopeGuard([&] {
            oldTmp.isNull() ? qunsetenv("TMPDIR") : qputenv("TMPDIR", oldTmp);
            oldXdg.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", oldXdg);
        });
        qputenv("TMPDIR", QFile::encodeName(tmp));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(xdg));
        const QString own = tmp + "/corkcrafter-" + QString::number(::geteuid());
        const QByteArray x = QFile::encodeName(xdg);
        for (mode_t mode : {0700, 0755, 0750})
            QVERIFY(::chmod(x, mode) == 0 && SingleInstance::standardSocketPath() == xdg + "/corkcrafter.socket");
        QVERIFY(!QFileInfo::exists(own));
        // Others may write in it: they could listen there first.
        for (mode_t mode : {0777, 01777, 0770}) {
            QVERIFY(::chmod(x, mode) == 0);
            QCOMPARE(SingleInstance::standardSocketPath(), own + "/corkcrafter.socket");
            QVERIFY(SingleInstance::isPrivateFolder(own));
            QCOMPARE(QFileInfo(own).permissions() & 0x0077, QFile::Permissions());
        }
        qunsetenv("XDG_RUNTIME_DIR");
        QCOMPARE(SingleInstance::standardSocketPath(), own + "/corkcrafter.socket");
        QVERIFY(QDir(own).removeRecursively());
        // A link to a private folder is not the folder.
        QVERIFY(::chmod(x, 0700) == 0 && QFile::link(xdg, root.path() + "/link"));
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(root.path() + "/link"));
        QCOMPARE(SingleInstance::standardSocketPath(), own + "/corkcrafter.socket");

        if (::geteuid() != 0)
            QSKIP("needs root to give folders to another user");
        QVERIFY(QDir(own).removeRecursively());
        qputenv("XDG_RUNTIME_DIR", x);
        QCOMPARE(::chown(x, Nobody, Nobody), 0);
        QCOMPARE(SingleInstance::standardSocketPath(), own + "/corkcrafter.socket");
        // Someone else made our own folder first: no hand-off at all.
        QCOMPARE(::chown(QFile::encodeName(own).constData(), Nobody, Nobody), 0);
        QCOMPARE(SingleInstance::standardSocketPath(), QString());
        QVERIFY(QDir().rmdir(own) && QFile::link(xdg, own));
        QCOMPARE(SingleInstance::standardSocketPath(), QString());
    }

    // Another user's listener gets nothing, also when its file was made to look ours.
    void runningCopyOfAnotherUser()
    {
        if (::geteuid() != 0)
            QSKIP("needs root to play a second user (chown, setuid)");
        QTemporaryDir dir;
        const QString path = dir.path() + "/corkcrafter.socket";
        const QByteArray p = QFile::encodeName(path), d = QFile::encodeName(dir.path());
        {
            Running running;
            const QByteArray r = QFile::encodeName(running.path);
            QCOMPARE(::chown(r.constData(), Nobody, Nobody), 0);
            QCOMPARE(handOff(running.path, "/labels/a.ckm"),
                     "alone: " + running.path + " is not a socket of this user; this copy runs on its own");
            QCOMPARE(::chown(r.constData(), 0, 0), 0);
            QCOMPARE(handOff(running.path, "/labels/b.ckm"), HandedOver);
            QCOMPARE(running.got, QStringList{"/labels/b.ckm"});
        }

        // Another user listens (this process, acting as that user while it starts to listen);
        // its socket file is then given to us.
        QCOMPARE(::chown(d.constData(), Nobody, Nobody), 0);
        const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK, 0);
        sockaddr_un addr{};
        addr.sun_family = AF_UNIX;
        std::memcpy(addr.sun_path, p.constData(), size_t(p.size()));
        QVERIFY(::setegid(Nobody) == 0 && ::seteuid(Nobody) == 0);
        const bool listening = ::bind(listener, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0 &&
                               ::listen(listener, 4) == 0;
        QVERIFY(::seteuid(0) == 0 && ::setegid(0) == 0);
        QVERIFY(listening);
        QVERIFY(::chown(d.constData(), 0, 0) == 0 && ::chmod(d.constData(), 0700) == 0);
        QCOMPARE(::chown(p.constData(), 0, 0), 0);
        const QString later = handOff(path, "/labels/c.ckm");
        // What reached the listener, if the later start connected at all.
        const int c = ::accept4(listener, nullptr, nullptr, SOCK_NONBLOCK);
        char buf[256];
        const ssize_t received = c >= 0 ? ::read(c, buf, sizeof buf) : 0;
        for (int fd : {c, listener})
            ::close(fd);
        QCOMPARE(later, "alone: the copy listening on " + path + " belongs to another user; this copy runs on its own");
        QCOMPARE(received, ssize_t(0));
    }
};

QTEST_GUILESS_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
