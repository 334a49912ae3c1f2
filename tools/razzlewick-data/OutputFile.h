#pragma once

#include <functional>
#include <string>

namespace razzlewick {

class InsultGenerator;

// The text of a source file; a file that cannot be read is a SourceError naming it.
std::string ReadSourceText(const std::string& path);

// Writes `output` beside its final place and renames it over, so a failure never leaves a
// half-written or emptied file behind. `write` fills the new file and answers "" or what
// went wrong. The mode of a file replaced is kept; a new file gets the umask's. Throws
// ToolError naming the file and the step that failed.
void WriteOutputFile(const std::string& output, const std::function<std::string(int fd)>& write);

// Writes the engine as a data file to `fd`; "" or what went wrong.
std::string WriteEngine(InsultGenerator& engine, int fd);

// The engine written as a data file, through WriteOutputFile.
void WriteEngineFile(InsultGenerator& engine, const std::string& output);

}  // namespace razzlewick
