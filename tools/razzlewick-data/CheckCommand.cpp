#include "data/InsultGenerator.h"
#include "data/SearchReport.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/InspectCommand.h"

#include <iostream>

namespace razzlewick {

namespace {

constexpr std::string_view kCheckHelp = R"(Usage: razzlewick-data check [--strict] [FILE...]

Prints the load report, one line per file as the start-up problems dialog lists it,
and the closing line when nothing was found or nothing could be read. With no FILE,
searches as the program does and reports folder by folder, in the order they are read:
the tool's own folder, the current folder, razzlewick/ in each of $XDG_DATA_DIRS
from the last to the first (/usr/share, then /usr/local/share), then razzlewick/ in
$XDG_DATA_HOME (~/.local/share); each folder's files in name order. Where two files
hold a style, the one read later gives its template, so your own files win.

Content that composes badly gets a warning on standard error naming the file, style,
list and word (see "razzlewick-data pack --help"). Each FILE is judged merged with
the data the program reads, as the program would hold it, so a file that adds to an
existing style is not warned about lists the others provide. A FILE larger than
64 MiB is not read. A folder, or the files given, lists its first 20 files, then how
many more there are. Exit status 0 when every file was read, 1 otherwise.

  --strict     treat warnings as errors: exit status 1 when there is one
  -h, --help   show this help
)";

}  // namespace

int RunCheck(const std::vector<std::string>& args)
{
    return RunInspectCommand(
        args, kCheckHelp, FileOperands::Optional,
        [](const InsultGenerator& engine, const std::vector<LoadResult>& report) {
            // A search (no FILE) is reported folder by folder, as the program lists it.
            if (!engine.SearchedFolders().empty()) {
                std::cout << FormatSearchReport(engine, kShortReportLines);
                return;
            }
            std::cout << FormatReportLines(report, false, "", kShortReportLines);
        },
        ContentReview::On);
}

}  // namespace razzlewick
