#pragma once

#include <map>
#include <optional>
#include <set>
#include <vector>

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include "ui/common/CommandInfo.h"
#include "ui/common/MenuLayout.h"

class CCommandRouter;
class QAction;
class QMenu;
class QPoint;
class QWidget;

// Holds one QAction per command that the features register, and keeps their
// enabling, check marks and texts in line with the update handlers that the
// router finds. Menus, context menus and the toolbar all show these actions;
// triggering one carries out its command through the router.
class CActionRegistry : public QObject {
    Q_OBJECT

public:
    explicit CActionRegistry(CCommandRouter& router, QObject* parent = nullptr);
    ~CActionRegistry() override;

    // Creates the actions of the commands. A number registered before is refused
    // (the first description stays), so no two features can claim one command.
    void Register(const std::vector<CCommandInfo>& commands);
    // The description of a registered command; null for an unknown number.
    const CCommandInfo* Info(int id) const;
    // Every registered command, by number.
    const std::map<int, CCommandInfo>& Commands() const { return m_commands; }

    // The first and the second part of a prompt.
    static QString StatusTextOf(const QString& prompt);
    static QString ToolTipOf(const QString& prompt);

    // The action of the command (owned by the registry); null for an unknown number.
    QAction* Action(int id) const;
    // Every action, for a window that should take all their keys.
    QList<QAction*> AllActions() const;

    // Runs the update handler of one command, of every command, or of every command
    // in the menu (submenus included) and applies the result to the actions.
    void UpdateAction(int id);
    void UpdateAll();
    void UpdateMenu(QMenu* menu);

    // A menu of the layout's entries (a Popup item) with the registry's actions,
    // updated each time it opens. The menu is owned by parent.
    QMenu* BuildMenu(const CMenuItem& popup, QWidget* parent);
    // Shows the layout as a context menu at globalPos over parent and waits until it
    // closes. Its entries are the same actions with their popup texts, which stay
    // until the menu closes.
    void ExecContextMenu(const CMenuItem& popup, const QPoint& globalPos, QWidget* parent);

signals:
    // A command was carried out through one of the actions.
    void CommandRouted(int id);
    // UpdateAll ran: a selection, the active window or a document may have changed.
    void AllUpdated();

private:
    void Trigger(int id);
    // The text the action shows: in an open context menu its popup text.
    QString ShownText(const CCommandInfo& info, const std::optional<QString>& updated) const;

    CCommandRouter& m_router;
    std::map<int, CCommandInfo> m_commands;
    std::map<int, QAction*> m_actions;
    // The commands of the context menu that is open.
    std::set<int> m_inContextMenu;
};
