#pragma once
// The File menu's list of the four most recently used label files.
#include <QString>
#include <array>

class SettingsStore;

QString recentFileCaption(const QString& path);

class RecentFileList {
public:
    static constexpr int MaxEntries = 4;

    int highestIndex() const { return m_highest; }
    int count() const { return m_highest + 1; }
    QString path(int i) const { return m_paths.at(i); }
    QString caption(int i) const { return m_captions.at(i); }
    // Menu state: item 0 always exists; it and its separator are hidden when the list empties.
    bool item0Visible() const { return m_item0Visible; }
    bool separatorVisible() const { return m_barVisible; }

    int findRecentFile(const QString& path) const;
    void addRecentFile(const QString& path);
    void insertRecentFile(const QString& path);
    void moveRecentFileToTop(const QString& path, int k);
    void removeRecentFile(const QString& path);
    void loadRecentFiles(const SettingsStore& store);
    void saveRecentFiles(SettingsStore& store) const;
    void setSeparatorVisible(bool v) { m_barVisible = v; }

private:
    int m_highest = -1;
    std::array<QString, 5> m_paths;
    std::array<QString, MaxEntries> m_captions;
    bool m_item0Visible = false;
    bool m_barVisible = true;
};
