#include "SettingsStore.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <cstdio>

#include "app/ProgramTitle.h"

QString IniSettingsStore::standardFileName()
{
    // Where QSettings keeps an IniFormat, UserScope file of this organisation
    // and application; worked out here because opening it is what may block.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Corkcrafter/" +
           ProgramTitle + ".ini";
}

IniSettingsStore::IniSettingsStore() : IniSettingsStore(standardFileName()) {}

IniSettingsStore::IniSettingsStore(const QString& fileName) : m_fileName(fileName)
{
    const QFileInfo fi(fileName);
    // A FIFO would block the first read for ever, a device never end, and a
    // folder silently lose every setting: only a regular file is read.
    if (fi.exists() && !fi.isFile()) {
        m_problem = fi.isDir() ? QStringLiteral("it is a folder, not a file") : QStringLiteral("it is not a regular file");
        std::fprintf(stderr, "corkcrafter: the settings file \"%s\" is not used (%s); the defaults apply\n",
                     qPrintable(fileName), qPrintable(m_problem));
        return;
    }
    m_settings = std::make_unique<QSettings>(fileName, QSettings::IniFormat);
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::read(const QString& section, const QString& key, const QString& def) const
{
    if (!m_settings) {
        auto it = m_unsaved.find(section + '/' + key);
        return it == m_unsaved.end() ? def : it.value();
    }
    const QVariant v = m_settings->value(section + '/' + key);
    return v.isValid() ? v.toString() : def;
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    if (!m_settings) {
        m_unsaved[section + '/' + key] = value; // kept for this session at least
        m_writeError = m_problem;
        return;
    }
    m_settings->setValue(section + '/' + key, value);
    m_settings->sync();
    if (m_settings->status() != QSettings::NoError) {
        const QFileInfo folder(QFileInfo(m_fileName).absolutePath());
        if (!folder.exists())
            m_writeError = "the folder \"" + folder.filePath() + "\" could not be made";
        else if (!folder.isDir() || !folder.isWritable())
            m_writeError = "the folder \"" + folder.filePath() + "\" cannot be written to";
        else
            m_writeError = QStringLiteral("the file could not be written (is the disk full?)");
    }
}

QString IniSettingsStore::fileName() const { return m_fileName; }
