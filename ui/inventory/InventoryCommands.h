#pragma once

#include <vector>

#include "ui/common/CommandInfo.h"

class CCommandUpdate;
class CInventoryEditTarget;

// The inventory commands of the File, Edit, View, Options and Quick Facts menus and
// the "Inventory Modification" popup, described once for both inventory windows:
// texts, keys and icons, when each may run, and what it does in the window that
// carries it out. What differs between the windows comes from their traits.
namespace inventorycommands {

// The descriptions, for the action registry.
std::vector<CCommandInfo> Descriptions();
bool Handles(int id);
// Enables the command and sets its text for the window's selection and document.
void Update(CInventoryEditTarget& window, int id, CCommandUpdate& update);
// Carries the command out; nothing when it needs a service the program did not give.
void Run(CInventoryEditTarget& window, int id);

} // namespace inventorycommands
