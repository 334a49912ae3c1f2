#pragma once

#include "cli/ComposeBatch.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

namespace razzlewick {

class InsultGenerator;

// How many times one insult is drawn again before the style is taken to have none that fits:
// enough that a limit most of a style's insults miss still finds one, and a limit none meets
// still answers at once.
inline constexpr int kMostDrawsPerInsult = 2000;

struct FittingOutcome final {
    int16_t written = 0;  // insults that fit, handed to `write`
    // When fewer than asked: the shortest insult drawn for the one that did not fit, in
    // characters with its full stop.
    std::size_t shortestDrawn = 0;
};

// Composes the insults of `request` (one batch; the count, capitalisation, seed and repeats
// as asked) as ComposeBatches does, but one at a time, drawing each again from the same
// random source while it is longer than `longest` characters with its full stop: a seed
// still gives the same insults. Each that fits goes to `write` as a line of the engine's
// Windows-1252 text ending in CR LF. Stops at the first insult that kMostDrawsPerInsult draws
// could not fit.
FittingOutcome ComposeFitting(InsultGenerator& engine, const std::string& key,
                              const BatchRequest& request, std::size_t longest,
                              const std::function<void(const std::string& line)>& write);

}  // namespace razzlewick
