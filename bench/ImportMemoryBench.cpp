// The heap an import takes, counted allocation by allocation: its peak above what
// was in use before, per byte of the file, and the part of that peak that is not
// the imported items (the file image and the reader's own buffers). A program of
// its own, so that counting every allocation slows no other benchmark.
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <malloc.h>
#include <new>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/LargestInventory.h"
#include "model/core/DelimitedText.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/SafeFile.h"

namespace {

std::atomic<long long> g_inUse{0};
std::atomic<long long> g_peak{0};

void* Allocate(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (!block)
        throw std::bad_alloc();
    const long long now = g_inUse.fetch_add(static_cast<long long>(malloc_usable_size(block))) +
                          static_cast<long long>(malloc_usable_size(block));
    long long peak = g_peak.load();
    while (now > peak && !g_peak.compare_exchange_weak(peak, now)) {
    }
    return block;
}

void Free(void* block) {
    if (!block)
        return;
    g_inUse.fetch_sub(static_cast<long long>(malloc_usable_size(block)));
    std::free(block);
}

} // namespace

void* operator new(std::size_t size) {
    return Allocate(size);
}
void* operator new[](std::size_t size) {
    return Allocate(size);
}
void operator delete(void* block) noexcept {
    Free(block);
}
void operator delete[](void* block) noexcept {
    Free(block);
}
void operator delete(void* block, std::size_t) noexcept {
    Free(block);
}
void operator delete[](void* block, std::size_t) noexcept {
    Free(block);
}

namespace {

namespace fs = std::filesystem;

const std::vector<int> kAllFields = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

// The largest inventory exported plain (tab) or quoted (comma, with a quoted value
// holding doubled quotes in every record).
std::string ExportedFile(bool quoted) {
    auto document = MakeDocument(kLargestInventory);
    if (quoted) {
        for (const auto& item : document->GetItems())
            item->SetAttributeText(13, "say \"" + item->GetAttributeText(13) + "\", twice");
    }
    const std::string file =
        (fs::temp_directory_path() / (quoted ? "gaugewright-memory.csv" : "gaugewright-memory.txt"))
            .string();
    delimitedtext::Export(*document, file, quoted ? "," : "\t", true, quoted);
    return file;
}

// About 10 MB in a few records of long quoted values, each with a doubled quote
// every thousand bytes: where a value built byte by byte would grow the most.
std::string LongValuesFile() {
    std::string value = "\"";
    for (int k = 0; k < 60; ++k)
        value += std::string(1000, 'x') + "\"\"";
    value += '"';
    std::string bytes;
    while (bytes.size() < (std::size_t{10} << 20)) {
        for (int field = 0; field < 14; ++field)
            bytes += (field ? "," : "") + value;
        bytes += "\r\n";
    }
    const std::string file = (fs::temp_directory_path() / "gaugewright-memory-long.csv").string();
    safefile::WriteAll(file, bytes);
    return file;
}

// quoted: 0 the plain export, 1 the quoted one, 2 long quoted values.
void BM_ImportMemory(benchmark::State& state) {
    const bool quoted = state.range(0) != 0;
    const std::string path = state.range(0) == 2 ? LongValuesFile() : ExportedFile(quoted);
    const double fileBytes = static_cast<double>(fs::file_size(path));
    for (auto _ : state) {
        auto document = std::make_unique<CSidingWardDoc>();
        const long long before = g_inUse.load();
        g_peak.store(before);
        delimitedtext::Import(*document, path, quoted ? "," : "\t", kAllFields, state.range(0) != 2,
                              CDate{}, nullptr, quoted);
        const long long items = g_inUse.load() - before;
        const long long peak = g_peak.load() - before;
        state.counters["peak/file"] = static_cast<double>(peak) / fileBytes;
        state.counters["items/file"] = static_cast<double>(items) / fileBytes;
        state.counters["beside_items/file"] = static_cast<double>(peak - items) / fileBytes;
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    fs::remove(path);
}
BENCHMARK(BM_ImportMemory)
    ->ArgName("quoted")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

} // namespace
