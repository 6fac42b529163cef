// Times a zoom change of the print preview (the sheet drawn again onto the
// page picture, and that picture shown) for a label file, at 50%, 100% and
// 150%. Run by bench/preview; never a test.
//   corkcrafter-bench-preview LABEL.ckm [RUNS]
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPrinter>
#include <algorithm>
#include <cstdio>

#include "app/AppContext.h"
#include "document/TextMeasure.h"
#include "document/frmDocument.h"
#include "mainwindow/frmMain.h"
#include "platform/ScriptedPlatform.h"
#include "platform/SettingsStore.h"
#include "printing/frmPreview.h"

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    if (args.isEmpty()) {
        std::fprintf(stderr, "usage: corkcrafter-bench-preview LABEL.ckm [RUNS]\n");
        return 2;
    }
    const int runs = std::max(1, args.value(1, "20").toInt());

    ProgramValues values;
    ScriptedPlatform platform;
    MemorySettingsStore store;
    QtTextMeasurer measurer;
    AppContext ctx{values, platform, store, measurer, AppPaths::standard()};
    frmMain main(ctx);
    main.Form_Load();
    main.resize(1100, 800);
    main.show();
    main.openLabel(QFileInfo(args.value(0)).absoluteFilePath());
    if (!main.activeDocument() || main.activeDocument()->saveTitle != QFileInfo(args.value(0)).fileName()) {
        std::fprintf(stderr, "could not open %s: %s\n", qPrintable(args.value(0)), qPrintable(platform.texts().join("; ")));
        return 1;
    }
    // A Letter sheet without margins: the same page on every machine.
    main.printer().setOutputFormat(QPrinter::PdfFormat);
    main.printer().setPageLayout(QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF()));
    main.mnuFilePrintPreview_Click();
    auto* preview = main.findChild<frmPreview*>("frmPreview");
    preview->resize(900, 800);
    QApplication::processEvents();

    std::printf("label: %s, Letter, %d runs each, screen %.0f dpi\n", qPrintable(args.value(0)), runs,
                1440 / preview->twipsPerPixel());
    std::printf("%-6s %10s %10s %10s %12s\n", "zoom", "page px", "median ms", "min ms", "shown ms");
    for (const char* zoom : {"50", "100", "150"}) {
        std::vector<double> render, shown;
        for (int i = 0; i < runs; ++i) {
            preview->cboViewSize()->setEditText("10");
            preview->cboViewSize_Click(-1);
            QApplication::processEvents();
            preview->cboViewSize()->setEditText(zoom);
            QElapsedTimer t;
            t.start();
            preview->cboViewSize_Click(-1);
            render.push_back(t.nsecsElapsed() / 1e6);
            preview->repaint();
            shown.push_back(t.nsecsElapsed() / 1e6);
        }
        std::sort(render.begin(), render.end());
        std::sort(shown.begin(), shown.end());
        const QSize px = preview->pageImage(1).size();
        std::printf("%-6s %10s %10.1f %10.1f %12.1f\n", (QString(zoom) + "%").toLatin1().constData(),
                    qPrintable(QString("%1x%2").arg(px.width()).arg(px.height())), render[render.size() / 2], render.front(),
                    shown[shown.size() / 2]);
    }
    for (frmDocument* d : main.documents())
        d->setFlags(false, true);
    return 0;
}
