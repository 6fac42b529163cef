// The headless batch mode end to end: label file in, PDF out, checked by
// rasterising the page with poppler.
#include <QtTest>

#include "document/LabelDocument.h"
#include "support/TestEnv.h"

namespace {

struct Run {
    int code;
    QString err;
};

Run corkcrafter(const QStringList& args, const QString& home)
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("HOME", home); // no settings of the user's, folders in the test's own place
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_DOCUMENTS_DIR", home + "/Documents");
    env.insert("LC_ALL", "C");
    env.remove("DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");
    p.setProcessEnvironment(env);
    p.start(CORK_BINARY, args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardError())};
}

int pdfPages(const QString& pdf)
{
    QProcess p;
    p.start("pdfinfo", {pdf});
    p.waitForFinished(30000);
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(out);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

QImage rasterise(const QString& pdf, const QString& dir, int dpi)
{
    QProcess p;
    p.start("pdftoppm", {"-r", QString::number(dpi), "-png", "-f", "1", "-l", "1", "-singlefile", pdf, dir + "/page"});
    p.waitForFinished(60000);
    return QImage(dir + "/page.png");
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

    void printsSheetsToPdf()
    {
        TestEnv env;
        // A plain white label with only its cut marks, half an inch from the corner.
        LabelDocument d(env.values, env.platform, env.fixed);
        d.border().visible = false;
        d.setBackColor(0xFFFFFF);
        d.setLeftMargin(0.5);
        d.setTopMargin(0.5);
        const QString label = env.path("plain.ckm");
        QVERIFY(d.SaveLabelToFile(label));
        const QString pdf = env.path("out.pdf");
        const Run r = corkcrafter({"--print-pdf", pdf, "--copies", "3", label}, env.path("home"));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(pdfPages(pdf), 3);

        const QImage page = rasterise(pdf, env.path(""), 100);
        QVERIFY(!page.isNull());
        QCOMPARE(page.width(), 850); // Letter at 100 dpi
        // The first label's top-left cross at (0.5, 0.5) inch: dark at its arms.
        QVERIFY(dark(page, 50, 50) || dark(page, 47, 50) || dark(page, 50, 47));
        QVERIFY(dark(page, 45, 50) || dark(page, 45, 49) || dark(page, 45, 51));
        // No mark between the cross's arms, nor inside the label.
        QVERIFY(light(page, 45, 45));
        QVERIFY(light(page, 200, 200));
        // The next label's cross below it (3.75 inches down).
        QVERIFY(dark(page, 50, 425) || dark(page, 50, 424) || dark(page, 49, 425));
    }

    void sampleLabelIsNotBlank()
    {
        TestEnv env;
        const QString pdf = env.path("ale.pdf");
        const Run r = corkcrafter({"--print-pdf", pdf, CORK_SAMPLES "/Pale Ale.ckm"}, env.path("home"));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QCOMPARE(pdfPages(pdf), 1);
        const QImage page = rasterise(pdf, env.path(""), 30);
        int coloured = 0;
        for (int y = 0; y < page.height(); ++y)
            for (int x = 0; x < page.width(); ++x)
                if (std::min({qRed(page.pixel(x, y)), qGreen(page.pixel(x, y)), qBlue(page.pixel(x, y))}) < 240)
                    ++coloured; // the label's straw background, pictures, texts
        // Four 3 x 3.75 inch labels cover almost half of a Letter page.
        QVERIFY2(coloured > page.width() * page.height() / 3, qPrintable(QString::number(coloured)));
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

        r = corkcrafter({"--print-pdf", env.path("no/such/dir/x.pdf"), CORK_SAMPLES "/Pale Ale.ckm"}, env.path("home"));
        QVERIFY(r.code != 0);
        QVERIFY2(r.err.contains("Print Error: Printer not available, please check"), qPrintable(r.err));

        r = corkcrafter({"--print-pdf", env.path("x.pdf"), "--copies", "zero", CORK_SAMPLES "/Pale Ale.ckm"}, env.path("home"));
        QCOMPARE(r.code, 2);
        QVERIFY(r.err.contains("--copies takes a whole number"));

        r = corkcrafter({"--version"}, env.path("home"));
        QCOMPARE(r.code, 0);
    }
};

QTEST_GUILESS_MAIN(tst_Batch)
#include "tst_batch.moc"
