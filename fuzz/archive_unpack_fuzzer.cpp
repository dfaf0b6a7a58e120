// Unpacks arbitrary bytes as an archive (.gwz). An unpack that succeeds leaves only
// the archive's layout, plain files all, and an inventory that reads; one that fails
// leaves nothing behind.
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

#include "model/core/InventoryArchive.h"
#include "model/core/InventoryFormat.h"

namespace fs = std::filesystem;

namespace {

bool InLayout(const fs::path& root, const fs::directory_entry& entry) {
    const std::string name = fs::relative(entry.path(), root).generic_string();
    if (entry.is_symlink())
        return false;
    if (name == "pictures")
        return entry.is_directory();
    return entry.is_regular_file() &&
           (name == inventoryarchive::kInventoryEntry ||
            name == inventoryarchive::kCatalogueEntry ||
            (name.starts_with(inventoryarchive::kPictureFolder) &&
             name.find('/', inventoryarchive::kPictureFolder.size()) == std::string::npos));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const fs::path work =
        fs::temp_directory_path() / ("gaugewright-fuzz-archive-" + std::to_string(getpid()));
    fs::remove_all(work);
    fs::create_directories(work);
    const fs::path archive = work / "in.gwz";
    std::ofstream(archive, std::ios::binary)
        .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    const fs::path out = work / "out";

    inventoryarchive::CUnpackedArchive unpacked;
    const FileResult result = inventoryarchive::UnpackArchive(archive, out, unpacked);
    if (result.Succeeded()) {
        for (const auto& entry : fs::recursive_directory_iterator(out)) {
            if (!InLayout(out, entry))
                std::abort();
        }
        std::ifstream file(unpacked.inventoryPath, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        CInventoryFileContents contents;
        if (inventoryformat::Read(bytes, contents).outcome != FileOutcome::Ok)
            std::abort();
    } else if (result.message.empty() || fs::exists(out) ||
               std::distance(fs::directory_iterator(work), fs::directory_iterator()) != 1) {
        std::abort();
    }
    fs::remove_all(work);
    return 0;
}
