#include "ui/app/AppSettings.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(YardWindowState)

namespace {

// The values in the store, "group/name=value", so a test sees the exact names.
QStringList Raw(const QString& iniFile) {
    QSettings store(iniFile, QSettings::IniFormat);
    QStringList values;
    for (const QString& key : store.allKeys())
        values.append(key + u'=' + store.value(key).toString());
    values.sort();
    return values;
}

void Write(const QString& iniFile, const QStringList& values) {
    QSettings store(iniFile, QSettings::IniFormat);
    for (const QString& value : values)
        store.setValue(value.section(u'=', 0, 0), value.section(u'=', 1));
}

} // namespace

class AppSettingsTest : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_file;

private slots:
    void init() {
        m_file =
            m_dir.filePath(QString::fromLatin1(QTest::currentTestFunction()) +
                           QString::fromLatin1(QTest::currentDataTag()) + QStringLiteral(".ini"));
        QFile::remove(m_file);
    }

    void defaultsOfAnEmptyStore() {
        const CAppSettings settings(m_file);
        QCOMPARE(settings.Release(), QString());
        QVERIFY(settings.ShowWelcome());
        QCOMPARE(settings.YardState(), YardWindowState::Minimized);
        QCOMPARE(settings.ViewSettings(QStringLiteral("Sample.inv")), QString());
        QCOMPARE(settings.PreviewPages(), 0);
        QCOMPARE(settings.RecentFiles(), QStringList());
        QVERIFY(settings.ShowTipsAtStartUp());
        QCOMPARE(settings.TipFilePosition(), 0);
        QCOMPARE(settings.TipTimeStamp(), QString());
        QVERIFY(!settings.ShowPicturePane());
    }

    void writesTheDocumentedNames() {
        {
            CAppSettings settings(m_file);
            settings.SetRelease(QStringLiteral("2.13"));
            settings.SetShowWelcome(false);
            settings.SetYardState(YardWindowState::Maximized);
            settings.SetViewSettings(QStringLiteral("Sample.inv"),
                                     QStringLiteral("11111111111111,2"));
            settings.SetViewSettings(QString(), QStringLiteral("lost"));
            settings.SetPreviewPages(2);
            settings.SetRecentFiles({QStringLiteral("/a.inv"), QStringLiteral("/b.inv")});
            settings.SetShowTipsAtStartUp(false);
            settings.SetTipFilePosition(1234);
            settings.SetTipTimeStamp(QStringLiteral("Wed Jan 02 02:03:55 1980"));
            settings.SetShowPicturePane(true);
            QVERIFY(settings.Flush());
        }
        QCOMPARE(Raw(m_file), (QStringList{
                                  QStringLiteral("License/Welcome=0"),
                                  QStringLiteral("Picture Pane/Shown=1"),
                                  QStringLiteral("Recent File List/File1=/a.inv"),
                                  QStringLiteral("Recent File List/File2=/b.inv"),
                                  QStringLiteral("Settings/CYard=Z"),
                                  QStringLiteral("Settings/PreviewPages=2"),
                                  QStringLiteral("Settings/Sample.inv=11111111111111,2"),
                                  QStringLiteral("Tip/FilePos=1234"),
                                  QStringLiteral("Tip/StartUp=1"),
                                  QStringLiteral("Tip/TimeStamp=Wed Jan 02 02:03:55 1980"),
                                  QStringLiteral("Version/Release=2.13"),
                              }));
    }

    void releaseCheck_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<bool>("firstStart");
        QTest::addColumn<QStringList>("after");
        const QString release = QStringLiteral("Version/Release=2.13");
        QTest::newRow("never ran") << QStringList() << true
                                   << QStringList{QStringLiteral("License/Welcome=1"),
                                                  QStringLiteral("Settings/CYard=I"), release};
        QTest::newRow("welcome turned off, older release")
            << QStringList{QStringLiteral("Version/Release=2.12"),
                           QStringLiteral("License/Welcome=0"), QStringLiteral("Settings/CYard=Z")}
            << true
            << QStringList{QStringLiteral("License/Welcome=1"), QStringLiteral("Settings/CYard=I"),
                           release};
        QTest::newRow("empty release") << QStringList{QStringLiteral("Version/Release=")} << true
                                       << QStringList{QStringLiteral("License/Welcome=1"),
                                                      QStringLiteral("Settings/CYard=I"), release};
        QTest::newRow("same release keeps choices")
            << QStringList{release, QStringLiteral("License/Welcome=0"),
                           QStringLiteral("Settings/CYard=R")}
            << false
            << QStringList{QStringLiteral("License/Welcome=0"), QStringLiteral("Settings/CYard=R"),
                           release};
    }

    void releaseCheck() {
        QFETCH(QStringList, stored);
        Write(m_file, stored);
        {
            CAppSettings settings(m_file);
            QTEST(settings.CheckRelease(), "firstStart");
            QVERIFY(settings.Flush());
        }
        QTEST(Raw(m_file), "after");
    }

    void yardState_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<YardWindowState>("state");
        QTest::newRow("empty") << QString() << YardWindowState::Minimized;
        QTest::newRow("I") << QStringLiteral("I") << YardWindowState::Minimized;
        QTest::newRow("Z") << QStringLiteral("Z") << YardWindowState::Maximized;
        QTest::newRow("R") << QStringLiteral("R") << YardWindowState::Normal;
        QTest::newRow("other") << QStringLiteral("z") << YardWindowState::Normal;
    }

    void yardState() {
        QFETCH(QString, stored);
        QFETCH(YardWindowState, state);
        Write(m_file, {QStringLiteral("Settings/CYard=") + stored});
        CAppSettings settings(m_file);
        QCOMPARE(settings.YardState(), state);
        settings.SetYardState(state);
        QCOMPARE(settings.YardState(), state);
    }

    void integers_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<bool>("showTips");
        QTest::addColumn<qint64>("position");
        QTest::addColumn<int>("pages");
        QTest::newRow("numbers") << QStringLiteral("7") << false << qint64(7) << 7;
        QTest::newRow("zero") << QStringLiteral("0") << true << qint64(0) << 0;
        QTest::newRow("not a number") << QStringLiteral("abc") << true << qint64(0) << 0;
        QTest::newRow("negative") << QStringLiteral("-5") << false << qint64(0) << -5;
    }

    void integers() {
        QFETCH(QString, stored);
        Write(m_file,
              {QStringLiteral("Tip/StartUp=") + stored, QStringLiteral("Tip/FilePos=") + stored,
               QStringLiteral("Settings/PreviewPages=") + stored});
        const CAppSettings settings(m_file);
        QTEST(settings.ShowTipsAtStartUp(), "showTips");
        QTEST(settings.TipFilePosition(), "position");
        QTEST(settings.PreviewPages(), "pages");
    }

    void recentFileCleanUp_data() {
        QTest::addColumn<QStringList>("stored");
        QTest::addColumn<int>("removed");
        QTest::addColumn<QStringList>("left");
        const QString a = QStringLiteral("/home/c/a.inv");
        const QString yard = QStringLiteral("/home/c/Classyrd.mst");
        const QString yard2 = QStringLiteral("/other/Classyrd.mst");
        QTest::newRow("second and third")
            << QStringList{a, yard, yard2} << 2 << QStringList{a, yard2};
        QTest::newRow("first") << QStringList{yard, a} << 1 << QStringList{a};
        QTest::newRow("other case stays") << QStringList{a, QStringLiteral("/x/classyrd.mst")} << 0
                                          << QStringList{a, QStringLiteral("/x/classyrd.mst")};
        QTest::newRow("fourth") << QStringList{a, a, a, yard} << 4 << QStringList{a, a, a};
        QTest::newRow("none") << QStringList() << 0 << QStringList();
    }

    void recentFileCleanUp() {
        QFETCH(QStringList, stored);
        CAppSettings settings(m_file);
        settings.SetRecentFiles(stored);
        QTEST(settings.RemoveYardFromRecentFiles(), "removed");
        QTEST(settings.RecentFiles(), "left");
    }

    void recentFilesShrink() {
        CAppSettings settings(m_file);
        settings.SetRecentFiles({QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3"),
                                 QStringLiteral("4"), QStringLiteral("5")});
        QCOMPARE(settings.RecentFiles().size(), CAppSettings::kRecentFiles);
        settings.SetRecentFiles({QStringLiteral("9")});
        settings.RemoveRecentFile(0);
        QVERIFY(settings.Flush());
        QCOMPARE(Raw(m_file), QStringList{QStringLiteral("Recent File List/File1=9")});
    }
};

QTEST_GUILESS_MAIN(AppSettingsTest)
#include "AppSettingsTest.moc"
