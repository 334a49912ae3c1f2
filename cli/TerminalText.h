#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace razzlewick {

// Text for a terminal. Everything the terminal programs write passes through here, so that
// nothing in a data file, a file name or an argument can move the cursor, set the title,
// reach the clipboard or turn the text around. What could is shown as an escape:
//   \a \b \t \n \v \f \r \e   those C0 controls
//   \xNN                      the other C0 controls, DEL, the C1 controls (U+0080 to U+009F)
//                             and every byte that is not part of valid UTF-8
//   \uNNNN                    the bidirectional overrides and isolates (U+202A to U+202E,
//                             U+2066 to U+2069)
// Everything else passes unchanged, backslashes included: the escapes are for reading, not
// for reversing.

enum class Separators {
    Keep,    // tab, line feed and CR LF pass: the lines and fields the program itself writes
    Escape,  // they are shown too: a value that must stay within its line or field
};

std::string TerminalText(std::string_view utf8, Separators separators = Separators::Keep);

// The same for engine text, which is Windows-1252: its five unassigned bytes are C1 controls.
std::string TerminalTextFrom1252(std::string_view windows1252,
                                 Separators separators = Separators::Keep);

// How much of `utf8` can be shown before the rest has arrived: all but an unfinished UTF-8
// sequence or a carriage return at the end, whose meaning the next bytes decide.
size_t TerminalTextReady(std::string_view utf8);

}  // namespace razzlewick
