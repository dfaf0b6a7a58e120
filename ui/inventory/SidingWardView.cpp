#include "ui/inventory/SidingWardView.h"

#include <algorithm>

#include <QBuffer>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDragEnterEvent>
#include <QFileInfo>
#include <QHelpEvent>
#include <QIcon>
#include <QLabel>
#include <QMimeData>
#include <QTimer>
#include <QToolTip>

#include "model/core/InventoryChange.h"
#include "model/core/LabelCollation.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/ActionRegistry.h"
#include "ui/common/Captions.h"
#include "ui/common/CommandIds.h"
#include "ui/common/FrameActivation.h"
#include "ui/common/HelpPage.h"
#include "ui/common/MessageSink.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailLoader.h"
#include "ui/common/WaitCursor.h"
#include "ui/inventory/FerroTreeCtrl.h"
#include "ui/inventory/InventoryCommandIds.h"
#include "ui/inventory/InventoryCommands.h"
#include "ui/inventory/InventoryDetailsDialog.h"
#include "ui/inventory/InventoryEditCommands.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/InventoryViewSettings.h"
#include "ui/yard/FerroRSTreeCtrl.h"
#include "ui/yard/YardCommandIds.h"

namespace {

// The signal changes every ten seconds.
constexpr int kAnimationPeriod = 10000;
// The tree keeps this much room to the right and bottom edges of the view.
constexpr int kTreeMargin = 20;
constexpr int kSignalSize = 48;

// Only the start of a long label is searched.
constexpr std::size_t kSearchedLength = 499;

bool Matches(const std::string& label, const std::string& wanted, bool matchCase) {
    const std::string searched = label.substr(0, kSearchedLength);
    if (matchCase)
        return searched.find(wanted) != std::string::npos;
    return collation::UpperOf(searched).find(collation::UpperOf(wanted)) != std::string::npos;
}

// The tool tip of a picture: the thumbnail (embedded, as a tool tip has no
// resources of its own) above the file's name.
QString PictureTip(const QPixmap& thumbnail, const QString& path) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    thumbnail.save(&buffer, "PNG");
    return QStringLiteral("<div align=\"center\"><img src=\"data:image/png;base64,%1\" "
                          "width=\"%2\" height=\"%3\"><br>%4</div>")
        .arg(QString::fromLatin1(png.toBase64()))
        .arg(thumbnail.width())
        .arg(thumbnail.height())
        .arg(QFileInfo(path).fileName().toHtmlEscaped());
}

} // namespace

CSidingWardView::CSidingWardView(CSidingWardDoc& document, Services services, QWidget* parent)
    : QWidget(parent), m_document(document), m_services(std::move(services)),
      m_model(new CInventoryTreeModel(document, this)), m_tree(new CFerroTreeCtrl(this)),
      m_countCaption(new QLabel(tr("Inventory Count"), this)), m_count(new QLabel(this)),
      m_animation(new QTimer(this)), m_yardLink(document, m_services.findYard, m_services.messages,
                                                [this] { return Today(m_services); }) {
    help::SetHelpPage(this, QStringLiteral("inventory-tree.html#tree"));
    m_showDetails.fill(true);
    CreateControls();
    connect(m_animation, &QTimer::timeout, this, &CSidingWardView::AnimateSignal);
    if (m_services.thumbnails != nullptr) {
        m_tree->viewport()->installEventFilter(this);
        connect(m_services.thumbnails, &CThumbnailLoader::ThumbnailReady, this,
                [this](const QString& path, ThumbnailSize size) {
                    if (size == ThumbnailSize::Normal)
                        OnThumbnailReady(path);
                });
    }
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
    return CInventoryEditCommands(*this).Cut();
}

