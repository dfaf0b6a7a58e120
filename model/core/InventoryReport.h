#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/core/InventoryElement.h"
#include "model/framework/Clock.h"

class CSidingWardDoc;

// The printed inventory report as text: a title line per page, a line of column
// headings and one line per item, the cells of a line each followed by TAB. The
// widgets only measure, paginate and draw these lines.
struct CInventoryReport {
    // The attributes shown, as indexes in ascending order.
    std::vector<int> columns;
    // The width of each shown column in characters, in the order of columns.
    std::vector<std::size_t> widths;
    std::string headingLine;
    // One line per item, in the order of the document's item list.
    std::vector<std::string> itemLines;
};

namespace inventoryreport {

using Headings = std::array<std::string, kAttributeCount>;
using ColumnFlags = std::array<bool, kAttributeCount>;

inline constexpr int kDefaultItemsPerPage = 30;
// The characters of a line on an A4 page with 10 mm margins in the report's
// 12-point fixed-pitch font: the line width of a report that has no page.
inline constexpr std::size_t kDefaultLineWidth = 74;

// "December 8, 2026": the English month name, the day without a leading zero and
// the four-digit year.
std::string DateText(const CDate& date);
// "Date: December 8, 2026      The Gaugewright Inventory Report           Page: 1"
std::string TitleLine(const CDate& date, int page);
// The words of the title line; the window layer gives them in the program's language.
struct TitleWords {
    std::string date = "Date:";
    std::string report = "The Gaugewright Inventory Report";
    std::string page = "Page:";
};
// The title line with the date written as dateText, as printed on lines columns
// characters wide: the line itself when it fits; else the date and the report's name
// (each broken where they do not fit either), then "Page: " and the number
// right-aligned on a line of their own.
std::vector<std::string> TitleLines(std::string_view dateText, int page, std::size_t columns,
                                    const TitleWords& words = {});
// text with every space made a full stop, padded with full stops or cut to
// exactly width characters.
std::string Cell(std::string_view text, std::size_t width);

// The current headings: those of the document's linked catalogue, else the
// attributes' default names.
Headings HeadingsOf(const CSidingWardDoc& document);

// The report of the document's items with the columns whose flag is set, for
// lines lineWidth characters long. A column is 1 + the longer of its heading and
// its longest value wide (an empty inventory counts as a longest value of 1), but
// never wider than a line: one long value would otherwise pad every line of the
// report to its length. A value or heading longer than its column is kept whole;
// printing cuts it into full lines.
CInventoryReport Build(const CSidingWardDoc& document, const ColumnFlags& columns,
                       const Headings& headings, std::size_t lineWidth = kDefaultLineWidth);

// A report line as it is printed in a fixed-pitch font on a page columns
// characters wide: each TAB moves on to the next multiple of 8 characters, a
// line breaks between cells (at the TABs) when the next cell does not fit, and a
// cell longer than a whole line is cut into pieces that fill lines. The TABs come
// out as spaces; a line ends without them. An empty line is one empty line.
std::vector<std::string> Wrap(std::string_view line, std::size_t columns);

// Report columns given as text, "0,5,10": attribute indexes 0 to 13, each once,
// separated by commas, with nothing else (no spaces, no signs). nullopt with
// problem set to the reason (for example "column 5 given twice") when the text is
// not of that form.
std::optional<ColumnFlags> ParseColumns(std::string_view text, std::string& problem);

// The number of pages for itemCount items at itemsPerPage a page: at least 1.
int PageCount(std::size_t itemCount, int itemsPerPage);

} // namespace inventoryreport
