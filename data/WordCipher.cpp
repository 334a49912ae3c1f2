#include "data/WordCipher.h"

#include <utility>

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
    // Unescape and unscramble in one pass, stopping at the unscrambled terminator.
    std::string word;
    word.reserve(stored.size());
    const size_t keyLength = key_.size();
    size_t k = 0;
    for (size_t i = 0; i < stored.size(); ++i) {
        char byte = stored[i];
        if (byte == '\0') {
            break;  // only the bytes before a zero in the stored string count
        }
        if (byte == kEscape) {
            // An escape at the very end takes the zero that ends the stored form.
            const char next = i + 1 < stored.size() ? stored[++i] : '\0';
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
        word.push_back(byte);
    }
    // A stored form without the scrambled terminator yields all its bytes.
    return word;
}
