#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

// The subcommands. Each takes the words after its name, writes to standard output and
// error, and returns the exit status; a bad command line is thrown as UsageError.
int RunPack(const std::vector<std::string>& args);
int RunDump(const std::vector<std::string>& args);
int RunCheck(const std::vector<std::string>& args);
int RunStyles(const std::vector<std::string>& args);
int RunGenerate(const std::vector<std::string>& args);
int RunTry(const std::vector<std::string>& args);
int RunInstall(const std::vector<std::string>& args);
int RunUninstall(const std::vector<std::string>& args);

struct Command {
    std::string_view name;
    std::string_view summary;
    int (*run)(const std::vector<std::string>& args);
};

inline constexpr Command kCommands[] = {
    {"pack", "pack JSON sources into a data file", RunPack},
    {"dump", "print data files as JSON sources", RunDump},
    {"check", "print the load report of data files", RunCheck},
    {"styles", "list the styles and their combination counts", RunStyles},
    {"generate", "compose insults with a given seed", RunGenerate},
    {"try", "compose insults straight from a JSON source, as if installed", RunTry},
    {"install", "put data files of your own where Razzlewick finds them", RunInstall},
    {"uninstall", "remove a data file from your own folder", RunUninstall},
};

}  // namespace razzlewick
