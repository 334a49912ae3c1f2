#include "cli/Arguments.h"
#include "cli/StyleListing.h"
#include "data/DataFileName.h"
#include "data/DataFolders.h"
#include "data/InsultGenerator.h"
#include "data/LoadMessages.h"
#include "data/PackingHint.h"
#include "platform/AsciiCase.h"
#include "platform/FdIo.h"
#include "platform/FileSystem.h"
#include "platform/FolderSearch.h"
#include "tools/razzlewick-data/Commands.h"
#include "tools/razzlewick-data/ContentChecks.h"
#include "tools/razzlewick-data/DataLoading.h"
#include "tools/razzlewick-data/InstalledCopies.h"
#include "tools/razzlewick-data/JsonSource.h"
#include "tools/razzlewick-data/OutputFile.h"
#include "tools/razzlewick-data/SourceMerge.h"
#include "tools/razzlewick-data/ToolError.h"

#include <cerrno>
#include <cstring>
#include <functional>
#include <iostream>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace razzlewick {

namespace {

constexpr std::string_view kInstallHelp =
    R"(Usage: razzlewick-data install [--force] [--strict] FILE...

Puts styles of your own where Razzlewick finds them, for you alone: the folder
razzlewick/ in $XDG_DATA_HOME (~/.local/share/razzlewick/), made with mode 0700 when
it is missing. A JSON source (any FILE not ending in .dat) is packed into a data
file of the same name ending in .dat, with pack's warnings; a data file is checked,
with check's warnings, and copied. A FILE that is not a regular file, or that is
larger than 64 MiB, is refused. Everything is read and checked before anything is
written, and each file is written beside its place and renamed, so nothing
half-written is left.

Each file is judged as Razzlewick will read it, together with the styles installed
and shipped (not with the files it replaces), so a file that adds lists or words to
an existing style is not warned about what the others provide. A style whose
insults would show "????" (a missing list), a placeholder or a "%" as typed, or a
byte Windows-1252 has no character for, is not installed without --force.

Prints the path of each file written with its styles, then the styles Razzlewick
offers now; a window that is open shows them after Reload in Help > Data files.

Exit status 0 when all were installed; 1 when a file cannot be read or written, is
no good data file or would compose such insults; 2 for a bad command line, a bad
JSON source, or a warning under --strict.

  --force      replace the installed copy: a file of the same name (ignoring case)
               in the folder, or one that holds only the styles of FILE (removed
               once FILE is in); and install a style that composes badly
  --strict     treat warnings as errors: nothing is installed, exit status 2
  -h, --help   show this help
)";

constexpr std::string_view kUninstallHelp = R"(Usage: razzlewick-data uninstall NAME

Removes the data file NAME (".dat" may be left out; the case of A-Z does not matter)
from your own folder, razzlewick/ in $XDG_DATA_HOME (~/.local/share/razzlewick/),
and prints the styles Razzlewick offers now. No other folder is touched.
Exit status 0 when it was removed, 1 when there is no such file or it cannot be
removed, 2 for a bad command line.

  -h, --help   show this help
)";

// One file to install, read, waiting to be checked with the rest and written.
struct Planned {
    std::string source;
    std::string name;  // in the user's folder
    std::string styles;
    std::vector<std::string> keys;
    // Its installed copy: the files it stands in for, not judged with it; those of the user's
    // folder are removed once it is in.
    std::vector<InstalledCopy> copies;
    std::function<std::string(int fd)> write;
    // Merges the file into the styles it is judged with, told to the checks.
    std::function<void(InsultGenerator& judged, ContentChecks& checks)> judge;
};

std::string UserFolderOrFail()
{
    std::string folder = UserDataFolder();
    if (folder.empty())
        throw ToolError("no home folder is known: set HOME or XDG_DATA_HOME");
    return folder;
}

std::string BaseName(const std::string& path)
{
    return path.substr(path.rfind('/') + 1);
}

std::vector<std::string> KeysOf(const InsultGenerator& engine)
{
    std::vector<std::string> keys;
    for (const auto& entry : engine.Styles())
        keys.push_back(entry.first);
    return keys;
}

