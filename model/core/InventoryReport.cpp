#include "model/core/InventoryReport.h"

#include <algorithm>
#include <charconv>

#include "model/core/Catalogue.h"
#include "model/core/SidingWardDoc.h"

namespace inventoryreport {

namespace {

constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

// The cell of a text in a column of width characters; a longer text is not cut.
std::string WholeCell(std::string_view text, std::size_t width) {
    return Cell(text, std::max(width, text.size()));
}

// Cuts text into lines of at most columns characters, breaking after a space
// where it can.
void BreakInto(std::vector<std::string>& lines, std::string_view text, std::size_t columns) {
    while (text.size() > columns) {
        std::size_t cut = text.rfind(' ', columns);
        cut = (cut == std::string_view::npos || cut == 0) ? columns : cut;
        lines.emplace_back(text.substr(0, cut));
        text.remove_prefix(cut);
        while (!text.empty() && text.front() == ' ')
            text.remove_prefix(1);
    }
    lines.emplace_back(text);
}

} // namespace

std::string DateText(const CDate& date) {
    const int month = std::clamp(date.month, 1, 12);
    return std::string(kMonths[month - 1]) + " " + std::to_string(date.day) + ", " +
           std::to_string(date.year);
}

namespace {

std::string DateAndReport(std::string_view dateText, const TitleWords& words) {
    return words.date + " " + std::string(dateText) + "      " + words.report;
}

std::string PageNumber(int page, const TitleWords& words) {
    return words.page + " " + std::to_string(page);
}

std::string TitleLineOf(std::string_view dateText, int page, const TitleWords& words) {
    return DateAndReport(dateText, words) + "           " + PageNumber(page, words);
}

} // namespace

std::string TitleLine(const CDate& date, int page) {
    return TitleLineOf(DateText(date), page, {});
}

std::vector<std::string> TitleLines(std::string_view dateText, int page, std::size_t columns,
                                    const TitleWords& words) {
    columns = std::max<std::size_t>(columns, 1);
    std::string title = TitleLineOf(dateText, page, words);
    if (title.size() <= columns)
        return {std::move(title)};
    std::vector<std::string> lines;
    BreakInto(lines, DateAndReport(dateText, words), columns);
    std::string number = PageNumber(page, words);
    if (number.size() < columns)
        number.insert(0, columns - number.size(), ' ');
    BreakInto(lines, number, columns);
    return lines;
}

std::string Cell(std::string_view text, std::size_t width) {
    std::string cell(text.substr(0, width));
    std::replace(cell.begin(), cell.end(), ' ', '.');
    cell.resize(width, '.');
    return cell;
}

Headings HeadingsOf(const CSidingWardDoc& document) {
    Headings headings;
    const CCatalogue* yard = document.GetClassificationYard();
    for (int attribute = 0; attribute < kAttributeCount; ++attribute)
        headings[static_cast<std::size_t>(attribute)] =
            yard ? yard->GetHeading(attribute) : std::string(AttributeName(attribute));
    return headings;
}

CInventoryReport Build(const CSidingWardDoc& document, const ColumnFlags& columns,
                       const Headings& headings, std::size_t lineWidth) {
    lineWidth = std::max<std::size_t>(lineWidth, 1);
    CInventoryReport report;
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (!columns[static_cast<std::size_t>(attribute)])
            continue;
        std::size_t longest = 1;
        if (!document.GetItems().empty()) {
            longest = 0;
            for (const auto& item : document.GetItems())
                longest = std::max(longest, item->GetAttributeText(attribute).size());
        }
        report.columns.push_back(attribute);
        report.widths.push_back(
            std::min(lineWidth,
                     1 + std::max(headings[static_cast<std::size_t>(attribute)].size(), longest)));
    }
    for (std::size_t k = 0; k < report.columns.size(); ++k) {
        report.headingLine +=
            WholeCell(headings[static_cast<std::size_t>(report.columns[k])], report.widths[k]);
        report.headingLine += '\t';
    }
    report.itemLines.reserve(document.GetItems().size());
    for (const auto& item : document.GetItems()) {
        std::string line;
        for (std::size_t k = 0; k < report.columns.size(); ++k) {
            line += WholeCell(item->GetAttributeText(report.columns[k]), report.widths[k]);
            line += '\t';
        }
        report.itemLines.push_back(std::move(line));
    }
    return report;
}

std::vector<std::string> Wrap(std::string_view line, std::size_t columns) {
    constexpr std::size_t kTabColumns = 8;
    columns = std::max<std::size_t>(columns, 1);
    std::vector<std::string> lines;
    std::string current;
    const auto flush = [&lines, &current] {
        while (!current.empty() && current.back() == ' ')
            current.pop_back();
        lines.push_back(std::move(current));
        current.clear();
    };
    std::size_t start = 0;
    while (start < line.size()) {
        const std::size_t tab = line.find('\t', start);
        std::string_view cell = line.substr(
            start, tab == std::string_view::npos ? std::string_view::npos : tab - start);
        start = tab == std::string_view::npos ? line.size() : tab + 1;
        if (!current.empty() && current.size() + cell.size() > columns)
            flush();
        while (cell.size() > columns) {
            lines.emplace_back(cell.substr(0, columns));
            cell.remove_prefix(columns);
        }
        current += cell;
        if (tab != std::string_view::npos) {
            const std::size_t stop = (current.size() / kTabColumns + 1) * kTabColumns;
            // A TAB that reaches the line's end ends the line.
            if (stop >= columns)
                flush();
            else
                current.append(stop - current.size(), ' ');
        }
    }
    if (!current.empty() || lines.empty())
        flush();
    return lines;
}

int PageCount(std::size_t itemCount, int itemsPerPage) {
    const std::size_t perPage = static_cast<std::size_t>(std::max(itemsPerPage, 1));
    const std::size_t pages = itemCount / perPage + (itemCount % perPage != 0 ? 1 : 0);
    return static_cast<int>(std::max<std::size_t>(pages, 1));
}

std::optional<ColumnFlags> ParseColumns(std::string_view text, std::string& problem) {
    ColumnFlags columns{};
    std::size_t start = 0;
    while (true) {
        const std::size_t comma = text.find(',', start);
        const std::string_view part = text.substr(start, comma - start);
        int attribute = -1;
        const auto [end, error] =
            std::from_chars(part.data(), part.data() + part.size(), attribute);
        // from_chars would take a minus sign; a column is digits only.
        if (part.empty() || part.front() < '0' || part.front() > '9' || error != std::errc() ||
            end != part.data() + part.size() || attribute < 0 || attribute >= kAttributeCount) {
            problem = "\"" + std::string(part) + "\" is not a number from 0 to " +
                      std::to_string(kAttributeCount - 1);
            return std::nullopt;
        }
        if (columns[static_cast<std::size_t>(attribute)]) {
            problem = "column " + std::to_string(attribute) + " given twice";
            return std::nullopt;
        }
        columns[static_cast<std::size_t>(attribute)] = true;
        if (comma == std::string_view::npos)
            return columns;
        start = comma + 1;
    }
}

} // namespace inventoryreport
