#include "cli/TerminalRun.h"

#include "cli/ComposeBatch.h"
#include "cli/EntropySeed.h"
#include "cli/FavouritesOnTerminal.h"
#include "cli/FittingInsults.h"
#include "cli/StyleChoice.h"
#include "cli/StyleListing.h"
#include "cli/TerminalText.h"
#include "cli/WordWrap.h"
#include "data/InsultGenerator.h"
#include "data/SearchReport.h"
#include "platform/AsciiCase.h"
#include "platform/ProgramFolder.h"
#include "resources/version/Version.h"
#include "settings/FavouritesFile.h"
#include "settings/ProfileFile.h"
#include "settings/SettingsKeys.h"
#include "settings/UserOptions.h"

#include <limits>
#include <optional>

namespace razzlewick {

namespace {

constexpr std::string_view kRandomStyleWord = "random";

constexpr std::string_view kUsage =
    R"(Usage: razzlewick [-platform NAME] [-display NAME] [other toolkit options]
       razzlewick --print [-s NAME] [-n N] [-S N] [-l 0|1] [--no-caps]
                          [--short | --max-length N] [--width N | --no-wrap]
                          [--verbose]
       razzlewick --list-styles [--verbose] [-l 0|1]
       razzlewick --print --favourite [-s NAME] [-S N]
       razzlewick --favourites [-s NAME] [-n N] [--verbose]
       razzlewick --keep TEXT [-s NAME]
       razzlewick --version | --help
)";

constexpr std::string_view kHelp =
    R"(
Without options Razzlewick opens its window. With --print it composes one batch
of insults and prints it, one insult a line, with no window and no display.

  --print            print one batch of insults
  -s, --style NAME   the style to print: its key or the name its tab shows, in
                     any case, or "random" for any style the level allows
                     (default: the tab selected when the window last closed,
                     or the first tab when the level withholds that one)
  -n, --count N      insults in the batch, 1 to 500 (default: the count set in
                     Preferences)
  -S, --seed N       start the random source at N (0 to 4294967295): the same
                     seed, style and count give the same insults every time
                     (default: a fresh seed from the system on every run)
  -l, --level 0|1    the offensiveness level for this run alone; 1 unlocks
                     Modern and Mediterranean (default: the level set in
                     Preferences)
  --no-caps          leave the first letter of each insult as the style
                     writes it
  --short            print only insults of at most 80 characters
  --max-length N     print only insults of at most N characters (20 to 10000);
                     the others are drawn again, so a seed still gives the
                     same insults
  --width N          break lines at spaces to fit N columns (20 to 10000)
  --no-wrap          never break lines (default: lines are broken to fit the
                     terminal; a file or a pipe gets one insult a line)
  --list-styles      print the key of every style, one a line
  --verbose          with --print: say on standard error which style was
                     chosen for you; with --list-styles: add the name, the
                     number of combinations and "withheld" where the level
                     withholds the style, separated by tabs
  --favourite        with --print: print one of your favourites at random
                     instead, of the style given with --style
  --favourites       list your favourites, newest first: with --count the
                     newest N, with --style those of one style, with
                     --verbose the date, style and insult, tab-separated
  --keep TEXT        keep TEXT as a favourite of the style given with --style
                     (default: the tab selected when the window last closed)
  --version          print the version
  -h, --help         show this help

The window also takes the toolkit's options -platform, -display, -style,
-stylesheet, -geometry, -qwindowgeometry, -qwindowtitle, -qwindowicon,
-platformtheme, -name, -session and -reverse.

Data files are read from *.dat in the program's folder, in razzlewick/ under
each of $XDG_DATA_DIRS from the last to the first (/usr/share, /usr/local/share),
then in $XDG_DATA_HOME/razzlewick (~/.local/share/razzlewick); where two files
hold a style, the later one's template is used, so your own files win. The
window reads the current folder too; the terminal never does, so a shell
started in a folder of someone else's files is not led by them.
The count, capitalisation, offensiveness level and last tab come from
$XDG_CONFIG_HOME/razzlewick/Razzlewick.ini (~/.config/razzlewick/...); nothing
is written there.
Favourites are kept in $XDG_DATA_HOME/razzlewick/favourites.txt
(~/.local/share/razzlewick/...), one a line as DATE [STYLE] INSULT, for
example "2026-12-08 [Shakespearean] Thou art a fool!"; edit it freely.

Control characters in what is printed, whether they come from a data file, a
file name or the command line, are shown as escapes (\e, \x9b, \u202e).

Exit status: 0 printed; 1 no window could open, no data, a data file that
could not be read, a style the offensiveness level withholds, no insult
short enough (--short, --max-length) in 2000 draws, which standard error
says after the insults that did fit, no favourites to print, or a
favourites file that could not be read or changed; 2 a bad command line,
a style no data file holds, or a name that could be more than one.
)";

