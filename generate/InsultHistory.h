#pragma once

#include "data/InsultStyle.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace razzlewick {

// Each style's record of the batches it composed, walked with the Undo and Redo arrows.
// Entries are appended; a step past either end parks the position at -1 or size. A style
// keeps at most kHistoryEntryLimit entries and kHistoryTextLimit bytes of them, dropping
// the oldest, so a long session at large counts does not grow without end.

inline constexpr int32_t kHistoryBackImpossible = 1;
inline constexpr int32_t kHistoryForwardImpossible = 2;

inline constexpr size_t kHistoryEntryLimit = 1000;
inline constexpr size_t kHistoryTextLimit = size_t{16} << 20;

// Adds text as the last entry, whatever the position, and shows it; then drops the oldest
// entries while the history is over either limit, though never the new one.
void AppendHistory(InsultStyle& style, std::string text);

// One entry back, or "(At limit)" with the position at -1.
std::string StepBack(InsultStyle& style);
// One entry forward, or "(At limit)" with the position at size.
std::string StepForward(InsultStyle& style);
// The entry at the position, or "(List empty)" when the position holds none.
std::string CurrentText(const InsultStyle& style);
// kHistoryBackImpossible and kHistoryForwardImpossible, or-ed together.
int32_t HistoryState(const InsultStyle& style);
int32_t HistorySize(const InsultStyle& style);

}  // namespace razzlewick
