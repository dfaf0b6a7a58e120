#include "model/core/InventoryReport.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "model/core/SidingWardDoc.h"

namespace {

struct CellCase {
    std::string text;
    std::size_t width;
    std::string cell;
};

TEST(InventoryReport, CellsArePaddedOrCutWithFullStops) {
    const CellCase cases[] = {
        {"HO", 6, "HO...."},
        {"Paint Scheme", 13, "Paint.Scheme."},
        {"Santa Fe Chief", 8, "Santa.Fe"},
        {"", 3, "..."},
        {" a ", 3, ".a."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inventoryreport::Cell(c.text, c.width), c.cell) << c.text;
}

struct DateCase {
    CDate date;
    std::string text;
};

TEST(InventoryReport, TheTitleLineNamesTheDateAndThePage) {
    const DateCase cases[] = {
        {{2026, 12, 8}, "December 8, 2026"},
        {{1998, 1, 31}, "January 31, 1998"},
        {{2000, 5, 1}, "May 1, 2000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inventoryreport::DateText(c.date), c.text);
    EXPECT_EQ(inventoryreport::TitleLine({2026, 12, 8}, 1),
              "Date: December 8, 2026      The Gaugewright Inventory Report           Page: 1");
    EXPECT_EQ(inventoryreport::TitleLine({1999, 7, 4}, 12),
              "Date: July 4, 1999      The Gaugewright Inventory Report           Page: 12");
}

std::unique_ptr<CInventoryElement> Item(const std::string& manufacturer, const std::string& scale) {
    auto item = std::make_unique<CInventoryElement>();
    item->SetAttributeText(static_cast<int>(Attribute::Manufacturer), manufacturer);
    item->SetAttributeText(static_cast<int>(Attribute::Scale), scale);
    return item;
}

inventoryreport::ColumnFlags Only(std::initializer_list<Attribute> shown) {
    inventoryreport::ColumnFlags flags{};
    for (const Attribute attribute : shown)
        flags[static_cast<std::size_t>(attribute)] = true;
    return flags;
}

TEST(InventoryReport, ColumnsFitTheLongerOfHeadingAndValues) {
    CSidingWardDoc document;
    document.AddItem(Item("Walthers Co", "HO"), nullptr); // 11 characters: the longest
    document.AddItem(Item("Athearn", "N"), nullptr);
    const auto headings = inventoryreport::HeadingsOf(document);
    const CInventoryReport report = inventoryreport::Build(
        document, Only({Attribute::Manufacturer, Attribute::Scale}), headings);
    EXPECT_EQ(report.columns, (std::vector<int>{1, 5}));
    EXPECT_EQ(report.widths, (std::vector<std::size_t>{13, 6}));
    EXPECT_EQ(report.headingLine, "Manufacturer.\tScale.\t");
    EXPECT_EQ(report.itemLines,
              (std::vector<std::string>{"Walthers.Co..\tHO....\t", "Athearn......\tN.....\t"}));

    // A value longer than its heading sets the width.
    document.AddItem(Item("Lionel Corporation", "O"), nullptr);
    EXPECT_EQ(inventoryreport::Build(document, Only({Attribute::Manufacturer}), headings).widths,
              (std::vector<std::size_t>{19}));
}

// One long value used to pad every line of the report to its length.
TEST(InventoryReport, NoColumnIsWiderThanALine) {
    CSidingWardDoc document;
    document.AddItem(Item("Walthers Co", "HO"), nullptr);
    const std::string road(10000, 'x');
    document.AddItem(Item(road + " Co", "N"), nullptr);
    const CInventoryReport report =
        inventoryreport::Build(document, Only({Attribute::Manufacturer, Attribute::Scale}),
                               inventoryreport::HeadingsOf(document), 40);
    EXPECT_EQ(report.widths, (std::vector<std::size_t>{40, 6}));
    EXPECT_EQ(report.itemLines,
              (std::vector<std::string>{"Walthers.Co" + std::string(29, '.') + "\tHO....\t",
                                        road + ".Co\tN.....\t"}));
}

TEST(InventoryReport, ATitleTooLongForTheLineBreaksBeforeThePage) {
    EXPECT_EQ(inventoryreport::TitleLines("December 8, 2026", 7, 80),
              (std::vector<std::string>{inventoryreport::TitleLine({2026, 12, 8}, 7)}));
    EXPECT_EQ(
        inventoryreport::TitleLines("December 8, 2026", 7, 40),
        (std::vector<std::string>{"Date: December 8, 2026      The", "Gaugewright Inventory Report",
                                  std::string(33, ' ') + "Page: 7"}));
}

TEST(InventoryReport, AnEmptyInventoryHasItsHeadingsAndNoLines) {
    CSidingWardDoc document;
    auto headings = inventoryreport::HeadingsOf(document);
    headings[static_cast<std::size_t>(Attribute::Scale)] = "";
    const CInventoryReport report = inventoryreport::Build(
        document, Only({Attribute::Scale, Attribute::PaintScheme}), headings);
    // The longest value of an empty inventory counts as 1.
    EXPECT_EQ(report.widths, (std::vector<std::size_t>{13, 2}));
    EXPECT_EQ(report.headingLine, "Paint.Scheme.\t..\t");
    EXPECT_TRUE(report.itemLines.empty());
}

struct PageCase {
    std::size_t items;
    int perPage;
    int pages;
};

TEST(InventoryReport, PagesHoldTheItemsPerPage) {
    const PageCase cases[] = {{61, 30, 3}, {60, 30, 2}, {0, 30, 1}, {1, 30, 1}, {5, 0, 5}};
    for (const auto& c : cases)
        EXPECT_EQ(inventoryreport::PageCount(c.items, c.perPage), c.pages)
            << c.items << " items, " << c.perPage << " a page";
}

} // namespace

namespace {

struct WrapCase {
    std::string line;
    std::size_t columns;
    std::vector<std::string> lines;
};

TEST(InventoryReport, LinesWrapBetweenCellsWithTabStopsEveryEighthCharacter) {
    const WrapCase cases[] = {
        {"Boxcar.\tHO.\t", 40, {"Boxcar. HO."}},
        {"Boxcar.\tHO.\t", 10, {"Boxcar.", "HO."}},
        // A TAB that reaches the end of the line ends it.
        {"Boxcar..\tHO.\t", 12, {"Boxcar..", "HO."}},
        {"abc\tdefghij\tk\t", 24, {"abc     defghij k"}},
        {"abcdefgh\tx\t", 20, {"abcdefgh        x"}},
        // A cell longer than a line fills whole lines.
        {"a\tbcdefghijkl\tm\t", 5, {"a", "bcdef", "ghijk", "l", "m"}},
        {"", 10, {""}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(inventoryreport::Wrap(c.line, c.columns), c.lines)
            << c.line << " in " << c.columns;
}

} // namespace
