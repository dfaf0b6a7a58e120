#include "model/core/ValueHistory.h"

#include <algorithm>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/core/InventoryElement.h"

namespace {

using valuehistory::Entry;
using valuehistory::Kind;

TEST(ValueHistory, EntriesRoundTripThroughTheirText) {
    std::string everyByte;
    for (int byte = 0; byte < 256; ++byte)
        everyByte += static_cast<char>(byte);
    const std::vector<std::pair<std::vector<Entry>, std::string>> cases = {
        {{}, ""},
        {{{{1962, 3, 1}, "25.00", ""}}, "GWVH1;1962-03-01=25.00"},
        {{{{2024, 2, 29}, "", ""}, {{2024, 2, 29}, "1,250.00", "appraised"}},
         "GWVH1;2024-02-29=;2024-02-29=1,250.00|appraised"},
        {{{{2020, 1, 5}, "a;b|c%d", "x=y;\r\n|z"}},
         "GWVH1;2020-01-05=a%3Bb%7Cc%25d|x=y%3B%0D%0A%7Cz"},
        {{{{2020, 1, 5}, everyByte, everyByte}}, ""},
    };
    for (const auto& [entries, text] : cases) {
        const auto formatted = valuehistory::Format(entries);
        ASSERT_TRUE(formatted);
        if (!text.empty() || entries.empty()) {
            EXPECT_EQ(*formatted, text);
        }
        const auto parsed = valuehistory::Parse(*formatted);
        EXPECT_EQ(parsed.kind, entries.empty() ? Kind::None : Kind::History) << *formatted;
        EXPECT_EQ(parsed.entries, entries) << *formatted;
    }
}

TEST(ValueHistory, AnyOtherTextIsForeignAndLeftAlone) {
    const char* const texts[] = {
        "my own notes",
        "GWVH2;2020-01-05=25.00",          // a later version
        "GWVH1 2020-01-05=25.00",          // no separator
        "GWVH1;2020-02-30=25.00",          // not a real day
        "GWVH1;2020-1-05=25.00",           // short date
        "GWVH1;2020-01-05",                // no value
        "GWVH1;2020-01-05=25.00|",         // empty note written out
        "GWVH1;2020-01-05=25%2",           // cut escape
        "GWVH1;2020-01-05=25%41",          // escape of a plain byte
        "GWVH1;2020-01-05=a\nb",           // raw control byte
        "GWVH1;2020-01-05=1|a|b",          // two notes
        "GWVH1;2021-01-05=1;2020-01-05=2", // dates going back
        "GWVH1;",
    };
    for (const char* text : texts) {
        EXPECT_EQ(valuehistory::Parse(text).kind, Kind::Foreign) << text;
        CInventoryElement before;
        before.SetCurrentValue("10.00");
        before.SetReservedText1(text);
        CInventoryElement values = before;
        values.SetCurrentValue("20.00");
        EXPECT_EQ(valuehistory::Record(values, before, {2025, 6, 1}),
                  valuehistory::Outcome::NotKept)
            << text;
        EXPECT_EQ(values.GetReservedText1(), text);
    }
}

TEST(ValueHistory, TooLongAHistoryDropsItsOldestEntries) {
    const std::string note(1000, 'n');
    std::vector<Entry> entries;
    for (int day = 1; day <= 28; ++day) {
        for (int month = 1; month <= 12; ++month)
            entries.push_back({{2000, month, day}, std::to_string(month * 100 + day), note});
    }
    std::sort(entries.begin(), entries.end(),
              [](const Entry& a, const Entry& b) { return valuehistory::Before(a.date, b.date); });
    const auto text = valuehistory::Format(entries);
    ASSERT_TRUE(text);
    EXPECT_LE(text->size(), valuehistory::kMaxText);
    const auto kept = valuehistory::Parse(*text).entries;
    ASSERT_FALSE(kept.empty());
    EXPECT_EQ(kept.back(), entries.back());
    EXPECT_EQ(kept.front(), entries[entries.size() - kept.size()]);
    EXPECT_FALSE(valuehistory::Format({{{2000, 1, 1}, std::string(70000, 'v'), ""}}));
}

} // namespace
