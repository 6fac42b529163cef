#include "RecentFiles.h"

#include "app/SettingsKeys.h"
#include "platform/SettingsStore.h"

namespace {

const QChar Ellipsis(0x2026);

// 1-based position of the last separator before 'before' (1-based, inclusive), 0 if none.
int lastSep(const QString& p, int before)
{
    for (int i = before; i >= 1; --i)
        if (p.at(i - 1) == '\\' || p.at(i - 1) == '/')
            return i;
    return 0;
}

// VB's Mid with a 1-based start.
QString mid(const QString& s, int start, int len = -1) { return s.mid(start - 1, len); }

} // namespace

QString recentFileCaption(const QString& path)
{
    const int len = int(path.size());
    if (len <= 40)
        return path;
    const QString prefix = path.left(3) + Ellipsis;
    const int s = lastSep(path, len);
    if (s == 0)
        return path.left(38) + Ellipsis;
    if (len - s >= 34) {
        // A file directly in the root: "C:\" on a drive, "/" here.
        const bool inRoot = s == 3 || (s == 1 && path.startsWith('/'));
        if (inRoot)
            return mid(path, s, 38) + Ellipsis;
        return prefix + mid(path, s, 32) + Ellipsis;
    }
    const int s2 = lastSep(path, s - 1);
    if (s2 > 0 && len - s2 < 34)
        return prefix + mid(path, s2);
    return prefix + mid(path, s);
}

int RecentFileList::findRecentFile(const QString& path) const
{
    const QString c = recentFileCaption(path).toUpper();
    for (int i = 0; i <= m_highest; ++i)
        if (m_captions.at(i).toUpper() == c)
            return i;
    return -1;
}

void RecentFileList::addRecentFile(const QString& path)
{
    const int i = findRecentFile(path);
    if (i == -1)
        insertRecentFile(path);
    else
        moveRecentFileToTop(path, i);
}

void RecentFileList::insertRecentFile(const QString& path)
{
    if (m_highest < MaxEntries - 1)
        ++m_highest;
    m_barVisible = true;
    m_item0Visible = true;
    for (int i = m_highest; i >= 1; --i) {
        m_captions[i] = m_captions[i - 1];
        m_paths[i] = m_paths[i - 1];
    }
    m_paths[0] = path;
    m_captions[0] = recentFileCaption(path);
}

void RecentFileList::moveRecentFileToTop(const QString& path, int k)
{
    if (k < 0 || k > m_highest)
        return;
    const QString kept = m_paths[k];
    for (int i = k; i >= 1; --i) {
        m_captions[i] = m_captions[i - 1];
        m_paths[i] = m_paths[i - 1];
    }
    m_captions[0] = recentFileCaption(path);
    m_paths[0] = kept;
}

void RecentFileList::removeRecentFile(const QString& path)
{
    const int k = findRecentFile(path);
    if (k == -1)
        return;
    for (int i = k + 1; i <= m_highest; ++i) {
        m_captions[i - 1] = m_captions[i];
        m_paths[i - 1] = m_paths[i];
    }
    if (m_highest == 0) {
        m_item0Visible = false;
        m_barVisible = false;
    }
    m_captions[m_highest].clear();
    m_paths[m_highest].clear();
    --m_highest;
}

void RecentFileList::loadRecentFiles(const SettingsStore& store)
{
    for (int i = 4; i >= 0; --i) {
        const QString p = store.read(settings::keys::RecentFiles, QString::number(i), "");
        if (!p.isEmpty()) {
            addRecentFile(p);
            m_barVisible = true;
        }
    }
}

void RecentFileList::saveRecentFiles(SettingsStore& store) const
{
    for (int i = 0; i < MaxEntries; ++i)
        store.write(settings::keys::RecentFiles, QString::number(i), i <= m_highest ? m_paths.at(i) : QString());
}
