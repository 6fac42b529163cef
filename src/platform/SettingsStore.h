#pragma once
// Per-user store of text values addressed by section and key.
#include <QMap>
#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QString read(const QString& section, const QString& key, const QString& def) const = 0;
    virtual void write(const QString& section, const QString& key, const QString& value) = 0;
    // Why the last writes could not be kept, empty when they were; and where.
    virtual QString writeError() const { return {}; }
    virtual QString location() const { return {}; }
};

// INI file in the user's configuration folder (~/.config/Corkcrafter/Corkcrafter 2.ini).
class IniSettingsStore : public SettingsStore {
public:
    IniSettingsStore();
    explicit IniSettingsStore(const QString& fileName);
    ~IniSettingsStore() override;
    QString read(const QString& section, const QString& key, const QString& def) const override;
    void write(const QString& section, const QString& key, const QString& value) override;
    QString fileName() const;
    QString writeError() const override { return m_writeError; }
    QString location() const override { return m_fileName; }
    // ~/.config/Corkcrafter/Corkcrafter 2.ini, or under $XDG_CONFIG_HOME.
    static QString standardFileName();

private:
    QString m_fileName;
    std::unique_ptr<QSettings> m_settings; // none when the file may not be read
    QString m_problem;                     // why not
    QMap<QString, QString> m_unsaved;
    QString m_writeError;
};

// Kept in memory only: tests, and batch runs that must not touch the user's settings.
class MemorySettingsStore : public SettingsStore {
public:
    QString failWrites; // tests: every write fails for this reason
    QString writeError() const override { return m_writeError; }
    QString location() const override { return QStringLiteral("(memory)"); }
    QString read(const QString& section, const QString& key, const QString& def) const override
    {
        auto it = m_values.find(section + '\n' + key);
        return it == m_values.end() ? def : it.value();
    }
    void write(const QString& section, const QString& key, const QString& value) override
    {
        m_values[section + '\n' + key] = value;
        if (!failWrites.isEmpty())
            m_writeError = failWrites;
    }
    bool contains(const QString& section, const QString& key) const
    {
        return m_values.contains(section + '\n' + key);
    }
    // Every key written, as "section/key", sorted.
    QStringList keys() const
    {
        QStringList l;
        for (auto it = m_values.begin(); it != m_values.end(); ++it)
            l << QString(it.key()).replace('\n', '/');
        return l;
    }

private:
    QMap<QString, QString> m_values;
    QString m_writeError;
};
