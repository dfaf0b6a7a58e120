#pragma once

#include <QString>
#include <QStringList>

// Where the program's data files (Classyrd.mst, ExtMFile.mst, gaugetip.mst, the
// wave files) come from: the directory given with --data-dir; else the current
// directory when it holds Classyrd.mst; else the user's own data directory, to which
// every default file it lacks is copied (the user's files are never overwritten).
// The defaults are those installed with the program, or the build's when the
// program runs uninstalled from its build folder.
class CDataDirectory {
public:
    // Where to look. Empty user and defaults directories are not used.
    struct Places {
        QString given;    // from --data-dir; empty when not given
        QString current;  // the current directory
        QString user;     // the per-user data directory
        QString defaults; // the default files installed with the program
        // The folders searched for the defaults, named when none was found.
        QStringList searched{};
    };

    enum class Source { Given, Current, User, Defaults };

    // The real places: --data-dir from arguments (the program's command line),
    // the current directory, QStandardPaths::AppDataLocation (so the application's
    // organisation and name must be set first) and the installed defaults.
    static Places SystemPlaces(const QStringList& arguments);

    // The value of "--data-dir DIR" or "--data-dir=DIR" in arguments; empty when absent.
    static QString GivenDirectory(const QStringList& arguments);

    // The folders that may hold the default files, in the order they are tried:
    // <program dir>/../share/gaugewright (installed), <program dir>/data, and the
    // data folder of the build the program comes from.
    static QStringList DefaultsCandidates();
    // The first of candidates that holds Classyrd.mst; empty when none does.
    static QString FirstDefaults(const QStringList& candidates);

    // Chooses the directory of places, filling the user's directory when it is used.
    static CDataDirectory Locate(const Places& places);
    // Chooses as Locate does but writes nothing: the user's directory only when it
    // already holds Classyrd.mst, else the defaults. For runs that only read.
    static CDataDirectory Find(const Places& places);

    // The directory chosen; usable even when Error() is not empty.
    QString Path() const { return m_path; }
    Source From() const { return m_source; }
    // The full path of a data file.
    QString FilePath(const QString& fileName) const;
    // What went wrong in a way the user should hear of; empty when nothing did.
    QString Error() const { return m_error; }

private:
    QString m_path;
    Source m_source = Source::Current;
    QString m_error;
};
