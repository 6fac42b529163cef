#pragma once
// The options dialog over a new label, printing to a Letter PDF, as a person
// uses it: opened and shown, boxes typed into with real keys.
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinter>
#include <QtTest>

#include "dialogs/frmOptions.h"
#include "document/LabelDocument.h"
#include "support/TestEnv.h"
#include "support/UserInput.h"

struct OptionsFixture {
    std::unique_ptr<TestEnv> env;
    std::unique_ptr<QPrinter> printer;
    std::unique_ptr<LabelDocument> doc;
    std::unique_ptr<frmOptions> dlg;

    void setUp()
    {
        env = std::make_unique<TestEnv>();
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(env->path("out.pdf"));
        printer->setPageSize(QPageSize(QPageSize::Letter));
        printer->setPageOrientation(QPageLayout::Portrait);
        doc = std::make_unique<LabelDocument>(env->values, env->platform, env->fixed);
    }
    void tearDown()
    {
        dlg.reset();
        doc.reset();
        printer.reset();
        env.reset();
    }
    void open(bool withDocument = true, int tab = 0)
    {
        dlg = std::make_unique<frmOptions>(env->ctx, withDocument ? doc.get() : nullptr, *printer, nullptr);
        dlg->selectTab(tab);
        dlg->Form_Load();
        dlg->show();
        dlg->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(dlg.get()));
    }
    QLineEdit* edit(const QString& name)
    {
        auto* box = dlg->findChild<QLineEdit*>(name);
        if (!box)
            qFatal("no box %s", qPrintable(name));
        return box;
    }
    QStringList texts(const QStringList& boxes)
    {
        QStringList t;
        for (const QString& b : boxes)
            t << edit(b)->text();
        return t;
    }
    static void typeInto(QWidget* box, const QString& text) { input::typeInto(box, text); }
};
