#include "model/core/InventoryElement.h"

#include <algorithm>
#include <climits>
#include <string_view>

void CInventoryElement::SetEntryDate(int month, int day, int year) {
    m_entryMonth = month;
    m_entryDay = day;
    m_entryYear = year;
}

const std::string& CInventoryElement::GetAttributeText(int index) const {
    switch (index) {
    case 0:
        return m_bodyClassification;
    case 1:
        return m_manufacturer;
    case 2:
        return m_itemNumber;
    case 3:
        return m_roadName;
    case 4:
        return m_paintScheme;
    case 5:
        return m_scale;
    case 6:
        return m_condition;
    case 7:
        return m_originalBox;
    case 8:
        return m_dateBuilt;
    case 9:
        return m_purchaseDate;
    case 10:
        return m_purchasePrice;
    case 11:
        return m_currentValue;
    case 12:
        return m_userDefined1;
    default:
        return m_userDefined2;
    }
}

void CInventoryElement::SetAttributeText(int index, std::string text) {
    // The getter names every field by index; reuse it so both agree on the mapping.
    const_cast<std::string&>(GetAttributeText(index)) = std::move(text);
}

int CInventoryElement::GetAttributeTextLength(int index) const {
    return static_cast<int>(GetAttributeText(index).size());
}

const char* AttributeName(int index) {
    static const char* const names[kAttributeCount] = {
        "Body Classification", "Manufacturer",  "Item Number",    "RoadName",
        "Paint Scheme",        "Scale",         "Condition",      "Original Box",
        "Date Built",          "Purchase Date", "Purchase Price", "Current Value",
        "User Defined 1",      "User Defined 2"};
    return (index >= 0 && index < kAttributeCount) ? names[index] : names[13];
}

long long AmountValue(const std::string& text) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n && (text[i] == ' ' || (text[i] >= '\t' && text[i] <= '\r')))
        ++i;
    bool negative = false;
    if (i < n && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < n && text[i] >= '0' && text[i] <= '9'; ++i) {
        const int digit = text[i] - '0';
        if (value > (LLONG_MAX - digit) / 10) {
            value = LLONG_MAX;
            while (i < n && text[i] >= '0' && text[i] <= '9')
                ++i;
            break;
        }
        value = value * 10 + digit;
    }
    return negative ? -value : value;
}

std::string AmountText(long long value) {
    return std::to_string(value) + ".00";
}

std::optional<std::string> PlainNumberAsMoney(std::string_view text) {
    const auto isDigit = [](char c) { return c >= '0' && c <= '9'; };
    std::size_t at = 0;
    const bool negative = !text.empty() && text[0] == '-';
    if (!text.empty() && (text[0] == '-' || text[0] == '+'))
        ++at;
    std::string digits;
    std::size_t group = 0; // digits since the last comma, or since the start
    bool grouped = false;
    for (; at < text.size() && text[at] != '.'; ++at) {
        if (isDigit(text[at])) {
            digits += text[at];
            ++group;
        } else if (text[at] == ',' && group >= 1 && (grouped ? group == 3 : group <= 3)) {
            grouped = true;
            group = 0;
        } else {
            return std::nullopt;
        }
    }
    if (digits.empty() || (grouped && group != 3))
        return std::nullopt;
    if (at < text.size()) { // the decimal part: at least one digit, nothing else
        if (at + 1 == text.size())
            return std::nullopt;
        for (++at; at < text.size(); ++at) {
            if (!isDigit(text[at]))
                return std::nullopt;
        }
    }
    // Dollars beyond what an amount can hold would change on the way: keep the text.
    const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
    if (digits.size() - first > 18)
        return std::nullopt;
    const long long dollars = AmountValue(digits);
    return AmountText(negative ? -dollars : dollars);
}

bool IsMoneyAttribute(int index) {
    return index == static_cast<int>(Attribute::PurchasePrice) ||
           index == static_cast<int>(Attribute::CurrentValue);
}

std::size_t DollarsLength(const std::string& text) {
    const auto dot = text.find('.');
    return dot == std::string::npos ? 0 : dot;
}

std::string SortKeyOf(int index, const std::string& text, std::size_t dollarsWidth) {
    std::string key;
    AppendSortKey(index, text, key, dollarsWidth);
    return key;
}

void AppendSortKey(int index, const std::string& text, std::string& out, std::size_t dollarsWidth) {
    const std::string_view view = text;
    if (index == 8 || index == 9) {
        // Year texts: the last four characters, then what stands before the first "/".
        out += view.size() > 4 ? view.substr(view.size() - 4) : view;
        const auto slash = view.find('/');
        if (slash != std::string_view::npos)
            out += view.substr(0, slash);
        return;
    }
    if (IsMoneyAttribute(index)) {
        // Money texts: the dollars before the first ".", zero-padded to the common
        // width. A text without "." counts as no dollars.
        const std::string_view dollars = view.substr(0, DollarsLength(text));
        if (dollars.size() < dollarsWidth)
            out.append(dollarsWidth - dollars.size(), '0');
        out += dollars;
        return;
    }
    out += view;
}

namespace {
inline unsigned char FoldCase(unsigned char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + ('a' - 'A')) : c;
}
} // namespace

int CompareKeysNoCase(const std::string& a, const std::string& b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const unsigned char ca = FoldCase(static_cast<unsigned char>(a[i]));
        const unsigned char cb = FoldCase(static_cast<unsigned char>(b[i]));
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    if (a.size() == b.size())
        return 0;
    return a.size() < b.size() ? -1 : 1;
}

bool IsCatalogueMember(const std::string& value, const std::vector<std::string>& list) {
    return value.empty() || std::find(list.begin(), list.end(), value) != list.end();
}
