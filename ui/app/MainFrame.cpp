#include "ui/app/MainFrame.h"

#include <algorithm>
#include <map>

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDockWidget>
#include <QGuiApplication>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

#include "model/core/InventoryElement.h"
#include "ui/app/ProgramCommands.h"
#include "ui/common/Captions.h"
#include "ui/common/ChildFrame.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/PicturePane.h"
#include "ui/common/SoundPlayer.h"
#include "ui/common/Text.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryEditTarget.h"
#include "ui/yard/YardCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

const QString kFrameTitle = u"Gaugewright"_s;

// Read when the menus are built, after the translators are installed.
QString HelpMenuTitle() {
    return QCoreApplication::translate("Menus", "&Help");
}

// The X11 modifier bits of the lock keys as they arrive with a key event.
constexpr quint32 kX11LockMask = 0x02;
constexpr quint32 kX11NumLockMask = 0x10;

bool IsWindowCommand(int id) {
    return id == CommandId::WindowCascade || id == CommandId::WindowTileHorizontally ||
           id == CommandId::WindowTileVertically || id == CommandId::WindowArrangeIcons;
}

} // namespace

CMainFrame::CMainFrame(CMessageSink& messages, CSoundPlayer& sounds, QWidget* parent)
    : QMainWindow(parent), m_messages(messages), m_sounds(sounds),
      m_actions(new CActionRegistry(m_router, this)), m_defaultMenus(DefaultMenuLayout()),
      m_mdiArea(new QMdiArea(this)) {
    help::SetHelpPage(this, QStringLiteral("getting-started.html#main-window"));
    m_actions->Register(ProgramCommands());
    setWindowTitle(kFrameTitle);
    setWindowIcon(QIcon(u":/icons/app/gaugewright.svg"_s));
    setCentralWidget(m_mdiArea);
    m_mdiArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdiArea->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    m_router.SetSource(RouteLevel::View, [this]() -> CCommandTarget* {
        CChildFrame* child = ActiveChildFrame();
        return child ? child->GetViewTarget() : nullptr;
    });
    m_router.SetSource(RouteLevel::Document, [this]() -> CCommandTarget* {
        CChildFrame* child = ActiveChildFrame();
        return child ? child->GetDocumentTarget() : nullptr;
    });
    m_router.SetTarget(RouteLevel::Frame, this);

    // Every command's keys work in every window, whichever menu bar is shown.
    addActions(m_actions->AllActions());
    CreateToolBar();
    CreateStatusBar();
    CreatePictureDock();
    RebuildMenus();

    // The keys of document windows on every desktop: the next and the previous
    // window, and closing the active one (the yard refuses, as its menu does).
    const auto addKey = [this](const QKeySequence& keys, auto slot) {
        connect(new QShortcut(keys, this), &QShortcut::activated, m_mdiArea, slot);
    };
    addKey(QKeySequence(Qt::CTRL | Qt::Key_F6), &QMdiArea::activateNextSubWindow);
    addKey(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_F6), &QMdiArea::activatePreviousSubWindow);
    addKey(QKeySequence(Qt::CTRL | Qt::Key_F4), &QMdiArea::closeActiveSubWindow);

    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnActiveWindowChanged);
    // Whatever changed the commands' state may have changed a modified flag as well.
    connect(m_actions, &CActionRegistry::AllUpdated, this, &CMainFrame::UpdateTitles);
    // A new selection or another active window updates the commands, and the pane.
    connect(m_actions, &CActionRegistry::AllUpdated, this, &CMainFrame::FollowCurrentPicture);
    connect(qApp, &QApplication::focusChanged, this, &CMainFrame::UpdateCommandUi);
    if (QGuiApplication::platformName() == u"xcb"_s)
        qApp->installEventFilter(this);
    m_actions->UpdateAll();
}

