#include "BatchPrint.h"

#include <QFileInfo>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>

#include <clocale>
#include <langinfo.h>

#include "PdfOutput.h"
#include "StockCatalogue.h"
#include "StockPrint.h"
#include "app/Settings.h"
#include "document/LabelDocument.h"
#include "document/PictureCache.h"
#include "document/TextMeasure.h"
#include "platform/ConsolePlatform.h"
#include "platform/SafeFile.h"
#include "platform/SettingsStore.h"

namespace batch {

namespace {

struct NamedPaper {
    const char* name;
    QPageSize::PageSizeId id;
};
constexpr NamedPaper KnownPapers[] = {{"A3", QPageSize::A3},         {"A4", QPageSize::A4},
                                      {"A5", QPageSize::A5},         {"A6", QPageSize::A6},
                                      {"B5", QPageSize::B5},         {"Letter", QPageSize::Letter},
                                      {"Legal", QPageSize::Legal},   {"Executive", QPageSize::Executive},
                                      {"Tabloid", QPageSize::Tabloid}};

// Where glibc has no data for the locale (not generated on this system), the
// territory decides: these use Letter, the rest of the world A4.
bool lettersTerritory(QLocale::Territory t)
{
    switch (t) {
    case QLocale::UnitedStates: case QLocale::Canada: case QLocale::Mexico: case QLocale::Chile:
    case QLocale::Colombia: case QLocale::CostaRica: case QLocale::DominicanRepublic: case QLocale::Guatemala:
    case QLocale::Honduras: case QLocale::Nicaragua: case QLocale::Panama: case QLocale::Philippines:
    case QLocale::PuertoRico: case QLocale::ElSalvador: case QLocale::Venezuela:
        return true;
    default:
        return false;
    }
}

QPageSize fromMillimetres(int w, int h)
{
    if (w == 216 && h == 279)
        return QPageSize(QPageSize::Letter);
    if (w == 210 && h == 297)
        return QPageSize(QPageSize::A4);
    return QPageSize(QSizeF(w, h), QPageSize::Millimeter);
}

// The data and numbering the request's labels are filled from; an exit code
// and the reason when the data cannot be read or a field cannot be filled:
// nobody is there to say print anyway.
int fillFields(printjob::Request& request, const FieldOptions& options, QString* reason)
{
    request.merge.numberFrom = options.numberFrom;
    request.merge.date = options.date;
    if (!options.dataFile.isEmpty()) {
        if (!Module1::fileExists(options.dataFile)) {
            *reason = "Data file \"" + options.dataFile + "\" Not Found";
            return 2;
        }
        auto table = std::make_shared<csv::Table>();
        if (!csv::read(options.dataFile, *table, reason))
            return 3;
        request.merge.data = std::move(table);
    }
    const merge::Run run(request.content, request.merge);
    const QString problems = fields::problemsMessage(run.problems());
    if (!problems.isEmpty()) {
        *reason = problems + " Nothing was printed.";
        return 3;
    }
    if (run.hasData() && run.dataLabels() == 0) {
        *reason = options.dataFile + ": " + printjob::NoDataLabelsMessage;
        return 3;
    }
    return 0;
}

} // namespace

QPageSize localePaper(const QString& localeName)
{
    const QString name = localeName.section('.', 0, 0).section('@', 0, 0);
    if (name.isEmpty() || name == "C" || name == "POSIX")
        return QPageSize(QPageSize::Letter);
    // The system's own data for the locale, when it has been generated.
    int w = 0, h = 0;
    const char* old = std::setlocale(LC_PAPER, nullptr);
    const std::string saved = old ? old : "C";
    if (std::setlocale(LC_PAPER, localeName.toLocal8Bit().constData())) {
        w = int(reinterpret_cast<intptr_t>(nl_langinfo(_NL_PAPER_WIDTH)));
        h = int(reinterpret_cast<intptr_t>(nl_langinfo(_NL_PAPER_HEIGHT)));
    }
    std::setlocale(LC_PAPER, saved.c_str());
    if (w > 0 && h > 0)
        return fromMillimetres(w, h);
    const QLocale locale(name);
    if (locale.language() == QLocale::C)
        return QPageSize(QPageSize::Letter);
    return QPageSize(lettersTerritory(locale.territory()) ? QPageSize::Letter : QPageSize::A4);
}

QPageSize defaultPaper()
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (!printer.isNull() && printer.defaultPageSize().isValid())
        return printer.defaultPageSize();
    // The locale the paper is asked of, as the C library picks it.
    for (const char* var : {"LC_ALL", "LC_PAPER", "LANG"})
        if (!qEnvironmentVariableIsEmpty(var))
            return localePaper(qEnvironmentVariable(var));
    return QPageSize(QPageSize::Letter);
}

QPageSize paperNamed(const QString& name)
{
    for (const NamedPaper& p : KnownPapers)
        if (name.trimmed().compare(QLatin1String(p.name), Qt::CaseInsensitive) == 0)
            return QPageSize(p.id);
    return {};
}

QString paperNames()
{
    QStringList names;
    for (const NamedPaper& p : KnownPapers)
        names << p.name;
    return names.join(", ");
}

