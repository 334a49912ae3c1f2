#pragma once

namespace razzlewick::platform {

// Shows the wait cursor over the whole application for the lifetime of the object.
// Without a running QApplication (a command-line use) it does nothing.
class WaitCursor final {
public:
    WaitCursor();
    ~WaitCursor();

    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;

private:
    bool shown_ = false;
};

}  // namespace razzlewick::platform