CMainFrame::~CMainFrame() {
    qApp->removeEventFilter(this);
    disconnect(qApp, nullptr, this, nullptr);
    m_actions->disconnect(this);
    // The pane is hidden as the window goes; this window must not hear of it then.
    m_pictureDock->disconnect(this);
    // The document windows go first, while this frame is still whole, and tell it nothing.
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        window->disconnect(this);
    m_mdiArea->disconnect(this);
    delete m_mdiArea;
    m_router.SetSource(RouteLevel::View, {});
    m_router.SetSource(RouteLevel::Document, {});
}

CMenuLayout CMainFrame::DefaultMenuLayout() {
    using namespace CommandId;
    using Item = CMenuItem;
    return {
        Item::Popup(QCoreApplication::translate("Menus", "&File"),
                    {Item::Command(FileNew), Item::Command(FileOpen), Item::Separator(),
                     Item::Command(FilePrintSetup), Item::Separator(), Item::Command(FileMru1),
                     Item::Command(FileMru1 + 1), Item::Command(FileMru1 + 2),
                     Item::Command(FileMru1 + 3), Item::Separator(), Item::Command(AppExit)}),
        Item::Popup(QCoreApplication::translate("Menus", "&View"),
                    {Item::Command(ViewToolbar), Item::Command(ViewStatusBar),
                     Item::Command(ViewPicturePane)}),
        Item::Popup(HelpMenuTitle(), {Item::Command(HelpTopics), Item::Command(TipOfTheDay),
                                      Item::Separator(), Item::Command(AppAbout)}),
    };
}

std::vector<CCommandInfo> CMainFrame::Commands() {
    using namespace CommandId;
    const auto shift = [](Qt::Key key) { return QKeySequence(Qt::SHIFT | key); };
    return {
        {AppExit, QCoreApplication::translate("Commands", "E&xit"),
         QCoreApplication::translate("Commands",
                                     "Quit the application; prompts to save documents\nExit")},
        // The keys of Next Pane and Previous Pane reach no window of the program.
        {EditUndo,
         QCoreApplication::translate("Commands", "&Undo\tCtrl+Z"),
         QCoreApplication::translate("Commands", "Undo the last change of the inventory\nUndo"),
         ToolbarIcon(u"undo"_s),
         {QKeySequence(Qt::CTRL | Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)},
         false,
         true,
         QCoreApplication::translate("Commands", "&Undo"),
         u"edit-undo"_s},
        {EditRedo,
         QCoreApplication::translate("Commands", "&Redo\tCtrl+Shift+Z"),
         QCoreApplication::translate("Commands", "Do again the change last undone\nRedo"),
         ToolbarIcon(u"redo"_s),
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)},
         false,
         true,
         QCoreApplication::translate("Commands", "&Redo"),
         u"edit-redo"_s},
        {ViewToolbar,
         QCoreApplication::translate("Commands", "&Toolbar"),
         QCoreApplication::translate("Commands", "Show or hide the toolbar\nToggle Toolbar"),
         {},
         {},
         true},
        {ViewPicturePane,
         QCoreApplication::translate("Commands", "&Picture Pane"),
         QCoreApplication::translate(
             "Commands",
             "Show or hide the picture of the selected item beside the windows\nPicture Pane"),
         {},
         {},
         true},
        {ViewStatusBar,
         QCoreApplication::translate("Commands", "&Status Bar"),
         QCoreApplication::translate("Commands", "Show or hide the status bar\nToggle Status Bar"),
         {},
         {},
         true},
        {NextPane,
         QCoreApplication::translate("Commands", "Next Pane"),
         QCoreApplication::translate("Commands", "Switch to the next window pane\nNext Pane"),
         {},
         {QKeySequence(Qt::Key_F6)}},
        {PreviousPane,
         QCoreApplication::translate("Commands", "Previous Pane"),
         QCoreApplication::translate("Commands",
                                     "Switch back to the previous window pane\nPrevious Pane"),
         {},
         {shift(Qt::Key_F6)}},
        {WindowCascade, QCoreApplication::translate("Commands", "&Cascade"),
         QCoreApplication::translate("Commands",
                                     "Arrange windows so they overlap\nCascade Windows"),
         ToolbarIcon(u"cascade"_s)},
        {WindowTileHorizontally, QCoreApplication::translate("Commands", "Tile &Horizontally"),
         QCoreApplication::translate("Commands",
                                     "Arrange windows one above the other\nTile Horizontally"),
         ToolbarIcon(u"tile-horizontally"_s)},
        {WindowTileVertically, QCoreApplication::translate("Commands", "Tile &Vertically"),
         QCoreApplication::translate("Commands", "Arrange windows side by side\nTile Vertically"),
         ToolbarIcon(u"tile-vertically"_s)},
        {WindowArrangeIcons, QCoreApplication::translate("Commands", "&Arrange Icons"),
         QCoreApplication::translate(
             "Commands", "Arrange minimized windows at the bottom of the window\nArrange Icons")},
        // No window carries out context help: the button stays disabled.
        {ContextHelp, QCoreApplication::translate("Commands", "&Help"),
         QCoreApplication::translate(
             "Commands", "Display help for clicked on buttons, menus and windows\nHelp"),
         ToolbarIcon(u"context-help"_s)},
    };
}

