#include "ui/common/CommandRouter.h"

#include <map>
#include <memory>
#include <optional>
#include <set>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "ui/common/ActionRegistry.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandTarget.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/DocCommands.h"
#include "ui/common/DocManager.h"
#include "ui/common/FileChooser.h"
#include "ui/support/MessageRecorder.h"

using namespace Qt::StringLiterals;

namespace {

// A target that handles a fixed set of commands and logs what it was asked to do.
class CFakeTarget : public CCommandTarget {
public:
    CFakeTarget(QString name, std::set<int> handled, QStringList& log)
        : m_name(std::move(name)), m_handled(std::move(handled)), m_log(log) {}

    bool HandlesCommand(int id) const override { return m_handled.contains(id); }
    void OnCommand(int id) override { m_log.append(u"%1 %2"_s.arg(m_name).arg(id)); }
    void OnUpdateCommand(int id, CCommandUpdate& update) override {
        if (const auto found = m_enabled.find(id); found != m_enabled.end())
            update.Enable(found->second);
        if (m_checked.contains(id))
            update.SetCheck();
        if (const auto found = m_texts.find(id); found != m_texts.end())
            update.SetText(found->second);
    }

    std::map<int, bool> m_enabled;
    std::set<int> m_checked;
    std::map<int, QString> m_texts;

private:
    QString m_name;
    std::set<int> m_handled;
    QStringList& m_log;
};

class CNoFiles : public CFileChooser {
public:
    std::optional<QString> ChooseFileToOpen(QWidget*, const QString&) override { return {}; }
    std::optional<QString> ChooseFileToSave(QWidget*, const QString&, const QString&,
                                            const QString&) override {
        return {};
    }
};

constexpr int kCommand = CommandId::EditCopy;
constexpr int kPicture = 32918;

// A registry of the document commands and a few of the kinds a window describes:
// a check mark, key texts, a popup text of its own.
std::unique_ptr<CActionRegistry> MakeRegistry(CCommandRouter& router) {
    auto registry = std::make_unique<CActionRegistry>(router);
    registry->Register(CDocCommands::Commands());
    registry->Register({
        {CommandId::ViewToolbar,
         u"&Toolbar"_s,
         u"Show or hide the toolbar\nToggle Toolbar"_s,
         {},
         {},
         true},
        {CommandId::EditCut,
         u"Cu&t\tCtrl+X"_s,
         u"Cut the item\nCut"_s,
         {},
         {QKeySequence(Qt::CTRL | Qt::Key_X)}},
        {CommandId::EditPaste,
         u"&Paste\tCtrl+V"_s,
         u"Insert the item\nPaste"_s,
         {},
         {QKeySequence(Qt::CTRL | Qt::Key_V)}},
        {CommandId::EditFind,
         u"&Find\tCtrl+F"_s,
         u"Find an item by its text\nFind"_s,
         {},
         {QKeySequence(Qt::CTRL | Qt::Key_F)}},
        {kPicture,
         u"View Item &Picture"_s,
         u"Show the picture of the item\nView Item Picture"_s,
         {},
         {},
         false,
         true,
         u"V&iew Item Picture"_s},
    });
    return registry;
}

} // namespace

class CommandRouterTest : public QObject {
    Q_OBJECT

private slots:
    void routesToFirstLevelThatHandles_data();
    void routesToFirstLevelThatHandles();
    void updateFollowsHandler_data();
    void updateFollowsHandler();
    void disabledCommandIsNotCarriedOut();
    void goneViewIsSkipped();
    void actionsFollowUpdates();
    void actionTriggersCommandThroughRouter();
    void menuUpdatesWhenItOpens();
    void promptSplitsIntoStatusAndToolTip();
    void contextMenuShowsTheSameActionsWithPopupTexts();
    void recentFileEntries_data();
    void recentFileEntries();
};

