#include "model/framework/SafeFile.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/TempDir.h"

#ifdef __unix__
#include "support/FileSizeLimit.h"
#endif

#ifdef __unix__
#include <sys/stat.h>
#include <sys/sysmacros.h>
#endif

namespace fs = std::filesystem;

namespace {

TEST(SafeFile, ReplacedFileKeepsItsPermissions) {
    CTempDir dir;
    dir.Write("kept.inv", "old contents");
    const auto mode = fs::perms::owner_read | fs::perms::owner_write | fs::perms::owner_exec |
                      fs::perms::group_read;
    fs::permissions(dir.Path("kept.inv"), mode);
    ASSERT_TRUE(safefile::WriteAll(dir.Path("kept.inv"), "new").Succeeded());
    EXPECT_EQ(dir.Read("kept.inv"), "new");
    EXPECT_EQ(fs::status(dir.Path("kept.inv")).permissions(), mode);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"kept.inv"});
}

TEST(SafeFile, WritingThroughASymbolicLinkUpdatesItsTarget) {
    CTempDir dir;
    fs::create_directory(dir.Root() / "real");
    dir.Write("real/target.inv", "old");
    fs::create_symlink("real/target.inv", dir.Root() / "link.inv");
    ASSERT_TRUE(safefile::WriteAll(dir.Path("link.inv"), "new").Succeeded());
    EXPECT_TRUE(fs::is_symlink(dir.Root() / "link.inv"));
    EXPECT_EQ(fs::read_symlink(dir.Root() / "link.inv"), "real/target.inv");
    EXPECT_EQ(dir.Read("real/target.inv"), "new");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"link.inv", "real"}));
    EXPECT_EQ(dir.Entries("real"), std::set<std::string>{"target.inv"});

    // A link whose file does not exist yet gets that file; the link stays.
    fs::create_symlink("real/new.inv", dir.Root() / "dangling.inv");
    ASSERT_TRUE(safefile::WriteAll(dir.Path("dangling.inv"), "made").Succeeded());
    EXPECT_TRUE(fs::is_symlink(dir.Root() / "dangling.inv"));
    EXPECT_EQ(dir.Read("real/new.inv"), "made");
}

#ifdef __unix__
TEST(SafeFile, FailedWriteLeavesTheOldFileAsItWas) {
    CTempDir dir;
    dir.Write("old.inv", "old contents");
    FileResult result;
    {
        CFileSizeLimit limit(1000);
        result = safefile::WriteAll(dir.Path("old.inv"), std::string(100000, 'x'));
    }
    EXPECT_EQ(result.outcome, FileOutcome::Failed);
    EXPECT_EQ(result.message, "Disk full while accessing " + dir.Path("old.inv") + ".");
    EXPECT_EQ(dir.Read("old.inv"), "old contents");
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"old.inv"});
}
#endif

} // namespace

TEST(SafeFile, ReadingRefusesMoreThanTheLimitAndStopsThere) {
    CTempDir dir;
    dir.Write("small.txt", std::string(100, 'x'));
    std::string bytes = "stale";
    EXPECT_TRUE(safefile::ReadAll(dir.Path("small.txt"), bytes, 100).Succeeded());
    EXPECT_EQ(bytes.size(), 100u);
    const FileResult refused = safefile::ReadAll(dir.Path("small.txt"), bytes, 99);
    EXPECT_FALSE(refused.Succeeded());
    EXPECT_NE(refused.message.find("small.txt is larger than"), std::string::npos);
    EXPECT_TRUE(bytes.empty());
}

#ifdef __unix__
TEST(SafeFile, OnlyARegularFileIsRead) {
    CTempDir dir;
    // A named pipe that no one writes would hold the reader forever; a device
    // without end would be read until memory ran out.
    ASSERT_EQ(mkfifo(dir.Path("pipe.inv").c_str(), 0600), 0);
    for (const std::string& path : {std::string("/dev/zero"), dir.Path("pipe.inv")}) {
        SCOPED_TRACE(path);
        std::string bytes = "stale";
        const FileResult refused = safefile::ReadAll(path, bytes, std::uintmax_t{1} << 20);
        EXPECT_EQ(refused.outcome, FileOutcome::Failed);
        EXPECT_EQ(refused.message, path + " is not a regular file.");
        EXPECT_TRUE(bytes.empty());
    }
}

TEST(SafeFile, AFileWithoutWritePermissionIsNotReplaced) {
    CTempDir dir;
    dir.Write("locked.inv", "old contents");
    const auto readOnly = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    fs::permissions(dir.Path("locked.inv"), readOnly);
    // Also through a symbolic link, which is written through to its file.
    fs::create_symlink("locked.inv", dir.Root() / "link.inv");
    for (const std::string name : {"locked.inv", "link.inv"}) {
        SCOPED_TRACE(name);
        const FileResult result = safefile::WriteAll(dir.Path(name), "new");
        EXPECT_EQ(result.outcome, FileOutcome::Failed);
        EXPECT_EQ(result.message, "Access to " + dir.Path(name) + " was denied.");
        EXPECT_EQ(dir.Read("locked.inv"), "old contents");
        EXPECT_EQ(fs::status(dir.Path("locked.inv")).permissions(), readOnly);
        EXPECT_EQ(dir.Entries(), (std::set<std::string>{"link.inv", "locked.inv"}));
    }
}

TEST(SafeFile, WritingRefusesWhatIsNotARegularFile) {
    CTempDir dir;
    ASSERT_EQ(mkfifo(dir.Path("pipe.pdf").c_str(), 0600), 0);
    fs::create_symlink("pipe.pdf", dir.Root() / "link.pdf");
    std::vector<std::string> names = {"pipe.pdf", "link.pdf"};
    // A scratch null device; making one takes the right to, which a test run may lack.
    if (mknod(dir.Path("null.pdf").c_str(), S_IFCHR | 0600, makedev(1, 3)) == 0)
        names.push_back("null.pdf");
    const std::set<std::string> before = dir.Entries();
    for (const std::string& name : names) {
        SCOPED_TRACE(name);
        const FileResult result = safefile::WriteAll(dir.Path(name), "new");
        EXPECT_EQ(result.outcome, FileOutcome::Failed);
        EXPECT_EQ(result.message, dir.Path(name) + " is not a regular file.");
        EXPECT_EQ(dir.Entries(), before);
    }
    EXPECT_TRUE(fs::is_fifo(dir.Root() / "pipe.pdf"));
    if (names.size() == 3) {
        EXPECT_TRUE(fs::is_character_file(dir.Root() / "null.pdf"));
    }
}
#endif
