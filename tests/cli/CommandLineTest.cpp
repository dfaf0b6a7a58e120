#include <cstdint>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "model/framework/ProgramVersion.h"
#include "support/AllocationProbe.h"

#ifdef __unix__
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

void WriteBytes(const fs::path& path, const std::string& bytes) {
    std::ofstream file(path, std::ios::binary);
    file << bytes;
}

// Hand-built archive primitives for files the program did not write itself.
std::string Str(const std::string& text) {
    return std::string(1, static_cast<char>(text.size())) + text;
}
std::string Word(unsigned value) {
    return {static_cast<char>(value & 0xFF), static_cast<char>((value >> 8) & 0xFF)};
}

// An item block of the given version whose sixteen texts are "t0".."t15" in file order.
std::string ItemBlock(unsigned version) {
    std::string block;
    for (int k = 0; k < 16; ++k)
        block += Str("t" + std::to_string(k));
    if (version >= 211 && version <= 213)
        block += Str("note") + Word(12) + Word(25) + Word(1999);
    if (version == 213)
        block += Str("/pics/a b.png");
    return block;
}

std::string InventoryFile(unsigned version, const std::string& signature = "GAUGEWRIGHT") {
    std::string file =
        Str(signature) + Word(version) + Word(2) + ItemBlock(version) + ItemBlock(version);
    if (version == 212 || version == 213)
        file += Word(2) + Str("Mint") + Str("\xE9t\xE9");
    return file;
}

class CommandLineTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_dir = fs::temp_directory_path() /
                ("gaugewright-cli-test-" +
                 std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(m_dir);
        fs::create_directories(m_dir);
    }
    void TearDown() override { fs::remove_all(m_dir); }
    std::string PathOf(const std::string& name) const { return (m_dir / name).string(); }

    fs::path m_dir;
};

TEST_F(CommandLineTest, DumpReadsEveryLayoutAndCreateWritesVersion213) {
    for (const unsigned version : {210u, 211u, 212u, 213u, 300u}) {
        SCOPED_TRACE(version);
        const std::string original = PathOf("in.inv");
        WriteBytes(original, InventoryFile(version));
        const CliRun dump = RunCli({"inv-dump", original});
        ASSERT_EQ(dump.status, 0) << dump.err;
        const ordered_json json = ordered_json::parse(dump.out);
        EXPECT_EQ(json["signature"], "GAUGEWRIGHT");
        EXPECT_EQ(json["version"], version);
        ASSERT_EQ(json["items"].size(), 2u);
        const ordered_json& item = json["items"][0];
        // File order: Manufacturer, RoadName, Scale, Body, Date Built, Reserved 2, ...
        EXPECT_EQ(item["manufacturer"], "t0");
        EXPECT_EQ(item["bodyClassification"], "t3");
        EXPECT_EQ(item["reserved2"], "t5");
        EXPECT_EQ(item["reserved1"], "t9");
        EXPECT_EQ(item["originalBox"], "t15");
        const bool hasDate = version >= 211 && version <= 213;
        EXPECT_EQ(item["comments"], hasDate ? "note" : "");
        EXPECT_EQ(item["entryYear"], hasDate ? 1999 : 1962);
        EXPECT_EQ(item["picture"], version == 213 ? "/pics/a b.png" : "");
        const bool hasHistory = version == 212 || version == 213;
        EXPECT_EQ(json["searchHistory"].size(), hasHistory ? 2u : 0u);
        if (hasHistory) {
            EXPECT_EQ(json["searchHistory"][1], "\u00E9t\u00E9");
        }

        const std::string copy = PathOf("copy.inv");
        const CliRun create = RunCli({"inv-create", copy}, dump.out);
        ASSERT_EQ(create.status, 0) << create.err;
        if (version == 213) {
            EXPECT_EQ(ReadBytes(copy), InventoryFile(213));
        }
        const CliRun again = RunCli({"inv-dump", copy});
        ordered_json expected = json;
        expected["version"] = 213;
        EXPECT_EQ(ordered_json::parse(again.out), expected);
    }
}

