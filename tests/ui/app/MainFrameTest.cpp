#include "ui/app/MainFrame.h"

#include <set>

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QScrollArea>
#include <QSet>
#include <QStatusBar>
#include <QTest>
#include <QTextEdit>
#include <QToolBar>
#include <QTranslator>
#include <QVBoxLayout>

#include "model/framework/Document.h"
#include "ui/app/ProgramCommands.h"
#include "ui/common/Captions.h"
#include "ui/common/ChildFrame.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/PicturePane.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/support/EventLog.h"
#include "ui/support/MessageRecorder.h"
#include "ui/support/SoundRecorder.h"
#include "ui/yard/YardCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

class CPlainDocument : public CDocument {
public:
    explicit CPlainDocument(std::string title) { SetTitle(std::move(title)); }

protected:
    FileResult ReadFromFile(const std::string&) override { return FileResult::Success(); }
    FileResult WriteToFile(const std::string&) override { return FileResult::Success(); }
};

// The application's handler in these tests: takes the commands it is given and logs them.
class CLoggingTarget : public CCommandTarget {
public:
    explicit CLoggingTarget(std::set<int> handled) : m_handled(std::move(handled)) {}
    bool HandlesCommand(int id) const override { return m_handled.contains(id); }
    void OnCommand(int id) override { m_received.append(id); }
    void OnUpdateCommand(int id, CCommandUpdate& update) override {
        update.Enable(!m_disabled.contains(id));
    }

    std::set<int> m_handled;
    std::set<int> m_disabled;
    QList<int> m_received;
};

// The entries of a menu as the user sees them: texts of visible entries, "-" for separators.
QStringList EntriesOf(QMenu* menu) {
    emit menu->aboutToShow();
    QStringList entries;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            entries.append(u"-"_s);
        else if (action->isVisible())
            entries.append(action->text());
    }
    return entries;
}

QMenu* MenuNamed(CMainFrame& frame, const QString& title) {
    for (QAction* action : frame.menuBar()->actions()) {
        if (action->menu() && action->menu()->title() == title)
            return action->menu();
    }
    return nullptr;
}

// Shows every text in angle brackets, so a test sees which texts went through it.
class CBracketTranslator : public QTranslator {
public:
    QString translate(const char*, const char* source, const char*, int) const override {
        return u'<' + QString::fromUtf8(source) + u'>';
    }
    bool isEmpty() const override { return false; }
};

QStringList MenuTitles(CMainFrame& frame) {
    QStringList titles;
    for (QAction* action : frame.menuBar()->actions())
        titles.append(action->text());
    return titles;
}

} // namespace

class MainFrameTest : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void menusWithoutDocumentWindow_data();
    void menusWithoutDocumentWindow();
    void windowMenuJoinsBeforeHelp();
    void closesWithThePicturePaneShown();
    void toolbarButtonsInOrder();
    void everyCommandIsDescribedOnce();
    void acceleratorsTriggerCommands_data();
    void acceleratorsTriggerCommands();
    void buttonsFollowHandlers();
    void closeAsksAfterSound_data();
    void closeAsksAfterSound();
    void windowMenuListsAndActivates();
    void tilingFillsTheArea_data();
    void tilingFillsTheArea();
    void cascadeKeepsWindowsUsable_data();
    void cascadeKeepsWindowsUsable();
    void windowKeys();
    void titleShowsActiveDocument();
    void aNewWindowTakesMostOfTheArea();
    void aWindowOpensNoSmallerThanItsViewAsks();
    void statusBarPanes();
    void translatedTextsKeepTheirPlaces();
    void screenshot();

private:
    CChildFrame* AddWindow(CDocument& document);

    CEventLog m_log;
    std::unique_ptr<CMessageRecorder> m_messages;
    std::unique_ptr<CSoundRecorder> m_sounds;
    std::unique_ptr<CMainFrame> m_frame;
    std::vector<std::unique_ptr<CPlainDocument>> m_documents;
};

void MainFrameTest::init() {
    m_log.Clear();
    m_messages = std::make_unique<CMessageRecorder>(&m_log);
    m_sounds = std::make_unique<CSoundRecorder>(&m_log);
    m_frame = std::make_unique<CMainFrame>(*m_messages, *m_sounds);
    m_frame->resize(900, 700);
}

