// The main window as a person uses it: keys typed into the formatting boxes
// followed by a real change of focus, the Window menu's arrangements, a
// document window smaller than its label, and the font list.
#include <QtTest>
#include <QApplication>
#include <QComboBox>
#include <QFontDatabase>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStatusBar>

#include "dialogs/frmTextInput.h"
#include "document/CkmFormat.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "support/DialogStandIn.h"
#include "support/TestEnv.h"

class tst_UserInput : public QObject {
    Q_OBJECT

    std::unique_ptr<TestEnv> env;
    std::unique_ptr<frmMain> main;

    frmDocument* doc() { return main->activeDocument(); }

    // Clicks into a box, selects what it shows and types over it, as a user
    // does; the keys go to whatever has the keyboard focus.
    void typeInto(QComboBox* box, const QString& text)
    {
        QTest::mouseClick(box->lineEdit(), Qt::LeftButton);
        QTRY_VERIFY(box->hasFocus());
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus, Qt::Key_A, Qt::ControlModifier);
        if (text.isEmpty())
            QTest::keyClick(focus, Qt::Key_Delete);
        else
            QTest::keyClicks(focus, text);
    }
    void tabAway()
    {
        QWidget* from = QApplication::focusWidget();
        QVERIFY(from);
        QTest::keyClick(from, Qt::Key_Tab);
        QTRY_VERIFY(QApplication::focusWidget() != from);
    }

