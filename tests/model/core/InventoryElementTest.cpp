#include "model/core/InventoryElement.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/ItemFields.h"

namespace {

using Getter = const std::string& (CInventoryElement::*)() const;

// The getter of each attribute, in attribute index order.
const Getter kAttributeGetters[kAttributeCount] = {
    &CInventoryElement::GetBodyClassification, &CInventoryElement::GetManufacturer,
    &CInventoryElement::GetItemNumber,         &CInventoryElement::GetRoadName,
    &CInventoryElement::GetPaintScheme,        &CInventoryElement::GetScale,
    &CInventoryElement::GetCondition,          &CInventoryElement::GetOriginalBox,
    &CInventoryElement::GetDateBuilt,          &CInventoryElement::GetPurchaseDate,
    &CInventoryElement::GetPurchasePrice,      &CInventoryElement::GetCurrentValue,
    &CInventoryElement::GetUserDefined1,       &CInventoryElement::GetUserDefined2};

TEST(InventoryElement, NewItemIsEmptyAndEnteredOnMarchFirst1962) {
    std::vector<std::string> expected(18, "");
    expected.insert(expected.end(), {"3", "1", "1962"});
    EXPECT_EQ(ItemFields(CInventoryElement()), expected);
}

TEST(InventoryElement, AttributeIndexNamesExactlyOneField) {
    for (int index = 0; index < kAttributeCount; ++index) {
        CInventoryElement item;
        item.SetAttributeText(index, "value");
        EXPECT_EQ((item.*kAttributeGetters[index])(), "value") << index;
        EXPECT_EQ(item.GetAttributeText(index), "value") << index;
        EXPECT_EQ(item.GetAttributeTextLength(index), 5) << index;
        const std::vector<std::string> fields = ItemFields(item);
        EXPECT_EQ(std::count(fields.begin(), fields.end(), "value"), 1) << index;
    }
    CInventoryElement item;
    item.SetUserDefined1("first");
    for (const int index : {14, -1}) {
        item.SetAttributeText(index, "index " + std::to_string(index));
        EXPECT_EQ(item.GetUserDefined2(), "index " + std::to_string(index));
        EXPECT_EQ(item.GetAttributeText(index), item.GetUserDefined2());
        EXPECT_EQ(item.GetAttributeTextLength(index), item.GetAttributeTextLength(13));
    }
    EXPECT_EQ(item.GetUserDefined1(), "first");
}

TEST(AmountValue, ReadsSignAndLeadingDigitsOnly) {
    const std::pair<const char*, long long> cases[] = {
        {"25.00", 25}, {"  -7", -7},    {"+3", 3},     {"Mint", 0},           {"", 0},
        {"$25.00", 0}, {"1,250.00", 1}, {"25.99", 25}, {"\t\n\v\f\r 12", 12}, {"-", 0},
        {"+-5", 0},    {"- 5", 0},      {"0042", 42},  {"12 34", 12}};
    for (const auto& [text, value] : cases)
        EXPECT_EQ(AmountValue(text), value) << '"' << text << '"';
    // Digits beyond what the number holds saturate.
    EXPECT_EQ(AmountValue("9223372036854775806"), LLONG_MAX - 1);
    EXPECT_EQ(AmountValue("9223372036854775808.00"), LLONG_MAX);
    EXPECT_EQ(AmountValue(std::string(400, '9')), LLONG_MAX);
    EXPECT_LE(AmountValue("-" + std::string(400, '9')), -LLONG_MAX);
    EXPECT_EQ(AmountText(0), "0.00");
    EXPECT_EQ(AmountText(-15), "-15.00");
    EXPECT_EQ(AmountText(1250), "1250.00");
}

struct SortKeyCase {
    int index;
    const char* text;
    const char* key;
    std::size_t dollarsWidth = kShortestDollarsKey;
};

TEST(SortKeyOf, RearrangesYearAndMoneyTexts) {
    const SortKeyCase cases[] = {{8, "1998", "1998"},         {8, "3/1998", "19983"},
                                 {9, "12/1998", "199812"},    {9, "98", "98"},
                                 {9, "12/31/1998", "199812"}, {10, "25.00", "00025"},
                                 {11, "1250.00", "01250"},    {10, "123456.00", "123456"},
                                 {11, "100000.00", "100000"}, {11, "99999.00", "0099999", 7},
                                 {10, "", "0000000", 7},      {10, "7", "00000"},
                                 {11, "", "00000"},           {11, "1.2.3", "00001"},
                                 {0, "3/1998", "3/1998"},     {2, "25.00", "25.00"},
                                 {12, "12/1998", "12/1998"}};
    for (const auto& c : cases)
        EXPECT_EQ(SortKeyOf(c.index, c.text, c.dollarsWidth), c.key)
            << c.index << " \"" << c.text << '"';
}

TEST(CompareKeysNoCase, FoldsOnlyAsciiLettersAndComparesUnsignedBytes) {
    const std::tuple<const char*, const char*, int> cases[] = {
        {"Mint", "MINT", 0},   {"", "", 0},          {"b", "A", 1},        {"A", "b", -1},
        {"Box", "Boxcar", -1}, {"boxcar", "BOX", 1}, {"\xE9", "z", 1},     {"z", "\xE9", -1},
        {"\xFF", "\x01", 1},   {"\x01", "\xFF", -1}, {"\xC9", "\xE9", -1}, {"[", "A", -1}};
    for (const auto& [a, b, order] : cases)
        EXPECT_EQ(CompareKeysNoCase(a, b), order) << '"' << a << "\" vs \"" << b << '"';
    EXPECT_EQ(CompareKeysNoCase(std::string("a\0b", 3), std::string("a\0c", 3)), -1);
}

TEST(IsCatalogueMember, EmptyAlwaysBelongsOtherwiseExactMatch) {
    const std::vector<std::string> list = {"MINT", "Good"};
    EXPECT_TRUE(IsCatalogueMember("", {}));
    EXPECT_TRUE(IsCatalogueMember("", list));
    EXPECT_TRUE(IsCatalogueMember("Good", list));
    for (const char* value : {"Mint", "Good ", "Goo"})
        EXPECT_FALSE(IsCatalogueMember(value, list)) << value;
}

} // namespace
