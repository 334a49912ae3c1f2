// Whole-process start-up to the first painted window, the program against a bare Qt
// dialog with one text box, both on the offscreen platform. Reports the time and peak
// memory of each and the program's ratios to the bare dialog.
#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <chrono>
#include <cstdlib>
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

Run Average(const std::string& program, int times)
{
    Run total;
    for (int i = 0; i < times; ++i) {
        const Run run = StartOnce(program);
        total.seconds += run.seconds;
        total.peakKiB = std::max(total.peakKiB, run.peakKiB);
    }
    total.seconds /= times;
    return total;
}

void BM_StartupToFirstPaint(benchmark::State& state)
{
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    char folder[] = "/tmp/razzlewick-bench-XXXXXX";
    if (mkdtemp(folder) == nullptr) {
        std::abort();
    }
    setenv("XDG_CONFIG_HOME", folder, 1);

    const std::string bin = RAZZLEWICK_BIN_FOLDER;
    Average(bin + "/bench_startup_razzlewick", 2);  // warm the file cache for both
    Average(bin + "/bench_startup_bare", 2);
    Run program;
    Run bare;
    for (auto _ : state) {
        program = Average(bin + "/bench_startup_razzlewick", 5);
        bare = Average(bin + "/bench_startup_bare", 5);
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
}

}  // namespace

BENCHMARK(BM_StartupToFirstPaint)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
