// A document window driven through a stand-in host, without a main window:
// what it asks of its host and what it tells it. (A press showing the item's
// format to the host is checked through the real host in
// tst_mainwindow::pressingAnItemFollowsTheToolbarAndTakesTheKeys.)
#include <QtTest>

#include "document/DocumentHost.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "printing/PainterSurface.h"
#include "support/FakeHost.h"
#include "support/TestEnv.h"

class tst_Document : public QObject {
    Q_OBJECT
private slots:
    void formatGridAndClosingGoThroughTheHost()
    {
        TestEnv env;
        FakeHost host;
        host.grid = host.guides = true;
        // The host's boxes, not the program's values (the real host keeps both alike).
        host.format = {"Liberation Serif", "12", true, false, true, 1};
        frmDocument doc(env.ctx, &host);
        QVERIFY(doc.picLabelView()->gridShown() && doc.guidesVisible());
        QVERIFY(doc.createNewText("Ale", 0));
        const TextItem ale = *doc.activeText();
        QCOMPARE(ale.font.name, QString("Liberation Serif"));
        QCOMPARE(ale.font.size, 12.0);
        QVERIFY(ale.font.bold && !ale.font.italic && ale.font.underline);
        QCOMPARE(ale.alignment, int16_t(1));

        // Yes to the save question: the host saves; a save that left it changed keeps the window open.
        doc.setChanged();
        env.platform.answers = {MsgAnswer::Yes};
        QVERIFY(!doc.queryClose());
        QCOMPARE(host.calls.last(), QString("save"));
        host.onSave = [](frmDocument& d) { d.setFlags(false, false); };
        env.platform.answers = {MsgAnswer::Yes};
        QVERIFY(doc.queryClose());

        // Without a host nothing is asked of anyone.
        frmDocument alone(env.ctx, nullptr);
        QVERIFY(alone.createNewText("Ale", 0));
        QCOMPARE(alone.activeText()->font.name, env.values.fontName);
    }

    // One painter: every pixel of the view but its outline is the printed label's at the same scale.
    void viewShowsWhatPrints()
    {
        TestEnv env(true);
        QImage hops(40, 30, QImage::Format_RGB32); // a gradient, so a shifted picture shows
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 40; ++x)
                hops.setPixelColor(x, y, QColor(x * 6, 120, y * 8));
        env.platform.pictures["/hops.png"] = PictureData{hops, QSizeF(2400, 1800), {}};
        // Drawn on fewer pixels than it has, so sampled rather than smoothed.
        env.platform.pictures["/malt.png"] = PictureData{hops.scaled(400, 300), QSizeF(1500, 1125), {}};
        FakeHost host;
        host.format = {"Liberation Sans", "16", true, false, false, 1};
        frmDocument doc(env.ctx, &host);
        doc.setLabelDimensions(1, 4.0, 5.0); // 480 x 384 pixels at 96 dpi
        doc.resizeLabel();
        doc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&doc));
        LabelView* view = doc.picLabelView();
        QCOMPARE(view->twipsPerPixel(), 15.0);
        doc.setBackColor(0xE0F0FF);
        QVERIFY(doc.createNewText("Pale Ale\r\nIPA", 0)); // right-aligned
        doc.setTextPosition(4000, 3000); // partly over the picture, partly over the edge
        TextItem& ale = *doc.activeText();
        ale.backStyle = 1;
        ale.backColor = 0x00FFFF;
        QVERIFY(doc.createNewGraphic("/hops.png"));
        doc.moveSelected(2900, 2500);
        QVERIFY(doc.createNewGraphic("/malt.png"));
        doc.moveSelected(300, 3500);
        host.format.alignment = 2;
        QVERIFY(doc.createNewText("Brewed\r\nin 2024", 0));
        doc.setTextPosition(600, 600);
        doc.setTextColor(0x2040C0);
        for (const char* style : {"Square", "Oval", "Rounded"}) {
            doc.setBorderStyle(style);
            doc.SelectNothing();
            const QImage shown = view->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QCOMPARE(shown.size(), QSize(480, 384));
            QImage paper(shown.size(), QImage::Format_RGB32);
            paper.fill(Qt::white);
            {
                PainterSurface s(paper, 5.0, 4.0);
                s.drawLabel(doc.content(), 0, 0);
            }
            // The view's outline covers the first pixel and the last two each way.
            int differ = 0;
            for (int y = 1; y < 382; ++y)
                for (int x = 1; x < 478; ++x)
                    differ += shown.pixel(x, y) != paper.pixel(x, y);
            // What the paper shows (stacking, backgrounds, alignment) is checked in tst_render.
            QVERIFY2(differ == 0, qPrintable(QString("%1: %2 pixels differ").arg(style).arg(differ)));
        }
    }
};

QTEST_MAIN(tst_Document)
#include "tst_document.moc"
