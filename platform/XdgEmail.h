#pragma once

#include "platform/SpawnProcess.h"

#include <chrono>
#include <functional>
#include <optional>
#include <string>

namespace razzlewick::platform {

// A new mail in the user's mail program, through xdg-email: the direct way of sending
// feedback when handing over a mailto: address failed.

enum class MailOutcome {
    Accepted,    // the mail program took the message (it shows its compose window)
    Refused,     // xdg-email ran and failed
    NoMailTool,  // there is no xdg-email on PATH at the moment of sending
};

// Runs `xdg-email --subject SUBJECT [--body BODY] ADDRESS`. A mail program still busy
// after `patience`, or when `stopWaiting` says so, has the compose window open and counts
// as accepted.
MailOutcome XdgEmail(const std::string& address, const std::string& subject,
                     const std::optional<std::string>& body,
                     std::chrono::milliseconds patience = kLauncherPatience,
                     const std::function<bool()>& stopWaiting = {});

}  // namespace razzlewick::platform
