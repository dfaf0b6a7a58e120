#pragma once

#include <functional>
#include <vector>

#include <QList>
#include <QMainWindow>

#include "ui/common/ActionRegistry.h"
#include "ui/common/CommandRouter.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/MenuLayout.h"

class CChildFrame;
class CDocument;
class CMessageSink;
class CSoundPlayer;
class QCloseEvent;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QToolBar;
class QDockWidget;
class CPicturePane;

// The three lock-key indicators of the status bar.
enum class LockKey { Caps, Num, Scroll };

// The program's main window: the document windows inside an MDI area, the menu
// bar (the active document type's, or the frame's own when none is active), the
// toolbar, the status bar and the keys that reach every window. Commands go through
// its router: active view, its document, this frame, then the application.
class CMainFrame : public QMainWindow, public CCommandTarget {
    Q_OBJECT

public:
    // The sink and the player must outlive the frame.
    CMainFrame(CMessageSink& messages, CSoundPlayer& sounds, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The menus shown while no document window is active, and the toolbar buttons
    // in order (0 stands for a separator).
    static CMenuLayout DefaultMenuLayout();
    // The frame's own commands (Exit, the View and Window entries, and the keys that
    // no window of the program takes) as the action registry shows them.
    static std::vector<CCommandInfo> Commands();
    static std::vector<int> ToolbarLayout();

    CCommandRouter& Router() { return m_router; }
    CActionRegistry& Actions() { return *m_actions; }
    QMdiArea* MdiArea() const { return m_mdiArea; }
    QToolBar* ToolBar() const { return m_toolBar; }
    // The dock that shows the current item's picture (View > Picture Pane).
    CPicturePane* PicturePane() const { return m_picturePane; }
    QDockWidget* PictureDock() const { return m_pictureDock; }
    // The Window menu; null while no document window is open.
    QMenu* WindowMenu() const { return m_windowMenu; }
    QLabel* LockIndicator(LockKey key) const;

    // The application's command handler, asked last (not owned; null clears it).
    void SetApplicationTarget(CCommandTarget* target);
    // Asked after the user confirmed the exit question, to offer the saves; false keeps
    // the window open.
    void SetCloseHook(std::function<bool()> hook) { m_closeHook = std::move(hook); }

    // Shows the frame as the program starts: maximized.
    void ShowAtStartUp();

    // Adds a document window and shows it; the MDI area takes ownership.
    CChildFrame* AddChildFrame(CChildFrame* child);
    // The active document window; null when there is none.
    CChildFrame* ActiveChildFrame() const;
    QList<CChildFrame*> ChildFrames() const;
    // Puts left in the left half of the area and right in the right half, each the
    // full height and neither maximized nor minimized, when both fit there: each
    // half at least as wide, and the area as high, as each window's least size.
    // False leaves both where they were.
    bool PlaceSideBySide(CChildFrame* left, CChildFrame* right);
    // Closes, without asking, every window of the document (it is going away).
    void CloseFramesOf(const CDocument& document);

    // The window arrangements of the Window menu.
    void Cascade();
    void TileHorizontally(); // one row per window, each the full width
    void TileVertically();   // one column per window, each the full height
    void ArrangeIcons();     // minimized windows side by side along the bottom

    // Titles of the document windows and of the frame, after a document's name changed.
    void UpdateTitles();

    // Runs the update handlers again; views call it when their selection changes.
    void UpdateCommandUi();

    // CCommandTarget: exit, toolbar and status bar toggles, window arrangements.
    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;
    void OnUpdateCommand(int id, CCommandUpdate& update) override;

protected:
    // Plays the closing sound, asks the exit question, then the close hook.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePictureDock();
    // The picture pane shows the picture of the active inventory window's item.
    void FollowCurrentPicture();
    void CreateToolBar();
    void CreateStatusBar();
    void OnActiveWindowChanged();
    void RebuildMenus();
    void FillWindowList();
    void Tile(Qt::Orientation orientation);
    QList<QMdiSubWindow*> ArrangedWindows() const;
    // The area windows are arranged in: all of it but the row of minimized windows.
    QRect ArrangeableArea() const;
    void SetLockState(LockKey key, bool on);

    CMessageSink& m_messages;
    CSoundPlayer& m_sounds;
    CCommandRouter m_router;
    CActionRegistry* m_actions;
    CMenuLayout m_defaultMenus;
    QMdiArea* m_mdiArea;
    QToolBar* m_toolBar = nullptr;
    QDockWidget* m_pictureDock = nullptr;
    CPicturePane* m_picturePane = nullptr;
    QMenu* m_windowMenu = nullptr;
    QList<QMenu*> m_menus;
    QList<QAction*> m_windowListActions;
    const CMenuLayout* m_shownMenus = nullptr;
    bool m_shownWindowMenu = false;
    QLabel* m_lockLabels[3] = {};
    std::function<bool()> m_closeHook;
};
