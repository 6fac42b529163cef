// The program's windows on a real X server with a window manager (started by
// desktop_e2e.sh): where the main window comes back after closing, the exact
// titles the window manager shows, and the Window menu's tiling on screen.
#include <QtTest>
#include <QStandardPaths>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QLabel>
#include <QMessageBox>
#include <QAbstractButton>
#include <QToolBar>
#include <QComboBox>
#include <QLineEdit>
#include <QPrinter>
#include <QFontDatabase>
#include <QScreen>
#include <QScopeGuard>
#include <QToolBar>

#include "app/AppContext.h"
#include "app/Startup.h"
#include "dialogs/frmOptions.h"
#include "document/LabelView.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"
#include "printing/frmPreview.h"
#include "support/TestEnv.h"

namespace {

// The title the window manager reads for a window (_NET_WM_NAME).
QString wmName(QWidget* w)
{
    QProcess p;
    p.start("xprop", {"-id", QString::number(w->winId()), "_NET_WM_NAME"});
    p.waitForFinished(10000);
    const QString out = QString::fromUtf8(p.readAllStandardOutput()).trimmed();
    const qsizetype eq = out.indexOf(" = \"");
    return eq < 0 ? "(none: " + out + ")" : out.mid(eq + 4).chopped(1);
}

// Waits until the window manager has framed the window.
bool framed(QWidget* w)
{
    if (!QTest::qWaitForWindowExposed(w))
        return false;
    return QTest::qWaitFor([w] { return w->frameGeometry().top() < w->geometry().top(); }, 5000);
}

// Reads the title of the next modal window once it is on screen, then closes it.
struct ModalWatcher {
    QString title;
    void arm()
    {
        QTimer::singleShot(50, [this] {
            QWidget* m = QApplication::activeModalWidget();
            if (!m || !m->windowHandle() || !m->windowHandle()->isExposed()) {
                arm();
                return;
            }
            title = wmName(m);
            m->close();
        });
    }
};

// The window manager's stacking, bottom to top (_NET_CLIENT_LIST_STACKING),
// as the X ids of the program's frames and windows.
QList<WId> stacking()
{
    QProcess p;
    p.start("xprop", {"-root", "_NET_CLIENT_LIST_STACKING"});
    p.waitForFinished(10000);
    QList<WId> ids;
    const QString out = QString::fromUtf8(p.readAllStandardOutput());
    const QRegularExpression hex("0x[0-9a-fA-F]+");
    for (auto it = hex.globalMatch(out.mid(out.indexOf('#'))); it.hasNext();)
        ids << WId(it.next().captured(0).toULongLong(nullptr, 16));
    return ids;
}

// True when the window manager has window a above window b.
bool above(QWidget* a, QWidget* b)
{
    const QList<WId> s = stacking();
    return s.indexOf(a->winId()) > s.indexOf(b->winId()) && s.indexOf(b->winId()) >= 0;
}

// A real key from the X server, to whichever window has the keyboard.
bool xkey(const QString& key) { return QProcess::execute("xdotool", {"key", key}) == 0; }

} // namespace

// A main window with the real platform: real message boxes and choosers.
struct RealMain {
    TestEnv env{true};
    QtPlatform platform;
    AppContext ctx{env.values, platform, env.store, env.real, env.ctx.paths};
    frmMain m{ctx};
    RealMain()
    {
        platform.setParentWidget(&m);
        m.Form_Load();
    }
};

