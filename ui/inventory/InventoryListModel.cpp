#include "ui/inventory/InventoryListModel.h"

#include <algorithm>

#include <QIcon>

#include "model/core/Catalogue.h"
#include "model/core/ItemList.h"
#include "model/core/LabelCollation.h"
#include "model/core/SidingWardDoc.h"
#include "ui/common/ShownHeadings.h"
#include "ui/common/Text.h"
#include "ui/common/ThumbnailLoader.h"

const ThumbnailSize CInventoryListModel::kThumbnailSize = ThumbnailSize::Normal;

CInventoryListModel::CInventoryListModel(CSidingWardDoc& document, QObject* parent)
    : QAbstractTableModel(parent), m_document(document) {}

int CInventoryListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int CInventoryListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_attributes.size()) + FirstAttributeColumn();
}

QVariant CInventoryListModel::data(const QModelIndex& index, int role) const {
    if (ShowsPictures() && index.column() == 0 && role == Qt::DecorationRole) {
        const CInventoryElement* item = ItemAt(index.row());
        return item != nullptr ? Picture(*item, index.row()) : QVariant();
    }
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    const CInventoryElement* item = ItemAt(index.row());
    const int attribute = AttributeOf(index.column());
    if (item == nullptr || attribute < 0)
        return {};
    return text::FromBytes(item->GetAttributeText(attribute));
}

QVariant CInventoryListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue(Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
    if (role != Qt::DisplayRole)
        return {};
    if (ShowsPictures() && section == 0)
        return tr("Picture");
    const int attribute = AttributeOf(section);
    return attribute < 0 ? QVariant() : QVariant(text::FromBytes(Heading(attribute)));
}

std::string CInventoryListModel::Heading(int attribute) const {
    if (const CCatalogue* yard = m_document.GetClassificationYard())
        return shownheadings::ShownBytes(attribute, yard->GetHeading(attribute));
    return shownheadings::ShownBytes(attribute, AttributeName(attribute));
}

void CInventoryListModel::Rebuild(const ColumnFlags& shown) {
    beginResetModel();
    m_attributes.clear();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (shown[static_cast<std::size_t>(attribute)])
            m_attributes.push_back(attribute);
    }
    m_rows.clear();
    const int count = m_document.GetItemCount();
    m_rows.reserve(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        m_rows.push_back(m_document.GetItemAt(k));
    m_documentOrder = true;
    ApplyFilter();
    endResetModel();
}

void CInventoryListModel::SortByColumn(int column, bool descending) {
    const int attribute = AttributeOf(column);
    if (attribute < 0)
        return;
    beginResetModel();
    itemlist::Sort(m_rows, attribute, descending);
    m_documentOrder = false;
    ApplyFilter();
    endResetModel();
}

void CInventoryListModel::SetFilter(const QString& text) {
    if (text == m_filter)
        return;
    beginResetModel();
    m_filter = text;
    // A character the files cannot hold is in no item.
    const std::optional<std::string> bytes = text::ToBytes(text);
    m_filterMatchesNothing = !bytes.has_value();
    m_upperFilter = bytes ? collation::UpperOf(*bytes) : std::string();
    ApplyFilter();
    endResetModel();
}

bool CInventoryListModel::Passes(const CInventoryElement& item) const {
    if (m_filterMatchesNothing)
        return false;
    return m_upperFilter.empty() ||
           itemlist::Contains(itemlist::FilterText(item, m_attributes), m_upperFilter);
}

void CInventoryListModel::ApplyFilter() {
    if (m_upperFilter.empty() && !m_filterMatchesNothing) {
        m_shown = m_rows;
        return;
    }
    m_shown.clear();
    for (CInventoryElement* item : m_rows) {
        if (Passes(*item))
            m_shown.push_back(item);
    }
}

int CInventoryListModel::AppendRow(CInventoryElement* item) {
    m_rows.push_back(item);
    if (!Passes(*item))
        return -1;
    const int row = static_cast<int>(m_shown.size());
    beginInsertRows({}, row, row);
    m_shown.push_back(item);
    endInsertRows();
    return row;
}

void CInventoryListModel::InsertRow(CInventoryElement* item, int documentPosition) {
    if (!m_documentOrder || documentPosition >= static_cast<int>(m_rows.size())) {
        AppendRow(item);
        return;
    }
    const auto index = static_cast<std::size_t>(std::max(documentPosition, 0));
    m_rows.insert(m_rows.begin() + static_cast<long>(index), item);
    if (!Passes(*item))
        return;
    const int row = ShownRowBefore(index);
    beginInsertRows({}, row, row);
    m_shown.insert(m_shown.begin() + row, item);
    endInsertRows();
}

