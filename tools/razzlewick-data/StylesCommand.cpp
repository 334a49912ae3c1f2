#include "cli/Arguments.h"
#include "cli/StyleListing.h"
#include "data/DataFileName.h"
#include "data/InsultGenerator.h"
#include "platform/AsciiCase.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/ContentChecks.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/InspectCommand.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/OutputFile.h"
#include "tools/razzlewick-data/SourceMerge.h"

#include <algorithm>
#include <iostream>

namespace razzlewick {

namespace {

constexpr std::string_view kStylesHelp = R"(Usage: razzlewick-data styles [FILE...]

Prints one line per style, in key order: the key, a tab, and the combination count as
the main window labels it. Files are found and read as "check" reads them; failures
go to standard error and give exit status 1. When no FILE ends in .dat, the FILEs are
JSON sources, read as "pack" reads them (exit status 2 for a bad one): the styles of
the data file they make.

  -h, --help   show this help
)";

}  // namespace

int RunStyles(const std::vector<std::string>& args)
{
    const Arguments arguments = ParseArguments(args, {});
    const auto isDataFile = [](const std::string& file) {
        return platform::EndsWithIgnoringAsciiCase(file, kDataSuffix);
    };
    if (!arguments.help && !arguments.operands.empty() &&
        std::none_of(arguments.operands.begin(), arguments.operands.end(), isDataFile)) {
        InsultGenerator engine;
        ContentChecks unheard;
        for (const std::string& source : arguments.operands)
            AddToEngine(engine, ReadJsonSource(ReadSourceText(source), source), source, unheard);
        std::cout << StyleLines(engine, true);
        return 0;
    }
    return RunInspectCommand(
        args, kStylesHelp, FileOperands::Optional,
        [](const InsultGenerator& engine, const std::vector<LoadResult>& report) {
            PrintFailures(report);
            std::cout << StyleLines(engine, true);
        });
}

}  // namespace razzlewick
