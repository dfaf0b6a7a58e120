#include "model/core/InventoryReport.h"

#include <algorithm>

#include "model/core/Catalogue.h"
#include "model/core/SidingWardDoc.h"

namespace inventoryreport {

namespace {

constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};

} // namespace

std::string DateText(const CDate& date) {
    const int month = std::clamp(date.month, 1, 12);
    return std::string(kMonths[month - 1]) + " " + std::to_string(date.day) + ", " +
           std::to_string(date.year);
}

std::string TitleLine(const CDate& date, int page) {
    return "Date: " + DateText(date) +
           "      The Gaugewright Inventory Report           Page: " + std::to_string(page);
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
                       const Headings& headings) {
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
            1 + std::max(headings[static_cast<std::size_t>(attribute)].size(), longest));
    }
    for (std::size_t k = 0; k < report.columns.size(); ++k) {
        report.headingLine +=
            Cell(headings[static_cast<std::size_t>(report.columns[k])], report.widths[k]);
        report.headingLine += '\t';
    }
    report.itemLines.reserve(document.GetItems().size());
    for (const auto& item : document.GetItems()) {
        std::string line;
        for (std::size_t k = 0; k < report.columns.size(); ++k) {
            line += Cell(item->GetAttributeText(report.columns[k]), report.widths[k]);
            line += '\t';
        }
        report.itemLines.push_back(std::move(line));
    }
    return report;
}

int PageCount(std::size_t itemCount, int itemsPerPage) {
    const std::size_t perPage = static_cast<std::size_t>(std::max(itemsPerPage, 1));
    const std::size_t pages = itemCount / perPage + (itemCount % perPage != 0 ? 1 : 0);
    return static_cast<int>(std::max<std::size_t>(pages, 1));
}

} // namespace inventoryreport
