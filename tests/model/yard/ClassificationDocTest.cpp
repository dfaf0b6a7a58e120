#include "model/yard/ClassificationDoc.h"

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/framework/FixedClock.h"
#include "support/ItemFields.h"
#include "support/TempDir.h"
#include "support/YardFile.h"

namespace {

using Years = std::vector<std::string>;

Years YearsDown(int from, int to) {
    Years years;
    for (int year = from; year >= to; --year)
        years.push_back(std::to_string(year));
    return years;
}

YardRecords ListRecords(int tag, const Years& values) {
    YardRecords records;
    for (const auto& value : values)
        records.emplace_back(tag, value);
    return records;
}

class ClassificationDocTest : public testing::Test {
protected:
    FileResult Open(const std::string& bytes) {
        dir.Write("Classyrd.mst", bytes);
        return doc.OnOpenDocument(dir.Path("Classyrd.mst"));
    }
    CValueList& List(Attribute attribute) { return *doc.GetValueList(static_cast<int>(attribute)); }

    CTempDir dir;
    CFixedClock clock{CDate{2000, 7, 4}};
    CClassificationDoc doc{clock};
};

struct ExtensionCase {
    Years inFile;
    Years afterOpen;
    bool extended;
};

TEST_F(ClassificationDocTest, YearListsAreExtendedToTheCurrentYear) {
    const ExtensionCase cases[] = {
        {YearsDown(1998, 1950), YearsDown(2000, 1950), true},
        {{"1999", "ca. 1997"}, YearsDown(2000, 1997), true},
        {{"1999", "2000", "1990"}, {"1999", "2000", "1990"}, false},
        {{}, {}, false},
        // A lowest year after today's (a clock set back) must not empty the list.
        {{"2005", "2004", "2003"}, {"2005", "2004", "2003"}, false},
    };
    for (const auto& c : cases) {
        for (const int attribute : {8, 9}) { // value tags 8 and 9 hold attributes 8 and 9
            SCOPED_TRACE(testing::PrintToString(c.inFile) + " in list " +
                         std::to_string(attribute));
            CClassificationDoc fresh(clock);
            dir.Write("Classyrd.mst", YardFile(ListRecords(attribute, c.inFile)));
            ASSERT_EQ(fresh.OnOpenDocument(dir.Path("Classyrd.mst")).outcome, FileOutcome::Ok);
            EXPECT_EQ(*fresh.GetValueList(attribute), c.afterOpen);
            EXPECT_EQ(*fresh.GetValueList(17 - attribute), Years{});
            EXPECT_EQ(fresh.IsYearListExtended(), c.extended);
            EXPECT_FALSE(fresh.IsModified());
        }
    }
}

TEST_F(ClassificationDocTest, ExtendedCatalogueIsSavedOnCloseUnchangedOneIsNot) {
    ASSERT_TRUE(Open(YardFile(ListRecords(8, {"1999"}))).Succeeded());
    ASSERT_TRUE(doc.IsYearListExtended());
    std::filesystem::remove(dir.Path("Classyrd.mst"));
    ASSERT_TRUE(doc.SaveOnClose().Succeeded());
    ASSERT_EQ(dir.Entries(), std::set<std::string>{"Classyrd.mst"});

    CClassificationDoc reopened(clock);
    ASSERT_TRUE(reopened.OnOpenDocument(dir.Path("Classyrd.mst")).Succeeded());
    EXPECT_EQ(*reopened.GetValueList(8), YearsDown(2000, 1999));
    EXPECT_FALSE(reopened.IsYearListExtended());
    std::filesystem::remove(dir.Path("Classyrd.mst"));
    ASSERT_TRUE(reopened.SaveOnClose().Succeeded());
    EXPECT_EQ(dir.Entries(), std::set<std::string>{});

    reopened.AddValue(*reopened.GetValueList(0), "Caboose");
    ASSERT_TRUE(reopened.SaveOnClose().Succeeded());
    EXPECT_FALSE(reopened.IsModified());
    EXPECT_EQ(dir.Entries(), std::set<std::string>{"Classyrd.mst"});
}

TEST_F(ClassificationDocTest, ForeignOrTruncatedFiles) {
    const FileResult foreign = Open(YardFile(ListRecords(8, {"1990"}), "gaugewright"));
    EXPECT_EQ(foreign.outcome, FileOutcome::WrongSignature);
    EXPECT_EQ(foreign.message, "The selected file is not a Gaugewright file!");
    EXPECT_EQ(List(Attribute::DateBuilt), Years{});
    EXPECT_FALSE(doc.IsYearListExtended());
    EXPECT_FALSE(doc.IsModified());

    CClassificationDoc other(clock);
    const std::string bytes = YardFile(ListRecords(8, {"1990", "1980"}));
    dir.Write("cut.mst", bytes.substr(0, bytes.size() - 1));
    EXPECT_EQ(other.OnOpenDocument(dir.Path("cut.mst")).message, "Unexpected file format.");

    dir.Write("empty.mst", "");
    ASSERT_EQ(other.OnOpenDocument(dir.Path("empty.mst")).outcome, FileOutcome::Ok);
    EXPECT_EQ(*other.GetValueList(8), Years{});
    EXPECT_TRUE(other.GetUseWizard());
}

TEST_F(ClassificationDocTest, RangesCountFromTheCurrentYearAndInWholeDollars) {
    CFixedClock in1998(CDate{1998, 12, 31});
    CClassificationDoc yard(in1998);
    CValueList& years = *yard.GetValueList(9);
    yard.SetYearRange(years, 1995);
    EXPECT_EQ(years, (Years{"1998", "1997", "1996", "1995"}));
    EXPECT_TRUE(yard.IsModified());
    yard.SetYearRange(years, 1999);
    EXPECT_EQ(years, Years{});

    CValueList& dollars = *yard.GetValueList(10);
    yard.SetModifiedFlag(false);
    yard.SetDollarRange(dollars, 0, 3);
    EXPECT_EQ(dollars, (Years{"0.00", "1.00", "2.00", "3.00"}));
    EXPECT_TRUE(yard.IsModified());
    yard.SetDollarRange(dollars, 5, 4);
    EXPECT_EQ(dollars, Years{});
}

TEST_F(ClassificationDocTest, DeleteValueRemovesTheFirstExactMatchOnly) {
    CValueList& conditions = List(Attribute::Condition);
    for (const char* value : {"Mint", "Good", "Mint"})
        EXPECT_TRUE(doc.AddValue(conditions, value));
    EXPECT_TRUE(doc.IsModified());
    doc.SetModifiedFlag(false);
    EXPECT_FALSE(doc.DeleteValue(conditions, "MINT"));
    EXPECT_FALSE(doc.DeleteValue(conditions, "Min"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_TRUE(doc.DeleteValue(conditions, "Mint"));
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(conditions, (Years{"Good", "Mint"}));
}

TEST_F(ClassificationDocTest, ItemNumberHasNoListAndOutOfRangeHeadingsMeanUserDefined2) {
    EXPECT_EQ(doc.GetValueList(2), nullptr);
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        doc.SetHeading(attribute, "heading " + std::to_string(attribute));
    for (const int attribute : {13, 14, -1}) {
        EXPECT_EQ(doc.GetHeading(attribute), "heading 13");
        EXPECT_EQ(doc.GetHeadingLength(attribute), 10);
    }
    doc.SetHeading(-5, "User Supplied");
    EXPECT_EQ(doc.GetHeading(13), "User Supplied");
}

TEST_F(ClassificationDocTest, RestoreGivesBackTheSnapshot) {
    doc.AddValue(List(Attribute::Scale), "HO");
    doc.AddValue(List(Attribute::Scale), "N");
    doc.AddValue(List(Attribute::Manufacturer), "Athearn");
    doc.SetHeading(3, "Railroad");
    doc.SnapshotValues();
    doc.SnapshotHeadings();
    doc.AddValue(List(Attribute::Scale), "O");
    doc.DeleteValue(List(Attribute::Scale), "HO");
    doc.DeleteValue(List(Attribute::Manufacturer), "Athearn");
    doc.AddValue(List(Attribute::UserDefined2), "extra");
    doc.SetHeading(3, "Road");
    doc.RestoreValues();
    doc.RestoreHeadings();
    EXPECT_EQ(List(Attribute::Scale), (CValueList{"HO", "N"}));
    EXPECT_EQ(List(Attribute::Manufacturer), CValueList{"Athearn"});
    EXPECT_EQ(List(Attribute::UserDefined2), CValueList{});
    EXPECT_EQ(doc.GetHeading(3), "Railroad");

    // The backups are empty now: restoring again empties the lists.
    doc.RestoreValues();
    EXPECT_EQ(List(Attribute::Scale), CValueList{});
    EXPECT_EQ(List(Attribute::Manufacturer), CValueList{});
}

TEST_F(ClassificationDocTest, ClipboardHandsOutItsItemAndKeepsACopy) {
    EXPECT_FALSE(doc.HasClipboardItem());
    EXPECT_EQ(doc.TakeClipboardItem(), nullptr);
    CInventoryElement item;
    item.SetManufacturer("Lionel");
    item.SetReservedText1("reserved");
    item.SetPicture("caboose.png");
    item.SetEntryDate(7, 4, 2000);
    doc.SetClipboardItem(item);
    const std::vector<std::string> copied = ItemFields(item);
    item.SetManufacturer("changed afterwards");
    EXPECT_TRUE(doc.HasClipboardItem());

    const auto first = doc.TakeClipboardItem();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(ItemFields(*first), copied);
    EXPECT_TRUE(doc.HasClipboardItem());
    first->SetRoadName("edited after the paste");
    const auto second = doc.TakeClipboardItem();
    ASSERT_NE(second, nullptr);
    EXPECT_NE(second.get(), first.get());
    EXPECT_EQ(ItemFields(*second), copied);
    EXPECT_TRUE(doc.HasClipboardItem());
}

TEST_F(ClassificationDocTest, CatalogueTooLargeForTheRecordCountIsNotSaved) {
    doc.SetPathName(dir.Path("Classyrd.mst"));
    doc.SetDollarRange(List(Attribute::PurchasePrice), 0, 32760);
    doc.SetDollarRange(List(Attribute::CurrentValue), 0, 32744);
    ASSERT_EQ(doc.GetValueEntryCount(), 65506u);
    const FileResult refused = doc.SaveNow();
    EXPECT_EQ(refused.outcome, FileOutcome::Failed);
    EXPECT_NE(refused.message, "");
    EXPECT_TRUE(doc.IsModified());
    EXPECT_EQ(dir.Entries(), std::set<std::string>{});

    doc.DeleteValue(List(Attribute::CurrentValue), "32744.00");
    ASSERT_TRUE(doc.SaveNow().Succeeded());
    EXPECT_FALSE(doc.IsModified());
    const std::string bytes = dir.Read("Classyrd.mst");
    EXPECT_EQ(bytes.substr(14, 2), "\xFF\xFF");
    CClassificationDoc reread(clock);
    ASSERT_TRUE(reread.OnOpenDocument(dir.Path("Classyrd.mst")).Succeeded());
    EXPECT_EQ(reread.GetValueEntryCount(), 65505u);
    EXPECT_EQ(reread.GetValueList(11)->back(), "32743.00");
}

} // namespace

namespace {

struct RangeFit {
    int currentValueLast; // the Current Value range is 0 to this
    std::size_t entries;  // the Current Value list's new size
    bool fits;
};

class ClassificationDocRangeFitTest : public ClassificationDocTest,
                                      public testing::WithParamInterface<RangeFit> {};

TEST_P(ClassificationDocRangeFitTest, RangesThatKeepTheCatalogueSavable) {
    const RangeFit& fit = GetParam();
    doc.SetDollarRange(List(Attribute::PurchasePrice), 0, 32760);
    List(Attribute::CurrentValue) = {"1.00", "2.00"};
    EXPECT_EQ(CClassificationDoc::DollarRangeSize(0, fit.currentValueLast), fit.entries);
    // The list's own entries do not count: the range replaces them.
    EXPECT_EQ(doc.CanHoldValues(List(Attribute::CurrentValue), fit.entries), fit.fits);
}

// 32761 Purchase Price entries leave room for 32744 more.
INSTANTIATE_TEST_SUITE_P(SixteenBitCount, ClassificationDocRangeFitTest,
                         testing::Values(RangeFit{32743, 32744, true},
                                         RangeFit{32744, 32745, false},
                                         RangeFit{32760, 32761, false}, RangeFit{-1, 0, true}));

TEST_F(ClassificationDocTest, YearRangeSizeCountsDownToTheLowestYear) {
    // The fixture's clock stands in 2000.
    EXPECT_EQ(doc.YearRangeSize(1995), 6u);
    EXPECT_EQ(doc.YearRangeSize(2000), 1u);
    EXPECT_EQ(doc.YearRangeSize(2001), 0u);
    EXPECT_EQ(CClassificationDoc::DollarRangeSize(5, 4), 0u);
}

} // namespace
