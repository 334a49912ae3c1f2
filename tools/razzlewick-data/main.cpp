// razzlewick-data: makes and inspects the program's data files with the program's own
// engine code, so what it reports is what the program will see.

#include "cli/Arguments.h"
#include "cli/TerminalTextStream.h"
#include "resources/version/Version.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/ToolError.h"

#include <algorithm>
#include <exception>
#include <iostream>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {
namespace {

void PrintHelp()
{
    std::cout << "Usage: razzlewick-data COMMAND [options] [arguments]\n\n"
                 "Makes and inspects Razzlewick data files.\n\nCommands:\n";
    for (const Command& command : kCommands) {
        std::string name(command.name);
        name.resize(11, ' ');
        std::cout << "  " << name << command.summary << '\n';
    }
    std::cout << "\n\"razzlewick-data COMMAND --help\" describes a command;\n"
                 "\"razzlewick-data --version\" prints the version.\n";
}

const Command* FindCommand(const std::string& name)
{
    for (const Command& command : kCommands) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

}  // namespace
}  // namespace razzlewick

int main(int argc, char** argv)
{
    using namespace razzlewick;
    std::ios::sync_with_stdio(false);
    const TerminalTextStream out(std::cout);
    const TerminalTextStream err(std::cerr);
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.empty()) {
        std::cerr << "razzlewick-data: no command given (try \"razzlewick-data --help\")\n";
        return 2;
    }
    if (words[0] == "--help" || words[0] == "-h") {
        PrintHelp();
        return 0;
    }
    if (words[0] == "--version") {
        std::cout << "razzlewick-data " << RAZZLEWICK_VERSION << '\n';
        return 0;
    }
    const Command* command = FindCommand(words[0]);
    if (command == nullptr) {
        std::cerr << "razzlewick-data: unknown command \"" << words[0]
                  << "\" (try \"razzlewick-data --help\")\n";
        return 2;
    }

    const std::string prefix = "razzlewick-data " + words[0] + ": ";
    int status = 0;
    try {
        status = command->run(std::vector<std::string>(words.begin() + 1, words.end()));
    } catch (const UsageError& error) {
        std::cout.flush();
        std::cerr << prefix << error.what() << " (try \"razzlewick-data " << words[0]
                  << " --help\")\n";
        return 2;
    } catch (const SourceError& error) {
        // One finding a line, each with the command's name.
        const std::string_view lines = error.what();
        for (size_t start = 0; start < lines.size();) {
            const size_t end = std::min(lines.find('\n', start), lines.size());
            std::cerr << prefix << lines.substr(start, end - start) << '\n';
            start = end + 1;
        }
        return 2;
    } catch (const std::exception& error) {
        std::cout.flush();
        std::cerr << prefix << error.what() << '\n';
        return 1;
    }
    std::cout.flush();
    if (!std::cout) {
        std::cerr << prefix << "cannot write to standard output\n";
        return 1;
    }
    return status;
}
