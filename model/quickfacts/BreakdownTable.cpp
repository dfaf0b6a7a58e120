#include "model/quickfacts/BreakdownTable.h"

#include <algorithm>
#include <numeric>
#include <string_view>

#include "model/core/Catalogue.h"
#include "model/core/InventoryElement.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/Breakdowns.h"

namespace {

constexpr int kPurchaseDate = static_cast<int>(Attribute::PurchaseDate);
constexpr int kPurchasePrice = static_cast<int>(Attribute::PurchasePrice);
constexpr int kCurrentValue = static_cast<int>(Attribute::CurrentValue);

std::string Heading(const CCatalogue* yard, int attribute) {
    return yard ? yard->GetHeading(attribute) : AttributeName(attribute);
}

// The report's title pattern (the group heading as %1) and value column heading.
std::pair<const char*, CUserText> MeasureTexts(BreakdownMeasure measure, const CCatalogue* yard) {
    switch (measure) {
    case BreakdownMeasure::Expenditures:
        return {GW_TRANSLATE_NOOP("Messages", "Expenditures by %1"),
                CUserText::Verbatim(Heading(yard, kPurchasePrice))};
    case BreakdownMeasure::AssetValue:
        return {GW_TRANSLATE_NOOP("Messages", "Asset Value by %1"),
                CUserText::Verbatim(Heading(yard, kCurrentValue))};
    case BreakdownMeasure::ItemCount:
        break;
    }
    return {GW_TRANSLATE_NOOP("Messages", "Item Count by %1"),
            CUserText::Make(GW_TRANSLATE_NOOP("Messages", "Item Count"))};
}

std::string PadLeft(const std::string& text, std::size_t width, char fill) {
    return text.size() >= width ? text : std::string(width - text.size(), fill) + text;
}

// Appends the key with A-Z folded onto a-z. Character traits compare bytes as
// unsigned, so folded keys order exactly as CompareKeysNoCase orders the keys.
void AppendFolded(const std::string& key, std::string& out) {
    for (const char c : key)
        out += (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

std::string PrintKeyOf(const std::string& key) {
    std::string padded = key.substr(0, CBreakdownTable::kPrintKeyWidth);
    padded.resize(CBreakdownTable::kPrintKeyWidth, ' ');
    return padded;
}

} // namespace

CBreakdownTable::CBreakdownTable(CUserText title, std::array<CUserText, 2> headings,
                                 BreakdownKind kind)
    : m_title(title.English()), m_headings{headings[0].English(), headings[1].English()},
      m_userTitle(std::move(title)), m_userHeadings(std::move(headings)), m_kind(kind) {}

CBreakdownTable CBreakdownTable::ByPurchaseYear(const CSidingWardDoc& doc, BreakdownMeasure measure,
                                                const CCatalogue* yard) {
    const auto [title, valueHeading] = MeasureTexts(measure, yard);
    const std::string yearHeading = Heading(yard, kPurchaseDate);
    CBreakdownTable table(CUserText::Make(title, yearHeading),
                          {CUserText::Verbatim(yearHeading), valueHeading},
                          BreakdownKind::YearTable);
    // Every year table counts its items too, so the item count needs none of its own.
    table.AddYearRows(measure == BreakdownMeasure::AssetValue
                          ? breakdowns::AssetValueByPurchaseYear(doc.GetItems())
                          : breakdowns::ExpendituresByPurchaseYear(doc.GetItems()),
                      measure);
    return table;
}

CBreakdownTable CBreakdownTable::ByAttribute(const CSidingWardDoc& doc, BreakdownMeasure measure,
                                             int attribute, const CCatalogue* yard) {
    const auto [title, valueHeading] = MeasureTexts(measure, yard);
    const std::string groupHeading = Heading(yard, attribute);
    const bool money = attribute == kPurchasePrice || attribute == kCurrentValue;
    BreakdownKind kind = money ? BreakdownKind::AmountsByAmount : BreakdownKind::AmountsByText;
    if (measure == BreakdownMeasure::ItemCount)
        kind = money ? BreakdownKind::CountsByAmount : BreakdownKind::CountsByText;
    CBreakdownTable table(CUserText::Make(title, groupHeading),
                          {CUserText::Verbatim(groupHeading), valueHeading}, kind);
    switch (measure) {
    case BreakdownMeasure::Expenditures:
        table.AddGroupRows(breakdowns::ExpendituresByAttribute(doc.GetItems(), attribute));
        break;
    case BreakdownMeasure::AssetValue:
        table.AddGroupRows(breakdowns::AssetValueByAttribute(doc.GetItems(), attribute));
        break;
    case BreakdownMeasure::ItemCount:
        table.AddGroupRows(breakdowns::ItemCountByAttribute(doc.GetItems(), attribute));
        break;
    }
    return table;
}

int CBreakdownTable::GetColumnWidth(int column) const {
    const bool byText =
        m_kind == BreakdownKind::AmountsByText || m_kind == BreakdownKind::CountsByText;
    return (column == 0 && byText) ? 200 : 150;
}

void CBreakdownTable::AddRow(std::string key, std::string printKey, long long number,
                             bool isAmount) {
    CQuickFactsRow row;
    row.key = std::move(key);
    row.printKey = std::move(printKey);
    row.value = isAmount ? AmountText(number) : std::to_string(number);
    row.printValue = PadLeft(row.value, kValueWidth, ' ');
    row.valueSortKey = PadLeft(row.value, kValueWidth, '0');
    row.number = number;
    m_rows.push_back(std::move(row));
}

void CBreakdownTable::AddYearRows(const CYearTable& table, BreakdownMeasure measure) {
    const bool counts = measure == BreakdownMeasure::ItemCount;
    for (int year = CYearTable::kFirstYear; year <= CYearTable::kLastYear; ++year) {
        if (!table.HasYear(year))
            continue;
        std::string key = std::to_string(year);
        std::string printKey = key;
        AddRow(std::move(key), std::move(printKey),
               counts ? table.GetItemCount(year) : table.GetTotal(year), !counts);
    }
    if (table.HasOtherYears())
        AddRow(kOtherYearsLabel, kOtherYearsLabel,
               counts ? table.GetOtherYearsItemCount() : table.GetOtherYearsTotal(), !counts);
}

void CBreakdownTable::AddGroupRows(CGroupList groups) {
    const bool amountKeys =
        m_kind == BreakdownKind::CountsByAmount || m_kind == BreakdownKind::AmountsByAmount;
    const bool amountValues =
        m_kind == BreakdownKind::AmountsByText || m_kind == BreakdownKind::AmountsByAmount;
    m_rows.reserve(groups.GetGroups().size());
    for (CGroupTotal& group : groups.TakeGroups()) {
        std::string key = amountKeys ? FormatGroupAmount(group.value) : std::move(group.value);
        std::string printKey = PrintKeyOf(key);
        AddRow(std::move(key), std::move(printKey), group.total, amountValues);
    }
}

void CBreakdownTable::SortByColumn(int column) {
    if (column != 0 && column != 1)
        return;
    const bool descending = m_nextDescending[static_cast<std::size_t>(column)];
    m_nextDescending[static_cast<std::size_t>(column)] = !descending;

    // Sorts positions rather than rows, so a click on a large report moves each row
    // only once. Values compare as numbers, so negative and very long totals sort by
    // magnitude too.
    std::vector<std::size_t> order(m_rows.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    const auto sortBy = [&](const auto& keys) {
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return descending ? keys[b] < keys[a] : keys[a] < keys[b];
        });
    };
    if (column == 0) {
        // All folded keys in one buffer, which keeps the comparisons in the cache.
        std::size_t length = 0;
        for (const auto& row : m_rows)
            length += row.key.size();
        std::string buffer;
        buffer.reserve(length);
        for (const auto& row : m_rows)
            AppendFolded(row.key, buffer);
        std::vector<std::string_view> keys;
        keys.reserve(m_rows.size());
        std::size_t offset = 0;
        for (const auto& row : m_rows) {
            keys.emplace_back(buffer.data() + offset, row.key.size());
            offset += row.key.size();
        }
        sortBy(keys);
    } else {
        std::vector<long long> numbers;
        numbers.reserve(m_rows.size());
        for (const auto& row : m_rows)
            numbers.push_back(row.number);
        sortBy(numbers);
    }
    std::vector<CQuickFactsRow> sorted;
    sorted.reserve(m_rows.size());
    for (const std::size_t position : order)
        sorted.push_back(std::move(m_rows[position]));
    m_rows = std::move(sorted);
}

std::string CBreakdownTable::GetPrintHeader() const {
    return m_headings[0] + " " + m_headings[1] + " ";
}

std::string CBreakdownTable::GetPrintLine(const CQuickFactsRow& row) {
    return row.printKey + "     " + row.printValue;
}

std::vector<std::string> CBreakdownTable::GetPrintLines(std::size_t lineWidth) const {
    constexpr std::size_t kGap = 5;
    std::size_t keyWidth = 0;
    std::size_t valueWidth = 0;
    for (const CQuickFactsRow& row : m_rows) {
        keyWidth = std::max(keyWidth, row.printKey.size());
        valueWidth = std::max(valueWidth, row.printValue.size());
    }
    std::vector<std::string> lines;
    lines.reserve(m_rows.size());
    if (keyWidth + kGap + valueWidth <= lineWidth) {
        for (const CQuickFactsRow& row : m_rows)
            lines.push_back(GetPrintLine(row));
        return lines;
    }
    // The smallest key worth printing beside its value.
    constexpr std::size_t kLeastKey = 4;
    const bool beside = lineWidth >= kLeastKey + kGap + valueWidth;
    for (const CQuickFactsRow& row : m_rows) {
        if (beside) {
            std::string key = row.printKey.substr(0, lineWidth - kGap - valueWidth);
            key.resize(lineWidth - kGap - valueWidth, ' ');
            lines.push_back(key + std::string(kGap, ' ') +
                            PadLeft(row.printValue, valueWidth, ' '));
            continue;
        }
        lines.push_back(row.printKey.substr(0, std::max<std::size_t>(lineWidth, 1)));
        std::string_view value = row.printValue;
        while (!value.empty() && value.front() == ' ')
            value.remove_prefix(1);
        for (; value.size() > lineWidth && lineWidth > 0; value.remove_prefix(lineWidth))
            lines.emplace_back(value.substr(0, lineWidth));
        lines.push_back(PadLeft(std::string(value), lineWidth, ' '));
    }
    for (std::string& line : lines) {
        while (!line.empty() && line.back() == ' ')
            line.pop_back();
    }
    return lines;
}

std::string CBreakdownTable::FormatGroupAmount(const std::string& value) {
    const auto dot = value.find('.');
    std::string dollars = dot == std::string::npos ? std::string() : value.substr(0, dot);
    // Right-aligned in five characters; longer dollar texts are kept whole rather than
    // losing their leading digits.
    if (dollars.size() < 5)
        dollars.insert(0, 5 - dollars.size(), '0');
    for (std::size_t i = 0; i + 1 < dollars.size() && dollars[i] == '0'; ++i)
        dollars[i] = ' ';
    return dollars + ".00";
}
