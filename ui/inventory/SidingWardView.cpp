#include "ui/inventory/SidingWardView.h"

#include <algorithm>

#include <QContextMenuEvent>
#include <QDragEnterEvent>
#include <QIcon>
#include <QLabel>
#include <QMimeData>
#include <QTimer>

#include "model/core/Catalogue.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandTable.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/CommentsPictureCommands.h"
#include "ui/inventory/FerroTreeCtrl.h"
#include "ui/inventory/ImportExportCommands.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryDetailsDialog.h"
#include "ui/inventory/InventoryEditCommands.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/InventoryViewSettings.h"
#include "ui/inventory/ReportPrintCommands.h"
#include "ui/quickfacts/BreakdownCommands.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/YardCommandIds.h"

namespace {

// The signal changes every ten seconds.
constexpr int kAnimationPeriod = 10000;
// The tree keeps this much room to the right and bottom edges of the view.
constexpr int kTreeMargin = 20;
constexpr int kSignalSize = 48;

// Menu texts hold "&" as the mnemonic mark; a heading's own "&" is shown as it is.
QString MenuText(const std::string& heading) {
    return text::ShowAmpersands(text::FromBytes(heading));
}

} // namespace

CSidingWardView::CSidingWardView(CSidingWardDoc& document, Services services, QWidget* parent)
    : QWidget(parent), m_document(document), m_services(std::move(services)),
      m_editing(std::make_unique<CInventoryEditCommands>(*this)),
      m_model(new CInventoryTreeModel(document, this)), m_tree(new CFerroTreeCtrl(this)),
      m_countCaption(new QLabel(QStringLiteral("Inventory Count"), this)),
      m_count(new QLabel(this)), m_animation(new QTimer(this)),
      m_yardLink(document, m_services.findYard, m_services.messages) {
    m_showDetails.fill(true);
    CreateControls();
    connect(m_animation, &QTimer::timeout, this, &CSidingWardView::AnimateSignal);
    m_document.AddView(this);
}

CSidingWardView::~CSidingWardView() {
    m_animation->stop();
    m_yardLink.UnregisterIfLast();
    m_document.RemoveView(this);
    if (m_initialized) {
        m_services.settings.SetViewSettings(
            text::FromBytes(m_document.GetTitle()),
            FormatViewSettings(m_showDetails, m_document.GetSortAttribute()));
    }
}

void CSidingWardView::CreateControls() {
    setAcceptDrops(true);
    m_count->setObjectName(QStringLiteral("count"));
    m_tree->setObjectName(QStringLiteral("tree"));
    m_tree->setModel(m_model);
    // A click makes the node current before it selects it: the commands follow both.
    connect(m_tree->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &CSidingWardView::CommandsChanged);
    connect(m_tree->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &CSidingWardView::CommandsChanged);
    // The form's places in dialog units, converted with the font's measures.
    const QFontMetrics metrics(font());
    const auto x = [&metrics](int units) { return units * metrics.averageCharWidth() / 4; };
    const auto y = [&metrics](int units) { return units * metrics.height() / 8; };
    // The caption keeps its whole text whatever the font's average width says.
    const int captionWidth = std::max(x(56), metrics.horizontalAdvance(m_countCaption->text()));
    m_countCaption->setGeometry(x(7), y(16), captionWidth, metrics.height());
    const int countLeft = std::max(x(69), x(7) + captionWidth + x(4));
    m_count->setGeometry(countLeft, y(16), x(40), metrics.height());
    for (int frame = 0; frame < 3; ++frame) {
        auto* picture = new QLabel(this);
        picture->setObjectName(QStringLiteral("signal%1").arg(frame + 1));
        picture->setPixmap(QIcon(QStringLiteral(":/icons/signal/signal-%1.svg").arg(frame + 1))
                               .pixmap(kSignalSize, kSignalSize));
        picture->setGeometry(std::max(x(117), countLeft + x(40)), y(7) / 2, kSignalSize,
                             kSignalSize);
        picture->setVisible(frame == 0);
        m_signal[static_cast<std::size_t>(frame)] = picture;
    }
    const int treeTop = std::max(y(41), y(7) / 2 + kSignalSize + 4);
    m_tree->setGeometry(x(7), treeTop, x(220), y(57));
    setMinimumSize(x(7) + x(117) + kSignalSize, treeTop + 3 * metrics.height());
    resize(x(234) + kTreeMargin, treeTop + y(57) + kTreeMargin);
}

