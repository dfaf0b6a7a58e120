#include "model/quickfacts/BreakdownTable.h"

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "model/core/SidingWardDoc.h"
#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"

namespace {

using Rows = std::vector<std::pair<std::string, std::string>>; // key, value

// An inventory of items that each set the given attribute texts.
std::unique_ptr<CSidingWardDoc>
Inventory(const std::vector<std::vector<std::pair<Attribute, std::string>>>& items) {
    auto doc = std::make_unique<CSidingWardDoc>();
    for (const auto& texts : items) {
        auto item = std::make_unique<CInventoryElement>();
        for (const auto& [attribute, text] : texts)
            item->SetAttributeText(static_cast<int>(attribute), text);
        doc->AddItem(std::move(item), nullptr);
    }
    return doc;
}

Rows Shown(const CBreakdownTable& table) {
    Rows rows;
    for (const auto& row : table.GetRows())
        rows.emplace_back(row.key, row.value);
    return rows;
}

constexpr auto kDate = Attribute::PurchaseDate;
constexpr auto kPrice = Attribute::PurchasePrice;
constexpr auto kValue = Attribute::CurrentValue;
constexpr auto kMaker = Attribute::Manufacturer;

TEST(BreakdownByYear, AscendingYearsWithPresentZerosAndOtherYears) {
    const auto doc = Inventory({
        {{kDate, "1998"}, {kPrice, "20.00"}, {kValue, "10.00"}},
        {{kDate, "1997"}, {kPrice, "10.00"}, {kValue, "987654321.00"}},
        {{kDate, "1998"}, {kPrice, "2147483647.00"}, {kValue, "-10.00"}},
        {{kDate, "1997"}, {kPrice, "5.00"}},
        {{kDate, "-5"}, {kPrice, "1.00"}, {kValue, "2.00"}},
        {{kDate, "12000"}, {kPrice, "3.00"}},
        {{kDate, "n/a"}, {kPrice, "7.00"}},
    });
    const auto spent =
        CBreakdownTable::ByPurchaseYear(*doc, BreakdownMeasure::Expenditures, nullptr);
    EXPECT_EQ(spent.GetTitle(), "Expenditures by Purchase Date");
    EXPECT_EQ(spent.GetColumnHeadings(),
              (std::array<std::string, 2>{"Purchase Date", "Purchase Price"}));
    EXPECT_EQ(spent.GetKind(), BreakdownKind::YearTable);
    EXPECT_EQ(
        Shown(spent),
        (Rows{
            {"0", "7.00"}, {"1997", "15.00"}, {"1998", "2147483667.00"}, {"Other years", "4.00"}}));

    // A year whose items total 0 is listed; a total equal to any number is shown as it is.
    const auto worth = CBreakdownTable::ByPurchaseYear(*doc, BreakdownMeasure::AssetValue, nullptr);
    EXPECT_EQ(worth.GetTitle(), "Asset Value by Purchase Date");
    EXPECT_EQ(
        Shown(worth),
        (Rows{{"0", "0.00"}, {"1997", "987654321.00"}, {"1998", "0.00"}, {"Other years", "2.00"}}));

    const auto count = CBreakdownTable::ByPurchaseYear(*doc, BreakdownMeasure::ItemCount, nullptr);
    EXPECT_EQ(count.GetColumnHeadings()[1], "Item Count");
    EXPECT_EQ(Shown(count), (Rows{{"0", "1"}, {"1997", "2"}, {"1998", "2"}, {"Other years", "2"}}));
    EXPECT_EQ(count.GetRows()[1].printKey, "1997");
}

TEST(BreakdownByAttribute, GroupsByExactTextInFirstOccurrenceOrder) {
    const auto doc = Inventory({
        {{kMaker, "Lionel"}, {kPrice, "10.00"}, {kValue, "12.00"}},
        {{kMaker, "lionel"}, {kPrice, "20.00"}},
        {{kMaker, ""}, {kPrice, "1.00"}},
        {{kMaker, "Lionel"}, {kPrice, "2147483647.00"}, {kValue, "-20.00"}},
    });
    const auto spent =
        CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::Expenditures, 1, nullptr);
    EXPECT_EQ(spent.GetKind(), BreakdownKind::AmountsByText);
    EXPECT_EQ(Shown(spent), (Rows{{"Lionel", "2147483657.00"}, {"lionel", "20.00"}, {"", "1.00"}}));
    const auto worth = CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::AssetValue, 1, nullptr);
    EXPECT_EQ(worth.GetTitle(), "Asset Value by Manufacturer");
    EXPECT_EQ(Shown(worth), (Rows{{"Lionel", "-8.00"}, {"lionel", "0.00"}, {"", "0.00"}}));
    const auto count = CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::ItemCount, 1, nullptr);
    EXPECT_EQ(count.GetKind(), BreakdownKind::CountsByText);
    EXPECT_EQ(Shown(count), (Rows{{"Lionel", "2"}, {"lionel", "1"}, {"", "1"}}));
    // Attributes outside the index group every item under the empty text.
    EXPECT_EQ(Shown(CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::ItemCount, 14, nullptr)),
              (Rows{{"", "4"}}));
}

