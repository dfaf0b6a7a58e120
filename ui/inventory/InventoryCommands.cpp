#include "ui/inventory/InventoryCommands.h"

#include <functional>

#include "model/core/Catalogue.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandTable.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/Text.h"
#include "ui/inventory/CommentsPictureCommands.h"
#include "ui/inventory/ImportExportCommands.h"
#include "ui/inventory/InsuranceReportCommands.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryEditCommands.h"
#include "ui/inventory/InventoryEditTarget.h"
#include "ui/inventory/InventoryViewServices.h"
#include "ui/inventory/InventoryYardLink.h"
#include "ui/inventory/ReportPrintCommands.h"
#include "ui/quickfacts/BreakdownCommands.h"
#include "ui/quickfacts/ValueHistoryDialog.h"
#include "ui/yard/YardCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

// When an inventory command may run.
enum class Rule {
    Always,
    Selected,         // an item (or one of its lines) is selected
    Items,            // the inventory has items
    SelectedAndItems, // something is selected and the inventory has items
    Empty,            // the inventory is empty
    Clipboard,        // the application clipboard holds an item
    YardIdle,         // the yard is not building
    SelectedYardIdle, // Selected and YardIdle
    SelectedComments, // Selected, and the item has comments
    SelectedPicture,  // Selected, and the item has a picture
    Expands,          // the window expands and collapses its items
    MenuSort,         // the window sorts from the menu
    Pictures,         // the window can show its items' pictures
};

// The program's part a command needs; without it the command is disabled.
enum class Service {
    None,
    Printing,
    ImportExport,
    CommentsPictures,
    Breakdowns,
    Thumbnails,
    Insurance
};

// What the rules look at, taken once per update.
struct CommandState {
    bool anySelected = false;
    bool itemSelected = false;
    bool hasItems = false;
    bool clipboard = false;
    bool yardIdle = false;
    bool comments = false;
    bool picture = false;
    bool expands = false;
    bool sortsFromMenu = false;
    bool pictures = false;
};

bool Holds(Rule rule, const CommandState& state) {
    switch (rule) {
    case Rule::Always:
        return true;
    case Rule::Selected:
        return state.itemSelected;
    case Rule::Items:
        return state.hasItems;
    case Rule::SelectedAndItems:
        return state.anySelected && state.hasItems;
    case Rule::Empty:
        return !state.hasItems;
    case Rule::Clipboard:
        return state.clipboard;
    case Rule::YardIdle:
        return state.yardIdle;
    case Rule::SelectedYardIdle:
        return state.itemSelected && state.yardIdle;
    case Rule::SelectedComments:
        return state.itemSelected && state.comments;
    case Rule::SelectedPicture:
        return state.itemSelected && state.picture;
    case Rule::Expands:
        return state.expands;
    case Rule::MenuSort:
        return state.sortsFromMenu;
    case Rule::Pictures:
        return state.pictures;
    }
    return false;
}

bool Offers(Service service, const CInventoryViewServices& services) {
    switch (service) {
    case Service::None:
        return true;
    case Service::Printing:
        return services.printing != nullptr;
    case Service::ImportExport:
        return services.importExport != nullptr;
    case Service::CommentsPictures:
        return services.commentsPictures != nullptr;
    case Service::Breakdowns:
        return services.breakdowns != nullptr;
    case Service::Thumbnails:
        return services.thumbnails != nullptr;
    case Service::Insurance:
        return services.insurance != nullptr;
    }
    return false;
}

// Menu texts hold "&" as the mnemonic mark; a heading's own "&" is shown as it is.
QString MenuText(const std::string& heading) {
    return text::ShowAmpersands(text::FromBytes(heading));
}

// Runs a comments or picture command on the selected item, when there is one.
void WithItem(CInventoryEditTarget& view,
              const std::function<void(CCommentsPictureCommands&, CInventoryElement&)>& run) {
    CInventoryElement* item = view.CurrentItem();
    if (view.ViewServices().commentsPictures != nullptr && item != nullptr)
        run(*view.ViewServices().commentsPictures, *item);
}

// One command: how it shows itself, when it may run, what it does, the text it
// carries at update time (none: the standard text), the service it needs and,
// for a switch, whether it is on.
struct Command {
    CCommandInfo info;
    Rule rule = Rule::Always;
    std::function<void(CInventoryEditTarget&)> run{};
    std::function<QString(const CInventoryEditTarget&)> text{};
    Service service = Service::None;
    std::function<bool(const CInventoryEditTarget&)> checked{};
};

