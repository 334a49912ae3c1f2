#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace razzlewick {

// The fixed key that scrambles the words of every data file. It is never stored in them.
inline constexpr std::string_view kWordKey = "w3=hq57t&zlnb";

// Scrambles words for storage: XOR with the repeating key, then 0x00 and 0xAD escaped
// as 0xAD 0x10 and 0xAD 0x11, so a stored word never holds a zero byte.
class WordCipher final {
public:
    explicit WordCipher(std::string key = std::string(kWordKey));

    // XOR of byte k with key[k mod key length]; applying it twice restores the bytes.
    void ApplyKey(char* bytes, size_t n) const;
    std::string Encode(std::string_view plain) const;
    // Never fails: a word scrambled with another key decodes to garbled text. Only the bytes
    // before a zero in `stored` are the stored form, even where an escape precedes the zero.
    std::string Decode(std::string_view stored) const;
    // As Decode, into `word` (its old contents replaced), reusing the string's capacity.
    void DecodeInto(std::string_view stored, std::string& word) const;

private:
    std::string key_;
};

}  // namespace razzlewick
