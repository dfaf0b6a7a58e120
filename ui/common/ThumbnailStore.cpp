#include "ui/common/ThumbnailStore.h"

#include <filesystem>
#include <system_error>

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QMimeDatabase>
#include <QProcessEnvironment>
#include <QTemporaryFile>

#include "model/framework/ProgramVersion.h"

namespace {

const QString kUriKey = QStringLiteral("Thumb::URI");
const QString kMTimeKey = QStringLiteral("Thumb::MTime");
const QString kSizeKey = QStringLiteral("Thumb::Size");
const QString kMimeKey = QStringLiteral("Thumb::Mimetype");

constexpr QFile::Permissions kOwnerOnlyFolder =
    QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;

QString FolderName(ThumbnailSize size) {
    switch (size) {
    case ThumbnailSize::Large:
        return QStringLiteral("large");
    case ThumbnailSize::XLarge:
        return QStringLiteral("x-large");
    case ThumbnailSize::Normal:
        break;
    }
    return QStringLiteral("normal");
}

QString FileName(const QByteArray& uri) {
    return QString::fromLatin1(QCryptographicHash::hash(uri, QCryptographicHash::Md5).toHex()) +
           QStringLiteral(".png");
}

// A time written as whole seconds; some programs write a fraction after them.
std::optional<qint64> Seconds(const QString& text) {
    bool ok = false;
    const qint64 whole = text.toLongLong(&ok);
    if (ok)
        return whole;
    const double fractional = text.toDouble(&ok);
    return ok ? std::optional<qint64>(static_cast<qint64>(fractional)) : std::nullopt;
}

// The folder, made for the user alone when it is missing (an existing folder is
// the user's own business).
bool MakeFolder(const QString& folder) {
    if (QFileInfo(folder).isDir())
        return true;
    // Another thread may make it at the same moment.
    return QDir().mkdir(folder, kOwnerOnlyFolder) || QFileInfo(folder).isDir();
}

} // namespace

CThumbnailStore::CThumbnailStore(QString cacheHome, QString program)
    : m_cacheHome(std::move(cacheHome)), m_root(m_cacheHome + QStringLiteral("/thumbnails")),
      m_program(std::move(program)) {}

CThumbnailStore CThumbnailStore::ForCurrentUser() {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    QString cacheHome = environment.value(QStringLiteral("XDG_CACHE_HOME"));
    if (cacheHome.isEmpty() || !QDir::isAbsolutePath(cacheHome)) {
        QString home = environment.value(QStringLiteral("HOME"));
        if (home.isEmpty())
            home = QDir::homePath();
        cacheHome = home + QStringLiteral("/.cache");
    }
    return {cacheHome, QStringLiteral("gaugewright-") + QString::fromLatin1(kProgramVersion)};
}

int CThumbnailStore::Pixels(ThumbnailSize size) {
    switch (size) {
    case ThumbnailSize::Large:
        return 256;
    case ThumbnailSize::XLarge:
        return 512;
    case ThumbnailSize::Normal:
        break;
    }
    return 128;
}

QByteArray CThumbnailStore::UriOf(const QString& absolutePath) {
    // The URI rules the desktop's thumbnailers follow keep these marks of a path
    // segment as they are; ";" and everything else outside the letters and digits
    // is escaped (QUrl would keep ";", "[" and "]" and so name another thumbnail).
    return QByteArrayLiteral("file://") +
           QDir::cleanPath(absolutePath).toUtf8().toPercentEncoding("/!~*'()$&+,:=@");
}

QString CThumbnailStore::ThumbnailPath(const QByteArray& uri, ThumbnailSize size) const {
    return m_root + u'/' + FolderName(size) + u'/' + FileName(uri);
}

QString CThumbnailStore::FailurePath(const QByteArray& uri) const {
    return m_root + QStringLiteral("/fail/") + m_program + u'/' + FileName(uri);
}

QImage CThumbnailStore::ReadValid(const QString& file, const QByteArray& uri, qint64 modified,
                                  qint64 bytes) {
    // The image is read whole: QImageReader::text() splits its keys at the first
    // ":", so only the read image names "Thumb::" keys right. A thumbnail is small.
    QImageReader reader(file, "png");
    QImage image = reader.read();
    if (image.isNull() || image.text(kUriKey).toUtf8() != uri ||
        Seconds(image.text(kMTimeKey)) != modified)
        return {};
    const QString size = image.text(kSizeKey);
    if (!size.isEmpty() && size.toLongLong() != bytes)
        return {};
    return image;
}

