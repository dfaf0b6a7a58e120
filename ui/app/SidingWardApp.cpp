#include "ui/app/SidingWardApp.h"

#include <algorithm>

#include <QCoreApplication>
#include <QDir>
#include <QDockWidget>
#include <QEventLoop>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QTimer>

#include "model/app/TipsFile.h"
#include "model/core/InventoryArchive.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/DocTemplate.h"
#include "model/framework/DocumentView.h"
#include "model/yard/ClassificationDoc.h"
#include "model/yard/ManufacturerFile.h"
#include "ui/app/AppCommands.h"
#include "ui/app/AppSettings.h"
#include "ui/app/DesktopIntegration.h"
#include "ui/app/HelpKey.h"
#include "ui/app/InventoryArchiveCommands.h"
#include "ui/app/InventoryDocCommands.h"
#include "ui/app/LeftOverCopies.h"
#include "ui/app/MainFrame.h"
#include "ui/app/OpenRequestQueue.h"
#include "ui/app/RecoveryWriter.h"
#include "ui/app/SingleInstance.h"
#include "ui/app/SplashWindow.h"
#include "ui/app/TipOfTheDayDialog.h"
#include "ui/app/WelcomeDialog.h"
#include "ui/common/Captions.h"
#include "ui/common/ChildFrame.h"
#include "ui/common/CommandIds.h"
#include "ui/common/DesktopAssociations.h"
#include "ui/common/DocCommands.h"
#include "ui/common/DocManager.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/PicturePane.h"
#include "ui/common/SoundPlayer.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailLoader.h"
#include "ui/common/UserMessage.h"
#include "ui/inventory/CommentsEditor.h"
#include "ui/inventory/CommentsPictureCommands.h"
#include "ui/inventory/ImportExportCommands.h"
#include "ui/inventory/InsuranceReportCommands.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryHistory.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/PictureDialog.h"
#include "ui/inventory/PictureViewer.h"
#include "ui/inventory/ReportPrintCommands.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/inventory/SidingWardView2.h"
#include "ui/inventory/TextEditor.h"
#include "ui/quickfacts/BreakdownCommands.h"
#include "ui/yard/ClassificationFrame.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/YardCommandIds.h"

namespace {

constexpr int kInventoryTemplate = 129;
constexpr int kInventoryListTemplate = 131;
constexpr int kYardTemplate = 130;

const char* const kInventoryString =
    "Gaugewright\nNewInventory\nInventory\nInventory (*.inv)\n.inv\n"
    "Gaugewrt.Document\nGaugewright Inventory File";
const char* const kInventoryListString =
    "Gaugewright\nNewInventory\n\nInventory (*.inv)\n.inv\nGaugewrt.Document\nGaugewr Document";
const char* const kYardString =
    "Classification\nClassification\n\n\n\nGaugewrt.Document\nGaugewr Document";

// The filter descriptions of the document strings, shown translated by the document manager.
[[maybe_unused]] const char* const kFilterTexts[] = {
    QT_TRANSLATE_NOOP("CDocManager", "Inventory (*.inv)")};

const QString kYardFile = QStringLiteral("Classyrd.mst");

} // namespace

CMenuLayout CSidingWardApp::YardMenuLayout() {
    using namespace CommandId;
    using Item = CMenuItem;
    CMenuLayout layout = CMainFrame::DefaultMenuLayout();
    layout.front() = Item::Popup(
        QCoreApplication::translate("Menus", "&File"),
        {Item::Command(FileNew), Item::Command(FileOpen), Item::Command(FileSave),
         Item::Separator(), Item::Command(FilePrintSetup), Item::Separator(),
         Item::Command(FileMru1), Item::Command(FileMru1 + 1), Item::Command(FileMru1 + 2),
         Item::Command(FileMru1 + 3), Item::Separator(), Item::Command(AppExit)});
    layout.insert(
        layout.begin() + 1,
        Item::Popup(QCoreApplication::translate("Menus", "&Options"),
                    {Item::Command(BuildItem), Item::Command(YardFinish), Item::Command(YardCancel),
                     Item::Separator(), Item::Command(CustomizeYard),
                     Item::Command(UseManufacturerFile), Item::Command(YardItemNumberBuilder),
                     Item::Separator(), Item::Command(SendItemToInventory)}));
    return layout;
}

