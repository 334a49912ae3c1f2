#include "data/InsultStyle.h"

#include "data/Archive.h"
#include "data/WordCipher.h"

#include <algorithm>
#include <utility>

namespace {

// Every stored word takes at least its length byte and one byte of text.
constexpr uint64_t kSmallestStoredWord = 2;

// The words of one list record, added unless the list holds them already. A list still
// empty is sized once from the declared count, bounded by what the rest of the file can
// hold, so a count that lies reserves nothing the file does not back.
void ReadWords(Archive& archive, const WordCipher& cipher, int32_t count, WordList& list)
{
    if (count <= 0) {
        return;
    }
    if (list.empty()) {
        list.Reserve(static_cast<size_t>(std::min<uint64_t>(
            static_cast<uint64_t>(count), archive.KnownBytesLeft() / kSmallestStoredWord)));
    }
    std::string word;  // one buffer for every word of the list
    for (int32_t w = 0; w < count; ++w) {
        cipher.DecodeInto(archive.ReadStringView(), word);
        list.AddUnique(word);
    }
}

}  // namespace

InsultStyle::InsultStyle(std::string name) : name(std::move(name)) {}

void InsultStyle::Serialize(Archive& archive)
{
    const WordCipher cipher;
    if (archive.IsLoading()) {
        name = archive.ReadString();
        templateText = archive.ReadString();
        const int32_t listCount = archive.ReadInt32();
        for (int32_t i = 0; i < listCount; ++i) {
            const int32_t number = archive.ReadInt32();
            const int32_t wordCount = archive.ReadInt32();
            auto& list = wordLists[number];
            if (!list) {
                list = std::make_unique<WordList>();
            }
            ReadWords(archive, cipher, wordCount, *list);
        }
    } else {
        archive.WriteString(name);
        archive.WriteString(templateText);
        archive.WriteInt32(static_cast<int32_t>(wordLists.size()));
        for (const auto& [number, list] : wordLists) {
            archive.WriteInt32(number);
            archive.WriteInt32(static_cast<int32_t>(list->size()));
            for (const std::string& word : list->Words()) {
                archive.WriteString(cipher.Encode(word));
            }
        }
    }
    ComputeCombinations();
}

void InsultStyle::ComputeCombinations()
{
    // Unsigned arithmetic gives the two's complement wrap without undefined behaviour.
    uint64_t product = 1;
    for (const auto& entry : wordLists) {
        const size_t size = entry.second->size();
        product *= size == 0 ? 1 : static_cast<uint64_t>(size);
    }
    combinationCount = static_cast<int64_t>(product - 1);
}

void InsultStyle::Clear()
{
    wordLists.clear();
    history.clear();
}
