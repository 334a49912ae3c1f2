#pragma once

#include "generate/InsultComposer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace razzlewick {

class InsultGenerator;

// What to compose: batches of `count` insults each, from the random source seeded once.
struct BatchRequest final {
    int16_t count = 1;
    bool capitalise = true;
    uint32_t seed = 0;
    int64_t batches = 1;
    // The window and `razzlewick --print` avoid recent words; the data tool, unless asked,
    // gives the sequence exactly.
    Repeats repeats = Repeats::Allowed;
};

// Composes the batches in the style of that key (one the engine holds; none else) exactly as
// the window does after seeding with the same number, and hands each, as the engine's
// Windows-1252 text with CR LF line ends, to `write`. The history is left as it was: nothing
// here steps back through them; the recent words are kept, across the batches.
// `razzlewick --print` and `razzlewick-data generate` both print through this, so the same
// seed gives the same insults from either.
void ComposeBatches(InsultGenerator& engine, const std::string& key, const BatchRequest& request,
                    const std::function<void(const std::string& batch)>& write);

enum class LineEnds { Lf, CrLf };

// A batch as a terminal shows it: UTF-8, each line that the composer (or a word) ends in
// CR LF ending in `ends`, and everything else that could act on the terminal, a carriage
// return alone among it, escaped (TerminalText).
std::string BatchForTerminal(std::string_view batch, LineEnds ends);

}  // namespace razzlewick
