#include "ui/common/HaloIconEngine.h"

#include <algorithm>

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace {

// The icons are drawn for 16 pixels; the halo is one of those pixels wide at any size.
constexpr int kDesignSize = 16;

QPixmap WithHalo(const QPixmap& icon) {
    QImage source = icon.toImage().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    source.setDevicePixelRatio(1.0);
    // Every pixel the icon touches, however faintly, in the base colour and opaque:
    // so nothing of the selection shows through the icon's own pixels.
    const QRgb base = QGuiApplication::palette().color(QPalette::Base).rgb() | 0xFF000000u;
    QImage silhouette(source.size(), QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < source.height(); ++y) {
        const auto* from = reinterpret_cast<const QRgb*>(source.constScanLine(y));
        auto* to = reinterpret_cast<QRgb*>(silhouette.scanLine(y));
        for (int x = 0; x < source.width(); ++x)
            to[x] = qAlpha(from[x]) > 0 ? base : 0;
    }
    QImage haloed(source.size(), QImage::Format_ARGB32_Premultiplied);
    haloed.fill(Qt::transparent);
    {
        QPainter painter(&haloed);
        const int width = std::max(1, (source.width() + kDesignSize / 2) / kDesignSize);
        for (int dy = -width; dy <= width; ++dy) {
            for (int dx = -width; dx <= width; ++dx)
                painter.drawImage(dx, dy, silhouette);
        }
        painter.drawImage(0, 0, source);
    }
    QPixmap result = QPixmap::fromImage(haloed);
    result.setDevicePixelRatio(icon.devicePixelRatio());
    return result;
}

} // namespace

CHaloIconEngine::CHaloIconEngine(QIcon icon) : m_icon(std::move(icon)) {}

QIcon CHaloIconEngine::Icon(const QString& file) {
    return QIcon(new CHaloIconEngine(QIcon(file)));
}

void CHaloIconEngine::paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
                            QIcon::State state) {
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
    QPixmap image = pixmap((QSizeF(rect.size()) * ratio).toSize(), mode, state);
    image.setDevicePixelRatio(ratio);
    painter->drawPixmap(rect, image);
}

QPixmap CHaloIconEngine::pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    if (mode != QIcon::Selected)
        return m_icon.pixmap(size, 1.0, mode, state);
    return WithHalo(m_icon.pixmap(size, 1.0, QIcon::Normal, state));
}

QSize CHaloIconEngine::actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) {
    return m_icon.actualSize(size, mode, state);
}

QList<QSize> CHaloIconEngine::availableSizes(QIcon::Mode mode, QIcon::State state) {
    return m_icon.availableSizes(mode, state);
}

bool CHaloIconEngine::isNull() {
    return m_icon.isNull();
}

QIconEngine* CHaloIconEngine::clone() const {
    return new CHaloIconEngine(m_icon);
}
