#include "ui/app/DesktopIntegration.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {
QByteArray Read(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
} // namespace

class DesktopIntegrationTest : public QObject {
    Q_OBJECT

private slots:
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
