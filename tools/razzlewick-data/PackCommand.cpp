#include "data/Archive.h"
#include "data/InsultGenerator.h"
#include "platform/FileSystem.h"
#include "platform/ReadFile.h"
#include "platform/ReplaceFile.h"
#include "tools/razzlewick-data/Arguments.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/SourceMerge.h"
#include "tools/razzlewick-data/ToolError.h"

#include <cstring>
#include <iostream>
#include <optional>
#include <utility>

namespace razzlewick {

namespace {

constexpr std::string_view kHelp = R"(Usage: razzlewick-data pack [-o OUT.dat] SOURCE.json...

Reads the JSON sources in order into one engine, merging them as data files merge
(a later template and name win; a word already in its list, ignoring the case of
A-Z, is dropped with a warning), and writes the engine as a data file.

  -o, --output OUT.dat   the data file to write (default insltdat.dat)
  -h, --help             show this help

Source format:
  {"styles": [{"key": "Modern", "name": "Modern", "template": "You %0 %1",
               "lists": [{"number": 0, "words": ["..."]}, ...]}, ...]}
"name" (default: the key) and "lists" may be left out. Every character must exist in
Windows-1252. A bad source is reported with its place and exit status 2, and the
output file is left untouched.
)";

std::string ReadSource(const std::string& path)
{
    platform::FileText source = platform::ReadWholeFile(path);
    if (source.error != 0)
        throw SourceError(path + ": cannot read: " + std::strerror(source.error));
    return std::move(source.text);
}

// Writes the data file beside its final place and renames it over, so a failure never
// leaves a half-written or emptied file behind.
void WriteDataFile(InsultGenerator& engine, const std::string& output)
{
    std::string archiveError;
    const auto write = [&engine, &archiveError](int fd) {
        try {
            Archive archive(fd, Archive::Mode::Storing);
            engine.Serialize(archive);
            archive.Close();
            return true;
        } catch (const std::exception& error) {
            archiveError = error.what();
            return false;
        }
    };
    // The mode of the file replaced is kept; a new file gets the umask's.
    const platform::ReplaceResult result =
        platform::ReplaceFileAtomically(output, write, platform::RegularFilePermissions(output));
    const std::string systemError = result.error != 0 ? std::strerror(result.error) : "";
    switch (result.failedStep) {
        case platform::ReplaceStep::None:
            return;
        case platform::ReplaceStep::Create:
            throw ToolError("cannot create a file in the folder of " + output + ": " + systemError);
        case platform::ReplaceStep::Write:
            throw ToolError("cannot write " + output + ": " + archiveError);
        case platform::ReplaceStep::Permissions:
            throw ToolError("cannot write " + output + ": setting its permissions: " + systemError);
        case platform::ReplaceStep::Flush:
            throw ToolError("cannot write " + output + ": flushing it: " + systemError);
        case platform::ReplaceStep::Close:
        case platform::ReplaceStep::Rename:
            break;
    }
    throw ToolError("cannot write " + output + ": " + systemError);
}

}  // namespace

int RunPack(const std::vector<std::string>& args)
{
    const Arguments arguments = ParseArguments(args, {{"--output", "-o", true}});
    if (arguments.help) {
        std::cout << kHelp;
        return 0;
    }
    if (arguments.operands.empty())
        throw UsageError("no JSON source given");
    const std::string output =
        arguments.Has("--output") ? arguments.options.at("--output") : "insltdat.dat";
    if (output.empty())
        throw UsageError("option --output needs a file name");

    // Every source is read and checked before anything is written.
    InsultGenerator engine;
    for (const std::string& source : arguments.operands)
        AddToEngine(engine, ReadJsonSource(ReadSource(source), source), source, std::cerr);
    WriteDataFile(engine, output);
    return 0;
}

}  // namespace razzlewick
