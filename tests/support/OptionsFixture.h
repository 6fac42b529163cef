#pragma once
// The options dialog over a new label, printing to a Letter PDF, as a person
// uses it: opened and shown, boxes typed into with real keys.
#include <QAbstractButton>
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
    template <class T = QWidget> T* child(const QString& name)
    {
        T* w = dlg->findChild<T*>(name);
        if (!w)
            qFatal("no control %s", qPrintable(name));
        return w;
    }
    QLineEdit* edit(const QString& name) { return child<QLineEdit>(name); }
    bool checked(const QString& name) { return child<QAbstractButton>(name)->isChecked(); }
    // A person's click on a button, radio button or check box of the page shown.
    void click(const QString& name)
    {
        auto* b = child<QAbstractButton>(name);
        QVERIFY2(b->isEnabled() && b->isVisible(), qPrintable(name)); // only the selected page is enabled
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
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
