#pragma once

#include <QDir>
#include <QString>
#include <QWidget>

// Writes a picture of widget to the folder named by GAUGEWRIGHT_SCREENSHOTS, when it
// is set; returns false only when a picture was asked for and could not be written.
inline bool SaveScreenshotIfAsked(QWidget& widget, const QString& fileName) {
    const QString folder = qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS");
    if (folder.isEmpty())
        return true;
    QDir().mkpath(folder);
    return widget.grab().save(QDir(folder).filePath(fileName));
}
