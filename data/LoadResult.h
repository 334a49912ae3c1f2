#pragma once

#include <string>

namespace razzlewick {

// One line of the start-up load report.
struct LoadResult {
    std::string fileName;  // without its folder; empty for the closing lines
    std::string message;
    bool failed = false;
};

}  // namespace razzlewick
