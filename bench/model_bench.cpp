// How long one line move takes: the whole scratch copy and permutation.

#include <benchmark/benchmark.h>

#include "model/cube.h"

namespace {

void BM_ApplyMove(benchmark::State& state) {
    const int n = static_cast<int>(state.range(0));
    const bool edge = state.range(1) != 0;
    tessaro::Cube cube(n);
    const int line = edge ? 1 : n / 2;
    int kind = 1;
    for (auto _ : state) {
        cube.ApplyMove(kind, line);
        kind = kind % 6 + 1;
        benchmark::DoNotOptimize(cube.CubeCells(1, 1, 1));
    }
}
BENCHMARK(BM_ApplyMove)->ArgNames({"N", "edge"})->Args({3, 0})->Args({3, 1})->Args({10, 0})->Args({10, 1});

}  // namespace

BENCHMARK_MAIN();