void CSidingWardView::SortBy(int attribute) {
    CWaitCursor wait;
    const std::string heading = m_model->Heading(attribute);
    // Named in the program's language, where the heading lets the name be kept.
    const std::string name = text::ToBytes(tr("Sort by %1").arg(text::FromBytes(heading)))
                                 .value_or("Sort by " + heading);
    m_document.Apply(CInventoryChange::Sort(name, attribute), this);
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

void CSidingWardView::OnItemsLeaving(std::span<CInventoryElement* const> items) {
    m_yardLink.Forget(items);
    if (std::find(items.begin(), items.end(), m_tree->GetDraggedItem()) != items.end())
        m_tree->ClearDraggedItem();
}

void CSidingWardView::OnItemsUpdate(const CItemsUpdate& update, CDocumentView* origin) {
    if (!m_initialized)
        return;
    switch (update.kind) {
    case ItemsUpdateKind::AllReplaced: {
        CWaitCursor wait;
        RebuildTree();
        break;
    }
    case ItemsUpdateKind::Inserted:
        for (std::size_t k = 0; k < update.items.size(); ++k) {
            const QModelIndex node = m_model->AddItemNode(update.items[k], update.positions[k]);
            if (m_expanded)
                m_tree->expand(node);
        }
        break;
    case ItemsUpdateKind::Removed:
        for (const CInventoryElement* item : update.items)
            RemoveItemNode(item);
        break;
    case ItemsUpdateKind::Changed:
        for (const CInventoryElement* item : update.items)
            m_model->PlaceItemNode(item);
        break;
    }
    // Only the window where the user acted moves its selection to the item.
    if (origin == this && update.focus != nullptr)
        SelectItem(update.focus);
    UpdateCount();
    // The item count (and the modified flag) changed whatever the selection did.
    CommandsChanged();
}

YardItemAnswer CSidingWardView::TakeFinishedItem(const CYardItem& item) {
    return CInventoryEditCommands(*this).TakeFromYard(item);
}

void CSidingWardView::RedisplayHeadings() {
    CWaitCursor wait;
    RebuildTree();
}

void CSidingWardView::TakeDroppedItem(CFerroTreeCtrl& sourceTree) {
    CInventoryEditCommands(*this).TakeFromInventory(sourceTree);
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

bool CSidingWardView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_tree->viewport() && event->type() == QEvent::ToolTip) {
        if (ShowPictureTip(static_cast<QHelpEvent*>(event)->pos()))
            return true;
        m_tipPicture.clear();
    }
    return QWidget::eventFilter(watched, event);
}

bool CSidingWardView::ShowPictureTip(const QPoint& pos) {
    const QModelIndex node = m_tree->indexAt(pos);
    const CInventoryElement* item = m_model->ItemOf(node);
    if (CInventoryTreeModel::LevelOf(node) != TreeLevel::Item || item == nullptr ||
        item->GetPicture().empty())
        return false;
    const QString path = text::FromBytes(item->GetPicture());
    QPixmap thumbnail = m_services.thumbnails->Thumbnail(path, ThumbnailSize::Normal);
    m_tipPicture = thumbnail.isNull() ? path : QString();
    if (thumbnail.isNull())
        thumbnail = m_services.thumbnails->Placeholder();
    QToolTip::showText(m_tree->viewport()->mapToGlobal(pos), PictureTip(thumbnail, path),
                       m_tree->viewport(), m_tree->visualRect(node));
    return true;
}

void CSidingWardView::OnThumbnailReady(const QString& path) {
    if (path != m_tipPicture)
        return;
    m_tipPicture.clear();
    // Only while the tip is up and the pointer still on an item with that picture.
    const QPoint pos = m_tree->viewport()->mapFromGlobal(QCursor::pos());
    if (QToolTip::isVisible() && m_tree->viewport()->rect().contains(pos))
        ShowPictureTip(pos);
}

void CSidingWardView::contextMenuEvent(QContextMenuEvent* event) {
    if (m_actions != nullptr)
        m_actions->ExecContextMenu(ContextMenuLayout(), event->globalPos(), this);
}

