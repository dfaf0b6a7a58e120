// Load, save and sort of the largest inventory the file format holds.
#include <chrono>
#include <filesystem>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/ExchangeSort.h"
#include "bench/LargestInventory.h"
#include "bench/RealisticInventory.h"
#include "model/core/InventoryFormat.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/SafeFile.h"

namespace fs = std::filesystem;

namespace {

void BM_LoadInventoryFile(benchmark::State& state) {
    const std::string& path = LargestInventoryPath();
    for (auto _ : state) {
        auto document = std::make_unique<CSidingWardDoc>();
        const FileResult result = document->OnOpenDocument(path);
        if (!result.Succeeded() || document->GetItemCount() != static_cast<int>(kLargestInventory))
            state.SkipWithError("the inventory did not load");
        // Closing the inventory is not part of opening it.
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * kLargestInventory));
}
BENCHMARK(BM_LoadInventoryFile)->Unit(benchmark::kMillisecond);

void BM_ParseInventoryImage(benchmark::State& state) {
    std::string bytes;
    safefile::ReadAll(LargestInventoryPath(), bytes);
    for (auto _ : state) {
        auto contents = std::make_unique<CInventoryFileContents>();
        inventoryformat::Read(bytes, *contents);
        state.PauseTiming();
        contents.reset();
        state.ResumeTiming();
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_ParseInventoryImage)->Unit(benchmark::kMillisecond);

// Includes the flush to the disk and the rename over the old file.
void BM_SaveInventoryFile(benchmark::State& state) {
    const auto document = MakeDocument(kLargestInventory);
    const std::string path = (fs::temp_directory_path() / "gaugewright-bench-save.inv").string();
    for (auto _ : state) {
        if (!document->OnSaveDocument(path).Succeeded())
            state.SkipWithError("the inventory did not save");
    }
    fs::remove(path);
}
BENCHMARK(BM_SaveInventoryFile)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_WriteInventoryImage(benchmark::State& state) {
    const auto document = MakeDocument(kLargestInventory);
    for (auto _ : state) {
        std::string bytes =
            inventoryformat::Write(document->GetItems(), document->GetSearchHistory());
        benchmark::DoNotOptimize(bytes.data());
    }
}
BENCHMARK(BM_WriteInventoryImage)->Unit(benchmark::kMillisecond);

// One sort of the shuffled inventory per iteration; the argument is the attribute:
// 0 text (Body Classification), 2 free text (Item Number), 8 year, 10 money.
void BM_SortLargestInventory(benchmark::State& state) {
    const int attribute = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        auto document = MakeDocument(kLargestInventory);
        document->SetSortAttribute(attribute);
        state.ResumeTiming();
        document->Sort();
        benchmark::DoNotOptimize(document->GetItemAt(0));
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortLargestInventory)->Arg(0)->Arg(2)->Arg(8)->Arg(10)->Unit(benchmark::kMillisecond);

// The quadratic exchange sort against the document's sort on the same items.
void BM_SortAgainstExchangeSort(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    double exchangeSeconds = 0;
    double sortSeconds = 0;
    for (auto _ : state) {
        auto items = MakeRealisticInventory(count, 7);
        auto start = std::chrono::steady_clock::now();
        ExchangeSort(items, 3);
        exchangeSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();

        auto document = MakeDocument(count);
        document->SetSortAttribute(3);
        start = std::chrono::steady_clock::now();
        document->Sort();
        sortSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["exchange_ms"] = 1000 * exchangeSeconds / runs;
    state.counters["sort_ms"] = 1000 * sortSeconds / runs;
    state.counters["ratio"] = exchangeSeconds / sortSeconds;
}
BENCHMARK(BM_SortAgainstExchangeSort)
    ->Arg(2000)
    ->Arg(4000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
