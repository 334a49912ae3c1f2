#include "tests/tools/DataFileBytes.h"

#include "data/WordCipher.h"

DataFileBytes& DataFileBytes::Version()
{
    return Raw("\xCD\xCC\x4C\x40");
}

DataFileBytes& DataFileBytes::Int32(int32_t value)
{
    const auto bits = static_cast<uint32_t>(value);
    for (int shift = 0; shift < 32; shift += 8)
        bytes_ += static_cast<char>((bits >> shift) & 0xFF);
    return *this;
}

DataFileBytes& DataFileBytes::Raw(std::string_view bytes)
{
    bytes_ += bytes;
    return *this;
}

DataFileBytes& DataFileBytes::String(std::string_view text, int prefixBytes)
{
    const auto size = static_cast<uint32_t>(text.size());
    if (prefixBytes == 7) {
        Raw("\xFF\xFF\xFF");
        Int32(static_cast<int32_t>(size));
    } else if (prefixBytes == 3 || size >= 0xFF) {
        bytes_ += '\xFF';
        bytes_ += static_cast<char>(size & 0xFF);
        bytes_ += static_cast<char>(size >> 8);
    } else {
        bytes_ += static_cast<char>(size);
    }
    return Raw(text);
}

DataFileBytes& DataFileBytes::WideString(std::u16string_view text)
{
    Raw("\xFF\xFE\xFF");
    bytes_ += static_cast<char>(text.size());
    for (char16_t unit : text) {
        bytes_ += static_cast<char>(unit & 0xFF);
        bytes_ += static_cast<char>(unit >> 8);
    }
    return *this;
}

DataFileBytes& DataFileBytes::Word(std::string_view plain, int prefixBytes)
{
    return String(WordCipher().Encode(plain), prefixBytes);
}
