// Text items (creation, wrap, formatting, the text dialog) and picture items
// (fit, reload, aspect, metafiles, the external editor).
#include <QtTest>
#include <QLabel>
#include <QCheckBox>
#include <QComboBox>
#include <QPlainTextEdit>
#include <QPushButton>

#include "dialogs/frmTextInput.h"
#include "document/LabelDocument.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "document/PictureCache.h"
#include "platform/WmfPicture.h"
#include "support/DocumentFixture.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"
#include "support/Wmf.h"

using input::whenModal;

class tst_Items : public QObject {
    Q_OBJECT
private slots:
    // A new text is centred with its box; its size is shown as the size box lists it; autofit wraps it.
    void newTextItsFontSizeAndAutofit()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        d.setTextFontSize("12"); // nothing active: nothing happens
        QVERIFY(d.createNewText("Ale", 90));
        QCOMPARE(bounds(*d.activeText()), QRectF((4320 - 360) / 2.0, (5400 - 260) / 2.0, 360, 260));
        d.setTextFontSize("7");
        QCOMPARE(d.activeText()->font.size, 7.0);
        // Whole points, and halves.
        for (const auto& [size, shown] : {std::pair(8.25, "8"), std::pair(10.5, "10.5"), std::pair(10.8, "10.5")}) {
            d.activeText()->font.size = size;
            QCOMPARE(d.getTextFontSize(), QString(shown));
        }
        d.setTextFontSize("abc");
        QCOMPARE(d.activeText()->font.size, 10.8);

        // The next item takes the current formatting (the host's boxes: tst_document) and is as high as its lines.
        env.values.fontSize = "12";
        env.values.textColor = 0x0000FF;
        QVERIFY(d.createNewText("Two\r\nlines", 0));
        QCOMPARE(d.getTextColor(), ColorValue(0x0000FF));
        QCOMPARE(d.getTextHeight(), int16_t(2 * 200 + 60));