namespace {

// Loads the label as File > Open does, after the template: 0 when it loaded,
// else the exit code (and the reason, or nothing when stderr has it already).
int loadLabel(LabelDocument& doc, ProgramValues& app, ConsolePlatform& platform, const QString& labelFile,
              const QString& pdfOut, bool allowMissingPictures, QString* reason)
{
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
    doc.holdPicturesForPrint(pictures::PrintedDpi);
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
    return 0;
}

// Prints the request to the PDF on the paper or the product's sheet.
int writePdf(printjob::Request& request, ConsolePlatform& platform, const QString& pdfOut, const QPageSize& paper,
             const catalogue::Product* product, QString* reason)
{
    QPageLayout layout(paper.isValid() ? paper : defaultPaper(), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0));
    if (product) {
        const LabelSpec& label = request.sheetContent().label;
        const QString larger = catalogue::labelLargerMessage(*product, label.LabelWidth, label.LabelHeight);
        if (!larger.isEmpty())
            platform.message("warning: " + larger);
        layout = catalogue::paperLayout(*product);
        catalogue::applyTo(*product, request);
    }
    // A start past the sheet's last label is told by the print job (exit 4).
    switch (pdfout::printPdf(request, platform, layout, 1200, pdfOut, reason)) {
    case pdfout::Result::Written: return 0;
    case pdfout::Result::PrintFailed: return 4; // told on stderr already
    case pdfout::Result::WriteFailed: *reason = pdfout::writeFailedMessage(pdfOut, *reason); return 4;
    }
    return 4;
}

} // namespace

int printPdf(const QString& labelFile, const QString& pdfOut, int copies, const SettingsStore& store,
             const AppPaths& paths, QString* reason, bool allowMissingPictures, const stock::Placement& placement,
             const QPageSize& paper, const catalogue::Product* product, const FieldOptions& fieldOptions)
{
    ProgramValues app;
    app.decimalSeparator = Module1::decimalSeparatorFromLocale();
    settings::readAll(store, paths, app);
    // Batch mode makes nothing but its PDF: no working folders are created.
    ConsolePlatform platform;
    QtTextMeasurer measurer;
    LabelDocument doc(app, platform, measurer);
    if (const int failed = loadLabel(doc, app, platform, labelFile, pdfOut, allowMissingPictures, reason))
        return failed;
    printjob::Request request = printjob::request(doc, app, copies, placement);
    if (const int refused = fillFields(request, fieldOptions, reason))
        return refused;
    return writePdf(request, platform, pdfOut, paper, product, reason);
}

int printDesignsPdf(const std::vector<Design>& designs, const QString& pdfOut, int copies, const SettingsStore& store,
                    const AppPaths& paths, QString* reason, bool allowMissingPictures,
                    const stock::Placement& placement, const QPageSize& paper, const catalogue::Product* product,
                    const FieldOptions& fieldOptions)
{
    ProgramValues app;
    app.decimalSeparator = Module1::decimalSeparatorFromLocale();
    settings::readAll(store, paths, app);
    ConsolePlatform platform;
    QtTextMeasurer measurer;
    // Every label is read before anything prints: one that cannot be read
    // writes no PDF at all.
    std::vector<std::unique_ptr<LabelDocument>> docs;
    printjob::Request request;
    for (const Design& d : designs) {
        docs.push_back(std::make_unique<LabelDocument>(app, platform, measurer));
        if (const int failed = loadLabel(*docs.back(), app, platform, d.file, pdfOut, allowMissingPictures, reason))
            return failed;
        if (request.designs.empty())
            request = printjob::request(*docs.back(), app, copies, placement);
        request.designs.push_back({docs.back()->content(), d.count, d.file});
    }
    if (const QString mismatch = printjob::designsMismatch(request.designs); !mismatch.isEmpty()) {
        *reason = mismatch;
        return 3;
    }
    request.merge.numberFrom = fieldOptions.numberFrom;
    request.merge.date = fieldOptions.date;
    for (const printjob::Request::Design& d : request.designs) {
        const QString problems = fields::problemsMessage(merge::Run(d.content, request.merge).problems());
        if (!problems.isEmpty()) {
            *reason = d.name + ": " + problems + " Nothing was printed.";
            return 3;
        }
    }
    return writePdf(request, platform, pdfOut, paper, product, reason);
}

const catalogue::Product* stockNamed(const catalogue::Catalogue& c, const QString& name, QString* reason)
{
    const catalogue::Product* p = c.find(name);
    if (!p) {
        const QStringList close = c.closeMatches(name);
        *reason = "the catalogue has no label sheet \"" + name + "\"" +
                  (close.isEmpty() ? QString(" (--list-stock TEXT lists those it has)")
                                   : "; close to it: " + close.join(", "));
        return nullptr;
    }
    const QString refused = p->refusal();
    if (!refused.isEmpty()) {
        *reason = refused;
        return nullptr;
    }
    return p;
}

QString stockList(const catalogue::Catalogue& c, const QString& text)
{
    QString out;
    for (const catalogue::Product* p : c.search(text))
        out += catalogue::caption(*p) + '\n';
    return out;
}

} // namespace batch
