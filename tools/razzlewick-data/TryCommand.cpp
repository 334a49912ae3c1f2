#include "cli/Arguments.h"
#include "cli/ComposeBatch.h"
#include "cli/EntropySeed.h"
#include "cli/StyleListing.h"
#include "cli/StyleNameMatch.h"
#include "cli/TerminalText.h"
#include "data/InsultGenerator.h"
#include "settings/SettingsKeys.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/ContentChecks.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/InstalledCopies.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/OutputFile.h"
#include "tools/razzlewick-data/SourceMerge.h"
#include "tools/razzlewick-data/ToolError.h"

#include <algorithm>
#include <iostream>
#include <limits>

namespace razzlewick {

namespace {

constexpr std::string_view kTryHelp =
    R"(Usage: razzlewick-data try [--count N] [--seed N] [--strict] SOURCE.json [STYLE]

Composes insults straight from a JSON source, merged with the data Razzlewick reads,
without packing or installing anything: edit, try, look, and edit again. The source
is composed as it will be once installed: in place of its installed copy and of any
data file, in a folder Razzlewick reads, that holds only styles of the source (such
as a copy packed beside it), each named on standard error as it is set aside.
Without STYLE, each style the source holds gets a batch, headed by its key; STYLE is
a key, in any case. The source gets pack's warnings on standard error, judged with
the other data.

  --count N    insults per style, 1 to 500 (default 5)
  --seed N     seed of the random source, 0 to 4294967295 (default: a fresh one
               from the system on every run); the same seed gives the same insults
               as "razzlewick --print --seed N" once the source is installed
  --strict     treat warnings as errors: nothing is composed, exit status 2
  -h, --help   show this help

Exit status 0 when insults were printed, 1 when STYLE names no style, 2 for a bad
command line, a source that cannot be packed, or a warning under --strict.
)";

constexpr long long kDefaultCount = 5;

// The keys the source names, in the order it first names them.
std::vector<std::string> SourceKeys(const std::vector<SourceStyle>& source)
{
    std::vector<std::string> keys;
    for (const SourceStyle& style : source) {
        if (std::find(keys.begin(), keys.end(), style.key) == keys.end())
            keys.push_back(style.key);
    }
    return keys;
}

// The one key STYLE stands for, by the rule `razzlewick --print --style` follows.
std::string MatchingKey(const InsultGenerator& engine, const std::string& name)
{
    const std::vector<std::string> matches = StyleKeysMatching(engine, name);
    if (matches.size() != 1)
        throw ToolError(StyleMatchProblem(engine, name, matches));
    return matches.front();
}

}  // namespace

int RunTry(const std::vector<std::string>& args)
{
    const Arguments arguments = ParseArguments(
        args, {{"--count", "-n", true}, {"--seed", "-S", true}, {"--strict", "", false}});
    if (arguments.help) {
        std::cout << kTryHelp;
        return 0;
    }
    if (arguments.operands.empty())
        throw UsageError("no JSON source given");
    if (arguments.operands.size() > 2)
        throw UsageError("one source and at most one style");
    const std::string& file = arguments.operands.front();
    const BatchRequest request{
        .count = static_cast<int16_t>(arguments.Has("--count")
                                          ? ParseInteger("--count", arguments.options.at("--count"),
                                                         SettingsKeys::kMinimumInsultCount,
                                                         SettingsKeys::kMaximumInsultCount)
                                          : kDefaultCount),
        .capitalise = true,
        .seed = arguments.Has("--seed")
                    ? static_cast<uint32_t>(ParseInteger("--seed", arguments.options.at("--seed"),
                                                         0, std::numeric_limits<uint32_t>::max()))
                    : EntropySeed(),
    };

    const std::vector<SourceStyle> source = ReadJsonSource(ReadSourceText(file), file);
    const std::vector<std::string> keys = SourceKeys(source);
    // As install would put it: composed in place of the installed copy, or a stale packed one.
    const std::vector<std::string> setAside =
        CopyPaths(InstalledCopies(InstalledName(file), keys), false);
    for (const std::string& copy : setAside) {
        std::cerr << "razzlewick-data try: " << file << " is tried in place of " << copy << '\n';
    }
    InsultGenerator engine;
    LoadProgramData(engine, setAside);
    ContentChecks checks;
    AddToEngine(engine, source, file, checks);
    checks.CheckStyles(engine);
    const bool strict = arguments.Has("--strict");
    checks.Print(std::cerr, strict);
    if (strict && checks.WarningCount() != 0) {
        std::cerr << "razzlewick-data try: nothing composed: --strict and " << checks.WarningCount()
                  << " finding(s)\n";
        return 2;
    }

    const std::vector<std::string> shown =
        arguments.operands.size() == 2
            ? std::vector<std::string>{MatchingKey(engine, arguments.operands[1])}
            : keys;
    for (const std::string& key : shown) {
        if (shown.size() > 1)
            std::cout << TerminalTextFrom1252(key, Separators::Escape) << ":\n";
        ComposeBatches(engine, key, request, [](const std::string& batch) {
            std::cout << BatchForTerminal(batch, LineEnds::Lf);
        });
    }
    return 0;
}

}  // namespace razzlewick
