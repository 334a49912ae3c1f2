#include "platform/StandardOutput.h"

#include "platform/FdIo.h"

#include <unistd.h>

namespace razzlewick::platform {

bool StandardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

int WriteStandardOutput(std::string_view bytes)
{
    return WriteAll(STDOUT_FILENO, bytes);
}

}  // namespace razzlewick::platform