std::vector<int> CMainFrame::ToolbarLayout() {
    using namespace CommandId;
    return {FileNew,
            FileOpen,
            FileSave,
            FilePrint,
            0,
            EditUndo,
            EditRedo,
            0,
            EditCut,
            EditCopy,
            EditPaste,
            EditFind,
            EditDelete,
            0,
            ExpandInventory,
            CollapseInventory,
            0,
            DollarGainLoss,
            PercentGainLoss,
            BestPerformer,
            WorstPerformer,
            TotalExpenditures,
            TotalAssetValue,
            0,
            SendToYard,
            ViewItemComments,
            0,
            BuildItem,
            CustomizeYard,
            UseManufacturerFile,
            SendItemToInventory,
            0,
            WindowCascade,
            WindowTileVertically,
            WindowTileHorizontally,
            0,
            AppAbout,
            ContextHelp};
}

void CMainFrame::CreateToolBar() {
    m_toolBar = addToolBar(tr("Toolbar"));
    m_toolBar->setObjectName(u"Toolbar128"_s);
    m_toolBar->setIconSize(QSize(16, 16));
    m_toolBar->setAllowedAreas(Qt::AllToolBarAreas);
    for (int id : ToolbarLayout()) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions->Action(id));
    }
}

// Wide enough for a photo to be made out beside the inventory windows.
constexpr int kPicturePaneWidth = 300;

void CMainFrame::CreatePictureDock() {
    m_pictureDock = new QDockWidget(tr("Picture Pane"), this);
    m_pictureDock->setObjectName(u"picturePane"_s);
    m_picturePane = new CPicturePane(m_pictureDock);
    m_pictureDock->setWidget(m_picturePane);
    m_pictureDock->setAllowedAreas(Qt::LeftDockWidgetArea | Qt::RightDockWidgetArea);
    addDockWidget(Qt::RightDockWidgetArea, m_pictureDock);
    m_pictureDock->hide();
    connect(m_pictureDock, &QDockWidget::visibilityChanged, this, [this](bool visible) {
        if (visible && m_pictureDock->width() < kPicturePaneWidth)
            resizeDocks({m_pictureDock}, {kPicturePaneWidth}, Qt::Horizontal);
        if (visible)
            FollowCurrentPicture();
        m_actions->UpdateAction(CommandId::ViewPicturePane);
    });
}