TEST(BreakdownByAttribute, MoneyGroupsAreWrittenAsAmounts) {
    const auto doc = Inventory(
        {{{kPrice, "25.00"}}, {{kPrice, "25.00"}}, {{kPrice, "100.00"}}, {{kPrice, "123456.00"}}});
    const auto count = CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::ItemCount, 10, nullptr);
    EXPECT_EQ(count.GetKind(), BreakdownKind::CountsByAmount);
    EXPECT_EQ(Shown(count), (Rows{{"   25.00", "2"}, {"  100.00", "1"}, {"123456.00", "1"}}));
    auto spent = CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::Expenditures, 10, nullptr);
    EXPECT_EQ(spent.GetKind(), BreakdownKind::AmountsByAmount);
    EXPECT_EQ(spent.GetRows()[0].value, "50.00");
    spent.SortByColumn(0);
    EXPECT_EQ(spent.GetRows().front().key, "123456.00");
    spent.SortByColumn(0);
    EXPECT_EQ(spent.GetRows().front().key, "   25.00");

    const std::pair<const char*, const char*> formats[] = {
        {"25.00", "   25.00"},    {"0.00", "    0.00"},  {"25", "    0.00"},      {"", "    0.00"},
        {"00012.50", "   12.00"}, {"-5.00", "   -5.00"}, {"99999.00", "99999.00"}};
    for (const auto& [value, shown] : formats)
        EXPECT_EQ(CBreakdownTable::FormatGroupAmount(value), shown) << value;
}

TEST(BreakdownTable, HeadingsComeFromTheYard) {
    CFixedClock clock{CDate{2000, 7, 4}};
    CClassificationDoc yard(clock);
    yard.SetHeading(5, "Gauge");
    yard.SetHeading(10, "Paid");
    const auto doc = Inventory({{}});
    const auto spent = CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::Expenditures, 5, &yard);
    EXPECT_EQ(spent.GetTitle(), "Expenditures by Gauge");
    EXPECT_EQ(spent.GetColumnHeadings(), (std::array<std::string, 2>{"Gauge", "Paid"}));
    EXPECT_EQ(spent.GetPrintHeader(), "Gauge Paid ");
    EXPECT_EQ(spent.GetColumnWidth(0), 200);
    EXPECT_EQ(spent.GetColumnWidth(1), 150);
    const auto count = CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::ItemCount, 5, &yard);
    EXPECT_EQ(count.GetTitle(), "Item Count by Gauge");
    EXPECT_EQ(CBreakdownTable::ByPurchaseYear(*doc, BreakdownMeasure::Expenditures, &yard)
                  .GetColumnWidth(0),
              150);
}

TEST(BreakdownTable, RowsPadForPrinting) {
    const std::string longName(60, 'x');
    const auto doc = Inventory({{{kMaker, "Atlas"}, {kPrice, "123.00"}},
                                {{kMaker, longName}, {kPrice, "98765432100.00"}}});
    const auto spent =
        CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::Expenditures, 1, nullptr);
    const CQuickFactsRow& atlas = spent.GetRows()[0];
    EXPECT_EQ(atlas.printKey, "Atlas" + std::string(45, ' '));
    EXPECT_EQ(atlas.printValue, "    123.00");
    EXPECT_EQ(atlas.valueSortKey, "0000123.00");
    EXPECT_EQ(CBreakdownTable::GetPrintLine(atlas), atlas.printKey + "         123.00");
    const CQuickFactsRow& big = spent.GetRows()[1];
    EXPECT_EQ(big.printKey, std::string(50, 'x'));
    EXPECT_EQ(big.key, longName);
    EXPECT_EQ(big.printValue, "98765432100.00");
}

TEST(BreakdownTable, EachColumnSortsDescendingFirstThenAlternates) {
    const auto doc = Inventory({
        {{kMaker, "bachmann"}, {kValue, "1000.00"}},
        {{kMaker, "Atlas"}, {kValue, "123.00"}},
        {{kMaker, "Walthers"}, {kValue, "-50.00"}},
        {{kMaker, "Kato"}, {kValue, "12345678901.00"}},
        {{kMaker, "Bowser"}, {kValue, "123.00"}},
    });
    auto table = CBreakdownTable::ByAttribute(*doc, BreakdownMeasure::AssetValue, 1, nullptr);
    const auto keys = [&table] {
        std::vector<std::string> order;
        for (const auto& row : table.GetRows())
            order.push_back(row.key);
        return order;
    };
    using Keys = std::vector<std::string>;
    table.SortByColumn(1);
    EXPECT_EQ(keys(), (Keys{"Kato", "bachmann", "Atlas", "Bowser", "Walthers"}));
    table.SortByColumn(1);
    EXPECT_EQ(keys(), (Keys{"Walthers", "Atlas", "Bowser", "bachmann", "Kato"}));
    table.SortByColumn(0);
    EXPECT_EQ(keys(), (Keys{"Walthers", "Kato", "Bowser", "bachmann", "Atlas"}));
    table.SortByColumn(0);
    EXPECT_EQ(keys(), (Keys{"Atlas", "bachmann", "Bowser", "Kato", "Walthers"}));
    table.SortByColumn(7);
    EXPECT_EQ(keys().front(), "Atlas");
}

} // namespace
