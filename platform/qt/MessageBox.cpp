#include "platform/qt/MessageBox.h"

#include <QFontMetrics>
#include <QLabel>
#include <QMessageBox>
#include <QScreen>

namespace platform {
namespace {

// The one replaceable seam; empty means the real message box.
MessageBoxHandler& CurrentHandler()
{
    static MessageBoxHandler handler;
    return handler;
}

QMessageBox::Icon ToQtIcon(MessageIcon icon)
{
    switch (icon) {
        case MessageIcon::Information:
            return QMessageBox::Information;
        case MessageIcon::Exclamation:
            return QMessageBox::Warning;
        case MessageIcon::Question:
            return QMessageBox::Question;
        case MessageIcon::Stop:
            return QMessageBox::Critical;
        case MessageIcon::None:
            break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons)
{
    switch (buttons) {
        case MessageButtons::Ok:
            return QMessageBox::Ok;
        case MessageButtons::OkCancel:
            return QMessageBox::Ok | QMessageBox::Cancel;
        case MessageButtons::YesNo:
            return QMessageBox::Yes | QMessageBox::No;
        case MessageButtons::YesNoCancel:
            return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        case MessageButtons::RetryCancel:
            return QMessageBox::Retry | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

MessageResult FromQtButton(int button, MessageButtons buttons)
{
    switch (button) {
        case QMessageBox::Ok:
            return MessageResult::Ok;
        case QMessageBox::Yes:
            return MessageResult::Yes;
        case QMessageBox::No:
            return MessageResult::No;
        case QMessageBox::Retry:
            return MessageResult::Retry;
        case QMessageBox::Cancel:
            return MessageResult::Cancel;
        default:
            // Closed without a button: a lone OK box answers OK, as Escape would there.
            return buttons == MessageButtons::Ok ? MessageResult::Ok : MessageResult::Cancel;
    }
}

}  // namespace

MessageResult ShowMessageBox(QWidget* parent, const QString& text, MessageIcon icon,
                             MessageButtons buttons)
{
    const MessageBoxRequest request{.parent = parent,
                                    .caption = QString::fromLatin1(kMessageBoxCaption),
                                    .text = text,
                                    .icon = icon,
                                    .buttons = buttons};
    if (CurrentHandler())
        return CurrentHandler()(request);

    const std::unique_ptr<QMessageBox> box = CreateMessageBox(request);
    return FromQtButton(box->exec(), buttons);
}

std::unique_ptr<QMessageBox> CreateMessageBox(const MessageBoxRequest& request)
{
    auto box = std::make_unique<QMessageBox>(ToQtIcon(request.icon), request.caption, request.text,
                                             ToQtButtons(request.buttons), request.parent);
    // The toolkit wraps every line wider than half the screen, which breaks the long lines
    // of the level warning in mid-sentence; a label as wide as the widest line keeps them.
    if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
        const QFontMetrics metrics(label->font());
        int widest = 0;
        for (const QString& line : request.text.split(QLatin1Char('\n')))
            widest = qMax(widest, metrics.horizontalAdvance(line));
        const QScreen* screen = box->screen();
        const int limit = screen != nullptr ? screen->availableGeometry().width() * 3 / 4 : 800;
        label->setMinimumWidth(qMin(widest, limit));
    }
    return box;
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

}  // namespace platform
