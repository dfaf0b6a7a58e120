#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

#include "ui/app/AboutDialog.h"
#include "ui/app/AppCommands.h"
#include "ui/app/AppSettings.h"
#include "ui/app/SplashWindow.h"
#include "ui/app/TipOfTheDayDialog.h"
#include "ui/app/WelcomeDialog.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/support/EventLog.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/Screenshot.h"
#include "ui/support/SoundRecorder.h"

using namespace Qt::StringLiterals;

namespace {

// Whether window's middle is on owner's, to the pixel.
bool Centred(const QWidget& window, const QWidget& owner) {
    const QPointF offset =
        QRectF(window.frameGeometry()).center() - QRectF(owner.frameGeometry()).center();
    return qAbs(offset.x()) <= 1 && qAbs(offset.y()) <= 1;
}

const QByteArray kThreeTips = "; comment\n"
                              "First tip\n"
                              "\n"
                              " indented, skipped\n"
                              "Second tip\r\n"
                              "\tskipped too\n"
                              "Third tip";

// A command target that handles nothing: the end of the application's chain.
class NoCommands : public CCommandTarget {
public:
    bool HandlesCommand(int) const override { return false; }
    void OnCommand(int) override {}
};

} // namespace

// The Tip of the Day, the Welcome dialog, the About box and the splash window.
class StartUpDialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CAppSettings> m_settings;
    CEventLog m_log;
    std::unique_ptr<CMessageRecorder> m_messages;
    std::unique_ptr<CSoundRecorder> m_sounds;

    QString TipsPath() const { return m_dir->filePath(u"gaugetip.mst"_s); }

    void WriteTips(const QByteArray& bytes) {
        QFile file(TipsPath());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // The tips a fresh dialog shows, one per start of the program.
    QString TipOfNextStart() {
        CTipOfTheDayDialog dialog(*m_settings, *m_messages, TipsPath());
        return dialog.TipText();
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<CAppSettings>(m_dir->filePath(u"settings.ini"_s));
        m_log.Clear();
        m_messages = std::make_unique<CMessageRecorder>(&m_log);
        m_sounds = std::make_unique<CSoundRecorder>(&m_log);
    }

    void tipsComeInFileOrderAndWrapAround() {
        WriteTips(kThreeTips);
        CTipOfTheDayDialog dialog(*m_settings, *m_messages, TipsPath());
        auto* next = dialog.findChild<QPushButton*>(u"nextTip"_s);
        QVERIFY(next && next->isEnabled());
        QStringList shown{dialog.TipText()};
        for (int k = 0; k < 4; ++k) {
            QTest::mouseClick(next, Qt::LeftButton);
            shown << dialog.findChild<QLabel*>(u"tipText"_s)->text();
        }
        QCOMPARE(shown, (QStringList{u"First tip"_s, u"Second tip"_s, u"Third tip"_s,
                                     u"First tip"_s, u"Second tip"_s}));
        QVERIFY(m_messages->Texts().isEmpty());
    }

    void everyStartMovesOnByOneTipEvenWhenNoneIsShown() {
        WriteTips(kThreeTips);
        QCOMPARE(TipOfNextStart(), u"First tip"_s);
        QCOMPARE(TipOfNextStart(), u"Second tip"_s);
        QCOMPARE(TipOfNextStart(), u"Third tip"_s);
        QCOMPARE(TipOfNextStart(), u"First tip"_s);
        QVERIFY(!m_settings->TipTimeStamp().isEmpty());
    }

    void aReplacedTipsFileStartsAgainAtItsFirstTip() {
        WriteTips(kThreeTips);
        TipOfNextStart();
        TipOfNextStart();
        // Another file (its stamp differs from the one stored) begins at the top.
        m_settings->SetTipTimeStamp(u"Wed Jan 02 02:03:55 1980"_s);
        QCOMPARE(TipOfNextStart(), u"First tip"_s);
        QVERIFY(m_settings->TipTimeStamp() != u"Wed Jan 02 02:03:55 1980"_s);
    }

    void aPositionPastTheEndWrapsToTheFirstTip() {
        WriteTips(kThreeTips);
        TipOfNextStart();
        m_settings->SetTipFilePosition(100000);
        QCOMPARE(TipOfNextStart(), u"First tip"_s);
        QVERIFY(m_messages->Texts().isEmpty());
    }

    void aMissingTipsFileIsSaidAndStoresNoPosition() {
        m_settings->SetTipFilePosition(7);
        {
            CTipOfTheDayDialog dialog(*m_settings, *m_messages, TipsPath());
            QCOMPARE(dialog.TipText(), u"Tips file does not exist in the prescribed directory"_s);
            auto* next = dialog.findChild<QPushButton*>(u"nextTip"_s);
            QCOMPARE(next->text(), u"&Next Tip"_s);
            QVERIFY(!next->isEnabled());
        }
        QCOMPARE(m_settings->TipFilePosition(), 7);
    }

    void closeStoresTheStartUpChoiceAndEscapeDoesNot_data() {
        QTest::addColumn<bool>("checked");
        QTest::addColumn<bool>("close");
        QTest::addColumn<bool>("showAfter");
        QTest::newRow("cleared, Close") << false << true << false;
        QTest::newRow("checked, Close") << true << true << true;
        QTest::newRow("cleared, Escape") << false << false << true;
    }

    void closeStoresTheStartUpChoiceAndEscapeDoesNot() {
        QFETCH(bool, checked);
        QFETCH(bool, close);
        QFETCH(bool, showAfter);
        WriteTips(kThreeTips);
        {
            CTipOfTheDayDialog dialog(*m_settings, *m_messages, TipsPath());
            dialog.show();
            QVERIFY(dialog.ShowAtStartUp());
            dialog.findChild<QCheckBox*>()->setChecked(checked);
            if (close) {
                QTest::mouseClick(dialog.findChild<QPushButton*>(u"close"_s), Qt::LeftButton);
            } else {
                QTest::keyClick(&dialog, Qt::Key_Escape);
            }
            QVERIFY(!dialog.isVisible());
            QVERIFY(SaveScreenshot(dialog, u"TipOfTheDay.png"_s));
        }
        QCOMPARE(m_settings->ShowTipsAtStartUp(), showAfter);
        // The position is kept whichever way the dialog went.
        QCOMPARE(TipOfNextStart(), u"Second tip"_s);
    }

    void welcomeOffersOpenAndReportsTheChoice_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("choice");
        QTest::newRow("tutorial") << u"tutorial"_s << int(CWelcomeDialog::Choice::Tutorial);
        QTest::newRow("create") << u"create"_s << int(CWelcomeDialog::Choice::Create);
        QTest::newRow("open") << u"open"_s << int(CWelcomeDialog::Choice::Open);
        QTest::newRow("continue") << u"continue"_s << int(CWelcomeDialog::Choice::Continue);
    }

    void welcomeOffersOpenAndReportsTheChoice() {
        QFETCH(QString, button);
        QFETCH(int, choice);
        CWelcomeDialog dialog;
        QVERIFY(dialog.ChoiceButton(CWelcomeDialog::Choice::Open)->isChecked());
        QVERIFY(!dialog.DoNotShowAgain());
        dialog.findChild<QRadioButton*>(button)->click();
        QCOMPARE(int(dialog.GetChoice()), choice);
        dialog.DoNotShowBox()->click();
        QVERIFY(dialog.DoNotShowAgain());
        dialog.show();
        QVERIFY(SaveScreenshot(dialog, u"Welcome.png"_s));
    }

    void welcomeIsChosenWithTheKeyboard() {
        CWelcomeDialog dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QCOMPARE(QApplication::focusWidget(), dialog.ChoiceButton(CWelcomeDialog::Choice::Open));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(int(dialog.GetChoice()), int(CWelcomeDialog::Choice::Create));
    }

    void aboutShowsTheReleaseOrTheRegistryError_data() {
        QTest::addColumn<QString>("release");
        QTest::addColumn<QString>("line");
        QTest::newRow("stored") << u"2.13"_s << u"Release 2.13"_s;
        QTest::newRow("missing") << QString() << u"Registry Error!"_s;
    }

    void aboutShowsTheReleaseOrTheRegistryError() {
        QFETCH(QString, release);
        QFETCH(QString, line);
        m_settings->SetRelease(release);
        CAboutDialog dialog(*m_settings, *m_messages);
        QCOMPARE(dialog.ReleaseLine(), line);
    }

    void aboutRestoresTheWelcomeDialogOnlyWhenItIsOff() {
        {
            CAboutDialog dialog(*m_settings, *m_messages);
            dialog.show();
            QVERIFY(!dialog.RestoreWelcomeBox()->isVisible());
        }
        m_settings->SetShowWelcome(false);
        CAboutDialog dialog(*m_settings, *m_messages);
        dialog.show();
        QVERIFY(dialog.RestoreWelcomeBox()->isVisible());
        QVERIFY(SaveScreenshot(dialog, u"About.png"_s));
        QTest::mouseClick(dialog.RestoreWelcomeBox(), Qt::LeftButton);
        QVERIFY(m_settings->ShowWelcome());
        QCOMPARE(
            m_messages->Last(),
            (CMessage{u"The Welcome dialog will appear the next time you start The Gaugewright."_s,
                      captions::Information(), MessageIcon::Warning, MessageButtons::Ok}));
        QVERIFY(!dialog.RestoreWelcomeBox()->isVisible());
    }

    void theAboutCommandSoundsBeforeTheBox() {
        NoCommands none;
        CAppCommands commands({*m_settings, *m_messages, *m_sounds, {}}, m_dir->path(), {}, none);
        CModalAnswerer answerer;
        answerer.QueueFor<CAboutDialog>([this](CAboutDialog* about) {
            m_log.Append(u"dialog "_s + about->windowTitle());
            about->accept();
        });
        QVERIFY(commands.HandlesCommand(CommandId::AppAbout));
        commands.OnCommand(CommandId::AppAbout);
        QCOMPARE(m_log.Entries(),
                 (QStringList{u"sound GAUGEWRT.WAV"_s, u"dialog About The Gaugewright"_s}));
    }

    void theTipCommandShowsTipsWhateverTheStartUpSetting() {
        WriteTips(kThreeTips);
        m_settings->SetShowTipsAtStartUp(false);
        NoCommands none;
        CAppCommands commands({*m_settings, *m_messages, *m_sounds, {}}, m_dir->path(), {}, none);
        CModalAnswerer answerer;
        QString shown;
        answerer.QueueFor<CTipOfTheDayDialog>([&shown](CTipOfTheDayDialog* tip) {
            shown = tip->TipText();
            tip->reject();
        });
        commands.OnCommand(CommandId::TipOfTheDay);
        QCOMPARE(shown, u"First tip"_s);
        QCOMPARE(answerer.Pending(), 0);
    }

    void helpOpensTheHelpFileOrSaysWhyNot_data() {
        QTest::addColumn<bool>("present");
        QTest::addColumn<bool>("opens");
        QTest::addColumn<QString>("message");
        QTest::newRow("shown") << true << true << QString();
        QTest::newRow("missing") << false << true << u"The help file %1 cannot be found."_s;
        QTest::newRow("no viewer")
            << true << false << u"The help cannot be shown: no program of this desktop opens %1."_s;
    }

    void helpOpensTheHelpFileOrSaysWhyNot() {
        QFETCH(bool, present);
        QFETCH(bool, opens);
        QFETCH(QString, message);
        const QString path =
            m_dir->filePath(CAppCommands::ManualFolder() + u"/getting-started.html"_s);
        if (present) {
            QVERIFY(QDir(m_dir->path()).mkpath(CAppCommands::ManualFolder()));
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QList<QUrl> opened;
        NoCommands none;
        CAppCommands commands({*m_settings, *m_messages, *m_sounds,
                               [&](const QUrl& url) {
                                   opened << url;
                                   return opens;
                               }},
                              m_dir->path(), {}, none);
        commands.ShowHelp(CAppCommands::TutorialTopic());
        if (message.isEmpty()) {
            QCOMPARE(opened.value(0).toLocalFile(), path);
            QCOMPARE(opened.value(0).fragment(), u"first-inventory"_s);
            QVERIFY(m_messages->Texts().isEmpty());
        } else {
            QCOMPARE(m_messages->Last().text, message.arg(path));
            QCOMPARE(m_messages->Last().caption, captions::Error());
        }
    }

    void theSplashGoesAtAKeyOrAButtonOrWhenItsTimeIsUp_data() {
        QTest::addColumn<int>("how"); // 0 key, 1 right button, 2 time
        QTest::newRow("key") << 0;
        QTest::newRow("right button") << 1;
        QTest::newRow("time") << 2;
    }

    void theSplashGoesAtAKeyOrAButtonOrWhenItsTimeIsUp() {
        QFETCH(int, how);
        QWidget owner;
        owner.resize(800, 600);
        owner.show();
        QPointer<CSplashWindow> splash = CSplashWindow::Show(&owner);
        QVERIFY(splash);
        QVERIFY(splash->isVisible());
        QCOMPARE(splash->size(), QSize(480, 300));
        QVERIFY(SaveScreenshot(*splash, u"Splash.png"_s));
        if (how == 0) {
            QTest::keyClick(&owner, Qt::Key_A);
        } else if (how == 1) {
            QTest::mouseClick(&owner, Qt::RightButton);
        } else {
            QTest::qWait(CSplashWindow::kShowMilliseconds / 2);
            QVERIFY(splash);
        }
        QTRY_VERIFY_WITH_TIMEOUT(!splash, CSplashWindow::kShowMilliseconds * 2);
    }

    // The splash comes before the main window is shown and placed; it sits on the
    // middle of that window, wherever the window ends up.
    void theSplashIsCentredOnItsOwner_data() {
        QTest::addColumn<bool>("ownerShownFirst");
        QTest::newRow("owner on screen") << true;
        QTest::newRow("owner shown later") << false;
    }

    void theSplashIsCentredOnItsOwner() {
        QFETCH(bool, ownerShownFirst);
        QWidget owner;
        owner.setGeometry(60, 40, 640, 480);
        if (ownerShownFirst)
            owner.show();
        QPointer<CSplashWindow> splash = CSplashWindow::Show(&owner);
        QVERIFY(splash);
        if (!ownerShownFirst)
            owner.show();
        QVERIFY(QTest::qWaitForWindowExposed(&owner));
        QVERIFY(Centred(*splash, owner));
        owner.setGeometry(100, 80, 700, 500);
        QVERIFY(Centred(*splash, owner));
        splash->Dismiss();
    }

    // The subtitle drawn in the picture is in the reader's language.
    void theSplashSubtitleIsTranslated() {
        class CSubtitleTranslator : public QTranslator {
        public:
            QString translate(const char*, const char* source, const char*, int) const override {
                return QByteArray(source) == "Inventories of model railroad rolling stock"
                           ? u"Bestandslisten"_s
                           : QString();
            }
            bool isEmpty() const override { return false; }
        };
        QWidget owner;
        const auto picture = [&owner] {
            QPointer<CSplashWindow> splash = CSplashWindow::Show(&owner);
            const QImage image = splash ? splash->grab().toImage() : QImage();
            if (splash)
                splash->Dismiss();
            return image;
        };
        const QImage english = picture();
        CSubtitleTranslator translator;
        QCoreApplication::installTranslator(&translator);
        const QImage translated = picture();
        QCoreApplication::removeTranslator(&translator);
        QVERIFY(!english.isNull());
        QCOMPARE(translated.size(), english.size());
        QVERIFY(translated != english);
    }

    void noPictureNoSplash() {
        QWidget owner;
        QVERIFY(!CSplashWindow::Show(&owner, u":/icons/app/no-such-picture.svg"_s));
        QVERIFY(owner.findChildren<CSplashWindow*>().isEmpty());
    }

    // The manual's pictures, as a collector first sees them: the bundled tips, the
    // release of this program, the Welcome dialog as it opens.
    void manualPictures() {
        if (!ScreenshotsWanted())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        CTipOfTheDayDialog tip(*m_settings, *m_messages,
                               QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR "/gaugetip.mst"));
        tip.show();
        QVERIFY(SaveScreenshot(tip, u"TipOfTheDay-real.png"_s));
        CWelcomeDialog welcome;
        welcome.show();
        QVERIFY(SaveScreenshot(welcome, u"Welcome-real.png"_s));
        m_settings->SetRelease(u"2.13"_s);
        m_settings->SetShowWelcome(false);
        CAboutDialog about(*m_settings, *m_messages);
        about.show();
        QVERIFY(SaveScreenshot(about, u"About-real.png"_s));
    }
};

QTEST_MAIN(StartUpDialogsTest)
#include "StartUpDialogsTest.moc"
