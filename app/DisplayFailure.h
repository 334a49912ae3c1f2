#pragma once

namespace razzlewick {

// Watches the toolkit's messages while the application object connects to the display. When
// the connection fails (DISPLAY names a server that is not there, a dead Wayland socket), the
// toolkit ends with a fatal message and an abort; this ends the program instead with exit
// status 1 and one line naming the connection's error. The messages of that time are held
// back and passed on when the connection stands, so a failure shows no misleading advice.
// One at a time: the toolkit's message handler is a plain function.
class DisplayFailureGuard final {
public:
    DisplayFailureGuard();
    // Passes the held messages on and puts the previous handler back.
    ~DisplayFailureGuard();

    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;
};

}  // namespace razzlewick