void MainFrameTest::cleanup() {
    m_frame.reset();
    m_documents.clear();
}

CChildFrame* MainFrameTest::AddWindow(CDocument& document) {
    auto* view = new QTextEdit;
    return m_frame->AddChildFrame(new CChildFrame(document, view));
}

void MainFrameTest::menusWithoutDocumentWindow_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QStringList>("entries");
    QTest::newRow("file") << u"&File"_s
                          << QStringList{u"&New Inventory\tCtrl+N"_s,
                                         u"&Open Inventory...\tCtrl+O"_s,
                                         u"-"_s,
                                         u"P&rint Setup..."_s,
                                         u"-"_s,
                                         u"Recent File"_s,
                                         u"-"_s,
                                         u"E&xit"_s};
    QTest::newRow("view") << u"&View"_s
                          << QStringList{u"&Toolbar"_s, u"&Status Bar"_s, u"&Picture Pane"_s};
    QTest::newRow("help") << u"&Help"_s
                          << QStringList{u"&Help Topics"_s, u"&Tip of the Day"_s, u"-"_s,
                                         u"&About The Gaugewright..."_s};
}

void MainFrameTest::menusWithoutDocumentWindow() {
    QFETCH(QString, menu);
    QFETCH(QStringList, entries);
    QCOMPARE(MenuTitles(*m_frame), (QStringList{u"&File"_s, u"&View"_s, u"&Help"_s}));
    QMenu* shown = MenuNamed(*m_frame, menu);
    QVERIFY(shown);
    QCOMPARE(EntriesOf(shown), entries);
}

// The pane, hidden as the window goes, must not reach the half-destroyed window.
void MainFrameTest::closesWithThePicturePaneShown() {
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    m_frame->Actions().Action(CommandId::ViewPicturePane)->trigger();
    QVERIFY(m_frame->PicturePane()->isVisible());
    m_frame.reset();
}

void MainFrameTest::windowMenuJoinsBeforeHelp() {
    m_documents.push_back(std::make_unique<CPlainDocument>("Trains.inv"));
    AddWindow(*m_documents.back());
    QCOMPARE(MenuTitles(*m_frame), (QStringList{u"&File"_s, u"&View"_s, u"&Window"_s, u"&Help"_s}));
    QCOMPARE(EntriesOf(m_frame->WindowMenu()),
             (QStringList{u"&Cascade"_s, u"Tile &Horizontally"_s, u"Tile &Vertically"_s,
                          u"&Arrange Icons"_s, u"-"_s, u"&1 Trains.inv"_s}));

    // A document type's own menu bar replaces the frame's while its window is active.
    auto second = std::make_unique<CPlainDocument>("Yard");
    CChildFrame* child = AddWindow(*second);
    child->SetMenuLayout(std::make_shared<CMenuLayout>(
        CMenuLayout{CMenuItem::Popup(u"&Edit"_s, {CMenuItem::Command(CommandId::EditCopy)}),
                    CMenuItem::Popup(u"&Help"_s, {CMenuItem::Command(CommandId::AppAbout)})}));
    m_frame->MdiArea()->setActiveSubWindow(m_frame->ChildFrames().first());
    m_frame->MdiArea()->setActiveSubWindow(child);
    QCOMPARE(MenuTitles(*m_frame), (QStringList{u"&Edit"_s, u"&Window"_s, u"&Help"_s}));
    m_documents.push_back(std::move(second));

    // With the last window gone, the Window menu goes too.
    m_frame->CloseFramesOf(*m_documents.front());
    m_frame->CloseFramesOf(*m_documents.back());
    QCOMPARE(MenuTitles(*m_frame), (QStringList{u"&File"_s, u"&View"_s, u"&Help"_s}));
    QVERIFY(!m_frame->WindowMenu());
}

