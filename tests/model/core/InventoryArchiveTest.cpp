#include "model/core/InventoryArchive.h"

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>
#include <zip.h>

#include <gtest/gtest.h>

#include "model/core/InventoryFormat.h"
#include "model/core/SidingWardDoc.h"
#include "support/TempDir.h"

#ifdef __unix__
#include <sys/stat.h>
#endif

namespace fs = std::filesystem;

namespace {

struct CZipEntry {
    std::string name;
    std::string bytes;
    zip_uint32_t unixMode = 0100644;
    bool stored = false;
};

// An archive made the way a hostile or careless program could make it.
void MakeZip(const std::string& path, const std::vector<CZipEntry>& entries) {
    int code = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    ASSERT_NE(archive, nullptr);
    for (const CZipEntry& entry : entries) {
        zip_source_t* source =
            zip_source_buffer(archive, entry.bytes.data(), entry.bytes.size(), 0);
        const zip_int64_t index = zip_file_add(archive, entry.name.c_str(), source, 0);
        ASSERT_GE(index, 0) << entry.name;
        if (entry.stored)
            zip_set_file_compression(archive, static_cast<zip_uint64_t>(index), ZIP_CM_STORE, 0);
        zip_file_set_external_attributes(archive, static_cast<zip_uint64_t>(index), 0,
                                         ZIP_OPSYS_UNIX, entry.unixMode << 16);
    }
    ASSERT_EQ(zip_close(archive), 0);
}

std::string InventoryBytes(const std::vector<std::string>& pictures) {
    CSidingWardDoc::ItemList items;
    for (const std::string& picture : pictures) {
        items.push_back(std::make_unique<CInventoryElement>());
        items.back()->SetPicture(picture);
    }
    return inventoryformat::Write(items, {});
}

std::vector<std::string> PicturesOf(const std::string& bytes) {
    CInventoryFileContents contents;
    EXPECT_EQ(inventoryformat::Read(bytes, contents).outcome, FileOutcome::Ok);
    std::vector<std::string> pictures;
    for (const auto& item : contents.items)
        pictures.push_back(item->GetPicture());
    return pictures;
}

// The bytes of an entry, read back with libzip.
std::string EntryOf(const std::string& archivePath, const char* name, zip_uint16_t* method) {
    zip_t* archive = zip_open(archivePath.c_str(), ZIP_RDONLY, nullptr);
    zip_stat_t stat;
    if (!archive || zip_stat(archive, name, 0, &stat) != 0) {
        ADD_FAILURE() << "no entry " << name;
        return {};
    }
    *method = stat.comp_method;
    std::string bytes(stat.size, '\0');
    zip_file_t* file = zip_fopen(archive, name, 0);
    zip_fread(file, bytes.data(), bytes.size());
    zip_fclose(file);
    zip_discard(archive);
    return bytes;
}

TEST(InventoryArchive, RoundTripKeepsEveryPictureAndRewritesItsPath) {
    const CTempDir dir;
    fs::create_directories(dir.Root() / "a");
    fs::create_directories(dir.Root() / "b");
    dir.Write("a/loco.jpg", "first loco");
    dir.Write("b/loco.jpg", "second loco");
    dir.Write("Classyrd.mst", "catalogue bytes");
    const std::string first = dir.Path("a/loco.jpg");
    const std::string missing = dir.Path("gone.jpg");
    CSidingWardDoc document;
    for (const std::string& picture :
         {first, dir.Path("b/loco.jpg"), first, missing, std::string()}) {
        document.AddItem(std::make_unique<CInventoryElement>(), nullptr);
        document.GetItemAt(document.GetItemCount() - 1)->SetPicture(picture);
    }

    const std::string archive = dir.Path("trip.gwz");
    const auto written =
        inventoryarchive::WriteArchive(document, dir.Path("Classyrd.mst"), archive);
    ASSERT_TRUE(written.result.Succeeded()) << written.result.message;
    EXPECT_EQ(written.missingPictures, std::vector<std::string>{missing});
    zip_uint16_t method = 0;
    EXPECT_EQ(PicturesOf(EntryOf(archive, "inventory.inv", &method)),
              (std::vector<std::string>{"pictures/1-loco.jpg", "pictures/2-loco.jpg",
                                        "pictures/1-loco.jpg", missing, ""}));
    EXPECT_EQ(EntryOf(archive, "pictures/2-loco.jpg", &method), "second loco");
    EXPECT_EQ(method, ZIP_CM_STORE);

    inventoryarchive::CUnpackedArchive unpacked;
    const FileResult result = inventoryarchive::UnpackArchive(archive, dir.Path("out"), unpacked);
    ASSERT_TRUE(result.Succeeded()) << result.message;
    EXPECT_EQ(unpacked.inventoryPath, dir.Path("out/inventory.inv"));
    EXPECT_EQ(dir.Read("out/Classyrd.mst"), "catalogue bytes");
    const std::vector<std::string> pictures = PicturesOf(dir.Read("out/inventory.inv"));
    EXPECT_EQ(pictures,
              (std::vector<std::string>{dir.Path("out/pictures/1-loco.jpg"),
                                        dir.Path("out/pictures/2-loco.jpg"),
                                        dir.Path("out/pictures/1-loco.jpg"), missing, ""}));
    EXPECT_EQ(dir.Read("out/pictures/1-loco.jpg"), "first loco");
    EXPECT_EQ(dir.Entries("out/pictures").size(), 2u);
}

// The bytes of an archive whose one large entry claims to be tiny: its size
// fields in the local and the central header say 10 bytes.
std::string WithLyingSize(std::string bytes) {
    for (const auto& [signature, offset] :
         {std::pair<std::string, std::size_t>{"PK\x03\x04", 22}, {"PK\x01\x02", 24}}) {
        const std::size_t header = bytes.find(signature);
        bytes.replace(header + offset, 4, std::string("\x0A\0\0\0", 4));
    }
    return bytes;
}

TEST(InventoryArchive, HostileAndDamagedArchivesLeaveNothingBehind) {
    const std::string inventory = InventoryBytes({"pictures/a.jpg"});
    const std::string zeros(8 << 20, '\0');
    struct Case {
        const char* label;
        std::function<void(const CTempDir&, const std::string&)> make;
        std::string message; // after "The archive PATH " unless it starts with "The"
    };
    const auto zipOf = [](std::vector<CZipEntry> entries) {
        return [entries](const CTempDir&, const std::string& path) { MakeZip(path, entries); };
    };
    const auto bytesOf = [](std::function<std::string(const std::string&)> edit,
                            std::vector<CZipEntry> entries) {
        return [edit, entries](const CTempDir& dir, const std::string& path) {
            MakeZip(path, entries);
            const std::string name = fs::path(path).filename().string();
            dir.Write(name, edit(dir.Read(name)));
        };
    };
    const std::vector<Case> cases = {
        {"parent", zipOf({{"inventory.inv", inventory}, {"../x", "x"}}),
         "The archive holds an unsafe entry: ../x."},
        {"absolute", zipOf({{"/abs", "x"}, {"inventory.inv", inventory}}),
         "The archive holds an unsafe entry: /abs."},
        {"outside the layout", zipOf({{"inventory.inv", inventory}, {"pictures/a/b.jpg", "x"}}),
         "The archive holds an unsafe entry: pictures/a/b.jpg."},
        {"link", zipOf({{"inventory.inv", inventory}, {"pictures/a.jpg", "/etc", 0120777}}),
         "The archive holds an unsafe entry: pictures/a.jpg."},
        {"device", zipOf({{"inventory.inv", inventory}, {"pictures/a.jpg", "", 0020666}}),
         "The archive holds an unsafe entry: pictures/a.jpg."},
        {"declared bomb", zipOf({{"inventory.inv", inventory}, {"pictures/a.jpg", zeros}}),
         "would unpack to more than 100 times its own size; it is not unpacked."},
        {"lying bomb",
         bytesOf(WithLyingSize, {{"pictures/a.jpg", zeros}, {"inventory.inv", inventory}}),
         "would unpack to more than 100 times its own size; it is not unpacked."},
        {"truncated",
         bytesOf([](const std::string& bytes) { return bytes.substr(0, bytes.size() / 2); },
                 {{"inventory.inv", inventory}, {"pictures/a.jpg", "picture"}}),
         "is damaged or is not an archive (Not a zip archive)."},
        {"bad CRC",
         bytesOf(
             [](std::string bytes) {
                 bytes[bytes.find("0123456789")] = 'X';
                 return bytes;
             },
             {{"inventory.inv", inventory}, {"pictures/a.jpg", "0123456789", 0100644, true}}),
         "is damaged or is not an archive (CRC error)."},
        {"not a ZIP", [](const CTempDir& dir, const std::string&) { dir.Write("in.gwz", "GAUGE"); },
         "is damaged or is not an archive (Not a zip archive)."},
        {"no inventory", zipOf({{"Classyrd.mst", "x"}}), "holds no inventory."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const CTempDir dir;
        const std::string archive = dir.Path("in.gwz");
        c.make(dir, archive);
        inventoryarchive::CUnpackedArchive unpacked;
        const FileResult result =
            inventoryarchive::UnpackArchive(archive, dir.Path("out"), unpacked);
        EXPECT_FALSE(result.Succeeded());
        EXPECT_EQ(result.message, c.message.starts_with("The")
                                      ? c.message
                                      : "The archive " + archive + " " + c.message);
        EXPECT_EQ(dir.Entries(), std::set<std::string>{"in.gwz"});
        EXPECT_TRUE(unpacked.inventoryPath.empty());
    }
}

TEST(InventoryArchive, RefusesTargetsItMustNotReplace) {
    const CTempDir dir;
    CSidingWardDoc document;
    const std::string archive = dir.Path("a.gwz");
    ASSERT_TRUE(inventoryarchive::WriteArchive(document, "", archive).result.Succeeded());
    fs::create_directories(dir.Root() / "full");
    dir.Write("full/kept", "kept");
    dir.Write("Classyrd.mst", "catalogue");
    EXPECT_EQ(
        inventoryarchive::WriteArchive(document, dir.Path("Classyrd.mst"), dir.Path("Classyrd.mst"))
            .result.message,
        dir.Path("Classyrd.mst") + " is the same file as " + dir.Path("Classyrd.mst") +
            "; the archive must go to another file.");
    EXPECT_EQ(dir.Read("Classyrd.mst"), "catalogue");
    inventoryarchive::CUnpackedArchive unpacked;
#ifdef __unix__
    ASSERT_EQ(mkfifo(dir.Path("pipe.gwz").c_str(), 0600), 0);
    EXPECT_EQ(inventoryarchive::WriteArchive(document, "", dir.Path("pipe.gwz")).result.message,
              dir.Path("pipe.gwz") + " is not a regular file.");
    EXPECT_EQ(
        inventoryarchive::UnpackArchive(dir.Path("pipe.gwz"), dir.Path("x"), unpacked).message,
        dir.Path("pipe.gwz") + " is not a regular file.");
#endif
    EXPECT_EQ(inventoryarchive::UnpackArchive(archive, dir.Path("full"), unpacked).message,
              dir.Path("full") + " already exists and is not an empty folder.");
    EXPECT_EQ(dir.Read("full/kept"), "kept");
    // An empty folder is unpacked into; an archive without a catalogue says so.
    fs::create_directories(dir.Root() / "empty");
    ASSERT_TRUE(inventoryarchive::UnpackArchive(archive, dir.Path("empty"), unpacked).Succeeded());
    EXPECT_TRUE(unpacked.cataloguePath.empty());
    EXPECT_EQ(dir.Read("empty/inventory.inv"), InventoryBytes({}));
}

} // namespace
