// The terminal against its yardsticks, as whole processes a user starts from a shell:
// `razzlewick --print` of three insults, `razzlewick-data generate` of the same, and the
// classic `fortune` when it is installed, run in turn twenty times each (interleaved, so a
// busy moment of the machine falls on all of them), with each one's median time and peak
// memory and the program's ratios to the others. The goals: at most 1.5 times the data tool
// and 2 times fortune in time, and 2 times fortune in memory.
#include "bench/ProcessTiming.h"

#include <benchmark/benchmark.h>

#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

constexpr int kRuns = 20;
constexpr int kMemoryRuns = 5;

double MedianSeconds(std::vector<TimedRun> runs)
{
    std::sort(runs.begin(), runs.end(),
              [](const TimedRun& a, const TimedRun& b) { return a.seconds < b.seconds; });
    return (runs[kRuns / 2 - 1].seconds + runs[kRuns / 2].seconds) / 2;
}

// The largest peak of a few runs through bench_peak_relay.
long PeakKiB(const std::vector<std::string>& program)
{
    long peak = 0;
    for (int i = 0; i < kMemoryRuns; ++i) {
        std::vector<std::string> words = {RAZZLEWICK_BIN_FOLDER "/bench_peak_relay"};
        words.insert(words.end(), program.begin(), program.end());
        std::vector<char*> argv;
        for (std::string& word : words)
            argv.push_back(word.data());
        argv.push_back(nullptr);
        std::array<int, 2> pipe{};
        if (::pipe(pipe.data()) != 0)
            std::abort();
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipe[1], STDOUT_FILENO);
        posix_spawn_file_actions_addclose(&actions, pipe[0]);
        pid_t pid = 0;
        if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0)
            std::abort();
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipe[1]);
        std::array<char, 32> text{};
        const ssize_t got = ::read(pipe[0], text.data(), text.size() - 1);
        ::close(pipe[0]);
        int status = 0;
        if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0 ||
            got <= 0)
            std::abort();
        peak = std::max(peak, std::atol(text.data()));
    }
    return peak;
}

// fortune lives in /usr/games on Debian, which is not on every PATH.
std::string FindFortune()
{
    std::string path = std::getenv("PATH") != nullptr ? std::getenv("PATH") : "";
    std::istringstream folders(path + ":/usr/games");
    for (std::string folder; std::getline(folders, folder, ':');) {
        const std::string candidate = folder + "/fortune";
        if (!folder.empty() && ::access(candidate.c_str(), X_OK) == 0)
            return candidate;
    }
    return {};
}

void BM_PrintAgainstGenerateAndFortune(benchmark::State& state)
{
    const std::vector<std::vector<std::string>> programs = {
        {RAZZLEWICK_BIN_FOLDER "/razzlewick", "--print", "--style", "Arabian", "--count", "3"},
        {RAZZLEWICK_BIN_FOLDER "/razzlewick-data", "generate", "--count", "3", "Arabian"},
        {FindFortune()}};
    const bool withFortune = !programs[2][0].empty();
    const std::size_t count = withFortune ? 3 : 2;
    std::vector<std::vector<TimedRun>> runs(count);
    for (auto _ : state) {
        for (std::size_t p = 0; p < count; ++p)
            RunOnce(programs[p]);  // warms the file cache
        // Each round starts with the next program, so none always runs first.
        for (int i = 0; i < kRuns; ++i) {
            for (std::size_t k = 0; k < count; ++k) {
                const std::size_t p = (static_cast<std::size_t>(i) + k) % count;
                runs[p].push_back(RunOnce(programs[p]));
            }
        }
        state.SetIterationTime(MedianSeconds(runs[0]));
    }
    const double print = MedianSeconds(runs[0]);
    const double generate = MedianSeconds(runs[1]);
    const long printPeak = PeakKiB(programs[0]);
    state.counters["print_ms"] = print * 1000;
    state.counters["print_MiB"] = static_cast<double>(printPeak) / 1024.0;
    state.counters["generate_ms"] = generate * 1000;
    state.counters["to_generate"] = print / generate;
    if (withFortune) {
        const double fortune = MedianSeconds(runs[2]);
        const long fortunePeak = PeakKiB(programs[2]);
        state.counters["fortune_ms"] = fortune * 1000;
        state.counters["fortune_MiB"] = static_cast<double>(fortunePeak) / 1024.0;
        state.counters["to_fortune"] = print / fortune;
        state.counters["memory_to_fortune"] =
            static_cast<double>(printPeak) / static_cast<double>(fortunePeak);
    } else {
        state.SetLabel("fortune is not installed: no comparison with it");
    }
}

}  // namespace

BENCHMARK(BM_PrintAgainstGenerateAndFortune)
    ->UseManualTime()
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
