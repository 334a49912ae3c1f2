#pragma once

#include "tests/support/ProcessRun.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <string>
#include <vector>

// Runs the built razzlewick-data as a real process, in a TempFolder of the test.

using ToolRun = ProcessRun;

// Runs `program` (the built tool unless given) with `args` in `folder`.
inline ToolRun RunTool(const std::vector<std::string>& args, const std::filesystem::path& folder,
                       const std::filesystem::path& program = {})
{
    return RunProcess(program.empty() ? std::filesystem::path(RAZZLEWICK_DATA_TOOL) : program, args,
                      folder);
}
