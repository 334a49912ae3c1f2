#pragma once

#include <cstddef>
#include <string>
#include <vector>

// A widely copied table of period insults, three columns of fifty words (adjectives,
// compounds, nouns) that anyone can combine. A list built from it reads as borrowed, so the
// vocabulary tests limit how many of its words one list keeps and whether they keep its order.

// The words of `words` that the table holds, in the order `words` gives them, spelt as the
// table spells them: case, hyphens and old spellings ("clotpoll", "jolthead") aside.
std::vector<std::string> KitWordsIn(const std::vector<std::string>& words);

// The most kit words in a row (as KitWordsIn gives them) that follow the table's own order,
// each later in the same column than the one before.
size_t LongestRunInKitOrder(const std::vector<std::string>& kitWords);
