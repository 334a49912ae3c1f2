// Three insults on the terminal: `razzlewick --print` against `razzlewick-data generate` of
// the same style, count and seed, both as whole processes over the shipped data beside them
// (the fastest and the median of 30). The program links the window toolkit but does not
// start it on this path; the goal is under 30 ms.
#include "bench/ProcessTiming.h"

#include <benchmark/benchmark.h>

#include <string>
#include <vector>

namespace {

void TimeProcess(benchmark::State& state, const std::vector<std::string>& argv)
{
    std::vector<TimedRun> runs;
    for (auto _ : state) {
        runs = RunSorted(argv, 30);
        state.SetIterationTime(runs.front().seconds);
    }
    state.counters["median_ms"] = runs[runs.size() / 2].seconds * 1000;
    state.counters["peak_MiB"] = static_cast<double>(runs.back().peakKiB) / 1024.0;
}

void BM_PrintThree(benchmark::State& state)
{
    TimeProcess(state, {RAZZLEWICK_BIN_FOLDER "/razzlewick", "--print", "--style", "Arabian",
                        "--count", "3", "--seed", "1"});
}

void BM_GenerateThree(benchmark::State& state)
{
    TimeProcess(state, {RAZZLEWICK_BIN_FOLDER "/razzlewick-data", "generate", "--count", "3",
                        "--seed", "1", "Arabian"});
}

}  // namespace

BENCHMARK(BM_PrintThree)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GenerateThree)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
