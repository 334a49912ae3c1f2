#pragma once

#include "data/LoadResult.h"

#include <string>

namespace razzlewick {

class InsultGenerator;

// A report line as the start-up problems dialog shows it ("name - message", or the message
// alone), its CR LF breaks made plain line breaks, ending in "\n".
std::string FormatReportLine(const LoadResult& line);

// The engine's last search, folder by folder: a heading per folder naming its role and path,
// then, indented, a line per file tried or what became of the folder instead, and last the
// closing line when there is one. Plain "\n" line breaks; paths as the file system holds them.
std::string FormatSearchReport(const InsultGenerator& engine);

}  // namespace razzlewick
