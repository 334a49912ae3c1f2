#include "cli/TerminalText.h"

#include "data/Windows1252.h"

namespace razzlewick {

namespace {

// A UTF-8 sequence at one place: its length, 0 when the bytes there are not valid UTF-8
// (overlong forms and surrogates included), and whether the text ends before a sequence
// that is valid so far is finished.
struct Utf8Sequence {
    size_t length = 0;
    bool unfinished = false;
};

Utf8Sequence SequenceAt(std::string_view text, size_t at)
{
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {1};
    size_t length = 0;
    // The range the second byte may take; the later ones are always 0x80 to 0xBF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : low;
        high = lead == 0xED ? 0x9F : high;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : low;
        high = lead == 0xF4 ? 0x8F : high;
    } else {
        return {};
    }
    for (size_t i = 1; i < length; ++i) {
        if (at + i == text.size())
            return {0, true};
        const auto next = static_cast<unsigned char>(text[at + i]);
        if (next < (i == 1 ? low : 0x80) || next > (i == 1 ? high : 0xBF))
            return {};
    }
    return {length};
}

char32_t Decode(std::string_view sequence)
{
    const auto lead = static_cast<unsigned char>(sequence[0]);
    char32_t value = sequence.size() == 2   ? lead & 0x1Fu
                     : sequence.size() == 3 ? lead & 0x0Fu
                                            : lead & 0x07u;
    for (size_t i = 1; i < sequence.size(); ++i)
        value = (value << 6) | (static_cast<unsigned char>(sequence[i]) & 0x3Fu);
    return value;
}

bool IsBidiControl(char32_t c)
{
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

void AppendHex(std::string& shown, std::string_view prefix, char32_t value, int digits)
{
    static constexpr std::string_view kDigits = "0123456789abcdef";
    shown += prefix;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4)
        shown += kDigits[(value >> shift) & 0xFu];
}

void AppendControl(std::string& shown, unsigned char control)
{
    // BEL to CR, in the order of their codes.
    static constexpr std::string_view kNamed = "abtnvfr";
    if (control >= 0x07 && control <= 0x0D) {
        shown += '\\';
        shown += kNamed[control - 0x07];
    } else if (control == 0x1B) {
        shown += "\\e";
    } else {
        AppendHex(shown, "\\x", control, 2);
    }
}

}  // namespace

std::string TerminalText(std::string_view utf8, Separators separators)
{
    const bool keep = separators == Separators::Keep;
    std::string shown;
    shown.reserve(utf8.size());
    for (size_t at = 0; at < utf8.size();) {
        const char c = utf8[at];
        const auto byte = static_cast<unsigned char>(c);
        if (byte >= 0x20 && byte < 0x7F) {
            shown += c;
            ++at;
            continue;
        }
        if (byte < 0x80) {
            // A carriage return alone takes the cursor back over the line.
            const bool separator = c == '\t' || c == '\n' ||
                                   (c == '\r' && at + 1 < utf8.size() && utf8[at + 1] == '\n');
            if (keep && separator)
                shown += c;
            else
                AppendControl(shown, byte);
            ++at;
            continue;
        }
        const size_t length = SequenceAt(utf8, at).length;
        if (length == 0) {
            AppendHex(shown, "\\x", byte, 2);
            ++at;
            continue;
        }
        const std::string_view sequence = utf8.substr(at, length);
        const char32_t character = Decode(sequence);
        if (character <= 0x9F)
            AppendHex(shown, "\\x", character, 2);
        else if (IsBidiControl(character))
            AppendHex(shown, "\\u", character, 4);
        else
            shown += sequence;
        at += length;
    }
    return shown;
}

std::string TerminalTextFrom1252(std::string_view windows1252, Separators separators)
{
    return TerminalText(Windows1252ToUtf8(windows1252), separators);
}

size_t TerminalTextReady(std::string_view utf8)
{
    if (!utf8.empty() && utf8.back() == '\r')
        return utf8.size() - 1;
    // An unfinished sequence starts at most three bytes before the end.
    for (size_t back = 1; back <= 3 && back <= utf8.size(); ++back) {
        const size_t at = utf8.size() - back;
        if ((static_cast<unsigned char>(utf8[at]) & 0xC0u) != 0x80u)
            return SequenceAt(utf8, at).unfinished ? at : utf8.size();
    }
    return utf8.size();
}

}  // namespace razzlewick
