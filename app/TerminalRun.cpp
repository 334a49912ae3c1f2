#include "app/TerminalRun.h"

#include "app/StyleTabs.h"
#include "data/InsultGenerator.h"
#include "data/SearchReport.h"
#include "data/Windows1252.h"
#include "generate/GeneratorOperations.h"
#include "generate/RandomSource.h"
#include "platform/ProgramFolder.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"
#include "settings/UserOptions.h"
#include "tools/razzlewick-data/Arguments.h"

#include <algorithm>
#include <ctime>
#include <limits>

namespace razzlewick {

namespace {

constexpr std::string_view kHelp =
    R"(Usage: razzlewick [--print [--style NAME] [--count N] [--seed N] [--no-caps]]
       razzlewick --list-styles | --version | --help

Without options Razzlewick opens its window. With --print it composes one batch
of insults and prints it, one insult a line, with no window and no display.

  --print         print one batch of insults
  --style NAME    the style to print (default: the tab selected when the window
                  last closed)
  --count N       insults in the batch, 1 to 500 (default: the count set in the
                  window's Preferences)
  --seed N        start the random source at N (0 to 4294967295): the same seed,
                  style and count give the same insults every time
  --no-caps       leave the first letter of each insult as the style writes it
  --list-styles   print the styles the data files offer, one a line
  --version       print the version
  -h, --help      show this help

Data files are read as the window reads them: *.dat in the program's folder, in
the current folder, in $XDG_DATA_HOME/razzlewick (~/.local/share/razzlewick) and in
razzlewick/ under each of $XDG_DATA_DIRS (/usr/local/share:/usr/share). The count,
capitalisation and offensiveness level come from ~/.config/razzlewick/Razzlewick.ini;
nothing is written there. Modern and Mediterranean stay withheld until the level is
raised in the window's Preferences.

Exit status: 0 printed; 1 no data, a data file that could not be read, or a style
the offensiveness level withholds; 2 a bad command line or a style no data file holds.
)";

constexpr int kMaximumCount = 500;
const std::vector<OptionDefinition> kOptions = {
    {"--print", "", false},  {"--list-styles", "", false}, {"--version", "", false},
    {"--style", "", true},   {"--count", "", true},        {"--seed", "", true},
    {"--no-caps", "", false}};

std::string ForTerminal(std::string_view windows1252)
{
    std::string text = Windows1252ToUtf8(windows1252);
    std::erase(text, '\r');
    return text;
}

std::string StyleNames(const InsultGenerator& engine)
{
    std::string names;
    for (const auto& entry : engine.styles)
        names += (names.empty() ? "" : ", ") + ForTerminal(entry.first);
    return names.empty() ? "none" : names;
}

// The style of the tab the window last closed on, as the window itself chooses it.
std::string LastTabStyle()
{
    int32_t tab = SettingsFile().ReadInteger(SettingsKeys::kSection, SettingsKeys::kTab,
                                             SettingsKeys::kDefaultTab);
    if (tab < 0 || tab >= StyleTabs::kCount)
        tab = 0;
    return StyleTabs::kNames[static_cast<size_t>(tab)];
}

int Run(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    if (arguments.help) {
        out << kHelp;
        return 0;
    }
    const bool print = arguments.Has("--print");
    const bool list = arguments.Has("--list-styles");
    if (print + list + arguments.Has("--version") > 1)
        throw UsageError("--print, --list-styles and --version go alone");
    for (const char* option : {"--style", "--count", "--seed", "--no-caps"}) {
        if (!print && arguments.Has(option))
            throw UsageError(std::string(option) + " goes with --print");
    }
    if (!arguments.operands.empty())
        throw UsageError("unexpected argument \"" + arguments.operands.front() + "\"");
    if (arguments.Has("--version")) {
        out << "razzlewick " << RAZZLEWICK_VERSION << '\n';
        return 0;
    }
    const auto number = [&](const char* name, long long minimum, long long maximum) {
        return ParseInteger(name, arguments.options.at(name), minimum, maximum);
    };
    // The command line is checked before any data is read.
    const long long count = arguments.Has("--count") ? number("--count", 1, kMaximumCount) : 0;
    const long long seed = arguments.Has("--seed")
                               ? number("--seed", 0, std::numeric_limits<uint32_t>::max())
                               : static_cast<long long>(static_cast<uint32_t>(std::time(nullptr)));

    const UserOptions options = ReadUserOptions(SettingsFile());
    InsultGenerator engine;
    std::vector<LoadResult> report;
    const bool loaded = engine.LoadDataFiles(&report, platform::ProgramFolder());
    if (engine.styles.empty()) {
        err << "razzlewick: no styles to print from. The data files:\n"
            << FormatSearchReport(engine);
        return 1;
    }
    for (const LoadResult& line : report) {
        if (line.failed)
            err << "razzlewick: " << FormatReportLine(line);
    }
    const int status = loaded ? 0 : 1;

    if (list) {
        for (const auto& entry : engine.styles) {
            out << ForTerminal(entry.first)
                << (StyleTabs::Withholds(options.level, entry.first)
                        ? " (withheld until the offensiveness level is raised)"
                        : "")
                << '\n';
        }
        return status;
    }
    const std::string name =
        arguments.Has("--style") ? arguments.options.at("--style") : LastTabStyle();
    const Utf8ToWindows1252Result key = Utf8ToWindows1252(name);
    if (!key.ok || !engine.styles.contains(key.text)) {
        err << "razzlewick: no style \"" << name << "\"; the styles are: " << StyleNames(engine)
            << '\n';
        return 2;
    }
    if (StyleTabs::Withholds(options.level, key.text)) {
        err << StyleTabs::kDisabledMessage << '\n';
        return 1;
    }
    SeedRandom(static_cast<uint32_t>(seed));
    engine.SelectStyle(key.text);
    const auto batch = static_cast<int16_t>(count != 0 ? count : options.count);
    out << ForTerminal(
        Generate(engine, batch, !arguments.Has("--no-caps") && options.capitalise == 1));
    return status;
}

}  // namespace

bool WantsTerminal(const std::vector<std::string>& args)
{
    return std::any_of(args.begin(), args.end(), [](const std::string& word) {
        if (word == "-h" || word == "--help")
            return true;
        const std::string name = word.substr(0, word.find('='));
        return std::any_of(kOptions.begin(), kOptions.end(),
                           [&](const OptionDefinition& option) { return option.longName == name; });
    });
}

int RunOnTerminal(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    int status = 0;
    try {
        status = Run(ParseArguments(args, kOptions), out, err);
    } catch (const UsageError& error) {
        err << "razzlewick: " << error.what() << " (try \"razzlewick --help\")\n";
        return 2;
    }
    out.flush();
    if (!out) {
        err << "razzlewick: cannot write to standard output\n";
        return 1;
    }
    return status;
}

}  // namespace razzlewick
