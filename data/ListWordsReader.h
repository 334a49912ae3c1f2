#pragma once

#include <cstdint>

namespace razzlewick {

class Archive;
class LoadObserver;
class WordCipher;
class WordList;

// Reads the `count` stored words of one list record, decodes them and adds each to `list`
// unless the list holds it already, in file order. A count that the rest of a regular file
// cannot hold is an ArchiveError before any word is read; room in the list follows the words
// actually added, never the count alone. When the read breaks off, every word read before
// the error has been added. `observer`, when given, hears of every word as it is added.
void ReadListWords(Archive& archive, const WordCipher& cipher, int32_t count, WordList& list,
                   LoadObserver* observer = nullptr);

}  // namespace razzlewick
