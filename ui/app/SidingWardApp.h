#pragma once

#include <functional>
#include <map>
#include <memory>

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QUrl>

#include "ui/common/MenuLayout.h"
#include "ui/inventory/InventoryViewServices.h"

class CAppCommands;
class CHelpKey;
class CSidingWardDoc;
class CAppSettings;
class CChildFrame;
class CClassificationDoc;
class CClassificationFrame;
class CClassificationView;
class CClock;
class CDataDirectory;
class CDesktopIntegration;
class CDocManager;
class CInventoryArchiveCommands;
class CDocTemplate;
class CDocument;
class CFileChooser;
class CImportExportCommands;
class CInsuranceReportCommands;
class CBreakdownCommands;
class CInventoryDocCommands;
class CInventoryHistory;
class CReportPrintCommands;
class CTextEditor;
class CThumbnailLoader;
class CDocCommands;
class CMainFrame;
class CMessageSink;
class COpenRequestQueue;
class CPictureViewer;
class CRecoveryWriter;
class CCommentsPictureCommands;
class CSingleInstance;
class CSoundPlayer;
class CSplashWindow;

// The application: the start-up sequence, the document types, the windows of the
// open documents and the orderly end. Everything it uses is handed in, so tests run
// it with their own settings store, data directory, recorders and clock.
class CSidingWardApp : public QObject {
    Q_OBJECT

public:
    struct Services {
        CAppSettings& settings;
        CMessageSink& messages;
        CSoundPlayer& sounds;
        CFileChooser& files;
        const CClock& clock;
        CSingleInstance* singleInstance = nullptr; // null: no single-instance check
        CDesktopIntegration* desktop = nullptr;    // null: the desktop is not told of us
        // Shows a URL (the help) in the desktop's viewer; null: help cannot be shown.
        std::function<bool(const QUrl&)> openUrl = {};
        // Where copies of modified inventories are kept for recovery after a crash;
        // empty: none are kept and none are offered.
        QString recoveryFolder = {};
    };

    // dataDirectory: where Classyrd.mst, ExtMFile.mst and the sounds are.
    CSidingWardApp(Services services, QString dataDirectory, QObject* parent = nullptr);
    ~CSidingWardApp() override;

    // The names the program gives itself before any window or settings store exists:
    // organization, application and desktop file. No display name: Qt would add it
    // to every window title that does not end with it, and the titles name the
    // program themselves.
    static void SetApplicationIdentity();
    // The menu bar while the yard window is active: its Options menu and the yard's save.
    static CMenuLayout YardMenuLayout();
    // The menu bar while an inventory window is active: the frame's, with the
    // inventory's own commands.
    static CMenuLayout InventoryMenuLayout();

    // The start-up sequence. False ends the program at once (another copy runs, the
    // inventory named on the command line could not be opened, or the user closed
    // the main window before start-up ended).
    bool InitInstance(const QStringList& arguments);

    // The inventory named on a command line: the first argument that is not an
    // option ("--data-dir" takes the next one with it); empty when none, and empty
    // too when the command line asks for anything else (such as printing a file).
    static QString InventoryArgument(const QStringList& arguments);
    // Whether the command line lets the splash window and the Tip of the Day show:
    // not when it asks the program to start as an embedded or automation server.
    static bool SplashAllowed(const QStringList& arguments);
    // The name of a switch ("-p", "--print", "/Embedding"), lower case without its
    // leading marks; empty when argument is no switch.
    static QString SwitchName(const QString& argument);

    CMainFrame* MainFrame() const { return m_mainFrame.get(); }
    CDocManager& DocManager() const { return *m_docManager; }
    CClassificationDoc* Yard() const { return m_yard; }
    CClassificationView* YardView() const { return m_yardView; }
    CAppCommands& AppCommands() const { return *m_appCommands; }

private:
    void RegisterTemplates();
    void OpenYard();
    void OnDocumentOpened(CDocument* document, CDocTemplate* docTemplate);
    void OnDocumentClosing(CDocument* document);
    void OpenInventoryWindow(CDocument& document);
    // One more window on an inventory: the list, beside the tree when both fit.
    void OpenListWindow(CSidingWardDoc& inventory);
    // The inventory's window frame around view, with its menus and document commands.
    CChildFrame* AddInventoryFrame(CDocument& document, QWidget* view);
    CInventoryViewServices InventoryViewServices();
    // The end of the program, after the exit question: the save prompts, the yard's
    // silent save, the wait for the loader and the settings. False keeps running.
    bool CloseAll();
    // The last start-up step: the Tip of the Day, then the Welcome dialog and its
    // choice; each waits for the splash to go rather than cover it.
    void OfferStartUpDialogs(bool tipAllowed);
    // Returns when the splash has gone (at once when there is none); the windows
    // stay live meanwhile, so a key or a click still removes it. False when the main
    // window was closed meanwhile.
    bool WaitForSplash();
    void RunWelcome();
    // Offers the copies a run that did not end properly left, then keeps copies of
    // this run's modified inventories.
    void StartRecovery();
    void ShowLoaderMessage(const QString& text);

    Services m_services;
    std::shared_ptr<const CMenuLayout> m_inventoryMenus;
    std::shared_ptr<const CMenuLayout> m_yardMenus;
    QString m_dataDirectory;
    // Before the document manager, whose messages pass through it.
    std::unique_ptr<COpenRequestQueue> m_openRequests;
    std::unique_ptr<CDocManager> m_docManager;
    // After the document manager: it lets go of the documents before they go.
    std::unique_ptr<CRecoveryWriter> m_recovery;
    std::unique_ptr<CDocCommands> m_docCommands;
    std::unique_ptr<CAppCommands> m_appCommands;
    std::unique_ptr<CHelpKey> m_helpKey;
    std::unique_ptr<CPictureViewer> m_pictureViewer;
    std::unique_ptr<CCommentsPictureCommands> m_commentsPictures;
    std::unique_ptr<CTextEditor> m_textEditor;
    std::unique_ptr<CImportExportCommands> m_importExport;
    std::unique_ptr<CReportPrintCommands> m_printing;
    std::unique_ptr<CBreakdownCommands> m_breakdowns;
    // Every window's thumbnails, so a picture is made and kept once.
    std::unique_ptr<CThumbnailLoader> m_thumbnails;
    std::unique_ptr<CInsuranceReportCommands> m_insurance;
    std::unique_ptr<CInventoryArchiveCommands> m_archives;
    std::map<const CDocument*, std::unique_ptr<CInventoryDocCommands>> m_inventoryCommands;
    // What each open inventory can undo; it goes when the inventory closes.
    std::map<const CDocument*, std::unique_ptr<CInventoryHistory>> m_histories;
    std::unique_ptr<CMainFrame> m_mainFrame;
    CClassificationDoc* m_yard = nullptr;
    CClassificationView* m_yardView = nullptr;
    CClassificationFrame* m_yardFrame = nullptr;
    QPointer<CSplashWindow> m_splash;
};
