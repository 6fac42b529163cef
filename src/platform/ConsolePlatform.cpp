#include "ConsolePlatform.h"

#include <QProcess>

#include "SafeFile.h"
#include <cstdio>

MsgAnswer ConsolePlatform::messageBox(const QString& text, MsgButtons buttons, MsgIcon, const QString&)
{
    messages << text;
    const QString line = context.isEmpty() ? text : context + ": " + text;
    std::fprintf(stderr, "corkcrafter: %s\n", qPrintable(printable(line)));
    // Never save or overwrite anything unasked in batch mode.
    switch (buttons) {
    case MsgButtons::OK: return MsgAnswer::OK;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
    case MsgButtons::SaveAnywayCancel: return MsgAnswer::Cancel;
    }
    return MsgAnswer::OK;
}

QString ConsolePlatform::printable(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\n')
            out += QStringLiteral("\\n");
        else if (u == '\r')
            out += QStringLiteral("\\r");
        else if (u == '\t')
            out += QStringLiteral("\\t");
        else if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
                 c.category() == QChar::Separator_Line || c.category() == QChar::Separator_Paragraph)
            out += (u < 0x100 ? QStringLiteral("\\x%1").arg(u, 2, 16, QChar('0'))
                              : QStringLiteral("\\u%1").arg(u, 4, 16, QChar('0')));
        else
            out += c;
    }
    return out;
}

bool ConsolePlatform::saveBitmap(const QImage& image, const QString& path, QString* error)
{
    return safefile::writeBitmap(image, path, error);
}

bool ConsolePlatform::startProcess(const QString& program, const QStringList& args, bool wait)
{
    if (!wait)
        return QProcess::startDetached(program, args);
    QProcess p;
    p.start(program, args);
    if (!p.waitForStarted(-1))
        return false;
    p.waitForFinished(-1);
    return true;
}