CMenuLayout CSidingWardApp::InventoryMenuLayout() {
    using namespace CommandId;
    using Item = CMenuItem;
    std::vector<CMenuItem> sortEntries;
    for (int attribute = 0; attribute < SortByCount; ++attribute)
        sortEntries.push_back(Item::Command(SortByFirst + attribute));
    CMenuLayout layout = CMainFrame::DefaultMenuLayout();
    layout.front() = Item::Popup(QCoreApplication::translate("Menus", "&File"),
                                 {Item::Command(FileNew),
                                  Item::Command(FileOpen),
                                  Item::Command(FileClose),
                                  Item::Command(FileSave),
                                  Item::Command(FileSaveAs),
                                  Item::Command(SaveCopyAsArchive),
                                  Item::Separator(),
                                  Item::Command(ExportInventory),
                                  Item::Command(ImportInventory),
                                  Item::Separator(),
                                  Item::Command(FilePrint),
                                  Item::Command(FilePrintPreview),
                                  Item::Command(FilePrintSetup),
                                  Item::Command(InsuranceReport),
                                  Item::Separator(),
                                  Item::Command(FileMru1),
                                  Item::Command(FileMru1 + 1),
                                  Item::Command(FileMru1 + 2),
                                  Item::Command(FileMru1 + 3),
                                  Item::Separator(),
                                  Item::Command(AppExit)});
    const auto edit = Item::Popup(
        QCoreApplication::translate("Menus", "&Edit"),
        {Item::Command(EditUndo), Item::Command(EditRedo), Item::Separator(),
         Item::Command(EditCut), Item::Command(EditCopy), Item::Command(EditPaste),
         Item::Separator(), Item::Command(EditFind), Item::Separator(), Item::Command(EditDelete)});
    // The frame's View menu (toolbar, status bar) with the inventory's own entries.
    CMenuItem view = layout[1];
    view.items.insert(
        view.items.begin(),
        {Item::Popup(QCoreApplication::translate("Menus", "Sort Inventory by..."), sortEntries),
         Item::Separator(), Item::Command(ExpandInventory), Item::Command(CollapseInventory),
         Item::Separator(), Item::Command(InventoryDetails), Item::Separator(),
         Item::Command(ViewAsList), Item::Command(ShowPictures), Item::Separator()});
    layout[1] = view;
    const auto options =
        Item::Popup(QCoreApplication::translate("Menus", "&Options"),
                    {Item::Command(BuildItem), Item::Command(SendToYard), Item::Separator(),
                     Item::Command(ViewItemComments), Item::Command(ViewItemPicture),
                     Item::Separator(), Item::Command(IntegrityCheck)});
    const auto quickFacts = Item::Popup(
        QCoreApplication::translate("Menus", "&Quick Facts"),
        {Item::Command(DollarGainLoss), Item::Command(PercentGainLoss), Item::Separator(),
         Item::Command(WorstPerformer), Item::Command(BestPerformer), Item::Separator(),
         Item::Popup(QCoreApplication::translate("Menus", "&Expenditures..."),
                     {Item::Command(TotalExpenditures), Item::Command(ExpendituresByPurchaseDate),
                      Item::Command(ExpendituresByManufacturer),
                      Item::Command(ExpendituresByBodyClassification)}),
         Item::Popup(QCoreApplication::translate("Menus", "&Asset Value..."),
                     {Item::Command(TotalAssetValue), Item::Command(AssetValueByPurchaseDate),
                      Item::Command(AssetValueByManufacturer),
                      Item::Command(AssetValueByBodyClassification)}),
         Item::Popup(QCoreApplication::translate("Menus", "&Item Count..."),
                     {Item::Command(ItemCountTotal), Item::Command(ItemCountByManufacturer),
                      Item::Command(ItemCountByBodyClassification)}),
         Item::Separator(), Item::Command(CustomReport), Item::Command(ValueHistory)});
    layout.insert(layout.begin() + 1, edit);
    layout.insert(layout.begin() + 3, options);
    layout.insert(layout.begin() + 4, quickFacts);
    return layout;
}

