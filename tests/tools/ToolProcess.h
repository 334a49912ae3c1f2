#pragma once

#include "tests/support/DataFolders.h"
#include "tests/support/ProcessRun.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

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

// A copy of the tool beside a copy of the shipped data, in a work folder of the test's own,
// with the user's and the system's data folders the test's own too: what it installs or
// reads from there never touches the machine's.
class ToolInWorkFolder : public testing::Test {
protected:
    ToolRun Run(const std::vector<std::string>& args) const
    {
        return RunTool(args, work.path(), tool);
    }

    ScopedDataFolders data;
    TempFolder work;
    const std::filesystem::path tool = CopyWithItsData(RAZZLEWICK_DATA_TOOL, work / "bin");
};