void CMainFrame::FollowCurrentPicture() {
    // A hidden pane decodes nothing.
    if (m_pictureDock->isHidden())
        return;
    QString path;
    const CChildFrame* child = ActiveChildFrame();
    const auto* window =
        child ? dynamic_cast<const CInventoryEditTarget*>(child->widget()) : nullptr;
    if (const CInventoryElement* item = window ? window->CurrentItem() : nullptr)
        path = text::FromBytes(item->GetPicture());
    m_picturePane->ShowPicture(path);
}

void CMainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    // The message pane reads "Ready" whenever no prompt is shown.
    const QString ready = tr("Ready");
    connect(bar, &QStatusBar::messageChanged, bar, [bar, ready](const QString& message) {
        if (message.isEmpty())
            bar->showMessage(ready);
    });
    bar->showMessage(ready);
    const QString names[3] = {u"CAP"_s, u"NUM"_s, u"SCRL"_s};
    //: The status bar's indicators of Caps Lock, Num Lock and Scroll Lock.
    const QString shown[3] = {tr("CAP"), tr("NUM"), tr("SCRL")};
    int width = 0;
    for (const QString& text : shown)
        width = std::max(width, bar->fontMetrics().horizontalAdvance(text) + 12);
    for (int i = 0; i < 3; ++i) {
        auto* label = new QLabel(shown[i], bar);
        label->setObjectName(names[i]);
        // What the indicator shows when its key is on, in the reader's language.
        label->setAccessibleName(shown[i]);
        label->setAlignment(Qt::AlignCenter);
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        label->setMinimumWidth(width);
        // Qt does not tell the state of the lock keys: grey until a key event shows it.
        label->setEnabled(false);
        bar->addPermanentWidget(label);
        m_lockLabels[i] = label;
    }
}

QLabel* CMainFrame::LockIndicator(LockKey key) const {
    return m_lockLabels[static_cast<int>(key)];
}

void CMainFrame::SetLockState(LockKey key, bool on) {
    QLabel* label = LockIndicator(key);
    label->setEnabled(true);
    // As a known state, an indicator that is off shows nothing.
    label->setText(on ? label->accessibleName() : QString());
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        const quint32 state = static_cast<QKeyEvent*>(event)->nativeModifiers();
        SetLockState(LockKey::Caps, (state & kX11LockMask) != 0);
        SetLockState(LockKey::Num, (state & kX11NumLockMask) != 0);
    }
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::SetApplicationTarget(CCommandTarget* target) {
    m_router.SetTarget(RouteLevel::Application, target);
    m_actions->UpdateAll();
}

void CMainFrame::ShowAtStartUp() {
    showMaximized();
}

CChildFrame* CMainFrame::AddChildFrame(CChildFrame* child) {
    m_mdiArea->addSubWindow(child);
    // A new window takes three quarters of the area, as document windows usually
    // open, and never less than its view asks for (the yard's whole form, also while
    // the main window is not yet at its full size).
    const QSize area = m_mdiArea->viewport()->size();
    child->resize(child->sizeHint().expandedTo(area * 3 / 4));
    // The area placed the window while it was small; grown, it stays inside the area.
    const QPoint inside(std::clamp(child->x(), 0, std::max(0, area.width() - child->width())),
                        std::clamp(child->y(), 0, std::max(0, area.height() - child->height())));
    child->move(inside);
    connect(child, &QWidget::windowTitleChanged, this, &CMainFrame::UpdateTitles);
    connect(child, &QMdiSubWindow::windowStateChanged, this, &CMainFrame::UpdateTitles);
    // The area forgets the window only after it is gone; look again afterwards.
    connect(child, &QObject::destroyed, this, &CMainFrame::OnActiveWindowChanged,
            Qt::QueuedConnection);
    child->show();
    OnActiveWindowChanged();
    return child;
}

