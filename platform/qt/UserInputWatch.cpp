#include "platform/qt/UserInputWatch.h"

#include <QCoreApplication>
#include <QEvent>

namespace platform {

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
        case QEvent::Close:
            acted_ = true;
            break;
        default:
            break;
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace platform