void CSidingWardView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_firstDisplay)
        OnInitialUpdate();
}

void CSidingWardView::OnInitialUpdate() {
    ReadViewSettings();
    m_yardLink.Register(this);
    RebuildTree();
    m_firstDisplay = false;
    m_animation->start(kAnimationPeriod);
    m_phase = 1;
    m_forward = true;
    ShowSignalFrame(1);
    m_initialized = true;
    m_tree->SetDocument(&m_document);
    ApplyLayoutRule();
}

bool CSidingWardView::ParseViewSettings(const QString& value, DetailFlags& flags,
                                        int& sortAttribute) {
    if (value.indexOf(QLatin1Char(',')) != kAttributeCount)
        return false;
    for (int k = 0; k < kAttributeCount; ++k)
        flags[static_cast<std::size_t>(k)] = value[k] != QLatin1Char('0');
    // The number at the start of the rest, as far as it goes.
    const QString rest = value.mid(kAttributeCount + 1);
    qsizetype end = 0;
    while (end < rest.size() && end < 9 && rest[end].isDigit() && rest[end].unicode() < 128)
        ++end;
    const int attribute = end == 0 ? 0 : rest.left(end).toInt();
    sortAttribute = attribute < kAttributeCount ? attribute : 0;
    return true;
}

QString CSidingWardView::FormatViewSettings(const DetailFlags& flags, int sortAttribute) {
    QString value;
    for (const bool shown : flags)
        value += shown ? QLatin1Char('1') : QLatin1Char('0');
    return value + QLatin1Char(',') + QString::number(sortAttribute);
}

void CSidingWardView::ReadViewSettings() {
    const QString value = m_services.settings.ViewSettings(text::FromBytes(m_document.GetTitle()));
    DetailFlags flags{};
    int sortAttribute = 0;
    if (!value.isEmpty() && ParseViewSettings(value, flags, sortAttribute)) {
        m_showDetails = flags;
        m_document.SetSortAttribute(sortAttribute);
        m_document.Sort();
    } else {
        m_showDetails.fill(true);
        m_document.SetSortAttribute(0);
    }
}

void CSidingWardView::RebuildTree() {
    m_model->Rebuild(m_showDetails);
    const QModelIndex root = m_model->RootIndex();
    if (m_firstDisplay) {
        m_tree->expand(root);
    } else if (m_expanded) {
        ExpandOrCollapseAll(true);
    } else {
        ExpandOrCollapseAll(false);
    }
    m_tree->scrollToTop();
    m_tree->setCurrentIndex(root);
    UpdateCount();
    ApplyLayoutRule();
}

QModelIndex CSidingWardView::InsertItemNode(const CInventoryElement* item) {
    const QModelIndex node = m_model->InsertItemNode(item);
    if (node.isValid()) {
        if (m_expanded)
            m_tree->expand(node);
        SelectNode(node);
    }
    UpdateCount();
    return node;
}

void CSidingWardView::SelectItem(const CInventoryElement* item) {
    const QModelIndex node = m_model->ItemIndex(item);
    if (node.isValid())
        SelectNode(node);
}

void CSidingWardView::SelectNode(const QModelIndex& node) {
    m_tree->scrollTo(node);
    m_tree->setCurrentIndex(node);
}

void CSidingWardView::UpdateCount() {
    m_count->setText(CountText());
}

QString CSidingWardView::CountText() const {
    return QString::number(m_document.GetItemCount());
}

QModelIndex CSidingWardView::SelectedNode() const {
    const QModelIndex current = m_tree->currentIndex();
    return m_tree->selectionModel()->isSelected(current) ? current : QModelIndex();
}

