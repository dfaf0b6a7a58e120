#include "ui/common/RecentFileList.h"

#include <QFileInfo>

namespace {
// Two names of the same file count as one entry.
bool SameFile(const QString& a, const QString& b) {
    return QFileInfo(a).absoluteFilePath() == QFileInfo(b).absoluteFilePath();
}
} // namespace

void CRecentFileList::SetFiles(const QStringList& files) {
    m_files.clear();
    for (const QString& file : files) {
        if (file.isEmpty() || m_files.size() >= m_size)
            continue;
        bool known = false;
        for (const QString& kept : m_files)
            known = known || SameFile(kept, file);
        if (!known)
            m_files.append(file);
    }
}

void CRecentFileList::Add(const QString& path) {
    Remove(path);
    m_files.prepend(QFileInfo(path).absoluteFilePath());
    while (m_files.size() > m_size)
        m_files.removeLast();
}

void CRecentFileList::Remove(const QString& path) {
    m_files.removeIf([&](const QString& file) { return SameFile(file, path); });
}
