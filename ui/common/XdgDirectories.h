#pragma once

#include <QString>
#include <QStringList>

class QProcessEnvironment;

// Where the desktop keeps its settings and data (the XDG base directories), most
// important first, the desktops named by XDG_CURRENT_DESKTOP and the terminal the
// user chose. File-type
// associations are looked up in these folders; tests give folders of their own.
struct CXdgDirectories {
    QString configHome;          // $XDG_CONFIG_HOME, else ~/.config
    QStringList configDirs;      // $XDG_CONFIG_DIRS, else /etc/xdg
    QString dataHome;            // $XDG_DATA_HOME, else ~/.local/share
    QStringList dataDirs;        // $XDG_DATA_DIRS, else /usr/local/share, /usr/share
    QString stateHome;           // $XDG_STATE_HOME, else ~/.local/state
    QStringList currentDesktops; // $XDG_CURRENT_DESKTOP, lower case
    QString terminal;            // $TERMINAL: the user's terminal program, may be empty

    // The folders the environment names, with the defaults of the base directory
    // rules for variables that are unset, empty or not absolute paths.
    static CXdgDirectories FromEnvironment(const QProcessEnvironment& environment);
    // The folders of the running program's own environment.
    static CXdgDirectories ForCurrentUser();
};
