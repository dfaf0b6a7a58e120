// Feeds arbitrary bytes to the Classyrd.mst reader. Whatever it accepts must write
// back to an image that reads again to the same image.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/yard/YardFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CYardFileContents contents;
    if (yardformat::Read(bytes, contents).outcome != FileOutcome::Ok)
        return 0;
    std::size_t entries = 0;
    for (const auto& list : contents.values)
        entries += list.size();
    if (entries > yardformat::kMaxValueEntries)
        return 0;
    const std::string written = yardformat::Write(contents);
    CYardFileContents again;
    if (yardformat::Read(written, again).outcome != FileOutcome::Ok)
        std::abort();
    if (yardformat::Write(again) != written)
        std::abort();
    return 0;
}
