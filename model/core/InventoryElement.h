#pragma once

#include <algorithm>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Attribute index: the fixed order of the fourteen item attributes.
enum class Attribute : int {
    BodyClassification = 0,
    Manufacturer = 1,
    ItemNumber = 2,
    RoadName = 3,
    PaintScheme = 4,
    Scale = 5,
    Condition = 6,
    OriginalBox = 7,
    DateBuilt = 8,
    PurchaseDate = 9,
    PurchasePrice = 10,
    CurrentValue = 11,
    UserDefined1 = 12,
    UserDefined2 = 13,
};

inline constexpr int kAttributeCount = 14;

// One piece of rolling stock: fourteen attribute texts, two spare texts carried
// along unchanged, comments, a picture path and the entry date. Texts are the
// file's 8-bit bytes; the record validates nothing.
class CInventoryElement {
public:
    static constexpr int kDefaultEntryMonth = 3;
    static constexpr int kDefaultEntryDay = 1;
    static constexpr int kDefaultEntryYear = 1962;

    CInventoryElement() = default;
    CInventoryElement(const CInventoryElement&) = default;
    CInventoryElement& operator=(const CInventoryElement&) = default;
    virtual ~CInventoryElement() = default;

    const std::string& GetPaintScheme() const { return m_paintScheme; }
    const std::string& GetCondition() const { return m_condition; }
    const std::string& GetCurrentValue() const { return m_currentValue; }
    const std::string& GetDateBuilt() const { return m_dateBuilt; }
    const std::string& GetReservedText1() const { return m_reservedText1; }
    const std::string& GetItemNumber() const { return m_itemNumber; }
    const std::string& GetManufacturer() const { return m_manufacturer; }
    const std::string& GetOriginalBox() const { return m_originalBox; }
    const std::string& GetPurchaseDate() const { return m_purchaseDate; }
    const std::string& GetPurchasePrice() const { return m_purchasePrice; }
    const std::string& GetReservedText2() const { return m_reservedText2; }
    const std::string& GetRoadName() const { return m_roadName; }
    const std::string& GetScale() const { return m_scale; }
    const std::string& GetBodyClassification() const { return m_bodyClassification; }
    const std::string& GetUserDefined1() const { return m_userDefined1; }
    const std::string& GetUserDefined2() const { return m_userDefined2; }
    const std::string& GetComments() const { return m_comments; }
    const std::string& GetPicture() const { return m_picture; }

    void SetPaintScheme(std::string text) { m_paintScheme = std::move(text); }
    void SetCondition(std::string text) { m_condition = std::move(text); }
    void SetCurrentValue(std::string text) { m_currentValue = std::move(text); }
    void SetDateBuilt(std::string text) { m_dateBuilt = std::move(text); }
    void SetReservedText1(std::string text) { m_reservedText1 = std::move(text); }
    void SetItemNumber(std::string text) { m_itemNumber = std::move(text); }
    void SetManufacturer(std::string text) { m_manufacturer = std::move(text); }
    void SetOriginalBox(std::string text) { m_originalBox = std::move(text); }
    void SetPurchaseDate(std::string text) { m_purchaseDate = std::move(text); }
    void SetPurchasePrice(std::string text) { m_purchasePrice = std::move(text); }
    void SetReservedText2(std::string text) { m_reservedText2 = std::move(text); }
    void SetRoadName(std::string text) { m_roadName = std::move(text); }
    void SetScale(std::string text) { m_scale = std::move(text); }
    void SetBodyClassification(std::string text) { m_bodyClassification = std::move(text); }
    void SetUserDefined1(std::string text) { m_userDefined1 = std::move(text); }
    void SetUserDefined2(std::string text) { m_userDefined2 = std::move(text); }
    void SetComments(std::string text) { m_comments = std::move(text); }
    void SetPicture(std::string text) { m_picture = std::move(text); }

    void SetEntryDate(int month, int day, int year);
    int GetEntryMonth() const { return m_entryMonth; }
    int GetEntryDay() const { return m_entryDay; }
    int GetEntryYear() const { return m_entryYear; }

    // The text of an attribute; index 13 and every index outside 0..12 give User Defined 2.
    const std::string& GetAttributeText(int index) const;
    // Replaces the text of an attribute; indexes outside 0..12 set User Defined 2.
    void SetAttributeText(int index, std::string text);
    int GetAttributeTextLength(int index) const;

private:
    std::string m_paintScheme;
    std::string m_condition;
    std::string m_currentValue;
    std::string m_dateBuilt;
    std::string m_reservedText1;
    std::string m_itemNumber;
    std::string m_manufacturer;
    std::string m_originalBox;
    std::string m_purchaseDate;
    std::string m_purchasePrice;
    std::string m_reservedText2;
    std::string m_roadName;
    std::string m_scale;
    std::string m_bodyClassification;
    std::string m_userDefined1;
    std::string m_userDefined2;
    std::string m_comments;
    std::string m_picture;
    int m_entryMonth = kDefaultEntryMonth;
    int m_entryDay = kDefaultEntryDay;
    int m_entryYear = kDefaultEntryYear;
};

// The default (menu) name of an attribute, "Body Classification" ... "User Defined 2".
const char* AttributeName(int index);

// The number a money or year text stands for: optional white space, optional sign,
// decimal digits up to the first non-digit; no digits give 0. Saturates instead of
// overflowing on absurdly long digit strings.
long long AmountValue(const std::string& text);

// A whole-dollar amount written back as text: 25 gives "25.00", -15 gives "-15.00".
std::string AmountText(long long value);

// The money text of a plain number as spreadsheets write amounts ("125", "1250.5",
// "-1,250"): an optional sign, digits with optional thousands commas in their
// places, an optional decimal part. Gives its whole dollars as AmountText writes
// them (the cents dropped as AmountValue drops them); nothing for any other text,
// which a caller keeps as it is.
std::optional<std::string> PlainNumberAsMoney(std::string_view text);

// Purchase Price and Current Value: the attributes that hold money texts.
bool IsMoneyAttribute(int index);

// Money sort keys are the dollars padded with zeros to a common width: at least
// this, or the longest dollars among the texts compared. They are never cut.
inline constexpr std::size_t kShortestDollarsKey = 5;
// The length of the dollars of a money text: what stands before the first ".".
std::size_t DollarsLength(const std::string& text);
// The common width of the money keys of these items (pointers, raw or owning).
template <typename Items> std::size_t DollarsKeyWidth(const Items& items, int attribute) {
    std::size_t width = kShortestDollarsKey;
    for (const auto& item : items)
        width = std::max(width, DollarsLength(item->GetAttributeText(attribute)));
    return width;
}

// Sort key of a text for an attribute (year and money attributes are rearranged).
// dollarsWidth is the common width of money keys.
std::string SortKeyOf(int index, const std::string& text,
                      std::size_t dollarsWidth = kShortestDollarsKey);
// Appends that sort key to out, sparing the allocation of a key of its own.
void AppendSortKey(int index, const std::string& text, std::string& out,
                   std::size_t dollarsWidth = kShortestDollarsKey);

// Compares two keys byte by byte as unsigned bytes, with A-Z folded onto a-z;
// returns exactly -1, 0 or +1.
int CompareKeysNoCase(const std::string& a, const std::string& b);

// Catalogue membership: the empty value always belongs; otherwise an exact,
// case-sensitive match with one entry of the list.
bool IsCatalogueMember(const std::string& value, const std::vector<std::string>& list);
