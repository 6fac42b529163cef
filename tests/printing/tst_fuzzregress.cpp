// The fuzzers' finds (tests/data/fuzz) and seeds, replayed as the sheet fuzzer runs them: each
// must load, paint and print (or be refused) without a crash or hang.
#include <QPainter>
#include <QtTest>

#include "document/LabelDocument.h"
#include "document/LabelPainter.h"
#include "printing/PrintJob.h"
#include "support/RecordingSurface.h"
#include "support/TestEnv.h"

class tst_FuzzRegress : public QObject {
    Q_OBJECT
private slots:
    void replaysEveryInput()
    {
        QStringList inputs;
        for (const QString& dir : {QStringLiteral(CORK_TEST_DATA "/fuzz"), QStringLiteral(CORK_FUZZ_CORPUS)})
            for (const QFileInfo& fi : QDir(dir).entryInfoList(QDir::Files))
                inputs << fi.absoluteFilePath();
        QVERIFY(inputs.size() >= 3);
        for (const QString& input : inputs) {
            TestEnv env(true);
            LabelDocument doc(env.values, env.platform, env.real);
            doc.saveFileName = doc.saveTitle = input;
            doc.LoadFile(input);
            {
                QImage img(64, 64, QImage::Format_RGB32);
                QPainter p(&img);
                p.scale(64.0 / std::max(1, doc.surfaceWidth()), 64.0 / std::max(1, doc.surfaceHeight()));
                labelpaint::paint(p, doc.content());
            }
            printjob::Request request = printjob::request(doc, env.values);
            request.columnSpace = doc.getColumnSpace();
            request.rowSpace = doc.getRowSpace();
            for (int16_t mode = 0; mode <= 3; ++mode) {
                doc.setCutmarks(mode);
                RecordingSurface s;
                s.printer = true;
                const bool printed = printjob::printLabels(request, s, env.platform);
                // Refused sheets say so and draw nothing.
                if (!printed) {
                    QVERIFY2(env.platform.texts().last().startsWith("The sheet cannot be printed"), qPrintable(input));
                    QCOMPARE(s.count("label") + s.count("line"), 0);
                }
                QVERIFY2(s.calls.size() < 5'000'000, qPrintable(input));
            }
        }
    }
};

QTEST_MAIN(tst_FuzzRegress)
#include "tst_fuzzregress.moc"
