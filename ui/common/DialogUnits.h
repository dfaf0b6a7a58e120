#pragma once

#include <QFontMetrics>
#include <QSize>
#include <QString>

// The size in pixels of width x height dialog units of the font: a horizontal unit
// is a quarter of the average width of the Latin letters, a vertical unit an eighth
// of the line height, so dialogs keep their proportions at every font size.
inline QSize DialogUnitsToPixels(const QFontMetrics& metrics, int width, int height) {
    const QString letters = QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz");
    const int averageWidth = (metrics.horizontalAdvance(letters) / 26 + 1) / 2;
    return {width * averageWidth / 4, height * metrics.height() / 8};
}