CSidingWardApp::CSidingWardApp(Services services, QString dataDirectory, QObject* parent)
    : QObject(parent), m_services(services),
      m_inventoryMenus(std::make_shared<CMenuLayout>(InventoryMenuLayout())),
      m_yardMenus(std::make_shared<CMenuLayout>(YardMenuLayout())),
      m_dataDirectory(std::move(dataDirectory)),
      m_openRequests(std::make_unique<COpenRequestQueue>(services.messages)),
      m_docManager(std::make_unique<CDocManager>(*m_openRequests, services.files)),
      m_pictureViewer(std::make_unique<CPictureViewer>(services.messages,
                                                       CDesktopAssociations::ForCurrentUser())),
      m_commentsPictures(std::make_unique<CCommentsPictureCommands>(
          services.messages, services.files, *m_pictureViewer)),
      m_textEditor(
          std::make_unique<CTextEditor>(services.messages, CDesktopAssociations::ForCurrentUser())),
      m_importExport(std::make_unique<CImportExportCommands>(services.messages, services.files,
                                                             *m_textEditor, &services.settings)),
      m_printing(std::make_unique<CReportPrintCommands>(
          services.messages, services.clock,
          [this]() -> QPrinter& { return m_appCommands->Printer(); })),
      m_breakdowns(std::make_unique<CBreakdownCommands>(
          [this]() -> QPrinter& { return m_appCommands->Printer(); }, services.clock,
          &services.messages)),
      m_thumbnails(std::make_unique<CThumbnailLoader>(CThumbnailStore::ForCurrentUser())),
      m_insurance(std::make_unique<CInsuranceReportCommands>(services.messages, services.files,
                                                             services.clock, services.settings,
                                                             CThumbnailStore::ForCurrentUser())),
      // An archive carries the catalogue this run uses.
      m_archives(
          std::make_unique<CInventoryArchiveCommands>(services.messages, services.files, [this] {
              return m_yard ? m_yard->GetPathName() : std::string();
          })) {
    m_docManager->SetUnpacker(
        CInventoryArchiveCommands::Filter(), CInventoryArchiveCommands::Suffix(),
        [this](const QString& path, QWidget* parent) {
            std::optional<QString> inventory = m_archives->Unpack(path, parent);
            // The catalogue the archive brought is offered, never forced.
            if (inventory && m_yardView) {
                using inventoryarchive::kCatalogueEntry;
                const QString catalogue = QFileInfo(*inventory)
                                              .dir()
                                              .filePath(QString::fromUtf8(kCatalogueEntry.data(),
                                                                          kCatalogueEntry.size()));
                if (QFileInfo::exists(catalogue))
                    m_yardView->OfferCatalogue(QFile::encodeName(catalogue).toStdString(), parent);
            }
            return inventory;
        });
    connect(m_docManager.get(), &CDocManager::DocumentOpened, this,
            &CSidingWardApp::OnDocumentOpened);
    connect(m_docManager.get(), &CDocManager::DocumentClosing, this,
            &CSidingWardApp::OnDocumentClosing);
    connect(m_docManager.get(), &CDocManager::DocumentRenamed, this, [this](CDocument* document) {
        if (!m_mainFrame)
            return;
        m_mainFrame->UpdateTitles();
        // The tree's top line is the inventory's file name.
        for (CChildFrame* frame : m_mainFrame->ChildFrames())
            if (auto* tree = qobject_cast<CSidingWardView*>(frame->widget());
                tree && &frame->GetDocument() == document)
                tree->Model()->RootLabelChanged();
    });
    connect(m_docManager.get(), &CDocManager::DocumentReopened, this, [this](CDocument* document) {
        if (!m_mainFrame)
            return;
        for (CChildFrame* frame : m_mainFrame->ChildFrames()) {
            if (&frame->GetDocument() == document) {
                ActivateFrameOf(frame->widget());
                return;
            }
        }
    });
}

