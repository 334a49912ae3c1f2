#include "cli/FavouritesOnTerminal.h"

#include "cli/TerminalText.h"
#include "data/Windows1252.h"
#include "generate/RandomSource.h"
#include "platform/AsciiCase.h"
#include "platform/LocalDate.h"
#include "settings/FavouritesFile.h"

#include <vector>

namespace razzlewick {

namespace {

// Says what is wrong with the file, if anything; false when there is nothing to answer with:
// the file could not be read, or holds no favourites.
bool ReportFile(const FavouritesContents& contents, std::size_t total, std::ostream& err)
{
    if (contents.state == FavouritesContents::State::Unreadable) {
        err << "razzlewick: " << TerminalText(contents.problem, Separators::Escape) << '\n';
        return false;
    }
    if (!contents.problem.empty()) {
        err << "razzlewick: warning: " << TerminalText(contents.problem, Separators::Escape)
            << '\n';
    }
    if (total == 0) {
        err << "razzlewick: no favourites kept yet in "
            << TerminalText(contents.path, Separators::Escape)
            << "; keep one with Ctrl+K in the window, or with razzlewick --keep\n";
        return false;
    }
    return true;
}

void ReportNoneOfStyle(const std::string& path, const std::string& typedStyle, std::ostream& err)
{
    err << "razzlewick: no favourites of the style \""
        << TerminalText(typedStyle, Separators::Escape) << "\" in "
        << TerminalText(path, Separators::Escape) << '\n';
}

// The typed style as the file's styles are compared with it; none when it has no
// Windows-1252 form, and so matches no style.
std::optional<std::string> TypedStyle(const std::string& typedStyle)
{
    Utf8ToWindows1252Result style = Utf8ToWindows1252(typedStyle);
    return style.ok ? std::optional(std::move(style.text)) : std::nullopt;
}

}  // namespace

int PrintFavourite(const FavouritesFile& file, const std::string& typedStyle, uint32_t seed,
                   std::ostream& out, std::ostream& err)
{
    const std::optional<std::string> style = TypedStyle(typedStyle);
    const FavouritePick pick =
        file.Pick(style.value_or(std::string(1, '\0')), [seed](std::size_t count) {
            // Two draws of the program's random source, for a choice among more than 32768.
            const uint32_t first = NextRandomState(seed);
            const uint32_t second = NextRandomState(first);
            const uint32_t drawn = (((first >> 16) & 0x7FFF) << 15) | ((second >> 16) & 0x7FFF);
            return drawn % count;
        });
    if (!ReportFile(pick.contents, pick.total, err)) {
        return 1;
    }
    if (pick.contents.favourites.empty()) {
        ReportNoneOfStyle(file.Path(), typedStyle, err);
        return 1;
    }
    out << TerminalTextFrom1252(pick.contents.favourites.front().text, Separators::Escape) << '\n';
    return 0;
}

int ListFavourites(const FavouritesFile& file, const std::string& typedStyle,
                   std::optional<long long> count, bool verbose, std::ostream& out,
                   std::ostream& err)
{
    FavouritesContents contents = file.Read();
    if (!ReportFile(contents, contents.favourites.size(), err)) {
        return 1;
    }
    std::vector<Favourite> favourites;
    const std::optional<std::string> style = TypedStyle(typedStyle);
    for (Favourite& favourite : contents.favourites) {
        if (typedStyle.empty() ||
            (style && platform::EqualsIgnoringAsciiCase(favourite.style, *style))) {
            favourites.push_back(std::move(favourite));
        }
    }
    if (favourites.empty()) {
        ReportNoneOfStyle(file.Path(), typedStyle, err);
        return 1;
    }
    std::vector<Favourite> newest = NewestFirst(std::move(favourites));
    if (count && static_cast<unsigned long long>(*count) < newest.size()) {
        newest.resize(static_cast<size_t>(*count));
    }
    for (const Favourite& favourite : newest) {
        if (verbose) {
            out << favourite.date << '\t'
                << TerminalTextFrom1252(favourite.style, Separators::Escape) << '\t';
        }
        out << TerminalTextFrom1252(favourite.text, Separators::Escape) << '\n';
    }
    return 0;
}

int KeepFavourite(const FavouritesFile& file, const std::string& utf8Text,
                  const std::string& styleKey, std::ostream& err)
{
    const Utf8ToWindows1252Result text = Utf8ToWindows1252(utf8Text);
    if (!text.ok) {
        err << "razzlewick: the insult to keep is not UTF-8, or holds a character Razzlewick's "
               "insults cannot hold (at byte "
            << text.errorOffset + 1 << ")\n";
        return 2;
    }
    if (text.text.find_first_not_of(" \t") == std::string::npos) {
        err << "razzlewick: --keep needs an insult, not an empty text\n";
        return 2;
    }
    const Favourite favourite{platform::LocalDate(), styleKey, text.text};
    const FavouritesChange change = file.Add(std::span(&favourite, 1));
    if (!change.Succeeded()) {
        err << "razzlewick: nothing kept: " << TerminalText(change.error, Separators::Escape)
            << '\n';
        return 1;
    }
    return 0;
}

}  // namespace razzlewick
