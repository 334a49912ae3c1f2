#pragma once

#include <stdexcept>

namespace razzlewick {

// Raised while a data file is read (end of data, a failed read of the file, a malformed
// string prefix) or written (a failed write). The loader catches it per file.
class ArchiveError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace razzlewick
