// razzlewick-clipkeeper: keeps the text Razzlewick copied on the X clipboard after
// Razzlewick exits, until another program copies something. Reads the text (UTF-8) from
// standard input; when that is a socket, answers on it with one line, "ok" once it owns
// the clipboard or what went wrong.

#include "clipkeeper/SelectionKeeper.h"

#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <string>

namespace razzlewick::clipkeeper {
namespace {

// Far above any batch of insults, and above what one X request can carry anyway.
constexpr size_t kMaxInputBytes = 64u << 20;

// The whole of standard input; false when it could not be read or is too large.
bool ReadInput(std::string& text, std::string& problem)
{
    char buffer[65536];
    for (;;) {
        const ssize_t count = read(STDIN_FILENO, buffer, sizeof buffer);
        if (count == 0) {
            return true;
        }
        if (count < 0) {
            if (errno == EINTR) {
                continue;
            }
            problem = "cannot read the text";
            return false;
        }
        if (text.size() + static_cast<size_t>(count) > kMaxInputBytes) {
            problem = "the text is too large to keep";
            return false;
        }
        text.append(buffer, static_cast<size_t>(count));
    }
}

// Tells the program that started us how it went, when it listens on our standard input.
void Answer(const std::string& problem)
{
    if (!problem.empty()) {
        std::fprintf(stderr, "razzlewick-clipkeeper: %s\n", problem.c_str());
    }
    struct stat input {};
    if (fstat(STDIN_FILENO, &input) != 0 || !S_ISSOCK(input.st_mode)) {
        return;
    }
    const std::string line = (problem.empty() ? std::string("ok") : problem) + "\n";
    // Nobody listening any more is no reason to stop keeping the text.
    [[maybe_unused]] const ssize_t sent =
        send(STDIN_FILENO, line.data(), line.size(), MSG_NOSIGNAL);
    close(STDIN_FILENO);
}

}  // namespace
}  // namespace razzlewick::clipkeeper

int main()
{
    using namespace razzlewick::clipkeeper;

    // A display that goes away must end us through the connection, not a signal.
    signal(SIGPIPE, SIG_IGN);

    std::string text;
    std::string problem;
    if (!ReadInput(text, problem)) {
        Answer(problem);
        return 1;
    }
    SelectionKeeper keeper(std::move(text));
    problem = keeper.Take();
    Answer(problem);
    if (!problem.empty()) {
        return 1;
    }
    return keeper.Serve() ? 0 : 1;
}
