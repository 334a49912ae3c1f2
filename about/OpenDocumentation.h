#pragma once

#include <string>
#include <vector>

namespace razzlewick {

// The documentation file names tried beside the program, in order: the product's own page
// first, then the generic read-me files.
std::vector<std::string> DocumentationCandidates(const std::string& productName);

// Opens the first candidate in `folder` (ending in '/', or empty for bare names) that the
// desktop opens. False when none did; nothing is shown either way. The launch code says
// why: the failure of the first candidate that is there, or "file not found" when none is;
// `failedPath` gets that candidate's path, for a message that names it.
bool OpenDocumentationIn(const std::string& folder, const std::string& productName,
                         int* launchCode = nullptr, std::string* failedPath = nullptr);

}  // namespace razzlewick