CSidingWardApp::~CSidingWardApp() {
    // The wait for the loader runs the event loop, which must not reach windows that
    // are half destroyed: it comes first.
    if (m_yardView)
        m_yardView->WaitForManufacturerLoader();
    help::SetPageOpener({});
    // The windows let go of their documents before the documents go.
    m_mainFrame.reset();
}

QString CSidingWardApp::SwitchName(const QString& argument) {
    // "/p" and its kind are the switches of the other platform's shells; a path
    // that starts with "/" is a file here.
    static const QStringList kSlashSwitches = {
        QStringLiteral("p"),           QStringLiteral("pt"),        QStringLiteral("dde"),
        QStringLiteral("automation"),  QStringLiteral("embedding"), QStringLiteral("regserver"),
        QStringLiteral("unregserver"), QStringLiteral("unregister")};
    if (argument.startsWith(u'-')) {
        QString name = argument.toLower();
        while (name.startsWith(u'-'))
            name.remove(0, 1);
        return name.isEmpty() ? QStringLiteral("-") : name;
    }
    if (argument.startsWith(u'/') && kSlashSwitches.contains(argument.mid(1).toLower()))
        return argument.mid(1).toLower();
    return {};
}

QString CSidingWardApp::InventoryArgument(const QStringList& arguments) {
    QString inventory;
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString& argument = arguments[k];
        // The options main() has read, with their values.
        if (argument == QStringLiteral("--data-dir") || argument == QStringLiteral("--lang")) {
            ++k;
            continue;
        }
        if (argument.startsWith(QStringLiteral("--data-dir=")) ||
            argument.startsWith(QStringLiteral("--lang=")))
            continue;
        // Any other request (printing a file, starting as a server...) is not carried
        // out, and start-up goes on as without arguments: no file is opened either.
        if (!SwitchName(argument).isEmpty())
            return {};
        if (inventory.isEmpty())
            inventory = argument;
    }
    return inventory;
}

bool CSidingWardApp::SplashAllowed(const QStringList& arguments) {
    for (qsizetype k = 1; k < arguments.size(); ++k) {
        const QString name = SwitchName(arguments[k]);
        if (name == QLatin1String("embedding") || name == QLatin1String("automation"))
            return false;
    }
    return true;
}

void CSidingWardApp::SetApplicationIdentity() {
    QCoreApplication::setOrganizationName(QStringLiteral("Larkmoor Works"));
    QCoreApplication::setApplicationName(QStringLiteral("TheGaugewright"));
    QGuiApplication::setDesktopFileName(QStringLiteral("gaugewright"));
}

