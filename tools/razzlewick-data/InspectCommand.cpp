#include "tools/razzlewick-data/InspectCommand.h"

#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/Arguments.h"
#include "tools/razzlewick-data/DataLoading.h"

#include <iostream>

namespace razzlewick {

int RunInspectCommand(const std::vector<std::string>& args, std::string_view help,
                      FileOperands files, const InspectPrinter& print)
{
    const Arguments arguments = ParseArguments(args, {});
    if (arguments.help) {
        std::cout << help;
        return 0;
    }
    if (files == FileOperands::Required && arguments.operands.empty())
        throw UsageError("no data file given");

    InsultGenerator engine;
    std::vector<LoadResult> report;
    const bool loaded = LoadForTool(engine, arguments.operands, report);
    print(engine, report);
    return loaded ? 0 : 1;
}

}  // namespace razzlewick