Planned PlanDataFile(const std::string& file)
{
    if (IsTooLargeForASource(file))
        throw SourceError(file + ": " + TooLargeText());
    InsultGenerator engine;
    const DataFileOutcome outcome = engine.OpenDataFile(Archive::Mode::Loading, &file);
    if (outcome.result == DataFileOutcome::Result::NotOpened)
        throw ToolError(FileErrorMessage(outcome.openError.cause, outcome.openError.path));
    if (!outcome.Succeeded()) {
        const std::string hint = PackingHint(file);
        throw ToolError(file + ": " + std::string(kLoadCorrupted) +
                        (hint.empty() ? "" : ". " + hint));
    }
    std::string bytes = ReadSourceText(file);
    return {file,
            BaseName(file),
            StyleList(engine),
            KeysOf(engine),
            {},
            [bytes = std::move(bytes)](int fd) -> std::string {
                const int failure = platform::WriteAll(fd, bytes);
                return failure == 0 ? std::string() : std::strerror(failure);
            },
            [file](InsultGenerator& judged, ContentChecks& checks) {
                // As check would read it, so it gets check's warnings.
                judged.SetObserver(&checks);
                judged.OpenDataFile(Archive::Mode::Loading, &file);
                judged.SetObserver(nullptr);
            }};
}

Planned PlanJsonSource(const std::string& file)
{
    auto source = std::make_shared<const std::vector<SourceStyle>>(
        ReadJsonSource(ReadSourceText(file), file));
    auto engine = std::make_shared<InsultGenerator>();
    ContentChecks unheard;
    AddToEngine(*engine, *source, file, unheard);
    return {file,
            InstalledName(file),
            StyleList(*engine),
            KeysOf(*engine),
            {},
            [engine](int fd) { return WriteEngine(*engine, fd); },
            [source, file](InsultGenerator& judged, ContentChecks& checks) {
                AddToEngine(judged, *source, file, checks);
            }};
}

// The files judged as the program will read them once they are in place: with the styles
// installed and shipped, but not with the files they replace. Pack's and check's warnings;
// throws, so that nothing is installed, for any of them when strict, and without --force for
// a style whose insults would show "????" or a placeholder as typed.
void JudgeWithTheRest(const std::vector<Planned>& plan, const std::string& folder, bool strict,
                      bool force)
{
    std::vector<std::string> replaced;
    for (const Planned& planned : plan) {
        replaced.push_back(folder + planned.name);
        const std::vector<std::string> copies = CopyPaths(planned.copies, false);
        replaced.insert(replaced.end(), copies.begin(), copies.end());
    }
    InsultGenerator judged;
    LoadProgramData(judged, replaced);
    ContentChecks checks;
    for (const Planned& planned : plan)
        planned.judge(judged, checks);
    checks.CheckStyles(judged);
    checks.Print(std::cerr, strict);
    if (strict && checks.WarningCount() != 0) {
        throw SourceError("nothing was installed: --strict and " +
                          std::to_string(checks.WarningCount()) + " finding(s)");
    }
    if (force || checks.BrokenStyles().empty())
        return;
    std::string files;
    std::string styles;
    for (const Planned& planned : plan) {
        bool broken = false;
        for (const std::string& key : planned.keys) {
            if (checks.BrokenStyles().contains(key)) {
                styles += (styles.empty() ? "" : ", ") + key;
                broken = true;
            }
        }
        if (broken)
            files += (files.empty() ? "" : ", ") + planned.source;
    }
    throw ToolError("nothing was installed: the insults of " + styles +
                    " would show \"????\", a placeholder or a \"%\" as typed, or a byte "
                    "Windows-1252 has no character for (see the warnings above); mend " +
                    files + ", or give --force to install it as it is");
}

void PrintOffered()
{
    InsultGenerator engine;
    engine.LoadDataFiles(nullptr);
    std::cout << "Razzlewick now offers: " << StyleList(engine)
              << "\nA Razzlewick window that is open shows this after Reload in Help > Data "
                 "files...\n";
}

}  // namespace

