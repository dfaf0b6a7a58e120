#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include "model/framework/FixedClock.h"
#include "ui/app/AppSettings.h"
#include "ui/app/SidingWardApp.h"
#include "ui/app/SingleInstance.h"
#include "ui/common/FileChooser.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/SoundRecorder.h"

namespace {

class NoFiles : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString&) override {
        return {};
    }
};

// A message box as the user meets it: it stays open while the program's events go
// on, so whatever arrives meanwhile is handled inside it.
class ModalBoxes : public CMessageRecorder {
public:
    MessageAnswer Show(QWidget* parent, const CMessage& message) override {
        const int depth = ++m_depth;
        m_deepest = std::max(m_deepest, depth);
        const MessageAnswer answer = CMessageRecorder::Show(parent, message);
        QCoreApplication::processEvents();
        --m_depth;
        return answer;
    }
    int Deepest() const { return m_deepest; }

private:
    int m_depth = 0;
    int m_deepest = 0;
};

} // namespace

// Files that later starts of the program hand to the running copy.
class OpenRequestsTest : public QObject {
    Q_OBJECT

private slots:
    void aFloodOfMissingFilesGivesTwoBoxesOneAtATime() {
        QTemporaryDir dir;
        // With its catalogue and manufacturers, the yard has nothing to say meanwhile.
        for (const char* name : {"Classyrd.mst", "ExtMFile.mst"}) {
            QVERIFY(
                QFile::copy(QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR "/") + QLatin1String(name),
                            dir.filePath(QLatin1String(name))));
        }
        CAppSettings settings(dir.filePath(QStringLiteral("settings.ini")));
        settings.SetRelease(CAppSettings::CurrentRelease());
        settings.SetShowWelcome(false);
        settings.SetShowTipsAtStartUp(false);
        ModalBoxes messages;
        CSoundRecorder sounds;
        NoFiles files;
        CFixedClock clock{CDate{2026, 12, 8}};
        CSingleInstance single(dir.filePath(QStringLiteral("server")));
        CSidingWardApp app({settings, messages, sounds, files, clock, &single}, dir.path());
        QVERIFY(app.InitInstance({QStringLiteral("gaugewright")}));
        messages.Clear();

        const auto missing = [&dir](int n) {
            return dir.filePath(QStringLiteral("missing%1.inv").arg(n));
        };
        // The flood arrives while the box of the first request is open.
        constexpr int kFlood = 200;
        for (int n = 1; n <= kFlood; ++n) {
            QMetaObject::invokeMethod(
                &single, [&single, &missing, n] { emit single.fileRequested(missing(n)); },
                Qt::QueuedConnection);
        }
        emit single.fileRequested(missing(0));

        QCOMPARE(messages.Deepest(), 1);
        const QStringList texts = messages.Texts();
        QCOMPARE(texts.size(), 2);
        QVERIFY2(texts[0].contains(missing(0)), qPrintable(texts[0]));
        const qsizetype waiting = 50;
        QVERIFY2(texts[1].startsWith(QStringLiteral("%1 files could not be opened:\n\n%2\n")
                                         .arg(waiting)
                                         .arg(missing(1))),
                 qPrintable(texts[1]));
        QVERIFY2(texts[1].contains(QStringLiteral("... and %1 more.").arg(waiting - 10)),
                 qPrintable(texts[1]));
        QVERIFY2(texts[1].endsWith(QStringLiteral("%1 more files were not opened: too many "
                                                  "requests arrived at once.")
                                       .arg(kFlood - waiting)),
                 qPrintable(texts[1]));
        QVERIFY(!texts[1].contains(missing(11) + u'\n'));
    }
};

QTEST_MAIN(OpenRequestsTest)
#include "OpenRequestsTest.moc"
