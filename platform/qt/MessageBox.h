#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <utility>

class QMessageBox;
class QWidget;

namespace razzlewick::platform {

enum class MessageIcon { None, Information, Exclamation, Question, Stop };
enum class MessageButtons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class MessageResult { Ok, Cancel, Yes, No, Retry };

// What a dialog asked to show; handed to a replacement handler in tests.
struct MessageBoxRequest final {
    QWidget* parent = nullptr;  // not owned
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::None;
    MessageButtons buttons = MessageButtons::Ok;
};

using MessageBoxHandler = std::function<MessageResult(const MessageBoxRequest&)>;

// The caption of every message box: the application's title.
inline constexpr const char* kMessageBoxCaption = "Razzlewick";

// Shows a modal message box captioned with the application's title and returns the
// button pressed. Every dialog goes through here so tests can answer instead of a person.
MessageResult ShowMessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                             MessageButtons buttons = MessageButtons::Ok);

// The real box ShowMessageBox runs, not yet shown; when shown, lines the text breaks itself
// are kept whole instead of being wrapped at half the screen's width.
std::unique_ptr<QMessageBox> CreateMessageBox(const MessageBoxRequest& request);

// Replaces the handler (an empty function restores the real box); returns the old one.
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Installs a handler for one scope and puts the previous one back afterwards.
class ScopedMessageBoxHandler final {
public:
    explicit ScopedMessageBoxHandler(MessageBoxHandler handler)
        : previous_(SetMessageBoxHandler(std::move(handler)))
    {
    }
    ~ScopedMessageBoxHandler() { SetMessageBoxHandler(std::move(previous_)); }
    ScopedMessageBoxHandler(const ScopedMessageBoxHandler&) = delete;
    ScopedMessageBoxHandler& operator=(const ScopedMessageBoxHandler&) = delete;

private:
    MessageBoxHandler previous_;
};

}  // namespace razzlewick::platform
