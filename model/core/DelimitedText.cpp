#include "model/core/DelimitedText.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "model/core/Catalogue.h"
#include "model/core/InventoryChange.h"
#include "model/core/InventoryElement.h"
#include "model/core/InventoryFormat.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/SafeFile.h"

namespace delimitedtext {

namespace {

bool IsWhiteSpace(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Calls visit with every record of bytes, in file order. Each search starts where
// the previous pair ended, so the whole image is scanned once.
template <typename Visit> void ForEachRecord(std::string_view bytes, Visit&& visit) {
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = bytes.find(kRecordEnd, start);
        if (end == std::string_view::npos)
            return;
        visit(bytes.substr(start, end - start));
        start = end + kRecordEnd.size();
    }
}

// The heading the delimited text gives an attribute: the linked yard's, else the
// default name.
std::string_view ExportHeading(const CCatalogue* yard, int attribute) {
    return yard ? std::string_view(yard->GetHeading(attribute)) : AttributeName(attribute);
}

void AppendExportHeadings(const CCatalogue* yard, std::string_view delimiter, bool quoted,
                          std::string& out) {
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute > 0)
            out += delimiter;
        AppendValue(ExportHeading(yard, attribute), delimiter, quoted, out);
    }
}

// Whether a quoted export must put value in quotes: it holds a quote or a line
// break, or the delimiter would be found inside it or across its end.
bool NeedsQuotes(std::string_view value, std::string_view delimiter) {
    if (value.find_first_of("\"\r\n") != std::string_view::npos)
        return true;
    if (delimiter.empty() || value.empty())
        return false;
    std::string joined(value);
    joined += delimiter;
    return joined.find(delimiter) < value.size();
}

// Reads the values of an unquoted record as the import does (see ParseRecord),
// giving each to take(position, value); returns whether the record was cut short.
template <typename Take>
bool ParseUnquotedInto(std::string_view record, const CDelimiterSearch& delimiter,
                       std::size_t fieldCount, Take&& take) {
    // An empty delimiter is found at once, so the first value is empty and ends the record.
    if (delimiter.Empty())
        return fieldCount > 0;
    std::string_view rest = record;
    for (std::size_t position = 0; position < fieldCount; ++position) {
        const std::size_t at = delimiter.Find(rest);
        std::string_view value;
        std::size_t consumed = 0;
        if (at == std::string_view::npos) {
            // Only the last field may end with the record instead of a delimiter.
            if (position + 1 < fieldCount)
                return true;
            value = rest;
            consumed = rest.size();
        } else {
            value = rest.substr(0, at);
            consumed = at + delimiter.Size();
        }
        // An empty value ends the record (an empty delimiter always gives one).
        if (value.empty())
            return true;
        take(position, value);
        rest.remove_prefix(consumed);
        while (!rest.empty() && IsWhiteSpace(rest.front()))
            rest.remove_prefix(1);
    }
    return false;
}

void ParseUnquoted(std::string_view record, const CDelimiterSearch& delimiter,
                   std::size_t fieldCount, CRecordValues& out) {
    out.values.clear();
    out.cutShort = ParseUnquotedInto(
        record, delimiter, fieldCount,
        [&out](std::size_t, std::string_view value) { out.values.emplace_back(value); });
}

// The line (from 1) that the byte at offset is on.
std::size_t LineOf(std::string_view bytes, std::size_t offset) {
    return 1 + static_cast<std::size_t>(std::count(
                   bytes.begin(), bytes.begin() + static_cast<std::ptrdiff_t>(offset), '\n'));
}

CUserText Utf8FailureMessage(const codepage1252::Utf8Failure& failure) {
    const std::string line = std::to_string(failure.line);
    if (!failure.character)
        return CUserText::Make(GW_TRANSLATE_NOOP("Messages", "Line %1 is not valid UTF-8."), line);
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(*failure.character));
    // The character itself, for the reader to find it: the message is UTF-8.
    return CUserText::Make(
        GW_TRANSLATE_NOOP("Messages", "Line %1 holds the character \"%2\" (%3), which an "
                                      "inventory cannot store."),
        line, codepage1252::CharacterToUtf8(*failure.character), std::string(code));
}

} // namespace

