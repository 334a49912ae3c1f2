#include "cli/StyleListing.h"
#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/InspectCommand.h"

#include <iostream>

namespace razzlewick {

namespace {

constexpr std::string_view kStylesHelp = R"(Usage: razzlewick-data styles [FILE...]

Prints one line per style, in key order: the key, a tab, and the combination count as
the main window labels it. Files are found and read as "check" reads them; failures
go to standard error and give exit status 1.

  -h, --help   show this help
)";

}  // namespace

int RunStyles(const std::vector<std::string>& args)
{
    return RunInspectCommand(
        args, kStylesHelp, FileOperands::Optional,
        [](const InsultGenerator& engine, const std::vector<LoadResult>& report) {
            PrintFailures(report);
            std::cout << StyleLines(engine, true);
        });
}

}  // namespace razzlewick
