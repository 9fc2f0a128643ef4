// Start-up and per-action costs of the unit tables: building all tables,
// sorting the largest table, and one whole conversion of a court.
#include <benchmark/benchmark.h>

#include <memory>

#include "convert/engine.h"
#include "unitdb/accessors.h"
#include "unitdb/lists.h"
#include "unitdb/registry.h"
#include "unitdb/sort.h"

namespace {

using namespace varuno;

void BM_LoadAllTables(benchmark::State& state) {
    for (auto _ : state) {
        auto tables = std::make_unique<UnitTables>();
        tables->load_all();
        state.PauseTiming();  // releasing them is not part of building
        tables.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadAllTables)->Unit(benchmark::kMicrosecond);

void BM_SortVolume(benchmark::State& state) {
    UnitTables tables;
    udb& volume = tables.table(2);
    for (auto _ : state) sort_units(volume, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_SortVolume)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_ConvertCourt(benchmark::State& state) {
    UnitTables tables;
    const ConversionRequest request{&tables.table(0), false, "12", 22, 16, {}};
    for (auto _ : state) benchmark::DoNotOptimize(convert(request));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertCourt);

}  // namespace
