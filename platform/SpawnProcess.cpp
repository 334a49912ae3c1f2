#include "platform/SpawnProcess.h"

#include "platform/FdIo.h"
#include "platform/UniqueFd.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <thread>

extern char** environ;

namespace razzlewick::platform {

namespace {

std::vector<char*> ArgumentPointers(const std::vector<std::string>& argv)
{
    std::vector<char*> pointers;
    pointers.reserve(argv.size() + 1);
    for (const auto& argument : argv) {
        pointers.push_back(const_cast<char*>(argument.c_str()));
    }
    pointers.push_back(nullptr);
    return pointers;
}

// posix_spawnp with the caller's file actions and optional attributes.
SpawnResult Spawn(const std::vector<std::string>& argv, posix_spawn_file_actions_t* actions,
                  const posix_spawnattr_t* attributes = nullptr)
{
    if (argv.empty() || argv.front().empty()) {
        return {.pid = -1, .error = ENOENT};
    }
    auto pointers = ArgumentPointers(argv);
    pid_t pid = -1;
    const int error =
        posix_spawnp(&pid, pointers[0], actions, attributes, pointers.data(), environ);
    if (error != 0) {
        return {.pid = -1, .error = error};
    }
    return {.pid = pid, .error = 0};
}

LauncherOutcome OutcomeOf(int status)
{
    LauncherOutcome outcome;
    outcome.exited = WIFEXITED(status);
    outcome.exitStatus = outcome.exited ? WEXITSTATUS(status) : 0;
    return outcome;
}

}  // namespace

SpawnResult SpawnProcess(const std::vector<std::string>& argv)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    // A launcher and the programs it starts talk to a terminal nobody reads for them.
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    const auto result = Spawn(argv, &actions);
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

SpawnResult SpawnDetached(const std::vector<std::string>& argv, int input)
{
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    // Descriptors we inherited without close-on-exec (a caller's pipe, say) must not be
    // held open for as long as it runs.
    posix_spawn_file_actions_addclosefrom_np(&actions, STDERR_FILENO + 1);
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETSID);
    const auto result = Spawn(argv, &actions, &attributes);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    return result;
}

void ReapLater(pid_t pid)
{
    if (pid <= 0) {
        return;
    }
    // A detached thread blocked in waitpid costs nothing and collects exactly this
    // child, without a SIGCHLD handler that could steal other children's statuses.
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

LauncherOutcome WaitForLauncher(pid_t pid, std::chrono::milliseconds patience,
                                const std::function<bool()>& stopWaiting)
{
    const auto deadline = std::chrono::steady_clock::now() + patience;
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            return OutcomeOf(status);
        }
        if (done < 0 && errno != EINTR) {
            // Somebody else reaped it; all we can say is that it started.
            return {.stillRunning = true};
        }
        if (std::chrono::steady_clock::now() >= deadline || (stopWaiting && stopWaiting())) {
            ReapLater(pid);
            return {.stillRunning = true};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

std::optional<std::string> RunAndCapture(const std::vector<std::string>& argv,
                                         std::chrono::milliseconds patience)
{
    int pipeEnds[2] = {-1, -1};
    if (pipe2(pipeEnds, O_CLOEXEC) != 0) {
        return std::nullopt;
    }
    UniqueFd readEnd(pipeEnds[0]);
    UniqueFd writeEnd(pipeEnds[1]);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    posix_spawn_file_actions_adddup2(&actions, writeEnd.Get(), STDOUT_FILENO);
    const auto started = Spawn(argv, &actions);
    posix_spawn_file_actions_destroy(&actions);
    // Only the child writes: the end of its output is the end of the pipe.
    writeEnd.Close();
    if (started.pid < 0) {
        return std::nullopt;
    }

    std::string output;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    bool ended = false;
    while (!ended && WaitForDescriptor(readEnd.Get(), POLLIN, deadline)) {
        char buffer[4096];
        const IoResult got = ReadSome(readEnd.Get(), buffer, sizeof buffer);
        output.append(buffer, got.count);
        ended = got.count == 0;
    }
    readEnd.Close();

    int status = 0;
    pid_t done = 0;
    while ((done = waitpid(started.pid, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    if (done == 0) {
        // A query that hangs is of no use to us: end it and collect it at once, so its pid
        // is never signalled after somebody else may have been given it.
        kill(started.pid, SIGKILL);
        while (waitpid(started.pid, &status, 0) < 0 && errno == EINTR) {
        }
        return std::nullopt;
    }
    if (done < 0 || !ended || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        return std::nullopt;
    }
    return output;
}

}  // namespace razzlewick::platform
