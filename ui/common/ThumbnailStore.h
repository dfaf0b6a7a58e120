#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// The sizes of the desktop's shared thumbnails: the longer side at most 128, 256
// or 512 pixels, each kept in a folder of its own.
enum class ThumbnailSize { Normal, Large, XLarge };

// The thumbnails the desktop's file managers and viewers share, in
// $XDG_CACHE_HOME/thumbnails: one PNG per picture and size, named by the MD5 of the
// picture's file URI and carrying the URI and the picture's modification time, so
// a thumbnail another program made is used here and ours are used there. A
// picture that cannot be decoded leaves a failure record for this program's
// release and is not tried again until the file changes. Every call may run on
// any thread; the store keeps no state but its folders.
class CThumbnailStore {
public:
    // What Load found.
    enum class Outcome {
        Stored,     // a valid thumbnail was already there (ours or another program's)
        Made,       // decoded from the picture now (and stored when the folder took it)
        Failed,     // the picture cannot be decoded (now or by the failure record)
        Unreadable, // no such file, or not one the user may read: nothing was stored
    };

    // The store under cacheHome (the XDG cache folder); program names the
    // failure records' folder ("gaugewright-<release>").
    CThumbnailStore(QString cacheHome, QString program);
    // The user's store: $XDG_CACHE_HOME, else ~/.cache, and this release.
    static CThumbnailStore ForCurrentUser();

    // The longest side of a thumbnail of that size.
    static int Pixels(ThumbnailSize size);
    // The picture's canonical file URI: "file://" and the absolute path, UTF-8,
    // with every byte but the letters, digits, "/" and -_.!~*'()$&+,:=@ escaped.
    static QByteArray UriOf(const QString& absolutePath);
    // Where the thumbnail of a size and the failure record of this URI are.
    QString ThumbnailPath(const QByteArray& uri, ThumbnailSize size) const;
    QString FailurePath(const QByteArray& uri) const;
    QString Root() const { return m_root; }

    // The thumbnail of the picture at path: the stored one when it is still
    // valid (its URI and modification time are the picture's), else decoded at
    // reduced size, turned as the picture's EXIF orientation says, and stored.
    // A null image unless the outcome is Stored or Made.
    QImage Load(const QString& path, ThumbnailSize size, Outcome* outcome = nullptr) const;

private:
    // A stored PNG whose URI and modification time (and size, when it names one)
    // match; null when there is none or it does not match.
    static QImage ReadValid(const QString& file, const QByteArray& uri, qint64 modified,
                            qint64 bytes);
    // Writes image to file through a temporary file beside it; false on failure.
    bool Write(const QString& file, const QImage& image) const;
    // The folders down to file's, made readable by the user only.
    bool MakeFolders(const QString& folder) const;

    QString m_cacheHome;
    QString m_root;
    QString m_program;
};
