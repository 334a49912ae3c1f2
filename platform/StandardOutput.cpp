#include "platform/StandardOutput.h"

#include "platform/FdIo.h"

#include <sys/ioctl.h>
#include <unistd.h>

namespace razzlewick::platform {

bool StandardOutputIsTerminal()
{
    return ::isatty(STDOUT_FILENO) == 1;
}

int StandardOutputColumns()
{
    winsize size{};
    if (::ioctl(STDOUT_FILENO, TIOCGWINSZ, &size) != 0)
        return 0;
    return size.ws_col;
}

int WriteStandardOutput(std::string_view bytes)
{
    return WriteAll(STDOUT_FILENO, bytes);
}

}  // namespace razzlewick::platform