const std::vector<OptionDefinition> kOptions = {
    {"--print", "", false},   {"--list-styles", "", false}, {"--version", "", false},
    {"--style", "-s", true},  {"--count", "-n", true},      {"--seed", "-S", true},
    {"--level", "-l", true},  {"--no-caps", "", false},     {"--verbose", "", false},
    {"--short", "", false},   {"--max-length", "", true},   {"--width", "", true},
    {"--no-wrap", "", false}, {"--favourite", "", false},   {"--favourites", "", false},
    {"--keep", "", true}};

constexpr long long kShortLength = 80;
constexpr long long kNarrowest = 20;
constexpr long long kWidest = 10000;

// The toolkit's options that the window takes, handed on to it as they were given.
const std::vector<OptionDefinition> kWindowOptions = {
    {"-platform", "", true},     {"-display", "", true},     {"-style", "", true},
    {"-stylesheet", "", true},   {"-geometry", "", true},    {"-qwindowgeometry", "", true},
    {"-qwindowtitle", "", true}, {"-qwindowicon", "", true}, {"-platformtheme", "", true},
    {"-name", "", true},         {"-session", "", true},     {"-reverse", "", false}};

std::vector<OptionDefinition> AllOptions()
{
    std::vector<OptionDefinition> all = kOptions;
    all.insert(all.end(), kWindowOptions.begin(), kWindowOptions.end());
    return all;
}

// The count set in Preferences, or the first run's count when the settings file holds one
// that is no number from 1 to 500 (which the window would take as empty or huge batches).
int16_t SettingsCount(const ProfileSnapshot& settings, std::ostream& err)
{
    const int32_t stored = settings.ReadInteger(SettingsKeys::kSection, SettingsKeys::kInsultCount,
                                                SettingsKeys::kDefaultInsultCount);
    if (stored >= SettingsKeys::kMinimumInsultCount && stored <= SettingsKeys::kMaximumInsultCount)
        return static_cast<int16_t>(stored);
    err << "razzlewick: the count in " << ProfileFile::Folder() << SettingsFile().FileName()
        << " (\"" << SettingsKeys::kInsultCount << "\", read as " << stored
        << ") is no number from " << SettingsKeys::kMinimumInsultCount << " to "
        << SettingsKeys::kMaximumInsultCount << "; printing " << SettingsKeys::kDefaultInsultCount
        << " instead\n";
    return SettingsKeys::kDefaultInsultCount;
}

// The favourites' options and what goes with each; false when the command line asks for none.
bool CheckFavouritesCombination(const Arguments& arguments)
{
    const bool favourite = arguments.Has("--favourite");
    const bool list = arguments.Has("--favourites");
    const bool keep = arguments.Has("--keep");
    if (!favourite && !list && !keep)
        return false;
    if (favourite && !arguments.Has("--print"))
        throw UsageError("--favourite goes with --print");
    if (favourite + list + keep > 1)
        throw UsageError("--print --favourite, --favourites and --keep go alone");
    for (const OptionDefinition& option : kOptions) {
        const std::string& name = option.longName;
        const bool allowed = name == "--favourite" || name == "--favourites" || name == "--keep" ||
                             name == "--style" || (favourite && name == "--print") ||
                             (favourite && name == "--seed") ||
                             (list && (name == "--count" || name == "--verbose"));
        if (!allowed && arguments.Has(name))
            throw UsageError(name + " does not go with " +
                             (favourite ? "--favourite" : (list ? "--favourites" : "--keep")));
    }
    return true;
}

