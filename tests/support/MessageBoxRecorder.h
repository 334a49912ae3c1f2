#pragma once

#include "platform/qt/MessageBox.h"

#include <QString>

#include <vector>

// Stands in for the message box during a test: records every request and answers with
// a chosen button, so no modal loop ever runs.
class MessageBoxRecorder final {
public:
    explicit MessageBoxRecorder(
        razzlewick::platform::MessageResult answer = razzlewick::platform::MessageResult::Ok);

    struct Shown final {
        QString caption;
        QString text;
        razzlewick::platform::MessageIcon icon = razzlewick::platform::MessageIcon::None;
        razzlewick::platform::MessageButtons buttons = razzlewick::platform::MessageButtons::Ok;
    };

    const std::vector<Shown>& Messages() const { return shown_; }
    int Count() const { return static_cast<int>(shown_.size()); }
    // The text of the last box, empty when none was shown.
    QString LastText() const;
    void SetAnswer(razzlewick::platform::MessageResult answer) { answer_ = answer; }
    void Clear() { shown_.clear(); }

private:
    std::vector<Shown> shown_;
    razzlewick::platform::MessageResult answer_;
    razzlewick::platform::ScopedMessageBoxHandler scope_;
};
