// razzlewick: answers its terminal options itself, without the toolkit, and hands over to
// the window library only when a window is wanted.

#include "cli/TerminalRun.h"
#include "cli/TerminalTextStream.h"
#include "cli/WindowHandOver.h"
#include "platform/StandardOutput.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    const razzlewick::TerminalTextStream out(std::cout);
    const razzlewick::TerminalTextStream err(std::cerr);
    const std::vector<std::string> args(argv + 1, argv + argc);
    // A terminal that does not say its width is taken to be the usual 80 columns.
    int columns = 0;
    if (razzlewick::platform::StandardOutputIsTerminal()) {
        columns = razzlewick::platform::StandardOutputColumns();
        if (columns <= 0)
            columns = 80;
    }
    return razzlewick::RunCommandLine(
        args, std::cout, std::cerr,
        [&](const razzlewick::Arguments& arguments) {
            return razzlewick::OpenWindow(argc, argv, arguments, std::cerr);
        },
        columns);
}
