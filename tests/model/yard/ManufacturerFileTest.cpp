#include "model/yard/ManufacturerFile.h"

#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "bench/LiteralManufacturerFile.h"
#include "support/TempDir.h"

namespace {

using Records = std::vector<std::string>;

struct Parsed {
    CManufacturerList list;
    Records incomplete;
};

// Reads with the reader, checked against the reference reading of the rules.
Parsed ParseChecked(std::string_view bytes) {
    Parsed parsed, reference;
    parsed.list = manufacturerfile::Parse(
        bytes, [&](std::string_view record) { parsed.incomplete.emplace_back(record); });
    reference.list = literalmanufacturerfile::Parse(
        bytes, [&](std::string_view record) { reference.incomplete.emplace_back(record); });
    EXPECT_EQ(parsed.list, reference.list);
    EXPECT_EQ(parsed.incomplete, reference.incomplete);
    return parsed;
}

std::string Product(const std::string& name, int number) {
    return name + "|" + std::to_string(number) + "|Boxcar|Pennsylvania|Tuscan|HO\r\n";
}

TEST(ManufacturerFileTest, SubstitutedBytesReadAsTheirCharacters) {
    const std::string coded = "\xF1\xF2\xF3\xF4\xF5\xF6\xF7\xF8\xF9";
    const std::string plain = "-./#&',()";
    const Parsed parsed = ParseChecked(coded + "|" + coded + "|B|R|P|S\r\nX" + coded + "\r\n");
    ASSERT_EQ(parsed.list.size(), 1u);
    EXPECT_EQ(parsed.list[0].GetName(), plain);
    EXPECT_EQ(parsed.list[0].GetProducts().at(0).itemNumber, plain);
    EXPECT_EQ(parsed.incomplete, Records{"X" + plain});
    for (int byte = 0; byte < 256; ++byte) {
        if (byte < 0xF1 || byte > 0xF9) {
            EXPECT_EQ(manufacturerfile::Decode(static_cast<char>(byte)), static_cast<char>(byte));
        }
    }
}

TEST(ManufacturerFileTest, RecordsSplitIntoSixFields) {
    const std::pair<std::string, Records> cases[] = {
        // Leading white space goes from fields 2 to 6, trailing white space stays.
        {"Lionel| 6464 |Boxcar|  NYC|Jade|O", {"Lionel", "6464 ", "Boxcar", "NYC", "Jade", "O"}},
        {" Athearn |\t1|B|R|P|\t S ", {" Athearn ", "1", "B", "R", "P", "S "}},
        {"A|1\r|B\n|R|P|S", {"A", "1\r", "B\n", "R", "P", "S"}},
        // Text after the sixth "|" is dropped.
        {"A|1|B|R|P|S|extra|more", {"A", "1", "B", "R", "P", "S"}},
        {"A|1|B|R|P|S|", {"A", "1", "B", "R", "P", "S"}},
        // Incomplete: an empty field ends the split.
        {"A|1||R|P|S", {}},
        {"A|1|B|R|P|", {}},
        {"A|1|B|R|P|   ", {}},
        {"A|1|B|R|P", {}},
        {"|1|B|R|P|S", {}},
        {"A|1|  |R|P|S", {}},
        {"", {}},
    };
    for (const auto& [record, fields] : cases) {
        SCOPED_TRACE(record);
        const Parsed parsed = ParseChecked(record + "\r\n");
        if (fields.empty()) {
            EXPECT_TRUE(parsed.list.empty());
            EXPECT_EQ(parsed.incomplete, Records{record});
            continue;
        }
        ASSERT_EQ(parsed.list.size(), 1u);
        EXPECT_EQ(parsed.list[0].GetName(), fields[0]);
        const CManufacturerProduct product{fields[1], fields[2], fields[3], fields[4], fields[5]};
        EXPECT_EQ(parsed.list[0].GetProducts(), std::vector{product});
    }
}

TEST(ManufacturerFileTest, RecordsEndWithCarriageReturnAndLineFeed) {
    struct Case {
        std::string bytes;
        Records names; // of the products, in file order
        Records incomplete;
    };
    const Case cases[] = {
        {"", {}, {}},
        {Product("A", 1) + "B|2|x|y|z|w", {"A"}, {}},
        {Product("A", 1) + "B|2|x|y|z|w\r", {"A"}, {}},
        {"A|1|x|y|z|w\nB|2|x|y|z|w\n", {}, {}},
        {"\r\n" + Product("A", 1) + "\r\n", {"A"}, {"", ""}},
        {"A|1|x|y|z|w\r\r\n", {"A"}, {}},
        {Product("A", 1) + "\nB|2|x|y|z|w\r\n", {"A", "\nB"}, {}},
        {"A|1\n|x\r\n", {}, {"A|1\n|x"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.bytes));
        const Parsed parsed = ParseChecked(c.bytes);
        Records names;
        for (const CManufacturer& entry : parsed.list)
            names.insert(names.end(), entry.GetProducts().size(), entry.GetName());
        EXPECT_EQ(names, c.names);
        EXPECT_EQ(parsed.incomplete, c.incomplete);
    }
}

TEST(ManufacturerFileTest, ManufacturersKeepTheOrderOfFirstAppearance) {
    const Parsed parsed = ParseChecked(Product("Lionel", 1) + Product("Athearn", 2) +
                                       Product("lionel", 3) + Product("Lionel", 4));
    ASSERT_EQ(parsed.list.size(), 3u);
    const Records names = {parsed.list[0].GetName(), parsed.list[1].GetName(),
                           parsed.list[2].GetName()};
    EXPECT_EQ(names, (Records{"Lionel", "Athearn", "lionel"}));
    EXPECT_EQ(parsed.list[0].GetProducts().size(), 2u);
    EXPECT_EQ(parsed.list[0].GetProducts()[1].itemNumber, "4");
}

TEST(ManufacturerFileTest, RecordsAcrossTheBlockBoundaryReadWhole) {
    // The reference reads 100000-byte blocks: a record straddles the boundary, and
    // a file of exactly one block ends with an empty block.
    std::string straddling;
    while (straddling.size() < 99990)
        straddling += "y\r\n";
    straddling += Product("A", 1);
    const std::string last = Product("Z", 9);
    std::string exact;
    while (exact.size() + 3 <= 100000 - last.size())
        exact += "y\r\n";
    exact += std::string(100000 - last.size() - exact.size(), 'w') + last;
    for (const std::string& bytes : {straddling, exact}) {
        CTempDir dir;
        dir.Write("ExtMFile.mst", bytes);
        CManufacturerFileContents contents, reference;
        ASSERT_TRUE(manufacturerfile::Load(dir.Path("ExtMFile.mst"), contents).Succeeded());
        ASSERT_TRUE(literalmanufacturerfile::Load(dir.Path("ExtMFile.mst"), reference));
        EXPECT_EQ(contents.manufacturers, reference.manufacturers);
        EXPECT_EQ(contents.incompleteRecords, reference.incompleteRecords);
        ASSERT_EQ(contents.manufacturers.size(), 1u);
        EXPECT_EQ(contents.manufacturers[0].GetProducts().at(0).itemNumber,
                  bytes == exact ? "9" : "1");
    }
}

TEST(ManufacturerFileTest, RandomFilesReadAsTheReferenceReadsThem) {
    // Bytes drawn mostly from the characters that matter to the format.
    const std::string alphabet = "||||\r\r\n\n  \tAaB1\xF1\xF5\xF9\xF0\xFA";
    std::mt19937 random(20240607);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    for (int round = 0; round < 300; ++round) {
        std::string bytes(std::uniform_int_distribution<std::size_t>(0, 400)(random), '\0');
        for (char& c : bytes)
            c = alphabet[pick(random)];
        ParseChecked(bytes);
    }
}

TEST(ManufacturerFileTest, HostileAndMissingFiles) {
    // A megabyte without a record end, and many manufacturers with one product each.
    EXPECT_TRUE(manufacturerfile::Parse(std::string(1 << 20, '|')).empty());
    std::string many;
    for (int k = 0; k < 20000; ++k)
        many += Product("M" + std::to_string(k), k);
    EXPECT_EQ(manufacturerfile::Parse(many).size(), 20000u);

    CTempDir dir;
    CManufacturerFileContents contents;
    FileResult result = manufacturerfile::Load(dir.Path("ExtMFile.mst"), contents);
    EXPECT_EQ(result.outcome, FileOutcome::Failed);
    EXPECT_EQ(result.message, dir.Path("ExtMFile.mst") + " was not found.");
    // Too large to hold: refused before it is read (a sparse file costs no disk).
    dir.Write("Huge.mst", Product("A", 1));
    std::filesystem::resize_file(dir.Path("Huge.mst"), manufacturerfile::kMaxFileSize + 1);
    result = manufacturerfile::Load(dir.Path("Huge.mst"), contents);
    EXPECT_EQ(result.outcome, FileOutcome::Failed);
    EXPECT_NE(result.message.find("Huge.mst is larger than"), std::string::npos);
    EXPECT_TRUE(contents.manufacturers.empty());
}

} // namespace
