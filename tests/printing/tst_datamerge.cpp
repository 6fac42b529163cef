// A print whose labels differ: numbering, data rows and their copies, fields that cannot be filled.
#include <QtTest>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>

#include "PdfTools.h"
#include "dialogs/frmTextInput.h"
#include "document/LabelDocument.h"
#include "document/LabelView.h"
#include "printing/DataMerge.h"
#include "printing/PrintJob.h"
#include "platform/SettingsStore.h"
#include "printing/LabelData.h"
#include "printing/frmPreview.h"
#include "support/Files.h"
#include "support/MainWindowFixture.h"
#include "support/RecordingSurface.h"
#include "support/TestEnv.h"
#include "support/UserInput.h"

namespace {

// Each label drawn as its texts ("a+b"), labels apart by blanks, sheets by " | ".
struct TextsSurface : RecordingSurface {
    explicit TextsSurface(bool onPaper = false) { printer = onPaper; }
    QString log;
    std::vector<ItemPtr> lastItems; // the topmost item of every label, in turn
    void drawLabel(const LabelContent& c, double x, double y) override
    {
        QStringList texts;
        for (const ItemPtr& p : c.items)
            if (const auto* t = std::get_if<TextItem>(p.get()))
                texts << t->text;
        log += (log.isEmpty() || log.endsWith(' ') ? "" : " ") + texts.join('+');
        lastItems.push_back(c.items.back());
        RecordingSurface::drawLabel(c, x, y);
    }
    void newPage() override
    {
        log += " |";
        RecordingSurface::newPage();
    }
};

// The "<...>" label texts of a PDF's page (0: every page), in order of reading or sorted.
QStringList pdfLabels(const QString& pdf, int page = 0, bool sorted = false)
{
    QStringList found;
    for (auto it = QRegularExpression("<[^>]*>").globalMatch(pdftools::text(pdf, page)); it.hasNext();)
        found << it.next().captured();
    if (sorted)
        found.sort();
    return found;
}

// A 4 x 5 inch label (four to a Letter sheet) with these texts.
LabelContent labelWith(const QStringList& texts)
{
    LabelContent c;
    c.label = {.LabelType = labelcode::Custom, .LabelHeight = 5, .LabelWidth = 4, .Cutmarks = labelcode::NoCutMarks};
    for (const QString& s : texts) {
        const int i = ++c.textCounter;
        c.add(TextItem{.text = s, .left = 1000, .top = 300.0 * i, .width = s.size() * 100 + 60.0, .height = 260,
                       .font = {}, .index = i});
    }
    return c;
}

std::shared_ptr<const csv::Table> table(const QByteArray& bytes)
{
    auto t = std::make_shared<csv::Table>();
    QString why;
    if (!bytes.isEmpty() && !csv::parse(bytes, *t, &why))
        qWarning("%s", qPrintable(why));
    return bytes.isEmpty() ? nullptr : t;
}

} // namespace

