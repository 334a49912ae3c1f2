#pragma once

#include "data/InsultStyle.h"

#include <cstdint>
#include <string>

// Composes count insults from the style's template, each followed by ".\r\n", appends the
// batch to the style's history (even when empty) and returns it.
//
// The template's first character is upper-cased (capitalise) or lower-cased (not) in the
// stored template, so the change lasts. Then, per insult, placeholders %0 to %N-1 (N = the
// number of lists) are replaced in ascending order as plain text, each from one draw of the
// random source: "????" for a number without a list, the empty word for an empty list. Later
// placeholders are matched in the text earlier ones inserted; %10 reads as %1 followed by 0.
std::string Compose(InsultStyle& style, int16_t count, bool capitalise);
