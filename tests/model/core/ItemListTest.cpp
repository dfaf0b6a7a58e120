#include "model/core/ItemList.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/core/InventoryElement.h"

namespace {

// Items whose attribute holds the given texts, in that order.
class Rows {
public:
    Rows(int attribute, const std::vector<std::string>& texts) {
        for (const std::string& text : texts) {
            auto item = std::make_unique<CInventoryElement>();
            item->SetAttributeText(attribute, text);
            pointers.push_back(item.get());
            m_items.push_back(std::move(item));
        }
    }
    std::vector<std::string> Texts(int attribute) const {
        std::vector<std::string> texts;
        for (const CInventoryElement* item : pointers)
            texts.push_back(item->GetAttributeText(attribute));
        return texts;
    }
    std::vector<CInventoryElement*> pointers;

private:
    std::vector<std::unique_ptr<CInventoryElement>> m_items;
};

struct SortCase {
    const char* name;
    int attribute;
    bool descending;
    std::vector<std::string> texts;
    std::vector<std::string> sorted;
};

TEST(ItemList, SortsByKeysWithoutRegardToCaseKeepingEqualRowsInOrder) {
    const int price = static_cast<int>(Attribute::PurchasePrice);
    const int value = static_cast<int>(Attribute::CurrentValue);
    const int maker = static_cast<int>(Attribute::Manufacturer);
    const int built = static_cast<int>(Attribute::DateBuilt);
    const SortCase cases[] = {
        {"money descending, by dollars",
         price,
         true,
         {"25.00", "100.00", "9.99", "100000.00", "99999.00"},
         {"100000.00", "99999.00", "100.00", "25.00", "9.99"}},
        {"money ascending",
         value,
         false,
         {"100.00", "25.00", "100000.00", "99999.00"},
         {"25.00", "100.00", "99999.00", "100000.00"}},
        // Cents do not count, and a value without "." has no dollars at all.
        {"money ties keep their order",
         price,
         true,
         {"12.50", "none", "12.00", "12.99"},
         {"12.50", "12.00", "12.99", "none"}},
        {"text ignores case, ties in order",
         maker,
         false,
         {"lionel", "Atlas", "LIONEL", "atlas", "Bachmann"},
         {"Atlas", "atlas", "Bachmann", "lionel", "LIONEL"}},
        {"text descending, ties in order",
         maker,
         true,
         {"lionel", "Atlas", "LIONEL", "atlas"},
         {"lionel", "LIONEL", "Atlas", "atlas"}},
        // Years are plain text here: "1/1/1999" before "12/31/1998" by its "1/".
        {"dates as plain text",
         built,
         false,
         {"12/31/1998", "1/1/1999", "1998"},
         {"1/1/1999", "12/31/1998", "1998"}},
        {"letters before bytes of 0x80 and above",
         maker,
         false,
         {"\xC9tat", "Zulu", "alpha"},
         {"alpha", "Zulu", "\xC9tat"}},
    };
    for (const SortCase& c : cases) {
        Rows rows(c.attribute, c.texts);
        itemlist::Sort(rows.pointers, c.attribute, c.descending);
        EXPECT_EQ(rows.Texts(c.attribute), c.sorted) << c.name;
    }
}

TEST(ItemList, MoneyKeysArePaddedToTheLongestNeverCut) {
    const int price = static_cast<int>(Attribute::PurchasePrice);
    Rows rows(price, {"25.00", "100.00", "1234567.89", "", "-15.00"});
    EXPECT_EQ(itemlist::SortKeys(rows.pointers, price),
              (std::vector<std::string>{"0000025", "0000100", "1234567", "0000000", "0000-15"}));
    Rows usual(price, {"25.00", "100.00"});
    EXPECT_EQ(itemlist::SortKeys(usual.pointers, price),
              (std::vector<std::string>{"00025", "00100"}));
}

struct FindCase {
    const char* name;
    std::size_t start;
    std::string text;
    bool matchCase;
    std::optional<std::size_t> found;
};

TEST(ItemList, FindGoesRowByRowThenColumnByColumnWithoutWrapping) {
    // Rows: (Body, Manufacturer) = (Boxcar, Lionel), (Caboose, Atlas), (Hopper, box co).
    const int body = static_cast<int>(Attribute::BodyClassification);
    const int maker = static_cast<int>(Attribute::Manufacturer);
    const int road = static_cast<int>(Attribute::RoadName);
    Rows rows(body, {"Boxcar", "Caboose", "Hopper"});
    const char* makers[] = {"Lionel", "Atlas", "box co"};
    for (std::size_t k = 0; k < 3; ++k) {
        rows.pointers[k]->SetAttributeText(maker, makers[k]);
        rows.pointers[k]->SetAttributeText(road, "Hidden");
    }
    const std::vector<int> shown{body, maker};
    const FindCase cases[] = {
        {"first row, first column", 0, "BOX", false, 0},
        {"from the next row on", 1, "box", false, 2},
        {"match case", 0, "box", true, 2},
        {"second column", 0, "atl", false, 1},
        {"no wrap to the top", 1, "Boxcar", false, std::nullopt},
        {"hidden columns are not searched", 0, "Hidden", false, std::nullopt},
        {"start past the end", 3, "o", false, std::nullopt},
    };
    for (const FindCase& c : cases)
        EXPECT_EQ(itemlist::Find(rows.pointers, shown, c.start, c.text, c.matchCase), c.found)
            << c.name;
}

TEST(ItemList, TheFilterLooksInEachShownCellWithoutRegardToCase) {
    const int body = static_cast<int>(Attribute::BodyClassification);
    const int maker = static_cast<int>(Attribute::Manufacturer);
    CInventoryElement item;
    item.SetAttributeText(body, "Boxcar");
    item.SetAttributeText(maker, "M\xE4rklin");
    item.SetAttributeText(static_cast<int>(Attribute::RoadName), "Hidden");
    const std::string text = itemlist::FilterText(item, {body, maker});
    EXPECT_TRUE(itemlist::Contains(text, "BOX"));
    EXPECT_TRUE(itemlist::Contains(text, "M\xC4RK"));
    EXPECT_TRUE(itemlist::Contains(text, ""));
    // Not across two cells, and not in hidden ones.
    EXPECT_FALSE(itemlist::Contains(text, "CARM"));
    EXPECT_FALSE(itemlist::Contains(text, "HIDDEN"));
}

} // namespace
