#pragma once

#include "settings/Favourite.h"

#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

// The favourites file as far as it could be read.
struct FavouritesContents final {
    enum class State { Read, Missing, Unreadable, TooLarge };

    State state = State::Missing;
    std::string path;
    std::vector<Favourite> favourites;  // in the file's order, the oldest kept first
    std::size_t damagedLines = 0;
    // One sentence for a person, naming the file and the first line that could not be read
    // (or why nothing could); empty when everything was read.
    std::string problem;
};

// One favourite chosen among those of a style.
struct FavouritePick final {
    FavouritesContents contents;  // favourites holds the chosen one alone
    std::size_t total = 0;        // how many favourites the file holds
    std::size_t matching = 0;     // how many of them there were to choose from
};

// What a change of the file did.
struct FavouritesChange final {
    std::size_t changed = 0;  // favourites added or removed
    std::string error;        // why nothing was changed, naming the file; empty when done

    bool Succeeded() const { return error.empty(); }
};

// The kept insults, one a line in a plain UTF-8 file (see FavouriteLine.h for a line's form),
// shared by every window and the terminal. Holds nothing but the path: every read sees the
// file as it is now, and every change rereads, changes and replaces it at once under the
// folder's lock, so nothing another writer added meanwhile is lost. A change keeps every line
// it does not add or remove byte for byte: notes, and lines it cannot read, which a person
// may still mend. A file larger than kLargestFile is read as far as that, and never changed.
class FavouritesFile final {
public:
    // A hundred thousand insults with room to spare.
    static constexpr std::size_t kLargestFile = std::size_t{16} << 20;

    explicit FavouritesFile(std::string path);

    // "$XDG_DATA_HOME/razzlewick/favourites.txt" (~/.local/share/...), looked up afresh on
    // every call; empty when no home folder is known.
    static std::string DefaultPath();

    const std::string& Path() const { return path_; }

    FavouritesContents Read() const;
    // The favourites of the style `style` (its key, the case of A to Z aside; every style
    // when empty) and the one of them `choose` picks (given their number, it answers a
    // position). Every line is checked as Read checks it, but only the chosen one is
    // decoded, so that a large file answers at once.
    FavouritePick Pick(std::string_view style,
                       const std::function<std::size_t(std::size_t)>& choose) const;

    // Appends the favourites whose text is not kept yet (each text once), creating the
    // folder and the file as needed.
    FavouritesChange Add(std::span<const Favourite> favourites) const;
    // Removes every line holding one of the texts.
    FavouritesChange Remove(std::span<const std::string> texts) const;

private:
    std::string path_;
};

// The favourites newest first: by date, and those of one day in the reverse of the file's
// order, in which they were kept.
std::vector<Favourite> NewestFirst(std::vector<Favourite> favourites);

}  // namespace razzlewick