CMenuItem CSidingWardView::ContextMenuLayout() {
    using namespace CommandId;
    using Item = CMenuItem;
    return Item::Popup(QCoreApplication::translate("Menus", "Inventory Modification"),
                       {Item::Command(BuildItem),
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

std::vector<CCommandInfo> CSidingWardView::Commands() {
    return inventorycommands::Descriptions();
}

bool CSidingWardView::HandlesCommand(int id) const {
    return inventorycommands::Handles(id);
}

void CSidingWardView::OnUpdateCommand(int id, CCommandUpdate& update) {
    inventorycommands::Update(*this, id, update);
}

void CSidingWardView::OnCommand(int id) {
    inventorycommands::Run(*this, id);
}

const CInventoryWindowTraits& CSidingWardView::Traits() const {
    static const CInventoryWindowTraits traits;
    return traits;
}

EditSelection CSidingWardView::Selection() const {
    switch (CInventoryTreeModel::LevelOf(SelectedNode())) {
    case TreeLevel::Root:
        return EditSelection::Whole;
    case TreeLevel::Item:
        return EditSelection::Item;
    case TreeLevel::Detail:
        return EditSelection::Detail;
    default:
        return EditSelection::None;
    }
}

QString CSidingWardView::ItemLabel(const CInventoryElement& item) const {
    return m_model->Label(m_model->ItemIndex(&item));
}

std::vector<CInventoryElement*> CSidingWardView::ItemsInViewOrder() const {
    return m_model->ItemsInTreeOrder();
}

void CSidingWardView::RemoveItemNode(const CInventoryElement* item) {
    const int row = m_model->ItemIndex(item).row();
    if (!m_model->RemoveItemNode(item) || SelectedNode().isValid())
        return;
    const int count = m_model->ItemNodeCount();
    SelectNode(count == 0 ? m_model->RootIndex()
                          : m_model->index(std::min(row, count - 1), 0, m_model->RootIndex()));
}

void CSidingWardView::ForgetDraggedItem() {
    m_tree->ClearDraggedItem();
}

void CSidingWardView::FindText(const std::string& text, bool matchCase, bool findNext) {
    Search(text, matchCase, findNext);
}

QModelIndex CSidingWardView::Search(const std::string& text, bool matchCase, bool findNext) {
    // Up while the tree is searched, gone before a box waits for the user.
    std::optional<CWaitCursor> wait(std::in_place);
    const CInventoryTreeModel& model = *m_model;
    CFerroTreeCtrl& tree = *m_tree;
    const QModelIndex root = model.RootIndex();
    const int items = model.ItemNodeCount();
    const int lines = static_cast<int>(model.DetailAttributes().size());
    const auto matches = [&](const QModelIndex& node) {
        return Matches(model.LabelBytes(node), text, matchCase);
    };
    // An item node and its detail lines, in order.
    const auto searchItem = [&](int row) -> QModelIndex {
        const QModelIndex item = model.index(row, 0, root);
        if (matches(item))
            return item;
        for (int line = 0; line < lines; ++line) {
            const QModelIndex detail = model.index(line, 0, item);
            if (matches(detail))
                return detail;
        }
        return {};
    };
    const auto searchItemsFrom = [&](int row) -> QModelIndex {
        for (; row < items; ++row) {
            if (const QModelIndex found = searchItem(row); found.isValid())
                return found;
        }
        return {};
    };

    // Where the walk starts: after the selected node for Find Next, else at the root.
    QModelIndex start = root;
    const QModelIndex selected = SelectedNode();
    if (findNext && selected.isValid()) {
        switch (CInventoryTreeModel::LevelOf(selected)) {
        case TreeLevel::Root:
            start = tree.isExpanded(root) && items > 0 ? model.index(0, 0, root) : root;
            break;
        case TreeLevel::Item:
            if (tree.isExpanded(selected) && lines > 0)
                start = model.index(0, 0, selected);
            else if (selected.row() + 1 < items)
                start = model.index(selected.row() + 1, 0, root);
            break;
        default:
            if (selected.row() + 1 < lines)
                start = model.index(selected.row() + 1, 0, selected.parent());
            break;
        }
    }

    // The start node with its subtree, then its following siblings with theirs.
    QModelIndex found;
    switch (CInventoryTreeModel::LevelOf(start)) {
    case TreeLevel::Root:
        found = matches(root) ? root : searchItemsFrom(0);
        break;
    case TreeLevel::Item:
        found = searchItemsFrom(start.row());
        break;
    default: {
        const QModelIndex item = start.parent();
        for (int line = start.row(); line < lines && !found.isValid(); ++line) {
            const QModelIndex detail = model.index(line, 0, item);
            if (matches(detail))
                found = detail;
        }
        // Then on with the item nodes after the start's own.
        if (!found.isValid())
            found = searchItemsFrom(item.row() + 1);
        break;
    }
    }
    wait.reset();
    if (!found.isValid()) {
        m_services.messages.Show(
            this, {tr("Search to end of inventory list.\nThe specified text was not found!"),
                   captions::SearchResult(), MessageIcon::Warning, MessageButtons::Ok});
        return {};
    }
    tree.expand(found);
    SelectNode(found);
    return found;
}
