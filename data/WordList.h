#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

// The words of one list in the order they were first added, unique without regard to the
// case of A-Z. A hash index over the case-folded words keeps Find and AddUnique from
// scanning the list, which matters for lists of a million words.
class WordList final {
public:
    size_t size() const { return words_.size(); }
    bool empty() const { return words_.empty(); }
    const std::string& operator[](size_t index) const { return words_[index]; }
    const std::vector<std::string>& Words() const { return words_; }

    // Index of the word equal to `word` when A-Z are folded to a-z, or -1.
    int32_t Find(std::string_view word) const;
    // Index of an existing equal word (which stays as first added), else appends `word`
    // and returns its index.
    int32_t AddUnique(std::string_view word);
    // AddUnique with the hash of `word` already taken by FoldedHash.
    int32_t AddUnique(std::string_view word, uint64_t hash);
    // Hash of `word` with A-Z folded to a-z.
    static uint64_t FoldedHash(std::string_view word);
    // A hint only: starts fetching the part of the index that a word of this hash will probe,
    // so a reader that hashes a few words ahead does not wait for memory on each.
    void PrefetchSlot(uint64_t hash) const;
    // Room for `count` words in all, so that adding up to that many moves nothing: both the
    // words and the index are sized once.
    void Reserve(size_t count);

private:
    // The slot a 32-bit tag starts its search at: the tag scaled to the table's size.
    size_t HomeSlot(uint64_t tag) const;
    // Slot holding `word`'s index, or the empty slot where it would go.
    size_t Probe(std::string_view word, uint64_t hash) const;
    // Moves every entry into a table of `slotCount` slots.
    void Rehash(size_t slotCount);
    // True when the index is too full to hold `count` words.
    bool NeedsRoom(size_t count) const;

    std::vector<std::string> words_;
    // Open addressing: each slot is (upper 32 bits of the hash << 32) | (index + 1), 0 = empty;
    // those hash bits also choose the slot, so rehashing never touches the words.
    std::vector<uint64_t> slots_;
};

// A style's word lists by list number.
using NumberedWordLists = std::map<int32_t, WordList>;

}  // namespace razzlewick
