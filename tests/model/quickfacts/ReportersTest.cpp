#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/core/SidingWardDoc.h"
#include "model/framework/Captions.h"
#include "model/quickfacts/BestPerformer.h"
#include "model/quickfacts/DollarGainLoss.h"
#include "model/quickfacts/ItemCount.h"
#include "model/quickfacts/PercentGainLoss.h"
#include "model/quickfacts/QuickFactsItems.h"
#include "model/quickfacts/TotalAssetValue.h"
#include "model/quickfacts/TotalExpenditures.h"
#include "model/quickfacts/WorstPerformer.h"

namespace {

using Prices = std::vector<std::pair<const char*, const char*>>; // purchase, current

enum class Ask {
    InventoryDollar,
    ItemDollar,
    InventoryPercent,
    ItemPercent,
    Worst,
    Best,
    Asset,
    Spent
};

// The report a command asks for; item reports are about the first item.
CQuickFactsReport Report(Ask ask, CSidingWardDoc& doc) {
    switch (ask) {
    case Ask::InventoryDollar:
        return *CDollarGainLoss().ReportInventory(&doc);
    case Ask::ItemDollar:
        return *CDollarGainLoss().ReportItem(doc.GetItemAt(0));
    case Ask::InventoryPercent:
        return *CPercentGainLoss().ReportInventory(&doc);
    case Ask::ItemPercent:
        return *CPercentGainLoss().ReportItem(doc.GetItemAt(0));
    case Ask::Worst:
        return CWorstPerformer().ReportInventory(&doc)->report;
    case Ask::Best:
        return CBestPerformer().ReportInventory(&doc)->report;
    case Ask::Asset:
        return *CTotalAssetValue().ReportInventory(&doc);
    case Ask::Spent:
        break;
    }
    return *CTotalExpenditures().ReportInventory(&doc);
}

struct ReportCase {
    Ask ask;
    Prices prices;
    std::string text;
    std::string sound;
};

const std::string kDollar = "Dollar Gain or Loss\n\n";
const std::string kPercent = "Percent Gain or Loss\n\n";
const std::string kWhole = "Entire Inventory\n\n";
const std::string kItem = "Boxcar\nLionel\n\n";
const std::string kLoss = "GAUGEWST.WAV", kEven = "GAUGECOI.WAV", kGain = "GAUGECSH.WAV";
const std::string kStar = "GAUGESTR.WAV";

TEST(QuickFactsReports, TextsAndSoundsOfEveryCase) {
    using enum Ask;
    const ReportCase cases[] = {
        {InventoryDollar, {{"40.00", "33.00"}}, kDollar + kWhole + "Loss of: $-7.00", kLoss},
        {InventoryDollar, {{"40.00", "40.00"}}, kDollar + kWhole + "Break Even!", kEven},
        {InventoryDollar, {{"100.00", "150.00"}}, kDollar + kWhole + "Gain of: $50.00", kGain},
        {ItemDollar, {{"40.00", "0.00"}}, kDollar + kItem + "Loss of: $-40.00", ""},
        {ItemDollar, {{"40.00", "40.00"}}, kDollar + kItem + "Break Even!", ""},
        {ItemDollar, {{"", "35.00"}}, kDollar + kItem + "Gain of: $35.00", ""},
        {ItemDollar, {{"99.99", "100.50"}}, kDollar + kItem + "Gain of: $1.00", ""},
        {InventoryPercent, {{"100.00", "75.00"}}, kPercent + kWhole + "Loss of: %-0.25", kLoss},
        {InventoryPercent,
         {{"100000.00", "99999.00"}},
         kPercent + kWhole + "Loss of: %-0.00",
         kLoss},
        {InventoryPercent, {{"100000.00", "100001.00"}}, kPercent + kWhole + "Break Even!", kEven},
        {InventoryPercent, {{"8.00", "9.00"}}, kPercent + kWhole + "Gain of: %0.13", kGain},
        {InventoryPercent,
         {{"", "9.00"}},
         kPercent + kWhole + "Gain of: %Cannot calculate! Purchase Price is zero",
         kGain},
        {ItemPercent, {{"40.00", "0.00"}}, kPercent + kItem + "Loss of: %-1.00", ""},
        {ItemPercent, {{"40.00", "40.00"}}, kPercent + kItem + "Break Even!", ""},
        {ItemPercent, {{"100.00", "150.00"}}, kPercent + kItem + "Gain of: %0.50", ""},
        {Worst,
         {{"100.00", "95.00"}, {"100.00", "88.00"}, {"100.00", "88.00"}},
         "The Worst Performer\n\n" + kItem +
             "Loss of: $-12.00\n\nThere are 1 additional item(s) with the same loss amount.",
         kLoss},
        {Worst,
         {{"100.00", "95.00"}, {"100.00", "100.00"}},
         "The Worst Performer\n\n" + kItem + "Loss of: $-5.00",
         kLoss},
        {Worst,
         {{"100.00", "100.00"}, {"1.00", "3.00"}},
         "Congratulations!\n\nNo Money Losers Found",
         kStar},
        {Best,
         {{"1.00", "3.00"}, {"1.00", "3.00"}, {"1.00", "3.00"}},
         "The Best Performer\n\n" + kItem +
             "Gain of: $2.00\n\nThere are 2 additional item(s) with the same gain amount.",
         kStar},
        {Best, {}, "Sorry!\n\nNo Money Gainers Found", kLoss},
        {Asset,
         {{"1.00", "3000000000.00"}, {"1.00", "5.00"}},
         kWhole + "Total Asset Value: $3000000005.00",
         kGain},
        {Spent, {}, kWhole + "Total Expenditures: $0.00", kGain}};
    for (const auto& c : cases) {
        CSidingWardDoc doc;
        for (const auto& [purchase, current] : c.prices)
            AddPricedItem(doc, purchase, current);
        const CQuickFactsReport expected{c.text, captions::kApplicationTitle, ReportIcon::Warning,
                                         c.sound};
        EXPECT_EQ(Report(c.ask, doc), expected) << c.text;
    }
}

TEST(QuickFactsReports, PerformersNameTheItemFound) {
    CSidingWardDoc doc;
    AddPricedItem(doc, "100.00", "95.00");
    CInventoryElement& loser = AddPricedItem(doc, "100.00", "80.00", "Tanker", "Atlas");
    EXPECT_EQ(CWorstPerformer().ReportInventory(&doc)->item, &loser);
    EXPECT_EQ(CBestPerformer().ReportInventory(&doc)->item, nullptr);
    EXPECT_EQ(CWorstPerformer().ReportInventory(&doc)->report.text,
              "The Worst Performer\n\nTanker\nAtlas\n\nLoss of: $-20.00");
}

TEST(QuickFactsReports, ItemCountHasItsOwnCaptionAndNoSound) {
    CSidingWardDoc doc;
    const CQuickFactsReport empty{"Entire Inventory\n\nItem Count: 0", "Total Item Count",
                                  ReportIcon::Warning, ""};
    EXPECT_EQ(*CItemCount().ReportInventory(&doc), empty);
}

TEST(QuickFactsReports, NoDocumentOrItemGivesNoReport) {
    EXPECT_FALSE(CDollarGainLoss().ReportInventory(nullptr));
    EXPECT_FALSE(CDollarGainLoss().ReportItem(nullptr));
    EXPECT_FALSE(CPercentGainLoss().ReportInventory(nullptr));
    EXPECT_FALSE(CPercentGainLoss().ReportItem(nullptr));
    EXPECT_FALSE(CWorstPerformer().ReportInventory(nullptr));
    EXPECT_FALSE(CBestPerformer().ReportInventory(nullptr));
    EXPECT_FALSE(CTotalAssetValue().ReportInventory(nullptr));
    EXPECT_FALSE(CTotalExpenditures().ReportInventory(nullptr));
    EXPECT_FALSE(CItemCount().ReportInventory(nullptr));
}

} // namespace
