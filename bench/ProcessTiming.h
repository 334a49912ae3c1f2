#pragma once

#include <string>
#include <vector>

// Whole programs timed as a user meets them: spawned and waited for, their output (warnings
// included) thrown away.

struct TimedRun {
    double seconds = 0;
    long peakKiB = 0;
};

// Runs `argv` (the program's path first) once; stops the benchmark program when it cannot
// start or does not exit with status 0.
TimedRun RunOnce(const std::vector<std::string>& argv);

// Runs it `times` times after one run that warms the file cache; fastest first.
std::vector<TimedRun> RunSorted(const std::vector<std::string>& argv, int times);

// Where a program runs: environment entries ("NAME=value") in place of the benchmark's own
// of those names, and the current folder.
struct RunPlace {
    std::vector<std::string> environment;
    std::string folder;
};

// Runs `argv` once in `place` through bench_peak_relay, whatever its exit status (a program
// refusing a hostile file exits with 1); stops the benchmark program when it cannot start or
// is killed.
TimedRun RunOnceIn(const std::vector<std::string>& argv, const RunPlace& place);
