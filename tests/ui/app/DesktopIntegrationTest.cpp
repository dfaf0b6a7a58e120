#include "ui/app/DesktopIntegration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

namespace {
QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

private slots:
    // Only a program run from its build folder makes itself known, and never one in
    // a temporary folder, whose entry would soon point at nothing.
    void onlyABuildOutsideTheTemporaryFolderRegisters_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("build");
        QTest::addColumn<bool>("wanted");
        QTest::newRow("build") << u"/home/u/src/build/gaugewright"_s << u"/home/u/src/build"_s
                               << true;
        QTest::newRow("installed") << u"/usr/bin/gaugewright"_s << u"/home/u/src/build"_s << false;
        QTest::newRow("build in the temporary folder")
            << u"/scratch/tmp/b/gaugewright"_s << u"/scratch/tmp/b"_s << false;
        QTest::newRow("a copy in the temporary folder")
            << u"/scratch/tmp/gaugewright"_s << u"/scratch"_s << false;
        QTest::newRow("a folder named like the build")
            << u"/home/u/src/build2/gaugewright"_s << u"/home/u/src/build"_s << false;
    }
    void onlyABuildOutsideTheTemporaryFolderRegisters() {
        QFETCH(QString, program);
        QFETCH(QString, build);
        QFETCH(bool, wanted);
        QCOMPARE(CDesktopIntegration::IsWanted(program, build, u"/scratch/tmp"_s), wanted);
    }

    void writesWhatIsMissingOnce() {
        QTemporaryDir home;
        QTemporaryDir system;
        CDesktopIntegration desktop(home.path(), {system.path()});
        const QStringList written =
            desktop.RegisterIfMissing(QStringLiteral("/opt/my \"trains\"/$HOME/gaugewright"));
        QCOMPARE(written.size(), 3);
        const QByteArray entry =
            Read(home.filePath(QStringLiteral("applications/gaugewright.desktop")));
        QVERIFY(entry.contains("Exec=\"/opt/my \\\"trains\\\"/\\$HOME/gaugewright\" %f\n"));
        QVERIFY(entry.contains("MimeType=application/x-gaugewright-inventory;"));
        QVERIFY(Read(home.filePath(QStringLiteral("mime/packages/gaugewright-inventory.xml")))
                    .contains("\\x0bGAUGEWRIGHT"));
        QVERIFY(Read(home.filePath(QStringLiteral("icons/hicolor/scalable/apps/gaugewright.svg")))
                    .contains("<svg"));
        // A second start finds everything in place.
        QVERIFY(desktop.RegisterIfMissing(QStringLiteral("/usr/bin/gaugewright")).isEmpty());
    }

    void leavesAnInstallationAlone() {
        QTemporaryDir home;
        QTemporaryDir system;
        QDir(system.path()).mkpath(QStringLiteral("applications"));
        QDir(system.path()).mkpath(QStringLiteral("mime/packages"));
        QFile(system.filePath(QStringLiteral("applications/gaugewright.desktop")))
            .open(QIODevice::WriteOnly);
        QFile(system.filePath(QStringLiteral("mime/packages/gaugewright-inventory.xml")))
            .open(QIODevice::WriteOnly);
        CDesktopIntegration desktop(home.path(), {system.path()});
        QCOMPARE(desktop.RegisterIfMissing(QStringLiteral("/usr/bin/gaugewright")),
                 QStringList{
                     home.filePath(QStringLiteral("icons/hicolor/scalable/apps/gaugewright.svg"))});
    }
};

QTEST_GUILESS_MAIN(DesktopIntegrationTest)
#include "DesktopIntegrationTest.moc"
