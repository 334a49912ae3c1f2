#pragma once

#include "tests/support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

// Runs the built razzlewick-data as a real process, in a TempFolder of the test.

struct ToolRun {
    int status = -1;  // exit status, or -1 when the process did not exit normally
    std::string out;
    std::string err;
};

// Runs `program` (the built tool unless given) with `args` in `folder`.
ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& folder,
                const std::filesystem::path& program = {});
