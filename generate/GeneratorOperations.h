#pragma once

#include "data/InsultGenerator.h"
#include "generate/InsultComposer.h"

#include <cstdint>
#include <string>

namespace razzlewick {

// The engine's side of composing and the history: each forwards to the current style. With
// no style current the text operations return "" and the numeric ones 0, and nothing changes.

std::string Generate(InsultGenerator& generator, int16_t count, bool capitalise,
                     Repeats repeats = Repeats::Allowed);
int64_t CombinationCount(const InsultGenerator& generator);

std::string StepBack(InsultGenerator& generator);
std::string StepForward(InsultGenerator& generator);
std::string CurrentText(const InsultGenerator& generator);
int32_t HistoryState(const InsultGenerator& generator);
int32_t HistorySize(const InsultGenerator& generator);

}  // namespace razzlewick
