// Feeds arbitrary bytes to the ExtMFile.mst reader. Every product must hold five
// non-empty fields without "|", and small inputs must read exactly as the
// reference reading of the rules reads them.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "bench/LiteralManufacturerFile.h"
#include "model/yard/ManufacturerFile.h"

namespace {

bool Sound(const std::string& field) {
    return !field.empty() && field.find('|') == std::string::npos;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> incomplete;
    const CManufacturerList list = manufacturerfile::Parse(
        bytes, [&](std::string_view record) { incomplete.emplace_back(record); });
    for (const CManufacturer& entry : list) {
        if (!Sound(entry.GetName()) || entry.GetProducts().empty())
            std::abort();
        for (const CManufacturerProduct& product : entry.GetProducts()) {
            if (!Sound(product.itemNumber) || !Sound(product.bodyClassification) ||
                !Sound(product.roadName) || !Sound(product.paintScheme) || !Sound(product.scale))
                std::abort();
        }
    }
    // The reference searches its whole record text after every byte: keep it small.
    if (size > 4096)
        return 0;
    std::vector<std::string> referenceIncomplete;
    const CManufacturerList reference = literalmanufacturerfile::Parse(
        bytes, [&](std::string_view record) { referenceIncomplete.emplace_back(record); });
    if (list != reference || incomplete != referenceIncomplete)
        std::abort();
    return 0;
}
