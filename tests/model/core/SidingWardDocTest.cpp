#include "model/core/SidingWardDoc.h"

#include <filesystem>
#include <memory>
#include <random>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "bench/ExchangeSort.h"
#include "model/core/InventoryFormat.h"
#include "model/framework/DocumentView.h"
#include "model/framework/FixedClock.h"
#include "model/yard/ClassificationDoc.h"
#include "support/ByteBuilder.h"
#include "support/ItemFields.h"
#include "support/TempDir.h"

namespace {

// Remembers who sent each change it was told about.
class CRecordingView : public CDocumentView {
public:
    void OnDocumentUpdate(CDocumentView* sender, int hint) override {
        EXPECT_EQ(hint, 0);
        senders.push_back(sender);
    }
    std::vector<CDocumentView*> senders;
};

std::unique_ptr<CInventoryElement> ItemWith(int attribute, std::string text) {
    auto item = std::make_unique<CInventoryElement>();
    item->SetAttributeText(attribute, std::move(text));
    return item;
}

TEST(SidingWardDocViews, ChangesTellEveryViewWhereTheyCameFrom) {
    CSidingWardDoc doc;
    CRecordingView views[3];
    for (auto& view : views)
        doc.AddView(&view);
    auto owned = std::make_unique<CInventoryElement>();
    const CInventoryElement* item = owned.get();
    doc.AddItem(std::move(owned), &views[1]);
    EXPECT_TRUE(doc.IsModified());
    EXPECT_TRUE(doc.ContainsItem(item));
    EXPECT_EQ(doc.GetItemAt(0), item);

    doc.SetModifiedFlag(false);
    EXPECT_TRUE(doc.RemoveItem(item, &views[2]));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_FALSE(doc.ContainsItem(item));
    EXPECT_EQ(doc.GetItemCount(), 0);

    // The view that made the change hears of it too: it follows it like the others.
    using Senders = std::vector<CDocumentView*>;
    for (const auto& view : views)
        EXPECT_EQ(view.senders, (Senders{&views[1], &views[2]}));
}

TEST(SidingWardDocViews, RemovingAnUnknownItemChangesNothing) {
    CSidingWardDoc doc;
    doc.AddItem(std::make_unique<CInventoryElement>(), nullptr);
    CRecordingView view;
    doc.AddView(&view);
    const CInventoryElement stranger(*doc.GetItemAt(0));
    for (const bool modified : {false, true}) {
        doc.SetModifiedFlag(modified);
        EXPECT_FALSE(doc.RemoveItem(&stranger, nullptr));
        EXPECT_FALSE(doc.RemoveItem(nullptr, nullptr));
        EXPECT_EQ(doc.IsModified(), modified);
    }
    EXPECT_EQ(doc.GetItemCount(), 1);
    EXPECT_EQ(view.senders, std::vector<CDocumentView*>{});
}

TEST(SidingWardDocViews, RemovingItemsTakesThemAllAtOnce) {
    CSidingWardDoc doc;
    for (int k = 0; k < 4; ++k)
        doc.AddItem(ItemWith(0, std::to_string(k)), nullptr);
    CRecordingView views[2];
    doc.AddView(&views[0]);
    doc.AddView(&views[1]);
    doc.SetModifiedFlag(false);
    CInventoryElement stranger;
    const std::vector<CInventoryElement*> items{doc.GetItemAt(3), doc.GetItemAt(1), &stranger,
                                                doc.GetItemAt(1)};
    EXPECT_EQ(doc.RemoveItems(items, &views[0]), 1);
    ASSERT_EQ(doc.GetItemCount(), 2);
    EXPECT_EQ(doc.GetItemAt(0)->GetAttributeText(0), "0");
    EXPECT_EQ(doc.GetItemAt(1)->GetAttributeText(0), "2");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(views[0].senders, std::vector<CDocumentView*>{&views[0]});
    EXPECT_EQ(views[1].senders, std::vector<CDocumentView*>{&views[0]});

    // Nothing of them held: nothing changes and nobody is told.
    doc.SetModifiedFlag(false);
    const std::vector<CInventoryElement*> strangers{&stranger};
    EXPECT_EQ(doc.RemoveItems(strangers, nullptr), 1);
    EXPECT_EQ(doc.GetItemCount(), 2);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(views[1].senders.size(), 1u);
    doc.RemoveView(&views[0]);
    doc.RemoveView(&views[1]);
}

TEST(SidingWardDoc, LongestValueIsOneWithoutItemsAndZeroWhenAllAreEmpty) {
    CSidingWardDoc doc;
    EXPECT_EQ(doc.GetLongestValue(3), 1);
    doc.AddItem(std::make_unique<CInventoryElement>(), nullptr);
    doc.AddItem(std::make_unique<CInventoryElement>(), nullptr);
    EXPECT_EQ(doc.GetLongestValue(3), 0);
    doc.AddItem(ItemWith(3, "Santa Fe"), nullptr);
    doc.AddItem(ItemWith(3, "UP"), nullptr);
    doc.AddItem(ItemWith(4, "Warbonnet scheme"), nullptr);
    EXPECT_EQ(doc.GetLongestValue(3), 8);
    EXPECT_EQ(doc.GetLongestValue(4), 16);
}

// --- integrity check -------------------------------------------------------

TEST(SidingWardDoc, IntegrityCheckTestsEveryAttributeButItemNumberAgainstItsOwnList) {
    const CFixedClock clock(CDate{2000, 6, 1});
    CClassificationDoc yard(clock);
    CInventoryElement item; // every attribute holds the one value of its own list
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        item.SetAttributeText(attribute, "v" + std::to_string(attribute));
        if (attribute != static_cast<int>(Attribute::ItemNumber))
            yard.AddValue(*yard.GetValueList(attribute), "v" + std::to_string(attribute));
    }
    CSidingWardDoc doc;
    EXPECT_FALSE(doc.CheckItemAgainstYard(CInventoryElement())); // no yard yet
    doc.SetClassificationYard(&yard);
    EXPECT_TRUE(doc.CheckItemAgainstYard(item));
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        CInventoryElement changed = item;
        changed.SetAttributeText(attribute, "V" + std::to_string(attribute));
        EXPECT_EQ(doc.CheckItemAgainstYard(changed), attribute == 2) << attribute;
        changed.SetAttributeText(attribute, "");
        EXPECT_TRUE(doc.CheckItemAgainstYard(changed)) << attribute;
    }
}

