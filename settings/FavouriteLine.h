#pragma once

#include "settings/Favourite.h"

#include <optional>
#include <string>
#include <string_view>

namespace razzlewick {

// One line of the favourites file, made to be read and edited by a person:
//   2026-12-08 [Shakespearean] Thou art a whoreson, beetle-headed flap-ear!
// A backslash, a tab, a line break or another control character in the style or the text is
// written as an escape (\\ \t \n \r \xNN), and a ']' in the style as \], so every insult
// stays on its one line. A backslash before anything else is read as itself, so a hand-typed
// one rarely matters. Blank lines and lines beginning with '#' are notes.

// The line for `favourite`, UTF-8, without its line end.
std::string FormatFavouriteLine(const Favourite& favourite);

enum class FavouriteLineKind { Favourite, Note, Damaged };

struct ParsedFavouriteLine final {
    FavouriteLineKind kind = FavouriteLineKind::Note;
    Favourite favourite;  // when kind is Favourite
    std::string problem;  // when kind is Damaged: what is wrong, for a person
};

// Reads one line (its line end, LF or CR LF, already cut off).
ParsedFavouriteLine ParseFavouriteLine(std::string_view line);

// The style of a well-formed line in plain ASCII without an escape, as most are, found
// without decoding the line; none for any other line, which ParseFavouriteLine reads. For
// going through a large file quickly: the style is the same in both encodings then.
std::optional<std::string_view> PlainFavouriteStyle(std::string_view line);

// Whether `date` has the form the file gives dates, "YYYY-MM-DD" with a real month and day.
bool IsFavouriteDate(std::string_view date);

}  // namespace razzlewick
