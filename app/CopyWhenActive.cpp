#include "app/CopyWhenActive.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWidget>

CopyWhenActive::CopyWhenActive(QWidget* window, std::function<void()> copy)
    : QObject(window), window(window), copy(std::move(copy))
{
    window->installEventFilter(this);
}

bool CopyWhenActive::NeedsFocus()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void CopyWhenActive::Request()
{
    if (NeedsFocus() && !window->isActiveWindow()) {
        pending = true;
        return;
    }
    pending = false;
    copy();
}

bool CopyWhenActive::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window && event->type() == QEvent::WindowActivate && pending) {
        pending = false;
        copy();
    }
    return QObject::eventFilter(watched, event);
}
