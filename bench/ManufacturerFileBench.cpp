// Reading a manufacturer file of 100000 products, against the literal reading
// (blocks of 100000 bytes, a search of the growing record buffer per block).
#include <random>
#include <string>

#include <benchmark/benchmark.h>

#include "bench/LiteralManufacturerFile.h"
#include "model/yard/ManufacturerFile.h"

namespace {

constexpr int kProducts = 100000;

// Products of 60 manufacturers, listed manufacturer by manufacturer as such files
// usually are, with a substituted byte in some texts.
const std::string& ManufacturerFileImage() {
    static const std::string image = [] {
        const char* const bodies[] = {
            "Boxcar", "Caboose", "Hopper", "Tank Car", "Locomotive \xF1 Diesel", "Passenger Car"};
        const char* const roads[] = {
            "Reading",       "Conrail", "Union Pacific", "Pennsylvania", "Baltimore \xF5 Ohio",
            "Great Northern"};
        const char* const paints[] = {"As Delivered", "Tuscan", "Chessie", "Weathered"};
        const char* const scales[] = {"HO", "N", "O", "S", "G"};
        std::mt19937 random(42);
        std::string text;
        for (int k = 0; k < kProducts; ++k) {
            text += "Maker " + std::to_string(k * 60 / kProducts) + "|" +
                    std::to_string(10000 + k) + "\xF1" + std::to_string(random() % 100) + "|" +
                    bodies[random() % 6] + "|" + roads[random() % 6] + "|" + paints[random() % 4] +
                    "|" + scales[random() % 5] + "\r\n";
        }
        return text;
    }();
    return image;
}

void BM_ParseManufacturerFile(benchmark::State& state) {
    const std::string& image = ManufacturerFileImage();
    for (auto _ : state) {
        CManufacturerList list = manufacturerfile::Parse(image);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}
BENCHMARK(BM_ParseManufacturerFile)->Unit(benchmark::kMillisecond);

void BM_LiteralParseManufacturerFile(benchmark::State& state) {
    const std::string& image = ManufacturerFileImage();
    for (auto _ : state) {
        CManufacturerList list = literalmanufacturerfile::Parse(image);
        benchmark::DoNotOptimize(list.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * image.size()));
}
BENCHMARK(BM_LiteralParseManufacturerFile)->Unit(benchmark::kMillisecond);

} // namespace
