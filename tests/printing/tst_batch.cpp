// The headless batch mode end to end: label file in, PDF out, checked by
// rasterising the page with poppler.
#include <QtTest>
#include <QPageLayout>
#include <QPageSize>

#include "document/CkmFormat.h"
#include "document/LabelDocument.h"
#include "printing/PdfOutput.h"
#include "PdfTools.h"
#include "app/CommandLine.h"
#include "support/TestEnv.h"

using namespace pdftools;

namespace {

struct Run {
    int code;
    QString err;
    QString out;
};

QProcessEnvironment batchEnvironment(const QString& home)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home); // no settings of the user's, folders in the test's own place
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_DOCUMENTS_DIR", home + "/Documents");
    env.insert("LC_ALL", "C");
    env.remove("LC_PAPER");
    env.remove("LANG");
    // No spooler: the paper never comes from a default printer of this machine's.
    env.insert("CUPS_SERVER", home + "/no-cups.sock");
    env.remove("DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    return env;
}

Run corkcrafter(const QStringList& args, const QString& home, const QString& workDir = {},
               const QString& locale = "C")
{
    QProcess p;
    QProcessEnvironment env = batchEnvironment(home);
    env.insert("LC_ALL", locale);
    p.setProcessEnvironment(env);
    if (!workDir.isEmpty())
        p.setWorkingDirectory(workDir);
    p.start(CORK_BINARY, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardError()),
            QString::fromLocal8Bit(p.readAllStandardOutput())};
}

// stderr without Qt's own notes about the environment.
QStringList lines(const QString& err)
{
    QStringList out;
    for (const QString& l : err.split('\n', Qt::SkipEmptyParts))
        if (!l.startsWith("QStandardPaths:") && !l.endsWith("Folder. Created"))
            out << l;
    return out;
}

QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool write(const QString& path, const QByteArray& data)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

struct PdfImage {
    QString encoding;
    int object;
};

// The images embedded in a PDF as pdfimages lists them.
QList<PdfImage> pdfImages(const QString& pdf)
{
    QProcess p;
    p.start("pdfimages", {"-list", pdf});
    p.waitForFinished(30000);
    QList<PdfImage> out;
    const QStringList lines = QString::fromLocal8Bit(p.readAllStandardOutput()).split('\n');
    for (const QString& line : lines.mid(2)) {
        const QStringList f = line.simplified().split(' ');
        // page num type width height color comp bpc enc interp object ID ...
        if (f.size() >= 11)
            out << PdfImage{f[8], f[10].toInt()};
    }
    return out;
}

bool nearColour(QRgb c, QRgb want)
{
    return std::abs(qRed(c) - qRed(want)) <= 6 && std::abs(qGreen(c) - qGreen(want)) <= 6 &&
           std::abs(qBlue(c) - qBlue(want)) <= 6;
}

bool dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 200; }
bool light(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) > 245; }

} // namespace

