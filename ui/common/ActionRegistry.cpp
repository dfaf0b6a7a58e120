#include "ui/common/ActionRegistry.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPointer>

#include "ui/common/CommandRouter.h"
#include "ui/common/CommandUpdate.h"

QString CActionRegistry::StatusTextOf(const QString& prompt) {
    return prompt.section(u'\n', 0, 0);
}

QString CActionRegistry::ToolTipOf(const QString& prompt) {
    return prompt.section(u'\n', 1, 1);
}

static void InitIconResources() {
    // The icons live in the static widget library; nothing else pulls them in.
    Q_INIT_RESOURCE(icons);
}

CActionRegistry::CActionRegistry(CCommandRouter& router, QObject* parent)
    : QObject(parent), m_router(router) {
    InitIconResources();
}

void CActionRegistry::Register(const std::vector<CCommandInfo>& commands) {
    for (const CCommandInfo& info : commands) {
        if (!m_commands.emplace(info.id, info).second)
            continue;
        auto* action = new QAction(info.text, this);
        action->setStatusTip(StatusTextOf(info.prompt));
        const QString toolTip = ToolTipOf(info.prompt);
        if (!toolTip.isEmpty()) {
            action->setToolTip(toolTip);
            action->setIconText(toolTip);
        }
        if (!info.themeIcon.isEmpty())
            action->setIcon(QIcon::fromTheme(info.themeIcon, QIcon(info.icon)));
        else if (!info.icon.isEmpty())
            action->setIcon(QIcon(info.icon));
        action->setShortcuts(info.shortcuts);
        // A context menu shows no key texts.
        action->setShortcutVisibleInContextMenu(false);
        action->setCheckable(info.checkable);
        action->setVisible(info.visible);
        action->setEnabled(false);
        const int id = info.id;
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { Trigger(id); });
        m_actions.emplace(id, action);
    }
}

const CCommandInfo* CActionRegistry::Info(int id) const {
    const auto found = m_commands.find(id);
    return found == m_commands.end() ? nullptr : &found->second;
}

CActionRegistry::~CActionRegistry() = default;

QAction* CActionRegistry::Action(int id) const {
    const auto found = m_actions.find(id);
    return found == m_actions.end() ? nullptr : found->second;
}

QList<QAction*> CActionRegistry::AllActions() const {
    QList<QAction*> actions;
    for (const auto& [id, action] : m_actions)
        actions.append(action);
    return actions;
}

void CActionRegistry::UpdateAction(int id) {
    QAction* action = Action(id);
    const CCommandInfo* info = Info(id);
    if (!action || !info)
        return;
    if (!m_router.FindTarget(id)) {
        action->setEnabled(false);
        action->setChecked(false);
        action->setVisible(info->visible);
        action->setText(ShownText(*info, std::nullopt));
        return;
    }
    const CCommandUpdate update = m_router.Update(id);
    action->setEnabled(update.IsEnabled());
    if (action->isCheckable())
        action->setChecked(update.IsChecked());
    action->setVisible(update.IsVisible());
    action->setText(ShownText(*info, update.GetText()));
}

QString CActionRegistry::ShownText(const CCommandInfo& info,
                                   const std::optional<QString>& updated) const {
    if (!m_inContextMenu.contains(info.id))
        return updated.value_or(info.text);
    if (updated)
        return updated->section(u'\t', 0, 0);
    return info.popupText.isEmpty() ? info.text.section(u'\t', 0, 0) : info.popupText;
}

void CActionRegistry::UpdateAll() {
    for (const auto& [id, action] : m_actions)
        UpdateAction(id);
    emit AllUpdated();
}

void CActionRegistry::UpdateMenu(QMenu* menu) {
    for (QAction* action : menu->actions()) {
        if (QMenu* submenu = action->menu())
            UpdateMenu(submenu);
        bool known = false;
        const int id = action->data().toInt(&known);
        if (known && Action(id) == action)
            UpdateAction(id);
    }
}

QMenu* CActionRegistry::BuildMenu(const CMenuItem& popup, QWidget* parent) {
    auto* menu = new QMenu(popup.title, parent);
    for (const CMenuItem& item : popup.items) {
        switch (item.kind) {
        case CMenuItem::Kind::Command:
            if (QAction* action = Action(item.id))
                menu->addAction(action);
            break;
        case CMenuItem::Kind::Separator:
            menu->addSeparator();
            break;
        case CMenuItem::Kind::Popup:
            menu->addMenu(BuildMenu(item, menu));
            break;
        }
    }
    connect(menu, &QMenu::aboutToShow, this, [this, menu] { UpdateMenu(menu); });
    return menu;
}

void CActionRegistry::ExecContextMenu(const CMenuItem& popup, const QPoint& globalPos,
                                      QWidget* parent) {
    // The command chosen may close the window the menu belongs to, and the menu with it.
    QPointer<QMenu> menu = BuildMenu(popup, parent);
    // Marked before the menu's own update runs, so that it shows the popup texts.
    const auto mark = [this](const auto& self, const CMenuItem& item) -> void {
        if (item.kind == CMenuItem::Kind::Command)
            m_inContextMenu.insert(item.id);
        for (const CMenuItem& inner : item.items)
            self(self, inner);
    };
    mark(mark, popup);
    QPointer<CActionRegistry> self(this);
    menu->exec(globalPos);
    delete menu;
    if (!self)
        return;
    m_inContextMenu.clear();
    UpdateAll();
}

void CActionRegistry::Trigger(int id) {
    // The command may close the window that owns the registry.
    QPointer<CActionRegistry> self(this);
    if (m_router.Route(id))
        emit CommandRouted(id);
    if (self)
        UpdateAll();
}
