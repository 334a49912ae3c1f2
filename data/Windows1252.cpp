#include "data/Windows1252.h"

#include <array>

namespace razzlewick {

namespace {

// 0x80-0x9F; the rest of the code page equals Unicode (Latin-1).
constexpr std::array<char16_t, 32> kHighControls = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

}  // namespace

char16_t Windows1252ToUnicode(unsigned char byte)
{
    if (byte >= 0x80 && byte < 0xA0) {
        return kHighControls[byte - 0x80];
    }
    return byte;
}

std::optional<unsigned char> UnicodeToWindows1252(char32_t character)
{
    if (character < 0x80 || (character >= 0xA0 && character <= 0xFF)) {
        return static_cast<unsigned char>(character);
    }
    for (size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == character) {
            return static_cast<unsigned char>(0x80 + i);
        }
    }
    return std::nullopt;
}

std::string Utf16ToWindows1252(std::u16string_view text)
{
    std::string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit == 0) {
            break;
        }
        if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
            text[i + 1] <= 0xDFFF) {
            ++i;  // a character beyond the BMP: one replacement for the pair
            out.push_back('?');
            continue;
        }
        const auto byte = UnicodeToWindows1252(unit);
        out.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return out;
}

char FoldWindows1252Case(char byte)
{
    const auto code = static_cast<unsigned char>(byte);
    const bool latinCapital =
        (code >= 'A' && code <= 'Z') || (code >= 0xC0 && code <= 0xDE && code != 0xD7);
    if (latinCapital)
        return static_cast<char>(code + 0x20);
    switch (code) {
        case 0x8A:  // Š
        case 0x8C:  // Œ
        case 0x8E:  // Ž
            return static_cast<char>(code + 0x10);
        case 0x9F:  // Ÿ
            return static_cast<char>(0xFF);
        default:
            return byte;
    }
}

std::string Windows1252ToUtf8(std::string_view bytes)
{
    std::string out;
    out.reserve(bytes.size());
    for (const char byte : bytes) {
        AppendUtf8(out, Windows1252ToUnicode(static_cast<unsigned char>(byte)));
    }
    return out;
}

Utf8ToWindows1252Result Utf8ToWindows1252(std::string_view utf8)
{
    Utf8ToWindows1252Result result;
    result.text.reserve(utf8.size());
    size_t i = 0;
    const auto fail = [&](size_t offset) {
        result.ok = false;
        result.errorOffset = offset;
        result.text.clear();
        return result;
    };
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        char32_t c = 0;
        size_t length = 0;
        char32_t minimum = 0;
        if (lead < 0x80) {
            c = lead;
            length = 1;
        } else if ((lead & 0xE0) == 0xC0) {
            c = lead & 0x1F;
            length = 2;
            minimum = 0x80;
        } else if ((lead & 0xF0) == 0xE0) {
            c = lead & 0x0F;
            length = 3;
            minimum = 0x800;
        } else if ((lead & 0xF8) == 0xF0) {
            c = lead & 0x07;
            length = 4;
            minimum = 0x10000;
        } else {
            return fail(i);
        }
        if (i + length > utf8.size()) {
            return fail(i);
        }
        for (size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80) {
                return fail(i);
            }
            c = (c << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not UTF-8.
        if (c < minimum || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
            return fail(i);
        }
        const auto byte = UnicodeToWindows1252(c);
        if (!byte) {
            return fail(i);
        }
        result.text.push_back(static_cast<char>(*byte));
        i += length;
    }
    return result;
}

}  // namespace razzlewick
