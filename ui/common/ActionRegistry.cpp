#include "ui/common/ActionRegistry.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QPointer>

#include "ui/common/CommandIds.h"
#include "ui/common/CommandRouter.h"
#include "ui/common/CommandUpdate.h"

using namespace Qt::StringLiterals;

namespace {

QString ToolbarIcon(const char16_t* name) {
    return u":/icons/toolbar/"_s + QString::fromUtf16(name) + u".svg"_s;
}

std::vector<CCommandInfo> MakeCommands() {
    using namespace CommandId;
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    const auto shift = [](Qt::Key key) { return QKeySequence(Qt::SHIFT | key); };
    std::vector<CCommandInfo> commands = {
        {FileNew,
         u"&New Inventory\tCtrl+N"_s,
         u"Create a new inventory\nNew Inventory"_s,
         ToolbarIcon(u"new"),
         {ctrl(Qt::Key_N)}},
        {FileOpen,
         u"&Open Inventory...\tCtrl+O"_s,
         u"Open an existing inventory\nOpen Inventory"_s,
         ToolbarIcon(u"open"),
         {ctrl(Qt::Key_O)}},
        {FileClose, u"&Close"_s, u"Close the active document\nClose"_s, {}, {}},
        {FileSave,
         u"&Save\tCtrl+S"_s,
         u"Save the active document\nSave"_s,
         ToolbarIcon(u"save"),
         {ctrl(Qt::Key_S)}},
        {FileSaveAs,
         u"Save &As..."_s,
         u"Save the active document with a new name\nSave As"_s,
         {},
         {}},
        {FilePrintSetup,
         u"P&rint Setup..."_s,
         u"Change the printer and printing options\nPrint Setup"_s,
         {},
         {}},
        {FilePrint,
         u"&Print...\tCtrl+P"_s,
         u"Print the active document\nPrint"_s,
         ToolbarIcon(u"print"),
         {ctrl(Qt::Key_P)}},
        {FilePrintPreview, u"Print Pre&view"_s, u"Display full pages\nPrint Preview"_s, {}, {}},
        {AppExit, u"E&xit"_s, u"Quit the application; prompts to save documents\nExit"_s, {}, {}},

        {EditUndo,
         u"&Undo\tCtrl+Z"_s,
         u"Undo the last action\nUndo"_s,
         {},
         {ctrl(Qt::Key_Z), QKeySequence(Qt::ALT | Qt::Key_Backspace)}},
        {EditCut,
         u"Cu&t\tCtrl+X"_s,
         u"Cut the selected item and put it on the Clipboard\nCut"_s,
         ToolbarIcon(u"cut"),
         {ctrl(Qt::Key_X), shift(Qt::Key_Delete)}},
        {EditCopy,
         u"&Copy\tCtrl+C"_s,
         u"Copy the selected item and put it on the Clipboard\nCopy"_s,
         ToolbarIcon(u"copy"),
         {ctrl(Qt::Key_C), ctrl(Qt::Key_Insert)}},
        {EditPaste,
         u"&Paste\tCtrl+V"_s,
         u"Insert the item on the Clipboard\nPaste"_s,
         ToolbarIcon(u"paste"),
         {ctrl(Qt::Key_V), shift(Qt::Key_Insert)}},
        {EditFind,
         u"&Find\tCtrl+F"_s,
         u"Find an item by its text\nFind"_s,
         ToolbarIcon(u"find"),
         {ctrl(Qt::Key_F)}},
        {EditDelete,
         u"&Delete\tCtrl+Del"_s,
         u"Delete the selected item\nDelete"_s,
         ToolbarIcon(u"delete"),
         {ctrl(Qt::Key_Delete)}},

        {ExpandInventory,
         u"&Expand Inventory"_s,
         u"Show the details of every item\nExpand Inventory"_s,
         ToolbarIcon(u"expand"),
         {}},
        {CollapseInventory,
         u"&Collapse Inventory"_s,
         u"Hide the details of every item\nCollapse Inventory"_s,
         ToolbarIcon(u"collapse"),
         {}},
        {ViewAsList,
         u"&View as a List"_s,
         u"Show the inventory in a list window\nView as a List"_s,
         {},
         {}},
        {SendToYard,
         u"&Send to Classification Yard"_s,
         u"Send the selected item to the Classification Yard for changes\n"
         u"Send to Classification Yard"_s,
         ToolbarIcon(u"send-to-yard"),
         {}},
        {ViewItemComments,
         u"&View Item Comments"_s,
         u"Show the comments of the selected item\nView Item Comments"_s,
         ToolbarIcon(u"view-comments"),
         {}},

        {ViewItemPicture,
         u"View Item &Picture"_s,
         u"Show the picture of the selected item\nView Item Picture"_s,
         {},
         {}},
        {ViewItemPicturePopup,
         u"V&iew Item Picture"_s,
         u"Show the picture of the selected item\nView Item Picture"_s,
         {},
         {}},
        {InventoryDetails,
         u"&Inventory Details..."_s,
         u"Choose the details shown for every item\nInventory Details"_s,
         {},
         {}},
        {ExportInventory,
         u"&Export Inventory"_s,
         u"Write the inventory to a delimited text file\nExport Inventory"_s,
         {},
         {}},
        {ImportInventory,
         u"&Import Inventory"_s,
         u"Read the items of a delimited text file into the empty inventory\nImport Inventory"_s,
         {},
         {}},
        {IntegrityCheck,
         u"&Integrity Check"_s,
         u"Check the item, or every item, against the Classification Yard\nIntegrity Check"_s,
         {},
         {}},
        {ChangeCondition,
         u"C&hange Condition"_s,
         u"Change the condition of the selected item\nChange Condition"_s,
         {},
         {}},
        {ChangeCurrentValue,
         u"Ch&ange Current Value"_s,
         u"Change the current value of the selected item\nChange Current Value"_s,
         {},
         {}},
        {ChangeComments,
         u"Cha&nge Comments"_s,
         u"Change the comments of the selected item\nChange Comments"_s,
         {},
         {}},
        {ChangePicture,
         u"Chan&ge Picture"_s,
         u"Change the picture of the selected item\nChange Picture"_s,
         {},
         {}},
        {EditCutPopup,
         u"Cu&t"_s,
         u"Cut the selected item and put it on the Clipboard\nCut"_s,
         {},
         {}},
        {EditCopyPopup,
         u"&Copy"_s,
         u"Copy the selected item and put it on the Clipboard\nCopy"_s,
         {},
         {}},
        {EditPastePopup, u"&Paste"_s, u"Insert the item on the Clipboard\nPaste"_s, {}, {}},
        {EditFindPopup, u"&Find"_s, u"Find an item by its text\nFind"_s, {}, {}},
        {EditDeletePopup, u"&Delete"_s, u"Delete the selected item\nDelete"_s, {}, {}},

        {DollarGainLoss,
         u"&Dollar Gain/Loss"_s,
         u"Dollar gain or loss of the selected item or the inventory\nDollar Gain/Loss"_s,
         ToolbarIcon(u"dollar-gain-loss"),
         {}},
        {PercentGainLoss,
         u"&Percent Gain/Loss"_s,
         u"Percent gain or loss of the selected item or the inventory\nPercent Gain/Loss"_s,
         ToolbarIcon(u"percent-gain-loss"),
         {}},
        {BestPerformer,
         u"&Best Performer"_s,
         u"Find the item with the best gain\nBest Performer"_s,
         ToolbarIcon(u"best-performer"),
         {}},
        {WorstPerformer,
         u"&Worst Performer"_s,
         u"Find the item with the worst loss\nWorst Performer"_s,
         ToolbarIcon(u"worst-performer"),
         {}},
        {TotalExpenditures,
         u"&Total"_s,
         u"Total purchase price of the inventory\nTotal Expenditures"_s,
         ToolbarIcon(u"total-expenditures"),
         {}},
        {TotalAssetValue,
         u"&Total"_s,
         u"Total current value of the inventory\nTotal Asset Value"_s,
         ToolbarIcon(u"total-asset-value"),
         {}},

        {DollarGainLossPopup,
         u"&Dollar Gain/Loss"_s,
         u"Dollar gain or loss of the selected item or the inventory\nDollar Gain/Loss"_s,
         {},
         {}},
        {PercentGainLossPopup,
         u"&Percent Gain/Loss"_s,
         u"Percent gain or loss of the selected item or the inventory\nPercent Gain/Loss"_s,
         {},
         {}},
        {ItemCountTotal,
         u"&Total"_s,
         u"Number of items of the inventory\nTotal Item Count"_s,
         {},
         {}},
        {ExpendituresByPurchaseDate,
         u"by  Purchase &Date"_s,
         u"Expenditures by purchase date\nExpenditures by Purchase Date"_s,
         {},
         {}},
        {ExpendituresByManufacturer,
         u"by  &Manufacturer"_s,
         u"Expenditures by manufacturer\nExpenditures by Manufacturer"_s,
         {},
         {}},
        {ExpendituresByBodyClassification,
         u"by  &Body Classification"_s,
         u"Expenditures by body classification\nExpenditures by Body Classification"_s,
         {},
         {}},
        {AssetValueByPurchaseDate,
         u"by  Purchase &Date"_s,
         u"Asset value by purchase date\nAsset Value by Purchase Date"_s,
         {},
         {}},
        {AssetValueByManufacturer,
         u"by  &Manufacturer"_s,
         u"Asset value by manufacturer\nAsset Value by Manufacturer"_s,
         {},
         {}},
        {AssetValueByBodyClassification,
         u"by  &Body Classification"_s,
         u"Asset value by body classification\nAsset Value by Body Classification"_s,
         {},
         {}},
        {ItemCountByManufacturer,
         u"by  &Manufacturer"_s,
         u"Item count by manufacturer\nItem Count by Manufacturer"_s,
         {},
         {}},
        {ItemCountByBodyClassification,
         u"by  &Body Classification"_s,
         u"Item count by body classification\nItem Count by Body Classification"_s,
         {},
         {}},
        {CustomReport,
         u"&Custom Report"_s,
         u"Totals grouped by an attribute of your choice\nCustom Report"_s,
         {},
         {}},

        {YardBuild,
         u"&Build an Inventory Item"_s,
         u"Start building an item in the Classification Yard\nBuild"_s,
         {},
         {}},
        {YardFinish, u"&Finish the Build"_s, u"Finish the item being built\nFinished"_s, {}, {}},
        {YardFinishPopup,
         u"&Finish the Build"_s,
         u"Finish the item being built\nFinished"_s,
         {},
         {}},
        {YardCancel, u"C&ancel the Build"_s, u"Cancel the item being built\nCancel"_s, {}, {}},
        {YardCancelPopup, u"C&ancel the Build"_s, u"Cancel the item being built\nCancel"_s, {}, {}},
        {YardItemNumberBuilder,
         u"Use &Item Number Builder"_s,
         u"Put the item number together key by key\nItem Number Builder"_s,
         {},
         {}},
        {YardItemNumberBuilderPopup,
         u"Use &Item Number Builder"_s,
         u"Put the item number together key by key\nItem Number Builder"_s,
         {},
         {}},
        {YardCustomize,
         u"&Customize Classification Yard"_s,
         u"Change the values, ranges, headings and preferences of the yard\n"
         u"Customize Classification Yard"_s,
         {},
         {}},
        {YardUseManufacturerFile,
         u"Use &Manufacturer File"_s,
         u"Pick the item from the manufacturer file\nUse Manufacturer File"_s,
         {},
         {}},
        {YardSendToInventory,
         u"&Send Item to Inventory"_s,
         u"Send the finished item to an inventory\nSend Item to Inventory"_s,
         {},
         {}},
        {BuildItem,
         u"&Build an Inventory Item"_s,
         u"Build a new item in the Classification Yard\nBuild an Inventory Item"_s,
         ToolbarIcon(u"build-item"),
         {}},
        {CustomizeYard,
         u"&Customize Classification Yard"_s,
         u"Change the values, ranges, headings and preferences of the yard\n"
         u"Customize Classification Yard"_s,
         ToolbarIcon(u"customize-yard"),
         {}},
        {UseManufacturerFile,
         u"Use &Manufacturer File"_s,
         u"Pick the item from the manufacturer file\nUse Manufacturer File"_s,
         ToolbarIcon(u"use-manufacturer-file"),
         {}},
        {SendItemToInventory,
         u"&Send Item to Inventory"_s,
         u"Send the finished item to an inventory\nSend Item to Inventory"_s,
         ToolbarIcon(u"send-to-inventory"),
         {}},

        {ViewToolbar, u"&Toolbar"_s, u"Show or hide the toolbar\nToggle Toolbar"_s, {}, {}, true},
        {ViewStatusBar,
         u"&Status Bar"_s,
         u"Show or hide the status bar\nToggle Status Bar"_s,
         {},
         {},
         true},
        {NextPane,
         u"Next Pane"_s,
         u"Switch to the next window pane\nNext Pane"_s,
         {},
         {QKeySequence(Qt::Key_F6)}},
        {PreviousPane,
         u"Previous Pane"_s,
         u"Switch back to the previous window pane\nPrevious Pane"_s,
         {},
         {shift(Qt::Key_F6)}},

        {WindowCascade,
         u"&Cascade"_s,
         u"Arrange windows so they overlap\nCascade Windows"_s,
         ToolbarIcon(u"cascade"),
         {}},
        {WindowTileHorizontally,
         u"Tile &Horizontally"_s,
         u"Arrange windows one above the other\nTile Horizontally"_s,
         ToolbarIcon(u"tile-horizontally"),
         {}},
        {WindowTileVertically,
         u"Tile &Vertically"_s,
         u"Arrange windows side by side\nTile Vertically"_s,
         ToolbarIcon(u"tile-vertically"),
         {}},
        {WindowArrangeIcons,
         u"&Arrange Icons"_s,
         u"Arrange minimized windows at the bottom of the window\nArrange Icons"_s,
         {},
         {}},

        {HelpTopics, u"&Help Topics"_s, u"List Help topics\nHelp Topics"_s, {}, {}},
        {TipOfTheDay,
         u"&Tip of the Day"_s,
         u"Display a tip about the program\nTip of the Day"_s,
         {},
         {}},
        {AppAbout,
         u"&About The Gaugewright..."_s,
         u"Display program information, version number and copyright\nAbout"_s,
         ToolbarIcon(u"about"),
         {}},
        {ContextHelp,
         u"&Help"_s,
         u"Display help for clicked on buttons, menus and windows\nHelp"_s,
         ToolbarIcon(u"context-help"),
         {}},
    };
    // Sort Inventory by...: the menu texts of the attributes (the view shows the
    // current headings instead).
    static const char16_t* const kSortTexts[SortByCount] = {
        u"&Body Classification", u"&Manufacturer",  u"&Item Number",    u"&RoadName",
        u"&Paint Scheme",        u"&Scale",         u"&Condition",      u"&Original Box",
        u"&Date Built",          u"P&urchase Date", u"Purc&hase Price", u"Current &Value",
        u"User Defined &1",      u"User Defined &2"};
    for (int attribute = 0; attribute < SortByCount; ++attribute) {
        const QString name = QString::fromUtf16(kSortTexts[attribute]);
        commands.push_back(
            {SortByFirst + attribute,
             name,
             u"Sort the inventory by this attribute\nSort by "_s + QString(name).remove(u'&'),
             {},
             {}});
    }
    // The recent file list: the first entry stands for the empty list, the others
    // appear only for files the list holds.
    for (int n = 0; n < FileMruCount; ++n) {
        commands.push_back({FileMru1 + n,
                            n == 0 ? u"Recent File"_s : QString::number(n + 1),
                            u"Open this document"_s,
                            {},
                            {},
                            false,
                            n == 0});
    }
    return commands;
}

} // namespace

