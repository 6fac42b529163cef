// The headless batch mode end to end: label file in, PDF out, checked by
// rasterising the page with poppler.
#include <QtTest>
#include <QPageLayout>
#include <QPageSize>

#include "document/CkmFormat.h"
#include "document/LabelDocument.h"
#include "printing/BatchPrint.h"
#include "printing/PdfOutput.h"
#include "PdfTools.h"
#include "app/CommandLine.h"
#include "support/TestEnv.h"
#include "support/Wmf.h"

using namespace pdftools;

namespace {

// A label file of one square label `twips` wide, with a picture at `picture` when given.
QByteArray squareLabel(int twips, const QByteArray& picture = {})
{
    CKM_Header::HeaderRecord h;
    h.labelWidth = h.labelHeight = int16_t(twips);
    h.graphicCount = picture.isEmpty() ? 0 : 1;
    CKM_Header::GraphicRecord g;
    g.path = picture;
    return CKM_Header::encode(h) + (picture.isEmpty() ? QByteArray() : CKM_Header::encode(g));
}

bool nearColour(QRgb c, QRgb want)
{
    return std::abs(qRed(c) - qRed(want)) <= 6 && std::abs(qGreen(c) - qGreen(want)) <= 6 &&
           std::abs(qBlue(c) - qBlue(want)) <= 6;
}

bool dark(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) < 200; }
bool light(const QImage& img, int x, int y) { return qGray(img.pixel(x, y)) > 245; }

// Each image of the PDF as pdfimages lists it: width, height, encoding, object number.
QList<QStringList> images(const QString& pdf)
{
    QList<QStringList> listed;
    for (const QString& line : run("pdfimages", {"-list", pdf}).split('\n').mid(2))
        if (const QStringList f = line.simplified().split(' '); f.size() >= 11 && f[2] == "image")
            listed << QStringList{f[3], f[4], f[8], f[10]};
    return listed;
}

} // namespace

