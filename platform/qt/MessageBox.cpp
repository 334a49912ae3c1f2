#include "platform/qt/MessageBox.h"

#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QScreen>

#include <algorithm>

namespace razzlewick::platform {
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

// Past this width QMessageBox stops wrapping at word boundaries and breaks lines anywhere.
int WrapAnywhereWidth(const QScreen* screen)
{
    const int screenWidth = screen != nullptr ? screen->availableGeometry().width() : 1024;
    return screenWidth <= 1024 ? screenWidth : std::min(screenWidth - 480, 1000);
}

// The toolkit wraps a text wider than half the screen at a width of its own, which breaks
// the lines our messages break themselves in mid-sentence. Giving the label the width of
// its longest line, measured in the font it is shown in, keeps every line whole wherever
// the screen has room for it.
class WholeLineMessageBox final : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        KeepLinesWhole();
        QMessageBox::showEvent(event);
    }

private:
    void KeepLinesWhole()
    {
        auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        if (label == nullptr || layout() == nullptr)
            return;
        const bool wrap = label->wordWrap();
        label->setWordWrap(false);
        const int longestLine = label->sizeHint().width();
        label->setWordWrap(wrap);
        label->setMinimumWidth(longestLine);
        layout()->invalidate();
        // A line too long for the screen has to wrap: at the widest the box may be, and at a
        // word rather than anywhere.
        const int spare = WrapAnywhereWidth(screen()) - layout()->totalMinimumSize().width();
        if (spare < 0)
            label->setMinimumWidth(std::max(longestLine + spare, 0));
    }
};

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
    return std::make_unique<WholeLineMessageBox>(ToQtIcon(request.icon), request.caption,
                                                 request.text, ToQtButtons(request.buttons),
                                                 request.parent);
}

MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler)
{
    MessageBoxHandler previous = std::move(CurrentHandler());
    CurrentHandler() = std::move(handler);
    return previous;
}

}  // namespace razzlewick::platform
