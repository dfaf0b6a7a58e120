#include "model/app/TipsFile.h"

#include <filesystem>
#include <optional>
#include <regex>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

using Tips = std::vector<std::optional<std::string>>;

Tips ReadTips(CTipsFile& tips, std::size_t count) {
    Tips read;
    while (read.size() < count)
        read.push_back(tips.ReadNextTip());
    return read;
}

const std::string kThreeTips = "; Tips of the day\nFirst tip\n\n  an indented line\n"
                               "\tand a tabbed one\nSecond tip\r\n;Third is next\nThird tip";

TEST(TipsFileTest, TipsComeInFileOrderAndWrapAround) {
    CTipsFile tips;
    tips.Assign(kThreeTips);
    EXPECT_EQ(ReadTips(tips, 4), (Tips{"First tip\n", "Second tip\n", "Third tip", "First tip\n"}));
}

TEST(TipsFileTest, PositionsCanBeStoredAndRestored) {
    CTipsFile tips;
    tips.Assign(kThreeTips);
    tips.ReadNextTip();
    const std::int64_t afterFirst = tips.GetPosition();
    tips.ReadNextTip();
    // CR LF reads as one line feed, but the position counts both bytes.
    EXPECT_EQ(tips.GetPosition(), static_cast<std::int64_t>(kThreeTips.find(";Third")));

    CTipsFile again;
    again.Assign(kThreeTips);
    ASSERT_TRUE(again.Seek(afterFirst));
    EXPECT_EQ(again.ReadNextTip(), "Second tip\n");
    // Past the end is no error: reading wraps to the first tip.
    ASSERT_TRUE(again.Seek(1'000'000));
    EXPECT_EQ(again.ReadNextTip(), "First tip\n");
    const std::int64_t before = again.GetPosition();
    EXPECT_FALSE(again.Seek(-1));
    EXPECT_EQ(again.GetPosition(), before);
}

TEST(TipsFileTest, LinesAreReadAThousandCharactersAtATime) {
    const std::string a1000(1000, 'a');
    const std::pair<std::size_t, Tips> cases[] = {
        {999, {std::string(999, 'a') + "\n", "Next\n"}},
        // The line feed is left for the next read: an empty line.
        {1000, {a1000, "Next\n"}},
        {1500, {a1000, std::string(500, 'a') + "\n", "Next\n"}},
    };
    for (const auto& [length, expected] : cases) {
        CTipsFile tips;
        tips.Assign(std::string(length, 'a') + "\nNext\n");
        EXPECT_EQ(ReadTips(tips, expected.size()), expected) << length;
    }
}

TEST(TipsFileTest, NoFileOrNoTipsGivesNone) {
    for (const std::string& bytes : {std::string(), std::string("; only\n\n  comments\n\t\r\n")}) {
        CTipsFile tips;
        tips.Assign(bytes);
        EXPECT_EQ(tips.ReadNextTip(), std::nullopt);
    }
    CTempDir dir;
    CTipsFile missing;
    const FileResult result = missing.Open(dir.Path("gaugetip.mst"));
    EXPECT_EQ(result.message, dir.Path("gaugetip.mst") + " was not found.");
    EXPECT_FALSE(missing.IsOpen());
    EXPECT_FALSE(missing.Seek(0));
    EXPECT_EQ(missing.ReadNextTip(), std::nullopt);
}

TEST(TipsFileTest, ReplacedFileStartsAtTheFirstTip) {
    CTempDir dir;
    dir.Write("gaugetip.mst", kThreeTips);
    CTipsFile tips;
    ASSERT_TRUE(tips.Open(dir.Path("gaugetip.mst")).Succeeded());
    const std::string stamp = tips.GetTimeStamp();
    EXPECT_TRUE(std::regex_match(
        stamp, std::regex(R"([A-Z][a-z]{2} [A-Z][a-z]{2} \d\d \d\d:\d\d:\d\d \d{4})")))
        << stamp;
    if (tips.GetTimeStampKind() == FileTimeKind::Modification) {
        const std::time_t seconds =
            std::chrono::system_clock::to_time_t(std::chrono::file_clock::to_sys(
                std::filesystem::last_write_time(dir.Path("gaugetip.mst"))));
        EXPECT_EQ(stamp, filetimes::FormatTimeStamp(*std::localtime(&seconds)));
    }
    const auto second = static_cast<std::int64_t>(kThreeTips.find("Second"));
    ASSERT_TRUE(tips.Resume(stamp, second));
    EXPECT_EQ(tips.ReadNextTip(), "Second tip\n");
    ASSERT_TRUE(tips.Resume("Thu Jan 01 00:00:00 1970", second));
    EXPECT_EQ(tips.ReadNextTip(), "First tip\n");
}

TEST(TipsFileTest, TimeStampHasTheTwentyFourCharacterForm) {
    std::tm time{};
    time.tm_year = 80;
    time.tm_mday = 2;
    time.tm_wday = 3;
    time.tm_hour = 2;
    time.tm_min = 3;
    time.tm_sec = 55;
    EXPECT_EQ(filetimes::FormatTimeStamp(time), "Wed Jan 02 02:03:55 1980");
}

} // namespace
