#include "model/yard/YardFormat.h"

#include <random>
#include <string>

#include <gtest/gtest.h>

#include "support/RandomContent.h"
#include "support/YardFile.h"

namespace {

// Record tag to attribute index, for value lists (1..13) and headings (901..914).
const std::pair<int, int> kValueTags[] = {{1, 1},   {2, 4},   {3, 3},  {4, 5}, {5, 0},
                                          {6, 6},   {7, 7},   {8, 8},  {9, 9}, {10, 10},
                                          {11, 11}, {12, 12}, {13, 13}};
const std::pair<int, int> kHeadingTags[] = {{901, 1},  {902, 2},  {903, 4},  {904, 3}, {905, 5},
                                            {906, 0},  {907, 6},  {908, 7},  {909, 8}, {910, 9},
                                            {911, 10}, {912, 11}, {913, 12}, {914, 13}};

const auto Value = [](int attribute) { return "value of " + std::to_string(attribute); };
const auto Heading = [](int attribute) { return "heading of " + std::to_string(attribute); };

// Each list holds its own value (Manufacturer a second one), each heading its own text.
CYardFileContents DistinctCatalogue() {
    CYardFileContents contents;
    for (const auto& [tag, attribute] : kValueTags)
        contents.values[static_cast<std::size_t>(attribute)].push_back(Value(attribute));
    contents.values[1].push_back("second manufacturer");
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        contents.headings[static_cast<std::size_t>(attribute)] = Heading(attribute);
    contents.useManufacturerFile = true;
    contents.useWizard = false;
    return contents;
}

YardRecords DistinctRecords() {
    YardRecords records;
    for (const auto& [tag, attribute] : kValueTags) {
        records.emplace_back(tag, Value(attribute));
        if (tag == 1)
            records.emplace_back(1, "second manufacturer");
    }
    for (const auto& [tag, attribute] : kHeadingTags)
        records.emplace_back(tag, Heading(attribute));
    for (int tag = 915; tag <= 920; ++tag)
        records.emplace_back(tag, " ");
    records.emplace_back(950, "1");
    records.emplace_back(951, "0");
    for (int tag = 952; tag <= 959; ++tag)
        records.emplace_back(tag, " ");
    return records;
}

TEST(YardFormat, WritesValuesAndHeadingsInTagOrder) {
    EXPECT_EQ(yardformat::Write(DistinctCatalogue()), YardFile(DistinctRecords()));
    for (const auto& [tag, attribute] : kValueTags)
        EXPECT_EQ(yardformat::ValueTag(attribute), tag);
    EXPECT_EQ(yardformat::ValueTag(2), 0);
    for (const auto& [tag, attribute] : kHeadingTags)
        EXPECT_EQ(yardformat::HeadingTag(attribute), tag);
}

TEST(YardFormat, RecordCountIsTheEntriesPlusThirty) {
    CYardFileContents contents;
    for (int k = 0; k < 100; ++k)
        contents.values[static_cast<std::size_t>(k % 3 == 0 ? 0 : 10 + k % 2)].push_back("x");
    const std::string bytes = yardformat::Write(contents);
    EXPECT_EQ(bytes.substr(12, 4), std::string("\xD6\x00\x82\x00", 4)); // version 214, 130 records
    EXPECT_EQ(yardformat::Write({}).substr(12, 4), std::string("\xD6\x00\x1E\x00", 4));
}

TEST(YardFormat, ReadsRecordsInAnyOrderAndSkipsUnknownTags) {
    YardRecords records = DistinctRecords();
    records.insert(records.begin(), {960, "dropped"});
    records.insert(records.begin() + 3, {0, "dropped"});
    records.insert(records.begin() + 7, {14, "dropped"});
    records.emplace_back(900, "dropped");
    records.emplace_back(915, std::string(300, 'f'));
    records.emplace_back(65535, "dropped");
    records.emplace_back(5, "second body");
    CYardFileContents contents;
    ASSERT_EQ(yardformat::Read(YardFile(records), contents).outcome, FileOutcome::Ok);
    CYardFileContents expected = DistinctCatalogue();
    expected.values[0].push_back("second body");
    EXPECT_EQ(contents.values, expected.values);
    EXPECT_EQ(contents.headings, expected.headings);
    EXPECT_TRUE(contents.useManufacturerFile);
    EXPECT_FALSE(contents.useWizard);
}

TEST(YardFormat, OnlyTheTextOneTurnsAPreferenceOn) {
    const std::pair<const char*, bool> cases[] = {{"1", true},    {"0", false},   {" ", false},
                                                  {"yes", false}, {"", false},    {"11", false},
                                                  {"1 ", false},  {"true", false}};
    for (const auto& [text, on] : cases) {
        CYardFileContents contents;
        ASSERT_TRUE(yardformat::Read(YardFile({{950, text}, {951, text}}), contents).Succeeded());
        EXPECT_EQ(contents.useManufacturerFile, on) << '"' << text << '"';
        EXPECT_EQ(contents.useWizard, on) << '"' << text << '"';
    }
    CYardFileContents untouched;
    ASSERT_TRUE(yardformat::Read(YardFile({}), untouched).Succeeded());
    EXPECT_TRUE(untouched.useManufacturerFile);
    EXPECT_TRUE(untouched.useWizard);
}

TEST(YardFormat, AcceptsOnlyItsTwoSignaturesAndWritesTheCurrentOne) {
    const std::pair<const char*, bool> cases[] = {
        {"SIDINGWARD", true}, {"gaugewright", false}, {"SIDINGWARDS", false}, {"", false}};
    for (const auto& [signature, accepted] : cases) {
        const std::string bytes = YardFile(DistinctRecords(), signature);
        CYardFileContents contents;
        // What follows a foreign signature is never looked at, so its end does not matter.
        const FileResult result =
            yardformat::Read(accepted ? bytes : bytes.substr(0, bytes.size() - 5), contents);
        EXPECT_EQ(result.outcome, accepted ? FileOutcome::Ok : FileOutcome::WrongSignature);
        if (accepted) {
            EXPECT_EQ(yardformat::Write(contents), YardFile(DistinctRecords()));
            continue;
        }
        EXPECT_EQ(result.message, "The selected file is not a Gaugewright file!");
        EXPECT_EQ(contents.values, CYardFileContents{}.values);
        EXPECT_EQ(contents.headings, CYardFileContents{}.headings);
    }
}

TEST(YardFormat, EveryTruncationOfAValidFileIsUnexpected) {
    YardRecords records = DistinctRecords();
    records.emplace_back(3, std::string(400, 'r'));
    const std::string bytes = YardFile(records);
    CYardFileContents contents;
    ASSERT_TRUE(yardformat::Read(bytes, contents).Succeeded());
    for (std::size_t length = 1; length < bytes.size(); ++length) {
        const FileResult result = yardformat::Read(bytes.substr(0, length), contents);
        ASSERT_EQ(result.outcome, FileOutcome::Failed) << length;
        EXPECT_EQ(result.message, "Unexpected file format.");
        EXPECT_EQ(contents.values, CYardFileContents{}.values);
    }
}

TEST(YardFormat, RandomCataloguesRoundTripByteForByte) {
    std::mt19937 random(214);
    for (int round = 0; round < 40; ++round) {
        const CYardFileContents original = RandomCatalogue(random);
        const std::string bytes = yardformat::Write(original);
        CYardFileContents read;
        ASSERT_EQ(yardformat::Read(bytes, read).outcome, FileOutcome::Ok) << round;
        EXPECT_EQ(read.values, original.values) << round;
        EXPECT_EQ(read.headings, original.headings) << round;
        EXPECT_EQ(read.useManufacturerFile, original.useManufacturerFile) << round;
        EXPECT_EQ(read.useWizard, original.useWizard) << round;
        EXPECT_EQ(yardformat::Write(read), bytes) << round;
    }
}

} // namespace
