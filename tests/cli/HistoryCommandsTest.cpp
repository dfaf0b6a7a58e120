#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "support/TempDir.h"

using nlohmann::ordered_json;

namespace {

// Item 0 entered 2020-01-10 at 100.00, item 1 2021-06-01 at 50.00, and item 2
// keeps text of its own in Reserved Text 1.
constexpr const char* kInventory = R"({"items":[
  {"currentValue":"100.00","entryMonth":1,"entryDay":10,"entryYear":2020},
  {"currentValue":"50.00","entryMonth":6,"entryDay":1,"entryYear":2021},
  {"currentValue":"7.00","reserved1":"mine","entryMonth":6,"entryDay":1,"entryYear":2021}]})";

class HistoryCommandsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(RunCli({"inv-create", m_file}, kInventory).status, 0); }
    CliRun Value(std::vector<std::string> arguments) {
        arguments.insert(arguments.begin(), {"--today", "2024-03-05", "value", m_file});
        return RunCli(arguments);
    }

    CTempDir m_dir;
    std::string m_file = m_dir.Path("stock.inv");
};

TEST_F(HistoryCommandsTest, ValuationsMakeHistoriesAndTheTotalOverTime) {
    ASSERT_EQ(Value({"--item", "0", "--value", "120.00"}).status, 0);
    ASSERT_EQ(Value({"--item", "0", "--value", "90.00", "--date", "2022-02-02", "--note",
                     "Auction; \"lot\" 7|a"})
                  .status,
              0);
    ASSERT_EQ(Value({"--item", "1", "--value", "50.00"}).status, 0); // the same: no entry
    const CliRun other = Value({"--item", "2", "--value", "8.00"});
    EXPECT_EQ(other.status, 0);
    EXPECT_NE(other.err.find("no history could be kept"), std::string::npos) << other.err;

    const CliRun history = RunCli({"history", m_file});
    ASSERT_EQ(history.status, 0) << history.err;
    EXPECT_EQ(ordered_json::parse(history.out), ordered_json::parse(R"({
      "total":[{"date":"2020-01-10","value":"100.00"},{"date":"2021-06-01","value":"158.00"},
               {"date":"2022-02-02","value":"148.00"},{"date":"2024-03-05","value":"178.00"}],
      "items":[{"index":0,"history":[
        {"date":"2020-01-10","value":"100.00","note":""},
        {"date":"2022-02-02","value":"90.00","note":"Auction; \"lot\" 7|a"},
        {"date":"2024-03-05","value":"120.00","note":""}]}]})"));
    const CliRun one = RunCli({"history", m_file, "--item", "1"});
    ASSERT_EQ(one.status, 0);
    EXPECT_EQ(ordered_json::parse(one.out)["items"], ordered_json::array());

    const CliRun dump = RunCli({"inv-dump", m_file});
    const ordered_json items = ordered_json::parse(dump.out)["items"];
    EXPECT_EQ(items[0]["currentValue"], "120.00");
    EXPECT_EQ(items[2]["currentValue"], "8.00");
    EXPECT_EQ(items[2]["reserved1"], "mine");
}

TEST_F(HistoryCommandsTest, BadCallsAndFileProblemsEndWithTheirStatus) {
    const std::string before = ReadBytes(m_file);
    const std::vector<std::pair<std::vector<std::string>, int>> cases = {
        {{"value", m_file, "--value", "1.00"}, 64},
        {{"value", m_file, "--item", "0"}, 64},
        {{"value", m_file, "--item", "3", "--value", "1.00"}, 64},
        {{"value", m_file, "--item", "0", "--value", "1.00", "--date", "2024-02-30"}, 64},
        {{"value", m_dir.Path("none.inv"), "--item", "0", "--value", "1.00"}, 2},
        {{"history", m_file, "--item", "x"}, 64},
        {{"history", m_file, "extra"}, 64},
        {{"history", m_dir.Path("none.inv")}, 2},
    };
    for (const auto& [arguments, status] : cases) {
        const CliRun run = RunCli(arguments);
        EXPECT_EQ(run.status, status) << arguments[0] << ' ' << arguments.back();
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_EQ(ReadBytes(m_file), before);
}

} // namespace
