#pragma once

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
};

std::vector<ExpansionFinding> ExpansionFindings(const InsultStyle& style);

}  // namespace razzlewick