void CommandRouterTest::routesToFirstLevelThatHandles_data() {
    QTest::addColumn<QStringList>("handlers");
    QTest::addColumn<QString>("receiver");
    QTest::newRow("view only") << QStringList{u"view"_s} << u"view"_s;
    QTest::newRow("document only") << QStringList{u"document"_s} << u"document"_s;
    QTest::newRow("frame only") << QStringList{u"frame"_s} << u"frame"_s;
    QTest::newRow("application only") << QStringList{u"application"_s} << u"application"_s;
    QTest::newRow("all") << QStringList{u"view"_s, u"document"_s, u"frame"_s, u"application"_s}
                         << u"view"_s;
    QTest::newRow("document before frame")
        << QStringList{u"document"_s, u"frame"_s, u"application"_s} << u"document"_s;
    QTest::newRow("frame before application")
        << QStringList{u"frame"_s, u"application"_s} << u"frame"_s;
    QTest::newRow("nobody") << QStringList{} << QString();
}

void CommandRouterTest::routesToFirstLevelThatHandles() {
    QFETCH(QStringList, handlers);
    QFETCH(QString, receiver);
    QStringList log;
    const std::pair<RouteLevel, QString> levels[] = {{RouteLevel::View, u"view"_s},
                                                     {RouteLevel::Document, u"document"_s},
                                                     {RouteLevel::Frame, u"frame"_s},
                                                     {RouteLevel::Application, u"application"_s}};
    std::vector<std::unique_ptr<CFakeTarget>> targets;
    CCommandRouter router;
    for (const auto& [level, name] : levels) {
        std::set<int> handled;
        if (handlers.contains(name))
            handled.insert(kCommand);
        targets.push_back(std::make_unique<CFakeTarget>(name, handled, log));
        router.SetTarget(level, targets.back().get());
    }
    QCOMPARE(router.Route(kCommand), !receiver.isEmpty());
    QCOMPARE(log, receiver.isEmpty() ? QStringList{}
                                     : QStringList{u"%1 %2"_s.arg(receiver).arg(kCommand)});
    QCOMPARE(router.Update(kCommand).IsEnabled(), !receiver.isEmpty());
}

void CommandRouterTest::updateFollowsHandler_data() {
    QTest::addColumn<bool>("handled");
    QTest::addColumn<std::optional<bool>>("handlerEnables");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("unhandled") << false << std::optional<bool>{} << false;
    QTest::newRow("handled, no rule") << true << std::optional<bool>{} << true;
    QTest::newRow("handled, enabled") << true << std::optional<bool>{true} << true;
    QTest::newRow("handled, disabled") << true << std::optional<bool>{false} << false;
}

void CommandRouterTest::updateFollowsHandler() {
    QFETCH(bool, handled);
    QFETCH(std::optional<bool>, handlerEnables);
    QFETCH(bool, enabled);
    QStringList log;
    CFakeTarget target(u"frame"_s, handled ? std::set<int>{kCommand} : std::set<int>{}, log);
    if (handlerEnables)
        target.m_enabled[kCommand] = *handlerEnables;
    CCommandRouter router;
    router.SetTarget(RouteLevel::Frame, &target);
    QCOMPARE(router.Update(kCommand).IsEnabled(), enabled);
}

void CommandRouterTest::disabledCommandIsNotCarriedOut() {
    QStringList log;
    CFakeTarget view(u"view"_s, {kCommand}, log);
    CFakeTarget application(u"application"_s, {kCommand}, log);
    view.m_enabled[kCommand] = false;
    CCommandRouter router;
    router.SetTarget(RouteLevel::View, &view);
    router.SetTarget(RouteLevel::Application, &application);
    // The view owns the command: its "disabled" is final, the application is not asked.
    QVERIFY(!router.Route(kCommand));
    QVERIFY(log.isEmpty());
}

