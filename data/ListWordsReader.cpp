#include "data/ListWordsReader.h"

#include "data/Archive.h"
#include "data/DataLimits.h"
#include "data/LoadObserver.h"
#include "data/MemoryAllowance.h"
#include "data/WordCipher.h"
#include "data/WordList.h"

#include <algorithm>
#include <array>
#include <string>

namespace razzlewick {

namespace {

// A list that starts empty makes room for this many words first, then each time it fills
// for twice what it holds, up to the declared count: memory follows the words actually
// added, never a count the file only declares nor the bytes a sparse file seems to hold,
// and is never more than twice what the words need.
constexpr size_t kFirstRoom = 16;

// Words are decoded and hashed this far ahead of being added, so the index slots they
// will probe are already on their way from memory: in a list of a million words nearly
// every probe would otherwise miss the cache.
constexpr int32_t kLookahead = 8;

}  // namespace

void ReadListWords(Archive& archive, const WordCipher& cipher, int32_t count, WordList& list,
                   LoadObserver* observer, MemoryAllowance* allowance)
{
    if (count <= 0) {
        return;
    }
    // A list that already holds words (a merge) grows on its own as words are added.
    const auto declared = static_cast<size_t>(count);
    const bool sized = list.empty();
    size_t room = 0;
    // A ring of decoded words waiting to be added; the strings keep their capacity.
    std::array<std::string, kLookahead> words;
    std::array<uint64_t, kLookahead> hashes{};
    int32_t decoded = 0;
    int32_t added = 0;
    // Words found at or after this index came from this record, not from an earlier one.
    const size_t recordStart = list.size();
    const auto addNext = [&] {
        const size_t at = static_cast<size_t>(added % kLookahead);
        ++added;
        if (sized && list.size() == room && room < declared) {
            const size_t larger = std::min(declared, std::max(kFirstRoom, 2 * room));
            if (allowance != nullptr) {
                allowance->Charge((larger - room) * MemoryAllowance::kWordCost,
                                  archive.BytesRead());
            }
            room = larger;
            list.Reserve(room);
        }
        const std::string_view word = std::string_view(words[at]).substr(0, kLongestWord);
        const size_t before = list.size();
        const auto index = static_cast<size_t>(list.AddUnique(word, hashes[at]));
        const bool isNew = list.size() != before;
        if (isNew && allowance != nullptr) {
            // The room reserved for a list read from empty is charged as it is reserved.
            allowance->Charge(word.size() + (sized ? 0 : MemoryAllowance::kWordCost),
                              archive.BytesRead());
        }
        if (observer != nullptr) {
            const bool droppedInRecord = !isNew && index >= recordStart;
            observer->WordRead(words[at], droppedInRecord ? &list[index] : nullptr);
        }
    };
    try {
        while (added < count) {
            while (decoded < count && decoded - added < kLookahead) {
                const size_t at = static_cast<size_t>(decoded % kLookahead);
                cipher.DecodeInto(archive.ReadStringView(kLongestStoredWord), words[at]);
                hashes[at] =
                    WordList::FoldedHash(std::string_view(words[at]).substr(0, kLongestWord));
                list.PrefetchSlot(hashes[at]);
                ++decoded;
            }
            addNext();
        }
    } catch (...) {
        // The words read before the error stay in the list, as without the lookahead.
        while (added < decoded) {
            addNext();
        }
        throw;
    }
}

}  // namespace razzlewick
