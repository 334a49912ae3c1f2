#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace razzlewick {

inline constexpr int32_t kHistoryBackImpossible = 1;
inline constexpr int32_t kHistoryForwardImpossible = 2;

inline constexpr size_t kHistoryEntryLimit = 1000;
inline constexpr size_t kHistoryTextLimit = size_t{16} << 20;

// Each style's record of the batches it composed, walked with the Undo and Redo arrows.
// Entries are appended; a step past either end parks the position at -1 or size, so the
// position is always one of -1 to size. At most kHistoryEntryLimit entries and
// kHistoryTextLimit bytes of them are kept, the oldest dropped first, so a long session at
// large counts does not grow without end. The composer appends; the window steps.
class InsultHistory final {
public:
    // Adds text as the last entry, whatever the position, and shows it; then drops the oldest
    // entries while the history is over either limit, though never the new one.
    void Append(std::string text);
    // One entry back, or "(At limit)" with the position at -1.
    std::string StepBack();
    // One entry forward, or "(At limit)" with the position at size.
    std::string StepForward();
    // The entry at the position, or "(List empty)" when the position holds none.
    std::string CurrentText() const;
    // kHistoryBackImpossible and kHistoryForwardImpossible, or-ed together.
    int32_t HistoryState() const;
    int32_t HistorySize() const { return static_cast<int32_t>(entries_.size()); }
    // The entry on show, or -1 or size after a step past an end; 0 while empty.
    int32_t Position() const { return position_; }
    const std::vector<std::string>& Entries() const { return entries_; }
    // Empties the history, back to where a new style starts.
    void Clear();

private:
    std::vector<std::string> entries_;
    size_t bytes_ = 0;  // of all entries
    int32_t position_ = 0;
};

}  // namespace razzlewick
