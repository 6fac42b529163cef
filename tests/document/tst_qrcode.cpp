// QR code items on the model: how a label file keeps them (byte for byte, as
// picture records a reader that does not know them passes over), what the
// painter draws for them, their commands, and their data in a print run.
#include <QtTest>

#include <QPainter>

#include "document/CkmFormat.h"
#include "document/LabelDocument.h"
#include "document/LabelPainter.h"
#include "document/QrCode.h"
#include "printing/DataMerge.h"
#include "support/DocumentFixture.h"

using namespace CKM_Header;

namespace {
// The content drawn at `pixelsPerInch`, the label's corner at the image's.
QImage render(const LabelContent& c, double pixelsPerInch)
{
    const double k = pixelsPerInch / 1440;
    QImage img(int(c.surface().width() * k), int(c.surface().height() * k), QImage::Format_RGB32);
    img.fill(Qt::magenta);
    QPainter p(&img);
    p.scale(k, k);
    labelpaint::paint(p, c);
    return img;
}
LabelContent oneCode(const QrItem& q)
{
    LabelContent c;
    c.label.LabelWidth = c.label.LabelHeight = 2;
    c.frame.visible = false;
    c.backColor = 0xFFFFFF;
    c.items.push_back(std::make_shared<const LabelItem>(q));
    return c;
}
} // namespace

