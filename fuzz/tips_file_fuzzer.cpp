// Feeds arbitrary bytes to the gaugetip.mst reader, starting at a position taken
// from the input. Every tip must be a line that the skip rules let through, no
// longer than one read, and reading must never hang.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "model/app/TipsFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::int64_t position = 0;
    if (size >= sizeof position) {
        std::memcpy(&position, data, sizeof position);
        data += sizeof position;
        size -= sizeof position;
    }
    CTipsFile tips;
    tips.Assign(std::string(reinterpret_cast<const char*>(data), size));
    if (tips.Seek(position) != (position >= 0))
        std::abort();
    for (int k = 0; k < 8; ++k) {
        const auto tip = tips.ReadNextTip();
        if (!tip)
            break;
        const char first = tip->front();
        if (tip->size() > CTipsFile::kReadLimit || first == ' ' || first == '\t' || first == '\n' ||
            first == ';')
            std::abort();
        if (tips.GetPosition() < 0 || tips.GetPosition() > static_cast<std::int64_t>(size))
            std::abort();
    }
    return 0;
}
