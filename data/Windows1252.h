#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace razzlewick {

// The one Windows-1252 table of the program. Engine text is 8-bit Windows-1252, as the data
// files hold it; this converts it for wide strings, the screen, the clipboard and JSON.
// The five bytes the code page leaves unassigned (0x81 0x8D 0x8F 0x90 0x9D) map to the C1
// controls of the same value, so every byte string survives a round trip.

// The Unicode character of one byte.
char16_t Windows1252ToUnicode(unsigned char byte);
// The byte of a Unicode character, or none when the code page lacks it.
std::optional<unsigned char> UnicodeToWindows1252(char32_t character);

// UTF-16 to Windows-1252: stops at the first zero character; a character the code page
// lacks (a lone surrogate, a pair outside the BMP) becomes one '?'.
std::string Utf16ToWindows1252(std::u16string_view text);

// The lower-case letter of a Windows-1252 byte (A-Z, the accented capitals, Š Œ Ž Ÿ), any
// other byte as it is: names typed as "CAFÉ" then match "Café".
char FoldWindows1252Case(char byte);

// Windows-1252 bytes to UTF-8.
std::string Windows1252ToUtf8(std::string_view bytes);

struct Utf8ToWindows1252Result {
    std::string text;  // the converted text when ok
    bool ok = true;
    size_t errorOffset = 0;  // byte offset of the first invalid or unmappable character
};
// UTF-8 to Windows-1252; fails on invalid UTF-8 or a character the code page lacks.
Utf8ToWindows1252Result Utf8ToWindows1252(std::string_view utf8);

}  // namespace razzlewick
