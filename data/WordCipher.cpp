#include "data/WordCipher.h"

#include <utility>

namespace razzlewick {

namespace {

constexpr char kEscape = static_cast<char>(0xAD);
constexpr char kEscapedZero = 0x10;
constexpr char kEscapedEscape = 0x11;

}  // namespace

WordCipher::WordCipher(std::string key) : key_(std::move(key)) {}

void WordCipher::ApplyKey(char* bytes, size_t n) const
{
    if (key_.empty()) {
        return;
    }
    const size_t keyLength = key_.size();
    size_t k = 0;
    for (size_t i = 0; i < n; ++i) {
        bytes[i] = static_cast<char>(bytes[i] ^ key_[k]);
        if (++k == keyLength) {
            k = 0;
        }
    }
}

std::string WordCipher::Encode(std::string_view plain) const
{
    // The terminating zero is scrambled too, so the stored form carries its own end mark.
    std::string scrambled(plain);
    scrambled.push_back('\0');
    ApplyKey(scrambled.data(), scrambled.size());
    std::string stored;
    stored.reserve(scrambled.size() + 4);
    for (const char byte : scrambled) {
        if (byte == '\0') {
            stored.push_back(kEscape);
            stored.push_back(kEscapedZero);
        } else if (byte == kEscape) {
            stored.push_back(kEscape);
            stored.push_back(kEscapedEscape);
        } else {
            stored.push_back(byte);
        }
    }
    return stored;
}

std::string WordCipher::Decode(std::string_view stored) const
{
    std::string word;
    DecodeInto(stored, word);
    return word;
}

void WordCipher::DecodeInto(std::string_view stored, std::string& word) const
{
    // Unescape and unscramble in one pass, stopping at the unscrambled terminator. A plain
    // word is never longer than its stored form, so the bytes go straight into `word`.
    word.resize(stored.size());
    char* const out = word.data();
    size_t length = 0;
    const size_t keyLength = key_.size();
    size_t k = 0;
    for (size_t i = 0; i < stored.size(); ++i) {
        char byte = stored[i];
        if (byte == '\0') {
            break;  // the stored form is the bytes before a zero
        }
        bool last = false;
        if (byte == kEscape) {
            // An escape takes the byte after it. Where the stored form ends right behind the
            // escape (at its end or at a zero), it takes the zero that ends it, as its last byte.
            const char next = i + 1 < stored.size() ? stored[i + 1] : '\0';
            if (next == '\0') {
                last = true;
            } else {
                ++i;
            }
            byte = next == kEscapedZero ? '\0' : next == kEscapedEscape ? kEscape : next;
        }
        if (keyLength != 0) {
            byte = static_cast<char>(byte ^ key_[k]);
            if (++k == keyLength) {
                k = 0;
            }
        }
        if (byte == '\0') {
            break;
        }
        out[length++] = byte;
        if (last) {
            break;
        }
    }
    // A stored form without the scrambled terminator yields all its bytes.
    word.resize(length);
}

}  // namespace razzlewick