QImage CThumbnailStore::Load(const QString& path, ThumbnailSize size, Outcome* outcome) const {
    Outcome unused;
    Outcome& result = outcome != nullptr ? *outcome : unused;
    const QFileInfo info(path);
    // A picture the user may not read leaves no trace in the shared folders.
    if (!info.isFile() || !info.isReadable()) {
        result = Outcome::Unreadable;
        return {};
    }
    const QString absolute = info.absoluteFilePath();
    const QByteArray uri = UriOf(absolute);
    const qint64 modified = info.lastModified().toSecsSinceEpoch();
    const qint64 bytes = info.size();
    const QString thumbnail = ThumbnailPath(uri, size);
    if (QImage stored = ReadValid(thumbnail, uri, modified, bytes); !stored.isNull()) {
        result = Outcome::Stored;
        return stored;
    }
    const QString failure = FailurePath(uri);
    if (!ReadValid(failure, uri, modified, bytes).isNull()) {
        result = Outcome::Failed;
        return {};
    }

    QImageReader reader(absolute);
    reader.setAutoTransform(true);
    const int box = Pixels(size);
    const QSize original = reader.size();
    // Decoded at the reduced size where the format can (JPEG scales while it
    // decodes); a small picture keeps its own size.
    if (original.isValid() && (original.width() > box || original.height() > box))
        reader.setScaledSize(original.scaled(box, box, Qt::KeepAspectRatio).expandedTo({1, 1}));
    QImage image = reader.read();
    // The thumbnail folders themselves are never filled with thumbnails of thumbnails.
    const bool store = !absolute.startsWith(m_root + u'/');
    QImage record(1, 1, QImage::Format_ARGB32);
    if (image.isNull()) {
        result = Outcome::Failed;
        record.fill(Qt::transparent);
        record.setText(kUriKey, QString::fromUtf8(uri));
        record.setText(kMTimeKey, QString::number(modified));
        if (store && MakeFolders(QFileInfo(failure).path()))
            Write(failure, record);
        return {};
    }
    if (image.width() > box || image.height() > box)
        image = image.scaled(box, box, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Eight bits per channel with alpha, as every reader of the folder expects.
    image.convertTo(QImage::Format_ARGB32);
    image.setText(kUriKey, QString::fromUtf8(uri));
    image.setText(kMTimeKey, QString::number(modified));
    image.setText(kSizeKey, QString::number(bytes));
    image.setText(kMimeKey, QMimeDatabase().mimeTypeForFile(info).name());
    if (original.isValid()) {
        // The picture as it is shown: turned upright.
        const QSize shown =
            reader.transformation().testFlag(QImageIOHandler::TransformationRotate90)
                ? original.transposed()
                : original;
        image.setText(QStringLiteral("Thumb::Image::Width"), QString::number(shown.width()));
        image.setText(QStringLiteral("Thumb::Image::Height"), QString::number(shown.height()));
    }
    image.setText(QStringLiteral("Software"), m_program);
    if (store && MakeFolders(QFileInfo(thumbnail).path()))
        Write(thumbnail, image);
    result = Outcome::Made;
    return image;
}

bool CThumbnailStore::MakeFolders(const QString& folder) const {
    if (!QFileInfo(m_cacheHome).isDir() && !MakeFolder(m_cacheHome) && !QDir().mkpath(m_cacheHome))
        return false;
    // Every folder below the cache folder, from the top down.
    QStringList levels;
    for (QString level = folder; level.size() > m_cacheHome.size(); level = QFileInfo(level).path())
        levels.prepend(level);
    for (const QString& level : levels) {
        if (!MakeFolder(level))
            return false;
    }
    return true;
}

bool CThumbnailStore::Write(const QString& file, const QImage& image) const {
    // Readers see the old file or the whole new one, never a part: the PNG is
    // written beside it (readable by the user alone) and renamed over it.
    QTemporaryFile temporary(file + QStringLiteral(".XXXXXX"));
    if (!temporary.open())
        return false;
    QImageWriter writer(&temporary, "png");
    if (!writer.write(image) || !temporary.flush())
        return false;
    temporary.close();
    std::error_code error;
    std::filesystem::rename(std::filesystem::path(temporary.fileName().toStdU16String()),
                            std::filesystem::path(file.toStdU16String()), error);
    if (error)
        return false;
    temporary.setAutoRemove(false);
    return true;
}
