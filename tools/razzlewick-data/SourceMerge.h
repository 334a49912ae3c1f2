#pragma once

#include "tools/razzlewick-data/JsonSource.h"

#include <ostream>
#include <string>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// Adds the styles of one source to the engine exactly as reading a data file merges a
// record: a later name and template replace earlier ones, new lists are added, and a word
// the list already holds (ignoring the case of A-Z) is dropped with a warning on
// `warnings` naming the source, style, list and word.
void AddToEngine(InsultGenerator& engine, const std::vector<SourceStyle>& source,
                 const std::string& fileName, std::ostream& warnings);

}  // namespace razzlewick
