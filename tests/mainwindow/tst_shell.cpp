// The windows around the work: first start, label windows, status panels, picture chooser.
#include <QtTest>
#include <QApplication>
#include <QImageReader>
#include <QLineEdit>
#include <QMenu>
#include <QScopeGuard>
#include <QScrollBar>
#include <QToolBar>
#include <QToolButton>

#include "app/Startup.h"
#include "dialogs/frmOptions.h"
#include "support/MainWindowFixture.h"
#include "support/UserInput.h"

namespace {

// The toolbar buttons that did not fit and went behind the extension arrow.
QStringList hiddenBehindArrow(frmMain& m)
{
    QStringList hidden;
    for (int i = 0; i < 3; ++i) {
        QToolBar* tb = m.tbToolbar(i);
        auto* arrow = tb->findChild<QToolButton*>("qt_toolbar_ext_button");
        if (arrow && arrow->isVisible())
            hidden << tb->objectName();
    }
    return hidden;
}

} // namespace

class tst_Shell : public QObject {
    Q_OBJECT

private slots:
    void firstStart()
    {
        TestEnv env(true);
        env.store.write("Main", "Show Tips at Startup", "0");
        QVERIFY(QDir(env.ctx.paths.workBase).removeRecursively());
        frmMain* m = Main(env.ctx, QString(), StartupOptions{0, false});
        QPointer<frmMain> alive = m;
        const auto leave = qScopeGuard([&alive] {
            if (alive) {
                forgetChanges(*alive);
                alive->close();
            }
        });
        QVERIFY(QTest::qWaitForWindowExposed(m));

        // The working folders are made (tst_settings) without a box in the way; one line says so.
        QVERIFY2(env.platform.shown.isEmpty(), qPrintable(env.platform.texts().join('|')));
        QCOMPARE(m->statusPanel()->text(),
                 "Created the Labels, Graphics and Template folders in " + env.ctx.paths.workBase);

        // Wide enough for the toolbars (ctest gives this test a screen of 1280 pixels).
        if (m->screen()->availableGeometry().width() < 1024)
            QSKIP("the toolbars need a screen 1024 pixels wide");
        QVERIFY2(hiddenBehindArrow(*m).isEmpty(), qPrintable(hiddenBehindArrow(*m).join(',')));
        QVERIFY(m->width() < 1024); // not the whole screen either
    }

    // Right after OK in the options dialog the window shows the whole label.
    void customSizesFitTheirWindow()
    {
        MainWithLabel f(true, QSize(1100, 900));
        const std::pair<const char*, const char*> sizes[] = {{"3.9", "3.67"}, {"3.9", "3.5"},  {"3.5", "3.67"}, {"3.8", "3.67"},
                                                             {"3.67", "3.9"}, {"3.5", "3.9"}, {"2", "1.5"}};
        for (const auto& [width, height] : sizes) {
            f.action("mnuFileLabelSize0")->trigger(); // each from the usual size
            input::whenModal<frmOptions>([&](frmOptions* o) {
                const auto leave = qScopeGuard([o = QPointer<frmOptions>(o)] {
                    if (o && o->isVisible())
                        o->cmdCancel_Click();
                });
                QCOMPARE(o->selectedTabKey(), QString("Label Specs"));
                o->optLabelType_Click(2);
                o->box(options::Box::CustomWidth)->setText(width);
                o->box(options::Box::CustomHeight)->setText(height);
                o->cmdOK_Click();
            });
            f.action("mnuFileLabelSize2")->trigger();
            QVERIFY(!f.action("mnuFileLabelSize0")->isChecked());
            frmDocument* d = f.doc();
            const QString size = QString("%1 x %2").arg(width, height);
            QCOMPARE(QSizeF(d->getLabelWidth(), d->getLabelHeight()), QSizeF(QString(width).toDouble(), QString(height).toDouble()));
            QVERIFY2(!d->VScroll()->isVisible() && !d->HScroll()->isVisible() && !d->Corner()->isVisible(), qPrintable(size));
            LabelView* view = d->picLabelView();
            QVERIFY2(view->parentWidget()->rect().contains(view->geometry()), qPrintable("cut off at " + size));
        }
    }

