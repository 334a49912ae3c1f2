#include "platform/ClipboardKeeper.h"

#include "platform/FdIo.h"
#include "platform/SpawnProcess.h"
#include "platform/UniqueFd.h"

#include <poll.h>
#include <sys/socket.h>

#include <cerrno>
#include <cstring>

namespace razzlewick::platform {

namespace {

using Clock = std::chrono::steady_clock;

// Sends the whole text without blocking past the deadline; a keeper that died or stopped
// reading must not hang or kill (SIGPIPE) the exiting program.
std::string SendAll(int fd, const std::string& text, Clock::time_point deadline)
{
    size_t sent = 0;
    while (sent < text.size()) {
        if (!WaitForDescriptor(fd, POLLOUT, deadline)) {
            return "the keeper did not take the text in time";
        }
        const ssize_t count =
            send(fd, text.data() + sent, text.size() - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count > 0) {
            sent += static_cast<size_t>(count);
        } else if (count < 0 && errno != EINTR && errno != EAGAIN) {
            return std::string("the keeper ended before it had the text (") + std::strerror(errno) +
                   ")";
        }
    }
    shutdown(fd, SHUT_WR);
    return {};
}

// The keeper's one-line answer, or what kept us from reading it.
std::string ReadAnswer(int fd, Clock::time_point deadline)
{
    std::string answer;
    char buffer[256];
    while (answer.find('\n') == std::string::npos && answer.size() < 4096) {
        if (!WaitForDescriptor(fd, POLLIN, deadline)) {
            return "the keeper did not answer in time";
        }
        const ssize_t count = recv(fd, buffer, sizeof buffer, MSG_DONTWAIT);
        if (count > 0) {
            answer.append(buffer, static_cast<size_t>(count));
        } else if (count == 0) {
            break;
        } else if (errno != EINTR && errno != EAGAIN) {
            break;
        }
    }
    const auto end = answer.find('\n');
    if (end == std::string::npos) {
        return answer.empty() ? "the keeper ended without an answer" : answer;
    }
    answer.resize(end);
    return answer == "ok" ? std::string() : answer;
}

}  // namespace

std::string StartClipboardKeeper(const std::string& keeper, const std::string& utf8Text,
                                 std::chrono::milliseconds patience)
{
    // A socket rather than a pipe: the keeper answers on its standard input.
    int ends[2] = {-1, -1};
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        return std::string("no socket for the keeper (") + std::strerror(errno) + ")";
    }
    const UniqueFd ours(ends[0]);
    UniqueFd theirs(ends[1]);
    const SpawnResult started = SpawnDetached({keeper}, theirs.Get());
    theirs.Close();
    if (started.pid < 0) {
        return keeper + ": " + std::strerror(started.error);
    }
    ReapLater(started.pid);

    const auto deadline = Clock::now() + patience;
    std::string problem = SendAll(ours.Get(), utf8Text, deadline);
    if (problem.empty()) {
        problem = ReadAnswer(ours.Get(), deadline);
    }
    return problem;
}

}  // namespace razzlewick::platform
