#include "ui/common/XdgDirectories.h"

#include <QDir>
#include <QProcessEnvironment>

namespace {

// A single folder variable; relative paths are ignored as the base directory rules ask.
QString Folder(const QProcessEnvironment& environment, const QString& name,
               const QString& fallback) {
    const QString value = environment.value(name);
    return !value.isEmpty() && QDir::isAbsolutePath(value) ? value : fallback;
}

QStringList Folders(const QProcessEnvironment& environment, const QString& name,
                    const QStringList& fallback) {
    QStringList folders;
    for (const QString& folder : environment.value(name).split(QLatin1Char(':'))) {
        if (!folder.isEmpty() && QDir::isAbsolutePath(folder))
            folders << folder;
    }
    return folders.isEmpty() ? fallback : folders;
}

} // namespace

CXdgDirectories CXdgDirectories::FromEnvironment(const QProcessEnvironment& environment) {
    QString home = environment.value(QStringLiteral("HOME"));
    if (home.isEmpty())
        home = QDir::homePath();
    CXdgDirectories directories;
    directories.configHome =
        Folder(environment, QStringLiteral("XDG_CONFIG_HOME"), home + QStringLiteral("/.config"));
    directories.configDirs =
        Folders(environment, QStringLiteral("XDG_CONFIG_DIRS"), {QStringLiteral("/etc/xdg")});
    directories.dataHome = Folder(environment, QStringLiteral("XDG_DATA_HOME"),
                                  home + QStringLiteral("/.local/share"));
    directories.dataDirs =
        Folders(environment, QStringLiteral("XDG_DATA_DIRS"),
                {QStringLiteral("/usr/local/share"), QStringLiteral("/usr/share")});
    directories.stateHome = Folder(environment, QStringLiteral("XDG_STATE_HOME"),
                                   home + QStringLiteral("/.local/state"));
    for (const QString& desktop :
         environment.value(QStringLiteral("XDG_CURRENT_DESKTOP")).split(QLatin1Char(':'))) {
        if (!desktop.isEmpty())
            directories.currentDesktops << desktop.toLower();
    }
    directories.terminal = environment.value(QStringLiteral("TERMINAL")).trimmed();
    return directories;
}

CXdgDirectories CXdgDirectories::ForCurrentUser() {
    return FromEnvironment(QProcessEnvironment::systemEnvironment());
}
