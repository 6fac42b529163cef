// The print preview window driven through its menu items, buttons and zoom box
// (its arithmetic: tst_previewgeom; the same sheet on every output: tst_cups_e2e).
#include <QtTest>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QScrollBar>

#include "printing/frmPreview.h"
#include "PdfTools.h"
#include "support/MainWindowFixture.h"

using namespace pdftools;

class tst_Preview : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWithLabel> f;
    TestEnv* env = nullptr;
    frmMain* main = nullptr;

    frmPreview* preview() const { return main->findChild<frmPreview*>("frmPreview"); }

    frmPreview* openPreview()
    {
        main->action("mnuFilePrintPreview")->trigger();
        frmPreview* p = preview();
        if (p)
            (void)QTest::qWaitForWindowExposed(p);
        return p;
    }

    // Types into the zoom box with real key events and presses Enter.
    void typeZoom(frmPreview* p, const QString& text)
    {
        QLineEdit* e = p->cboViewSize()->lineEdit();
        e->selectAll();
        QTest::keyClicks(e, text);
        QTest::keyClick(e, Qt::Key_Return);
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(pdftools::installed(), pdftools::Missing);
    }

    void init()
    {
        f = std::make_unique<MainWithLabel>(true, QSize(1100, 800));
        env = &f->env;
        main = &f->m;
        usePdfPrinter(*main, env->path("printer.pdf"));
    }
    void cleanup() { f.reset(); }

    // Fitted to the page width at first, no navigation; one window for every Print Preview.
    void windowControls()
    {
        frmPreview* p = openPreview();
        QVERIFY(p && p->isVisible());
        QCOMPARE(p->viewMode(), int16_t(0));
        QVERIFY(p->action("mnuFilePrint")->isEnabled());
        QVERIFY(!p->action("mnuViewPrevious")->isEnabled() && !p->button("Next")->isEnabled());
        const double k = p->twipsPerPixel();
        const int fit = int(std::floor((p->picViewPort()->width() * k - 500) / 1440 / 8.5 * 100 + 0.5));
        QCOMPARE(p->cboViewSize()->currentText(), QString::number(fit) + "%");
        QCOMPARE(p->rememberedZoom(), int16_t(fit));
        QVERIFY(!p->HScrollBar()->isVisible());
        // Wide enough at first for the toolbar up to its page count, shown whole.
        const auto* pageNum = p->findChild<QLineEdit*>("txtPageNum");
        QVERIFY(pageNum->isVisible());
        QVERIFY(pageNum->width() >= pageNum->fontMetrics().horizontalAdvance(pageNum->text()) + 8);

        main->action("mnuFilePrintPreview")->trigger();
        QCOMPARE(main->findChildren<frmPreview*>().size(), qsizetype(1));
        QPointer<frmPreview> gone = p;
        p->button("Close")->trigger();
        QTRY_VERIFY(!gone);
        QVERIFY(env->platform.shown.isEmpty());

        // With no label open there is nothing to preview.
        main->mnuFileClose_Click();
        QVERIFY(!main->activeDocument());
        main->button("Preview")->trigger();
        QCOMPARE(env->platform.texts(), QStringList{"Nothing available to preview"});
        QVERIFY(!preview());
    }

    // The zoom box; where the preview was and whether it was maximised come back.
    void zoomAndPlace()
    {
        frmPreview* p = openPreview();
        QVERIFY(p);
        p->resize(700, 600);
        QTRY_COMPARE(p->viewMode(), int16_t(0));
        const double k = p->twipsPerPixel();

        typeZoom(p, "75");
        QCOMPARE(p->cboViewSize()->currentText(), QString("75%"));
        QCOMPARE(p->viewMode(), int16_t(2));
        QCOMPARE(p->rememberedZoom(), int16_t(75));
        QVERIFY(env->platform.shown.isEmpty());

        const QImage before = p->pageImage(1);
        typeZoom(p, "200");
        QCOMPARE(env->platform.texts(), QStringList{"Scaling Factor Must be Between 10% - 150%"});
        QCOMPARE(env->platform.shown.first().owner, p); // over the preview, not the main window
        QCOMPARE(p->cboViewSize()->currentText(), QString("75%"));
        QCOMPARE(p->rememberedZoom(), int16_t(75));
        QCOMPARE(p->pageImage(1), before); // the page is still there
        env->platform.shown.clear();

        // At 150% the page follows the scroll bars (their ranges: tst_previewgeom).
        typeZoom(p, "150");
        QWidget* page = p->picPageImage(1);
        QVERIFY(qAbs(page->width() - 1.5 * 12240 / k) <= 1);
        QCOMPARE(p->pageImage(1).size(), page->size());
        QScrollBar* h = p->HScrollBar();
        QScrollBar* v = p->VScrollBar();
        QVERIFY(h->isVisible() && v->isVisible());
        h->setValue(1000);
        QCOMPARE(page->x(), int(std::lround(-1000 / k)));
        v->setValue(v->maximum());
        QCOMPARE(page->y(), int(std::lround(-v->maximum() / k)));

        // Whole page chosen from the list; a fitted view follows the window's size.
        p->cboViewSize()->setCurrentIndex(1);
        emit p->cboViewSize()->activated(1);
        QCOMPARE(p->viewMode(), int16_t(1));
        auto whole = [&] { return int(std::floor((p->picViewPort()->height() * k - 500) / 1440 / 11 * 100 + 0.5)); };
        const int fitted = whole();
        QCOMPARE(p->cboViewSize()->currentText(), QString::number(fitted) + "%");
        p->resize(800, 800);
        QVERIFY(whole() > fitted);
        QCOMPARE(p->cboViewSize()->currentText(), QString::number(whole()) + "%");
        p->cboViewSize()->setCurrentIndex(2);
        emit p->cboViewSize()->activated(2);
        QCOMPARE(p->cboViewSize()->currentText(), QString("150%"));
        p->resize(750, 700);
        QCOMPARE(p->cboViewSize()->currentText(), QString("150%"));
        QVERIFY(env->platform.shown.isEmpty());

        // The keys read back are tst_desktop's.
        p->move(150, 120);
        p->resize(520, 610);
        p->close();
        QTRY_VERIFY(!preview());
        p = openPreview();
        QCOMPARE(p->pos(), QPoint(150, 120));
        QCOMPARE(p->size(), QSize(520, 610));
        p->showMaximized();
        QTRY_VERIFY(p->isMaximized());
        p->close();
        QTRY_VERIFY(!preview());
        p = openPreview();
        QTRY_VERIFY(p->isMaximized());

        // The main window goes while the preview is open, its zoom box
        // holding an edit that a focus change would apply: no crash.
        QApplication::setActiveWindow(p);
        p->cboViewSize()->lineEdit()->setFocus();
        QTRY_VERIFY(p->cboViewSize()->lineEdit()->hasFocus());
        p->cboViewSize()->setEditText("100%");
        QVERIFY(env->platform.shown.isEmpty());
        f.reset();
    }

    // Print prints one sheet, whatever the main print command's copies; Save writes the sheet to a PDF.
    void printsOneSheetAndSavesThePdf()
    {
        main->openLabel(CORK_SAMPLES "/Pale Ale.ckm");
        const QString printed = env->path("printed.pdf");
        usePdfPrinter(*main, printed);
        // The main print command was last given three copies.
        env->platform.printAnswers = {3};
        main->action("mnuFilePrint")->trigger();
        QCOMPARE(pages(printed), 3);
        main->printer().setCopyCount(3);
        frmPreview* p = openPreview();
        QVERIFY(p);
        QFile::remove(printed);
        p->button("Print")->trigger();
        QCOMPARE(pages(printed), 1);
        QVERIFY(env->platform.shown.isEmpty());
        QCOMPARE(main->statusPanel()->text(), QString());

        const QString pdf = env->path("sheet.pdf");
        env->platform.saveAnswers = {ScriptedPlatform::chosen(pdf)};
        p->button("Save")->trigger();
        QCOMPARE(env->platform.fileRequests.size(), qsizetype(1));
        const FileDialogRequest req = env->platform.fileRequests.first();
        QCOMPARE(req.fileName, QString("Pale Ale.pdf"));
        QCOMPARE(env->platform.fileOwners.first(), p);
        QVERIFY2(env->platform.shown.isEmpty(), qPrintable(env->platform.texts().join('|')));
        QCOMPARE(pages(pdf), 1);
        QCOMPARE(pagePoints(pdf), QSizeF(612, 792)); // the printer's Letter
        QCOMPARE(text(pdf).count("Pale Ale"), 4); // four labels on the sheet

        // Cancelled: nothing written, nothing said.
        QFile::remove(pdf);
        env->platform.saveAnswers = {std::nullopt};
        p->action("mnuFileSave")->trigger();
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY(env->platform.shown.isEmpty());

        // A folder that does not exist: told why, over the preview (a full disk: tst_batch).
        const QString target = env->path("no/such/folder/sheet.pdf");
        env->platform.saveAnswers = {ScriptedPlatform::chosen(target)};
        p->action("mnuFileSave")->trigger();
        QCOMPARE(env->platform.shown.size(), qsizetype(1));
        const QString said = env->platform.texts().first();
        QVERIFY2(said.startsWith("The sheet could not be saved to \"" + target + "\": ") &&
                     said.endsWith("\nAny earlier version of the file is unchanged."),
                 qPrintable(said));
        QCOMPARE(env->platform.shown.first().owner, p);
        // Outside the preview's commands messages are the main window's again.
        QCOMPARE(env->platform.dialogOwner(), nullptr);
    }

    // The page picture has the screen's own pixels (tst_preview_hidpi runs this at twice as many).
    void sharpOnHighDensityScreens()
    {
        frmPreview* p = openPreview();
        QVERIFY(p);
        typeZoom(p, "50");
        const qreal dpr = p->devicePixelRatioF();
        QCOMPARE(p->pageImage(1).devicePixelRatio(), dpr);
        QCOMPARE(p->pageImage(1).size(), p->picPageImage(1)->size() * dpr);
        if (qgetenv("QT_SCALE_FACTOR") == "2")
            QCOMPARE(dpr, 2.0);
    }
};

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"
