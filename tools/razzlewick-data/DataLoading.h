#pragma once

#include "data/LoadResult.h"

#include <string>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// Fills the engine for the inspecting subcommands. With files given, each is read with
// OpenDataFile in order and reported, counted and closed off as LoadDataFiles does
// (files found = the files given; a line names the file as given). With none, runs
// LoadDataFiles itself: the tool's own folder, then the current folder, then the user's
// and the system's data folders. A file that failed because it holds JSON text gets the hint
// to pack it on its line.
// Returns what LoadDataFiles would: true when every file was read and at least one found.
bool LoadForTool(InsultGenerator& engine, const std::vector<std::string>& files,
                 std::vector<LoadResult>& report);

// Fills the engine with the styles the program would load, leaving out the files named in
// `leftOut` (any path that leads to them): what a file being judged, tried or installed in
// their place merges with. No report; the engine's search record is cleared again, so that
// the files read next are reported alone.
void LoadProgramData(InsultGenerator& engine, const std::vector<std::string>& leftOut);

// Writes the failed lines of the report to standard error, the first kShortReportLines of
// them and how many more there are.
void PrintFailures(const std::vector<LoadResult>& report);

}  // namespace razzlewick
