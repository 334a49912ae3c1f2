#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace razzlewick {

// A vocabulary source that cannot be packed; the message names the file, the place
// (line and column, or the JSON path) and what was expected there.
class SourceError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// One style record of a source, already in Windows-1252 bytes, in the order written.
struct SourceList {
    int32_t number = 0;
    std::vector<std::string> words;
};

struct SourceStyle {
    std::string key;
    std::string name;  // the key when the source gives no name
    std::string templateText;
    std::vector<SourceList> lists;
};

// Reads the JSON text of one source:
//   {"styles": [{"key": K, "name": N, "template": T, "lists": [{"number": I, "words": [...]}]}]}
// "name" and "lists" may be left out. Throws SourceError for anything the data file
// could not hold as written.
std::vector<SourceStyle> ReadJsonSource(std::string_view text, const std::string& fileName);

}  // namespace razzlewick
