#pragma once
// Reading PDF files back in the printing tests, with poppler's tools, and
// running the program's batch mode with a home of its own.
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace pdftools {

inline constexpr char Missing[] = "poppler-utils are missing: run scripts/test, which installs them";

// Whether every poppler tool the printing tests read PDF files with is installed.
inline bool installed()
{
    for (const char* tool : {"pdfinfo", "pdfimages", "pdftocairo", "pdftoppm", "pdftotext"})
        if (QStandardPaths::findExecutable(tool).isEmpty())
            return false;
    return true;
}

inline QString run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    p.waitForFinished(60000);
    return QString::fromLocal8Bit(p.readAllStandardOutput());
}

inline QString info(const QString& pdf) { return run("pdfinfo", {pdf}); }

// The text of one page (0: of every page).
inline QString text(const QString& pdf, int page = 0)
{
    const QString n = QString::number(page);
    return run("pdftotext", (page > 0 ? QStringList{"-f", n, "-l", n} : QStringList()) + QStringList{pdf, "-"});
}

// A word of a page and its box, in points from the page's top-left corner.
struct Word {
    QString text;
    QRectF box;
};

inline QList<Word> words(const QString& pdf, int page)
{
    const QString n = QString::number(page);
    static const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    QList<Word> out;
    for (auto it = word.globalMatch(run("pdftotext", {"-bbox", "-f", n, "-l", n, pdf, "-"})); it.hasNext();) {
        const auto m = it.next();
        auto at = [&](int i) { return QPointF(m.captured(i).toDouble(), m.captured(i + 1).toDouble()); };
        out.push_back({m.captured(5), QRectF(at(1), at(3))});
    }
    return out;
}

inline int pages(const QString& pdf)
{
    const QRegularExpressionMatch m = QRegularExpression("Pages:\\s+(\\d+)").match(info(pdf));
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

inline QSizeF pagePoints(const QString& pdf)
{
    const QRegularExpressionMatch m = QRegularExpression("Page size:\\s+([\\d.]+) x ([\\d.]+) pts").match(info(pdf));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

// One page at dpi.
inline QImage rasterise(const QString& pdf, int dpi, int page = 1)
{
    QTemporaryDir dir;
    const QString n = QString::number(page);
    run("pdftoppm", {"-r", QString::number(dpi), "-png", "-f", n, "-l", n, "-singlefile", pdf, dir.filePath("page")});
    return QImage(dir.filePath("page.png"));
}

struct Run {
    int code;
    QString err, out;
    // stderr without Qt's own notes about the environment.
    QStringList lines() const
    {
        QStringList l;
        for (const QString& s : err.split('\n', Qt::SkipEmptyParts))
            if (!s.startsWith("QStandardPaths:") && !s.endsWith("Folder. Created"))
                l << s;
        return l;
    }
};

#ifdef CORK_BINARY // the tests that know where the program is
// The program itself, headless, with no settings of the user's, its folders in
// `home` and no spooler, so the paper never comes from this machine's printer.
// `program` runs instead of it when given, with the program as its first argument.
inline Run batch(const QStringList& args, const QString& home, const QString& locale = "C",
                 const QString& workDir = {}, const QStringList& program = {})
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LC_PAPER", "LANG", "DISPLAY"})
        env.remove(name);
    for (const auto& [name, value] : {std::pair{"HOME", home}, {"XDG_CONFIG_HOME", home + "/.config"},
                                      {"XDG_DOCUMENTS_DIR", home + "/Documents"}, {"LC_ALL", locale},
                                      {"CUPS_SERVER", home + "/no-cups.sock"}, {"QT_QPA_PLATFORM", "offscreen"}})
        env.insert(name, value);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    if (program.isEmpty())
        p.start(CORK_BINARY, args);
    else
        p.start(program.first(), program.mid(1) + QStringList{CORK_BINARY} + args);
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromLocal8Bit(p.readAllStandardError()),
            QString::fromLocal8Bit(p.readAllStandardOutput())};
}
#endif

} // namespace pdftools
