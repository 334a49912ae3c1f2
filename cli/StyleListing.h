#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace razzlewick {

class InsultGenerator;

// The styles of the engine as the terminal programs name them: keys in key order, in UTF-8,
// shown as TerminalText shows a value, so that each stays within its line and field.

// The keys, as the engine holds them (Windows-1252).
std::vector<std::string> StyleKeys(const InsultGenerator& engine);

// "A, B, C", or "none": the styles there are, for a message about a name that is none of them.
std::string StyleList(const InsultGenerator& engine);

// One line per style: its key alone, or with `counts` the key, a tab and the combination
// label the window shows. Given a level, a style the level withholds gets a further tab and
// "withheld at level 0".
std::string StyleLines(const InsultGenerator& engine, bool counts,
                       std::optional<int32_t> level = std::nullopt);

}  // namespace razzlewick
