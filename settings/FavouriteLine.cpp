#include "settings/FavouriteLine.h"

#include "data/Windows1252.h"
#include "platform/AsciiHex.h"

#include <algorithm>
#include <optional>

namespace razzlewick {

namespace {

using platform::HexDigitValue;

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

struct FieldEnd final {
    std::string utf8;  // the field with its escapes undone
    size_t end = 0;    // where reading stopped: the closing bracket, or the end of the line
};

// Reads from `from` to an unescaped `stop` (or the end), undoing the escapes.
FieldEnd UnescapedField(std::string_view line, size_t from, std::optional<char> stop)
{
    FieldEnd field;
    const char stopAt = stop.value_or('\\');
    size_t i = from;
    for (; i < line.size(); ++i) {
        // Whole runs of plain text at once: most fields hold no escape at all.
        size_t special = i;
        while (special < line.size() && line[special] != '\\' && line[special] != stopAt) {
            ++special;
        }
        field.utf8.append(line.substr(i, special - i));
        i = special;
        if (i == line.size() || (stop && line[i] == *stop)) {
            break;
        }
        const char c = line[i];
        if (i + 1 == line.size()) {
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
        } else if (next == 'x' && i + 3 < line.size() && HexDigitValue(line[i + 2]) >= 0 &&
                   HexDigitValue(line[i + 3]) >= 0) {
            const auto value =
                static_cast<char32_t>(HexDigitValue(line[i + 2]) * 16 + HexDigitValue(line[i + 3]));
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

// Plain ASCII, as most insults are, is the same in both encodings.
Utf8ToWindows1252Result FromUtf8(std::string utf8)
{
    if (std::all_of(utf8.begin(), utf8.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
        return {.text = std::move(utf8), .ok = true, .errorOffset = 0};
    }
    return Utf8ToWindows1252(utf8);
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

std::optional<std::string_view> PlainFavouriteStyle(std::string_view line)
{
    line = TrimmedBlanks(line);
    const bool plain = std::all_of(line.begin(), line.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80 && c != '\\';
    });
    if (!plain || line.empty() || line.front() == '#' || !IsFavouriteDate(line.substr(0, 10))) {
        return std::nullopt;
    }
    const size_t open = line.find_first_not_of(kBlanks, 10);
    if (open == 10 || open == std::string_view::npos || line[open] != '[') {
        return std::nullopt;
    }
    const size_t close = line.find(']', open + 1);
    if (close == std::string_view::npos || close == open + 1 || close + 2 >= line.size() ||
        kBlanks.find(line[close + 1]) == std::string_view::npos) {
        return std::nullopt;
    }
    return line.substr(open + 1, close - open - 1);
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
    FieldEnd text = UnescapedField(textPart, 0, std::nullopt);
    Utf8ToWindows1252Result styleBytes = FromUtf8(std::move(style.utf8));
    Utf8ToWindows1252Result textBytes = FromUtf8(std::move(text.utf8));
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
