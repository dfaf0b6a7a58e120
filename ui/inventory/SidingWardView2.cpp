#include "ui/inventory/SidingWardView2.h"

#include <algorithm>
#include <optional>

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QVBoxLayout>

#include "model/core/Catalogue.h"
#include "model/core/ItemList.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/BestPerformer.h"
#include "model/quickfacts/DollarGainLoss.h"
#include "model/quickfacts/ItemCount.h"
#include "model/quickfacts/PercentGainLoss.h"
#include "model/quickfacts/QuickFactsReport.h"
#include "model/quickfacts/TotalAssetValue.h"
#include "model/quickfacts/TotalExpenditures.h"
#include "model/quickfacts/WorstPerformer.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/FindDialog.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/CommentsPictureCommands.h"
#include "ui/inventory/ImportExportCommands.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryDetailsDialog.h"
#include "ui/inventory/InventoryEditCommands.h"
#include "ui/inventory/InventoryModificationDialog.h"
#include "ui/inventory/ReportPrintCommands.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/quickfacts/BreakdownCommands.h"
#include "ui/quickfacts/ReportDisplay.h"
#include "ui/yard/YardCommandIds.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kColumnWidth = 150;
// The list keeps this much room to the right and bottom edges of the view.
constexpr int kListMargin = 20;
constexpr int kListCorner = 7;

// When a command of the list may run.
enum class Rule {
    Always,
    Never,       // the tree's commands that the list has no use for
    Row,         // there is a current row
    Items,       // the inventory has items
    RowItems,    // Row and Items
    Clipboard,   // the application clipboard holds an item
    YardIdle,    // the yard is not building
    RowYardIdle, // RowItems and YardIdle
    RowComments, // Row, and the item has comments
    RowPicture,  // Row, and the item has a picture
    Empty,       // the inventory is empty
};

struct CommandState {
    bool row = false;
    bool items = false;
    bool clipboard = false;
    bool yardIdle = false;
    bool comments = false;
    bool picture = false;
};

bool Holds(Rule rule, const CommandState& state) {
    switch (rule) {
    case Rule::Always:
        return true;
    case Rule::Never:
        return false;
    case Rule::Row:
        return state.row;
    case Rule::Items:
        return state.items;
    case Rule::RowItems:
        return state.row && state.items;
    case Rule::Clipboard:
        return state.clipboard;
    case Rule::YardIdle:
        return state.yardIdle;
    case Rule::RowYardIdle:
        return state.row && state.items && state.yardIdle;
    case Rule::RowComments:
        return state.row && state.comments;
    case Rule::RowPicture:
        return state.row && state.picture;
    case Rule::Empty:
        return !state.items;
    }
    return false;
}

QString MenuText(const std::string& heading) {
    return text::ShowAmpersands(text::FromBytes(heading));
}

enum TotalKind { kExpenditures, kAssetValue, kItemCount };

} // namespace

// One command of the list: its id (the tree describes it), when it may run, what it
// does and the text it carries at update time (none: the standard text). A command
// that needs a service the program did not give is disabled.
struct CSidingWardView2::Command {
    int id;
    Rule rule = Rule::Always;
    std::function<void(CSidingWardView2&)> run{};
    std::function<QString(const CSidingWardView2&)> text{};
    std::function<bool(const CSidingWardView2&)> available{};
};

CSidingWardView2::CSidingWardView2(CSidingWardDoc& document, CInventoryViewServices services,
                                   QWidget* parent)
    : QWidget(parent), m_document(document), m_services(std::move(services)),
      m_model(new CInventoryListModel(document, this)), m_filter(new QLineEdit(this)),
      m_count(new QLabel(this)), m_list(new QTableView(this)),
      m_yardLink(document, m_services.findYard, m_services.messages) {
    m_shownColumns.fill(true);
    m_sortDirection.fill(1);
    CreateControls();
    m_document.AddView(this);
}

CSidingWardView2::~CSidingWardView2() {
    m_yardLink.UnregisterIfLast();
    m_document.RemoveView(this);
}

