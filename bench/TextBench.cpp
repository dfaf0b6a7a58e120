// Delimited text export and import of the largest inventory, plain and quoted, the
// import's preview, and the literal byte-at-a-time import as the baseline; a
// delimiter of 100,001 bytes.
#include <filesystem>
#include <vector>

#include <benchmark/benchmark.h>

#include "bench/LargestInventory.h"
#include "bench/LiteralImport.h"
#include "model/core/DelimitedText.h"
#include "model/core/SidingWardDoc.h"
#include "model/framework/SafeFile.h"

namespace fs = std::filesystem;

namespace {

const std::vector<int> kAllFields = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13};

const std::string& ExportPath() {
    static const std::string path = [] {
        const std::string file = (fs::temp_directory_path() / "gaugewright-bench.txt").string();
        delimitedtext::Export(*MakeDocument(kLargestInventory), file, "\t", true);
        return file;
    }();
    return path;
}

// The largest inventory exported as a spreadsheet would read it: comma, quoted,
// names first.
const std::string& QuotedPath() {
    static const std::string path = [] {
        const std::string file =
            (fs::temp_directory_path() / "gaugewright-bench-quoted.csv").string();
        delimitedtext::Export(*MakeDocument(kLargestInventory), file, ",", true, true);
        return file;
    }();
    return path;
}

// Includes the flush to the disk and the rename over the old file.
void BM_ExportLargestInventory(benchmark::State& state) {
    const auto document = MakeDocument(kLargestInventory);
    const std::string path = (fs::temp_directory_path() / "gaugewright-bench-export.txt").string();
    for (auto _ : state) {
        if (!delimitedtext::Export(*document, path, "\t", true).Succeeded())
            state.SkipWithError("the export failed");
    }
    fs::remove(path);
}
BENCHMARK(BM_ExportLargestInventory)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportLargestInventory(benchmark::State& state) {
    const std::string& path = ExportPath();
    for (auto _ : state) {
        auto document = std::make_unique<CSidingWardDoc>();
        const CDelimitedImportResult result =
            delimitedtext::Import(*document, path, "\t", kAllFields, true, CDate{}, nullptr);
        if (result.added != kLargestInventory)
            state.SkipWithError("the import failed");
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportLargestInventory)->Unit(benchmark::kMillisecond);

void BM_ExportQuoted(benchmark::State& state) {
    const auto document = MakeDocument(kLargestInventory);
    const std::string path = (fs::temp_directory_path() / "gaugewright-bench-export.csv").string();
    for (auto _ : state) {
        if (!delimitedtext::Export(*document, path, ",", true, true).Succeeded())
            state.SkipWithError("the export failed");
    }
    fs::remove(path);
}
BENCHMARK(BM_ExportQuoted)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_ImportQuoted(benchmark::State& state) {
    const std::string& path = QuotedPath();
    for (auto _ : state) {
        auto document = std::make_unique<CSidingWardDoc>();
        const CDelimitedImportResult result =
            delimitedtext::Import(*document, path, ",", kAllFields, true, CDate{}, nullptr, true);
        if (result.added != kLargestInventory)
            state.SkipWithError("the import failed");
        state.PauseTiming();
        document.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ImportQuoted)->Unit(benchmark::kMillisecond);

// What the preview window shows: every record counted, the first 20 read.
void BM_ImportPreview(benchmark::State& state) {
    const bool quoted = state.range(0) != 0;
    const std::string& path = quoted ? QuotedPath() : ExportPath();
    const std::string delimiter = quoted ? "," : "\t";
    for (auto _ : state) {
        const CImportPreview preview =
            delimitedtext::Preview(path, delimiter, kAllFields, true, quoted);
        if (preview.recordCount != kLargestInventory)
            state.SkipWithError("the preview miscounted");
    }
}
BENCHMARK(BM_ImportPreview)->ArgName("quoted")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The baseline: the records found by reading one byte at a time and searching the
// growing buffer, on the file already in memory.
void BM_LiteralImportLargestInventory(benchmark::State& state) {
    std::string bytes;
    safefile::ReadAll(ExportPath(), bytes);
    for (auto _ : state) {
        auto items = literalimport::Import(bytes, "\t", kAllFields, true);
        state.PauseTiming();
        items.clear();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LiteralImportLargestInventory)->Unit(benchmark::kMillisecond);

// A delimiter of 100,000 "a" and a "b", and a file of `megabytes` MB whose records
// are runs of "a" a little longer than it: the delimiter almost matches at every
// position and is never found.
std::string LongDelimiter() {
    return std::string(100000, 'a') + 'b';
}

std::string LongDelimiterFile(long megabytes) {
    const std::string file = (fs::temp_directory_path() /
                              ("gaugewright-bench-long-" + std::to_string(megabytes) + ".txt"))
                                 .string();
    if (!fs::exists(file)) {
        const std::string record = std::string(LongDelimiter().size() + 999, 'a') + "\r\n";
        std::string bytes;
        while (bytes.size() + record.size() <= static_cast<std::size_t>(megabytes) << 20)
            bytes += record;
        safefile::WriteAll(file, bytes);
    }
    return file;
}

void BM_ImportLongDelimiter(benchmark::State& state) {
    const bool quoted = state.range(0) != 0;
    const std::string path = LongDelimiterFile(state.range(1));
    const std::string delimiter = LongDelimiter();
    for (auto _ : state) {
        CSidingWardDoc document;
        const CDelimitedImportResult result = delimitedtext::Import(
            document, path, delimiter, {0, 1}, false, CDate{}, nullptr, quoted);
        if (result.added == 0)
            state.SkipWithError("the import failed");
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) *
                            static_cast<std::int64_t>(fs::file_size(path)));
}
BENCHMARK(BM_ImportLongDelimiter)
    ->ArgNames({"quoted", "MB"})
    ->Args({0, 1})
    ->Args({0, 10})
    ->Args({1, 1})
    ->Args({1, 10})
    ->Unit(benchmark::kMillisecond);

} // namespace
