#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/InspectCommand.h"
#include "tools/razzlewick-data/JsonWriter.h"

#include <iostream>

namespace razzlewick {

namespace {

constexpr std::string_view kDumpHelp = R"(Usage: razzlewick-data dump FILE.dat...

Reads the data files in order into one set of styles, as the program does, and
prints them as a JSON source that "razzlewick-data pack" reads back to the same data. A file that
cannot be read is reported on standard error with exit status 1; what was read is
still printed.

  -h, --help   show this help
)";

}  // namespace

int RunDump(const std::vector<std::string>& args)
{
    return RunInspectCommand(
        args, kDumpHelp, FileOperands::Required,
        [](const InsultGenerator& engine, const std::vector<LoadResult>& report) {
            PrintFailures(report);
            std::cout << WriteEngineJson(engine);
        });
}

}  // namespace razzlewick
