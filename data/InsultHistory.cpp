#include "data/InsultHistory.h"

#include <cstddef>
#include <utility>

namespace razzlewick {

namespace {

constexpr const char* kAtLimit = "(At limit)";
constexpr const char* kListEmpty = "(List empty)";

}  // namespace

void InsultHistory::Append(std::string text)
{
    // A batch grows by appending; what it reserved on the way is not kept for the session.
    text.shrink_to_fit();
    bytes_ += text.size();
    entries_.push_back(std::move(text));
    size_t dropped = 0;
    while (entries_.size() - dropped > 1 &&
           (entries_.size() - dropped > kHistoryEntryLimit || bytes_ > kHistoryTextLimit)) {
        bytes_ -= entries_[dropped].size();
        ++dropped;
    }
    entries_.erase(entries_.begin(), entries_.begin() + static_cast<std::ptrdiff_t>(dropped));
    // Appending always shows the new entry, so where the position was no longer matters.
    position_ = HistorySize() - 1;
}

std::string InsultHistory::StepBack()
{
    if (position_ <= 0) {
        position_ = -1;
        return kAtLimit;
    }
    --position_;
    return entries_[static_cast<size_t>(position_)];
}

std::string InsultHistory::StepForward()
{
    if (position_ + 1 >= HistorySize()) {
        position_ = HistorySize();
        return kAtLimit;
    }
    ++position_;
    return entries_[static_cast<size_t>(position_)];
}

std::string InsultHistory::CurrentText() const
{
    if (position_ < 0 || position_ >= HistorySize()) {
        return kListEmpty;
    }
    return entries_[static_cast<size_t>(position_)];
}

int32_t InsultHistory::HistoryState() const
{
    const int32_t size = HistorySize();
    const bool backPossible = size >= 2 && position_ > 0;
    const bool forwardPossible = size >= 2 && position_ >= 0 && position_ <= size - 2;
    return (backPossible ? 0 : kHistoryBackImpossible) |
           (forwardPossible ? 0 : kHistoryForwardImpossible);
}

void InsultHistory::Clear()
{
    entries_.clear();
    bytes_ = 0;
    position_ = 0;
}

}  // namespace razzlewick
