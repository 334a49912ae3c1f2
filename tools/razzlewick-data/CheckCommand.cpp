#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/InspectCommand.h"

#include <iostream>

namespace razzlewick {

namespace {

constexpr std::string_view kHelp = R"(Usage: razzlewick-data check [FILE...]

Prints the load report, one line per file as the start-up problems dialog lists it,
and the closing line when nothing was found or nothing could be read. With no FILE,
looks for *.dat in the tool's own folder and then in the current folder, as the
program does. Exit status 0 when every file was read, 1 otherwise.

  -h, --help   show this help
)";

}  // namespace

int RunCheck(const std::vector<std::string>& args)
{
    return RunInspectCommand(args, kHelp, FileOperands::Optional,
                             [](const InsultGenerator&, const std::vector<LoadResult>& report) {
                                 for (const LoadResult& line : report)
                                     std::cout << FormatReportLine(line);
                             });
}

}  // namespace razzlewick
