#pragma once

#include <QObject>

#include <functional>

namespace razzlewick::platform {

// Keeps the application answering while it waits for a program it started: the events
// that arrive meanwhile are handled at once, and the wait can end as soon as the user acts
// (a key, a click, a window closed), so an Escape never queues behind a slow launcher.
class UserInputWatch final : public QObject {
    Q_DISABLE_COPY_MOVE(UserInputWatch)

public:
    // Watches the application's events, if there is an application.
    UserInputWatch();
    ~UserInputWatch() override;

    // Handles what has arrived; true once the user has acted since the watch began.
    bool UserActed();
    // UserActed as a stop condition for a wait.
    std::function<bool()> StopCondition();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool watching_ = false;
    bool acted_ = false;
};

}  // namespace razzlewick::platform
