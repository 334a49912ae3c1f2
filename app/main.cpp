#include "app/InsultApp.h"
#include "app/TerminalRun.h"

#include <QApplication>

#include <iostream>
#include <string>
#include <vector>

int main(int argc, char* argv[])
{
    // The terminal options are answered before the toolkit starts, so they need no display.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (razzlewick::WantsTerminal(args)) {
        std::ios::sync_with_stdio(false);
        return razzlewick::RunOnTerminal(args, std::cout, std::cerr);
    }
    QApplication application(argc, argv);
    razzlewick::InsultApp app;
    app.Run();
    return 0;
}
