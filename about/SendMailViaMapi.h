#pragma once

#include <optional>
#include <string>

// Starts a mail directly in the user's mail program (the compose window shows the
// recipient and subject). With interactive set, a missing mail tool is reported in a
// message box. True when the mail program accepted the message.
bool SendMailViaMapi(const std::string& address, const std::string& subject,
                     const std::optional<std::string>& body, bool interactive);
