#pragma once

#include <string>

namespace razzlewick {

class InsultStyle;

// The picture an author put beside a style of their own: KEY.svg or KEY.png (the key in
// UTF-8, the case of A-Z aside) in the folder of a data file that holds the style, looked for
// from the file read last, whose template the style has, to the first. Empty when there is
// none, or when the key cannot be a file name.
std::string AuthorPicture(const InsultStyle& style, const std::string& key);

}  // namespace razzlewick
