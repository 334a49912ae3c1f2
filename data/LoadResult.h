#pragma once

#include <string>

namespace razzlewick {

// One line of the start-up load report.
struct LoadResult {
    std::string fileName;  // without its folder; empty for the closing lines
    std::string message;
    bool failed = false;
    // (The two below are braced so that lines made of the three above need nothing more.)
    // The folder the file was found in, as searched and ending in '/'; empty for a closing
    // line and for a file named on its own, whose fileName then says where it is.
    std::string folder{};
    // What to do about a failure, when more is known than the message says; or empty.
    std::string hint{};
};

// The file with its folder, as it was searched for.
inline std::string ReportPath(const LoadResult& line)
{
    return line.folder + line.fileName;
}

}  // namespace razzlewick
