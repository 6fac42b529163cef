#include "BatchPrint.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

#include <clocale>
#include <langinfo.h>

#include "PdfOutput.h"
#include "app/Settings.h"
#include "document/LabelDocument.h"
#include "document/TextMeasure.h"
#include "platform/ConsolePlatform.h"
#include "platform/SafeFile.h"
#include "platform/SettingsStore.h"

namespace batch {

QPageSize defaultPaper()
{
    // The locale's paper (LC_PAPER); Letter when the system does not say.
    int w = 0, h = 0;
#ifdef _NL_PAPER_WIDTH
    const char* old = std::setlocale(LC_PAPER, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_PAPER, "")) {
        w = int(reinterpret_cast<intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
        h = int(reinterpret_cast<intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
    }
    std::setlocale(LC_PAPER, saved.c_str());
#endif
    if (w == 216 && h == 279)
        return QPageSize(QPageSize::Letter);
    if (w == 210 && h == 297)
        return QPageSize(QPageSize::A4);
    if (w > 0 && h > 0)
        return QPageSize(QSizeF(w, h), QPageSize::Millimeter);
    return QPageSize(QPageSize::Letter);
}

int printPdf(const QString& labelFile, const QString& pdfOut, int copies, const SettingsStore& store,
             const AppPaths& paths, QString* reason, bool allowMissingPictures, const stock::Placement& placement)
{
    ProgramValues app;
    app.decimalSeparator = Module1::decimalSeparatorFromLocale();
    settings::readAll(store, paths, app);
    ConsolePlatform platform;
    settings::checkFolders(app, paths, platform);
    QtTextMeasurer measurer;

    if (!Module1::fileExists(labelFile)) {
        *reason = "File \"" + labelFile + "\" Not Found";
        return 2;
    }
    // The PDF would take the label's place.
    if (safefile::sameFile(labelFile, pdfOut)) {
        *reason = "the PDF \"" + pdfOut + "\" would overwrite the label file \"" + labelFile +
                  "\"; choose another name for the PDF";
        return 2;
    }

    LabelDocument doc(app, platform, measurer);
    doc.saveFileName = doc.saveTitle = "Label 1";
    if (!app.templateFile.isEmpty()) {
        app.templateLoading = true;
        doc.LoadFile(app.templateFolder + "/" + app.templateFile);
        app.templateLoading = false;
    }
    doc.saveFileName = labelFile;
    doc.saveTitle = Module1::pathFileName(labelFile);
    const int before = int(platform.messages.size());
    platform.context = labelFile; // each complaint about the file names it
    doc.LoadFile(labelFile);
    platform.context.clear();
    int missing = 0;
    for (int i = before; i < platform.messages.size(); ++i) {
        const QString& m = platform.messages.at(i);
        if (m.startsWith("Bad "))
            return 3; // told on stderr already
        if (m.startsWith("Unable to Load Graphic: "))
            ++missing;
    }
    if (missing > 0 && !allowMissingPictures) {
        *reason = QString("%1 of the label's pictures could not be loaded, so no PDF was written "
                          "(--allow-missing-pictures prints without them)")
                      .arg(missing == 1 ? QString("one") : QString::number(missing));
        return 3;
    }

    const QPageLayout layout(defaultPaper(), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    const QPointF off = layout.paintRect(QPageLayout::Inch).topLeft() - layout.fullRect(QPageLayout::Inch).topLeft();
    app.printerOffsetX = off.x();
    app.printerOffsetY = off.y();
    // A start past the sheet's last label is told by the print job (exit 4).
    switch (pdfout::printPdf(doc, layout, 1200, copies, pdfOut, reason, {}, placement)) {
    case pdfout::Result::Written: return 0;
    case pdfout::Result::PrintFailed: return 4; // told on stderr already
    case pdfout::Result::WriteFailed: *reason = pdfout::writeFailedMessage(pdfOut, *reason); return 4;
    }
    return 4;
}

} // namespace batch
