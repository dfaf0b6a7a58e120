// Feeds arbitrary bytes to the delimited text import and compares what it reads
// with the literal byte-at-a-time reading. The first byte chooses the delimiter
// (1 to 4 bytes that follow it) and the next one the number of fields.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bench/LiteralImport.h"
#include "model/core/DelimitedText.h"
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
