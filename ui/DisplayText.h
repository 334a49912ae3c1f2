#pragma once

#include <QString>

#include <string_view>

namespace razzlewick {

// Engine text (and every text of the program's own) is Windows-1252 with CR LF line ends;
// a label or text box wants Unicode with one line break per line (a lone CR would count
// as a line of its own).
QString EngineTextToDisplay(std::string_view windows1252);

// File-system text (names and paths in the load report): each line UTF-8 when it is valid
// UTF-8, otherwise read as Windows-1252 so every byte still shows.
QString FileSystemTextToDisplay(std::string_view bytes);

}  // namespace razzlewick
