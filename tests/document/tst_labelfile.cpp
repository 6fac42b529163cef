// Label files byte for byte, and every way a bad file can end.
#include <QtTest>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include "document/CkmFormat.h"
#include "document/LabelDocument.h"
#include "support/DocumentFixture.h"

using namespace CKM_Header;

namespace {
QByteArray hex(const char* h) { return QByteArray::fromHex(h); }
// Runs fn in a child process whose files cannot grow past `limit` bytes (as on
// a full disk); returns what fn wrote to its pipe.
template <class F> QByteArray withFileSizeLimit(rlim_t limit, F fn)
{
    int fds[2];
    if (pipe(fds) != 0)
        return "pipe failed";
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        ::close(fds[0]);
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit rl{limit, limit};
        setrlimit(RLIMIT_FSIZE, &rl);
        const QByteArray out = fn();
        [[maybe_unused]] auto n = ::write(fds[1], out.constData(), size_t(out.size()));
        ::_exit(0);
    }
    ::close(fds[1]);
    QByteArray got;
    char buf[4096];
    for (ssize_t n; (n = ::read(fds[0], buf, sizeof buf)) > 0;)
        got.append(buf, n);
    ::close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? got : "child died";
}
QStringList filesIn(const QString& dir) { return QDir(dir).entryList(QDir::Files | QDir::Hidden); }
} // namespace

