#pragma once

#include "data/LoadResult.h"

#include <string>

namespace razzlewick {

class InsultGenerator;

// A report line as the start-up problems dialog shows it ("path - message", the file with
// its folder, or the message alone; and the hint, when there is one), its CR LF breaks made
// plain line breaks, ending in "\n".
std::string FormatReportLine(const LoadResult& line);
// The same with the file shown as `shownPath` (none for the message alone).
std::string FormatReportLine(const LoadResult& line, const std::string& shownPath);

// The engine's last search, folder by folder in the order they were read: a heading per folder
// naming its role and path, then, indented, a line per file tried or what became of the
// folder instead; then a line per setting of the desktop's that was ignored, and last the
// closing line when there is one. Plain "\n" line breaks; paths as the file system holds them.
std::string FormatSearchReport(const InsultGenerator& engine);

}  // namespace razzlewick
