// The Value History window on the largest inventory, every item with ten
// valuations (Qt widgets on the offscreen platform).

#include <memory>
#include <string>
#include <vector>

#include <QApplication>
#include <QLineSeries>
#include <QTableWidget>
#include <benchmark/benchmark.h>

#include "bench/LargestInventory.h"
#include "model/core/SidingWardDoc.h"
#include "model/core/ValueHistory.h"
#include "ui/quickfacts/ValueHistoryDialog.h"

namespace {

// Ten valuations a year apart, from the item's own starting value, so that the
// items change on different days and the total has many points.
void GiveHistories(CSidingWardDoc& document) {
    int n = 0;
    for (const auto& item : document.GetItems()) {
        std::vector<valuehistory::Entry> entries;
        for (int k = 0; k < 10; ++k) {
            entries.push_back({CDate{2015 + k, 1 + (n + k) % 12, 1 + n % 28},
                               std::to_string(10 + n % 500 + 5 * k) + ".00",
                               k == 0 ? std::string() : "appraised"});
        }
        item->SetReservedText1(valuehistory::Format(std::move(entries)).value_or(""));
        ++n;
    }
}

// The window opened on the inventory with one item selected: the totals over time
// computed, both lines and the item's table filled, and the window painted.
void BM_OpenValueHistory(benchmark::State& state) {
    std::unique_ptr<CSidingWardDoc> document = MakeDocument(kLargestInventory);
    GiveHistories(*document);
    CInventoryElement* item = document->GetItems()[kLargestInventory / 2].get();
    for (auto _ : state) {
        auto dialog =
            std::make_unique<CValueHistoryDialog>(*document, item, nullptr, CDate{2026, 12, 9});
        dialog->show();
        QCoreApplication::processEvents();
        dialog->repaint();
        if (dialog->Table()->rowCount() != 10 || dialog->TotalSeries()->count() < 1000)
            state.SkipWithError("the histories are not shown");
        state.PauseTiming();
        dialog.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenValueHistory)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