CInventoryElement* CSidingWardView::CurrentItem() const {
    return m_model->ItemOf(SelectedNode());
}

void CSidingWardView::ExpandAll() {
    CWaitCursor wait;
    ExpandOrCollapseAll(true);
}

void CSidingWardView::CollapseAll() {
    CWaitCursor wait;
    ExpandOrCollapseAll(false);
}

void CSidingWardView::ExpandOrCollapseAll(bool expand) {
    QModelIndex selected = SelectedNode();
    const QModelIndex root = m_model->RootIndex();
    if (expand) {
        m_tree->expandAll();
    } else {
        m_tree->collapseAll();
        m_tree->expand(root);
    }
    m_expanded = expand;
    if (CInventoryTreeModel::LevelOf(selected) == TreeLevel::Detail)
        selected = selected.parent();
    if (!selected.isValid()) {
        m_tree->scrollToTop();
        m_tree->setCurrentIndex(root);
    } else {
        SelectNode(selected);
    }
}

bool CSidingWardView::CutSelectedItem() {
    return m_editing->Cut();
}

void CSidingWardView::SortBy(int attribute) {
    CWaitCursor wait;
    m_document.SetSortAttribute(attribute);
    m_document.Sort();
    RebuildTree();
}

void CSidingWardView::RunInventoryDetails() {
    CInventoryDetailsDialog::Headings headings;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        headings[static_cast<std::size_t>(attribute)] = m_model->Heading(attribute);
    CInventoryDetailsDialog dialog(m_showDetails, headings, m_services.messages, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    m_showDetails = dialog.GetFlags();
    CWaitCursor wait;
    RebuildTree();
}

int CSidingWardView::VisibleSignalFrame() const {
    for (int frame = 0; frame < 3; ++frame) {
        if (!m_signal[static_cast<std::size_t>(frame)]->isHidden())
            return frame + 1;
    }
    return 0;
}

void CSidingWardView::ShowSignalFrame(int frame) {
    for (int k = 0; k < 3; ++k)
        m_signal[static_cast<std::size_t>(k)]->setVisible(k + 1 == frame);
}

void CSidingWardView::AnimateSignal() {
    // 1, 2, 3, 2, 1, 2, 3, ...: the lamps swing up and back down.
    ShowSignalFrame(m_phase);
    switch (m_phase) {
    case 1:
        m_phase = 2;
        break;
    case 2:
        if (m_forward) {
            m_phase = 3;
        } else {
            m_forward = true;
            m_phase = 1;
        }
        break;
    default:
        m_forward = false;
        m_phase = 2;
        break;
    }
}

void CSidingWardView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ApplyLayoutRule();
}

void CSidingWardView::ApplyLayoutRule() {
    if (m_firstDisplay)
        return;
    const QPoint corner = m_tree->pos();
    m_tree->resize(std::max(0, width() - kTreeMargin - corner.x()),
                   std::max(0, height() - kTreeMargin - corner.y()));
}

void CSidingWardView::OnDocumentUpdate(CDocumentView*, int) {
    if (!m_initialized)
        return;
    CWaitCursor wait;
    m_document.Sort();
    RebuildTree();
    // The item count (and the modified flag) changed whatever the selection did.
    CommandsChanged();
}

YardItemAnswer CSidingWardView::TakeFinishedItem(const CYardItem& item) {
    return m_editing->TakeFromYard(item);
}

void CSidingWardView::RedisplayHeadings() {
    CWaitCursor wait;
    RebuildTree();
}

void CSidingWardView::TakeDroppedItem(CFerroTreeCtrl& sourceTree) {
    m_editing->TakeFromInventory(sourceTree);
}

void CSidingWardView::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasFormat(CFerroRSTreeCtrl::MimeType()) &&
        qobject_cast<CFerroRSTreeCtrl*>(event->source()))
        event->acceptProposedAction();
}

void CSidingWardView::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasFormat(CFerroRSTreeCtrl::MimeType()) &&
        qobject_cast<CFerroRSTreeCtrl*>(event->source()))
        event->acceptProposedAction();
}