const std::vector<Command>& CommandTable() {
    using namespace CommandId;
    using View = CInventoryEditTarget;
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    const auto shift = [](Qt::Key key) { return QKeySequence(Qt::SHIFT | key); };
    // The menu text that names the heading of an attribute.
    const auto headed = [](const QString& prefix, int attribute) {
        return [prefix, attribute](const View& view) {
            return prefix +
                   MenuText(CInventoryEditCommands::Heading(view.GetDocument(), attribute));
        };
    };
    const auto fixed = [](const QString& text) { return [text](const View&) { return text; }; };
    const auto editing = [](auto command) {
        return [command](View& view) { (CInventoryEditCommands(view).*command)(); };
    };
    const auto breakdown = [](BreakdownMeasure measure, int attribute) {
        return [measure, attribute](View& view) {
            view.ViewServices().breakdowns->Show(view.Window(), view.GetDocument(), measure,
                                                 attribute);
        };
    };
    constexpr int kCondition = static_cast<int>(Attribute::Condition);
    constexpr int kCurrentValue = static_cast<int>(Attribute::CurrentValue);
    constexpr int kPurchaseDate = static_cast<int>(Attribute::PurchaseDate);
    constexpr int kManufacturer = static_cast<int>(Attribute::Manufacturer);
    constexpr int kBody = static_cast<int>(Attribute::BodyClassification);

    static const std::vector<Command> table = [&] {
        std::vector<Command> commands = {
            {{FilePrint,
              u"&Print...\tCtrl+P"_s,
              u"Print the active document\nPrint"_s,
              ToolbarIcon(u"print"_s),
              {ctrl(Qt::Key_P)}},
             Rule::Always,
             [](View& view) {
                 view.ViewServices().printing->Print(view.Window(), view.GetDocument(),
                                                     view.Shown());
             },
             {},
             Service::Printing},
            {{FilePrintPreview, u"Print Pre&view"_s, u"Display full pages\nPrint Preview"_s},
             Rule::Always,
             [](View& view) {
                 view.ViewServices().printing->Preview(view.Window(), view.GetDocument(),
                                                       view.Shown());
             },
             {},
             Service::Printing},
            {{InsuranceReport, u"&Insurance Report..."_s,
              u"Write the inventory for an insurer as a PDF file\nInsurance Report"_s},
             Rule::Always,
             [](View& view) {
                 view.ViewServices().insurance->Run(view.Window(), view.GetDocument());
             },
             {},
             Service::Insurance},
            {{ExportInventory, u"&Export Inventory"_s,
              u"Write the inventory to a delimited text file\nExport Inventory"_s},
             Rule::Items,
             [](View& view) {
                 view.ViewServices().importExport->Export(view.Window(), view.GetDocument());
             },
             {},
             Service::ImportExport},
            {{ImportInventory, u"&Import Inventory"_s,
              u"Read the items of a delimited text file into the empty inventory\n"
              u"Import Inventory"_s},
             Rule::Empty,
             [](View& view) {
                 view.ViewServices().importExport->Import(
                     view.Window(), view.GetDocument(), view.Sender(), Today(view.ViewServices()));
             },
             {},
             Service::ImportExport},

            {{EditCut,
              u"Cu&t\tCtrl+X"_s,
              u"Cut the selected item and put it on the Clipboard\nCut"_s,
              ToolbarIcon(u"cut"_s),
              {ctrl(Qt::Key_X), shift(Qt::Key_Delete)}},
             Rule::Selected,
             editing(&CInventoryEditCommands::Cut)},
            {{EditCopy,
              u"&Copy\tCtrl+C"_s,
              u"Copy the selected item and put it on the Clipboard\nCopy"_s,
              ToolbarIcon(u"copy"_s),
              {ctrl(Qt::Key_C), ctrl(Qt::Key_Insert)}},
             Rule::Selected,
             editing(&CInventoryEditCommands::Copy)},
            {{EditPaste,
              u"&Paste\tCtrl+V"_s,
              u"Insert the item on the Clipboard\nPaste"_s,
              ToolbarIcon(u"paste"_s),
              {ctrl(Qt::Key_V), shift(Qt::Key_Insert)}},
             Rule::Clipboard,
             editing(&CInventoryEditCommands::Paste)},
            {{EditFind,
              u"&Find\tCtrl+F"_s,
              u"Find an item by its text\nFind"_s,
              ToolbarIcon(u"find"_s),
              {ctrl(Qt::Key_F)}},
             Rule::Items,
             editing(&CInventoryEditCommands::Find)},
            {{EditDelete,
              u"&Delete\tCtrl+Del"_s,
              u"Delete the selected item\nDelete"_s,
              ToolbarIcon(u"delete"_s),
              {ctrl(Qt::Key_Delete)}},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::Delete)},

            {{ExpandInventory, u"&Expand Inventory"_s,
              u"Show the details of every item\nExpand Inventory"_s, ToolbarIcon(u"expand"_s)},
             Rule::Expands,
             [](View& view) { view.ExpandAll(); }},
            {{CollapseInventory, u"&Collapse Inventory"_s,
              u"Hide the details of every item\nCollapse Inventory"_s, ToolbarIcon(u"collapse"_s)},
             Rule::Expands,
             [](View& view) { view.CollapseAll(); }},
            {{InventoryDetails, u"&Inventory Details..."_s,
              u"Choose the details shown for every item\nInventory Details"_s},
             Rule::Always,
             [](View& view) { view.RunInventoryDetails(); }},
            {{ShowPictures,
              u"Show &Pictures"_s,
              u"Show a thumbnail of each item's picture in the list\nShow Pictures"_s,
              {},
              {},
              true},
             Rule::Pictures,
             [](View& view) { view.ShowPictures(!view.PicturesShown()); },
             {},
             Service::Thumbnails,
             [](const View& view) { return view.PicturesShown(); }},

            {{SendToYard, u"&Send to Classification Yard"_s,
              u"Send the selected item to the Classification Yard for changes\n"
              u"Send to Classification Yard"_s,
              ToolbarIcon(u"send-to-yard"_s)},
             Rule::SelectedYardIdle,
             [](View& view) {
                 view.YardLink().Send(view.CurrentItem());
                 view.ForgetDraggedItem();
             }},
            // Build is the yard's command; this window hands the build to the yard.
            {{BuildItem}, Rule::YardIdle, [](View& view) { view.YardLink().StartBuild(); }},
            {{ViewItemComments, u"&View Item Comments"_s,
              u"Show the comments of the selected item\nView Item Comments"_s,
              ToolbarIcon(u"view-comments"_s)},
             Rule::SelectedComments,
             [](View& view) {
                 WithItem(view,
                          [&view](CCommentsPictureCommands& commands, CInventoryElement& item) {
                              commands.ViewComments(view.Window(), item);
                          });
             },
             {},
             Service::CommentsPictures},
            {{ViewItemPicture,
              u"View Item &Picture"_s,
              u"Show the picture of the selected item\nView Item Picture"_s,
              {},
              {},
              false,
              true,
              u"V&iew Item Picture"_s},
             Rule::SelectedPicture,
             [](View& view) {
                 WithItem(view, [&view](CCommentsPictureCommands& commands,
                                        CInventoryElement& item) {
                     commands.ViewPicture(view.Window(), view.GetDocument(), item, view.Sender());
                 });
             },
             {},
             Service::CommentsPictures},
            {{IntegrityCheck, u"&Integrity Check"_s,
              u"Check the item, or every item, against the Classification Yard\n"
              u"Integrity Check"_s},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::IntegrityCheck)},

            {{ChangeCondition, u"C&hange Condition"_s,
              u"Change the condition of the selected item\nChange Condition"_s},
             Rule::Selected,
             [](View& view) { CInventoryEditCommands(view).ChangeAttribute(kCondition); },
             headed(u"&Maintain "_s, kCondition)},
            {{ChangeCurrentValue, u"Ch&ange Current Value"_s,
              u"Change the current value of the selected item\nChange Current Value"_s},
             Rule::Selected,
             [](View& view) { CInventoryEditCommands(view).ChangeAttribute(kCurrentValue); },
             headed(u"M&aintain "_s, kCurrentValue)},
            {{ChangeComments, u"Cha&nge Comments"_s,
              u"Change the comments of the selected item\nChange Comments"_s},
             Rule::Selected,
             [](View& view) {
                 WithItem(view,
                          [&view](CCommentsPictureCommands& commands, CInventoryElement& item) {
                              commands.ChangeComments(view.Window(), view.GetDocument(), item,
                                                      view.Sender());
                          });
             },
             fixed(u"Ma&intain Comments"_s),
             Service::CommentsPictures},
            {{ChangePicture, u"Chan&ge Picture"_s,
              u"Change the picture of the selected item\nChange Picture"_s},
             Rule::Selected,
             [](View& view) {
                 WithItem(view, [&view](CCommentsPictureCommands& commands,
                                        CInventoryElement& item) {
                     commands.ChangePicture(view.Window(), view.GetDocument(), item, view.Sender());
                 });
             },
             fixed(u"Mai&ntain Picture"_s),
             Service::CommentsPictures},

            {{DollarGainLoss, u"&Dollar Gain/Loss"_s,
              u"Dollar gain or loss of the selected item or the inventory\nDollar Gain/Loss"_s,
              ToolbarIcon(u"dollar-gain-loss"_s)},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::ReportDollarGainLoss)},
            {{PercentGainLoss, u"&Percent Gain/Loss"_s,
              u"Percent gain or loss of the selected item or the inventory\nPercent Gain/Loss"_s,
              ToolbarIcon(u"percent-gain-loss"_s)},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::ReportPercentGainLoss)},
            {{WorstPerformer, u"&Worst Performer"_s,
              u"Find the item with the worst loss\nWorst Performer"_s,
              ToolbarIcon(u"worst-performer"_s)},
             Rule::Items,
             [](View& view) { CInventoryEditCommands(view).ReportPerformer(false); }},
            {{BestPerformer, u"&Best Performer"_s,
              u"Find the item with the best gain\nBest Performer"_s,
              ToolbarIcon(u"best-performer"_s)},
             Rule::Items,
             [](View& view) { CInventoryEditCommands(view).ReportPerformer(true); }},
            {{TotalExpenditures, u"&Total"_s,
              u"Total purchase price of the inventory\nTotal Expenditures"_s,
              ToolbarIcon(u"total-expenditures"_s)},
             Rule::Items,
             editing(&CInventoryEditCommands::ReportTotalExpenditures)},
            {{ExpendituresByPurchaseDate, u"by  Purchase &Date"_s,
              u"Expenditures by purchase date\nExpenditures by Purchase Date"_s},
             Rule::Items,
             breakdown(BreakdownMeasure::Expenditures, -1),
             headed(u"by &"_s, kPurchaseDate),
             Service::Breakdowns},
            {{ExpendituresByManufacturer, u"by  &Manufacturer"_s,
              u"Expenditures by manufacturer\nExpenditures by Manufacturer"_s},
             Rule::Items,
             breakdown(BreakdownMeasure::Expenditures, kManufacturer),
             headed(u"by &"_s, kManufacturer),
             Service::Breakdowns},
            {{ExpendituresByBodyClassification, u"by  &Body Classification"_s,
              u"Expenditures by body classification\nExpenditures by Body Classification"_s},
             Rule::Items,
             breakdown(BreakdownMeasure::Expenditures, kBody),
             headed(u"by &"_s, kBody),
             Service::Breakdowns},
            {{TotalAssetValue, u"&Total"_s,
              u"Total current value of the inventory\nTotal Asset Value"_s,
              ToolbarIcon(u"total-asset-value"_s)},
             Rule::Items,
             editing(&CInventoryEditCommands::ReportTotalAssetValue)},
            {{AssetValueByPurchaseDate, u"by  Purchase &Date"_s,
              u"Asset value by purchase date\nAsset Value by Purchase Date"_s},
             Rule::Items,
             breakdown(BreakdownMeasure::AssetValue, -1),
             headed(u"by &"_s, kPurchaseDate),
             Service::Breakdowns},
            {{AssetValueByManufacturer, u"by  &Manufacturer"_s,
              u"Asset value by manufacturer\nAsset Value by Manufacturer"_s},
             Rule::Items,
             breakdown(BreakdownMeasure::AssetValue, kManufacturer),
             headed(u"by &"_s, kManufacturer),
             Service::Breakdowns},
            {{AssetValueByBodyClassification, u"by  &Body Classification"_s,
              u"Asset value by body classification\nAsset Value by Body Classification"_s},
             Rule::Items,
             breakdown(BreakdownMeasure::AssetValue, kBody),
             headed(u"by &"_s, kBody),
             Service::Breakdowns},
            {{ItemCountTotal, u"&Total"_s, u"Number of items of the inventory\nTotal Item Count"_s},
             Rule::Always,
             editing(&CInventoryEditCommands::ReportItemCount)},
            {{ItemCountByManufacturer, u"by  &Manufacturer"_s,
              u"Item count by manufacturer\nItem Count by Manufacturer"_s},
             Rule::Items,
             breakdown(BreakdownMeasure::ItemCount, kManufacturer),
             headed(u"by &"_s, kManufacturer),
             Service::Breakdowns},
            {{ItemCountByBodyClassification, u"by  &Body Classification"_s,
              u"Item count by body classification\nItem Count by Body Classification"_s},
             Rule::Items,
             breakdown(BreakdownMeasure::ItemCount, kBody),
             headed(u"by &"_s, kBody),
             Service::Breakdowns},
            {{CustomReport, u"&Custom Report"_s,
              u"Totals grouped by an attribute of your choice\nCustom Report"_s},
             Rule::Items,
             [](View& view) {
                 view.ViewServices().breakdowns->CustomReport(view.Window(), view.GetDocument());
             },
             {},
             Service::Breakdowns},
            {{ValueHistory, u"Value &History..."_s,
              u"The inventory's value over time, and the selected item's valuations\n"
              u"Value History"_s},
             Rule::Always,
             [](View& view) {
                 CValueHistoryDialog dialog(view.GetDocument(), view.CurrentItem(), view.Sender(),
                                            Today(view.ViewServices()), view.Window());
                 dialog.exec();
             }},
        };
        // Sort Inventory by...: the attributes' default names; the menu shows the
        // current headings instead.
        static const char16_t* const kSortTexts[SortByCount] = {
            u"&Body Classification", u"&Manufacturer",  u"&Item Number",    u"&RoadName",
            u"&Paint Scheme",        u"&Scale",         u"&Condition",      u"&Original Box",
            u"&Date Built",          u"P&urchase Date", u"Purc&hase Price", u"Current &Value",
            u"User Defined &1",      u"User Defined &2"};
        for (int attribute = 0; attribute < SortByCount; ++attribute) {
            const QString name = QString::fromUtf16(kSortTexts[attribute]);
            commands.push_back(
                {{SortByFirst + attribute, name,
                  u"Sort the inventory by this attribute\nSort by "_s + QString(name).remove(u'&')},
                 Rule::MenuSort,
                 [attribute](View& view) { view.SortBy(attribute); },
                 headed(QString(), attribute)});
        }
        return commands;
    }();
    return table;
}
} // namespace

