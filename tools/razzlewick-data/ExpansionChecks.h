#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace razzlewick {

class InsultStyle;

// How far a style's insults can grow where words bring in placeholders. A word whose
// placeholder brings in a list whose own words bring in more is a chain (one level, a
// "shape" word of list 0 filled from plain lists, is not); and a style whose longest insult
// passes the bound at which the composer stops it composes cut-off insults. Each finding
// names the lists; the caller puts the file and the style in front of its place.
struct ExpansionFinding final {
    std::string place;  // ", list 0, word "..."", or empty for the style as a whole
    std::string what;
    int32_t list = -1;  // the list the place names, or -1
};

std::vector<ExpansionFinding> ExpansionFindings(const InsultStyle& style);

// The numbers of the lists below the list count whose words never show: neither the template
// nor a word of a list it reaches (the closure of shapes) holds their placeholder.
std::vector<size_t> ListsNotReached(const InsultStyle& style);

}  // namespace razzlewick
