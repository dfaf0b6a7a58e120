#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "cli/CliRunner.h"
#include "support/TempDir.h"

namespace fs = std::filesystem;
using nlohmann::ordered_json;

namespace {

TEST(ArchiveCommands, UnarchivedInventoryNamesTheUnpackedPictures) {
    const CTempDir dir;
    dir.Write("loco.jpg", "picture");
    dir.Write("Classyrd.mst", "catalogue");
    const std::string inventory = dir.Path("in.inv");
    const std::string json = R"({"items": [{"roadName": "A", "picture": ")" + dir.Path("loco.jpg") +
                             R"("}, {"roadName": "B", "picture": ")" + dir.Path("gone.jpg") +
                             R"("}]})";
    ASSERT_EQ(RunCli({"inv-create", inventory}, json).status, 0);

    const CliRun archive =
        RunCli({"archive", inventory, dir.Path("a.gwz"), "--yard", dir.Path("Classyrd.mst")});
    ASSERT_EQ(archive.status, 0) << archive.err;
    EXPECT_EQ(ordered_json::parse(archive.out)["missingPictures"],
              ordered_json::array({dir.Path("gone.jpg")}));

    const CliRun unarchive = RunCli({"unarchive", dir.Path("a.gwz"), dir.Path("out")});
    ASSERT_EQ(unarchive.status, 0) << unarchive.err;
    EXPECT_EQ(ordered_json::parse(unarchive.out),
              ordered_json({{"inventory", dir.Path("out/inventory.inv")},
                            {"catalogue", dir.Path("out/Classyrd.mst")}}));
    const ordered_json dump =
        ordered_json::parse(RunCli({"inv-dump", dir.Path("out/inventory.inv")}).out);
    EXPECT_EQ(dump["items"][0]["picture"], dir.Path("out/pictures/1-loco.jpg"));
    EXPECT_EQ(dump["items"][1]["picture"], dir.Path("gone.jpg"));
    EXPECT_EQ(dir.Read("out/pictures/1-loco.jpg"), "picture");
}

TEST(ArchiveCommands, FileProblemsExit2AndUsageErrorsExit64) {
    const CTempDir dir;
    dir.Write("not.gwz", "not an archive");
    const std::string inventory = dir.Path("in.inv");
    ASSERT_EQ(RunCli({"inv-create", inventory}, "{}").status, 0);
    ASSERT_EQ(RunCli({"archive", inventory, dir.Path("a.gwz")}).status, 0);
    fs::create_directories(dir.Root() / "full");
    dir.Write("full/kept", "");

    struct Case {
        std::vector<std::string> arguments;
        int status;
        std::string message; // empty: any
    };
    const std::vector<Case> cases = {
        {{"archive", inventory, inventory},
         2,
         inventory + " is the same file as " + inventory + "; the output must go to another file."},
        {{"archive", inventory, dir.Path("b.gwz"), "--yard", dir.Path("none.mst")},
         2,
         dir.Path("none.mst") + " was not found."},
        {{"unarchive", dir.Path("not.gwz"), dir.Path("out")},
         2,
         "The archive " + dir.Path("not.gwz") +
             " is damaged or is not an archive (Not a zip archive)."},
        {{"unarchive", dir.Path("a.gwz"), dir.Path("full")},
         2,
         dir.Path("full") + " already exists and is not an empty folder."},
        {{"archive", inventory}, 64, ""},
        {{"archive", inventory, dir.Path("b.gwz"), "--yard"}, 64, ""},
        {{"unarchive", dir.Path("a.gwz")}, 64, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::PrintToString(c.arguments));
        const CliRun run = RunCli(c.arguments);
        EXPECT_EQ(run.status, c.status);
        if (!c.message.empty()) {
            EXPECT_EQ(run.err, c.message + "\n");
        }
    }
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"a.gwz", "full", "in.inv", "not.gwz"}));
}

} // namespace