int RunInstall(const std::vector<std::string>& args)
{
    const Arguments arguments =
        ParseArguments(args, {{"--force", "", false}, {"--strict", "", false}});
    if (arguments.help) {
        std::cout << kInstallHelp;
        return 0;
    }
    if (arguments.operands.empty())
        throw UsageError("no file given");
    const std::string folder = UserFolderOrFail();

    std::vector<Planned> plan;
    for (const std::string& file : arguments.operands) {
        Planned planned = platform::EndsWithIgnoringAsciiCase(file, kDataSuffix)
                              ? PlanDataFile(file)
                              : PlanJsonSource(file);
        for (const Planned& earlier : plan) {
            if (platform::EqualsIgnoringAsciiCase(earlier.name, planned.name))
                throw UsageError(earlier.source + " and " + file + " would both be " +
                                 planned.name);
        }
        plan.push_back(std::move(planned));
    }
    for (Planned& planned : plan) {
        planned.copies = InstalledCopies(planned.name, planned.keys);
        for (InstalledCopy& copy : planned.copies) {
            if (!copy.inUserFolder)
                continue;
            const std::string name = BaseName(copy.path);
            const bool named = platform::EqualsIgnoringAsciiCase(name, planned.name);
            if (!arguments.Has("--force")) {
                throw ToolError(copy.path +
                                (named ? " already exists"
                                       : " holds only styles of " + planned.source +
                                             ", which it would stand in for") +
                                "; give --force to replace it (nothing was installed)");
            }
            if (named) {
                planned.name = name;        // replaced under its own spelling, not doubled
                copy.inUserFolder = false;  // replaced by the write, not removed
            }
        }
    }
    JudgeWithTheRest(plan, folder, arguments.Has("--strict"), arguments.Has("--force"));
    if (!platform::MakeFolders(folder))
        throw ToolError("cannot create " + folder + ": " + std::strerror(errno));
    // Another install of the same name may come between the look above and the write: only
    // --force replaces what it finds then.
    const Existing existing = arguments.Has("--force") ? Existing::Replace : Existing::Refuse;
    for (const Planned& planned : plan) {
        WriteOutputFile(folder + planned.name, planned.write, existing);
        std::cout << "Installed " << folder << planned.name << " (styles: " << planned.styles
                  << ")\n";
        // An older copy under another name would merge with the new one: it goes.
        for (const std::string& copy : CopyPaths(planned.copies, true)) {
            if (const int failure = platform::RemoveFile(copy); failure != 0)
                throw ToolError("cannot remove " + copy + ": " + std::strerror(failure));
            std::cout << "Removed " << copy << ", which it replaces\n";
        }
    }
    PrintOffered();
    return 0;
}

int RunUninstall(const std::vector<std::string>& args)
{
    const Arguments arguments = ParseArguments(args, {});
    if (arguments.help) {
        std::cout << kUninstallHelp;
        return 0;
    }
    if (arguments.operands.size() != 1)
        throw UsageError(arguments.operands.empty() ? "no name given" : "one name at a time");
    std::string name = arguments.operands.front();
    if (name.empty() || name.find('/') != std::string::npos || name == "." || name == "..")
        throw UsageError("NAME is a file name in your styles folder, not a path: \"" + name + "\"");
    if (!platform::EndsWithIgnoringAsciiCase(name, kDataSuffix))
        name += kDataSuffix;
    const std::string folder = UserFolderOrFail();
    const std::vector<std::string> copies = CopyPaths(InstalledCopies(name, {}), true);
    if (copies.empty()) {
        std::string installed;
        for (const std::string& entry : platform::FindEntriesEndingWith(folder, kDataSuffix))
            installed += (installed.empty() ? "" : ", ") + entry;
        throw ToolError("no " + name + " in " + folder +
                        " (installed: " + (installed.empty() ? "none" : installed) + ")");
    }
    const std::string& copy = copies.front();
    if (const int failure = platform::RemoveFile(copy); failure != 0)
        throw ToolError("cannot remove " + copy + ": " + std::strerror(failure));
    std::cout << "Removed " << copy << '\n';
    PrintOffered();
    return 0;
}

}  // namespace razzlewick
