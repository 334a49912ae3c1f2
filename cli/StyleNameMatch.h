#pragma once

#include <string>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// The one rule for a style name a person types (`razzlewick --print --style`,
// `razzlewick-data try`): the keys of the styles `typed` (UTF-8) stands for. The key itself
// when the engine holds it, otherwise every key equal to it but for the case of A to Z; none
// when it has no Windows-1252 form. More than one key means the name is ambiguous.
std::vector<std::string> StyleKeysMatching(const InsultGenerator& engine, const std::string& typed);

}  // namespace razzlewick
