#include "model/core/InventoryFormat.h"

#include <memory>
#include <ostream>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "support/AllocationProbe.h"
#include "support/ByteBuilder.h"
#include "support/ItemFields.h"
#include "support/RandomContent.h"

namespace {

using ItemList = std::vector<std::unique_ptr<CInventoryElement>>;

using Setter = void (CInventoryElement::*)(std::string);

// The sixteen texts of an item block in the order the file holds them, each with its
// own text, so that a field read or written in the wrong place shows.
const std::pair<Setter, const char*> kBlockTexts[] = {
    {&CInventoryElement::SetManufacturer, "manufacturer"},
    {&CInventoryElement::SetRoadName, "road name"},
    {&CInventoryElement::SetScale, "scale"},
    {&CInventoryElement::SetBodyClassification, "body"},
    {&CInventoryElement::SetDateBuilt, "date built"},
    {&CInventoryElement::SetReservedText2, "reserved 2"},
    {&CInventoryElement::SetPurchasePrice, "price"},
    {&CInventoryElement::SetPurchaseDate, "purchase date"},
    {&CInventoryElement::SetCurrentValue, "value"},
    {&CInventoryElement::SetReservedText1, "reserved 1"},
    {&CInventoryElement::SetCondition, "condition"},
    {&CInventoryElement::SetPaintScheme, "paint"},
    {&CInventoryElement::SetItemNumber, "item number"},
    {&CInventoryElement::SetUserDefined1, "user 1"},
    {&CInventoryElement::SetUserDefined2, "user 2"},
    {&CInventoryElement::SetOriginalBox, "box"},
};

std::unique_ptr<CInventoryElement> DistinctItem(const std::string& tag = "") {
    auto item = std::make_unique<CInventoryElement>();
    for (const auto& [setter, text] : kBlockTexts)
        (item.get()->*setter)(text + tag);
    item->SetComments("comments" + tag);
    item->SetEntryDate(12, 24, 1999);
    item->SetPicture("picture" + tag);
    return item;
}

struct Layout {
    unsigned version;
    bool commentsAndDate;
    bool picture;
    bool searchHistory;
};

void PrintTo(const Layout& layout, std::ostream* out) {
    *out << "version " << layout.version;
}

// The item block of DistinctItem(tag) as a file of the given layout holds it.
void AppendDistinctItemBlock(CByteBuilder& bytes, const Layout& layout, const std::string& tag) {
    for (const auto& [setter, text] : kBlockTexts)
        bytes.Text(text + tag);
    if (layout.commentsAndDate)
        bytes.Text("comments" + tag).Word(12).Word(24).Word(1999);
    if (layout.picture)
        bytes.Text("picture" + tag);
}

std::string DistinctFile(const Layout& layout) {
    CByteBuilder bytes;
    bytes.Text("GAUGEWRIGHT").Word(static_cast<std::uint16_t>(layout.version)).Word(2);
    AppendDistinctItemBlock(bytes, layout, "");
    AppendDistinctItemBlock(bytes, layout, "#2");
    if (layout.searchHistory)
        bytes.Word(3).Text("alpha").Text("beta").Text("gamma");
    return bytes;
}

const Layout kCurrentLayout = {213, true, true, true};

TEST(InventoryFormat, WritesTheCurrentLayout) {
    EXPECT_EQ(inventoryformat::Write({}, {}),
              std::string("\x0BGAUGEWRIGHT\xD5\x00\x00\x00\x00\x00", 18));
    ItemList items;
    items.push_back(DistinctItem());
    items.push_back(DistinctItem("#2"));
    EXPECT_EQ(inventoryformat::Write(items, {"alpha", "beta", "gamma"}),
              DistinctFile(kCurrentLayout));
}

class InventoryFormatLayout : public testing::TestWithParam<Layout> {};

TEST_P(InventoryFormatLayout, ReadsTheFieldsOfItsVersion) {
    const Layout layout = GetParam();
    CInventoryFileContents contents;
    const FileResult result = inventoryformat::Read(DistinctFile(layout), contents);
    ASSERT_EQ(result.outcome, FileOutcome::Ok) << result.message;
    EXPECT_EQ(contents.version, layout.version);
    ASSERT_EQ(contents.items.size(), 2u);
    for (std::size_t k = 0; k < 2; ++k) {
        auto expected = DistinctItem(k == 0 ? "" : "#2");
        if (!layout.commentsAndDate) {
            expected->SetComments("");
            expected->SetEntryDate(3, 1, 1962);
        }
        if (!layout.picture)
            expected->SetPicture("");
        EXPECT_EQ(ItemFields(*contents.items[k]), ItemFields(*expected)) << k;
    }
    const std::vector<std::string> history = {"alpha", "beta", "gamma"};
    EXPECT_EQ(contents.searchHistory, layout.searchHistory ? history : std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Versions, InventoryFormatLayout,
                         testing::Values(Layout{210, false, false, false},
                                         Layout{211, true, false, false},
                                         Layout{212, true, false, true}, kCurrentLayout,
                                         Layout{209, false, false, false},
                                         Layout{214, false, false, false},
                                         Layout{300, false, false, false}),
                         [](const auto& info) { return std::to_string(info.param.version); });

TEST(InventoryFormat, AcceptsOnlyItsTwoSignaturesAndWritesTheCurrentOne) {
    const std::pair<const char*, bool> cases[] = {{"SIDINGWARD", true},  {"gaugewright", false},
                                                  {"sidingward", false}, {"GAUGEWRIGHT ", false},
                                                  {"GAUGEWRIGH", false}, {"", false}};
    for (const auto& [signature, accepted] : cases) {
        SCOPED_TRACE(signature);
        std::string bytes = DistinctFile(kCurrentLayout);
        bytes.replace(0, 12, CByteBuilder().Text(signature).Bytes());
        CInventoryFileContents contents;
        const FileResult result = inventoryformat::Read(bytes, contents);
        if (accepted) {
            ASSERT_EQ(result.outcome, FileOutcome::Ok);
            EXPECT_EQ(inventoryformat::Write(contents.items, contents.searchHistory),
                      DistinctFile(kCurrentLayout));
            continue;
        }
        EXPECT_EQ(result.outcome, FileOutcome::WrongSignature);
        EXPECT_EQ(result.message, "The selected file is not a Gaugewright file!");
        EXPECT_TRUE(contents.items.empty());
        // What follows a foreign signature is never looked at, so its end does not matter.
        EXPECT_EQ(inventoryformat::Read(bytes.substr(0, bytes.size() - 3), contents).outcome,
                  FileOutcome::WrongSignature);
    }
}

TEST(InventoryFormat, EveryTruncationOfAValidFileIsUnexpected) {
    ItemList items;
    items.push_back(DistinctItem());
    items.push_back(DistinctItem(std::string(300, 'x')));
    const std::string bytes = inventoryformat::Write(items, {"alpha", std::string(260, 'y')});
    CInventoryFileContents contents;
    ASSERT_EQ(inventoryformat::Read(bytes, contents).outcome, FileOutcome::Ok);
    for (std::size_t length = 1; length < bytes.size(); ++length) {
        const FileResult result = inventoryformat::Read(bytes.substr(0, length), contents);
        ASSERT_EQ(result.outcome, FileOutcome::Failed) << length;
        EXPECT_EQ(result.message, "Unexpected file format.");
        EXPECT_TRUE(contents.items.empty());
        EXPECT_TRUE(contents.searchHistory.empty());
    }
}

TEST(InventoryFormat, HugeCountsInATinyFileFailWithoutAllocatingForThem) {
    const auto head = [](unsigned version) {
        CByteBuilder bytes;
        bytes.Text("GAUGEWRIGHT").Word(static_cast<std::uint16_t>(version));
        return bytes;
    };
    const std::string cases[] = {
        head(213).Word(0xFFFF).Raw(std::string(40, '\0')),
        head(213).Word(0).Word(0xFFFF).Raw(std::string(40, '\0')),
        head(210).Word(1).Byte(0xFF).Word(0xFFFF).Dword(0xFFFFFFF0).Raw("abc"),
        head(213).Word(1).Byte(0xFF).Word(0xFFFE).Byte(0xFF).Word(0xFFFF).Dword(0x7FFFFFFF),
    };
    for (const std::string& bytes : cases) {
        CInventoryFileContents contents;
        CAllocationProbe probe;
        const FileResult result = inventoryformat::Read(bytes, contents);
        EXPECT_EQ(result.message, "Unexpected file format.");
        EXPECT_LT(probe.Largest(), 4096u);
    }
}

// Also stores only the oldest ten of up to twelve search texts.
TEST(InventoryFormat, RandomInventoriesRoundTripByteForByte) {
    std::mt19937 random(20240611);
    for (int round = 0; round < 40; ++round) {
        SCOPED_TRACE(round);
        ItemList items;
        const int itemCount = std::uniform_int_distribution<int>(0, 6)(random);
        for (int k = 0; k < itemCount; ++k)
            items.push_back(RandomItem(random));
        std::vector<std::string> history;
        const int historyCount = std::uniform_int_distribution<int>(0, 12)(random);
        for (int k = 0; k < historyCount; ++k)
            history.push_back(RandomText(random));

        const std::string bytes = inventoryformat::Write(items, history);
        CInventoryFileContents contents;
        ASSERT_EQ(inventoryformat::Read(bytes, contents).outcome, FileOutcome::Ok);
        ASSERT_EQ(contents.items.size(), items.size());
        for (std::size_t k = 0; k < items.size(); ++k)
            EXPECT_EQ(ItemFields(*contents.items[k]), ItemFields(*items[k])) << k;
        history.resize(std::min<std::size_t>(history.size(), 10));
        EXPECT_EQ(contents.searchHistory, history);
        EXPECT_EQ(inventoryformat::Write(contents.items, contents.searchHistory), bytes);
    }
}

} // namespace
