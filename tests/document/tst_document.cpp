// A document window driven through a stand-in host, without a main window:
// what it asks of its host and what it tells it.
#include <QtTest>

#include "document/DocumentHost.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "support/FakeHost.h"
#include "support/TestEnv.h"

namespace {

QPoint pixelOf(LabelView* v, QPointF twips) { return (twips / v->twipsPerPixel()).toPoint(); }

} // namespace

class tst_Document : public QObject {
    Q_OBJECT
private slots:
    void newTextTakesTheHostsFormatAndPressesReportIt()
    {
        TestEnv env;
        FakeHost host;
        host.format = {"Liberation Serif", "12", true, false, true, 1};
        frmDocument doc(env.ctx, &host);
        doc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&doc));

        QVERIFY(doc.createNewText("Ale", 0));
        const TextItem ale = *doc.activeText();
        QCOMPARE(ale.font.name, QString("Liberation Serif"));
        QCOMPARE(ale.font.size, 12.0);
        QVERIFY(ale.font.bold && !ale.font.italic && ale.font.underline);
        QCOMPARE(ale.alignment, int16_t(1));
        QCOMPARE(host.calls.last(), QString("enable 1 0"));

        // The host's boxes change; the item keeps its format until pressed.
        host.format = {"Liberation Sans", "30", false, false, false, 2};
        doc.SelectNothing();
        QCOMPARE(host.calls.last(), QString("enable 0 0"));
        host.calls.clear();
        LabelView* view = doc.picLabelView();
        const QPointF centre(ale.left + ale.width / 2, ale.top + ale.height / 2);
        QTest::mouseClick(view, Qt::LeftButton, {}, pixelOf(view, centre));
        QVERIFY(host.calls.contains("format Ale"));
        QCOMPARE(host.shownText.font.name, QString("Liberation Serif"));
        QCOMPARE(host.calls.last(), QString("enable 1 0"));
        QVERIFY(doc.activeTextItemSelected());

        // A click on the empty surface clears the selection and says so.
        QTest::mouseClick(view, Qt::LeftButton, {}, QPoint(2, 2));
        QVERIFY(!doc.activeTextItemSelected());
        QCOMPARE(host.calls.last(), QString("enable 0 0"));

        // A double click asks the host to edit the text.
        QTest::mouseDClick(view, Qt::LeftButton, {}, pixelOf(view, centre));
        QCOMPARE(host.calls.last(), QString("edit text Ale"));
    }

    void rightPressAsksForThePopUpMenu()
    {
        TestEnv env;
        FakeHost host;
        frmDocument doc(env.ctx, &host);
        doc.show();
        QVERIFY(QTest::qWaitForWindowExposed(&doc));
        LabelView* view = doc.picLabelView();
        const QPoint at(30, 40);
        QTest::mouseClick(view, Qt::RightButton, {}, at);
        QVERIFY(!host.calls.isEmpty());
        QCOMPARE(host.calls.last(), QString("popup"));
        QCOMPARE(host.popupAt, view->mapToGlobal(at));
    }

    void gridAndClosingGoThroughTheHost()
    {
        TestEnv env;
        FakeHost host;
        host.grid = true;
        host.guides = true;
        frmDocument doc(env.ctx, &host);
        QVERIFY(doc.picLabelView()->gridShown());
        QVERIFY(doc.guidesVisible());

        // Yes to the save question: the host saves; a save that left the
        // document changed keeps the window open.
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
};

QTEST_MAIN(tst_Document)
#include "tst_document.moc"
