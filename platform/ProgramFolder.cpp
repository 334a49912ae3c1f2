#include "platform/ProgramFolder.h"

#include "platform/ExecutablePath.h"

namespace razzlewick::platform {

std::string ProgramFolder()
{
    const std::string path = ExecutablePath();
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

}  // namespace razzlewick::platform
