#include "ui/app/ProgramCommands.h"

#include "ui/app/AppCommands.h"
#include "ui/app/InventoryDocCommands.h"
#include "ui/app/MainFrame.h"
#include "ui/common/DocCommands.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/yard/ClassificationView.h"

std::vector<CCommandInfo> ProgramCommands() {
    std::vector<CCommandInfo> commands;
    for (std::vector<CCommandInfo> part :
         {CDocCommands::Commands(), CSidingWardView::Commands(), CInventoryDocCommands::Commands(),
          CClassificationView::Commands(), CMainFrame::Commands(), CAppCommands::Commands()})
        commands.insert(commands.end(), part.begin(), part.end());
    return commands;
}
