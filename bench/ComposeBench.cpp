// Composing one batch of 500 insults from the shipped data, the most a user can ask for
// with one press, as the data tool draws and as the window draws (no recent word again);
// the largest batch from a style of 50,000 empty lists, as a hostile data file holds; a press
// of 500, and of the 32,767 a hand-edited count can give, from a chain of 50,000 lists whose
// every word names the next list (goal: 250 ms a press of 500); the combination count, of the
// shipped styles and of a list of a million words; and the label.
#include "data/InsultGenerator.h"
#include "generate/FormatCombinations.h"
#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"

#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

using namespace razzlewick;

namespace {

InsultGenerator& ShippedData()
{
    static const std::unique_ptr<InsultGenerator> engine = [] {
        auto loaded = std::make_unique<InsultGenerator>();
        const std::string path = RAZZLEWICK_DATA_FILE;
        if (!loaded->OpenDataFile(Archive::Mode::Loading, &path).Succeeded()) {
            std::abort();
        }
        return loaded;
    }();
    return *engine;
}

void BM_ComposeBatchOf500(benchmark::State& state, const std::string& styleName, Repeats repeats)
{
    InsultGenerator& engine = ShippedData();
    engine.SelectStyle(styleName);
    if (engine.CurrentStyle() == nullptr) {
        state.SkipWithError("style missing from the shipped data");
        return;
    }
    SeedRandom(12345);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Generate(engine, 500, true, repeats));
        // Every batch is kept in the history; drop it outside the timing so memory stays flat.
        state.PauseTiming();
        engine.CurrentStyle()->History().Clear();
        state.ResumeTiming();
    }
}

void BM_ComposeManyEmptyLists(benchmark::State& state)
{
    InsultStyle style("Hostile");
    style.SetTemplateText("Thou %0 art %49999");
    for (int32_t k = 0; k < 50000; ++k) {
        style.AddList(k);
    }
    SeedRandom(12345);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Compose(style, INT16_MAX, true));
        state.PauseTiming();
        style.History().Clear();
        state.ResumeTiming();
    }
}

// Counting happens at the end of every style read, so at every start.
void BM_CountShippedStyles(benchmark::State& state)
{
    for (auto _ : state) {
        for (const auto& entry : ShippedData().Styles()) {
            ShippedData().FindStyle(entry.first)->ComputeCombinations();
        }
    }
}

void BM_CountMillionPlainWords(benchmark::State& state)
{
    InsultStyle style("Large");
    style.SetTemplateText("Thou %0");
    WordList& list = style.AddList(0);
    for (int i = 0; i < 1000000; ++i) {
        list.AddUnique("word number " + std::to_string(i));
    }
    for (auto _ : state) {
        style.ComputeCombinations();
    }
}

void BM_ComposeChainedLists(benchmark::State& state)
{
    constexpr int32_t kLists = 50000;
    InsultStyle style("Chain");
    style.SetTemplateText("%0");
    for (int32_t k = 0; k < kLists; ++k) {
        style.AddList(k).AddUnique(k + 1 < kLists ? "%" + std::to_string(k + 1) : "end");
    }
    SeedRandom(12345);
    const auto count = static_cast<int16_t>(state.range(0));
    for (auto _ : state) {
        benchmark::DoNotOptimize(Compose(style, count, true));
        state.PauseTiming();
        style.History().Clear();
        state.ResumeTiming();
    }
}

void BM_FormatCombinations(benchmark::State& state)
{
    int64_t count = 7620479999;
    for (auto _ : state) {
        benchmark::DoNotOptimize(FormatCombinations(count));
        count ^= 1;
    }
}

}  // namespace

BENCHMARK_CAPTURE(BM_ComposeBatchOf500, ArabianAllowed, std::string("Arabian"), Repeats::Allowed)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComposeBatchOf500, ArabianAvoidRecent, std::string("Arabian"),
                  Repeats::AvoidRecent)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComposeBatchOf500, ShakespeareanAllowed, std::string("Shakespearean"),
                  Repeats::Allowed)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComposeBatchOf500, ShakespeareanAvoidRecent, std::string("Shakespearean"),
                  Repeats::AvoidRecent)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComposeBatchOf500, ModernAllowed, std::string("Modern"), Repeats::Allowed)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComposeBatchOf500, ModernAvoidRecent, std::string("Modern"),
                  Repeats::AvoidRecent)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComposeBatchOf500, MediterraneanAllowed, std::string("Mediterranean"),
                  Repeats::Allowed)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_ComposeBatchOf500, MediterraneanAvoidRecent, std::string("Mediterranean"),
                  Repeats::AvoidRecent)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ComposeManyEmptyLists)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CountShippedStyles)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CountMillionPlainWords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ComposeChainedLists)->Arg(500)->Arg(INT16_MAX)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_FormatCombinations);

BENCHMARK_MAIN();
