#include "bench/LargestInventory.h"

#include <filesystem>

#include "bench/RealisticInventory.h"
#include "model/core/SidingWardDoc.h"

std::unique_ptr<CSidingWardDoc> MakeDocument(std::size_t count) {
    auto document = std::make_unique<CSidingWardDoc>();
    for (auto& item : MakeRealisticInventory(count, 1962))
        document->AddItem(std::move(item), nullptr);
    return document;
}

const std::string& LargestInventoryPath() {
    static const std::string path = [] {
        const std::string file =
            (std::filesystem::temp_directory_path() / "gaugewright-bench-65535.inv").string();
        MakeDocument(kLargestInventory)->OnSaveDocument(file);
        return file;
    }();
    return path;
}
