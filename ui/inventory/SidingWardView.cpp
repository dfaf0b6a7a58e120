#include "ui/inventory/SidingWardView.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QDragEnterEvent>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QTimer>

#include "model/core/SidingWardDoc.h"
#include "model/yard/ClassificationDoc.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/CommandUpdate.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/CommentsPictureCommands.h"
#include "ui/inventory/FerroTreeCtrl.h"
#include "ui/inventory/InventoryDetailsDialog.h"
#include "ui/inventory/InventoryEditCommands.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/InventoryViewSettings.h"
#include "ui/yard/ClassificationView.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/YardMessageEvent.h"

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
      m_count(new QLabel(this)), m_animation(new QTimer(this)) {
    m_showDetails.fill(true);
    CreateControls();
    connect(m_animation, &QTimer::timeout, this, &CSidingWardView::AnimateSignal);
    m_document.AddView(this);
}

CSidingWardView::~CSidingWardView() {
    m_animation->stop();
    if (m_document.GetViewCount() <= 1 && m_registered && m_yardView) {
        CYardMessageEvent unregister = CYardMessageEvent::Unregister(&m_document);
        QCoreApplication::sendEvent(m_yardView, &unregister);
    }
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
    RegisterWithYard();
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

void CSidingWardView::RegisterWithYard() {
    m_yardView = m_services.findYardView ? m_services.findYardView() : nullptr;
    if (!m_yardView) {
        m_services.messages.Show(this, {QStringLiteral("Could not register document with "
                                                       "Classification Yard"),
                                        captions::SystemError(), MessageIcon::Critical,
                                        MessageButtons::Ok});
        return;
    }
    CYardMessageEvent registration = CYardMessageEvent::Register(&m_document);
    QCoreApplication::sendEvent(m_yardView, &registration);
    m_registered = true;
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

bool CSidingWardView::event(QEvent* event) {
    if (!CYardMessageEvent::IsYardMessage(event->type()))
        return QWidget::event(event);
    auto* message = static_cast<CYardMessageEvent*>(event);
    switch (message->Message()) {
    case YM_SEND_TO_INVENTORY:
        m_editing->TakeFromYard(qobject_cast<CFerroRSTreeCtrl*>(message->tree.data()),
                                message->item, false);
        return true;
    case YM_YARD_DROP:
        m_editing->TakeFromYard(qobject_cast<CFerroRSTreeCtrl*>(message->tree.data()), nullptr,
                                true);
        return true;
    case YM_INVENTORY_DROP:
        m_editing->TakeFromInventory(qobject_cast<CFerroTreeCtrl*>(message->tree.data()));
        return true;
    case YM_CUT:
        CutSelectedItem();
        return true;
    case YM_REDISPLAY: {
        CWaitCursor wait;
        RebuildTree();
        return true;
    }
    default:
        return QWidget::event(event);
    }
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
    const QPoint point = mapToGlobal(event->position().toPoint());
    const unsigned dropPoint = PackDropPoint(point.x(), point.y());
    // The item is taken once the drag has ended: a box shown from inside the drop
    // would open under the drag's cursor and pointer grab. The yard's tree keeps
    // its dragged item until the drop's answer arrives.
    QMetaObject::invokeMethod(
        this,
        [this, yard = QPointer<CFerroRSTreeCtrl>(yardTree), dropPoint] {
            if (yard == nullptr)
                return;
            CYardMessageEvent drop = CYardMessageEvent::YardDrop(yard, dropPoint);
            QCoreApplication::sendEvent(this, &drop);
        },
        Qt::QueuedConnection);
}

void CSidingWardView::contextMenuEvent(QContextMenuEvent* event) {
    if (m_actions == nullptr)
        return;
    std::unique_ptr<QMenu> menu(m_actions->BuildMenu(ContextMenuLayout(), this));
    menu->exec(event->globalPos());
}

CMenuItem CSidingWardView::ContextMenuLayout() {
    using namespace CommandId;
    using Item = CMenuItem;
    return Item::Popup(QStringLiteral("Inventory Modification"),
                       {Item::Command(BuildItem),
                        Item::Command(SendToYard),
                        Item::Separator(),
                        Item::Command(ChangeCondition),
                        Item::Command(ChangeCurrentValue),
                        Item::Command(ChangeComments),
                        Item::Command(ChangePicture),
                        Item::Separator(),
                        Item::Command(ViewItemComments),
                        Item::Command(ViewItemPicturePopup),
                        Item::Command(DollarGainLossPopup),
                        Item::Command(PercentGainLossPopup),
                        Item::Separator(),
                        Item::Command(EditCutPopup),
                        Item::Command(EditCopyPopup),
                        Item::Command(EditPastePopup),
                        Item::Separator(),
                        Item::Command(EditFindPopup),
                        Item::Separator(),
                        Item::Command(EditDeletePopup)});
}

void CSidingWardView::CommandsChanged() {
    if (m_actions)
        m_actions->UpdateAll();
}

bool CSidingWardView::IsYardBuilding() const {
    const auto* yard = qobject_cast<const CClassificationView*>(m_yardView.data());
    return yard != nullptr && yard->IsBuildInProgress();
}

void CSidingWardView::ReleaseFromYard(std::span<CInventoryElement* const> items) const {
    // An item can reach the yard by a drag even before this window registered.
    QWidget* found = m_yardView ? m_yardView.data()
                                : (m_services.findYardView ? m_services.findYardView() : nullptr);
    auto* yard = qobject_cast<CClassificationView*>(found);
    if (yard == nullptr)
        return;
    for (const CInventoryElement* item : items)
        yard->ForgetInventoryItem(item);
}

void CSidingWardView::StartYardBuild() {
    if (!m_yardView)
        return;
    ActivateFrameOf(m_yardView);
    CYardMessageEvent start = CYardMessageEvent::StartBuild();
    QCoreApplication::sendEvent(m_yardView, &start);
}

void CSidingWardView::SendSelectedToYard() {
    CInventoryElement* item = CurrentItem();
    if (!m_yardView || item == nullptr)
        return;
    ActivateFrameOf(m_yardView);
    CYardMessageEvent send = CYardMessageEvent::SendToYard(item, &m_document);
    QCoreApplication::sendEvent(m_yardView, &send);
    m_tree->ClearDraggedItem();
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
    Later,            // the feature is not in this program yet: shown, disabled
};

struct CommandRule {
    int id;
    Rule rule;
};

constexpr CommandRule kCommandRules[] = {
    {CommandId::EditCut, Rule::Selected},
    {CommandId::EditCutPopup, Rule::Selected},
    {CommandId::EditCopy, Rule::Selected},
    {CommandId::EditCopyPopup, Rule::Selected},
    {CommandId::EditPaste, Rule::Clipboard},
    {CommandId::EditPastePopup, Rule::Clipboard},
    {CommandId::EditFind, Rule::Items},
    {CommandId::EditFindPopup, Rule::Items},
    {CommandId::EditDelete, Rule::SelectedAndItems},
    {CommandId::EditDeletePopup, Rule::SelectedAndItems},
    {CommandId::ExpandInventory, Rule::Always},
    {CommandId::CollapseInventory, Rule::Always},
    {CommandId::InventoryDetails, Rule::Always},
    {CommandId::BuildItem, Rule::YardIdle},
    {CommandId::SendToYard, Rule::SelectedYardIdle},
    {CommandId::IntegrityCheck, Rule::SelectedAndItems},
    {CommandId::ChangeCondition, Rule::Selected},
    {CommandId::ChangeCurrentValue, Rule::Selected},
    {CommandId::DollarGainLoss, Rule::SelectedAndItems},
    {CommandId::DollarGainLossPopup, Rule::SelectedAndItems},
    {CommandId::PercentGainLoss, Rule::SelectedAndItems},
    {CommandId::PercentGainLossPopup, Rule::SelectedAndItems},
    {CommandId::WorstPerformer, Rule::Items},
    {CommandId::BestPerformer, Rule::Items},
    {CommandId::TotalExpenditures, Rule::Items},
    {CommandId::TotalAssetValue, Rule::Items},
    {CommandId::ItemCountTotal, Rule::Always},
    {CommandId::ExportInventory, Rule::Later},
    {CommandId::ImportInventory, Rule::Later},
    {CommandId::ChangeComments, Rule::SelectedEditable},
    {CommandId::ChangePicture, Rule::SelectedEditable},
    {CommandId::ViewItemComments, Rule::SelectedComments},
    {CommandId::ViewItemPicture, Rule::SelectedPicture},
    {CommandId::ViewItemPicturePopup, Rule::SelectedPicture},
    {CommandId::ExpendituresByPurchaseDate, Rule::Later},
    {CommandId::ExpendituresByManufacturer, Rule::Later},
    {CommandId::ExpendituresByBodyClassification, Rule::Later},
    {CommandId::AssetValueByPurchaseDate, Rule::Later},
    {CommandId::AssetValueByManufacturer, Rule::Later},
    {CommandId::AssetValueByBodyClassification, Rule::Later},
    {CommandId::ItemCountByManufacturer, Rule::Later},
    {CommandId::ItemCountByBodyClassification, Rule::Later},
    {CommandId::CustomReport, Rule::Later},
};

const CommandRule* FindRule(int id) {
    for (const CommandRule& rule : kCommandRules) {
        if (rule.id == id)
            return &rule;
    }
    return nullptr;
}

bool IsSortCommand(int id) {
    return id >= CommandId::SortByFirst && id < CommandId::SortByFirst + CommandId::SortByCount;
}

// The breakdown entries whose text names an attribute: "by &" + its heading.
int BreakdownAttribute(int id) {
    using namespace CommandId;
    switch (id) {
    case ExpendituresByPurchaseDate:
    case AssetValueByPurchaseDate:
        return static_cast<int>(Attribute::PurchaseDate);
    case ExpendituresByManufacturer:
    case AssetValueByManufacturer:
    case ItemCountByManufacturer:
        return static_cast<int>(Attribute::Manufacturer);
    case ExpendituresByBodyClassification:
    case AssetValueByBodyClassification:
    case ItemCountByBodyClassification:
        return static_cast<int>(Attribute::BodyClassification);
    default:
        return -1;
    }
}

} // namespace

bool CSidingWardView::HandlesCommand(int id) const {
    return IsSortCommand(id) || FindRule(id) != nullptr;
}

void CSidingWardView::OnUpdateCommand(int id, CCommandUpdate& update) {
    using namespace CommandId;
    if (IsSortCommand(id)) {
        update.SetText(MenuText(m_model->Heading(id - SortByFirst)));
        return;
    }
    const CommandRule* rule = FindRule(id);
    if (rule == nullptr)
        return;
    const QModelIndex selected = SelectedNode();
    const bool anySelected = selected.isValid();
    const bool itemSelected =
        anySelected && CInventoryTreeModel::LevelOf(selected) != TreeLevel::Root;
    const bool hasItems = m_document.GetItemCount() > 0;
    const CCatalogue* yard = m_document.GetClassificationYard();
    switch (rule->rule) {
    case Rule::Always:
        break;
    case Rule::Selected:
        update.Enable(itemSelected);
        break;
    case Rule::Items:
        update.Enable(hasItems);
        break;
    case Rule::SelectedAndItems:
        update.Enable(anySelected && hasItems);
        break;
    case Rule::Clipboard:
        update.Enable(yard != nullptr && yard->HasClipboardItem());
        break;
    case Rule::YardIdle:
        update.Enable(!IsYardBuilding());
        break;
    case Rule::SelectedYardIdle:
        update.Enable(itemSelected && !IsYardBuilding());
        break;
    case Rule::SelectedEditable:
    case Rule::SelectedComments:
    case Rule::SelectedPicture: {
        const CInventoryElement* item = itemSelected ? m_model->ItemOf(selected) : nullptr;
        bool enabled = item != nullptr && m_services.commentsPictures != nullptr;
        if (enabled && rule->rule == Rule::SelectedComments)
            enabled = !item->GetComments().empty();
        if (enabled && rule->rule == Rule::SelectedPicture)
            enabled = !item->GetPicture().empty();
        update.Enable(enabled);
        break;
    }
    case Rule::Later:
        update.Enable(false);
        break;
    }
    if (id == ChangeCondition)
        update.SetText(QStringLiteral("&Maintain ") +
                       MenuText(m_model->Heading(static_cast<int>(Attribute::Condition))));
    else if (id == ChangeCurrentValue)
        update.SetText(QStringLiteral("M&aintain ") +
                       MenuText(m_model->Heading(static_cast<int>(Attribute::CurrentValue))));
    else if (id == ChangeComments)
        update.SetText(QStringLiteral("Ma&intain Comments"));
    else if (id == ChangePicture)
        update.SetText(QStringLiteral("Mai&ntain Picture"));
    else if (const int attribute = BreakdownAttribute(id); attribute >= 0)
        update.SetText(QStringLiteral("by &") + MenuText(m_model->Heading(attribute)));
}

void CSidingWardView::OnCommand(int id) {
    using namespace CommandId;
    if (IsSortCommand(id)) {
        SortBy(id - SortByFirst);
        return;
    }
    switch (id) {
    case EditCut:
    case EditCutPopup:
        m_editing->Cut();
        break;
    case EditCopy:
    case EditCopyPopup:
        m_editing->Copy();
        break;
    case EditPaste:
    case EditPastePopup:
        m_editing->Paste();
        break;
    case EditFind:
    case EditFindPopup:
        m_editing->Find();
        break;
    case EditDelete:
    case EditDeletePopup:
        m_editing->Delete();
        break;
    case ExpandInventory:
        ExpandAll();
        break;
    case CollapseInventory:
        CollapseAll();
        break;
    case InventoryDetails:
        RunInventoryDetails();
        break;
    case BuildItem:
        StartYardBuild();
        break;
    case SendToYard:
        SendSelectedToYard();
        break;
    case IntegrityCheck:
        m_editing->IntegrityCheck();
        break;
    case ChangeCondition:
        m_editing->ChangeAttribute(static_cast<int>(Attribute::Condition));
        break;
    case ViewItemComments:
    case ChangeComments:
    case ViewItemPicture:
    case ViewItemPicturePopup:
    case ChangePicture:
        RunCommentsPictureCommand(id);
        break;
    case ChangeCurrentValue:
        m_editing->ChangeAttribute(static_cast<int>(Attribute::CurrentValue));
        break;
    case DollarGainLoss:
    case DollarGainLossPopup:
        m_editing->ReportDollarGainLoss();
        break;
    case PercentGainLoss:
    case PercentGainLossPopup:
        m_editing->ReportPercentGainLoss();
        break;
    case WorstPerformer:
        m_editing->ReportPerformer(false);
        break;
    case BestPerformer:
        m_editing->ReportPerformer(true);
        break;
    case TotalExpenditures:
        m_editing->ReportTotalExpenditures();
        break;
    case TotalAssetValue:
        m_editing->ReportTotalAssetValue();
        break;
    case ItemCountTotal:
        m_editing->ReportItemCount();
        break;
    default:
        break;
    }
}

void CSidingWardView::RunCommentsPictureCommand(int id) {
    CCommentsPictureCommands* commands = m_services.commentsPictures;
    CInventoryElement* item = m_model->ItemOf(SelectedNode());
    if (commands == nullptr || item == nullptr)
        return;
    switch (id) {
    case CommandId::ViewItemComments:
        commands->ViewComments(this, *item);
        break;
    case CommandId::ChangeComments:
        commands->ChangeComments(this, m_document, *item, this);
        break;
    case CommandId::ChangePicture:
        commands->ChangePicture(this, m_document, *item, this);
        break;
    default:
        commands->ViewPicture(this, m_document, *item, this);
        break;
    }
}
