#include "ui/app/DataDirectory.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(CDataDirectory::Source)

using namespace Qt::StringLiterals;

namespace {

void Put(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray Contents(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class DataDirectoryTest : public QObject {
    Q_OBJECT

private slots:
    void givenDirectory_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("given");
        const QString program = QStringLiteral("gaugewright");
        QTest::newRow("none") << QStringList{program, QStringLiteral("a.inv")} << QString();
        QTest::newRow("separate") << QStringList{program, QStringLiteral("--data-dir"),
                                                 QStringLiteral("/d"), QStringLiteral("a.inv")}
                                  << QStringLiteral("/d");
        QTest::newRow("joined") << QStringList{program, QStringLiteral("--data-dir=/e f")}
                                << QStringLiteral("/e f");
        QTest::newRow("without value")
            << QStringList{program, QStringLiteral("--data-dir")} << QString();
        QTest::newRow("program name not an option")
            << QStringList{QStringLiteral("--data-dir=/x")} << QString();
    }

    void givenDirectory() {
        QFETCH(QStringList, arguments);
        QTEST(CDataDirectory::GivenDirectory(arguments), "given");
    }

    void locate_data() {
        QTest::addColumn<bool>("given");
        QTest::addColumn<bool>("catalogueInCurrent");
        QTest::addColumn<CDataDirectory::Source>("source");
        QTest::newRow("given wins") << true << true << CDataDirectory::Source::Given;
        QTest::newRow("current with catalogue") << false << true << CDataDirectory::Source::Current;
        QTest::newRow("user directory") << false << false << CDataDirectory::Source::User;
    }

    void locate() {
        QFETCH(bool, given);
        QFETCH(bool, catalogueInCurrent);
        QTemporaryDir root;
        const QDir dir(root.path());
        CDataDirectory::Places places{given ? dir.filePath(QStringLiteral("given")) : QString(),
                                      dir.filePath(QStringLiteral("current")),
                                      dir.filePath(QStringLiteral("user/deep")),
                                      dir.filePath(QStringLiteral("defaults"))};
        QDir().mkpath(places.given.isEmpty() ? places.current : places.given);
        QDir().mkpath(places.current);
        if (catalogueInCurrent)
            Put(places.current + QStringLiteral("/Classyrd.mst"), "current");
        Put(places.defaults + QStringLiteral("/Classyrd.mst"), "default");
        Put(places.defaults + QStringLiteral("/GAUGEEND.WAV"), "sound");

        const CDataDirectory found = CDataDirectory::Locate(places);
        QTEST(found.From(), "source");
        QCOMPARE(found.Error(), QString());
        const QString expected = found.From() == CDataDirectory::Source::Given     ? places.given
                                 : found.From() == CDataDirectory::Source::Current ? places.current
                                                                                   : places.user;
        QCOMPARE(found.Path(), expected);
        QCOMPARE(found.FilePath(QStringLiteral("x")), expected + QStringLiteral("/x"));
        // Only the user's own directory is filled from the defaults.
        QCOMPARE(QFileInfo::exists(places.user), found.From() == CDataDirectory::Source::User);
    }

    void fillKeepsTheUsersFiles() {
        QTemporaryDir root;
        const QDir dir(root.path());
        const CDataDirectory::Places places{QString(), dir.filePath(QStringLiteral("current")),
                                            dir.filePath(QStringLiteral("user")),
                                            dir.filePath(QStringLiteral("defaults"))};
        Put(places.defaults + QStringLiteral("/Classyrd.mst"), "default catalogue");
        Put(places.defaults + QStringLiteral("/gaugetip.mst"), "tips");
        QFile::setPermissions(places.defaults + QStringLiteral("/gaugetip.mst"),
                              QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
        Put(places.user + QStringLiteral("/Classyrd.mst"), "my catalogue");
        Put(places.defaults + QStringLiteral("/CTestTestfile.cmake"), "a build's file");

        const CDataDirectory found = CDataDirectory::Locate(places);
        QCOMPARE(found.Error(), QString());
        QCOMPARE(Contents(found.FilePath(QStringLiteral("Classyrd.mst"))), "my catalogue");
        QCOMPARE(Contents(found.FilePath(QStringLiteral("gaugetip.mst"))), "tips");
        QVERIFY(QFileInfo(found.FilePath(QStringLiteral("gaugetip.mst"))).isWritable());
        QVERIFY(!QFileInfo::exists(found.FilePath(QStringLiteral("CTestTestfile.cmake"))));
    }

    void unusablePlacesAreReported() {
        QTemporaryDir root;
        const QDir dir(root.path());
        const QString defaults = dir.filePath(QStringLiteral("defaults"));
        Put(defaults + QStringLiteral("/Classyrd.mst"), "default");

        const CDataDirectory missing = CDataDirectory::Locate(
            {dir.filePath(QStringLiteral("nowhere")), QString(), QString(), QString()});
        QVERIFY(missing.Error().contains(QStringLiteral("does not exist")));

        // A file where a directory should be cannot be made into one, not even by root.
        const QString blocker = dir.filePath(QStringLiteral("blocker"));
        Put(blocker, "mine");
        const CDataDirectory unmade =
            CDataDirectory::Locate({QString(), dir.filePath(QStringLiteral("current")),
                                    blocker + QStringLiteral("/user"), defaults});
        QVERIFY(unmade.Error().contains(QStringLiteral("could not be created")));
        QCOMPARE(unmade.From(), CDataDirectory::Source::Defaults);
        QCOMPARE(unmade.Path(), defaults);
        QCOMPARE(Contents(blocker), "mine");
    }

    // The defaults come from the first folder that holds the catalogue: installed,
    // beside the program, then the build's own data.
    void defaultsComeFromTheFirstFolderWithTheCatalogue_data() {
        QTest::addColumn<QStringList>("holding"); // of "installed", "beside", "build"
        QTest::addColumn<QString>("chosen");
        QTest::newRow("installed") << QStringList{u"installed"_s, u"build"_s} << u"installed"_s;
        QTest::newRow("beside the program") << QStringList{u"beside"_s, u"build"_s} << u"beside"_s;
        QTest::newRow("uninstalled build") << QStringList{u"build"_s} << u"build"_s;
        QTest::newRow("none") << QStringList{} << QString();
    }

    void defaultsComeFromTheFirstFolderWithTheCatalogue() {
        QFETCH(QStringList, holding);
        QFETCH(QString, chosen);
        QTemporaryDir root;
        const QDir dir(root.path());
        QStringList candidates;
        for (const QString& name : {u"installed"_s, u"beside"_s, u"build"_s}) {
            candidates << dir.filePath(name);
            // An empty folder is not a data folder.
            QDir().mkpath(dir.filePath(name));
            if (holding.contains(name))
                Put(dir.filePath(name) + u"/Classyrd.mst"_s, "catalogue");
        }
        QCOMPARE(CDataDirectory::FirstDefaults(candidates),
                 chosen.isEmpty() ? QString() : dir.filePath(chosen));
    }

    // Nothing to fill the user's folder with: the message names every folder
    // searched and says how to give one.
    void missingDefaultsNameTheFoldersSearched() {
        QTemporaryDir root;
        const QDir dir(root.path());
        CDataDirectory::Places places{QString(), dir.filePath(u"current"_s),
                                      dir.filePath(u"user"_s), QString()};
        places.searched = {dir.filePath(u"share/gaugewright"_s), dir.filePath(u"build/data"_s)};
        const CDataDirectory found = CDataDirectory::Locate(places);
        QCOMPARE(found.From(), CDataDirectory::Source::User);
        for (const QString& folder :
             {places.current, places.user, places.searched[0], places.searched[1], u"--data-dir"_s})
            QVERIFY2(found.Error().contains(folder), qPrintable(found.Error()));
        // A user folder that already has its files needs no defaults.
        Put(places.user + u"/Classyrd.mst"_s, "mine");
        QCOMPARE(CDataDirectory::Locate(places).Error(), QString());
    }

    void unwritableUserDirectoryIsReported() {
        QTemporaryDir root;
        const QDir dir(root.path());
        const QString locked = dir.filePath(QStringLiteral("locked"));
        QDir().mkpath(locked);
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        if (QFile probe(locked + QStringLiteral("/probe")); probe.open(QIODevice::WriteOnly))
            QSKIP("permissions are not enforced for this user");
        const QString defaults = dir.filePath(QStringLiteral("defaults"));
        Put(defaults + QStringLiteral("/Classyrd.mst"), "default");

        const CDataDirectory unfilled = CDataDirectory::Locate(
            {QString(), dir.filePath(QStringLiteral("current")), locked, defaults});
        QVERIFY(unfilled.Error().contains(QStringLiteral("Classyrd.mst")));
        QCOMPARE(unfilled.From(), CDataDirectory::Source::User);
        QCOMPARE(QDir(locked).entryList(QDir::Files | QDir::Hidden), QStringList());
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
};

QTEST_GUILESS_MAIN(DataDirectoryTest)
#include "DataDirectoryTest.moc"
