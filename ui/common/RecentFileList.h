#pragma once

#include <QStringList>

// The most recently used files, most recent first, at most a fixed number of them.
class CRecentFileList {
public:
    explicit CRecentFileList(int size = 4) : m_size(size) {}

    const QStringList& GetFiles() const { return m_files; }
    // Replaces the list (as read from the settings), dropping empty and repeated entries.
    void SetFiles(const QStringList& files);
    // Puts path first, removing an older entry of the same file.
    void Add(const QString& path);
    void Remove(const QString& path);

private:
    int m_size;
    QStringList m_files;
};
