#pragma once

#include <map>
#include <vector>

#include <QKeySequence>
#include <QList>
#include <QObject>
#include <QString>

#include "ui/common/MenuLayout.h"

class CCommandRouter;
class QAction;
class QMenu;
class QWidget;

// How a command shows itself: the menu text ("&" mnemonic, "\t" key text), the
// prompt ("status bar text\ntool tip"), the icon resource and the keys.
struct CCommandInfo {
    int id = 0;
    QString text;
    QString prompt;
    QString icon; // resource path; empty when the command has no picture
    QList<QKeySequence> shortcuts;
    bool checkable = false;
    bool visible = true; // shown while nobody handles the command
};

// Creates every QAction of the program, one per command number, and keeps their
// enabling, check marks and texts in line with the update handlers that the
// router finds. Actions trigger their command through the router.
class CActionRegistry : public QObject {
    Q_OBJECT

public:
    explicit CActionRegistry(CCommandRouter& router, QObject* parent = nullptr);
    ~CActionRegistry() override;

    // Every command the program knows, in no particular order.
    static const std::vector<CCommandInfo>& Commands();
    // The command's entry in Commands(); null for an unknown number.
    static const CCommandInfo* FindCommand(int id);
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

signals:
    // A command was carried out through one of the actions.
    void CommandRouted(int id);
    // UpdateAll ran: a selection, the active window or a document may have changed.
    void AllUpdated();

private:
    void Trigger(int id);

    CCommandRouter& m_router;
    std::map<int, QAction*> m_actions;
};
