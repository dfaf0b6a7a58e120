#pragma once

#include <memory>
#include <string>
#include <vector>

#include <QStringList>

#include "model/core/SidingWardDoc.h"
#include "ui/inventory/InventoryTreeModel.h"
#include "ui/inventory/SidingWardView.h"
#include "ui/support/InventoryBench.h"

// One inventory "Freight.inv" on the test bench, its window and the nodes of its
// tree, for the tests of the inventory window to share.
class CInventoryFixture {
protected:
    void SetUp() {
        m_bench = std::make_unique<CInventoryBench>();
        m_doc = std::make_unique<CSidingWardDoc>();
        m_doc->SetTitle("Freight.inv");
    }
    // The window goes before its document, the document before the yard.
    void TearDown() {
        m_view.reset();
        m_doc.reset();
        m_bench.reset();
    }
    // Fills the inventory (bodies as Body Classification, in that order) and opens
    // its window; the inventory is unmodified and the log empty afterwards.
    void Open(const std::vector<std::string>& bodies, bool withYard = true) {
        CInventoryBench::Fill(*m_doc, bodies);
        m_view = m_bench->MakeView(*m_doc, withYard);
        m_doc->SetModifiedFlag(false);
        m_bench->log.Clear();
    }

    CInventoryTreeModel& Model() const { return *m_view->Model(); }
    QModelIndex Root() const { return Model().RootIndex(); }
    QModelIndex ItemNode(int row) const { return Model().index(row, 0, Root()); }
    QModelIndex Detail(int row, int line) const { return Model().index(line, 0, ItemNode(row)); }
    // Row -1 is the root; line -1 the item node itself.
    QModelIndex Node(int row, int line) const {
        if (row < 0)
            return Root();
        return line < 0 ? ItemNode(row) : Detail(row, line);
    }
    // The labels of the children of parent (the item nodes for the root).
    QStringList ChildLabels(const QModelIndex& parent) const {
        QStringList labels;
        for (int row = 0; row < Model().rowCount(parent); ++row)
            labels << Model().Label(Model().index(row, 0, parent));
        return labels;
    }
    QStringList ItemLabels() const { return ChildLabels(Root()); }

    std::unique_ptr<CInventoryBench> m_bench;
    std::unique_ptr<CSidingWardDoc> m_doc;
    std::unique_ptr<CSidingWardView> m_view;
};