void CSidingWardView::dropEvent(QDropEvent* event) {
    auto* yardTree = qobject_cast<CFerroRSTreeCtrl*>(event->source());
    if (yardTree == nullptr || !event->mimeData()->hasFormat(CFerroRSTreeCtrl::MimeType()))
        return;
    event->acceptProposedAction();
    // The item is taken once the drag has ended: a box shown from inside the drop
    // would open under the drag's cursor and pointer grab. The yard's tree keeps
    // its dragged item until then.
    QMetaObject::invokeMethod(
        this, [this] { m_yardLink.TakeDrop(*this); }, Qt::QueuedConnection);
}

void CSidingWardView::contextMenuEvent(QContextMenuEvent* event) {
    if (m_actions != nullptr)
        m_actions->ExecContextMenu(ContextMenuLayout(), event->globalPos(), this);
}

CMenuItem CSidingWardView::ContextMenuLayout() {
    using namespace CommandId;
    using Item = CMenuItem;
    return Item::Popup(QStringLiteral("Inventory Modification"), {Item::Command(BuildItem),
                                                                  Item::Command(SendToYard),
                                                                  Item::Separator(),
                                                                  Item::Command(ChangeCondition),
                                                                  Item::Command(ChangeCurrentValue),
                                                                  Item::Command(ChangeComments),
                                                                  Item::Command(ChangePicture),
                                                                  Item::Separator(),
                                                                  Item::Command(ViewItemComments),
                                                                  Item::Command(ViewItemPicture),
                                                                  Item::Command(DollarGainLoss),
                                                                  Item::Command(PercentGainLoss),
                                                                  Item::Separator(),
                                                                  Item::Command(EditCut),
                                                                  Item::Command(EditCopy),
                                                                  Item::Command(EditPaste),
                                                                  Item::Separator(),
                                                                  Item::Command(EditFind),
                                                                  Item::Separator(),
                                                                  Item::Command(EditDelete)});
}

void CSidingWardView::CommandsChanged() {
    if (m_actions)
        m_actions->UpdateAll();
}

namespace {

// When an inventory command may run.
enum class Rule {
    Always,
    Selected,         // a node other than the root is selected
    Items,            // the inventory has items
    SelectedAndItems, // a node is selected and the inventory has items
    Clipboard,        // the application clipboard holds an item
    YardIdle,         // the yard is not building
    SelectedYardIdle, // Selected and YardIdle
    SelectedEditable, // Selected, and the comments and picture dialogs are there
    SelectedComments, // SelectedEditable, and the item has comments
    SelectedPicture,  // SelectedEditable, and the item has a picture
    Printable,        // the report printing is there
    Breakdown,        // the inventory has items and the breakdown reports are there
    Exportable,       // the inventory has items and export is there
    Importable,       // the inventory is empty and import is there
};

// What the rules look at, taken once per update.
struct CommandState {
    bool anySelected = false;
    bool itemSelected = false;
    bool hasItems = false;
    bool clipboard = false;
    bool yardIdle = false;
    bool editable = false; // an item is selected and the comments and picture dialogs are there
    bool comments = false;
    bool picture = false;
    bool importExport = false; // the export and import commands are there
    bool printing = false;     // the report printing is there
    bool breakdowns = false;   // the breakdown reports are there
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
    case Rule::Clipboard:
        return state.clipboard;
    case Rule::YardIdle:
        return state.yardIdle;
    case Rule::SelectedYardIdle:
        return state.itemSelected && state.yardIdle;
    case Rule::SelectedEditable:
        return state.editable;
    case Rule::SelectedComments:
        return state.editable && state.comments;
    case Rule::SelectedPicture:
        return state.editable && state.picture;
    case Rule::Printable:
        return state.printing;
    case Rule::Breakdown:
        return state.breakdowns && state.hasItems;
    case Rule::Exportable:
        return state.importExport && state.hasItems;
    case Rule::Importable:
        return state.importExport && !state.hasItems;
    }
    return false;
}

} // namespace

