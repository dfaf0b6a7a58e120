#pragma once

#include <QDir>
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
