#pragma once

#include <string_view>

namespace razzlewick::platform {

// Standard output for bytes that are not text, such as a data file's own encoding, which
// go to a file or a pipe and past the streams that make text safe for a terminal.

// Whether standard output is a terminal, where such bytes would be read as control
// sequences.
bool StandardOutputIsTerminal();

// The width in columns of the terminal on standard output; 0 when it is none or says none.
int StandardOutputColumns();

// Writes the bytes to standard output unchanged; 0 or the errno of the failure.
int WriteStandardOutput(std::string_view bytes);

}  // namespace razzlewick::platform