TEST_F(CommandLineTest, EveryByteRoundTripsThroughJson) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte)
        all += static_cast<char>(byte);
    std::string file = Str("GAUGEWRIGHT") + Word(213) + Word(1);
    for (int k = 0; k < 17; ++k)
        file += (k == 6 ? std::string("\xFF") + Word(static_cast<unsigned>(all.size())) + all
                        : Str(""));
    file += Word(3) + Word(1) + Word(1962) + Str("") + Word(0);
    const std::string original = PathOf("bytes.inv");
    WriteBytes(original, file);
    const CliRun dump = RunCli({"inv-dump", original});
    ASSERT_EQ(dump.status, 0) << dump.err;
    EXPECT_EQ(ordered_json::parse(dump.out)["items"][0]["purchasePrice"].get<std::string>().substr(
                  126, 6),
              "\x7F\xE2\x82\xAC\xC2\x81");
    const std::string copy = PathOf("copy.inv");
    ASSERT_EQ(RunCli({"inv-create", copy}, dump.out).status, 0);
    EXPECT_EQ(ReadBytes(copy), file);
}

TEST_F(CommandLineTest, CreateFillsDefaultsAndSortSavesTheNewOrder) {
    const std::string path = PathOf("made.inv");
    const std::string input = R"({"items": [
        {"roadName": "Reading", "purchasePrice": "125.00"},
        {"roadName": "alton", "purchasePrice": "5.00"},
        {"roadName": "Burlington", "purchasePrice": "25.00"}]})";
    ASSERT_EQ(RunCli({"inv-create", path}, input).status, 0);
    ordered_json json = ordered_json::parse(RunCli({"inv-dump", path}).out);
    EXPECT_EQ(json["items"][0]["entryMonth"], 3);
    EXPECT_EQ(json["items"][0]["entryDay"], 1);
    EXPECT_EQ(json["items"][0]["comments"], "");

    ASSERT_EQ(RunCli({"inv-sort", path, "--by", "3"}).status, 0);
    json = ordered_json::parse(RunCli({"inv-dump", path}).out);
    EXPECT_EQ(json["items"][0]["roadName"], "alton");
    EXPECT_EQ(json["items"][1]["roadName"], "Burlington");
    ASSERT_EQ(RunCli({"--by", "10", "inv-sort", path}).status,
              64); // --by belongs after the command
    ASSERT_EQ(RunCli({"inv-sort", "--by", "10", path}).status, 0);
    json = ordered_json::parse(RunCli({"inv-dump", path}).out);
    EXPECT_EQ(json["items"][0]["purchasePrice"], "5.00");
    EXPECT_EQ(json["items"][2]["purchasePrice"], "125.00");
}

TEST_F(CommandLineTest, FileProblemsExitWithTheProgramsMessage) {
    const std::string foreign = PathOf("foreign.inv");
    WriteBytes(foreign, InventoryFile(213, "gaugewright"));
    const std::string truncated = PathOf("short.inv");
    WriteBytes(truncated, InventoryFile(213).substr(0, 40));
    const std::string empty = PathOf("empty.inv");
    WriteBytes(empty, "");

    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"inv-dump", foreign}, "The selected file is not a Gaugewright file!"},
        {{"inv-sort", foreign, "--by", "1"}, "The selected file is not a Gaugewright file!"},
        {{"inv-dump", truncated}, "Unexpected file format."},
        {{"inv-dump", PathOf("missing.inv")}, PathOf("missing.inv") + " was not found."},
        {{"yard-dump", foreign}, "The selected file is not a Gaugewright file!"},
        {{"inv-create", PathOf("no/such/dir/x.inv")},
         PathOf("no/such/dir/x.inv") + " was not found."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[0] + " " + c.arguments[1]);
        const CliRun run = RunCli(c.arguments, "{}");
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, c.message + "\n");
    }
    // A foreign file is never overwritten by a command that saves.
    EXPECT_EQ(ReadBytes(foreign), InventoryFile(213, "gaugewright"));

    const CliRun dump = RunCli({"inv-dump", empty});
    ASSERT_EQ(dump.status, 0);
    EXPECT_EQ(ordered_json::parse(dump.out),
              ordered_json::parse(R"({"signature":"","version":0,"items":[],"searchHistory":[]})"));
}

