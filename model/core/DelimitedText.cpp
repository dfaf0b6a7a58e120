#include "model/core/DelimitedText.h"

#include <filesystem>
#include <memory>

#include "model/core/Catalogue.h"
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

void AppendExportHeadings(const CCatalogue* yard, std::string_view delimiter, std::string& out) {
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute > 0)
            out += delimiter;
        out += ExportHeading(yard, attribute);
    }
}

} // namespace

std::vector<std::string_view> SplitRecords(std::string_view bytes) {
    std::vector<std::string_view> records;
    ForEachRecord(bytes, [&records](std::string_view record) { records.push_back(record); });
    return records;
}

void AppendRecord(const CInventoryElement& item, std::string_view delimiter, std::string& out) {
    AppendValues(item, delimiter, out);
    out += kRecordEnd;
}

void AppendValues(const CInventoryElement& item, std::string_view delimiter, std::string& out) {
    for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
        if (attribute > 0)
            out += delimiter;
        out += item.GetAttributeText(attribute);
    }
}

void ParseRecord(std::string_view record, std::string_view delimiter,
                 const std::vector<int>& fieldOrder, CInventoryElement& item) {
    std::string_view rest = record;
    for (std::size_t position = 0; position < fieldOrder.size(); ++position) {
        const std::size_t at = rest.find(delimiter);
        std::string_view value;
        std::size_t consumed = 0;
        if (at == std::string_view::npos) {
            // Only the last field may end with the record instead of a delimiter.
            if (position + 1 < fieldOrder.size())
                return;
            value = rest;
            consumed = rest.size();
        } else {
            value = rest.substr(0, at);
            consumed = at + delimiter.size();
        }
        // An empty value ends the record (an empty delimiter always gives one).
        if (value.empty())
            return;
        item.SetAttributeText(fieldOrder[position], std::string(value));
        rest.remove_prefix(consumed);
        while (!rest.empty() && IsWhiteSpace(rest.front()))
            rest.remove_prefix(1);
    }
}

std::string CheckFieldOrder(const std::vector<int>& fieldOrder) {
    if (fieldOrder.empty() || fieldOrder.size() > static_cast<std::size_t>(kAttributeCount))
        return kBadFieldOrder;
    bool seen[kAttributeCount] = {};
    for (const int attribute : fieldOrder) {
        if (attribute < 0 || attribute >= kAttributeCount || seen[attribute])
            return kBadFieldOrder;
        seen[attribute] = true;
    }
    return {};
}

std::string ItemWithHeadings(const CSidingWardDoc& doc, const CInventoryElement& item,
                             std::string_view delimiter, std::string_view lineEnd) {
    std::string text;
    AppendExportHeadings(doc.GetClassificationYard(), delimiter, text);
    text += lineEnd;
    AppendValues(item, delimiter, text);
    text += lineEnd;
    return text;
}

FileResult Export(const CSidingWardDoc& doc, const std::string& path, const std::string& delimiter,
                  bool includeFieldNames) {
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
        AppendExportHeadings(yard, delimiter, text);
        text += kRecordEnd;
    }
    for (const auto& item : doc.GetItems())
        AppendRecord(*item, delimiter, text);
    return safefile::WriteAll(path, text);
}

CDelimitedImportResult Import(CSidingWardDoc& doc, const std::string& path,
                              const std::string& delimiter, const std::vector<int>& fieldOrder,
                              bool firstRecordHoldsNames, CDocumentView* sender) {
    CDelimitedImportResult result;
    // Without a delimiter every value would be empty, and a bad field order would
    // put values into the wrong attributes: refuse both before reading anything.
    if (delimiter.empty()) {
        result.outcome = ImportOutcome::Refused;
        result.message = kNoDelimiter;
        return result;
    }
    result.message = CheckFieldOrder(fieldOrder);
    if (!result.message.empty()) {
        result.outcome = ImportOutcome::Refused;
        return result;
    }

    std::string bytes;
    const FileResult read = safefile::ReadAll(path, bytes);
    if (!read.Succeeded()) {
        result.outcome = ImportOutcome::FileError;
        result.message = kImportFileErrorPrefix + read.message.substr(0, kMaxErrorDescription);
        doc.MarkModified(sender);
        return result;
    }

    std::size_t records = 0;
    ForEachRecord(bytes, [&records](std::string_view) { ++records; });
    const std::size_t skipped = firstRecordHoldsNames && records > 0 ? 1 : 0;
    const std::size_t count = records - skipped;
    if (count == 0) {
        result.outcome = ImportOutcome::NoRecord;
        result.message = kNoEndOfRecord;
        doc.MarkModified(sender);
        return result;
    }
    // Every CR LF makes an item of several hundred bytes: a file of blank lines must
    // not fill the memory with items that no inventory file can hold anyway.
    if (doc.GetItems().size() + count > inventoryformat::kMaxItems) {
        result.outcome = ImportOutcome::Refused;
        result.message = std::filesystem::path(path).filename().string() +
                         " cannot be imported: an inventory holds at most 65535 items, this "
                         "one would hold " +
                         std::to_string(doc.GetItems().size() + count) + ".";
        return result;
    }

    CSidingWardDoc::ItemList items;
    items.reserve(count);
    std::size_t index = 0;
    ForEachRecord(bytes, [&](std::string_view record) {
        if (index++ < skipped)
            return;
        auto item = std::make_unique<CInventoryElement>();
        ParseRecord(record, delimiter, fieldOrder, *item);
        items.push_back(std::move(item));
    });
    result.added = count;
    doc.AppendItems(std::move(items), sender);
    return result;
}

} // namespace delimitedtext
