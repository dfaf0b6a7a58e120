#pragma once

#include <condition_variable>
#include <deque>
#include <mutex>
#include <set>
#include <utility>

#include <QCache>
#include <QObject>
#include <QPixmap>
#include <QThreadPool>

#include "ui/common/ThumbnailStore.h"

// The program's thumbnails: asked for by picture path and size, answered at once
// from memory when they were made before, else made off the window's thread (the
// request asked last is served first, so what is on screen now comes before what
// was scrolled past) and announced by ThumbnailReady. A picture that is missing
// or cannot be decoded is shown by a small placeholder picture, never by a
// message. The memory kept is bounded by bytes, whatever the inventory.
class CThumbnailLoader : public QObject {
    Q_OBJECT

public:
    // The memory the thumbnails may take.
    static constexpr qint64 kDefaultCacheBytes = 100LL * 1024 * 1024;
    // Requests not yet served beyond this many are forgotten, oldest first: they
    // are asked for again when they come back on screen.
    static constexpr std::size_t kMaxWaiting = 256;

    explicit CThumbnailLoader(CThumbnailStore store, QObject* parent = nullptr,
                              qint64 cacheBytes = kDefaultCacheBytes, int threads = 0);
    // Waits for the thumbnails being made; the waiting requests are dropped.
    ~CThumbnailLoader() override;

    // The thumbnail of the picture at path when it is in memory (the placeholder
    // for a picture that cannot be shown); else a null pixmap, and the thumbnail
    // is made and announced.
    QPixmap Thumbnail(const QString& path, ThumbnailSize size);
    // Whether the path's thumbnail of that size is in memory.
    bool IsReady(const QString& path, ThumbnailSize size) const;
    // What a picture shows while it is made, and for good when it cannot be.
    QPixmap Placeholder() const { return m_placeholder; }

    // Holds the workers back (for tests and measurements); Resume lets them go.
    void Pause();
    void Resume();
    // Returns when nothing is waiting or being made (the answers still arrive
    // through the event loop); never while paused with requests waiting.
    void WaitForIdle();

    qint64 CacheBytes() const { return m_cache.totalCost(); }
    qint64 CacheLimit() const { return m_cache.maxCost(); }
    const CThumbnailStore& Store() const { return m_store; }

signals:
    // The thumbnail of path in that size is in memory now.
    void ThumbnailReady(const QString& path, ThumbnailSize size);

private:
    using Key = std::pair<QString, ThumbnailSize>;
    static QString CacheKey(const Key& key);
    // A worker's loop: the newest waiting request, until none is left.
    void Work();
    // On the window's thread: the worker's result into memory, then the signal.
    void Deliver(const Key& key, const QImage& image, bool failed);

    CThumbnailStore m_store;
    QCache<QString, QPixmap> m_cache;
    QPixmap m_placeholder;
    QThreadPool m_pool;

    // Shared with the workers.
    mutable std::mutex m_mutex;
    std::condition_variable m_resumed;
    std::condition_variable m_idle;
    std::deque<Key> m_waiting; // newest at the back
    std::set<Key> m_asked;     // waiting or being made
    int m_workers = 0;
    int m_maxWorkers = 1;
    bool m_paused = false;
    bool m_stopping = false;
};
