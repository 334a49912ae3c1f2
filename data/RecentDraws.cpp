#include "data/RecentDraws.h"

namespace razzlewick {

bool RecentDraws::Holds(size_t list, size_t word, size_t size) const
{
    if (list >= lists_.size()) {
        return false;
    }
    const std::vector<Draw>& draws = lists_[list];
    for (size_t i = draws.size() - std::min(draws.size(), Limit(size)); i < draws.size(); ++i) {
        if (draws[i].word == word && insult_ - draws[i].insult <= kRecentInsults) {
            return true;
        }
    }
    return false;
}

void RecentDraws::Note(size_t list, size_t word, size_t size)
{
    // A list of one word has nothing else to offer.
    if (Limit(size) == 0) {
        return;
    }
    if (list >= lists_.size()) {
        lists_.resize(list + 1);
    }
    std::vector<Draw>& draws = lists_[list];
    if (draws.size() == kRecentInsults) {
        draws.erase(draws.begin());
    }
    draws.push_back({insult_, word});
}

}  // namespace razzlewick
