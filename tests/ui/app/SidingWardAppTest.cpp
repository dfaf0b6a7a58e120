#include "ui/app/SidingWardApp.h"

#include <algorithm>
#include <fstream>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QDockWidget>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QIcon>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComplex>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "model/core/Catalogue.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/app/AppCommands.h"
#include "ui/app/AppSettings.h"
#include "ui/app/InventoryArchiveCommands.h"
#include "ui/app/MainFrame.h"
#include "ui/app/MessageBoxSink.h"
#include "ui/app/SplashWindow.h"
#include "ui/app/TipOfTheDayDialog.h"
#include "ui/app/WelcomeDialog.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/Captions.h"
#include "ui/common/ChildFrame.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/DialogFileChooser.h"
#include "ui/common/DocManager.h"
#include "ui/common/FileChooser.h"
#include "ui/common/PicturePane.h"
#include "ui/common/Text.h"
#include "ui/inventory/CommentsEdit.h"
#include "ui/inventory/CommentsEditor.h"
#include "ui/inventory/CommentsViewer.h"
#include "ui/inventory/FerroTreeCtrl.h"
#include "ui/inventory/ImportDialog.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryDetailsDialog.h"
#include "ui/inventory/InventoryListModel.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/PictureDialog.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/inventory/SidingWardView2.h"
#include "ui/support/EventLog.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/ModalAnswerer.h"
#include "ui/support/Screenshot.h"
#include "ui/support/SoundRecorder.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/YardCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

class NamedChooser : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString& filter) override {
        openFilter = filter;
        return Next();
    }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString&) override {
        return Next();
    }
    std::optional<QString> ChooseFileToSaveTitled(QWidget*, const QString&, const QStringList&,
                                                  const QString&, const QString& folder) override {
        proposed = folder;
        return Next();
    }
    std::optional<QString> next;
    // Answers given in turn before next is.
    QStringList queued;
    QString openFilter;
    QString proposed;

private:
    std::optional<QString> Next() {
        return queued.isEmpty() ? next : std::optional<QString>(queued.takeFirst());
    }
};

void Copy(const QString& from, const QString& to) {
    QFile::remove(to);
    QVERIFY(QFile::copy(from, to));
    QFile(to).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
}

} // namespace

// The whole program on a temporary settings store and data directory.
class SidingWardAppTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CAppSettings> m_settings;
    CEventLog m_log;
    std::unique_ptr<CMessageRecorder> m_messages;
    std::unique_ptr<CSoundRecorder> m_sounds;
    NamedChooser m_files;
    CFixedClock m_clock{CDate{2026, 12, 8}};
    std::unique_ptr<CSidingWardApp> m_app;
    // Without a queued answer the start-up dialogs are closed with Escape.
    std::unique_ptr<CModalAnswerer> m_modals;
    // Presses a key while the splash shows and nothing modal is open, as a user
    // waiting for the program would, so that no start waits out the splash's time.
    QTimer m_splashKeys;
    QList<QUrl> m_openedUrls;

    QString DataPath(const char* name) const { return m_dir->filePath(QLatin1String(name)); }

    // The dialogs of saving and opening an archive, as the desktop shows them, on a
    // collector's folder: the sample inventory and its archive.
    void SaveArchivePictures(const CMessage& question) {
        QVERIFY(QDir(m_dir->path()).mkpath(u"Trains"_s));
        Copy(DataPath("Sample.inv"), DataPath("Trains/Layout.inv"));
        Copy(DataPath("copy.gwz"), DataPath("Trains/Layout.gwz"));
        const auto grab = [](const QString& name) {
            return [name](QWidget* dialog) {
                QTest::qWait(300); // the folder's files are listed in the background
                QVERIFY(SaveScreenshot(*dialog, name));
                static_cast<QDialog*>(dialog)->reject();
            };
        };
        m_modals->Queue(grab(u"SaveCopyAsArchive.png"_s));
        m_modals->Queue(grab(u"UnpackArchive.png"_s));
        CDialogFileChooser files;
        files.ChooseFileToSaveTitled(m_app->MainFrame(), u"Save Copy as Archive"_s,
                                     {CInventoryArchiveCommands::Filter()}, u"gwz"_s,
                                     DataPath("Trains/Layout.gwz"));
        files.ChooseFileToSaveTitled(m_app->MainFrame(), u"Unpack the Archive into a New Folder"_s,
                                     {u"Folders (*)"_s}, QString(), DataPath("Trains/Layout"));
        const std::unique_ptr<QMessageBox> box(
            CMessageBoxSink::CreateBox(m_app->MainFrame(), question));
        box->show();
        QVERIFY(SaveScreenshot(*box, u"ArchiveCatalogueQuestion.png"_s));
    }

    bool Start(QStringList arguments = {}) {
        m_app = std::make_unique<CSidingWardApp>(CSidingWardApp::Services{*m_settings, *m_messages,
                                                                          *m_sounds, m_files,
                                                                          m_clock, nullptr, nullptr,
                                                                          [this](const QUrl& url) {
                                                                              m_openedUrls << url;
                                                                              return true;
                                                                          }},
                                                 m_dir->path());
        arguments.prepend(QStringLiteral("gaugewright"));
        return m_app->InitInstance(arguments);
    }

    // A later start of this release, with neither tips nor the Welcome dialog.
    void SetQuietStart() {
        m_settings->SetRelease(CAppSettings::CurrentRelease());
        m_settings->SetShowWelcome(false);
        m_settings->SetShowTipsAtStartUp(false);
    }

    static CSplashWindow* VisibleSplash() {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* splash = qobject_cast<CSplashWindow*>(window); splash && splash->isVisible())
                return splash;
        }
        return nullptr;
    }

    // The document windows but the yard's.
    QList<CChildFrame*> InventoryWindows() const {
        QList<CChildFrame*> windows = m_app->MainFrame()->ChildFrames();
        windows.removeIf(
            [this](CChildFrame* frame) { return &frame->GetDocument() == m_app->Yard(); });
        return windows;
    }

