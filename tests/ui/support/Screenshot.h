#pragma once

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QWidget>

// Writes a picture of widget named name into the folder GAUGEWRIGHT_SCREENSHOTS
// names; false only when that folder is set and the picture could not be written.
inline bool SaveScreenshot(QWidget& widget, const QString& name) {
    const QString folder = qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS");
    if (folder.isEmpty())
        return true;
    QDir().mkpath(folder);
    return widget.grab().save(QDir(folder).filePath(name));
}

inline bool ScreenshotsWanted() {
    return !qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS").isEmpty();
}

// A photograph for the pictures of the manual, as a collector might take one of
// an item: a diesel in warbonnet colours on its track.
inline QImage RollingStockPhoto() {
    QImage photo(480, 320, QImage::Format_RGB32);
    QPainter painter(&photo);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 230);
    sky.setColorAt(0, QColor(0x86, 0xb3, 0xde));
    sky.setColorAt(1, QColor(0xe9, 0xf1, 0xf7));
    painter.fillRect(photo.rect(), sky);
    painter.fillRect(0, 230, 480, 90, QColor(0x74, 0x66, 0x58));
    painter.fillRect(0, 236, 480, 6, QColor(0xa8, 0xa8, 0xa8));
    // Body, the red nose with its yellow stripe, the cab windows and two trucks.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xc9, 0xcd, 0xd2));
    painter.drawRoundedRect(QRectF(70, 110, 340, 90), 10, 10);
    painter.setBrush(QColor(0xb3, 0x1b, 0x1b));
    painter.drawPie(QRectF(20, 110, 120, 180), 90 * 16, 90 * 16);
    painter.drawRect(QRectF(80, 110, 60, 90));
    painter.fillRect(QRectF(20, 168, 120, 8), QColor(0xf2, 0xc2, 0x3a));
    painter.fillRect(QRectF(90, 122, 34, 22), QColor(0x2b, 0x30, 0x3b));
    painter.setBrush(QColor(0x22, 0x22, 0x22));
    for (const int x : {110, 150, 330, 370})
        painter.drawEllipse(QPointF(x, 214), 16, 16);
    return photo;
}
