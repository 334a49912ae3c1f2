#include "cli/FittingInsults.h"

#include "data/InsultGenerator.h"
#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"

#include <algorithm>
#include <limits>

namespace razzlewick {

namespace {

constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

FittingOutcome ComposeFitting(InsultGenerator& engine, const std::string& key,
                              const BatchRequest& request, std::size_t longest,
                              const std::function<void(const std::string& line)>& write)
{
    FittingOutcome outcome;
    InsultStyle* style = engine.FindStyle(key);
    if (style == nullptr)
        return outcome;
    SeedRandom(request.seed);
    for (int16_t insult = 0; insult < request.count; ++insult) {
        std::size_t shortest = std::numeric_limits<std::size_t>::max();
        bool fitted = false;
        for (int draw = 0; draw < kMostDrawsPerInsult && !fitted; ++draw) {
            const std::string line =
                ComposeWithoutHistory(*style, 1, request.capitalise, request.repeats);
            // Nothing at all: a batch at its size limit, which no redraw changes.
            if (line.empty())
                return outcome;
            const std::size_t length = line.size() - kLineEnd.size();
            shortest = std::min(shortest, length);
            if (length <= longest) {
                write(line);
                fitted = true;
            }
        }
        if (!fitted) {
            outcome.shortestDrawn = shortest;
            return outcome;
        }
        ++outcome.written;
    }
    return outcome;
}

}  // namespace razzlewick
