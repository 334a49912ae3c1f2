#include "data/InsultGenerator.h"
#include "data/Windows1252.h"
#include "generate/GeneratorOperations.h"
#include "generate/RandomSource.h"
#include "tools/razzlewick-data/Arguments.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/ToolError.h"

#include <cstdint>
#include <ctime>
#include <iostream>
#include <limits>

namespace razzlewick {

namespace {

constexpr std::string_view kHelp = R"(Usage: razzlewick-data generate [options] STYLE [FILE...]

Composes insults in the style with the key STYLE, exactly as the program does for the
same seed, and writes the batches one after the other. Files are found and read as
"check" reads them; failures go to standard error and give exit status 1.

  --seed N      seed of the random source, 0 to 4294967295 (default: the time in seconds)
  --count N     insults per batch, as the program's "num" setting (default 1)
  --caps 0|1    capitalise the template's first letter (default 1)
  --batches B   number of batches (default 1)
  --raw         write the Windows-1252 bytes unchanged instead of UTF-8
  -h, --help    show this help
)";

}  // namespace

int RunGenerate(const std::vector<std::string>& args)
{
    const Arguments arguments = ParseArguments(args, {{"--seed", "", true},
                                                      {"--count", "", true},
                                                      {"--caps", "", true},
                                                      {"--batches", "", true},
                                                      {"--raw", "", false}});
    if (arguments.help) {
        std::cout << kHelp;
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
        option("--seed", static_cast<long long>(static_cast<uint32_t>(std::time(nullptr))), 0,
               std::numeric_limits<uint32_t>::max()));
    const auto count = static_cast<int16_t>(option(
        "--count", 1, std::numeric_limits<int16_t>::min(), std::numeric_limits<int16_t>::max()));
    const bool capitalise = option("--caps", 1, 0, 1) != 0;
    const long long batches = option("--batches", 1, 0, std::numeric_limits<int32_t>::max());
    const bool raw = arguments.Has("--raw");

    const std::string& styleArgument = arguments.operands.front();
    const std::vector<std::string> files(arguments.operands.begin() + 1, arguments.operands.end());
    InsultGenerator engine;
    std::vector<LoadResult> report;
    const bool loaded = LoadForTool(engine, files, report);
    PrintFailures(report);

    // Keys are Windows-1252 bytes; a name with a character outside it can name no style.
    const Utf8ToWindows1252Result key = Utf8ToWindows1252(styleArgument);
    if (key.ok)
        engine.SelectStyle(key.text);
    if (!key.ok || engine.currentStyle == nullptr) {
        throw ToolError("no style has the key \"" + styleArgument +
                        "\" (styles: " + StyleList(engine) + ")");
    }

    SeedRandom(seed);
    for (long long batch = 0; batch < batches; ++batch) {
        const std::string text = Generate(engine, count, capitalise);
        if (raw)
            std::cout.write(text.data(), static_cast<std::streamsize>(text.size()));
        else
            std::cout << Windows1252ToUtf8(text);
        // Nothing here steps back through the batches, so none is kept once printed.
        engine.currentStyle->history.clear();
    }
    return loaded ? 0 : 1;
}

}  // namespace razzlewick
