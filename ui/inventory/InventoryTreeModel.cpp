#include "ui/inventory/InventoryTreeModel.h"

#include <algorithm>

#include "model/core/Catalogue.h"
#include "model/core/LabelCollation.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/AttributeIcon.h"
#include "ui/common/HaloIconEngine.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"

namespace {

// A node's internal id names its parent: the root has none (0), item nodes have
// the root (1), and a detail line carries its item (an address, never 0 or 1).
constexpr quintptr kRootId = 0;
constexpr quintptr kItemId = 1;

const CInventoryElement* DetailItem(const QModelIndex& index) {
    return reinterpret_cast<const CInventoryElement*>(index.internalId());
}

} // namespace

CInventoryTreeModel::CInventoryTreeModel(CSidingWardDoc& document, QObject* parent)
    : QAbstractItemModel(parent), m_document(document) {
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        m_icons[static_cast<std::size_t>(attribute)] = AttributeIcon(attribute);
    m_icons[kRootImage] = CHaloIconEngine::Icon(QStringLiteral(":/icons/tree/inventory.svg"));
}

CInventoryTreeModel::~CInventoryTreeModel() = default;

void CInventoryTreeModel::Rebuild(const DetailFlags& showDetails) {
    beginResetModel();
    m_built = true;
    m_sortAttribute = m_document.GetSortAttribute();
    m_details.clear();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (showDetails[static_cast<std::size_t>(attribute)] && attribute != m_sortAttribute)
            m_details.push_back(attribute);
    }
    m_nodes.clear();
    m_nodes.reserve(m_document.GetItems().size());
    for (const auto& item : m_document.GetItems())
        m_nodes.push_back({item.get(), collation::KeyOf(item->GetAttributeText(m_sortAttribute))});
    // Inserting each item after the equal labels before it is a stable sort.
    std::stable_sort(m_nodes.begin(), m_nodes.end(),
                     [](const Node& a, const Node& b) { return a.key < b.key; });
    m_rows.clear();
    m_rows.reserve(m_nodes.size());
    IndexRowsFrom(0);
    endResetModel();
}

int CInventoryTreeModel::InsertionRow(const std::string& key) const {
    const auto after = std::upper_bound(
        m_nodes.begin(), m_nodes.end(), key,
        [](const std::string& wanted, const Node& node) { return wanted < node.key; });
    return static_cast<int>(after - m_nodes.begin());
}

int CInventoryTreeModel::RowOf(const CInventoryElement* item) const {
    const auto found = m_rows.find(item);
    return found == m_rows.end() ? -1 : found->second;
}

void CInventoryTreeModel::IndexRowsFrom(int row) {
    for (int k = row; k < ItemNodeCount(); ++k)
        m_rows[m_nodes[static_cast<std::size_t>(k)].item] = k;
}

QModelIndex CInventoryTreeModel::AddItemNode(const CInventoryElement* item, int documentPosition) {
    if (item == nullptr || !m_built || RowOf(item) >= 0)
        return ItemIndex(item);
    std::string key = collation::KeyOf(item->GetAttributeText(m_sortAttribute));
    // Among equal labels the nodes stand in document order: find the first whose
    // item comes later in the document (an item given back by Undo returns to its
    // place; a new one, last in the document, goes after all of them).
    const auto first = std::lower_bound(
        m_nodes.begin(), m_nodes.end(), key,
        [](const Node& node, const std::string& wanted) { return node.key < wanted; });
    const auto last = m_nodes.begin() + InsertionRow(key);
    auto at = last;
    if (documentPosition + 1 < m_document.GetItemCount()) {
        at = std::partition_point(first, last, [this, documentPosition](const Node& node) {
            return m_document.IndexOfItem(node.item) < documentPosition;
        });
    }
    const int row = static_cast<int>(at - m_nodes.begin());
    beginInsertRows(RootIndex(), row, row);
    m_nodes.insert(at, {const_cast<CInventoryElement*>(item), std::move(key)});
    IndexRowsFrom(row);
    endInsertRows();
    return index(row, 0, RootIndex());
}