void MainFrameTest::toolbarButtonsInOrder() {
    using namespace CommandId;
    const QList<int> expected = {
        57600, 57601, 57603, 57607, 0,     57643, 57644, 0,     57635, 57634, 57637, 57636, 32788,
        0,     32785, 32786, 0,     32791, 32804, 32796, 32797, 32798, 32800, 0,     32840, 32841,
        0,     32854, 32825, 32833, 32822, 0,     57650, 57652, 57651, 0,     57664, 57669};
    QList<int> shown;
    for (QAction* action : m_frame->ToolBar()->actions())
        shown.append(action->isSeparator() ? 0 : action->data().toInt());
    QCOMPARE(shown, expected);
    for (QAction* action : m_frame->ToolBar()->actions()) {
        if (!action->isSeparator())
            QVERIFY2(!action->icon().isNull(), qPrintable(action->toolTip()));
    }
    // Nobody handles context help: it stays off.
    QVERIFY(!m_frame->Actions().Action(ContextHelp)->isEnabled());
}

// Two features describing one number, or one key bound twice, would leave one of
// them dead; a missing icon would leave a blank button.
void MainFrameTest::everyCommandIsDescribedOnce() {
    std::set<int> ids;
    QList<QKeySequence> keys;
    for (const CCommandInfo& info : ProgramCommands()) {
        QVERIFY2(ids.insert(info.id).second, qPrintable(u"command %1 twice"_s.arg(info.id)));
        for (const QKeySequence& key : info.shortcuts) {
            QVERIFY2(!keys.contains(key), qPrintable(key.toString()));
            keys.append(key);
        }
        if (!info.icon.isEmpty())
            QVERIFY2(QFile::exists(info.icon), qPrintable(info.icon));
    }
    QCOMPARE(m_frame->Actions().Commands().size(), ids.size());
}

void MainFrameTest::acceleratorsTriggerCommands_data() {
    QTest::addColumn<QKeySequence>("keys");
    QTest::addColumn<int>("command"); // 0: nothing may happen
    using namespace CommandId;
    QTest::newRow("Ctrl+N") << QKeySequence(Qt::CTRL | Qt::Key_N) << FileNew;
    QTest::newRow("Ctrl+O") << QKeySequence(Qt::CTRL | Qt::Key_O) << FileOpen;
    QTest::newRow("Ctrl+S") << QKeySequence(Qt::CTRL | Qt::Key_S) << FileSave;
    QTest::newRow("Ctrl+P") << QKeySequence(Qt::CTRL | Qt::Key_P) << FilePrint;
    QTest::newRow("Ctrl+C") << QKeySequence(Qt::CTRL | Qt::Key_C) << EditCopy;
    QTest::newRow("Ctrl+Insert") << QKeySequence(Qt::CTRL | Qt::Key_Insert) << EditCopy;
    QTest::newRow("Ctrl+X") << QKeySequence(Qt::CTRL | Qt::Key_X) << EditCut;
    QTest::newRow("Shift+Delete") << QKeySequence(Qt::SHIFT | Qt::Key_Delete) << EditCut;
    QTest::newRow("Ctrl+V") << QKeySequence(Qt::CTRL | Qt::Key_V) << EditPaste;
    QTest::newRow("Shift+Insert") << QKeySequence(Qt::SHIFT | Qt::Key_Insert) << EditPaste;
    QTest::newRow("Ctrl+F") << QKeySequence(Qt::CTRL | Qt::Key_F) << EditFind;
    QTest::newRow("Ctrl+Delete") << QKeySequence(Qt::CTRL | Qt::Key_Delete) << EditDelete;
    QTest::newRow("Ctrl+Z") << QKeySequence(Qt::CTRL | Qt::Key_Z) << EditUndo;
    QTest::newRow("Alt+Backspace") << QKeySequence(Qt::ALT | Qt::Key_Backspace) << EditUndo;
    QTest::newRow("Ctrl+Shift+Z") << QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z) << EditRedo;
    QTest::newRow("Ctrl+Y") << QKeySequence(Qt::CTRL | Qt::Key_Y) << EditRedo;
    QTest::newRow("F6 unhandled") << QKeySequence(Qt::Key_F6) << 0;
    QTest::newRow("Shift+F6 unhandled") << QKeySequence(Qt::SHIFT | Qt::Key_F6) << 0;
}