void CommandRouterTest::goneViewIsSkipped() {
    QStringList log;
    auto view = std::make_unique<CFakeTarget>(u"view"_s, std::set<int>{kCommand}, log);
    CFakeTarget frame(u"frame"_s, {kCommand}, log);
    CFakeTarget* current = view.get();
    CCommandRouter router;
    router.SetSource(RouteLevel::View, [&current] { return current; });
    router.SetTarget(RouteLevel::Frame, &frame);
    QVERIFY(router.Route(kCommand));
    view.reset();
    current = nullptr;
    QVERIFY(router.Route(kCommand));
    QCOMPARE(log, (QStringList{u"view %1"_s.arg(kCommand), u"frame %1"_s.arg(kCommand)}));
}

void CommandRouterTest::actionsFollowUpdates() {
    QStringList log;
    CFakeTarget frame(u"frame"_s, {CommandId::ViewToolbar, CommandId::EditCut}, log);
    CCommandRouter router;
    router.SetTarget(RouteLevel::Frame, &frame);
    const auto owned = MakeRegistry(router);
    CActionRegistry& registry = *owned;
    frame.m_checked.insert(CommandId::ViewToolbar);
    frame.m_texts[CommandId::EditCut] = u"Cut &Item"_s;
    registry.UpdateAll();
    QVERIFY(registry.Action(CommandId::ViewToolbar)->isChecked());
    QVERIFY(registry.Action(CommandId::ViewToolbar)->isEnabled());
    QCOMPARE(registry.Action(CommandId::EditCut)->text(), u"Cut &Item"_s);
    QVERIFY(!registry.Action(CommandId::EditPaste)->isEnabled());

    // Once nobody handles them, the standard text returns and they are disabled.
    router.SetTarget(RouteLevel::Frame, nullptr);
    registry.UpdateAll();
    QCOMPARE(registry.Action(CommandId::EditCut)->text(), u"Cu&t\tCtrl+X"_s);
    QVERIFY(!registry.Action(CommandId::EditCut)->isEnabled());
    QVERIFY(!registry.Action(CommandId::ViewToolbar)->isChecked());
}

void CommandRouterTest::actionTriggersCommandThroughRouter() {
    QStringList log;
    CFakeTarget application(u"application"_s, {CommandId::FileNew}, log);
    CCommandRouter router;
    router.SetTarget(RouteLevel::Application, &application);
    const auto owned = MakeRegistry(router);
    CActionRegistry& registry = *owned;
    registry.UpdateAll();
    QSignalSpy routed(&registry, &CActionRegistry::CommandRouted);
    registry.Action(CommandId::FileNew)->trigger();
    QCOMPARE(log, QStringList{u"application %1"_s.arg(CommandId::FileNew)});
    QCOMPARE(routed.count(), 1);
    QCOMPARE(routed.at(0).at(0).toInt(), CommandId::FileNew);

    // A handler that turned the command off meanwhile is respected.
    application.m_enabled[CommandId::FileNew] = false;
    registry.Action(CommandId::FileNew)->setEnabled(true);
    registry.Action(CommandId::FileNew)->trigger();
    QCOMPARE(log.size(), 1);
}

void CommandRouterTest::menuUpdatesWhenItOpens() {
    QStringList log;
    CFakeTarget view(u"view"_s, {CommandId::EditFind}, log);
    CCommandRouter router;
    const auto owned = MakeRegistry(router);
    CActionRegistry& registry = *owned;
    QWidget parent;
    QMenu* menu = registry.BuildMenu(
        CMenuItem::Popup(u"&Edit"_s,
                         {CMenuItem::Command(CommandId::EditFind), CMenuItem::Separator(),
                          CMenuItem::Popup(u"&More"_s, {CMenuItem::Command(CommandId::EditCut)})}),
        &parent);
    QCOMPARE(menu->title(), u"&Edit"_s);
    QCOMPARE(menu->actions().size(), 3);
    QVERIFY(menu->actions().at(1)->isSeparator());
    QVERIFY(!registry.Action(CommandId::EditFind)->isEnabled());

    router.SetTarget(RouteLevel::View, &view);
    emit menu->aboutToShow();
    QVERIFY(registry.Action(CommandId::EditFind)->isEnabled());
    QVERIFY(!registry.Action(CommandId::EditCut)->isEnabled());
}

