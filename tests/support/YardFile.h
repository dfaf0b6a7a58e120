#pragma once

#include <string>
#include <utility>
#include <vector>

#include "support/ByteBuilder.h"

using YardRecords = std::vector<std::pair<int, std::string>>;

// A catalogue file image: signature, version 214, the record count and the records.
inline std::string YardFile(const YardRecords& records,
                            const std::string& signature = "GAUGEWRIGHT") {
    CByteBuilder bytes;
    bytes.Text(signature).Word(214).Word(static_cast<std::uint16_t>(records.size()));
    for (const auto& [tag, text] : records)
        bytes.Word(static_cast<std::uint16_t>(tag)).Text(text);
    return bytes;
}
