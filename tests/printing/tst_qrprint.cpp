// QR codes from the menu to the paper, read back from printed PDFs with a real decoder (zxing).
#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>

#ifdef CORK_HAVE_ZXING
#define ZX_USE_UTF8
#include <ZXing/ReadBarcode.h>
#endif

#include "app/Colors.h"
#include "dialogs/frmQrInput.h"
#include "document/LabelView.h"
#include "document/QrCode.h"
#include "printing/PdfTools.h"
#include "support/DocumentFixture.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

namespace {

// The texts of every QR code on every page of the PDF, rasterised at 300 dpi.
// The decoder is given one code at a time: the dark places of the page are
// grouped in cells of a tenth of an inch, and each group of touching cells is
// cut out with a margin (a cut mark is a group too, and decodes to nothing).
QStringList decodedTexts(const QString& pdf)
{
    QStringList texts;
#ifdef CORK_HAVE_ZXING
    constexpr int Cell = 30;
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode);
    hints.setTryHarder(true);
    for (int page = 1, n = pdftools::pages(pdf); page <= n; ++page) {
        const QImage img = pdftools::rasterise(pdf, 300, page).convertToFormat(QImage::Format_Grayscale8);
        const int cw = (img.width() + Cell - 1) / Cell, ch = (img.height() + Cell - 1) / Cell;
        std::vector<bool> dark(size_t(cw * ch), false); // cleared once a group has taken the cell
        for (int y = 0; y < img.height(); ++y)
            for (int x = 0; x < img.width(); ++x)
                if (img.constScanLine(y)[x] < 128)
                    dark[size_t(y / Cell * cw + x / Cell)] = true;
        for (int c = 0; c < cw * ch; ++c) {
            if (!dark[size_t(c)])
                continue;
            QRect box;
            std::vector<int> todo{c};
            dark[size_t(c)] = false;
            while (!todo.empty()) {
                const int at = todo.back();
                todo.pop_back();
                box |= QRect(at % cw, at / cw, 1, 1);
                for (int dy = -1; dy <= 1; ++dy)
                    for (int dx = -1; dx <= 1; ++dx) {
                        const int x = at % cw + dx, y = at / cw + dy;
                        if (x >= 0 && y >= 0 && x < cw && y < ch && dark[size_t(y * cw + x)]) {
                            dark[size_t(y * cw + x)] = false;
                            todo.push_back(y * cw + x);
                        }
                    }
            }
            const QRect around = QRect(box.topLeft() * Cell, box.size() * Cell).adjusted(-Cell, -Cell, Cell, Cell);
            const QImage cut = img.copy(around & img.rect());
            const ZXing::ImageView view(cut.constBits(), cut.width(), cut.height(), ZXing::ImageFormat::Lum,
                                        int(cut.bytesPerLine()));
            if (const ZXing::Result r = ZXing::ReadBarcode(view, hints); r.isValid())
                texts << QString::fromStdString(r.text());
        }
    }
#else
    Q_UNUSED(pdf);
#endif
    texts.sort();
    return texts;
}

// A 2 x 2 inch label with these codes side by side, saved at `file`.
void saveLabel(TestEnv& env, const QString& file, const QList<std::pair<QString, char>>& codes)
{
    LabelDocument d(env.values, env.platform, env.fixed);
    // Two codes side by side need a wider label.
    d.setLabelDimensions(labelcode::Custom, 2, codes.size() > 1 ? 3.5 : 2);
    d.resizeLabel();
    d.setBorderVisible(false);
    double left = 200;
    for (const auto& [data, level] : codes) {
        QVERIFY(d.createNewQr(data, level));
        setBox(*d.editActive(), QRectF(left, 700, 1300, 1300));
        left += 1400;
    }
    QVERIFY(d.SaveLabelToFile(file));
}

} // namespace

