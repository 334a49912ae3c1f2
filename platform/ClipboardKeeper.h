#pragma once

#include <chrono>
#include <string>

namespace razzlewick::platform {

// The helper program, installed beside ours, that keeps a copied text on the clipboard
// after we exit.
inline constexpr const char* kClipboardKeeperName = "razzlewick-clipkeeper";

// How long the exit may wait for the keeper to own the clipboard; it normally takes a few
// milliseconds. A keeper still starting then goes on without us.
inline constexpr std::chrono::milliseconds kKeeperPatience{2000};

// Starts the keeper program `keeper`, hands it `utf8Text` on its standard input and waits
// up to `patience` for its answer, a line on that same socket. Empty when it reported that
// it owns the clipboard; otherwise what went wrong, fit to show after "cannot keep the
// clipboard: ".
std::string StartClipboardKeeper(const std::string& keeper, const std::string& utf8Text,
                                 std::chrono::milliseconds patience = kKeeperPatience);

}  // namespace razzlewick::platform
