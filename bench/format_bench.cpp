// Throughput of the result texts.
#include <benchmark/benchmark.h>

#include "convert/format.h"

namespace {

void BM_FormatNumber(benchmark::State& state) {
    const double values[] = {0.012, 100, 37.77777777777778, 1.5e20, 123456789012345678.0, 1e-300, 0.1};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(varuno::format_number(values[i++ % 7]));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatNumber);

void BM_FormatExponentPlain(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(varuno::format_exponent("1.23456789012346e+017", 3));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_FormatExponentPlain);

}  // namespace