class tst_QrPrint : public QObject {
    Q_OBJECT
private slots:
    // The command asks for data and level (data a file cannot keep is refused); a double click edits.
    void insertedAndEditedThroughTheDialog()
    {
        MainWithLabel w;
        QAction* insert = w.action("mnuGraphicInsertQr");
        QCOMPARE(w.m.button("Add QR Code"), insert);
        input::whenModal<frmQrInput>([](frmQrInput* dlg) {
            QTest::keyClicks(dlg->txtQrData(), QString(qrcode::MaxStoredData + 1, 'a'));
            QTest::mouseClick(dlg->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
            QVERIFY(dlg->isVisible()); // refused, still open
            dlg->txtQrData()->clear();
            QTest::keyClicks(dlg->txtQrData(), "https://brew.example/ipa  ");
            dlg->cboQrLevel()->setCurrentIndex(3);
            QCOMPARE(dlg->color(), ColorValue(0));
            QTest::mouseClick(dlg->cmdQrColor(), Qt::LeftButton); // cancelled: still black
            QTest::mouseClick(dlg->cmdQrColor(), Qt::LeftButton);
            QTest::mouseClick(dlg->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        const ColorValue wine = colors::rgb(0x72, 0x2F, 0x37);
        const QString inWine = " " + QString::number(wine);
        // A code's data, level and colour.
        auto qr = [](const QrItem& q) {
            return QString("%1 %2 %3").arg(q.data).arg(QLatin1Char(q.level)).arg(q.color);
        };
        w.env.platform.colorAnswers = {std::nullopt, wine};
        insert->trigger();
        QVERIFY(w.env.platform.colorAnswers.empty()); // both colour choosers were shown
        QCOMPARE(w.env.platform.texts().size(), 1);
        QVERIFY(w.env.platform.texts()[0].startsWith("The QR code's data is 115 characters long"));
        QCOMPARE(w.doc()->qrCodes().size(), size_t(1));
        const QrItem made = *w.doc()->activeQr();
        QCOMPARE(qr(made), "https://brew.example/ipa H" + inWine);
        QCOMPARE(w.action("mnuEditUndo")->text(), QString("&Undo New QR Code"));
        // The item commands follow the selected code.
        for (const char* name : {"mnuEditDelete", "mnuViewBringForward", "mnuViewSendBack"})
            QVERIFY2(w.action(name)->isEnabled(), name);

        input::whenModal<frmQrInput>([wine](frmQrInput* dlg) {
            QCOMPARE(dlg->txtQrData()->text(), QString("https://brew.example/ipa"));
            QCOMPARE(dlg->cboQrLevel()->currentIndex(), 3);
            QCOMPARE(dlg->color(), wine);
            dlg->txtQrData()->selectAll();
            QTest::keyClicks(dlg->txtQrData(), "https://brew.example/stout/${n}");
            dlg->cboQrLevel()->setCurrentIndex(0);
            QTest::mouseClick(dlg->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        LabelView* view = w.doc()->findChild<LabelView*>("picLabelView");
        QVERIFY(view);
        QTest::mouseDClick(view, Qt::LeftButton, {}, input::px(view, bounds(made).center()));
        QCOMPARE(qr(*w.doc()->activeQr()), "https://brew.example/stout/${n} L" + inWine); // the colour kept
        QCOMPARE(w.action("mnuEditUndo")->text(), QString("&Undo Edit QR Code"));

        // A new colour is part of the edit's one step.
        const ColorValue green = colors::rgb(0, 0x80, 0);
        w.env.platform.colorAnswers = {green};
        input::whenModal<frmQrInput>([](frmQrInput* dlg) {
            QTest::mouseClick(dlg->cmdQrColor(), Qt::LeftButton);
            QTest::mouseClick(dlg->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        QTest::mouseDClick(view, Qt::LeftButton, {}, input::px(view, bounds(made).center()));
        QCOMPARE(w.doc()->activeQr()->color, green);
        const QString bytes = qrcode::storedName(*w.doc()->activeQr());
        QVERIFY2(bytes.startsWith("<qr:L #008000>"), qPrintable(bytes));
        w.action("mnuEditUndo")->trigger();
        QCOMPARE(qr(w.doc()->qrCodes().at(made.index)), "https://brew.example/stout/${n} L" + inWine);
    }

    // Each printed label's code decodes to that label's text: two codes on a label, 50 labels of data.
    void printedCodesDecode_data()
    {
        QTest::addColumn<QStringList>("codes"); // data, one per code (level H for the second)
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QStringList>("expected"); // each text once (a full sheet repeats them)
        QTest::newRow("two codes on one label")
            << QStringList{"https://brew.example/recipes/pale-ale", "Bottled 2024-05-01, batch 7"} << QByteArray()
            << QStringList{"Bottled 2024-05-01, batch 7", "https://brew.example/recipes/pale-ale"};
        QByteArray csv = "Batch,Style\n";
        QStringList fifty;
        for (int i = 1; i <= 50; ++i) {
            const QString style = i % 3 ? "ipa" : "stout";
            csv += QString("B%1,%2\n").arg(i).arg(style).toUtf8();
            fifty << QString("https://brew.example/log/B%1?style=%2&n=%3").arg(i).arg(style).arg(i, 3, 10, QChar('0'));
        }
        fifty.sort();
        QTest::newRow("50 labels from data") << QStringList{"https://brew.example/log/${Batch}?style=${Style}&n=${n:03}"}
                                             << csv << fifty;
    }
    void printedCodesDecode()
    {
#ifndef CORK_HAVE_ZXING
        QSKIP("the zxing decoder (libzxing-dev) is not installed: scripts/deps --test installs it");
#endif
        QFETCH(QStringList, codes);
        QFETCH(QByteArray, csv);
        QFETCH(QStringList, expected);
        TestEnv env;
        QList<std::pair<QString, char>> levels;
        for (int i = 0; i < codes.size(); ++i)
            levels.append({codes[i], i == 1 ? 'H' : 'M'});
        const QString label = env.path("codes.ckm"), pdf = env.path("codes.pdf");
        saveLabel(env, label, levels);
        QStringList args{"--print-pdf", pdf, label};
        if (!csv.isEmpty()) {
            QVERIFY(writeFile(env.path("rows.csv"), csv));
            args = QStringList{"--data", env.path("rows.csv")} + args;
        }
        const pdftools::Run r = pdftools::batch(args, env.path("home"));
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QStringList got = decodedTexts(pdf);
        if (csv.isEmpty()) { // a full sheet of the same label: each code as often as the labels
            QVERIFY(!got.isEmpty() && got.count(expected[0]) == got.size() / 2);
            got.removeDuplicates();
        }
        QCOMPARE(got, expected);
    }
};

QTEST_MAIN(tst_QrPrint)
#include "tst_qrprint.moc"
