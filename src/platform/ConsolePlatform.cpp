#include "ConsolePlatform.h"

#include <QProcess>
#include <cstdio>

MsgAnswer ConsolePlatform::messageBox(const QString& text, MsgButtons buttons, MsgIcon, const QString&)
{
    messages << text;
    std::fprintf(stderr, "corkcrafter: %s\n", qPrintable(text));
    // Never save or overwrite anything unasked in batch mode.
    switch (buttons) {
    case MsgButtons::OK: return MsgAnswer::OK;
    case MsgButtons::YesNo: return MsgAnswer::No;
    case MsgButtons::YesNoCancel: return MsgAnswer::Cancel;
    }
    return MsgAnswer::OK;
}

bool ConsolePlatform::saveBitmap(const QImage& image, const QString& path) { return image.save(path, "BMP"); }

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
