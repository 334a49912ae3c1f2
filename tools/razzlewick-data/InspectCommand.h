#pragma once

#include "data/LoadResult.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// What an inspecting subcommand prints once the engine is filled: the engine and the load
// report, one line per file given or found.
using InspectPrinter =
    std::function<void(const InsultGenerator& engine, const std::vector<LoadResult>& report)>;

// Whether a subcommand runs without FILE operands (and then looks for *.dat as the program does).
enum class FileOperands { Optional, Required };

// Whether a subcommand also looks for content that composes badly (ContentChecks), judging
// FILE operands together with the data the program reads, and takes --strict, which makes
// each finding an error.
enum class ContentReview { Off, On };

// The frame of the subcommands that read data files and print what came of it (check, dump,
// styles): prints `help` for -h/--help; otherwise fills an engine from the FILE operands as
// LoadForTool does and hands it to `print`, then prints the findings of a review on standard
// error. No FILE where one is required is a UsageError. Returns 0 when every file was read
// (and, with --strict, nothing was found), 1 otherwise.
int RunInspectCommand(const std::vector<std::string>& args, std::string_view help,
                      FileOperands files, const InspectPrinter& print,
                      ContentReview review = ContentReview::Off);

}  // namespace razzlewick
