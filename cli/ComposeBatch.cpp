#include "cli/ComposeBatch.h"

#include "cli/TerminalText.h"
#include "data/InsultGenerator.h"
#include "data/Windows1252.h"
#include "generate/InsultComposer.h"
#include "generate/RandomSource.h"

namespace razzlewick {

void ComposeBatches(InsultGenerator& engine, const std::string& key, const BatchRequest& request,
                    const std::function<void(const std::string& batch)>& write)
{
    InsultStyle* style = engine.FindStyle(key);
    if (style == nullptr)
        return;
    SeedRandom(request.seed);
    for (int64_t batch = 0; batch < request.batches; ++batch)
        write(ComposeWithoutHistory(*style, request.count, request.capitalise, request.repeats));
}

std::string BatchForTerminal(std::string_view batch, LineEnds ends)
{
    std::string text = Windows1252ToUtf8(batch);
    if (ends == LineEnds::Lf) {
        size_t kept = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] != '\r' || i + 1 == text.size() || text[i + 1] != '\n')
                text[kept++] = text[i];
        }
        text.resize(kept);
    }
    return TerminalText(text);
}

}  // namespace razzlewick
