#include "BatchPrint.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>

#include <clocale>
#include <langinfo.h>

#include "PdfExport.h"
#include "app/Settings.h"
#include "document/LabelDocument.h"
#include "document/TextMeasure.h"
#include "platform/ConsolePlatform.h"
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
             const AppPaths& paths, QString* reason)
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
    doc.LoadFile(labelFile);
    for (int i = before; i < platform.messages.size(); ++i) {
        const QString& m = platform.messages.at(i);
        if (m.startsWith("Bad ")) {
            *reason = m + ": " + labelFile;
            return 3;
        }
    }

    QString why;
    const int said = int(platform.messages.size());
    if (!pdfexport::writeSheets(doc, pdfOut, defaultPaper(), QPageLayout::Portrait, copies, &why)) {
        *reason = platform.messages.size() > said ? platform.messages.last()
                                                : "Print Error: Printer not available, please check (could not write \"" +
                                                      pdfOut + "\": " + why + ")";
        return 4;
    }
    return 0;
}

} // namespace batch