class tst_LabelFile : public QObject {
    Q_OBJECT
private slots:
    // The records byte for byte; fields cut to their width, characters the code page lacks named.
    void recordsByteForByteAndFieldsCut()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.SaveLabelToFile(env.path("Empty.ckm")));
        const QByteArray expected = QByteArray("L") + hex("2700") + "10" + "\r" + "Corkcrafter File" + "\x1a" +
                                    hex("e010") + hex("1815") + hex("0000") + hex("ffff") + hex("0c00") + hex("0400") +
                                    hex("00000000") + hex("ffffff00") + hex("0100") + hex("00000000") +
                                    hex("00000000") + hex("05000080") + hex("00000000") + hex("00000000") +
                                    QByteArray(12, ' ') + hex("0000") + hex("0000");
        QCOMPARE(fileBytes(env.path("Empty.ckm")).toHex(), expected.toHex());
        QCOMPARE(d.saveTitle, QString("Empty.ckm"));

        env.values.fontSize = "12";
        env.values.bold = true;
        QVERIFY(d.createNewText("Pale Ale", 0));
        d.setTextPosition(1000, 2000);
        QVERIFY(d.SaveLabelToFile(env.path("Ale.ckm")));
        // The same header, now counting one text, and the text's record.
        const QByteArray text = QByteArray("T") + hex("4000") + hex("0800") + hex("e803") + hex("d007") +
                                hex("00000000") + hex("ffffff00") + hex("0000") + hex("0200") +
                                QByteArray("Arial").append(QByteArray(27, ' ')) + hex("0c00") + hex("ffff") +
                                hex("0000") + hex("0000") + hex("0000") + QByteArray(5, ' ') + "Pale Ale";
        QCOMPARE(fileBytes(env.path("Ale.ckm")).toHex(), (expected.left(79) + hex("0100") + text).toHex());

        // A path too long for its field is cut, not let into the next record (font fields: roundTrip).
        const GraphicRecord g{.path = QByteArray(129, 'p')};
        QCOMPARE(encode(g).size(), 150);
        QCOMPARE(decodeGraphic(encode(g).constData()).path, QByteArray(128, 'p'));
        // Windows-1252: the five places it leaves empty read as themselves.
        QCOMPARE(fromCodePage(QByteArray("\x80\xe9\x81")), QString::fromUtf8("\u20ac\u00e9\u0081"));
        // What a save would lose, each once (a beer mug is one '?'); the code page's own characters are kept.
        const QString lossy = QString::fromUtf8("Ležák Dvanáctka ň Łódź \u201eźródło\u201c ň \U0001F37A 5 \u20ac");
        QCOMPARE(charactersNotKept(lossy), QStringList({"ň", "Ł", "ź", "ł", QString::fromUtf8("\U0001F37A")}));
        QCOMPARE(toCodePage(lossy), QByteArray("Le\x9e\xe1k Dvan\xe1" "ctka ? ?\xf3"
                                               "d? \x84?r\xf3" "d?o\x93 ? ? 5 \x80"));
        QVERIFY(charactersNotKept(QString::fromUtf8("Caf\u00e9 \u2013 \u2018Pale\u2019 Ale\r\n\u0160")).isEmpty());
        QVERIFY(d.createNewText(QString::fromUtf8("Piwo \u017cywe \u0142"), 0));
        QVERIFY(d.createNewText(QString::fromUtf8("\u017ar\u00f3d\u0142o"), 0));
        QCOMPARE(d.textCharactersNotKept(), QStringList({"ż", "ł", "ź"}));
        // A font stored with its foundry opens as its family (and is saved back so).
        QVERIFY(d.createNewText("Ale", 0));
        d.activeText()->font.name = "C059 [urw]";
        QVERIFY(d.SaveLabelToFile(env.path("urw.ckm")));
        LabelDocument e(env.values, env.platform, env.fixed);
        e.LoadFile(env.path("urw.ckm"));
        QCOMPARE(e.textAt(4)->font.name, QString("C059"));
    }

    void roundTripsAreByteIdentical()
    {
        TestEnv env;
        QVERIFY(solid(Qt::red).save(env.values.graphicsFolder + "/rose.bmp"));
        QVERIFY(solid(Qt::blue).save(env.ctx.paths.workBase + "/Labels/hops.png"));
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setLabelDimensions(1, 4, 5);
        d.resizeLabel();
        d.setTopMargin(0.25);
        d.setColumnSpace(0.125);
        d.border().color = 0x123456;
        d.setBorderStyle("Oval");
        d.setBackColor(0x00FFEE);
        QVERIFY(d.createNewGraphic(env.values.graphicsFolder + "/rose.bmp"));
        d.setGraphicAspectFlag(true);
        QVERIFY(d.createNewGraphic(env.ctx.paths.workBase + "/Labels/hops.png"));
        d.activeGraphic()->left = 100.4;
        env.values.italic = true;
        env.values.fontSize = "10.5"; // stored as 11
        QVERIFY(d.createNewText(QString::fromUtf8("Ch\u00e2teau \u20ac"), 0));
        d.activeText()->font.name = QString(33, 'F'); // cut to the field's 32
        QVERIFY(d.createNewText("2026\r\nReserve", 0));
        d.setTextAlignment(1);
        d.setTextText("2026\r\nReserve", -90); // turned clockwise, kept as typed
        const QString first = env.ctx.paths.workBase + "/Labels/Wine.ckm";
        QVERIFY(d.SaveLabelToFile(first));
        const QByteArray a = fileBytes(first);
        // Relative picture paths.
        QCOMPARE(a.mid(81 + 3, 21), QByteArray("..\\Graphics\\rose.bmp "));
        QCOMPARE(a.mid(81 + 150 + 3, 13), QByteArray(".\\hops.png   "));

        // Loading never rewraps ("2026\r\nReserve" would join) and leaves the setting alone.
        env.values.dialogAutofit = true;
        LabelDocument e(env.values, env.platform, env.fixed);
        e.LoadFile(first);
        QVERIFY(env.platform.shown.isEmpty() && env.values.dialogAutofit);
        // The same bytes again imply every field; only what the first save changed is checked.
        QCOMPARE(e.textAt(1)->font.size, 11.0);
        QCOMPARE(e.textAt(1)->font.name, QString(32, 'F'));
        QCOMPARE(std::pair(e.textAt(1)->rotation, e.textAt(2)->rotation), std::pair(int16_t(0), int16_t(-90)));
        QVERIFY(!e.isChanged() && !e.getIsBlankForm());
        QVERIFY(e.SaveLabelToFile(first));
        QCOMPARE(fileBytes(first).toHex(), a.toHex());

        // Saved elsewhere, a picture below the new folder is stored relative to it and found again.
        const QString second = env.path("again.ckm");
        QVERIFY(e.SaveLabelToFile(second));
        QVERIFY(fileBytes(second).contains(".\\Corkcrafter\\Labels\\hops.png"));
        LabelDocument f(env.values, env.platform, env.fixed);
        f.LoadFile(second);
        QVERIFY(f.SaveLabelToFile(first));
        QCOMPARE(fileBytes(first).toHex(), a.toHex());

        // Labels written before load without a word and save byte for byte.
        const QDir samples(CORK_SAMPLES);
        for (const QString& name : samples.entryList(QDir::Files))
            QVERIFY(QFile::copy(samples.filePath(name), env.path(name)));
        const QStringList labels = samples.entryList({"*.ckm"}, QDir::Files);
        QVERIFY(labels.size() >= 2);
        for (const QString& name : labels) {
            LabelDocument sample(env.values, env.platform, env.fixed);
            sample.LoadFile(env.path(name));
            QVERIFY2(env.platform.shown.isEmpty() && sample.graphics().size() == 1, qPrintable(name));
            QVERIFY(sample.SaveLabelToFile(env.path(name)));
            QCOMPARE(fileBytes(env.path(name)).toHex(), fileBytes(samples.filePath(name)).toHex());
        }
    }

    void picturesAreFoundByThreeTries()
    {
        TestEnv env;
        QVERIFY(solid(Qt::red).save(env.values.graphicsFolder + "/rose.bmp"));
        const QString labels = env.path("elsewhere");
        QDir().mkpath(labels);
        QVERIFY(solid(Qt::green).save(labels + "/leaf.bmp"));
        QByteArray file = encode(HeaderRecord{.labelWidth = 4320, .labelHeight = 5400, .graphicCount = 3});
        for (const char* p : {"..\\Graphics\\rose.bmp", ".\\leaf.bmp", "C:\\gone\\nothing.bmp"})
            file += encode(GraphicRecord{.path = p, .width = 100, .height = 100});
        QVERIFY(writeFile(labels + "/x.ckm", file));
        LabelDocument d(env.values, env.platform, env.fixed);
        d.LoadFile(labels + "/x.ckm");
        QCOMPARE(int(d.graphics().size()), 2);
        QCOMPARE(d.graphics().at(1).path(), env.values.graphicsFolder + "/rose.bmp");
        QCOMPARE(d.graphics().at(2).path(), labels + "/leaf.bmp");
        QCOMPARE(env.platform.texts(), QStringList{"Unable to Load Graphic: C:\\gone\\nothing.bmp"});
        QCOMPARE(d.content().rankOf(2), 1);
    }

    void picturesAreStoredSoTheyAreFoundAgain()
    {
        TestEnv env;
        auto picture = [&](const QString& path, QColor c) {
            QDir().mkpath(QFileInfo(path).absolutePath());
            return solid(c).save(path, "BMP");
        };
        auto storedPaths = [](const QString& label) {
            QStringList paths;
            for (const GraphicRecord& g : parse(fileBytes(label)).graphics)
                paths << fromCodePage(g.path).trimmed();
            return paths;
        };
        auto reloaded = [&](const QString& label) {
            env.platform.shown.clear();
            auto e = std::make_unique<LabelDocument>(env.values, env.platform, env.fixed);
            e->LoadFile(label);
            QList<QRgb> colours;
            for (const auto& [i, g] : e->graphics())
                colours << g.picture.pixel(0, 0);
            return colours;
        };
        const QString deep = env.path(QString("d").repeated(70) + "/" + QString("e").repeated(70));
        const QString far = env.path(QString("f").repeated(70) + "/" + QString("g").repeated(70));
        // Beside a label whose folder is long: "..\pics\hop.bmp", not the whole path.
        QVERIFY(picture(deep + "/pics/hop.bmp", Qt::green));
        // Below the graphics folder, for a label elsewhere: found from the label's folder.
        QVERIFY(picture(env.values.graphicsFolder + "/sub/rose.bmp", Qt::red));
        // No path that fits the field: its pixels go to the graphics folder.
        QVERIFY(picture(far + "/away.bmp", Qt::blue));
        env.platform.clipboard = solid(Qt::yellow);
        // Pixels go to numbered bitmaps after the label's name, past those taken.
        QVERIFY(writeFile(env.values.graphicsFolder + "/Ale 0000.bmp", "taken"));

        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewGraphic(deep + "/pics/hop.bmp"));
        QVERIFY(d.createNewGraphic(env.values.graphicsFolder + "/sub/rose.bmp"));
        QVERIFY(d.createNewGraphic(far + "/away.bmp"));
        // Pasted with the path of a file that has gone: its pixels too.
        QVERIFY(d.createNewGraphic("?1/gone/paste.bmp"));
        const QString label = deep + "/labels/Ale.ckm";
        QVERIFY(QDir().mkpath(deep + "/labels"));
        QString why;
        QVERIFY2(d.SaveLabelToFile(label, &why), qPrintable(why));
        QCOMPARE(storedPaths(label),
                 QStringList({"..\\pics\\hop.bmp",
                              QDir(deep + "/labels").relativeFilePath(env.values.graphicsFolder).replace('/', '\\') +
                                  "\\sub\\rose.bmp",
                              "..\\Graphics\\Ale 0001.bmp", "..\\Graphics\\Ale 0002.bmp"}));
        QCOMPARE(filesIn(env.values.graphicsFolder), QStringList({"Ale 0000.bmp", "Ale 0001.bmp", "Ale 0002.bmp"}));
        // The items now name their bitmaps (so a second save writes none); editing one reloads it.
        QCOMPARE(d.graphics().at(3).refPath(), env.values.graphicsFolder + "/Ale 0001.bmp");
        const QList<QRgb> colours{qRgb(0, 255, 0), qRgb(255, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 0)};
        QCOMPARE(reloaded(label), colours);
        QVERIFY(env.platform.shown.isEmpty());
        // Saved again: the same bytes, no new bitmap.
        const QByteArray bytes = fileBytes(label);
        QVERIFY(d.SaveLabelToFile(label));
        QCOMPARE(fileBytes(label), bytes);
        QCOMPARE(filesIn(env.values.graphicsFolder).size(), 3);

        // A label name the field or the code page cannot hold names its bitmap plainly.
        LabelDocument p(env.values, env.platform, env.fixed);
        QVERIFY(p.createNewGraphic("?1"));
        const QString russian = QString::fromUtf8("\u041f\u0438\u0432\u043e ") + QString(130, 'x');
        QVERIFY(p.SaveLabelToFile(env.path(russian + ".ckm"), &why));
        const QString plain = "____ " + QString(114, 'x') + " 0000.bmp";
        QCOMPARE(storedPaths(env.path(russian + ".ckm")), QStringList{plain});
        QCOMPARE(p.graphics().at(1).path(), env.values.graphicsFolder + "/" + plain);
        QCOMPARE(reloaded(env.path(russian + ".ckm")), QList<QRgb>{qRgb(255, 255, 0)});
        QCOMPARE(p.graphics().at(1).refTag, QString("0")); // a pasted picture is never reloaded

        // Nowhere to write the pixels: nothing is saved, and the reason is given.
        env.values.graphicsFolder = env.path("no/such/folder");
        QVERIFY(writeFile(env.path("far.ckm"), "previous label"));
        LabelDocument f(env.values, env.platform, env.fixed);
        QVERIFY(f.createNewGraphic(far + "/away.bmp"));
        QVERIFY(!f.SaveLabelToFile(env.path("far.ckm"), &why));
        QVERIFY2(why.startsWith("the picture \"" + far + "/away.bmp\" could not be written to the graphics folder"),
                 qPrintable(why));
        QCOMPARE(fileBytes(env.path("far.ckm")), QByteArray("previous label"));
        QCOMPARE(f.graphics().at(1).path(), far + "/away.bmp");
        QVERIFY(f.isChanged());
    }

    // Texts are kept whole or refused; a full disk loses nothing.
    void nothingIsSavedCut()
    {
        TestEnv env;
        // The longest text a record holds, line breaks and the euro sign counted as stored.
        const QString longest = QString::fromUtf8("\u20ac\r\n") + QString(32764, 'a');
        QCOMPARE(storedLength(longest), qsizetype(32767));
        QCOMPARE(storedLength(QString::fromUtf8("\U0001F37A")), qsizetype(1));
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewText(longest, 0));
        QVERIFY(d.SaveLabelToFile(env.path("long.ckm")));
        LabelDocument e(env.values, env.platform, env.fixed);
        e.LoadFile(env.path("long.ckm"));
        QCOMPARE(e.texts().at(1).text, longest);

        // One more character is refused where it is made: typed, pasted, edited.
        const QString tooLong = longest + "a";
        const QString told = "A text on a label can be at most 32,767 characters long (a line break counts as two), "
                             "and this one has 32768.";
        QVERIFY(!d.createNewText(tooLong, 0));
        QCOMPARE(env.platform.texts(), QStringList{told});
        env.platform.setClipboard(tooLong);
        QVERIFY(d.pasteFromClipboard());
        d.selectText(1);
        d.setTextText(tooLong);
        QCOMPARE(env.platform.texts(), QStringList({told, told, told}));
        QCOMPARE(int(d.texts().size()), 1);
        QCOMPARE(d.texts().at(1).text, longest);
        QCOMPARE(int(d.history().count()), 1);

        // An autofit wrap whose breaks would pass the limit leaves the text as given.
        env.values.dialogAutofit = true;
        const QString words = QString(32763, 'x') + " y z";
        QVERIFY(d.createNewText(words, 0));
        QCOMPARE(d.getTextText(), words);
        env.values.dialogAutofit = false;

        // A text that became longer still is not saved cut: nothing is written.
        const QString target = env.values.labelFolder + "/Ale.ckm";
        QVERIFY(writeFile(target, "previous label"));
        env.platform.clipboard = solid(Qt::red);
        QVERIFY(d.createNewGraphic("?1"));
        d.textAt(1)->text = tooLong;
        QString why;
        QVERIFY(!d.SaveLabelToFile(target, &why));
        QCOMPARE(why, "the text \"\u20ac aaaaaaaaaaaaaaaaaaaaaaaaaaa...\" is 32768 characters long, and a label file keeps "
                      "at most 32,767 characters of one text (a line break counts as two). Shorten it and save again.");
        QCOMPARE(fileBytes(target), QByteArray("previous label"));
        QCOMPARE(filesIn(env.values.graphicsFolder), QStringList());
        QVERIFY(d.isChanged());

        // A full disk loses nothing either: a label of 81 + 68 + 3 bytes where only 40 fit.
        const QByteArray got = withFileSizeLimit(40, [&] {
            LabelDocument d(env.values, env.platform, env.fixed);
            d.createNewText("Ale", 0);
            QString why;
            const bool ok = d.SaveLabelToFile(target, &why);
            return QByteArray(ok ? "saved" : "failed") + "|" + why.toUtf8() + "|" + (d.isChanged() ? "changed" : "unchanged");
        });
        QCOMPARE(got, QByteArray("failed|File too large|changed"));
        QCOMPARE(fileBytes(target), QByteArray("previous label"));
        QCOMPARE(filesIn(env.values.labelFolder), QStringList{"Ale.ckm"});

        // A pasted picture on a full disk: no empty bitmap left behind, the item
        // keeps its picture in memory, and a second try adds nothing either.
        const QByteArray pasted = withFileSizeLimit(100, [&] {
            LabelDocument d(env.values, env.platform, env.fixed);
            d.createNewGraphic("?1");
            QString why1, why2;
            const bool ok1 = d.SaveLabelToFile(target, &why1);
            const bool ok2 = d.SaveLabelToFile(target, &why2);
            const GraphicItem& g = d.graphics().begin()->second;
            return QByteArray(ok1 || ok2 ? "saved" : "failed") + "|" + why2.toUtf8() + "|" + g.tag.toUtf8() + "|" +
                   QByteArray::number(g.picture.width());
        });
        QCOMPARE(pasted, QByteArray("failed|the pasted picture could not be written to the graphics folder \"" +
                                    env.values.graphicsFolder.toUtf8() + "\": File too large|0|8"));
        QCOMPARE(filesIn(env.values.graphicsFolder), QStringList());
        QCOMPARE(fileBytes(target), QByteArray("previous label"));

        // The bitmap fits but the label cannot be written: the bitmap goes again, the item keeps none.
        LabelDocument full(env.values, env.platform, env.fixed);
        QVERIFY(full.createNewGraphic("?1"));
        why.clear();
        QVERIFY(!full.SaveLabelToFile(env.path("no/such/folder/Ale.ckm"), &why));
        QVERIFY(!why.isEmpty());
        QCOMPARE(filesIn(env.values.graphicsFolder), QStringList());
        QCOMPARE(full.graphics().begin()->second.tag, QString("0"));
        QVERIFY(full.isChanged());
        // And once it can be written, it is all there.
        QVERIFY(full.SaveLabelToFile(target, &why));
        QCOMPARE(filesIn(env.values.graphicsFolder), QStringList{"Ale 0000.bmp"});
        QCOMPARE(full.graphics().begin()->second.path(), env.values.graphicsFolder + "/Ale 0000.bmp");
        QVERIFY(!full.isChanged());
    }

    void badFilesEndInTheirMessageAndTemplatesApplyOnlyTheirHeader()
    {
        TestEnv env;
        auto load = [&](const QByteArray& bytes) {
            env.platform.shown.clear();
            auto d = std::make_unique<LabelDocument>(env.values, env.platform, env.fixed);
            writeFile(env.path("bad.ckm"), bytes);
            d->LoadFile(env.path("bad.ckm"));
            return d;
        };
        // Missing file: the document is untouched.
        {
            LabelDocument d(env.values, env.platform, env.fixed);
            d.LoadFile(env.path("none.ckm"));
            QCOMPARE(env.platform.shown.last().text, "Template file: " + env.path("none.ckm") + " Does NOT exist");
            QVERIFY(d.getIsBlankForm());
        }
        auto d = load("L\x01");
        QCOMPARE(env.platform.texts(), QStringList{"Bad Header Record in File"});
        QVERIFY(!d->getIsBlankForm() && !d->isChanged());
        QCOMPARE(d->surfaceWidth(), 4320);

        const HeaderRecord h{.labelWidth = 2880, .labelHeight = 2880, .textCount = 3};
        // Left beyond the width: centred; top as far as the height: kept.
        const TextRecord t{.textLength = 3, .left = 2881, .top = 2880, .fontName = "Arial"};
        const QByteArray one = encode(t) + "Ale";
        d = load(encode(h) + one);
        QCOMPARE(env.platform.texts(), QStringList{"Bad Text Record in File"});
        QCOMPARE(int(d->texts().size()), 1);
        QCOMPARE(QPointF(d->texts().begin()->second.left, d->texts().begin()->second.top), QPointF(1440, 2880));
        QVERIFY(!d->getIsBlankForm() && !d->isChanged());

        // A negative length, and one longer than what follows.
        for (const auto& [length, rest] : {std::pair<int16_t, QByteArray>(-5, "Ale"), {30000, "short"}}) {
            TextRecord bad = t;
            bad.textLength = length;
            d = load(encode(h) + encode(bad) + rest);
            QCOMPARE(env.platform.texts(), QStringList{"Bad Text Record in File"});
            QVERIFY(d->texts().empty());
        }

        const HeaderRecord hg{.labelWidth = 2880, .labelHeight = 2880, .graphicCount = 2, .textCount = 3};
        d = load(encode(hg) + encode(GraphicRecord{.path = "missing.bmp"}) + "X" + QByteArray(149, '\0') + one);
        QCOMPARE(env.platform.texts(), QStringList({"Unable to Load Graphic: missing.bmp", "Bad Graphic Record in File"}));
        // A path with a NUL byte: not found, without the system being asked.
        QTest::failOnWarning(QRegularExpression("Broken filename"));
        const HeaderRecord h1{.labelWidth = 2880, .labelHeight = 2880, .graphicCount = 1};
        d = load(encode(h1) + encode(GraphicRecord{.path = QByteArray("a\0b.bmp", 7)}));
        QCOMPARE(env.platform.texts(), QStringList{QString("Unable to Load Graphic: a") + QChar(0) + "b.bmp"});
        QVERIFY(d->texts().empty());

        // Infinite or undefined margins and spacings are a damaged header.
        for (const float bad : {std::numeric_limits<float>::infinity(), -std::numeric_limits<float>::infinity(),
                                std::numeric_limits<float>::quiet_NaN()}) {
            for (int field = 0; field < 4; ++field) {
                HeaderRecord hb;
                (field == 0 ? hb.topMargin : field == 1 ? hb.leftMargin : field == 2 ? hb.rowSpace : hb.columnSpace) = bad;
                d = load(encode(hb));
                QCOMPARE(env.platform.texts(), QStringList{"Bad Header Record in File"});
                QCOMPARE(d->getLeftMargin(), 0.0);
                QCOMPARE(d->getTopMargin(), 0.0);
            }
        }
        // So is a label without area (none wide, or less than none high).
        for (const auto& [w, high] : {std::pair<int16_t, int16_t>(0, 2880), std::pair<int16_t, int16_t>(2880, -32768)}) {
            d = load(encode(HeaderRecord{.labelWidth = w, .labelHeight = high}));
            QCOMPARE(env.platform.texts(), QStringList{"Bad Header Record in File"});
            QVERIFY(d->surfaceWidth() == 4320 && !d->isChanged());
        }
        d = load(encode(HeaderRecord{.labelWidth = 4320, .labelHeight = 5400, .leftMargin = -1e30f}));
        QVERIFY(env.platform.texts().isEmpty());
        QCOMPARE(d->getLeftMargin(), double(-1e30f));

        // Not a label at all (that no input crashes the loader is the fuzzers' part).
        load("PK\x03\x04 an archive");
        QCOMPARE(env.platform.texts(), QStringList{"Bad Header Record in File"});

        // A template applies only its header; a bad one says nothing and leaves the window no longer blank.
        LabelDocument src(env.values, env.platform, env.fixed);
        src.setLabelDimensions(2, 2, 4);
        src.resizeLabel();
        src.setCutmarks(3);
        src.setLeftMargin(0.5);
        QVERIFY(src.createNewText("Not applied", 0));
        QVERIFY(src.SaveLabelToFile(env.path("tpl.ckm")));
        env.values.templateLoading = true;
        LabelDocument applied(env.values, env.platform, env.fixed);
        applied.LoadFile(env.path("tpl.ckm"));
        d = load("XYZ");
        env.values.templateLoading = false;
        QCOMPARE(applied.surfaceWidth(), 5760);
        QCOMPARE(applied.getLeftMargin(), 0.5);
        QVERIFY(applied.texts().empty());
        QVERIFY(applied.getIsBlankForm() && !applied.isChanged());
        QCOMPARE(applied.getCutmarks(), env.values.cutmarks); // never stored
        QVERIFY(env.platform.shown.isEmpty());
        QVERIFY(!d->getIsBlankForm());
    }
};

QTEST_GUILESS_MAIN(tst_LabelFile)
#include "tst_labelfile.moc"
