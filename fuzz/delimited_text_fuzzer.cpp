// Feeds arbitrary bytes to the delimited text import and compares what it reads
// with the literal byte-at-a-time reading. The first byte chooses the delimiter
// (1 to 4 bytes that follow it) and the next one the number of fields. Read
// quoted, the same bytes must give records that, written quoted and read again,
// come back unchanged. The delimiter search finds what a plain find finds.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bench/LiteralImport.h"
#include "model/core/DelimitedText.h"
#include "model/core/DelimiterSearch.h"
#include "model/core/InventoryElement.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    if (input.size() < 2)
        return 0;
    const std::size_t delimiterLength = 1 + static_cast<unsigned char>(input[0]) % 4;
    if (input.size() < 2 + delimiterLength)
        return 0;
    const std::string delimiter(input.substr(1, delimiterLength));
    const int fieldCount = 1 + static_cast<unsigned char>(input[1 + delimiterLength]) % 14;
    const std::string_view bytes = input.substr(2 + delimiterLength);

    std::vector<int> fieldOrder;
    for (int k = 0; k < fieldCount; ++k)
        fieldOrder.push_back((k * 5) % 14);

    const CDelimiterSearch search(delimiter);
    for (std::size_t from = 0; from <= bytes.size(); from += 1 + from / 8) {
        if (search.Find(bytes, from) != bytes.find(delimiter, from))
            std::abort();
    }

    // The import's reader gives the values of the literal reading, record by record.
    const std::vector<std::string> literal = literalimport::SplitRecords(bytes);
    delimitedtext::CRecordReader reader(bytes, delimiter, false);
    CRecordValues values;
    std::size_t read = 0;
    while (reader.Next(fieldOrder.size(), values)) {
        CInventoryElement reference;
        if (read >= literal.size())
            std::abort();
        literalimport::ParseRecord(literal[read++], delimiter, fieldOrder, reference);
        for (std::size_t position = 0; position < fieldOrder.size(); ++position) {
            const std::string expected =
                position < values.values.size() ? values.values[position] : std::string();
            if (reference.GetAttributeText(fieldOrder[position]) != expected)
                std::abort();
        }
    }

    if (delimitedtext::CheckQuotedDelimiter(delimiter).Empty()) {
        std::vector<std::vector<std::string>> quoted;
        delimitedtext::CRecordReader first(bytes, delimiter, true);
        while (first.Next(static_cast<std::size_t>(kAttributeCount), values))
            quoted.push_back(values.values);
        const std::size_t unclosed = first.UnclosedQuoteAt();
        if (unclosed != std::string_view::npos &&
            (unclosed >= bytes.size() || bytes[unclosed] != '"'))
            std::abort();
        std::string written;
        for (const auto& record : quoted) {
            for (std::size_t k = 0; k < record.size(); ++k) {
                if (k > 0)
                    written += delimiter;
                delimitedtext::AppendValue(record[k], delimiter, true, written);
            }
            written += "\r\n";
        }
        delimitedtext::CRecordReader second(written, delimiter, true);
        for (const auto& record : quoted) {
            if (!second.Next(static_cast<std::size_t>(kAttributeCount), values) ||
                values.values != record)
                std::abort();
        }
    }

    const std::vector<std::string_view> records = delimitedtext::SplitRecords(bytes);
    const std::vector<std::string> expected = literalimport::SplitRecords(bytes);
    if (records.size() != expected.size())
        std::abort();
    for (std::size_t k = 0; k < records.size(); ++k) {
        if (records[k] != expected[k])
            std::abort();
        CInventoryElement item;
        delimitedtext::ParseRecord(records[k], delimiter, fieldOrder, item);
        CInventoryElement reference;
        literalimport::ParseRecord(expected[k], delimiter, fieldOrder, reference);
        for (int attribute = 0; attribute < kAttributeCount; ++attribute) {
            if (item.GetAttributeText(attribute) != reference.GetAttributeText(attribute))
                std::abort();
        }
    }
    return 0;
}