#ifdef __unix__
TEST_F(CommandLineTest, PipesDevicesAndReadOnlyFilesExit2) {
    // A named pipe without a writer must not hold the command; a device without
    // end must not be read until memory runs out.
    const std::string pipe = PathOf("pipe.inv");
    ASSERT_EQ(mkfifo(pipe.c_str(), 0600), 0);
    const std::string locked = PathOf("locked.inv");
    WriteBytes(locked, InventoryFile(213));
    fs::permissions(locked, fs::perms::owner_read | fs::perms::group_read);
    // An output that is the file being read, under another name.
    const std::string kept = PathOf("kept.inv");
    WriteBytes(kept, InventoryFile(213));
    const std::string alias = PathOf("alias.inv");
    fs::create_symlink(kept, alias);

    struct Case {
        std::vector<std::string> arguments;
        std::string message;
    };
    const Case cases[] = {
        {{"inv-dump", pipe}, pipe + " is not a regular file."},
        {{"inv-dump", "/dev/zero"}, "/dev/zero is not a regular file."},
        {{"yard-dump", pipe}, pipe + " is not a regular file."},
        {{"mfile-dump", "/dev/zero"},
         "A file error has been detected!\nThe external manufacturer file cannot be loaded.\n"
         "/dev/zero is not a regular file."},
        {{"import", PathOf("new.inv"), pipe, "--fields", "0"},
         "A file error has been detected!\nThe import file cannot be loaded.\n" + pipe +
             " is not a regular file."},
        {{"inv-sort", locked, "--by", "1"}, "Access to " + locked + " was denied."},
        {{"export", kept, pipe}, pipe + " is not a regular file."},
        {{"export", kept, alias},
         alias + " is the same file as " + kept + "; the output must go to another file."},
        {{"import", alias, kept, "--fields", "0"},
         alias + " is the same file as " + kept + "; the output must go to another file."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.arguments[0] + " " + c.arguments[1]);
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.err, c.message + "\n");
    }
    EXPECT_EQ(ReadBytes(locked), InventoryFile(213));
    EXPECT_EQ(ReadBytes(kept), InventoryFile(213));
    EXPECT_TRUE(fs::is_fifo(pipe));
    EXPECT_EQ(fs::status(locked).permissions(), fs::perms::owner_read | fs::perms::group_read);
    EXPECT_FALSE(fs::exists(PathOf("new.inv")));
}
#endif

// Output that a full disk or a closed pipe refused.
class CLostOutput : public std::streambuf {
protected:
    int_type overflow(int_type) override { return traits_type::eof(); }
};

TEST_F(CommandLineTest, LostOutputExits2) {
    const std::string inventory = PathOf("a.inv");
    WriteBytes(inventory, InventoryFile(213));
    const std::vector<std::vector<std::string>> commands = {
        {"--version"},
        {"inv-dump", inventory},
        {"report", inventory},
        {"breakdown", inventory, "--kind", "count", "--by", "year"},
    };
    for (const auto& arguments : commands) {
        SCOPED_TRACE(arguments[0]);
        CLostOutput lost;
        std::ostream out(&lost);
        std::istringstream in;
        std::ostringstream err;
        EXPECT_EQ(RunCommandLine(arguments, in, out, err), 2);
        EXPECT_EQ(err.str(), "gaugewright-cli: standard output could not be written\n");
    }
}

TEST_F(CommandLineTest, RunningOutOfMemoryExits2) {
    std::string file = Str("GAUGEWRIGHT") + Word(213) + Word(2000);
    for (int k = 0; k < 2000; ++k)
        file += ItemBlock(213);
    file += Word(0);
    const std::string path = PathOf("large.inv");
    WriteBytes(path, file);
    ASSERT_EQ(RunCli({"inv-dump", path}).status, 0);

    CliRun run;
    {
        // Room to read the file, not to build its JSON.
        const CAllocationProbe probe(2 * file.size());
        run = RunCli({"inv-dump", path});
    }
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "gaugewright-cli: not enough memory to finish \"inv-dump\"\n");
    EXPECT_EQ(run.out, "");
}

TEST_F(CommandLineTest, UsageErrorsExit64) {
    const std::string out = PathOf("x.inv");
    const std::vector<std::pair<std::vector<std::string>, std::string>> cases = {
        {{}, ""},
        {{"no-such-command"}, ""},
        {{"inv-dump"}, ""},
        {{"inv-dump", "a", "b"}, ""},
        {{"inv-sort", out, "--by", "14"}, ""},
        {{"inv-sort", out, "--by", "x"}, ""},
        {{"inv-sort", out}, ""},
        {{"--today", "2026-02-30", "yard-dump", out}, ""},
        {{"yard-dump", out, "--today"}, ""},
        {{"inv-create", out}, "{not json"},
        {{"inv-create", out}, "[]"},
        {{"inv-create", out}, R"({"items": [{"roadname": "typo"}]})"},
        {{"inv-create", out}, R"({"items": [{"entryYear": "1999"}]})"},
        {{"inv-create", out}, R"({"items": [{"scale": "\u4E2D"}]})"},
        {{"yard-create", out},
         R"({"values": [[],[],["item numbers have no list"],[],[],[],[],[],[],[],[],[],[],[]]})"},
        {{"yard-create", out}, R"({"headings": ["too few"]})"},
        {{"yard-create", out}, R"({"useWizard": "yes"})"},
    };
    for (const auto& [arguments, input] : cases) {
        SCOPED_TRACE(::testing::PrintToString(arguments) + " " + input);
        const CliRun run = RunCli(arguments, input);
        EXPECT_EQ(run.status, 64);
        EXPECT_FALSE(run.err.empty());
    }
    EXPECT_FALSE(fs::exists(out));
}

