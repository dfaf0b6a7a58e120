#pragma once

#include <array>
#include <vector>

#include <QAbstractTableModel>
#include <QString>

#include "model/yard/Manufacturer.h"

// The products of one manufacturer as the rows of the listing: Item Number, Body
// Classification, RoadName, Paint Scheme and Scale, under the yard's headings. The
// rows can be put in the order of any column; the products stay as they are.
class CManufacturerProductModel : public QAbstractTableModel {
    Q_OBJECT

public:
    static constexpr int kColumns = 5;
    // The product of a row (a const CManufacturerProduct*, as quintptr).
    static constexpr int ProductRole = Qt::UserRole + 1;

    // manufacturer must outlive the model; headers are the five column headings.
    CManufacturerProductModel(const CManufacturer& manufacturer,
                              std::array<QString, kColumns> headers, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // Orders the rows by the column's texts without regard to case; equal texts
    // keep their order.
    void SortByColumn(int column, bool descending);

    const CManufacturerProduct& ProductAt(int row) const;
    // The text of a product's field shown in column 0 to 4.
    static const std::string& Field(const CManufacturerProduct& product, int column);

private:
    const CManufacturer& m_manufacturer;
    std::array<QString, kColumns> m_headers;
    // The product index shown in each row.
    std::vector<std::size_t> m_order;
};