CUserText UnclosedQuoteMessage(std::size_t line) {
    return CUserText::Make(
        GW_TRANSLATE_NOOP("Messages", "The quoted value that starts on line %1 is never closed."),
        std::to_string(line));
}

bool RewriteMoney(int attribute, std::string& value) {
    if (!IsMoneyAttribute(attribute))
        return false;
    std::optional<std::string> money = PlainNumberAsMoney(value);
    if (!money || *money == value)
        return false;
    value = std::move(*money);
    return true;
}

std::vector<std::string_view> SplitRecords(std::string_view bytes) {
    std::vector<std::string_view> records;
    ForEachRecord(bytes, [&records](std::string_view record) { records.push_back(record); });
    return records;
}

void AppendRecord(const CInventoryElement& item, std::string_view delimiter, std::string& out,
                  bool quoted) {
    AppendValues(item, delimiter, out, quoted);
    out += kRecordEnd;
}

void AppendValues(const CInventoryElement& item, std::string_view delimiter, std::string& out,
                  bool quoted) {
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute > 0)
            out += delimiter;
        AppendValue(item.GetAttributeText(attribute), delimiter, quoted, out);
    }
}

void AppendValue(std::string_view value, std::string_view delimiter, bool quoted,
                 std::string& out) {
    if (!quoted || !NeedsQuotes(value, delimiter)) {
        out += value;
        return;
    }
    out += '"';
    for (const char c : value) {
        if (c == '"')
            out += '"';
        out += c;
    }
    out += '"';
}

CRecordReader::CRecordReader(std::string_view bytes, std::string_view delimiter, bool quoted)
    : m_bytes(bytes), m_delimiter(delimiter), m_quoted(quoted) {}

bool CRecordReader::Next(std::size_t fieldCount, CRecordValues& record) {
    if (m_quoted)
        return NextQuoted(fieldCount, &record);
    const std::size_t end = m_bytes.find(kRecordEnd, m_position);
    if (end == std::string_view::npos) {
        m_position = m_bytes.size();
        return false;
    }
    ParseUnquoted(m_bytes.substr(m_position, end - m_position), m_delimiter, fieldCount, record);
    m_position = end + kRecordEnd.size();
    return true;
}

bool CRecordReader::Next(const std::vector<int>& fieldOrder, CInventoryElement& item) {
    if (m_quoted) {
        if (!NextQuoted(fieldOrder.size(), &m_scratch))
            return false;
        for (std::size_t position = 0; position < fieldOrder.size(); ++position)
            item.SetAttributeText(fieldOrder[position], std::move(m_scratch.values[position]));
        return true;
    }
    const std::size_t end = m_bytes.find(kRecordEnd, m_position);
    if (end == std::string_view::npos) {
        m_position = m_bytes.size();
        return false;
    }
    ParseUnquotedInto(m_bytes.substr(m_position, end - m_position), m_delimiter, fieldOrder.size(),
                      [&](std::size_t position, std::string_view value) {
                          item.SetAttributeText(fieldOrder[position], std::string(value));
                      });
    m_position = end + kRecordEnd.size();
    return true;
}

bool CRecordReader::Skip() {
    if (m_quoted)
        return NextQuoted(0, nullptr);
    const std::size_t end = m_bytes.find(kRecordEnd, m_position);
    m_position = end == std::string_view::npos ? m_bytes.size() : end + kRecordEnd.size();
    return end != std::string_view::npos;
}

std::size_t CRecordReader::LineEnd(std::size_t at) {
    // Positions only grow, so an answer stays right until the reading passes it:
    // each line is searched once however many values it holds.
    if (!m_lineEndKnown || m_lineEnd < at) {
        m_lineEnd = std::min(m_bytes.find('\n', at), m_bytes.size());
        m_lineEndKnown = true;
    }
    return m_lineEnd;
}

