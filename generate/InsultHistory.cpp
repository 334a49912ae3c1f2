#include "generate/InsultHistory.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <utility>
#include <vector>

namespace razzlewick {

namespace {

constexpr const char* kAtLimit = "(At limit)";
constexpr const char* kListEmpty = "(List empty)";

int64_t Size(const InsultStyle& style)
{
    return static_cast<int64_t>(style.history.size());
}

// The position within -1..size; the fields are public, so a stray value must not index past
// the entries or overflow when stepped.
int64_t Position(const InsultStyle& style)
{
    return std::clamp<int64_t>(style.historyPosition, -1, Size(style));
}

void SetPosition(InsultStyle& style, int64_t position)
{
    style.historyPosition =
        static_cast<int32_t>(std::min<int64_t>(position, std::numeric_limits<int32_t>::max()));
}

}  // namespace

void AppendHistory(InsultStyle& style, std::string text)
{
    std::vector<std::string>& history = style.history;
    // A batch grows by appending; what it reserved on the way is not kept for the session.
    text.shrink_to_fit();
    history.push_back(std::move(text));
    size_t bytes = 0;
    for (const std::string& entry : history) {
        bytes += entry.size();
    }
    size_t dropped = 0;
    while (history.size() - dropped > 1 &&
           (history.size() - dropped > kHistoryEntryLimit || bytes > kHistoryTextLimit)) {
        bytes -= history[dropped].size();
        ++dropped;
    }
    history.erase(history.begin(), history.begin() + static_cast<std::ptrdiff_t>(dropped));
    // Appending always shows the new entry, so where the position was no longer matters.
    SetPosition(style, Size(style) - 1);
}

std::string StepBack(InsultStyle& style)
{
    const int64_t position = Position(style) - 1;
    if (position < 0) {
        SetPosition(style, -1);
        return kAtLimit;
    }
    SetPosition(style, position);
    return style.history[static_cast<size_t>(position)];
}

std::string StepForward(InsultStyle& style)
{
    const int64_t position = Position(style) + 1;
    if (position >= Size(style)) {
        SetPosition(style, Size(style));
        return kAtLimit;
    }
    SetPosition(style, position);
    return style.history[static_cast<size_t>(position)];
}

std::string CurrentText(const InsultStyle& style)
{
    const int64_t position = style.historyPosition;
    if (position < 0 || position >= Size(style)) {
        return kListEmpty;
    }
    return style.history[static_cast<size_t>(position)];
}

int32_t HistoryState(const InsultStyle& style)
{
    const int64_t size = Size(style);
    const int64_t position = style.historyPosition;
    const bool backPossible = size >= 2 && position > 0;
    const bool forwardPossible = size >= 2 && position >= 0 && position <= size - 2;
    return (backPossible ? 0 : kHistoryBackImpossible) |
           (forwardPossible ? 0 : kHistoryForwardImpossible);
}

int32_t HistorySize(const InsultStyle& style)
{
    return static_cast<int32_t>(
        std::min<int64_t>(Size(style), std::numeric_limits<int32_t>::max()));
}

}  // namespace razzlewick