bool CSidingWardApp::InitInstance(const QStringList& arguments) {
    const QString inventory = InventoryArgument(arguments);
    // 1. One running copy: a later start hands its file over and ends.
    if (CSingleInstance* single = m_services.singleInstance) {
        if (single->Start(inventory) == CSingleInstance::Role::HandedOver)
            return false;
        connect(single, &CSingleInstance::activationRequested, this,
                [this] { CSingleInstance::BringForward(m_mainFrame.get()); });
        m_openRequests->SetOpener(
            [this](const QString& path) {
                m_docManager->OpenDocumentFile(path, nullptr, m_mainFrame.get());
            },
            [this] { return m_mainFrame.get(); });
        connect(single, &CSingleInstance::fileRequested, this, [this](const QString& path) {
            CSingleInstance::BringForward(m_mainFrame.get());
            m_openRequests->Request(path);
        });
    }
    // 4. The first start of a release shows the Welcome dialog again and the yard minimized.
    m_services.settings.CheckRelease();
    // 5. The command line decides whether the splash may show.
    const bool splashAllowed = SplashAllowed(arguments);
    // 6. The start-up sound.
    m_services.sounds.Play(QStringLiteral("GAUGEWRT.WAV"));
    // 7. The recent file list.
    m_docManager->GetRecentFiles().SetFiles(m_services.settings.RecentFiles());
    // 8. The inventory types.
    RegisterTemplates();
    // 9. Opening an inventory from the file manager starts this program with it.
    if (m_services.desktop)
        m_services.desktop->RegisterIfMissing(QCoreApplication::applicationFilePath());
    // 10. The main window; 11. no empty inventory is made.
    m_mainFrame = std::make_unique<CMainFrame>(m_services.messages, m_services.sounds);
    // A double-click on the picture pane opens the picture as View Item Picture does.
    connect(m_mainFrame->PicturePane(), &CPicturePane::Activated, this,
            [this](const QString& path) { m_pictureViewer->View(m_mainFrame.get(), path); });
    // The pane shows the large thumbnail at once, when there is one, while the
    // picture itself is decoded.
    CPicturePane* pane = m_mainFrame->PicturePane();
    const auto largeThumbnail = [this](const QString& path) {
        const QPixmap thumbnail = m_thumbnails->Thumbnail(path, ThumbnailSize::Large);
        const bool stands =
            !thumbnail.isNull() && thumbnail.cacheKey() != m_thumbnails->Placeholder().cacheKey();
        return stands ? thumbnail.toImage() : QImage();
    };
    pane->SetQuickImage(largeThumbnail);
    connect(m_thumbnails.get(), &CThumbnailLoader::ThumbnailReady, pane,
            [pane, largeThumbnail](const QString& path, ThumbnailSize size) {
                if (size == ThumbnailSize::Large && path == pane->Path())
                    pane->OfferQuickImage(path, largeThumbnail(path));
            });
    m_docCommands =
        std::make_unique<CDocCommands>(*m_docManager, [this] { return m_mainFrame.get(); });
    m_appCommands = std::make_unique<CAppCommands>(
        CAppCommands::Services{m_services.settings, m_services.messages, m_services.sounds,
                               m_services.openUrl},
        m_dataDirectory, [this] { return m_mainFrame.get(); }, *m_docCommands);
    m_helpKey = std::make_unique<CHelpKey>([this] { m_appCommands->OnCommand(CommandId::Help); });
    help::SetPageOpener([this](const QString& page) { m_appCommands->ShowHelp(page); });
    m_mainFrame->SetApplicationTarget(m_appCommands.get());
    if (splashAllowed)
        m_splash = CSplashWindow::Show(m_mainFrame.get());
    m_mainFrame->SetCloseHook([this] { return CloseAll(); });
    // 12. The Classification Yard; whatever happens, start-up goes on.
    OpenYard();
    // 13. An older version listed the yard among the recent files; the entry goes from
    // the File menu as well as from the store.
    const QStringList stored = m_services.settings.RecentFiles();
    if (m_services.settings.RemoveYardFromRecentFiles() > 0) {
        const auto yardEntry = std::find_if(stored.begin(), stored.end(), [](const QString& file) {
            return file.contains(QStringLiteral("Classyrd.mst"));
        });
        if (yardEntry != stored.end())
            m_docManager->GetRecentFiles().Remove(*yardEntry);
    }
    // 14.
    m_mainFrame->ShowAtStartUp();
    m_mainFrame->PictureDock()->setVisible(m_services.settings.ShowPicturePane());
    StartRecovery();
    // 15. The inventory of the command line; when it cannot be opened the program ends.
    if (!inventory.isEmpty())
        return m_docManager->OpenDocumentFile(inventory, nullptr, m_mainFrame.get()) != nullptr;
    // 16.
    OfferStartUpDialogs(splashAllowed);
    return m_mainFrame->isVisible();
}