void CommandRouterTest::promptSplitsIntoStatusAndToolTip() {
    CCommandRouter router;
    const auto registry = MakeRegistry(router);
    QCOMPARE(registry->Action(CommandId::FileNew)->statusTip(), u"Create a new inventory"_s);
    QCOMPARE(registry->Action(CommandId::FileNew)->toolTip(), u"New Inventory"_s);
}

void CommandRouterTest::contextMenuShowsTheSameActionsWithPopupTexts() {
    QStringList log;
    CFakeTarget view(u"view"_s, {CommandId::EditCut, CommandId::EditFind, kPicture}, log);
    view.m_texts[CommandId::EditFind] = u"&Find Item\tCtrl+F"_s;
    CCommandRouter router;
    router.SetTarget(RouteLevel::View, &view);
    const auto registry = MakeRegistry(router);
    registry->UpdateAll();
    QWidget parent;
    parent.show();
    QList<QAction*> shownActions;
    QStringList shownTexts;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY(menu != nullptr);
        shownActions = menu->actions();
        for (QAction* action : shownActions) {
            shownTexts << action->text();
            QVERIFY(!action->isShortcutVisibleInContextMenu());
        }
        menu->close();
    });
    registry->ExecContextMenu(CMenuItem::Popup(u"Popup"_s, {CMenuItem::Command(CommandId::EditCut),
                                                            CMenuItem::Command(CommandId::EditFind),
                                                            CMenuItem::Command(kPicture)}),
                              parent.mapToGlobal(QPoint(5, 5)), &parent);
    QCOMPARE(shownActions,
             (QList<QAction*>{registry->Action(CommandId::EditCut),
                              registry->Action(CommandId::EditFind), registry->Action(kPicture)}));
    QCOMPARE(shownTexts, (QStringList{u"Cu&t"_s, u"&Find Item"_s, u"V&iew Item Picture"_s}));
    // Closed, the menu bar's texts are back.
    QCOMPARE(registry->Action(CommandId::EditCut)->text(), u"Cu&t\tCtrl+X"_s);
    QCOMPARE(registry->Action(CommandId::EditFind)->text(), u"&Find Item\tCtrl+F"_s);
    QCOMPARE(registry->Action(kPicture)->text(), u"View Item &Picture"_s);
}

void CommandRouterTest::recentFileEntries_data() {
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("texts"); // visible entries, "(off)" marks a disabled one
    QTest::newRow("empty") << QStringList{} << QStringList{u"Recent File (off)"_s};
    QTest::newRow("two") << QStringList{u"/home/a/one.inv"_s, u"/home/a/two.inv"_s}
                         << QStringList{u"&1 /home/a/one.inv"_s, u"&2 /home/a/two.inv"_s};
    QTest::newRow("ampersand") << QStringList{u"/home/a/R&D.inv"_s}
                               << QStringList{u"&1 /home/a/R&&D.inv"_s};
}

void CommandRouterTest::recentFileEntries() {
    QFETCH(QStringList, files);
    QFETCH(QStringList, texts);
    CMessageRecorder messages;
    CNoFiles chooser;
    CDocManager docManager(messages, chooser);
    docManager.GetRecentFiles().SetFiles(files);
    CDocCommands commands(docManager, [] { return nullptr; });
    CCommandRouter router;
    router.SetTarget(RouteLevel::Application, &commands);
    const auto owned = MakeRegistry(router);
    CActionRegistry& registry = *owned;
    registry.UpdateAll();
    QStringList shown;
    for (int n = 0; n < CommandId::FileMruCount; ++n) {
        QAction* action = registry.Action(CommandId::FileMru1 + n);
        if (action->isVisible())
            shown.append(action->text() + (action->isEnabled() ? QString() : u" (off)"_s));
    }
    QCOMPARE(shown, texts);
    // Nothing to make a new document from: New is off.
    QVERIFY(!registry.Action(CommandId::FileNew)->isEnabled());
}

QTEST_MAIN(CommandRouterTest)
#include "CommandRouterTest.moc"
