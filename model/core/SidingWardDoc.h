#pragma once

#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/InventoryElement.h"
#include "model/framework/Document.h"

class CCatalogue;

// One open inventory: its items in their current order, its search history and
// its link to the Classification Yard. The document owns its items.
class CSidingWardDoc : public CDocument {
public:
    using ItemList = std::vector<std::unique_ptr<CInventoryElement>>;

    CSidingWardDoc() = default;

    int GetItemCount() const { return static_cast<int>(m_items.size()); }
    const ItemList& GetItems() const { return m_items; }
    // The item at a list position (0-based); null when there is none.
    CInventoryElement* GetItemAt(int position) const;

    // Appends the item and takes ownership; marks modified and tells every view but sender.
    void AddItem(std::unique_ptr<CInventoryElement> item, CDocumentView* sender);
    // Destroys that very item when the list holds it, marks modified and returns
    // true; otherwise changes nothing and returns false.
    bool RemoveItem(const CInventoryElement* item, CDocumentView* sender);
    // Destroys, in one step, those of items the list holds; when any went, marks
    // modified and tells every view but sender once. Returns how many of items the
    // list did not hold (each counted once).
    int RemoveItems(std::span<CInventoryElement* const> items, CDocumentView* sender);
    bool ContainsItem(const CInventoryElement* item) const;
    // The list position of that very item, or -1.
    int IndexOfItem(const CInventoryElement* item) const;

    // The attribute the inventory is sorted by (attribute index; Body Classification at first).
    int GetSortAttribute() const { return m_sortAttribute; }
    void SetSortAttribute(int attribute) { m_sortAttribute = attribute; }
    // Always 'A': the program sorts ascending only.
    char GetSortDirection() const { return m_sortDirection; }
    // Sorts ascending by the sort attribute's key without regard to case; items with
    // equal keys keep their order. Does not mark the document modified.
    void Sort();

    // Sets the modified flag and tells every view but sender.
    void MarkModified(CDocumentView* sender);

    // The longest text of an attribute over all items; 1 when there are no items.
    int GetLongestValue(int attribute) const;

    // The texts searched for with Find, oldest first; the file keeps the first ten.
    std::vector<std::string>& GetSearchHistory() { return m_searchHistory; }
    const std::vector<std::string>& GetSearchHistory() const { return m_searchHistory; }

    // The Classification Yard this inventory is registered with; not owned.
    void SetClassificationYard(CCatalogue* yard) { m_yard = yard; }
    CCatalogue* GetClassificationYard() const { return m_yard; }

    // The integrity check: every attribute but Item Number must be a member of the
    // yard's list of the same attribute. False when the inventory has no yard.
    bool CheckItemAgainstYard(const CInventoryElement& item) const;

    // The number of bytes the text import reads per step.
    int GetImportReadSize() const { return m_importReadSize; }

    // Valuation (defined in quickfacts/).
    // @valuation-declarations
    // Amount texts of the sums over all items of Purchase Price and of Current Value;
    // "0.00" for an empty inventory. Sums are 64-bit and saturate.
    std::string GetTotalExpenditures() const;
    std::string GetTotalAssetValue() const;
    // Amount text of total asset value minus total expenditures.
    std::string GetDollarGainLoss() const;
    // Gain ratio text of the totals (a ratio of the sums, not an average), or the
    // cannot-calculate text when the total expenditures are 0.
    std::string GetPercentGainLoss() const;
    // The first item, in list order, with the largest loss; null when no item lost
    // money. Sets the worst-performer tie count: the number of items with that loss.
    CInventoryElement* FindWorstPerformer();
    int GetWorstPerformerTies() const { return m_worstPerformerTies; }
    // The first item with the largest gain; null when no item gained. Sets the
    // best-performer tie count.
    CInventoryElement* FindBestPerformer();
    int GetBestPerformerTies() const { return m_bestPerformerTies; }

    // Breakdowns (quickfacts/YearTable.h, quickfacts/GroupList.h). Purchase Price or
    // Current Value totals by the purchase year of every item.
    class CYearTable GetExpendituresByPurchaseYear() const;
    class CYearTable GetAssetValueByPurchaseYear() const;
    // Groups of the exact text of attribute 0..13 (others give the empty text), in the
    // order their text first occurs, with Purchase Price totals, Current Value totals
    // or item counts.
    class CGroupList GetExpendituresByAttribute(int attribute) const;
    class CGroupList GetAssetValueByAttribute(int attribute) const;
    class CGroupList GetItemCountByAttribute(int attribute) const;

    // Delimited text export and import (defined in core/DelimitedText.cpp).
    // @delimited-text-declarations
    // Writes the items to path as delimited text (core/DelimitedText.h), safely
    // replacing an existing file: first, when includeFieldNames, a record of the
    // fourteen headings of the linked Classification Yard (the default attribute
    // names when none is linked), then one record per item in list order. An
    // empty delimiter runs the values together. Changes nothing in the document;
    // a failure carries the file error message and leaves an old file intact.
    FileResult ExportDelimitedText(const std::string& path, const std::string& delimiter,
                                   bool includeFieldNames) const;
    // Appends one new item per record of the delimited text file at path (the
    // first record skipped when firstRecordHoldsNames), setting the attributes
    // that fieldOrder names (attribute indexes, in the file's order). Unless the
    // request is Refused, it then marks the document modified and tells every
    // view but sender, as the import command does even when nothing was added.
    // The result type is declared in core/DelimitedText.h.
    struct CDelimitedImportResult ImportDelimitedText(const std::string& path,
                                                      const std::string& delimiter,
                                                      const std::vector<int>& fieldOrder,
                                                      bool firstRecordHoldsNames,
                                                      CDocumentView* sender);
    // One item as the export writes it with field names: a line of the fourteen
    // headings, then a line of the item's fourteen values, each joined by delimiter
    // and ended by lineEnd.
    std::string ItemAsDelimitedText(const CInventoryElement& item, std::string_view delimiter,
                                    std::string_view lineEnd) const;

protected:
    FileResult ReadFromFile(const std::string& path) override;
    // Refuses, writing nothing, an inventory the file's 16-bit item count cannot hold.
    FileResult WriteToFile(const std::string& path) override;

private:
    // The heading the delimited text gives an attribute: the linked yard's, else the
    // default name.
    std::string_view ExportHeading(int attribute) const;
    void AppendExportHeadings(std::string_view delimiter, std::string& out) const;

    ItemList m_items;
    CCatalogue* m_yard = nullptr;
    std::vector<std::string> m_searchHistory;
    int m_importReadSize = 1;
    int m_sortAttribute = 0;
    char m_sortDirection = 'A';
    // @valuation-members
    int m_worstPerformerTies = 0;
    int m_bestPerformerTies = 0;
};