bool CMainFrame::PlaceSideBySide(CChildFrame* left, CChildFrame* right) {
    const QSize area = m_mdiArea->viewport()->size();
    const QSize least = left->minimumSizeHint().expandedTo(right->minimumSizeHint());
    const int half = area.width() / 2;
    if (half < least.width() || area.height() < least.height())
        return false;
    for (CChildFrame* child : {left, right}) {
        if (child->isMaximized() || child->isMinimized())
            child->showNormal();
    }
    left->setGeometry(0, 0, half, area.height());
    right->setGeometry(half, 0, area.width() - half, area.height());
    return true;
}

CChildFrame* CMainFrame::ActiveChildFrame() const {
    // The current window stays current while a menu or a dialog has the focus.
    return qobject_cast<CChildFrame*>(m_mdiArea->currentSubWindow());
}

QList<CChildFrame*> CMainFrame::ChildFrames() const {
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (auto* child = qobject_cast<CChildFrame*>(window))
            children.append(child);
    }
    return children;
}

void CMainFrame::CloseFramesOf(const CDocument& document) {
    for (CChildFrame* child : ChildFrames()) {
        if (&child->GetDocument() == &document) {
            child->SetCloseHook({});
            m_mdiArea->removeSubWindow(child);
            delete child;
        }
    }
    OnActiveWindowChanged();
}

void CMainFrame::OnActiveWindowChanged() {
    RebuildMenus();
    UpdateTitles();
    m_actions->UpdateAll();
}

void CMainFrame::UpdateCommandUi() {
    m_actions->UpdateAll();
}

void CMainFrame::RebuildMenus() {
    CChildFrame* active = ActiveChildFrame();
    const CMenuLayout* layout =
        active && active->GetMenuLayout() ? active->GetMenuLayout().get() : &m_defaultMenus;
    const bool withWindowMenu = !m_mdiArea->subWindowList().isEmpty();
    if (layout == m_shownMenus && withWindowMenu == m_shownWindowMenu)
        return;
    m_shownMenus = layout;
    m_shownWindowMenu = withWindowMenu;

    menuBar()->clear();
    // A menu may be the one whose entry led here: delete it once it is done.
    for (QMenu* menu : std::as_const(m_menus))
        menu->deleteLater();
    m_menus.clear();
    m_windowListActions.clear();
    m_windowMenu = nullptr;

    const auto addWindowMenu = [this] {
        using namespace CommandId;
        m_windowMenu = m_actions->BuildMenu(
            CMenuItem::Popup(
                QCoreApplication::translate("Menus", "&Window"),
                {CMenuItem::Command(WindowCascade), CMenuItem::Command(WindowTileHorizontally),
                 CMenuItem::Command(WindowTileVertically), CMenuItem::Command(WindowArrangeIcons)}),
            menuBar());
        connect(m_windowMenu, &QMenu::aboutToShow, this, &CMainFrame::FillWindowList);
        FillWindowList();
        menuBar()->addMenu(m_windowMenu);
        m_menus.append(m_windowMenu);
    };
    for (const CMenuItem& popup : *layout) {
        if (popup.kind != CMenuItem::Kind::Popup)
            continue;
        if (withWindowMenu && !m_windowMenu && popup.title == HelpMenuTitle())
            addWindowMenu();
        QMenu* menu = m_actions->BuildMenu(popup, menuBar());
        menuBar()->addMenu(menu);
        m_menus.append(menu);
    }
    if (withWindowMenu && !m_windowMenu)
        addWindowMenu();
}