TEST_F(CommandLineTest, YardRoundTripAndYearExtensionFollowTheClock) {
    ordered_json input = ordered_json::parse(R"({
        "values": [["Boxcar","Caboose"],["Lionel"],null,["Reading"],["Tuscan"],["O"],["Mint"],
                   ["Yes"],["1999","1998"],["1999","1998","1997"],["0.00","1.00"],["2.00"],[],["x"]],
        "headings": ["Body","Maker","Number","Road","Paint","Scale","Cond","Box","Built",
                     "Bought","Paid","Worth","User 1","User \u00C9"],
        "useManufacturerFile": false, "useWizard": true})");
    const std::string path = PathOf("Classyrd.mst");
    ASSERT_EQ(RunCli({"yard-create", path}, input.dump()).status, 0);

    const CliRun same = RunCli({"--today", "1999-06-01", "yard-dump", path});
    ASSERT_EQ(same.status, 0) << same.err;
    ordered_json json = ordered_json::parse(same.out);
    EXPECT_EQ(json["signature"], "GAUGEWRIGHT");
    EXPECT_EQ(json["version"], 214);
    EXPECT_EQ(json["values"], input["values"]);
    EXPECT_EQ(json["headings"], input["headings"]);
    EXPECT_EQ(json["useManufacturerFile"], false);
    EXPECT_EQ(json["yearListsExtended"], false);

    json = ordered_json::parse(RunCli({"yard-dump", "--today", "2001-01-01", path}).out);
    EXPECT_EQ(json["values"][8], ordered_json::parse(R"(["2001","2000","1999","1998"])"));
    EXPECT_EQ(json["values"][9], ordered_json::parse(R"(["2001","2000","1999","1998","1997"])"));
    EXPECT_EQ(json["yearListsExtended"], true);

    // Dumping never writes: the file still holds the lists as they were.
    json = ordered_json::parse(RunCli({"--today", "1999-06-01", "yard-dump", path}).out);
    EXPECT_EQ(json["values"][8], input["values"][8]);

    // Create from a dump gives the same bytes back.
    const std::string copy = PathOf("copy.mst");
    ASSERT_EQ(RunCli({"yard-create", copy}, same.out).status, 0);
    EXPECT_EQ(ReadBytes(copy), ReadBytes(path));
}

TEST(BundledData, SampleFilesAreTheOnesTheirJsonSourcesMake) {
    const fs::path data = GAUGEWRIGHT_DATA_DIR;
    const fs::path dir = fs::temp_directory_path() / "gaugewright-cli-bundled";
    fs::create_directories(dir);
    struct Case {
        const char* verb;
        const char* source;
        const char* file;
    };
    for (const Case c : {Case{"inv-create", "Sample.inv.json", "Sample.inv"},
                         Case{"yard-create", "Classyrd.mst.json", "Classyrd.mst"}}) {
        SCOPED_TRACE(c.file);
        std::ifstream source(data / c.source);
        const std::string json{std::istreambuf_iterator<char>(source),
                               std::istreambuf_iterator<char>()};
        const fs::path made = dir / c.file;
        const CliRun run = RunCli({c.verb, made.string()}, json);
        ASSERT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(ReadBytes(made.string()), ReadBytes((data / c.file).string()))
            << "regenerate with: gaugewright-cli " << c.verb << " data/" << c.file << " < data/"
            << c.source;
    }
    fs::remove_all(dir);
}

} // namespace

namespace {

// Both programs tell the release that CMakeLists.txt gives the project.
TEST(CommandLineVersion, IsTheProjectsRelease) {
    const CliRun run = RunCli({"--version"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string("gaugewright-cli ") + kProgramVersion + "\n");
    EXPECT_STREQ(kProgramVersion, "2.13");
}

} // namespace
