#pragma once

#include <optional>
#include <string>

namespace razzlewick {

// The direct way of sending feedback, tried when handing a mailto: address to the desktop
// failed: xdg-email starts a new mail in the user's mail program, whose compose window
// shows the recipient and subject. With interactive set, a missing xdg-email is reported
// in a message box. True when the mail program accepted the message.
bool SendMailDirectly(const std::string& address, const std::string& subject,
                      const std::optional<std::string>& body, bool interactive);

}  // namespace razzlewick
