#include "ui/app/DesktopIntegration.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>

// The files live in the static library's resources, which its users must load.
static void LoadDesktopResources() {
    Q_INIT_RESOURCE(desktop);
}

namespace {

const QString kDesktopEntry = QStringLiteral("applications/gaugewright.desktop");
const QString kMimeType = QStringLiteral("mime/packages/gaugewright-inventory.xml");
const QString kIcon = QStringLiteral("icons/hicolor/scalable/apps/gaugewright.svg");

QByteArray Resource(const QString& name) {
    LoadDesktopResources();
    QFile file(QStringLiteral(":/desktop/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The Exec line quotes the path as the desktop entry format asks.
QByteArray ExecLine(const QString& programPath) {
    QString quoted = programPath;
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('"'), QStringLiteral("\\\""))
        .replace(QLatin1Char('`'), QStringLiteral("\\`"))
        .replace(QLatin1Char('$'), QStringLiteral("\\$"));
    return "Exec=\"" + quoted.toUtf8() + "\" %f";
}

} // namespace

CDesktopIntegration::CDesktopIntegration(QString dataHome, QStringList systemDirs)
    : m_dataHome(std::move(dataHome)), m_systemDirs(std::move(systemDirs)) {}

CDesktopIntegration CDesktopIntegration::ForCurrentUser() {
    QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    const QString home = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    dirs.removeAll(home);
    return CDesktopIntegration(home, dirs);
}

bool CDesktopIntegration::IsWanted(const QString& programPath) {
    return IsWanted(programPath, QStringLiteral(GAUGEWRIGHT_BUILD_FOLDER), QDir::tempPath());
}

bool CDesktopIntegration::IsWanted(const QString& programPath, const QString& buildFolder,
                                   const QString& temporaryFolder) {
    // Compared as the system resolves them: /tmp may be a link, a build folder too.
    const auto canonical = [](const QString& path) {
        const QString resolved = QFileInfo(path).canonicalFilePath();
        return resolved.isEmpty() ? QDir::cleanPath(QDir(path).absolutePath()) : resolved;
    };
    const auto isInside = [](const QString& path, const QString& folder) {
        return path == folder || path.startsWith(folder + u'/');
    };
    const QString program = canonical(programPath);
    return !buildFolder.isEmpty() && isInside(program, canonical(buildFolder)) &&
           !isInside(program, canonical(temporaryFolder));
}

bool CDesktopIntegration::IsProvided(const QString& relativePath) const {
    if (QFileInfo::exists(QDir(m_dataHome).filePath(relativePath)))
        return true;
    for (const QString& dir : m_systemDirs) {
        if (QFileInfo::exists(QDir(dir).filePath(relativePath)))
            return true;
    }
    return false;
}

bool CDesktopIntegration::Write(const QString& relativePath, const QByteArray& contents,
                                QStringList& written) {
    const QString path = QDir(m_dataHome).filePath(relativePath);
    if (contents.isEmpty() || !QDir().mkpath(QFileInfo(path).absolutePath()))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(contents) != contents.size() ||
        !file.commit())
        return false;
    written << path;
    return true;
}

QStringList CDesktopIntegration::RegisterIfMissing(const QString& programPath) {
    QStringList written;
    if (!IsProvided(kDesktopEntry)) {
        QByteArray entry = Resource(QStringLiteral("gaugewright.desktop"));
        entry.replace("Exec=gaugewright %f", ExecLine(programPath));
        if (Write(kDesktopEntry, entry, written)) {
            const QString tool =
                QStandardPaths::findExecutable(QStringLiteral("update-desktop-database"));
            if (!tool.isEmpty())
                QProcess::startDetached(
                    tool, {QDir(m_dataHome).filePath(QStringLiteral("applications"))});
        }
    }
    if (!IsProvided(kMimeType) &&
        Write(kMimeType, Resource(QStringLiteral("gaugewright-inventory.xml")), written)) {
        // The desktop reads file types from the database this tool builds.
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("update-mime-database"));
        if (!tool.isEmpty())
            QProcess::startDetached(tool, {QDir(m_dataHome).filePath(QStringLiteral("mime"))});
    }
    if (!IsProvided(kIcon))
        Write(kIcon, Resource(QStringLiteral("gaugewright.svg")), written);
    return written;
}
