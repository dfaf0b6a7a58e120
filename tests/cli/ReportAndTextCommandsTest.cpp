#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "support/TempDir.h"

using nlohmann::ordered_json;

namespace {

// An inventory made through inv-create from item objects given as JSON text.
std::string MakeInventory(const CTempDir& dir, const std::string& name, const std::string& items) {
    const std::string path = dir.Path(name);
    const CliRun run = RunCli({"inv-create", path}, R"({"items": )" + items + "}");
    EXPECT_EQ(run.status, 0) << run.err;
    return path;
}

std::string MakeYard(const CTempDir& dir) {
    const std::string path = dir.Path("Classyrd.mst");
    const CliRun run = RunCli({"yard-create", path}, R"({
        "values": [["Boxcar"],["Lionel"],null,[],[],["O"],[],[],[],[],[],[],[],[]],
        "headings": ["Kind","Maker","No.","Road","Paint","Gauge","Cond","Box","Built","Bought",
                     "Paid","Worth","Era","Shelf"]})");
    EXPECT_EQ(run.status, 0) << run.err;
    return path;
}

ordered_json Json(const CliRun& run) {
    EXPECT_EQ(run.status, 0) << run.err;
    return ordered_json::parse(run.out);
}

TEST(CheckCommand, TellsWhichItemsHoldValuesTheCatalogueLacks) {
    CTempDir dir;
    const std::string inventory = MakeInventory(dir, "a.inv", R"([
        {"bodyClassification": "Boxcar", "manufacturer": "Lionel", "itemNumber": "not checked"},
        {"bodyClassification": "Boxcar", "scale": "HO"},
        {}])");
    const ordered_json json = Json(RunCli({"check", inventory, "--yard", MakeYard(dir)}));
    EXPECT_EQ(json, ordered_json::parse(R"({"items": [true, false, true], "allOk": false})"));
    EXPECT_EQ(RunCli({"check", inventory}).status, 64);
}

TEST(TextCommands, ExportThenImportGivesTheItemsBack) {
    CTempDir dir;
    const std::string inventory = MakeInventory(dir, "a.inv", R"([
        {"bodyClassification": "Boxcar", "manufacturer": "Lionel", "purchasePrice": "5.00",
         "roadName": "Reading", "userDefined2": "Shelf \u00C9"},
        {"bodyClassification": "Caboose", "manufacturer": "Marx", "purchasePrice": "7.00"}])");
    const std::string text = dir.Path("a.txt");
    ASSERT_EQ(
        RunCli({"export", inventory, text, "--names", "--yard", MakeYard(dir), "--delimiter", ";"})
            .status,
        0);
    const std::string bytes = dir.Read("a.txt");
    EXPECT_EQ(bytes.substr(0, bytes.find("\r\n")),
              "Kind;Maker;No.;Road;Paint;Gauge;Cond;Box;Built;Bought;Paid;Worth;Era;Shelf");

    const std::string copy = dir.Path("copy.inv");
    const ordered_json added =
        Json(RunCli({"import", copy, text, "--fields", "0,1", "--delimiter", ";", "--names"}));
    EXPECT_EQ(added["added"], 2);
    // Appending to an existing inventory keeps what it held.
    Json(RunCli({"import", copy, text, "--fields", "0,1", "--delimiter", ";", "--names"}));
    const ordered_json items = Json(RunCli({"inv-dump", copy}))["items"];
    ASSERT_EQ(items.size(), 4u);
    EXPECT_EQ(items[1]["bodyClassification"], "Caboose");
    EXPECT_EQ(items[3]["manufacturer"], "Marx");
    EXPECT_EQ(items[0]["purchasePrice"], "");
}

TEST(TextCommands, FailuresExitWithTheProgramsMessage) {
    CTempDir dir;
    const std::string inventory = MakeInventory(dir, "a.inv", "[]");
    dir.Write("no-end.txt", "Boxcar\tLionel");
    const CliRun noRecord =
        RunCli({"import", inventory, dir.Path("no-end.txt"), "--fields", "0,1"});
    EXPECT_EQ(noRecord.status, 2);
    EXPECT_EQ(noRecord.err.rfind("Unable to detect the end of record indicator!", 0), 0u);
    EXPECT_EQ(Json(RunCli({"inv-dump", inventory}))["items"].size(), 0u);

    const std::vector<std::vector<std::string>> usage = {
        {"import", inventory, dir.Path("no-end.txt")},
        {"import", inventory, dir.Path("no-end.txt"), "--fields", "0,,1"},
        {"import", inventory, dir.Path("no-end.txt"), "--fields", "14"},
        {"export", inventory},
        {"export", inventory, dir.Path("x.txt"), "--delimiter", "\xE4\xB8\xAD"},
    };
    for (const auto& arguments : usage) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        EXPECT_EQ(RunCli(arguments).status, 64);
    }
    const CliRun missing = RunCli({"export", dir.Path("missing.inv"), dir.Path("x.txt")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, dir.Path("missing.inv") + " was not found.\n");
}