// The options of --print, --list-styles and --version with each other; false when the command
// line asks for none of them, and the window opens.
bool CheckAnswerCombination(const Arguments& arguments)
{
    const bool print = arguments.Has("--print");
    const bool list = arguments.Has("--list-styles");
    const bool answer = print || list || arguments.Has("--version");
    if (print + list + arguments.Has("--version") > 1)
        throw UsageError("--print, --list-styles and --version go alone");
    for (const char* option : {"--style", "--count", "--seed", "--no-caps", "--short",
                               "--max-length", "--width", "--no-wrap"}) {
        if (!print && arguments.Has(option))
            throw UsageError(std::string(option) + " goes with --print");
    }
    if (!print && !list && arguments.Has("--level"))
        throw UsageError("--level goes with --print or --list-styles");
    if (!print && !list && arguments.Has("--verbose"))
        throw UsageError("--verbose goes with --print or --list-styles");
    if (arguments.Has("--short") && arguments.Has("--max-length"))
        throw UsageError("--short and --max-length go alone: --short is --max-length 80");
    if (arguments.Has("--width") && arguments.Has("--no-wrap"))
        throw UsageError("--width and --no-wrap go alone");
    return answer;
}

// Which answer the command line asks for, checked before any data is read.
void CheckCombination(const Arguments& arguments)
{
    const bool answer = CheckFavouritesCombination(arguments) || CheckAnswerCombination(arguments);
    for (const OptionDefinition& option : kWindowOptions) {
        if (answer && arguments.Has(option.longName))
            throw UsageError(option.longName + " is an option of the window, not of the terminal");
    }
    if (!arguments.operands.empty())
        throw UsageError("unexpected argument \"" + arguments.operands.front() + "\"");
}

// How the insults are laid out: at most `longest` characters each (0: any length), broken to
// `wrapWidth` columns (0: one insult a line).
struct Layout final {
    std::size_t longest = 0;
    std::size_t wrapWidth = 0;
};

// Prints the batch; 0, or 1 when too few insults fit the length asked for.
int PrintInsults(InsultGenerator& engine, const std::string& key, const BatchRequest& request,
                 Layout layout, std::ostream& out, std::ostream& err)
{
    const auto print = [&](const std::string& text) {
        const std::string shown = BatchForTerminal(text, LineEnds::Lf);
        out << (layout.wrapWidth != 0 ? WrapLines(shown, layout.wrapWidth) : shown);
    };
    if (layout.longest == 0) {
        ComposeBatches(engine, key, request, print);
        return 0;
    }
    const FittingOutcome fitting = ComposeFitting(engine, key, request, layout.longest, print);
    if (fitting.written == request.count)
        return 0;
    out.flush();
    err << "razzlewick: no insult of " << TerminalTextFrom1252(key, Separators::Escape)
        << " within " << layout.longest << " characters in " << kMostDrawsPerInsult << " draws";
    if (fitting.shortestDrawn != 0)
        err << " (the shortest had " << fitting.shortestDrawn << ")";
    err << "; printed " << fitting.written << " of " << request.count << '\n';
    return 1;
}

// --print --favourite and --favourites, which need the favourites file alone.
int AnswerFromFavourites(const Arguments& arguments, std::ostream& out, std::ostream& err)
{
    const FavouritesFile file(FavouritesFile::DefaultPath());
    const std::string style =
        arguments.Has("--style") ? arguments.options.at("--style") : std::string();
    if (arguments.Has("--favourite")) {
        const uint32_t seed =
            arguments.Has("--seed")
                ? static_cast<uint32_t>(ParseInteger("--seed", arguments.options.at("--seed"), 0,
                                                     std::numeric_limits<uint32_t>::max()))
                : EntropySeed();
        return PrintFavourite(file, style, seed, out, err);
    }
    const std::optional<long long> count =
        arguments.Has("--count")
            ? std::optional(ParseInteger("--count", arguments.options.at("--count"), 1,
                                         std::numeric_limits<int32_t>::max()))
            : std::nullopt;
    return ListFavourites(file, style, count, arguments.Has("--verbose"), out, err);
}

