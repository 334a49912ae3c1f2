#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>

namespace razzlewick {

class FavouritesFile;

// The favourites on the terminal: printed, listed and kept from a script. Each returns the
// exit status: 0 done; 1 nothing to print, or the file could not be read or changed; 2 an
// insult the program's text cannot hold. A damaged file gives its good lines and one warning.

// One favourite at random, of the style `typedStyle` names (any case) when it is not empty.
int PrintFavourite(const FavouritesFile& file, const std::string& typedStyle, uint32_t seed,
                   std::ostream& out, std::ostream& err);

// The favourites newest first, the newest `count` when given, one a line; with `verbose`
// the date, style and insult, tab-separated.
int ListFavourites(const FavouritesFile& file, const std::string& typedStyle,
                   std::optional<long long> count, bool verbose, std::ostream& out,
                   std::ostream& err);

// Keeps `utf8Text` as a favourite of the style `styleKey` (engine text), dated today.
int KeepFavourite(const FavouritesFile& file, const std::string& utf8Text,
                  const std::string& styleKey, std::ostream& err);

}  // namespace razzlewick