    // The title's "*" follows the difference from the file, steps undone and redone
    // included; questions and lists show the plain name. Pictures in the status panels.
    void labelWindowsAndTheirStatusPanels()
    {
        MainWithLabel fixture;
        TestEnv& env = fixture.env;
        frmMain& m = fixture.m;
        frmDocument* d = m.activeDocument();
        QMdiSubWindow* sub = subWindowOf(d);
        QCOMPARE(sub->windowTitle(), QString("Label 1[*]"));
        QVERIFY(!sub->isWindowModified());

        m.action("mnuLabelBorderVisible")->trigger();
        QVERIFY(d->isChanged() && sub->isWindowModified());
        m.mnuWindow_Click();
        QStringList entries;
        for (QAction* a : m.findChild<QMenu*>("mnuWindow")->actions())
            if (a->property("windowEntry").toBool())
                entries << a->text();
        QCOMPARE(entries, QStringList{"&1 Label 1*"});
        env.platform.answers = {MsgAnswer::Yes};
        env.platform.saveAnswers = {std::nullopt};
        QVERIFY(!sub->close());
        const ScriptedPlatform::Shown asked = env.platform.shown.last();
        QCOMPARE(asked.text, QString("'Label 1' has Changed, Save the Changes?"));
        QCOMPARE(asked.buttons, MsgButtons::YesNoCancel);
        QVERIFY(d->isChanged());

        const QString file = env.path("marked.ckm");
        env.platform.saveAnswers = {ScriptedPlatform::chosen(file)};
        m.action("mnuFileSave0")->trigger();
        QVERIFY(!d->isChanged() && !sub->isWindowModified());
        QCOMPARE(sub->windowTitle(), QString("marked.ckm[*]"));

        m.action("mnuEditUndo")->trigger(); // the border back: changed again
        QVERIFY(d->isChanged() && sub->isWindowModified());
        m.action("mnuEditRedo")->trigger(); // the saved label again: unchanged
        QVERIFY(!d->isChanged() && !sub->isWindowModified());
        m.action("mnuEditUndo")->trigger();
        env.platform.answers = {MsgAnswer::Cancel};
        QVERIFY(!sub->close());
        QCOMPARE(env.platform.texts().last(), QString("'marked.ckm' has Changed, Save the Changes?"));
        env.platform.answers = {MsgAnswer::No};
        QVERIFY(sub->close());
        QTRY_VERIFY(!m.activeDocument());

        // A picture in a new label: the chooser's first filter holds every format
        // a picture loads from.
        m.LoadNewDoc();
        d = m.activeDocument();
        const QString png = pictureFile(env, "wide.png", Qt::red, {40, 20});
        const QString jpeg = pictureFile(env, "photo.jpeg", Qt::red, {40, 20});

        env.platform.openAnswers = {ScriptedPlatform::chosen(png), ScriptedPlatform::chosen(jpeg)};
        m.action("mnuGraphicNew")->trigger();
        const FileDialogRequest req = env.platform.fileRequests.last();
        const QStringList patterns = req.filter.split('|').value(2 * (req.filterIndex - 1) + 1).split(';');
        // Each listed format is one a picture loads from, and each such format is listed.
        const QList<QByteArray> readable = QImageReader::supportedImageFormats();
        for (const QString& p : patterns)
            QVERIFY2(p == "*.wmf" || readable.contains(p.mid(2).toLatin1()), qPrintable(p));
        for (const QByteArray& f : readable)
            QVERIFY2(patterns.contains("*." + QString::fromLatin1(f)), f.constData());

        // The new picture is selected: its facts in the panels.
        auto panels = [d] { return QStringList({d->statusPanel("Filename"), d->statusPanel("X"), d->statusPanel("Y")}); };
        QCOMPARE(panels(), QStringList({png, "X%=100", "Y%=100"}));

        // Edited outside to twice its width: the box keeps its size, the panel tells.
        pictureFile(env, "wide.png", Qt::red, {80, 20});
        d->refreshGraphic(png);
        QCOMPARE(panels(), QStringList({png, "X%=50", "Y%=100"}));

        // Another label window takes over: this one's selection and panels clear.
        m.LoadNewDoc();
        QVERIFY(!d->activeItemSelected());
        QCOMPARE(panels(), QStringList({"", "", ""}));
        m.action("mnuGraphicNew")->trigger();
        QCOMPARE(m.activeDocument()->graphics().begin()->second.picture.size(), QSize(40, 20));

        // The real chooser gets the filter as Qt writes it, the first one chosen.
        QString chosen;
        QCOMPARE(QtPlatform::qtFilter("Pictures|*.png;*.jpeg|All Files (*.*)|*.*", 1, &chosen),
                 QString("Pictures (*.png *.jpeg);;All Files (*.*)"));
        QCOMPARE(chosen, QString("Pictures (*.png *.jpeg)"));
    }
};

QTEST_MAIN(tst_Shell)
#include "tst_shell.moc"
