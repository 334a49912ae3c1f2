#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Builds data files byte by byte, so tests can use string forms the engine never writes
// (long length prefixes, wide text).
class DataFileBytes final {
public:
    DataFileBytes& Version();  // 3.2 as float32
    DataFileBytes& Int32(int32_t value);
    DataFileBytes& Raw(std::string_view bytes);
    // A string with the shortest prefix, or the 16-bit or 32-bit one when `prefixBytes`
    // is 3 or 7.
    DataFileBytes& String(std::string_view text, int prefixBytes = 1);
    // A wide string: the marker, a one-byte count of UTF-16 units, then UTF-16LE.
    DataFileBytes& WideString(std::u16string_view text);
    // A word scrambled as the engine stores it.
    DataFileBytes& Word(std::string_view plain, int prefixBytes = 1);

    const std::string& bytes() const { return bytes_; }

private:
    std::string bytes_;
};