// One command of the window: how it shows itself, when it may run, the text it
// carries at update time (none: the standard text) and what it does.
struct CSidingWardView::Command {
    CCommandInfo info;
    Rule rule = Rule::Always;
    std::function<void(CSidingWardView&)> run{};
    std::function<QString(const CSidingWardView&)> text{};
};

const std::vector<CSidingWardView::Command>& CSidingWardView::CommandTable() {
    using namespace CommandId;
    using namespace Qt::StringLiterals;
    using View = CSidingWardView;
    const auto ctrl = [](Qt::Key key) { return QKeySequence(Qt::CTRL | key); };
    const auto shift = [](Qt::Key key) { return QKeySequence(Qt::SHIFT | key); };
    // The menu text that names the heading of an attribute.
    const auto headed = [](const QString& prefix, int attribute) {
        return [prefix, attribute](const View& view) {
            return prefix + MenuText(view.m_model->Heading(attribute));
        };
    };
    const auto fixed = [](const QString& text) { return [text](const View&) { return text; }; };
    const auto editing = [](auto command) {
        return [command](View& view) { (view.m_editing.get()->*command)(); };
    };
    const auto breakdown = [](BreakdownMeasure measure, int attribute) {
        return [measure, attribute](View& view) {
            view.m_services.breakdowns->Show(&view, view.m_document, measure, attribute);
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
             Rule::Printable,
             [](View& view) {
                 view.m_services.printing->Print(&view, view.m_document, view.m_showDetails);
             }},
            {{FilePrintPreview, u"Print Pre&view"_s, u"Display full pages\nPrint Preview"_s},
             Rule::Printable,
             [](View& view) {
                 view.m_services.printing->Preview(&view, view.m_document, view.m_showDetails);
             }},
            {{ExportInventory, u"&Export Inventory"_s,
              u"Write the inventory to a delimited text file\nExport Inventory"_s},
             Rule::Exportable,
             [](View& view) { view.m_services.importExport->Export(&view, view.m_document); }},
            {{ImportInventory, u"&Import Inventory"_s,
              u"Read the items of a delimited text file into the empty inventory\n"
              u"Import Inventory"_s},
             Rule::Importable,
             [](View& view) {
                 if (view.m_services.importExport->Import(&view, view.m_document, &view))
                     view.RebuildTree();
             }},

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
             Rule::Always,
             [](View& view) { view.ExpandAll(); }},
            {{CollapseInventory, u"&Collapse Inventory"_s,
              u"Hide the details of every item\nCollapse Inventory"_s, ToolbarIcon(u"collapse"_s)},
             Rule::Always,
             [](View& view) { view.CollapseAll(); }},
            {{InventoryDetails, u"&Inventory Details..."_s,
              u"Choose the details shown for every item\nInventory Details"_s},
             Rule::Always,
             [](View& view) { view.RunInventoryDetails(); }},

            {{SendToYard, u"&Send to Classification Yard"_s,
              u"Send the selected item to the Classification Yard for changes\n"
              u"Send to Classification Yard"_s,
              ToolbarIcon(u"send-to-yard"_s)},
             Rule::SelectedYardIdle,
             [](View& view) {
                 view.m_yardLink.Send(view.CurrentItem());
                 // A drag that began on the item must not send it a second time.
                 view.m_tree->ClearDraggedItem();
             }},
            // Build is the yard's command; this window hands the build to the yard.
            {{BuildItem}, Rule::YardIdle, [](View& view) { view.m_yardLink.StartBuild(); }},
            {{ViewItemComments, u"&View Item Comments"_s,
              u"Show the comments of the selected item\nView Item Comments"_s,
              ToolbarIcon(u"view-comments"_s)},
             Rule::SelectedComments,
             [](View& view) {
                 view.WithSelectedItem(
                     [&view](CCommentsPictureCommands& commands, CInventoryElement& item) {
                         commands.ViewComments(&view, item);
                     });
             }},
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
                 view.WithSelectedItem(
                     [&view](CCommentsPictureCommands& commands, CInventoryElement& item) {
                         commands.ViewPicture(&view, view.m_document, item, &view);
                     });
             }},
            {{IntegrityCheck, u"&Integrity Check"_s,
              u"Check the item, or every item, against the Classification Yard\n"
              u"Integrity Check"_s},
             Rule::SelectedAndItems,
             editing(&CInventoryEditCommands::IntegrityCheck)},

            {{ChangeCondition, u"C&hange Condition"_s,
              u"Change the condition of the selected item\nChange Condition"_s},
             Rule::Selected,
             [](View& view) { view.m_editing->ChangeAttribute(kCondition); },
             headed(u"&Maintain "_s, kCondition)},
            {{ChangeCurrentValue, u"Ch&ange Current Value"_s,
              u"Change the current value of the selected item\nChange Current Value"_s},
             Rule::Selected,
             [](View& view) { view.m_editing->ChangeAttribute(kCurrentValue); },
             headed(u"M&aintain "_s, kCurrentValue)},
            {{ChangeComments, u"Cha&nge Comments"_s,
              u"Change the comments of the selected item\nChange Comments"_s},
             Rule::SelectedEditable,
             [](View& view) {
                 view.WithSelectedItem(
                     [&view](CCommentsPictureCommands& commands, CInventoryElement& item) {
                         commands.ChangeComments(&view, view.m_document, item, &view);
                     });
             },
             fixed(u"Ma&intain Comments"_s)},
            {{ChangePicture, u"Chan&ge Picture"_s,
              u"Change the picture of the selected item\nChange Picture"_s},
             Rule::SelectedEditable,
             [](View& view) {
                 view.WithSelectedItem(
                     [&view](CCommentsPictureCommands& commands, CInventoryElement& item) {
                         commands.ChangePicture(&view, view.m_document, item, &view);
                     });
             },
             fixed(u"Mai&ntain Picture"_s)},

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
             [](View& view) { view.m_editing->ReportPerformer(false); }},
            {{BestPerformer, u"&Best Performer"_s,
              u"Find the item with the best gain\nBest Performer"_s,
              ToolbarIcon(u"best-performer"_s)},
             Rule::Items,
             [](View& view) { view.m_editing->ReportPerformer(true); }},
            {{TotalExpenditures, u"&Total"_s,
              u"Total purchase price of the inventory\nTotal Expenditures"_s,
              ToolbarIcon(u"total-expenditures"_s)},
             Rule::Items,
             editing(&CInventoryEditCommands::ReportTotalExpenditures)},
            {{ExpendituresByPurchaseDate, u"by  Purchase &Date"_s,
              u"Expenditures by purchase date\nExpenditures by Purchase Date"_s},
             Rule::Breakdown,
             breakdown(BreakdownMeasure::Expenditures, -1),
             headed(u"by &"_s, kPurchaseDate)},
            {{ExpendituresByManufacturer, u"by  &Manufacturer"_s,
              u"Expenditures by manufacturer\nExpenditures by Manufacturer"_s},
             Rule::Breakdown,
             breakdown(BreakdownMeasure::Expenditures, kManufacturer),
             headed(u"by &"_s, kManufacturer)},
            {{ExpendituresByBodyClassification, u"by  &Body Classification"_s,
              u"Expenditures by body classification\nExpenditures by Body Classification"_s},
             Rule::Breakdown,
             breakdown(BreakdownMeasure::Expenditures, kBody),
             headed(u"by &"_s, kBody)},
            {{TotalAssetValue, u"&Total"_s,
              u"Total current value of the inventory\nTotal Asset Value"_s,
              ToolbarIcon(u"total-asset-value"_s)},
             Rule::Items,
             editing(&CInventoryEditCommands::ReportTotalAssetValue)},
            {{AssetValueByPurchaseDate, u"by  Purchase &Date"_s,
              u"Asset value by purchase date\nAsset Value by Purchase Date"_s},
             Rule::Breakdown,
             breakdown(BreakdownMeasure::AssetValue, -1),
             headed(u"by &"_s, kPurchaseDate)},
            {{AssetValueByManufacturer, u"by  &Manufacturer"_s,
              u"Asset value by manufacturer\nAsset Value by Manufacturer"_s},
             Rule::Breakdown,
             breakdown(BreakdownMeasure::AssetValue, kManufacturer),
             headed(u"by &"_s, kManufacturer)},
            {{AssetValueByBodyClassification, u"by  &Body Classification"_s,
              u"Asset value by body classification\nAsset Value by Body Classification"_s},
             Rule::Breakdown,
             breakdown(BreakdownMeasure::AssetValue, kBody),
             headed(u"by &"_s, kBody)},
            {{ItemCountTotal, u"&Total"_s, u"Number of items of the inventory\nTotal Item Count"_s},
             Rule::Always,
             editing(&CInventoryEditCommands::ReportItemCount)},
            {{ItemCountByManufacturer, u"by  &Manufacturer"_s,
              u"Item count by manufacturer\nItem Count by Manufacturer"_s},
             Rule::Breakdown,
             breakdown(BreakdownMeasure::ItemCount, kManufacturer),
             headed(u"by &"_s, kManufacturer)},
            {{ItemCountByBodyClassification, u"by  &Body Classification"_s,
              u"Item count by body classification\nItem Count by Body Classification"_s},
             Rule::Breakdown,
             breakdown(BreakdownMeasure::ItemCount, kBody),
             headed(u"by &"_s, kBody)},
            {{CustomReport, u"&Custom Report"_s,
              u"Totals grouped by an attribute of your choice\nCustom Report"_s},
             Rule::Breakdown,
             [](View& view) { view.m_services.breakdowns->CustomReport(&view, view.m_document); }},
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
                 Rule::Always,
                 [attribute](View& view) { view.SortBy(attribute); },
                 headed(QString(), attribute)});
        }
        return commands;
    }();
    return table;
}

