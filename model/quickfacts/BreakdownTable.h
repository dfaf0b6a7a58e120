#pragma once

#include <array>
#include <string>
#include <vector>

#include "model/framework/UserText.h"
#include "model/quickfacts/QuickFactsRow.h"

class CCatalogue;
class CGroupList;
class CSidingWardDoc;
class CYearTable;

// How a breakdown groups its items and writes its groups and values.
enum class BreakdownKind {
    YearTable,       // by purchase year; amounts (or counts) by year
    AmountsByText,   // by an attribute's text; dollar totals
    CountsByText,    // by an attribute's text; item counts
    CountsByAmount,  // by a money attribute, its value written as an amount; item counts
    AmountsByAmount, // by a money attribute; dollar totals
};

// What a breakdown totals.
enum class BreakdownMeasure {
    Expenditures, // Purchase Price
    AssetValue,   // Current Value
    ItemCount,
};

// One breakdown report, ready to show: title, the two column headings and the rows,
// which it can sort by either column the way the results dialog's header clicks do.
class CBreakdownTable {
public:
    // The label of the row that gathers items whose purchase year lies outside 0..9999.
    static constexpr const char* kOtherYearsLabel = GW_TRANSLATE_NOOP("Messages", "Other years");
    static constexpr int kPrintKeyWidth = 50;
    static constexpr int kValueWidth = 10;

    // The report by purchase year: one row per year that has items, ascending, then
    // the "Other years" row when any item's year lies outside 0..9999. Headings come
    // from yard, or are the default attribute names when yard is null.
    static CBreakdownTable ByPurchaseYear(const CSidingWardDoc& doc, BreakdownMeasure measure,
                                          const CCatalogue* yard);
    // The report by the exact text of an attribute, one row per group in the order the
    // groups first occur; the money attributes 10 and 11 write their groups as amounts.
    static CBreakdownTable ByAttribute(const CSidingWardDoc& doc, BreakdownMeasure measure,
                                       int attribute, const CCatalogue* yard);

    const std::string& GetTitle() const { return m_title; }
    // Column 0 is the group column, column 1 the value column.
    const std::array<std::string, 2>& GetColumnHeadings() const { return m_headings; }
    // The title and the column headings for the window layer to translate (the
    // catalogue's headings in them stay as they are).
    const CUserText& GetUserTitle() const { return m_userTitle; }
    const std::array<CUserText, 2>& GetUserColumnHeadings() const { return m_userHeadings; }
    BreakdownKind GetKind() const { return m_kind; }
    // The width of a column in the results dialog's list.
    int GetColumnWidth(int column) const;

    // The rows in their current order.
    const std::vector<CQuickFactsRow>& GetRows() const { return m_rows; }

    // A click on a column header: column 0 sorts by key without regard to case,
    // column 1 by value; each column's first click sorts descending, the next
    // ascending, and so on. Rows that compare equal keep their order.
    void SortByColumn(int column);

    // The printed header line: each column heading followed by one space.
    std::string GetPrintHeader() const;
    // The printed line of a row: print key, five spaces, print value.
    static std::string GetPrintLine(const CQuickFactsRow& row);
    // The printed lines of the rows, in their current order, on lines lineWidth
    // characters long: the lines of GetPrintLine when they all fit; else every value
    // right-aligned at the end of the line, after its key cut to the room that is
    // left, so that no value leaves the page. A page too narrow for a key beside
    // the longest value gets each key and its value on lines of their own.
    std::vector<std::string> GetPrintLines(std::size_t lineWidth) const;

    // A money attribute's group value as the amount kinds show it: the dollars before
    // the first "." right-aligned in at least five characters, then ".00" ("25.00"
    // gives "   25.00"; a text without "." gives "    0.00").
    static std::string FormatGroupAmount(const std::string& value);

private:
    CBreakdownTable(CUserText title, std::array<CUserText, 2> headings, BreakdownKind kind);

    void AddRow(std::string key, std::string printKey, long long number, bool isAmount);
    void AddYearRows(const CYearTable& table, BreakdownMeasure measure);
    void AddGroupRows(CGroupList groups);

    std::string m_title;
    std::array<std::string, 2> m_headings;
    CUserText m_userTitle;
    std::array<CUserText, 2> m_userHeadings;
    BreakdownKind m_kind;
    std::vector<CQuickFactsRow> m_rows;
    // Whether the next click on each column sorts descending.
    std::array<bool, 2> m_nextDescending{true, true};
};