void CSidingWardView2::CreateControls() {
    m_filter->setObjectName(u"filter"_s);
    m_filter->setPlaceholderText(u"Filter"_s);
    m_filter->setClearButtonEnabled(true);
    m_filter->setToolTip(u"Show only the items whose shown cells hold this text (Ctrl+L)"_s);
    m_filter->installEventFilter(this);
    m_count->setObjectName(u"count"_s);
    m_list->setObjectName(u"list"_s);
    m_list->setModel(m_model);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setWordWrap(false);
    m_list->verticalHeader()->hide();
    // Rows of one height: the view need not measure 65535 of them.
    m_list->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_list->verticalHeader()->setDefaultSectionSize(m_list->fontMetrics().height() + 4);
    m_list->horizontalHeader()->setDefaultSectionSize(kColumnWidth);
    m_list->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    m_list->horizontalHeader()->setSectionsClickable(true);
    m_list->horizontalHeader()->setHighlightSections(false);
    // The selection stays visible while another window has the focus.
    QPalette palette = m_list->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    m_list->setPalette(palette);
    m_list->viewport()->installEventFilter(this);
    connect(m_list->horizontalHeader(), &QHeaderView::sectionClicked, this,
            &CSidingWardView2::SortByColumn);
    connect(m_list->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CSidingWardView2::CommandsChanged);
    connect(m_list->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSidingWardView2::CommandsChanged);
    connect(m_filter, &QLineEdit::textChanged, this, [this](const QString& text) {
        const CInventoryElement* selected = CurrentItem();
        m_model->SetFilter(text);
        const int row = m_model->RowOf(selected);
        SelectRow(row >= 0 ? row : 0);
        m_count->setText(CountText());
        CommandsChanged();
    });
    auto* focusFilter = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this);
    focusFilter->setContext(Qt::WidgetWithChildrenShortcut);
    connect(focusFilter, &QShortcut::activated, this, [this] {
        m_filter->setFocus(Qt::ShortcutFocusReason);
        m_filter->selectAll();
    });

    auto* top = new QHBoxLayout;
    top->addWidget(m_filter, 1);
    top->addWidget(m_count);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kListCorner, kListCorner, kListMargin, kListMargin);
    layout->addLayout(top);
    layout->addWidget(m_list, 1);
    resize(kColumnWidth * 4, 360);
}

void CSidingWardView2::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_initialized)
        OnInitialUpdate();
}

void CSidingWardView2::OnInitialUpdate() {
    Rebuild();
    m_initialized = true;
    m_yardLink.Register(this);
}

QString CSidingWardView2::CountText() const {
    return u"%1 of %2 items"_s.arg(m_model->rowCount()).arg(m_document.GetItemCount());
}

void CSidingWardView2::Rebuild() {
    m_model->Rebuild(m_shownColumns);
    m_list->horizontalHeader()->setSortIndicatorShown(false);
    // Back to the list's origin: the first row and the first column.
    m_list->scrollToTop();
    m_list->horizontalScrollBar()->setValue(0);
    SelectRow(0);
    m_count->setText(CountText());
}

int CSidingWardView2::AppendRow(CInventoryElement* item) {
    const int row = m_model->AppendRow(item);
    if (row >= 0)
        SelectRow(row);
    m_count->setText(CountText());
    return row;
}

void CSidingWardView2::SelectRow(int row) {
    const QModelIndex index = m_model->index(row, 0);
    if (!index.isValid())
        return;
    // Up and down to the row, but the columns in sight stay where the user put them.
    QScrollBar* across = m_list->horizontalScrollBar();
    const int left = across->value();
    m_list->scrollTo(index);
    across->setValue(left);
    m_list->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
}

void CSidingWardView2::SelectItem(const CInventoryElement* item) {
    const int row = m_model->RowOf(item);
    if (row >= 0)
        SelectRow(row);
}

int CSidingWardView2::CurrentRow() const {
    const QModelIndexList selected = m_list->selectionModel()->selectedRows();
    if (!selected.isEmpty())
        return selected.first().row();
    const QModelIndex focused = m_list->currentIndex();
    return focused.isValid() ? focused.row() : -1;
}

CInventoryElement* CSidingWardView2::CurrentItem() const {
    return m_model->ItemAt(CurrentRow());
}

void CSidingWardView2::SortByColumn(int column) {
    const int attribute = m_model->AttributeOf(column);
    if (attribute < 0)
        return;
    int& direction = m_sortDirection[static_cast<std::size_t>(attribute)];
    const bool descending = direction == 1;
    direction = descending ? 0 : 1;
    const CInventoryElement* selected = CurrentItem();
    {
        CWaitCursor wait;
        m_model->SortByColumn(column, descending);
    }
    m_list->horizontalHeader()->setSortIndicatorShown(true);
    m_list->horizontalHeader()->setSortIndicator(column, descending ? Qt::DescendingOrder
                                                                    : Qt::AscendingOrder);
    const int row = m_model->RowOf(selected);
    SelectRow(row >= 0 ? row : 0);
}