bool CRecordReader::NextQuoted(std::size_t fieldCount, CRecordValues* record) {
    if (record) {
        record->values.clear();
        record->cutShort = false;
    }
    const std::string_view bytes = m_bytes;
    std::size_t at = m_position;
    std::size_t fields = 0;
    for (;;) {
        // Values are copied in whole runs between quotes, never byte by byte.
        std::string* value =
            record && fields < fieldCount ? &record->values.emplace_back() : nullptr;
        if (at < bytes.size() && bytes[at] == '"') {
            const std::size_t opened = at++;
            for (;;) {
                const std::size_t close = bytes.find('"', at);
                if (close == std::string_view::npos) {
                    m_unclosedQuote = opened;
                    m_position = bytes.size();
                    return false;
                }
                if (value)
                    value->append(bytes.data() + at, close - at);
                if (close + 1 < bytes.size() && bytes[close + 1] == '"') {
                    if (value)
                        *value += '"';
                    at = close + 2;
                    continue;
                }
                at = close + 1;
                break;
            }
        }
        // The rest of the value runs to the delimiter or the record's end, whichever
        // comes first; the delimiter holds no line break, so it lies within the line.
        const std::size_t lineEnd = LineEnd(at);
        const std::size_t delimiterAt = m_delimiter.Find(bytes.substr(0, lineEnd), at);
        if (delimiterAt != std::string_view::npos) {
            if (value)
                value->append(bytes.data() + at, delimiterAt - at);
            at = delimiterAt + m_delimiter.Size();
            ++fields;
            continue;
        }
        if (lineEnd == bytes.size()) {
            m_position = bytes.size(); // text after the last record end is dropped
            return false;
        }
        const std::size_t valueEnd =
            lineEnd > at && bytes[lineEnd - 1] == '\r' ? lineEnd - 1 : lineEnd;
        if (value)
            value->append(bytes.data() + at, valueEnd - at);
        m_position = lineEnd + 1;
        // Spreadsheets leave out empty values at a record's end: they read as empty.
        if (record)
            record->values.resize(fieldCount);
        return true;
    }
}

void ParseRecord(std::string_view record, std::string_view delimiter,
                 const std::vector<int>& fieldOrder, CInventoryElement& item) {
    ParseUnquotedInto(record, CDelimiterSearch(delimiter), fieldOrder.size(),
                      [&](std::size_t position, std::string_view value) {
                          item.SetAttributeText(fieldOrder[position], std::string(value));
                      });
}

CUserText CheckFieldOrder(const std::vector<int>& fieldOrder) {
    if (fieldOrder.empty() || fieldOrder.size() > static_cast<std::size_t>(kAttributeCount))
        return CUserText::Make(kBadFieldOrder);
    bool seen[kAttributeCount] = {};
    for (const int attribute : fieldOrder) {
        if (attribute < 0 || attribute >= kAttributeCount || seen[attribute])
            return CUserText::Make(kBadFieldOrder);
        seen[attribute] = true;
    }
    return {};
}

CUserText CheckQuotedDelimiter(std::string_view delimiter) {
    if (delimiter.empty())
        return CUserText::Make(kQuotedNoDelimiter);
    return delimiter.find_first_of("\"\r\n") == std::string_view::npos
               ? CUserText()
               : CUserText::Make(kQuotedDelimiter);
}

TextEncoding FileEncoding(const std::string& path) {
    std::string bytes;
    if (!safefile::ReadAll(path, bytes).Succeeded())
        return TextEncoding::Windows1252;
    return codepage1252::DetectEncoding(bytes);
}

std::string ItemWithHeadings(const CSidingWardDoc& doc, const CInventoryElement& item,
                             std::string_view delimiter, std::string_view lineEnd) {
    std::string text;
    AppendExportHeadings(doc.GetClassificationYard(), delimiter, false, text);
    text += lineEnd;
    AppendValues(item, delimiter, text);
    text += lineEnd;
    return text;
}

