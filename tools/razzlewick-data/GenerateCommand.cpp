#include "cli/Arguments.h"
#include "cli/ComposeBatch.h"
#include "cli/EntropySeed.h"
#include "cli/StyleNameMatch.h"
#include "data/InsultGenerator.h"
#include "platform/StandardOutput.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/ToolError.h"

#include <cstdint>
#include <cstring>
#include <iostream>
#include <limits>

namespace razzlewick {

namespace {

constexpr std::string_view kGenerateHelp =
    R"(Usage: razzlewick-data generate [options] STYLE [FILE...]

Composes insults in STYLE (its key or its name, in any case) from the random source
seeded once, and writes the batches one after the other, each insult's line ending in
CR LF as the program composes it. Every list takes the word its draw gives, so a word may come back
in the next insult; with --no-repeats a word is drawn again while one of the style's
last 50 insults holds it (or the last half of a list shorter than 100 does), exactly as
the window and "razzlewick --print" do for the same seed. Files are found and read as
"check" reads them; failures go to standard error and give exit status 1.

  --seed N      seed of the random source, 0 to 4294967295 (default: a fresh one
                from the system on every run)
  --count N     insults per batch, as the count set in Preferences (default 1)
  --caps 0|1    capitalise the template's first letter (default 1)
  --batches B   number of batches (default 1)
  --no-repeats  do not bring back a word that a recent insult took, across batches
  --raw         write the Windows-1252 bytes unchanged instead of UTF-8, to a
                file or a pipe (a terminal is refused)
  -h, --help    show this help
)";

}  // namespace

int RunGenerate(const std::vector<std::string>& args)
{
    const Arguments arguments = ParseArguments(args, {{"--seed", "", true},
                                                      {"--count", "", true},
                                                      {"--caps", "", true},
                                                      {"--batches", "", true},
                                                      {"--no-repeats", "", false},
                                                      {"--raw", "", false}});
    if (arguments.help) {
        std::cout << kGenerateHelp;
        return 0;
    }
    if (arguments.operands.empty())
        throw UsageError("no style given");

    auto option = [&](const char* name, long long fallback, long long minimum, long long maximum) {
        return arguments.Has(name)
                   ? ParseInteger(name, arguments.options.at(name), minimum, maximum)
                   : fallback;
    };
    const auto seed = static_cast<uint32_t>(
        arguments.Has("--seed") ? option("--seed", 0, 0, std::numeric_limits<uint32_t>::max())
                                : EntropySeed());
    const BatchRequest request{
        .count = static_cast<int16_t>(option("--count", 1, std::numeric_limits<int16_t>::min(),
                                             std::numeric_limits<int16_t>::max())),
        .capitalise = option("--caps", 1, 0, 1) != 0,
        .seed = seed,
        .batches = option("--batches", 1, 0, std::numeric_limits<int32_t>::max()),
        .repeats = arguments.Has("--no-repeats") ? Repeats::AvoidRecent : Repeats::Allowed,
    };
    const bool raw = arguments.Has("--raw");
    // A terminal would take the bytes 0x80 to 0x9F for control sequences.
    if (raw && platform::StandardOutputIsTerminal())
        throw UsageError("--raw writes Windows-1252 bytes for a file or a pipe, not a terminal");

    const std::string& styleArgument = arguments.operands.front();
    const std::vector<std::string> files(arguments.operands.begin() + 1, arguments.operands.end());
    InsultGenerator engine;
    std::vector<LoadResult> report;
    const bool loaded = LoadForTool(engine, files, report);
    PrintFailures(report);

    const std::vector<std::string> matches = StyleKeysMatching(engine, styleArgument);
    if (matches.size() != 1)
        throw ToolError(StyleMatchProblem(engine, styleArgument, matches));
    const std::string& key = matches.front();

    std::cout.flush();
    ComposeBatches(engine, key, request, [raw](const std::string& text) {
        if (!raw) {
            std::cout << BatchForTerminal(text, LineEnds::CrLf);
        } else if (const int failure = platform::WriteStandardOutput(text); failure != 0) {
            throw ToolError(std::string("cannot write to standard output: ") +
                            std::strerror(failure));
        }
    });
    return loaded ? 0 : 1;
}

}  // namespace razzlewick
