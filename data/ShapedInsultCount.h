#pragma once

#include "data/WordList.h"

#include <cstdint>
#include <optional>
#include <string_view>

namespace razzlewick {

// How many different insults a style can make whose words carry placeholders (the shapes of
// a list 0 that bring in the lists after it): the choices of a word for each placeholder that
// shows in an insult, as the composer fills them in, a word multiplying by the choices it
// opens. Lists no text reaches do not count, and all occurrences of one placeholder take one
// word. Saturates at INT64_MAX. None for a style whose words carry no placeholder, or where
// counting would take more work than the size of the style's words justifies (placeholders
// that multiply at every step): the product of the list sizes stands for those.
std::optional<int64_t> CountShapedInsults(std::string_view templateText,
                                          const NumberedWordLists& lists);

}  // namespace razzlewick