        auto width = [](const QString& s) { return FixedMeasurer().measure(s, {}).width(); };
        // 3-inch label: limit 3240, so a line may hold at most 32 characters.
        QCOMPARE(textlayout::autofitWrap("The quick brown fox jumps over the lazy dog", 3.0, width),
                 QString("The quick brown fox jumps over\r\nthe lazy dog"));
        // A word wider than the limit becomes the limit: nothing joins next to it.
        QCOMPARE(textlayout::autofitWrap("Extraordinarilylongwordthatexceedsit ok no", 3.0, width),
                 QString("Extraordinarilylongwordthatexceedsit\r\nok\r\nno"));
        QCOMPARE(textlayout::autofitWrap("   ", 3.0, width), QString("   "));
        QCOMPARE(textlayout::autofitWrap("  Ale  ", 3.0, width), QString("Ale"));
        env.values.dialogAutofit = true;
        QVERIFY(d.createNewText("The quick brown fox jumps over the lazy dog", 0));
        QCOMPARE(d.getTextText(), QString("The quick brown fox jumps over\r\nthe lazy dog"));
        QCOMPARE(d.getTextWidth(), int16_t(3000 + 60));
    }

    void textDialogProtocol()
    {
        MainWithLabel fixture;
        TestEnv& env = fixture.env;
        frmMain& main = fixture.m;
        frmDocument* doc = main.activeDocument();

        whenModal<frmTextInput>([](frmTextInput* dlg) {
            QVERIFY(!dlg->chkAutoFit()->isChecked());
            dlg->txtInput()->setPlainText("Ignored");
            dlg->findChild<QPushButton*>("CancelButton")->click();
        });
        main.action("mnuTextNew")->trigger();
        QCOMPARE(int(doc->texts().size()), 0);
        QVERIFY(env.store.contains("Text", "Left")); // where it was, for next time

        whenModal<frmTextInput>([&](frmTextInput* dlg) {
            dlg->txtInput()->setPlainText("Pale\nAle");
            dlg->cboRotation()->setCurrentText("abc");
            dlg->OKButton_Click(); // refused, the dialog stays open
            QVERIFY(dlg->isVisible());
            QVERIFY(env.platform.texts().last().startsWith("The rotation angle must be a number"));
            dlg->cboRotation()->setCurrentText("270");
            dlg->chkAutoFit()->setChecked(true);
            dlg->findChild<QPushButton*>("OKButton")->click();
        });
        main.action("mnuTextNew")->trigger();
        QCOMPARE(int(doc->texts().size()), 1);
        // Autofit joins lines that fit the label, the typed break included.
        QCOMPARE(doc->getTextText(), QString("Pale Ale"));
        QCOMPARE(doc->activeText()->rotation, int16_t(270));

        // A new angle alone is one step; the rotate commands turn a quarter each way, one step each.
        const int steps = doc->history().count(), index = doc->activeTextIndex();
        const auto rotation = [&] { return doc->texts().at(index).rotation; };
        whenModal<frmTextInput>([](frmTextInput* dlg) {
            dlg->cboRotation()->setCurrentText("45");
            dlg->findChild<QPushButton*>("OKButton")->click();
        });
        main.action("mnuTextEdit")->trigger();
        QCOMPARE(rotation(), int16_t(45));
        QCOMPARE(doc->history().count(), steps + 1);
        // The text toolbar's buttons (the Graphic menu's entries stay hidden).
        QVERIFY(main.button("Rotate Text Left")->isEnabled());
        main.button("Rotate Text Left")->trigger();
        QCOMPARE(rotation(), int16_t(135));
        main.button("Rotate Text Right")->trigger();
        main.button("Rotate Text Right")->trigger();
        QCOMPARE(rotation(), int16_t(315));
        QCOMPARE(doc->history().count(), steps + 4);
        for (const int16_t back : {45, 135, 45, 270}) {
            main.action("mnuEditUndo")->trigger();
            QCOMPARE(rotation(), back);
        }
        QCOMPARE(doc->texts().at(index).text, QString("Pale Ale"));
        doc->SelectNothing();
        QVERIFY(!main.button("Rotate Text Left")->isEnabled() && !main.button("Rotate Text Right")->isEnabled());

        // Reopened: autofit unchecked; characters a file cannot keep are named and underlined; 16,384
        // lines (a break counts two) are refused with the focus on the text, to shorten it.
        const QString lines = QString("a\n").repeated(16383) + "a";
        bool stayedOpen = false, focusOnText = false;
        whenModal<frmTextInput>([&](frmTextInput* dlg) {
            QVERIFY(!dlg->chkAutoFit()->isChecked());
            QLabel* note = dlg->lblNotKept();
            for (const QChar c : QString::fromUtf8("Pivo \u017e \u0148 \u0141\u00f3d\u017a \u0148"))
                QTest::sendKeyEvent(QTest::Click, dlg->txtInput(), Qt::Key_unknown, QString(c), Qt::NoModifier);
            QVERIFY(note->isVisible());
            QCOMPARE(note->text(), QString::fromUtf8("A label file cannot keep these characters; saving would turn "
                                                     "each into \"?\": \u0148 \u0141 \u017a"));
            QStringList marked;
            for (const QTextEdit::ExtraSelection& m : dlg->txtInput()->extraSelections())
                marked << m.cursor.selectedText();
            QCOMPARE(marked, QStringList({"ň", "Ł", "ź", "ň"}));
            dlg->txtInput()->setPlainText(QString::fromUtf8("Pivo \u017e"));
            QVERIFY(note->isHidden());
            QVERIFY(dlg->txtInput()->extraSelections().isEmpty());
            dlg->txtInput()->setPlainText(lines);
            dlg->findChild<QPushButton*>("OKButton")->click();
            stayedOpen = dlg->isVisible();
            focusOnText = dlg->focusWidget() == dlg->txtInput();
            dlg->txtInput()->setPlainText(lines.left(32767 / 3 * 2));
            dlg->findChild<QPushButton*>("OKButton")->click();
        });
        main.action("mnuTextNew")->trigger();
        QCOMPARE(int(doc->texts().size()), 2);
        QCOMPARE(doc->getTextText(), lines.left(32767 / 3 * 2).replace("\n", "\r\n"));
        QVERIFY(stayedOpen && focusOnText);
        QCOMPARE(env.platform.texts().last(), "A text on a label can be at most 32,767 characters long (a line break "
                                              "counts as two), and this one has 49150.");

        // The colour chosen for the selected text is also the next one's (the other formats: tst_undo).
        env.platform.colorAnswers = {0x00FF00};
        main.action("mnuTextColor")->trigger();
        QCOMPARE(doc->getTextColor(), ColorValue(0x00FF00));
        QCOMPARE(env.values.textColor, ColorValue(0x00FF00));
    }

    void picturesFittedOrRefused()
    {
        TestEnv env;
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(writeFile(env.path("broken.png"), "\x89PNG\r\n\x1a\n garbage that is not a picture"));
        QVERIFY(!d.createNewGraphic(env.path("broken.png")));
        QVERIFY(env.platform.texts().last().startsWith("Unable to load the picture \"" + env.path("broken.png") + "\""));
        QVERIFY(!d.createNewGraphic(env.path("missing.jpg")));
        QVERIFY(!d.createNewGraphic("?3"));
        QCOMPARE(env.platform.shown.last().text, QString("Internal Paste error"));
        QVERIFY(d.graphics().empty());
        QVERIFY(!d.isChanged());

        // From the clipboard: the path after the marker becomes the item's path.
        env.platform.clipboard = solid(Qt::green, 20, 10);
        QVERIFY(d.createNewGraphic("?1"));
        QCOMPARE(d.activeGraphic()->tag, QString("0"));
        QCOMPARE(d.activeGraphic()->natural, QSizeF(300, 150));
        QVERIFY(d.createNewGraphic("?2/old/place.bmp"));
        QCOMPARE(d.getActiveGraphicSpecs(), QString("/old/place.bmp"));
        // Items without a file are never reloaded.
        d.refreshGraphic("");
        QCOMPARE(d.graphics().at(1).picture.pixelColor(0, 0), QColor(Qt::green));

        // Pictures from files: at their own size, or made smaller to fit the label.
        for (const auto& [natural, w, h] : {std::tuple(QSizeF(1440, 1440), 1440, 1440),
                                            std::tuple(QSizeF(6000, 3000), 3240, 1620),
                                            std::tuple(QSizeF(4000, 9000), 1872, 4212)}) {
            offerPicture(env, "/p/fit.bmp", natural);
            QVERIFY(d.createNewGraphic("/p/fit.bmp"));
            QCOMPARE(bounds(*d.activeGraphic()), QRectF((4320 - w) / 2.0, (5400 - h) / 2.0, w, h));
        }
    }

    // Metafiles at their natural size; pictures held as RGB32 or premultiplied ARGB32, colours
    // exact; copies for a size made once; pictures reloaded after their editor.
    void metafilesPictureFormatsAndTheEditor()
    {
        TestEnv env;
        const QString file = env.path("bottle.wmf");
        QVERIFY(writeFile(file, makeWmf(2880, 1440, 1440))); // 2 x 1 inches
        LabelDocument d(env.values, env.platform, env.fixed);
        QVERIFY(d.createNewGraphic(file));
        QCOMPARE(QSizeF(d.activeGraphic()->width, d.activeGraphic()->height), QSizeF(2880, 1440));
        QVERIFY(writeFile(env.path("bad.wmf"), QByteArray("\xD7\xCD\xC6\x9A", 4) + QByteArray(30, '\0')));
        QVERIFY(!loadPictureFile(env.path("bad.wmf")).ok());

        // A header without units or with an empty frame is no picture.
        QVERIFY(writeFile(env.path("nounits.wmf"), makeWmf(2880, 1440, 0)));
        QCOMPARE(loadPictureFile(env.path("nounits.wmf")).error, QString("The metafile's header is damaged"));
        QVERIFY(writeFile(env.path("flat.wmf"), makeWmf(2880, 0, 1440)));
        QVERIFY(!loadPictureFile(env.path("flat.wmf")).ok());

        // A tiny file claiming 20,000 x 20,000 pixels: kept at most 16 MB, drawn at the size it is drawn at.
        QVERIFY(writeFile(env.path("huge.wmf"), makeWmf(20000, 20000, 96)));
        const PictureData huge = loadPictureFile(env.path("huge.wmf"));
        QVERIFY2(huge.ok(), qPrintable(huge.error));
        QCOMPARE(huge.naturalTwips, QSizeF(300000, 300000));
        QVERIFY(huge.image.sizeInBytes() <= 16 * 1024 * 1024);
        QVERIFY(huge.vector);
        GraphicItem g;
        g.picture = huge.image;
        g.vector = huge.vector;
        pictures::ScaledCache cache;
        const QImage drawn = cache.picture(g, QSize(600, 300));
        QCOMPARE(drawn.size(), QSize(600, 300));
        QCOMPARE(drawn.pixelColor(300, 150), QColor(Qt::red));
        QCOMPARE(cache.picture(g, QSize(600, 300)).cacheKey(), drawn.cacheKey()); // made once
        // However large a box asks for it, never more than 16 million pixels.
        QVERIFY(cache.picture(g, QSize(20000, 20000)).sizeInBytes() <= 64 * 1024 * 1024);

        QImage redBlue(2, 1, QImage::Format_ARGB32);
        redBlue.setPixel(0, 0, qRgb(255, 0, 0));
        redBlue.setPixel(1, 0, qRgb(0, 0, 255));
        QVERIFY(redBlue.save(env.path("rb.png")) && redBlue.save(env.path("rb.jpg"), "JPEG", 100));
        QImage glass = redBlue;
        glass.setPixel(1, 0, qRgba(0, 0, 255, 128));
        QVERIFY(glass.save(env.path("glass.png")));

        const PictureData png = loadPictureFile(env.path("rb.png"));
        QCOMPARE(png.image.format(), QImage::Format_RGB32);
        QCOMPARE(png.image.pixel(0, 0), qRgb(255, 0, 0));
        QCOMPARE(png.image.pixel(1, 0), qRgb(0, 0, 255));
        QVERIFY(!pictures::isPhotograph(png.image));
        QCOMPARE(loadPictureFile(env.path("glass.png")).image.format(), QImage::Format_ARGB32_Premultiplied);
        QVERIFY(pictures::isPhotograph(loadPictureFile(env.path("rb.jpg")).image));
        // Pictures that come another way (clipboard, a test's platform) are converted by the document.
        env.platform.clipboard = redBlue;
        QVERIFY(d.createNewGraphic("?1"));
        QCOMPARE(d.activeGraphic()->picture.format(), QImage::Format_RGB32);

        GraphicItem big;
        big.picture = pictures::fastest(QImage(400, 200, QImage::Format_ARGB32));
        big.picture.fill(Qt::green);
        const QImage small = cache.picture(big, QSize(40, 20));
        QCOMPARE(small.size(), QSize(40, 20));
        QCOMPARE(cache.picture(big, QSize(40, 20)).cacheKey(), small.cacheKey());
        QCOMPARE(cache.picture(big, QSize(800, 400)).cacheKey(), big.picture.cacheKey()); // never enlarged
        cache.keepOnly({});
        QCOMPARE(cache.count(), 0);

        // A label that is only printed keeps its pictures at 600 pixels an inch of their boxes.
        QVERIFY(big.picture.save(env.path("big.png")));
        QVERIFY(d.createNewGraphic(env.path("big.png")));
        d.activeGraphic()->width = 720, d.activeGraphic()->height = 360; // 0.5 x 0.25 inch
        QVERIFY(d.SaveLabelToFile(env.path("big.ckm")));
        LabelDocument printed(env.values, env.platform, env.fixed);
        printed.holdPicturesForPrint(pictures::PrintedDpi);
        printed.LoadFile(env.path("big.ckm"));
        QCOMPARE(printed.graphics().at(3).picture.size(), QSize(300, 150));

        // After the picture editor, every item of the file is reloaded.
        const QString pic = env.path("rose.png"), edited = env.path("edited.png");
        QVERIFY(solid(Qt::red).save(pic));
        QVERIFY(solid(Qt::yellow).save(edited));
        const QString editor = env.path("editor.sh");
        QVERIFY(writeFile(editor, QString("#!/bin/sh\ncp '%1' \"$1\"\n").arg(edited).toUtf8()));
        QFile(editor).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner | QFileDevice::WriteOwner);
        env.platform.realProcesses = true;
        QVERIFY(d.createNewGraphic(pic));
        QVERIFY(d.createNewGraphic(pic));
        d.graphicAt(5)->width = 777;
        Module1::runGraphicsEditor(env.platform, editor, d.getActiveGraphicSpecs());
        d.refreshGraphic(pic);
        QCOMPARE(d.graphicAt(4)->picture.pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(d.graphicAt(5)->picture.pixelColor(0, 0), QColor(Qt::yellow));
        QCOMPARE(d.graphicAt(5)->width, 777.0);

        Module1::runGraphicsEditor(env.platform, "no-such-editor-here", pic);
        QCOMPARE(env.platform.shown.last().text, QString("Unable to run Graphics Editor: no-such-editor-here"));

        // A path with quotes and blanks arrives as one argument.
        const QString odd = env.path("it's a \"rose\".png");
        QVERIFY(solid(Qt::red).save(odd, "PNG"));
        Module1::runGraphicsEditor(env.platform, editor, odd);
        QCOMPARE(env.platform.started.last().args, QStringList{odd});
        QCOMPARE(loadPictureFile(odd).image.pixelColor(0, 0), QColor(Qt::yellow));
    }
};

QTEST_MAIN(tst_Items)
#include "tst_items.moc"
