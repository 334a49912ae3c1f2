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
    // Shortest narrow prefix, as the engine writes it.
    DataFileWriter& String(std::string_view text)
    {
        const size_t n = text.size();
        if (n < 0xFF) {
            Bytes({static_cast<uint8_t>(n)});
        } else if (n < 0xFFFE) {
            Bytes({0xFF, static_cast<uint8_t>(n), static_cast<uint8_t>(n >> 8)});
        } else {
            Bytes({0xFF, 0xFF, 0xFF});
            Int32(static_cast<int32_t>(n));
        }
        return Raw(text);
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
            String(WordCipher().Encode(word));
        }
        return *this;
    }

    const std::string& bytes() const { return bytes_; }
    size_t size() const { return bytes_.size(); }

private:
    std::string bytes_;
};