void MainFrameTest::acceleratorsTriggerCommands() {
    QFETCH(QKeySequence, keys);
    QFETCH(int, command);
    using namespace CommandId;
    CLoggingTarget application({FileNew, FileOpen, FileSave, FilePrint, EditCopy, EditCut,
                                EditPaste, EditFind, EditDelete, EditUndo, EditRedo});
    m_frame->SetApplicationTarget(&application);
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QTest::keySequence(m_frame.get(), keys);
    QCOMPARE(application.m_received, command == 0 ? QList<int>{} : QList<int>{command});
    m_frame->SetApplicationTarget(nullptr);
}

void MainFrameTest::buttonsFollowHandlers() {
    using namespace CommandId;
    CLoggingTarget application({FileNew, FileOpen});
    application.m_disabled.insert(FileOpen);
    m_frame->SetApplicationTarget(&application);
    CActionRegistry& actions = m_frame->Actions();
    QVERIFY(actions.Action(FileNew)->isEnabled());
    QVERIFY(!actions.Action(FileOpen)->isEnabled());
    QVERIFY(!actions.Action(FileSave)->isEnabled());
    // The window arrangements need a window.
    QVERIFY(!actions.Action(WindowCascade)->isEnabled());
    m_documents.push_back(std::make_unique<CPlainDocument>("One"));
    AddWindow(*m_documents.back());
    QVERIFY(actions.Action(WindowCascade)->isEnabled());
    application.m_disabled.clear();
    m_frame->UpdateCommandUi();
    QVERIFY(actions.Action(FileOpen)->isEnabled());
    // The view toggles are checked while their bars show and follow the command.
    QVERIFY(actions.Action(ViewToolbar)->isChecked());
    actions.Action(ViewToolbar)->trigger();
    QVERIFY(m_frame->ToolBar()->isHidden());
    QVERIFY(!actions.Action(ViewToolbar)->isChecked());
    m_frame->SetApplicationTarget(nullptr);
}

void MainFrameTest::closeAsksAfterSound_data() {
    QTest::addColumn<MessageAnswer>("answer");
    QTest::addColumn<bool>("hookAgrees");
    QTest::addColumn<bool>("closed");
    QTest::addColumn<bool>("hookAsked");
    QTest::newRow("no") << MessageAnswer::No << true << false << false;
    QTest::newRow("yes") << MessageAnswer::Yes << true << true << true;
    QTest::newRow("yes, save cancelled") << MessageAnswer::Yes << false << false << true;
}

void MainFrameTest::closeAsksAfterSound() {
    QFETCH(MessageAnswer, answer);
    QFETCH(bool, hookAgrees);
    QFETCH(bool, closed);
    QFETCH(bool, hookAsked);
    m_documents.push_back(std::make_unique<CPlainDocument>("Kept.inv"));
    AddWindow(*m_documents.back());
    bool asked = false;
    m_frame->SetCloseHook([&] {
        asked = true;
        return hookAgrees;
    });
    m_frame->show();
    m_messages->QueueAnswers({answer});
    m_frame->Actions().Action(CommandId::AppExit)->trigger();
    QCOMPARE(m_log.Entries(),
             (QStringList{u"sound GAUGEEND.WAV"_s, u"message Exit The Gaugewright?"_s}));
    QCOMPARE(m_messages->Last(), (CMessage{u"Exit The Gaugewright?"_s, captions::ApplicationTitle(),
                                           MessageIcon::Question, MessageButtons::YesNo}));
    QCOMPARE(asked, hookAsked);
    QCOMPARE(m_frame->isVisible(), !closed);
    QCOMPARE(m_frame->ChildFrames().size(), 1);
}

void MainFrameTest::windowMenuListsAndActivates() {
    for (const char* title : {"Alpha.inv", "Beta & Co.inv", "Gamma.inv"}) {
        m_documents.push_back(std::make_unique<CPlainDocument>(title));
        AddWindow(*m_documents.back());
    }
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QMenu* menu = m_frame->WindowMenu();
    QVERIFY(menu);
    QStringList checked;
    QList<QAction*> list;
    const QStringList entries = EntriesOf(menu);
    for (QAction* action : menu->actions()) {
        if (action->data().toInt() >= CommandId::WindowFirstChild) {
            list.append(action);
            if (action->isChecked())
                checked.append(action->text());
        }
    }
    QCOMPARE(entries.mid(5),
             (QStringList{u"&1 Alpha.inv"_s, u"&2 Beta && Co.inv"_s, u"&3 Gamma.inv"_s}));
    QCOMPARE(checked, QStringList{u"&3 Gamma.inv"_s});
    list.at(0)->trigger();
    QCOMPARE(CChildFrame::ShownTitle(*m_frame->ActiveChildFrame()), u"Alpha.inv"_s);
    EntriesOf(menu);
    QCOMPARE(m_frame->WindowMenu()->actions().at(5)->isChecked(), true);
}