FileResult Export(const CSidingWardDoc& doc, const std::string& path, const std::string& delimiter,
                  bool includeFieldNames, bool quoted, TextEncoding encoding) {
    if (quoted) {
        if (CUserText refused = CheckQuotedDelimiter(delimiter); !refused.Empty())
            return FileResult::Failure(std::move(refused));
    }
    const CCatalogue* yard = doc.GetClassificationYard();
    // The exact size, so that the image of a large inventory is never copied to grow.
    const std::size_t separators = (kAttributeCount - 1) * delimiter.size() + 2;
    std::size_t size = includeFieldNames ? separators : 0;
    for (int attribute = 0; includeFieldNames && attribute < kAttributeCount; ++attribute)
        size += ExportHeading(yard, attribute).size();
    for (const auto& item : doc.GetItems()) {
        size += separators;
        for (int attribute = 0; attribute < kAttributeCount; ++attribute)
            size += item->GetAttributeText(attribute).size();
    }
    std::string text;
    text.reserve(size);
    if (includeFieldNames) {
        AppendExportHeadings(yard, delimiter, quoted, text);
        text += kRecordEnd;
    }
    for (const auto& item : doc.GetItems())
        AppendRecord(*item, delimiter, text, quoted);
    if (encoding == TextEncoding::Utf8)
        text = codepage1252::ToUtf8(text);
    return safefile::WriteAll(path, text);
}

namespace {

// The file of an import read and its records counted, or the outcome that ends the
// import before anything is added.
struct ImportSource {
    CImportPreview check; // outcome, message and record count
    std::string bytes;
    std::size_t skipped = 0; // the names record
};

// The name of the import's step in the inventory's history.
constexpr const char* kImportStep = GW_TRANSLATE_NOOP("Messages", "Import");

// source with outcome and the English of its message.
ImportSource& Ended(ImportSource& source, ImportOutcome outcome) {
    source.check.outcome = outcome;
    source.check.message = source.check.text.English();
    return source;
}

ImportSource ReadImportSource(const std::string& path, const std::string& delimiter,
                              const std::vector<int>& fieldOrder, bool firstRecordHoldsNames,
                              bool quoted, TextEncoding encoding) {
    ImportSource source;
    CImportPreview& check = source.check;
    // Without a delimiter every value would be empty, and a bad field order would
    // put values into the wrong attributes: refuse both before reading anything.
    if (delimiter.empty())
        check.text = CUserText::Make(kNoDelimiter);
    else if (quoted)
        check.text = CheckQuotedDelimiter(delimiter);
    if (check.text.Empty())
        check.text = CheckFieldOrder(fieldOrder);
    if (!check.text.Empty())
        return Ended(source, ImportOutcome::Refused);
    const FileResult read = safefile::ReadAll(path, source.bytes);
    if (!read.Succeeded()) {
        // A description cut short is shown as it is, untranslated.
        check.text = CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "A file error has been detected!\nThe import file "
                                          "cannot be loaded.\n%1"),
            read.message.size() <= kMaxErrorDescription
                ? read.Text()
                : CUserText::Verbatim(read.message.substr(0, kMaxErrorDescription)));
        return Ended(source, ImportOutcome::FileError);
    }
    // Converted where it lies: the code page's bytes are never longer than UTF-8.
    if (encoding == TextEncoding::Utf8) {
        if (const auto failure = codepage1252::FromUtf8InPlace(source.bytes)) {
            check.text = Utf8FailureMessage(*failure);
            return Ended(source, ImportOutcome::Refused);
        }
    }
    std::size_t records = 0;
    CRecordReader counter(source.bytes, delimiter, quoted);
    while (counter.Skip())
        ++records;
    // A quote left open would take every record after it into one value.
    if (counter.UnclosedQuoteAt() != std::string_view::npos) {
        check.text = UnclosedQuoteMessage(LineOf(source.bytes, counter.UnclosedQuoteAt()));
        return Ended(source, ImportOutcome::Refused);
    }
    source.skipped = firstRecordHoldsNames && records > 0 ? 1 : 0;
    check.recordCount = records - source.skipped;
    if (check.recordCount == 0) {
        check.text = CUserText::Make(kNoEndOfRecord);
        return Ended(source, ImportOutcome::NoRecord);
    }
    return source;
}

} // namespace

