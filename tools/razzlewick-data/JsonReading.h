#pragma once

#include "tools/razzlewick-data/JsonSource.h"

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

namespace razzlewick {

// Following the JSON parser through a source's text: how far it has read, and where that is
// as an editor shows it.

// Walks the text for the parser and notes how far it has read: the parser reads a string
// up to its closing quote, and a bracket alone, before it reports them.
class ReadingIterator final {
public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = char;
    using difference_type = std::ptrdiff_t;
    using pointer = const char*;
    using reference = const char&;

    ReadingIterator() = default;
    ReadingIterator(const char* at, const char** furthest) : at_(at), furthest_(furthest) {}

    reference operator*() const { return *at_; }
    ReadingIterator& operator++()
    {
        ++at_;
        if (furthest_ != nullptr && at_ > *furthest_)
            *furthest_ = at_;
        return *this;
    }
    ReadingIterator operator++(int)
    {
        ReadingIterator before = *this;
        ++*this;
        return before;
    }
    bool operator==(const ReadingIterator& other) const { return at_ == other.at_; }

private:
    const char* at_ = nullptr;
    const char** furthest_ = nullptr;
};

// Counts lines and columns forward through the text; places are asked for in the order they
// stand, so the whole text is counted once.
class LineCounter final {
public:
    explicit LineCounter(std::string_view text) : text_(text) {}

    SourcePlace At(std::size_t offset)
    {
        if (offset < at_) {
            at_ = 0;
            line_ = 1;
            column_ = 1;
        }
        for (; at_ < offset && at_ < text_.size(); ++at_) {
            const auto byte = static_cast<unsigned char>(text_[at_]);
            if (byte == '\n') {
                ++line_;
                column_ = 1;
            } else if ((byte & 0xC0) != 0x80) {
                ++column_;
            }
        }
        // A character's later bytes belong to the column of its first.
        return {offset, line_, column_ - (IsFollowingByte(offset) ? 1u : 0u)};
    }

private:
    bool IsFollowingByte(std::size_t offset) const
    {
        return offset < text_.size() && (static_cast<unsigned char>(text_[offset]) & 0xC0) == 0x80;
    }

    std::string_view text_;
    std::size_t at_ = 0;
    uint32_t line_ = 1;
    uint32_t column_ = 1;
};

// The opening quote of the string whose closing quote is at `closing`: the first quote
// before it that no backslash escapes.
inline std::size_t OpeningQuote(std::string_view text, std::size_t closing)
{
    for (std::size_t at = closing; at-- > 0;) {
        if (text[at] != '"')
            continue;
        std::size_t slashes = 0;
        while (at > slashes && text[at - 1 - slashes] == '\\')
            ++slashes;
        if (slashes % 2 == 0)
            return at;
    }
    return 0;
}

}  // namespace razzlewick
