// Several label designs printed together by the batch mode, read back from the PDF with poppler.
#include <QtTest>
#include <QPainter>

#include "app/CommandLine.h"
#include "document/LabelDocument.h"
#include "PdfTools.h"
#include "support/TestEnv.h"

using namespace pdftools;

namespace {

// The words of a page in the order the sheet is walked, down each column (180 points apart).
QList<Word> walked(const QString& pdf, int page)
{
    QList<Word> out = words(pdf, page);
    std::sort(out.begin(), out.end(), [](const Word& a, const Word& b) {
        return std::pair(int(a.box.x() / 90), a.box.y()) < std::pair(int(b.box.x() / 90), b.box.y());
    });
    return out;
}

QStringList texts(const QList<Word>& w)
{
    QStringList t;
    for (const Word& x : w)
        t << x.text;
    return t;
}

} // namespace

class tst_MixedSheet : public QObject {
    Q_OBJECT
    TestEnv env;
    QString home = env.path("home");

    // A square label holding "NAME-${n}", twelve to a Letter sheet, with cut marks to compare.
    QString label(const QString& name, double inches = 2.5)
    {
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setLabelDimensions(labelcode::Custom, inches, inches);
        d.resizeLabel();
        d.border().visible = false;
        d.setBackColor(0xFFFFFF);
        d.setLeftMargin(0.25);
        d.setTopMargin(0.25);
        d.setCutmarks(labelcode::InsideOutside);
        if (!d.createNewText(name + "-${n}", 0))
            return {};
        d.setTextFontSize("10");
        d.setTextAlignment(labelcode::AlignLeft); // its left edge stays where it is, whatever the number
        d.setTextPosition(200, 300);
        const QString path = env.path(name + ".ckm");
        return d.SaveLabelToFile(path) ? path : QString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(pdftools::installed(), pdftools::Missing);
        for (const char* name : {"Pale", "Stout", "Porter"})
            QVERIFY(!label(name).isEmpty());
        QVERIFY(!label("Small", 2).isEmpty());
    }

