#pragma once

#include <cstdint>
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
// label the window shows.
std::string StyleLines(const InsultGenerator& engine, bool counts);

// One line per style for a script: four fields separated by tabs: the key, the name its tab
// shows, the number of combinations in plain digits (9223372036854775807 for a count that
// reached the largest the program keeps), and "withheld" when the level withholds the style
// or nothing.
std::string StyleTable(const InsultGenerator& engine, int32_t level);

}  // namespace razzlewick
