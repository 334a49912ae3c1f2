#pragma once

#include <string>

namespace razzlewick {

// One kept insult. Text and style are engine text (Windows-1252), like everything the
// composer makes; only the favourites file itself is UTF-8.
struct Favourite final {
    std::string date;   // the day it was kept, "YYYY-MM-DD"
    std::string style;  // the key of the style it came from
    std::string text;   // the insult, one line

    bool operator==(const Favourite&) const = default;
};

}  // namespace razzlewick
