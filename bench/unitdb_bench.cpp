// Start-up and per-action costs of the unit tables: building all tables,
// sorting the largest table, and one whole conversion of a court.
#include <benchmark/benchmark.h>

#include "convert/engine.h"
#include "unitdb/accessors.h"
#include "unitdb/lists.h"
#include "unitdb/registry.h"
#include "unitdb/sort.h"

namespace {

using namespace varuno;

// Building leaks by design (the tables live until the process ends), so the
// benchmark builds into fresh records and frees them itself.
void free_table(udb& t) {
    for (int r = 0; r < t.count; ++r) {
        for (int c = 0; c < t.columns; ++c) std::free(t.rows[r][c]);
        std::free(t.rows[r]);
    }
    std::free(t.rows);
    std::free(t.order);
    t = udb{};
}

void BM_LoadAllTables(benchmark::State& state) {
    for (auto _ : state) {
        load_unit_tables();
        state.PauseTiming();
        for (int k = 0; k < kind_count; ++k) free_table(kind_tables[k]);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_LoadAllTables)->Unit(benchmark::kMicrosecond);

void BM_SortVolume(benchmark::State& state) {
    load_unit_tables();
    for (auto _ : state) sort_units(kind_tables[2], static_cast<int>(state.range(0)));
    for (int k = 0; k < kind_count; ++k) free_table(kind_tables[k]);
}
BENCHMARK(BM_SortVolume)->DenseRange(0, 4)->Unit(benchmark::kMicrosecond);

void BM_ConvertCourt(benchmark::State& state) {
    load_unit_tables();
    const ConversionRequest request{&kind_tables[0], false, "12", 22, 16, {}};
    for (auto _ : state) benchmark::DoNotOptimize(convert(request));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ConvertCourt);

} // namespace
