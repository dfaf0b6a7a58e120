// Archiving an inventory whose items each have a photograph of their own, against
// `zip -0` of the same files: the archive stores its pictures as zip -0 does, so
// the two should take about as long. Both read the pictures from the page cache
// (they were just written); the archive is flushed to the disk before it is
// renamed into place, so zip -0 is measured with and without a sync of its file.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include <benchmark/benchmark.h>

#include "model/core/InventoryArchive.h"
#include "model/core/SidingWardDoc.h"

namespace fs = std::filesystem;

namespace {

constexpr int kPictures = 1000;
constexpr std::size_t kPictureBytes = std::size_t{4} << 20;

// The pictures, the inventory naming them and a catalogue, made once in a
// temporary folder and removed when the program ends.
class CPictureFolder {
public:
    CPictureFolder() : m_root(fs::temp_directory_path() / "gaugewright-archive-bench") {
        fs::remove_all(m_root);
        fs::create_directories(m_root / "pictures");
        // Random bytes do not compress, as photographs do not; each file differs.
        std::mt19937_64 random(42);
        std::string bytes(kPictureBytes, '\0');
        for (std::size_t k = 0; k + 8 <= bytes.size(); k += 8) {
            const std::uint64_t value = random();
            std::memcpy(bytes.data() + k, &value, 8);
        }
        for (int n = 0; n < kPictures; ++n) {
            const std::string name = "photo-" + std::to_string(n) + ".jpg";
            std::memcpy(bytes.data(), &n, sizeof n);
            std::ofstream(m_root / "pictures" / name, std::ios::binary)
                .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
            m_document.AddItem(std::make_unique<CInventoryElement>(), nullptr);
            m_document.GetItemAt(n)->SetPicture((m_root / "pictures" / name).string());
        }
        std::ofstream(m_root / "Classyrd.mst", std::ios::binary) << std::string(40000, 'c');
        if (!m_document.OnSaveDocument((m_root / "inventory.inv").string()).Succeeded())
            std::abort();
    }
    ~CPictureFolder() { fs::remove_all(m_root); }

    const fs::path& Root() const { return m_root; }
    const CSidingWardDoc& Document() const { return m_document; }

private:
    fs::path m_root;
    CSidingWardDoc m_document;
};

const CPictureFolder& Pictures() {
    static const CPictureFolder folder;
    return folder;
}

void BM_WriteArchive(benchmark::State& state) {
    const CPictureFolder& folder = Pictures();
    const std::string target = (folder.Root() / "copy.gwz").string();
    for (auto _ : state) {
        const auto written = inventoryarchive::WriteArchive(
            folder.Document(), (folder.Root() / "Classyrd.mst").string(), target);
        if (!written.result.Succeeded() || !written.missingPictures.empty())
            state.SkipWithError(written.result.message.c_str());
        state.PauseTiming();
        fs::remove(target);
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kPictures *
                            static_cast<std::int64_t>(kPictureBytes));
}
BENCHMARK(BM_WriteArchive)->Unit(benchmark::kSecond)->UseRealTime()->Iterations(3);

void BM_ZipStored(benchmark::State& state) {
    const CPictureFolder& folder = Pictures();
    const std::string command = "cd '" + folder.Root().string() +
                                "' && zip -0 -q -r copy.zip inventory.inv Classyrd.mst pictures" +
                                (state.range(0) ? " && sync copy.zip" : "");
    for (auto _ : state) {
        if (std::system(command.c_str()) != 0)
            state.SkipWithError("zip failed");
        state.PauseTiming();
        fs::remove(folder.Root() / "copy.zip");
        state.ResumeTiming();
    }
    state.SetBytesProcessed(state.iterations() * kPictures *
                            static_cast<std::int64_t>(kPictureBytes));
}
BENCHMARK(BM_ZipStored)
    ->ArgName("synced")
    ->Arg(0)
    ->Arg(1)
    ->Unit(benchmark::kSecond)
    ->UseRealTime()
    ->Iterations(3);

} // namespace

BENCHMARK_MAIN();
