#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace razzlewick::platform {

// The browser the desktop has registered for web pages, as a second way to open a link
// when xdg-open fails.

// The Exec= value of the desktop file registered for x-scheme-handler/http, or for
// text/html when nothing is registered for the scheme; empty when neither leads to one.
std::optional<std::string> RegisteredBrowserExec(
    std::chrono::milliseconds patience = std::chrono::milliseconds(2000));

// The argument vector that opens `url` with the browser of an Exec value: the value is cut
// at its first %u, %U, %f or %F field code ("%u" in quotes counts before a bare one), split
// by the desktop-entry rules, and the URL appended as one argument. Empty when the cut
// leaves no program.
std::vector<std::string> BrowserCommandFor(const std::string& exec, const std::string& url);

}  // namespace razzlewick::platform