void CSidingWardApp::StartRecovery() {
    const QString& folder = m_services.recoveryFolder;
    if (folder.isEmpty())
        return;
    // Looked for before this run's writer takes its lock in the folder.
    const QList<CLeftOverCopy> copies =
        CLeftOverCopies::Find(folder, QCoreApplication::applicationPid());
    m_recovery = std::make_unique<CRecoveryWriter>(folder);
    connect(m_recovery.get(), &CRecoveryWriter::WriteFailed, this, [this](const QString& text) {
        if (m_mainFrame)
            m_mainFrame->statusBar()->showMessage(text);
    });
    if (copies.isEmpty() || !WaitForSplash())
        return;
    const MessageAnswer answer =
        m_services.messages.Show(m_mainFrame.get(), CLeftOverCopies::Question(copies));
    for (const CLeftOverCopy& copy : copies) {
        if (answer == MessageAnswer::Discard) {
            CLeftOverCopies::Discard(copy);
        } else if (answer == MessageAnswer::Recover && !copy.damaged &&
                   m_docManager->OpenRecovered(copy.copyPath, copy.originalPath, copy.title,
                                               m_mainFrame.get())) {
            // The inventory is open and modified: this run keeps its own copy of it.
            CLeftOverCopies::Discard(copy);
        }
    }
}

void CSidingWardApp::OfferStartUpDialogs(bool tipAllowed) {
    if (tipAllowed) {
        // Made even when it is not shown: every start moves on to the next tip.
        CTipOfTheDayDialog tip(
            m_services.settings, m_services.messages,
            QDir(m_dataDirectory).filePath(QString::fromLatin1(CTipsFile::kFileName)),
            m_mainFrame.get());
        if (tip.ShowAtStartUp()) {
            if (!WaitForSplash())
                return;
            tip.exec();
        }
    }
    if (m_services.settings.ShowWelcome() && WaitForSplash())
        RunWelcome();
}

bool CSidingWardApp::WaitForSplash() {
    if (m_splash && m_splash->isVisible()) {
        QEventLoop loop;
        connect(m_splash, &CSplashWindow::dismissed, &loop, &QEventLoop::quit);
        loop.exec();
    }
    return m_mainFrame->isVisible();
}

void CSidingWardApp::RunWelcome() {
    CWelcomeDialog welcome(m_mainFrame.get());
    if (welcome.exec() != QDialog::Accepted)
        return;
    const CWelcomeDialog::Choice choice = welcome.GetChoice();
    if (choice == CWelcomeDialog::Choice::Tutorial || choice == CWelcomeDialog::Choice::Create) {
        // The yard may have started minimized; the new inventory goes beside it.
        if (QMdiSubWindow* active = m_mainFrame->MdiArea()->activeSubWindow())
            active->showNormal();
        m_appCommands->OnCommand(CommandId::FileNew);
        m_mainFrame->TileVertically();
        if (choice == CWelcomeDialog::Choice::Tutorial)
            m_appCommands->ShowHelp(CAppCommands::TutorialTopic());
    } else if (choice == CWelcomeDialog::Choice::Open) {
        m_docManager->OpenWithDialog(m_mainFrame.get());
    }
    m_services.settings.SetShowWelcome(!welcome.DoNotShowAgain());
}

void CSidingWardApp::RegisterTemplates() {
    m_docManager->AddTemplate(std::make_unique<CDocTemplate>(
        kInventoryTemplate, kInventoryString, [] { return std::make_unique<CSidingWardDoc>(); }));
    m_docManager->AddTemplate(
        std::make_unique<CDocTemplate>(kInventoryListTemplate, kInventoryListString,
                                       [] { return std::make_unique<CSidingWardDoc>(); }));
}

