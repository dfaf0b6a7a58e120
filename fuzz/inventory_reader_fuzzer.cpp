// Feeds arbitrary bytes to the .inv reader. Whatever it accepts must write back
// to an image that reads again to the same image.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "model/core/InventoryFormat.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CInventoryFileContents contents;
    const FileResult result = inventoryformat::Read(bytes, contents);
    if (result.outcome != FileOutcome::Ok)
        return 0;
    const std::string written = inventoryformat::Write(contents.items, contents.searchHistory);
    CInventoryFileContents again;
    if (inventoryformat::Read(written, again).outcome != FileOutcome::Ok)
        std::abort();
    if (inventoryformat::Write(again.items, again.searchHistory) != written)
        std::abort();
    return 0;
}
