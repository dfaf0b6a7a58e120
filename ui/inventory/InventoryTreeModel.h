#pragma once

#include <array>
#include <string>
#include <unordered_map>
#include <vector>

#include <QAbstractItemModel>
#include <QIcon>

#include "model/core/InventoryElement.h"

class CSidingWardDoc;

// The three levels of the inventory tree.
enum class TreeLevel { None = -1, Root = 0, Item = 1, Detail = 2 };

// The inventory as a three-level tree: the inventory root (labelled with the
// document's title), one item node per item labelled with the item's value of the
// sort attribute, in alphabetical order with equal labels in document order, and
// under each item node one "heading: value" line per shown attribute but the sort
// attribute. Detail lines are not stored: every item node has the same shown
// attributes, so the lines are computed when asked for, which keeps a tree of
// tens of thousands of items small and quick to build.
class CInventoryTreeModel : public QAbstractItemModel {
    Q_OBJECT

public:
    enum Role {
        ItemRole = Qt::UserRole + 1, // the node's item as quintptr (null for the root)
        LevelRole,                   // the TreeLevel as int
        AttributeRole,               // the node's image index: attribute, 15 for the root
    };
    static constexpr int kRootImage = 15;
    using DetailFlags = std::array<bool, kAttributeCount>;

    // The document must outlive the model. The tree is empty until Rebuild().
    explicit CInventoryTreeModel(CSidingWardDoc& document, QObject* parent = nullptr);
    ~CInventoryTreeModel() override;

    // Builds every node anew from the document (its title, its order, its sort
    // attribute) showing the attributes whose flag is set.
    void Rebuild(const DetailFlags& showDetails);
    // Inserts a node for an item that came into the document at documentPosition:
    // at its alphabetical place, among equal labels in document order (a new item,
    // last in the document, goes after them). Returns its index.
    QModelIndex AddItemNode(const CInventoryElement* item, int documentPosition);
    // Moves the node of a changed item to its alphabetical place after the nodes with
    // an equal label and shows its new values; returns its index (invalid: no node).
    QModelIndex PlaceItemNode(const CInventoryElement* item);
    // Removes the item node of that item; false when there is none.
    bool RemoveItemNode(const CInventoryElement* item);
    // The item of each item node, in tree order.
    std::vector<CInventoryElement*> ItemsInTreeOrder() const;
    // Tells the views that the labels may have changed (headings, the title).
    void RefreshLabels();

    QModelIndex RootIndex() const;
    // The inventory was saved under another name, which the top line shows.
    void RootLabelChanged();
    // The item node of that item; invalid when there is none.
    QModelIndex ItemIndex(const CInventoryElement* item) const;
    int ItemNodeCount() const { return static_cast<int>(m_nodes.size()); }
    // The item of a node (item node or detail line); null for the root and nothing.
    CInventoryElement* ItemOf(const QModelIndex& index) const;
    static TreeLevel LevelOf(const QModelIndex& index);
    // The attributes each item node shows as detail lines, in order.
    const std::vector<int>& DetailAttributes() const { return m_details; }
    // The heading of an attribute as shown: the linked yard's, else the default name.
    std::string Heading(int attribute) const;
    // The text a node shows (its label), as bytes and as text.
    std::string LabelBytes(const QModelIndex& index) const;
    QString Label(const QModelIndex& index) const;

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QHash<int, QByteArray> roleNames() const override;

private:
    struct Node {
        CInventoryElement* item;
        std::string key;
    };
    // The row at which a node with that key goes: after every equal label.
    int InsertionRow(const std::string& key) const;
    // The last row of a node and its detail lines changed.
    void EmitNodeChanged(int row);
    int RowOf(const CInventoryElement* item) const;
    // Renumbers the rows of the item nodes from row on.
    void IndexRowsFrom(int row);

    CSidingWardDoc& m_document;
    bool m_built = false;
    int m_sortAttribute = 0;
    std::vector<int> m_details;
    std::vector<Node> m_nodes;
    // The row of each item's node: a detail line knows its item, not its row, so
    // that lines stay right while item nodes come and go above them.
    std::unordered_map<const CInventoryElement*, int> m_rows;
    std::array<QIcon, kRootImage + 1> m_icons;
};