void CSidingWardApp::OpenYard() {
    const std::string manufacturerFile =
        QDir(m_dataDirectory)
            .filePath(QString::fromLatin1(manufacturerfile::kFileName))
            .toStdString();
    // The loader thread's messages are shown by the user-interface thread.
    auto onMessage = [this](const CUserText& message) {
        const QString text = UserMessage(message, MessageBytes::Windows1252);
        QMetaObject::invokeMethod(
            this, [this, text] { ShowLoaderMessage(text); }, Qt::QueuedConnection);
    };
    const CClock& clock = m_services.clock;
    CDocTemplate& yard = m_docManager->AddTemplate(std::make_unique<CDocTemplate>(
        kYardTemplate, kYardString, [&clock, manufacturerFile, onMessage] {
            return std::make_unique<CClassificationDoc>(clock, manufacturerFile, onMessage);
        }));
    const QString path = QDir(m_dataDirectory).filePath(kYardFile);
    // The yard is no recent file: opening it neither lists it nor pushes the last
    // entry off a full list.
    const QStringList recentFiles = m_docManager->GetRecentFiles().GetFiles();
    m_docManager->OpenDocumentFile(path, &yard, m_mainFrame.get());
    m_docManager->GetRecentFiles().SetFiles(recentFiles);
    m_docManager->GetRecentFiles().Remove(path);
}

void CSidingWardApp::ShowLoaderMessage(const QString& text) {
    m_services.messages.Show(m_mainFrame.get(), {text, captions::ApplicationTitle(),
                                                 MessageIcon::Critical, MessageButtons::Ok});
}

void CSidingWardApp::OnDocumentOpened(CDocument* document, CDocTemplate* docTemplate) {
    if (docTemplate->GetResourceId() != kYardTemplate) {
        OpenInventoryWindow(*document);
        if (m_recovery)
            m_recovery->Watch(static_cast<CSidingWardDoc&>(*document));
        return;
    }
    m_yard = static_cast<CClassificationDoc*>(document);
    m_yardView = new CClassificationView(*m_yard, m_services.clock, m_services.messages);
    // The build's comments and picture are edited in the dialogs the inventories use.
    m_yardView->SetCommentsEditor([this](QWidget* parent, const std::string& comments) {
        return CCommentsEditor::Run(parent, comments, m_services.messages);
    });
    m_yardView->SetPictureChooser([this](QWidget* parent, const std::string& path) {
        return CPictureDialog::Run(parent, path, false, *m_pictureViewer, m_services.files,
                                   m_services.messages);
    });
    m_yardView->SetActions(&m_mainFrame->Actions());
    connect(m_yardView, &CClassificationView::CommandsChanged, m_mainFrame.get(),
            &CMainFrame::UpdateCommandUi);
    m_yardFrame = new CClassificationFrame(m_services.settings, *m_yard, m_yardView);
    m_yardFrame->SetMenuLayout(m_yardMenus);
    m_mainFrame->AddChildFrame(m_yardFrame);
}

CInventoryViewServices CSidingWardApp::InventoryViewServices() {
    // Asked for when an inventory window registers: the yard window is made at
    // start-up, before any inventory window, and stays until the program ends.
    auto findYard = [this]() -> CYardWindow* { return m_yardView; };
    return {m_services.messages,      m_services.sounds,    m_services.settings, findYard,
            m_commentsPictures.get(), m_importExport.get(), m_printing.get(),    m_breakdowns.get(),
            m_thumbnails.get(),       &m_services.clock,    m_insurance.get()};
}

void CSidingWardApp::OpenInventoryWindow(CDocument& document) {
    auto& inventory = static_cast<CSidingWardDoc&>(document);
    auto* view = new CSidingWardView(inventory, InventoryViewServices());
    view->SetActions(&m_mainFrame->Actions());
    // Undo and redo act in the window the user works in, which selects the item.
    auto activeView = [this, &inventory]() -> CDocumentView* {
        const CChildFrame* frame = m_mainFrame->ActiveChildFrame();
        return frame && &frame->GetDocument() == &inventory
                   ? dynamic_cast<CDocumentView*>(frame->widget())
                   : nullptr;
    };
    auto& history = m_histories[&document];
    history = std::make_unique<CInventoryHistory>(inventory, activeView);
    connect(history.get(), &CInventoryHistory::Changed, m_mainFrame.get(),
            &CMainFrame::UpdateCommandUi);
    m_inventoryCommands[&document] = std::make_unique<CInventoryDocCommands>(
        *m_docManager, document, [this] { return m_mainFrame.get(); },
        [this, &inventory] { OpenListWindow(inventory); }, history.get(),
        [this, &inventory] { m_archives->SaveCopy(m_mainFrame.get(), inventory); });
    AddInventoryFrame(document, view);
}

