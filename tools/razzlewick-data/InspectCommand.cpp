#include "tools/razzlewick-data/InspectCommand.h"

#include "cli/Arguments.h"
#include "data/InsultGenerator.h"
#include "tools/razzlewick-data/ContentChecks.h"
#include "tools/razzlewick-data/DataLoading.h"

#include <iostream>

namespace razzlewick {

int RunInspectCommand(const std::vector<std::string>& args, std::string_view help,
                      FileOperands files, const InspectPrinter& print, ContentReview review)
{
    std::vector<OptionDefinition> options;
    if (review == ContentReview::On)
        options.push_back({"--strict", "", false});
    const Arguments arguments = ParseArguments(args, options);
    if (arguments.help) {
        std::cout << help;
        return 0;
    }
    if (files == FileOperands::Required && arguments.operands.empty())
        throw UsageError("no data file given");

    InsultGenerator engine;
    ContentChecks checks;
    // Files given are judged as the program will hold them: merged with everything else it
    // reads, so a file that extends a style is not blamed for lists the others provide.
    if (review == ContentReview::On && !arguments.operands.empty())
        LoadProgramData(engine, arguments.operands);
    if (review == ContentReview::On)
        engine.SetObserver(&checks);
    std::vector<LoadResult> report;
    const bool loaded = LoadForTool(engine, arguments.operands, report);
    engine.SetObserver(nullptr);
    checks.CheckStyles(engine);
    print(engine, report);
    std::cout.flush();
    const bool strict = arguments.Has("--strict");
    checks.Print(std::cerr, strict);
    return loaded && !(strict && checks.WarningCount() != 0) ? 0 : 1;
}

}  // namespace razzlewick
