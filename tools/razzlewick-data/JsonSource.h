#pragma once

#include <cstddef>
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

// Where something stands in a source's text: the byte offset, and the line and the column
// (in characters) from 1 that an editor shows; all 0 when not known.
struct SourcePlace {
    std::size_t offset = 0;
    uint32_t line = 0;
    uint32_t column = 0;
};

// ":LINE:COLUMN", to follow a file name; "" when the place is not known.
std::string PlaceSuffix(const SourcePlace& place);

// One style record of a source, already in Windows-1252 bytes, in the order written, with
// the places of its parts.
struct SourceList {
    int32_t number = 0;
    std::vector<std::string> words;
    SourcePlace place;                    // the list's object
    std::vector<SourcePlace> wordPlaces;  // each word's string
};

struct SourceStyle {
    std::string key;
    std::string name;  // the key when the source gives no name
    std::string templateText;
    std::vector<SourceList> lists;
    SourcePlace keyPlace;
    SourcePlace templatePlace;
};

// Reads the JSON text of one source:
//   {"styles": [{"key": K, "name": N, "template": T, "lists": [{"number": I, "words": [...]}]}]}
// "name" and "lists" may be left out. Throws SourceError for anything the data file
// could not hold as written: UTF-16 text; every character outside Windows-1252, one line
// each with its style, list, word, line and column; or the first other fault.
std::vector<SourceStyle> ReadJsonSource(std::string_view text, const std::string& fileName);

}  // namespace razzlewick