namespace inventorycommands {

std::vector<CCommandInfo> Descriptions() {
    return commandtable::Descriptions(CommandTable());
}

bool Handles(int id) {
    return commandtable::Find(CommandTable(), id) != nullptr;
}

void Update(CInventoryEditTarget& window, int id, CCommandUpdate& update) {
    const Command* command = commandtable::Find(CommandTable(), id);
    if (command == nullptr)
        return;
    const EditSelection selection = window.Selection();
    const CSidingWardDoc& document = window.GetDocument();
    const CInventoryWindowTraits& traits = window.Traits();
    CommandState state;
    state.anySelected = selection != EditSelection::None;
    state.itemSelected = selection == EditSelection::Item || selection == EditSelection::Detail;
    state.hasItems = document.GetItemCount() > 0;
    const CCatalogue* yard = document.GetClassificationYard();
    state.clipboard = yard != nullptr && yard->HasClipboardItem();
    state.yardIdle = !window.YardLink().IsBuilding();
    const CInventoryElement* item = state.itemSelected ? window.CurrentItem() : nullptr;
    state.itemSelected = item != nullptr;
    state.comments = item != nullptr && !item->GetComments().empty();
    state.picture = item != nullptr && !item->GetPicture().empty();
    state.expands = traits.expands;
    state.sortsFromMenu = traits.sortsFromMenu;
    state.pictures = traits.pictures;
    update.Enable(Offers(command->service, window.ViewServices()) && Holds(command->rule, state));
    if (command->text)
        update.SetText(command->text(window));
    if (command->checked)
        update.SetCheck(command->checked(window));
}

void Run(CInventoryEditTarget& window, int id) {
    const Command* command = commandtable::Find(CommandTable(), id);
    if (command == nullptr || !command->run || !Offers(command->service, window.ViewServices()))
        return;
    command->run(window);
    window.CommandsChanged();
}

} // namespace inventorycommands
