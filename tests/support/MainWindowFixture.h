#pragma once
// A main window on the scripted platform with one empty label open: where most
// window tests start. What its labels still hold unsaved is forgotten at the
// end, so no question holds the next test up.
#include <QMdiSubWindow>
#include <QPrinter>

#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "platform/Platform.h"
#include "support/Files.h"
#include "support/TestEnv.h"

inline void forgetChanges(frmMain& m)
{
    for (frmDocument* d : m.documents())
        d->setFlags(false, true);
}

struct MainWithLabel {
    TestEnv env;
    frmMain m{env.ctx};
    explicit MainWithLabel(bool realMeasurer = true, QSize size = {}) : env(realMeasurer)
    {
        m.Form_Load();
        if (size.isValid())
            m.resize(size);
        m.show();
        m.LoadNewDoc();
    }
    ~MainWithLabel() { forgetChanges(m); }
    frmDocument* doc() const { return m.activeDocument(); }
    QAction* action(const char* name) const { return m.action(name); }
};

// A test class's share of a fresh window with a label for each of its tests
// (made in its init(), dropped in its cleanup()), with short names for them.
struct WindowTests {
    std::unique_ptr<MainWithLabel> f;
    frmMain& main() const { return f->m; }
    TestEnv& env() const { return f->env; }
    frmDocument* doc() const { return f->doc(); }
    QAction* action(const char* name) const { return f->m.action(name); }
};

// The window's printer writes a PDF file, on paper without margins, upright.
inline void usePdfPrinter(frmMain& m, const QString& pdf, const QPageSize& paper = QPageSize(QPageSize::Letter))
{
    QPrinter& pr = m.printer();
    pr.setOutputFormat(QPrinter::PdfFormat);
    pr.setOutputFileName(pdf);
    pr.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
}

inline QMdiSubWindow* subWindowOf(frmDocument* d) { return qobject_cast<QMdiSubWindow*>(d->parentWidget()); }

// A picture editor that runs until the returned marker file appears (or gives
// up after ten seconds); set as the program's editor.
inline QString waitingEditor(TestEnv& env)
{
    const QString marker = env.path("closed"), editor = env.path("editor.sh");
    const QString script = QString("#!/bin/sh\nfor i in $(seq 200); do [ -e '%1' ] && exit 0; sleep 0.05; done\n");
    if (!writeFile(editor, script.arg(marker).toUtf8()))
        return QString();
    QFile(editor).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    env.values.graphicsEditor = '"' + editor + '"'; // a command line: the folder may have a blank
    return marker;
}

// A label saved with one text, in folder or else the label folder; its path,
// or empty when it could not be written.
inline QString savedLabel(TestEnv& env, const QString& name, const QString& text = "Ale", const QString& folder = {})
{
    LabelDocument d(env.values, env.platform, env.fixed);
    d.createNewText(text, 0);
    const QString p = (folder.isEmpty() ? env.values.labelFolder : folder) + "/" + name;
    return d.SaveLabelToFile(p) ? p : QString();
}

// A plain picture file of one colour.
inline QString pictureFile(TestEnv& env, const QString& name, QColor colour = Qt::red, QSize size = {30, 20})
{
    QImage img(size, QImage::Format_RGB32);
    img.fill(colour);
    img.save(env.path(name));
    return env.path(name);
}

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
    ~RealMain() { forgetChanges(m); }
};
