#pragma once

#include <sys/types.h>

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace razzlewick::platform {

// Starting other programs. Every program is started from an argument vector with
// posix_spawnp, so no argument (a URL, an address, a file name) is ever read by a shell.

struct SpawnResult final {
    pid_t pid = -1;  // the started process, -1 when nothing started
    int error = 0;   // errno of a failed start, 0 when it started
};

// Starts argv[0] (looked up on PATH) with the given arguments, its input and output going
// nowhere; nothing waits for it.
SpawnResult SpawnProcess(const std::vector<std::string>& argv);

// Starts a program meant to outlive us: in a session of its own, so a closing terminal
// does not end it, with `input` as its standard input and its output going nowhere.
SpawnResult SpawnDetached(const std::vector<std::string>& argv, int input);

// How a waited-for launcher ended.
struct LauncherOutcome final {
    bool stillRunning = false;  // it outlived the patience; it is reaped in the background
    bool exited = false;        // it ended by exit(); false when a signal ended it
    int exitStatus = 0;         // the exit status when exited
};

// A launcher may wait for the program it starts; still running after this long, it has
// started it.
inline constexpr std::chrono::milliseconds kLauncherPatience{2000};

// Waits up to `patience` for the process to end, or until `stopWaiting` (asked between
// looks) says so. One still running then is left to a background reaper, so it never
// becomes a zombie and the caller never blocks longer.
LauncherOutcome WaitForLauncher(pid_t pid, std::chrono::milliseconds patience,
                                const std::function<bool()>& stopWaiting = {});

// Reaps the process in the background whenever it ends; for programs nobody waits for.
void ReapLater(pid_t pid);

// Runs the program, collects its standard output and waits up to `patience` for it to
// end. Empty when it could not start, did not exit with status 0, or outlived the patience.
std::optional<std::string> RunAndCapture(const std::vector<std::string>& argv,
                                         std::chrono::milliseconds patience);

}  // namespace razzlewick::platform
