#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ui/common/ThumbnailLoader.h"
#include "ui/common/ThumbnailStore.h"

using namespace Qt::StringLiterals;

namespace {

const QString kProgram = QStringLiteral("gaugewright-9.9");

// A picture of that size and format at path.
void MakePicture(const QString& path, QSize size, const char* format = "jpg") {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkGreen);
    QVERIFY(QDir().mkpath(QFileInfo(path).path()));
    QVERIFY(image.save(path, format));
}

void SetModified(const QString& path, const QDateTime& time) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(time, QFileDevice::FileModificationTime));
}

// The permission bits as chmod shows them.
unsigned Mode(const QString& path) {
    struct stat status {};
    return ::stat(QFile::encodeName(path).constData(), &status) == 0 ? status.st_mode & 0777 : 0;
}

QString Text(const QString& png, const char* key) {
    return QImage(png, "png").text(QString::fromLatin1(key));
}

} // namespace

class ThumbnailsTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        // Nothing here may reach the user's own thumbnails.
        QVERIFY(m_cache.isValid());
        qputenv("XDG_CACHE_HOME", m_cache.path().toUtf8());
        QCOMPARE(CThumbnailStore::ForCurrentUser().Root(), m_cache.path() + u"/thumbnails"_s);
    }

    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store =
            std::make_unique<CThumbnailStore>(m_dir->filePath(QStringLiteral("cache")), kProgram);
    }

    // The file name every other program of the desktop computes for the picture.
    void namesByTheFileUri_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("uri");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << QStringLiteral("/home/jens/photos/me.png")
                               << QByteArray("file:///home/jens/photos/me.png")
                               << QStringLiteral("c6ee772d9e49320e97ec29a7eb5b1697.png");
        QTest::newRow("spaces and #")
            << QStringLiteral("/tmp/My Trains/Big Boy #4014.jpg")
            << QByteArray("file:///tmp/My%20Trains/Big%20Boy%20%234014.jpg")
            << QStringLiteral("faec297ca71532cd533f856986b35849.png");
        QTest::newRow("non-ASCII and ;")
            << QStringLiteral(u"/tmp/Z\u00FCge/\u00E9t\u00E9;1.jpg")
            << QByteArray("file:///tmp/Z%C3%BCge/%C3%A9t%C3%A9%3B1.jpg")
            << QStringLiteral("ef8105d0164e53ed5dbe78586bd642f6.png");
        // QUrl would keep ";" and the brackets: another name than other programs'.
        QTest::newRow("brackets") << QStringLiteral("/tmp/[HO] set.jpg")
                                  << QByteArray("file:///tmp/%5BHO%5D%20set.jpg")
                                  << QStringLiteral("34edf36710d094c452e146ecb05b4381.png");
        QTest::newRow("marks kept") << QStringLiteral("/tmp/a+b,c=d/(e)!~*'$&:@.jpg")
                                    << QByteArray("file:///tmp/a+b,c=d/(e)!~*'$&:@.jpg")
                                    << QStringLiteral("fcdbe22ef23c48c1031588bf65cc3dc3.png");
    }

    void namesByTheFileUri() {
        QFETCH(QString, path);
        QFETCH(QByteArray, uri);
        QFETCH(QString, name);
        QCOMPARE(CThumbnailStore::UriOf(path), uri);
        QCOMPARE(m_store->ThumbnailPath(uri, ThumbnailSize::Large),
                 m_store->Root() + u"/large/"_s + name);
        QCOMPARE(m_store->FailurePath(uri), m_store->Root() + u"/fail/"_s + kProgram + u'/' + name);
    }

    // A thumbnail made here: reduced (never enlarged), written with the keys
    // other programs check, readable by the user alone, and no temporary left.
    void makesThumbnailsOthersCanUse_data() {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<int>("size");
        QTest::addColumn<QSize>("thumbnail");
        QTest::newRow("photo, normal")
            << QSize(4000, 3000) << int(ThumbnailSize::Normal) << QSize(128, 96);
        QTest::newRow("upright, large")
            << QSize(300, 600) << int(ThumbnailSize::Large) << QSize(128, 256);
        QTest::newRow("small stays small")
            << QSize(50, 40) << int(ThumbnailSize::Normal) << QSize(50, 40);
    }

    void makesThumbnailsOthersCanUse() {
        QFETCH(QSize, picture);
        QFETCH(int, size);
        QFETCH(QSize, thumbnail);
        const QString path = m_dir->filePath(QStringLiteral("pics/loco 1.jpg"));
        MakePicture(path, picture);
        CThumbnailStore::Outcome outcome{};
        const QImage image = m_store->Load(path, ThumbnailSize(size), &outcome);
        QCOMPARE(outcome, CThumbnailStore::Outcome::Made);
        QCOMPARE(image.size(), thumbnail);
        const QByteArray uri = CThumbnailStore::UriOf(path);
        const QString png = m_store->ThumbnailPath(uri, ThumbnailSize(size));
        QCOMPARE(QImageReader(png).size(), thumbnail);
        QCOMPARE(Text(png, "Thumb::URI").toUtf8(), uri);
        QCOMPARE(Text(png, "Thumb::MTime"),
                 QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
        QCOMPARE(Text(png, "Thumb::Size"), QString::number(QFileInfo(path).size()));
        QCOMPARE(Text(png, "Thumb::Mimetype"), QStringLiteral("image/jpeg"));
        QCOMPARE(Mode(png), 0600u);
        QCOMPARE(Mode(m_store->Root()), 0700u);
        QCOMPARE(Mode(QFileInfo(png).path()), 0700u);
        QCOMPARE(QDir(QFileInfo(png).path()).entryList(QDir::Files).size(), 1);
    }

    // A thumbnail already there is used while it names the picture as it is now.
    void usesAValidThumbnailAndRemakesAStaleOne_data() {
        QTest::addColumn<qint64>("mtimeShift");
        QTest::addColumn<bool>("otherUri");
        QTest::addColumn<bool>("used");
        QTest::newRow("file manager's, up to date") << qint64(0) << false << true;
        QTest::newRow("picture changed since") << qint64(-60) << false << false;
        QTest::newRow("of another file") << qint64(0) << true << false;
    }

    void usesAValidThumbnailAndRemakesAStaleOne() {
        QFETCH(qint64, mtimeShift);
        QFETCH(bool, otherUri);
        QFETCH(bool, used);
        const QString path = m_dir->filePath(QStringLiteral("loco.jpg"));
        MakePicture(path, {640, 480});
        const QByteArray uri = CThumbnailStore::UriOf(path);
        // What a file manager wrote: a 7 x 5 picture, whatever the photo shows.
        QImage theirs(7, 5, QImage::Format_ARGB32);
        theirs.fill(Qt::red);
        theirs.setText(QStringLiteral("Thumb::URI"), QString::fromUtf8(otherUri ? uri + "x" : uri));
        theirs.setText(
            QStringLiteral("Thumb::MTime"),
            QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch() + mtimeShift));
        const QString png = m_store->ThumbnailPath(uri, ThumbnailSize::Normal);
        QVERIFY(QDir().mkpath(QFileInfo(png).path()));
        QVERIFY(theirs.save(png, "png"));

        CThumbnailStore::Outcome outcome{};
        const QImage image = m_store->Load(path, ThumbnailSize::Normal, &outcome);
        QCOMPARE(outcome, used ? CThumbnailStore::Outcome::Stored : CThumbnailStore::Outcome::Made);
        QCOMPARE(image.size(), used ? QSize(7, 5) : QSize(128, 96));
        QCOMPARE(QImageReader(png).size(), image.size());

        // Touching the picture makes its thumbnail stale.
        SetModified(path, QFileInfo(path).lastModified().addSecs(3600));
        m_store->Load(path, ThumbnailSize::Normal, &outcome);
        QCOMPARE(outcome, CThumbnailStore::Outcome::Made);
        QCOMPARE(Text(png, "Thumb::MTime"),
                 QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
    }

    // A picture that cannot be decoded is recorded once and not decoded again
    // until it changes; a picture that cannot be read leaves nothing behind.
    void recordsFailuresUntilThePictureChanges() {
        const QString path = m_dir->filePath(QStringLiteral("broken.jpg"));
        {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a picture");
        }
        const QDateTime modified = QFileInfo(path).lastModified();
        CThumbnailStore::Outcome outcome{};
        QVERIFY(m_store->Load(path, ThumbnailSize::Normal, &outcome).isNull());
        QCOMPARE(outcome, CThumbnailStore::Outcome::Failed);
        const QString record = m_store->FailurePath(CThumbnailStore::UriOf(path));
        QCOMPARE(Text(record, "Thumb::URI").toUtf8(), CThumbnailStore::UriOf(path));
        QCOMPARE(Text(record, "Thumb::MTime"), QString::number(modified.toSecsSinceEpoch()));
        QCOMPARE(Mode(record), 0600u);
        QCOMPARE(Mode(QFileInfo(record).path()), 0700u);

        // Now a good picture, but with the old time: the record still holds.
        MakePicture(path, {64, 48});
        SetModified(path, modified);
        QVERIFY(m_store->Load(path, ThumbnailSize::Normal, &outcome).isNull());
        QCOMPARE(outcome, CThumbnailStore::Outcome::Failed);
        SetModified(path, modified.addSecs(5));
        QCOMPARE(m_store->Load(path, ThumbnailSize::Normal, &outcome).size(), QSize(64, 48));
        QCOMPARE(outcome, CThumbnailStore::Outcome::Made);

        const QString pipe = m_dir->filePath(QStringLiteral("pipe.jpg"));
        QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        for (const QString& unreadable : {pipe, m_dir->filePath(QStringLiteral("gone.jpg"))}) {
            QVERIFY(m_store->Load(unreadable, ThumbnailSize::Normal, &outcome).isNull());
            QCOMPARE(outcome, CThumbnailStore::Outcome::Unreadable);
            QVERIFY(!QFileInfo::exists(m_store->FailurePath(CThumbnailStore::UriOf(unreadable))));
        }
    }

    // The request asked last is made first; a request asked twice is made once; a
    // picture that is not there shows the placeholder.
    void servesTheNewestRequestFirst() {
        QStringList paths;
        for (int k = 0; k < 4; ++k) {
            paths << m_dir->filePath(QStringLiteral("p%1.png").arg(k));
            MakePicture(paths.last(), {200, 100}, "png");
        }
        paths << m_dir->filePath(QStringLiteral("missing.png"));
        CThumbnailLoader loader(*m_store, nullptr, CThumbnailLoader::kDefaultCacheBytes, 1);
        QSignalSpy ready(&loader, &CThumbnailLoader::ThumbnailReady);
        loader.Pause();
        for (const QString& path : paths)
            QVERIFY(loader.Thumbnail(path, ThumbnailSize::Normal).isNull());
        QVERIFY(loader.Thumbnail(paths[1], ThumbnailSize::Normal).isNull());
        loader.Resume();
        QTRY_COMPARE(ready.size(), paths.size());
        QStringList order;
        for (const QList<QVariant>& signal : ready)
            order << signal.at(0).toString();
        QCOMPARE(order, (QStringList{paths[1], paths[4], paths[3], paths[2], paths[0]}));
        QCOMPARE(loader.Thumbnail(paths[0], ThumbnailSize::Normal).size(), QSize(128, 64));
        QCOMPARE(loader.Thumbnail(paths[4], ThumbnailSize::Normal).cacheKey(),
                 loader.Placeholder().cacheKey());
    }

    // However many pictures pass, the memory kept stays under its limit.
    void keepsItsMemoryBounded() {
        const qint64 limit = 3 * 128 * 128 * 4;
        CThumbnailLoader loader(*m_store, nullptr, limit, 2);
        QSignalSpy ready(&loader, &CThumbnailLoader::ThumbnailReady);
        QStringList paths;
        for (int k = 0; k < 12; ++k) {
            paths << m_dir->filePath(QStringLiteral("q%1.png").arg(k));
            MakePicture(paths.last(), {300, 300}, "png");
            loader.Thumbnail(paths.last(), ThumbnailSize::Normal);
        }
        QTRY_COMPARE(ready.size(), paths.size());
        QVERIFY(loader.CacheBytes() <= limit);
        int kept = 0;
        for (const QString& path : paths)
            kept += loader.IsReady(path, ThumbnailSize::Normal) ? 1 : 0;
        QCOMPARE(kept, 3);
    }

private:
    QTemporaryDir m_cache;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CThumbnailStore> m_store;
};

QTEST_MAIN(ThumbnailsTest)
#include "ThumbnailsTest.moc"