class tst_DataMerge : public QObject {
    Q_OBJECT
    TestEnv env;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale::c()); }

    // Four labels a sheet; the first sheet partly used from `start`.
    void numberedAcrossSheets_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("copies");
        QTest::addColumn<int>("start");
        QTest::addColumn<qlonglong>("from");
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<QString>("labels");
        const QByteArray rows = "Name,copies\nA,2\nB,0\nC,3\n";
        QTest::newRow("sheets from position 3") << "${n:02}/${total}s${sheet}" << 2 << 3 << 1LL << QByteArray()
                                                << "01/6s1 02/6s1 | 03/6s2 04/6s2 05/6s2 06/6s2";
        QTest::newRow("from 99") << "${n}" << 1 << 1 << 99LL << QByteArray() << "99 100 101 102";
        QTest::newRow("rows and their copies") << "${Name}${n}/${total}s${sheet}" << 1 << 1 << 1LL << rows
                                               << "A1/5s1 A2/5s1 C3/5s1 C4/5s1 | C5/5s2";
        QTest::newRow("rows from position 4") << "${Name}${n}s${sheet}" << 1 << 4 << 1LL << rows
                                              << "A1s1 | A2s2 C3s2 C4s2 C5s2";
        // With data the rows say how many labels print, not the copies.
        QTest::newRow("a label a row") << "${Name}" << 3 << 1 << 1LL << QByteArray("Name\nX\nY\n") << "X Y";
        QTest::newRow("data and no field") << "Plain" << 1 << 1 << 1LL << QByteArray("Name\nX\nY\n") << "Plain Plain";
        QTest::newRow("escape only") << "$${n}" << 1 << 1 << 1LL << QByteArray() << "${n} ${n} ${n} ${n}";
    }
    void numberedAcrossSheets()
    {
        QFETCH(QString, text);
        printjob::Request r;
        r.content = labelWith({text, "Shared"});
        QFETCH(int, copies);
        r.copies = copies;
        QFETCH(int, start);
        r.placement.start = start;
        QFETCH(qlonglong, from);
        r.merge.numberFrom = from;
        QFETCH(QByteArray, data);
        r.merge.data = table(data);
        r.merge.measurer = &env.fixed;
        TextsSurface s;
        QVERIFY(printjob::printLabels(r, s, env.platform));
        QTEST(s.log.replace("+Shared", ""), "labels");
        // The text without a field is the document's own item on every label.
        QCOMPARE(s.count("label"), int(s.lastItems.size()));
        for (const ItemPtr& p : s.lastItems)
            QCOMPARE(p.get(), r.content.items.back().get());
        QVERIFY(env.platform.shown.isEmpty());
    }

    // A filled text's box fits it, held by its alignment; a line that would run off is wrapped.
    void filledTextsFitTheirBox()
    {
        LabelContent c = labelWith({"${Name}", "${Name}", "${Name}", "${Long}"}); // 760 twips wide each
        c.edit<TextItem>(1)->alignment = labelcode::AlignLeft;
        c.edit<TextItem>(2)->alignment = labelcode::AlignRight;
        const QByteArray rows = "Name,Long\nMerlot,aaaa bbbb cccc dddd eeee ffff gggg hhhh iiii jjjj kkkk llll\n";
        merge::Run run(c, {.data = table(rows), .date = {}, .measurer = &env.fixed});
        const LabelContent one = run.label(0, 1);
        auto box = [&](int index) {
            const TextItem* t = one.get<TextItem>(index);
            return QString("%1 %2,%3 %4x%5").arg(t->text).arg(t->left).arg(t->top).arg(t->width).arg(t->height);
        };
        QCOMPARE(box(1), QString("Merlot 1000,300 660x260"));
        QCOMPARE(box(2), QString("Merlot 1100,600 660x260"));
        QCOMPARE(box(3), QString("Merlot 1050,900 660x260"));
        // 5960 twips on a 5760-twip label: lines up to three quarters of its width.
        QCOMPARE(box(4), QString("aaaa bbbb cccc dddd eeee ffff gggg hhhh\r\niiii jjjj kkkk llll 0,1200 3960x460"));
        // The document's items are untouched.
        QCOMPARE(c.get<TextItem>(4)->text, QString("${Long}"));
        QCOMPARE(run.rowOf(0), 0LL);
        QCOMPARE(run.rowOf(1), -1LL);
    }

    // Unfillable fields are listed once and print marked only when the user says so; the preview
    // marks them unasked. Rows that ask for no label print nothing.
    void problemsBeforePrinting()
    {
        printjob::Request r;
        r.content = labelWith({"${Colour} ${n:x}", "${Colour}"});
        r.merge.data = table("Name\nA\n");
        r.merge.measurer = &env.fixed;
        const QString listed = "These fields of the label's texts cannot be filled in: ${Colour}: the data has no "
                               "column of that name; ${n:x}: a number takes a zero and a width, such as ${n:03}."
                               "\n\nPrint anyway, with these fields marked on the labels?";
        for (const MsgAnswer answer : {MsgAnswer::No, MsgAnswer::Yes}) {
            env.platform.shown.clear();
            env.platform.answers = {answer};
            TextsSurface paper(true);
            QCOMPARE(printjob::printLabels(r, paper, env.platform), answer == MsgAnswer::Yes);
            QCOMPARE(env.platform.shown.size(), 1);
            QCOMPARE(env.platform.shown.first().text, listed);
            QCOMPARE(env.platform.shown.first().buttons, MsgButtons::YesNo);
            QCOMPARE(paper.count("abortDoc"), answer == MsgAnswer::No ? 1 : 0);
            QCOMPARE(paper.log, answer == MsgAnswer::No ? QString() : "⟦unknown: Colour⟧ ⟦malformed: ${n:x}⟧+⟦unknown: Colour⟧");
        }
        env.platform.shown.clear();
        TextsSurface preview;
        QVERIFY(printjob::printLabels(r, preview, env.platform));
        QVERIFY(env.platform.shown.isEmpty());
        QCOMPARE(preview.count("label"), 1);

        r.content = labelWith({"${Name}"});
        r.merge.data = table("Name,copies\nA,0\nB,0\n");
        TextsSurface paper(true);
        QVERIFY(!printjob::printLabels(r, paper, env.platform));
        QCOMPARE(env.platform.shown.last().text, printjob::NoDataLabelsMessage);
        QCOMPARE(paper.count("label"), 0);
    }

    // The batch's --data, --start, --number-from and --date, read back from the
    // PDF sheet by sheet (the numbering rules are numberedAcrossSheets').
    void batchPrintsEveryRowItsCopies()
    {
        LabelDocument d(env.values, env.platform, env.fixed); // four to a Letter sheet
        QVERIFY(d.createNewText("<${n:03}|${Name}|${sheet}|${total}|${date:d MMM yyyy}>", 0));
        d.setTextFontSize("8");
        const QString label = env.path("numbered.ckm"), pdf = env.path("rows.pdf");
        QVERIFY(d.SaveLabelToFile(label));
        QVERIFY(writeFile(env.path("rows.csv"), "Name;Note;Copies\r\nR1;\"a; \"\"quoted\"\" note\";2\r\nR2;b;0\r\nR3;c;3\r\n"));
        const pdftools::Run run = pdftools::batch({"--print-pdf", pdf, "--data", env.path("rows.csv"), "--start", "3",
                                                   "--number-from", "98", "--date", "2024-05-17", label},
                                                  env.path("home"));
        QVERIFY2(run.code == 0, qPrintable(run.err));
        QCOMPARE(pdftools::pages(pdf), 2);
        QCOMPARE(pdfLabels(pdf, 1, true), QStringList({"<098|R1|1|5|17 May 2024>", "<099|R1|1|5|17 May 2024>"}));
        QCOMPARE(pdfLabels(pdf, 2, true),
                 QStringList({"<100|R3|2|5|17 May 2024>", "<101|R3|2|5|17 May 2024>", "<102|R3|2|5|17 May 2024>"}));
    }

    // File > Data... picks a saved label's rows, one label a row; unreadable data changes nothing.
    void dataChosenInTheWindow()
    {
        MainWithLabel w(false);
        ScriptedPlatform& p = w.env.platform;
        w.action("mnuFileData")->trigger();
        QCOMPARE(p.shown.last().text,
                 QString("Save the label first: the data file it prints from is remembered with the label file."));
        QVERIFY(p.fileRequests.isEmpty());

        LabelDocument& doc = *w.doc();
        QVERIFY(doc.createNewText("<${n}|${Name}>", 0));
        doc.setTextFontSize("8");
        const QString label = w.env.path("club.ckm"), good = w.env.path("club.csv"), bad = w.env.path("bad.csv");
        QVERIFY(doc.SaveLabelToFile(label));
        doc.saveFileName = label;
        QVERIFY(writeFile(good, "Name\nA\nB\nC\n") && writeFile(bad, "Name\n\"A\n"));
        p.openAnswers = {FileDialogResult{bad, "bad.csv", w.env.path("")}};
        w.action("mnuFileData")->trigger();
        QCOMPARE(p.shown.last().text, bad + ": line 2: the quote that starts a value there is never closed\n"
                                            "The label prints as before.");
        QCOMPARE(labeldata::remembered(w.env.store, label), QString());
        p.openAnswers = {FileDialogResult{good, "club.csv", w.env.path("")}};
        w.action("mnuFileData")->trigger();
        QCOMPARE(labeldata::remembered(w.env.store, label), good);

        const QString pdf = w.env.path("club.pdf");
        usePdfPrinter(w.m, pdf); // margin-less Letter, as the batch prints
        const qsizetype said = p.shown.size();

        // Rows for three sheets: the preview pages through the printed PDF's sheets (the paging rule:
        // tst_previewgeom), and saves the same.
        const long long perSheet = printjob::labelsOnSheet(doc, 8.5, 11);
        QByteArray rows = "Name\n";
        for (long long i = 1; i <= 2 * perSheet + 1; ++i)
            rows += "R" + QByteArray::number(i) + "\n";
        QVERIFY(writeFile(good, rows));
        p.printAnswers = {1};
        w.action("mnuFilePrint")->trigger();
        w.action("mnuFilePrintPreview")->trigger();
        auto* preview = w.m.findChild<frmPreview*>("frmPreview");
        QVERIFY(preview);
        QCOMPARE(preview->lblRunSize()->text(), QString("%1 labels on 3 sheets").arg(2 * perSheet + 1));
        QCOMPARE(pdftools::pages(pdf), 3);
        QCOMPARE(pdfLabels(pdf, 3), QStringList{QString("<%1|R%1>").arg(2 * perSheet + 1)});
        // The sheet shown, drawn as the preview draws it, sorted; the page and whether it can go back and on.
        auto onScreen = [&] {
            TextsSurface drawn;
            const QSizeF paper = w.m.printer().pageLayout().fullRect(QPageLayout::Inch).size();
            drawn.sw = paper.width();
            drawn.sh = paper.height();
            const bool drew = printjob::printLabels(preview->shownRequest(), drawn, p);
            QStringList l = drew ? drawn.log.split(' ') : QStringList();
            l.sort();
            return l;
        };
        auto at = [&] {
            return QString("%1, back %2, on %3").arg(preview->txtPageNum()->text())
                .arg(int(preview->action("mnuViewPrevious")->isEnabled()))
                .arg(int(preview->action("mnuViewNext")->isEnabled()));
        };
        QCOMPARE(at(), "Page 1 of 3, back 0, on 1");
        QCOMPARE(onScreen(), pdfLabels(pdf, 1, true));
        const QImage first = preview->pageImage(1);
        preview->action("mnuViewNext")->trigger();
        QCOMPARE(onScreen(), pdfLabels(pdf, 2, true));
        QCOMPARE(onScreen().size(), int(perSheet));
        const QImage second = preview->pageImage(1);
        QVERIFY(second != first);
        preview->action("mnuViewNext")->trigger();
        QCOMPARE(at(), "Page 3 of 3, back 1, on 0");
        preview->action("mnuViewPrevious")->trigger();
        QCOMPARE(at(), "Page 2 of 3, back 1, on 1");
        QCOMPARE(preview->pageImage(1), second);

        const QString saved = w.env.path("saved.pdf");
        p.saveAnswers = {FileDialogResult{saved, "saved.pdf", w.env.path("")}};
        preview->action("mnuFileSave")->trigger();
        QCOMPARE(pdftools::pages(saved), 3);
        for (int sheet = 1; sheet <= 3; ++sheet)
            QCOMPARE(pdfLabels(saved, sheet), pdfLabels(pdf, sheet));
        QCOMPARE(p.shown.size(), said);

        // Data... again: Cancel keeps the data, No forgets it; neither opens a chooser.
        const qsizetype chosen = p.fileRequests.size();
        for (const MsgAnswer a : {MsgAnswer::Cancel, MsgAnswer::No}) {
            p.answers = {a};
            w.action("mnuFileData")->trigger();
            QCOMPARE(labeldata::remembered(w.env.store, label), a == MsgAnswer::No ? QString() : good);
            // The open preview follows: without data one sheet, the field marked.
            QCOMPARE(preview->pageCount(), a == MsgAnswer::No ? 1 : 3);
        }
        QCOMPARE(p.fileRequests.size(), chosen);
        QVERIFY(p.shown.last().text.startsWith("club.ckm prints a label for each row of \"" + good));
        p.openAnswers = {FileDialogResult{good, "club.csv", w.env.path("")}};
        w.action("mnuFileData")->trigger();
        QCOMPARE(labeldata::remembered(w.env.store, label), good);

        // The data gone: told, and no print dialog.
        QVERIFY(QFile::remove(good));
        const int dialogs = p.printDialogs;
        w.action("mnuFilePrint")->trigger();
        QCOMPARE(p.shown.last().text, "Data file \"" + good + "\" Not Found\nNothing was printed.");
        QCOMPARE(p.printDialogs, dialogs);
    }

    // The view paints the print's label 1 while clicks and editing work on the typed text;
    // View > Show Field Values shows the fields as typed.
    void theViewShowsTheFirstRecord()
    {
        MainWithLabel w;
        ScriptedPlatform& p = w.env.platform;
        frmDocument& doc = *w.doc();
        LabelView* view = doc.picLabelView();
        for (const auto& [text, top] : {std::pair{QString("<${n}.${Name}>"), 1500}, {QString("Plain"), 2700}}) {
            QVERIFY(doc.createNewText(text, 0));
            doc.setTextAlignment(labelcode::AlignLeft);
            doc.setTextFontSize("8");
            doc.setTextPosition(900, top);
        }
        const QString label = w.env.path("club.ckm"), data = w.env.path("club.csv");
        QVERIFY(doc.SaveLabelToFile(label));
        doc.saveFileName = label;
        QVERIFY(writeFile(data, "Name\nChateau Margaux 2019\nB\n"));
        auto shownText = [&](int index) { return std::get<TextItem>(*doc.shownContent().items[size_t(index)]).text; };
        QCOMPARE(shownText(0), QString("<1.⟦unknown: Name⟧>"));
        p.openAnswers = {FileDialogResult{data, "club.csv", w.env.path("")}};
        w.action("mnuFileData")->trigger();
        QCOMPARE(shownText(0), QString("<1.Chateau Margaux 2019>"));
        QCOMPARE(doc.shownContent().items[1], doc.content().items[1]); // a text without fields is the document's

        // Painted: ink right of the typed box, inside the filled one (over the grid's dots).
        const TextItem typed = doc.texts().at(1);
        const QRectF drawn = bounds(*doc.shownContent().items[0]);
        QVERIFY2(drawn.width() > typed.width + 400, qPrintable(QString::number(drawn.width() - typed.width)));
        const QRect beyond(input::px(view, {typed.left + typed.width + 60, typed.top}),
                           input::px(view, {drawn.right() - 60, drawn.bottom()}));
        auto inkBeyond = [&] {
            const QImage img = view->grab().toImage();
            int dark = 0;
            for (int y = beyond.top(); y < beyond.bottom(); ++y)
                for (int x = beyond.left(); x < beyond.right(); ++x)
                    dark += qGray(img.pixel(x, y)) < 128;
            return dark;
        };
        const int filledInk = inkBeyond();
        QAction* toggle = w.action("mnuViewFieldValues");
        QVERIFY(toggle->isChecked());
        toggle->trigger();
        QCOMPARE(shownText(0), QString("<${n}.${Name}>"));
        QVERIFY2(filledInk > inkBeyond() + 20, qPrintable(QString::number(filledInk)));
        toggle->trigger();
        QCOMPARE(shownText(0), QString("<1.Chateau Margaux 2019>"));

        // A click on the painted text selects it; a double click edits the typed text.
        doc.SelectNothing();
        input::click(view, QPointF(typed.left + 200, typed.top + typed.height / 2));
        QVERIFY(doc.activeId() == (ItemId{kindOf<TextItem>, 1}));
        const ItemPtr filledBefore = doc.shownContent().items[0];
        doc.selectText(2);
        doc.setTextText("Plainer");
        QCOMPARE(doc.shownContent().items[0], filledBefore); // unchanged: not repainted
        // Edited through the dialog: the typed text, not the value shown.
        input::whenModal<frmTextInput>([](frmTextInput* dlg) {
            QCOMPARE(dlg->txtInput()->toPlainText(), QString("<${n}.${Name}>"));
            dlg->txtInput()->setPlainText("${Name}!");
            QTest::mouseClick(dlg->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
        });
        QTest::mouseDClick(view, Qt::LeftButton, {}, input::px(view, {typed.left + 200, typed.top + 100}));
        QCOMPARE(doc.texts().at(1).text, QString("${Name}!"));
        QCOMPARE(shownText(0), QString("Chateau Margaux 2019!"));
        // Changed again: the box it is painted in is painted again, not only the typed one.
        const QRectF before = bounds(*doc.shownContent().items[0]);
        view->repaint();
        view->takePaintedArea();
        doc.setTextText("${Name}?");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::UpdateRequest);
        QCoreApplication::processEvents();
        const QSize filledPx = view->pixelSizeFor(int(before.width()), int(before.height()) + 240);
        const qint64 painted = view->takePaintedArea();
        QVERIFY2(painted >= qint64(filledPx.width()) * filledPx.height(), qPrintable(QString::number(painted)));
    }
};

QTEST_MAIN(tst_DataMerge)
#include "tst_datamerge.moc"
