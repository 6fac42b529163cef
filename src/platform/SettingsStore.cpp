#include "SettingsStore.h"

#include <QSettings>

#include "app/Module1.h"

IniSettingsStore::IniSettingsStore()
    : m_settings(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, "Corkcrafter",
                                             ProgramTitle))
{
}

IniSettingsStore::IniSettingsStore(const QString& fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{
}

IniSettingsStore::~IniSettingsStore() = default;

QString IniSettingsStore::read(const QString& section, const QString& key, const QString& def) const
{
    const QVariant v = m_settings->value(section + '/' + key);
    return v.isValid() ? v.toString() : def;
}

void IniSettingsStore::write(const QString& section, const QString& key, const QString& value)
{
    m_settings->setValue(section + '/' + key, value);
    m_settings->sync();
}

QString IniSettingsStore::fileName() const { return m_settings->fileName(); }