// A spreadsheet's CSV: UTF-8 with a mark, numbers where the export wrote money texts.
TEST(TextCommands, ImportReadsUtf8AndCountsTheMoneyTextsItWrote) {
    CTempDir dir;
    dir.Write("sheet.csv", "\xEF\xBB\xBFM\xC3\xA4rklin,125,\"1,250\"\r\n");
    const std::string copy = dir.Path("copy.inv");
    const ordered_json added =
        Json(RunCli({"import", copy, dir.Path("sheet.csv"), "--fields", "1,10,11", "--delimiter",
                     ",", "--quoted", "--encoding", "utf-8"}));
    EXPECT_EQ(added["added"], 1);
    EXPECT_EQ(added["rewritten"], 2);
    const ordered_json item = Json(RunCli({"inv-dump", copy}))["items"][0];
    EXPECT_EQ(item["manufacturer"], "M\u00E4rklin");
    EXPECT_EQ(item["currentValue"], "1250.00");

    ASSERT_EQ(RunCli({"export", copy, dir.Path("out.csv"), "--encoding", "utf-8"}).status, 0);
    EXPECT_EQ(dir.Read("out.csv").substr(0, 9), "\tM\xC3\xA4rklin");
    const CliRun empty = RunCli({"export", copy, dir.Path("e.csv"), "--quoted", "--delimiter", ""});
    EXPECT_EQ(empty.status, 2);
    EXPECT_EQ(RunCli({"export", copy, dir.Path("e.csv"), "--encoding", "latin-1"}).status, 64);
}

TEST(FactsCommand, AnswersForTheInventoryAndForOneItem) {
    CTempDir dir;
    const std::string inventory = MakeInventory(dir, "a.inv", R"([
        {"bodyClassification": "Boxcar", "manufacturer": "Lionel",
         "purchasePrice": "100.00", "currentValue": "150.00"},
        {"bodyClassification": "Caboose", "manufacturer": "Marx",
         "purchasePrice": "40.00", "currentValue": "0.00"},
        {"bodyClassification": "Hopper", "manufacturer": "Atlas",
         "purchasePrice": "10.00", "currentValue": "-30.00"}])");
    const ordered_json facts = Json(RunCli({"facts", inventory}));
    EXPECT_EQ(facts["itemCount"], 3);
    EXPECT_EQ(facts["totalExpenditures"], "150.00");
    EXPECT_EQ(facts["totalAssetValue"], "120.00");
    EXPECT_EQ(facts["dollarGainLoss"], "-30.00");
    EXPECT_EQ(facts["percentGainLoss"], "-0.20");
    EXPECT_EQ(facts["worst"], ordered_json::parse(R"({"item": 1, "ties": 2})"));
    EXPECT_EQ(facts["best"]["item"], 0);
    EXPECT_EQ(facts["reports"]["worst"]["text"],
              "The Worst Performer\n\nCaboose\nMarx\n\nLoss of: $-40.00\n\n"
              "There are 1 additional item(s) with the same loss amount.");
    EXPECT_EQ(facts["reports"]["inventoryDollar"]["sound"], "GAUGEWST.WAV");

    const ordered_json item = Json(RunCli({"facts", inventory, "--item", "0"}));
    EXPECT_EQ(item["percentGainLoss"], "0.50");
    EXPECT_EQ(item["reports"]["itemPercent"]["text"],
              "Percent Gain or Loss\n\nBoxcar\nLionel\n\nGain of: %0.50");
    EXPECT_EQ(item["reports"]["itemPercent"]["sound"], nullptr);

    EXPECT_EQ(RunCli({"facts", inventory, "--item", "3"}).status, 64);
    const ordered_json empty = Json(RunCli({"facts", MakeInventory(dir, "e.inv", "[]")}));
    EXPECT_EQ(empty["worst"]["item"], nullptr);
    EXPECT_EQ(empty["percentGainLoss"], "Cannot calculate! Purchase Price is zero");
}

