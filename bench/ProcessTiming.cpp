#include "bench/ProcessTiming.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

extern char** environ;

namespace {

// A spawned child starts with this process's peak as its own (the child runs in this
// process's memory until it executes the program), so the peak is first lowered to what is
// in use now.
void ResetPeakMemory()
{
    if (FILE* refs = std::fopen("/proc/self/clear_refs", "w")) {
        std::fputs("5", refs);
        std::fclose(refs);
    }
}

}  // namespace

TimedRun RunOnce(const std::vector<std::string>& argv)
{
    ResetPeakMemory();
    std::vector<char*> words;
    for (const std::string& word : argv)
        words.push_back(const_cast<char*>(word.c_str()));
    words.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned = posix_spawn(&pid, words[0], &actions, nullptr, words.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        std::abort();
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::abort();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), usage.ru_maxrss};
}

std::vector<TimedRun> RunSorted(const std::vector<std::string>& argv, int times)
{
    RunOnce(argv);
    std::vector<TimedRun> runs;
    for (int i = 0; i < times; ++i)
        runs.push_back(RunOnce(argv));
    std::sort(runs.begin(), runs.end(),
              [](const TimedRun& a, const TimedRun& b) { return a.seconds < b.seconds; });
    return runs;
}

TimedRun RunOnceIn(const std::vector<std::string>& argv, const RunPlace& place)
{
    // The peak is taken by the relay, which is small: a program spawned from here would count
    // this process's memory as its own until it ran.
    std::vector<char*> words = {const_cast<char*>(RAZZLEWICK_BIN_FOLDER "/bench_peak_relay")};
    for (const std::string& word : argv)
        words.push_back(const_cast<char*>(word.c_str()));
    words.push_back(nullptr);
    std::vector<char*> environment;
    for (const std::string& entry : place.environment)
        environment.push_back(const_cast<char*>(entry.c_str()));
    for (char** entry = environ; *entry != nullptr; ++entry) {
        const std::string name(*entry, std::strcspn(*entry, "="));
        const bool replaced =
            std::any_of(place.environment.begin(), place.environment.end(),
                        [&](const std::string& mine) { return mine.starts_with(name + "="); });
        if (!replaced)
            environment.push_back(*entry);
    }
    environment.push_back(nullptr);
    std::array<int, 2> peak{};
    if (::pipe(peak.data()) != 0)
        std::abort();
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, peak[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&actions, peak[0]);
    if (!place.folder.empty())
        posix_spawn_file_actions_addchdir_np(&actions, place.folder.c_str());
    const auto start = std::chrono::steady_clock::now();
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, words[0], &actions, nullptr, words.data(), environment.data());
    posix_spawn_file_actions_destroy(&actions);
    ::close(peak[1]);
    if (spawned != 0)
        std::abort();
    std::array<char, 32> text{};
    const ssize_t got = ::read(peak[0], text.data(), text.size() - 1);
    ::close(peak[0]);
    int status = 0;
    if (::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) == 127 ||
        got <= 0)
        std::abort();
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return {elapsed.count(), std::atol(text.data())};
}
