#include "ui/common/ThumbnailLoader.h"

#include <algorithm>

#include <QPainter>
#include <QPainterPath>
#include <QThread>

namespace {

constexpr int kPlaceholderSize = 32;

// A framed landscape in grey: a picture that is not (yet) there.
QPixmap DrawPlaceholder() {
    QPixmap pixmap(kPlaceholderSize, kPlaceholderSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF frame(2.5, 5.5, 27, 21);
    painter.setPen(QPen(QColor(120, 120, 120), 1));
    painter.setBrush(QColor(235, 235, 235));
    painter.drawRoundedRect(frame, 2, 2);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(160, 160, 160));
    QPainterPath hills;
    hills.moveTo(4, 25);
    hills.lineTo(12, 14);
    hills.lineTo(17, 20);
    hills.lineTo(21, 16);
    hills.lineTo(28, 25);
    hills.closeSubpath();
    painter.drawPath(hills);
    painter.drawEllipse(QPointF(22, 11), 2.5, 2.5);
    return pixmap;
}

qsizetype CostOf(const QPixmap& pixmap) {
    return std::max<qsizetype>(1, qsizetype(pixmap.width()) * pixmap.height() * pixmap.depth() / 8);
}

} // namespace

CThumbnailLoader::CThumbnailLoader(CThumbnailStore store, QObject* parent, qint64 cacheBytes,
                                   int threads)
    : QObject(parent), m_store(std::move(store)), m_cache(cacheBytes),
      m_placeholder(DrawPlaceholder()) {
    // One core stays with the window.
    m_maxWorkers = threads > 0 ? threads : std::clamp(QThread::idealThreadCount() - 1, 1, 4);
    m_pool.setMaxThreadCount(m_maxWorkers);
}

CThumbnailLoader::~CThumbnailLoader() {
    {
        const std::lock_guard lock(m_mutex);
        m_stopping = true;
        m_waiting.clear();
    }
    m_resumed.notify_all();
    m_pool.waitForDone();
}

QString CThumbnailLoader::CacheKey(const Key& key) {
    return QString::number(static_cast<int>(key.second)) + u'\n' + key.first;
}

bool CThumbnailLoader::IsReady(const QString& path, ThumbnailSize size) const {
    return m_cache.contains(CacheKey({path, size}));
}

QPixmap CThumbnailLoader::Thumbnail(const QString& path, ThumbnailSize size) {
    const Key key{path, size};
    if (const QPixmap* cached = m_cache.object(CacheKey(key)))
        return *cached;
    bool start = false;
    {
        const std::lock_guard lock(m_mutex);
        if (!m_asked.insert(key).second) {
            // Asked again: it moves to the front of the queue.
            const auto waiting = std::find(m_waiting.begin(), m_waiting.end(), key);
            if (waiting != m_waiting.end()) {
                m_waiting.erase(waiting);
                m_waiting.push_back(key);
            }
            return {};
        }
        m_waiting.push_back(key);
        if (m_waiting.size() > kMaxWaiting) {
            m_asked.erase(m_waiting.front());
            m_waiting.pop_front();
        }
        if (m_workers < m_maxWorkers) {
            ++m_workers;
            start = true;
        }
    }
    if (start)
        m_pool.start([this] { Work(); });
    return {};
}

void CThumbnailLoader::Work() {
    for (;;) {
        Key key;
        {
            std::unique_lock lock(m_mutex);
            m_resumed.wait(lock, [this] { return !m_paused || m_stopping; });
            if (m_stopping || m_waiting.empty()) {
                --m_workers;
                m_idle.notify_all();
                return;
            }
            key = m_waiting.back();
            m_waiting.pop_back();
        }
        CThumbnailStore::Outcome outcome = CThumbnailStore::Outcome::Failed;
        const QImage image = m_store.Load(key.first, key.second, &outcome);
        QMetaObject::invokeMethod(
            this, [this, key, image] { Deliver(key, image, image.isNull()); },
            Qt::QueuedConnection);
    }
}

void CThumbnailLoader::Deliver(const Key& key, const QImage& image, bool failed) {
    {
        const std::lock_guard lock(m_mutex);
        m_asked.erase(key);
    }
    if (failed) {
        // The placeholder's pixels are shared, so it costs the cache next to nothing.
        m_cache.insert(CacheKey(key), new QPixmap(m_placeholder), 1);
    } else {
        auto* pixmap = new QPixmap(QPixmap::fromImage(image));
        m_cache.insert(CacheKey(key), pixmap, CostOf(*pixmap));
    }
    emit ThumbnailReady(key.first, key.second);
}

void CThumbnailLoader::Pause() {
    const std::lock_guard lock(m_mutex);
    m_paused = true;
}

void CThumbnailLoader::Resume() {
    {
        const std::lock_guard lock(m_mutex);
        m_paused = false;
    }
    m_resumed.notify_all();
}

void CThumbnailLoader::WaitForIdle() {
    std::unique_lock lock(m_mutex);
    m_idle.wait(lock, [this] { return m_waiting.empty() && m_workers == 0; });
}
