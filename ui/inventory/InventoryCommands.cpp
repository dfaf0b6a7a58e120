#include "ui/inventory/InventoryCommands.h"

#include <functional>

#include <QCoreApplication>

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
    // The menu text that names the heading of an attribute; pattern holds it as %1.
    const auto headed = [](const QString& pattern, int attribute) {
        return [pattern, attribute](const View& view) {
            return pattern.arg(
                MenuText(CInventoryEditCommands::Heading(view.GetDocument(), attribute)));
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
              QCoreApplication::translate("Commands", "&Print...\tCtrl+P"),
              QCoreApplication::translate("Commands", "Print the active document\nPrint"),
              ToolbarIcon(u"print"_s),
              {ctrl(Qt::Key_P)}},
             Rule::Always,
             [](View& view) {
                 view.ViewServices().printing->Print(view.Window(), view.GetDocument(),
                                                     view.Shown());
             },
             {},
             Service::Printing},
            {{FilePrintPreview, QCoreApplication::translate("Commands", "Print Pre&view"),
              QCoreApplication::translate("Commands", "Display full pages\nPrint Preview")},
             Rule::Always,
             [](View& view) {
                 view.ViewServices().printing->Preview(view.Window(), view.GetDocument(),
                                                       view.Shown());
             },
             {},
             Service::Printing},
            {{InsuranceReport, QCoreApplication::translate("Commands", "&Insurance Report..."),
              QCoreApplication::translate(
                  "Commands",
                  "Write the inventory for an insurer as a PDF file\nInsurance Report")},
             Rule::Always,
             [](View& view) {
                 view.ViewServices().insurance->Run(view.Window(), view.GetDocument());
             },
             {},
             Service::Insurance},
            {{ExportInventory, QCoreApplication::translate("Commands", "&Export Inventory"),
              QCoreApplication::translate(
                  "Commands", "Write the inventory to a delimited text file\nExport Inventory")},
             Rule::Items,
             [](View& view) {
                 view.ViewServices().importExport->Export(view.Window(), view.GetDocument());
             },
             {},
             Service::ImportExport},
            {{ImportInventory, QCoreApplication::translate("Commands", "&Import Inventory"),
              QCoreApplication::translate(
                  "Commands", "Read the items of a delimited text file into the empty inventory\n"
                              "Import Inventory")},
             Rule::Empty,
             [](View& view) {
                 view.ViewServices().importExport->Import(
                     view.Window(), view.GetDocument(), view.Sender(), Today(view.ViewServices()));
             },
             {},
             Service::ImportExport},

            {{EditCut,
              QCoreApplication::translate("Commands", "Cu&t\tCtrl+X"),
              QCoreApplication::translate("Commands",
                                          "Cut the selected item and put it on the Clipboard\nCut"),
              ToolbarIcon(u"cut"_s),
              {ctrl(Qt::Key_X), shift(Qt::Key_Delete)}},
             Rule::Selected,
             editing(&CInventoryEditCommands::Cut)},
            {{EditCopy,
              QCoreApplication::translate("Commands", "&Copy\tCtrl+C"),
              QCoreApplication::translate(
                  "Commands", "Copy the selected item and put it on the Clipboard\nCopy"),
              ToolbarIcon(u"copy"_s),
              {ctrl(Qt::Key_C), ctrl(Qt::Key_Insert)}},
             Rule::Selected,
             editing(&CInventoryEditCommands::Copy)},
            {{EditPaste,
              QCoreApplication::translate("Commands", "&Paste\tCtrl+V"),
              QCoreApplication::translate("Commands", "Insert the item on the Clipboard\nPaste"),
              ToolbarIcon(u"paste"_s),
              {ctrl(Qt::Key_V), shift(Qt::Key_Insert)}},
             Rule::Clipboard,
             editing(&CInventoryEditCommands::Paste)},
            {{EditFind,
              QCoreApplication::translate("Commands", "&Find\tCtrl+F"),
              QCoreApplication::translate("Commands", "Find an item by its text\nFind"),
              ToolbarIcon(u"find"_s),
              {ctrl(Qt::Key_F)}},
             Rule::Items,
             editing(&CInventoryEditCommands::Find)},
            {{EditDelete,
              QCoreApplication::translate("Commands", "&Delete\tCtrl+Del"),
              QCoreApplication::translate("Commands", "Delete the selected item\nDelete"),
              ToolbarIcon(u"delete"_s),
              {ctrl(Qt::Key_Delete)}},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::Delete)},

            {{ExpandInventory, QCoreApplication::translate("Commands", "&Expand Inventory"),
              QCoreApplication::translate("Commands",
                                          "Show the details of every item\nExpand Inventory"),
              ToolbarIcon(u"expand"_s)},
             Rule::Expands,
             [](View& view) { view.ExpandAll(); }},
            {{CollapseInventory, QCoreApplication::translate("Commands", "&Collapse Inventory"),
              QCoreApplication::translate("Commands",
                                          "Hide the details of every item\nCollapse Inventory"),
              ToolbarIcon(u"collapse"_s)},
             Rule::Expands,
             [](View& view) { view.CollapseAll(); }},
            {{InventoryDetails, QCoreApplication::translate("Commands", "&Inventory Details..."),
              QCoreApplication::translate(
                  "Commands", "Choose the details shown for every item\nInventory Details")},
             Rule::Always,
             [](View& view) { view.RunInventoryDetails(); }},
            {{ShowPictures,
              QCoreApplication::translate("Commands", "Show &Pictures"),
              QCoreApplication::translate(
                  "Commands", "Show a thumbnail of each item's picture in the list\nShow Pictures"),
              {},
              {},
              true},
             Rule::Pictures,
             [](View& view) { view.ShowPictures(!view.PicturesShown()); },
             {},
             Service::Thumbnails,
             [](const View& view) { return view.PicturesShown(); }},

            {{SendToYard, QCoreApplication::translate("Commands", "&Send to Classification Yard"),
              QCoreApplication::translate(
                  "Commands", "Send the selected item to the Classification Yard for changes\n"
                              "Send to Classification Yard"),
              ToolbarIcon(u"send-to-yard"_s)},
             Rule::SelectedYardIdle,
             [](View& view) {
                 view.YardLink().Send(view.CurrentItem());
                 view.ForgetDraggedItem();
             }},
            // Build is the yard's command; this window hands the build to the yard.
            {{BuildItem}, Rule::YardIdle, [](View& view) { view.YardLink().StartBuild(); }},
            {{ViewItemComments, QCoreApplication::translate("Commands", "&View Item Comments"),
              QCoreApplication::translate(
                  "Commands", "Show the comments of the selected item\nView Item Comments"),
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
              QCoreApplication::translate("Commands", "View Item &Picture"),
              QCoreApplication::translate(
                  "Commands", "Show the picture of the selected item\nView Item Picture"),
              {},
              {},
              false,
              true,
              QCoreApplication::translate("Commands", "V&iew Item Picture")},
             Rule::SelectedPicture,
             [](View& view) {
                 WithItem(view, [&view](CCommentsPictureCommands& commands,
                                        CInventoryElement& item) {
                     commands.ViewPicture(view.Window(), view.GetDocument(), item, view.Sender());
                 });
             },
             {},
             Service::CommentsPictures},
            {{IntegrityCheck, QCoreApplication::translate("Commands", "&Integrity Check"),
              QCoreApplication::translate(
                  "Commands", "Check the item, or every item, against the Classification Yard\n"
                              "Integrity Check")},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::IntegrityCheck)},

            {{ChangeCondition, QCoreApplication::translate("Commands", "C&hange Condition"),
              QCoreApplication::translate(
                  "Commands", "Change the condition of the selected item\nChange Condition")},
             Rule::Selected,
             [](View& view) { CInventoryEditCommands(view).ChangeAttribute(kCondition); },
             headed(QCoreApplication::translate("Commands", "&Maintain %1"), kCondition)},
            {{ChangeCurrentValue, QCoreApplication::translate("Commands", "Ch&ange Current Value"),
              QCoreApplication::translate(
                  "Commands",
                  "Change the current value of the selected item\nChange Current Value")},
             Rule::Selected,
             [](View& view) { CInventoryEditCommands(view).ChangeAttribute(kCurrentValue); },
             headed(QCoreApplication::translate("Commands", "M&aintain %1"), kCurrentValue)},
            {{ChangeComments, QCoreApplication::translate("Commands", "Cha&nge Comments"),
              QCoreApplication::translate(
                  "Commands", "Change the comments of the selected item\nChange Comments")},
             Rule::Selected,
             [](View& view) {
                 WithItem(view,
                          [&view](CCommentsPictureCommands& commands, CInventoryElement& item) {
                              commands.ChangeComments(view.Window(), view.GetDocument(), item,
                                                      view.Sender());
                          });
             },
             fixed(QCoreApplication::translate("Commands", "Ma&intain Comments")),
             Service::CommentsPictures},
            {{ChangePicture, QCoreApplication::translate("Commands", "Chan&ge Picture"),
              QCoreApplication::translate(
                  "Commands", "Change the picture of the selected item\nChange Picture")},
             Rule::Selected,
             [](View& view) {
                 WithItem(view, [&view](CCommentsPictureCommands& commands,
                                        CInventoryElement& item) {
                     commands.ChangePicture(view.Window(), view.GetDocument(), item, view.Sender());
                 });
             },
             fixed(QCoreApplication::translate("Commands", "Mai&ntain Picture")),
             Service::CommentsPictures},

            {{DollarGainLoss, QCoreApplication::translate("Commands", "&Dollar Gain/Loss"),
              QCoreApplication::translate(
                  "Commands",
                  "Dollar gain or loss of the selected item or the inventory\nDollar Gain/Loss"),
              ToolbarIcon(u"dollar-gain-loss"_s)},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::ReportDollarGainLoss)},
            {{PercentGainLoss, QCoreApplication::translate("Commands", "&Percent Gain/Loss"),
              QCoreApplication::translate(
                  "Commands",
                  "Percent gain or loss of the selected item or the inventory\nPercent Gain/Loss"),
              ToolbarIcon(u"percent-gain-loss"_s)},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::ReportPercentGainLoss)},
            {{WorstPerformer, QCoreApplication::translate("Commands", "&Worst Performer"),
              QCoreApplication::translate("Commands",
                                          "Find the item with the worst loss\nWorst Performer"),
              ToolbarIcon(u"worst-performer"_s)},
             Rule::Items,
             [](View& view) { CInventoryEditCommands(view).ReportPerformer(false); }},
            {{BestPerformer, QCoreApplication::translate("Commands", "&Best Performer"),
              QCoreApplication::translate("Commands",
                                          "Find the item with the best gain\nBest Performer"),
              ToolbarIcon(u"best-performer"_s)},
             Rule::Items,
             [](View& view) { CInventoryEditCommands(view).ReportPerformer(true); }},
            {{TotalExpenditures, QCoreApplication::translate("Commands", "&Total"),
              QCoreApplication::translate(
                  "Commands", "Total purchase price of the inventory\nTotal Expenditures"),
              ToolbarIcon(u"total-expenditures"_s)},
             Rule::Items,
             editing(&CInventoryEditCommands::ReportTotalExpenditures)},
            {{ExpendituresByPurchaseDate,
              QCoreApplication::translate("Commands", "by  Purchase &Date"),
              QCoreApplication::translate(
                  "Commands", "Expenditures by purchase date\nExpenditures by Purchase Date")},
             Rule::Items,
             breakdown(BreakdownMeasure::Expenditures, -1),
             headed(QCoreApplication::translate("Commands", "by &%1"), kPurchaseDate),
             Service::Breakdowns},
            {{ExpendituresByManufacturer,
              QCoreApplication::translate("Commands", "by  &Manufacturer"),
              QCoreApplication::translate(
                  "Commands", "Expenditures by manufacturer\nExpenditures by Manufacturer")},
             Rule::Items,
             breakdown(BreakdownMeasure::Expenditures, kManufacturer),
             headed(QCoreApplication::translate("Commands", "by &%1"), kManufacturer),
             Service::Breakdowns},
            {{ExpendituresByBodyClassification,
              QCoreApplication::translate("Commands", "by  &Body Classification"),
              QCoreApplication::translate(
                  "Commands",
                  "Expenditures by body classification\nExpenditures by Body Classification")},
             Rule::Items,
             breakdown(BreakdownMeasure::Expenditures, kBody),
             headed(QCoreApplication::translate("Commands", "by &%1"), kBody),
             Service::Breakdowns},
            {{TotalAssetValue, QCoreApplication::translate("Commands", "&Total"),
              QCoreApplication::translate(
                  "Commands", "Total current value of the inventory\nTotal Asset Value"),
              ToolbarIcon(u"total-asset-value"_s)},
             Rule::Items,
             editing(&CInventoryEditCommands::ReportTotalAssetValue)},
            {{AssetValueByPurchaseDate,
              QCoreApplication::translate("Commands", "by  Purchase &Date"),
              QCoreApplication::translate(
                  "Commands", "Asset value by purchase date\nAsset Value by Purchase Date")},
             Rule::Items,
             breakdown(BreakdownMeasure::AssetValue, -1),
             headed(QCoreApplication::translate("Commands", "by &%1"), kPurchaseDate),
             Service::Breakdowns},
            {{AssetValueByManufacturer,
              QCoreApplication::translate("Commands", "by  &Manufacturer"),
              QCoreApplication::translate(
                  "Commands", "Asset value by manufacturer\nAsset Value by Manufacturer")},
             Rule::Items,
             breakdown(BreakdownMeasure::AssetValue, kManufacturer),
             headed(QCoreApplication::translate("Commands", "by &%1"), kManufacturer),
             Service::Breakdowns},
            {{AssetValueByBodyClassification,
              QCoreApplication::translate("Commands", "by  &Body Classification"),
              QCoreApplication::translate(
                  "Commands",
                  "Asset value by body classification\nAsset Value by Body Classification")},
             Rule::Items,
             breakdown(BreakdownMeasure::AssetValue, kBody),
             headed(QCoreApplication::translate("Commands", "by &%1"), kBody),
             Service::Breakdowns},
            {{ItemCountTotal, QCoreApplication::translate("Commands", "&Total"),
              QCoreApplication::translate("Commands",
                                          "Number of items of the inventory\nTotal Item Count")},
             Rule::Always,
             editing(&CInventoryEditCommands::ReportItemCount)},
            {{ItemCountByManufacturer, QCoreApplication::translate("Commands", "by  &Manufacturer"),
              QCoreApplication::translate(
                  "Commands", "Item count by manufacturer\nItem Count by Manufacturer")},
             Rule::Items,
             breakdown(BreakdownMeasure::ItemCount, kManufacturer),
             headed(QCoreApplication::translate("Commands", "by &%1"), kManufacturer),
             Service::Breakdowns},
            {{ItemCountByBodyClassification,
              QCoreApplication::translate("Commands", "by  &Body Classification"),
              QCoreApplication::translate(
                  "Commands",
                  "Item count by body classification\nItem Count by Body Classification")},
             Rule::Items,
             breakdown(BreakdownMeasure::ItemCount, kBody),
             headed(QCoreApplication::translate("Commands", "by &%1"), kBody),
             Service::Breakdowns},
            {{CustomReport, QCoreApplication::translate("Commands", "&Custom Report"),
              QCoreApplication::translate(
                  "Commands", "Totals grouped by an attribute of your choice\nCustom Report")},
             Rule::Items,
             [](View& view) {
                 view.ViewServices().breakdowns->CustomReport(view.Window(), view.GetDocument());
             },
             {},
             Service::Breakdowns},
            {{ValueHistory, QCoreApplication::translate("Commands", "Value &History..."),
              QCoreApplication::translate(
                  "Commands",
                  "The inventory's value over time, and the selected item's valuations\n"
                  "Value History")},
             Rule::Always,
             [](View& view) {
                 CValueHistoryDialog dialog(view.GetDocument(), view.CurrentItem(), view.Sender(),
                                            Today(view.ViewServices()), view.Window());
                 dialog.exec();
             }},
        };
        // Sort Inventory by...: the attributes' default names; the menu shows the
        // current headings instead.
        static const char* const kSortTexts[SortByCount] = {
            QT_TRANSLATE_NOOP("Commands", "&Body Classification"),
            QT_TRANSLATE_NOOP("Commands", "&Manufacturer"),
            QT_TRANSLATE_NOOP("Commands", "&Item Number"),
            QT_TRANSLATE_NOOP("Commands", "&RoadName"),
            QT_TRANSLATE_NOOP("Commands", "&Paint Scheme"),
            QT_TRANSLATE_NOOP("Commands", "&Scale"),
            QT_TRANSLATE_NOOP("Commands", "&Condition"),
            QT_TRANSLATE_NOOP("Commands", "&Original Box"),
            QT_TRANSLATE_NOOP("Commands", "&Date Built"),
            QT_TRANSLATE_NOOP("Commands", "P&urchase Date"),
            QT_TRANSLATE_NOOP("Commands", "Purc&hase Price"),
            QT_TRANSLATE_NOOP("Commands", "Current &Value"),
            QT_TRANSLATE_NOOP("Commands", "User Defined &1"),
            QT_TRANSLATE_NOOP("Commands", "User Defined &2")};
        for (int attribute = 0; attribute < SortByCount; ++attribute) {
            const QString name = QCoreApplication::translate("Commands", kSortTexts[attribute]);
            commands.push_back({{SortByFirst + attribute, name,
                                 QCoreApplication::translate(
                                     "Commands", "Sort the inventory by this attribute\nSort by %1")
                                     .arg(QString(name).remove(u'&'))},
                                Rule::MenuSort,
                                [attribute](View& view) { view.SortBy(attribute); },
                                headed(u"%1"_s, attribute)});
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
