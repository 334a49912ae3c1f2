#include "cli/WordWrap.h"

namespace razzlewick {

namespace {

constexpr std::string_view kContinuation = "  ";

// Characters, not bytes: every character of the engine's code page is one column wide.
std::size_t Columns(std::string_view utf8)
{
    std::size_t columns = 0;
    for (const char byte : utf8)
        columns += (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
    return columns;
}

void WrapLine(std::string_view line, std::size_t width, std::string& out)
{
    std::size_t used = 0;
    bool lineStarted = false;
    std::size_t start = 0;
    while (start <= line.size()) {
        std::size_t end = line.find(' ', start);
        if (end == std::string_view::npos)
            end = line.size();
        const std::string_view word = line.substr(start, end - start);
        const std::size_t wordColumns = Columns(word);
        if (!lineStarted) {
            out += word;
            used = wordColumns;
            lineStarted = true;
        } else if (used + 1 + wordColumns <= width) {
            out += ' ';
            out += word;
            used += 1 + wordColumns;
        } else if (!word.empty()) {
            out += '\n';
            out += kContinuation;
            out += word;
            used = kContinuation.size() + wordColumns;
        }
        start = end + 1;
    }
    out += '\n';
}

}  // namespace

std::string WrapLines(std::string_view text, std::size_t width)
{
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        WrapLine(text.substr(start, end - start), width, out);
        start = end + 1;
    }
    return out;
}

}  // namespace razzlewick
