#include "cli/Arguments.h"
#include "data/DataFileName.h"
#include "data/InsultGenerator.h"
#include "platform/FileSystem.h"
#include "platform/ReadFile.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/ContentChecks.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/OutputFile.h"
#include "tools/razzlewick-data/SourceMerge.h"
#include "tools/razzlewick-data/ToolError.h"

#include <filesystem>
#include <iostream>

namespace razzlewick {

namespace {

constexpr const char* kDefaultOutput = "insltdat.dat";

constexpr std::string_view kPackHelp =
    R"(Usage: razzlewick-data pack [-o OUT.dat] [--force] [--strict] SOURCE.json...

Reads the JSON sources in order into one set of styles, merging them as data files
merge (a later template and name win; a word already in its list, ignoring the case
of A-Z, is dropped with a warning naming the file that gave it), and writes them as
a data file.

Content that composes badly gets a warning on standard error naming the file with
the line and column, the style, the list and the word: a placeholder no list fills
(%5 with three lists, %10 read as %1 and "0"), a "%" that starts no placeholder
("%l3", "% 3", "%O", "%%3", "%3%"; "100%" is fine), a placeholder glued to a letter
("%3a"), a missing list number (one warning: the "????" it leaves and the
placeholders it strands), a list that no template or shape reaches (with the "$3" or
"{3}" the template holds instead), a template with no placeholder, a repeat in the
list numbers, a negative list number, an empty list, an empty word, blanks at either
end of a word or two in a row, a tab, CR or LF in a word or the template, any other
control character (ESC, BEL, DEL, the unassigned bytes 0x81 0x8D 0x8F 0x90 0x9D: a
terminal would obey them) in a key, name, template or word, a word that holds a
placeholder no later list fills, punctuation at the template's end, an empty key,
two styles of one key in one file, a key that differs from a tab's or another
style's only in case, and words that differ only in case. Warnings leave the exit
status as it is.
Also warned about: a word whose placeholder brings in a list whose words bring in
more (a chain), and a style whose longest insult passes the 4096 characters at
which an insult stops growing. A SOURCE that is not a regular file, or that is
larger than 64 MiB, is refused.

  -o, --output OUT.dat   the data file to write, replacing a data file of that name
                         (default insltdat.dat, which is never replaced without --force);
                         a file that is no data file, or one of the sources, is refused
  --force                replace insltdat.dat when it exists and -o is not given, or an
                         output that -o alone would refuse
  --strict               treat warnings as errors: nothing is written, exit status 2
  -h, --help             show this help

Source format:
  {"styles": [{"key": "Modern", "name": "Modern", "template": "You %0 %1",
               "lists": [{"number": 0, "words": ["..."]}, ...]}, ...]}
"name" (default: the key) and "lists" may be left out. Every character must exist in
Windows-1252: each one that does not is reported, all in one run, with its style,
list, word, line and column. The file must be UTF-8 (UTF-16, as some editors save
"Unicode", is refused). A bad source is reported with its place and exit status 2,
and the output file is left untouched.
)";

// Why `output` must not be replaced without --force, or "": it is one of the sources, or
// it is there and holds something other than a data file (an empty file holds nothing).
std::string RefusedOutput(const std::string& output, const std::vector<std::string>& sources)
{
    for (const std::string& source : sources) {
        std::error_code error;
        if (std::filesystem::equivalent(output, source, error))
            return output + " is also a source; name another output with -o";
    }
    std::error_code error;
    const auto size = std::filesystem::file_size(output, error);
    if (error || size == 0)
        return {};
    if (platform::ReadRegularFileStart(output, kDataFileStart.size()) != kDataFileStart) {
        return output +
               " is there and is no data file, so it is not replaced; name another output with "
               "-o";
    }
    return {};
}

}  // namespace

int RunPack(const std::vector<std::string>& args)
{
    const Arguments arguments = ParseArguments(
        args, {{"--output", "-o", true}, {"--force", "", false}, {"--strict", "", false}});
    if (arguments.help) {
        std::cout << kPackHelp;
        return 0;
    }
    if (arguments.operands.empty())
        throw UsageError("no JSON source given");
    const bool named = arguments.Has("--output");
    const std::string output = named ? arguments.options.at("--output") : kDefaultOutput;
    if (output.empty())
        throw UsageError("option --output needs a file name");
    // The current folder is one the program reads: a pack run there by mistake would replace
    // the words it finds, so only an output named on purpose is replaced.
    if (!named && !arguments.Has("--force") && platform::PathExists(output)) {
        throw ToolError(output +
                        " already exists in the current folder; name the output with "
                        "-o, or give --force to replace it");
    }

    // Every source is read and checked before anything is written.
    InsultGenerator engine;
    ContentChecks checks;
    for (const std::string& source : arguments.operands)
        AddToEngine(engine, ReadJsonSource(ReadSourceText(source), source), source, checks);
    // A mistyped command line must not cost the hand-written source it names.
    if (named && !arguments.Has("--force")) {
        if (const std::string refused = RefusedOutput(output, arguments.operands);
            !refused.empty()) {
            std::cerr << "razzlewick-data pack: " << refused
                      << " (or give --force to replace it)\n";
            return 2;
        }
    }
    checks.CheckStyles(engine);
    const bool strict = arguments.Has("--strict");
    checks.Print(std::cerr, strict);
    if (strict && checks.WarningCount() != 0) {
        std::cerr << "razzlewick-data pack: " << output << " not written: --strict and "
                  << checks.WarningCount() << " finding(s)\n";
        return 2;
    }
    // The default output that was not there a moment ago is not replaced either.
    WriteEngineFile(engine, output,
                    named || arguments.Has("--force") ? Existing::Replace : Existing::Refuse);
    return 0;
}

}  // namespace razzlewick
