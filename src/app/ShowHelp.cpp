#include "ShowHelp.h"

#include "platform/Platform.h"

namespace ShowHelp {

QString defaultTopic() { return QStringLiteral("index.html"); }

QString pageForContext(int contextNumber)
{
    switch (contextNumber) {
    case MainWindowContext: return QStringLiteral("mainwindow.html");
    case PreviewContext: return QStringLiteral("preview.html");
    case OtherSoftwareContext: return QStringLiteral("other-software.html");
    default: return {};
    }
}

void showHelpTopic(Platform& platform, const QString& helpFile, int contextNumber)
{
    platform.htmlHelp(helpFile, HelpCommand::DisplayTopic, 0);
    platform.htmlHelp(helpFile, HelpCommand::HelpContext, contextNumber);
}

void showHelpIndex(Platform& platform, const QString& helpFile)
{
    platform.htmlHelp(helpFile, HelpCommand::DisplayIndex, 0);
}

void showHelpSearch(Platform& platform, const QString& helpFile)
{
    platform.htmlHelp(helpFile, HelpCommand::DisplaySearch, 0);
}

} // namespace ShowHelp
