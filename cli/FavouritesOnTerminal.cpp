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

// The favourites of the style asked for, in the file's order; nullopt (with the message
// given) when there are none to answer with.
std::optional<std::vector<Favourite>> FavouritesToShow(const FavouritesFile& file,
                                                       const std::string& typedStyle,
                                                       std::ostream& err)
{
    FavouritesContents contents = file.Read();
    const std::string path = TerminalText(file.Path(), Separators::Escape);
    if (contents.state == FavouritesContents::State::Unreadable) {
        err << "razzlewick: " << TerminalText(contents.problem, Separators::Escape) << '\n';
        return std::nullopt;
    }
    if (!contents.problem.empty()) {
        err << "razzlewick: warning: " << TerminalText(contents.problem, Separators::Escape)
            << '\n';
    }
    if (contents.favourites.empty()) {
        err << "razzlewick: no favourites kept yet in " << path
            << "; keep one with Ctrl+K in the window, or with razzlewick --keep\n";
        return std::nullopt;
    }
    if (typedStyle.empty()) {
        return std::move(contents.favourites);
    }
    const Utf8ToWindows1252Result style = Utf8ToWindows1252(typedStyle);
    std::vector<Favourite> matching;
    for (Favourite& favourite : contents.favourites) {
        if (style.ok && platform::EqualsIgnoringAsciiCase(favourite.style, style.text)) {
            matching.push_back(std::move(favourite));
        }
    }
    if (matching.empty()) {
        err << "razzlewick: no favourites of the style \""
            << TerminalText(typedStyle, Separators::Escape) << "\" in " << path << '\n';
        return std::nullopt;
    }
    return matching;
}

}  // namespace

int PrintFavourite(const FavouritesFile& file, const std::string& typedStyle, uint32_t seed,
                   std::ostream& out, std::ostream& err)
{
    const auto favourites = FavouritesToShow(file, typedStyle, err);
    if (!favourites) {
        return 1;
    }
    // Two draws of the program's random source, for a choice among more than 32768.
    const uint32_t first = NextRandomState(seed);
    const uint32_t second = NextRandomState(first);
    const uint32_t drawn = (((first >> 16) & 0x7FFF) << 15) | ((second >> 16) & 0x7FFF);
    const Favourite& chosen = (*favourites)[drawn % favourites->size()];
    out << TerminalTextFrom1252(chosen.text, Separators::Escape) << '\n';
    return 0;
}

int ListFavourites(const FavouritesFile& file, const std::string& typedStyle,
                   std::optional<long long> count, bool verbose, std::ostream& out,
                   std::ostream& err)
{
    auto favourites = FavouritesToShow(file, typedStyle, err);
    if (!favourites) {
        return 1;
    }
    std::vector<Favourite> newest = NewestFirst(std::move(*favourites));
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
