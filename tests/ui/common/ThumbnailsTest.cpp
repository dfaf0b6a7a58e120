#include <sys/stat.h>

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include "ui/common/ThumbnailLoader.h"
#include "ui/common/ThumbnailStore.h"

using namespace Qt::StringLiterals;

#define S(text) QStringLiteral(text)

namespace {

const QString kProgram = S("gaugewright-9.9");

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
        m_store = std::make_unique<CThumbnailStore>(m_dir->filePath(S("cache")), kProgram);
    }

    // The file name every other program of the desktop computes for the picture.
    void namesByTheFileUri_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QByteArray>("uri");
        QTest::addColumn<QString>("name");
        QTest::newRow("plain") << S("/home/jens/photos/me.png")
                               << QByteArray("file:///home/jens/photos/me.png")
                               << S("c6ee772d9e49320e97ec29a7eb5b1697.png");
        QTest::newRow("non-ASCII and ;")
            << S(u"/tmp/Z\u00FCge/\u00E9t\u00E9;1.jpg")
            << QByteArray("file:///tmp/Z%C3%BCge/%C3%A9t%C3%A9%3B1.jpg")
            << S("ef8105d0164e53ed5dbe78586bd642f6.png");
        // QUrl would keep ";" and the brackets: another name than other programs'.
        QTest::newRow("brackets, spaces, #")
            << S("/tmp/[HO] Big Boy #4014.jpg")
            << QByteArray("file:///tmp/%5BHO%5D%20Big%20Boy%20%234014.jpg")
            << S("c3ad2dd38633821b30c8b4805df78018.png");
        QTest::newRow("marks kept") << S("/tmp/a+b,c=d/(e)!~*'$&:@.jpg")
                                    << QByteArray("file:///tmp/a+b,c=d/(e)!~*'$&:@.jpg")
                                    << S("fcdbe22ef23c48c1031588bf65cc3dc3.png");
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

    // A thumbnail made here: reduced, written with the keys other programs check,
    // readable by the user alone, and no temporary left.
    void makesThumbnailsOthersCanUse() {
        const QString path = m_dir->filePath(S("pics/loco 1.jpg"));
        MakePicture(path, {4000, 3000});
        CThumbnailStore::Outcome outcome{};
        QCOMPARE(m_store->Load(path, ThumbnailSize::Large, &outcome).size(), QSize(256, 192));
        QCOMPARE(outcome, CThumbnailStore::Outcome::Made);
        const QByteArray uri = CThumbnailStore::UriOf(path);
        const QString png = m_store->ThumbnailPath(uri, ThumbnailSize::Large);
        QCOMPARE(QImageReader(png).size(), QSize(256, 192));
        QCOMPARE(Text(png, "Thumb::URI").toUtf8(), uri);
        QCOMPARE(Text(png, "Thumb::MTime"),
                 QString::number(QFileInfo(path).lastModified().toSecsSinceEpoch()));
        QCOMPARE(Text(png, "Thumb::Size"), QString::number(QFileInfo(path).size()));
        QCOMPARE(Text(png, "Thumb::Mimetype"), S("image/jpeg"));
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
        const QString path = m_dir->filePath(S("loco.jpg"));
        MakePicture(path, {640, 480});
        const QByteArray uri = CThumbnailStore::UriOf(path);
        // What a file manager wrote: a 7 x 5 picture, whatever the photo shows.
        QImage theirs(7, 5, QImage::Format_ARGB32);
        theirs.fill(Qt::red);
        theirs.setText(S("Thumb::URI"), QString::fromUtf8(otherUri ? uri + "x" : uri));
        theirs.setText(
            S("Thumb::MTime"),
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
        const QString path = m_dir->filePath(S("broken.jpg"));
        QFile broken(path);
        QVERIFY(broken.open(QIODevice::WriteOnly) && broken.write("not a picture") > 0);
        broken.close();
        const QDateTime modified = QFileInfo(path).lastModified();
        CThumbnailStore::Outcome outcome{};
        QVERIFY(m_store->Load(path, ThumbnailSize::Normal, &outcome).isNull());
        QCOMPARE(outcome, CThumbnailStore::Outcome::Failed);
        const QString record = m_store->FailurePath(CThumbnailStore::UriOf(path));
        QCOMPARE(Text(record, "Thumb::URI").toUtf8(), CThumbnailStore::UriOf(path));
        QCOMPARE(Text(record, "Thumb::MTime"), QString::number(modified.toSecsSinceEpoch()));
        QCOMPARE(Mode(record), 0600u);
        QCOMPARE(Mode(QFileInfo(record).path()), 0700u);

        // Now a good picture, but with the old time: the record still holds. Once
        // touched, it is made (at its own size: a thumbnail is never enlarged).
        MakePicture(path, {64, 48});
        SetModified(path, modified);
        QVERIFY(m_store->Load(path, ThumbnailSize::Normal, &outcome).isNull());
        QCOMPARE(outcome, CThumbnailStore::Outcome::Failed);
        SetModified(path, modified.addSecs(5));
        QCOMPARE(m_store->Load(path, ThumbnailSize::Normal, &outcome).size(), QSize(64, 48));
        QCOMPARE(outcome, CThumbnailStore::Outcome::Made);

        const QString gone = m_dir->filePath(S("gone.jpg"));
        QVERIFY(m_store->Load(gone, ThumbnailSize::Normal, &outcome).isNull());
        QCOMPARE(outcome, CThumbnailStore::Outcome::Unreadable);
        QVERIFY(!QFileInfo::exists(m_store->FailurePath(CThumbnailStore::UriOf(gone))));
    }

    // The request asked last is made first; a request asked twice is made once; a
    // picture that is not there shows the placeholder; the memory kept stays
    // under its limit however many pictures pass.
    void servesTheNewestRequestFirstInBoundedMemory() {
        QStringList paths;
        for (int k = 0; k < 4; ++k) {
            paths << m_dir->filePath(S("p%1.png").arg(k));
            MakePicture(paths.last(), {200, 100}, "png");
        }
        paths << m_dir->filePath(S("missing.png"));
        const qint64 limit = 3 * 128 * 64 * 4 + 1; // three thumbnails and the placeholder
        CThumbnailLoader loader(*m_store, nullptr, limit, 1);
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
        QVERIFY(!loader.IsReady(paths[1], ThumbnailSize::Normal)); // the oldest went
        QVERIFY(loader.CacheBytes() <= limit);
        QCOMPARE(loader.Thumbnail(paths[4], ThumbnailSize::Normal).cacheKey(),
                 loader.Placeholder().cacheKey());
    }

private:
    QTemporaryDir m_cache;
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CThumbnailStore> m_store;
};

QTEST_MAIN(ThumbnailsTest)
#include "ThumbnailsTest.moc"
