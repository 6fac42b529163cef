// The windows on a real X server with a window manager (desktop_e2e.sh), and
// pictures of them saved where the CORK_*SCREENSHOT variables say.
#include <QtTest>
#include <QComboBox>
#include <QFontDatabase>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPainter>
#include <QPrinter>
#include <QScopeGuard>
#include <QScreen>
#include <QStandardPaths>

#include "app/Startup.h"
#include "dialogs/StockPicker.h"
#include "dialogs/frmOptions.h"
#include "printing/frmPreview.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

namespace {

// Waits until the window manager has framed the window.
bool framed(QWidget* w)
{
    return QTest::qWaitForWindowExposed(w) &&
           QTest::qWaitFor([w] { return w->frameGeometry().top() < w->geometry().top(); }, 5000);
}

// Runs look on the next modal window once on screen (and framed, with frame).
// openbox now and then leaves a dialog unframed on a busy machine: after 10 s
// look goes ahead without; one never exposed is closed after 30 s, not hanging.
void whenModalShown(const std::function<void(QWidget*)>& look, bool frame = false,
                    QDeadlineTimer deadline = QDeadlineTimer(30000))
{
    QTimer::singleShot(50, [look, frame, deadline] {
        QWidget* m = QApplication::activeModalWidget();
        const bool exposed = m && m->windowHandle() && m->windowHandle()->isExposed();
        if (!exposed && deadline.hasExpired()) {
            qWarning("no modal window on screen in 30 s");
            if (m)
                m->close();
            return;
        }
        const bool frameLate = deadline.remainingTime() < 20000;
        if (!exposed || (frame && !frameLate && !framed(m)))
            return whenModalShown(look, frame, deadline);
        if (frame && frameLate && !framed(m))
            qWarning("the window manager did not frame the dialog: looked at without its frame");
        look(m);
    });
}

// What the screen shows of a window, frame included; saved where the variable says.
bool screenshot(QWidget* w, const char* variable)
{
    const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(w->frameGeometry());
    const QString out = qEnvironmentVariable(variable);
    return !shot.isNull() && (out.isEmpty() || shot.save(out));
}

// True when the window manager has window a above window b (_NET_CLIENT_LIST_STACKING).
bool above(QWidget* a, QWidget* b)
{
    QProcess p;
    p.start("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    p.waitForFinished(10000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    QList<WId> s;
    const QRegularExpression hex("0x[0-9a-fA-F]+");
    for (auto it = hex.globalMatch(out.mid(out.indexOf('#'))); it.hasNext();)
        s << WId(it.next().captured(0).toULongLong(nullptr, 16));
    return s.indexOf(a->winId()) > s.indexOf(b->winId()) && s.indexOf(b->winId()) >= 0;
}

// Real keys and clicks from the X server, to whichever window has them.
bool xdo(const QStringList& args) { return QProcess::execute("xdotool", args) == 0; }
bool xkey(const QString& key) { return xdo({"key", key}); }
bool haveXdotool() { return !QStandardPaths::findExecutable("xdotool").isEmpty(); }

QStringList storedPlace(TestEnv& env)
{
    QStringList place;
    for (const char* key : {"Left", "Top", "Width", "Height"})
        place << env.store.read("Main", key, "");
    return place;
}

} // namespace

class tst_Desktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureApplication(); }

    // The splash window takes the keyboard: a real key closes it.
    void splashClosesOnAKey()
    {
        if (!haveXdotool())
            QSKIP("xdotool is not installed (scripts/test installs it)");
        TestEnv env(true);
        env.store.write("Main", "Show Tips at Startup", "0");
        // Watched from a timer and never by waiting in place: start-up is still
        // inside the splash window's show() when the first events arrive.
        bool active = false, closedByWatch = false;
        QPointer<QWidget> splash;
        QDeadlineTimer wait;
        QTimer watch;
        watch.setInterval(50);
        connect(&watch, &QTimer::timeout, this, [&] {
            if (!splash) {
                for (QWidget* w : QApplication::topLevelWidgets())
                    if (w->objectName() == "frmSplash" && w->isVisible() && w->windowHandle()->isExposed())
                        splash = w;
                wait.setRemainingTime(5000); // five seconds to get the keyboard
            } else if (!active && (active = QApplication::activeWindow() == splash)) {
                xkey("space"); // a real key from the X server
                wait.setRemainingTime(5000); // five seconds for it to close the window
            } else if (wait.hasExpired()) {
                watch.stop(); // never left waiting for its long timer
                closedByWatch = splash->close();
            }
        });
        watch.start();
        frmMain* m = Main(env.ctx, QString(), StartupOptions{600000, true});
        watch.stop();
        QVERIFY2(active, "the splash window never had the keyboard");
        QVERIFY2(!closedByWatch, "the key did not close the splash window");
        QVERIFY(m->isVisible());
        QPointer<frmMain> alive = m;
        forgetChanges(*m);
        QVERIFY(m->close());
        QTRY_VERIFY(!alive);
    }

    // The icon, pictures of two samples; maximised it comes back maximised, and
    // un-maximised it goes back to its place (the arithmetic: tst_placement).
    void mainWindowIconSizeAndState()
    {
        TestEnv env(true);
        QRect normalPlace;
        {
            frmMain m(env.ctx);
            m.Form_Load();
            m.show();
            QVERIFY(framed(&m));
            QProcess xprop;
            xprop.start("xprop", {"-id", QString::number(m.winId()), "_NET_WM_ICON"});
            xprop.waitForFinished(10000);
            const QString icon = QString::fromUtf8(xprop.readAllStandardOutput());
            QVERIFY2(icon.contains("Icon (32 x 32)"), qPrintable(icon.left(200)));

            // Two samples side by side, for the picture of the window with its frame and icon.
            m.fillFonts(QFontDatabase::families());
            m.cboFonts()->setCurrentText("Arial");
            for (const char* sample : {"/Pale Ale.ckm", "/Chateau du Jardin.ckm"})
                m.openLabel(QStringLiteral(CORK_SAMPLES) + sample);
            const QList<QMdiSubWindow*> subs = m.mdiArea()->subWindowList();
            subs.first()->move(0, 0);
            subs.last()->move(subs.first()->frameGeometry().right() + 1, 0);
            m.action("mnuViewShowGuides")->trigger();
            QTest::qWait(300);
            QVERIFY(screenshot(&m, "CORK_MAIN_SCREENSHOT"));
            // The beer label's QR code selected, for the picture of QR codes.
            if (auto* beer = qobject_cast<frmDocument*>(subs.first()->widget())) {
                beer->select({kindOf<QrItem>, 1});
                QTest::qWait(300);
                QVERIFY(screenshot(&m, "CORK_QR_SCREENSHOT"));
                beer->SelectNothing();
            }
            m.action("mnuViewShowGuides")->trigger();
            m.action("mnuWindowTileHorizontal")->trigger();
            QTest::qWait(300);
            QVERIFY(screenshot(&m, "CORK_SCREENSHOT"));
            forgetChanges(m);

            // Maximised with a double click on the title bar, as a person does.
            normalPlace = QRect(m.pos(), m.size());
            const QRect frame = m.frameGeometry();
            const QPoint bar(frame.center().x(), (frame.top() + m.geometry().top()) / 2);
            QVERIFY(xdo({"mousemove", QString::number(bar.x()), QString::number(bar.y()), "click", "--repeat", "2",
                         "--delay", "80", "1"}));
            QTRY_VERIFY(m.isMaximized());
            QVERIFY(m.close());
        }
        QCOMPARE(env.store.read("Main", "Window State", ""), QString("2"));
        const QStringList place = storedPlace(env);
        QVERIFY2(place[2].toDouble() < 0.9 * QGuiApplication::primaryScreen()->availableGeometry().width() * 15,
                 qPrintable(place[2])); // the normal size, not the maximised one

        // Back maximised, and closed maximised: its place stays as it was.
        for (int run = 0; run < 2; ++run) {
            frmMain m(env.ctx);
            m.Form_Load();
            m.show();
            QVERIFY(QTest::qWaitForWindowExposed(&m));
            QTRY_VERIFY(m.isMaximized());
            QTRY_COMPARE(m.frameGeometry().size(), QGuiApplication::primaryScreen()->availableGeometry().size());
            if (run == 1) {
                m.showNormal();
                QTRY_COMPARE(QRect(m.pos(), m.size()), normalPlace);
            }
            QTest::qWait(200);
            QVERIFY(m.close());
            if (run == 0)
                QCOMPARE(storedPlace(env), place);
        }
        QCOMPARE(env.store.read("Main", "Window State", ""), QString("0"));
    }

    // A selected picture's handles on screen; a picture with a guide held; the ale
    // label's picture in the position panel and zoomed in.
    void editingOnScreen()
    {
        MainWithLabel f(true, QSize(900, 760));
        QVERIFY(framed(&f.m));
        frmDocument* d = f.doc();
        d->LoadFile(CORK_SAMPLES "/Pale Ale.ckm");
        QVERIFY(!d->graphics().empty());
        f.m.action("mnuViewShowGuides")->trigger();
        QVERIFY(d->guidesVisible());
        QTest::qWait(200);

        LabelView* view = d->picLabelView();
        const GraphicItem& g = d->graphics().begin()->second;
        input::click(view, QPointF(g.left + g.width / 3, g.top + g.height / 3));
        QVERIFY(d->activeItemSelected());
        QTest::qWait(200);
        const QImage shot = view->grab().toImage();
        const auto handles = d->editor().resizers();
        QVERIFY(handles);
        for (const QRectF& h : *handles) // each handle's middle is the handle colour
            QCOMPARE(QColor(shot.pixel(input::px(view, h.center()))), QColor(0, 0, 192));

        // Hold the vertical guide and drag it left of the centre.
        const QPoint onGuide = input::px(view, QPointF(d->vGuideX(), d->surfaceHeight() - 150)); // below the texts
        const QPoint to = onGuide - input::px(view, QPointF(720, 0));
        QTest::mousePress(view, Qt::LeftButton, {}, onGuide);
        QTest::mouseMove(view, to);
        QTest::qWait(200);
        QVERIFY(view->lblGuide()->isVisible());
        QVERIFY(screenshot(&f.m, "CORK_SCREENSHOT_EDITING"));
        QTest::mouseRelease(view, Qt::LeftButton, {}, to);

        // The guides hidden and the window wider: beside the label the "Position
        // and Size" panel in millimetres, then without the panel at 200 %.
        f.m.action("mnuViewShowGuides")->trigger();
        f.m.resize(1060, 800);
        QTRY_COMPARE(f.m.size(), QSize(1060, 800));
        f.env.values.unit = lengths::Unit::Millimetres;
        f.m.action("mnuViewPosition")->trigger();
        input::click(view, QPointF(g.left + g.width / 3, g.top + g.height / 3));
        QVERIFY(d->activeItemSelected());
        QTest::qWait(300);
        QVERIFY(screenshot(&f.m, "CORK_PANEL_SCREENSHOT"));
        f.m.action("mnuViewPosition")->trigger();
        for (int i = 0; i < 3; ++i)
            f.m.action("mnuViewZoomIn")->trigger();
        QCOMPARE(f.m.findChild<QLabel*>("lblZoom")->text(), QString("200 %"));
        QVERIFY(d->activeItemSelected());
        QTest::qWait(300);
        QVERIFY(screenshot(&f.m, "CORK_ZOOM_SCREENSHOT"));
    }

    // The wine label with a line turned up each side, the left one selected
    // with Shift+Tab: the picture of vertical text. The turned texts stand
    // inside the oval, clear of the grapes and the QR code.
    void verticalTextOnScreen()
    {
        MainWithLabel f(true, QSize(860, 640));
        QVERIFY(framed(&f.m));
        frmDocument* d = f.doc();
        d->LoadFile(CORK_SAMPLES "/Chateau du Jardin.ckm");
        QCOMPARE(QSize(d->surfaceWidth(), d->surfaceHeight()), QSize(7200, 5760));
        for (const auto& [text, turn, x] : {std::tuple{"Estate bottled \u00b7 Grand vin", 270, 6150.0},
                                             std::tuple{"Grand vin \u00b7 Estate bottled", 90, 1300.0}}) {
            QVERIFY(d->createNewText(QString::fromUtf8(text), int16_t(turn)));
            d->setTextFontName("Liberation Serif");
            d->setTextFontSize("13");
            d->setTextColor(0x2b1f7a);
            const TextItem t = *d->activeText();
            d->setTextPosition(x - t.width / 2, 2880 - t.height / 2);
            const QRectF drawn = drawnBounds(*d->activeText());
            QVERIFY(drawn.height() > 3 * drawn.width() && QRectF(800, 900, 5600, 4000).contains(drawn));
            for (const auto& q : d->qrCodes())
                QVERIFY(!drawn.intersects(bounds(q.second)));
        }
        d->SelectNothing();
        LabelView* view = d->picLabelView();
        view->setFocus();
        QTRY_VERIFY(view->hasFocus());
        QTest::keyClick(view, Qt::Key_Backtab, Qt::ShiftModifier); // the front-most: the left line
        QCOMPARE(turnOf(*d->activeText()), 90);
        QTest::qWait(300);
        QVERIFY(screenshot(&f.m, "CORK_VERTICAL_SCREENSHOT"));
    }

    // The preview's message comes up over it and the typing goes on there after it.
    void previewMessagesStayWithThePreview()
    {
        if (!haveXdotool())
            QSKIP("xdotool is not installed (scripts/test installs it)");
        RealMain real;
        frmMain& m = real.m;
        for (const auto& [key, value] : {std::pair("MainLeft", "1500"), std::pair("MainTop", "900"),
                                         std::pair("MainWidth", "10500"), std::pair("MainHeight", "12000")})
            real.env.store.write("Preview", key, value);
        m.show();
        QVERIFY(framed(&m));
        m.LoadNewDoc();
        m.activeDocument()->LoadFile(CORK_SAMPLES "/Pale Ale.ckm");
        m.printer().setOutputFormat(QPrinter::PdfFormat);
        m.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        m.action("mnuFilePrintPreview")->trigger();
        auto* p = m.findChild<frmPreview*>("frmPreview");
        QVERIFY(p && framed(p));
        QCOMPARE(QRect(p->pos(), p->size()), QRect(100, 60, 700, 800));
        p->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p));
        QLineEdit* zoom = p->cboViewSize()->lineEdit();
        zoom->setFocus();
        QTRY_VERIFY(zoom->hasFocus());
        const QString fonts = m.cboFonts()->currentText();

        QString order;
        whenModalShown([&](QWidget* box) {
            QTest::qWait(300);
            order = QString("box over preview: %1, preview over main: %2").arg(above(box, p)).arg(above(p, &m));
            xkey("Return");
        });
        QVERIFY(xkey("ctrl+a") && xkey("5") && xkey("Return"));
        QTRY_VERIFY(!order.isEmpty());
        QCOMPARE(order, QString("box over preview: 1, preview over main: 1"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(QApplication::activeWindow(), p);
        QTest::qWait(300);
        QVERIFY(above(p, &m));
        QVERIFY(xkey("ctrl+a") && xkey("7") && xkey("5") && xkey("Return"));
        QTRY_COMPARE(p->cboViewSize()->currentText(), QString("75%"));
        QCOMPARE(m.cboFonts()->currentText(), fonts);
        QTest::qWait(300);
        QVERIFY(screenshot(p, "CORK_PREVIEW_SCREENSHOT"));
        p->close();
    }

    // The options dialog over the main window: a picture of its first page; then
    // the toolbar's Select for a new label, with "wine" typed into the stock
    // search and a sheet chosen: the manual's picture of the picker.
    void optionsAndStockPickerOnScreen()
    {
        MainWithLabel f;
        QVERIFY(framed(&f.m));
        f.m.printer().setPageSize(QPageSize(QPageSize::Letter));
        f.m.printer().setPageOrientation(QPageLayout::Portrait);
        frmDocument* d = f.doc();
        d->setLabelDimensions(2, 2.5, 3.5);
        d->setTopMargin(0.5);
        d->setLeftMargin(0.5);
        d->setRowSpace(0.25);
        d->setColumnSpace(0.25);
        d->setCutmarks(2);

        bool shot = false;
        whenModalShown([&](QWidget* o) {
            QTest::qWait(300);
            shot = screenshot(o, "CORK_OPTIONS_SCREENSHOT");
            qobject_cast<frmOptions*>(o)->cmdCancel_Click();
        }, true);
        f.m.action("mnuFileLabelSize2")->trigger();
        QVERIFY(shot);

        f.m.LoadNewDoc();
        shot = false;
        whenModalShown([&](QWidget* o) {
            auto* options = qobject_cast<frmOptions*>(o);
            QTest::keyClicks(QApplication::focusWidget(), "wine");
            // Down into the list, on to the program's own wine sheet for Letter
            // (listed among the shared database's wine sheets where it is installed).
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            const auto listed = options->stockPicker()->listed();
            for (size_t i = 0; i < listed.size() && listed[i]->name() != "Corkcrafter WL-LTR"; ++i)
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QTest::qWait(300);
            shot = screenshot(o, "CORK_STOCK_SCREENSHOT");
            options->cmdCancel_Click();
        }, true);
        f.m.findChild<QAction*>("tbSelect")->trigger();
        QVERIFY(shot);
    }

    // Pictures through the system clipboard with another program (xclip).
    void clipboardWithOtherPrograms()
    {
        if (QStandardPaths::findExecutable("xclip").isEmpty() || !haveXdotool())
            QSKIP("xclip or xdotool is not installed (scripts/test installs them)");
        TestEnv env(true);
        // Scripted dialogs, the real clipboard.
        struct RealClipboard : ScriptedPlatform {
            QtPlatform qt;
            bool clipboardHasText() override { return qt.clipboardHasText(); }
            bool clipboardHasImage() override { return qt.clipboardHasImage(); }
            QImage clipboardImage() override { return qt.clipboardImage(); }
            QString clipboardText() override { return qt.clipboardText(); }
            void setClipboard(const QString& t, const QImage& i) override { qt.setClipboard(t, i); }
        } platform;
        AppContext ctx{env.values, platform, env.store, env.real, env.ctx.paths};
        frmMain m(ctx);
        const auto leave = qScopeGuard([&m] { forgetChanges(m); });
        m.Form_Load();
        m.show();
        QVERIFY(framed(&m));
        m.LoadNewDoc();

        QImage stripes(40, 20, QImage::Format_RGB32);
        stripes.fill(QColor(200, 0, 0));
        QPainter(&stripes).fillRect(20, 0, 20, 20, QColor(0, 0, 200));
        const QString png = env.path("outside.png");
        QVERIFY(stripes.save(png));
        // xclip stays in the background, serving the clipboard until someone else owns it.
        QCOMPARE(QProcess::execute("xclip", {"-selection", "clipboard", "-t", "image/png", "-i", png}), 0);
        QVERIFY(QTest::qWaitFor([&] { return platform.clipboardHasImage(); }, 5000));
        QVERIFY(!platform.clipboardHasText());

        m.action("mnuEditPaste")->trigger();
        frmDocument* d = m.activeDocument();
        QCOMPARE(d->graphics().size(), size_t(1));
        const GraphicItem& pasted = d->graphics().begin()->second;
        QCOMPARE(pasted.path(), QString());
        QCOMPARE(pasted.picture.convertToFormat(QImage::Format_RGB32), stripes);
        QVERIFY(d->SaveLabelToFile(env.path("pasted.ckm")));

        // A real Ctrl+C: the clipboard is taken at the time of the user's key.
        d->selectGraphic(d->graphics().begin()->first);
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QVERIFY(xkey("ctrl+c"));
        QVERIFY(QTest::qWaitFor([&] { return platform.clipboardHasText(); }, 5000));
        auto readOutside = [](const QString& type) {
            QProcess xclip;
            xclip.start("xclip", {"-o", "-selection", "clipboard", "-t", type});
            // An xclip that never ends must not outlive the test; what it read is then compared.
            if (!QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, 10000))
                xclip.kill();
            return xclip.readAllStandardOutput();
        };
        QCOMPARE(QImage::fromData(readOutside("image/png")).convertToFormat(QImage::Format_RGB32), stripes);
        const QString text = QString::fromUtf8(readOutside("UTF8_STRING"));
        QVERIFY2(text.startsWith("CKMGraphic-   600   300"), qPrintable(text));
        QVERIFY2(text.endsWith(".bmp"), qPrintable(text)); // the bitmap written at the save
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
