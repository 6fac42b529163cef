// The print preview window driven through its menu items, buttons and zoom
// box, and its pictures compared with what the printer and the PDF get.
#include <QtTest>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QScrollBar>
#include <QToolBar>

#include "printing/frmPreview.h"
#include "PdfTools.h"
#include "support/MainWindowFixture.h"

using namespace pdftools;

namespace {

// Ink pixels of a that have no ink within r pixels in b.
int unmatched(const QImage& a, const QImage& b, int r, int* total)
{
    int miss = 0;
    *total = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (!ink(a.pixel(x, y)))
                continue;
            ++*total;
            bool found = false;
            for (int dy = -r; dy <= r && !found; ++dy)
                for (int dx = -r; dx <= r && !found; ++dx) {
                    const int xx = x + dx, yy = y + dy;
                    found = xx >= 0 && yy >= 0 && xx < b.width() && yy < b.height() && ink(b.pixel(xx, yy));
                }
            if (!found)
                ++miss;
        }
    return miss;
}

} // namespace

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

    void usePdfPrinter(const QString& pdf, const QPageSize& paper = QPageSize(QPageSize::Letter))
    {
        QPrinter& pr = main->printer();
        pr.setOutputFormat(QPrinter::PdfFormat);
        pr.setOutputFileName(pdf);
        pr.setPageLayout(QPageLayout(paper, QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
    }

    void openSample()
    {
        main->openLabel(CORK_SAMPLES "/Pale Ale.ckm");
        QVERIFY(main->activeDocument());
        QCOMPARE(main->activeDocument()->saveTitle, QString("Pale Ale.ckm"));
    }

private slots:
    void initTestCase()
    {
        for (const char* tool : {"pdftoppm", "pdfinfo", "pdftotext"})
            if (QStandardPaths::findExecutable(tool).isEmpty())
                QFAIL("poppler-utils are missing: run scripts/test, which installs them");
    }

    void init()
    {
        f = std::make_unique<MainWithLabel>(true, QSize(1100, 800));
        env = &f->env;
        main = &f->m;
        usePdfPrinter(env->path("printer.pdf"));
    }
    void cleanup() { f.reset(); }

    // Menus, toolbar and zoom list; fitted to the page width at first, one
    // page, no navigation; a least size; one window for every Print Preview.
    void windowControls()
    {
        frmPreview* p = openPreview();
        QVERIFY(p && p->isVisible());
        QCOMPARE(p->windowTitle(), QString("Print Preview"));
        QStringList items;
        for (QAction* m : p->menuBar()->actions()) {
            items << m->menu()->objectName() + "=" + m->text();
            for (QAction* a : m->menu()->actions())
                items << a->objectName() + "=" + a->text();
        }
        auto* tb = p->findChild<QToolBar*>("tbToolbar");
        for (QAction* a : tb->actions())
            if (!a->isSeparator() && a->property("key").isValid())
                items << a->property("key").toString() + "=" + a->toolTip();
        for (int i = 0; i < p->cboViewSize()->count(); ++i)
            items << p->cboViewSize()->itemText(i);
        QCOMPARE(items, (QStringList{"mnuFile=&File", "mnuFilePrint=&Print", "mnuFileBar0=", "mnuFileSave=&Save to File",
                                     "mnuFileBar1=", "mnuFileClose=&Close", "mnuView=&View",
                                     "mnuViewPrevious=&Previous Page", "mnuViewNext=&Next Page", "mnuHelp=&Help",
                                     "mnuHelpContents=&Contents", "mnuHelpIndex=Help &Index...", "Print=Print Report",
                                     "Save=Save Report to Disk", "Previous=Show Previous Page", "Next=Show Next Page",
                                     "Close=Close Preview Window", "Page Width", "Whole Page", "150%", "100%", "75%",
                                     "50%"}));
        QCOMPARE(p->button("Print"), p->action("mnuFilePrint"));
        QVERIFY(p->findChild<QWidget*>("tbClose"));

        QCOMPARE(p->viewMode(), int16_t(0));
        QCOMPARE(p->txtPageNum()->text(), QString("Pg 1 of 1"));
        QVERIFY(p->action("mnuFilePrint")->isEnabled());
        QVERIFY(!p->action("mnuViewPrevious")->isEnabled() && !p->button("Next")->isEnabled());
        const double k = p->twipsPerPixel();
        const int fit = int(std::floor((p->picViewPort()->width() * k - 500) / 1440 / 8.5 * 100 + 0.5));
        QCOMPARE(p->cboViewSize()->currentText(), QString::number(fit) + "%");
        QCOMPARE(p->rememberedZoom(), int16_t(fit));
        QCOMPARE(p->picPageImage(1)->property("Tag").toString(), QString("1"));
        QVERIFY(!p->HScrollBar()->isVisible());
        p->resize(50, 50);
        QCOMPARE(p->size(), QSize(int(std::ceil(4635 / k)), int(std::ceil(5745 / k))));

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
        QCOMPARE(env->platform.shown.first().buttons, MsgButtons::OK);
        QVERIFY(!preview());
    }

    void zoomBox()
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
        QCOMPARE(env->platform.shown.first().buttons, MsgButtons::OK);
        QCOMPARE(env->platform.shown.first().owner, p); // over the preview, not the main window
        QCOMPARE(p->cboViewSize()->currentText(), QString("75%"));
        QCOMPARE(p->rememberedZoom(), int16_t(75));
        QCOMPARE(p->pageImage(1), before); // the page is still there
        env->platform.shown.clear();

        // 150% (sizes and scroll ranges are in tst_previewgeom): the page,
        // larger than the viewport, follows the scroll bars.
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
    }

    // Where the preview was and whether it was maximised come back.
    void placeIsRemembered()
    {
        frmPreview* p = openPreview();
        QVERIFY(p);
        const double k = p->twipsPerPixel();
        // First opening: the stored defaults.
        QCOMPARE(p->size(), QSize(int(std::ceil(4635 / k)), int(std::ceil(5745 / k))));
        p->move(150, 120);
        p->resize(520, 610);
        p->close();
        QTRY_VERIFY(!preview());
        QCOMPARE(env->store.read("Preview", "WindowState", "?"), QString("0"));
        QCOMPARE(env->store.read("Preview", "MainLeft", "?"), QString::number(150 * k));
        QCOMPARE(env->store.read("Preview", "MainTop", "?"), QString::number(120 * k));
        QCOMPARE(env->store.read("Preview", "MainWidth", "?"), QString::number(520 * k));
        QCOMPARE(env->store.read("Preview", "MainHeight", "?"), QString::number(610 * k));

        p = openPreview();
        QCOMPARE(p->pos(), QPoint(150, 120));
        QCOMPARE(p->size(), QSize(520, 610));
        p->showMaximized();
        QTRY_VERIFY(p->isMaximized());
        p->close();
        QTRY_VERIFY(!preview());
        QCOMPARE(env->store.read("Preview", "WindowState", "?"), QString("2"));
        QCOMPARE(env->store.read("Preview", "MainLeft", "?"), QString::number(150 * k));
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

    void printsOneSheet()
    {
        const QString pdf = env->path("printed.pdf");
        usePdfPrinter(pdf);
        // The main print command was last given three copies.
        env->platform.printAnswers = {3};
        main->action("mnuFilePrint")->trigger();
        QCOMPARE(pages(pdf), 3);
        main->printer().setCopyCount(3);

        frmPreview* p = openPreview();
        QVERIFY(p);
        QFile::remove(pdf);
        p->button("Print")->trigger();
        QCOMPARE(pages(pdf), 1);
        QVERIFY(env->platform.shown.isEmpty());
        QCOMPARE(main->statusPanel()->text(), QString());
    }

    void savesThePdf()
    {
        openSample();
        frmPreview* p = openPreview();
        QVERIFY(p);
        const QString pdf = env->path("sheet.pdf");
        env->platform.saveAnswers = {ScriptedPlatform::chosen(pdf)};
        p->button("Save")->trigger();
        QCOMPARE(env->platform.fileRequests.size(), qsizetype(1));
        const FileDialogRequest req = env->platform.fileRequests.first();
        QCOMPARE(req.title, QString("Save to File"));
        QCOMPARE(req.filter, QString("PDF Files (*.pdf)|*.pdf"));
        QCOMPARE(req.fileName, QString("Pale Ale.pdf"));
        QCOMPARE(env->platform.fileOwners.first(), p);
        QVERIFY2(env->platform.shown.isEmpty(), qPrintable(env->platform.texts().join('|')));
        QCOMPARE(pages(pdf), 1);
        QCOMPARE(pagePoints(pdf), QSizeF(612, 792)); // the printer's Letter
        const QString text = run("pdftotext", {pdf, "-"});
        QVERIFY2(text.contains("Pale Ale"), qPrintable(text));
        QCOMPARE(text.count("Pale Ale"), 4); // four labels on the sheet

        // Cancelled: nothing written, nothing said.
        QFile::remove(pdf);
        env->platform.saveAnswers = {std::nullopt};
        p->action("mnuFileSave")->trigger();
        QVERIFY(!QFileInfo::exists(pdf));
        QVERIFY(env->platform.shown.isEmpty());

        // A folder that does not exist: told why, over the preview (a disk
        // that fills up while the same writer works is in tst_batch).
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

    // With the real dialogs: the range message and the Save to File chooser
    // are the preview's windows (tst_desktop watches them on a real screen).
    void realDialogsBelongToThePreview()
    {
        f.reset();
        RealMain real;
        frmMain& m = real.m;
        m.show();
        m.LoadNewDoc();
        m.printer().setOutputFormat(QPrinter::PdfFormat);
        m.action("mnuFilePrintPreview")->trigger();
        auto* p = m.findChild<frmPreview*>("frmPreview");
        QVERIFY(p);
        p->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(p));

        QList<QWidget*> parents;
        QStringList kinds;
        auto closeNextModal = [&] {
            QTimer::singleShot(0, this, [&] {
                QWidget* modal = nullptr;
                QTRY_VERIFY((modal = QApplication::activeModalWidget()));
                parents << modal->parentWidget();
                kinds << modal->metaObject()->className();
                QTest::keyClick(modal, Qt::Key_Escape);
            });
        };
        closeNextModal();
        typeZoom(p, "5");
        QTRY_VERIFY(!QApplication::activeModalWidget());
        closeNextModal();
        p->action("mnuFileSave")->trigger();
        QTRY_VERIFY(!QApplication::activeModalWidget());
        QCOMPARE(kinds, QStringList({"QMessageBox", "QFileDialog"}));
        QCOMPARE(parents, QList<QWidget*>({p, p}));
        p->close();
    }

    void showsWhatThePdfGets()
    {
        // The sample label (background, pictures, texts, cut marks) printed by
        // the batch mode and rasterised at the screen's 96 dpi, against the
        // preview's page at 100% on a printer with the same paper, border left out.
        openSample();
        frmDocument* doc = main->activeDocument();
        doc->border().visible = false;
        const QString label = env->path("fidelity.ckm");
        QVERIFY(doc->SaveLabelToFile(label));
        const QString batchPdf = env->path("batch.pdf");
        QCOMPARE(batch({"--print-pdf", batchPdf, label}, env->path("home")).code, 0);
        const QSizeF pts = pagePoints(batchPdf);
        QVERIFY(!pts.isEmpty());
        usePdfPrinter(env->path("printer.pdf"), QPageSize(pts, QPageSize::Point));
        frmPreview* p = openPreview();
        QVERIFY(p);
        QCOMPARE(p->twipsPerPixel(), 15.0);
        typeZoom(p, "100");
        QCOMPARE(p->cboViewSize()->currentText(), QString("100%"));
        QCOMPARE(p->ratio(), 1.0);
        const QImage shown = p->pageImage(1).convertToFormat(QImage::Format_RGB32);

        const QImage printed = rasterise(batchPdf, 96).convertToFormat(QImage::Format_RGB32);
        QVERIFY(!printed.isNull());
        QCOMPARE(shown.size(), printed.size());

        // Every ink pixel of one has ink within one pixel in the other: a
        // one-pixel pen centred on a line falls on either side of a pixel
        // edge, and glyphs are hinted differently by poppler and Qt.
        int inkShown = 0, inkPrinted = 0;
        const int missShown = unmatched(shown, printed, 1, &inkShown);
        const int missPrinted = unmatched(printed, shown, 1, &inkPrinted);
        qInfo("ink %d / %d pixels, unmatched within 1 px: %d / %d", inkShown, inkPrinted, missShown, missPrinted);
        QVERIFY(inkShown > shown.width() * shown.height() / 4); // four labels on the sheet
        QVERIFY(qAbs(inkShown - inkPrinted) < inkPrinted / 100);
        QVERIFY2(missShown < inkShown / 200 && missPrinted < inkPrinted / 200,
                 qPrintable(QString("%1 and %2 unmatched").arg(missShown).arg(missPrinted)));
    }

    void sharpOnHighDensityScreens()
    {
        frmPreview* p = openPreview();
        QVERIFY(p);
        const qreal dpr = p->devicePixelRatioF();
        typeZoom(p, "50");
        const QImage& img = p->pageImage(1);
        QCOMPARE(img.devicePixelRatio(), dpr);
        QCOMPARE(img.size(), p->picPageImage(1)->size() * dpr);
        if (qgetenv("QT_SCALE_FACTOR") == "2")
            QCOMPARE(dpr, 2.0);
    }
};

QTEST_MAIN(tst_Preview)
#include "tst_preview.moc"