    // 3 designs x 4 take a single design's sheet's places in the order asked, numbered 1 to 12.
    void designsTakeTheSingleSheetsPositions()
    {
        const QString single = env.path("single.pdf"), mixed = env.path("mixed.pdf");
        QCOMPARE(batch({"--print-pdf", single, env.path("Pale.ckm")}, home).code, 0);
        const Run r = batch({"--print-pdf", mixed, env.path("Pale.ckm=4"), env.path("Stout.ckm") + "=4",
                             env.path("Porter.ckm") + "=4"},
                            home);
        QCOMPARE(r.code, 0);
        QCOMPARE(r.lines(), QStringList());
        QCOMPARE(pages(mixed), 1);
        const QList<Word> one = walked(single, 1), several = walked(mixed, 1);
        QCOMPARE(one.size(), 12);
        QStringList want;
        for (int n = 1; n <= 12; ++n)
            want << QString("%1-%2").arg(n <= 4 ? "Pale" : n <= 8 ? "Stout" : "Porter").arg(n);
        QCOMPARE(texts(several), want);
        for (int i = 0; i < 12; ++i) // the designs' texts start at the same place of their label
            QCOMPARE((several[i].box.topLeft() * 100).toPoint(), (one[i].box.topLeft() * 100).toPoint());
        // The texts blanked out, the two pages are the same picture (the same cut marks).
        QImage a = rasterise(single, 72), b = rasterise(mixed, 72);
        for (QImage* img : {&a, &b}) {
            QPainter p(img);
            for (const Word& w : one)
                p.fillRect(QRectF(w.box.topLeft() - QPointF(2, 2), QSizeF(80, 18)), Qt::white);
        }
        QCOMPARE(a, b);
        int ink = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x)
                ink += qGray(a.pixel(x, y)) < 250;
        QVERIFY(ink > 100); // the marks are there at all
    }

    // 3 x 50 labels over sheets of 12, each once and in order; --copies repeats the list, --start skips.
    void manyLabelsSpreadOverSheets_data()
    {
        QTest::addColumn<QStringList>("extra");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("skipped");
        QTest::addColumn<int>("sheets");
        QTest::newRow("3 x 50") << QStringList() << 1 << 0 << 13;
        QTest::newRow("twice") << QStringList{"--copies", "2"} << 2 << 0 << 25;
        QTest::newRow("from label 5") << QStringList{"--start", "5"} << 1 << 4 << 13;
        QTest::newRow("from label 8") << QStringList{"--start", "8"} << 1 << 7 << 14;
    }
    void manyLabelsSpreadOverSheets()
    {
        QFETCH(QStringList, extra);
        QFETCH(int, copies);
        QFETCH(int, skipped);
        QFETCH(int, sheets);
        const QString pdf = env.path("many.pdf");
        const Run r = batch(QStringList{"--print-pdf", pdf} + extra +
                                QStringList{env.path("Pale.ckm=50"), env.path("Stout.ckm=50"), env.path("Porter.ckm=50")},
                            home);
        QCOMPARE(r.code, 0);
        QCOMPARE(pages(pdf), sheets);
        QStringList all;
        for (int page = 1; page <= sheets; ++page) {
            const QStringList here = texts(walked(pdf, page));
            QCOMPARE(here.size(), page == 1 ? std::min(12 - skipped, 150 * copies)
                                  : page < sheets ? 12 : 150 * copies - (all.size()));
            all << here;
        }
        QStringList want;
        for (int n = 1; n <= 150 * copies; ++n) {
            const int within = (n - 1) % 150;
            want << QString("%1-%2").arg(within < 50 ? "Pale" : within < 100 ? "Stout" : "Porter").arg(n);
        }
        QCOMPARE(all, want);
    }

    // Refused prints: one line telling why, its exit code, no PDF.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("labels");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("err");
        QTest::newRow("another size") << QStringList{"Pale.ckm=4", "Small.ckm=4"} << 3
            << "corkcrafter: \"$T/Small.ckm\" is 2.000 x 2.000 in, not the 2.500 x 2.500 in of \"$T/Pale.ckm\": labels "
               "printed together must be the same size. Nothing was printed.";
        QTest::newRow("unreadable") << QStringList{"Pale.ckm=4", "Lager.ckm=4"} << 2
                                    << "corkcrafter: File \"$T/Lager.ckm\" Not Found";
        QTest::newRow("no count") << QStringList{"Pale.ckm=4", "Stout.ckm"} << 2
            << "corkcrafter: printing several label files, each needs its number of labels, as in \"$T/Stout.ckm=4\"";
        QTest::newRow("zero") << QStringList{"Pale.ckm=0"} << 2
            << "corkcrafter: a label file's number of labels (FILE=N) is a whole number from 1 to 99999, not \"0\"";
        QTest::newRow("data") << QStringList{"--data", "rows.csv", "Pale.ckm=4", "Stout.ckm=4"} << 2
            << "corkcrafter: --data fills the fields of one label file; it cannot be used with several";
        // A name with "=" but no number after it is a file name.
        QTest::newRow("= in a name") << QStringList{"a=b.ckm"} << 2 << "corkcrafter: File \"$T/a=b.ckm\" Not Found";
    }
    void refusals()
    {
        QFETCH(QStringList, labels);
        QFETCH(QString, err);
        const QString pdf = env.path("refused.pdf");
        for (QString& l : labels)
            if (!l.startsWith("--"))
                l = env.path(l);
        const Run r = batch(QStringList{"--print-pdf", pdf} + labels, home);
        QTEST(r.code, "code");
        QCOMPARE(r.lines().value(0), err.replace("$T/", env.path("")));
        QVERIFY(!QFileInfo::exists(pdf));
    }
};

QTEST_GUILESS_MAIN(tst_MixedSheet)
#include "tst_mixedsheet.moc"