class tst_Desktop : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { configureApplication(); }

    void mainWindowComesBackWhereItWas()
    {
        TestEnv env;
        env.store.write("Main", "Left", "3000"); // 200 x 300 pixels at 96 dpi
        env.store.write("Main", "Top", "4500");
        env.store.write("Main", "Width", "9000");
        env.store.write("Main", "Height", "7500");
        QRect first;
        for (int run = 0; run < 3; ++run) {
            frmMain m(env.ctx);
            m.Form_Load();
            m.show();
            QVERIFY(framed(&m));
            QTest::qWait(100);
            if (run == 0)
                first = m.frameGeometry();
            else
                QCOMPARE(m.frameGeometry(), first);
            QVERIFY(m.close());
            QCOMPARE(env.store.read("Main", "Left", ""), QString("3000"));
            QCOMPARE(env.store.read("Main", "Top", ""), QString("4500"));
            QCOMPARE(env.store.read("Main", "Width", ""), QString("9000"));
            QCOMPARE(env.store.read("Main", "Height", ""), QString("7500"));
        }
        QCOMPARE(first.topLeft(), QPoint(200, 300));

        // Stored far above and left of every screen: back on the primary screen
        // with its title bar in reach.
        env.store.write("Main", "Left", "-30000");
        env.store.write("Main", "Top", "-9000");
        frmMain m(env.ctx);
        m.Form_Load();
        m.show();
        QVERIFY(framed(&m));
        QTest::qWait(100);
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY2(screen.contains(m.frameGeometry().topLeft()),
                 qPrintable(QString("frame at %1,%2").arg(m.frameGeometry().x()).arg(m.frameGeometry().y())));
        QVERIFY(m.close());
    }

    // The splash window takes the keyboard when it comes up: a key press
    // closes it and start-up goes on with the main window.
    void splashClosesOnAKey()
    {
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is not installed (scripts/test installs it)");
        TestEnv env(true);
        env.store.write("Main", "Show Tips at Startup", "0");
        // Watched from a timer and never by waiting in place: start-up is still
        // inside the splash window's show() when the first events arrive.
        bool active = false, closedByWatch = false;
        int ticks = 0;
        QPointer<QWidget> splash;
        QTimer watch;
        watch.setInterval(50);
        connect(&watch, &QTimer::timeout, this, [&] {
            ++ticks;
            if (!active) {
                if (!splash)
                    for (QWidget* w : QApplication::topLevelWidgets())
                        if (w->objectName() == "frmSplash" && w->isVisible() && w->windowHandle()->isExposed())
                            splash = w, ticks = 0;
                // Five seconds to get the keyboard; then a real key from the X server.
                if (splash && (active = QApplication::activeWindow() == splash)) {
                    QProcess::execute("xdotool", {"key", "space"});
                    ticks = 0;
                }
                if (active || !splash || ticks < 100)
                    return;
            } else if (ticks < 100) {
                return; // five seconds for the key to close it
            }
            // Never left waiting for its long timer.
            watch.stop();
            closedByWatch = splash && splash->close();
        });
        watch.start();
        frmMain* m = Main(env.ctx, QString(), StartupOptions{600000, true});
        watch.stop();
        QVERIFY2(active, "the splash window never had the keyboard");
        QVERIFY2(!closedByWatch, "the key did not close the splash window");
        QVERIFY(m->isVisible());
        QPointer<frmMain> alive = m;
        for (frmDocument* d : m->documents())
            d->setFlags(false, true);
        QVERIFY(m->close());
        QTRY_VERIFY(!alive);
    }

    // A first start: the program's icon in the window manager's hands, every
    // toolbar button in sight; maximised by the user, it comes back maximised,
    // and un-maximised it goes back to its place.
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
            for (int i = 0; i < 3; ++i) {
                auto* arrow = m.tbToolbar(i)->findChild<QWidget*>("qt_toolbar_ext_button");
                QVERIFY2(!arrow || !arrow->isVisible(), qPrintable(m.tbToolbar(i)->objectName()));
            }

            // Two labels, for the picture of the window with its frame and icon.
            m.fillFonts(QFontDatabase::families());
            m.cboFonts()->setCurrentText("Arial");
            for (const char* sample : {"/Pale Ale.ckm", "/Chateau du Jardin.ckm"}) {
                m.openLabel(QStringLiteral(CORK_SAMPLES) + sample);
            }
            m.mdiArea()->subWindowList().first()->move(0, 0);
            m.mdiArea()->subWindowList().last()->move(m.mdiArea()->subWindowList().first()->frameGeometry().right() + 1, 0);
            m.action("mnuViewShowGuides")->trigger();
            QTest::qWait(300);
            const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(m.frameGeometry());
            QVERIFY(!shot.isNull());
            const QString out = qEnvironmentVariable("CORK_MAIN_SCREENSHOT");
            if (!out.isEmpty())
                QVERIFY(shot.save(out));
            for (frmDocument* d : m.documents())
                d->setFlags(false, true);
            m.action("mnuViewShowGuides")->trigger();

            // Maximised with a double click on the title bar, as a person does.
            normalPlace = QRect(m.pos(), m.size());
            const QRect frame = m.frameGeometry();
            const QPoint bar(frame.center().x(), (frame.top() + m.geometry().top()) / 2);
            QCOMPARE(QProcess::execute("xdotool", {"mousemove", QString::number(bar.x()), QString::number(bar.y()),
                                                   "click", "--repeat", "2", "--delay", "80", "1"}),
                     0);
            QTRY_VERIFY(m.isMaximized());
            QVERIFY(m.close());
        }
        QCOMPARE(env.store.read("Main", "Window State", ""), QString("2"));
        const QString width = env.store.read("Main", "Width", "");
        QVERIFY2(width.toDouble() < 0.9 * QGuiApplication::primaryScreen()->availableGeometry().width() * 15,
                 qPrintable(width)); // the normal size, not the maximised one

        // Back maximised, and closed maximised: its place stays as it was.
        const QStringList place = {env.store.read("Main", "Left", ""), env.store.read("Main", "Top", ""), width,
                                   env.store.read("Main", "Height", "")};
        {
            frmMain m(env.ctx);
            m.Form_Load();
            m.show();
            QVERIFY(QTest::qWaitForWindowExposed(&m));
            QTRY_VERIFY(m.isMaximized());
            QTest::qWait(200);
            QVERIFY(m.close());
            QCOMPARE(QStringList({env.store.read("Main", "Left", ""), env.store.read("Main", "Top", ""),
                                  env.store.read("Main", "Width", ""), env.store.read("Main", "Height", "")}),
                     place);
        }

        frmMain again(env.ctx);
        again.Form_Load();
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QTRY_VERIFY(again.isMaximized());
        QTRY_COMPARE(again.frameGeometry().size(), QGuiApplication::primaryScreen()->availableGeometry().size());
        again.showNormal();
        QTRY_COMPARE(QRect(again.pos(), again.size()), normalPlace);
        QVERIFY(again.close());
        QCOMPARE(env.store.read("Main", "Window State", ""), QString("0"));
    }

    void titlesAreExactlyThePrograms()
    {
        RealMain real;
        frmMain& m = real.m;
        m.show();
        QVERIFY(framed(&m));
        QTRY_COMPARE(wmName(&m), QString("Corkcrafter - 2.15"));

        // A message box with the program's title: label size without a label.
        ModalWatcher box;
        box.arm();
        m.action("mnuFileLabelSize0")->trigger();
        QCOMPARE(box.title, QString("Corkcrafter 2"));

        // The text input dialog.
        m.LoadNewDoc();
        ModalWatcher input;
        input.arm();
        m.action("mnuTextNew")->trigger();
        QCOMPARE(input.title, QString("Text Input"));
        QVERIFY(m.activeDocument()->texts().empty());
        m.activeDocument()->setFlags(false, true);
        QVERIFY(m.close());
    }

    void tileHorizontalOnScreen()
    {
        TestEnv env(true);
        env.store.write("Main", "Left", "1500");
        env.store.write("Main", "Top", "1500");
        env.store.write("Main", "Width", "12000");
        env.store.write("Main", "Height", "9750");
        frmMain m(env.ctx);
        m.Form_Load();
        m.show();
        QVERIFY(framed(&m));
        m.LoadNewDoc();
        m.activeDocument()->createNewText("Pale Ale", 0);
        m.LoadNewDoc();
        m.activeDocument()->setLabelDimensions(1, 4, 5);
        m.activeDocument()->resizeLabel();
        m.activeDocument()->createNewText("Red Wine", 0);
        m.action("mnuWindowTileHorizontal")->trigger();
        QTest::qWait(300);

        const QRect area = m.mdiArea()->viewport()->rect();
        QList<QRect> g;
        for (QMdiSubWindow* s : m.mdiArea()->subWindowList())
            g << s->geometry();
        std::sort(g.begin(), g.end(), [](const QRect& a, const QRect& b) { return a.top() < b.top(); });
        QCOMPARE(g.size(), 2);
        QCOMPARE(g[0], QRect(0, 0, area.width(), area.height() / 2));
        QCOMPARE(g[1].top(), g[0].bottom() + 1);
        QCOMPARE(g[1].width(), area.width());
        QCOMPARE(g[1].bottom(), area.bottom());

        // What the screen shows, frame and title bar included.
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(m.frameGeometry());
        QVERIFY(!shot.isNull());
        const QString out = qEnvironmentVariable("CORK_SCREENSHOT");
        if (!out.isEmpty())
            QVERIFY(shot.save(out));
        for (frmDocument* d : m.documents())
            d->setFlags(false, true);
        QVERIFY(m.close());
    }

    // A picture selected with the mouse shows its eight handles on screen, and
    // a guide held with the mouse shows its read-out.
    void editingOnScreen()
    {
        TestEnv env(true);
        frmMain m(env.ctx);
        m.Form_Load();
        m.resize(900, 760);
        m.show();
        QVERIFY(framed(&m));
        m.LoadNewDoc();
        frmDocument* d = m.activeDocument();
        d->LoadFile(CORK_SAMPLES "/Pale Ale.ckm");
        QVERIFY(!d->graphics().empty());
        m.action("mnuViewShowGuides")->trigger();
        QVERIFY(d->guidesVisible());
        QTest::qWait(200);

        LabelView* view = d->picLabelView();
        const double k = view->twipsPerPixel();
        auto px = [k](QPointF t) { return (t / k).toPoint(); };
        const GraphicItem& g = d->graphics().begin()->second;
        const QPointF inside(g.left + g.width / 3, g.top + g.height / 3);
        QTest::mouseClick(view, Qt::LeftButton, {}, px(inside));
        QVERIFY(d->activeItemSelected());
        QTest::qWait(200);
        QImage shot = view->grab().toImage();
        const auto handles = d->editor().resizers();
        QVERIFY(handles);
        for (const QRectF& h : *handles) // each handle's middle is the handle colour
            QCOMPARE(QColor(shot.pixel(px(h.center()))), QColor(0, 0, 192));

        // Hold the vertical guide and drag it left of the centre.
        const QPoint onGuide = px(QPointF(d->vGuideX(), d->surfaceHeight() - 150)); // below the texts
        QTest::mousePress(view, Qt::LeftButton, {}, onGuide);
        QTest::mouseMove(view, onGuide - QPoint(int(720 / k), 0));
        QTest::qWait(200);
        QLabel* readout = view->lblGuide();
        QVERIFY(readout->isVisible());
        QCOMPARE(readout->text(), QString("-0.50"));

        const QImage screen = QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(m.frameGeometry());
        QVERIFY(!screen.isNull());
        const QString out = qEnvironmentVariable("CORK_SCREENSHOT_EDITING");
        if (!out.isEmpty())
            QVERIFY(screen.save(out));
        QTest::mouseRelease(view, Qt::LeftButton, {}, onGuide - QPoint(int(720 / k), 0));
        QVERIFY(!readout->isVisible());
        QVERIFY(d->activeItemSelected()); // the guide's click keeps the selection
        for (frmDocument* doc : m.documents())
            doc->setFlags(false, true);
        QVERIFY(m.close());
    }

    void previewOnScreen()
    {
        TestEnv env(true);
        env.store.write("Preview", "MainLeft", "1500");
        env.store.write("Preview", "MainTop", "900");
        env.store.write("Preview", "MainWidth", "10500");
        env.store.write("Preview", "MainHeight", "12000");
        frmMain m(env.ctx);
        m.Form_Load();
        m.show();
        QVERIFY(framed(&m));
        m.openLabel(QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR "/samples/Pale Ale.ckm"));
        QVERIFY(m.activeDocument());
        m.printer().setOutputFormat(QPrinter::PdfFormat);
        m.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        m.action("mnuFilePrintPreview")->trigger();
        auto* p = m.findChild<frmPreview*>("frmPreview");
        QVERIFY(p);
        QVERIFY(framed(p));
        QCOMPARE(wmName(p), QString("Print Preview"));
        QCOMPARE(p->pos(), QPoint(100, 60));
        QCOMPARE(p->size(), QSize(700, 800));
        QLineEdit* zoom = p->cboViewSize()->lineEdit();
        zoom->selectAll();
        QTest::keyClicks(zoom, "75");
        QTest::keyClick(zoom, Qt::Key_Return);
        QCOMPARE(p->cboViewSize()->currentText(), QString("75%"));
        QTest::qWait(300);
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(p->frameGeometry());
        QVERIFY(!shot.isNull());
        const QString out = qEnvironmentVariable("CORK_PREVIEW_SCREENSHOT");
        if (!out.isEmpty())
            QVERIFY(shot.save(out));
        p->close();
        for (frmDocument* d : m.documents())
            d->setFlags(false, true);
        QVERIFY(m.close());
    }

    // The preview's range message comes up over the preview, the main window
    // stays behind it, and after the message the typing goes on in the preview.
    void previewMessagesStayWithThePreview()
    {
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is not installed (scripts/test installs it)");
        RealMain real;
        frmMain& m = real.m;
        m.show();
        QVERIFY(framed(&m));
        m.LoadNewDoc();
        m.printer().setOutputFormat(QPrinter::PdfFormat);
        m.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
        m.action("mnuFilePrintPreview")->trigger();
        auto* p = m.findChild<frmPreview*>("frmPreview");
        QVERIFY(p);
        QVERIFY(framed(p));
        p->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p));
        QLineEdit* zoom = p->cboViewSize()->lineEdit();
        zoom->setFocus();
        QTRY_VERIFY(zoom->hasFocus());
        const QString fonts = m.cboFonts()->currentText();

        // The message, once it is on screen: where it stands, then Enter closes it.
        QString order;
        std::function<void()> look = [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || !box->windowHandle() || !box->windowHandle()->isExposed()) {
                QTimer::singleShot(50, look);
                return;
            }
            QTest::qWait(300);
            order = QString("box over preview: %1, preview over main: %2").arg(above(box, p)).arg(above(p, &m));
            xkey("Return");
        };
        QTimer::singleShot(0, look);
        QVERIFY(xkey("ctrl+a") && xkey("5") && xkey("Return"));
        QTRY_VERIFY(!order.isEmpty());
        QCOMPARE(order, QString("box over preview: 1, preview over main: 1"));
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QTRY_COMPARE(QApplication::activeWindow(), p);
        QTest::qWait(300);
        QVERIFY(above(p, &m));

        // The next typing is the preview's.
        QVERIFY(xkey("ctrl+a") && xkey("7") && xkey("5") && xkey("Return"));
        QTRY_COMPARE(p->cboViewSize()->currentText(), QString("75%"));
        QCOMPARE(m.cboFonts()->currentText(), fonts);
        p->close();
        for (frmDocument* d : m.documents())
            d->setFlags(false, true);
        QVERIFY(m.close());
    }

    // The options dialog over the main window, its title as the window
    // manager shows it, and a picture of its first page.
    void optionsDialogOnScreen()
    {
        TestEnv env(true);
        frmMain m(env.ctx);
        m.Form_Load();
        m.show();
        QVERIFY(framed(&m));
        m.printer().setPageSize(QPageSize(QPageSize::Letter));
        m.printer().setPageOrientation(QPageLayout::Portrait);
        m.LoadNewDoc();
        frmDocument* d = m.activeDocument();
        d->setLabelDimensions(2, 2.5, 3.5);
        d->setTopMargin(0.5);
        d->setLeftMargin(0.5);
        d->setRowSpace(0.25);
        d->setColumnSpace(0.25);
        d->setCutmarks(2);

        QString title;
        bool shot = false;
        std::function<void()> look = [&] {
            auto* o = qobject_cast<frmOptions*>(QApplication::activeModalWidget());
            if (!o || !framed(o)) {
                QTimer::singleShot(50, look);
                return;
            }
            QTest::qWait(300);
            title = wmName(o);
            const QImage img = QGuiApplication::primaryScreen()->grabWindow(0).toImage().copy(o->frameGeometry());
            const QString out = qEnvironmentVariable("CORK_OPTIONS_SCREENSHOT");
            shot = !img.isNull() && (out.isEmpty() || img.save(out));
            o->cmdCancel_Click();
        };
        QTimer::singleShot(0, look);
        m.action("mnuFileLabelSize2")->trigger();
        QCOMPARE(title, QString("Options"));
        QVERIFY(shot);
        d->setFlags(false, true);
        QVERIFY(m.close());
    }

    // Pictures through the system clipboard with another program (xclip): one
    // put there from outside pastes as a picture and survives saving and
    // reopening; one copied here reads back outside as an image and the
    // descriptor text.
    void clipboardWithOtherPrograms()
    {
        if (QStandardPaths::findExecutable("xclip").isEmpty() || QStandardPaths::findExecutable("xdotool").isEmpty())
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
        m.Form_Load();
        m.show();
        QVERIFY(framed(&m));
        m.LoadNewDoc();

        QImage stripes(40, 20, QImage::Format_RGB32);
        stripes.fill(QColor(200, 0, 0));
        for (int x = 20; x < 40; ++x)
            for (int y = 0; y < 20; ++y)
                stripes.setPixel(x, y, qRgb(0, 0, 200));
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
        QCOMPARE(pasted.picture.size(), QSize(40, 20));
        QCOMPARE(QColor(pasted.picture.pixel(5, 5)), QColor(200, 0, 0));
        const QString label = env.path("pasted.ckm");
        QVERIFY(d->SaveLabelToFile(label));

        m.LoadNewDoc();
        frmDocument* again = m.activeDocument();
        again->LoadFile(label);
        QCOMPARE(again->graphics().size(), size_t(1));
        const GraphicItem& back = again->graphics().begin()->second;
        QCOMPARE(back.picture.size(), QSize(40, 20));
        QCOMPARE(QColor(back.picture.pixel(30, 5)), QColor(0, 0, 200));

        // Copied here with a real Ctrl+C from the X server (the clipboard is
        // taken at the time of the user's key), read outside while this
        // program serves it.
        again->selectGraphic(again->graphics().begin()->first);
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        QCOMPARE(QProcess::execute("xdotool", {"key", "ctrl+c"}), 0);
        QVERIFY(QTest::qWaitFor([&] { return platform.clipboardHasText(); }, 5000));
        auto readOutside = [](const QString& type) {
            QProcess xclip;
            xclip.start("xclip", {"-o", "-selection", "clipboard", "-t", type});
            QTest::qWaitFor([&] { return xclip.state() == QProcess::NotRunning; }, 10000);
            return xclip.readAllStandardOutput();
        };
        const QImage outside = QImage::fromData(readOutside("image/png"));
        QCOMPARE(outside.size(), QSize(40, 20));
        QCOMPARE(QColor(outside.pixel(30, 5)), QColor(0, 0, 200));
        const QString text = QString::fromUtf8(readOutside("UTF8_STRING"));
        QVERIFY2(text.startsWith("CKMGraphic-   600   300"), qPrintable(text));
        QVERIFY2(text.endsWith(".bmp"), qPrintable(text)); // the bitmap written at the save

        for (frmDocument* doc : m.documents())
            doc->setFlags(false, true);
        QVERIFY(m.close());
    }

    // Real message boxes and the window manager's own activation: after the
    // delete question is answered No, the real Delete and arrow keys reach the
    // label. Real clicks and keys sent to the X server while the picture
    // editor runs are dropped, not run once it has closed.
    void keysAndClicksAroundDialogsAndTheEditor()
    {
        if (QStandardPaths::findExecutable("xdotool").isEmpty())
            QSKIP("xdotool is not installed (scripts/test installs it)");
        RealMain real;
        TestEnv& env = real.env;
        frmMain& m = real.m;
        m.resize(900, 700);
        m.show();
        QVERIFY(framed(&m));
        m.LoadNewDoc();
        frmDocument* d = m.activeDocument();
        QVERIFY(d->createNewText("Stout", 0));
        m.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&m));
        d->picLabelView()->setFocus();

        // The delete question answered No, twice, each time followed by a real key.
        bool answered = false;
        std::function<void()> answerNo = [&] {
            QTimer::singleShot(50, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (!box || !box->windowHandle() || !box->windowHandle()->isExposed())
                    return answerNo();
                QTest::mouseClick(box->button(QMessageBox::No), Qt::LeftButton);
                answered = true;
            });
        };
        const double top = d->activeText()->top;
        for (int i = 1; i <= 2; ++i) {
            answered = false;
            answerNo();
            QCOMPARE(QProcess::execute("xdotool", {"key", "Delete"}), 0);
            QTRY_VERIFY(answered);
            QTRY_VERIFY(m.isActiveWindow());
            QTRY_VERIFY(d->picLabelView()->hasFocus());
            QCOMPARE(QProcess::execute("xdotool", {"key", "Down"}), 0);
            QTRY_COMPARE(d->activeText()->top, top + 15 * i);
        }
        QCOMPARE(int(d->texts().size()), 1);

        // The editor: a script that ends when the marker file appears.
        const QString marker = env.path("closed"), editor = env.path("editor.sh");
        QFile script(editor);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(QString("#!/bin/sh\nfor i in $(seq 200); do [ -e '%1' ] && exit 0; sleep 0.05; done\n")
                         .arg(marker).toUtf8());
        script.close();
        script.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        env.values.graphicsEditor = '"' + editor + '"'; // a command line: the folder has a blank
        QImage rose(30, 20, QImage::Format_RGB32);
        rose.fill(Qt::red);
        QVERIFY(rose.save(env.path("rose.png")));
        QVERIFY(d->createNewGraphic(env.path("rose.png")));
        QWidget* newButton = m.tbToolbar(0)->widgetForAction(m.button("New"));
        const QPoint at = newButton->mapToGlobal(newButton->rect().center());
        const qsizetype labels = m.documents().size();
        QTimer::singleShot(200, [&] {
            QProcess::execute("xdotool", {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1",
                                          "click", "1", "key", "ctrl+n"});
            QTest::qWait(300); // the X server has delivered them while we wait
            QFile(marker).open(QIODevice::WriteOnly);
        });
        m.action("mnuGraphicEdit")->trigger();
        QTest::qWait(500);
        QCOMPARE(m.documents().size(), labels);
        QCOMPARE(QProcess::execute("xdotool", {"click", "1"}), 0); // and afterwards input counts again
        QTRY_COMPARE(m.documents().size(), labels + 1);

        for (frmDocument* doc : m.documents())
            doc->setFlags(false, true);
        QVERIFY(m.close());
    }
};

QTEST_MAIN(tst_Desktop)
#include "tst_desktop.moc"