const std::vector<CCommandInfo>& CActionRegistry::Commands() {
    static const std::vector<CCommandInfo> commands = MakeCommands();
    return commands;
}

const CCommandInfo* CActionRegistry::FindCommand(int id) {
    for (const CCommandInfo& info : Commands()) {
        if (info.id == id)
            return &info;
    }
    return nullptr;
}

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
    for (const CCommandInfo& info : Commands()) {
        auto* action = new QAction(info.text, this);
        action->setStatusTip(StatusTextOf(info.prompt));
        const QString toolTip = ToolTipOf(info.prompt);
        if (!toolTip.isEmpty()) {
            action->setToolTip(toolTip);
            action->setIconText(toolTip);
        }
        if (!info.icon.isEmpty())
            action->setIcon(QIcon(info.icon));
        action->setShortcuts(info.shortcuts);
        action->setCheckable(info.checkable);
        action->setVisible(info.visible);
        action->setEnabled(false);
        const int id = info.id;
        action->setData(id);
        connect(action, &QAction::triggered, this, [this, id] { Trigger(id); });
        m_actions.emplace(id, action);
    }
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
    const CCommandInfo* info = FindCommand(id);
    if (!action || !info)
        return;
    if (!m_router.FindTarget(id)) {
        action->setEnabled(false);
        action->setChecked(false);
        action->setVisible(info->visible);
        action->setText(info->text);
        return;
    }
    const CCommandUpdate update = m_router.Update(id);
    action->setEnabled(update.IsEnabled());
    if (action->isCheckable())
        action->setChecked(update.IsChecked());
    action->setVisible(update.IsVisible());
    action->setText(update.GetText().value_or(info->text));
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

void CActionRegistry::Trigger(int id) {
    // The command may close the window that owns the registry.
    QPointer<CActionRegistry> self(this);
    if (m_router.Route(id))
        emit CommandRouted(id);
    if (self)
        UpdateAll();
}