void CSidingWardApp::OpenListWindow(CSidingWardDoc& inventory) {
    // The tree the list is to stand beside: the active window when it is the
    // inventory's tree, else its first tree.
    CChildFrame* tree = nullptr;
    for (CChildFrame* frame : m_mainFrame->ChildFrames()) {
        if (&frame->GetDocument() == &inventory &&
            qobject_cast<CSidingWardView*>(frame->widget()) &&
            (!tree || frame == m_mainFrame->ActiveChildFrame()))
            tree = frame;
    }
    auto* view = new CSidingWardView2(inventory, InventoryViewServices());
    view->SetActions(&m_mainFrame->Actions());
    CChildFrame* list = AddInventoryFrame(inventory, view);
    if (tree)
        m_mainFrame->PlaceSideBySide(tree, list);
}

CChildFrame* CSidingWardApp::AddInventoryFrame(CDocument& document, QWidget* view) {
    auto* child = new CChildFrame(document, view);
    child->SetDocumentTarget(m_inventoryCommands[&document].get());
    child->SetMenuLayout(m_inventoryMenus);
    CDocument* closing = &document;
    child->SetCloseHook([this, closing] {
        int frames = 0;
        for (const CChildFrame* frame : m_mainFrame->ChildFrames())
            frames += &frame->GetDocument() == closing ? 1 : 0;
        if (frames > 1)
            return true;
        // The last window of the inventory: the manager asks about saving, then closes
        // the document and its windows, once this close event is over.
        QTimer::singleShot(0, this, [this, closing] {
            const auto open = m_docManager->GetDocuments();
            if (std::find(open.begin(), open.end(), closing) != open.end())
                m_docManager->CloseDocument(*closing, m_mainFrame.get());
        });
        return false;
    });
    return m_mainFrame->AddChildFrame(child);
}

void CSidingWardApp::OnDocumentClosing(CDocument* document) {
    if (m_recovery && document != m_yard)
        m_recovery->Forget(static_cast<CSidingWardDoc&>(*document));
    m_mainFrame->CloseFramesOf(*document);
    m_inventoryCommands.erase(document);
    m_histories.erase(document);
}

bool CSidingWardApp::CloseAll() {
    // The save prompt for every inventory; the yard is saved without asking.
    for (CDocument* document : m_docManager->GetDocuments()) {
        if (document != m_yard && !m_docManager->SaveModified(*document, m_mainFrame.get()))
            return false;
    }
    if (m_yard) {
        const FileResult saved = m_yard->SaveOnClose();
        if (!saved.Succeeded()) {
            m_services.messages.Show(m_mainFrame.get(),
                                     {UserMessage(saved), captions::ApplicationTitle(),
                                      MessageIcon::Warning, MessageButtons::Ok});
        }
    }
    m_services.settings.SetRecentFiles(m_docManager->GetRecentFiles().GetFiles());
    m_services.settings.SetShowPicturePane(!m_mainFrame->PictureDock()->isHidden());
    // Documents are no longer asked about; their windows go with the main window.
    for (CDocument* document : m_docManager->GetDocuments())
        document->SetModifiedFlag(false);
    if (m_yardView)
        m_yardView->WaitForManufacturerLoader();
    if (m_yardFrame)
        m_yardFrame->AllowClose();
    m_services.settings.Flush();
    return true;
}
