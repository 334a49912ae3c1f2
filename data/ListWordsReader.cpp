#include "data/ListWordsReader.h"

#include "data/Archive.h"
#include "data/LoadObserver.h"
#include "data/WordCipher.h"
#include "data/WordList.h"

#include <algorithm>
#include <array>
#include <string>

namespace razzlewick {

namespace {

// Every stored word takes at least its length byte and one byte of text.
constexpr uint64_t kSmallestStoredWord = 2;

// Words are decoded and hashed this far ahead of being added, so the index slots they
// will probe are already on their way from memory: in a list of a million words nearly
// every probe would otherwise miss the cache.
constexpr int32_t kLookahead = 8;

}  // namespace

void ReadListWords(Archive& archive, const WordCipher& cipher, int32_t count, WordList& list,
                   LoadObserver* observer)
{
    if (count <= 0) {
        return;
    }
    if (list.empty()) {
        list.Reserve(static_cast<size_t>(std::min<uint64_t>(
            static_cast<uint64_t>(count), archive.KnownBytesLeft() / kSmallestStoredWord)));
    }
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
        if (observer == nullptr) {
            list.AddUnique(words[at], hashes[at]);
            return;
        }
        const size_t before = list.size();
        const auto index = static_cast<size_t>(list.AddUnique(words[at], hashes[at]));
        const bool droppedInRecord = list.size() == before && index >= recordStart;
        observer->WordRead(words[at], droppedInRecord ? &list[index] : nullptr);
    };
    try {
        while (added < count) {
            while (decoded < count && decoded - added < kLookahead) {
                const size_t at = static_cast<size_t>(decoded % kLookahead);
                cipher.DecodeInto(archive.ReadStringView(), words[at]);
                hashes[at] = WordList::FoldedHash(words[at]);
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