void MainFrameTest::aNewWindowTakesMostOfTheArea() {
    m_frame->show();
    m_documents.push_back(std::make_unique<CPlainDocument>("Doc"));
    auto* small = new QWidget;
    small->resize(120, 80);
    CChildFrame* child = m_frame->AddChildFrame(new CChildFrame(*m_documents.back(), small));
    const QSize area = m_frame->MdiArea()->viewport()->size();
    QVERIFY(child->width() >= area.width() * 3 / 4 && child->width() <= area.width());
    QVERIFY(child->height() >= area.height() * 3 / 4 && child->height() <= area.height());
    // Later windows are placed beside the first while small; grown, they stay inside.
    for (int i = 0; i < 3; ++i) {
        m_documents.push_back(std::make_unique<CPlainDocument>("More" + std::to_string(i)));
        CChildFrame* more = AddWindow(*m_documents.back());
        QVERIFY(m_frame->MdiArea()->viewport()->rect().contains(more->geometry()));
    }
}

namespace {
// A view that scrolls when made small (as the yard's form does) and asks for its
// whole content.
class CScrollingView : public QScrollArea {
public:
    QSize sizeHint() const override { return widget()->sizeHint(); }
};
} // namespace

void MainFrameTest::aWindowOpensNoSmallerThanItsViewAsks() {
    m_documents.push_back(std::make_unique<CPlainDocument>("Yard"));
    auto* form = new QWidget;
    auto* control = new QWidget;
    control->setMinimumSize(600, 500);
    (new QVBoxLayout(form))->addWidget(control);
    auto* view = new CScrollingView;
    view->setWidgetResizable(true);
    view->setWidget(form);
    // Before the main window shows, its area is small.
    m_frame->AddChildFrame(new CChildFrame(*m_documents.back(), view));
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QVERIFY2(view->width() >= 600 && view->height() >= 500,
             qPrintable(u"%1x%2"_s.arg(view->width()).arg(view->height())));
}

void MainFrameTest::tilingFillsTheArea_data() {
    QTest::addColumn<bool>("horizontally");
    QTest::addColumn<int>("windows");
    QTest::newRow("horizontally, 3") << true << 3;
    QTest::newRow("vertically, 3") << false << 3;
    QTest::newRow("horizontally, 1") << true << 1;
    QTest::newRow("vertically, 4 with one maximized") << false << 4;
}

void MainFrameTest::tilingFillsTheArea() {
    QFETCH(bool, horizontally);
    QFETCH(int, windows);
    m_frame->show();
    for (int i = 0; i < windows; ++i) {
        m_documents.push_back(std::make_unique<CPlainDocument>("Doc" + std::to_string(i)));
        AddWindow(*m_documents.back());
    }
    if (windows == 4)
        m_frame->ActiveChildFrame()->showMaximized();
    m_frame->Actions()
        .Action(horizontally ? CommandId::WindowTileHorizontally : CommandId::WindowTileVertically)
        ->trigger();
    const QRect area = m_frame->MdiArea()->viewport()->rect();
    int covered = 0;
    QList<QRect> tiles;
    for (CChildFrame* child : m_frame->ChildFrames()) {
        QVERIFY(!child->isMaximized());
        const QRect tile = child->geometry();
        if (horizontally) {
            QCOMPARE(tile.left(), area.left());
            QCOMPARE(tile.width(), area.width());
            covered += tile.height();
        } else {
            QCOMPARE(tile.top(), area.top());
            QCOMPARE(tile.height(), area.height());
            covered += tile.width();
        }
        for (const QRect& other : tiles)
            QVERIFY(!other.intersects(tile));
        tiles.append(tile);
    }
    QCOMPARE(covered, horizontally ? area.height() : area.width());
}

