#pragma once

#include <stdexcept>

namespace razzlewick {

// A failure that ends a subcommand with exit status 1 and the message on standard error
// (a file that cannot be written, an unknown style).
class ToolError final : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace razzlewick
