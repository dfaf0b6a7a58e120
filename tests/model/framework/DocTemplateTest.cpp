#include "model/framework/DocTemplate.h"

#include <gtest/gtest.h>

#include "model/core/SidingWardDoc.h"

namespace {

constexpr const char* kInventoryString = "Gaugewright\nNewInventory\nInventory\nInventory (*.inv)\n"
                                         ".inv\nGaugewrt.Document\nGaugewright Inventory File";

TEST(DocTemplate, SplitsTheSevenPartsOfItsDocumentString) {
    const CDocTemplate inventory(129, kInventoryString, nullptr);
    const CDocTemplate yard(
        130, "Classification\nClassification\n\n\n\nGaugewrt.Document\nGaugewr Document", nullptr);
    const CDocTemplate shortString(1, "Only\nTwo", nullptr);
    struct Case {
        const CDocTemplate& docTemplate;
        DocStringPart part;
        const char* expected;
    };
    const Case cases[] = {
        {inventory, DocStringPart::WindowTitle, "Gaugewright"},
        {inventory, DocStringPart::DocumentName, "NewInventory"},
        {inventory, DocStringPart::NewListName, "Inventory"},
        {inventory, DocStringPart::FilterName, "Inventory (*.inv)"},
        {inventory, DocStringPart::FilterExtension, ".inv"},
        {inventory, DocStringPart::FileTypeId, "Gaugewrt.Document"},
        {inventory, DocStringPart::FileTypeName, "Gaugewright Inventory File"},
        {yard, DocStringPart::NewListName, ""},
        {yard, DocStringPart::FilterExtension, ""},
        {yard, DocStringPart::FileTypeName, "Gaugewr Document"},
        {shortString, DocStringPart::DocumentName, "Two"},
        {shortString, DocStringPart::FilterName, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.part));
        EXPECT_EQ(c.docTemplate.GetDocString(c.part), c.expected);
    }
}

TEST(DocTemplate, MatchesItsExtensionWithoutRegardToCase) {
    const CDocTemplate inventory(129, kInventoryString, nullptr);
    EXPECT_TRUE(inventory.MatchesFile("/home/me/trains.inv"));
    EXPECT_TRUE(inventory.MatchesFile("TRAINS.INV"));
    EXPECT_FALSE(inventory.MatchesFile("trains.inv.bak"));
    EXPECT_FALSE(inventory.MatchesFile("trains"));
    const CDocTemplate yard(130, "Classification\nClassification\n\n\n\nGaugewrt.Document\n",
                            nullptr);
    EXPECT_FALSE(yard.MatchesFile("Classyrd.mst"));
    EXPECT_FALSE(yard.MatchesFile("x."));
}

TEST(DocTemplate, NumbersNewDocumentsFromOneAndMakesFreshOnes) {
    CDocTemplate inventory(129, kInventoryString,
                           [] { return std::make_unique<CSidingWardDoc>(); });
    EXPECT_EQ(inventory.NextUntitledTitle(), "NewInventory1");
    EXPECT_EQ(inventory.NextUntitledTitle(), "NewInventory2");
    const auto first = inventory.CreateDocument();
    const auto second = inventory.CreateDocument();
    ASSERT_NE(dynamic_cast<CSidingWardDoc*>(first.get()), nullptr);
    EXPECT_NE(first.get(), second.get());
    EXPECT_EQ(CDocTemplate(1, "", nullptr).CreateDocument(), nullptr);
}

// A recovered "NewInventory5" must not meet a second one made by New.
TEST(DocTemplate, NumberingMovesPastARecoveredUntitledTitle) {
    CDocTemplate inventory(129, kInventoryString, nullptr);
    for (const char* other : {"NewInventory", "NewInventory3x", "Boxcars5", "NewInventory2"})
        inventory.NoteUntitledTitle(other);
    inventory.NoteUntitledTitle("NewInventory5");
    EXPECT_EQ(inventory.NextUntitledTitle(), "NewInventory6");
}

} // namespace
