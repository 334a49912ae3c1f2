#pragma once

#include "tools/razzlewick-data/JsonSource.h"

#include <string>
#include <vector>

namespace razzlewick {

class ContentChecks;
class InsultGenerator;

// Adds the styles of one source to the engine exactly as reading a data file merges a
// record: a later name and template replace earlier ones, new lists are added, and a word
// the list already holds (ignoring the case of A-Z) is dropped. `checks` hears of the
// source as of a data file being read, each part with its place in the source, and of a
// dropped word with the word the list kept.
void AddToEngine(InsultGenerator& engine, const std::vector<SourceStyle>& source,
                 const std::string& fileName, ContentChecks& checks);

}  // namespace razzlewick
