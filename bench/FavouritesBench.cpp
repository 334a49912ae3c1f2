// A favourites file of 100,000 insults, met as a user meets it: the Favourites window from
// its construction to its first paint, offscreen, and `razzlewick --print --favourite` as a
// whole process started from a shell. Goals: the window in under 0.5 s, the terminal in
// under 20 ms.
#include "app/FavouritesDialog.h"
#include "bench/ProcessTiming.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <fstream>
#include <string>

using namespace razzlewick;

namespace {

constexpr int kFavourites = 100000;

// $XDG_DATA_HOME with razzlewick/favourites.txt of kFavourites lines of ordinary length, a
// few days each, in the four styles.
const QTemporaryDir& DataHome()
{
    static const QTemporaryDir home = [] {
        QTemporaryDir made;
        const std::string folder = made.path().toStdString() + "/razzlewick";
        if (!QDir().mkpath(QString::fromStdString(folder)))
            std::abort();
        std::ofstream file(folder + "/favourites.txt");
        constexpr const char* kStyles[] = {"Arabian", "Shakespearean", "Modern", "Mediterranean"};
        for (int i = 0; i < kFavourites; ++i) {
            file << "2026-" << (10 + i % 3) << '-' << (10 + i % 19) << " [" << kStyles[i % 4]
                 << "] May a conjurer, lately of the hollow mountain, make you immortal, number "
                 << i << "!\n";
        }
        if (!file)
            std::abort();
        return made;
    }();
    return home;
}

void BM_FavouritesWindowOpens(benchmark::State& state)
{
    const std::string path = DataHome().path().toStdString() + "/razzlewick/favourites.txt";
    for (auto _ : state) {
        FavouritesDialog dialog(path, nullptr);
        dialog.show();
        dialog.repaint();
        QApplication::processEvents();
        dialog.hide();
    }
}

void BM_PrintFavourite(benchmark::State& state)
{
    const RunPlace place{{"XDG_DATA_HOME=" + DataHome().path().toStdString()}, {}};
    const std::vector<std::string> command = {RAZZLEWICK_BIN_FOLDER "/razzlewick", "--print",
                                              "--favourite"};
    for (auto _ : state) {
        const TimedRun run = RunOnceIn(command, place);
        state.SetIterationTime(run.seconds);
        state.counters["peak_KiB"] = static_cast<double>(run.peakKiB);
    }
}

}  // namespace

BENCHMARK(BM_FavouritesWindowOpens)->Unit(benchmark::kMillisecond)->Iterations(5);
BENCHMARK(BM_PrintFavourite)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(20);

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
