#include "model/core/ValueHistory.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "model/core/InventoryElement.h"
#include "model/framework/FixedClock.h"

namespace valuehistory {

namespace {

constexpr char kEntrySeparator = ';';
constexpr char kNoteSeparator = '|';
constexpr char kEscape = '%';
constexpr char kHex[] = "0123456789ABCDEF";

bool NeedsEscape(unsigned char byte) {
    return byte < 0x20 || byte == 0x7F || byte == kEscape || byte == kEntrySeparator ||
           byte == kNoteSeparator;
}

void AppendEscaped(std::string& out, std::string_view text) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (NeedsEscape(byte)) {
            out += kEscape;
            out += kHex[byte >> 4];
            out += kHex[byte & 0x0F];
        } else {
            out += c;
        }
    }
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

// Only the form AppendEscaped writes: a raw byte it would have escaped, or an
// escape it would not have written, makes the text someone else's.
std::optional<std::string> Unescape(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t k = 0; k < text.size(); ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if (byte != kEscape) {
            if (NeedsEscape(byte))
                return std::nullopt;
            out += text[k];
            continue;
        }
        if (k + 2 >= text.size())
            return std::nullopt;
        const int high = HexDigit(text[k + 1]);
        const int low = HexDigit(text[k + 2]);
        if (high < 0 || low < 0 || !NeedsEscape(static_cast<unsigned char>(high * 16 + low)))
            return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        k += 2;
    }
    return out;
}

std::optional<Entry> ParseEntry(std::string_view text) {
    constexpr std::size_t kDateLength = 10;
    if (text.size() <= kDateLength || text[kDateLength] != '=')
        return std::nullopt;
    const auto date = CFixedClock::ParseIsoDate(text.substr(0, kDateLength));
    if (!date)
        return std::nullopt;
    std::string_view rest = text.substr(kDateLength + 1);
    std::string_view note;
    bool hasNote = false;
    if (const std::size_t bar = rest.find(kNoteSeparator); bar != std::string_view::npos) {
        note = rest.substr(bar + 1);
        rest = rest.substr(0, bar);
        hasNote = true;
    }
    auto value = Unescape(rest);
    auto noteText = Unescape(note);
    // An empty note is written without its bar.
    if (!value || !noteText || (hasNote && noteText->empty()))
        return std::nullopt;
    return Entry{*date, std::move(*value), std::move(*noteText)};
}

std::string EntryText(const Entry& entry) {
    std::string out(1, kEntrySeparator);
    out += IsoDate(entry.date).value_or("");
    out += '=';
    AppendEscaped(out, entry.value);
    if (!entry.note.empty()) {
        out += kNoteSeparator;
        AppendEscaped(out, entry.note);
    }
    return out;
}

} // namespace

bool Before(const CDate& a, const CDate& b) {
    if (a.year != b.year)
        return a.year < b.year;
    if (a.month != b.month)
        return a.month < b.month;
    return a.day < b.day;
}

std::optional<std::string> IsoDate(const CDate& date) {
    if (date.year < 0 || date.year > 9999 || date.month < 1 || date.month > 12 || date.day < 1 ||
        date.day > 31)
        return std::nullopt;
    char text[11];
    std::snprintf(text, sizeof text, "%04d-%02d-%02d", date.year, date.month, date.day);
    // The parser knows the lengths of the months.
    if (!CFixedClock::ParseIsoDate(text))
        return std::nullopt;
    return std::string(text);
}

std::optional<CDate> EntryDate(const CInventoryElement& item) {
    const CDate date{item.GetEntryYear(), item.GetEntryMonth(), item.GetEntryDay()};
    if (!IsoDate(date))
        return std::nullopt;
    return date;
}

Parsed Parse(std::string_view text) {
    Parsed parsed;
    if (text.empty())
        return parsed;
    parsed.kind = Kind::Foreign;
    if (text.substr(0, kTag.size()) != kTag)
        return parsed;
    std::string_view rest = text.substr(kTag.size());
    std::vector<Entry> entries;
    while (!rest.empty()) {
        if (rest.front() != kEntrySeparator)
            return parsed;
        rest.remove_prefix(1);
        const std::size_t end = std::min(rest.find(kEntrySeparator), rest.size());
        auto entry = ParseEntry(rest.substr(0, end));
        if (!entry || (!entries.empty() && Before(entry->date, entries.back().date)))
            return parsed;
        entries.push_back(std::move(*entry));
        rest.remove_prefix(end);
    }
    parsed.kind = Kind::History;
    parsed.entries = std::move(entries);
    return parsed;
}

std::optional<std::string> Format(std::vector<Entry> entries) {
    if (entries.empty())
        return std::string();
    std::stable_sort(entries.begin(), entries.end(),
                     [](const Entry& a, const Entry& b) { return Before(a.date, b.date); });
    for (const Entry& entry : entries) {
        if (!IsoDate(entry.date))
            return std::nullopt;
    }
    std::vector<std::string> texts;
    texts.reserve(entries.size());
    std::size_t size = kTag.size();
    for (const Entry& entry : entries) {
        texts.push_back(EntryText(entry));
        size += texts.back().size();
    }
    std::size_t first = 0;
    while (size > kMaxText && first < texts.size())
        size -= texts[first++].size();
    if (first == texts.size())
        return std::nullopt;
    std::string text(kTag);
    text.reserve(size);
    for (std::size_t k = first; k < texts.size(); ++k)
        text += texts[k];
    return text;
}

Outcome Record(CInventoryElement& values, const CInventoryElement& before, CDate on,
               std::string note) {
    if (values.GetCurrentValue() == before.GetCurrentValue())
        return Outcome::Unchanged;
    Parsed history = Parse(before.GetReservedText1());
    if (history.kind == Kind::Foreign || !IsoDate(on))
        return Outcome::NotKept;
    std::vector<Entry>& entries = history.entries;
    if (entries.empty()) {
        // Without a real entry date the value replaced has no day to stand on.
        if (const auto entered = EntryDate(before))
            entries.push_back({*entered, before.GetCurrentValue(), {}});
    }
    const auto after = std::upper_bound(
        entries.begin(), entries.end(), on,
        [](const CDate& date, const Entry& entry) { return Before(date, entry.date); });
    entries.insert(after, Entry{on, values.GetCurrentValue(), std::move(note)});
    // A valuation dated before a later one does not make the item worth less today.
    std::string current = entries.back().value;
    auto text = Format(std::move(entries));
    if (!text)
        return Outcome::NotKept;
    values.SetReservedText1(std::move(*text));
    values.SetCurrentValue(std::move(current));
    return Outcome::Recorded;
}

const std::string& ValueOn(const std::vector<Entry>& entries, const CDate& date) {
    const auto after = std::upper_bound(
        entries.begin(), entries.end(), date,
        [](const CDate& day, const Entry& entry) { return Before(day, entry.date); });
    return after == entries.begin() ? entries.front().value : std::prev(after)->value;
}

} // namespace valuehistory
