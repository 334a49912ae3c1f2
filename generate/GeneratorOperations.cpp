#include "generate/GeneratorOperations.h"

#include "generate/InsultComposer.h"
#include "generate/InsultHistory.h"

namespace razzlewick {

std::string Generate(InsultGenerator& generator, int16_t count, bool capitalise, Repeats repeats)
{
    return generator.currentStyle != nullptr
               ? Compose(*generator.currentStyle, count, capitalise, repeats)
               : std::string();
}

int64_t CombinationCount(const InsultGenerator& generator)
{
    return generator.currentStyle != nullptr ? generator.currentStyle->combinationCount : 0;
}

std::string StepBack(InsultGenerator& generator)
{
    return generator.currentStyle != nullptr ? StepBack(*generator.currentStyle) : std::string();
}

std::string StepForward(InsultGenerator& generator)
{
    return generator.currentStyle != nullptr ? StepForward(*generator.currentStyle) : std::string();
}

std::string CurrentText(const InsultGenerator& generator)
{
    return generator.currentStyle != nullptr ? CurrentText(*generator.currentStyle) : std::string();
}

int32_t HistoryState(const InsultGenerator& generator)
{
    return generator.currentStyle != nullptr ? HistoryState(*generator.currentStyle) : 0;
}

int32_t HistorySize(const InsultGenerator& generator)
{
    return generator.currentStyle != nullptr ? HistorySize(*generator.currentStyle) : 0;
}

}  // namespace razzlewick
