#include "ui/app/DataDirectory.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QLatin1String kDataDirOption("--data-dir");
const QLatin1String kCatalogue("Classyrd.mst");

// Copies every file of defaults that directory lacks; returns the names that could
// not be copied, each with its reason.
QStringList FillFromDefaults(const QString& directory, const QString& defaults) {
    QStringList failed;
    const QDir source(defaults);
    const QDir target(directory);
    // The data files only: a build's data folder holds CMake's files as well.
    const QStringList kinds = {QStringLiteral("*.mst"), QStringLiteral("*.inv"),
                               QStringLiteral("*.html"), QStringLiteral("*.WAV")};
    for (const QFileInfo& file : source.entryInfoList(kinds, QDir::Files | QDir::Readable)) {
        const QString targetPath = target.filePath(file.fileName());
        if (QFileInfo::exists(targetPath))
            continue;
        // QFile::copy writes through a temporary file, so a full disk leaves no
        // half-copied file that would later pass for the user's own.
        QFile copy(file.filePath());
        if (!copy.copy(targetPath)) {
            failed.append(file.fileName() + QStringLiteral(" (") + copy.errorString() + u')');
            continue;
        }
        // Installed files may be read-only; the user's copies must be writable.
        QFile::setPermissions(targetPath, QFile::permissions(targetPath) | QFile::ReadOwner |
                                              QFile::WriteOwner);
    }
    return failed;
}

} // namespace

QString CDataDirectory::GivenDirectory(const QStringList& arguments) {
    const QString prefix = kDataDirOption + u'=';
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments.at(i);
        if (argument == kDataDirOption && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (argument.startsWith(prefix))
            return argument.mid(prefix.size());
    }
    return {};
}

QStringList CDataDirectory::DefaultsCandidates() {
    const QDir programDir(QCoreApplication::applicationDirPath());
    QStringList candidates = {
        QDir::cleanPath(programDir.filePath(QStringLiteral("../share/gaugewright"))),
        QDir::cleanPath(programDir.filePath(QStringLiteral("data")))};
#ifdef GAUGEWRIGHT_BUILT_DATA_DIR
    candidates.append(QStringLiteral(GAUGEWRIGHT_BUILT_DATA_DIR));
#endif
    return candidates;
}

QString CDataDirectory::FirstDefaults(const QStringList& candidates) {
    for (const QString& candidate : candidates) {
        if (QFileInfo(QDir(candidate).filePath(kCatalogue)).isFile())
            return QDir::cleanPath(candidate);
    }
    return {};
}

CDataDirectory::Places CDataDirectory::SystemPlaces(const QStringList& arguments) {
    Places places;
    places.given = GivenDirectory(arguments);
    places.current = QDir::currentPath();
    places.user = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    places.searched = DefaultsCandidates();
    places.defaults = FirstDefaults(places.searched);
    return places;
}

CDataDirectory CDataDirectory::Locate(const Places& places) {
    CDataDirectory result;
    if (!places.given.isEmpty()) {
        result.m_path = QDir(places.given).absolutePath();
        result.m_source = Source::Given;
        if (!QFileInfo(result.m_path).isDir())
            result.m_error = QCoreApplication::translate(
                                 "CDataDirectory", "The data directory \"%1\" does not exist.")
                                 .arg(result.m_path);
        return result;
    }
    if (QFileInfo::exists(QDir(places.current).filePath(kCatalogue)) || places.user.isEmpty()) {
        result.m_path = QDir(places.current).absolutePath();
        result.m_source = Source::Current;
        return result;
    }

    result.m_path = QDir(places.user).absolutePath();
    result.m_source = Source::User;
    if (!QDir().mkpath(result.m_path)) {
        result.m_error = QCoreApplication::translate(
                             "CDataDirectory", "The data directory \"%1\" could not be created.")
                             .arg(result.m_path);
        // Without a directory of their own the user can still read the defaults.
        if (!places.defaults.isEmpty()) {
            result.m_path = QDir(places.defaults).absolutePath();
            result.m_source = Source::Defaults;
        }
        return result;
    }
    if (places.defaults.isEmpty()) {
        if (!QFileInfo::exists(QDir(result.m_path).filePath(kCatalogue))) {
            QStringList searched = {QDir(places.current).absolutePath(), result.m_path};
            searched += places.searched;
            result.m_error = QCoreApplication::translate(
                                 "CDataDirectory",
                                 "The program's data files (Classyrd.mst and the others) were not "
                                 "found. These folders were searched:\n%1\n\nStart the program "
                                 "with --data-dir DIR, DIR being a folder that holds "
                                 "Classyrd.mst.")
                                 .arg(searched.join(u'\n'));
        }
        return result;
    }
    const QStringList failed = FillFromDefaults(result.m_path, places.defaults);
    if (!failed.isEmpty())
        result.m_error =
            QCoreApplication::translate("CDataDirectory",
                                        "These data files could not be copied to \"%1\": %2.")
                .arg(result.m_path, failed.join(QStringLiteral(", ")));
    return result;
}

CDataDirectory CDataDirectory::Find(const Places& places) {
    if (!places.given.isEmpty() || places.user.isEmpty() ||
        QFileInfo::exists(QDir(places.current).filePath(kCatalogue)))
        return Locate(places); // which writes nothing for these
    CDataDirectory result;
    if (QFileInfo::exists(QDir(places.user).filePath(kCatalogue))) {
        result.m_path = QDir(places.user).absolutePath();
        result.m_source = Source::User;
    } else if (!places.defaults.isEmpty()) {
        result.m_path = QDir(places.defaults).absolutePath();
        result.m_source = Source::Defaults;
    } else {
        result.m_path = QDir(places.current).absolutePath();
        result.m_source = Source::Current;
    }
    return result;
}

QString CDataDirectory::FilePath(const QString& fileName) const {
    return QDir(m_path).filePath(fileName);
}
