#pragma once

#include "tools/razzlewick-data/JsonSource.h"

#include <cstddef>
#include <string_view>
#include <vector>

namespace razzlewick {

// Where the parts of a source stand in its text, so that a message can name the line and
// column an editor shows. The JSON library keeps no places, so the text is read once more
// as the parser reads it, noting where each part the source format knows begins.

struct ListPlaces {
    SourcePlace object;
    std::vector<SourcePlace> words;
};

struct StylePlaces {
    SourcePlace object;
    SourcePlace key;
    SourcePlace name;
    SourcePlace templateText;
    std::vector<ListPlaces> lists;
};

// Indexed like the parsed document: styles[i].lists[j].words[k], the place of a string being
// its opening quote. A member named twice counts where it was named last, as the parser keeps
// the last. Parts that are not where the format has them are left out.
std::vector<StylePlaces> FindSourcePlaces(std::string_view text);

// The place of the character at `decodedOffset` bytes into the value of the string whose
// opening quote is at `string`: escapes count as the characters they stand for.
SourcePlace CharacterPlace(std::string_view text, const SourcePlace& string,
                           std::size_t decodedOffset);

}  // namespace razzlewick
