#include "ui/common/DesktopAssociations.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QStandardPaths>

namespace {

const QString kDefaultApplications = QStringLiteral("Default Applications");

bool GlobMatches(const QString& glob, const QString& name, bool caseSensitive) {
    const Qt::CaseSensitivity sensitivity = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    // Most globs are "*.ext": spare them a regular expression.
    const QString tail = glob.mid(1);
    if (glob.startsWith(QLatin1Char('*')) && !tail.contains(QLatin1Char('*')) &&
        !tail.contains(QLatin1Char('?')) && !tail.contains(QLatin1Char('[')))
        return name.endsWith(tail, sensitivity);
    QRegularExpression pattern(QRegularExpression::wildcardToRegularExpression(glob));
    if (!caseSensitive)
        pattern.setPatternOptions(QRegularExpression::CaseInsensitiveOption);
    return pattern.match(name).hasMatch();
}

// The .desktop file of id under folder, where each "-" of the id may stand for a
// subfolder of that name.
QString FindIn(const QString& folder, const QString& id) {
    const QString direct = QDir(folder).filePath(id);
    if (QFileInfo(direct).isFile())
        return direct;
    for (qsizetype dash = id.indexOf(QLatin1Char('-')); dash > 0;
         dash = id.indexOf(QLatin1Char('-'), dash + 1)) {
        const QString subfolder = QDir(folder).filePath(id.left(dash));
        if (QFileInfo(subfolder).isDir()) {
            const QString found = FindIn(subfolder, id.mid(dash + 1));
            if (!found.isEmpty())
                return found;
        }
    }
    return QString();
}

} // namespace

CDesktopAssociations::CDesktopAssociations(CXdgDirectories directories)
    : m_directories(std::move(directories)), m_reader(&CDesktopAssociations::ReadFromDisk) {}

CDesktopAssociations CDesktopAssociations::ForCurrentUser() {
    return CDesktopAssociations(CXdgDirectories::ForCurrentUser());
}

std::optional<QStringList> CDesktopAssociations::CommandFor(const CDesktopEntry& entry,
                                                            const QString& file) const {
    std::optional<QStringList> command = entry.CommandFor(file);
    if (!command || !entry.NeedsTerminal())
        return command;
    // Started without a terminal, a terminal program shows nothing at all.
    QStringList terminal = QProcess::splitCommand(m_directories.terminal);
    if (terminal.isEmpty()) {
        const QString debian =
            QStandardPaths::findExecutable(QStringLiteral("x-terminal-emulator"));
        if (debian.isEmpty())
            return std::nullopt;
        terminal << debian;
    }
    return terminal << QStringLiteral("-e") << *command;
}

CDesktopAssociations::FileContents CDesktopAssociations::ReadFromDisk(const QString& path) {
    QFile file(path);
    if (file.open(QIODevice::ReadOnly))
        return {file.readAll(), false};
    return {std::nullopt, file.exists() && file.error() == QFileDevice::PermissionsError};
}

CDesktopAssociations::TypeLookup
CDesktopAssociations::MimeTypeOfExtension(const QString& extension) const {
    QStringList folders{m_directories.dataHome};
    folders += m_directories.dataDirs;
    QSet<QString> hiddenFurtherDown;
    bool denied = false;
    TypeLookup best;
    int bestWeight = -1;
    qsizetype bestLength = -1;
    for (const QString& folder : folders) {
        const QString mime = QDir(folder).filePath(QStringLiteral("mime"));
        bool weighted = true;
        FileContents contents = m_reader(QDir(mime).filePath(QStringLiteral("globs2")));
        denied = denied || contents.denied;
        if (!contents.bytes && !contents.denied) {
            weighted = false;
            contents = m_reader(QDir(mime).filePath(QStringLiteral("globs")));
            denied = denied || contents.denied;
        }
        if (!contents.bytes)
            continue;
        QSet<QString> hiddenHere;
        for (const QByteArray& rawLine : contents.bytes->split('\n')) {
            const QString line = QString::fromUtf8(rawLine).trimmed();
            if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
                continue;
            QStringList fields = line.split(QLatin1Char(':'));
            if (!weighted)
                fields.prepend(QStringLiteral("50"));
            if (fields.size() < 3)
                continue;
            const QString& type = fields[1];
            const QString& glob = fields[2];
            if (glob == QStringLiteral("__NOGLOBS__")) {
                hiddenHere.insert(type);
                continue;
            }
            if (hiddenFurtherDown.contains(type))
                continue;
            const bool caseSensitive =
                fields.size() > 3 &&
                fields[3].split(QLatin1Char(',')).contains(QStringLiteral("cs"));
            bool numeric = false;
            const int weight = fields[0].toInt(&numeric);
            if (!numeric || !GlobMatches(glob, extension, caseSensitive))
                continue;
            // The user's folders come first, so on a tie the earlier match stays.
            if (weight > bestWeight || (weight == bestWeight && glob.size() > bestLength)) {
                best = {Outcome::Found, type};
                bestWeight = weight;
                bestLength = glob.size();
            }
        }
        hiddenFurtherDown.unite(hiddenHere);
    }
    if (best.outcome != Outcome::Found && denied)
        best.outcome = Outcome::AccessDenied;
    return best;
}

