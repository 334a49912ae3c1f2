#include "settings/FavouriteLine.h"

#include "data/Windows1252.h"

#include <optional>

namespace razzlewick {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view TrimmedBlanks(std::string_view text)
{
    const size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

// Engine text as it goes into a line: UTF-8, with what would break the line escaped.
std::string EscapedField(std::string_view windows1252, bool closesWithBracket)
{
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string out;
    out.reserve(windows1252.size() + 8);
    for (const char byte : windows1252) {
        const char16_t character = Windows1252ToUnicode(static_cast<unsigned char>(byte));
        switch (character) {
            case u'\\':
                out += "\\\\";
                continue;
            case u'\t':
                out += "\\t";
                continue;
            case u'\n':
                out += "\\n";
                continue;
            case u'\r':
                out += "\\r";
                continue;
            case u']':
                out += closesWithBracket ? "\\]" : "]";
                continue;
            default:
                break;
        }
        if (character < 0x20 || (character >= 0x7F && character < 0xA0)) {
            out += "\\x";
            out += kHex[character >> 4];
            out += kHex[character & 0xF];
        } else {
            out += Windows1252ToUtf8(std::string_view(&byte, 1));
        }
    }
    return out;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

struct FieldEnd final {
    std::string utf8;  // the field with its escapes undone
    size_t end = 0;    // where reading stopped: the closing bracket, or the end of the line
};

// Reads from `from` to an unescaped `stop` (or the end), undoing the escapes.
FieldEnd UnescapedField(std::string_view line, size_t from, std::optional<char> stop)
{
    FieldEnd field;
    size_t i = from;
    for (; i < line.size(); ++i) {
        const char c = line[i];
        if (stop && c == *stop) {
            break;
        }
        if (c != '\\' || i + 1 == line.size()) {
            field.utf8 += c;
            continue;
        }
        const char next = line[i + 1];
        if (next == '\\' || next == ']') {
            field.utf8 += next;
            ++i;
        } else if (next == 't' || next == 'n' || next == 'r') {
            field.utf8 += next == 't' ? '\t' : (next == 'n' ? '\n' : '\r');
            ++i;
        } else if (next == 'x' && i + 3 < line.size() && HexDigit(line[i + 2]) >= 0 &&
                   HexDigit(line[i + 3]) >= 0) {
            const auto value =
                static_cast<char32_t>(HexDigit(line[i + 2]) * 16 + HexDigit(line[i + 3]));
            if (value < 0x80) {
                field.utf8 += static_cast<char>(value);
            } else {
                field.utf8 += static_cast<char>(0xC0 | (value >> 6));
                field.utf8 += static_cast<char>(0x80 | (value & 0x3F));
            }
            i += 3;
        } else {
            // Not one of ours: a backslash someone typed.
            field.utf8 += c;
        }
    }
    field.end = i;
    return field;
}

ParsedFavouriteLine Damaged(std::string problem)
{
    return {.kind = FavouriteLineKind::Damaged, .favourite = {}, .problem = std::move(problem)};
}

}  // namespace

bool IsFavouriteDate(std::string_view date)
{
    if (date.size() != 10 || date[4] != '-' || date[7] != '-') {
        return false;
    }
    for (const size_t i : {0, 1, 2, 3, 5, 6, 8, 9}) {
        if (date[i] < '0' || date[i] > '9') {
            return false;
        }
    }
    const int month = (date[5] - '0') * 10 + (date[6] - '0');
    const int day = (date[8] - '0') * 10 + (date[9] - '0');
    return month >= 1 && month <= 12 && day >= 1 && day <= 31;
}

std::string FormatFavouriteLine(const Favourite& favourite)
{
    return favourite.date + " [" + EscapedField(favourite.style, true) + "] " +
           EscapedField(favourite.text, false);
}

ParsedFavouriteLine ParseFavouriteLine(std::string_view line)
{
    line = TrimmedBlanks(line);
    if (line.empty() || line.front() == '#') {
        return {};
    }
    if (!IsFavouriteDate(line.substr(0, 10))) {
        return Damaged("no date (YYYY-MM-DD) at its start");
    }
    const size_t open = line.find_first_not_of(kBlanks, 10);
    if (open == 10 || open == std::string_view::npos || line[open] != '[') {
        return Damaged("no [style] after the date");
    }
    FieldEnd style = UnescapedField(line, open + 1, ']');
    if (style.end == line.size() || style.utf8.empty()) {
        return Damaged("no [style] after the date");
    }
    const std::string_view rest = line.substr(style.end + 1);
    if (TrimmedBlanks(rest).empty()) {
        return Damaged("no insult after the style");
    }
    if (rest.find_first_of(kBlanks) != 0) {
        return Damaged("no space after the style");
    }
    const std::string_view textPart = TrimmedBlanks(rest);
    const FieldEnd text = UnescapedField(textPart, 0, std::nullopt);
    Utf8ToWindows1252Result styleBytes = Utf8ToWindows1252(style.utf8);
    Utf8ToWindows1252Result textBytes = Utf8ToWindows1252(text.utf8);
    if (!styleBytes.ok || !textBytes.ok) {
        return Damaged("not UTF-8, or a character Razzlewick's insults cannot hold");
    }
    return {.kind = FavouriteLineKind::Favourite,
            .favourite = {.date = std::string(line.substr(0, 10)),
                          .style = std::move(styleBytes.text),
                          .text = std::move(textBytes.text)},
            .problem = {}};
}

}  // namespace razzlewick
