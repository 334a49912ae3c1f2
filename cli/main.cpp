// razzlewick: answers its terminal options itself, without the toolkit, and hands over to
// the window library only when a window is wanted.

#include "cli/TerminalRun.h"
#include "cli/TerminalTextStream.h"
#include "cli/WindowHandOver.h"

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    std::ios::sync_with_stdio(false);
    const razzlewick::TerminalTextStream out(std::cout);
    const razzlewick::TerminalTextStream err(std::cerr);
    const std::vector<std::string> args(argv + 1, argv + argc);
    return razzlewick::RunCommandLine(
        args, std::cout, std::cerr, [&](const razzlewick::Arguments& arguments) {
            return razzlewick::OpenWindow(argc, argv, arguments, std::cerr);
        });
}