// --- sort ------------------------------------------------------------------

std::vector<const CInventoryElement*> Order(const CSidingWardDoc& doc) {
    std::vector<const CInventoryElement*> order;
    for (const auto& item : doc.GetItems())
        order.push_back(item.get());
    return order;
}

TEST(SidingWardDocSort, MatchesTheExchangeSortOnEveryAttribute) {
    const std::vector<std::string> pool = {
        "",      "Mint",   "MINT",    "mint",      "b",         "A",         "a",
        "B",     "Zephyr", "zephyr",  "\xE9t\xE9", "\xC9T\xC9", "z",         "[",
        "25.00", "5.00",   "125.00",  "1250.00",   "0.00",      "100000.00", "7",
        "1998",  "3/1998", "12/1998", "1/1999",    "98",        "Box",       "Boxcar"};
    std::mt19937 random(1962);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        for (int round = 0; round < 20; ++round) {
            CSidingWardDoc doc;
            const int count = std::uniform_int_distribution<int>(0, 40)(random);
            for (int k = 0; k < count; ++k) {
                doc.AddItem(ItemWith(attribute, pool[std::uniform_int_distribution<std::size_t>(
                                                    0, pool.size() - 1)(random)]),
                            nullptr);
            }
            doc.SetModifiedFlag(false);
            auto expected = Order(doc);
            ExchangeSort(expected, attribute);
            doc.SetSortAttribute(attribute);
            doc.Sort();
            ASSERT_EQ(Order(doc), expected) << "attribute " << attribute << ", round " << round;
            EXPECT_FALSE(doc.IsModified());
        }
    }
}

TEST(SidingWardDocSort, OrdersDollarsByValueAndKeepsEqualKeysInPlace) {
    using Texts = std::vector<std::string>;
    const std::tuple<int, Texts, Texts> cases[] = {
        {10, {"125.00", "5.00", "25.00"}, {"5.00", "25.00", "125.00"}},
        {11, {"100000.00", "99999.00", "5.00"}, {"5.00", "99999.00", "100000.00"}},
        {6, {"Mint", "MINT", "mint", "MiNt"}, {"Mint", "MINT", "mint", "MiNt"}}};
    for (const auto& [attribute, before, after] : cases) {
        CSidingWardDoc doc;
        EXPECT_EQ(doc.GetSortAttribute(), 0);
        for (const auto& text : before)
            doc.AddItem(ItemWith(attribute, text), nullptr);
        doc.SetModifiedFlag(false);
        doc.SetSortAttribute(attribute);
        doc.Sort();
        Texts sorted;
        for (const auto& item : doc.GetItems())
            sorted.push_back(item->GetAttributeText(attribute));
        EXPECT_EQ(sorted, after);
        EXPECT_FALSE(doc.IsModified());
    }
}

// --- opening and saving ------------------------------------------------------

const std::string kEmptyInventory("\x0BGAUGEWRIGHT\xD5\x00\x00\x00\x00\x00", 18);

