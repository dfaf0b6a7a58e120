#include "model/yard/ManufacturerFile.h"

#include <cstring>
#include <unordered_map>

#include "model/framework/FileMessages.h"
#include "model/framework/SafeFile.h"

namespace manufacturerfile {

namespace {

constexpr std::size_t kFieldCount = 6;

// The record and field boundaries are found in the undecoded bytes; that is only
// right while no substitute is one of the characters that delimit.
constexpr bool SubstitutesAreOrdinary() {
    for (const char c : kSubstitutes) {
        if (c == '|' || c == '\r' || c == '\n' || c == ' ' || c == '\t' || c == '\v' || c == '\f' ||
            static_cast<unsigned char>(c) < 0x20)
            return false;
    }
    return true;
}
static_assert(SubstitutesAreOrdinary());

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

std::string Decoded(std::string_view raw) {
    std::string text(raw);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) >= kFirstSubstitutedByte)
            c = Decode(c);
    }
    return text;
}

// Splits a record from the left into at most six fields. An empty field ends the
// split; fields 2 to 6 lose their leading white space; text after a sixth "|" is
// dropped. Returns the number of fields found.
std::size_t Split(std::string_view rest, std::array<std::string_view, kFieldCount>& fields) {
    std::size_t count = 0;
    while (count < kFieldCount) {
        const std::size_t bar = rest.find('|');
        if (bar == std::string_view::npos && count + 1 < kFieldCount)
            break;
        const std::string_view field = rest.substr(0, bar);
        if (field.empty())
            break;
        fields[count++] = field;
        if (bar == std::string_view::npos)
            break;
        rest.remove_prefix(bar + 1);
        std::size_t blanks = 0;
        while (blanks < rest.size() && IsWhiteSpace(rest[blanks]))
            ++blanks;
        rest.remove_prefix(blanks);
    }
    return count;
}

// Builds the list, finding a manufacturer by exact name without walking the list.
class CListBuilder {
public:
    // rawName is the undecoded field; it must stay valid while the builder is used.
    void Add(std::string_view rawName, CManufacturerProduct product) {
        // Files list a manufacturer's products together: most records name the
        // manufacturer of the record before.
        if (m_last < m_list.size() && rawName == m_lastRawName) {
            m_list[m_last].AddProduct(std::move(product));
            return;
        }
        std::string name = Decoded(rawName);
        const auto found = m_index.find(name);
        if (found != m_index.end()) {
            m_last = found->second;
        } else {
            m_last = m_list.size();
            m_index.emplace(name, m_last);
            m_list.emplace_back(std::move(name));
        }
        m_lastRawName = rawName;
        m_list[m_last].AddProduct(std::move(product));
    }
    CManufacturerList Take() { return std::move(m_list); }

private:
    CManufacturerList m_list;
    std::unordered_map<std::string, std::size_t> m_index;
    std::size_t m_last = 0;
    std::string_view m_lastRawName;
};

} // namespace

CManufacturerList Parse(std::string_view bytes, const IncompleteRecordSink& onIncomplete) {
    CListBuilder builder;
    std::array<std::string_view, kFieldCount> fields;
    std::size_t start = 0;
    std::size_t from = 0;
    while (from < bytes.size()) {
        const void* hit = std::memchr(bytes.data() + from, '\n', bytes.size() - from);
        if (!hit)
            break;
        const auto lineFeed =
            static_cast<std::size_t>(static_cast<const char*>(hit) - bytes.data());
        from = lineFeed + 1;
        // A line feed that is not preceded by a carriage return of this record
        // belongs to the record's text.
        if (lineFeed == start || bytes[lineFeed - 1] != '\r')
            continue;
        const std::string_view record = bytes.substr(start, lineFeed - 1 - start);
        start = from;
        if (Split(record, fields) != kFieldCount) {
            if (onIncomplete)
                onIncomplete(Decoded(record));
            continue;
        }
        builder.Add(fields[0],
                    CManufacturerProduct{Decoded(fields[1]), Decoded(fields[2]), Decoded(fields[3]),
                                         Decoded(fields[4]), Decoded(fields[5])});
    }
    return builder.Take();
}

FileResult Load(const std::string& path, CManufacturerFileContents& contents,
                const IncompleteRecordSink& onIncomplete) {
    contents = {};
    std::string bytes;
    FileResult result = safefile::ReadAll(path, bytes, kMaxFileSize);
    if (!result.Succeeded())
        return result;
    CManufacturerFileContents read;
    read.manufacturers = Parse(bytes, [&](std::string_view record) {
        read.incompleteRecords.emplace_back(record);
        if (onIncomplete)
            onIncomplete(record);
    });
    contents = std::move(read);
    return result;
}

CUserText LoadFailure(CUserText fileError) {
    return CUserText::Make(
        GW_TRANSLATE_NOOP("Messages", "A file error has been detected!\nThe external manufacturer "
                                      "file cannot be loaded.\n%1"),
        std::move(fileError));
}

std::string LoadFailureMessage(const std::string& fileError) {
    return LoadFailure(CUserText::Verbatim(fileError)).English();
}

CUserText IncompleteRecordMessage(std::string_view record) {
    return CUserText::Make(
        GW_TRANSLATE_NOOP("Messages", "This external manufacturer record is incomplete!\n%1"),
        std::string(record));
}

CUserText SkippedRecordsMessage(std::size_t count) {
    return CUserText::Make(
        count == 1
            ? GW_TRANSLATE_NOOP("Messages",
                                "%1 more incomplete external manufacturer record was skipped.")
            : GW_TRANSLATE_NOOP("Messages",
                                "%1 more incomplete external manufacturer records were skipped."),
        std::to_string(count));
}

} // namespace manufacturerfile
