// One press of Again in the main window, offscreen, from composing to the repainted window,
// at 500 insults a batch: the shipped Arabian style; the same with the words of a 380-byte
// data file merged in, which name the next list twice, 21 levels deep; those words alone, so
// that every insult stops growing at its bound; and insults that are each a line of words as
// long as the bound. Goal: every batch shown in under 100 ms.
#include "app/MainDialog.h"
#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"
#include "settings/ProfileFile.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

using namespace razzlewick;

namespace {

void LoadShippedData(InsultGenerator& engine)
{
    const std::string path = RAZZLEWICK_DATA_FILE;
    if (!engine.OpenDataFile(Archive::Mode::Loading, &path).Succeeded()) {
        std::abort();
    }
}

// What the nested file adds to the style: list k gains "%k+1%k+1", lists up to 20, and its
// template "%0" replaces the style's.
void MergeNestedWords(InsultStyle& style)
{
    style.SetTemplateText("%0");
    for (int32_t k = 0; k <= 20; ++k) {
        const std::string next = "%" + std::to_string(k + 1);
        style.AddList(k).AddUnique(next + next);
    }
    style.ComputeCombinations();
}

// Only the nested words: every insult stops at 8 KiB of placeholders, before the first.
void KeepOnlyNestedWords(InsultStyle& style)
{
    style = InsultStyle(style.Name());
    MergeNestedWords(style);
}

// Every insult a line of ordinary words as long as an insult may grow.
void MakeLongLines(InsultStyle& style)
{
    std::string line;
    while (line.size() + 8 < kInsultLimit) {
        line += "%0 camel ";
    }
    style = InsultStyle(style.Name());
    style.SetTemplateText(line);
    style.AddList(0).AddUnique("flea");
    style.ComputeCombinations();
}

void BM_ShowBatch(benchmark::State& state, void (*prepare)(InsultStyle&))
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    SettingsFile().WriteInteger("settings", "num", 500);

    MainDialog window;
    LoadShippedData(window.Engine());
    if (prepare != nullptr) {
        prepare(*window.Engine().FindStyle("Arabian"));
    }
    window.show();
    QApplication::processEvents();
    SeedRandom(12345);
    for (auto _ : state) {
        window.ShowText(true);
        window.repaint();
        QApplication::processEvents();
    }
    state.counters["text_bytes"] = static_cast<double>(window.Text().size());
    window.hide();
}

}  // namespace

BENCHMARK_CAPTURE(BM_ShowBatch, ShippedArabian, nullptr)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowBatch, NestedFileMerged, &MergeNestedWords)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowBatch, NestedWordsOnly, &KeepOnlyNestedWords)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_ShowBatch, EveryInsultAtTheBound, &MakeLongLines)
    ->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
