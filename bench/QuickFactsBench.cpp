// The Quick Facts answers and breakdowns of the largest inventory.
#include <chrono>

#include <benchmark/benchmark.h>

#include "bench/LargestInventory.h"
#include "bench/LiteralGroupList.h"
#include "model/core/SidingWardDoc.h"
#include "model/quickfacts/BreakdownTable.h"
#include "model/quickfacts/Valuation.h"

namespace {

const CSidingWardDoc& Largest() {
    static const auto document = MakeDocument(kLargestInventory);
    return *document;
}

// Every answer of the Quick Facts menu for the whole inventory, one after another.
void BM_InventoryFacts(benchmark::State& state) {
    const CSidingWardDoc::ItemList& items = Largest().GetItems();
    for (auto _ : state) {
        benchmark::DoNotOptimize(valuation::TotalExpenditures(items));
        benchmark::DoNotOptimize(valuation::TotalAssetValue(items));
        benchmark::DoNotOptimize(valuation::DollarGainLoss(items));
        benchmark::DoNotOptimize(valuation::PercentGainLoss(items));
        benchmark::DoNotOptimize(valuation::FindWorstPerformer(items));
        benchmark::DoNotOptimize(valuation::FindBestPerformer(items));
    }
}
BENCHMARK(BM_InventoryFacts)->Unit(benchmark::kMillisecond);

// The rows of each breakdown: by purchase year, then by Manufacturer (text groups),
// Item Number (nearly one group per item) and Purchase Price (amount groups).
void BM_Breakdown(benchmark::State& state) {
    const auto measure = static_cast<BreakdownMeasure>(state.range(0));
    const int attribute = static_cast<int>(state.range(1));
    for (auto _ : state) {
        const CBreakdownTable table =
            attribute < 0 ? CBreakdownTable::ByPurchaseYear(Largest(), measure, nullptr)
                          : CBreakdownTable::ByAttribute(Largest(), measure, attribute, nullptr);
        benchmark::DoNotOptimize(table.GetRows().data());
    }
}
BENCHMARK(BM_Breakdown)
    ->ArgNames({"measure", "attribute"})
    ->Args({static_cast<int>(BreakdownMeasure::Expenditures), -1})
    ->Args({static_cast<int>(BreakdownMeasure::AssetValue), -1})
    ->Args({static_cast<int>(BreakdownMeasure::Expenditures), 1})
    ->Args({static_cast<int>(BreakdownMeasure::AssetValue), 1})
    ->Args({static_cast<int>(BreakdownMeasure::ItemCount), 1})
    ->Args({static_cast<int>(BreakdownMeasure::ItemCount), 2})
    ->Args({static_cast<int>(BreakdownMeasure::ItemCount), 10})
    ->Unit(benchmark::kMillisecond);

// A click on the value column's header of the largest text breakdown.
void BM_BreakdownSortClick(benchmark::State& state) {
    CBreakdownTable table =
        CBreakdownTable::ByAttribute(Largest(), BreakdownMeasure::ItemCount, 2, nullptr);
    for (auto _ : state)
        table.SortByColumn(static_cast<int>(state.range(0)));
}
BENCHMARK(BM_BreakdownSortClick)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace

namespace {

// The hashed grouping against the literal search from the front, on Item Number
// (nearly one group per item) at sizes where the literal one still finishes.
void BM_GroupingAgainstLiteralSearch(benchmark::State& state) {
    const auto count = static_cast<std::size_t>(state.range(0));
    const auto document = MakeDocument(count);
    double literalSeconds = 0;
    double groupedSeconds = 0;
    for (auto _ : state) {
        auto start = std::chrono::steady_clock::now();
        const auto literal = literalgrouplist::CountByAttribute(document->GetItems(), 2);
        literalSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        start = std::chrono::steady_clock::now();
        const CBreakdownTable table =
            CBreakdownTable::ByAttribute(*document, BreakdownMeasure::ItemCount, 2, nullptr);
        groupedSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (literal.size() != table.GetRows().size())
            state.SkipWithError("the two groupings differ");
    }
    const double runs = static_cast<double>(state.iterations());
    state.counters["literal_ms"] = 1000 * literalSeconds / runs;
    state.counters["grouped_ms"] = 1000 * groupedSeconds / runs;
    state.counters["ratio"] = literalSeconds / groupedSeconds;
}
BENCHMARK(BM_GroupingAgainstLiteralSearch)
    ->Arg(4000)
    ->Arg(16000)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(2);

} // namespace