private slots:
    void init()
    {
        env = std::make_unique<TestEnv>(true);
        main = std::make_unique<frmMain>(env->ctx);
        main->Form_Load();
        main->resize(1100, 800);
        main->show();
        main->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(main.get()));
        main->LoadNewDoc();
    }
    void cleanup()
    {
        for (QMdiSubWindow* s : main->mdiArea()->subWindowList())
            if (auto* d = qobject_cast<frmDocument*>(s->widget()))
                d->setFlags(false, true);
        main.reset();
        env.reset();
    }

    // After every dialog and message box the window manager activates the
    // main window again: a selected item keeps the keys.
    void keysGoToTheLabelAfterDialogs()
    {
        DialogStandIn standIn(env->platform, main.get());
        main->fillFonts({"Beer Serif", "Cider Sans", "Mead Script", "Wine Mono"});
        main->cboFonts()->setCurrentText("Cider Sans");
        LabelView* view = doc()->picLabelView();
        auto press = [](Qt::Key key, Qt::KeyboardModifiers mods = {}) {
            QVERIFY(QApplication::focusWidget());
            QTest::keyClick(QApplication::focusWidget(), key, mods);
        };
        const QString font = main->cboFonts()->currentText();
        auto labelHasTheKeys = [&] {
            QTRY_VERIFY(main->isActiveWindow());
            QTRY_VERIFY(view->hasFocus());
            QCOMPARE(main->cboFonts()->currentText(), font);
        };

        // The text dialog: Down nudges the new text (one step), the font stays.
        QTimer::singleShot(0, [] {
            auto* dlg = qobject_cast<frmTextInput*>(QApplication::activeModalWidget());
            QVERIFY(dlg);
            dlg->txtInput()->setPlainText("Stout");
            QTest::mouseClick(dlg->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        main->action("mnuTextNew")->trigger();
        QVERIFY(doc()->activeTextItemSelected());
        labelHasTheKeys();
        const double top = doc()->activeText()->top;
        const int steps = doc()->history().index();
        press(Qt::Key_Down);
        QCOMPARE(doc()->activeText()->top, top + 15);
        QCOMPARE(doc()->history().index(), steps + 1);
        QCOMPARE(doc()->activeText()->font.name, font);

        // The colour chooser.
        env->platform.colorAnswers = {0x0000FF};
        main->action("mnuTextColor")->trigger();
        labelHasTheKeys();
        press(Qt::Key_Up);
        QCOMPARE(doc()->activeText()->top, top);

        // The delete question answered No, then a second Delete answered Yes;
        // Ctrl+Z brings the text back instead of editing the font name.
        env->platform.answers = {MsgAnswer::No};
        press(Qt::Key_Delete);
        QCOMPARE(env->platform.shown.last().text, QString("Are you sure you want to delete the selected text?"));
        labelHasTheKeys();
        env->platform.answers = {MsgAnswer::Yes};
        press(Qt::Key_Delete);
        QVERIFY(doc()->texts().empty());
        QTRY_VERIFY(view->hasFocus()); // nothing selected: back where it was
        press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(int(doc()->texts().size()), 1);
        QCOMPARE(main->cboFonts()->currentText(), font);

        // "Nothing Selected" leaves the keys where they were too.
        doc()->SelectNothing();
        main->action("mnuEditCopy")->trigger();
        QCOMPARE(env->platform.shown.last().text, QString("Nothing Selected"));
        QTRY_VERIFY(main->isActiveWindow());
        QTRY_VERIFY(view->hasFocus());

        // The file chooser: Ctrl+X cuts the new picture, Ctrl+V pastes it back.
        QImage red(30, 20, QImage::Format_RGB32);
        red.fill(Qt::red);
        QVERIFY(red.save(env->path("red.png")));
        env->platform.openAnswers = {ScriptedPlatform::chosen(env->path("red.png"))};
        main->action("mnuGraphicNew")->trigger();
        QVERIFY(doc()->activeItemSelected());
        labelHasTheKeys();
        press(Qt::Key_X, Qt::ControlModifier);
        QVERIFY(doc()->graphics().empty());
        press(Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(int(doc()->graphics().size()), 1);
        QVERIFY(doc()->activeItemSelected());

        // The options dialog, cancelled.
        QTimer::singleShot(0, [] {
            QWidget* dlg = QApplication::activeModalWidget();
            QVERIFY(dlg && dlg->objectName() == "frmOptions");
            QTest::mouseClick(dlg->findChild<QPushButton*>("cmdCancel"), Qt::LeftButton);
        });
        main->action("mnuFileLabelSize2")->trigger();
        labelHasTheKeys();

        // Arrow keys in the closed font box leave the selected text alone.
        doc()->selectText(doc()->texts().begin()->first);
        const int before = doc()->history().index();
        QTest::mouseClick(main->cboFonts()->lineEdit(), Qt::LeftButton);
        QTRY_VERIFY(main->cboFonts()->hasFocus());
        for (int i = 0; i < 3; ++i)
            press(Qt::Key_Down);
        press(Qt::Key_PageDown);
        QCOMPARE(doc()->activeText()->font.name, font);
        QCOMPARE(main->cboFonts()->currentText(), font);
        QCOMPARE(doc()->history().index(), before);
    }

    void fontSizeTypedThenTab()
    {
        QVERIFY(doc()->createNewText("Stout", 0));
        QComboBox* box = main->cboFontSize();
        QCOMPARE(doc()->activeText()->font.size, 18.0);

        typeInto(box, "13");
        QCOMPARE(doc()->activeText()->font.size, 18.0); // nothing yet while typing
        tabAway();
        QCOMPARE(doc()->activeText()->font.size, 13.0);

        typeInto(box, "36");
        tabAway();
        QCOMPARE(doc()->activeText()->font.size, 36.0);

        // Bold afterwards changes the weight only.
        main->button("Bold")->trigger();
        QVERIFY(doc()->activeText()->font.bold);
        QCOMPARE(doc()->activeText()->font.size, 36.0);

        // A size from the list, typed, applies the same way.
        typeInto(box, "20");
        tabAway();
        QCOMPARE(doc()->activeText()->font.size, 20.0);

        // Return still applies at once.
        typeInto(box, "11");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(doc()->activeText()->font.size, 11.0);
    }

    void borderWidthTypedThenTab()
    {
        QComboBox* box = main->cboBorderWidth();
        doc()->border().width = 7;
        for (const QString& typed : {QString("abc"), QString("0"), QString(""), QString("-0"), QString("x5")}) {
            typeInto(box, typed);
            QCOMPARE(box->currentText(), typed);
            tabAway();
            QCOMPARE(box->currentText(), QString("7"));
            QCOMPARE(doc()->border().width, int16_t(7));
        }
        // A good width typed stays in the box and on the frame.
        typeInto(box, "9");
        tabAway();
        QCOMPARE(box->currentText(), QString("9"));
        QCOMPARE(doc()->border().width, int16_t(9));
    }

    void tileHorizontalStacksTileVerticalSideBySide()
    {
        main->LoadNewDoc();
        main->LoadNewDoc();
        const QList<QMdiSubWindow*> subs = main->mdiArea()->subWindowList();
        QCOMPARE(subs.size(), 3);
        const QRect area = main->mdiArea()->viewport()->rect();

        main->action("mnuWindowTileHorizontal")->trigger();
        QList<QRect> g;
        for (QMdiSubWindow* s : subs)
            g << s->geometry();
        std::sort(g.begin(), g.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
        for (int i = 0; i < g.size(); ++i) {
            QCOMPARE(g[i].left(), area.left());
            QCOMPARE(g[i].width(), area.width());
            QVERIFY(g[i].height() < area.height() / 2);
            if (i > 0)
                QCOMPARE(g[i].top(), g[i - 1].bottom() + 1);
        }
        QCOMPARE(g.first().top(), area.top());
        QCOMPARE(g.last().bottom(), area.bottom());

        main->action("mnuWindowTileVertical")->trigger();
        g.clear();
        for (QMdiSubWindow* s : subs)
            g << s->geometry();
        std::sort(g.begin(), g.end(), [](const QRect& a, const QRect& b) { return a.left() < b.left(); });
        for (int i = 0; i < g.size(); ++i) {
            QCOMPARE(g[i].top(), area.top());
            QCOMPARE(g[i].height(), area.height());
            QVERIFY(g[i].width() < area.width() / 2);
            if (i > 0)
                QCOMPARE(g[i].left(), g[i - 1].right() + 1);
        }
        QCOMPARE(g.last().right(), area.right());
    }

    void smallWindowClipsTheLabel()
    {
        frmDocument* d = doc();
        d->setBackColor(0x0000FF); // red
        auto* sub = qobject_cast<QMdiSubWindow*>(d->parentWidget());
        sub->resize(180, 160);
        QCoreApplication::processEvents();
        auto* vbar = d->findChild<QScrollBar*>("VScroll");
        auto* hbar = d->findChild<QScrollBar*>("HScroll");
        auto* status = d->findChild<QStatusBar*>("stbStatus");
        QVERIFY(vbar->isVisible() && hbar->isVisible());

        const QImage shot = d->grab().toImage().convertToFormat(QImage::Format_RGB32);
        auto redIn = [&](const QRect& r) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x)
                    n += shot.pixel(x, y) == qRgb(255, 0, 0);
            return n;
        };
        // The label shows in the room left for it...
        QVERIFY(redIn(QRect(20, 20, 20, 20)) > 0);
        // ...and nowhere on the status bar, the scroll bars or their corner.
        QCOMPARE(redIn(status->geometry()), 0);
        QCOMPARE(redIn(vbar->geometry()), 0);
        QCOMPARE(redIn(hbar->geometry()), 0);
        QCOMPARE(redIn(QRect(vbar->x(), hbar->y(), vbar->width(), hbar->height())), 0);

        // Scrolled to the far corner the label still stops at the bars.
        vbar->setValue(vbar->maximum());
        hbar->setValue(hbar->maximum());
        const QImage end = d->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (int y = status->y(); y < end.height(); ++y)
            for (int x = 0; x < end.width(); ++x)
                QVERIFY2(end.pixel(x, y) != qRgb(255, 0, 0), "label painted on the status bar");
    }

    void fontListHoldsFamiliesOnce()
    {
        main->fillFonts(QStringList{"C059 [UKWN]", "DejaVu Sans", "C059 [urw]", "Nimbus Roman [urw]", "Nimbus Roman [UKWN]"});
        QStringList items;
        for (int i = 0; i < main->cboFonts()->count(); ++i)
            items << main->cboFonts()->itemText(i);
        QCOMPARE(items, QStringList({"C059", "DejaVu Sans", "Nimbus Roman"}));

        // The system's own list: no foundry suffix, no name twice.
        main->fillFonts(QFontDatabase::families());
        items.clear();
        for (int i = 0; i < main->cboFonts()->count(); ++i)
            items << main->cboFonts()->itemText(i);
        QVERIFY(!items.isEmpty());
        QCOMPARE(QSet<QString>(items.begin(), items.end()).size(), items.size());
        for (const QString& f : items)
            QVERIFY2(!f.endsWith(']'), qPrintable(f));

        // A file saved earlier with a foundry in its font field opens with the
        // family, shows it in the box and saves it back without the suffix.
        CKM_Header::HeaderRecord h;
        h.labelWidth = 4320;
        h.labelHeight = 5400;
        h.textCount = 1;
        h.borderShape = 4;
        CKM_Header::TextRecord t;
        t.textLength = 3;
        t.left = 100;
        t.top = 100;
        t.fontName = CKM_Header::fixedField("C059 [urw]", 32);
        t.fontSize = 14;
        const QString path = env->path("old.ckm");
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(CKM_Header::encode(h) + CKM_Header::encode(t) + "Ale");
        }
        doc()->LoadFile(path);
        QCOMPARE(doc()->texts().begin()->second.font.name, QString("C059"));
        LabelView* view = doc()->picLabelView();
        QTest::mouseClick(view, Qt::LeftButton, {}, (QPointF(150, 150) / view->twipsPerPixel()).toPoint());
        QVERIFY(doc()->activeTextItemSelected());
        QCOMPARE(main->cboFonts()->currentText(), QString("C059"));
        const QString again = env->path("again.ckm");
        QVERIFY(doc()->SaveLabelToFile(again));
        QFile f(again);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const CKM_Header::ParsedLabel parsed = CKM_Header::parse(f);
        QCOMPARE(parsed.texts.size(), size_t(1));
        QCOMPARE(CKM_Header::fromCodePage(parsed.texts[0].record.fontName).trimmed(), QString("C059"));
    }

    void labelWithoutAreaRefused()
    {
        const QSize before = doc()->parentWidget()->size();
        const int w0 = doc()->surfaceWidth(), h0 = doc()->surfaceHeight();
        struct Case {
            int16_t w, h;
        } cases[] = {{0, 2880}, {2880, 0}, {-1440, 2880}, {2880, -32768}, {0, 0}};
        for (const Case& c : cases) {
            CKM_Header::HeaderRecord h;
            h.labelWidth = c.w;
            h.labelHeight = c.h;
            const QString path = env->path(QString("size%1x%2.ckm").arg(c.w).arg(c.h));
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(CKM_Header::encode(h));
            f.close();

            env->platform.shown.clear();
            env->platform.openAnswers.push_back(ScriptedPlatform::chosen(path));
            main->action("mnuFileOpen")->trigger();
            QCOMPARE(env->platform.texts(), QStringList{"Bad Header Record in File"});
            QCOMPARE(env->platform.shown.last().title, QString("Corkcrafter 2"));
            QCOMPARE(doc()->surfaceWidth(), w0);
            QCOMPARE(doc()->surfaceHeight(), h0);
            QCOMPARE(doc()->parentWidget()->size(), before);
            QVERIFY(!doc()->isChanged());
        }
    }
};

QTEST_MAIN(tst_UserInput)
#include "tst_userinput.moc"
