#include "data/WordList.h"

#include "platform/AsciiCase.h"

#include <utility>

namespace razzlewick {

namespace {

constexpr uint64_t kIndexMask = 0xFFFFFFFFu;

}  // namespace

uint64_t WordList::FoldedHash(std::string_view word)
{
    // FNV-1a over the folded bytes, then a finaliser so both halves are well mixed.
    uint64_t hash = 0xCBF29CE484222325ull;
    for (const char c : word) {
        hash ^= static_cast<unsigned char>(platform::FoldAsciiCase(c));
        hash *= 0x100000001B3ull;
    }
    hash ^= hash >> 33;
    hash *= 0xFF51AFD7ED558CCDull;
    hash ^= hash >> 33;
    return hash;
}

size_t WordList::HomeSlot(uint64_t tag) const
{
    // Any table size works, so a reserved table need not round up to a power of two.
    return static_cast<size_t>((tag * slots_.size()) >> 32);
}

size_t WordList::Probe(std::string_view word, uint64_t hash) const
{
    const size_t slotCount = slots_.size();
    const uint64_t tag = hash >> 32;
    for (size_t slot = HomeSlot(tag);;) {
        const uint64_t entry = slots_[slot];
        if (entry == 0) {
            return slot;
        }
        if ((entry >> 32) == tag &&
            platform::EqualsIgnoringAsciiCase(words_[(entry & kIndexMask) - 1], word)) {
            return slot;
        }
        if (++slot == slotCount) {
            slot = 0;
        }
    }
}

void WordList::Rehash(size_t slotCount)
{
    std::vector<uint64_t> old = std::move(slots_);
    slots_.assign(slotCount, 0);
    for (const uint64_t entry : old) {
        if (entry == 0) {
            continue;
        }
        size_t slot = HomeSlot(entry >> 32);
        while (slots_[slot] != 0) {
            if (++slot == slotCount) {
                slot = 0;
            }
        }
        slots_[slot] = entry;
    }
}

bool WordList::NeedsRoom(size_t count) const
{
    return count * 4 > slots_.size() * 3;
}

void WordList::Reserve(size_t count)
{
    words_.reserve(count);
    if (NeedsRoom(count)) {
        // Two thirds full at the reserved size: short probe runs without a doubled table.
        Rehash(count + count / 2 + 1);
    }
}

int32_t WordList::Find(std::string_view word) const
{
    if (slots_.empty()) {
        return -1;
    }
    const uint64_t entry = slots_[Probe(word, FoldedHash(word))];
    return entry == 0 ? -1 : static_cast<int32_t>((entry & kIndexMask) - 1);
}

void WordList::PrefetchSlot(uint64_t hash) const
{
#if defined(__GNUC__) || defined(__clang__)
    if (!slots_.empty()) {
        __builtin_prefetch(&slots_[HomeSlot(hash >> 32)]);
    }
#else
    static_cast<void>(hash);
#endif
}

int32_t WordList::AddUnique(std::string_view word)
{
    return AddUnique(word, FoldedHash(word));
}

int32_t WordList::AddUnique(std::string_view word, uint64_t hash)
{
    // At most three quarters full: probe runs stay short and mostly within one cache line.
    if (NeedsRoom(words_.size() + 1)) {
        Rehash(slots_.empty() ? 16 : slots_.size() * 2);
    }
    const size_t slot = Probe(word, hash);
    if (slots_[slot] != 0) {
        return static_cast<int32_t>((slots_[slot] & kIndexMask) - 1);
    }
    const auto index = static_cast<int32_t>(words_.size());
    words_.emplace_back(word);
    slots_[slot] = ((hash >> 32) << 32) | (static_cast<uint64_t>(index) + 1);
    return index;
}

}  // namespace razzlewick
