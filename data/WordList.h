#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

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
    int32_t AddUnique(std::string word);

private:
    static uint64_t FoldedHash(std::string_view word);
    static bool FoldedEqual(std::string_view a, std::string_view b);
    // Slot holding `word`'s index, or the empty slot where it would go.
    size_t Probe(std::string_view word, uint64_t hash) const;
    void Grow();

    std::vector<std::string> words_;
    // Open addressing: each slot is (upper 32 bits of the hash << 32) | (index + 1), 0 = empty;
    // those hash bits also choose the slot, so growing needs no rehash.
    std::vector<uint64_t> slots_;
};