class tst_Batch : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("pdftoppm").isEmpty() || QStandardPaths::findExecutable("pdfinfo").isEmpty())
            QFAIL("poppler-utils (pdftoppm, pdfinfo) are missing: run scripts/test, which installs them");
    }

    void picturesPrintLosslessOncePerDocument()
    {
        if (QStandardPaths::findExecutable("pdfimages").isEmpty())
            QFAIL("pdfimages (poppler-utils) is missing: run scripts/test, which installs it");
        TestEnv env;
        // Two small striped bitmaps: red|blue and green|yellow, two pixels each.
        QImage rb(2, 1, QImage::Format_RGB32), gy(2, 1, QImage::Format_RGB32);
        rb.setPixel(0, 0, qRgb(255, 0, 0));
        rb.setPixel(1, 0, qRgb(0, 0, 255));
        gy.setPixel(0, 0, qRgb(0, 255, 0));
        gy.setPixel(1, 0, qRgb(255, 255, 0));
        const QString rbPath = env.values.graphicsFolder + "/redblue.bmp";
        const QString gyPath = env.values.graphicsFolder + "/greenyellow.bmp";
        QVERIFY(rb.save(rbPath, "BMP") && gy.save(gyPath, "BMP"));

        LabelDocument d(env.values, env.platform, env.fixed);
        d.border().visible = false;
        d.setBackColor(0xFFFFFF);
        d.setLeftMargin(0.5);
        d.setTopMargin(0.5);
        QVERIFY(d.createNewGraphic(rbPath));
        GraphicItem* g = d.activeGraphic();
        g->left = 1440, g->top = 1440, g->width = 1440, g->height = 720; // 1 x 0.5 inch
        QVERIFY(d.createNewGraphic(gyPath));
        g = d.activeGraphic();
        g->left = 1440, g->top = 2880, g->width = 1440, g->height = 720;
        const QString label = env.path("stripes.ckm");
        QVERIFY(d.SaveLabelToFile(label));

        // Two sheets of several labels each: still one image object a picture.
        const QString pdf = env.path("stripes.pdf");
        const Run r = corkcrafter({"--print-pdf", pdf, "--copies", "2", label}, env.path("home"));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(pages(pdf), 2);
        const QList<PdfImage> images = pdfImages(pdf);
        QVERIFY(images.size() >= 2 * 2 * 2); // 2 pictures, at least 2 labels a sheet, 2 sheets
        QSet<int> objects;
        for (const PdfImage& i : images) {
            QVERIFY2(i.encoding != "jpeg", "picture re-encoded as JPEG");
            objects << i.object;
        }
        QCOMPARE(objects.size(), 2);

        // The first label's pictures, 0.5 inch margin + 1 inch: the stripes keep their colours.
        const QImage page = rasterise(pdf, 100);
        QVERIFY(!page.isNull());
        const QRgb red = page.pixel(175, 175), blue = page.pixel(225, 175);
        const QRgb green = page.pixel(175, 275), yellow = page.pixel(225, 275);
        QVERIFY2(nearColour(red, qRgb(255, 0, 0)), qPrintable(QColor(red).name()));
        QVERIFY2(nearColour(blue, qRgb(0, 0, 255)), qPrintable(QColor(blue).name()));
        QVERIFY2(nearColour(green, qRgb(0, 255, 0)), qPrintable(QColor(green).name()));
        QVERIFY2(nearColour(yellow, qRgb(255, 255, 0)), qPrintable(QColor(yellow).name()));
    }

    void failuresSayWhy()
    {
        TestEnv env;
        Run r = corkcrafter({"--print-pdf", env.path("x.pdf"), env.path("missing.ckm")}, env.path("home"));
        QVERIFY(r.code != 0);
        QVERIFY2(r.err.contains("File \"" + env.path("missing.ckm") + "\" Not Found"), qPrintable(r.err));
        QVERIFY(!QFileInfo::exists(env.path("x.pdf")));

        QFile bad(env.path("bad.ckm"));
        QVERIFY(bad.open(QIODevice::WriteOnly));
        bad.write("not a label");
        bad.close();
        r = corkcrafter({"--print-pdf", env.path("x.pdf"), env.path("bad.ckm")}, env.path("home"));
        QVERIFY(r.code != 0);
        QVERIFY2(r.err.contains("Bad Header Record in File"), qPrintable(r.err));

        QCOMPARE(r.err.count("Bad Header Record in File"), 1);

        // An output that cannot be written: said once, with its name and why.
        const QString nowhere = env.path("no/such/dir/x.pdf");
        r = corkcrafter({"--print-pdf", nowhere, CORK_SAMPLES "/Pale Ale.ckm"}, env.path("home"));
        QVERIFY(r.code != 0);
        QCOMPARE(lines(r.err), QStringList{"corkcrafter: The PDF could not be written to \"" + nowhere +
                                           "\": No such file or directory"});

        r = corkcrafter({"--print-pdf", env.path("x.pdf"), "--copies", "zero", CORK_SAMPLES "/Pale Ale.ckm"}, env.path("home"));
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("--copies takes a whole number"));

        r = corkcrafter({"--version"}, env.path("home"));
        QCOMPARE(r.code, 0);
    }

    // A plain white label with only its cut marks, half an inch from the
    // corner, three copies; --start and --offset: a partly used first sheet and
    // a moved print; start 1 with no adjustment gives exactly the page it always did.
    void sheetsStartAndOffset()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.border().visible = false;
        d.setBackColor(0xFFFFFF);
        d.setLeftMargin(0.5);
        d.setTopMargin(0.5);
        const QString label = env.path("plain.ckm"), home = env.path("home");
        QVERIFY(d.SaveLabelToFile(label));
        auto print = [&](const QString& name, const QStringList& args, int pageCount) {
            const Run r = corkcrafter(QStringList{"--print-pdf", env.path(name)} + args + QStringList{label}, home);
            if (r.code != 0 || pages(env.path(name)) != pageCount)
                qWarning("%s: exit %d, %d pages: %s", qPrintable(name), r.code, pages(env.path(name)), qPrintable(r.err));
            return rasterise(env.path(name), 100);
        };
        const QImage plain = print("plain.pdf", {"--copies", "3"}, 3);
        QCOMPARE(plain.width(), 850); // Letter at 100 dpi
        // The first label's top-left cross at (0.5, 0.5) inch: dark at its arms,
        // nothing between them nor inside the label; the next label's below it.
        QVERIFY(dark(plain, 50, 50) || dark(plain, 47, 50) || dark(plain, 50, 47));
        QVERIFY(dark(plain, 45, 50) || dark(plain, 45, 49) || dark(plain, 45, 51));
        QVERIFY(light(plain, 45, 45) && light(plain, 200, 200));
        QVERIFY(dark(plain, 50, 425) || dark(plain, 50, 424) || dark(plain, 49, 425));
        QCOMPARE(print("same.pdf", {"--start", "1", "--offset", "0,0"}, 1), plain);

        // Start 2 with two copies: the first label's corner cross is gone from the
        // first sheet only; the second label (below it) is still marked.
        const QImage two = print("two.pdf", {"--start", "2", "--copies", "2"}, 2);
        for (int x = 42; x <= 58; ++x)
            for (int y = 42; y <= 58; ++y)
                QVERIFY2(light(two, x, y), qPrintable(QString("ink at %1,%2").arg(x).arg(y)));
        QVERIFY(dark(two, 50, 425) || dark(two, 50, 424) || dark(two, 49, 425));

        // Moved 0.25 inch right and 0.1 inch up: the cross from (50, 50) to (75, 40).
        const QImage moved = print("moved.pdf", {"--offset", "0.25,-0.1"}, 1);
        QVERIFY(dark(moved, 75, 40) || dark(moved, 74, 40) || dark(moved, 75, 39));
        QVERIFY(light(moved, 50, 50) && light(moved, 45, 50));

        // Bad values: the reason on the first line, where to read more, no PDF.
        const QString pdf = env.path("bad.pdf");
        const QList<QPair<QStringList, QString>> bad = {
            {{"--start", "0"}, "--start takes the number of the first label to print, a whole number from 1, not \"0\""},
            {{"--start", "two"}, "--start takes the number of the first label to print, a whole number from 1, not \"two\""},
            {{"--offset", "0.6,0"}, "--offset moves at most 0.5 inch each way (-0.5 to 0.5), not \"0.6,0\""},
            {{"--offset", "-0.1,-0.51"}, "--offset moves at most 0.5 inch each way (-0.5 to 0.5), not \"-0.1,-0.51\""},
            {{"--offset", "0.1"},
             "--offset takes two numbers of inches, right and down, as X,Y (for example 0.05,-0.1), not \"0.1\""},
            {{"--offset", "left,up"},
             "--offset takes two numbers of inches, right and down, as X,Y (for example 0.05,-0.1), not \"left,up\""},
            {{"--start"}, "--start needs a value"},
            {{"--paper", "Foolscap"},
             "--paper takes one of A3, A4, A5, A6, B5, Letter, Legal, Executive, Tabloid, not \"Foolscap\""},
        };
        for (const auto& [args, why] : bad) {
            const CommandLine cl = CommandLine::parse(QStringList{"--print-pdf", pdf, label} + args);
            QCOMPARE(cl.mode, CommandLine::Error);
            QCOMPARE(cl.error, why);
        }
        Run r = corkcrafter({"--print-pdf", pdf, label, "--start", "0"}, home);
        QVERIFY(r.code != 0);
        QCOMPARE(lines(r.err), QStringList({"corkcrafter: " + bad.first().second,
                                            "Try 'corkcrafter --help' for more information."}));
        QVERIFY(!QFileInfo::exists(pdf));
        // Beyond the sheet (four labels on Letter): known once the label is loaded.
        r = corkcrafter({"--print-pdf", pdf, "--start", "5", label}, home);
        QVERIFY(r.code != 0);
        QCOMPARE(lines(r.err), QStringList{"corkcrafter: Nothing was printed: cannot start at label 5: the sheet holds 4 labels."});
        QVERIFY(!QFileInfo::exists(pdf));
        r = corkcrafter({"--print-pdf", pdf, "--start", "4", label}, home);
        QVERIFY2(r.code == 0, qPrintable(r.err));
    }

    // The paper: the locale's (glibc's data where the locale is generated,
    // else its territory), Letter where none is named, --paper over both. The
    // batch mode leaves no working folders behind.
    void paperFromLocaleOrOption()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        const QString label = env.path("plain.ckm");
        QVERIFY(d.SaveLabelToFile(label));
        const QString home = env.path("home");
        const QString a4 = "595 x 842 pts (A4)", letter = "612 x 792 pts (letter)";
        const QList<std::tuple<QString, QStringList, QString>> cases = {
            {"en_GB.UTF-8", {}, a4},         {"de_DE", {}, a4},   {"en_US.UTF-8", {}, letter},
            {"C", {}, letter},               {"POSIX", {}, letter}, {"en_GB.UTF-8", {"--paper", "Letter"}, letter},
            {"C", {"--paper", "a4"}, a4},
        };
        for (const auto& [locale, extra, size] : cases) {
            const QString pdf = env.path("paper.pdf");
            QFile::remove(pdf);
            const Run r = corkcrafter(QStringList{"--print-pdf", pdf} + extra + QStringList{label}, home, {}, locale);
            QVERIFY2(r.code == 0, qPrintable(locale + ": " + r.err));
            const QString out = info(pdf);
            QVERIFY2(out.simplified().contains("Page size: " + size), qPrintable(locale + " " + extra.join(' ') + ": " + out));
        }
        QVERIFY2(!QFileInfo::exists(home + "/Documents/Corkcrafter"), "the batch mode made working folders");
    }

    void neverOverwritesTheLabel()
    {
        TestEnv env;
        const QString label = env.path("Ale.ckm");
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.SaveLabelToFile(label));
        const QByteArray before = readAll(label);
        QVERIFY(QFile::link(label, env.path("link.pdf")));
        QVERIFY(QFile::link(env.path(""), env.path("same")));
        for (const QString& out : {label, env.path("link.pdf"), env.path("same/Ale.ckm"), env.path("./Ale.ckm")}) {
            const Run r = corkcrafter({"--print-pdf", out, label}, env.path("home"));
            QVERIFY2(r.code != 0, qPrintable(out));
            QVERIFY2(r.err.contains("would overwrite the label file"), qPrintable(r.err));
            QCOMPARE(readAll(label), before);
        }
    }

    void fullDiskLeavesNoPdf()
    {
        TestEnv env;
        const QString pdf = env.path("out/x.pdf");
        QDir().mkpath(env.path("out"));
        QVERIFY(write(pdf, "earlier pdf"));
        // Files may not grow past 4 KB, as on a disk that is nearly full.
        QProcess p;
        QProcessEnvironment e = batchEnvironment(env.path("home"));
        p.setProcessEnvironment(e);
        p.start("bash", {"-c", "ulimit -f 4 && trap '' XFSZ && exec \"$0\" \"$@\"", CORK_BINARY, "--print-pdf", pdf,
                         CORK_SAMPLES "/Pale Ale.ckm"});
        QVERIFY(p.waitForFinished(60000));
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(p.exitCode() != 0, qPrintable(err));
        QVERIFY2(lines(err) == QStringList{"corkcrafter: The PDF could not be written to \"" + pdf + "\": File too large"},
                 qPrintable(err));
        QCOMPARE(readAll(pdf), QByteArray("earlier pdf"));
        QCOMPARE(QDir(env.path("out")).entryList(QDir::Files | QDir::Hidden), QStringList{"x.pdf"});
    }

    void picturesOfABareLabelName()
    {
        TestEnv env;
        QDir().mkpath(env.path("work"));
        QImage rose(40, 40, QImage::Format_RGB32);
        rose.fill(Qt::blue);
        QVERIFY(rose.save(env.path("work/rose.bmp")));
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewGraphic(env.path("work/rose.bmp")));
        QVERIFY(d.SaveLabelToFile(env.path("work/label.ckm")));
        QVERIFY(readAll(env.path("work/label.ckm")).contains(".\\rose.bmp"));

        // Started in the label's folder with a bare file name: the picture is found.
        Run r = corkcrafter({"--print-pdf", "out.pdf", "label.ckm"}, env.path("home"), env.path("work"));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(!r.err.contains("Unable to Load Graphic"), qPrintable(r.err));
        QVERIFY(QFileInfo(env.path("work/out.pdf")).size() > 0);

        // A picture that cannot be loaded fails the job, naming the picture.
        QVERIFY(QFile::remove(env.path("work/rose.bmp")));
        QFile::remove(env.path("work/out.pdf"));
        r = corkcrafter({"--print-pdf", "out.pdf", "label.ckm"}, env.path("home"), env.path("work"));
        QCOMPARE(r.code, 3);
        QVERIFY(!QFileInfo::exists(env.path("work/out.pdf")));
        QCOMPARE(lines(r.err),
                 QStringList({"corkcrafter: label.ckm: Unable to Load Graphic: .\\rose.bmp",
                              "corkcrafter: one of the label's pictures could not be loaded, so no PDF was written "
                              "(--allow-missing-pictures prints without them)"}));
        // Unless the user says it may be left out.
        r = corkcrafter({"--print-pdf", "out.pdf", "--allow-missing-pictures", "label.ckm"}, env.path("home"),
                        env.path("work"));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(QFileInfo::exists(env.path("work/out.pdf")));
        r = corkcrafter({"--help"}, env.path("home"));
        QVERIFY(r.out.contains("--allow-missing-pictures"));
    }

    void controlCharactersAreEscaped()
    {
        TestEnv env;
        CKM_Header::HeaderRecord h;
        h.labelWidth = h.labelHeight = 1440;
        h.graphicCount = 1;
        CKM_Header::GraphicRecord g;
        g.path = "\x1b]0;owned\x07\x1b[2J\r\nfake.bmp\x9b";
        const QString label = env.path("evil\x1b[31m.ckm");
        QVERIFY(write(label, CKM_Header::encode(h) + CKM_Header::encode(g)));
        const Run r = corkcrafter({"--print-pdf", env.path("x.pdf"), label}, env.path("home"));
        QCOMPARE(r.code, 3);
        for (const QChar c : r.err)
            QVERIFY2(c == '\n' || !(c.category() == QChar::Other_Control), qPrintable(QString::number(c.unicode())));
        QVERIFY2(r.err.contains("evil\\x1b[31m.ckm: Unable to Load Graphic: \\x1b]0;owned\\x07\\x1b[2J\\r\\nfake.bmp"),
                 qPrintable(r.err));
    }

    // Sheets no one wants: a layout of more than 10,000 labels, and a label
    // larger than the paper (which would be blank pages). Each fails the job
    // with its reason and leaves no PDF.
    void absurdSheetFailsTheJob()
    {
        TestEnv env;
        const QList<std::tuple<int, QString>> cases = {
            {1, "more than 10,000 labels on one page"}, // one twip
            {9 * 1440, "corkcrafter: Nothing was printed: no label fits on the sheet. The label with its margins "
                       "is larger than the paper."}, // 9 x 9 in on Letter
        };
        for (const auto& [twips, why] : cases) {
            CKM_Header::HeaderRecord h;
            h.labelWidth = h.labelHeight = int16_t(twips);
            const QString label = env.path("odd.ckm");
            QVERIFY(write(label, CKM_Header::encode(h)));
            const Run r = corkcrafter({"--print-pdf", env.path("x.pdf"), label}, env.path("home"));
            QCOMPARE(r.code, 4);
            QCOMPARE(lines(r.err).size(), 1);
            QVERIFY2(r.err.contains(why), qPrintable(r.err));
            QVERIFY(!QFileInfo::exists(env.path("x.pdf")));
        }
    }

    // The sheets go to disk as they are drawn, into a hidden file beside the
    // target that takes its place only once complete: a long job never sits in
    // memory, and the target does not exist half written.
    void pdfGoesToDiskAsItIsDrawn()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setBackColor(0x00CCFF);
        QDir().mkpath(env.path("out"));
        const QString pdf = env.path("out/many.pdf");
        qint64 onDiskWhileDrawing = -1;
        bool targetWhileDrawing = true;
        auto status = [&](const QString& s) {
            if (s != "Writing to Print Queue")
                return;
            targetWhileDrawing = QFileInfo::exists(pdf);
            // The file being written may have no name yet (O_TMPFILE): find it
            // among the open files, in the target's folder.
            onDiskWhileDrawing = 0;
            for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files)) {
                if (QFile::symLinkTarget(fd.absoluteFilePath()).startsWith(env.path("out")))
                    onDiskWhileDrawing += QFileInfo(fd.absoluteFilePath()).size();
            }
        };
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        QString why;
        QCOMPARE(pdfout::printPdf(printjob::request(d, env.values, 50), env.platform, layout, 1200, pdf, &why, status),
                 pdfout::Result::Written);
        QVERIFY(!targetWhileDrawing);
        // Every sheet's page is there before the file is finished.
        QVERIFY2(onDiskWhileDrawing > 50 * 200, qPrintable(QString::number(onDiskWhileDrawing)));
        QCOMPARE(pages(pdf), 50);
        QCOMPARE(QDir(env.path("out")).entryList(QDir::Files | QDir::Hidden), QStringList{"many.pdf"});
    }
};

QTEST_GUILESS_MAIN(tst_Batch)
#include "tst_batch.moc"
