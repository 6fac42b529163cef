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
    env.insert("HOME", home);
    env.insert("XDG_CONFIG_HOME", home + "/.config");
    env.insert("XDG_DOCUMENTS_DIR", home + "/Documents");
    env.insert("LC_ALL", locale);
    env.remove("LC_PAPER");
    env.remove("LANG");
    env.insert("CUPS_SERVER", home + "/no-cups.sock");
    env.remove("DISPLAY");
    env.insert("QT_QPA_PLATFORM", "offscreen");
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
