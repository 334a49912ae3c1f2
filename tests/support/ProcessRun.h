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
// output streams; a program that runs for more than 30 s is ended. Given `output` (a file
// such as /dev/full), the standard output goes there instead and `out` stays empty.
ProcessRun RunProcess(const std::filesystem::path& program, const std::vector<std::string>& args,
                      const std::filesystem::path& folder, const std::string& output = {});

// A copy of `program` and of the data file beside it (insltdat.dat) in `folder`, made when
// missing; returns the copy's path. Data files are read with no sharing, so processes of
// tests running side by side that read one file at the same moment would find it locked.
std::filesystem::path CopyWithItsData(const std::filesystem::path& program,
                                      const std::filesystem::path& folder);
