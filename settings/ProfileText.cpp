#include "settings/ProfileText.h"

#include "platform/AsciiCase.h"

#include <cstddef>

namespace razzlewick {

namespace {

constexpr size_t kNone = std::string_view::npos;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f' || c == '\r';
}

// Offsets of [begin, end) inside the whole text.
struct Span {
    size_t begin = 0;
    size_t end = 0;
};

Span Trim(std::string_view text, Span span)
{
    while (span.begin < span.end && IsBlank(text[span.begin])) {
        ++span.begin;
    }
    while (span.end > span.begin && IsBlank(text[span.end - 1])) {
        --span.end;
    }
    return span;
}

std::string_view Slice(std::string_view text, Span span)
{
    return text.substr(span.begin, span.end - span.begin);
}

// Where the key sits in the text, and where a new entry for it would go.
struct Location {
    bool sectionFound = false;
    size_t insertAt = kNone;  // just after the last non-blank line of the first matching section
    bool keyFound = false;
    Span value;  // trimmed value, quotes included
};

Location Locate(std::string_view text, std::string_view section, std::string_view key)
{
    Location location;
    bool inMatchingSection = false;
    bool inFirstMatchingSection = false;
    size_t lineBegin = 0;
    while (lineBegin < text.size()) {
        const size_t newline = text.find('\n', lineBegin);
        const size_t lineEnd = newline == kNone ? text.size() : newline;
        const size_t next = newline == kNone ? text.size() : newline + 1;
        const Span line = Trim(text, {lineBegin, lineEnd});
        lineBegin = next;
        if (line.begin == line.end) {
            continue;
        }

        const size_t close = text[line.begin] == '[' ? text.find(']', line.begin) : kNone;
        if (close != kNone && close < line.end) {
            inMatchingSection = platform::EqualsIgnoringAsciiCase(
                Slice(text, Trim(text, {line.begin + 1, close})), section);
            inFirstMatchingSection = inMatchingSection && !location.sectionFound;
            if (inFirstMatchingSection) {
                location.sectionFound = true;
                location.insertAt = next;
            }
            continue;
        }

        if (inFirstMatchingSection) {
            location.insertAt = next;
        }
        if (!inMatchingSection) {
            continue;
        }
        const size_t equals = text.find('=', line.begin);
        if (equals == kNone || equals >= line.end) {
            continue;
        }
        if (platform::EqualsIgnoringAsciiCase(Slice(text, Trim(text, {line.begin, equals})), key)) {
            location.keyFound = true;
            location.value = Trim(text, {equals + 1, line.end});
            return location;
        }
    }
    return location;
}

std::string_view LineEnding(std::string_view text)
{
    const size_t newline = text.find('\n');
    return (newline != kNone && newline > 0 && text[newline - 1] == '\r') ? "\r\n" : "\n";
}

}  // namespace

std::optional<std::string> FindProfileValue(std::string_view text, std::string_view section,
                                            std::string_view key)
{
    const Location location = Locate(text, section, key);
    if (!location.keyFound) {
        return std::nullopt;
    }
    std::string_view value = Slice(text, location.value);
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

std::string SetProfileValue(std::string_view text, std::string_view section, std::string_view key,
                            std::string_view value)
{
    const Location location = Locate(text, section, key);
    std::string result;
    result.reserve(text.size() + section.size() + key.size() + value.size() + 8);
    if (location.keyFound) {
        result.append(text.substr(0, location.value.begin));
        result.append(value);
        result.append(text.substr(location.value.end));
        return result;
    }

    const std::string_view eol = LineEnding(text);
    const size_t insertAt = location.sectionFound ? location.insertAt : text.size();
    result.append(text.substr(0, insertAt));
    if (!result.empty() && result.back() != '\n') {
        result.append(eol);
    }
    if (!location.sectionFound) {
        // A blank line keeps the new section apart from what came before.
        if (!result.empty() && !result.ends_with("\n\n") && !result.ends_with("\n\r\n")) {
            result.append(eol);
        }
        result.append("[").append(section).append("]").append(eol);
    }
    result.append(key).append("=").append(value).append(eol);
    result.append(text.substr(insertAt));
    return result;
}

}  // namespace razzlewick