QString CDesktopAssociations::FindDesktopFile(const QString& desktopId) const {
    if (desktopId.isEmpty() || desktopId.contains(QLatin1Char('/')))
        return QString();
    QStringList folders{m_directories.dataHome};
    folders += m_directories.dataDirs;
    for (const QString& folder : folders) {
        const QString found =
            FindIn(QDir(folder).filePath(QStringLiteral("applications")), desktopId);
        if (!found.isEmpty())
            return found;
    }
    return QString();
}

std::optional<CDesktopEntry> CDesktopAssociations::FirstUsable(const QString& ids,
                                                               bool& denied) const {
    for (const QString& rawId : ids.split(QLatin1Char(';'))) {
        const QString path = FindDesktopFile(rawId.trimmed());
        if (path.isEmpty())
            continue;
        const FileContents contents = m_reader(path);
        denied = denied || contents.denied;
        if (!contents.bytes)
            continue;
        CDesktopEntry entry(path, *contents.bytes);
        if (entry.IsUsable())
            return entry;
    }
    return std::nullopt;
}

std::optional<CDesktopEntry> CDesktopAssociations::FromList(const QString& path,
                                                            const QString& group,
                                                            const QString& mimeType,
                                                            bool& denied) const {
    const FileContents contents = m_reader(path);
    denied = denied || contents.denied;
    if (!contents.bytes)
        return std::nullopt;
    for (const auto& [key, value] : CDesktopEntry::ReadGroup(*contents.bytes, group)) {
        // MIME types compare without regard to case.
        if (key.compare(mimeType, Qt::CaseInsensitive) != 0)
            continue;
        if (auto entry = FirstUsable(CDesktopEntry::Unescape(value), denied))
            return entry;
    }
    return std::nullopt;
}

CDesktopAssociations::ApplicationLookup
CDesktopAssociations::DefaultApplication(const QString& mimeType) const {
    QStringList listFolders{m_directories.configHome};
    listFolders += m_directories.configDirs;
    QStringList dataFolders{m_directories.dataHome};
    dataFolders += m_directories.dataDirs;
    for (const QString& folder : dataFolders)
        listFolders << QDir(folder).filePath(QStringLiteral("applications"));

    bool denied = false;
    for (const QString& folder : listFolders) {
        QStringList lists;
        for (const QString& desktop : m_directories.currentDesktops)
            lists << desktop + QStringLiteral("-mimeapps.list");
        lists << QStringLiteral("mimeapps.list");
        for (const QString& list : lists) {
            if (auto entry =
                    FromList(QDir(folder).filePath(list), kDefaultApplications, mimeType, denied))
                return {Outcome::Found, std::move(entry)};
        }
    }
    for (const QString& folder : dataFolders) {
        const QDir applications(QDir(folder).filePath(QStringLiteral("applications")));
        if (auto entry = FromList(applications.filePath(QStringLiteral("defaults.list")),
                                  kDefaultApplications, mimeType, denied))
            return {Outcome::Found, std::move(entry)};
        if (auto entry = FromList(applications.filePath(QStringLiteral("mimeinfo.cache")),
                                  QStringLiteral("MIME Cache"), mimeType, denied))
            return {Outcome::Found, std::move(entry)};
    }
    return {denied ? Outcome::AccessDenied : Outcome::NotFound, std::nullopt};
}
