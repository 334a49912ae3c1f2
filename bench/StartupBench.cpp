// Whole-process start-up to the first painted window, the program against a bare Qt
// dialog with one text box, both on the offscreen platform, at 100 % and at 200 %.
// Reports the time and peak memory of each and the program's ratios to the bare dialog,
// and what the hand-over costs: the same start-up begun by `razzlewick`, which loads the
// window library beside it, against a launcher that has it built in.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

extern char** environ;

namespace {

struct Run {
    double seconds = 0;
    long peakKiB = 0;
};

Run StartOnce(const std::string& program)
{
    char* const argv[] = {const_cast<char*>(program.c_str()), nullptr};
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, program.c_str(), nullptr, nullptr, argv, environ) != 0) {
        std::abort();
    }
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::abort();
    }
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), usage.ru_maxrss};
}

// The fastest of several starts: other work on the machine only ever adds time, so the
// minimum is the steadiest figure for comparing two programs.
Run Fastest(const std::string& program, int times)
{
    Run best{1e9, 0};
    for (int i = 0; i < times; ++i) {
        const Run run = StartOnce(program);
        best.seconds = std::min(best.seconds, run.seconds);
        best.peakKiB = std::max(best.peakKiB, run.peakKiB);
    }
    return best;
}

// A folder as installed: a copy of `razzlewick` (its folder is where it looks for the window
// library and the data) beside the measuring window library and the shipped data.
std::string ProgramAsInstalled(const std::string& scratch)
{
    namespace fs = std::filesystem;
    const fs::path bin = RAZZLEWICK_BIN_FOLDER;
    const fs::path folder = fs::path(scratch) / "lib";
    fs::create_directories(folder);
    fs::copy_file(bin / "razzlewick", folder / "razzlewick", fs::copy_options::overwrite_existing);
    fs::create_directories(folder / "window");
    fs::create_symlink(bin / "window/bench_startup_window.so",
                       folder / "window/razzlewick-window.so");
    fs::create_symlink(bin / "insltdat.dat", folder / "insltdat.dat");
    return folder / "razzlewick";
}

// Both programs started on a screen of the given scale (1 or 2 device pixels to a pixel).
void StartupToFirstPaint(benchmark::State& state, const char* scale)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("QT_SCALE_FACTOR", scale, 1);
    char folder[] = "/tmp/razzlewick-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::abort();
    }
    setenv("XDG_CONFIG_HOME", folder, 1);

    const std::string bin = RAZZLEWICK_BIN_FOLDER;
    const std::string installed = ProgramAsInstalled(folder);
    Fastest(bin + "/bench_startup_razzlewick", 2);  // warm the file cache for all three
    Fastest(bin + "/bench_startup_bare", 2);
    Fastest(installed, 2);
    Run program;
    Run bare;
    Run handedOver;
    for (auto _ : state) {
        program = Fastest(bin + "/bench_startup_razzlewick", 10);
        bare = Fastest(bin + "/bench_startup_bare", 10);
        handedOver = Fastest(installed, 10);
        state.SetIterationTime(program.seconds);
    }
    struct stat data {};
    stat((bin + "/insltdat.dat").c_str(), &data);
    state.counters["program_ms"] = program.seconds * 1000;
    state.counters["bare_ms"] = bare.seconds * 1000;
    state.counters["time_ratio"] = program.seconds / bare.seconds;
    state.counters["program_MiB"] = program.peakKiB / 1024.0;
    state.counters["bare_MiB"] = bare.peakKiB / 1024.0;
    state.counters["memory_ratio"] = program.peakKiB / (bare.peakKiB + data.st_size / 1024.0);
    state.counters["handover_ms"] = (handedOver.seconds - program.seconds) * 1000;
    std::filesystem::remove_all(folder);
}

void BM_StartupToFirstPaint(benchmark::State& state)
{
    StartupToFirstPaint(state, "1");
}

// At 200 % every drawn button, arrow and picture has four times the pixels to draw.
void BM_StartupToFirstPaintAt200Percent(benchmark::State& state)
{
    StartupToFirstPaint(state, "2");
}

}  // namespace

BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_StartupToFirstPaintAt200Percent)
    ->UseManualTime()
    ->Iterations(3)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
