#pragma once

#include "data/LoadResult.h"

#include <string>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// Fills the engine for the inspecting subcommands. With files given, each is read with
// OpenDataFile in order and reported, counted and closed off as LoadDataFiles does
// (files found = the files given; a line names the file as given). With none, runs
// LoadDataFiles itself: the tool's own folder, then the current folder.
// Returns what LoadDataFiles would: true when every file was read and at least one found.
bool LoadForTool(InsultGenerator& engine, const std::vector<std::string>& files,
                 std::vector<LoadResult>& report);

// A report line as the start-up problems dialog shows it ("%s - %s", or the message
// alone), with its CR LF breaks as plain line breaks and a final "\n".
std::string FormatReportLine(const LoadResult& line);

// Writes the failed lines of the report to standard error.
void PrintFailures(const std::vector<LoadResult>& report);

}  // namespace razzlewick
