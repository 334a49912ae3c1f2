#pragma once

#include <string>

namespace razzlewick {

class InsultGenerator;

// The engine as the JSON that ReadJsonSource reads: styles by key in byte order, lists by
// number, words in list order, every name written. Text is converted from Windows-1252
// to UTF-8 through the one table, so packing the result gives back the same bytes.
std::string WriteEngineJson(const InsultGenerator& engine);

}  // namespace razzlewick