private slots:
    void init() {
        m_dir = std::make_unique<QTemporaryDir>();
        const QString data = QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR);
        for (const char* name : {"Classyrd.mst", "ExtMFile.mst", "Sample.inv"})
            Copy(data + QLatin1Char('/') + QLatin1String(name), DataPath(name));
        m_settings = std::make_unique<CAppSettings>(DataPath("settings.ini"));
        m_log.Clear();
        m_messages = std::make_unique<CMessageRecorder>(&m_log);
        m_sounds = std::make_unique<CSoundRecorder>(&m_log);
        m_modals = std::make_unique<CModalAnswerer>();
        m_openedUrls.clear();
        m_splashKeys.callOnTimeout(this, [] {
            if (QApplication::activeModalWidget())
                return;
            if (CSplashWindow* splash = VisibleSplash())
                QTest::keyClick(splash, Qt::Key_Shift);
        });
        m_splashKeys.start(5);
    }

    void cleanup() {
        m_splashKeys.stop();
        m_splashKeys.disconnect();
        m_modals.reset();
        m_app.reset();
        // The settings write their file when they go: before the folder, or they make it anew.
        m_settings.reset();
        m_dir.reset();
    }

    void firstStartOpensOnlyTheYardAndTakesTheFirstRunSteps() {
        // Turned off in an earlier release, the Welcome dialog shows at the first start.
        m_settings->SetShowWelcome(false);
        // Neither dialog covers the splash: each waits for it to go (here for its
        // time to be up, with no key pressed).
        m_splashKeys.stop();
        QStringList overSplash;
        for (int dialog = 0; dialog < 2; ++dialog) {
            m_modals->Queue([&](QWidget* window) {
                if (VisibleSplash())
                    overSplash << window->windowTitle();
                qobject_cast<QDialog*>(window)->reject();
            });
        }
        QVERIFY(Start());
        QCOMPARE(overSplash, QStringList());
        QCOMPARE(m_modals->Seen(), (QStringList{QStringLiteral("The Gaugewright Tip of the Day"),
                                                QStringLiteral("Welcome to The Gaugewright!")}));
        QCOMPARE(m_sounds->Played().value(0), QStringLiteral("GAUGEWRT.WAV"));
        QVERIFY(m_app->Yard());
        QVERIFY(m_app->YardView());
        QCOMPARE(m_app->Yard()->GetValueList(0)->empty(), false);
        QVERIFY(InventoryWindows().isEmpty());
        QCOMPARE(m_settings->Release(), QStringLiteral("2.13"));
        QCOMPARE(m_settings->YardState(), YardWindowState::Minimized);
        QVERIFY(m_settings->ShowWelcome());
        QVERIFY(m_messages->Texts().isEmpty());
        QVERIFY(m_app->MainFrame()->isVisible());
    }

    void aLaterStartOffersWhatTheSettingsSay_data() {
        QTest::addColumn<bool>("tips");
        QTest::addColumn<bool>("welcome");
        QTest::addColumn<QStringList>("seen");
        QTest::newRow("neither") << false << false << QStringList{};
        QTest::newRow("tips") << true << false
                              << QStringList{QStringLiteral("The Gaugewright Tip of the Day")};
        QTest::newRow("welcome") << false << true
                                 << QStringList{QStringLiteral("Welcome to The Gaugewright!")};
    }

    void aLaterStartOffersWhatTheSettingsSay() {
        QFETCH(bool, tips);
        QFETCH(bool, welcome);
        QFETCH(QStringList, seen);
        Copy(QStringLiteral(GAUGEWRIGHT_SOURCE_DATA_DIR "/gaugetip.mst"), DataPath("gaugetip.mst"));
        SetQuietStart();
        m_settings->SetShowTipsAtStartUp(tips);
        m_settings->SetShowWelcome(welcome);
        QVERIFY(Start());
        QCOMPARE(m_modals->Seen(), seen);
        // A tip is read at every start, shown or not.
        QVERIFY(m_settings->TipFilePosition() > 0);
    }

    void otherRequestsOfTheCommandLineAreNotCarriedOut_data() {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QStringList>("seen");
        const QString tip = QStringLiteral("The Gaugewright Tip of the Day");
        const QString welcome = QStringLiteral("Welcome to The Gaugewright!");
        QTest::newRow("print a file") << QStringList{QStringLiteral("--print"), QStringLiteral("@")}
                                      << QStringList{tip, welcome};
        QTest::newRow("print, after the file")
            << QStringList{QStringLiteral("@"), QStringLiteral("-p")} << QStringList{tip, welcome};
        QTest::newRow("embedding")
            << QStringList{QStringLiteral("/Embedding")} << QStringList{welcome};
        QTest::newRow("automation")
            << QStringList{QStringLiteral("-Automation")} << QStringList{welcome};
    }

    // Start-up goes on as without arguments: no file opens, and the splash and the
    // tips are left out for a start as a server.
    void otherRequestsOfTheCommandLineAreNotCarriedOut() {
        QFETCH(QStringList, arguments);
        QFETCH(QStringList, seen);
        arguments.replaceInStrings(QStringLiteral("@"), DataPath("Sample.inv"));
        QVERIFY(Start(arguments));
        QVERIFY(InventoryWindows().isEmpty());
        QVERIFY(m_messages->Texts().isEmpty());
        QCOMPARE(m_modals->Seen(), seen);
    }

    void aFileOnTheCommandLineOffersNoDialog() {
        QVERIFY(Start({DataPath("Sample.inv")}));
        QVERIFY(m_modals->Seen().isEmpty());
        QCOMPARE(InventoryWindows().size(), 1);
    }

    void aDamagedManufacturerFileGivesAtMostFourMessages_data() {
        QTest::addColumn<int>("bad");
        QTest::addColumn<QString>("last");
        QTest::newRow("three") << 3
                               << QStringLiteral("This external manufacturer record is "
                                                 "incomplete!\nbad3");
        QTest::newRow("ten") << 10
                             << QStringLiteral("7 more incomplete external manufacturer records "
                                               "were skipped.");
    }

    void aDamagedManufacturerFileGivesAtMostFourMessages() {
        QFETCH(int, bad);
        QFETCH(QString, last);
        std::string file = "Lionel|6464|Boxcar|NYC|Jade|O\r\n";
        for (int k = 1; k <= bad; ++k)
            file += "bad" + std::to_string(k) + "\r\n";
        std::ofstream(DataPath("ExtMFile.mst").toStdString(), std::ios::binary) << file;
        SetQuietStart();
        QVERIFY(Start());
        m_app->YardView()->WaitForManufacturerLoader();
        QCoreApplication::processEvents();
        QCOMPARE(m_messages->Count(), qsizetype{std::min(bad, 4)});
        QCOMPARE(m_messages->Texts().first(),
                 QStringLiteral("This external manufacturer record is incomplete!\nbad1"));
        QCOMPARE(m_messages->Last().text, last);
        QCOMPARE(m_messages->Last().caption, captions::ApplicationTitle());
        QCOMPARE(m_messages->Last().icon, MessageIcon::Critical);
    }

    void theWelcomeChoiceIsCarriedOut_data() {
        QTest::addColumn<QString>("choice");
        QTest::addColumn<bool>("doNotShow");
        QTest::addColumn<QString>("opened");
        QTest::addColumn<bool>("helpShown");
        QTest::newRow("tutorial") << QStringLiteral("tutorial") << false
                                  << QStringLiteral("NewInventory1") << true;
        QTest::newRow("create") << QStringLiteral("create") << true
                                << QStringLiteral("NewInventory1") << false;
        QTest::newRow("open") << QStringLiteral("open") << false << QStringLiteral("Sample.inv")
                              << false;
        QTest::newRow("continue") << QStringLiteral("continue") << true << QString() << false;
    }

    void theWelcomeChoiceIsCarriedOut() {
        QFETCH(QString, choice);
        QFETCH(bool, doNotShow);
        QFETCH(QString, opened);
        QFETCH(bool, helpShown);
        QVERIFY(QDir(m_dir->path()).mkpath(CAppCommands::ManualFolder()));
        QVERIFY(QFile(DataPath("manual/getting-started.html")).open(QIODevice::WriteOnly));
        SetQuietStart();
        m_settings->SetShowWelcome(true);
        m_files.next = DataPath("Sample.inv");
        m_modals->QueueFor<CWelcomeDialog>([&](CWelcomeDialog* welcome) {
            welcome->findChild<QRadioButton*>(choice)->click();
            welcome->DoNotShowBox()->setChecked(doNotShow);
            welcome->accept();
        });
        QVERIFY(Start());
        QCOMPARE(m_modals->Pending(), 0);
        const QList<CChildFrame*> windows = InventoryWindows();
        QCOMPARE(windows.size(), opened.isEmpty() ? 0 : 1);
        if (!opened.isEmpty())
            QCOMPARE(QString::fromStdString(windows[0]->GetDocument().GetTitle()), opened);
        QCOMPARE(m_openedUrls.size(), helpShown ? 1 : 0);
        if (helpShown)
            QCOMPARE(m_openedUrls[0].fileName() + u'#' + m_openedUrls[0].fragment(),
                     CAppCommands::TutorialTopic());
        QCOMPARE(m_settings->ShowWelcome(), !doNotShow);
    }

    void aCancelledWelcomeWritesNothing() {
        SetQuietStart();
        m_settings->SetShowWelcome(true);
        m_modals->QueueFor<CWelcomeDialog>([](CWelcomeDialog* welcome) {
            welcome->DoNotShowBox()->setChecked(true);
            welcome->ChoiceButton(CWelcomeDialog::Choice::Create)->click();
            welcome->reject();
        });
        QVERIFY(Start());
        QVERIFY(InventoryWindows().isEmpty());
        QVERIFY(m_settings->ShowWelcome());
    }

    void anInventoryItemsCommentsAndPictureAreViewedAndChanged() {
        SetQuietStart();
        QVERIFY(Start({DataPath("Sample.inv")}));
        auto* view = qobject_cast<CSidingWardView*>(InventoryWindows().value(0)->widget());
        QVERIFY(view);
        auto& document = view->GetDocument();
        CInventoryTreeModel& model = *view->Model();
        const QModelIndex node = model.index(0, 0, model.RootIndex());
        CInventoryElement* item = model.ItemOf(node);
        QVERIFY(item);
        item->SetComments("");
        item->SetPicture("");
        view->Tree()->setCurrentIndex(node);
        CActionRegistry& actions = m_app->MainFrame()->Actions();
        const auto enabled = [&](int id) {
            actions.UpdateAction(id);
            return actions.Action(id)->isEnabled();
        };
        // Viewing needs something to view; changing only a selected item.
        QVERIFY(!enabled(CommandId::ViewItemComments));
        QVERIFY(!enabled(CommandId::ViewItemPicture));
        QVERIFY(enabled(CommandId::ChangeComments));
        QVERIFY(enabled(CommandId::ChangePicture));

        m_modals->QueueFor<CCommentsEditor>([](CCommentsEditor* editor) {
            auto* text = editor->findChild<CCommentsEdit*>();
            text->SetComments("Bought at the York meet");
            editor->accept();
        });
        actions.Action(CommandId::ChangeComments)->trigger();
        QCOMPARE(item->GetComments(), std::string("Bought at the York meet"));
        QVERIFY(document.IsModified());
        QVERIFY(enabled(CommandId::ViewItemComments));

        QString viewerTitle;
        m_modals->QueueFor<CCommentsViewer>([&viewerTitle](CCommentsViewer* viewer) {
            viewerTitle = viewer->windowTitle();
            viewer->accept();
        });
        actions.Action(CommandId::ViewItemComments)->trigger();
        QCOMPARE(viewerTitle, QStringLiteral("Comments for ") +
                                  QString::fromStdString(item->GetBodyClassification()));

        // "No Picture" leaves the item as it was.
        m_modals->QueueFor<CPictureDialog>([](CPictureDialog* dialog) { dialog->reject(); });
        actions.Action(CommandId::ChangePicture)->trigger();
        QCOMPARE(item->GetPicture(), std::string());
        QCOMPARE(m_modals->Pending(), 0);
        QVERIFY(m_modals->Unexpected().isEmpty());
    }

    // F1 opens the manual's page of what is in front: the yard, an inventory's list,
    // a modal dialog over them.
    void f1OpensTheManualPageOfTheWindowInFront() {
        SetQuietStart();
        QVERIFY(QDir(m_dir->path()).mkpath(CAppCommands::ManualFolder()));
        for (const char* page : {"index.html", "yard.html", "inventory-list.html", "import.html"})
            QVERIFY(
                QFile(m_dir->filePath(CAppCommands::ManualFolder() + u'/' + QLatin1String(page)))
                    .open(QIODevice::WriteOnly));
        QVERIFY(Start({DataPath("Sample.inv")}));
        CMainFrame* frame = m_app->MainFrame();
        if (CSplashWindow* splash = VisibleSplash())
            splash->close();
        frame->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(frame));
        const auto pressF1 = [this](QWidget* where) {
            m_openedUrls.clear();
            QTest::keyClick(where, Qt::Key_F1);
            const QUrl url = m_openedUrls.value(0);
            return QDir(m_dir->filePath(CAppCommands::ManualFolder()))
                       .relativeFilePath(url.toLocalFile()) +
                   u'#' + url.fragment();
        };
        CChildFrame* yard = nullptr;
        for (CChildFrame* window : frame->ChildFrames())
            if (&window->GetDocument() == m_app->Yard())
                yard = window;
        QVERIFY(yard);
        frame->MdiArea()->setActiveSubWindow(yard);
        QCOMPARE(pressF1(QApplication::focusWidget()), QStringLiteral("yard.html#window"));

        frame->MdiArea()->setActiveSubWindow(InventoryWindows().value(0));
        frame->Actions().Action(CommandId::ViewAsList)->trigger();
        auto* list = qobject_cast<CSidingWardView2*>(InventoryWindows().value(1)->widget());
        QVERIFY(list);
        list->findChild<QTableView*>()->setFocus();
        QCOMPARE(pressF1(QApplication::focusWidget()), QStringLiteral("inventory-list.html#list"));
        // The toolbar's focus still means the active document window.
        QCOMPARE(pressF1(frame), QStringLiteral("inventory-list.html#list"));

        QString inDialog;
        m_modals->QueueFor<CImportDialog>([&](CImportDialog* dialog) {
            inDialog = pressF1(dialog);
            dialog->reject();
        });
        // Only an empty inventory imports.
        frame->Actions().Action(CommandId::FileNew)->trigger();
        frame->UpdateCommandUi();
        frame->Actions().Action(CommandId::ImportInventory)->trigger();
        QCOMPARE(inDialog, QStringLiteral("import.html#import"));

        QCOMPARE(m_modals->Pending(), 0);
    }

    // View as a List opens one more window on the active inventory, beside its tree;
    // closing it leaves the inventory open in its tree.
    void viewAsListOpensAListOnTheActiveInventory() {
        SetQuietStart();
        QVERIFY(Start({DataPath("Sample.inv")}));
        CMainFrame* frame = m_app->MainFrame();
        CChildFrame* tree = InventoryWindows().value(0);
        frame->MdiArea()->setActiveSubWindow(tree);
        QAction* viewAsList = frame->Actions().Action(CommandId::ViewAsList);
        frame->UpdateCommandUi();
        QVERIFY(viewAsList->isEnabled());
        viewAsList->trigger();
        QCOMPARE(InventoryWindows().size(), 2);
        CChildFrame* listWindow = InventoryWindows().value(1);
        auto* list = qobject_cast<CSidingWardView2*>(listWindow->widget());
        QVERIFY(list != nullptr);
        QCOMPARE(&listWindow->GetDocument(), &tree->GetDocument());
        QCOMPARE(list->Model()->rowCount(), 10);
        // Beside the tree, each in half of the area.
        const QSize area = frame->MdiArea()->viewport()->size();
        QCOMPARE(tree->geometry(), QRect(0, 0, area.width() / 2, area.height()));
        QCOMPARE(listWindow->geometry(),
                 QRect(area.width() / 2, 0, area.width() - area.width() / 2, area.height()));
        // The list is the active window: the sort entries are off, the list's own
        // commands on.
        frame->MdiArea()->setActiveSubWindow(listWindow);
        frame->UpdateCommandUi();
        QVERIFY(!frame->Actions().Action(CommandId::SortByFirst)->isEnabled());
        QVERIFY(frame->Actions().Action(CommandId::EditFind)->isEnabled());
        listWindow->close();
        QCoreApplication::processEvents();
        QCOMPARE(InventoryWindows().size(), 1);
        QCOMPARE(m_app->DocManager().GetDocuments().size(), std::size_t{2});
    }

    // An archive saved from an inventory's File menu lists the pictures it lacks;
    // File > Open unpacks it into the folder the user names and opens the unpacked
    // inventory, whose items name the unpacked pictures.
    void anArchiveSavedFromTheFileMenuOpensUnpacked() {
        SetQuietStart();
        QFile picture(DataPath("loco.jpg"));
        QVERIFY(picture.open(QIODevice::WriteOnly) && picture.write("jpeg") == 4);
        picture.close();
        {
            CSidingWardDoc made;
            for (const char* name : {"loco.jpg", "gone.jpg"}) {
                made.AddItem(std::make_unique<CInventoryElement>(), nullptr);
                made.GetItemAt(made.GetItemCount() - 1)->SetPicture(DataPath(name).toStdString());
            }
            QVERIFY(made.OnSaveDocument(DataPath("pictured.inv").toStdString()).Succeeded());
        }
        QVERIFY(Start({DataPath("pictured.inv")}));
        CActionRegistry& actions = m_app->MainFrame()->Actions();
        m_app->MainFrame()->MdiArea()->setActiveSubWindow(InventoryWindows().value(0));
        actions.UpdateAction(CommandId::SaveCopyAsArchive);
        QVERIFY(actions.Action(CommandId::SaveCopyAsArchive)->isEnabled());
        m_files.next = DataPath("copy.gwz");
        actions.Action(CommandId::SaveCopyAsArchive)->trigger();
        QCOMPARE(m_files.proposed, DataPath("pictured.gwz"));
        QCOMPARE(m_messages->Last().text,
                 u"The archive was saved without these pictures, which could not be read:\n\n"_s +
                     DataPath("gone.jpg"));

        // The yard changed since: the archive's catalogue is offered and taken.
        const std::string heading = m_app->Yard()->GetHeading(0);
        m_app->Yard()->SetHeading(0, "Changed here");
        m_messages->QueueAnswers({MessageAnswer::Yes});
        m_files.queued = {DataPath("copy.gwz"), DataPath("unpacked")};
        actions.Action(CommandId::FileOpen)->trigger();
        QCOMPARE(m_messages->Last().text,
                 u"Use the archive's Classification Yard values and headings?"_s);
        if (ScreenshotsWanted())
            SaveArchivePictures(m_messages->Last());
        QCOMPARE(m_app->Yard()->GetHeading(0), heading);
        QVERIFY(m_files.openFilter.endsWith(u";;Gaugewright archives (*.gwz)"_s));
        QCOMPARE(m_files.proposed, DataPath("copy"));
        QCOMPARE(InventoryWindows().size(), 2);
        auto& unpacked = static_cast<CSidingWardDoc&>(InventoryWindows().value(1)->GetDocument());
        QCOMPARE(unpacked.GetPathName(), DataPath("unpacked/inventory.inv").toStdString());
        QCOMPARE(unpacked.GetItemAt(0)->GetPicture(),
                 DataPath("unpacked/pictures/1-loco.jpg").toStdString());
        QCOMPARE(unpacked.GetItemAt(1)->GetPicture(), DataPath("gone.jpg").toStdString());
    }

    void savedUnderAnotherNameTheWindowTakesTheName() {
        SetQuietStart();
        QVERIFY(Start());
        m_app->DocManager().NewDocument(*m_app->DocManager().FindTemplate(129));
        CDocument& document = InventoryWindows().value(0)->GetDocument();
        auto* tree = qobject_cast<CSidingWardView*>(InventoryWindows().value(0)->widget());
        QVERIFY(tree);
        // The tree's top line shows the new name at once.
        QSignalSpy relabelled(tree->Model(), &QAbstractItemModel::dataChanged);
        m_files.next = DataPath("renamed.inv");
        QVERIFY(m_app->DocManager().SaveDocumentAs(document, m_app->MainFrame()));
        QVERIFY(std::any_of(relabelled.begin(), relabelled.end(), [&](const QList<QVariant>& args) {
            return args[0].toModelIndex() == tree->Model()->RootIndex();
        }));
        QCOMPARE(tree->Model()->RootIndex().data().toString(), QStringLiteral("renamed.inv"));
        QCOMPARE(CChildFrame::ShownTitle(*InventoryWindows().value(0)),
                 QStringLiteral("renamed.inv"));
        QCOMPARE(CChildFrame::ShownTitle(*m_app->MainFrame()),
                 QStringLiteral("Gaugewright - renamed.inv"));
    }

    void theTitleNamesTheProgramOnceAndShowsUnsavedChanges() {
        // Qt adds the application's display name, when one is set, to every window
        // title that does not end with it; the program's titles name it themselves.
        CSidingWardApp::SetApplicationIdentity();
        const QString name = QCoreApplication::applicationName();
        QCoreApplication::setApplicationName(QStringLiteral("probe"));
        const bool displayNameSet = QGuiApplication::applicationDisplayName() != u"probe"_s;
        QCoreApplication::setApplicationName(name);
        const auto shownByDesktop = [displayNameSet](const QWidget* window) {
            const QString title = CChildFrame::ShownTitle(*window);
            const QString display = QGuiApplication::applicationDisplayName();
            return displayNameSet && !title.endsWith(display) ? title + u" \u2014 "_s + display
                                                              : title;
        };

        SetQuietStart();
        QVERIFY(Start({DataPath("Sample.inv")}));
        CMainFrame* frame = m_app->MainFrame();
        CChildFrame* inventory = InventoryWindows().value(0);
        frame->MdiArea()->setActiveSubWindow(inventory);
        QCOMPARE(shownByDesktop(frame), u"Gaugewright - Sample.inv"_s);
        QCOMPARE(shownByDesktop(inventory), u"Sample.inv"_s);

        // A change through a command: a copy of the selected item pasted.
        auto* view = qobject_cast<CSidingWardView*>(inventory->widget());
        view->SelectItem(static_cast<CSidingWardDoc&>(inventory->GetDocument()).GetItemAt(0));
        frame->Actions().Action(CommandId::EditCopy)->trigger();
        frame->Actions().Action(CommandId::EditPaste)->trigger();
        QVERIFY(inventory->GetDocument().IsModified());
        QCOMPARE(shownByDesktop(frame), u"Gaugewright - Sample.inv*"_s);
        QCOMPARE(shownByDesktop(inventory), u"Sample.inv*"_s);
        frame->Actions().Action(CommandId::FileSave)->trigger();
        QVERIFY(!inventory->GetDocument().IsModified());
        QCOMPARE(shownByDesktop(frame), u"Gaugewright - Sample.inv"_s);

        // A change without a command: the yard's buttons build an item and send it.
        m_app->Yard()->SetUseManufacturerFile(false);
        m_app->Yard()->SetUseWizard(false);
        CClassificationView* yard = m_app->YardView();
        QTest::mouseClick(yard->findChild<QPushButton*>(QStringLiteral("build")), Qt::LeftButton);
        QTest::mouseClick(yard->findChild<QPushButton*>(QStringLiteral("finished")),
                          Qt::LeftButton);
        QVERIFY(inventory->GetDocument().IsModified());
        QCOMPARE(shownByDesktop(inventory), u"Sample.inv*"_s);
        frame->MdiArea()->setActiveSubWindow(inventory);
        QCOMPARE(shownByDesktop(frame), u"Gaugewright - Sample.inv*"_s);
    }

    // The Edit menu names what Undo and Redo would do; undo gives the cut item back
    // at its place, selected, and the unsaved mark goes with the last change.
    void undoAndRedoNameTheChangeAndFollowTheSavedState() {
        SetQuietStart();
        QVERIFY(Start({DataPath("Sample.inv")}));
        CMainFrame* frame = m_app->MainFrame();
        CChildFrame* inventory = InventoryWindows().value(0);
        frame->MdiArea()->setActiveSubWindow(inventory);
        auto& document = static_cast<CSidingWardDoc&>(inventory->GetDocument());
        auto* view = qobject_cast<CSidingWardView*>(inventory->widget());
        QAction* undo = frame->Actions().Action(CommandId::EditUndo);
        QAction* redo = frame->Actions().Action(CommandId::EditRedo);
        frame->UpdateCommandUi();
        QVERIFY(!undo->isEnabled());
        QCOMPARE(undo->text(), u"&Undo\tCtrl+Z"_s);

        CInventoryElement* second = document.GetItemAt(1);
        view->SelectItem(second);
        frame->Actions().Action(CommandId::EditCut)->trigger();
        QCOMPARE(document.GetItemCount(), 9);
        QCOMPARE(undo->text(), u"&Undo Cut\tCtrl+Z"_s);
        QVERIFY(undo->isEnabled() && !redo->isEnabled());
        QCOMPARE(CChildFrame::ShownTitle(*inventory), u"Sample.inv*"_s);

        undo->trigger();
        QCOMPARE(document.GetItemAt(1), second);
        QCOMPARE(view->CurrentItem(), second);
        QCOMPARE(CChildFrame::ShownTitle(*inventory), u"Sample.inv"_s);
        QCOMPARE(redo->text(), u"&Redo Cut\tCtrl+Shift+Z"_s);
        QVERIFY(!undo->isEnabled());

        redo->trigger();
        QCOMPARE(document.GetItemCount(), 9);
        QCOMPARE(CChildFrame::ShownTitle(*inventory), u"Sample.inv*"_s);
    }

    void theMaximizedYardHasNoCloseButtonInTheMenuBar() {
        SetQuietStart();
        QVERIFY(Start({DataPath("Sample.inv")}));
        CMainFrame* frame = m_app->MainFrame();
        CChildFrame* inventory = InventoryWindows().value(0);
        CChildFrame* yardFrame = frame->ChildFrames().value(0);
        QVERIFY(&yardFrame->GetDocument() == m_app->Yard());
        // The buttons a maximized window puts into the menu bar's corner.
        const auto cornerOf = [frame](CChildFrame* window) -> QWidget* {
            frame->MdiArea()->setActiveSubWindow(window);
            window->showMaximized();
            QWidget* corner = frame->menuBar()->cornerWidget(Qt::TopRightCorner);
            return corner != nullptr && corner == window->maximizedButtonsWidget() ? corner
                                                                                   : nullptr;
        };
        // The button under each point of the corner's middle line, as its style finds them.
        const auto buttonsOf = [](QWidget* corner) {
            QStyleOptionComplex option;
            option.initFrom(corner);
            option.subControls = QStyle::SC_All;
            QList<QStyle::SubControl> buttons;
            for (int x = 0; x < corner->width(); ++x) {
                const QStyle::SubControl hit = corner->style()->hitTestComplexControl(
                    QStyle::CC_MdiControls, &option, QPoint(x, corner->height() / 2), corner);
                if (hit != QStyle::SC_None && !buttons.contains(hit))
                    buttons << hit;
            }
            return buttons;
        };

        QWidget* yardCorner = cornerOf(yardFrame);
        QVERIFY(yardCorner);
        QVERIFY(!buttonsOf(yardCorner).contains(QStyle::SC_MdiCloseButton));
        QVERIFY(buttonsOf(yardCorner).contains(QStyle::SC_MdiNormalButton));
        const int yardWidth = yardCorner->sizeHint().width();

        // An inventory keeps its close button there, and it closes the window.
        QWidget* inventoryCorner = cornerOf(inventory);
        QVERIFY(inventoryCorner);
        QVERIFY(buttonsOf(inventoryCorner).contains(QStyle::SC_MdiCloseButton));
        QVERIFY(yardWidth < inventoryCorner->sizeHint().width());
        QStyleOptionComplex option;
        option.initFrom(inventoryCorner);
        option.subControls = QStyle::SC_All;
        const QRect close = inventoryCorner->style()->subControlRect(
            QStyle::CC_MdiControls, &option, QStyle::SC_MdiCloseButton, inventoryCorner);
        QTest::mouseClick(inventoryCorner, Qt::LeftButton, {}, close.center());
        QTRY_VERIFY(InventoryWindows().isEmpty());
    }

    void openingAnOpenInventoryBringsItsWindowForward() {
        SetQuietStart();
        QVERIFY(Start({DataPath("Sample.inv")}));
        CChildFrame* inventory = InventoryWindows().value(0);
        inventory->showMinimized();
        CChildFrame* yard = m_app->MainFrame()->ChildFrames().value(0);
        m_app->MainFrame()->MdiArea()->setActiveSubWindow(yard);
        QCOMPARE(m_app->DocManager().OpenDocumentFile(DataPath("Sample.inv")),
                 &inventory->GetDocument());
        QCOMPARE(InventoryWindows().size(), 1);
        QCOMPARE(m_app->MainFrame()->ActiveChildFrame(), inventory);
        QVERIFY(!inventory->isMinimized());
    }

    void theToolbarFollowsEverySelectionAndWindowChange() {
        SetQuietStart();
        QVERIFY(Start({DataPath("Sample.inv")}));
        CMainFrame* frame = m_app->MainFrame();
        CChildFrame* inventory = InventoryWindows().value(0);
        auto* view = qobject_cast<CSidingWardView*>(inventory->widget());
        QVERIFY(view);
        CFerroTreeCtrl* tree = view->Tree();
        CInventoryTreeModel* model = view->Model();
        const QModelIndex root = model->RootIndex();
        QModelIndex boxcar;
        for (int row = 0; row < model->rowCount(root); ++row) {
            if (model->Label(model->index(row, 0, root)) == QStringLiteral("Boxcar"))
                boxcar = model->index(row, 0, root);
        }
        QVERIFY(boxcar.isValid());
        tree->expand(boxcar);
        const QModelIndex detail = model->index(0, 0, boxcar);
        QVERIFY(detail.isValid());
        const auto click = [tree](const QModelIndex& node) {
            tree->scrollTo(node);
            QTest::mouseClick(tree->viewport(), Qt::LeftButton, {},
                              tree->visualRect(node).center());
        };
        // The toolbar buttons that differ from what their menu entries would show now.
        const auto stale = [frame] {
            QStringList ids;
            for (const int id : CMainFrame::ToolbarLayout()) {
                if (id != 0 && frame->Actions().Action(id)->isEnabled() !=
                                   frame->Router().Update(id).IsEnabled())
                    ids << QString::number(id);
            }
            return ids.join(QLatin1Char(' '));
        };
        const auto enabled = [frame](int id) { return frame->Actions().Action(id)->isEnabled(); };
        using namespace CommandId;

        click(boxcar);
        QCOMPARE(stale(), QString()); // click an item
        click(root);
        QCOMPARE(stale(), QString()); // click the root
        QVERIFY(enabled(EditDelete) && enabled(DollarGainLoss) && enabled(PercentGainLoss));
        QVERIFY(!enabled(EditCut));
        click(detail);
        QCOMPARE(stale(), QString()); // click a detail line
        QVERIFY(enabled(EditCut) && enabled(EditCopy) && enabled(EditDelete));
        QTest::keyClick(tree, Qt::Key_Home);
        QCOMPARE(stale(), QString()); // keyboard
        QVERIFY(!enabled(EditCut));
        view->SelectItem(model->ItemOf(boxcar));
        QCOMPARE(stale(), QString()); // selected by the program
        QVERIFY(enabled(EditCut));

        // Another window, and the yard's own buttons.
        CChildFrame* yardFrame = frame->ChildFrames().value(0);
        frame->MdiArea()->setActiveSubWindow(yardFrame);
        QCOMPARE(stale(), QString()); // the yard active
        QVERIFY(enabled(BuildItem) && !enabled(EditCut));
        m_app->Yard()->SetUseManufacturerFile(false);
        m_app->Yard()->SetUseWizard(false);
        CClassificationView* yard = m_app->YardView();
        QTest::mouseClick(yard->findChild<QPushButton*>(QStringLiteral("build")), Qt::LeftButton);
        QVERIFY(yard->IsBuildInProgress());
        QCOMPARE(stale(), QString()); // a build started by its button
        QVERIFY(!enabled(BuildItem));
        QTest::mouseClick(yard->findChild<QPushButton*>(QStringLiteral("cancel")), Qt::LeftButton);
        QVERIFY(!yard->IsBuildInProgress());
        QCOMPARE(stale(), QString()); // the build cancelled by its button
        QVERIFY(enabled(BuildItem));
        frame->MdiArea()->setActiveSubWindow(inventory);
        QCOMPARE(stale(), QString()); // the inventory active again
        QVERIFY(enabled(EditCut));
    }

    void theRecentListLosesOnlyItsFirstYardEntry_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QStringList>("after");
        // "@" stands for the test's data folder, which this yard's file is in.
        const QString other = QStringLiteral("/x/Classyrd.mst");
        QTest::newRow("this yard first")
            << QStringList{QStringLiteral("@/a.inv"), QStringLiteral("@/Classyrd.mst"), other,
                           QStringLiteral("@/b.inv")}
            << QStringList{QStringLiteral("@/a.inv"), other, QStringLiteral("@/b.inv")};
        QTest::newRow("another yard") << QStringList{other, QStringLiteral("@/a.inv")}
                                      << QStringList{QStringLiteral("@/a.inv")};
        // A full list keeps its last entry although the yard is opened before the clean-up.
        QTest::newRow("another yard in a full list")
            << QStringList{QStringLiteral("@/a.inv"), other, QStringLiteral("@/b.inv"),
                           QStringLiteral("@/c.inv")}
            << QStringList{QStringLiteral("@/a.inv"), QStringLiteral("@/b.inv"),
                           QStringLiteral("@/c.inv")};
        QTest::newRow("this yard in a full list")
            << QStringList{QStringLiteral("@/a.inv"), QStringLiteral("@/Classyrd.mst"),
                           QStringLiteral("@/b.inv"), QStringLiteral("@/c.inv")}
            << QStringList{QStringLiteral("@/a.inv"), QStringLiteral("@/b.inv"),
                           QStringLiteral("@/c.inv")};
    }

    void theRecentListLosesOnlyItsFirstYardEntry() {
        QFETCH(QStringList, before);
        QFETCH(QStringList, after);
        before.replaceInStrings(QStringLiteral("@"), m_dir->path());
        after.replaceInStrings(QStringLiteral("@"), m_dir->path());
        m_settings->SetRecentFiles(before);
        QVERIFY(Start());
        QCOMPARE(m_settings->RecentFiles(), after);
        // The File menu lists what the store now holds.
        QCOMPARE(m_app->DocManager().GetRecentFiles().GetFiles(), after);
        CActionRegistry& actions = m_app->MainFrame()->Actions();
        QStringList shown;
        QStringList expected;
        for (int n = 0; n < CommandId::FileMruCount; ++n) {
            actions.UpdateAction(CommandId::FileMru1 + n);
            QAction* entry = actions.Action(CommandId::FileMru1 + n);
            if (entry->isVisible() && entry->isEnabled())
                shown << entry->text();
            if (n < after.size())
                expected << QStringLiteral("&%1 %2").arg(n + 1).arg(after.at(n));
        }
        QCOMPARE(shown, expected);
    }

    void anInventoryOnTheCommandLineOpens_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("starts");
        QTest::addColumn<QStringList>("language");
        QTest::newRow("sample") << QStringLiteral("Sample.inv") << true << QStringList();
        QTest::newRow("missing") << QStringLiteral("missing.inv") << false << QStringList();
        QTest::newRow("with a language")
            << QStringLiteral("Sample.inv") << true << QStringList{u"--lang"_s, u"en"_s};
        QTest::newRow("with a language joined")
            << QStringLiteral("Sample.inv") << true << QStringList{u"--lang=en"_s};
    }

    void anInventoryOnTheCommandLineOpens() {
        QFETCH(QString, name);
        QFETCH(bool, starts);
        QFETCH(QStringList, language);
        QCOMPARE(Start(language + QStringList{QStringLiteral("--data-dir"), m_dir->path(),
                                              m_dir->filePath(name)}),
                 starts);
        if (starts) {
            QCOMPARE(InventoryWindows().size(), 1);
            QCOMPARE(InventoryWindows()[0]->GetDocument().GetTitle(), std::string("Sample.inv"));
            QVERIFY(m_app->YardView()->RegisteredInventories().size() == 1);
        } else {
            QCOMPARE(m_messages->Last().text,
                     m_dir->filePath(name) + QStringLiteral(" was not found."));
        }
    }

    void anItemTravelsFromTheYardIntoANewInventoryThatIsSaved() {
        QVERIFY(Start());
        CDocument* inventory =
            m_app->DocManager().NewDocument(*m_app->DocManager().FindTemplate(129));
        QCOMPARE(inventory->GetTitle(), std::string("NewInventory1"));
        CClassificationView* yard = m_app->YardView();
        // A build by hand: the listing and the wizard have tests of their own.
        m_app->Yard()->SetUseManufacturerFile(false);
        m_app->Yard()->SetUseWizard(false);
        QTest::mouseClick(yard->findChild<QPushButton*>(QStringLiteral("build")), Qt::LeftButton);
        QVERIFY(yard->IsBuildInProgress());
        auto* body = yard->findChild<QComboBox*>(QStringLiteral("attribute0"));
        body->setCurrentIndex(body->findText(QStringLiteral("Caboose")));
        QTest::keyClicks(yard->findChild<QLineEdit*>(QStringLiteral("itemNumber")),
                         QStringLiteral("6417"));
        QTest::mouseClick(yard->findChild<QPushButton*>(QStringLiteral("finished")),
                          Qt::LeftButton);
        yard->SendItemToInventory();
        auto* document = static_cast<CSidingWardDoc*>(inventory);
        QCOMPARE(document->GetItemCount(), 1);
        QCOMPARE(document->GetItemAt(0)->GetBodyClassification(), std::string("Caboose"));
        QCOMPARE(document->GetItemAt(0)->GetEntryYear(), 2026);
        auto* view = qobject_cast<CSidingWardView*>(InventoryWindows()[0]->widget());
        QVERIFY(view);
        QCOMPARE(view->CountText(), QStringLiteral("1"));
        QCOMPARE(view->CurrentItem(), document->GetItemAt(0));

        // Closing the window asks about saving; Yes saves under the chosen name.
        m_files.next = DataPath("trains.inv");
        m_messages->QueueAnswers({MessageAnswer::Yes});
        InventoryWindows()[0]->close();
        QTRY_VERIFY(InventoryWindows().isEmpty());
        QCOMPARE(m_messages->Last().text, QStringLiteral("Save changes to NewInventory1?"));
        QVERIFY(QFileInfo::exists(DataPath("trains.inv")));
        QVERIFY(m_app->YardView()->RegisteredInventories().empty());

        if (const QByteArray dir = qgetenv("GAUGEWRIGHT_SCREENSHOTS"); !dir.isEmpty()) {
            // The yard and two inventories, side by side.
            Copy(DataPath("Sample.inv"), DataPath("Layout.inv"));
            m_app->DocManager().OpenDocumentFile(DataPath("Layout.inv"));
            m_app->DocManager().OpenDocumentFile(DataPath("Sample.inv"));
            m_app->MainFrame()->resize(1280, 860);
            m_app->YardView()->parentWidget()->showNormal();
            m_app->MainFrame()->TileVertically();
            QTest::qWait(100);
            QDir().mkpath(QString::fromLocal8Bit(dir));
            m_app->MainFrame()->grab().save(QString::fromLocal8Bit(dir) +
                                            QStringLiteral("/MainWindow.png"));
            // The sample as a tree and as a list beside it.
            for (CChildFrame* frame : InventoryWindows()) {
                if (frame->windowTitle().startsWith(QStringLiteral("Layout")))
                    frame->showMinimized();
                else
                    m_app->MainFrame()->MdiArea()->setActiveSubWindow(frame);
            }
            m_app->MainFrame()->Actions().Action(CommandId::ViewAsList)->trigger();
            m_app->YardView()->parentWidget()->showMinimized();
            m_app->MainFrame()->TileVertically();
            m_app->MainFrame()->MdiArea()->setActiveSubWindow(InventoryWindows().last());
            QTest::qWait(100);
            m_app->MainFrame()->grab().save(QString::fromLocal8Bit(dir) +
                                            QStringLiteral("/TreeAndList.png"));
        }
    }

    // The manual's pictures of the sample's windows as the default catalogue shows
    // them: the tree, Inventory Details, the list (sorted, filtered, with pictures)
    // and the picture pane.
    void manualPictures() {
        if (!ScreenshotsWanted())
            QSKIP("GAUGEWRIGHT_SCREENSHOTS not set");
        // The thumbnails of the test's photo stay in the test's folder.
        const QByteArray cache = qgetenv("XDG_CACHE_HOME");
        qputenv("XDG_CACHE_HOME", QFile::encodeName(DataPath("cache")));
        const auto restore = qScopeGuard([&cache] {
            if (cache.isNull())
                qunsetenv("XDG_CACHE_HOME");
            else
                qputenv("XDG_CACHE_HOME", cache);
        });
        SetQuietStart();
        QVERIFY(Start());
        QVERIFY(m_app->DocManager().OpenDocumentFile(DataPath("Sample.inv")));
        CMainFrame& frame = *m_app->MainFrame();
        frame.resize(1000, 640);
        m_app->YardView()->parentWidget()->showMinimized();
        CChildFrame* treeFrame = InventoryWindows().value(0);
        QVERIFY(treeFrame);
        auto* tree = qobject_cast<CSidingWardView*>(treeFrame->widget());
        auto& sample = static_cast<CSidingWardDoc&>(treeFrame->GetDocument());
        CInventoryElement* diesel = nullptr;
        for (int k = 0; k < sample.GetItemCount(); ++k) {
            if (sample.GetItemAt(k)->GetBodyClassification() == "Locomotive - Diesel")
                diesel = sample.GetItemAt(k);
        }
        QVERIFY(tree && diesel);
        treeFrame->showNormal();
        treeFrame->setGeometry(0, 0, 440, 590);
        tree->SelectItem(diesel);
        tree->Tree()->expand(tree->Tree()->currentIndex());
        QTest::qWait(50);
        QVERIFY(SaveScreenshot(*treeFrame, QStringLiteral("InventoryTree-sample.png")));

        CInventoryDetailsDialog::Flags flags;
        flags.fill(true);
        CInventoryDetailsDialog::Headings headings;
        for (int k = 0; k < kAttributeCount; ++k)
            headings[static_cast<std::size_t>(k)] = sample.GetClassificationYard()->GetHeading(k);
        CInventoryDetailsDialog details(flags, headings, *m_messages);
        details.show();
        QVERIFY(QTest::qWaitForWindowExposed(&details));
        QVERIFY(SaveScreenshot(details, QStringLiteral("InventoryDetails-sample.png")));
        details.close();

        frame.MdiArea()->setActiveSubWindow(treeFrame);
        frame.Actions().Action(CommandId::ViewAsList)->trigger();
        CChildFrame* listFrame = InventoryWindows().value(1);
        auto* list = listFrame ? qobject_cast<CSidingWardView2*>(listFrame->widget()) : nullptr;
        QVERIFY(list);
        listFrame->showNormal();
        listFrame->setGeometry(0, 0, 760, 400);
        QHeaderView* header = list->List()->horizontalHeader();
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                          QPoint(header->sectionViewportPosition(1) + 5, header->height() / 2));
        QVERIFY(SaveScreenshot(*listFrame, QStringLiteral("InventoryList-sample.png")));
        auto* filter = list->findChild<QLineEdit*>(QStringLiteral("filter"));
        QTest::keyClicks(filter, QStringLiteral("Atlas"));
        QVERIFY(SaveScreenshot(*listFrame, QStringLiteral("InventoryList-filter.png")));
        listFrame->close();

        // The pictures in a new list, in the inventory's own order.
        const QString photo = DataPath("f3-warbonnet.jpg");
        QVERIFY(RollingStockPhoto().save(photo));
        diesel->SetPicture(*text::ToBytes(photo));
        frame.MdiArea()->setActiveSubWindow(treeFrame);
        frame.Actions().Action(CommandId::ViewAsList)->trigger();
        listFrame = InventoryWindows().value(1);
        list = listFrame ? qobject_cast<CSidingWardView2*>(listFrame->widget()) : nullptr;
        QVERIFY(list);
        listFrame->showNormal();
        listFrame->setGeometry(0, 0, 760, 400);
        frame.MdiArea()->setActiveSubWindow(listFrame);
        frame.Actions().UpdateAll();
        frame.Actions().Action(CommandId::ShowPictures)->trigger();
        list->SelectItem(diesel);
        const auto picture = [list, diesel] {
            const CInventoryListModel& model = *list->Model();
            return model.data(model.index(model.RowOf(diesel), 0), Qt::DecorationRole)
                .value<QIcon>()
                .pixmap(64, 64)
                .size();
        };
        // The thumbnail in place of the placeholder.
        QTRY_VERIFY(picture().width() == 64 && picture().height() < 64);
        QVERIFY(SaveScreenshot(*listFrame, QStringLiteral("InventoryList-pictures.png")));
        listFrame->close();

        // The tree beside the pane.
        frame.resize(900, 560);
        frame.PictureDock()->show();
        frame.MdiArea()->setActiveSubWindow(treeFrame);
        frame.TileVertically();
        tree->SelectItem(diesel);
        frame.Actions().UpdateAll();
        QTRY_COMPARE(frame.PicturePane()->Path(), photo);
        QTRY_VERIFY(!frame.PicturePane()->ShownImage().isNull());
        // Decoded again at the pane's size once it has settled.
        QTest::qWait(400);
        QVERIFY(SaveScreenshot(frame, QStringLiteral("PicturePane.png")));
        // Hidden before the frame goes: its commands are gone by the time the
        // pane would tell them that it closes.
        frame.PictureDock()->hide();
    }

    void theYardWindowCarriesItsOptionsMenu() {
        QVERIFY(Start());
        CChildFrame* yardFrame = m_app->MainFrame()->ChildFrames().value(0);
        QVERIFY(yardFrame && &yardFrame->GetDocument() == m_app->Yard());
        yardFrame->showNormal();
        m_app->MainFrame()->MdiArea()->setActiveSubWindow(yardFrame);
        QStringList titles;
        for (QAction* action : m_app->MainFrame()->menuBar()->actions())
            titles << action->text();
        QCOMPARE(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Options"),
                                      QStringLiteral("&View"), QStringLiteral("&Window"),
                                      QStringLiteral("&Help")}));
        CActionRegistry& actions = m_app->MainFrame()->Actions();
        actions.UpdateAll();
        QVERIFY(actions.Action(CommandId::BuildItem)->isEnabled());
        QVERIFY(!actions.Action(CommandId::YardFinish)->isEnabled());
        QCOMPARE(actions.Action(CommandId::YardItemNumberBuilder)->text(),
                 QStringLiteral("Use Item Number Builder"));
        QCOMPARE(actions.Action(CommandId::FileSave)->text(),
                 QStringLiteral("&Save Classification Yard\tCtrl+S"));
        m_app->Yard()->SetUseManufacturerFile(false);
        m_app->Yard()->SetUseWizard(false);
        actions.Action(CommandId::BuildItem)->trigger();
        QVERIFY(m_app->YardView()->IsBuildInProgress());
        actions.UpdateAll();
        QVERIFY(actions.Action(CommandId::YardFinish)->isEnabled());
    }

    void anInventoryWindowCarriesTheInventoryMenus() {
        QVERIFY(Start());
        CDocument* inventory = m_app->DocManager().OpenDocumentFile(DataPath("Sample.inv"));
        QVERIFY(inventory);
        CChildFrame* frame = InventoryWindows().value(0);
        QVERIFY(frame);
        m_app->MainFrame()->MdiArea()->setActiveSubWindow(frame);
        QStringList titles;
        QMenu* viewMenu = nullptr;
        for (QAction* action : m_app->MainFrame()->menuBar()->actions()) {
            titles << action->text();
            if (action->text() == QStringLiteral("&View"))
                viewMenu = action->menu();
        }
        QCOMPARE(titles, (QStringList{QStringLiteral("&File"), QStringLiteral("&Edit"),
                                      QStringLiteral("&View"), QStringLiteral("&Options"),
                                      QStringLiteral("&Quick Facts"), QStringLiteral("&Window"),
                                      QStringLiteral("&Help")}));
        QVERIFY(viewMenu);
        QMenu* sortMenu = viewMenu->actions().value(0)->menu();
        QVERIFY(sortMenu);
        QCOMPARE(sortMenu->title(), QStringLiteral("Sort Inventory by..."));
        QCOMPARE(sortMenu->actions().size(), 14);

        // The view registered through the document templates and answers commands.
        QCOMPARE(m_app->YardView()->RegisteredInventories().size(), std::size_t(1));
        CActionRegistry& actions = m_app->MainFrame()->Actions();
        actions.UpdateAll();
        QVERIFY(actions.Action(32874)->isEnabled());
        actions.Action(32874)->trigger();
        const int items = static_cast<CSidingWardDoc*>(inventory)->GetItemCount();
        QCOMPARE(m_messages->Last().text,
                 QStringLiteral("Entire Inventory\n\nItem Count: %1").arg(items));
        // An inventory with items can be exported, not imported into.
        QVERIFY(actions.Action(CommandId::ExportInventory)->isEnabled());
        QVERIFY(!actions.Action(CommandId::ImportInventory)->isEnabled());
    }

    void exitAsksAfterTheSoundAndSavesTheYardSilently() {
        QVERIFY(Start());
        CDocument* inventory = m_app->DocManager().OpenDocumentFile(DataPath("Sample.inv"));
        inventory->SetModifiedFlag(true);
        CClassificationDoc* yard = m_app->Yard();
        yard->AddValue(*yard->GetValueList(5), "Sn3");
        m_log.Clear();

        m_messages->QueueAnswers({MessageAnswer::No});
        QVERIFY(!m_app->MainFrame()->close());
        QCOMPARE(m_log.Entries(), (QStringList{QStringLiteral("sound GAUGEEND.WAV"),
                                               QStringLiteral("message Exit The Gaugewright?")}));

        m_messages->QueueAnswers({MessageAnswer::Yes, MessageAnswer::Cancel});
        QVERIFY(!m_app->MainFrame()->close());
        QCOMPARE(m_messages->Last().text, QStringLiteral("Save changes to Sample.inv?"));

        m_messages->QueueAnswers({MessageAnswer::Yes, MessageAnswer::No});
        QVERIFY(m_app->MainFrame()->close());
        CClassificationDoc reread(m_clock);
        QVERIFY(reread.OnOpenDocument(DataPath("Classyrd.mst").toStdString()).Succeeded());
        QCOMPARE(reread.GetValueList(5)->back(), std::string("Sn3"));
    }
};

QTEST_MAIN(SidingWardAppTest)
#include "SidingWardAppTest.moc"
