#include "ui/common/CommandRouter.h"

#include "ui/common/CommandTarget.h"
#include "ui/common/CommandUpdate.h"

void CCommandRouter::SetSource(RouteLevel level, TargetSource source) {
    m_sources[static_cast<std::size_t>(level)] = std::move(source);
}

void CCommandRouter::SetTarget(RouteLevel level, CCommandTarget* target) {
    if (target)
        SetSource(level, [target] { return target; });
    else
        SetSource(level, {});
}

CCommandTarget* CCommandRouter::FindTarget(int id) const {
    for (const TargetSource& source : m_sources) {
        if (!source)
            continue;
        if (CCommandTarget* target = source(); target && target->HandlesCommand(id))
            return target;
    }
    return nullptr;
}

CCommandUpdate CCommandRouter::Update(int id) const {
    CCommandUpdate update(id);
    if (CCommandTarget* target = FindTarget(id))
        target->OnUpdateCommand(id, update);
    else
        update.Enable(false);
    return update;
}

bool CCommandRouter::Route(int id) const {
    CCommandTarget* target = FindTarget(id);
    if (!target)
        return false;
    // A key press can arrive between two menu updates; it must obey the same rule.
    CCommandUpdate update(id);
    target->OnUpdateCommand(id, update);
    if (!update.IsEnabled())
        return false;
    target->OnCommand(id);
    return true;
}