TEST(BreakdownCommand, RowsInTheOrderTheDialogOpensWith) {
    CTempDir dir;
    const std::string inventory = MakeInventory(dir, "a.inv", R"([
        {"manufacturer": "Marx", "purchaseDate": "1999", "purchasePrice": "5.00"},
        {"manufacturer": "Atlas", "purchaseDate": "1990", "purchasePrice": "7.00"},
        {"manufacturer": "Marx", "purchaseDate": "12345", "purchasePrice": "1.00"}])");
    const ordered_json years =
        Json(RunCli({"breakdown", inventory, "--kind", "expenditures", "--by", "year"}));
    ASSERT_EQ(years["rows"].size(), 3u);
    EXPECT_EQ(years["rows"][0]["key"], "1990");
    EXPECT_EQ(years["rows"][1]["value"], "5.00");
    EXPECT_EQ(years["rows"][2]["key"], "Other years");

    const ordered_json makers = Json(
        RunCli({"breakdown", inventory, "--kind", "count", "--by", "1", "--yard", MakeYard(dir)}));
    EXPECT_EQ(makers["columns"][0], "Maker");
    ASSERT_EQ(makers["rows"].size(), 2u);
    EXPECT_EQ(makers["rows"][0]["key"], "Marx");
    EXPECT_EQ(makers["rows"][0]["value"], "2");

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"breakdown", inventory, "--kind", "profit", "--by", "year"},
             {"breakdown", inventory, "--kind", "asset", "--by", "14"},
             {"breakdown", inventory, "--kind", "asset"}}) {
        SCOPED_TRACE(::testing::PrintToString(arguments));
        EXPECT_EQ(RunCli(arguments).status, 64);
    }
}

} // namespace

namespace {

TEST(ManufacturerFileDump, ListsManufacturersInFirstSeenOrderAndTheSkippedRecords) {
    CTempDir dir;
    dir.Write("ExtMFile.mst", "Lionel|671|Locomotive \xF1 Steam|Pennsylvania|As Delivered|O\r\n"
                              "Atlas|20003|Caboose|Conrail|As Delivered|N\r\n"
                              "broken|x\r\n"
                              "Lionel|2332|Locomotive|Pennsylvania|Tuscan|O\r\n");
    const ordered_json json = Json(RunCli({"mfile-dump", dir.Path("ExtMFile.mst")}));
    ASSERT_EQ(json["manufacturers"].size(), 2u);
    EXPECT_EQ(json["manufacturers"][0]["name"], "Lionel");
    EXPECT_EQ(json["manufacturers"][0]["products"].size(), 2u);
    EXPECT_EQ(json["manufacturers"][0]["products"][0]["bodyClassification"], "Locomotive - Steam");
    EXPECT_EQ(json["manufacturers"][1]["products"][0]["scale"], "N");
    EXPECT_EQ(json["incomplete"], ordered_json::parse(R"(["broken|x"])"));

    const CliRun missing = RunCli({"mfile-dump", dir.Path("none.mst")});
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "A file error has been detected!\nThe external manufacturer file cannot "
                           "be loaded.\n" +
                               dir.Path("none.mst") + " was not found.\n");
}

} // namespace

namespace {

TEST(ReportCommand, GivesThePrintedLinesOfTheChosenColumns) {
    CTempDir dir;
    const std::string inventory = MakeInventory(dir, "a.inv", R"([
        {"bodyClassification": "Box Car", "manufacturer": "Lionel", "scale": "O"},
        {"bodyClassification": "Caboose", "manufacturer": "Atlas", "scale": "HO"}])");
    const ordered_json report =
        Json(RunCli({"--today", "2026-12-08", "report", inventory, "--columns", "5,0"}));
    EXPECT_EQ(report["title"],
              "Date: December 8, 2026      The Gaugewright Inventory Report           Page: 1");
    EXPECT_EQ(report["heading"], "Body.Classification.\tScale.\t");
    EXPECT_EQ(report["lines"], ordered_json::array({"Box.Car.............\tO.....\t",
                                                    "Caboose.............\tHO....\t"}));
    // Every column by default.
    EXPECT_EQ(Json(RunCli({"report", inventory}))["heading"].get<std::string>().substr(0, 21),
              "Body.Classification.\t");

    for (const std::string columns : {"", "0,0", "14", "1;2", " 1", "+1", "1 ", "-0"}) {
        SCOPED_TRACE(columns);
        EXPECT_EQ(RunCli({"report", inventory, "--columns", columns}).status, 64);
    }
}

} // namespace
