#include "platform/StartProgram.h"

#include "platform/LaunchCodes.h"
#include "platform/SpawnProcess.h"

namespace razzlewick::platform {

int StartProgram(const std::vector<std::string>& argv)
{
    const auto started = SpawnProcess(argv);
    if (started.pid < 0) {
        return LaunchCodeForStartError(started.error);
    }
    ReapLater(started.pid);
    return kLaunchStarted;
}

}  // namespace razzlewick::platform
