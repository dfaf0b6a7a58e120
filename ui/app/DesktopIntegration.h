#pragma once

#include <QString>
#include <QStringList>

// Makes the desktop know the program for the current user when it was not
// installed: its desktop entry (with this program's path), the inventory file type
// (glob *.inv and the file's first bytes) and the icon, so that opening an .inv file
// from the file manager starts Gaugewright with it.
class CDesktopIntegration {
public:
    // dataHome: the user's data folder of the desktop (~/.local/share); systemDirs: the
    // folders where an installation puts the same files (XDG_DATA_DIRS).
    CDesktopIntegration(QString dataHome, QStringList systemDirs);

    // The real folders of the current user.
    static CDesktopIntegration ForCurrentUser();

    // Whether the program at programPath should make itself known: only when it
    // runs from the folder it was built in (an installed program is known through
    // its package), and never from a temporary folder, whose entry would soon point
    // at nothing.
    static bool IsWanted(const QString& programPath);
    static bool IsWanted(const QString& programPath, const QString& buildFolder,
                         const QString& temporaryFolder);

    // Writes what neither the installation nor an earlier start provided. Returns the
    // files written; a file that cannot be written is skipped (the program works
    // without it). programPath goes into the desktop entry's Exec line.
    QStringList RegisterIfMissing(const QString& programPath);

private:
    bool IsProvided(const QString& relativePath) const;
    bool Write(const QString& relativePath, const QByteArray& contents, QStringList& written);

    QString m_dataHome;
    QStringList m_systemDirs;
};