const CSidingWardView::Command* CSidingWardView::FindCommand(int id) {
    return commandtable::Find(CommandTable(), id);
}

std::vector<CCommandInfo> CSidingWardView::Commands() {
    return commandtable::Descriptions(CommandTable());
}

bool CSidingWardView::HandlesCommand(int id) const {
    return FindCommand(id) != nullptr;
}

void CSidingWardView::OnUpdateCommand(int id, CCommandUpdate& update) {
    const Command* command = FindCommand(id);
    if (command == nullptr)
        return;
    const QModelIndex selected = SelectedNode();
    CommandState state;
    state.anySelected = selected.isValid();
    state.itemSelected =
        state.anySelected && CInventoryTreeModel::LevelOf(selected) != TreeLevel::Root;
    state.hasItems = m_document.GetItemCount() > 0;
    const CCatalogue* yard = m_document.GetClassificationYard();
    state.clipboard = yard != nullptr && yard->HasClipboardItem();
    state.yardIdle = !IsYardBuilding();
    const CInventoryElement* item = state.itemSelected ? m_model->ItemOf(selected) : nullptr;
    state.editable = item != nullptr && m_services.commentsPictures != nullptr;
    state.comments = item != nullptr && !item->GetComments().empty();
    state.picture = item != nullptr && !item->GetPicture().empty();
    state.importExport = m_services.importExport != nullptr;
    state.printing = m_services.printing != nullptr;
    state.breakdowns = m_services.breakdowns != nullptr;
    update.Enable(Holds(command->rule, state));
    if (command->text)
        update.SetText(command->text(*this));
}

void CSidingWardView::OnCommand(int id) {
    if (const Command* command = FindCommand(id))
        command->run(*this);
}

void CSidingWardView::WithSelectedItem(
    const std::function<void(CCommentsPictureCommands&, CInventoryElement&)>& run) {
    CInventoryElement* item = m_model->ItemOf(SelectedNode());
    if (m_services.commentsPictures != nullptr && item != nullptr)
        run(*m_services.commentsPictures, *item);
}
