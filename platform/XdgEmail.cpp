#include "platform/XdgEmail.h"

#include "platform/FindProgram.h"
#include "platform/SpawnProcess.h"

#include <vector>

namespace razzlewick::platform {

MailOutcome XdgEmail(const std::string& address, const std::string& subject,
                     const std::optional<std::string>& body, std::chrono::milliseconds patience,
                     const std::function<bool()>& stopWaiting)
{
    const auto program = FindProgram("xdg-email");
    if (!program) {
        return MailOutcome::NoMailTool;
    }
    std::vector<std::string> argv{*program, "--subject", subject};
    if (body) {
        argv.insert(argv.end(), {"--body", *body});
    }
    argv.push_back(address);
    const auto started = SpawnProcess(argv);
    if (started.pid < 0) {
        return MailOutcome::NoMailTool;
    }
    const auto outcome = WaitForLauncher(started.pid, patience, stopWaiting);
    if (outcome.stillRunning || (outcome.exited && outcome.exitStatus == 0)) {
        return MailOutcome::Accepted;
    }
    return MailOutcome::Refused;
}

}  // namespace razzlewick::platform
