#include "cli/ComposeBatch.h"

#include "data/InsultGenerator.h"
#include "generate/GeneratorOperations.h"
#include "generate/RandomSource.h"

namespace razzlewick {

void ComposeBatches(InsultGenerator& engine, const std::string& key, const BatchRequest& request,
                    const std::function<void(const std::string& batch)>& write)
{
    // An unknown key would leave the style selected before in use.
    if (!engine.styles.contains(key))
        return;
    engine.SelectStyle(key);
    SeedRandom(request.seed);
    for (int64_t batch = 0; batch < request.batches; ++batch) {
        write(Generate(engine, request.count, request.capitalise, request.repeats));
        engine.currentStyle->history.clear();
    }
}

}  // namespace razzlewick
