#include "platform/qt/UserInputWatch.h"

#include <QCoreApplication>
#include <QEvent>

namespace razzlewick::platform {

UserInputWatch::UserInputWatch()
{
    if (QCoreApplication* application = QCoreApplication::instance()) {
        application->installEventFilter(this);
        watching_ = true;
    }
}

UserInputWatch::~UserInputWatch() = default;

bool UserInputWatch::UserActed()
{
    if (watching_)
        QCoreApplication::processEvents();
    return acted_;
}

std::function<bool()> UserInputWatch::StopCondition()
{
    return [this] { return UserActed(); };
}

bool UserInputWatch::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::MouseButtonPress:
            acted_ = true;
            break;
        case QEvent::Close:
            // The window manager's close box, not a tooltip or menu closing itself.
            acted_ = acted_ || event->spontaneous();
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace razzlewick::platform