void CMainFrame::FillWindowList() {
    if (!m_windowMenu)
        return;
    for (QAction* action : std::as_const(m_windowListActions)) {
        m_windowMenu->removeAction(action);
        action->deleteLater();
    }
    m_windowListActions.clear();
    const QList<QMdiSubWindow*> windows = m_mdiArea->subWindowList(QMdiArea::CreationOrder);
    if (windows.isEmpty())
        return;
    m_windowListActions.append(m_windowMenu->addSeparator());
    QMdiSubWindow* current = m_mdiArea->currentSubWindow();
    for (qsizetype i = 0; i < windows.size(); ++i) {
        QMdiSubWindow* window = windows.at(i);
        const QString title = text::ShowAmpersands(CChildFrame::ShownTitle(*window));
        // Only the first nine get a number key.
        const QString text =
            i < 9 ? u"&%1 %2"_s.arg(i + 1).arg(title) : u"%1 %2"_s.arg(i + 1).arg(title);
        QAction* action = m_windowMenu->addAction(text);
        action->setData(CommandId::WindowFirstChild + static_cast<int>(i));
        action->setCheckable(true);
        action->setChecked(window == current);
        action->setStatusTip(tr("Activate this window"));
        connect(action, &QAction::triggered, this, [this, window = QPointer(window)] {
            if (!window)
                return;
            if (window->isMinimized())
                window->showNormal();
            m_mdiArea->setActiveSubWindow(window);
        });
        m_windowListActions.append(action);
    }
}

void CMainFrame::UpdateTitles() {
    // Several windows on one document are told apart by a number after the title.
    std::map<const CDocument*, int> windowsOf;
    const QList<CChildFrame*> children = ChildFrames();
    for (CChildFrame* child : children)
        ++windowsOf[&child->GetDocument()];
    std::map<const CDocument*, int> numbered;
    for (CChildFrame* child : children) {
        const CDocument* document = &child->GetDocument();
        child->UpdateTitle(windowsOf[document] > 1 ? ++numbered[document] : 0);
    }

    // The active window's title brings its "[*]" along: the frame shows "*" too while
    // that document has unsaved changes.
    QString title = kFrameTitle;
    QMdiSubWindow* active = m_mdiArea->currentSubWindow();
    if (active) {
        title += active->isMaximized() ? u" - [%1]"_s.arg(active->windowTitle())
                                       : u" - %1"_s.arg(active->windowTitle());
    }
    setWindowTitle(title);
    setWindowModified(active && active->isWindowModified());
}

QList<QMdiSubWindow*> CMainFrame::ArrangedWindows() const {
    // The active window comes first, the others as they were last active.
    QList<QMdiSubWindow*> windows;
    const QList<QMdiSubWindow*> history =
        m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it) {
        if (!(*it)->isHidden() && !(*it)->isMinimized())
            windows.append(*it);
    }
    return windows;
}

QRect CMainFrame::ArrangeableArea() const {
    QRect area = m_mdiArea->viewport()->rect();
    // Minimized windows keep their row along the bottom.
    for (QMdiSubWindow* window : m_mdiArea->subWindowList()) {
        if (window->isMinimized() && !window->isHidden())
            area.setBottom(std::min(area.bottom(), window->geometry().top() - 1));
    }
    return area;
}

void CMainFrame::Cascade() {
    ArrangeIcons();
    const QRect area = ArrangeableArea();
    const QList<QMdiSubWindow*> windows = ArrangedWindows();
    const int count = static_cast<int>(windows.size());
    if (count == 0 || area.isEmpty())
        return;
    // Each window one title bar further down and right than the one behind it, all of
    // one size: as large as the staircase leaves room for, but never under half the
    // area (Qt's own cascade sizes windows by their views' small size hints).
    const int step = std::max(1, m_mdiArea->style()->pixelMetric(QStyle::PM_TitleBarHeight));
    const QSize size(std::max(area.width() - (count - 1) * step, area.width() / 2),
                     std::max(area.height() - (count - 1) * step, area.height() / 2));
    // A long staircase starts again at the top left rather than leave the area.
    const int stairs =
        1 + std::min((area.width() - size.width()) / step, (area.height() - size.height()) / step);
    for (int i = 0; i < count; ++i) {
        // The active window comes first in the list and goes last, on top.
        QMdiSubWindow* window = windows.at(count - 1 - i);
        if (window->isMaximized())
            window->showNormal();
        const int offset = (i % stairs) * step;
        window->setGeometry(QRect(area.topLeft() + QPoint(offset, offset), size));
        window->raise();
    }
}