int CSidingWardView2::Search(const std::string& text, bool matchCase, bool findNext) {
    std::optional<std::size_t> found;
    {
        CWaitCursor wait;
        const int current = CurrentRow();
        const std::size_t start =
            findNext && current >= 0 ? static_cast<std::size_t>(current) + 1 : 0;
        found =
            itemlist::Find(m_model->ShownItems(), m_model->Attributes(), start, text, matchCase);
    }
    if (!found) {
        m_services.messages.Show(
            this, {u"Search to end of inventory list.\nThe specified text was not found!"_s,
                   u"Gaugewright Search Result"_s, MessageIcon::Warning, MessageButtons::Ok});
        return -1;
    }
    SelectItem(m_model->ShownItems()[*found]);
    return static_cast<int>(*found);
}

void CSidingWardView2::RunInventoryDetails() {
    CInventoryDetailsDialog::Headings headings;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        headings[static_cast<std::size_t>(attribute)] = m_model->Heading(attribute);
    CInventoryDetailsDialog dialog(m_shownColumns, headings, m_services.messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_shownColumns = dialog.GetFlags();
    CWaitCursor wait;
    Rebuild();
}

void CSidingWardView2::OnDocumentUpdate(CDocumentView* sender, int) {
    if (!m_initialized || sender == this)
        return;
    CWaitCursor wait;
    Rebuild();
    CommandsChanged();
}

void CSidingWardView2::ShowMessage(const QString& text, const QString& caption) {
    m_services.messages.Show(this, {text, caption, MessageIcon::Warning, MessageButtons::Ok});
}

void CSidingWardView2::RemoveItem(CInventoryElement* item) {
    if (!m_document.ContainsItem(item)) {
        ShowMessage(u"Delete inventory element failed"_s, captions::ApplicationTitle());
        return;
    }
    // The yard lets go of an item it holds for a change before the item is gone.
    m_yardLink.Forget({&item, 1});
    // The row goes first: while the document tells the other windows, the commands
    // are updated, and no row may stand for an item that is gone.
    const int row = m_model->RowOf(item);
    const bool rowRemoved = m_model->RemoveRow(item);
    if (!m_document.RemoveItem(item, this))
        ShowMessage(u"Delete inventory element failed"_s, captions::ApplicationTitle());
    if (!rowRemoved)
        ShowMessage(u"Delete inventory list item failed"_s, captions::ApplicationTitle());
    SelectRow(std::min(row, m_model->rowCount() - 1));
    m_count->setText(CountText());
}

void CSidingWardView2::Delete() {
    const int row = CurrentRow();
    CInventoryElement* item = m_model->ItemAt(row);
    if (item == nullptr)
        return;
    const QString question = u"Are you sure you want to delete inventory item "_s +
                             m_model->data(m_model->index(row, 0), Qt::DisplayRole).toString() +
                             u'?';
    if (m_services.messages.Show(this, {question, captions::Warning(), MessageIcon::Question,
                                        MessageButtons::YesNo}) == MessageAnswer::Yes)
        RemoveItem(item);
}

bool CSidingWardView2::Cut() {
    CInventoryElement* item = CurrentItem();
    // Without a clipboard a cut would only destroy the item.
    if (item == nullptr || !CInventoryEditCommands::CopyItem(m_document, *item))
        return false;
    RemoveItem(item);
    return true;
}

void CSidingWardView2::Paste() {
    CCatalogue* yard = m_document.GetClassificationYard();
    std::unique_ptr<CInventoryElement> item = yard ? yard->TakeClipboardItem() : nullptr;
    if (!item)
        return;
    CInventoryElement* pasted = item.get();
    m_document.AddItem(std::move(item), this);
    AppendRow(pasted);
}

void CSidingWardView2::Find() {
    CFindDialog dialog(m_document.GetSearchHistory(), m_services.messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    Search(dialog.GetSearchText(), dialog.GetMatchCase(), dialog.IsFindNext());
}

void CSidingWardView2::MoveRowToEnd(CInventoryElement* item) {
    const int row = m_model->RowOf(item);
    m_model->RemoveRow(item);
    // Hidden by the filter now: the selection goes to the row that took its place,
    // never to a row the user did not choose.
    if (AppendRow(item) < 0 && m_model->rowCount() > 0)
        SelectRow(std::min(std::max(row, 0), m_model->rowCount() - 1));
}

void CSidingWardView2::ChangeAttribute(int attribute) {
    CInventoryElement* item = CurrentItem();
    if (item == nullptr)
        return;
    const CCatalogue* yard = m_document.GetClassificationYard();
    const std::vector<std::string>* values = yard ? yard->GetValueList(attribute) : nullptr;
    const bool keepOrder = attribute == static_cast<int>(Attribute::CurrentValue);
    CInventoryModificationDialog dialog(
        u"Maintain "_s + text::FromBytes(m_model->Heading(attribute)),
        item->GetAttributeText(attribute), values ? *values : std::vector<std::string>{}, keepOrder,
        this);
    if (dialog.exec() != QDialog::Accepted || !dialog.GetChosenValue())
        return;
    CWaitCursor wait;
    item->SetAttributeText(attribute, *dialog.GetChosenValue());
    m_document.MarkModified(this);
    MoveRowToEnd(item);
}

void CSidingWardView2::IntegrityCheck() {
    const CInventoryElement* item = CurrentItem();
    if (item == nullptr)
        return;
    QString message = text::FromBytes(quickfacts::ItemHeadline(*item));
    if (m_document.CheckItemAgainstYard(*item))
        message += u"Item integrity OK"_s;
    else
        message += u"Item integrity corrupted.\nOne or more attributes for this item are missing "
                   u"from the Classification Yard."_s;
    ShowMessage(message, u"Integrity Check"_s);
}

void CSidingWardView2::Import() {
    if (!m_services.importExport->Import(this, m_document, this))
        return;
    Rebuild();
}

void CSidingWardView2::ReportItemGain(bool percent) {
    const CInventoryElement* item = CurrentItem();
    if (item == nullptr)
        return;
    const auto report =
        percent ? CPercentGainLoss().ReportItem(item) : CDollarGainLoss().ReportItem(item);
    if (report)
        quickfacts::ShowReport(*report, m_services.messages, m_services.sounds, this);
}

void CSidingWardView2::ReportPerformer(bool best) {
    std::optional<CWaitCursor> wait(std::in_place);
    const auto answer = best ? CBestPerformer().ReportInventory(&m_document)
                             : CWorstPerformer().ReportInventory(&m_document);
    wait.reset();
    if (!answer)
        return;
    quickfacts::ShowReport(answer->report, m_services.messages, m_services.sounds, this);
    if (answer->item != nullptr)
        SelectItem(answer->item);
}

void CSidingWardView2::ReportTotal(int kind) {
    std::optional<CWaitCursor> wait(std::in_place);
    std::optional<CQuickFactsReport> report;
    if (kind == kExpenditures)
        report = CTotalExpenditures().ReportInventory(&m_document);
    else if (kind == kAssetValue)
        report = CTotalAssetValue().ReportInventory(&m_document);
    else
        report = CItemCount().ReportInventory(&m_document);
    wait.reset();
    if (report)
        quickfacts::ShowReport(*report, m_services.messages, m_services.sounds, this);
}

void CSidingWardView2::WithCurrentItem(const std::function<void(CInventoryElement&)>& run) {
    if (CInventoryElement* item = CurrentItem())
        run(*item);
}

const std::vector<CSidingWardView2::Command>& CSidingWardView2::CommandTable() {
    using namespace CommandId;
    using View = CSidingWardView2;
    const auto headed = [](const QString& prefix, int attribute) {
        return [prefix, attribute](const View& view) {
            return prefix + MenuText(view.m_model->Heading(attribute));
        };
    };
    const auto fixed = [](const QString& text) { return [text](const View&) { return text; }; };
    const auto printing = [](const View& view) { return view.m_services.printing != nullptr; };
    const auto importExport = [](const View& view) {
        return view.m_services.importExport != nullptr;
    };
    const auto commentsPictures = [](const View& view) {
        return view.m_services.commentsPictures != nullptr;
    };
    const auto breakdowns = [](const View& view) { return view.m_services.breakdowns != nullptr; };
    constexpr int kCondition = static_cast<int>(Attribute::Condition);
    constexpr int kCurrentValue = static_cast<int>(Attribute::CurrentValue);
    constexpr int kManufacturer = static_cast<int>(Attribute::Manufacturer);
    constexpr int kBody = static_cast<int>(Attribute::BodyClassification);
    // A "by" entry: its report, and its text naming the current heading (-1: by
    // purchase year, under the Purchase Date heading).
    const auto breakdown = [breakdowns, headed](int id, BreakdownMeasure measure, int attribute) {
        Command command{id, Rule::Items,
                        [measure, attribute](View& view) {
                            view.m_services.breakdowns->Show(&view, view.m_document, measure,
                                                             attribute);
                        },
                        headed(u"by &"_s, attribute < 0 ? static_cast<int>(Attribute::PurchaseDate)
                                                        : attribute),
                        breakdowns};
        return command;
    };

    static const std::vector<Command> table = [&] {
        std::vector<Command> commands = {
            {FilePrint,
             Rule::Always,
             [](View& view) {
                 view.m_services.printing->Print(&view, view.m_document, view.m_shownColumns);
             },
             {},
             printing},
            {FilePrintPreview,
             Rule::Always,
             [](View& view) {
                 view.m_services.printing->Preview(&view, view.m_document, view.m_shownColumns);
             },
             {},
             printing},
            {ExportInventory,
             Rule::Items,
             [](View& view) { view.m_services.importExport->Export(&view, view.m_document); },
             {},
             importExport},
            {ImportInventory, Rule::Empty, [](View& view) { view.Import(); }, {}, importExport},
            {EditCut, Rule::RowItems, [](View& view) { view.Cut(); }},
            {EditCopy, Rule::RowItems,
             [](View& view) {
                 view.WithCurrentItem([&view](CInventoryElement& item) {
                     CInventoryEditCommands::CopyItem(view.m_document, item);
                 });
             }},
            {EditPaste, Rule::Clipboard, [](View& view) { view.Paste(); }},
            {EditFind, Rule::Items, [](View& view) { view.Find(); }},
            {EditDelete, Rule::RowItems, [](View& view) { view.Delete(); }},
            {ExpandInventory, Rule::Never},
            {CollapseInventory, Rule::Never},
            {InventoryDetails, Rule::Always, [](View& view) { view.RunInventoryDetails(); }},
            {BuildItem, Rule::YardIdle, [](View& view) { view.m_yardLink.StartBuild(); }},
            {CommandId::SendToYard, Rule::RowYardIdle,
             [](View& view) { view.m_yardLink.Send(view.CurrentItem()); }},
            {ViewItemComments,
             Rule::RowComments,
             [](View& view) {
                 view.WithCurrentItem([&view](CInventoryElement& item) {
                     view.m_services.commentsPictures->ViewComments(&view, item);
                 });
             },
             {},
             commentsPictures},
            {ViewItemPicture,
             Rule::RowPicture,
             [](View& view) {
                 view.WithCurrentItem([&view](CInventoryElement& item) {
                     view.m_services.commentsPictures->ViewPicture(&view, view.m_document, item,
                                                                   &view);
                 });
             },
             {},
             commentsPictures},
            {ChangeCondition, Rule::RowItems, [](View& view) { view.ChangeAttribute(kCondition); },
             headed(u"&Maintain "_s, kCondition)},
            {ChangeCurrentValue, Rule::RowItems,
             [](View& view) { view.ChangeAttribute(kCurrentValue); },
             headed(u"M&aintain "_s, kCurrentValue)},
            {ChangeComments, Rule::RowItems,
             [](View& view) {
                 view.WithCurrentItem([&view](CInventoryElement& item) {
                     view.m_services.commentsPictures->ChangeComments(&view, view.m_document, item,
                                                                      &view);
                 });
             },
             fixed(u"Ma&intain Comments"_s), commentsPictures},
            {ChangePicture, Rule::RowItems,
             [](View& view) {
                 view.WithCurrentItem([&view](CInventoryElement& item) {
                     view.m_services.commentsPictures->ChangePicture(&view, view.m_document, item,
                                                                     &view);
                 });
             },
             fixed(u"Mai&ntain Picture"_s), commentsPictures},
            {CommandId::IntegrityCheck, Rule::RowItems, [](View& view) { view.IntegrityCheck(); }},
            {DollarGainLoss, Rule::RowItems, [](View& view) { view.ReportItemGain(false); }},
            {PercentGainLoss, Rule::RowItems, [](View& view) { view.ReportItemGain(true); }},
            {WorstPerformer, Rule::Items, [](View& view) { view.ReportPerformer(false); }},
            {BestPerformer, Rule::Items, [](View& view) { view.ReportPerformer(true); }},
            {TotalExpenditures, Rule::Items, [](View& view) { view.ReportTotal(kExpenditures); }},
            {TotalAssetValue, Rule::Items, [](View& view) { view.ReportTotal(kAssetValue); }},
            {ItemCountTotal, Rule::Always, [](View& view) { view.ReportTotal(kItemCount); }},
            breakdown(ExpendituresByPurchaseDate, BreakdownMeasure::Expenditures, -1),
            breakdown(ExpendituresByManufacturer, BreakdownMeasure::Expenditures, kManufacturer),
            breakdown(ExpendituresByBodyClassification, BreakdownMeasure::Expenditures, kBody),
            breakdown(AssetValueByPurchaseDate, BreakdownMeasure::AssetValue, -1),
            breakdown(AssetValueByManufacturer, BreakdownMeasure::AssetValue, kManufacturer),
            breakdown(AssetValueByBodyClassification, BreakdownMeasure::AssetValue, kBody),
            breakdown(ItemCountByManufacturer, BreakdownMeasure::ItemCount, kManufacturer),
            breakdown(ItemCountByBodyClassification, BreakdownMeasure::ItemCount, kBody),
        };
        Command custom{CustomReport, Rule::Items, [](View& view) {
                           view.m_services.breakdowns->CustomReport(&view, view.m_document);
                       }};
        custom.available = breakdowns;
        commands.push_back(custom);
        // The tree's sort entries have no use in the list: its headers sort it.
        for (int attribute = 0; attribute < SortByCount; ++attribute)
            commands.push_back({SortByFirst + attribute, Rule::Never});
        return commands;
    }();
    return table;
}

const CSidingWardView2::Command* CSidingWardView2::FindCommand(int id) {
    const auto& table = CommandTable();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [id](const Command& command) { return command.id == id; });
    return found == table.end() ? nullptr : &*found;
}

bool CSidingWardView2::HandlesCommand(int id) const {
    return FindCommand(id) != nullptr;
}

void CSidingWardView2::OnUpdateCommand(int id, CCommandUpdate& update) {
    const Command* command = FindCommand(id);
    if (command == nullptr)
        return;
    const CInventoryElement* item = CurrentItem();
    CommandState state;
    state.row = item != nullptr;
    state.items = m_document.GetItemCount() > 0;
    const CCatalogue* yard = m_document.GetClassificationYard();
    state.clipboard = yard != nullptr && yard->HasClipboardItem();
    state.yardIdle = !m_yardLink.IsBuilding();
    state.comments = item != nullptr && !item->GetComments().empty();
    state.picture = item != nullptr && !item->GetPicture().empty();
    const bool available = !command->available || command->available(*this);
    update.Enable(available && Holds(command->rule, state));
    if (command->text)
        update.SetText(command->text(*this));
}

void CSidingWardView2::OnCommand(int id) {
    const Command* command = FindCommand(id);
    if (command == nullptr || !command->run || (command->available && !command->available(*this)))
        return;
    command->run(*this);
    CommandsChanged();
}

void CSidingWardView2::CommandsChanged() {
    if (m_actions)
        m_actions->UpdateAll();
}

YardItemAnswer CSidingWardView2::TakeFinishedItem(const CYardItem& item) {
    CInventoryElement* taken = &item.item;
    const YardItemAnswer answer = m_yardLink.Take(item, this, this, [this, taken] {
        m_model->RemoveRow(taken);
        AppendRow(taken);
    });
    CommandsChanged();
    return answer;
}

void CSidingWardView2::RedisplayHeadings() {
    CWaitCursor wait;
    Rebuild();
    // The headings changed, and with them the menu texts.
    CommandsChanged();
}

bool CSidingWardView2::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_filter && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !m_filter->text().isEmpty()) {
        m_filter->clear();
        return true;
    }
    if (watched == m_list->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        SelectRowAt(static_cast<QMouseEvent*>(event)->position().toPoint().y());
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void CSidingWardView2::SelectRowAt(int y) {
    int row = m_list->rowAt(y);
    if (row < 0) {
        // Below the last row: the last row that is visible.
        row = m_list->rowAt(m_list->viewport()->height() - 1);
        if (row < 0)
            row = m_model->rowCount() - 1;
    }
    SelectRow(row);
}

void CSidingWardView2::contextMenuEvent(QContextMenuEvent* event) {
    if (m_actions != nullptr)
        m_actions->ExecContextMenu(CSidingWardView::ContextMenuLayout(), event->globalPos(), this);
}