class tst_QrCode : public QObject {
    Q_OBJECT
private slots:
    // The picture record's name: mark, level, colour as #RRGGBB, then the data.
    void storedNames_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<char>("level");
        QTest::addColumn<uint>("color");
        QTest::addColumn<QString>("name");
        QTest::newRow("black") << "https://brew.example/ipa" << 'M' << 0u << "<qr:M #000000>https://brew.example/ipa";
        // A colour value is 0x00BBGGRR.
        QTest::newRow("red, level H") << "${n}" << 'H' << 0x0000FFu << "<qr:H #FF0000>${n}";
        QTest::newRow("blue-green, L") << " x" << 'L' << 0x804000u << "<qr:L #004080> x";
    }
    void storedNames()
    {
        QFETCH(QString, data);
        QFETCH(char, level);
        QFETCH(uint, color);
        QFETCH(QString, name);
        const QrItem q{.data = data, .color = color, .level = level};
        QCOMPARE(qrcode::storedName(q), name);
        QCOMPARE(qrcode::fromStoredName(name), std::optional(q));
        // Names that are pictures' stay pictures.
        for (const char* picture : {"<qr:M #000000>", "<qr:X #000000>a", "qr:M #000000>a", "<qr:M #00000G>a", "..\\Graphics\\a.bmp"})
            QVERIFY2(!qrcode::fromStoredName(picture), picture);
    }

    // What a label file cannot keep of the data is refused with its reason.
    void dataThatCannotBeKept_data()
    {
        QTest::addColumn<QString>("data");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("fits") << QString(qrcode::MaxStoredData, 'a') << "";
        QTest::newRow("one too many") << QString(qrcode::MaxStoredData + 1, 'a')
                                      << "The QR code's data is 115 characters long, and a label file keeps at most 114 "
                                         "characters of it. Shorten it (a short web address can lead to a longer page).";
        QTest::newRow("empty") << "  " << "Type the data the QR code holds, such as a web address.";
        QTest::newRow("blank at the end") << "abc " << "The QR code's data cannot end with a blank.";
        QTest::newRow("outside the code page") << QString::fromUtf8("Bi\u00e8re \u0141\u00f3d\u017a")
                                               << QString::fromUtf8("A label file cannot keep these characters of the QR "
                                                                    "code's data: \u0141 \u017a.");
    }
    void dataThatCannotBeKept()
    {
        QFETCH(QString, data);
        QFETCH(QString, refusal);
        QCOMPARE(qrcode::dataRefusal(data), refusal);
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QCOMPARE(d.createNewQr(data, 'M'), refusal.isEmpty());
        QCOMPARE(d.qrCodes().size(), refusal.isEmpty() ? size_t(1) : size_t(0));
        QCOMPARE(env.platform.texts(), refusal.isEmpty() ? QStringList() : QStringList{refusal});
    }

    // Codes are picture records among the pictures, in stacking order; read back to the same bytes.
    void labelWithCodesRoundTripsByteForByte()
    {
        TestEnv env;
        QVERIFY(solid(Qt::red).save(env.values.graphicsFolder + "/rose.bmp"));
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewQr("https://brew.example/recipes/42", 'Q', 0x336699));
        setBox(*d.editActive(), QRectF(120.4, 300, 1000.6, 1000.6));
        QVERIFY(d.createNewGraphic(env.values.graphicsFolder + "/rose.bmp"));
        QVERIFY(d.createNewQr("Batch ${n} of ${total}", 'L'));
        QVERIFY(d.createNewText("Pale Ale", 0));
        const QString file = env.ctx.paths.workBase + "/Labels/codes.ckm";
        QVERIFY(d.SaveLabelToFile(file));
        const QByteArray a = fileBytes(file);
        const ParsedLabel parsed = parse(a);
        QCOMPARE(parsed.failure, ParsedLabel::None);
        QCOMPARE(std::pair(parsed.graphics.size(), parsed.texts.size()), std::pair(size_t(3), size_t(1)));
        const GraphicRecord& code = parsed.graphics[0];
        QCOMPARE(code.path, fixedField("<qr:Q #996633>https://brew.example/recipes/42", PathWidth));
        QCOMPARE(QRect(code.left, code.top, code.width, code.height), QRect(120, 300, 1001, 1001));
        QCOMPARE(parsed.graphics[1].path, fixedField("..\\Graphics\\rose.bmp", PathWidth));
        QCOMPARE(parsed.graphics[2].path, fixedField("<qr:L #000000>Batch ${n} of ${total}", PathWidth));

        LabelDocument e(env.values, env.platform, env.fixed);
        e.LoadFile(file);
        QCOMPARE(env.platform.texts(), QStringList());
        QCOMPARE(e.qrCodes().size(), size_t(2));
        const QrItem& first = e.qrCodes().at(1);
        QCOMPARE(qrcode::storedName(first), QString("<qr:Q #996633>https://brew.example/recipes/42"));
        QCOMPARE(bounds(first), QRectF(120, 300, 1001, 1001));
        // Stacked as saved: code, picture, code, then the text.
        QCOMPARE(e.content().items.size(), size_t(4));
        QVERIFY(std::holds_alternative<QrItem>(*e.content().items[0]));
        QVERIFY(std::holds_alternative<GraphicItem>(*e.content().items[1]));
        QVERIFY(std::holds_alternative<QrItem>(*e.content().items[2]));
        QVERIFY(e.SaveLabelToFile(file));
        QCOMPARE(fileBytes(file).toHex(), a.toHex());

        // To a reader that does not know codes it is a picture file that cannot exist.
        QVERIFY(!QFileInfo::exists(env.path("<qr:Q #996633>https:")));
    }

    // The modules in the code's colour, a quiet zone of four inside the box, the finder patterns;
    // a cross for data the code cannot hold.
    void paintsTheModulesOrACross()
    {
        // 21 modules and the quiet zone, 36 twips each, in RGB #804020.
        const QrItem q{.data = "HELLO", .left = 144, .top = 288, .size = 29 * 36, .color = 0x204080, .level = 'M'};
        const qrcode::Matrix m = qrcode::encode(q.data, q.level);
        QCOMPARE(m.width, 21); // the smallest code, version 1
        const QImage img = render(oneCode(q), 1440 / 6.0); // 6 pixels a module
        const QColor dark(0x80, 0x40, 0x20);
        int darkModules = 0;
        for (int y = -4; y < 25; ++y)
            for (int x = -4; x < 25; ++x) {
                const bool isDark = x >= 0 && y >= 0 && x < 21 && y < 21 && m.at(x, y);
                darkModules += isDark;
                const QPoint centre((144 + (x + 4) * 36 + 18) / 6, (288 + (y + 4) * 36 + 18) / 6);
                QCOMPARE(img.pixelColor(centre), isDark ? dark : QColor(Qt::white));
            }
        // Finder patterns: a dark ring of 7 x 7 around a light ring around a dark 3 x 3.
        for (const QPoint corner : {QPoint(0, 0), QPoint(14, 0), QPoint(0, 14)})
            for (int i = 0; i < 7; ++i) {
                QVERIFY(m.at(corner.x() + i, corner.y()) && m.at(corner.x(), corner.y() + i));
                QVERIFY(m.at(corner.x() + 3, corner.y() + 3));
                QVERIFY(i == 0 || i == 6 || !m.at(corner.x() + i, corner.y() + 1));
            }
        QVERIFY(darkModules > 150 && darkModules < 300);
        // The module edges are sharp: a module's corner pixel is the module's own colour.
        QCOMPARE(img.pixelColor((144 + 4 * 36) / 6, (288 + 4 * 36) / 6), dark);
        QCOMPARE(img.pixelColor((144 + 4 * 36) / 6 - 1, (288 + 4 * 36) / 6 - 1), QColor(Qt::white));

        // Data too long for the level: the box is crossed out, no module is drawn.
        const QrItem tooMuch{.data = QString(2000, 'x'), .size = 1440, .level = 'H'};
        QCOMPARE(qrcode::encodeProblem(tooMuch.data, 'H'),
                 QString("2000 bytes of data are too many for a QR code at level H"));
        QCOMPARE(qrcode::encodeProblem(tooMuch.data, 'L'), QString());
        QCOMPARE(qrcode::encodeProblem("", 'L'), QString("a QR code needs some data"));
        const QImage crossed = render(oneCode(tooMuch), 144);
        // The diagonals, and nothing in the quarters between them and the note.
        QVERIFY(qGray(crossed.pixel(30, 30)) < 40 && qGray(crossed.pixel(114, 30)) < 40);
        QCOMPARE(crossed.pixelColor(72, 20), QColor(Qt::white));
        QCOMPARE(crossed.pixelColor(20, 120), QColor(Qt::white));
    }

    // Moved, resized (always square), stacked, copied, pasted, deleted and undone like any item.
    void behavesLikeAnyItem()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewText("Stout", 0));
        QVERIFY(d.createNewQr("https://brew.example", 'H'));
        // Under the frame, with the pictures: before the text.
        QVERIFY(std::holds_alternative<QrItem>(*d.content().items[0]));
        const QrItem made = d.qrCodes().at(1);
        QCOMPARE(made.size, 1440.0);
        QCOMPARE(bounds(made).center(), QPointF(d.surfaceWidth() / 2.0, d.surfaceHeight() / 2.0));
        LabelItem* item = d.editActive();
        setBox(*item, QRectF(10, 20, 500, 700));
        QCOMPARE(bounds(*item), QRectF(10, 20, 700, 700));
        QVERIFY(alwaysSquare(*item) && resizable(*item) && movesLive(*item));
        d.nudge(15, 0);
        QCOMPARE(bounds(*d.activeItem()), QRectF(25, 20, 700, 700));
        QVERIFY(d.setActiveQr("https://brew.example/stout", 'L'));
        QCOMPARE(qrcode::storedName(*d.activeQr()), QString("<qr:L #000000>https://brew.example/stout"));

        QVERIFY(d.copySelectedToClipboard(false));
        QVERIFY(d.pasteFromClipboard());
        QCOMPARE(d.qrCodes().size(), size_t(2));
        const QrItem& pasted = *d.activeQr();
        QCOMPARE(std::pair(pasted.index, pasted.size), std::pair(2, 700.0));
        QCOMPARE(qrcode::storedName(pasted), QString("<qr:L #000000>https://brew.example/stout"));

        d.deleteSelectedObject(false);
        QCOMPARE(d.qrCodes().size(), size_t(1));
        d.undoStep(); // the delete
        QCOMPARE(d.qrCodes().size(), size_t(2));
        d.undoStep(); // the paste
        d.undoStep(); // the edit
        QCOMPARE(d.qrCodes().at(1).data, QString("https://brew.example"));
    }

    // Each label's code gets its own data; one that cannot be made is named by its label.
    void eachLabelHasItsOwnData()
    {
        const QrItem q{.data = "https://brew.example/${Beer}/${n:03}", .size = 1440, .level = 'H', .index = 1};
        LabelContent c = oneCode(q);
        merge::Source src;
        auto table = std::make_shared<csv::Table>();
        QString error;
        QVERIFY(csv::parse("Beer\nipa\nstout\n" + QByteArray(1500, 'z') + "\n", *table, &error));
        src.data = table;
        const merge::Run run(c, src);
        QVERIFY(run.active() && run.qrFields());
        QCOMPARE(std::get<QrItem>(*run.label(0, 1).items[0]).data, QString("https://brew.example/ipa/001"));
        QCOMPARE(std::get<QrItem>(*run.label(1, 1).items[0]).data, QString("https://brew.example/stout/002"));
        QCOMPARE(run.qrProblem(1, 1), QString());
        QCOMPARE(run.qrProblem(2, 1), QString("1525 bytes of data are too many for a QR code at level H"));
        // The label itself still holds the data as typed.
        QCOMPARE(std::get<QrItem>(*c.items[0]).data, q.data);
    }
};

QTEST_MAIN(tst_QrCode)
#include "tst_qrcode.moc"