QModelIndex CInventoryTreeModel::PlaceItemNode(const CInventoryElement* item) {
    const int from = RowOf(item);
    if (from < 0)
        return {};
    std::string key = collation::KeyOf(item->GetAttributeText(m_sortAttribute));
    // The place among the other nodes: the node's old key still sorts where it stands.
    const int after = InsertionRow(key);
    const int to = after > from ? after - 1 : after;
    if (to != from) {
        // A move keeps the node's selection and expansion in every view.
        beginMoveRows(RootIndex(), from, from, RootIndex(), to > from ? to + 1 : to);
        Node node = std::move(m_nodes[static_cast<std::size_t>(from)]);
        m_nodes.erase(m_nodes.begin() + from);
        m_nodes.insert(m_nodes.begin() + to, std::move(node));
        IndexRowsFrom(std::min(from, to));
        endMoveRows();
    }
    m_nodes[static_cast<std::size_t>(to)].key = std::move(key);
    EmitNodeChanged(to);
    return index(to, 0, RootIndex());
}

void CInventoryTreeModel::EmitNodeChanged(int row) {
    const QModelIndex node = index(row, 0, RootIndex());
    emit dataChanged(node, node);
    if (!m_details.empty())
        emit dataChanged(index(0, 0, node), index(static_cast<int>(m_details.size()) - 1, 0, node));
}

bool CInventoryTreeModel::RemoveItemNode(const CInventoryElement* item) {
    const int row = RowOf(item);
    if (row < 0)
        return false;
    beginRemoveRows(RootIndex(), row, row);
    m_rows.erase(item);
    m_nodes.erase(m_nodes.begin() + row);
    IndexRowsFrom(row);
    endRemoveRows();
    return true;
}

std::vector<CInventoryElement*> CInventoryTreeModel::ItemsInTreeOrder() const {
    std::vector<CInventoryElement*> items;
    items.reserve(m_nodes.size());
    for (const Node& node : m_nodes)
        items.push_back(node.item);
    return items;
}

void CInventoryTreeModel::RefreshLabels() {
    if (!m_built)
        return;
    const QModelIndex root = RootIndex();
    emit dataChanged(root, root);
    if (!m_nodes.empty())
        emit dataChanged(index(0, 0, root), index(ItemNodeCount() - 1, 0, root));
}

QModelIndex CInventoryTreeModel::RootIndex() const {
    return m_built ? createIndex(0, 0, kRootId) : QModelIndex();
}

void CInventoryTreeModel::RootLabelChanged() {
    const QModelIndex root = RootIndex();
    emit dataChanged(root, root, {Qt::DisplayRole});
}

QModelIndex CInventoryTreeModel::ItemIndex(const CInventoryElement* item) const {
    const int row = RowOf(item);
    return row < 0 ? QModelIndex() : createIndex(row, 0, kItemId);
}

CInventoryElement* CInventoryTreeModel::ItemOf(const QModelIndex& index) const {
    if (!index.isValid() || index.model() != this)
        return nullptr;
    switch (LevelOf(index)) {
    case TreeLevel::Item:
        return m_nodes[static_cast<std::size_t>(index.row())].item;
    case TreeLevel::Detail:
        return const_cast<CInventoryElement*>(DetailItem(index));
    default:
        return nullptr;
    }
}

TreeLevel CInventoryTreeModel::LevelOf(const QModelIndex& index) {
    if (!index.isValid())
        return TreeLevel::None;
    switch (index.internalId()) {
    case kRootId:
        return TreeLevel::Root;
    case kItemId:
        return TreeLevel::Item;
    default:
        return TreeLevel::Detail;
    }
}