void CMainFrame::Tile(Qt::Orientation orientation) {
    ArrangeIcons();
    const QRect area = ArrangeableArea();
    const QList<QMdiSubWindow*> windows = ArrangedWindows();
    const int count = static_cast<int>(windows.size());
    if (count == 0 || area.isEmpty())
        return;
    const int total = orientation == Qt::Horizontal ? area.height() : area.width();
    int start = 0;
    for (int i = 0; i < count; ++i) {
        // Spread the remainder over the first windows so the tiles fill the area.
        const int size = total / count + (i < total % count ? 1 : 0);
        QMdiSubWindow* window = windows.at(i);
        if (window->isMaximized())
            window->showNormal();
        if (orientation == Qt::Horizontal)
            window->setGeometry(area.left(), area.top() + start, area.width(), size);
        else
            window->setGeometry(area.left() + start, area.top(), size, area.height());
        start += size;
    }
}

void CMainFrame::TileHorizontally() {
    Tile(Qt::Horizontal);
}

void CMainFrame::TileVertically() {
    Tile(Qt::Vertical);
}

void CMainFrame::ArrangeIcons() {
    const QRect area = m_mdiArea->viewport()->rect();
    int x = area.left();
    int y = area.bottom() + 1;
    int rowHeight = 0;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList(QMdiArea::CreationOrder)) {
        if (!window->isMinimized() || window->isHidden())
            continue;
        const QSize size = window->size();
        if (x > area.left() && x + size.width() > area.right() + 1) {
            // The row is full: start a new one above it.
            x = area.left();
            y -= rowHeight;
            rowHeight = 0;
        }
        if (rowHeight == 0)
            rowHeight = size.height();
        window->move(x, y - rowHeight);
        x += size.width();
    }
}

bool CMainFrame::HandlesCommand(int id) const {
    return id == CommandId::AppExit || id == CommandId::ViewToolbar ||
           id == CommandId::ViewStatusBar || id == CommandId::ViewPicturePane ||
           IsWindowCommand(id);
}

void CMainFrame::OnCommand(int id) {
    switch (id) {
    case CommandId::AppExit:
        close();
        break;
    case CommandId::ViewToolbar:
        m_toolBar->setVisible(m_toolBar->isHidden());
        break;
    case CommandId::ViewStatusBar:
        statusBar()->setVisible(statusBar()->isHidden());
        break;
    case CommandId::ViewPicturePane:
        m_pictureDock->setVisible(m_pictureDock->isHidden());
        break;
    case CommandId::WindowCascade:
        Cascade();
        break;
    case CommandId::WindowTileHorizontally:
        TileHorizontally();
        break;
    case CommandId::WindowTileVertically:
        TileVertically();
        break;
    case CommandId::WindowArrangeIcons:
        ArrangeIcons();
        break;
    default:
        break;
    }
}

void CMainFrame::OnUpdateCommand(int id, CCommandUpdate& update) {
    if (id == CommandId::ViewToolbar)
        update.SetCheck(!m_toolBar->isHidden());
    else if (id == CommandId::ViewStatusBar)
        update.SetCheck(!statusBar()->isHidden());
    else if (id == CommandId::ViewPicturePane)
        update.SetCheck(!m_pictureDock->isHidden());
    else if (IsWindowCommand(id))
        update.Enable(!m_mdiArea->subWindowList().isEmpty());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    m_sounds.Play(u"GAUGEEND.WAV"_s);
    const CMessage question{tr("Exit The Gaugewright?"), captions::ApplicationTitle(),
                            MessageIcon::Question, MessageButtons::YesNo};
    if (m_messages.Show(this, question) != MessageAnswer::Yes || (m_closeHook && !m_closeHook())) {
        event->ignore();
        return;
    }
    event->accept();
}
