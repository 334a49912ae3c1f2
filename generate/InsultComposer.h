#pragma once

#include "data/InsultStyle.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace razzlewick {

// The most text one batch may hold. Words that name further placeholders can multiply an
// insult at every step, so a data file alone could otherwise ask for more memory than exists.
inline constexpr size_t kBatchTextLimit = size_t{16} << 20;

// Composes count insults from the style's template, each followed by ".\r\n", appends the
// batch to the style's history (even when empty) and returns it.
//
// The template's first character is upper-cased (capitalise) or lower-cased (not) in the
// stored template, so the change lasts. Then, per insult, placeholders %0 to %N-1 (N = the
// number of lists) are replaced in ascending order as plain text, each from one draw of the
// random source: "????" for a number without a list, the empty word for an empty list. Later
// placeholders are matched in the text earlier ones inserted; %10 reads as %1 followed by 0.
// A batch ends early, with the whole insults composed so far, at the insult that would take
// it past kBatchTextLimit.
std::string Compose(InsultStyle& style, int16_t count, bool capitalise);

}  // namespace razzlewick
