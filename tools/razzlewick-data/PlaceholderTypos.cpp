#include "tools/razzlewick-data/PlaceholderTypos.h"

#include "data/Windows1252.h"

namespace razzlewick {

namespace {

bool IsAsciiDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Letters and digits of Windows-1252: what would run on from a placeholder's word.
bool GluesOn(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return IsAsciiDigit(c) || (byte >= 'A' && byte <= 'Z') || (byte >= 'a' && byte <= 'z') ||
           (byte >= 0xC0 && byte != 0xD7 && byte != 0xF7) || byte == 0x8A || byte == 0x8C ||
           byte == 0x8E || byte == 0x9A || byte == 0x9C || byte == 0x9E || byte == 0x9F;
}

std::string Shown(std::string_view text, std::size_t from, std::size_t to, std::size_t at)
{
    std::string_view part = text.substr(from, to - from);
    while (part.size() > 1 && part.back() == ' ')
        part.remove_suffix(1);
    return "\"" + Windows1252ToUtf8(part) + "\" at character " + std::to_string(at + 1);
}

}  // namespace

std::vector<PlaceholderTypo> PlaceholderTypos(std::string_view text)
{
    std::vector<PlaceholderTypo> typos;
    std::size_t placeholderStart = std::string_view::npos;  // of the one just read
    std::size_t placeholderEnd = std::string_view::npos;
    for (std::size_t at = text.find('%'); at != std::string_view::npos;
         at = text.find('%', at + 1)) {
        std::size_t end = at + 1;
        while (end < text.size() && IsAsciiDigit(text[end]))
            ++end;
        if (end > at + 1) {
            if (end < text.size() && GluesOn(text[end])) {
                typos.push_back({at,
                                 Shown(text, at, end + 1, at) + ": the placeholder is glued to \"" +
                                     Windows1252ToUtf8(text.substr(end, 1)) +
                                     "\", so its word and what follows run together",
                                 false});
            }
            placeholderStart = at;
            placeholderEnd = end;
            continue;
        }
        // "100%" is a number; "%3%" is a placeholder followed by a stray sign.
        const bool afterPlaceholder = placeholderEnd == at;
        if (at > 0 && IsAsciiDigit(text[at - 1]) && !afterPlaceholder)
            continue;
        const std::size_t from = afterPlaceholder ? placeholderStart : at;
        typos.push_back({at,
                         Shown(text, from, std::min(text.size(), at + 3), from) +
                             ": a \"%\" that starts no placeholder shows as typed (a "
                             "placeholder is \"%\" and a list number, as in %0)",
                         true});
    }
    return typos;
}

}  // namespace razzlewick