void MainFrameTest::cascadeKeepsWindowsUsable_data() {
    QTest::addColumn<int>("windows");
    QTest::newRow("one") << 1;
    QTest::newRow("three, one maximized") << 3;
    QTest::newRow("more than the staircase holds") << 40;
}

void MainFrameTest::cascadeKeepsWindowsUsable() {
    QFETCH(int, windows);
    m_frame->show();
    for (int i = 0; i < windows; ++i) {
        m_documents.push_back(std::make_unique<CPlainDocument>("Doc" + std::to_string(i)));
        AddWindow(*m_documents.back());
    }
    if (windows == 3)
        m_frame->ChildFrames().first()->showMaximized();
    CChildFrame* active = m_frame->ActiveChildFrame();
    m_frame->Actions().Action(CommandId::WindowCascade)->trigger();
    const QRect area = m_frame->MdiArea()->viewport()->rect();
    const QList<QMdiSubWindow*> stack = m_frame->MdiArea()->subWindowList(QMdiArea::StackingOrder);
    QCOMPARE(stack.last(), active);
    QCOMPARE(m_frame->ActiveChildFrame(), active);
    const QSize size = active->size();
    QVERIFY(size.width() >= area.width() / 2 && size.height() >= area.height() / 2);
    QSet<int> lefts;
    for (QMdiSubWindow* window : stack) {
        QVERIFY(!window->isMaximized());
        QCOMPARE(window->size(), size);
        QVERIFY2(area.contains(window->geometry()), qPrintable(window->windowTitle()));
        QCOMPARE(window->x() - area.left(), window->y() - area.top());
        lefts.insert(window->x());
    }
    // Each window behind the active one shows its title bar; a long staircase starts
    // again at the top left.
    if (windows == 40)
        QVERIFY(lefts.size() > 1 && lefts.size() < windows);
    else
        QCOMPARE(lefts.size(), windows);
}

