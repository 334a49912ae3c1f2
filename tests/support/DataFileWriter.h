#pragma once

#include "data/WordCipher.h"

#include <cstdint>
#include <cstring>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

// Builds data-file bytes by hand, value by value, so tests (and fuzz seeds) can make files
// the engine's own writer never would: other versions, lying counts, broken-off records.
class DataFileWriter final {
public:
    DataFileWriter& Bytes(std::initializer_list<uint8_t> bytes)
    {
        for (const uint8_t b : bytes) {
            bytes_.push_back(static_cast<char>(b));
        }
        return *this;
    }
    DataFileWriter& Raw(std::string_view text)
    {
        bytes_.append(text);
        return *this;
    }
    DataFileWriter& Int32(int32_t value)
    {
        const auto bits = static_cast<uint32_t>(value);
        return Bytes({static_cast<uint8_t>(bits), static_cast<uint8_t>(bits >> 8),
                      static_cast<uint8_t>(bits >> 16), static_cast<uint8_t>(bits >> 24)});
    }
    DataFileWriter& Float32(float value)
    {
        int32_t bits = 0;
        std::memcpy(&bits, &value, sizeof bits);
        return Int32(bits);
    }
    DataFileWriter& Version() { return Bytes({0xCD, 0xCC, 0x4C, 0x40}); }
    // The shortest narrow prefix, as the engine writes it, or the 16-bit or 32-bit one when
    // `prefixBytes` is 3 or 7.
    DataFileWriter& String(std::string_view text, int prefixBytes = 1)
    {
        const size_t n = text.size();
        if (prefixBytes == 7 || n >= 0xFFFE) {
            Bytes({0xFF, 0xFF, 0xFF});
            Int32(static_cast<int32_t>(n));
        } else if (prefixBytes == 3 || n >= 0xFF) {
            Bytes({0xFF, static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8)});
        } else {
            Bytes({static_cast<uint8_t>(n)});
        }
        return Raw(text);
    }
    // A wide string: the marker, a one-byte count of UTF-16 units, then UTF-16LE.
    DataFileWriter& WideString(std::u16string_view text)
    {
        Bytes({0xFF, 0xFE, 0xFF, static_cast<uint8_t>(text.size())});
        for (const char16_t unit : text) {
            Bytes({static_cast<uint8_t>(unit & 0xFF), static_cast<uint8_t>(unit >> 8)});
        }
        return *this;
    }
    // A word scrambled as the engine stores it.
    DataFileWriter& Word(std::string_view plain, int prefixBytes = 1)
    {
        return String(razzlewick::WordCipher().Encode(plain), prefixBytes);
    }
    // Key, name, template and the list count; list records follow with List().
    DataFileWriter& Style(std::string_view key, std::string_view name,
                          std::string_view templateText, int32_t lists)
    {
        return String(key).String(name).String(templateText).Int32(lists);
    }
    DataFileWriter& List(int32_t number, const std::vector<std::string>& words)
    {
        Int32(number).Int32(static_cast<int32_t>(words.size()));
        for (const std::string& word : words) {
            Word(word);
        }
        return *this;
    }

    const std::string& bytes() const { return bytes_; }
    size_t size() const { return bytes_.size(); }

private:
    std::string bytes_;
};
