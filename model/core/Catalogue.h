#pragma once

#include <memory>
#include <string>
#include <vector>

class CInventoryElement;

// What an inventory needs of the catalogue it is linked with: the headings its
// attributes go by, the values each attribute allows, and the program's item
// clipboard, which the catalogue keeps for every inventory. The Classification
// Yard implements it.
class CCatalogue {
public:
    // Indexes other than 0..12 give the heading of User Defined 2.
    virtual const std::string& GetHeading(int attribute) const = 0;
    // The allowed values of an attribute; null for Item Number and indexes outside 0..13.
    virtual const std::vector<std::string>* GetValueList(int attribute) const = 0;

    // A copy of item, replacing what the clipboard held.
    virtual void SetClipboardItem(const CInventoryElement& item) = 0;
    // A copy of the clipboard's item for pasting (the clipboard keeps its own);
    // null when it is empty.
    virtual std::unique_ptr<CInventoryElement> TakeClipboardItem() = 0;
    virtual bool HasClipboardItem() const = 0;

protected:
    ~CCatalogue() = default;
};