std::string CInventoryTreeModel::Heading(int attribute) const {
    if (const CCatalogue* yard = m_document.GetClassificationYard())
        return shownheadings::ShownBytes(attribute, yard->GetHeading(attribute));
    return shownheadings::ShownBytes(attribute, AttributeName(attribute));
}

std::string CInventoryTreeModel::LabelBytes(const QModelIndex& index) const {
    switch (LevelOf(index)) {
    case TreeLevel::Root:
        return m_document.GetTitle();
    case TreeLevel::Item:
        return ItemOf(index)->GetAttributeText(m_sortAttribute);
    case TreeLevel::Detail: {
        const int attribute = m_details[static_cast<std::size_t>(index.row())];
        return Heading(attribute) + ": " + ItemOf(index)->GetAttributeText(attribute);
    }
    default:
        return {};
    }
}

QString CInventoryTreeModel::Label(const QModelIndex& index) const {
    return text::FromBytes(LabelBytes(index));
}

QModelIndex CInventoryTreeModel::index(int row, int column, const QModelIndex& parent) const {
    if (column != 0 || row < 0 || !m_built)
        return {};
    switch (LevelOf(parent)) {
    case TreeLevel::None:
        return row == 0 ? createIndex(0, 0, kRootId) : QModelIndex();
    case TreeLevel::Root:
        return row < ItemNodeCount() ? createIndex(row, 0, kItemId) : QModelIndex();
    case TreeLevel::Item:
        return row < static_cast<int>(m_details.size())
                   ? createIndex(row, 0, reinterpret_cast<quintptr>(ItemOf(parent)))
                   : QModelIndex();
    case TreeLevel::Detail:
        return {};
    }
    return {};
}

QModelIndex CInventoryTreeModel::parent(const QModelIndex& child) const {
    switch (LevelOf(child)) {
    case TreeLevel::Item:
        return createIndex(0, 0, kRootId);
    case TreeLevel::Detail:
        return createIndex(RowOf(DetailItem(child)), 0, kItemId);
    default:
        return {};
    }
}

int CInventoryTreeModel::rowCount(const QModelIndex& parent) const {
    if (!m_built || parent.column() > 0)
        return 0;
    switch (LevelOf(parent)) {
    case TreeLevel::None:
        return 1;
    case TreeLevel::Root:
        return ItemNodeCount();
    case TreeLevel::Item:
        return static_cast<int>(m_details.size());
    case TreeLevel::Detail:
        return 0;
    }
    return 0;
}

int CInventoryTreeModel::columnCount(const QModelIndex&) const {
    return 1;
}

bool CInventoryTreeModel::hasChildren(const QModelIndex& parent) const {
    return rowCount(parent) > 0;
}

QVariant CInventoryTreeModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.model() != this)
        return {};
    const TreeLevel level = LevelOf(index);
    switch (role) {
    case Qt::DisplayRole:
        return Label(index);
    case Qt::DecorationRole:
    case AttributeRole: {
        int image = kRootImage;
        if (level == TreeLevel::Item)
            image = m_sortAttribute;
        else if (level == TreeLevel::Detail)
            image = m_details[static_cast<std::size_t>(index.row())];
        if (role == AttributeRole)
            return image;
        return m_icons[static_cast<std::size_t>(image)];
    }
    case ItemRole:
        return QVariant::fromValue(reinterpret_cast<quintptr>(ItemOf(index)));
    case LevelRole:
        return static_cast<int>(level);
    default:
        return {};
    }
}

Qt::ItemFlags CInventoryTreeModel::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (LevelOf(index) == TreeLevel::Detail)
        flags |= Qt::ItemNeverHasChildren;
    return flags;
}

QHash<int, QByteArray> CInventoryTreeModel::roleNames() const {
    QHash<int, QByteArray> names = QAbstractItemModel::roleNames();
    names.insert(ItemRole, QByteArrayLiteral("item"));
    names.insert(LevelRole, QByteArrayLiteral("level"));
    names.insert(AttributeRole, QByteArrayLiteral("attribute"));
    return names;
}