TEST(SidingWardDocFile, OpeningReportsHowTheFileWasRead) {
    struct Case {
        std::string bytes;
        FileOutcome outcome;
        const char* message;
    };
    const Case cases[] = {
        {"", FileOutcome::Ok, ""},
        {CByteBuilder().Text("gaugewright").Word(213).Word(1), FileOutcome::WrongSignature,
         "The selected file is not a Gaugewright file!"},
        // Two items announced, one present: the one that was read is not kept either.
        {CByteBuilder().Text("GAUGEWRIGHT").Word(210).Word(2).Raw(std::string(16, '\0')),
         FileOutcome::Failed, "Unexpected file format."},
    };
    CTempDir dir;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        dir.Write("file.inv", c.bytes);
        CSidingWardDoc doc;
        doc.SetModifiedFlag(true);
        const FileResult result = doc.OnOpenDocument(dir.Path("file.inv"));
        EXPECT_EQ(result.outcome, c.outcome);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(doc.GetItemCount(), 0);
        const bool opened = c.outcome != FileOutcome::Failed;
        EXPECT_EQ(doc.GetTitle(), opened ? "file.inv" : "");
        EXPECT_EQ(doc.IsModified(), !opened);
    }
}

TEST(SidingWardDocFile, OlderFileIsSavedInTheCurrentFormat) {
    CTempDir dir;
    CByteBuilder old;
    old.Text("SIDINGWARD").Word(210).Word(1);
    for (int k = 0; k < 16; ++k)
        old.Text("text " + std::to_string(k));
    dir.Write("old.inv", old);
    CSidingWardDoc doc;
    ASSERT_EQ(doc.OnOpenDocument(dir.Path("old.inv")).outcome, FileOutcome::Ok);
    EXPECT_FALSE(doc.IsModified());
    doc.SetModifiedFlag(true);
    ASSERT_TRUE(doc.OnSaveDocument(dir.Path("new.inv")).Succeeded());
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), "new.inv");
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"old.inv", "new.inv"}));

    CByteBuilder expected;
    expected.Text("GAUGEWRIGHT").Word(213).Word(1);
    for (int k = 0; k < 16; ++k)
        expected.Text("text " + std::to_string(k));
    expected.Text("").Word(3).Word(1).Word(1962).Text("").Word(0);
    EXPECT_EQ(dir.Read("new.inv"), expected.Bytes());
}

TEST(SidingWardDocFile, FailedSaveKeepsTheDocumentModifiedAndLeavesNoFiles) {
    CTempDir dir;
    dir.Write("plain-file", "untouched");
    std::filesystem::create_directory(dir.Path("folder.inv"));
    // No such folder, a file where a folder should be, and a folder in the file's place: the
    // last fails only when the written temporary file is renamed.
    for (const std::string& path :
         {dir.Path("missing/x.inv"), dir.Path("plain-file/x.inv"), dir.Path("folder.inv")}) {
        SCOPED_TRACE(path);
        CSidingWardDoc doc;
        doc.SetTitle("NewInventory1");
        doc.AddItem(std::make_unique<CInventoryElement>(), nullptr);
        const FileResult result = doc.OnSaveDocument(path);
        EXPECT_EQ(result.outcome, FileOutcome::Failed);
        EXPECT_NE(result.message.find(path), std::string::npos) << result.message;
        EXPECT_TRUE(doc.IsModified());
        EXPECT_EQ(doc.GetTitle(), "NewInventory1");
        EXPECT_EQ(doc.GetPathName(), "");
    }
    EXPECT_EQ(dir.Entries(), (std::set<std::string>{"plain-file", "folder.inv"}));
    EXPECT_EQ(dir.Entries("folder.inv"), std::set<std::string>{});
    EXPECT_EQ(dir.Read("plain-file"), "untouched");
}

TEST(SidingWardDocFile, InventoryTooLargeForTheFileIsRefused) {
    CTempDir dir;
    dir.Write("big.inv", kEmptyInventory);
    CSidingWardDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(dir.Path("big.inv")).Succeeded());
    for (int k = 0; k < 65536; ++k)
        doc.AddItem(std::make_unique<CInventoryElement>(), nullptr);
    const FileResult result = doc.OnSaveDocument(dir.Path("big.inv"));
    EXPECT_EQ(result.outcome, FileOutcome::Failed);
    EXPECT_NE(result.message.find("at most 65535 items"), std::string::npos) << result.message;
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(dir.Read("big.inv"), kEmptyInventory);
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"big.inv"});

    doc.RemoveItem(doc.GetItemAt(0), nullptr);
    ASSERT_TRUE(doc.OnSaveDocument(dir.Path("big.inv")).Succeeded());
    CSidingWardDoc reread;
    ASSERT_TRUE(reread.OnOpenDocument(dir.Path("big.inv")).Succeeded());
    EXPECT_EQ(reread.GetItemCount(), 65535);
}

} // namespace