int Answer(const Arguments& arguments, std::ostream& out, std::ostream& err, int outColumns)
{
    if (arguments.Has("--favourite") || arguments.Has("--favourites"))
        return AnswerFromFavourites(arguments, out, err);
    const bool list = arguments.Has("--list-styles");
    const bool keep = arguments.Has("--keep");
    const auto number = [&](const char* name, long long minimum, long long maximum) {
        return ParseInteger(name, arguments.options.at(name), minimum, maximum);
    };
    // 0: the count set in Preferences.
    const auto count = static_cast<int16_t>(
        arguments.Has("--count") ? number("--count", SettingsKeys::kMinimumInsultCount,
                                          SettingsKeys::kMaximumInsultCount)
                                 : 0);
    const uint32_t seed =
        arguments.Has("--seed")
            ? static_cast<uint32_t>(number("--seed", 0, std::numeric_limits<uint32_t>::max()))
            : (list ? 0 : EntropySeed());
    const bool verbose = arguments.Has("--verbose");
    const std::size_t longest = static_cast<std::size_t>(
        arguments.Has("--short")        ? kShortLength
        : arguments.Has("--max-length") ? number("--max-length", kNarrowest, kWidest)
                                        : 0);
    const std::size_t wrapWidth =
        static_cast<std::size_t>(arguments.Has("--no-wrap") ? 0
                                 : arguments.Has("--width") ? number("--width", kNarrowest, kWidest)
                                                            : outColumns);
    const std::optional<int32_t> levelGiven =
        arguments.Has("--level") ? std::optional(static_cast<int32_t>(number("--level", 0, 1)))
                                 : std::nullopt;

    const ProfileSnapshot settings = SettingsFile().Read();
    if (settings.GetState() == ProfileSnapshot::State::TooLarge) {
        err << "razzlewick: the settings file " << settings.Path() << " is larger than 1 MiB, "
            << "so it is not read: printing with the first run's settings\n";
    }
    const UserOptions options = ReadUserOptions(settings);
    const int32_t level = levelGiven.value_or(options.level);
    InsultGenerator engine;
    std::vector<LoadResult> report;
    const bool loaded =
        engine.LoadDataFiles(&report, platform::ProgramFolder(), CurrentFolderSearch::Skipped);
    if (engine.Styles().empty()) {
        err << "razzlewick: no styles to print from. The data files:\n"
            << FormatSearchReport(engine, kShortReportLines);
        return 1;
    }
    err << FormatReportLines(report, true, "razzlewick: ", kShortReportLines);
    const int status = loaded ? 0 : 1;

    if (list) {
        out << (verbose ? StyleTable(engine, level) : StyleLines(engine, false));
        return status;
    }

    const std::string name =
        arguments.Has("--style") ? arguments.options.at("--style") : std::string();
    if (keep) {
        if (platform::EqualsIgnoringAsciiCase(name, kRandomStyleWord))
            throw UsageError("--keep needs the name of the insult's style, not \"random\"");
        // Whatever the level: the insult is the user's already.
        const StyleChoice style = ChooseStyle(engine, name, 1, seed, settings, false, err);
        if (style.failure != 0)
            return style.failure;
        return KeepFavourite(FavouritesFile(FavouritesFile::DefaultPath()),
                             arguments.options.at("--keep"), style.key, err);
    }
    const StyleChoice chosen = ChooseStyle(engine, name, level, seed, settings, verbose, err);
    if (chosen.failure != 0)
        return chosen.failure;
    const BatchRequest request{
        .count = count != 0 ? count : SettingsCount(settings, err),
        .capitalise = !arguments.Has("--no-caps") && options.capitalise == 1,
        .seed = seed,
        .repeats = Repeats::AvoidRecent,
    };
    const int printed = PrintInsults(engine, chosen.key, request, {longest, wrapWidth}, out, err);
    return printed != 0 ? printed : status;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                   const WindowOpener& openWindow, int outColumns)
{
    int status = 0;
    try {
        const Arguments arguments = ParseArguments(args, AllOptions());
        if (arguments.help) {
            out << kUsage << kHelp;
        } else {
            CheckCombination(arguments);
            if (arguments.Has("--version")) {
                out << "razzlewick " << RAZZLEWICK_VERSION << '\n';
            } else if (!arguments.Has("--print") && !arguments.Has("--list-styles") &&
                       !arguments.Has("--favourites") && !arguments.Has("--keep")) {
                return openWindow(arguments);
            } else {
                status = Answer(arguments, out, err, outColumns);
            }
        }
    } catch (const UsageError& error) {
        out.flush();
        err << "razzlewick: " << error.what() << '\n'
            << kUsage << "\"razzlewick --help\" describes every option.\n";
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
