#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "ui/app/AppSettings.h"
#include "ui/app/LeftOverCopies.h"
#include "ui/app/MessageBoxSink.h"
#include "ui/app/RecoveryWriter.h"
#include "ui/app/SidingWardApp.h"
#include "ui/app/SplashWindow.h"
#include "ui/common/DocManager.h"
#include "ui/common/FileChooser.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/Screenshot.h"
#include "ui/support/SoundRecorder.h"

using namespace Qt::StringLiterals;

namespace {

const char kKeepACopy[] = "--keep-a-copy";

// The run that dies: opens the inventory, deletes its first item and waits, with
// the recovery writer keeping a copy, until it is killed.
int KeepACopy(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    CRecoveryWriter writer(QString::fromLocal8Bit(argv[2]), 10);
    CSidingWardDoc inventory;
    if (!inventory.OnOpenDocument(argv[3]).Succeeded())
        return 1;
    inventory.RemoveItem(inventory.GetItemAt(0), nullptr);
    writer.Watch(inventory);
    return application.exec();
}

class NamedChooser : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString&) override {
        return next;
    }
    std::optional<QString> next;
};

int ItemsIn(const QString& path) {
    CSidingWardDoc inventory;
    return inventory.OnOpenDocument(path.toStdString()).Succeeded() ? inventory.GetItemCount() : -1;
}

QStringList Copies(const QString& folder) {
    return QDir(folder).entryList({u"*.inv"_s, u"*.json"_s}, QDir::Files);
}

} // namespace

class RecoveryTest : public QObject {
    Q_OBJECT

private slots:
    // The copy lives exactly as long as there is something to recover.
    void theCopyGoesWithTheUnsavedChanges_data() {
        QTest::addColumn<QString>("step");
        for (const char* step : {"save", "back to saved", "close"})
            QTest::newRow(step) << QString::fromLatin1(step);
    }
    void theCopyGoesWithTheUnsavedChanges() {
        QFETCH(QString, step);
        const QTemporaryDir dir;
        const QString folder = dir.filePath(u"recovery"_s);
        const QString path = dir.filePath(u"Sample.inv"_s);
        QVERIFY(QFile::copy(QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR "/Sample.inv"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        CRecoveryWriter writer(folder, 0);
        CSidingWardDoc inventory;
        QVERIFY(inventory.OnOpenDocument(path.toStdString()).Succeeded());
        writer.Watch(inventory);
        inventory.RemoveItem(inventory.GetItemAt(0), nullptr);
        QTRY_COMPARE(Copies(folder).size(), 2);
        if (step == u"save"_s)
            QVERIFY(inventory.OnSaveDocument(path.toStdString()).Succeeded());
        else if (step == u"back to saved"_s)
            inventory.SetModifiedFlag(false);
        else
            writer.Forget(inventory);
        writer.WaitForWrites();
        QCOMPARE(Copies(folder), QStringList());
    }

    // A folder that cannot be written costs one status message, however many changes.
    void anUnwritableFolderIsReportedOnce() {
        const QTemporaryDir dir;
        QFile blocker(dir.filePath(u"file"_s));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        CRecoveryWriter writer(blocker.fileName() + u"/recovery"_s, 0);
        QSignalSpy failures(&writer, &CRecoveryWriter::WriteFailed);
        CSidingWardDoc inventory;
        writer.Watch(inventory);
        for (int change = 0; change < 3; ++change) {
            inventory.SetModifiedFlag(true);
            QTest::qWait(20);
        }
        QCOMPARE(failures.size(), 1);
    }

    // A run killed after a change leaves a copy; the next start offers it, and each
    // answer does what it says.
    void aKilledRunsChangeIsOffered_data() {
        QTest::addColumn<MessageAnswer>("answer");
        QTest::addColumn<QString>("fault");
        QTest::newRow("recover") << MessageAnswer::Recover << QString();
        QTest::newRow("recover, original now a folder")
            << MessageAnswer::Recover << u"now a folder"_s;
        QTest::newRow("recover damaged") << MessageAnswer::Recover << u"damaged"_s;
        QTest::newRow("discard") << MessageAnswer::Discard << QString();
        QTest::newRow("later") << MessageAnswer::Later << QString();
        QTest::newRow("later, file changed since") << MessageAnswer::Later << u"newer"_s;
    }
    void aKilledRunsChangeIsOffered() {
        QFETCH(MessageAnswer, answer);
        QFETCH(QString, fault);
        const QTemporaryDir dir;
        const QString folder = dir.filePath(u"state/gaugewright/recovery"_s);
        const QString original = dir.filePath(u"Sample.inv"_s);
        const QString data = QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR);
        for (const QString& name : {u"Classyrd.mst"_s, u"ExtMFile.mst"_s, u"Sample.inv"_s})
            QVERIFY(QFile::copy(data + u'/' + name, dir.filePath(name)));
        QFile::setPermissions(original, QFile::ReadOwner | QFile::WriteOwner);
        const int items = ItemsIn(original);
        QVERIFY(items > 1);

        QProcess run;
        run.start(QCoreApplication::applicationFilePath(),
                  {QLatin1String(kKeepACopy), folder, original});
        QTRY_COMPARE_WITH_TIMEOUT(Copies(folder).size(), 2, 10000);
        // A copy a live run holds is never offered.
        QVERIFY(CLeftOverCopies::Find(folder, QCoreApplication::applicationPid()).isEmpty());
        run.kill();
        QVERIFY(run.waitForFinished());
        const QString copy = folder + u'/' + Copies(folder).filter(u".inv"_s).first();
        QCOMPARE(QFileInfo(folder).permissions() & 0x0777, QFile::Permissions(0x0700));
        QCOMPARE(QFileInfo(copy).permissions() & 0x0777, QFile::Permissions(0x0600));
        if (fault == u"now a folder"_s)
            QVERIFY(QFile::remove(original) && QDir().mkdir(original));
        if (fault == u"damaged"_s)
            QFile::resize(copy, 20);
        if (fault == u"newer"_s) {
            QFile file(original);
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(60),
                                     QFileDevice::FileModificationTime));
        }

