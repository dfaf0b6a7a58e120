#pragma once

#include <functional>
#include <optional>

#include <QByteArray>
#include <QString>
#include <QStringList>

#include "ui/common/DesktopEntry.h"
#include "ui/common/XdgDirectories.h"

// The desktop's file-type associations as freedesktop.org desktops keep them: the
// MIME type of a file name extension from shared-mime-info's glob files, and the
// default application of a MIME type from the mimeapps.list files, in the order in
// which xdg-mime reads them, falling back on defaults.list and mimeinfo.cache.
class CDesktopAssociations {
public:
    enum class Outcome { Found, NotFound, AccessDenied };

    struct TypeLookup {
        Outcome outcome = Outcome::NotFound;
        QString mimeType;
    };
    struct ApplicationLookup {
        Outcome outcome = Outcome::NotFound;
        std::optional<CDesktopEntry> application;
    };
    // A file read for the lookup; denied is set when the file is there but the
    // system refused to open it.
    struct FileContents {
        std::optional<QByteArray> bytes;
        bool denied = false;
    };

    // Reads a whole file for the lookup.
    using FileReader = std::function<FileContents(const QString& path)>;

    explicit CDesktopAssociations(CXdgDirectories directories);

    // Replaces how files are read (tests deny access as the system would).
    void SetFileReader(FileReader reader) { m_reader = std::move(reader); }
    // Reads path from the disk.
    static FileContents ReadFromDisk(const QString& path);

    // The associations of the running program's own environment.
    static CDesktopAssociations ForCurrentUser();

    const CXdgDirectories& Directories() const { return m_directories; }

    // The MIME type of a file whose name ends in extension (".jpg"): the best
    // matching glob (highest weight, then longest pattern) of the mime/globs2 files
    // (mime/globs where there is none) of the data folders, the user's first; a
    // folder's __NOGLOBS__ hides the globs of later folders for that type. Found
    // with the type; AccessDenied when nothing matched and a glob file could not
    // be opened for want of permission; NotFound otherwise.
    TypeLookup MimeTypeOfExtension(const QString& extension) const;

    // The default application of mimeType: the first installed and usable desktop
    // entry named under [Default Applications] for the type in, in this order, the
    // desktop-specific and plain mimeapps.list of $XDG_CONFIG_HOME, $XDG_CONFIG_DIRS,
    // $XDG_DATA_HOME/applications and $XDG_DATA_DIRS/applications; then in each data
    // folder's applications/defaults.list and applications/mimeinfo.cache. Found with
    // the entry; AccessDenied when none was found and a list or an entry named in
    // one could not be opened for want of permission; NotFound otherwise.
    ApplicationLookup DefaultApplication(const QString& mimeType) const;

    // The command that opens file with entry (CDesktopEntry::CommandFor), inside the
    // desktop's terminal when the entry runs in one (Terminal=true): the user's
    // $TERMINAL, else x-terminal-emulator, each given "-e" and the command. Nothing
    // when the entry gives no command or needs a terminal and none is found.
    std::optional<QStringList> CommandFor(const CDesktopEntry& entry, const QString& file) const;

    // The .desktop file of a desktop file id ("org.example.Viewer.desktop") in the
    // applications folders of the data folders, where "-" in the id may also stand
    // for a subfolder ("kde-viewer.desktop" in applications/kde/viewer.desktop).
    // Empty when there is none.
    QString FindDesktopFile(const QString& desktopId) const;

private:
    // The usable entry of the first installed id of a ";"-separated list.
    std::optional<CDesktopEntry> FirstUsable(const QString& ids, bool& denied) const;
    std::optional<CDesktopEntry> FromList(const QString& path, const QString& group,
                                          const QString& mimeType, bool& denied) const;

    CXdgDirectories m_directories;
    FileReader m_reader;
};
