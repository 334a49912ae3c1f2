#pragma once

#include <string>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// The one rule for a style name a person types (`razzlewick --print --style`,
// `razzlewick-data generate` and `try`): the keys of the styles `typed` (UTF-8) stands for.
// The key itself when the engine holds it, otherwise every style whose key or name (the one
// its tab shows) equals it but for case, Windows-1252 letters folded ("CAFÉ" is "Café"); none
// when it has no Windows-1252 form. More than one key means the name is ambiguous.
std::vector<std::string> StyleKeysMatching(const InsultGenerator& engine, const std::string& typed);

// Why `typed` names no single style, for an error message: no style at all (and the styles
// there are), or the keys it could mean.
std::string StyleMatchProblem(const InsultGenerator& engine, const std::string& typed,
                              const std::vector<std::string>& matches);

}  // namespace razzlewick
