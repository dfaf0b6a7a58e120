#include "ui/yard/ManufacturerProductModel.h"

#include <algorithm>
#include <numeric>

#include "model/core/InventoryElement.h"
#include "ui/common/Text.h"

CManufacturerProductModel::CManufacturerProductModel(const CManufacturer& manufacturer,
                                                     std::array<QString, kColumns> headers,
                                                     QObject* parent)
    : QAbstractTableModel(parent), m_manufacturer(manufacturer), m_headers(std::move(headers)),
      m_order(manufacturer.GetProducts().size()) {
    std::iota(m_order.begin(), m_order.end(), std::size_t{0});
}

int CManufacturerProductModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_order.size());
}

int CManufacturerProductModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

const std::string& CManufacturerProductModel::Field(const CManufacturerProduct& product,
                                                    int column) {
    switch (column) {
    case 0:
        return product.itemNumber;
    case 1:
        return product.bodyClassification;
    case 2:
        return product.roadName;
    case 3:
        return product.paintScheme;
    default:
        return product.scale;
    }
}

const CManufacturerProduct& CManufacturerProductModel::ProductAt(int row) const {
    return m_manufacturer.GetProducts()[m_order[static_cast<std::size_t>(row)]];
}

QVariant CManufacturerProductModel::data(const QModelIndex& index, int role) const {
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const CManufacturerProduct& product = ProductAt(index.row());
    if (role == Qt::DisplayRole)
        return text::FromBytes(Field(product, index.column()));
    if (role == ProductRole)
        return QVariant::fromValue(reinterpret_cast<quintptr>(&product));
    return {};
}

QVariant CManufacturerProductModel::headerData(int section, Qt::Orientation orientation,
                                               int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < kColumns)
        return m_headers[static_cast<std::size_t>(section)];
    return QAbstractTableModel::headerData(section, orientation, role);
}

void CManufacturerProductModel::SortByColumn(int column, bool descending) {
    if (column < 0 || column >= kColumns)
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList before = persistentIndexList();
    std::vector<std::size_t> productsBefore;
    productsBefore.reserve(static_cast<std::size_t>(before.size()));
    for (const QModelIndex& index : before)
        productsBefore.push_back(m_order[static_cast<std::size_t>(index.row())]);

    const auto& products = m_manufacturer.GetProducts();
    std::stable_sort(m_order.begin(), m_order.end(), [&](std::size_t a, std::size_t b) {
        const int order = CompareKeysNoCase(Field(products[a], column), Field(products[b], column));
        return descending ? order > 0 : order < 0;
    });

    // Selections and the current row follow their products.
    std::vector<int> rowOf(m_order.size());
    for (std::size_t row = 0; row < m_order.size(); ++row)
        rowOf[m_order[row]] = static_cast<int>(row);
    QModelIndexList after;
    after.reserve(before.size());
    for (qsizetype k = 0; k < before.size(); ++k)
        after.push_back(
            index(rowOf[productsBefore[static_cast<std::size_t>(k)]], before[k].column()));
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