        CAppSettings settings(dir.filePath(u"settings.ini"_s));
        settings.SetRelease(CAppSettings::CurrentRelease());
        settings.SetShowWelcome(false);
        settings.SetShowTipsAtStartUp(false);
        CMessageRecorder messages;
        CSoundRecorder sounds;
        NamedChooser files;
        const CFixedClock clock{CDate{2026, 12, 9}};
        messages.QueueAnswers({answer});
        QTimer splashKeys;
        splashKeys.callOnTimeout([] {
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (qobject_cast<CSplashWindow*>(window) && window->isVisible())
                    QTest::keyClick(window, Qt::Key_Shift);
            }
        });
        splashKeys.start(5);
        auto app = std::make_unique<CSidingWardApp>(
            CSidingWardApp::Services{
                settings, messages, sounds, files, clock, nullptr, nullptr, {}, folder},
            dir.path());
        QVERIFY(app->InitInstance({u"gaugewright"_s}));

        QCOMPARE(messages.Count(), 1);
        const QString question = messages.Last().text;
        QVERIFY2(question.startsWith(u"Gaugewright was not closed properly. Recover the unsaved "
                                     "changes of 1 inventories?\n\nSample.inv"_s),
                 qPrintable(question));
        QCOMPARE(question.contains(u"damaged, can only be discarded"_s), fault == u"damaged"_s);
        QCOMPARE(question.contains(u"the file on disk is newer than this copy"_s),
                 fault == u"newer"_s);
        QCOMPARE(messages.Last().buttons, MessageButtons::RecoverDiscardLater);

        std::vector<CDocument*> inventories = app->DocManager().GetDocuments();
        std::erase_if(inventories, [](CDocument* document) {
            return dynamic_cast<CSidingWardDoc*>(document) == nullptr;
        });
        const bool recovered = answer == MessageAnswer::Recover && fault != u"damaged"_s;
        QCOMPARE(inventories.size(), recovered ? 1u : 0u);
        // The old run's copy stays only when nothing was decided about it.
        QCOMPARE(QFile::exists(copy), !recovered && answer != MessageAnswer::Discard);
        if (!recovered)
            return;
        CDocument& inventory = *inventories.front();
        QVERIFY(inventory.IsModified());
        QCOMPARE(QString::fromStdString(inventory.GetPathName()), original);
        // Saving goes where the inventory belongs, or, when it cannot, asks for a name.
        const QString saved = fault.isEmpty() ? original : dir.filePath(u"Renamed.inv"_s);
        files.next = dir.filePath(u"Renamed.inv"_s);
        QVERIFY(app->DocManager().SaveDocument(inventory, nullptr));
        QCOMPARE(ItemsIn(saved), items - 1);
        app.reset();
        QVERIFY(Copies(folder).isEmpty());
    }

    // The question as a collector meets it after a crash, for the manual.
    void theQuestionAsShown() {
        if (!ScreenshotsWanted())
            QSKIP("only draws the picture");
        const QDateTime evening(QDate(2026, 12, 8), QTime(21, 14));
        QList<CLeftOverCopy> copies(3);
        copies[0].title = u"Layout.inv"_s;
        copies[0].originalPath = u"/home/jane/Trains/Layout.inv"_s;
        copies[0].written = evening;
        copies[1].title = u"Sample.inv"_s;
        copies[1].originalPath = u"/home/jane/Trains/Sample.inv"_s;
        copies[1].written = evening.addSecs(-600);
        copies[1].originalNewer = true;
        copies[2].title = u"NewInventory1"_s;
        copies[2].written = evening.addSecs(60);
        const std::unique_ptr<QMessageBox> box(
            CMessageBoxSink::CreateBox(nullptr, CLeftOverCopies::Question(copies)));
        box->show();
        QVERIFY(SaveScreenshot(*box, u"RecoveryQuestion.png"_s));
    }
};

int main(int argc, char** argv) {
    if (argc == 4 && qstrcmp(argv[1], kKeepACopy) == 0)
        return KeepACopy(argc, argv);
    QApplication application(argc, argv);
    RecoveryTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "RecoveryTest.moc"
