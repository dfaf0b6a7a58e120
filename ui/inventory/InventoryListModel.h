#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include <QAbstractTableModel>

#include "model/core/InventoryElement.h"

class CSidingWardDoc;
class CThumbnailLoader;
enum class ThumbnailSize;

// The inventory as a table: one row per item, one column per shown attribute,
// headed by the current headings. The rows are in the document's order after a
// rebuild and in the order of the last sort afterwards; a filter text narrows them
// to the rows whose shown cells hold it. The rows point at the document's items,
// which they never own or reorder. When pictures are shown, a first column holds
// each item's thumbnail (the placeholder until it is made).
class CInventoryListModel : public QAbstractTableModel {
    Q_OBJECT

public:
    using ColumnFlags = std::array<bool, kAttributeCount>;

    explicit CInventoryListModel(CSidingWardDoc& document, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

    // The size of the thumbnails the picture column asks for.
    static const ThumbnailSize kThumbnailSize;

    // Shows a first column with each item's picture, made by loader; null hides it.
    void SetPictures(CThumbnailLoader* loader);
    bool ShowsPictures() const { return m_thumbnails != nullptr; }
    // The column of the first attribute (after the picture column when it is shown).
    int FirstAttributeColumn() const { return ShowsPictures() ? 1 : 0; }

    // Builds the columns of the flags and every row in the document's order.
    void Rebuild(const ColumnFlags& shown);
    // Sorts the rows by the attribute of a column (stable); the document keeps its order.
    void SortByColumn(int column, bool descending);
    // Shows only the rows whose shown cells hold text, without regard to case; the
    // empty text shows every row.
    void SetFilter(const QString& text);
    const QString& Filter() const { return m_filter; }

    // Adds a row for the item at the end; its shown row, or -1 when the filter hides it.
    int AppendRow(CInventoryElement* item);
    // Adds a row for an item that came into the document at documentPosition: there
    // while the rows are in the document's order, else at the end.
    void InsertRow(CInventoryElement* item, int documentPosition);
    // Removes the item's row; false when it has none.
    bool RemoveRow(const CInventoryElement* item);
    // The item's values changed: its row shows them where it stands, or is hidden
    // or shown again as the filter now decides.
    void RefreshRow(CInventoryElement* item);
    // The item's row goes to the end, where the window shows a changed item; its
    // shown row, or -1 when the filter hides it.
    int MoveRowToEnd(CInventoryElement* item);

    // The attribute shown in a column; -1 for none.
    int AttributeOf(int column) const;
    // The shown attributes, in column order.
    const std::vector<int>& Attributes() const { return m_attributes; }
    // The heading of an attribute as shown: the linked yard's, else the default name.
    std::string Heading(int attribute) const;
    // The item of a shown row; null outside the rows.
    CInventoryElement* ItemAt(int row) const;
    // The shown row of an item; -1 when it has none or the filter hides it.
    int RowOf(const CInventoryElement* item) const;
    // The shown rows' items, top to bottom.
    const std::vector<CInventoryElement*>& ShownItems() const { return m_shown; }
    int TotalRows() const { return static_cast<int>(m_rows.size()); }

private:
    // The shown rows anew from every row and the filter.
    void ApplyFilter();
    bool Passes(const CInventoryElement& item) const;
    // The shown row a row at index of every row would take.
    int ShownRowBefore(std::size_t index) const;
    QVariant Picture(const CInventoryElement& item, int row) const;
    // A thumbnail the column waited for is there: its cells show it.
    void OnThumbnailReady(const QString& path);

    CSidingWardDoc& m_document;
    std::vector<int> m_attributes;
    std::vector<CInventoryElement*> m_rows;
    std::vector<CInventoryElement*> m_shown;
    QString m_filter;
    std::string m_upperFilter;
    bool m_filterMatchesNothing = false;
    // The rows are in the document's order (no sort, no changed row moved since
    // the last rebuild).
    bool m_documentOrder = true;
    CThumbnailLoader* m_thumbnails = nullptr;
    // A picture whose cells show the placeholder until its thumbnail comes: the
    // cells the view asked for (the rows in sight), by row and item, so that the
    // thumbnail's arrival touches those and never walks every row.
    struct WaitingPicture {
        std::vector<std::pair<int, const CInventoryElement*>> cells;
    };
    mutable std::unordered_map<QString, WaitingPicture> m_waitingPictures;
};
