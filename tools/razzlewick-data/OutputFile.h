#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace razzlewick {

class InsultGenerator;

// The most a source file (JSON, or a data file to install) may hold: far beyond any real
// vocabulary, and a bound on what a mistaken path can make the tool read into memory.
inline constexpr size_t kLargestSource = size_t{64} << 20;

// The text of a source file; a file that cannot be read, that is not a regular file or that
// is larger than kLargestSource is a SourceError naming it.
std::string ReadSourceText(const std::string& path);

// Whether `path` is a file larger than kLargestSource, refused before it is read.
bool IsTooLargeForASource(const std::string& path);
// Why such a file is refused: "larger than 64 MiB, the most a source may hold".
std::string TooLargeText();

enum class Existing { Replace, Refuse };

// Writes `output` beside its final place and renames it over, so a failure never leaves a
// half-written or emptied file behind. `write` fills the new file and answers "" or what
// went wrong. The mode of a file replaced is kept; a new file gets the umask's. With
// Existing::Refuse the file is put in place only where there is none, in one step, so of two
// programs writing one new name only one succeeds. Throws ToolError naming the file and the
// step that failed.
void WriteOutputFile(const std::string& output, const std::function<std::string(int fd)>& write,
                     Existing existing = Existing::Replace);

// Writes the engine as a data file to `fd`; "" or what went wrong.
std::string WriteEngine(InsultGenerator& engine, int fd);

// The engine written as a data file, through WriteOutputFile.
void WriteEngineFile(InsultGenerator& engine, const std::string& output,
                     Existing existing = Existing::Replace);

}  // namespace razzlewick
