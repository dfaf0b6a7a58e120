#include "model/quickfacts/Valuation.h"

#include <algorithm>
#include <climits>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Breakdowns.h"
#include "model/quickfacts/QuickFactsItems.h"

namespace {

struct RatioCase {
    double ratio;
    const char* text;
};

// Nearest doubles: 0.005 is 0.005000000000000000104, 0.015 is 0.01499999999999999944,
// 1.005 is 1.00499999999999989, 0.045 is 0.04499999999999999833, 2.675 is 2.67499999999999982.
// Below 0.005 no digit is left: a loss stays a loss, a gain reads as break-even.
TEST(GainRatioText, RoundsHalfAwayFromZeroOnSeventeenDigits) {
    const RatioCase cases[] = {{0.125, "0.13"},
                               {0.996, "1.00"},
                               {0.5, "0.50"},
                               {0.05, "0.05"},
                               {12.5, "12.50"},
                               {-0.25, "-0.25"},
                               {0.0, "0.00"},
                               {-0.0, "0.00"},
                               {-1.0, "-1.00"},
                               {99.995, "100.00"},
                               {1e20, "100000000000000000000.00"},
                               {0.005, "0.01"},
                               {0.015, "0.01"},
                               {1.005, "1.00"},
                               {0.045, "0.04"},
                               {2.675, "2.67"},
                               {-0.005, "-0.01"},
                               {-0.125, "-0.13"},
                               {0.004999, "0.00"},
                               {1e-300, "0.00"},
                               {-0.004, "-0.00"},
                               {-1e-300, "-0.00"}};
    for (const auto& c : cases)
        EXPECT_EQ(GainRatioText(c.ratio), c.text) << c.ratio;
}

TEST(InventoryValuation, TotalsAreRatiosOfTheSums) {
    CSidingWardDoc doc;
    AddPricedItem(doc, "100.00", "120.00");
    AddPricedItem(doc, "50.00", "10.00");
    EXPECT_EQ(valuation::TotalExpenditures(doc.GetItems()), "150.00");
    EXPECT_EQ(valuation::TotalAssetValue(doc.GetItems()), "130.00");
    EXPECT_EQ(valuation::DollarGainLoss(doc.GetItems()), "-20.00");
    EXPECT_EQ(valuation::PercentGainLoss(doc.GetItems()), "-0.13");

    const CSidingWardDoc empty;
    EXPECT_EQ(valuation::TotalExpenditures(empty.GetItems()), "0.00");
    EXPECT_EQ(valuation::DollarGainLoss(empty.GetItems()), "0.00");
    EXPECT_EQ(valuation::PercentGainLoss(empty.GetItems()),
              "Cannot calculate! Purchase Price is zero");
}

TEST(InventoryValuation, TotalsBeyondThirtyTwoBitsDoNotWrap) {
    CSidingWardDoc doc;
    for (int i = 0; i < 3; ++i)
        AddPricedItem(doc, "2000000000.00", "2147483647.00");
    EXPECT_EQ(valuation::TotalExpenditures(doc.GetItems()), "6000000000.00");
    EXPECT_EQ(valuation::TotalAssetValue(doc.GetItems()), "6442450941.00");
    EXPECT_EQ(valuation::DollarGainLoss(doc.GetItems()), "442450941.00");
    // Absurd amounts saturate instead of overflowing.
    AddPricedItem(doc, "99999999999999999999.00", "-99999999999999999999.00");
    AddPricedItem(doc, "99999999999999999999.00", "-99999999999999999999.00");
    EXPECT_EQ(valuation::TotalExpenditures(doc.GetItems()), "9223372036854775807.00");
    EXPECT_EQ(valuation::TotalAssetValue(doc.GetItems()), "-9223372036854775807.00");
    EXPECT_EQ(valuation::DollarGainLoss(doc.GetItems()), "-9223372036854775807.00");
    EXPECT_EQ(valuation::DollarGainLoss(*doc.GetItemAt(3)), "-9223372036854775807.00");
    EXPECT_EQ(valuation::PercentGainLoss(*doc.GetItemAt(3)), "-2.00");
    EXPECT_EQ(SaturatingSubtract(0, LLONG_MIN), LLONG_MAX);
}

// Once a running 64-bit total saturated, later amounts used to pull it back, so the
// same prices gave a different total in another order.
TEST(InventoryValuation, TotalsBeyondTheRangeDoNotDependOnTheOrder) {
    std::vector<std::string> prices = {"-5.00", "-9223372036854775808.00", "9223372036854775807.00",
                                       "99999999999999999999.00"};
    std::sort(prices.begin(), prices.end());
    do {
        CSidingWardDoc doc;
        for (const std::string& price : prices)
            AddPricedItem(doc, price, "0.00").SetPurchaseDate("1997");
        const auto& items = doc.GetItems();
        EXPECT_EQ(valuation::TotalExpenditures(items), "9223372036854775802.00");
        EXPECT_EQ(valuation::DollarGainLoss(items), "-9223372036854775802.00");
        EXPECT_EQ(breakdowns::ExpendituresByAttribute(items, 1).GetGroups().at(0).total,
                  LLONG_MAX - 5);
        EXPECT_EQ(breakdowns::ExpendituresByPurchaseYear(items).GetTotal(1997), LLONG_MAX - 5);
        // A total that really lies beyond the range shows as the largest amount.
        AddPricedItem(doc, "6.00", "0.00").SetPurchaseDate("1997");
        EXPECT_EQ(valuation::TotalExpenditures(items), "9223372036854775807.00");
        EXPECT_EQ(breakdowns::ExpendituresByAttribute(items, 1).GetGroups().at(0).total, LLONG_MAX);
        EXPECT_EQ(breakdowns::ExpendituresByPurchaseYear(items).GetTotal(1997), LLONG_MAX);
    } while (std::next_permutation(prices.begin(), prices.end()));
}

struct PerformerCase {
    std::vector<const char*> currents; // each bought for 100
    int worst;                         // list position, -1 for none
    int worstTies;
    int best;
    int bestTies;
};

TEST(Performers, FirstOfTheExtremeGainsWithItsTies) {
    const PerformerCase cases[] = {
        {{}, -1, 0, -1, 0},
        {{"95.00", "88.00", "88.00"}, 1, 2, -1, 0},
        // Zero gains before the first loser count until it resets the count.
        {{"100.00", "100.00", "90.00", "130.00"}, 2, 1, 3, 1},
        {{"100.00", "100.00"}, -1, 2, -1, 2},
        {{"120.00", "150.00", "150.00", "150.00", "100.00"}, -1, 1, 1, 3}};
    for (const auto& c : cases) {
        CSidingWardDoc doc;
        for (const char* current : c.currents)
            AddPricedItem(doc, "100.00", current);
        const valuation::CPerformer worst = valuation::FindWorstPerformer(doc.GetItems());
        EXPECT_EQ(doc.IndexOfItem(worst.item), c.worst);
        EXPECT_EQ(worst.ties, c.worstTies);
        const valuation::CPerformer best = valuation::FindBestPerformer(doc.GetItems());
        EXPECT_EQ(doc.IndexOfItem(best.item), c.best);
        EXPECT_EQ(best.ties, c.bestTies);
    }
}

} // namespace