int CInventoryListModel::ShownRowBefore(std::size_t index) const {
    // Every other row shown: the rows and the shown rows line up.
    if (m_shown.size() + 1 == m_rows.size())
        return static_cast<int>(index);
    // After the nearest shown row above it.
    for (std::size_t k = index; k-- > 0;) {
        if (Passes(*m_rows[k]))
            return RowOf(m_rows[k]) + 1;
    }
    return 0;
}

void CInventoryListModel::RefreshRow(CInventoryElement* item) {
    const int row = RowOf(item);
    const bool passes = Passes(*item);
    if (row >= 0 && passes) {
        emit dataChanged(index(row, 0), index(row, columnCount() - 1));
    } else if (row >= 0) {
        beginRemoveRows({}, row, row);
        m_shown.erase(m_shown.begin() + row);
        endRemoveRows();
    } else if (passes) {
        const auto all = std::find(m_rows.begin(), m_rows.end(), item);
        if (all == m_rows.end())
            return;
        const int shown = ShownRowBefore(static_cast<std::size_t>(all - m_rows.begin()));
        beginInsertRows({}, shown, shown);
        m_shown.insert(m_shown.begin() + shown, item);
        endInsertRows();
    }
}

int CInventoryListModel::MoveRowToEnd(CInventoryElement* item) {
    if (!RemoveRow(item))
        return -1;
    m_documentOrder = false;
    return AppendRow(item);
}

bool CInventoryListModel::RemoveRow(const CInventoryElement* item) {
    const auto all = std::find(m_rows.begin(), m_rows.end(), item);
    if (all == m_rows.end())
        return false;
    m_rows.erase(all);
    const int row = RowOf(item);
    if (row >= 0) {
        beginRemoveRows({}, row, row);
        m_shown.erase(m_shown.begin() + row);
        endRemoveRows();
    }
    return true;
}

int CInventoryListModel::AttributeOf(int column) const {
    column -= FirstAttributeColumn();
    return column >= 0 && column < static_cast<int>(m_attributes.size())
               ? m_attributes[static_cast<std::size_t>(column)]
               : -1;
}

void CInventoryListModel::SetPictures(CThumbnailLoader* loader) {
    if (loader == m_thumbnails)
        return;
    beginResetModel();
    if (m_thumbnails != nullptr)
        disconnect(m_thumbnails, nullptr, this, nullptr);
    m_thumbnails = loader;
    m_waitingPictures.clear();
    if (m_thumbnails != nullptr) {
        connect(m_thumbnails, &CThumbnailLoader::ThumbnailReady, this,
                [this](const QString& path, ThumbnailSize size) {
                    if (size == kThumbnailSize)
                        OnThumbnailReady(path);
                });
    }
    endResetModel();
}

QVariant CInventoryListModel::Picture(const CInventoryElement& item, int row) const {
    const std::string& bytes = item.GetPicture();
    if (bytes.empty())
        return {};
    const QString path = text::FromBytes(bytes);
    QPixmap thumbnail = m_thumbnails->Thumbnail(path, kThumbnailSize);
    if (thumbnail.isNull()) {
        auto& cells = m_waitingPictures[path].cells;
        const std::pair<int, const CInventoryElement*> cell{row, &item};
        if (std::find(cells.begin(), cells.end(), cell) == cells.end())
            cells.push_back(cell);
        thumbnail = m_thumbnails->Placeholder();
    }
    // An icon, so that the view fits it into its icon size.
    return QIcon(thumbnail);
}

void CInventoryListModel::OnThumbnailReady(const QString& path) {
    const auto waiting = m_waitingPictures.find(path);
    if (waiting == m_waitingPictures.end())
        return;
    const auto cells = std::move(waiting->second.cells);
    m_waitingPictures.erase(waiting);
    for (auto [row, item] : cells) {
        // The rows may have moved since (a sort, the filter): the item is found anew.
        if (ItemAt(row) != item)
            row = RowOf(item);
        if (row >= 0) {
            const QModelIndex cell = index(row, 0);
            emit dataChanged(cell, cell, {Qt::DecorationRole});
        }
    }
}

CInventoryElement* CInventoryListModel::ItemAt(int row) const {
    return row >= 0 && row < static_cast<int>(m_shown.size())
               ? m_shown[static_cast<std::size_t>(row)]
               : nullptr;
}

int CInventoryListModel::RowOf(const CInventoryElement* item) const {
    const auto found = std::find(m_shown.begin(), m_shown.end(), item);
    return found == m_shown.end() ? -1 : static_cast<int>(found - m_shown.begin());
}
