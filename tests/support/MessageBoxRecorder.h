#pragma once

#include "platform/qt/MessageBox.h"

#include <QString>

#include <vector>

// Stands in for the message box during a test: records every request and answers with
// a chosen button, so no modal loop ever runs.
class MessageBoxRecorder final {
public:
    explicit MessageBoxRecorder(platform::MessageResult answer = platform::MessageResult::Ok);

    struct Shown final {
        QString caption;
        QString text;
        platform::MessageIcon icon = platform::MessageIcon::None;
        platform::MessageButtons buttons = platform::MessageButtons::Ok;
    };

    const std::vector<Shown>& Messages() const { return shown_; }
    int Count() const { return static_cast<int>(shown_.size()); }
    // The text of the last box, empty when none was shown.
    QString LastText() const;
    void SetAnswer(platform::MessageResult answer) { answer_ = answer; }
    void Clear() { shown_.clear(); }

private:
    std::vector<Shown> shown_;
    platform::MessageResult answer_;
    platform::ScopedMessageBoxHandler scope_;
};
