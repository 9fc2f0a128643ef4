// The favourites file: deleting the first of n entries moves every later one
// down; the file is rewritten once for all of them.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "dialogs/favourites_file.h"
#include "platform/ini.h"

namespace {

using namespace varuno;

constexpr const char* kFile = "favourites_bench_fv.ini";

// A file of n entries, written in one go.
void store(int n) {
    std::vector<IniChange> changes;
    for (int i = 0; i < n; ++i)
        for (const char* section : {"uk", "bf", "af", "COU"}) changes.push_back({section, std::to_string(i), "1"});
    changes.push_back({"FV", "c", std::to_string(n)});
    ini_write_changes(changes, kFile);
}

void BM_DeleteFirstFavourite(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    for (auto _ : state) {
        state.PauseTiming();
        store(n);
        state.ResumeTiming();
        delete_favourite(0, kFile);
    }
    std::filesystem::remove(path_beside_program(kFile));
}
BENCHMARK(BM_DeleteFirstFavourite)->Arg(10)->Arg(100)->Arg(1000)->Unit(benchmark::kMillisecond);

}  // namespace
