#pragma once

#include <cstdint>
#include <string>

namespace razzlewick {

// Why an open of a data file failed: the cause (platform/FileErrorCause.h numbering),
// the system's errno and the path that was being opened.
struct FileErrorInfo {
    int32_t cause = 0;
    int systemCode = 0;
    std::string path;
};

}  // namespace razzlewick
