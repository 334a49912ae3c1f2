#include "bench/ProcessTiming.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

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