CDelimitedImportResult Import(CSidingWardDoc& doc, const std::string& path,
                              const std::string& delimiter, const std::vector<int>& fieldOrder,
                              bool firstRecordHoldsNames, CDate today, CDocumentView* sender,
                              bool quoted, TextEncoding encoding) {
    ImportSource source =
        ReadImportSource(path, delimiter, fieldOrder, firstRecordHoldsNames, quoted, encoding);
    CDelimitedImportResult result;
    result.outcome = source.check.outcome;
    result.message = std::move(source.check.message);
    result.text = std::move(source.check.text);
    if (result.outcome == ImportOutcome::Refused)
        return result;
    if (result.outcome != ImportOutcome::Imported) {
        // Even a failed import marks the inventory modified, as the command does: an
        // import that brought nothing, which Undo takes back as well.
        doc.Apply(CInventoryChange::Insert(kImportStep, {}, true), sender);
        return result;
    }
    const std::size_t count = source.check.recordCount;
    // Every record makes an item of several hundred bytes: a file of blank lines must
    // not fill the memory with items that no inventory file can hold anyway.
    if (doc.GetItems().size() + count > inventoryformat::kMaxItems) {
        result.outcome = ImportOutcome::Refused;
        result.text = CUserText::Make(
            GW_TRANSLATE_NOOP("Messages", "%1 cannot be imported: an inventory holds at most "
                                          "65535 items, this one would hold %2."),
            std::filesystem::path(path).filename().string(),
            std::to_string(doc.GetItems().size() + count));
        result.message = result.text.English();
        return result;
    }

    CSidingWardDoc::ItemList items;
    items.reserve(count);
    CRecordReader reader(source.bytes, delimiter, quoted);
    for (std::size_t skipped = 0; skipped < source.skipped; ++skipped)
        reader.Skip();
    // The money attributes a quoted file fills, whose values may be a spreadsheet's numbers.
    std::vector<int> money;
    for (const int attribute : fieldOrder) {
        if (quoted && IsMoneyAttribute(attribute))
            money.push_back(attribute);
    }
    for (;;) {
        auto item = std::make_unique<CInventoryElement>();
        if (!reader.Next(fieldOrder, *item))
            break;
        item->SetEntryDate(today.month, today.day, today.year);
        for (const int attribute : money) {
            std::string value = item->GetAttributeText(attribute);
            if (RewriteMoney(attribute, value)) {
                item->SetAttributeText(attribute, std::move(value));
                ++result.rewritten;
            }
        }
        items.push_back(std::move(item));
    }
    result.added = items.size();
    doc.Apply(CInventoryChange::Insert(kImportStep, std::move(items), true), sender);
    return result;
}

CImportPreview Preview(const std::string& path, const std::string& delimiter,
                       const std::vector<int>& fieldOrder, bool firstRecordHoldsNames, bool quoted,
                       std::size_t shown, TextEncoding encoding) {
    ImportSource source =
        ReadImportSource(path, delimiter, fieldOrder, firstRecordHoldsNames, quoted, encoding);
    CImportPreview preview = std::move(source.check);
    if (preview.outcome != ImportOutcome::Imported)
        return preview;
    CRecordReader reader(source.bytes, delimiter, quoted);
    for (std::size_t skipped = 0; skipped < source.skipped; ++skipped)
        reader.Skip();
    CRecordValues record;
    while (preview.records.size() < shown && reader.Next(fieldOrder.size(), record)) {
        for (std::size_t position = 0; quoted && position < record.values.size(); ++position)
            RewriteMoney(fieldOrder[position], record.values[position]);
        preview.records.push_back(record);
    }
    return preview;
}

} // namespace delimitedtext