void MainFrameTest::windowKeys() {
    m_frame->show();
    QVERIFY(QTest::qWaitForWindowActive(m_frame.get()));
    QList<CChildFrame*> windows;
    for (int i = 0; i < 3; ++i) {
        m_documents.push_back(std::make_unique<CPlainDocument>("Doc" + std::to_string(i)));
        windows.append(AddWindow(*m_documents.back()));
    }
    QCOMPARE(m_frame->ActiveChildFrame(), windows.at(2));
    QTest::keyClick(m_frame.get(), Qt::Key_F6, Qt::ControlModifier);
    QVERIFY(m_frame->ActiveChildFrame() != windows.at(2));
    QTest::keyClick(m_frame.get(), Qt::Key_F6, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(m_frame->ActiveChildFrame(), windows.at(2));
    QTest::keyClick(m_frame.get(), Qt::Key_F4, Qt::ControlModifier);
    // The active window is the one that closes (compared by address only: it is gone).
    QTRY_COMPARE(m_frame->ChildFrames().size(), 2);
    QVERIFY(!m_frame->ChildFrames().contains(windows.at(2)));
}

void MainFrameTest::titleShowsActiveDocument() {
    const auto shown = [](const QWidget* window) { return CChildFrame::ShownTitle(*window); };
    QCOMPARE(shown(m_frame.get()), u"Gaugewright"_s);
    m_frame->show();
    m_documents.push_back(std::make_unique<CPlainDocument>("Freight.inv"));
    CChildFrame* first = AddWindow(*m_documents.back());
    QCOMPARE(shown(m_frame.get()), u"Gaugewright - Freight.inv"_s);
    // A second window on the same document: both are numbered.
    CChildFrame* second = AddWindow(*m_documents.back());
    QCOMPARE(shown(first), u"Freight.inv:1"_s);
    QCOMPARE(shown(second), u"Freight.inv:2"_s);
    QCOMPARE(shown(m_frame.get()), u"Gaugewright - Freight.inv:2"_s);
    // Unsaved changes show as "*" after the document's name, until they are saved.
    m_documents.back()->SetModifiedFlag(true);
    m_frame->UpdateCommandUi();
    QCOMPARE(shown(first), u"Freight.inv:1*"_s);
    QCOMPARE(shown(m_frame.get()), u"Gaugewright - Freight.inv:2*"_s);
    second->showMaximized();
    QCOMPARE(shown(m_frame.get()), u"Gaugewright - [Freight.inv:2*]"_s);
    m_documents.back()->SetModifiedFlag(false);
    m_frame->UpdateCommandUi();
    QCOMPARE(shown(m_frame.get()), u"Gaugewright - [Freight.inv:2]"_s);
    m_frame->CloseFramesOf(*m_documents.back());
    QCOMPARE(shown(m_frame.get()), u"Gaugewright"_s);

    // A "[*]" in the file's name is part of the name, modified or not; the
    // accessible name is what Qt itself makes of the title.
    m_documents.push_back(std::make_unique<CPlainDocument>("Odd[*]Name.inv"));
    AddWindow(*m_documents.back());
    const auto byQt = [this] {
        return QAccessible::queryAccessibleInterface(m_frame.get())->text(QAccessible::Name);
    };
    QCOMPARE(byQt(), u"Gaugewright - Odd[*]Name.inv"_s);
    QCOMPARE(shown(m_frame.get()), byQt());
    m_documents.back()->SetModifiedFlag(true);
    m_frame->UpdateCommandUi();
    QCOMPARE(byQt(), u"Gaugewright - Odd[*]Name.inv*"_s);
    QCOMPARE(shown(m_frame.get()), byQt());
}

void MainFrameTest::statusBarPanes() {
    m_frame->show();
    QCOMPARE(m_frame->statusBar()->currentMessage(), u"Ready"_s);
    QStringList names;
    for (LockKey key : {LockKey::Caps, LockKey::Num, LockKey::Scroll})
        names.append(m_frame->LockIndicator(key)->text());
    QCOMPARE(names, (QStringList{u"CAP"_s, u"NUM"_s, u"SCRL"_s}));
    // The prompt of an entry shows while the pointer is on it, then "Ready" returns.
    m_frame->Actions().Action(CommandId::FileNew)->showStatusText(m_frame.get());
    QCOMPARE(m_frame->statusBar()->currentMessage(), u"Create a new inventory"_s);
    m_frame->statusBar()->clearMessage();
    QCOMPARE(m_frame->statusBar()->currentMessage(), u"Ready"_s);
}

// In another language the Window menu still goes before Help, and a lock key shows
// its translated indicator.
void MainFrameTest::translatedTextsKeepTheirPlaces() {
    CBracketTranslator translator;
    QCoreApplication::installTranslator(&translator);
    CPlainDocument document("Trains.inv");
    CMainFrame frame(*m_messages, *m_sounds);
    frame.AddChildFrame(new CChildFrame(document, new QTextEdit));
    QKeyEvent capsLockOn(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, 0, 0, 0x02);
    static_cast<QObject&>(frame).eventFilter(&frame, &capsLockOn);
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(MenuTitles(frame),
             (QStringList{u"<&File>"_s, u"<&View>"_s, u"<&Window>"_s, u"<&Help>"_s}));
    QCOMPARE(frame.LockIndicator(LockKey::Caps)->text(), u"<CAP>"_s);
    frame.CloseFramesOf(document);
}

void MainFrameTest::screenshot() {
    const QString directory = qEnvironmentVariable("GAUGEWRIGHT_SCREENSHOTS");
    if (directory.isEmpty())
        QSKIP("GAUGEWRIGHT_SCREENSHOTS is not set");
    m_frame->resize(1000, 650);
    m_frame->show();
    for (const char* title : {"Freight.inv", "Passenger.inv"}) {
        m_documents.push_back(std::make_unique<CPlainDocument>(title));
        AddWindow(*m_documents.back());
    }
    m_frame->TileVertically();
    QVERIFY(QTest::qWaitForWindowExposed(m_frame.get()));
    QVERIFY(QDir().mkpath(directory));
    QVERIFY(m_frame->grab().save(directory + u"/MainFrame.png"_s));
}

QTEST_MAIN(MainFrameTest)
#include "MainFrameTest.moc"
