#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Runs a built program as a real process, as a user would from a terminal.

struct ProcessRun {
    int status = -1;  // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` with `args` in `folder`, with the test's environment, collecting both
// output streams; a program that runs for more than 30 s is ended.
ProcessRun RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& folder);
