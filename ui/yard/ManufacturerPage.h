#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include <QWidget>

#include "model/yard/Manufacturer.h"

class CClassificationDoc;
class CManufacturerProductModel;
class CMessageSink;
class QTreeView;

// One tab of the manufacturer listing: the products of one manufacturer in a list
// of five columns under the yard's headings. A header click sorts by that column
// (first descending, then reversing, each column on its own); the popup menu
// "Manufacturer" finds a text in the rows.
class CManufacturerPage : public QWidget {
    Q_OBJECT

public:
    // manufacturer, yard and messages must outlive the page. The rows are made
    // when the page is first shown.
    CManufacturerPage(const CManufacturer& manufacturer, const CClassificationDoc& yard,
                      CMessageSink& messages, QWidget* parent = nullptr);

    const std::string& GetName() const { return m_manufacturer.GetName(); }

    // Takes the selected row, if any, as the chosen product (the page is left).
    void TakeSelection();
    // The product taken last; nothing before a row was taken.
    const std::optional<CManufacturerChoice>& GetChosen() const { return m_chosen; }

    // Sorts as a click on the column's header does.
    void SortColumn(int column);
    // Runs the Find dialog on the page's own history, then searches.
    void Find();
    // Searches the rows for text as Find does (from the first row, or after the
    // selected or focused row); says so when nothing matches.
    void Search(const std::string& text, bool matchCase, bool findNext);

    // Creates the rows now if the page has not been shown yet.
    void EnsureRows();
    QTreeView* List() const { return m_list; }

protected:
    void showEvent(QShowEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void SelectRow(int row);

    const CManufacturer& m_manufacturer;
    const CClassificationDoc& m_yard;
    CMessageSink& m_messages;
    QTreeView* m_list = nullptr;
    CManufacturerProductModel* m_model = nullptr;
    // Per column: the next click sorts descending.
    std::array<bool, 5> m_descendingNext{true, true, true, true, true};
    std::vector<std::string> m_searchHistory;
    std::optional<CManufacturerChoice> m_chosen;
};
