#include "Module1.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QStandardPaths>

#include "Units.h"

#include <algorithm>

#ifndef CORKCRAFTER_SOURCE_DATA_DIR
#define CORKCRAFTER_SOURCE_DATA_DIR ""
#endif
#ifndef CORKCRAFTER_BUILD_HELP_DIR
#define CORKCRAFTER_BUILD_HELP_DIR ""
#endif

AppPaths AppPaths::standard()
{
    AppPaths p = forExecutableDir(QCoreApplication::applicationDirPath());
    QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (docs.isEmpty())
        docs = QDir::homePath();
    p.workBase = docs + "/Corkcrafter";
    return p;
}

AppPaths AppPaths::forExecutableDir(const QString& exeDir)
{
    AppPaths p;
    const QString installed = QDir::cleanPath(exeDir + "/../share/corkcrafter");
    // Installed, everything is under <prefix>/share/corkcrafter; run from the
    // build tree, the data is the source tree's and the manual the build's.
    if (QFileInfo::exists(installed + "/TipOfDay.fil")) {
        p.dataDir = installed;
    } else {
        p.dataDir = QStringLiteral(CORKCRAFTER_SOURCE_DATA_DIR);
        p.helpDir = QStringLiteral(CORKCRAFTER_BUILD_HELP_DIR);
    }
    return p;
}

namespace Module1 {

QChar decimalSeparatorFromLocale()
{
    // "1.1" written in the user's locale; its second character is the separator.
    const QString s = QLocale().toString(1.1, 'f', 1);
    return s.size() >= 2 ? s.at(1) : QChar('.');
}

bool fileExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    QFileInfo fi(path);
    return fi.exists() && fi.isFile();
}

bool folderExists(const QString& path)
{
    if (path.isEmpty())
        return false;
    return QFileInfo::exists(path);
}

int16_t filterNumericKey(int16_t keyCode, bool decimalAllowed, QChar decimalSeparator, void (*beep)())
{
    if ((keyCode >= '0' && keyCode <= '9') || keyCode == 8)
        return keyCode;
    if (keyCode == '.' && decimalSeparator == '.' && decimalAllowed)
        return keyCode;
    if (keyCode == ',' && decimalSeparator == ',' && decimalAllowed)
        return keyCode;
    if (beep)
        beep();
    return 0;
}

int16_t styleNameToShapeCode(const QString& style)
{
    if (style == "Square")
        return 0;
    if (style == "Rounded")
        return 4;
    if (style == "Oval")
        return 2;
    return 0;
}

int shapeCodeToListPosition(int16_t code)
{
    if (code == 0)
        return 0;
    if (code == 2)
        return 2;
    return 1;
}

QString listPositionToStyleName(int position)
{
    static const char* names[] = {"Square", "Rounded", "Oval"};
    if (position < 0 || position > 2)
        return "Rounded";
    return names[position];
}

void addFontSorted(QStringList& list, const QString& name)
{
    // Alphabetical regardless of case; names differing only in case keep a
    // fixed order among themselves so exact duplicates always end up adjacent.
    auto lessOrEqual = [](const QString& a, const QString& b) {
        const int ci = QString::compare(a, b, Qt::CaseInsensitive);
        return ci < 0 || (ci == 0 && QString::compare(a, b, Qt::CaseSensitive) <= 0);
    };
    int p = 0;
    while (p < list.size() && lessOrEqual(list.at(p), name))
        ++p;
    list.insert(p, name);
    if (p > 0 && list.at(p - 1) == list.at(p))
        list.removeAt(p);
    if (p < list.size() - 1 && list.at(p + 1) == list.at(p))
        list.removeAt(p);
}

QString fontFamilyName(const QString& name)
{
    // Fontconfig tells same-named families of different foundries apart as
    // "Family [foundry]"; a label names the family only.
    const QString n = name.trimmed();
    if (n.endsWith(']')) {
        const qsizetype open = n.lastIndexOf(" [");
        if (open > 0 && n.indexOf(']', open) == n.size() - 1)
            return n.left(open).trimmed();
    }
    return n;
}

QStringList buildFontList(const QStringList& printerFonts)
{
    QStringList list;
    for (const QString& f : printerFonts)
        addFontSorted(list, fontFamilyName(f));
    return list;
}

QString numberToText(double v)
{
    QLocale loc;
    loc.setNumberOptions(QLocale::OmitGroupSeparator);
    return loc.toString(v, 'g', 15);
}

bool textToDouble(const QString& s, double& out)
{
    QLocale loc;
    bool ok = false;
    double v = loc.toDouble(s.trimmed(), &ok);
    if (!ok) {
        // Values written before a locale change still read back.
        v = QLocale::c().toDouble(s.trimmed(), &ok);
    }
    if (ok)
        out = v;
    return ok;
}

bool textToBool(const QString& s, bool& out)
{
    const QString t = s.trimmed();
    if (t.compare("True", Qt::CaseInsensitive) == 0) {
        out = true;
        return true;
    }
    if (t.compare("False", Qt::CaseInsensitive) == 0) {
        out = false;
        return true;
    }
    double d = 0;
    if (textToDouble(t, d)) {
        out = d != 0;
        return true;
    }
    return false;
}

QString boolToText(bool b) { return b ? "True" : "False"; }

} // namespace Module1

namespace Module1 {

static int lastSeparator(const QString& path)
{
    return std::max(path.lastIndexOf('\\'), path.lastIndexOf('/'));
}

QString pathFolder(const QString& path)
{
    const int p = lastSeparator(path);
    return p < 0 ? path : path.left(p + 1);
}

QString pathFileName(const QString& path)
{
    const int p = lastSeparator(path);
    return p < 0 ? path : path.mid(p + 1);
}

QString relativePicturePath(const QString& path, const QString& labelFolder, const QString& graphicsFolder)
{
    auto stored = [](QString rest) { return rest.replace('/', '\\'); };
    if (!labelFolder.isEmpty() && path.startsWith(labelFolder))
        return ".\\" + stored(path.mid(labelFolder.size()));
    // Only a whole folder name counts: /x/Graphics2/a.bmp is not inside /x/Graphics.
    if (!graphicsFolder.isEmpty() && path.startsWith(graphicsFolder) && path.size() > graphicsFolder.size() &&
        (path.at(graphicsFolder.size()) == '/' || path.at(graphicsFolder.size()) == '\\'))
        return "..\\" + pathFileName(graphicsFolder) + stored(path.mid(graphicsFolder.size()));
    return path;
}

QString nativeSeparators(const QString& stored)
{
    QString s = stored;
    return s.replace('\\', '/');
}

} // namespace Module1

#include <QProcess>

#include "platform/Platform.h"

namespace Module1 {

void runGraphicsEditor(Platform& platform, const QString& editorSetting, const QString& path)
{
    QStringList parts = QProcess::splitCommand(editorSetting);
    bool started = false;
    if (!parts.isEmpty()) {
        const QString program = parts.takeFirst();
        parts << path;
        started = platform.startProcess(program, parts, true);
    }
    if (!started)
        platform.message(QCoreApplication::translate("Module1", "Unable to run Graphics Editor: %1").arg(editorSetting), MsgIcon::None,
                         QCoreApplication::translate("Module1", "Run Error"));
}

} // namespace Module1
