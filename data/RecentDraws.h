#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace razzlewick {

// Which words a style's recent insults took from each of its lists, so that composing can keep
// a word from coming back soon. A word stays recent for the style's next kRecentInsults
// insults, yet never is more than half of a list recent at once, so some word is always free.
// Kept with the style for the whole run, like its history; the composer decides what to do
// with it.
class RecentDraws final {
public:
    static constexpr size_t kRecentInsults = 50;

    // Whether word `word` of list `list`, which holds `size` words, is recent.
    bool Holds(size_t list, size_t word, size_t size) const;
    // Notes that the insult being composed took word `word` from list `list`.
    void Note(size_t list, size_t word, size_t size);
    // The insult being composed is finished: what it took starts to age.
    void EndInsult() { ++insult_; }
    void Clear() { lists_.clear(); }

private:
    struct Draw final {
        uint64_t insult;
        size_t word;
    };

    // How many of a list's newest draws can be recent: half of a short list.
    static size_t Limit(size_t size) { return std::min(kRecentInsults, size / 2); }

    // By list number, oldest first; a list takes one word an insult, so kRecentInsults hold
    // them all.
    std::vector<std::vector<Draw>> lists_;
    uint64_t insult_ = 0;  // the number of the insult being composed
};

}  // namespace razzlewick