class tst_Batch : public QObject {
    Q_OBJECT
    TestEnv env;
    QString home = env.path("home");
    QString at(QString s) const { return s.replace("$T/", env.path("")); }
    // The program with a home of its own (a member: batch:: is also the batch mode's own functions).
    Run batch(const QStringList& args, const QString& locale = "C", const QString& workDir = {},
              const QStringList& program = {}) const
    {
        return pdftools::batch(args, home, locale, workDir, program);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(pdftools::installed(), pdftools::Missing);
        // The labels the failures are made of.
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.SaveLabelToFile(env.path("Ale.ckm")));
        QVERIFY(QFile::link(env.path("Ale.ckm"), env.path("link.pdf")));
        QVERIFY(QFile::link(env.path(""), env.path("same")));
        QVERIFY(writeFile(env.path("bad.ckm"), "not a label"));
        // A sheet the program refuses, in the user's own sheet database.
        QVERIFY(QDir().mkpath(home + "/.local/share/libglabels-3.0/templates"));
        QVERIFY(writeFile(home + "/.local/share/libglabels-3.0/templates/test-templates.xml",
                      "<Glabels-templates><Template brand=\"Testco\" part=\"CD-1\" size=\"A4\">"
                      "<Label-cd radius=\"58mm\"><Layout nx=\"1\" ny=\"2\" x0=\"4cm\" y0=\"2cm\" dy=\"13cm\"/>"
                      "</Label-cd></Template></Glabels-templates>"));
        QVERIFY(d.createNewText("${Colour} ${n:x}", 0));
        QVERIFY(d.SaveLabelToFile(env.path("fields.ckm")));
        LabelDocument qr(env.values, env.platform, env.fixed);
        QVERIFY(qr.createNewQr("${Note}", 'H'));
        QVERIFY(qr.SaveLabelToFile(env.path("qr.ckm")));
        QVERIFY(writeFile(env.path("long.csv"), "Note\nshort\n" + QByteArray(1400, 'y') + "\n"));
        QVERIFY(writeFile(env.path("ragged.csv"), "Name;copies\n\"A\nB\";1\nC\n"));
        QVERIFY(writeFile(env.path("rows.csv"), "Name,copies\nA,1\n"));
        QVERIFY(writeFile(env.path("none.csv"), "Name,copies\nA,0\n"));
        QVERIFY(writeFile(env.path("evil\x1b[31m.ckm"), squareLabel(1440, "\x1b]0;owned\x07\x1b[2J\r\nfake.bmp\x9b")));
    }

    // Flat art embedded losslessly, a JPEG photograph as JPEG at 600 pixels an inch; each once a document.
    void picturesPrintOncePerDocumentAtPrintSize()
    {
        // Two small striped bitmaps: red|blue and green|yellow, two pixels each.
        QImage rb(2, 1, QImage::Format_RGB32), gy(2, 1, QImage::Format_RGB32);
        rb.setPixel(0, 0, qRgb(255, 0, 0));
        rb.setPixel(1, 0, qRgb(0, 0, 255));
        gy.setPixel(0, 0, qRgb(0, 255, 0));
        gy.setPixel(1, 0, qRgb(255, 255, 0));
        const QString rbPath = env.values.graphicsFolder + "/redblue.bmp";
        const QString gyPath = env.values.graphicsFolder + "/greenyellow.bmp";
        QVERIFY(rb.save(rbPath, "BMP") && gy.save(gyPath, "BMP"));
        // A grainy 2400 x 1200 photograph.
        QImage photo(2400, 1200, QImage::Format_RGB32);
        quint32 seed = 1;
        for (int y = 0; y < photo.height(); ++y)
            for (int x = 0; x < photo.width(); ++x) {
                seed = seed * 1664525u + 1013904223u;
                photo.setPixel(x, y, qRgb((x / 10 + int(seed >> 28)) % 256, (y / 5 + int(seed >> 27)) % 256, int(seed >> 24)));
            }
        const QString photoPath = env.values.graphicsFolder + "/photo.jpg";
        QVERIFY(photo.save(photoPath, "JPEG", 90));

        LabelDocument d(env.values, env.platform, env.fixed);
        d.border().visible = false;
        d.setBackColor(0xFFFFFF);
        d.setLeftMargin(0.5);
        d.setTopMargin(0.5);
        for (const auto& [path, top] : {std::pair{rbPath, 1440}, std::pair{gyPath, 2880}, std::pair{photoPath, 0}}) {
            QVERIFY(d.createNewGraphic(path));
            setBox(*d.activeGraphic(), QRectF(1440, top, 1440, 720)); // 1 x 0.5 inch
        }
        const QString label = env.path("stripes.ckm");
        QVERIFY(d.SaveLabelToFile(label));

        // Two sheets of several labels each: still one image object a picture, never JPEG.
        const QString pdf = env.path("stripes.pdf");
        const Run r = batch({"--print-pdf", pdf, "--copies", "2", label});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(pages(pdf), 2);
        QSet<QString> objects;
        const QList<QStringList> listed = images(pdf);
        for (const QStringList& f : listed) {
            objects << f[3];
            // The photograph (the only picture over 2 pixels wide) as JPEG, 600 x 300; the stripes never.
            QVERIFY2((f[2] == "jpeg") == (f[0].toInt() > 2), qPrintable(f.join(' ')));
            if (f[0].toInt() > 2)
                QCOMPARE(QSize(f[0].toInt(), f[1].toInt()), QSize(600, 300));
        }
        QVERIFY(listed.size() >= 3 * 2 * 2); // 3 pictures, at least 2 labels a sheet, 2 sheets
        QCOMPARE(objects.size(), 3);
        // Two sheets of labels with the photograph: smaller than the photograph.
        QVERIFY2(QFileInfo(pdf).size() < QFileInfo(photoPath).size(),
                 qPrintable(QString("%1 bytes").arg(QFileInfo(pdf).size())));

        // The first label's pictures, 0.5 inch margin + 1 inch: the stripes keep their colours.
        const QImage page = rasterise(pdf, 100);
        QVERIFY(!page.isNull());
        const QList<std::pair<QPoint, QRgb>> want = {{{175, 175}, qRgb(255, 0, 0)}, {{225, 175}, qRgb(0, 0, 255)},
                                                     {{175, 275}, qRgb(0, 255, 0)}, {{225, 275}, qRgb(255, 255, 0)}};
        for (const auto& [p, c] : want)
            QVERIFY2(nearColour(page.pixel(p), c), qPrintable(QColor(page.pixel(p)).name()));
    }

    // A tiny metafile claiming 20,000 x 20,000 pixels is drawn at its printed size, not its claim.
    void hostileMetafilePrintsSmall()
    {
        if (!QFileInfo("/usr/bin/time").isExecutable())
            QSKIP("needs /usr/bin/time to measure the job's memory (scripts/deps --test installs it)");
        const QString wmf = env.values.graphicsFolder + "/claims.wmf";
        QVERIFY(writeFile(wmf, makeWmf(20000, 20000, 96)));
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewGraphic(wmf));
        const QString label = env.path("claims.ckm");
        QVERIFY(d.SaveLabelToFile(label));
        const QString pdf = env.path("claims.pdf"), rss = env.path("claims.rss");
        const Run r = batch({"--print-pdf", pdf, label}, "C", {}, {"/usr/bin/time", "-f", "%M", "-o", rss});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        const int peakKiB = QString::fromLatin1(fileBytes(rss)).trimmed().split('\n').last().toInt();
        QVERIFY2(peakKiB > 0 && peakKiB < 150 * 1024, qPrintable(QString("peak %1 KiB").arg(peakKiB)));
        // Fitted into the frame, 3240 twips (2.25 in) a side: rendered 600 pixels an inch, once.
        QSet<QString> drawn;
        for (const QStringList& f : images(pdf))
            drawn << f[0] + "x" + f[1] + " " + f[3];
        QCOMPARE(drawn.size(), 1);
        QCOMPARE(drawn.begin()->section(' ', 0, 0), QString("1350x1350"));
    }

    // Each refused job: its exit code, its reason exactly, no PDF, the label untouched.
    void failuresSayWhy_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("code");
        QTest::addColumn<QStringList>("err");
        const QString sample = CORK_SAMPLES "/Pale Ale.ckm";
        QTest::newRow("no label") << QStringList{"$T/x.pdf", "$T/missing.ckm"} << 2
                                  << QStringList{"corkcrafter: File \"$T/missing.ckm\" Not Found"};
        QTest::newRow("not a label") << QStringList{"$T/x.pdf", "$T/bad.ckm"} << 3
                                     << QStringList{"corkcrafter: $T/bad.ckm: Bad Header Record in File"};
        QTest::newRow("no such folder") << QStringList{"$T/no/such/dir/x.pdf", sample} << 4
            << QStringList{"corkcrafter: The PDF could not be written to \"$T/no/such/dir/x.pdf\": No such file or directory"};
        for (const QString out : {"$T/Ale.ckm", "$T/link.pdf", "$T/same/Ale.ckm", "$T/./Ale.ckm"})
            QTest::newRow(qPrintable("over the label as " + out)) << QStringList{out, "$T/Ale.ckm"} << 2
                << QStringList{"corkcrafter: the PDF \"" + out +
                               "\" would overwrite the label file \"$T/Ale.ckm\"; choose another name for the PDF"};
        // Control characters of names are shown escaped, never sent to the terminal.
        QTest::newRow("control characters") << QStringList{"$T/x.pdf", "$T/evil\x1b[31m.ckm"} << 3
            << QStringList{"corkcrafter: $T/evil\\x1b[31m.ckm: Unable to Load Graphic: "
                           "\\x1b]0;owned\\x07\\x1b[2J\\r\\nfake.bmp\u203a",
                           "corkcrafter: one of the label's pictures could not be loaded, so no PDF was written "
                           "(--allow-missing-pictures prints without them)"};
        // A sheet the print job refuses (its other refusals are in tst_stock);
        // a start the sheet does not hold is known once the label is loaded.
        QTest::newRow("start beyond the sheet") << QStringList{"$T/x.pdf", "--start", "5", "$T/Ale.ckm"} << 4
            << QStringList{"corkcrafter: Nothing was printed: cannot start at label 5: the sheet holds 4 labels."};
        QTest::newRow("unknown sheet") << QStringList{"$T/x.pdf", "--stock", "Corkcrafter BL-A5", "$T/Ale.ckm"} << 2
            << QStringList{"corkcrafter: the catalogue has no label sheet \"Corkcrafter BL-A5\"; close to it: "
                           "Corkcrafter BL-A4, Corkcrafter WL-A4, Corkcrafter BL-LTR, Corkcrafter WL-LTR"};
        QTest::newRow("refused sheet") << QStringList{"$T/x.pdf", "--stock", "testco cd-1", "$T/Ale.ckm"} << 2
            << QStringList{"corkcrafter: Testco CD-1 is a sheet of CD labels: Corkcrafter prints rectangular labels "
                           "and cannot print around a CD's hole."};
        // Data that is not a list of labels, and fields that cannot be filled.
        QTest::newRow("no data file") << QStringList{"$T/x.pdf", "--data", "$T/no.csv", "$T/Ale.ckm"} << 2
                                      << QStringList{"corkcrafter: Data file \"$T/no.csv\" Not Found"};
        QTest::newRow("ragged data") << QStringList{"$T/x.pdf", "--data", "$T/ragged.csv", "$T/Ale.ckm"} << 3
            << QStringList{"corkcrafter: $T/ragged.csv: line 4: 1 value where the first row names 2 columns"};
        QTest::newRow("no labels in the data") << QStringList{"$T/x.pdf", "--data", "$T/none.csv", "$T/Ale.ckm"} << 3
            << QStringList{"corkcrafter: $T/none.csv: Nothing was printed: every row of the data asks for 0 copies."};
        QTest::newRow("fields that cannot be filled")
            << QStringList{"$T/x.pdf", "--data", "$T/rows.csv", "$T/fields.ckm"} << 3
            << QStringList{"corkcrafter: These fields of the label's texts cannot be filled in: ${Colour}: the data "
                           "has no column of that name; ${n:x}: a number takes a zero and a width, such as ${n:03}. "
                           "Nothing was printed."};
        // A row no QR code can hold (the codes that print: tst_qrprint).
        QTest::newRow("data no QR code holds") << QStringList{"$T/x.pdf", "--data", "$T/long.csv", "$T/qr.ckm"} << 4
            << QStringList{"corkcrafter: The QR code of label 2 cannot be made: 1400 bytes of data are too many for a "
                           "QR code at level H. Nothing was printed."};
        QTest::newRow("bad value") << QStringList{"$T/x.pdf", "$T/Ale.ckm", "--start", "0"} << 2
            << QStringList{"corkcrafter: --start takes the number of the first label to print, a whole number from 1, "
                           "not \"0\"",
                           "Try 'corkcrafter --help' for more information."};
    }
    void failuresSayWhy()
    {
        QFETCH(QStringList, args);
        QFETCH(QStringList, err);
        const QByteArray label = fileBytes(env.path("Ale.ckm"));
        for (QString& a : args)
            a = at(a);
        const Run r = batch(QStringList{"--print-pdf"} + args);
        QTEST(r.code, "code");
        QCOMPARE(r.lines().join('\n'), at(err.join('\n')));
        QVERIFY(!QFileInfo::exists(env.path("x.pdf")));
        QCOMPARE(fileBytes(env.path("Ale.ckm")), label);
    }

    // Without a display the windowed start ends with one line, not Qt's abort; the batch still works.
    void noDisplayTellsWhy()
    {
        const QStringList bare{"env", "-u", "QT_QPA_PLATFORM", "-u", "WAYLAND_DISPLAY", "-u", "WAYLAND_SOCKET"};
        const QString message = "corkcrafter: no display found: start it in a desktop session (X11 or Wayland), "
                                "or use --print-pdf for batch printing";
        for (const QStringList& args : {QStringList{}, QStringList{"--new-instance", env.path("Ale.ckm")}}) {
            const Run r = batch(args, "C", {}, bare);
            QCOMPARE(r.code, 1);
            QCOMPARE(r.lines(), QStringList{message});
        }
        // --paper over the locale's Letter.
        const QString pdf = env.path("nodisplay.pdf");
        const Run printed = batch({"--print-pdf", pdf, "--paper", "A4", env.path("Ale.ckm")}, "C", {}, bare);
        QCOMPARE(printed.code, 0);
        QCOMPARE(pages(pdf), 1);
        QCOMPARE(pagePoints(pdf), QSizeF(595, 842));
        QFile::remove(pdf);
        QCOMPARE(batch({"--version"}, "C", {}, bare).code, 0);
        // Qt's -platform option is Qt's, not one of the program's.
        const Run qtOption = batch({"-platform", "offscreen", "--print-pdf", pdf, env.path("Ale.ckm")}, "C", {}, bare);
        QCOMPARE(qtOption.lines(), QStringList());
        QCOMPARE(qtOption.code, 0);
        QCOMPARE(pages(pdf), 1);
    }

    // --list-stock and the usage on --help (the options' own errors are in tst_commandline);
    // --stock brings its own paper and warns of a label larger than its labels.
    void stockSheets()
    {
        const QString wine = "Corkcrafter WL-A4 — 127 x 101.6 mm, 1 x 2 on A4\n"
                             "Corkcrafter WL-LTR — 5 x 4 in, 1 x 2 on US Letter\n";
        for (const auto& [args, out] : {std::pair{QStringList{"--list-stock", "corkcrafter", "WINE"}, wine},
                                        {QStringList{"--help"}, CommandLine::usage()}}) {
            const Run r = batch(args);
            QCOMPARE(r.code, 0);
            QCOMPARE(r.out, out);
        }
        const QString pdf = env.path("stock.pdf");
        // A4 where the locale's paper is Letter (each product's paper: tst_stockcatalogue::requestOnProduct).
        const Run a4 = batch({"--print-pdf", pdf, "--stock", "corkcrafter bl-a4", env.path("Ale.ckm")}, "en_US.UTF-8");
        QCOMPARE(a4.code, 0);
        QCOMPARE(a4.lines(), QStringList());
        QCOMPARE(pagePoints(pdf), QSizeF(595, 842));
        QVERIFY(writeFile(env.path("big.ckm"), squareLabel(6480)));
        const Run big = batch({"--print-pdf", pdf, "--stock", "Corkcrafter WL-LTR", env.path("big.ckm")});
        QCOMPARE(big.code, 0);
        QCOMPARE(big.lines(), QStringList({"corkcrafter: warning: the label (4.500 x 4.500 in) is larger than the "
                                           "labels of Corkcrafter WL-LTR (5.000 x 4.000 in): it is cut off at its own "
                                           "edges and runs over onto the labels next to it"}));
    }

    // Copies make sheets; --start and --offset reach the job (their rules: tst_stock, tst_sheet).
    void sheetsStartAndOffset()
    {
        LabelDocument d(env.values, env.platform, env.fixed);
        d.border().visible = false;
        d.setBackColor(0xFFFFFF);
        d.setLeftMargin(0.5);
        d.setTopMargin(0.5);
        const QString label = env.path("plain.ckm");
        QVERIFY(d.SaveLabelToFile(label));
        auto print = [&](const QString& name, const QStringList& args, int pageCount) {
            const Run r = batch(QStringList{"--print-pdf", env.path(name)} + args + QStringList{label});
            if (r.code != 0 || pages(env.path(name)) != pageCount)
                qWarning("%s: exit %d, %d pages: %s", qPrintable(name), r.code, pages(env.path(name)), qPrintable(r.err));
            return rasterise(env.path(name), 100);
        };
        const QImage plain = print("plain.pdf", {"--copies", "3"}, 3);
        QCOMPARE(plain.width(), 850); // Letter at 100 dpi
        // The first label's top-left cross at (0.5, 0.5) inch, the next label's below it.
        QVERIFY(dark(plain, 50, 50) || dark(plain, 47, 50) || dark(plain, 50, 47));
        QVERIFY(dark(plain, 50, 425) || dark(plain, 50, 424) || dark(plain, 49, 425));

        // Start 2, moved 0.25 in right and 0.1 in up: no first cross; the second's moves to (75, 415).
        const QImage moved = print("moved.pdf", {"--start", "2", "--offset", "0.25,-0.1"}, 1);
        for (int x = 42; x <= 83; ++x)
            for (int y = 32; y <= 58; ++y)
                QVERIFY2(light(moved, x, y), qPrintable(QString("ink at %1,%2").arg(x).arg(y)));
        QVERIFY(dark(moved, 75, 415) || dark(moved, 75, 414) || dark(moved, 74, 415));
        QVERIFY(light(moved, 50, 425) && light(moved, 45, 425));
    }

    // The locale's paper, Letter where none is named (--paper over it: noDisplayTellsWhy); no working folders made.
    void paperFromLocaleOrOption()
    {
        const QSize a4(595, 842), letter(612, 792);
        for (const auto& [locale, size] :
             {std::pair{"en_GB.UTF-8", a4}, {"de_DE", a4}, {"C", letter}, {"POSIX", letter}})
            QVERIFY2(batch::localePaper(locale).sizePoints() == size, locale);
        const QString pdf = env.path("paper.pdf");
        const Run r = batch({"--print-pdf", pdf, env.path("Ale.ckm")}, "en_GB.UTF-8");
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(pagePoints(pdf), QSizeF(a4));
        QVERIFY2(!QFileInfo::exists(home + "/Documents/Corkcrafter"), "the batch mode made working folders");
    }

    void fullDiskLeavesNoPdf()
    {
        const QString pdf = env.path("out/x.pdf");
        QVERIFY(writeFile(pdf, "earlier pdf")); // the folder made too
        // Files may not grow past 4 KB, as on a disk that is nearly full.
        const Run r = batch({"--print-pdf", pdf, CORK_SAMPLES "/Pale Ale.ckm"}, "C", {},
                            {"bash", "-c", "ulimit -f 4 && trap '' XFSZ && exec \"$0\" \"$@\""});
        QCOMPARE(r.lines(), QStringList{"corkcrafter: The PDF could not be written to \"" + pdf + "\": File too large"});
        QVERIFY(r.code != 0);
        QCOMPARE(fileBytes(pdf), QByteArray("earlier pdf"));
        QCOMPARE(QDir(env.path("out")).entryList(QDir::Files | QDir::Hidden), QStringList{"x.pdf"});
    }

    void picturesOfABareLabelName()
    {
        const QString work = env.path("work");
        QDir().mkpath(work);
        QImage rose(40, 40, QImage::Format_RGB32);
        rose.fill(Qt::blue);
        QVERIFY(rose.save(work + "/rose.bmp"));
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewGraphic(work + "/rose.bmp"));
        QVERIFY(d.SaveLabelToFile(work + "/label.ckm"));
        QVERIFY(fileBytes(work + "/label.ckm").contains(".\\rose.bmp"));

        // Started in the label's folder with a bare file name: the picture is found.
        Run r = batch({"--print-pdf", "out.pdf", "label.ckm"}, "C", work);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY2(!r.err.contains("Unable to Load Graphic"), qPrintable(r.err));
        QVERIFY(QFileInfo(work + "/out.pdf").size() > 0);

        // A missing picture fails the job (failuresSayWhy) unless it may be left out.
        QVERIFY(QFile::remove(work + "/rose.bmp"));
        QFile::remove(work + "/out.pdf");
        r = batch({"--print-pdf", "out.pdf", "--allow-missing-pictures", "label.ckm"}, "C", work);
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(QFileInfo::exists(work + "/out.pdf"));
    }

    // Sheets go to disk as drawn, into a hidden file that becomes the target only once complete.
    void pdfGoesToDiskAsItIsDrawn()
    {
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setBackColor(0x00CCFF);
        QDir().mkpath(env.path("many"));
        const QString pdf = env.path("many/many.pdf");
        qint64 onDiskWhileDrawing = -1;
        bool targetWhileDrawing = true;
        auto status = [&](const QString& s) {
            if (s != "Writing to Print Queue")
                return;
            targetWhileDrawing = QFileInfo::exists(pdf);
            // The file being written may have no name yet (O_TMPFILE): find it
            // among the open files, in the target's folder.
            onDiskWhileDrawing = 0;
            for (const QFileInfo& fd : QDir("/proc/self/fd").entryInfoList(QDir::System | QDir::Files))
                if (QFile::symLinkTarget(fd.absoluteFilePath()).startsWith(env.path("many")))
                    onDiskWhileDrawing += QFileInfo(fd.absoluteFilePath()).size();
        };
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF());
        QString why;
        QCOMPARE(pdfout::printPdf(printjob::request(d, env.values, 50), env.platform, layout, 1200, pdf, &why, status),
                 pdfout::Result::Written);
        QVERIFY(!targetWhileDrawing);
        // Every sheet's page is there before the file is finished.
        QVERIFY2(onDiskWhileDrawing > 50 * 200, qPrintable(QString::number(onDiskWhileDrawing)));
        QCOMPARE(pages(pdf), 50);
        QCOMPARE(QDir(env.path("many")).entryList(QDir::Files | QDir::Hidden), QStringList{"many.pdf"});
    }
};

QTEST_GUILESS_MAIN(tst_Batch)
#include "tst_batch.moc"
