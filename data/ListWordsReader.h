#pragma once

#include <cstdint>

namespace razzlewick {

class Archive;
class LoadObserver;
class MemoryAllowance;
class WordCipher;
class WordList;

// Reads the `count` stored words of one list record, decodes them and adds each to `list`
// unless the list holds it already, in file order. Words are read one by one: room in the
// list follows the words actually added, never the count, so a count the file cannot hold
// costs nothing. A word is cut to kLongestWord characters; a stored word longer than
// kLongestStoredWord bytes is an ArchiveError. When the read breaks off, every word read
// before the error has been added. `observer`, when given, hears of every word as it is added
// (uncut); `allowance`, when given, is charged for every word added.
void ReadListWords(Archive& archive, const WordCipher& cipher, int32_t count, WordList& list,
                   LoadObserver* observer = nullptr, MemoryAllowance* allowance = nullptr);

}  // namespace razzlewick
